#include "app/version.h"
#include "lessons/membership/frmgroub4.h"

namespace sd {

const ScreenLayout& frmgroub4Layout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmgroub4", .width = 9600, .height = 7200, .title = kWindowTitle},
        .controls =
            {{.kind = Kind::Button, .name = "Command12", .at = {7800, 6300, 1500, 615}, .caption = "خروج"}},
    };
    return layout;
}

} // namespace sd
