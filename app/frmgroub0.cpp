#include "app/frmgroub0.h"

#include "app/navigator.h"

namespace sd {

namespace {

// Each lesson button and the screen its click shows, top to bottom as the menu
// shows them.
struct LessonButton {
    const char* button;
    const char* screen;
};
constexpr LessonButton kLessonButtons[] = {
    {"Command4", "frmgrop3"},     // expressing a set
    {"Command1", "frmgroub4"},    // membership and inclusion
    {"Command2", "frmGroups"},    // intersection and union 1
    {"Command3", "frmgrop2"},     // intersection and union 2
    {"Command7", "frmgroub5"},    // difference
    {"Command6", "frmvan"},       // Venn diagrams
    {"Command5", "frmmagmoaat1"}, // the blackboard
};

} // namespace

frmgroub0::frmgroub0(Navigator* navigator) : Screen(storedLayout(), navigator) {
    for (const LessonButton& lesson : kLessonButtons)
        on<CommandButton>(lesson.button, &QAbstractButton::clicked, [this, lesson] { open(lesson.screen); });
    on<CommandButton>("Command12", &QAbstractButton::clicked, [this] { Command12_Click(); });
    connect(menuItem("aboutgroups"), &QAction::triggered, this, [this] { aboutgroups_Click(); });
}

// The stored layout hides the lesson buttons until the menu loads (the
// blackboard's is stored visible already).
void frmgroub0::Form_Load() {
    for (const LessonButton& lesson : kLessonButtons)
        control(lesson.button)->widget()->setVisible(true);
}

// A lesson that is not part of this build is simply not opened.
void frmgroub0::open(const char* screenName) {
    if (navigator())
        navigator()->show(QString::fromLatin1(screenName));
}

void frmgroub0::aboutgroups_Click() {
    open("frmAboutgroup");
}

void frmgroub0::Command12_Click() {
    if (navigator())
        navigator()->exitAll();
}

} // namespace sd
