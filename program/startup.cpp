#include "program/startup.h"

#include "app/fonts.h"
#include "app/qt_translations.h"
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
    // Qt's own texts (message-box buttons, an entry box's context menu) in Arabic
    // too, as an Arabic desktop program shows them.
    installQtArabic();
}

} // namespace sd
