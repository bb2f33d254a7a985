#include "app/credits.h"
#include "lessons/common/lesson_layout.h"
#include "lessons/common/rewards.h"
#include "lessons/membership/frmgroub4.h"

#include <utility>

namespace sd {

namespace {

constexpr FontSpec kStatementFont{"Arial", 20.25, true};
constexpr FontSpec kActionFont{"Arial", 11.25, true};
constexpr FontSpec kExitFont{"Arial", 14.25, true};
constexpr FontSpec kScoreFont{"Arabic Transparent", 36, false};
constexpr FontSpec kCreditFont{"Traditional Arabic", 15.75, true};
constexpr FontSpec kContactFont{"Traditional Arabic", 15.75};
// The credit and contact lines, short enough for their labels.
constexpr const char* kContact = "للملاحظات: معلم الرياضيات";

constexpr QRgb kPaletteBack = 0xC0C0FF;
constexpr QRgb kActionBack = 0x808080;

constexpr const char* kCaptions[membership::kRows] = {"1", "2", "3", "4", "5"};

// Where each row stands in the stored layout, top to bottom: row k's caption is "k".
constexpr int kStoredTop[membership::kRows] = {1620, 2460, 3240, 4020, 4800};

// One part of a statement: which label, where it stands across, and its text.
struct Part {
    int index;
    int left;
    int width;
    const char* caption;
};

// The right-hand set {R1، R2، R3}: opening brace at the right end, closing at the left.
// The number labels span the room between the punctuation, their text centred.
constexpr std::pair<int, int> kOpenBrace{5640, 180};
constexpr std::pair<int, int> kR1{5100, 540};
constexpr std::pair<int, int> kComma1{4920, 180};
constexpr std::pair<int, int> kR2{4200, 720};
constexpr std::pair<int, int> kComma2{4020, 180};
constexpr std::pair<int, int> kR3{3240, 780};
constexpr std::pair<int, int> kCloseBrace{3060, 180};

std::vector<Part> rightSet(int open, int r1, int c1, int r2, int c2, int r3, int close, const char* n1,
                           const char* n2, const char* n3) {
    return {{open, kOpenBrace.first, kOpenBrace.second, "{"},   {r1, kR1.first, kR1.second, n1},
            {c1, kComma1.first, kComma1.second, "،"},           {r2, kR2.first, kR2.second, n2},
            {c2, kComma2.first, kComma2.second, "،"},           {r3, kR3.first, kR3.second, n3},
            {close, kCloseBrace.first, kCloseBrace.second, "}"}};
}

// {A} ☐ {R1، R2، R3}, labels 0 to 9.
std::vector<Part> bracedElement(const char* a, const char* n1, const char* n2, const char* n3) {
    std::vector<Part> parts{{1, 7960, 180, "{"}, {0, 7370, 520, a}, {2, 7120, 180, "}"}};
    for (const Part& p : rightSet(3, 4, 5, 6, 7, 8, 9, n1, n2, n3))
        parts.push_back(p);
    return parts;
}

// A ☐ {R1، R2، R3}, labels 0 to 7.
std::vector<Part> bareElement(const char* a, const char* n1, const char* n2, const char* n3) {
    std::vector<Part> parts{{0, 6960, 1340, a}};
    for (const Part& p : rightSet(1, 2, 3, 4, 5, 6, 7, n1, n2, n3))
        parts.push_back(p);
    return parts;
}

// {A، B} ☐ {R1، R2، R3}, labels 0 to 11.
std::vector<Part> pairSet(const char* a, const char* b, const char* n1, const char* n2, const char* n3) {
    std::vector<Part> parts{
        {3, 8120, 180, "{"}, {0, 7700, 440, a}, {1, 7540, 180, "،"}, {2, 7170, 360, b}, {4, 6960, 180, "}"}};
    for (const Part& p : rightSet(5, 6, 7, 8, 9, 10, 11, n1, n2, n3))
        parts.push_back(p);
    return parts;
}

// A statement's labels and its row button, blank frame, blank and model image, at
// the row's stored top. The statement is stored hidden; the load shows it.
void addRow(std::vector<ControlSpec>& out, int row, const std::vector<Part>& parts) {
    const MembershipRow& r = membershipRows()[row - 1];
    const int top = kStoredTop[row - 1];
    for (const Part& p : parts)
        out.push_back({.kind = Kind::Label,
                       .name = r.labels,
                       .index = p.index,
                       .at = {p.left, top, p.width, 495},
                       .caption = p.caption,
                       .font = kStatementFont,
                       .fore = 0xFFFFFF,
                       .align = Align::Center,
                       .wordWrap = false,
                       .visible = false});
    out.push_back({.kind = Kind::Button,
                   .name = r.button,
                   .at = {8340, top, 315, 375},
                   .caption = kCaptions[row - 1],
                   .font = FontSpec{"Arial", 12, true},
                   .back = kPaletteBack,
                   .visible = false,
                   .appearance = row == 1 ? 1 : 0,
                   .tabIndex = row - 1});
    // Grey, not black, so that an empty blank shows on the black panel.
    out.push_back({.kind = Kind::Image,
                   .name = r.blank,
                   .at = {6000, top, 615, 495},
                   .visible = false,
                   .borderStyle = 1,
                   .stretch = true,
                   .borderColor = 0x808080});
    out.push_back({.kind = Kind::Image,
                   .name = r.model,
                   .at = {2160, top, 600, 465},
                   .visible = false,
                   .stretch = true});
}

ControlSpec paletteButton(const char* name, int left, const char* picture, const char* tooltip,
                          int tabIndex) {
    return {.kind = Kind::Button,
            .name = name,
            .at = {left, 600, 615, 615},
            .back = kPaletteBack,
            .picture = picture,
            .tooltip = tooltip,
            .tabIndex = tabIndex};
}

ControlSpec actionFrame(const char* name, int top) {
    return {.kind = Kind::Shape,
            .name = name,
            .at = {5580, top - 60, 1635, 675},
            .back = 0x404040,
            .opaque = true,
            .shape = ShapeKind::RoundedRectangle,
            .borderColor = 0xFFFFFF,
            .borderWidth = 5};
}

ControlSpec actionButton(const char* name, int top, const char* caption, int tabIndex) {
    return {.kind = Kind::Button,
            .name = name,
            .at = {5640, top, 1515, 555},
            .caption = caption,
            .font = kActionFont,
            .back = kActionBack,
            .visible = false, // shown by the load
            .tabIndex = tabIndex};
}

// The reward field: left and top of each picture, filled from the top right in
// reading order, clear of the instruction's end. 1, 2 and 3 lie beyond the right
// edge of the window; 21, 22, 29 and 81 are suns, the rest stars.

constexpr lessons::RewardSpot kRewards[] = {
    {0, 10428, 120},   {1, 16560, 1200},  {2, 16860, 1200},  {3, 17160, 1200},  {4, 9912, 120},
    {5, 10428, 518},   {6, 9912, 518},    {7, 9396, 518},    {8, 8880, 518},    {9, 11460, 915},
    {10, 10944, 915},  {11, 10428, 915},  {12, 9912, 915},   {13, 9396, 915},   {14, 8880, 915},
    {15, 11460, 1312}, {16, 10944, 1312}, {17, 10428, 1312}, {18, 9912, 1312},  {19, 9396, 1312},
    {20, 8880, 1312},  {21, 11082, 1781}, {22, 10050, 1781}, {23, 9396, 1710},  {24, 8880, 1710},
    {25, 9396, 2108},  {26, 8880, 2108},  {27, 11460, 2505}, {28, 10944, 2505}, {29, 10050, 2576},
    {30, 9396, 2505},  {31, 8880, 2505},  {32, 11460, 2902}, {33, 10944, 2902}, {34, 9396, 2902},
    {35, 8880, 2902},  {36, 11460, 3300}, {37, 10944, 3300}, {38, 10428, 3300}, {39, 9912, 3300},
    {40, 9396, 3300},  {41, 8880, 3300},  {42, 11460, 3698}, {43, 10944, 3698}, {44, 10428, 3698},
    {45, 9912, 3698},  {46, 9396, 3698},  {47, 8880, 3698},  {48, 11460, 4095}, {49, 10944, 4095},
    {50, 10428, 4095}, {51, 9912, 4095},  {52, 9396, 4095},  {53, 8880, 4095},  {54, 11460, 4492},
    {55, 10944, 4492}, {56, 10428, 4492}, {57, 9912, 4492},  {58, 9396, 4492},  {59, 8880, 4492},
    {60, 11460, 4890}, {61, 10944, 4890}, {62, 10428, 4890}, {63, 9912, 4890},  {64, 9396, 4890},
    {65, 8880, 4890},  {66, 11460, 5288}, {67, 10944, 5288}, {68, 10428, 5288}, {69, 9912, 5288},
    {70, 9396, 5288},  {71, 8880, 5288},  {72, 11460, 5685}, {73, 10944, 5685}, {74, 10428, 5685},
    {75, 9912, 5685},  {76, 9396, 5685},  {77, 8880, 5685},  {78, 11460, 6082}, {79, 10944, 6082},
    {80, 10428, 6082}, {81, 11082, 191},  {82, 9912, 6082},
};

std::vector<ControlSpec> controls() {
    std::vector<ControlSpec> c;
    c.push_back({.kind = Kind::Label,
                 .name = "Label1",
                 .at = {1020, 60, 8475, 495},
                 .caption = "ضع في الفراغات الرمز المناسب من الرموز ",
                 .font = kStatementFont,
                 .fore = 0x0000FF,
                 .wordWrap = false});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape1",
                 .at = {1680, 1260, 7095, 4215},
                 .back = 0x000000,
                 .opaque = true,
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = 0x808080,
                 .borderWidth = 5});
    c.push_back(paletteButton("Command10", 6840, "membership_in", "ينتمي إلى", 5));
    c.push_back(paletteButton("Command11", 6000, "membership_notin", "لا ينتمي إلى", 6));
    c.push_back(paletteButton("Command15", 5160, "membership_subset", "مجموعة جزئية من", 7));
    c.push_back(paletteButton("Command14", 4320, "membership_notsubset", "ليست مجموعة جزئية من", 8));
    // The source of the empty value: it shows no picture and is never shown.
    c.push_back({.kind = Kind::Button,
                 .name = "Command16",
                 .at = {3480, 600, 615, 615},
                 .back = kPaletteBack,
                 .visible = false,
                 .accessibleName = "رمز فارغ"});

    addRow(c, 1, bracedElement("2", "3", "1", "2"));
    addRow(c, 2, bracedElement("4", "7", "4", "3"));
    addRow(c, 3, bareElement("5", "4", "1", "5"));
    addRow(c, 4, pairSet("5", "3", "5", "6", "7"));
    addRow(c, 5, bareElement("6", "4", "6", "7"));

    // The selection frame stands around the selected row's blank.
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape6",
                 .at = {5880, kStoredTop[0], 855, 540},
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = 0xFFFF00,
                 .borderWidth = 5});

    // Score: right answers over judged answers.
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape2",
                 .at = {3180, 5640, 2295, 1815},
                 .back = 0x000080,
                 .opaque = true,
                 .borderColor = 0xFFFFFF,
                 .borderWidth = 3});
    c.push_back({.kind = Kind::Label,
                 .name = "Label7",
                 .at = {4140, 5700, 405, 855},
                 .caption = "0",
                 .font = kScoreFont,
                 .fore = 0xFFFFFF,
                 .align = Align::Center,
                 .wordWrap = false,
                 .accessibleName = "الدرجة %1"});
    c.push_back({.kind = Kind::Line,
                 .name = "Line1",
                 .at = {3360, 6600, 5280, 6600},
                 .borderColor = 0xFFFFFF,
                 .borderWidth = 3});
    c.push_back({.kind = Kind::Label,
                 .name = "Label8",
                 .at = {4140, 6600, 405, 855},
                 .caption = "0",
                 .font = kScoreFont,
                 .fore = 0xFFFFFF,
                 .align = Align::Center,
                 .wordWrap = false,
                 .accessibleName = "من %1"});

    c.push_back(actionFrame("Shape3", 5640));
    c.push_back(actionButton("Command7", 5640, "التصحيح", 9));
    c.push_back(actionFrame("Shape4", 6300));
    c.push_back(actionButton("Command6", 6300, "مسائل جديدة", 10));
    c.push_back(actionFrame("Shape5", 6960));
    c.push_back(actionButton("Command9", 6960, "ابدأ من جديد", 11));

    for (const lessons::RewardSpot& r : kRewards)
        c.push_back(lessons::rewardPicture(r, "membership_star"));

    lessons::addExitCorner(
        c,
        {.exit = {300, 7020, 1635, 795},
         .exitFont = kExitFont,
         .exitBack = 0xC0FFFF,
         .tabIndex = 12,
         .frameBack = 0x80FF80,
         .frameBorder = 0x80FFFF,
         .frameBorderWidth = 5,
         .credit = {.name = "Label30", .at = {8280, 7320, 3195, 555}, .font = kCreditFont, .fore = 0x800000},
         .contact = {.name = "Label9",
                     .at = {8220, 6960, 3435, 555},
                     .font = kContactFont,
                     .fore = 0x0000FF,
                     .caption = kContact}});
    return c;
}

} // namespace

const std::array<MembershipRow, membership::kRows>& membershipRows() {
    static const std::array<MembershipRow, membership::kRows> rows{{
        {"Command1", "Image30", "Image14", "Label2", 10, 0, -1, 4, 6, 8},
        {"Command2", "Image2", "Image16", "Label3", 10, 0, -1, 4, 6, 8},
        {"Command3", "Image3", "Image17", "Label4", 8, 0, -1, 2, 4, 6},
        {"Command4", "Image4", "Image18", "Label5", 12, 0, 2, 6, 8, 10},
        {"Command5", "Image5", "Image19", "Label6", 8, 0, -1, 2, 4, 6},
    }};
    return rows;
}

const ScreenLayout& frmgroub4Layout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmgroub4",
                   .width = 11880,
                   .height = 8490,
                   .lesson = "الانتماء والاحتواء",
                   .title = kTitleBar,
                   .backColor = 0xA0A0A0,
                   .picture = "membership_background",
                   .icon = nullptr},
        .controls = controls(),
    };
    return layout;
}

} // namespace sd
