# Sources of the teacher's blackboard, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/board_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/board_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmmagmoaat1.h
  ${CMAKE_CURRENT_LIST_DIR}/frmmagmoaat1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmmagmoaat1_layout.cpp
)
