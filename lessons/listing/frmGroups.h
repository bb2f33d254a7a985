#pragma once
// Intersection and union drill 1: a diagram of the two sets س and ص, and four
// rows in which the pupil lists س, ص, their intersection and their union; each
// row is judged and scored once per problem.

#include "lessons/listing/listing_drill.h"

namespace sd::listing {
struct NumberSpot;
}

namespace sd {

const ScreenLayout& frmGroupsLayout();

// The rows, answer keys, notes and scoring of this drill.
const listing::DrillData& frmGroupsDrill();
// The diagram numbers as stored: caption, region colour, place.
const std::vector<listing::NumberSpot>& frmGroupsNumbers();

class frmGroups : public listing::ListingDrill {
    Q_OBJECT
public:
    explicit frmGroups(Navigator* navigator) : ListingDrill(frmGroupsLayout(), frmGroupsDrill(), navigator) {}
    static const ScreenLayout& storedLayout() { return frmGroupsLayout(); }
};

} // namespace sd
