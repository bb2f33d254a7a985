# Sources of the lesson in this folder, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/expressing_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/expressing_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop3.h
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop3_layout.cpp
)
