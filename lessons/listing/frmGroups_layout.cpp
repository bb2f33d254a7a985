#include "app/credits.h"
#include "lessons/common/lesson_layout.h"
#include "lessons/listing/frmGroups.h"
#include "lessons/listing/listing_layout.h"

namespace sd {

using namespace listing;

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kOrange = 0xFF8000; // in both sets
constexpr QRgb kYellow = 0xFFFF00; // in ص only, and outside both
constexpr QRgb kDark = 0x404040;
// The scores stand on the desktop's colour. Qt reports no desktop colour (the
// palette has no such role, and Linux desktops have none to give), so the classic
// desktop blue is kept here, the same on every machine.
constexpr QRgb kDesktop = 0x3A6EA5;
constexpr QRgb kButtonGrey = 0x808080;

constexpr FontSpec kLetterFont{"Times New Roman", 21.75, true};
// The row titles fit between the opening brace and the note button (rows 3 and 4:
// on either side of the operator picture). The free Naskh face is much wider
// than the classic one; at the classic size the letters ran into the brace, the
// picture and the button.
constexpr FontSpec kTitleFont{"Traditional Arabic", 15.75, true};
// The instruction's line runs into the notes frame on its left at the titles'
// size: the free Naskh face is a little wider than the classic one.
constexpr FontSpec kInstructionFont{"Traditional Arabic", 19.5, true};
constexpr FontSpec kNoteFont{"MS Sans Serif", 12, true};
constexpr FontSpec kButtonFont{"Arial", 12, true};
constexpr FontSpec kCreditFont{"Traditional Arabic", 14, true};

constexpr const char* kCommaTooltip = "اضغط على الفاصلة لتغيرها نقطة أو قوس";

// Rows: where box 0 stands, the note and check buttons and the row score.
struct RowPlace {
    int boxTop;
    int box0Left;
    int count;
    double separatorPoints;
    int buttonTop; // note button
    int checkTop;
    int keyLeft;
};
constexpr RowPlace kRows[] = {
    {3300, 9720, 8, 18, 3240, 3180, 3240},
    {4080, 9720, 8, 20.25, 4080, 4020, 3240},
    {4980, 9120, 7, 20.25, 4920, 4860, 3180},
    {5880, 9120, 8, 20.25, 5760, 5700, 3240},
};
constexpr const char* kRowNumbers[] = {"(1)", "(2)", "(3)", "(4)"};

const char* const kBoxNames[] = {"خانة عنصر من س", "خانة عنصر من ص", "خانة عنصر من س ∩ ص",
                                 "خانة عنصر من س ∪ ص"};

ControlSpec title(int index, const char* caption, Tw at) {
    return rowTitle(index, caption, at, kTitleFont);
}

ControlSpec note(int index, const char* caption, Tw at) {
    return noteLabel(index, caption, at, kNoteFont);
}

// The corner icon, and the diagram: a rectangle with the ellipses of س (orange)
// and ص (yellow), its stars and numbers.
void addDiagram(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Image,
                 .name = "Image4",
                 .at = {0, 0, 480, 480},
                 .picture = "listing_groups_icon",
                 .stretch = true});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape6",
                 .at = {5400, 60, 5895, 2355},
                 .borderColor = kWhite,
                 .borderWidth = 3,
                 .fill = Fill::Solid,
                 .fillColor = kDark});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape1",
                 .at = {7380, 480, 3735, 1695},
                 .shape = ShapeKind::Oval,
                 .borderColor = kOrange,
                 .borderWidth = 2});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape2",
                 .at = {5700, 240, 4215, 1815},
                 .shape = ShapeKind::Oval,
                 .borderColor = kYellow,
                 .borderWidth = 2});
    c.push_back({.kind = Kind::Label,
                 .name = "Label1",
                 .index = 2,
                 .at = {10620, 300, 435, 495},
                 .caption = "س",
                 .font = kLetterFont,
                 .fore = kWhite,
                 .align = Align::Center});
    c.push_back({.kind = Kind::Label,
                 .name = "Label1",
                 .index = 7,
                 .at = {5760, 60, 435, 495},
                 .caption = "ص",
                 .font = kLetterFont,
                 .fore = kWhite,
                 .align = Align::Center});
    addStars(c,
             {{9840, 1680},
              {10500, 1320},
              {9060, 1440},
              {9240, 900},
              {7980, 1440},
              {6600, 540},
              {6000, 1200},
              {5640, 1680}},
             FontSpec{"MS Sans Serif", 18});
    addDiagramNumbers(c, frmGroupsNumbers());
}

// Under the diagram: the instruction and "جديد".
void addInstruction(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Label,
                 .name = "Label4",
                 .index = 4,
                 .at = {4680, 2460, 5655, 555},
                 .caption = "من الشكل أوجد بطريقة السرد ما يأتي",
                 .font = kInstructionFont,
                 .fore = kWhite,
                 .wordWrap = false});
    c.push_back({.kind = Kind::Button,
                 .name = "Command1",
                 .at = {10980, 2460, 615, 495},
                 .caption = "جديد",
                 .font = kButtonFont,
                 .back = 0xC0FFC0,
                 .tabIndex = 35});
}

// Notes: the intersection and union rules share one frame; the repeat note
// stands apart at the top left.
void addNotes(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape5",
                 .at = {300, 2280, 4695, 675},
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = kYellow,
                 .borderWidth = 5,
                 .fill = Fill::Solid,
                 .fillColor = kDark});
    // Widened to the inside of their frame: the rules are read whole on one line.
    c.push_back(note(1, "التقاطع هو العناصر المشتركة في س و ص", {390, 2460, 4500, 495}));
    c.push_back(note(2, "الاتحاد جميع العناصر في س أو   ص ", {390, 2400, 4500, 495}));
    ControlSpec repeat = note(0, "يراعى عدم تكرار العنصر في المجموعة", {420, 60, 4215, 495});
    repeat.back = 0x000040;
    repeat.opaque = true;
    c.push_back(repeat);
}

// The score: earned over possible, the clear button, and the hidden counters.
void addScore(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape4",
                 .at = {1440, 780, 1635, 1395},
                 .back = kDesktop,
                 .opaque = true,
                 .borderColor = kWhite,
                 .borderWidth = 2});
    c.push_back({.kind = Kind::Line,
                 .name = "Line1",
                 .at = {3060, 1500, 1440, 1500},
                 .borderColor = kWhite,
                 .borderWidth = 2});
    // Wider than the digits' stored boxes, so that "10" and "7.5" are read whole.
    for (const auto& [index, top] : {std::pair{2, 840}, std::pair{3, 1500}})
        c.push_back({.kind = Kind::Label,
                     .name = "Label5",
                     .index = index,
                     .at = {1500, top, 1515, 630},
                     .caption = "0",
                     .font = FontSpec{"Arial", 27.75, true},
                     .fore = kWhite,
                     .align = Align::Center,
                     .wordWrap = false,
                     .accessibleName = index == 2 ? "المجموع %1" : "من %1",
                     .live = true});
    c.push_back({.kind = Kind::Button,
                 .name = "Command2",
                 .at = {480, 1560, 675, 495},
                 .caption = "مسح",
                 .font = kButtonFont,
                 .back = 0x80FF80,
                 .tabIndex = 36});
    c.push_back({.kind = Kind::Label,
                 .name = "Label5",
                 .index = 0,
                 .at = {300, 3000, 345, 375},
                 .caption = "0",
                 .visible = false});
    c.push_back({.kind = Kind::Label,
                 .name = "Label5",
                 .index = 1,
                 .at = {240, 3900, 345, 375},
                 .caption = "0",
                 .visible = false});
}

// The rows: their frame, titles, boxes, buttons, row scores and answer keys.
void addRows(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape3",
                 .at = {180, 3000, 11535, 3555},
                 .back = 0x000000,
                 .opaque = true,
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = 0xC0C0C0,
                 .borderWidth = 3});
    c.push_back(operatorPicture("Image3", "listing_intersection", 10320, 4920));
    c.push_back(operatorPicture("Image2", "listing_union", 10320, 5820));
    // The titles are right-aligned: those at the note button stop two pixels short
    // of it, those at an operator picture two pixels short of the sign it draws.
    c.push_back(title(0, "س =", {10200, 3240, 750, 495}));
    c.push_back(title(1, "ص =", {9900, 4080, 1050, 495}));
    c.push_back(title(3, "س", {10440, 4860, 510, 495}));
    c.push_back(title(4, "ص =", {9540, 4920, 810, 495}));
    c.push_back(title(5, "س", {10440, 5760, 510, 495}));
    c.push_back(title(6, "ص =", {9480, 5880, 870, 495}));

    const DrillData& drill = frmGroupsDrill();
    int tab = 0;
    for (int r = 0; r < 4; ++r) {
        const RowPlace& place = kRows[r];
        const DrillRow& row = drill.rows[r];
        c.push_back({.kind = Kind::Label,
                     .name = "Label4",
                     .index = r,
                     .at = {4140, place.checkTop, 615, 615},
                     .caption = "0",
                     .font = FontSpec{"Arial", 21.75},
                     .fore = kYellow,
                     .back = kDesktop,
                     .align = Align::Center,
                     .opaque = true,
                     .wordWrap = false,
                     .borderStyle = 1});
        addEntryRow(c, {.boxes = row.boxes,
                        .first = row.first,
                        .lefts = evenlySpaced(place.box0Left, place.count),
                        .top = place.boxTop,
                        .separatorBase = row.separatorBase,
                        .separatorPoints = place.separatorPoints,
                        .commaTooltip = kCommaTooltip,
                        .tabIndex = tab,
                        .spoken = kBoxNames[r]});
        tab += place.count;
        c.push_back({.kind = Kind::Button,
                     .name = "Cmd1",
                     .index = row.checkButton,
                     .at = {3480, place.checkTop, 555, 495},
                     .caption = kRowNumbers[r],
                     .font = kButtonFont,
                     .back = kButtonGrey,
                     .tabIndex = tab++});
        c.push_back({.kind = Kind::Button,
                     .name = "Cmd1",
                     .index = row.noteButton,
                     .at = {10980, place.buttonTop, 555, 495},
                     .caption = kRowNumbers[r],
                     .font = kButtonFont,
                     .back = kButtonGrey,
                     .tabIndex = 37 + r});
    }
    pressDiagramAndSeparators(c, tab - 1);
    // Where each number lies, as the diagram's regions hold them.
    placeDiagramNumbers(c, {"في س وفي ص", "في س وفي ص", "في س وفي ص", "في ص فقط", "في ص فقط", "في س فقط",
                            "في س فقط", "خارج س وخارج ص"});
    const char* open[] = {"{ ", "{ ", "{  ", "{ "};
    for (int r = 0; r < 4; ++r) {
        const DrillRow& row = drill.rows[r];
        std::vector<int> elements;
        for (const KeyElement& e : row.keyElements)
            elements.push_back(e.number);
        addAnswerKey(c, row.key, row.keyFirst, rosterKey(open[r], " ، ", " }", elements), kRows[r].keyLeft,
                     kRows[r].checkTop, frmGroupsNumbers());
    }
}

std::vector<ControlSpec> controls() {
    std::vector<ControlSpec> c;
    addDiagram(c);
    addInstruction(c);
    addNotes(c);
    addScore(c);
    addRows(c);
    lessons::addExitCorner(
        c,
        {.exit = {240, 7200, 1635, 855},
         .exitBack = 0xC0FFC0,
         .tabIndex = 41,
         .frameBorder = 0x80FF80,
         .frameBorderWidth = 3,
         .frameFill = kDark,
         .credit = {.name = "Label30", .at = {480, 6660, 4455, 420}, .font = kCreditFont, .fore = 0x0000FF},
         .contact = {.name = "Label31",
                     .at = {8220, 6960, 3600, 420},
                     .font = FontSpec{"Traditional Arabic", 12, true},
                     .fore = 0x0000FF}});
    return c;
}

} // namespace

const std::vector<NumberSpot>& frmGroupsNumbers() {
    static const std::vector<NumberSpot> numbers{
        {"1", kOrange, 8820, 660},      {"6", kOrange, 8580, 1200}, {"2", kOrange, 7680, 1080},
        {"3", kYellow, 6720, 480, 495}, {"5", kYellow, 6120, 900},  {"9", kWhite, 10320, 1020, 615},
        {"8", kWhite, 9900, 1380},      {"4", kYellow, 5640, 1740},
    };
    return numbers;
}

const ScreenLayout& frmGroupsLayout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmGroups",
                   .width = 11880,
                   .height = 8490,
                   .lesson = "التقاطع والاتحاد، تمارين 1",
                   .title = kTitleBar,
                   .backColor = 0x102040,
                   .picture = "listing_groups_background",
                   .icon = "listing_groups_icon"},
        .controls = controls(),
    };
    return layout;
}

} // namespace sd
