#pragma once

#include "app/screen.h"

namespace sd {

const ScreenLayout& frmGroupsLayout();

class frmGroups : public Screen {
    Q_OBJECT
public:
    explicit frmGroups(Navigator* navigator);
};

} // namespace sd
