# The program's start and its list of screens, added to the program's library so
# that tests and tools start as the program does and open exactly its screens.
# The executable itself is program/main.cpp alone.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/screens.h
  ${CMAKE_CURRENT_LIST_DIR}/screens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup.h
  ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
)
