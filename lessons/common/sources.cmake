# What the lessons share: rules on Qt Core alone,
target_sources(setsdrill_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/rgb.h
  ${CMAKE_CURRENT_LIST_DIR}/lesson_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/lesson_rules.cpp
)
# and pieces of layout and screen, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/lesson_layout.h
  ${CMAKE_CURRENT_LIST_DIR}/lesson_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rewards.h
  ${CMAKE_CURRENT_LIST_DIR}/rewards.cpp
)
