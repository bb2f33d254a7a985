#include "app/frmAboutgroup.h"

namespace sd {

namespace {
constexpr QRgb kOlive = 0x808000;
constexpr QRgb kDarkRed = 0x400000;
} // namespace

const ScreenLayout& frmAboutgroupLayout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmAboutgroup",
                   .width = 5730,
                   .height = 3555,
                   .title = "حول البرنامج ",
                   .border = WindowBorder::FixedDialog,
                   .minButton = false,
                   .maxButton = false,
                   .showInTaskbar = false,
                   .backColor = kOlive,
                   .icon = "red_book",
                   .defaultButton = "cmdOK",
                   .cancelButton = "cmdOK"},
        .controls = {
            {.kind = Kind::PictureBox,
             .name = "picIcon",
             .at = {180, 120, 480, 480},
             .back = kOlive,
             .borderStyle = 0,
             .picture = "red_book"},
            {.kind = Kind::Label,
             .name = "lblTitle",
             .at = {1020, 240, 3885, 480},
             .caption = "",
             .font = FontSpec{"Arial", 15.75, true},
             .fore = kDarkRed,
             .align = Align::Right},
            {.kind = Kind::Label,
             .name = "lblVersion",
             .at = {1050, 780, 3885, 225},
             .caption = "",
             .font = FontSpec{"Arial", 9.75, true},
             .fore = kDarkRed,
             .align = Align::Right},
            {.kind = Kind::Label,
             .name = "lblDescription",
             .at = {540, 1125, 4545, 1170},
             .caption = "برنامج للتدريب على المجموعات، وأشكال فن، والتقاطع والاتحاد والفرق، "
                        "ورموز الانتماء والاحتواء.\nإعداد: فريق المجموعات",
             .font = FontSpec{"Arial", 12, true},
             .fore = 0x000000,
             .align = Align::Right},
            {.kind = Kind::Line,
             .name = "Line1",
             .index = 1,
             .at = {90, 2445, 5654, 2445},
             .borderColor = 0x808080},
            {.kind = Kind::Line,
             .name = "Line1",
             .index = 0,
             .at = {105, 2460, 5654, 2460},
             .borderColor = 0xFFFFFF,
             .borderWidth = 2},
            {.kind = Kind::Label,
             .name = "lblDisclaimer",
             .at = {120, 2580, 3930, 825},
             .caption = "برنامج حر: يجوز نشره وتعديله وفق رخصة جنو العمومية GNU GPL، الإصدار 3 أو أحدث.\n"
                        "للملاحظات: معلم الرياضيات في مدرستك",
             .font = FontSpec{"MS Sans Serif", 9.75, false},
             .fore = 0x000080,
             .align = Align::Right},
            {.kind = Kind::Button,
             .name = "cmdOK",
             .at = {4245, 2625, 1260, 345},
             .caption = "موافق",
             .font = FontSpec{"Arial", 9.75, true},
             .back = kOlive,
             .tabIndex = 0},
            {.kind = Kind::Button,
             .name = "cmdSysInfo",
             .at = {4260, 3075, 1245, 345},
             .caption = "&System Info...",
             .font = FontSpec{"MS Sans Serif", 8.25, false},
             .back = kOlive,
             .tabIndex = 1},
        }};
    return layout;
}

} // namespace sd
