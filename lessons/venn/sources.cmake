# Sources of the Venn diagram lesson, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/venn_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/venn_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmvan.h
  ${CMAKE_CURRENT_LIST_DIR}/frmvan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmvan_layout.cpp
)
