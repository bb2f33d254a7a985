#pragma once
// Pieces of stored layout the listing drills share: the diagram numbers, the rows
// of entry boxes with their separators, and the answer-key rows. Each screen's
// layout table is assembled from these and its own controls.

#include "app/layout.h"

#include <vector>

namespace sd::listing {

// A diagram number: its stored caption, the colour of its region and its place.
struct NumberSpot {
    const char* caption;
    QRgb color;
    int left;
    int top;
    int width = 555;
};

// The numbers lbl1(0..n-1) of a diagram.
void addDiagramNumbers(std::vector<ControlSpec>& out, const std::vector<NumberSpot>& numbers);

struct Place {
    int left;
    int top;
};

// The "*" decorations Label3(0..n-1).
void addStars(std::vector<ControlSpec>& out, const std::vector<Place>& places, FontSpec font);

// A row title, or one part of it: white, on one line, right-aligned, so that its
// letters end where the note button or the operator picture beside them begins.
ControlSpec rowTitle(int index, const char* caption, Tw at, FontSpec font);

// An operator picture (intersection or union) standing in a row title.
ControlSpec operatorPicture(const char* name, const char* picture, int left, int top, int width = 285);

// A note: white, on one line, hidden until a note button or the judging shows it.
ControlSpec noteLabel(int index, const char* caption, Tw at, FontSpec font);

// Box lefts for a row whose boxes stand `step` twips apart, box 0 at the right.
std::vector<int> evenlySpaced(int left0, int count, int step = 600);

struct EntryRow {
    const char* boxes;       // entry-box array
    int first;               // index of the row's box 0 in that array
    std::vector<int> lefts;  // left of each box, box 0 first
    int top;                 // of the boxes and the separators
    std::vector<int> tops{}; // boxes standing higher or lower than the row: top of each, box 0 first
    int separatorBase;
    double separatorPoints;
    const char* commaTooltip = nullptr;
    int tabIndex = 0;             // of box 0; the others follow
    const char* spoken = nullptr; // what a screen reader calls the row's boxes
};

// The row's boxes and its separators lbl11(base .. base + n): "{" right of box 0,
// "،" left of every box; behind each box a frame, boxFrameName(boxes) with the
// box's index, that shows where the box stands.
void addEntryRow(std::vector<ControlSpec>& out, const EntryRow& row);

// The diagram numbers and the separators, each array one tab stop after the
// control holding tabIndex (the last check button), pressed with Space or Enter.
void pressDiagramAndSeparators(std::vector<ControlSpec>& out, int tabIndex);

// Says where each diagram number lies, after pressDiagramAndSeparators: lbl1(i)
// is called by its caption and regions[i] ("في س فقط").
void placeDiagramNumbers(std::vector<ControlSpec>& out, const std::vector<const char*>& regions);

// The name of the frames behind an entry-box array ("Text1" -> "Text1Frame").
const char* boxFrameName(const char* boxes);

// One label of an answer key: a fixed caption, or (number >= 0) the diagram number
// it copies, shown in the colour of that number's region.
struct KeyPart {
    const char* caption = nullptr;
    int number = -1;
};

// A sign of an answer key written differently from the others of its row: the
// label at `position` (counted from the key's first label) shows `caption`.
struct KeySign {
    int position;
    const char* caption;
};

// Open, the elements separated by comma, close; `signs` replace single signs.
std::vector<KeyPart> rosterKey(const char* open, const char* comma, const char* close,
                               const std::vector<int>& numbers, const std::vector<KeySign>& signs = {});

// A hidden answer-key row name(first ...), from a stored left edge going left.
void addAnswerKey(std::vector<ControlSpec>& out, const char* name, int first,
                  const std::vector<KeyPart>& parts, int left, int top,
                  const std::vector<NumberSpot>& numbers);

} // namespace sd::listing
