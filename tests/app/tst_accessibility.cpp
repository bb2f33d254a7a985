// What a pupil who cannot see the screen meets, through Qt's accessibility
// interface as a screen reader reads it: every registered screen's window, the
// names of what can be pressed or written, what a check says; and the ring that
// shows the keyboard focus at a glance.

#include "app/accessibility.h"
#include "app/navigator.h"
#include "app/screen.h"
#include "support/screentest.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QtTest>

using namespace sd;

namespace {

// What a screen reader is told: Qt sends an object's showing to the desktop's
// accessibility bus (none is there offscreen), and a reader says a notification's
// name when it shows. This listens where Qt would send it.
struct Heard : QObject {
    QStringList notifications;
    explicit Heard(Screen* s) {
        auto* announcer = s->findChild<accessibility::Announcer*>();
        QVERIFY(announcer);
        QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);
        announcer->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show)
            notifications.append(QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name));
        return false;
    }
};

// Every interface a screen reader reaches from the window, walking children.
void walk(QAccessibleInterface* i, QList<QAccessibleInterface*>& out) {
    out.append(i);
    for (int k = 0; k < i->childCount(); ++k)
        if (QAccessibleInterface* c = i->child(k))
            walk(c, out);
}

QList<QAccessibleInterface*> reached(QWidget* window) {
    QList<QAccessibleInterface*> out;
    walk(QAccessible::queryAccessibleInterface(window), out);
    return out;
}

const ScreenLayout& liveLayout() {
    static const ScreenLayout layout = [] {
        ScreenLayout l{.screen = {.name = "frmLive", .width = 6000, .height = 3000}, .controls = {}};
        l.controls.push_back({.kind = Kind::Label,
                              .name = "lblScore",
                              .at = {300, 300, 1200, 450},
                              .caption = "0",
                              .accessibleName = "الدرجة %1 من 10",
                              .live = true});
        l.controls.push_back({.kind = Kind::Label,
                              .name = "lblNote",
                              .at = {300, 900, 3000, 450},
                              .caption = "أعد المحاولة",
                              .visible = false,
                              .live = true});
        l.controls.push_back({.kind = Kind::Label,
                              .name = "lblDigit",
                              .index = 0,
                              .at = {3000, 300, 450, 450},
                              .caption = "7"});
        l.controls.push_back({.kind = Kind::TextBox,
                              .name = "Text1",
                              .at = {4500, 300, 600, 450},
                              .caption = "",
                              .tabIndex = 0});
        l.controls.push_back({.kind = Kind::TextBox,
                              .name = "Text9",
                              .at = {0, 0, 600, 450},
                              .caption = "",
                              .visible = false,
                              .accessibleName = "لون",
                              .storage = true});
        l.controls.push_back({.kind = Kind::Frame, .name = "Frame1", .at = {300, 1500, 3000, 1200}});
        for (int k = 0; k < 2; ++k)
            l.controls.push_back({.kind = Kind::Option,
                                  .name = "Option1",
                                  .index = k,
                                  .at = {120 + 1200 * k, 300, 900, 450},
                                  .caption = k ? "ب" : "أ",
                                  .container = "Frame1"});
        markPressable(l.controls, "lblDigit", 0, "رقم %1 من س");
        return l;
    }();
    return layout;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;

private slots:
    void init() { program = std::make_unique<sdtest::Program>(); }
    void cleanup() { program.reset(); }

    void everyWindowIsAFrameNamedByItsLesson();
    void noTwoControlsSoundTheSame_data();
    void noTwoControlsSoundTheSame();
    void nothingHiddenOrDrawnByTheModelIsReached();
    void aCheckIsHeard_data();
    void aCheckIsHeard();
    void optionToggledByAScreenReaderIsChosenAsByAClick();
    void vennDiagramChosenByAScreenReader();
    void liveControlsAreSaidOnceWhenTheyChange();
    void namePatternsTakeTheCaption();
    void verdictLastsUntilTheBoxIsColouredAgain();
    void focusIsARingOutsideTheControl();
};

// A screen reader and the task bar tell the windows apart by their titles: no two
// begin alike, and each window is a frame (or, the About box, a dialog).
void TestAccessibility::everyWindowIsAFrameNamedByItsLesson() {
    QStringList lessons;
    for (const QString& name : program->nav->registeredScreens()) {
        Screen* s = program->nav->show(name);
        QAccessibleInterface* w = QAccessible::queryAccessibleInterface(s);
        const bool dialog = s->windowType() == Qt::Dialog;
        QCOMPARE(w->role(), dialog ? QAccessible::Dialog : QAccessible::Window);
        QCOMPARE(w->text(QAccessible::Name), s->windowTitle());
        const QString lesson = s->windowTitle().section(QStringLiteral(" — "), 0, 0).trimmed();
        QVERIFY2(!lesson.isEmpty() && !lessons.contains(lesson), qPrintable(name + ": " + s->windowTitle()));
        lessons.append(lesson);
    }
}

void TestAccessibility::noTwoControlsSoundTheSame_data() {
    QTest::addColumn<QString>("screen");
    const sdtest::Program names;
    for (const QString& name : names.nav->registeredScreens())
        QTest::newRow(qPrintable(name)) << name;
}

// Whatever a pupil can press or write into, shown, is told apart from every
// other by its name and description, as a screen reader says them.
void TestAccessibility::noTwoControlsSoundTheSame() {
    QFETCH(QString, screen);
    Screen* s = program->nav->show(screen);
    QHash<QString, QString> seen;
    QStringList same;
    for (QAccessibleInterface* i : reached(s)) {
        const auto* w = qobject_cast<const QWidget*>(i->object());
        const bool actionable = (i->actionInterface() && !i->actionInterface()->actionNames().isEmpty()) ||
                                i->editableTextInterface();
        if (!w || !w->isVisibleTo(s) || !actionable || i->role() == QAccessible::MenuItem)
            continue;
        const QString spoken = i->text(QAccessible::Name) + " | " + i->text(QAccessible::Description);
        // A box says where it stands; a pressed number or sign says more than itself.
        if (i->editableTextInterface() && !screen.startsWith("frmmagmoaat1"))
            QVERIFY2(i->text(QAccessible::Name).contains(QRegularExpression("[0-9]")), qPrintable(spoken));
        if (const auto* label = qobject_cast<const Label*>(w))
            QVERIFY2(i->text(QAccessible::Name) != label->caption().trimmed(), qPrintable(spoken));
        if (seen.contains(spoken))
            same.append(seen.value(spoken) + " / " + w->objectName() + ": " + spoken);
        seen.insert(spoken, w->objectName());
    }
    QVERIFY2(same.isEmpty(), qPrintable(same.join('\n')));
}

// One check a lesson: the pupil's moves, and what the announcement must hold.
struct CheckStory {
    const char* screen;
    void (*play)(Screen*);
    const char* heard;
};

void typeInto(Screen* s, const char* boxes, int index, const char* text) {
    s->get<TextBox>(boxes, index)->setText(text);
}

const CheckStory kStories[] = {
    {"frmgrop3",
     [](Screen* s) {
         typeInto(s, "Text1", 8, "1");
         typeInto(s, "Text1", 9, "1");
         s->get<CommandButton>("Command3")->click();
     },
     "مكرر 2"},
    {"frmGroups",
     [](Screen* s) {
         typeInto(s, "Text1", 0, "9");
         s->get<CommandButton>("Cmd1", 4)->click();
     },
     "المجموع"},
    {"frmgrop2",
     [](Screen* s) {
         typeInto(s, "Text1", 0, "0");
         s->get<CommandButton>("Cmd1", 4)->click();
     },
     "خطأ 1"},
    {"frmgroub5",
     [](Screen* s) {
         typeInto(s, "Text1", 0, "0");
         s->get<CommandButton>("Cmd1", 4)->click();
     },
     "درجة الصف 1"},
    {"frmvan",
     [](Screen* s) {
         QAccessible::queryAccessibleInterface(s->get<OptionButton>("Option1"))
             ->actionInterface()
             ->doAction(QAccessibleActionInterface::toggleAction());
         sdtest::MessageWatcher watcher(s);
         s->get<CommandButton>("Command4")->click();
         typeInto(s, "Text1", 0, "9");
         s->get<CommandButton>("Command3")->click();
     },
     "الدرجة"},
    {"frmgroub4",
     [](Screen* s) {
         s->get<CommandButton>("Command10")->click();
         s->get<CommandButton>("Command7")->click();
     },
     "من 5"},
};

void TestAccessibility::aCheckIsHeard_data() {
    QTest::addColumn<int>("story");
    for (int k = 0; k < int(std::size(kStories)); ++k)
        QTest::newRow(kStories[k].screen) << k;
}

// What a check changes is heard: its outcome and score said as it happens, and
// every judged box's verdict read when the pupil reaches the box.
void TestAccessibility::aCheckIsHeard() {
    QFETCH(int, story);
    const CheckStory& st = kStories[story];
    Screen* s = program->nav->show(st.screen);
    QVERIFY(QTest::qWaitForWindowExposed(s));
    Heard heard(s);
    st.play(s);
    QTRY_COMPARE(heard.notifications.size(), 1);
    QVERIFY2(heard.notifications.first().contains(st.heard), qPrintable(heard.notifications.first()));
    int judged = 0;
    for (const TextBox* box : s->findChildren<TextBox*>())
        if (box->isVisibleTo(s) && !box->text().isEmpty()) {
            const QString verdict = QAccessible::queryAccessibleInterface(const_cast<TextBox*>(box))
                                        ->text(QAccessible::Description);
            QVERIFY2(!verdict.isEmpty(), qPrintable(box->objectName()));
            ++judged;
        }
    QCOMPARE(judged > 0, QString(st.screen) != "frmgroub4");
    if (QString(st.screen) == "frmgroub4")
        QVERIFY(s->get<CommandButton>("Command1")->accessibleName().contains("الصحيح") ||
                s->get<CommandButton>("Command1")->accessibleName().contains("صحيح"));
}

// Controls that only hold a value, and the frames and ring the screen model draws
// round others, are nowhere in any screen's tree.
void TestAccessibility::nothingHiddenOrDrawnByTheModelIsReached() {
    for (const QString& name : program->nav->registeredScreens()) {
        Screen* s = program->nav->show(name);
        for (QAccessibleInterface* i : reached(s)) {
            const auto* w = qobject_cast<const QWidget*>(i->object());
            if (!w)
                continue; // a menu's item
            QVERIFY2(!accessibility::isLeftOut(w), qPrintable(name + ": " + w->objectName()));
            QVERIFY2(w == s || (i->parent() && i->parent()->indexOfChild(i) >= 0),
                     qPrintable(name + ": " + w->objectName()));
        }
    }
    Screen s(liveLayout());
    QList<QString> names;
    for (QAccessibleInterface* i : reached(&s))
        names.append(i->object()->objectName());
    QVERIFY(names.contains("Text1"));
    QVERIFY(!names.contains("Text9"));
}

void TestAccessibility::optionToggledByAScreenReaderIsChosenAsByAClick() {
    Screen s(liveLayout());
    auto* b = s.get<OptionButton>("Option1", 1);
    QSignalSpy clicks(b, &QAbstractButton::clicked);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(b);
    QCOMPARE(i->role(), QAccessible::RadioButton);
    QVERIFY(!i->state().checked);
    i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(clicks.count(), 1);
    QVERIFY(b->value());
    QVERIFY(i->state().checked);
    b->setEnabled(false);
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
}

// The Venn drill's choice runs when a screen reader toggles an option: its
// diagram and boxes show, and "موافق" judges that choice.
void TestAccessibility::vennDiagramChosenByAScreenReader() {
    Screen* s = program->nav->show("frmvan");
    QAccessibleInterface* option = QAccessible::queryAccessibleInterface(s->get<OptionButton>("Option1"));
    option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!s->control("Label6")->widget()->isHidden());
    QVERIFY(!s->control("Text1", 0)->widget()->isHidden());
    sdtest::MessageWatcher watcher(s);
    s->get<CommandButton>("Command4")->click();
    QCOMPARE(watcher.texts.size(), 1);
    QVERIFY(s->get<CommandButton>("Command3")->isEnabled());
}

// A score said once with its last value however many writes a handler makes, a
// note said when it appears, nothing said of what is hidden.
void TestAccessibility::liveControlsAreSaidOnceWhenTheyChange() {
    Screen s(liveLayout());
    Heard heard(&s);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QCoreApplication::processEvents();
    heard.notifications.clear();
    auto* score = s.get<Label>("lblScore");
    score->setCaption("1");
    score->setCaption("2.5");
    s.get<Label>("lblNote")->show();
    s.announce("خطأ واحد");
    QVERIFY(heard.notifications.isEmpty()); // said when the handler is over
    QTRY_COMPARE(heard.notifications, QStringList{"الدرجة 2.5 من 10. أعد المحاولة. خطأ واحد"});
    QCOMPARE(s.announced(), heard.notifications.first());
    score->hide();
    score->setCaption("3");
    s.announce("خطأ واحد");
    QTRY_COMPARE(heard.notifications.size(), 2);
    QCOMPARE(heard.notifications.last(), "خطأ واحد"); // the same words, said again
}

void TestAccessibility::namePatternsTakeTheCaption() {
    Screen s(liveLayout());
    auto* digit = s.get<Label>("lblDigit", 0);
    QCOMPARE(digit->accessibleName(), "رقم 7 من س");
    digit->setCaption("4");
    QCOMPARE(digit->accessibleName(), "رقم 4 من س");
    digit->setSpokenName("رقم %1 من ص");
    QCOMPARE(QAccessible::queryAccessibleInterface(digit)->text(QAccessible::Name), "رقم 4 من ص");
}

void TestAccessibility::verdictLastsUntilTheBoxIsColouredAgain() {
    Screen s(liveLayout());
    auto* box = s.get<TextBox>("Text1");
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
    box->judge(Qt::red, "خطأ");
    QCOMPARE(box->backColor(), QColor(Qt::red));
    QCOMPARE(i->text(QAccessible::Description), "خطأ");
    box->setText("4");
    QCOMPARE(i->text(QAccessible::Description), "خطأ");
    box->setBackColor(Qt::red); // coloured again by the lesson: no longer a verdict
    QCOMPARE(i->text(QAccessible::Description), QString());
}

// The ring stands outside the focused control, so what it shows is not covered,
// and leaves with the focus; an entry box shows its caret instead.
void TestAccessibility::focusIsARingOutsideTheControl() {
    Screen s(liveLayout());
    s.show();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    auto* ring = s.findChild<accessibility::FocusRing*>();
    QVERIFY(ring);
    auto* option = s.get<OptionButton>("Option1", 0);
    option->setFocus(Qt::TabFocusReason);
    QVERIFY(ring->isVisible());
    QCOMPARE(ring->parentWidget(), option->parentWidget());
    QVERIFY(ring->geometry().contains(option->geometry()) && ring->geometry() != option->geometry());
    auto* digit = s.get<Label>("lblDigit", 0);
    digit->setFocus(Qt::TabFocusReason);
    QCOMPARE(ring->parentWidget(), s.canvas());
    const QRect inner = ring->geometry().adjusted(4, 4, -4, -4); // the ring's inner black line is outside
    QVERIFY(inner.contains(digit->geometry()));
    s.get<TextBox>("Text1")->setFocus(Qt::TabFocusReason);
    QVERIFY(ring->isHidden());
}

SDTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
