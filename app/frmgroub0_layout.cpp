#include "app/credits.h"
#include "app/frmgroub0.h"

namespace sd {

namespace {

constexpr QRgb kLessonBack = 0xC0C0FF;
constexpr FontSpec kButtonFont{"Arial", 12, true};

ControlSpec lessonButton(const char* name, int top, const char* caption, int tabIndex) {
    return {.kind = Kind::Button,
            .name = name,
            .at = {1800, top, 2595, 650},
            .caption = caption,
            .font = kButtonFont,
            .back = kLessonBack,
            .visible = false, // shown by the load handler
            .tabIndex = tabIndex};
}

} // namespace

const ScreenLayout& frmgroub0Layout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmgroub0",
                   .width = 6240,
                   .height = 7710,
                   .title = kTitleBar,
                   .border = WindowBorder::FixedSingle,
                   .minButton = false,
                   .maxButton = false,
                   .backColor = 0x0000C0,
                   .picture = "menu_background",
                   .icon = "red_pen",
                   .menu = {{.name = "aboutgroups", .caption = "حول البرنامج", .shortcut = "F1"}}},
        .controls = {
            {.kind = Kind::Image,
             .name = "Image1",
             .index = 22,
             .at = {0, 0, 480, 480},
             .picture = "sun",
             .stretch = true},
            {.kind = Kind::Label,
             .name = "Label30",
             .at = {840, 120, 4275, 555},
             .caption = kProgramName,
             .font = FontSpec{"Arial", 21.75, true},
             .fore = 0xFFFFFF,
             .align = Align::Right},
            lessonButton("Command4", 720, "التعبير عن المجموعة  (تمارين)", 3),
            lessonButton("Command1", 1380, "الانتماء والاحتواء  (تمارين )", 0),
            lessonButton("Command2", 2040, "التقاطع   والاتحاد  (تمارين1 )", 1),
            lessonButton("Command3", 2700, "التقاطع   والاتحاد  (تمارين2 )", 2),
            lessonButton("Command7", 3360, "الفرق بين مجموعتين (تمارين)", 5),
            lessonButton("Command6", 4020, "ارسم شكل فن (تمارين)", 4),
            {.kind = Kind::Button,
             .name = "Command5",
             .at = {1800, 4680, 2595, 650},
             .caption = "أدوات شرح المجموعات",
             .font = kButtonFont,
             .back = kLessonBack,
             .tabIndex = 7},
            {.kind = Kind::Shape,
             .name = "Shape7",
             .at = {1740, 5340, 2655, 735},
             .back = 0x80FF80,
             .opaque = true,
             .shape = ShapeKind::RoundedRectangle,
             .borderColor = 0x80FFFF,
             .borderWidth = 5},
            {.kind = Kind::Button,
             .name = "Command12",
             .at = {1800, 5400, 2535, 615},
             .caption = "خروج",
             .font = FontSpec{"Arial", 14.25, true},
             .back = 0xC0FFFF,
             .tabIndex = 6},
            {.kind = Kind::Label,
             .name = "Label1",
             .at = {1020, 6240, 4035, 435},
             .caption = kCreditLine,
             .font = FontSpec{"Arial", 14.25, true},
             .fore = 0xFFFFFF,
             .align = Align::Right},
            {.kind = Kind::Label,
             .name = "Label2",
             .at = {1560, 6660, 2895, 735},
             .caption = kContactLine,
             .font = FontSpec{"Arial", 12, true},
             .fore = 0xFFFF00,
             .align = Align::Right},
        }};
    return layout;
}

} // namespace sd
