#include "app/credits.h"
#include "board/frmmagmoaat1.h"

namespace sd {

namespace {

using board::Family;

constexpr FontSpec kTileFont{"Arial", 20.25, true};
// The free faces run wider than the classic ones: at the digits' size the large
// frame would not fit beside the preview, nor the buttons' captions on one line.
constexpr FontSpec kFrameFont{"Arial", 18, true};
constexpr FontSpec kTopicFont{"Arial", 14.25, false};
constexpr FontSpec kButtonFont{"Arial", 9, true};
constexpr FontSpec kCaptionFont{"Arial", 11.25, true};

constexpr QRgb kYellow = 0xFFFF00;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kPanel = 0x004040;

// The dark teal panels behind the pieces: the tile row, the frames beside the
// preview, the symbols, the Venn shapes and the cards.
constexpr Tw kPanels[] = {
    {8520, 0, 3330, 600},     {10635, 600, 1215, 1095}, {8520, 1770, 3330, 2475},
    {8520, 4260, 3330, 1995}, {8520, 6270, 3330, 1605},
};
constexpr const char* kPanelNames[] = {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5"};

// The captions tiles are stored with; the load writes them again.
const char* storedCaption(int i) {
    static constexpr const char* kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    switch (board::tileKind(i)) {
    case board::TileKind::Digit:
        return kDigits[i % 10];
    case board::TileKind::Asterisk:
        return "*";
    case board::TileKind::SmallFrame:
        return "{ ، }";
    case board::TileKind::LargeFrame:
        break;
    }
    return "{ ، ، ، }";
}

ControlSpec tileSpec(int i) {
    const QPoint at = board::tilePlace(i);
    return {.kind = Kind::Label,
            .name = "Label1",
            .index = i,
            .at = {at.x(), at.y(), 300, 465},
            .caption = storedCaption(i),
            .font = board::isFrame(i) ? kFrameFont : kTileFont,
            .fore = board::tileKind(i) == board::TileKind::Asterisk ? kWhite : kYellow,
            .autoSize = true};
}

ControlSpec pieceSpec(Family family, int i) {
    const QRect r = board::panelPlace(family, i);
    return {.kind = Kind::Image,
            .name = board::arrayOf(family),
            .index = i,
            .at = {r.x(), r.y(), r.width(), r.height()},
            .picture = board::pictureOf(family, i),
            .stretch = true};
}

std::vector<ControlSpec> controls() {
    std::vector<ControlSpec> out;
    // Drawn controls, back to front: the board, the panels, the preview and the
    // pieces (shapes behind symbols behind tiles), then the curtain over the panel.
    out.push_back({.kind = Kind::Image,
                   .name = "Image1",
                   .at = {60, 120, 8415, 8355},
                   .picture = "board_blackboard",
                   .stretch = true});
    for (int i = 0; i < 5; ++i) {
        out.push_back({.kind = Kind::Shape,
                       .name = kPanelNames[i],
                       .at = kPanels[i],
                       .back = kPanel,
                       .opaque = true,
                       .borderColor = kWhite,
                       .borderWidth = 3});
    }
    out.push_back({.kind = Kind::Image,
                   .name = "Image4",
                   .index = 0,
                   .at = {8520, 600, 2100, 1095},
                   .picture = "board_venn_two_ellipses",
                   .stretch = true});
    for (int i = board::kFirstShape; i < board::kFirstShape + board::kShapes; ++i)
        out.push_back(pieceSpec(Family::Shape, i));
    for (int i = 0; i < board::kSymbols; ++i)
        out.push_back(pieceSpec(Family::Symbol, i));
    for (int i = 0; i < board::kTiles; ++i)
        out.push_back(tileSpec(i));
    out.push_back({.kind = Kind::Label,
                   .name = "Label2",
                   .at = {6240, 7560, 615, 300},
                   .caption = "تكبير",
                   .font = kCaptionFont,
                   .fore = kWhite,
                   .align = Align::Center});
    out.push_back({.kind = Kind::Label,
                   .name = "Label3",
                   .at = {7560, 7560, 615, 300},
                   .caption = "تصغير",
                   .font = kCaptionFont,
                   .fore = kWhite,
                   .align = Align::Center});
    out.push_back(
        {.kind = Kind::Image, .name = "Image2", .at = {8520, 0, 3330, 8325}, .picture = "board_curtain"});

    // Windowed controls, always above the drawn ones.
    out.push_back({.kind = Kind::TextBox,
                   .name = "Text1",
                   .at = {1800, 300, 5295, 435},
                   .caption = "الموضوع",
                   .font = kTopicFont,
                   .fore = kYellow,
                   .back = 0x404040,
                   .align = Align::Center,
                   .tabIndex = 0,
                   .accessibleName = "موضوع الدرس",
                   // The teacher's own words: Arabic digits stay as typed.
                   .westernDigits = false});
    out.push_back({.kind = Kind::Button,
                   .name = "Command2",
                   .at = {3480, 6960, 1275, 375},
                   .caption = "اظهار الادوات",
                   .font = kButtonFont,
                   .back = 0x808080,
                   .tabIndex = 1});
    out.push_back({.kind = Kind::Button,
                   .name = "Command1",
                   .at = {3480, 6480, 1275, 435},
                   .caption = "مسح السبورة",
                   .font = kButtonFont,
                   .back = 0xC0C0C0,
                   .tabIndex = 2});
    out.push_back({.kind = Kind::PictureBox,
                   .name = "Picture2",
                   .at = {6000, 6480, 975, 990},
                   .back = 0xC0C0C0,
                   .picture = "board_magnifier"});
    out.push_back({.kind = Kind::PictureBox,
                   .name = "Picture1",
                   .at = {7320, 6480, 1035, 990},
                   .back = 0xC0C0C0,
                   .picture = "board_magnifier"});
    out.push_back({.kind = Kind::PictureBox,
                   .name = "Picture3",
                   .at = {480, 6480, 1380, 1425},
                   .back = 0xC0C0C0,
                   .picture = "board_bin"});
    out.push_back({.kind = Kind::Button,
                   .name = "Command6",
                   .at = {480, 7680, 1395, 675},
                   .back = 0xC0C0C0,
                   .picture = "board_exit",
                   .tooltip = "خروج",
                   .tabIndex = 3});
    return out;
}

} // namespace

const ScreenLayout& frmmagmoaat1Layout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmmagmoaat1",
                   .width = 11880,
                   .height = 8490,
                   .lesson = "أدوات شرح المجموعات",
                   .title = kTitleBar,
                   .maxButton = false,
                   .backColor = 0x2F4F4F,
                   .picture = "board_background",
                   .icon = "board_icon"},
        .controls = controls(),
    };
    return layout;
}

} // namespace sd
