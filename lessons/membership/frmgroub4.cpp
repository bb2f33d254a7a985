#include "lessons/membership/frmgroub4.h"

namespace sd {

frmgroub4::frmgroub4(Navigator* navigator) : Screen(frmgroub4Layout(), navigator) {
    on<CommandButton>("Command12", &QAbstractButton::clicked, [this] { unloadMe(); });
}

} // namespace sd
