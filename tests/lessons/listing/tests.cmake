# Tests of the lesson in lessons/listing (paths are relative to tests/).
setsdrill_rules_test(tst_listing_rules lessons/listing/tst_listing_rules.cpp)
setsdrill_test(tst_frmGroups lessons/listing/tst_frmGroups.cpp)
setsdrill_test(tst_listing_engine lessons/listing/tst_listing_engine.cpp)
setsdrill_test(tst_frmgrop2 lessons/listing/tst_frmgrop2.cpp)
setsdrill_test(tst_frmgroub5 lessons/listing/tst_frmgroub5.cpp)
