#include "app/navigator.h"
#include "program/screens.h"
#include "program/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    sd::setUpApplication();

    sd::Navigator navigator;
    sd::registerScreens(navigator);
    navigator.show(QString::fromLatin1(sd::kStartScreen));
    return app.exec();
}
