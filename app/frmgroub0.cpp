#include "app/frmgroub0.h"

#include "app/navigator.h"

namespace sd {

frmgroub0::frmgroub0(Navigator* navigator) : Screen(storedLayout(), navigator) {
    on<CommandButton>("Command1", &QAbstractButton::clicked, [this] { Command1_Click(); });
    on<CommandButton>("Command2", &QAbstractButton::clicked, [this] { Command2_Click(); });
    on<CommandButton>("Command3", &QAbstractButton::clicked, [this] { Command3_Click(); });
    on<CommandButton>("Command4", &QAbstractButton::clicked, [this] { Command4_Click(); });
    on<CommandButton>("Command5", &QAbstractButton::clicked, [this] { Command5_Click(); });
    on<CommandButton>("Command6", &QAbstractButton::clicked, [this] { Command6_Click(); });
    on<CommandButton>("Command7", &QAbstractButton::clicked, [this] { Command7_Click(); });
    on<CommandButton>("Command12", &QAbstractButton::clicked, [this] { Command12_Click(); });
    connect(menuItem("aboutgroups"), &QAction::triggered, this, [this] { aboutgroups_Click(); });
}

void frmgroub0::Form_Load() {
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command6", "Command7"})
        control(name)->widget()->setVisible(true);
}

// A lesson that is not part of this build is simply not opened.
void frmgroub0::open(const char* screenName) {
    if (navigator())
        navigator()->show(QString::fromLatin1(screenName));
}

void frmgroub0::Command4_Click() {
    open("frmgrop3");
}
void frmgroub0::Command1_Click() {
    open("frmgroub4");
}
void frmgroub0::Command2_Click() {
    open("frmGroups");
}
void frmgroub0::Command3_Click() {
    open("frmgrop2");
}
void frmgroub0::Command7_Click() {
    open("frmgroub5");
}
void frmgroub0::Command6_Click() {
    open("frmvan");
}
void frmgroub0::Command5_Click() {
    open("frmmagmoaat1");
}
void frmgroub0::aboutgroups_Click() {
    open("frmAboutgroup");
}

void frmgroub0::Command12_Click() {
    if (navigator())
        navigator()->exitAll();
}

} // namespace sd
