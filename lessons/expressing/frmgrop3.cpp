#include "lessons/expressing/frmgrop3.h"

namespace sd {

frmgrop3::frmgrop3(Navigator* navigator) : Screen(frmgrop3Layout(), navigator) {
    on<CommandButton>("Command12", &QAbstractButton::clicked, [this] { unloadMe(); });
}

} // namespace sd
