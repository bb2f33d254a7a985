// Stories of opening, raising, unloading and leaving screens, as a pupil moves
// between the menu and the lessons.

#include "app/assets.h"
#include "app/navigator.h"
#include "app/screen.h"
#include "program/screens.h"
#include "support/screentest.h"

#include <QSignalSpy>
#include <QtTest>

using namespace sd;

namespace {

// A lesson-like screen: a number label the pupil steps, and the exit button.
const ScreenLayout& lessonLayout(const char* name) {
    static std::map<std::string, ScreenLayout> layouts;
    auto it = layouts.find(name);
    if (it == layouts.end()) {
        ScreenLayout layout{
            .screen = {.name = name, .width = 11880, .height = 8490, .title = "lesson"},
            .controls = {
                {.kind = Kind::Label, .name = "Label2", .at = {600, 600, 900, 300}, .caption = "44552"},
                {.kind = Kind::Label,
                 .name = "Label9",
                 .at = {600, 1200, 900, 300},
                 .caption = "",
                 .visible = false},
                {.kind = Kind::Button, .name = "Command12", .at = {720, 7560, 1635, 855}, .caption = "خروج"},
            }};
        it = layouts.emplace(name, std::move(layout)).first;
    }
    return it->second;
}

int g_loads = 0;

struct LessonFields {
    int timesLoaded = 0;
};

class Lesson : public Screen {
public:
    Lesson(Navigator* nav, const char* name) : Screen(lessonLayout(name), nav) {
        on<CommandButton>("Command12", &QAbstractButton::clicked, [this] { unloadMe(); });
        on<Label>("Label2", &Label::clicked, [this] { get<Label>("Label2")->setCaption("45084"); });
    }

protected:
    void Form_Load() override {
        ++g_loads;
        ++fields<LessonFields>().timesLoaded;
        get<Label>("Label9")->setVisible(true);
    }
};

QStringList visibleTopLevels() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<Screen*>(w))
            names.append(w->objectName());
    names.sort();
    return names;
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;
    Navigator* nav = nullptr;

private slots:
    void init() {
        sdtest::flushDeletes();
        g_loads = 0;
        program = std::make_unique<sdtest::Program>();
        nav = program->nav.get();
        for (const char* name : {"frmLessonA", "frmLessonB"})
            nav->registerScreen(name, [name](Navigator& n) { return new Lesson(&n, name); });
    }
    void cleanup() { program.reset(); }

    void openingTwiceIsOneWindowWithItsStateKept();
    void unloadingThenReopeningStartsFromTheStoredLayout();
    void exitClosesEveryScreenLastLoadedFirstAndEnds();
    void aScreenNotBuiltIntoTheProgramIsNotOpened();
    void everyPictureAScreenNamesExists();
    void closingTheMenuLeavesLessonsOpen();
    void programEndsWhenTheLastWindowIsClosed();
};

void TestNavigation::openingTwiceIsOneWindowWithItsStateKept() {
    Screen* first = nav->show("frmLessonA");
    QVERIFY(first);
    QCOMPARE(g_loads, 1);
    // A lesson opens at its stored client size, centred on the display.
    QCOMPARE(first->canvas()->size(), QSize(792, 566));
    const QRect display = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(first->geometry().center().x() - display.center().x()) <= 2);
    QVERIFY(first->get<Label>("Label9")->isVisible());
    QTest::mouseClick(first->get<Label>("Label2"), Qt::LeftButton);
    QCOMPARE(first->get<Label>("Label2")->caption(), QStringLiteral("45084"));

    Screen* second = nav->show("frmLessonA");
    QCOMPARE(second, first);
    QCOMPARE(g_loads, 1);
    QCOMPARE(second->get<Label>("Label2")->caption(), QStringLiteral("45084"));
    QCOMPARE(nav->loaded().size(), 1);
    QCOMPARE(visibleTopLevels(), QStringList{"frmLessonA"});
}

void TestNavigation::unloadingThenReopeningStartsFromTheStoredLayout() {
    nav->show("frmgroub0");
    Screen* lesson = nav->show("frmLessonA");
    QPointer<Screen> watch(lesson);
    QTest::mouseClick(lesson->get<Label>("Label2"), Qt::LeftButton);
    QSignalSpy unloaded(nav, &Navigator::screenUnloaded);

    QTest::mouseClick(lesson->get<CommandButton>("Command12"), Qt::LeftButton);
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(nav->find("frmLessonA") == nullptr);
    QVERIFY(!lesson->isVisible());
    sdtest::flushDeletes();
    QVERIFY2(watch.isNull(), "an unloaded screen's window and controls are destroyed");
    // The menu is left, in front again.
    QCOMPARE(visibleTopLevels(), QStringList{"frmgroub0"});

    Screen* again = nav->show("frmLessonA");
    QVERIFY(again);
    QCOMPARE(g_loads, 2);
    QCOMPARE(again->get<Label>("Label2")->caption(), QStringLiteral("44552"));
    // What the screen keeps in its own fields outlives the unloading; another
    // screen's fields are its own.
    QCOMPARE(again->fields<LessonFields>().timesLoaded, 2);
    QCOMPARE(nav->show("frmLessonB")->fields<LessonFields>().timesLoaded, 1);
}

void TestNavigation::exitClosesEveryScreenLastLoadedFirstAndEnds() {
    nav->show("frmgroub0");
    nav->show("frmLessonB");
    nav->show("frmAboutgroup");
    nav->show("frmLessonA");
    nav->show("frmLessonB"); // raised, not loaded again
    QSignalSpy unloaded(nav, &Navigator::screenUnloaded);

    QTest::mouseClick(nav->find("frmgroub0")->get<CommandButton>("Command12"), Qt::LeftButton);

    QStringList order;
    for (const QList<QVariant>& args : unloaded)
        order.append(args.at(0).toString());
    QCOMPARE(order, (QStringList{"frmLessonA", "frmAboutgroup", "frmLessonB", "frmgroub0"}));
    QCOMPARE(program->quits, 1);
    QVERIFY(nav->loaded().isEmpty());
    sdtest::flushDeletes();
    QVERIFY(visibleTopLevels().isEmpty());
}

void TestNavigation::aScreenNotBuiltIntoTheProgramIsNotOpened() {
    QVERIFY(nav->show("frmNoSuchLesson") == nullptr);
    QVERIFY(nav->loaded().isEmpty());
    QVERIFY(visibleTopLevels().isEmpty());
}

// A wrong picture name would show an empty place, or the plain arrow for a
// pointer: every screen of the program names only pictures it has.
void TestNavigation::everyPictureAScreenNamesExists() {
    QStringList missing;
    int screens = 0;
    for (const QString& name : nav->registeredScreens()) {
        const ScreenLayout* layout = nav->layoutOf(name);
        if (!layout)
            continue; // this test's own stand-in lessons
        ++screens;
        QCOMPARE(QString::fromUtf8(layout->screen.name), name);
        const auto check = [&](const char* picture, const QString& where) {
            if (picture && !assets::exists(QString::fromUtf8(picture)))
                missing.append(QStringLiteral("%1 %2: %3").arg(name, where, QString::fromUtf8(picture)));
        };
        check(layout->screen.picture, QStringLiteral("background"));
        check(layout->screen.icon, QStringLiteral("icon"));
        for (const ControlSpec& c : layout->controls) {
            const QString control = objectNameFor(QString::fromUtf8(c.name), c.index);
            check(c.picture, control);
            check(c.pointer, control + QStringLiteral(" pointer"));
        }
    }
    QVERIFY(screens >= 5);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
}

void TestNavigation::closingTheMenuLeavesLessonsOpen() {
    Screen* menu = nav->show("frmgroub0");
    nav->show("frmLessonA");
    QVERIFY(menu->close()); // the window's close box
    QCOMPARE(program->quits, 0);
    QCOMPARE(nav->loaded().size(), 1);
    QCOMPARE(nav->loaded().first()->screenName(), QStringLiteral("frmLessonA"));
    sdtest::flushDeletes();
    QCOMPARE(visibleTopLevels(), QStringList{"frmLessonA"});
    // Opening the menu again is a fresh menu, after the lesson.
    nav->show("frmgroub0");
    QCOMPARE(nav->loaded().last()->screenName(), QStringLiteral("frmgroub0"));
}

void TestNavigation::programEndsWhenTheLastWindowIsClosed() {
    // Run the real event loop: it must end only when the lesson, the last
    // window, is closed, not when the menu is.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<Screen> menu = nav->show("frmgroub0");
    QPointer<Screen> lesson = nav->show("frmLessonA");
    bool lessonOpenAfterMenuClosed = false;
    QTimer::singleShot(0, menu, [menu] { menu->close(); });
    QTimer::singleShot(50, lesson, [&] {
        lessonOpenAfterMenuClosed = lesson && lesson->isVisible() && lastClosed.isEmpty();
        lesson->close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    watchdog.start(5000);
    const int rc = QCoreApplication::exec();
    QCOMPARE(rc, 0);
    QVERIFY(lessonOpenAfterMenuClosed);
    QCOMPARE(lastClosed.count(), 1);
}

SDTEST_MAIN(TestNavigation)

#include "tst_navigation.moc"
