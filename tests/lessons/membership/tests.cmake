# Tests of the lesson in lessons/membership (paths are relative to tests/).
