#include "app/navigator.h"
#include "app/screens.h"
#include "app/version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("setsdrill"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(sd::kVersionMajor).arg(sd::kVersionMinor).arg(sd::kVersionRevision));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    sd::installFonts();

    sd::Navigator navigator;
    sd::registerScreens(navigator);
    navigator.show(QString::fromLatin1(sd::kStartScreen));
    return app.exec();
}
