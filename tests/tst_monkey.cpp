// The monkey: for every screen the program registers, a long seeded random
// sequence of what a pupil's hands can do (clicks, double and right clicks, keys,
// typing in Arabic and Latin, the menu, pointer moves, foreign drops, the window's
// close box), checking after every single action that nothing crashed and that
// the screens still keep the control contract. Screens added later are covered
// without touching this file. A failure names the screen, the seed and the step;
// SETSDRILL_MONKEY_TRACE=1 prints every action, SETSDRILL_MONKEY_STEPS changes
// the length of the run.

#include "app/controls.h"
#include "app/navigator.h"
#include "app/screen.h"
#include "app/sysinfo.h"
#include "program/screens.h"
#include "support/testmain.h"

#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

constexpr int kDefaultSteps = 2000;

int stepsPerScreen() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("SETSDRILL_MONKEY_STEPS", &ok);
    return ok && n > 0 ? n : kDefaultSteps;
}

// FNV-1a of the name: each screen keeps its own seed when other screens are added.
quint32 seedFor(const QString& name) {
    quint32 h = 2166136261u;
    for (const char byte : name.toUtf8()) {
        h ^= static_cast<quint8>(byte);
        h *= 16777619u;
    }
    return h;
}

// The expected noise of a monkey: most keys and clicks land where nothing
// handles them, and QTest warns about each one; the offscreen platform warns
// on every raise() of a window shown again.
QtMessageHandler previousHandler = nullptr;

void dropExpectedWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message.contains(QLatin1String("not accepted by receiving widget")) ||
                                 message.startsWith(QLatin1String("This plugin does not support"))))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

// ---- The outside world: a registry and a process starter that are never real ----

const QStringList kToolPaths = {
    QStringLiteral("C:\\WINDOWS\\system32\\msinfo32.exe"),
    QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe"),
    QString(),
    QStringLiteral("   "),
};
const QStringList kToolFolders = {
    QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo"),
    QString(),
};

struct PortLog {
    int portsMade = 0;
    int lookups = 0;
    QStringList started;
};

class FakeSysInfoPort : public sd::SysInfoPort {
public:
    FakeSysInfoPort(std::shared_ptr<PortLog> log, quint32 seed) : log_(std::move(log)), rng_(seed) {}

    bool GetKeyValue(sd::RegistryRoot, const QString& keyName, const QString&, QString& value) override {
        ++log_->lookups;
        value.clear();
        if (rng_.bounded(3) == 0)
            return false;
        const QStringList& answers = keyName == QLatin1String(sd::kSysInfoKey) ? kToolPaths : kToolFolders;
        value = answers.at(rng_.bounded(int(answers.size())));
        return true;
    }
    bool fileExists(const QString&) override { return rng_.bounded(2) == 0; }
    bool startProcess(const QString& program) override {
        log_->started.append(program);
        return rng_.bounded(2) == 0;
    }

private:
    std::shared_ptr<PortLog> log_;
    QRandomGenerator rng_;
};

sd::Services fakeServices(const std::shared_ptr<PortLog>& log, quint32 seed) {
    sd::Services services;
    services.makeSysInfoPort = [log, seed]() -> std::unique_ptr<sd::SysInfoPort> {
        ++log->portsMade;
        return std::make_unique<FakeSysInfoPort>(log, seed + quint32(log->portsMade));
    };
    return services;
}

// Only a path the fake registry gave may ever be started.
bool isPathTheFakeGave(const QString& program) {
    if (program.trimmed().isEmpty())
        return false;
    if (kToolPaths.contains(program))
        return true;
    for (const QString& folder : kToolFolders)
        if (program == folder + QLatin1String(sd::kSysInfoFile))
            return true;
    return false;
}

// ---- Modal message boxes ----

// sd::MsgBox blocks in exec(); a repeating timer closes whatever modal window
// opens, as a pupil pressing OK would, and notes what breaks the contract.
struct ModalCloser {
    int closed = 0;
    QStringList problems;

    void closeActive() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        ++closed;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box->text().isEmpty())
                problems.append(QStringLiteral("a message box opened with no text"));
            QAbstractButton* button = box->defaultButton();
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
            else
                box->done(0);
            return;
        }
        problems.append(QStringLiteral("modal window %1 (%2) is not a QMessageBox")
                            .arg(modal->objectName(), QString::fromLatin1(modal->metaObject()->className())));
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
};

// ---- Invariants ----

QString controlProblem(const sd::Screen* screen) {
    QSet<QString> names;
    for (const sd::Control* c : screen->controls()) {
        const QWidget* w = c->widget();
        const QString expected = sd::objectNameFor(c->controlName(), c->controlIndex());
        if (w->objectName() != expected)
            return QStringLiteral("control %1 has objectName '%2'").arg(expected, w->objectName());
        if (names.contains(expected))
            return QStringLiteral("two controls are named %1").arg(expected);
        names.insert(expected);

        const QVariant tw = w->property("twips");
        if (!tw.isValid() || tw.metaType().id() != QMetaType::QRect)
            return QStringLiteral("%1 has no QRect twips property").arg(expected);
        const QRect r = tw.toRect();
        if (r != c->twips())
            return QStringLiteral("%1: twips property disagrees with twips()").arg(expected);
        // A line's twips are its first end and the run to the other, which may
        // point up or left; every other control has a real size.
        if (!qobject_cast<const sd::Line*>(w) && (r.width() < 0 || r.height() < 0))
            return QStringLiteral("%1 has negative twips size %2x%3")
                .arg(expected)
                .arg(r.width())
                .arg(r.height());
    }
    for (const QAction* a : screen->findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        if (a->objectName().isEmpty())
            continue;
        if (names.contains(a->objectName()))
            return QStringLiteral("menu item %1 shares its name").arg(a->objectName());
        names.insert(a->objectName());
    }
    return {};
}

QString invariantProblem(const sd::Navigator& navigator) {
    const QList<sd::Screen*> loaded = navigator.loaded();
    QSet<QString> names;
    for (const sd::Screen* s : loaded) {
        const QString name = s->objectName();
        if (name.isEmpty())
            return QStringLiteral("a loaded screen has no objectName");
        if (!s->isWindow())
            return QStringLiteral("screen %1 is not a top-level window").arg(name);
        if (!s->isVisible())
            return QStringLiteral("screen %1 is loaded but hidden").arg(name);
        if (names.contains(name))
            return QStringLiteral("screen %1 is loaded twice").arg(name);
        names.insert(name);
        if (navigator.find(name) != s)
            return QStringLiteral("find(%1) does not return the loaded screen").arg(name);
        if (const QString p = controlProblem(s); !p.isEmpty())
            return QStringLiteral("%1: %2").arg(name, p);
    }
    // Unloading destroys a screen; one that left the list but lives on is a leak
    // the pupil may even still see.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<sd::Screen*>(w); s && !loaded.contains(s))
            return QStringLiteral("screen %1 was unloaded but still exists (visible: %2)")
                .arg(s->objectName())
                .arg(s->isVisible());
    if (QWidget* modal = QApplication::activeModalWidget())
        return QStringLiteral("modal window %1 stayed open").arg(modal->objectName());
    return {};
}

// Lets the program finish what the action started, and destroys what it unloaded.
// An open pop-up menu would swallow the next actions; a pupil dismisses it too.
void settle() {
    QCoreApplication::processEvents();
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- The monkey's hands ----

struct KeyStroke {
    Qt::Key key;
    QString text;
};

QString describe(const QWidget* w) {
    return w ? (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                          : w->objectName())
             : QStringLiteral("(gone)");
}

class Monkey {
public:
    Monkey(sd::Navigator& navigator, QString screenName, quint32 seed)
        : navigator_(navigator), name_(std::move(screenName)), rng_(seed) {}

    int reshown = 0;
    int controlActions = 0;

    // The screen under test, shown again when a click or the exit took it away.
    sd::Screen* screen() {
        if (sd::Screen* s = navigator_.find(name_))
            return s;
        ++reshown;
        return navigator_.show(name_);
    }

    // One random action; returns what it did, for the failure message.
    QString act() {
        sd::Screen* s = screen();
        if (!s)
            return QStringLiteral("could not show %1").arg(name_);
        const int roll = int(rng_.bounded(100));
        if (roll < 30)
            return click(s, Qt::LeftButton, false);
        if (roll < 40)
            return click(s, Qt::LeftButton, true);
        if (roll < 46)
            return click(s, Qt::RightButton, false);
        if (roll < 66)
            return pressKey(s);
        if (roll < 76)
            return typeIntoEntryBox(s);
        if (roll < 79)
            return triggerMenuItem(s);
        if (roll < 91)
            return movePointer(s);
        if (roll < 99)
            return dropText(s);
        s->close(); // the window's close box
        return QStringLiteral("close box");
    }

private:
    QList<QWidget*> usableControls(const sd::Screen* s) const {
        QList<QWidget*> out;
        for (const sd::Control* c : s->controls()) {
            QWidget* w = c->widget();
            if (w->isVisible() && w->isEnabled() && !visiblePart(w, s).isEmpty())
                out.append(w);
        }
        return out;
    }

    // The part of a control inside its window, in the window's coordinates.
    static QRect visiblePart(const QWidget* w, const QWidget* window) {
        return QRect(w->mapTo(window, QPoint(0, 0)), w->size()) & window->rect();
    }

    QPoint pointIn(const QRect& r) {
        return r.topLeft() + QPoint(rng_.bounded(r.width()), rng_.bounded(r.height()));
    }

    // A point on the screen: mostly on a usable control, sometimes anywhere.
    std::optional<QPoint> pickPoint(sd::Screen* s) {
        const QList<QWidget*> controls = usableControls(s);
        if (!controls.isEmpty() && rng_.bounded(10) != 0) {
            ++controlActions;
            return pointIn(visiblePart(controls.at(rng_.bounded(int(controls.size()))), s));
        }
        if (s->rect().isEmpty())
            return std::nullopt;
        return pointIn(s->rect());
    }

    // What a real pointer at that point would hit: shapes and lines let the
    // mouse through, and a control may cover another.
    static QWidget* widgetAt(sd::Screen* s, QPoint p) {
        QWidget* hit = s->childAt(p);
        return hit ? hit : s;
    }

    QString click(sd::Screen* s, Qt::MouseButton button, bool twice) {
        const std::optional<QPoint> p = pickPoint(s);
        if (!p)
            return QStringLiteral("no place to click");
        QPointer<QWidget> target = widgetAt(s, *p);
        const QPoint local = target->mapFrom(s, *p);
        const QString what =
            QStringLiteral("%1 %2 on %3 at (%4,%5)")
                .arg(twice ? QStringLiteral("double click") : QStringLiteral("click"))
                .arg(button == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right"))
                .arg(describe(target))
                .arg(local.x())
                .arg(local.y());
        // A real double click is press, release, double-click, release. A step
        // may unload the window, so each one checks the target is still there.
        const int phases = twice ? 4 : 2;
        for (int phase = 0; phase < phases && target; ++phase) {
            if (phase % 2)
                QTest::mouseRelease(target, button, Qt::NoModifier, local);
            else if (phase == 2)
                QTest::mouseDClick(target, button, Qt::NoModifier, local);
            else
                QTest::mousePress(target, button, Qt::NoModifier, local);
        }
        return what;
    }

    KeyStroke randomCharacter() {
        switch (rng_.bounded(4)) {
        case 0: {
            const int d = int(rng_.bounded(10));
            return {Qt::Key(Qt::Key_0 + d), QString(QChar(u'0' + d))};
        }
        case 1: {
            const int l = int(rng_.bounded(26));
            return {Qt::Key(Qt::Key_A + l), QString(QChar(u'a' + l))};
        }
        case 2: {
            const char16_t arabic = char16_t(0x621 + rng_.bounded(0x64A - 0x621 + 1));
            return {Qt::Key(arabic), QString(QChar(arabic))};
        }
        default: {
            static const char16_t marks[] = {u' ', u',', u'{', u'}', u'-', 0x60C /* Arabic comma */};
            const char16_t m = marks[rng_.bounded(int(std::size(marks)))];
            return {Qt::Key(m), QString(QChar(m))};
        }
        }
    }

    KeyStroke randomKey() {
        static const Qt::Key named[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,  Qt::Key_End,
                                        Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Tab,   Qt::Key_Return,
                                        Qt::Key_Escape,    Qt::Key_Space,  Qt::Key_Enter, Qt::Key_Up,
                                        Qt::Key_Down};
        if (rng_.bounded(2) == 0)
            return randomCharacter();
        const Qt::Key k = named[rng_.bounded(int(std::size(named)))];
        return {k, k == Qt::Key_Space ? QStringLiteral(" ") : QString()};
    }

    // QTest::keyClicks aborts on text outside Latin-1, so every key goes
    // through sendKeyEvent; press and release are apart in case the key
    // unloads the window.
    static void stroke(const QPointer<QWidget>& w, const KeyStroke& k) {
        if (w)
            QTest::sendKeyEvent(QTest::Press, w, k.key, k.text, Qt::NoModifier);
        if (w)
            QTest::sendKeyEvent(QTest::Release, w, k.key, k.text, Qt::NoModifier);
    }

    QString pressKey(sd::Screen* s) {
        QPointer<QWidget> target;
        if (rng_.bounded(2) == 0) {
            target = QApplication::focusWidget();
        } else {
            QList<QWidget*> focusable;
            for (QWidget* w : usableControls(s))
                if (w->focusPolicy() != Qt::NoFocus)
                    focusable.append(w);
            if (!focusable.isEmpty())
                target = focusable.at(rng_.bounded(int(focusable.size())));
        }
        if (!target)
            target = s;
        const KeyStroke k = randomKey();
        const QString keyName = k.text.trimmed().isEmpty() ? QKeySequence(k.key).toString() : k.text;
        const QString what = QStringLiteral("key %1 to %2").arg(keyName, describe(target));
        stroke(target, k);
        return what;
    }

    QString typeIntoEntryBox(sd::Screen* s) {
        QList<QWidget*> boxes;
        for (QWidget* w : usableControls(s))
            if (qobject_cast<sd::TextBox*>(w))
                boxes.append(w);
        if (boxes.isEmpty())
            return pressKey(s);
        QPointer<QWidget> box = boxes.at(rng_.bounded(int(boxes.size())));
        const QString what = QStringLiteral("typing into %1").arg(describe(box));
        const QPoint at = pointIn(box->rect());
        QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, at);
        if (box)
            QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, at);
        const int length = 1 + int(rng_.bounded(8));
        for (int i = 0; i < length && box; ++i)
            stroke(box, randomCharacter());
        return what;
    }

    QString triggerMenuItem(sd::Screen* s) {
        QList<QAction*> items;
        for (QAction* a : s->findChildren<QAction*>(Qt::FindDirectChildrenOnly))
            if (!a->objectName().isEmpty() && a->isEnabled() && a->isVisible())
                items.append(a);
        if (items.isEmpty())
            return movePointer(s);
        QAction* item = items.at(rng_.bounded(int(items.size())));
        const QString what = QStringLiteral("menu %1").arg(item->objectName());
        item->trigger();
        return what;
    }

    // Mostly to the screen itself, which runs its mouse-move handler; sometimes
    // to whatever lies under the pointer.
    QString movePointer(sd::Screen* s) {
        if (s->rect().isEmpty())
            return QStringLiteral("no place to move to");
        const QPoint p = pointIn(s->rect());
        QWidget* target = rng_.bounded(3) == 0 ? widgetAt(s, p) : s;
        const QPoint local = target->mapFrom(s, p);
        const Qt::MouseButtons held = rng_.bounded(5) == 0 ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::NoButton,
                         held, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        return QStringLiteral("move over %1 at (%2,%3)").arg(describe(target)).arg(local.x()).arg(local.y());
    }

    // Text dragged in from another program: a lesson must ignore what is not
    // one of its own pieces.
    QString dropText(sd::Screen* s) {
        const std::optional<QPoint> p = pickPoint(s);
        if (!p)
            return QStringLiteral("no place to drop");
        QPointer<QWidget> target = widgetAt(s, *p);
        const QPoint local = target->mapFrom(s, *p);
        QMimeData mime;
        QString text;
        for (int i = int(rng_.bounded(6)); i >= 0; --i)
            text += randomCharacter().text;
        mime.setText(text);
        const QString what = QStringLiteral("drop text on %1").arg(describe(target));
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(local, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!target || !enter.isAccepted())
            return what;
        QDragMoveEvent over(local, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &over);
        if (!target)
            return what;
        QDropEvent drop(QPointF(local), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return what;
    }

    sd::Navigator& navigator_;
    const QString name_;
    QRandomGenerator rng_;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(dropExpectedWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void theStartScreenIsRegistered() {
        sd::Navigator navigator;
        sd::registerScreens(navigator, fakeServices(std::make_shared<PortLog>(), 1));
        QVERIFY(navigator.registeredScreens().contains(QLatin1String(sd::kStartScreen)));
    }

    void everyScreen_data() {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<quint32>("seed");
        sd::Navigator navigator;
        sd::registerScreens(navigator, fakeServices(std::make_shared<PortLog>(), 1));
        for (const QString& name : navigator.registeredScreens())
            QTest::newRow(qPrintable(name)) << name << seedFor(name);
    }

    void everyScreen() {
        QFETCH(QString, screenName);
        QFETCH(quint32, seed);

        auto portLog = std::make_shared<PortLog>();
        sd::Navigator navigator;
        int quits = 0;
        navigator.setQuitHandler([&quits] { ++quits; });
        sd::registerScreens(navigator, fakeServices(portLog, seed));

        ModalCloser closer;
        QTimer closeTimer;
        closeTimer.setInterval(5);
        connect(&closeTimer, &QTimer::timeout, &closeTimer, [&closer] { closer.closeActive(); });
        closeTimer.start();

        Monkey monkey(navigator, screenName, seed);
        QVERIFY2(monkey.screen(), qPrintable(QStringLiteral("%1 does not show").arg(screenName)));
        settle();
        QVERIFY2(invariantProblem(navigator).isEmpty(), qPrintable(invariantProblem(navigator)));

        const bool trace = qEnvironmentVariableIsSet("SETSDRILL_MONKEY_TRACE");
        const int steps = stepsPerScreen();
        for (int step = 0; step < steps; ++step) {
            const QString did = monkey.act();
            if (trace)
                qInfo("%s step %d: %s", qPrintable(screenName), step, qPrintable(did));
            settle();
            QString problem = closer.problems.join(QLatin1String("; "));
            if (problem.isEmpty())
                problem = invariantProblem(navigator);
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("%1, seed %2, step %3 (%4): %5")
                                                       .arg(screenName)
                                                       .arg(seed)
                                                       .arg(step)
                                                       .arg(did, problem)));
        }
        QVERIFY2(monkey.controlActions > 0, "the monkey never reached a control");

        for (const QString& program : std::as_const(portLog->started))
            QVERIFY2(isPathTheFakeGave(program),
                     qPrintable(
                         QStringLiteral("tried to start '%1', which the registry never gave").arg(program)));

        QVERIFY(monkey.screen());
        const int quitsBefore = quits;
        navigator.exitAll();
        settle();
        QVERIFY(navigator.loaded().isEmpty());
        QCOMPARE(quits, quitsBefore + 1);
        QVERIFY2(invariantProblem(navigator).isEmpty(), qPrintable(invariantProblem(navigator)));

        qInfo("%s: %d steps, shown again %d times, %d message boxes, program ended %d times, %d tool starts",
              qPrintable(screenName), steps, monkey.reshown, closer.closed, quitsBefore,
              int(portLog->started.size()));
    }
};

SDTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
