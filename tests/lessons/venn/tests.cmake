# Tests of the lesson in lessons/venn (paths are relative to tests/).
setsdrill_rules_test(tst_venn_rules lessons/venn/tst_venn_rules.cpp)
setsdrill_test(tst_frmvan lessons/venn/tst_frmvan.cpp)
