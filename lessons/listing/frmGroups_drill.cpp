#include "lessons/listing/frmGroups.h"

namespace sd {

using namespace listing;

namespace {

// Half a point a box: a complete intersection (three boxes) earns 1.5 and is
// raised to its maximum of 2; a complete union (seven) earns 3.5, cut to 3.
constexpr RowScoring kSetRow{.weight = 0.5, .maximum = 2.5};
constexpr RowScoring kIntersectionRow{
    .weight = 0.5, .adjustment = {Adjustment::RaiseWhenEqual, 1.5, 2}, .maximum = 2};
constexpr RowScoring kUnionRow{.weight = 0.5, .adjustment = {Adjustment::CapAbove, 3, 0}, .maximum = 3};

} // namespace

// Diagram regions: 0..2 in both sets, 3 and 4 in ص only, 5 and 6 in س only,
// 7 in neither.
const DrillData& frmGroupsDrill() {
    static const DrillData data{
        .rows =
            {
                standardRow(0, {.title = {{"Label1", 0}},
                                .keyLast = 10,
                                .keyElements = {{1, 5}, {3, 6}, {5, 0}, {7, 1}, {9, 2}},
                                .scoring = kSetRow,
                                .scoreLabel = {"Label4", 0}}),
                standardRow(1, {.title = {{"Label1", 1}},
                                .keyLast = 10,
                                .keyElements = {{1, 0}, {3, 1}, {5, 2}, {7, 3}, {9, 4}},
                                .scoring = kSetRow,
                                .scoreLabel = {"Label4", 1}}),
                standardRow(2, {.title = {{"Label1", 3}, {"Image3"}, {"Label1", 4}},
                                .keyLast = 6,
                                .keyElements = {{1, 0}, {3, 1}, {5, 2}},
                                .scoring = kIntersectionRow,
                                .scoreLabel = {"Label4", 2}}),
                standardRow(3, {.title = {{"Label1", 5}, {"Image2"}, {"Label1", 6}},
                                .keyLast = 14,
                                .keyElements = {{1, 5}, {3, 6}, {5, 0}, {7, 1}, {9, 2}, {11, 3}, {13, 4}},
                                .scoring = kUnionRow,
                                .scoreLabel = {"Label4", 3}}),
            },
        // The intersection and union buttons share one frame; rows 1 and 2 have no note.
        .notes = {{.button = 2, .show = {1}, .hide = {2}}, {.button = 3, .show = {2}, .hide = {1}}},
        .repeatNote = RepeatNoteCleared::ByNewProblem,
        .cornerIcon = "Image4",
    };
    return data;
}

} // namespace sd
