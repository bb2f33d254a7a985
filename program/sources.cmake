# The program's list of screens, added to the program's library so that tests
# and tools open exactly the screens the program has.
target_sources(setsdrill_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/screens.cpp
)
