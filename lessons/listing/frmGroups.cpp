#include "lessons/listing/frmGroups.h"

namespace sd {

frmGroups::frmGroups(Navigator* navigator) : Screen(frmGroupsLayout(), navigator) {
    on<CommandButton>("Command12", &QAbstractButton::clicked, [this] { unloadMe(); });
}

} // namespace sd
