#include "lessons/listing/frmgroub5.h"

namespace sd {

using namespace listing;

namespace {

// A point a box for the two differences (two elements each) and the intersection
// (three); half a point a box for the union of seven, cut to 3. Ten a problem.
constexpr RowScoring kDifferenceRow{.weight = 1, .maximum = 2};
constexpr RowScoring kIntersectionRow{.weight = 1, .maximum = 3};
constexpr RowScoring kUnionRow{.weight = 0.5, .adjustment = {Adjustment::CapAbove, 3, 0}, .maximum = 3};

} // namespace

// Diagram regions: 0..2 in both sets, 3 and 4 in ص only, 5 and 6 in س only,
// 7 outside both ellipses.
const DrillData& frmgroub5Drill() {
    static const DrillData data{
        .rows =
            {
                standardRow(0, {.title = {{"Label1", 0}},
                                .keyLast = 4,
                                .keyElements = {{1, 5}, {3, 6}},
                                .scoring = kDifferenceRow,
                                .scoreLabel = {"Label14", 0}}),
                standardRow(1, {.title = {{"Label1", 1}},
                                .keyLast = 4,
                                .keyElements = {{1, 3}, {3, 4}},
                                .scoring = kDifferenceRow,
                                .scoreLabel = {"Label14", 1}}),
                standardRow(2, {.title = {{"Label1", 3}, {"Image3"}, {"Label1", 4}},
                                .keyLast = 6,
                                .keyElements = {{1, 0}, {3, 1}, {5, 2}},
                                .scoring = kIntersectionRow,
                                .scoreLabel = {"Label14", 2}}),
                standardRow(3, {.title = {{"Label1", 5}, {"Image2"}, {"Label1", 6}},
                                .keyLast = 14,
                                .keyElements = {{1, 5}, {3, 6}, {5, 0}, {7, 1}, {9, 2}, {11, 3}, {13, 4}},
                                .scoring = kUnionRow,
                                .scoreLabel = {"Label14", 3}}),
            },
        // Each note button shows its own rule in the one frame and hides the other three.
        .notes = {{.button = 0, .show = {3}, .hide = {4, 1, 2}},
                  {.button = 1, .show = {4}, .hide = {3, 1, 2}},
                  {.button = 2, .show = {1}, .hide = {3, 4, 2}},
                  {.button = 3, .show = {2}, .hide = {3, 4, 1}}},
        .repeatNote = RepeatNoteCleared::ByAnyRowButton,
        .cornerIcon = "Image4",
    };
    return data;
}

} // namespace sd
