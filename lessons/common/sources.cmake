# What the lessons share, added to the program's library.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/lesson_layout.h
  ${CMAKE_CURRENT_LIST_DIR}/lesson_layout.cpp
)
