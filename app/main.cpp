#include "app/navigator.h"
#include "app/screens.h"
#include "app/version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("setsdrill"));
    QApplication::setApplicationVersion(QString::fromLatin1(sd::kVersion));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(sd::kDesktopName));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    sd::installFonts();

    sd::Navigator navigator;
    sd::registerScreens(navigator);
    navigator.show(QString::fromLatin1(sd::kStartScreen));
    return app.exec();
}
