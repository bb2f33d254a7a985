#include "app/credits.h"
#include "lessons/common/lesson_layout.h"
#include "lessons/common/rewards.h"
#include "lessons/venn/frmvan.h"

namespace sd {

namespace {

constexpr QRgb kWindowBack = 0x400040;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kYellow = 0xFFFF00;
constexpr QRgb kLightYellow = 0xFFFF80;

constexpr FontSpec kHeadFont{"MS Sans Serif", 18, true};
// The free face runs wider: the heads take a smaller size to stay inside their labels.
constexpr FontSpec kSetHeadFont{"MS Sans Serif", 15.75, true};
constexpr FontSpec kNewFont{"MS Sans Serif", 13.5, true};
constexpr FontSpec kSetFont{"Arial", 26.25, true};
constexpr FontSpec kBoxFont{"Arial", 24, true};
constexpr FontSpec kCaptionFont{"Arial", 36, true};

// The boxes stand in the tab order from here, in index order.
constexpr int kFirstBoxTab = 8;
constexpr FontSpec kScoreFont{"Arial", 27.75, false};
constexpr FontSpec kCreditFont{"Traditional Arabic", 14.25, true};
constexpr const char* kContact = "للملاحظات: معلم الرياضيات";

constexpr const char* kOptionPointer = "pointer_dart";

ControlSpec label(const char* name, int index, Tw at, const char* caption, FontSpec font, QRgb fore,
                  Align align = Align::Start, bool visible = true) {
    return {.kind = Kind::Label,
            .name = name,
            .index = index,
            .at = at,
            .caption = caption,
            .font = font,
            .fore = fore,
            .align = align,
            .wordWrap = false,
            .visible = visible};
}

ControlSpec line(const char* name, int index, Tw ends, QRgb color, int width,
                 const char* container = nullptr) {
    return {.kind = Kind::Line,
            .name = name,
            .index = index,
            .at = ends,
            .borderColor = color,
            .borderWidth = width,
            .container = container};
}

// A set row: braces at the ends, slots at the odd indexes, commas between.
struct SetPart {
    int left;
    int top;
    int width;
    const char* caption;
};

void addSet(std::vector<ControlSpec>& c, const char* name, std::initializer_list<SetPart> parts) {
    int index = 0;
    for (const SetPart& p : parts)
        c.push_back(
            label(name, index++, {p.left, p.top, p.width, 615}, p.caption, kSetFont, kWhite, Align::Center));
}

// The choice frame's contents, placed from the frame's top-left corner.
void addChoiceFrame(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Frame,
                 .name = "Frame1",
                 .at = {8580, 2040, 3135, 5115},
                 .caption = "اختر شكل فن المناسب",
                 .font = FontSpec{"Arial", 12, true},
                 .fore = kWhite,
                 .back = kWindowBack});
    const struct {
        Tw icon[2];
        int widths[2];
        QRgb color;
    } icons[] = {
        {{{660, 480, 1035, 555}, {120, 480, 1095, 555}}, {2, 2}, kWhite},
        {{{1020, 1440, 855, 555}, {120, 1260, 795, 735}}, {2, 2}, kYellow},
        {{{180, 2280, 1575, 915}, {420, 2520, 855, 555}}, {2, 2}, kYellow},
        {{{300, 3480, 1335, 555}, {300, 3480, 1335, 555}}, {2, 4}, kYellow},
    };
    int index = 0;
    for (const auto& icon : icons)
        for (int k = 0; k < 2; ++k)
            c.push_back({.kind = Kind::Shape,
                         .name = "Shape1",
                         .index = index++,
                         .at = icon.icon[k],
                         .shape = ShapeKind::Oval,
                         .borderColor = icon.color,
                         .borderWidth = icon.widths[k],
                         .container = "Frame1"});
    for (int k = 0; k < 3; ++k) {
        const int y = k == 0 ? 3300 : k == 1 ? 2220 : 1200;
        c.push_back(line("Line1", k, {60, y, 2940, y}, 0xFFC080, 1, "Frame1"));
    }
    // The options have no caption: screen readers say which diagram each chooses.
    const struct {
        const char* name;
        Tw at;
        const char* spoken;
    } options[] = {
        {"Option1", {1860, 360, 1095, 735}, "شكل فن لمجموعتين متقاطعتين"},
        {"Option2", {1920, 1260, 1035, 915}, "شكل فن لمجموعتين منفصلتين"},
        {"Option3", {1800, 2280, 1155, 975}, "شكل فن: المجموعة س داخل المجموعة ص"},
        {"Option4", {1800, 3360, 1155, 795}, "شكل فن لمجموعتين متساويتين"},
    };
    int tab = 2;
    for (const auto& o : options)
        c.push_back({.kind = Kind::Option,
                     .name = o.name,
                     .at = o.at,
                     .fore = kWhite, // the focus frame
                     .back = kWindowBack,
                     .pointer = kOptionPointer,
                     .tabIndex = tab++,
                     .container = "Frame1",
                     .accessibleName = o.spoken});
    c.push_back({.kind = Kind::Button,
                 .name = "Command4",
                 .at = {180, 4380, 2595, 615},
                 .caption = "موافق",
                 .font = FontSpec{"Arial", 20.25, true},
                 .back = 0x800080,
                 .tooltip = "اختر احد الخيارات ثم اضغط موافق",
                 .tabIndex = 6,
                 .container = "Frame1"});
}

// The large diagram shapes, drawn over the background with hatch fills.
void addDiagramShapes(std::vector<ControlSpec>& c) {
    const struct {
        ShapeKind kind;
        Tw at;
        QRgb border;
        Fill fill;
        QRgb hatch;
    } shapes[] = {
        {ShapeKind::Oval, {3900, 3060, 3675, 2955}, kLightYellow, Fill::Transparent, 0},
        {ShapeKind::Oval, {2100, 3180, 3255, 2475}, kWhite, Fill::UpwardDiagonal, 0x0000FF},
        {ShapeKind::RoundedRectangle, {780, 3060, 2835, 2895}, kWhite, Fill::DownwardDiagonal, 0x00C000},
        {ShapeKind::Oval, {4380, 3360, 1935, 1695}, kWhite, Fill::UpwardDiagonal, 0xFF0000},
        {ShapeKind::Oval, {3840, 3060, 3675, 2955}, kWhite, Fill::DownwardDiagonal, 0xFFFF00},
    };
    int index = 0;
    for (const auto& s : shapes)
        c.push_back({.kind = Kind::Shape,
                     .name = "Shape2",
                     .index = index++,
                     .at = s.at,
                     .visible = false,
                     .shape = s.kind,
                     .borderColor = s.border,
                     .borderWidth = 3,
                     .fill = s.fill,
                     .fillColor = s.hatch});
    // Taller and wider than the classic labels: the free face's letters have
    // longer tails and ص a wider loop.
    // Each letter keeps to the left of its label, over the left end of its set.
    c.push_back(label("Label6", -1, {3240, 2400, 1275, 960}, "س", kCaptionFont, kWhite, Align::Left, false));
    c.push_back(label("Label7", -1, {6300, 2460, 1275, 960}, "ص", kCaptionFont, kWhite, Align::Left, false));
}

ControlSpec entryBox(int index, int left, int top, QRgb back, int tabIndex, const char* spoken) {
    return {.kind = Kind::TextBox,
            .name = "Text1",
            .index = index,
            .at = {left, top, 495, 555},
            .font = kBoxFont,
            .fore = kWhite,
            .back = back,
            .align = Align::Center,
            .visible = false,
            .maxLength = 2,
            .tabIndex = tabIndex,
            .accessibleName = spoken};
}

void addEntryBoxes(std::vector<ControlSpec>& c) {
    constexpr std::pair<int, int> kPlaces[venn::kBoxes] = {
        {6360, 3420}, {6600, 4080}, {6120, 4920}, {5220, 5220}, {4140, 4800}, {4560, 3660},
        {4680, 4260}, {5340, 3540}, {5460, 4260}, {2400, 3840}, {2940, 4680}, {3000, 3420},
        {2400, 4500}, {1500, 3240}, {1080, 3900}, {1020, 4680}, {1740, 5220},
    };
    for (int i = 0; i < venn::kBoxes; ++i)
        c.push_back(entryBox(i, kPlaces[i].first, kPlaces[i].second, frmvan::kHighlight, kFirstBoxTab + i,
                             "خانة عنصر في الشكل"));
    // The two colours a box can stand in before it is judged.
    c.push_back(entryBox(17, 0, 0, frmvan::kHighlight, -1, "لون الخانة المختارة"));
    c.back().storage = true;
    c.push_back(entryBox(18, 0, 0, frmvan::kNormal, -1, "لون الخانة"));
    c.back().storage = true;
}

// The score box: the score over its denominator, with the hidden fields beside.
void addScore(std::vector<ControlSpec>& c) {
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape4",
                 .at = {300, 300, 1635, 1395},
                 .back = 0x004040,
                 .opaque = true,
                 .borderColor = kWindowBack,
                 .borderWidth = 2});
    // The shown fields span the box, so that a half ("3.5") is seen whole.
    c.push_back(label("Label5", 1, {360, 360, 1515, 630}, "0", kScoreFont, kWhite, Align::Center, false));
    // The score over its denominator, each said as a check leaves it.
    c.push_back(label("Label5", 2, {360, 360, 1515, 630}, "0", kScoreFont, kWhite, Align::Center));
    c.back().accessibleName = "الدرجة %1";
    c.back().live = true;
    c.push_back(label("Label5", 3, {360, 1020, 1515, 630}, "0", kScoreFont, kWhite, Align::Center));
    c.back().accessibleName = "من %1";
    c.back().live = true;
    c.push_back(label("Label5", 4, {360, 1020, 1515, 630}, "1", kScoreFont, kWhite, Align::Center, false));
    c.push_back(line("Line1", 3, {1920, 1020, 300, 1020}, kWindowBack, 2));
    c.push_back({.kind = Kind::Button,
                 .name = "Command3",
                 .at = {300, 1680, 1635, 555},
                 .caption = "تقويم",
                 .font = kNewFont,
                 .back = 0x808080,
                 .enabled = false,
                 .tabIndex = 25});
}

// The reward stars: a row under the separator, a loose group between the score
// box and the sets, a heap at the bottom growing from its base. Reveal order is
// index order; 21, 22, 29 and 81 are suns.

constexpr lessons::RewardSpot kRewards[] = {
    // the row (the first stars spread over it)
    {0, 4440, 2280},
    {1, 7680, 2280},
    {2, 8280, 2280},
    {3, 2340, 2280},
    {4, 6240, 2280},
    {5, 1140, 2280},
    {6, 5340, 2280},
    {7, 3240, 2280},
    {8, 7980, 2280},
    {9, 1740, 2280},
    {10, 4740, 2280},
    {11, 6840, 2280},
    {12, 2940, 2280},
    {13, 5940, 2280},
    {14, 3840, 2280},
    {15, 1440, 2280},
    {27, 7140, 2280},
    {34, 2040, 2280},
    {35, 5040, 2280},
    {36, 6540, 2280},
    {37, 2640, 2280},
    {38, 4140, 2280},
    {39, 5640, 2280},
    {46, 3540, 2280},
    // the loose group
    {16, 2040, 420},
    {17, 3000, 420},
    {18, 4560, 480},
    {19, 2100, 900},
    {20, 4020, 420},
    {21, 3480, 540},
    {22, 4440, 1140},
    {23, 2940, 960},
    {24, 5040, 420},
    {25, 3480, 1200},
    {26, 2040, 1620},
    {28, 4020, 1080},
    {29, 2400, 1260},
    {30, 3000, 1620},
    {31, 5040, 1620},
    {32, 4020, 1680},
    {33, 5520, 1560},
    {41, 2520, 480},
    // the heap, bottom row first
    {40, 3900, 7860},
    {42, 4240, 7860},
    {43, 4580, 7860},
    {44, 4920, 7860},
    {45, 5260, 7860},
    {47, 5600, 7860},
    {48, 5940, 7860},
    {49, 4070, 7560},
    {50, 4410, 7560},
    {51, 4750, 7560},
    {52, 5090, 7560},
    {53, 5430, 7560},
    {54, 5770, 7560},
    {55, 3900, 7260},
    {56, 4240, 7260},
    {57, 4580, 7260},
    {58, 4920, 7260},
    {59, 5260, 7260},
    {60, 5600, 7260},
    {61, 5940, 7260},
    {62, 4070, 6960},
    {63, 4410, 6960},
    {64, 4750, 6960},
    {65, 5090, 6960},
    {66, 5430, 6960},
    {67, 5770, 6960},
    {68, 4240, 6660},
    {69, 4580, 6660},
    {70, 4920, 6660},
    {71, 5260, 6660},
    {72, 5600, 6660},
    {73, 4410, 6360},
    {74, 4750, 6360},
    {75, 5090, 6360},
    {76, 5430, 6360},
    {77, 4580, 6060},
    {78, 4920, 6060},
    {79, 5260, 6060},
    {80, 4920, 5820},
    // outside the sequence, always shown
    {81, 0, -60},
};

std::vector<ControlSpec> controls() {
    std::vector<ControlSpec> c;
    c.push_back(
        label("Label1", -1, {8580, 300, 2115, 555}, "اذا كانت س  =", kSetHeadFont, kWhite, Align::Center));
    c.push_back(
        label("Label2", -1, {8580, 900, 2115, 555}, "اذا كانت ص  =", kSetHeadFont, kWhite, Align::Center));
    for (const auto& [name, top, tab] : {std::tuple{"Command1", 180, 0}, std::tuple{"Command2", 780, 1}})
        c.push_back({.kind = Kind::Button,
                     .name = name,
                     .at = {10800, top, 795, 555},
                     .caption = "جديد",
                     .font = kNewFont,
                     .back = 0x8080FF,
                     .tabIndex = tab,
                     .accessibleName = tab == 0 ? "%1، بجانب س" : "%1، بجانب ص"});
    addSet(c, "Label3",
           {{8325, 180, 225, "{"},
            {7920, 240, 315, "1"},
            {7710, 180, 345, " ،"},
            {7200, 240, 315, "3"},
            {6900, 180, 345, " ،"},
            {6540, 180, 315, "4"},
            {6240, 180, 345, " ،"},
            {5820, 180, 315, "5"},
            {5460, 180, 225, "}"}});
    addSet(c, "Label4",
           {{8325, 840, 225, "{"},
            {7920, 840, 315, "1"},
            {7710, 840, 345, " ،"},
            {7200, 840, 315, "2"},
            {6900, 840, 345, " ،"},
            {6540, 840, 315, "6"},
            {6180, 840, 345, " ،"},
            {5820, 840, 315, "7"},
            {5520, 840, 345, " ،"},
            {5100, 840, 315, "5"},
            {4800, 780, 225, "}"}});
    c.push_back(label("Label5", 0, {6480, 1500, 5175, 435}, "فارسم شكل فن للمجموعات", kHeadFont, kYellow));
    c.push_back(line("Line3", -1, {1980, 2220, 8520, 2220}, 0xFF00FF, 2));
    // Holds the outline colour of the icons not chosen.
    c.push_back({.kind = Kind::Line,
                 .name = "Line2",
                 .at = {8640, 7320, 9600, 7320},
                 .visible = false,
                 .borderColor = kLightYellow});

    addDiagramShapes(c);
    addEntryBoxes(c);
    addChoiceFrame(c);
    addScore(c);
    for (int k = 0; k < venn::kKeyEntries; ++k)
        c.push_back(
            label("lbl1", k, {2700 + 300 * k, 7200, 285, 435}, "", kHeadFont, kWhite, Align::Center, false));
    for (const lessons::RewardSpot& r : kRewards)
        c.push_back(lessons::rewardPicture(r, "venn_star"));

    lessons::addExitCorner(
        c, {.exit = {780, 7140, 1635, 855},
            .exitBack = 0xFF0000,
            .exitPicture = "venn_exit",
            .tabIndex = 26,
            .frameBack = 0x404040,
            .frameBorder = 0xC00000,
            .frameBorderWidth = 5,
            .credit = {.name = "Label30", .at = {5880, 7680, 3195, 555}, .font = kCreditFont, .fore = kWhite},
            .contact = {.name = "Label31",
                        .at = {8580, 7380, 3195, 555},
                        .font = kCreditFont,
                        .fore = kWhite,
                        .caption = kContact}});
    // The elements of the two sets (not their braces and commas) follow the boxes.
    const auto slot = [](int index) { return index % 2 == 1; };
    markPressable(c, "Label3", kFirstBoxTab + venn::kBoxes - 1, "العنصر %1 من س", slot);
    markPressable(c, "Label4", kFirstBoxTab + venn::kBoxes - 1, "العنصر %1 من ص", slot);
    return c;
}

} // namespace

const ScreenLayout& frmvanLayout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmvan",
                   .width = 11880,
                   .height = 8490,
                   .lesson = "شكل فن",
                   .title = kTitleBar,
                   .start = StartPosition::WindowsDefault,
                   .backColor = kWindowBack,
                   .picture = "venn_background",
                   .icon = "venn_icon",
                   // The boxes a clicked element goes into.
                   .currentBox = {.by = CurrentBoxMark::By::BackColor, .color = frmvan::kHighlight}},
        .controls = controls(),
    };
    return layout;
}

} // namespace sd
