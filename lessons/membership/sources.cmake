# The lesson's rules, on Qt Core alone.
target_sources(setsdrill_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/membership_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/membership_rules.cpp
)
# Its screens and layouts, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmgroub4.h
  ${CMAKE_CURRENT_LIST_DIR}/frmgroub4.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgroub4_layout.cpp
)
