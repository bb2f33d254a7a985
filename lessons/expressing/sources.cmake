# The lesson's rules, on Qt Core alone.
target_sources(setsdrill_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/expressing_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/expressing_rules.cpp
)
# Its screens and layouts, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop3.h
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop3_layout.cpp
)
