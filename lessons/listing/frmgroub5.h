#pragma once
// The difference drill: a diagram of the two sets س and ص, and four rows in which
// the pupil lists س − ص, ص − س, the intersection and the union; each row is judged
// and scored once per problem, and each note button shows a rule of its own.

#include "lessons/listing/listing_drill.h"

namespace sd::listing {
struct NumberSpot;
}

namespace sd {

const ScreenLayout& frmgroub5Layout();

// The rows, answer keys, notes and scoring of this drill.
const listing::DrillData& frmgroub5Drill();
// The diagram numbers as stored: caption, region colour, place.
const std::vector<listing::NumberSpot>& frmgroub5Numbers();

class frmgroub5 : public listing::ListingDrill {
    Q_OBJECT
public:
    explicit frmgroub5(Navigator* navigator) : ListingDrill(frmgroub5Layout(), frmgroub5Drill(), navigator) {}
    static const ScreenLayout& storedLayout() { return frmgroub5Layout(); }
};

} // namespace sd
