#pragma once
// The About box: the program's title, version and what it trains, and a button
// that starts the system's information tool.

#include "app/screen.h"
#include "app/sysinfo.h"

#include <memory>

namespace sd {

const ScreenLayout& frmAboutgroupLayout();

class frmAboutgroup : public Screen {
    Q_OBJECT
public:
    frmAboutgroup(Navigator* navigator, std::unique_ptr<SysInfoPort> port);
    static const ScreenLayout& storedLayout() { return frmAboutgroupLayout(); }

protected:
    void Form_Load() override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();

    std::unique_ptr<SysInfoPort> port_;
};

} // namespace sd
