#include "program/startup.h"

#include "app/fonts.h"
#include "app/version.h"

#include <QApplication>

namespace sd {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("setsdrill"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopName));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    fonts::install();
}

} // namespace sd
