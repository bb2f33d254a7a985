# Tests of the lesson in lessons/venn (paths are relative to tests/).
