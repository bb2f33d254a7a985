#include "app/credits.h"
#include "lessons/common/lesson_layout.h"
#include "lessons/listing/frmgrop2.h"
#include "lessons/listing/listing_layout.h"

namespace sd {

using namespace listing;

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kOrange = 0xFF8000;      // in س only
constexpr QRgb kYellow = 0xFFFF00;      // in ع only
constexpr QRgb kLightOrange = 0xFFC080; // in س and ع
constexpr QRgb kPaleYellow = 0xFFFFC0;  // in ع and ص
constexpr QRgb kDark = 0x404040;
constexpr QRgb kButtonGrey = 0x808080;
constexpr QRgb kBlueButton = 0x8080FF;

constexpr FontSpec kLetterFont{"Times New Roman", 21.75, true};
// The titles fit between the opening brace and the note button, as on the first
// drill: the free Naskh face is wider than the classic one.
constexpr FontSpec kTitleFont{"Traditional Arabic", 15.75, true};
constexpr FontSpec kInstructionFont{"Traditional Arabic", 20.25, true};
// A little smaller than the classic size: the free faces' rules are wider than the
// panel they are read on.
constexpr FontSpec kNoteFont{"MS Sans Serif", 11.25, true};
constexpr FontSpec kButtonFont{"Arial", 12, true};
constexpr FontSpec kCreditFont{"Traditional Arabic", 14, true};

// Every row has its box 0 at the same left; the gaps narrow in the middle of the
// row. Row 6's eighth box stands a little to the right of the others'.
constexpr int kBoxLefts[] = {8940, 8340, 7740, 7140, 6600, 6060, 5460, 4860};
constexpr int kRow6LastBox = 4920;
constexpr int kNoteButtonLeft = 10920;
constexpr int kCheckButtonLeft = 3540;
// The answer keys start right of the check buttons' left edge and go left.
constexpr int kKeyLeft = 3300;

// Each row: the top of its boxes, buttons, title and key, and its number.
struct RowPlace {
    int top;
    const char* rowNumber;
    const char* boxNames; // what a screen reader calls the row's boxes
};
constexpr RowPlace kRows[] = {{3360, "(1)", "خانة عنصر من س ∩ ع"}, {3960, "(2)", "خانة عنصر من س ∪ ع"},
                              {4560, "(3)", "خانة عنصر من ع ∩ ص"}, {5160, "(4)", "خانة عنصر من ع ∪ ص"},
                              {5820, "(5)", "خانة عنصر من س ∩ ص"}, {6420, "(6)", "خانة عنصر من س ∪ ص"}};

// A title of two letters with an operator picture between them: the first letter
// against the note button, the picture, the second letter and the equals sign.
void addTitle(std::vector<ControlSpec>& c, int first, const char* a, const char* picture,
              const char* pictureName, int second, const char* b, int top) {
    c.push_back(rowTitle(first, a, {10380, top, 510, 495}, kTitleFont));
    c.push_back(operatorPicture(pictureName, picture, 10080, top));
    c.push_back(rowTitle(second, b, {9480, top, 600, 495}, kTitleFont));
}

// The corner icon, and the diagram: three ellipses in a row, ص (white), ع
// (yellow), س (orange), their letters, stars and numbers.
void addDiagram(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Image,
                 .name = "Image8",
                 .at = {0, 0, 480, 480},
                 .picture = "listing_three_sets_icon",
                 .stretch = true});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape4",
                 .at = {5880, 660, 2295, 1875},
                 .shape = ShapeKind::Oval,
                 .borderColor = kWhite,
                 .borderWidth = 3});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape2",
                 .at = {6900, 720, 3135, 1635},
                 .shape = ShapeKind::Oval,
                 .borderColor = kYellow,
                 .borderWidth = 2});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape1",
                 .at = {8700, 600, 2055, 1755},
                 .shape = ShapeKind::Oval,
                 .borderColor = kOrange,
                 .borderWidth = 2});
    for (const auto& [index, letter, left, top] :
         {std::tuple{7, "ص", 5640, 480}, std::tuple{8, "ع", 7680, 240}, std::tuple{2, "س", 10620, 480}})
        // A little wider than stored, about the same centre: the free serif face's
        // letters are wider than the classic one's.
        c.push_back({.kind = Kind::Label,
                     .name = "Label1",
                     .index = index,
                     .at = {left - 60, top, 555, 495},
                     .caption = letter,
                     .font = kLetterFont,
                     .fore = kWhite,
                     .align = Align::Center});
    addStars(c,
             {{10080, 1920},
              {10200, 960},
              {8940, 1740},
              {8280, 1200},
              {9180, 1080},
              {7380, 1200},
              {7380, 1740},
              {6420, 1140},
              {6420, 1980}},
             FontSpec{"MS Sans Serif", 18});
    addDiagramNumbers(c, frmgrop2Numbers());
    c.push_back({.kind = Kind::Label,
                 .name = "Label4",
                 // Widened to the left, where nothing stands: the free Naskh face needs
                 // more room than the classic one for the whole line.
                 .at = {5700, 2520, 5715, 555},
                 .caption = "من الشكل أوجد بطريقة السرد ما يأتي",
                 .font = kInstructionFont,
                 .fore = kWhite,
                 .wordWrap = false});
}

// The notes, on a picture panel: the two rules and, below them, the repeat note.
void addNotes(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Image,
                 .name = "Image2",
                 .at = {480, 660, 4200, 1830},
                 .picture = "listing_notes_waves",
                 .stretch = true});
    // Each note spans the panel's inside, so that it is read whole.
    c.push_back(noteLabel(2, "الاتحاد جميع العناصر في س أو   ص ", {510, 900, 4140, 495}, kNoteFont));
    c.push_back(noteLabel(1, "التقاطع هو العناصر المشتركة في س و ص", {510, 1440, 4140, 495}, kNoteFont));
    c.push_back(noteLabel(0, "يراعى عدم تكرار العنصر في المجموعة", {510, 1920, 4140, 495}, kNoteFont));
}

// The row titles: a frame round the rows, then each row's title on the right.
void addTitles(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape3",
                 .at = {4440, 3180, 7095, 4035},
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = kWhite,
                 .borderWidth = 3});
    addTitle(c, 0, "س", "listing_intersection", "Image7", 9, "ع=", kRows[0].top);
    // Row 2's title is one label; the union picture stands in the blanks between its
    // letters, a little narrower than the others to fit there, and behind them, so
    // that its black ground never hides a letter's edge.
    c.push_back(operatorPicture("Image6", "listing_union", 10320, kRows[1].top, 240));
    c.push_back(rowTitle(1, "س   ع=", {9480, kRows[1].top, 1410, 495}, kTitleFont));
    addTitle(c, 3, "ع", "listing_intersection", "Image3", 4, "ص=", kRows[2].top);
    addTitle(c, 5, "ع", "listing_union", "Image4", 6, "ص=", kRows[3].top);
    addTitle(c, 10, "س", "listing_intersection", "Image5", 11, "ص=", kRows[4].top);
    addTitle(c, 12, "س", "listing_union", "Image1", 13, "ص=", kRows[5].top);
}

// The rows' boxes and check buttons, "جديد", then the note buttons; returns the
// next tab index.
int addRows(std::vector<ControlSpec>& c) {
    const DrillData& drill = frmgrop2Drill();
    int tab = 0;
    for (int r = 0; r < 6; ++r) {
        const DrillRow& row = drill.rows[r];
        std::vector<int> lefts(std::begin(kBoxLefts), std::begin(kBoxLefts) + row.count);
        if (r == 5)
            lefts.back() = kRow6LastBox;
        addEntryRow(c, {.boxes = row.boxes,
                        .first = row.first,
                        .lefts = lefts,
                        .top = kRows[r].top,
                        .separatorBase = row.separatorBase,
                        .separatorPoints = r == 0 ? 18 : 20.25,
                        .tabIndex = tab,
                        .spoken = kRows[r].boxNames});
        tab += row.count;
        c.push_back({.kind = Kind::Button,
                     .name = "Cmd1",
                     .index = row.checkButton,
                     .at = {kCheckButtonLeft, kRows[r].top, 555, 495},
                     .caption = kRows[r].rowNumber,
                     .font = kButtonFont,
                     .back = kBlueButton,
                     .tabIndex = tab++});
    }
    pressDiagramAndSeparators(c, tab - 1);
    // Where each number lies, as the diagram's regions hold them.
    placeDiagramNumbers(c, {"في ع فقط", "في س وفي ع", "في س وفي ع", "في ع وفي ص", "في ع وفي ص", "في س فقط",
                            "في س فقط", "في ص فقط", "في ص فقط"});
    c.push_back({.kind = Kind::Button,
                 .name = "Command1",
                 .at = {10920, 2040, 555, 495},
                 .caption = "جديد",
                 .font = kButtonFont,
                 .back = kBlueButton,
                 .tabIndex = tab++});
    for (int r = 0; r < 6; ++r)
        c.push_back({.kind = Kind::Button,
                     .name = "Cmd1",
                     .index = drill.rows[r].noteButton,
                     .at = {kNoteButtonLeft, kRows[r].top, 555, 495},
                     .caption = kRows[r].rowNumber,
                     .font = kButtonFont,
                     .back = kButtonGrey,
                     .tabIndex = tab++});
    return tab;
}

// Answer keys, elements as the drill's table copies them. Rows 2 and 6 write
// one comma without blanks and close without one; row 5 is the empty set.
void addAnswerKeys(std::vector<ControlSpec>& c) {
    const struct {
        const char* open;
        const char* close;
        std::vector<KeySign> signs;
    } keySigns[] = {{"{ ", " }", {}}, {"{ ", "}", {{10, "،"}}}, {"{  ", " }", {}},
                    {"{ ", " }", {}}, {"{  ", "}", {}},         {"{ ", "}", {{14, "،"}}}};
    const DrillData& drill = frmgrop2Drill();
    for (int r = 0; r < 6; ++r) {
        const DrillRow& row = drill.rows[r];
        std::vector<int> elements;
        for (const KeyElement& e : row.keyElements)
            elements.push_back(e.number);
        addAnswerKey(c, row.key, row.keyFirst,
                     rosterKey(keySigns[r].open, " ، ", keySigns[r].close, elements, keySigns[r].signs),
                     kKeyLeft, kRows[r].top, frmgrop2Numbers());
    }
}

std::vector<ControlSpec> controls() {
    std::vector<ControlSpec> c;
    addDiagram(c);
    addNotes(c);
    addTitles(c);
    const int exitTab = addRows(c);
    addAnswerKeys(c);
    lessons::addExitCorner(
        c,
        {.exit = {180, 7500, 1635, 855},
         .exitBack = 0xC0C0FF,
         .tabIndex = exitTab,
         .frameBorder = kBlueButton,
         .frameBorderWidth = 3,
         .frameFill = kDark,
         .credit = {.name = "Label30", .at = {4140, 7560, 4455, 420}, .font = kCreditFont, .fore = 0x0000FF},
         .contact = {.name = "Label5",
                     .at = {7860, 7620, 3600, 420},
                     .font = FontSpec{"Traditional Arabic", 12, true},
                     .fore = 0x0000FF}});
    return c;
}

} // namespace

const std::vector<NumberSpot>& frmgrop2Numbers() {
    static const std::vector<NumberSpot> numbers{
        {"1", kYellow, 8160, 900},          {"6", kLightOrange, 8820, 1440}, {"2", kLightOrange, 9180, 1020},
        {"3", kPaleYellow, 7380, 960, 495}, {"5", kPaleYellow, 7380, 1500},  {"7", kOrange, 9780, 780, 615},
        {"8", kOrange, 10020, 1500},        {"9", kWhite, 6060, 1560, 495},  {"4", kWhite, 6420, 840, 495},
    };
    return numbers;
}

const ScreenLayout& frmgrop2Layout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmgrop2",
                   .width = 11880,
                   .height = 8490,
                   .lesson = "التقاطع والاتحاد، تمارين 2",
                   .title = kTitleBar,
                   .backColor = 0x181848,
                   .picture = "listing_three_sets_background",
                   .icon = "listing_three_sets_icon"},
        .controls = controls(),
    };
    return layout;
}

} // namespace sd
