# Sources of the lesson in this folder, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmGroups.h
  ${CMAKE_CURRENT_LIST_DIR}/frmGroups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmGroups_layout.cpp
)
