#include "app/frmAboutgroup.h"

#include "app/credits.h"
#include "app/messagebox.h"
#include "app/version.h"

namespace sd {

frmAboutgroup::frmAboutgroup(Navigator* navigator, std::unique_ptr<SysInfoPort> port)
    : Screen(storedLayout(), navigator), port_(std::move(port)) {
    on<CommandButton>("cmdOK", &QAbstractButton::clicked, [this] { cmdOK_Click(); });
    on<CommandButton>("cmdSysInfo", &QAbstractButton::clicked, [this] { cmdSysInfo_Click(); });
}

void frmAboutgroup::Form_Load() {
    setWindowTitle(QStringLiteral("حول البرنامج "));
    get<Label>("lblVersion")
        ->setCaption(QStringLiteral("الاصدار رقم %1.%2.%3")
                         .arg(kVersionMajor)
                         .arg(kVersionMinor)
                         .arg(kVersionRevision));
    get<Label>("lblTitle")->setCaption(QString::fromUtf8(kProgramName));
}

void frmAboutgroup::cmdOK_Click() {
    unloadMe();
}

void frmAboutgroup::cmdSysInfo_Click() {
    if (!port_ || !StartSysInfo(*port_))
        MsgBox(this, QString::fromLatin1(kSysInfoUnavailable), QString::fromUtf8(kProgramName),
               QMessageBox::NoIcon, false);
}

} // namespace sd
