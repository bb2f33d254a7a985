#pragma once
// Intersection and union drill 2: a diagram of the three sets س, ع and ص, and six
// rows in which the pupil lists the intersection and the union of each pair. Rows
// are judged as often as the pupil likes and never scored; row 5 asks for the
// empty set.

#include "lessons/listing/listing_drill.h"

namespace sd::listing {
struct NumberSpot;
}

namespace sd {

const ScreenLayout& frmgrop2Layout();

// The rows, answer keys and notes of this drill.
const listing::DrillData& frmgrop2Drill();
// The diagram numbers as stored: caption, region colour, place.
const std::vector<listing::NumberSpot>& frmgrop2Numbers();

class frmgrop2 : public listing::ListingDrill {
    Q_OBJECT
public:
    explicit frmgrop2(Navigator* navigator) : ListingDrill(frmgrop2Layout(), frmgrop2Drill(), navigator) {}
    static const ScreenLayout& storedLayout() { return frmgrop2Layout(); }
};

} // namespace sd
