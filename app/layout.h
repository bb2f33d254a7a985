#pragma once
// A screen's stored layout, as data: which controls it holds, where, and how they
// look when the screen is loaded. Screens keep these tables in their *_layout.cpp
// files; the screen model builds the widgets from them.

#include <QRgb>

#include <optional>
#include <string_view>
#include <vector>

namespace sd {

enum class Kind { Label, TextBox, Button, Image, PictureBox, Shape, Line, Option, Frame };

// Horizontal alignment of a caption. Start is the reading start: the right edge
// on a right-to-left screen. Left and Right are absolute edges.
enum class Align { Start, Left, Right, Center };

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

enum class Fill {
    Solid,
    Transparent,
    Horizontal,
    Vertical,
    UpwardDiagonal,
    DownwardDiagonal,
    Cross,
    DiagonalCross
};

enum class WindowBorder { Sizable, FixedSingle, FixedDialog };

enum class StartPosition { CenterScreen, WindowsDefault };

// Left, top, width, height in twips; for a line: x1, y1, x2, y2.
struct Tw {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontSpec {
    const char* family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

using Color = std::optional<QRgb>;

// Members are in the order the tables write them (designated initializers).
struct ControlSpec {
    Kind kind = Kind::Label;
    const char* name = "";
    int index = -1;                // element of a control array when >= 0
    Tw at{};                       // twips
    const char* caption = nullptr; // caption, or the text of an entry box
    std::optional<FontSpec> font{};
    Color fore{};
    Color back{};
    Align align = Align::Start;
    bool opaque = false;   // labels and shapes: paint the back colour
    bool autoSize = false; // labels: width follows the caption
    bool wordWrap = true;  // labels and buttons: wrap a long caption
    bool visible = true;
    bool enabled = true;
    int borderStyle = -1; // 0 none, 1 single; -1 the kind's usual
    int appearance = -1;  // 0 flat, 1 3D; -1 the kind's usual
    int maxLength = 0;    // entry boxes; 0 is unlimited
    const char* picture = nullptr;
    bool stretch = false;          // images: picture stretched to the control
    const char* pointer = nullptr; // custom mouse pointer picture
    const char* tooltip = nullptr;
    int tabIndex = -1;
    ShapeKind shape = ShapeKind::Rectangle;
    Color borderColor{};
    int borderWidth = 1;
    Fill fill = Fill::Transparent;
    Color fillColor{};
    const char* container = nullptr; // the frame holding this control
    bool value = false;              // option buttons: chosen
    // What a screen reader calls a control that has no caption (a picture, an entry
    // box, a caption-less button); a control with a caption is called by it. A name
    // holding "%1" is said with the caption in its place ("الدرجة %1 من 10").
    const char* accessibleName = nullptr;
    // Labels and images the pupil presses: reached with Tab (an array is one stop,
    // its elements one arrow key apart) and pressed with Space or Enter.
    bool pressable = false;
    // Entry boxes: Eastern Arabic and Persian digits typed, pasted or composed
    // become the digits 0-9 the lessons show and judge. Off for free text.
    bool westernDigits = true;
    // A screen reader says the control's name when it appears or, shown, when its
    // caption changes: a score, a note, a reward.
    bool live = false;
    // Holds a value for the lesson and is never shown: no screen reader meets it.
    bool storage = false;
};

// How a screen's lesson tells its current entry box apart; the screen model
// draws a bright frame round every box so marked.
struct CurrentBoxMark {
    enum class By { Nothing, Border, BackColor };
    By by = By::Nothing;
    QRgb color = 0; // By::BackColor: the colour that marks it
};

struct MenuSpec {
    const char* name = "";
    const char* caption = "";
    const char* shortcut = nullptr; // a key that triggers it from anywhere on the screen, e.g. "F1"
};

struct ScreenSpec {
    const char* name = "";
    int width = 0; // client area, twips
    int height = 0;
    // The lesson's name: the window's title starts with it, so that a screen reader
    // and the task bar tell the lessons apart.
    const char* lesson = nullptr;
    const char* title = "";
    WindowBorder border = WindowBorder::Sizable;
    bool minButton = true;
    bool maxButton = true;
    bool showInTaskbar = true;
    StartPosition start = StartPosition::CenterScreen;
    QRgb backColor = 0xC0C0C0;
    const char* picture = nullptr; // background, drawn at natural size from the top-left
    const char* icon = nullptr;
    bool rightToLeft = true;
    std::vector<MenuSpec> menu{};
    const char* defaultButton = nullptr; // Enter presses it
    const char* cancelButton = nullptr;  // Escape presses it
    CurrentBoxMark currentBox{};
};

struct ScreenLayout {
    ScreenSpec screen;
    std::vector<ControlSpec> controls;
};

// Makes the controls named `name` (every element of an array, or those `which`
// picks by index) pressable: one tab stop right after the entry box or button
// holding tabIndex, called `spoken` when it shows no caption.
template <class Which>
void markPressable(std::vector<ControlSpec>& controls, const char* name, int tabIndex, const char* spoken,
                   Which which) {
    for (ControlSpec& c : controls)
        if (std::string_view(c.name) == name && which(c.index)) {
            c.pressable = true;
            c.tabIndex = tabIndex;
            c.accessibleName = spoken;
        }
}
inline void markPressable(std::vector<ControlSpec>& controls, const char* name, int tabIndex,
                          const char* spoken) {
    markPressable(controls, name, tabIndex, spoken, [](int) { return true; });
}

} // namespace sd
