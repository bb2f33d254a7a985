# Sources of the Venn diagram lesson, added to the program's library.
target_sources(setsdrill_core PRIVATE
)
