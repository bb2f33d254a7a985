#include "app/version.h"
#include "lessons/expressing/frmgrop3.h"

namespace sd {

const ScreenLayout& frmgrop3Layout() {
    static const ScreenLayout layout{
        .screen = {.name = "frmgrop3", .width = 9600, .height = 7200, .title = kWindowTitle},
        .controls =
            {{.kind = Kind::Button, .name = "Command12", .at = {7800, 6300, 1500, 615}, .caption = "خروج"}},
    };
    return layout;
}

} // namespace sd
