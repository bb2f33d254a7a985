#include "lessons/listing/frmgrop2.h"

namespace sd {

using namespace listing;

// Diagram regions: 0 in ع only, 1 and 2 in س and ع, 3 and 4 in ع and ص, 5 and 6
// in س only, 7 and 8 in ص only. No number is in all three sets or in both س and
// ص, so row 5 (س ∩ ص) is always the empty set.
const DrillData& frmgrop2Drill() {
    static const DrillData data{
        .rows =
            {
                standardRow(0, {.title = {{"Label1", 0}}, .keyLast = 4, .keyElements = {{1, 2}, {3, 1}}}),
                standardRow(1, {.title = {{"Label1", 1}},
                                .keyLast = 14,
                                .keyElements = {{1, 5}, {3, 6}, {5, 2}, {7, 1}, {9, 0}, {11, 3}, {13, 4}}}),
                standardRow(2, {.title = {{"Label1", 3}, {"Image3"}, {"Label1", 4}},
                                .keyLast = 4,
                                .keyElements = {{1, 4}, {3, 3}}}),
                standardRow(3, {.title = {{"Label1", 5}, {"Label1", 6}},
                                .keyLast = 14,
                                .keyElements = {{1, 2}, {3, 1}, {5, 0}, {7, 3}, {9, 4}, {11, 7}, {13, 8}}}),
                // Rows 5 and 6 continue the arrays of rows 3 and 4.
                {.boxes = "Text3",
                 .first = 7,
                 .count = 7,
                 .separatorBase = 35,
                 .noteButton = 8,
                 .checkButton = 10,
                 .key = "lbl4",
                 .keyFirst = 5,
                 .keyLast = 6,
                 .packKey = false},
                {.boxes = "Text4",
                 .first = 8,
                 .count = 8,
                 .separatorBase = 43,
                 .noteButton = 9,
                 .checkButton = 11,
                 .key = "lbl5",
                 .keyFirst = 15,
                 .keyLast = 31,
                 .keyElements = {{16, 5}, {18, 6}, {20, 2}, {22, 1}, {24, 4}, {26, 3}, {28, 8}, {30, 7}}},
            },
        // One rule for the three intersection rows, one for the three union rows.
        .notes = {{.button = 0, .show = {1}, .hide = {2}},
                  {.button = 2, .show = {1}, .hide = {2}},
                  {.button = 8, .show = {1}, .hide = {2}},
                  {.button = 1, .show = {2}, .hide = {1}},
                  {.button = 3, .show = {2}, .hide = {1}},
                  {.button = 9, .show = {2}, .hide = {1}}},
        .repeatNote = RepeatNoteCleared::Never,
        .cornerIcon = "Image8",
        .flattenPicture = "Image1",
    };
    return data;
}

} // namespace sd
