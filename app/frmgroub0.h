#pragma once
// The main menu: the first screen, from which every lesson is opened and the
// program ends. It keeps no state of its own.

#include "app/screen.h"

namespace sd {

const ScreenLayout& frmgroub0Layout();

class frmgroub0 : public Screen {
    Q_OBJECT
public:
    explicit frmgroub0(Navigator* navigator);
    static const ScreenLayout& storedLayout() { return frmgroub0Layout(); }

protected:
    void Form_Load() override;

private:
    void Command12_Click();
    void aboutgroups_Click();

    void open(const char* screenName);
};

} // namespace sd
