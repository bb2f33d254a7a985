#include "app/credits.h"
#include "lessons/common/lesson_layout.h"
#include "lessons/expressing/expressing_rules.h"
#include "lessons/expressing/frmgrop3.h"

namespace sd {

namespace {

using expressing::kProblemCount;

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kYellow = 0xFFFF00;
constexpr QRgb kDarkGrey = 0x404040;

constexpr FontSpec kDescriptionFont{"Arial", 10.5, true};
constexpr FontSpec kHeaderFont{"Arial", 12, true};
constexpr FontSpec kNumberFont{"Arial", 12, true};
constexpr FontSpec kAnswerFont{"Traditional Arabic", 15.75, true};
constexpr FontSpec kButtonFont{"Arial", 12, true};
constexpr FontSpec kSmallBoxFont{"Arial", 21.75, true};
constexpr FontSpec kFirstBoxFont{"Arial", 20.25, true};
constexpr FontSpec kWideBoxFont{"Traditional Arabic", 14.25, true};
constexpr FontSpec kSeparatorFont{"Arial", 20.25, true};

// The three panels share one vertical extent.
constexpr int kPanelTop = 1140;
constexpr int kPanelHeight = 6360;

// Tops of the eight rows (the change buttons' tops).
constexpr int kRowTop[kProblemCount] = {1680, 2460, 3240, 4020, 4800, 5520, 6240, 6840};

// Entry grid: rows 1-4 hold one-character boxes, rows 5-8 two-character ones.
constexpr int kNarrowLeft = 7680, kNarrowPitch = 540, kNarrowWidth = 375, kNarrowHeight = 540;
constexpr int kWideLeft = 7500, kWidePitch = 600, kWideWidth = 435, kWideHeight = 495;

// Tab order, as a problem is read: "جديد"; then each problem's change button and
// numbers, its boxes, its check button; then the solution, "مسح", the separators
// and the palette, and the exit.
constexpr int kNewTabIndex = 10;
constexpr int rowTab(int row) {
    return 100 * row;
}
constexpr int kCheckOffset = 50;
constexpr int kSolutionTabIndex = 900;
constexpr int kClearTabIndex = 901;

// What a screen reader calls the boxes of each row.
const char* const kBoxNames[kProblemCount] = {
    "خانة عنصر في المسألة 1", "خانة عنصر في المسألة 2", "خانة عنصر في المسألة 3", "خانة عنصر في المسألة 4",
    "خانة عنصر في المسألة 5", "خانة عنصر في المسألة 6", "خانة عنصر في المسألة 7", "خانة عنصر في المسألة 8"};

// Answer rows start at their "{" and run leftwards.
constexpr int kAnswerStart = 2850;

const char* const kBoxTooltip = nullptr;
const char* const kSeparatorTip = "اضغط على النقطة لتغيرها فاصلة أو قوس";

ControlSpec label(const char* name, int index, Tw at, const char* caption, FontSpec font, QRgb fore,
                  Align align = Align::Start) {
    return {.kind = Kind::Label,
            .name = name,
            .index = index,
            .at = at,
            .caption = caption,
            .font = font,
            .fore = fore,
            .align = align,
            .wordWrap = false};
}

ControlSpec panel(const char* name, int left, int width) {
    return {.kind = Kind::Shape,
            .name = name,
            .at = {left, kPanelTop, width, kPanelHeight},
            .back = kBlack,
            .opaque = true,
            .borderColor = kBlack,
            .borderWidth = 10};
}

ControlSpec button(const char* name, Tw at, const char* caption, QRgb back, const char* tooltip, int tabIndex,
                   FontSpec font = kButtonFont) {
    return {.kind = Kind::Button,
            .name = name,
            .at = at,
            .caption = caption,
            .font = font,
            .back = back,
            .tooltip = tooltip,
            .tabIndex = tabIndex};
}

// A number of a description: as wide as its digits, placed over the
// description's blanks when shown and whenever it changes.
ControlSpec number(const char* name, int index, int row, const char* caption, const char* tooltip) {
    return {.kind = Kind::Label,
            .name = name,
            .index = index,
            .at = {9000, kRowTop[row - 1], 0, 0},
            .caption = caption,
            .font = kNumberFont,
            .fore = kYellow,
            .align = Align::Center,
            .autoSize = true,
            .pointer = "pointer_arrow",
            .tooltip = tooltip,
            // Reached right after its row's change button.
            .tabIndex = rowTab(row),
            .pressable = true};
}

void addRightPanel(std::vector<ControlSpec>& c) {
    static const char* const kChangeNames[kProblemCount] = {"Cmd1", "cmd2", "Cmd3", "Cmd4",
                                                            "Cmd5", "Cmd6", "Cmd7", "Cmd8"};
    static const char* const kDigits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
    static const char* const kDescriptions[kProblemCount] = {
        "مجموعة أرقام العدد",
        "مجموعة الأعداد من     إلي    ",
        "مجموعة الأعداد بين     و   ",
        "الأعداد الكلية الأقل من",
        "الأعداد الفردية بين    و    ",
        "الأعداد الزوجية بين    و    ",
        "الأعداد الأولية بين     و    ",
        "مجموعة قواسم العدد  ",
    };
    c.push_back(panel("Shape2", 8400, 3435));
    for (int k = 1; k <= kProblemCount; ++k) {
        const int top = kRowTop[k - 1];
        c.push_back(button(kChangeNames[k - 1], {11400, top, 315, 375}, kDigits[k - 1], 0xC0C0FF,
                           "اضغط هنا لتغير المسألة", rowTab(k), FontSpec{"Arial", 9.75, true}));
        c.back().accessibleName = "تغيير المسألة %1";
        c.push_back(
            label("Label1", k - 1, {8640, top, 2730, 420}, kDescriptions[k - 1], kDescriptionFont, kWhite));
    }
    const char* const changeTip = "اضغط لتغير الأرقام";
    const char* const digitTip = "اضغط على الرقم لتغيره";
    c.push_back(number("Label2", -1, 1, "44552", "اضغط على الرقم لتغيره وتغير المسألة"));
    c.push_back(number("Label3", -1, 2, "1", changeTip));
    c.push_back(number("Label4", -1, 2, "7", changeTip));
    c.push_back(number("Label5", 0, 3, "3", digitTip));
    c.push_back(number("Label6", -1, 3, "9", digitTip));
    c.push_back(number("Label7", -1, 4, "7", nullptr));
    c.push_back(number("Label8", -1, 5, "2", nullptr));
    c.push_back(number("Label9", -1, 5, "14", nullptr));
    c.push_back(number("Label10", -1, 6, "3", nullptr));
    c.push_back(number("Label11", -1, 6, "15", nullptr));
    c.push_back(number("Label12", -1, 7, "10", nullptr));
    c.push_back(number("Label13", -1, 7, "20", nullptr));
    c.push_back(number("Label14", -1, 8, "20", nullptr));
    // The "=" signs stand in front of the numbers beside them.
    for (int k = 1; k <= kProblemCount; ++k) {
        c.push_back(label("Label5", k, {8430, kRowTop[k - 1], 210, 420}, "=", kDescriptionFont, kWhite,
                          Align::Center));
        c.back().tooltip = digitTip;
    }
}

void addEntryGrid(std::vector<ControlSpec>& c) {
    c.push_back(panel("Shape1", 3600, 4755));
    int box = 0;
    int separator = 0;
    for (int k = 1; k <= kProblemCount; ++k) {
        const bool narrow = k <= 4;
        const int first = narrow ? kNarrowLeft : kWideLeft;
        const int pitch = narrow ? kNarrowPitch : kWidePitch;
        const int width = narrow ? kNarrowWidth : kWideWidth;
        const int height = narrow ? kNarrowHeight : kWideHeight;
        const int boxes = expressing::boxCountOfRow(k);
        const int top = kRowTop[k - 1];
        const int gap = pitch - width;
        for (int j = 0; j < boxes; ++j, ++box) {
            const int left = first - j * pitch;
            c.push_back({.kind = Kind::TextBox,
                         .name = "Text1",
                         .index = box,
                         .at = {left, top, width, height},
                         .caption = "",
                         .font = narrow ? (j == 0 ? kFirstBoxFont : kSmallBoxFont) : kWideBoxFont,
                         .fore = kWhite,
                         .back = kBlack,
                         .align = Align::Center,
                         .borderStyle = 1,
                         .maxLength = narrow ? 1 : 2,
                         .tooltip = kBoxTooltip,
                         .tabIndex = rowTab(k) + 1 + j,
                         .accessibleName = kBoxNames[k - 1]});
            // The separator on the right of this box.
            c.push_back({.kind = Kind::Label,
                         .name = "Label23",
                         .index = separator++,
                         .at = {left + width, top, gap, height},
                         .caption = j == 0 ? "{" : "،",
                         .font = kSeparatorFont,
                         .fore = kWhite,
                         .align = Align::Center,
                         .wordWrap = false,
                         .pointer = "pointer_arrow",
                         .tooltip = kSeparatorTip});
        }
        // And the one after the row's last box.
        const int lastLeft = first - (boxes - 1) * pitch;
        c.push_back({.kind = Kind::Label,
                     .name = "Label23",
                     .index = separator++,
                     .at = {lastLeft - gap, top, gap, height},
                     .caption = "،",
                     .font = kSeparatorFont,
                     .fore = kWhite,
                     .align = Align::Center,
                     .wordWrap = false,
                     .pointer = "pointer_arrow",
                     .tooltip = kSeparatorTip});
    }
}

void addCheckButtons(std::vector<ControlSpec>& c) {
    static const char* const kNames[kProblemCount] = {"Command1", "Command3", "Command4", "Command5",
                                                      "Command6", "Command7", "Command8", "Command9"};
    static const char* const kDigits[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (int k = 1; k <= kProblemCount; ++k) {
        c.push_back(button(kNames[k - 1], {3180, kRowTop[k - 1], 495, 495}, kDigits[k - 1], 0xC0FFC0,
                           "اضغط هنا لترى الحل", rowTab(k) + kCheckOffset));
        c.back().accessibleName = "تحقق من المسألة %1";
    }
}

// One answer row: "{" first, elements at the odd indices, separators between,
// "}" last. These are only starting places: every row is packed leftwards from
// its "{" when its correct set is shown.
void addAnswerRow(std::vector<ControlSpec>& c, const char* name, int row, int slotTotal, int elementWidth,
                  int separatorWidth, const char* separatorCaption) {
    const int top = kRowTop[row - 1];
    auto answer = [&](int index, int left, const char* caption) {
        return ControlSpec{.kind = Kind::Label,
                           .name = name,
                           .index = index,
                           .at = {left, top, 0, 0},
                           .caption = caption,
                           .font = kAnswerFont,
                           .fore = kYellow,
                           .autoSize = true,
                           .visible = false};
    };
    c.push_back(answer(0, kAnswerStart, "{"));
    int right = kAnswerStart;
    for (int j = 1; j <= slotTotal; ++j) {
        right -= elementWidth;
        c.push_back(answer(2 * j - 1, right, ""));
        if (j < slotTotal) {
            right -= separatorWidth;
            c.push_back(answer(2 * j, right, separatorCaption));
        }
    }
    c.push_back(answer(2 * slotTotal, right - 150, "}"));
}

void addLeftPanel(std::vector<ControlSpec>& c) {
    c.push_back(panel("Shape3", 60, 3435));
    c.push_back(
        label("Label27", -1, {240, 1200, 2760, 420}, "الاجابة الصحيحة ", kHeaderFont, kWhite, Align::Center));
    addAnswerRow(c, "Label15", 1, 5, 180, 300, " ، ");
    addAnswerRow(c, "Label16", 2, 7, 180, 210, "، ");
    addAnswerRow(c, "Label17", 3, 7, 180, 210, "، ");
    addAnswerRow(c, "Label18", 4, 7, 180, 210, "، ");
    addAnswerRow(c, "Label19", 5, 6, 270, 210, "، ");
    addAnswerRow(c, "Label20", 6, 6, 270, 210, "، ");
    addAnswerRow(c, "Label21", 7, 4, 345, 210, "، ");
    addAnswerRow(c, "Label22", 8, 6, 270, 210, "، ");
}

void addTopStrip(std::vector<ControlSpec>& c) {
    c.push_back(
        {.kind = Kind::Image, .name = "Image1", .at = {0, 0, 480, 480}, .picture = "sun", .stretch = true});
    static const char* const kPalette[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int d = 0; d <= 9; ++d)
        c.push_back({.kind = Kind::Label,
                     .name = "Label28",
                     .index = d,
                     .at = {6120 - 620 * d, 60, 375, 420},
                     .caption = kPalette[d],
                     .font = FontSpec{"Arial", 15.75, true},
                     .fore = kWhite,
                     .back = kDarkGrey,
                     .align = Align::Center,
                     .opaque = true,
                     .wordWrap = false,
                     .pointer = "pointer_dart",
                     .tooltip = "اضغط على الرقم لكتابته في المكان المحدد"});
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape4",
                 .at = {6660, 60, 4560, 960},
                 .back = kDarkGrey,
                 .opaque = true,
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = 0x808080,
                 .borderWidth = 3});
    c.push_back({.kind = Kind::Label,
                 .name = "Label26",
                 .at = {6780, 300, 4320, 480},
                 .caption = "عبر عن المجموعات الآتية بطريقة السرد",
                 .font = kHeaderFont,
                 .fore = kWhite,
                 .align = Align::Center,
                 .wordWrap = false});
    c.push_back(button("Command14", {11280, 600, 585, 495}, "جديد", 0xC0C0FF,
                       "اضغط  على رقم كل مسألة لتغيرها", kNewTabIndex, FontSpec{"Arial", 11.25, true}));
    c.push_back(label("Label24", -1, {4110, 570, 2490, 285}, "الرقم في المربع الاحمر خطأ",
                      FontSpec{"Arial", 9.75, true}, kWhite, Align::Center));
    c.back().visible = false;
    c.back().live = true;
    c.push_back(label("Label25", -1, {4110, 855, 2490, 285}, "الرقم في المربع الأخضر مكرر",
                      FontSpec{"Arial", 9.75, true}, kWhite, Align::Center));
    c.back().visible = false;
    c.back().live = true;
    c.push_back(button("Command11", {3180, 540, 855, 495}, "الحل", 0xC0FFC0, "اضغط  أمام كل مسألة لترى حلها",
                       kSolutionTabIndex));
    // The score: hidden tallies, then the percentage and its sign in a yellow frame.
    c.push_back({.kind = Kind::Shape,
                 .name = "Shape5",
                 .at = {1260, 540, 1800, 555},
                 .back = 0x004040,
                 .opaque = true,
                 .shape = ShapeKind::RoundedRectangle,
                 .borderColor = kYellow,
                 .borderWidth = 3});
    for (int t = 0; t <= 10; ++t) {
        c.push_back(
            label("Label29", t, {60 + 180 * t, 8100, 180, 255}, "0", FontSpec{"Arial", 8.25, false}, kWhite));
        c.back().visible = false;
    }
    ControlSpec percent = label("Label29", 11, {1800, 600, 1140, 435}, "0",
                                FontSpec{"Arabic Transparent", 15.75, true}, kYellow, Align::Center);
    percent.back = 0x004040;
    percent.opaque = true;
    percent.accessibleName = "النسبة %1 في المئة";
    percent.live = true;
    c.push_back(percent);
    ControlSpec sign = label("Label29", 12, {1380, 600, 420, 435}, "%",
                             FontSpec{"Arabic Transparent", 15.75, true}, kYellow, Align::Center);
    sign.back = 0x004040;
    sign.opaque = true;
    c.push_back(sign);
    c.push_back(button("Command10", {240, 540, 855, 495}, "مسح", 0xC0C0FF, nullptr, kClearTabIndex));
    // The score procedure's own button, never shown: only the solution runs it.
    c.push_back(button("Command2", {1260, 1080, 855, 375}, "النسبة", 0xC0C0FF, nullptr, kClearTabIndex + 1));
    c.back().visible = false;
}

void addBottomStrip(std::vector<ControlSpec>& c) {
    lessons::addExitCorner(c, {.frameName = "Shape6",
                               .exit = {720, 7560, 1335, 615},
                               .exitBack = 0xC0FFFF,
                               .tabIndex = 991,
                               .frameBack = 0x80FF80,
                               .frameBorder = 0x80FFFF,
                               .frameBorderWidth = 5,
                               .credit = {.name = "Label30",
                                          .at = {2400, 7620, 5100, 480},
                                          .font = FontSpec{"Traditional Arabic", 15.75, true},
                                          .fore = kWhite,
                                          .align = Align::Center},
                               .contact = {.name = "Label31",
                                           .at = {7080, 7680, 4680, 435},
                                           .font = FontSpec{"Arial", 12, true},
                                           .fore = kYellow,
                                           .align = Align::Right}});
}

std::vector<ControlSpec> controls() {
    std::vector<ControlSpec> c;
    addRightPanel(c);
    addEntryGrid(c);
    addCheckButtons(c);
    addLeftPanel(c);
    addTopStrip(c);
    addBottomStrip(c);
    // The separators and the palette follow "مسح" in the tab order.
    markPressable(c, "Label23", kClearTabIndex, "فاصل");
    markPressable(c, "Label28", kClearTabIndex, "%1 من لوحة الأرقام");
    return c;
}

} // namespace

const ScreenLayout& frmgrop3Layout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmgrop3",
                   .width = 11880,
                   .height = 8490,
                   .lesson = "التعبير عن المجموعة",
                   .title = kTitleBar,
                   .backColor = 0x004060,
                   .picture = "expressing_background",
                   .icon = "red_pen",
                   // The selected box, and after a check every box a palette digit goes into.
                   .currentBox = {.by = CurrentBoxMark::By::Border}},
        .controls = controls(),
    };
    return layout;
}

} // namespace sd
