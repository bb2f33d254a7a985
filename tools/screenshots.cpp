// Renders every screen of the program to PNG, offscreen: for the README and for
// looking at a screen without a display. Usage: setsdrill_screenshots [folder]
// (the folder defaults to "shots"). Runs with QT_QPA_PLATFORM=offscreen unless
// a platform is given.

#include "app/navigator.h"
#include "app/screen.h"
#include "program/screens.h"
#include "program/startup.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sd::setUpApplication();

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);

    sd::Navigator navigator;
    navigator.setQuitHandler([] {});
    sd::registerScreens(navigator);
    QTextStream out(stdout);
    int failures = 0;
    for (const QString& name : navigator.registeredScreens()) {
        sd::Screen* screen = navigator.show(name);
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
        if (!screen || !screen->grab().save(file)) {
            out << "failed: " << name << Qt::endl;
            ++failures;
            continue;
        }
        out << file << Qt::endl;
    }
    navigator.exitAll();
    return failures == 0 ? 0 : 1;
}
