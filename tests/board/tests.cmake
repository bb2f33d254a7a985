# Tests of the blackboard in board/ (paths are relative to tests/).
setsdrill_test(tst_board_rules board/tst_board_rules.cpp)
setsdrill_test(tst_frmmagmoaat1 board/tst_frmmagmoaat1.cpp)
