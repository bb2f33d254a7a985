#pragma once

#include "app/screen.h"

namespace sd {

const ScreenLayout& frmgrop3Layout();

class frmgrop3 : public Screen {
    Q_OBJECT
public:
    explicit frmgrop3(Navigator* navigator);
};

} // namespace sd
