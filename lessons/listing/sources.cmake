# The lesson's rules, on Qt Core alone.
target_sources(setsdrill_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/listing_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/listing_rules.cpp
)
# Its screens and layouts, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/listing_layout.h
  ${CMAKE_CURRENT_LIST_DIR}/listing_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listing_drill.h
  ${CMAKE_CURRENT_LIST_DIR}/listing_drill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmGroups.h
  ${CMAKE_CURRENT_LIST_DIR}/frmGroups_drill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmGroups_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop2.h
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop2_drill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgrop2_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgroub5.h
  ${CMAKE_CURRENT_LIST_DIR}/frmgroub5_drill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgroub5_layout.cpp
)
