# Tests of what the lessons share (paths are relative to tests/).
setsdrill_rules_test(tst_lesson_rules lessons/common/tst_lesson_rules.cpp)
