#include "app/credits.h"
#include "lessons/common/lesson_layout.h"
#include "lessons/listing/frmgroub5.h"
#include "lessons/listing/listing_layout.h"

namespace sd {

using namespace listing;

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kOrange = 0xFF8000; // in both sets, and outside both
constexpr QRgb kYellow = 0xFFFF00; // in ص only
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kDark = 0x404040;
// The scores stand on the desktop's colour, which Qt cannot report: the classic
// desktop blue, as on the first drill.
constexpr QRgb kDesktop = 0x3A6EA5;
constexpr QRgb kButtonGrey = 0x808080;

constexpr FontSpec kLetterFont{"Times New Roman", 21.75, true};
// The titles fit between the opening brace and the note button, as on the first
// drill: the free Naskh face is wider than the classic one.
constexpr FontSpec kTitleFont{"Traditional Arabic", 15.75, true};
constexpr FontSpec kInstructionFont{"Traditional Arabic", 18, true};
constexpr FontSpec kNoteFont{"Arial", 12, true};
constexpr FontSpec kButtonFont{"Arial", 12, true};
constexpr FontSpec kCreditFont{"Traditional Arabic", 14, true};

constexpr const char* kNoteTooltip = "اضغط لترى ملاحظات";
constexpr const char* kCheckTooltip = "اضغط هنا لترى الاجابة";
constexpr const char* kCommaTooltip = "اضغط لتغير النقطة إلى فاصلة أو قوس";

constexpr int kNoteButtonLeft = 11280;
constexpr int kCheckButtonLeft = 3240;
constexpr int kScoreLeft = 4020;
// The answer keys start right of the check buttons' left edge and go left.
constexpr int kKeyLeft = 3000;

// Rows: where box 0 stands (and the others, when they stand higher), the note and
// check buttons and the row score.
struct RowPlace {
    int boxTop;
    int box0Left;
    int box0Top;
    int count;
    double separatorPoints;
    int noteTop;
    int checkTop;
    int scoreTop;
};
constexpr RowPlace kRows[] = {
    {3420, 9240, 3480, 8, 18, 3420, 3360, 3180},
    {4200, 9180, 4200, 8, 20.25, 4260, 4200, 4020},
    {5160, 8880, 5160, 7, 20.25, 5100, 4980, 4860},
    {6060, 8880, 6060, 8, 20.25, 5940, 5940, 5760},
};
constexpr const char* kRowNumbers[] = {"(1)", "(2)", "(3)", "(4)"};
const char* const kBoxNames[] = {"خانة عنصر من س - ص", "خانة عنصر من ص - س", "خانة عنصر من س ∩ ص",
                                 "خانة عنصر من س ∪ ص"};

// The corner icon, the rows' frame (the instruction, the notes frame and the
// diagram's edge stand on it), and the diagram: a rounded rectangle with the
// ellipses of س (orange) and ص (yellow), their letters, stars and numbers, and
// the instruction under it.
void addDiagram(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Image,
                 .name = "Image4",
                 .at = {0, 0, 480, 480},
                 .picture = "listing_groups_icon",
                 .stretch = true});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape3",
                 .at = {60, 2580, 11655, 4635},
                 .back = kBlack,
                 .opaque = true,
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = kWhite,
                 .borderWidth = 3});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape6",
                 .at = {5640, 60, 6075, 2535},
                 .back = kBlack,
                 .opaque = true,
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = kWhite,
                 .borderWidth = 3});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape1",
                 .at = {7140, 660, 3735, 1695},
                 .shape = ShapeKind::Oval,
                 .borderColor = kOrange,
                 .borderWidth = 2});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape2",
                 .at = {5820, 420, 3855, 1815},
                 .shape = ShapeKind::Oval,
                 .borderColor = kYellow,
                 .borderWidth = 2});
    // The letters a little wider than stored, about the same centre: the free serif
    // face's letters are wider than the classic one's. ص stands a little to the
    // right of its stored place, or its tail would run into the diagram's edge.
    for (const auto& [index, letter, left, top] :
         {std::tuple{2, "س", 10320, 420}, std::tuple{7, "ص", 5760, 300}})
        c.push_back({.kind = Kind::Label,
                     .name = "Label1",
                     .index = index,
                     .at = {left - 60, top, 555, 495},
                     .caption = letter,
                     .font = kLetterFont,
                     .fore = kWhite,
                     .align = Align::Center});
    addStars(c,
             {{9600, 1860},
              {10440, 1260},
              {8520, 1620},
              {9000, 1080},
              {7740, 1620},
              {6780, 720},
              {6480, 1380},
              {9000, 60}},
             FontSpec{"MS Sans Serif", 18});
    addDiagramNumbers(c, frmgroub5Numbers());
    c.push_back({.kind = Kind::Label,
                 .name = "Label4",
                 // Widened to the left, where nothing stands: the free Naskh face needs
                 // more room than the classic one for the whole line.
                 .at = {5700, 2580, 5355, 555},
                 .caption = "من الشكل أوجد بطريقة السرد ما يأتي",
                 .font = kInstructionFont,
                 .fore = kWhite,
                 .wordWrap = false});
}

// Notes: the four rules share one frame; the repeat note stands below the rows.
// The frame reaches left to the rows' edge: the definitions of the differences,
// in the free faces, are wider than its classic width.
void addNotes(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape5",
                 .at = {60, 2220, 5175, 675},
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = kYellow,
                 .borderWidth = 5,
                 .fill = Fill::Solid,
                 .fillColor = kDark});
    const Tw rule{150, 2310, 5010, 495};
    c.push_back(noteLabel(3, "س- ص :عناصر تنتمي إلى س ولا تنتمي إلى ص", rule, kNoteFont));
    c.push_back(noteLabel(4, "ص- س :عناصر تنتمي إلى ص ولا تنتمي إلى س", rule, kNoteFont));
    c.push_back(noteLabel(1, "التقاطع هو العناصر المشتركة في س و ص", rule, kNoteFont));
    c.push_back(noteLabel(2, "الاتحاد جميع العناصر في س أو   ص ", rule, kNoteFont));
    // Widened to the left of its stored place, to be read whole.
    c.push_back(noteLabel(0, "يراعى عدم تكرار العنصر في المجموعة", {6000, 6720, 4155, 495}, kNoteFont));
}

// The score: earned over possible, and the hidden counters.
void addScore(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape4",
                 .at = {1740, 600, 1635, 1395},
                 .back = kDesktop,
                 .opaque = true,
                 .borderColor = kWhite,
                 .borderWidth = 2});
    c.push_back({.kind = Kind::Line,
                 .name = "Line1",
                 .at = {3360, 1320, 1740, 1320},
                 .borderColor = kWhite,
                 .borderWidth = 2});
    // Wider than the digits' stored boxes, so that "10" and "7.5" are read whole.
    for (const auto& [index, top] : {std::pair{2, 660}, std::pair{3, 1320}})
        c.push_back({.kind = Kind::Label,
                     .name = "Label5",
                     .index = index,
                     .at = {1800, top, 1515, 630},
                     .caption = "0",
                     .font = FontSpec{"Arial", 27.75, true},
                     .fore = kWhite,
                     .align = Align::Center,
                     .wordWrap = false,
                     .accessibleName = index == 2 ? "المجموع %1" : "من %1",
                     .live = true});
    for (const auto& [index, top] : {std::pair{0, 2880}, std::pair{1, 3600}})
        c.push_back({.kind = Kind::Label,
                     .name = "Label5",
                     .index = index,
                     .at = {240, top, 345, 375},
                     .caption = "0",
                     .visible = false});
}

// The rows: titles, row scores, boxes and check buttons, then "جديد", "مسح" and
// the note buttons; returns the next tab index.
int addRows(std::vector<ControlSpec>& c) {
    c.push_back(rowTitle(0, "س - ص=", {9780, 3360, 1470, 495}, kTitleFont));
    c.push_back(rowTitle(1, "ص- س=", {9720, 4200, 1530, 495}, kTitleFont));
    c.push_back(rowTitle(3, "س", {10665, 5100, 585, 495}, kTitleFont));
    c.push_back(operatorPicture("Image3", "listing_intersection", 10380, 5100));
    c.push_back(rowTitle(4, "ص =", {9420, 5100, 960, 495}, kTitleFont));
    c.push_back(rowTitle(5, "س", {10725, 6000, 525, 495}, kTitleFont));
    c.push_back(operatorPicture("Image2", "listing_union", 10440, 6000));
    c.push_back(rowTitle(6, "ص =", {9420, 6000, 1020, 495}, kTitleFont));

    const DrillData& drill = frmgroub5Drill();
    int tab = 0;
    for (int r = 0; r < 4; ++r) {
        const RowPlace& place = kRows[r];
        const DrillRow& row = drill.rows[r];
        c.push_back({.kind = Kind::Label,
                     .name = "Label14",
                     .index = r,
                     .at = {kScoreLeft, place.scoreTop, 615, 615},
                     .caption = "0",
                     .font = FontSpec{"Arial", 21.75},
                     .fore = kYellow,
                     .back = kDesktop,
                     .align = Align::Center,
                     .opaque = true,
                     .wordWrap = false,
                     .borderStyle = 1});
        std::vector<int> tops(1, place.box0Top); // box 0 may stand lower than the rest
        addEntryRow(c, {.boxes = row.boxes,
                        .first = row.first,
                        .lefts = evenlySpaced(place.box0Left, place.count),
                        .top = place.boxTop,
                        .tops = tops,
                        .separatorBase = row.separatorBase,
                        .separatorPoints = place.separatorPoints,
                        .commaTooltip = kCommaTooltip,
                        .tabIndex = tab,
                        .spoken = kBoxNames[r]});
        tab += place.count;
        c.push_back({.kind = Kind::Button,
                     .name = "Cmd1",
                     .index = row.checkButton,
                     .at = {kCheckButtonLeft, place.checkTop, 555, 495},
                     .caption = kRowNumbers[r],
                     .font = kButtonFont,
                     .back = 0xC0C0C0,
                     .tooltip = kCheckTooltip,
                     .tabIndex = tab++});
    }
    pressDiagramAndSeparators(c, tab - 1);
    // Where each number lies, as the diagram's regions hold them.
    placeDiagramNumbers(c, {"في س وفي ص", "في س وفي ص", "في س وفي ص", "في ص فقط", "في ص فقط", "في س فقط",
                            "في س فقط", "خارج س وخارج ص"});
    c.push_back({.kind = Kind::Button,
                 .name = "Command1",
                 .at = {11100, 1860, 555, 495},
                 .caption = "جديد",
                 .font = kButtonFont,
                 .back = kButtonGrey,
                 .tabIndex = tab++});
    c.push_back({.kind = Kind::Button,
                 .name = "Command2",
                 .at = {960, 1500, 675, 495},
                 .caption = "مسح",
                 .font = kButtonFont,
                 .back = kButtonGrey,
                 .tabIndex = tab++});
    for (int r = 0; r < 4; ++r)
        c.push_back({.kind = Kind::Button,
                     .name = "Cmd1",
                     .index = drill.rows[r].noteButton,
                     .at = {kNoteButtonLeft, kRows[r].noteTop, 435, 495},
                     .caption = kRowNumbers[r],
                     .font = kButtonFont,
                     .back = kDark,
                     .tooltip = kNoteTooltip,
                     .tabIndex = tab++});
    return tab;
}

// Answer keys, elements as the drill's table copies them; the differences close
// without a blank.
void addAnswerKeys(std::vector<ControlSpec>& c) {
    const char* open[] = {"{ ", "{ ", "{  ", "{ "};
    const char* close[] = {"}", "}", " }", " }"};
    const DrillData& drill = frmgroub5Drill();
    for (int r = 0; r < 4; ++r) {
        const DrillRow& row = drill.rows[r];
        std::vector<int> elements;
        for (const KeyElement& e : row.keyElements)
            elements.push_back(e.number);
        addAnswerKey(c, row.key, row.keyFirst, rosterKey(open[r], " ، ", close[r], elements), kKeyLeft,
                     kRows[r].checkTop, frmgroub5Numbers());
    }
}

std::vector<ControlSpec> controls() {
    std::vector<ControlSpec> c;
    addDiagram(c);
    addNotes(c);
    addScore(c);
    const int exitTab = addRows(c);
    addAnswerKeys(c);
    lessons::addExitCorner(
        c,
        {.exit = {180, 7380, 1635, 855},
         .exitBack = 0xFFC0C0,
         .tabIndex = exitTab,
         .frameBorder = 0xFF8080,
         .frameBorderWidth = 3,
         .frameFill = kDark,
         .credit = {.name = "Label30", .at = {2040, 7320, 4455, 420}, .font = kCreditFont, .fore = 0x0000FF},
         .contact = {.name = "Label5",
                     .index = 4,
                     .at = {6780, 7260, 3600, 420},
                     .font = FontSpec{"Traditional Arabic", 12, true},
                     .fore = 0x0000FF}});
    return c;
}

} // namespace

const std::vector<NumberSpot>& frmgroub5Numbers() {
    static const std::vector<NumberSpot> numbers{
        {"1", kOrange, 8580, 840},      {"6", kOrange, 8160, 1320}, {"2", kOrange, 7440, 1260},
        {"3", kYellow, 6840, 600, 495}, {"5", kYellow, 6540, 1200}, {"9", kWhite, 10020, 1020, 615},
        {"8", kWhite, 9660, 1560},      {"0", kOrange, 8940, 120},
    };
    return numbers;
}

const ScreenLayout& frmgroub5Layout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmgroub5",
                   .width = 11880,
                   .height = 8490,
                   .lesson = "الفرق بين مجموعتين",
                   .title = kTitleBar,
                   .backColor = 0x300810,
                   .picture = "listing_difference_background",
                   .icon = "listing_groups_icon"},
        .controls = controls(),
    };
    return layout;
}

} // namespace sd
