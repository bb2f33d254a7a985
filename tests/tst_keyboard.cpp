// Every screen from the keyboard and through a screen reader: a name for every
// control that takes the focus, digits from any keyboard layout in every
// lesson's boxes, Tab round each screen, labels pressed with Space or Enter, and
// the current box set apart at a glance.

#include "app/navigator.h"
#include "app/screen.h"
#include "support/screentest.h"

#include <QtTest>

using namespace sd;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kRed(0xFF, 0, 0);
const QColor kBlue(0, 0, 0xFF);

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

// One key event a character, as a keyboard with that layout sends them.
void typeKeys(QWidget* w, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QWidget* focused() {
    return QApplication::focusWidget();
}

// What one Tab stop is called: an array of pressable labels or pictures is one
// stop, and so is a group of option buttons (Qt's own rule), by their array's or
// frame's name.
QString stopOf(const QWidget* w) {
    const auto* c = dynamic_cast<const Control*>(w);
    if ((qobject_cast<const Label*>(w) || qobject_cast<const Image*>(w)) && c && c->controlIndex() >= 0)
        return c->controlName();
    if (qobject_cast<const OptionButton*>(w))
        return w->parentWidget()->objectName();
    return w->objectName();
}

// The entry boxes that wear the bright frame of the current box, by name.
QStringList framedBoxes(const Screen* s) {
    QStringList framed;
    for (const QWidget* w : s->canvas()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (dynamic_cast<const Control*>(w) || w->isHidden())
            continue;
        for (Control* c : s->controls())
            if (qobject_cast<TextBox*>(c->widget()) && !c->widget()->isHidden() &&
                w->geometry().contains(c->widget()->geometry()) && w->geometry() != c->widget()->geometry())
                framed.append(c->widget()->objectName());
    }
    framed.sort();
    return framed;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;

    Screen* open(const QString& name) {
        Screen* s = program->nav->show(name);
        if (s) {
            s->activateWindow();
            if (!QTest::qWaitForWindowActive(s))
                return nullptr;
        }
        return s;
    }

private slots:
    void init() { program = std::make_unique<sdtest::Program>(); }
    void cleanup() { program.reset(); }

    void everyFocusableControlHasAName();
    void tabVisitsEveryStopOnceARound_data();
    void tabVisitsEveryStopOnceARound();
    void digitsFromAnyKeyboard_data();
    void digitsFromAnyKeyboard();
    void judgedAsTheDigitsTheyBecome();
    void labelsPressedFromTheKeyboard();
    void currentBoxStandsOutOnTheExpressingScreen();
    void currentBoxStandsOutOnTheVennScreen();
};

void TestKeyboard::everyFocusableControlHasAName() {
    QStringList unnamed;
    for (const QString& name : program->nav->registeredScreens()) {
        Screen* s = program->nav->show(name);
        QVERIFY2(s, qPrintable(name));
        for (const QWidget* w : s->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->accessibleName().trimmed().isEmpty())
                unnamed.append(name + QLatin1Char('/') + w->objectName());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
}

void TestKeyboard::tabVisitsEveryStopOnceARound_data() {
    QTest::addColumn<QString>("screen");
    sdtest::Program listing;
    for (const QString& name : listing.nav->registeredScreens())
        QTest::newRow(qPrintable(name)) << name;
}

// Round the screen with Tab: every stop once, and back where it started.
void TestKeyboard::tabVisitsEveryStopOnceARound() {
    QFETCH(QString, screen);
    Screen* s = open(screen);
    QVERIFY(s);
    QMap<QString, int> expected; // stop, or array of pressables, and its visits
    for (const QWidget* w : s->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(s) && w->isEnabled())
            expected.insert(stopOf(w), 1);
    QVERIFY(!expected.isEmpty());
    if (!focused() || focused()->window() != s)
        QTest::keyClick(s, Qt::Key_Tab);
    QWidget* start = focused();
    QVERIFY(start);
    QMap<QString, int> visits;
    for (int step = 0; step < 500; ++step) {
        ++visits[stopOf(focused())];
        QTest::keyClick(focused(), Qt::Key_Tab);
        if (focused() == start)
            break;
    }
    QCOMPARE(focused(), start);
    QCOMPARE(visits, expected);
}

void TestKeyboard::digitsFromAnyKeyboard_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<int>("index"); // -1: the first box the screen shows
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("expressing, one digit") << "frmgrop3"
                                           << "Text1" << 8 << "٣"
                                           << "3";
    QTest::newRow("expressing, two persian") << "frmgrop3"
                                             << "Text1" << 32 << "۱۳"
                                             << "13";
    QTest::newRow("listing 1") << "frmGroups"
                               << "Text2" << 0 << "٥"
                               << "5";
    QTest::newRow("listing 2") << "frmgrop2"
                               << "Text4" << 3 << "۹"
                               << "9";
    QTest::newRow("difference") << "frmgroub5"
                                << "Text3" << 0 << "٠"
                                << "0";
    QTest::newRow("venn") << "frmvan"
                          << "Text1" << -1 << "٤٢"
                          << "42";
    QTest::newRow("board topic is free text") << "frmmagmoaat1"
                                              << "Text1" << -1 << "درس ٣"
                                              << "درس ٣";
}

void TestKeyboard::digitsFromAnyKeyboard() {
    QFETCH(QString, screen);
    QFETCH(QString, boxes);
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Screen* s = open(screen);
    QVERIFY(s);
    if (Control* option = s->find("Option1"))
        click(option->widget()); // the Venn boxes show with a diagram
    TextBox* box = nullptr;
    for (int i : index < 0 ? s->indexes(boxes) : QList<int>{index})
        if (auto* b = s->find<TextBox>(boxes, i); b && b->isVisible()) {
            box = b;
            break;
        }
    if (!box)
        box = s->get<TextBox>(boxes);
    click(box);
    box->selectAll();
    typeKeys(box, typed);
    QCOMPARE(box->text(), expected);
}

// Digits typed on an Arabic layout are judged as the lesson's own.
void TestKeyboard::judgedAsTheDigitsTheyBecome() {
    Screen* s = open("frmgrop3");
    QVERIFY(s);
    const auto box = [s](int i) { return s->get<TextBox>("Text1", i); };
    click(box(8));
    typeKeys(box(8), "٣");
    click(box(9));
    typeKeys(box(9), "۵");
    click(s->get<CommandButton>("Command3")); // row 2: the numbers from 1 to 7
    QCOMPARE(box(8)->backColor(), kBlack);
    QCOMPARE(box(9)->backColor(), kBlack);
    QVERIFY(s->get<Label>("Label24")->isHidden());
}

// On the expressing screen: the palette and a number pressed with Space and
// Enter as with clicks; passing the labels with Tab leaves a judged row's marks.
void TestKeyboard::labelsPressedFromTheKeyboard() {
    Screen* s = open("frmgrop3");
    QVERIFY(s);
    const auto box = [s](int i) { return s->get<TextBox>("Text1", i); };
    click(box(8));
    s->get<Label>("Label28", 4)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(box(8)->text(), QStringLiteral("4"));
    QCOMPARE(focused(), box(9)); // and the next box is chosen, as after a click
    typeKeys(box(9), "9");
    click(s->get<CommandButton>("Command3"));
    QCOMPARE(box(9)->backColor(), kRed);

    s->get<Label>("Label23", 0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Left);
    QCOMPARE(focused(), s->get<Label>("Label23", 1));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("Label28(4)")); // the palette, where it was left
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(box(8)->backColor(), kBlack);
    QCOMPARE(box(9)->backColor(), kRed);

    Label* first = s->get<Label>("Label3");
    const QString before = first->caption();
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Return);
    QVERIFY(first->caption() != before);
}

// Several rows may hold blue boxes; only the bordered ones, which the palette
// writes into, wear the frame, through a check, "جديد" and the window coming back.
void TestKeyboard::currentBoxStandsOutOnTheExpressingScreen() {
    Screen* s = open("frmgrop3");
    QVERIFY(s);
    const auto box = [s](int i) { return s->get<TextBox>("Text1", i); };
    QVERIFY(framedBoxes(s).isEmpty());
    click(box(0));
    click(box(8));
    QCOMPARE(box(0)->backColor(), kBlue);
    QCOMPARE(framedBoxes(s), QStringList{"Text1(8)"});

    typeKeys(box(8), "3");
    click(box(9));
    typeKeys(box(9), "9");
    click(s->get<CommandButton>("Command3"));
    QCOMPARE(framedBoxes(s), QStringList{"Text1(9)"}); // the wrong one keeps a border
    QCOMPARE(box(9)->backColor(), kRed);
    click(s->get<CommandButton>("Command14"));
    QCOMPARE(framedBoxes(s), QStringList{"Text1(9)"});

    Screen* menu = open("frmgroub0");
    QVERIFY(menu);
    s->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s));
    QCOMPARE(framedBoxes(s), QStringList{"Text1(9)"});
    QCOMPARE(box(9)->borderStyle(), 1);
}

// On the Venn screen the boxes a clicked element goes into are framed.
void TestKeyboard::currentBoxStandsOutOnTheVennScreen() {
    Screen* s = open("frmvan");
    QVERIFY(s);
    click(s->get<OptionButton>("Option2"));
    const QStringList shown = framedBoxes(s);
    QVERIFY(shown.size() > 1); // every shown box takes a clicked element until one is chosen
    TextBox* chosen = s->get<TextBox>("Text1", shown.first().mid(6).chopped(1).toInt());
    click(chosen);
    QCOMPARE(framedBoxes(s), QStringList{chosen->objectName()});
    click(s->get<CommandButton>("Command1"));
    click(s->get<OptionButton>("Option2"));
    QCOMPARE(framedBoxes(s), QStringList{});
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
