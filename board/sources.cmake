# Sources of the teacher's blackboard, added to the program's library.
target_sources(setsdrill_core PRIVATE
)
