#pragma once
// Helpers every screen test needs: a navigator with the program's screens and
// no real outside world, flushing unloaded screens, and answering message boxes.
// A test that includes it starts with SDTEST_MAIN, as the program starts.

#include "app/navigator.h"
#include "app/screen.h"
#include "program/screens.h"
#include "support/testmain.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace sdtest {

// Unloaded screens are destroyed when control returns to the event loop.
inline void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The program's screens, with a quit handler that only counts and, unless the
// test gives one, no system-information port at all.
struct Program {
    std::unique_ptr<sd::Navigator> nav = std::make_unique<sd::Navigator>();
    int quits = 0;

    explicit Program(sd::Services services = {
                         .makeSysInfoPort = [] { return std::unique_ptr<sd::SysInfoPort>(); }}) {
        nav->setQuitHandler([this] { ++quits; });
        sd::registerScreens(*nav, services);
    }
    ~Program() {
        nav.reset();
        flushDeletes();
    }
    // Shows a screen and waits for it to come to the front; one that does not
    // (a busy virtual display) is only reported, for the checks to judge.
    sd::Screen* open(const QString& name) const {
        sd::Screen* s = nav->show(name);
        s->activateWindow();
        if (!QTest::qWaitForWindowActive(s))
            qWarning("%s did not become active", qPrintable(name));
        return s;
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
};

// Presses OK on every message box that opens while it lives, and remembers what
// each one said.
class MessageWatcher {
public:
    QStringList texts;
    QStringList titles;

    explicit MessageWatcher(QObject* context) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, context, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                titles.append(box->windowTitle());
                if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                    ok->click();
                else
                    box->reject();
            }
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

} // namespace sdtest
