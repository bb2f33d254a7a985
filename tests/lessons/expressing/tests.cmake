# Tests of the lesson in lessons/expressing (paths are relative to tests/).
