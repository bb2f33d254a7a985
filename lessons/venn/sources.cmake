# The lesson's rules, on Qt Core alone.
target_sources(setsdrill_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/venn_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/venn_rules.cpp
)
# Its screen and layout, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmvan.h
  ${CMAKE_CURRENT_LIST_DIR}/frmvan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmvan_layout.cpp
)
