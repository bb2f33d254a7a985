# Tests of the blackboard in board/ (paths are relative to tests/).
