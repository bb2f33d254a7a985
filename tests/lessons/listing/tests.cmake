# Tests of the lesson in lessons/listing (paths are relative to tests/).
