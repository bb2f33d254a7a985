// Every screen from the keyboard and through a screen reader: a name for every
// control that takes the focus, digits from any keyboard layout in every
// lesson's boxes, Tab round each screen, and the current box set apart.

#include "app/navigator.h"
#include "app/screen.h"
#include "support/pupil.h"
#include "support/screentest.h"

#include <QtTest>

using namespace sd;
using sdtest::click;

namespace {

// One key event a character, as a keyboard with that layout sends them.
void typeKeys(QWidget* w, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QWidget* focused() {
    return QApplication::focusWidget();
}

// One Tab stop: an array of pressable labels or pictures by the array's name, a
// group of option buttons (Qt's own rule) by its frame's, any other by its own.
QString stopOf(const QWidget* w) {
    const auto* c = dynamic_cast<const Control*>(w);
    if ((qobject_cast<const Label*>(w) || qobject_cast<const Image*>(w)) && c->controlIndex() >= 0)
        return c->controlName();
    return qobject_cast<const OptionButton*>(w) ? w->parentWidget()->objectName() : w->objectName();
}

// The entry boxes that wear the bright frame of the current box.
QStringList framedBoxes(const Screen* s) {
    QStringList framed;
    for (const QWidget* w : s->canvas()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        for (Control* c : s->controls())
            if (!dynamic_cast<const Control*>(w) && !w->isHidden() && qobject_cast<TextBox*>(c->widget()) &&
                w->geometry().contains(c->widget()->geometry()) && w->geometry() != c->widget()->geometry())
                framed.append(c->widget()->objectName());
    return framed;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;

    Screen* open(const QString& name) {
        Screen* s = program->nav->show(name);
        s->activateWindow();
        return QTest::qWaitForWindowActive(s) ? s : nullptr;
    }

private slots:
    void init() { program = std::make_unique<sdtest::Program>(); }
    void cleanup() { program.reset(); }

    void everyFocusableControlHasAName();
    void tabVisitsEveryStopOnceARound_data();
    void tabVisitsEveryStopOnceARound();
    void digitsFromAnyKeyboard_data();
    void digitsFromAnyKeyboard();
    void expressingScreenFromTheKeyboard();
    void diagramNumberPressedTwiceFillsTwoBoxes();
    void vennBoxesTakingAnElementAreFramed();
};

void TestKeyboard::everyFocusableControlHasAName() {
    QStringList unnamed;
    for (const QString& name : program->nav->registeredScreens())
        for (const QWidget* w : program->nav->show(name)->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->accessibleName().trimmed().isEmpty())
                unnamed.append(name + QLatin1Char('/') + w->objectName());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
}

void TestKeyboard::tabVisitsEveryStopOnceARound_data() {
    QTest::addColumn<QString>("screen");
    for (const QString& name : sdtest::Program().nav->registeredScreens())
        QTest::newRow(qPrintable(name)) << name;
}

// Round the screen with Tab: every stop once, and back where it started.
void TestKeyboard::tabVisitsEveryStopOnceARound() {
    QFETCH(QString, screen);
    Screen* s = open(screen);
    QVERIFY(s);
    QMap<QString, int> expected;
    for (const QWidget* w : s->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(s) && w->isEnabled())
            expected.insert(stopOf(w), 1);
    if (!focused() || focused()->window() != s)
        QTest::keyClick(s, Qt::Key_Tab);
    QWidget* start = focused();
    QMap<QString, int> visits;
    for (int step = 0; step < 500 && (step == 0 || focused() != start); ++step) {
        ++visits[stopOf(focused())];
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    QCOMPARE(focused(), start);
    QCOMPARE(visits, expected);
}

void TestKeyboard::digitsFromAnyKeyboard_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("box"); // empty: the first entry box the screen shows
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("expressing") << "frmgrop3"
                                << "Text1(32)"
                                << "۱٣"
                                << "13";
    QTest::newRow("listing 1") << "frmGroups"
                               << "Text2(0)"
                               << "٥"
                               << "5";
    QTest::newRow("listing 2") << "frmgrop2"
                               << "Text4(3)"
                               << "۹"
                               << "9";
    QTest::newRow("difference") << "frmgroub5"
                                << "Text3(0)"
                                << "٠"
                                << "0";
    QTest::newRow("venn") << "frmvan"
                          << ""
                          << "٤٢"
                          << "42";
    QTest::newRow("board topic is free text") << "frmmagmoaat1"
                                              << "Text1"
                                              << "درس ٣"
                                              << "درس ٣";
}

void TestKeyboard::digitsFromAnyKeyboard() {
    QFETCH(QString, screen);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Screen* s = open(screen);
    QVERIFY(s);
    if (auto* option = s->find<OptionButton>("Option1"))
        click(option); // the Venn boxes show with a diagram
    TextBox* b = nullptr;
    for (TextBox* candidate : s->findChildren<TextBox*>())
        if (candidate->isVisible() && (box.isEmpty() || candidate->objectName() == box) && !b)
            b = candidate;
    QVERIFY(b);
    click(b);
    b->selectAll();
    typeKeys(b, typed);
    QCOMPARE(b->text(), expected);
}

// A pupil on an Arabic layout: the palette pressed with Space, digits typed and
// judged as the lesson's own, labels passed with Tab and the arrows leaving the
// marks, and only the bordered boxes framed through a check, "جديد" and the
// window coming back.
void TestKeyboard::expressingScreenFromTheKeyboard() {
    Screen* s = open("frmgrop3");
    QVERIFY(s);
    const auto box = [s](int i) { return s->get<TextBox>("Text1", i); };
    click(box(0));
    click(box(8)); // row 2, the numbers from 1 to 7
    QCOMPARE(box(0)->backColor(), QColor(Qt::blue));
    QCOMPARE(framedBoxes(s), QStringList{"Text1(8)"});
    s->get<Label>("Label28", 3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(box(8)->text(), QStringLiteral("3"));
    // The focus stays on the palette, so Space again writes the next box.
    QCOMPARE(focused(), s->get<Label>("Label28", 3));
    QCOMPARE(framedBoxes(s), QStringList{"Text1(9)"});
    typeKeys(box(9), "٥");
    click(box(10));
    typeKeys(box(10), "9");
    click(s->get<CommandButton>("Command3"));
    const QList<QColor> judged{box(8)->backColor(), box(9)->backColor(), box(10)->backColor()};
    QCOMPARE(judged, (QList<QColor>{Qt::black, Qt::black, Qt::red}));
    QCOMPARE(framedBoxes(s), QStringList{"Text1(10)"});

    s->get<Label>("Label23", 0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Left);
    QCOMPARE(focused(), s->get<Label>("Label23", 1));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), s->get<Label>("Label28", 3)); // the palette, where it was left
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(box(10)->backColor(), QColor(Qt::red));

    click(s->get<CommandButton>("Command14"));
    QVERIFY(open("frmgroub0"));
    s->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s));
    QCOMPARE(framedBoxes(s), QStringList{"Text1(10)"});
    QCOMPARE(box(10)->borderStyle(), 1);

    Label* number = s->get<Label>("Label3");
    const QString before = number->caption();
    number->setFocus(Qt::TabFocusReason);
    QTest::keyClick(number, Qt::Key_Return);
    QVERIFY(number->caption() != before);
}

// Space pressed again on a diagram number writes the next box, never a blank
// over what the pupil wrote.
void TestKeyboard::diagramNumberPressedTwiceFillsTwoBoxes() {
    Screen* s = open("frmGroups");
    QVERIFY(s);
    const auto box = [s](int i) { return s->get<TextBox>("Text1", i); };
    click(box(2));
    box(2)->setText(QStringLiteral("7"));
    click(box(0));
    Label* number = s->get<Label>("lbl1", 0);
    number->setFocus(Qt::TabFocusReason);
    QTest::keyClick(number, Qt::Key_Space);
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(focused(), number);
    const QStringList texts{box(0)->text(), box(1)->text(), box(2)->text()};
    QCOMPARE(texts, (QStringList{number->caption(), number->caption(), QStringLiteral("7")}));
}

// Every shown box takes a clicked element until one is chosen; then only it.
void TestKeyboard::vennBoxesTakingAnElementAreFramed() {
    Screen* s = open("frmvan");
    QVERIFY(s);
    click(s->get<OptionButton>("Option2"));
    const QStringList all = framedBoxes(s);
    QVERIFY(all.size() > 1);
    click(s->findChild<TextBox*>(all.first()));
    QCOMPARE(framedBoxes(s), QStringList{all.first()});
    click(s->get<CommandButton>("Command1"));
    click(s->get<OptionButton>("Option2"));
    QCOMPARE(framedBoxes(s), QStringList{});
}

SDTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
