# Tests of the lesson in lessons/expressing (paths are relative to tests/).
setsdrill_rules_test(tst_expressing_rules lessons/expressing/tst_expressing_rules.cpp)
setsdrill_test(tst_frmgrop3 lessons/expressing/tst_frmgrop3.cpp)
