#pragma once

#include "app/screen.h"

namespace sd {

const ScreenLayout& frmgroub4Layout();

class frmgroub4 : public Screen {
    Q_OBJECT
public:
    explicit frmgroub4(Navigator* navigator);
};

} // namespace sd
