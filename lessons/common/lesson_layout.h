#pragma once
// Pieces of stored layout every lesson shares.

#include "app/layout.h"

#include <vector>

namespace sd::lessons {

// A line of text in a lesson's exit corner.
struct CornerLine {
    const char* name = "";
    int index = -1;
    Tw at{};
    FontSpec font{};
    QRgb fore = 0;
    Align align = Align::Start;
    const char* caption = nullptr; // nullptr: the program's own credit or contact line
};

// The corner every lesson has: the exit button Command12 in a rounded frame that
// stands 60 twips round it, the credit Label30 (hidden until the corner icon is
// double-clicked) and the contact line.
struct ExitCorner {
    const char* frameName = "Shape7";
    Tw exit{};
    FontSpec exitFont{"Arial", 14.25, true};
    QRgb exitBack = 0;
    const char* exitPicture = nullptr;
    int tabIndex = -1;
    Color frameBack{}; // the frame is opaque when it has one
    QRgb frameBorder = 0;
    int frameBorderWidth = 1;
    Color frameFill{}; // a solid fill when given
    CornerLine credit{};
    CornerLine contact{};
};

// Adds the frame, the exit button, the credit and the contact line, in that order.
void addExitCorner(std::vector<ControlSpec>& out, const ExitCorner& corner);

} // namespace sd::lessons
