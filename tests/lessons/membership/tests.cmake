# Tests of the lesson in lessons/membership (paths are relative to tests/).
setsdrill_rules_test(tst_membership_rules lessons/membership/tst_membership_rules.cpp)
setsdrill_test(tst_frmgroub4 lessons/membership/tst_frmgroub4.cpp)
