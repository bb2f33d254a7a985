// The Venn diagram drill as a pupil meets it: the sets and "جديد", choosing a
// diagram with the mouse or the keyboard, writing elements, evaluation, the
// score out of 5 and the stars.

#include "app/controls.h"
#include "app/screen.h"
#include "support/pupil.h"
#include "support/screentest.h"

#include <QLocale>
#include <QtTest>

using namespace sd;

namespace {

const QColor kNormal(0x400040);
const QColor kHighlight(0x004040);
const QColor kBlack(Qt::black);
const QColor kRed(0xFF0000);
const QColor kGreen(0x00FF00);

const QString kRightTitle = QStringLiteral("تهنئة ");
const QString kRightText = QStringLiteral("  احسنت في اختيار الشكل المناسب  هيا اكتب العناصر على الشكل  ");
const QString kWrongTitle = QStringLiteral("تنبيه للطالب  ");
const QString kWrongText =
    QStringLiteral("  عذرا لم تحسن الاختيار ، سوف تخصم درجة من  التقدير ، وأعد الاختيار  ");

using Texts = QMap<int, QString>;
using Colours = QMap<int, QColor>;

} // namespace

class TestVennScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;
    std::unique_ptr<sdtest::MessageWatcher> messages;
    Screen* s = nullptr;
    QLocale savedLocale;

    QWidget* w(const QString& name, int index = -1) const { return sdtest::widget(s, name, index); }
    QString caption(const QString& name, int index = -1) const {
        return w(name, index)->property("caption").toString();
    }
    QLineEdit* box(int i) const { return qobject_cast<QLineEdit*>(w("Text1", i)); }
    QColor colour(int i) const { return w("Text1", i)->property("backColor").value<QColor>(); }
    bool shown(const QString& name, int index = -1) const { return !w(name, index)->isHidden(); }
    void click(const QString& name, int index = -1) { sdtest::click(w(name, index)); }
    void press(const QString& button, int times = 1) {
        for (int i = 0; i < times; ++i)
            click(button);
    }
    QString set(const QString& labels, int count) const {
        QStringList shownSlots;
        for (int k = 1; k < 2 * count; k += 2)
            if (shown(labels, k))
                shownSlots.append(caption(labels, k));
        return shownSlots.join(u' ');
    }
    QStringList key() const {
        QStringList out;
        for (int k = 0; k <= 12; ++k)
            out.append(caption("lbl1", k));
        return out;
    }
    QList<int> shownIndexes(const QString& name, int last) const {
        QList<int> out;
        for (int i = 0; i <= last; ++i)
            if (shown(name, i))
                out.append(i);
        return out;
    }
    QString fraction() const { return caption("Label5", 2) + "/" + caption("Label5", 3); }
    // The window manager gives the window back once a message box closes.
    void backFromMessage() {
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
    }
    void choose(int option) {
        click(QStringLiteral("Option%1").arg(option));
        click("Command4");
        backFromMessage();
    }
    void write(const Texts& texts) {
        for (auto it = texts.begin(); it != texts.end(); ++it)
            box(it.key())->setText(it.value());
    }
    void hover() {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(s, &move);
    }
    // The initial pair, right diagram at the first try, every element once.
    void perfectAnswer() {
        choose(1);
        write({{0, "2"}, {1, "6"}, {2, "7"}, {4, "1"}, {5, "5"}, {9, "3"}, {10, "4"}});
        click("Command3");
    }

private slots:
    void init() {
        savedLocale = QLocale();
        program = std::make_unique<sdtest::Program>();
        messages = std::make_unique<sdtest::MessageWatcher>(this);
        program->nav->show("frmgroub0");
        sdtest::click(sdtest::widget(program->nav->find("frmgroub0"), "Command6"));
        s = program->nav->find("frmvan");
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
    }
    void cleanup() {
        messages.reset();
        program.reset();
        QLocale::setDefault(savedLocale);
    }

    void opensAsStored();
    void hiddenSlotAndItsKey();
    void diagrams_data();
    void diagrams();
    void iconsAndKeyboardChooseToo();
    void choice_data();
    void choice();
    void switchingDiagramsKeepsTexts();
    void elementClicksFillHighlightedBoxes();
    void evaluation_data();
    void evaluation();
    void typingAfterAClickReplacesAndClearsVerdicts();
    void scoreAndStar_data();
    void scoreAndStar();
    void newPairInTheMiddleOfAnAnswer();
    void starOrder_data();
    void starOrder();
    void doubleClickOnAStarTogglesTheCredit();
};

void TestVennScreen::opensAsStored() {
    QCOMPARE(set("Label3", 4), QStringLiteral("1 3 4 5"));
    QCOMPARE(set("Label4", 5), QStringLiteral("1 2 6 7 5"));
    QCOMPARE(key(), (QStringList{"1", "", "", "5", "", "3", "4", "", "", "2", "6", "7", ""}));
    QCOMPARE(fraction(), QStringLiteral("0/0"));
    QCOMPARE(caption("Label5", 1), QStringLiteral("0"));
    QCOMPARE(caption("Label5", 4), QStringLiteral("1"));
    QVERIFY(w("Command4")->isEnabled());
    QVERIFY(!w("Command3")->isEnabled());
    QCOMPARE(shownIndexes("Text1", 16), QList<int>{});
    for (int i = 0; i <= 16; ++i)
        QCOMPARE(colour(i), kHighlight);
    QCOMPARE(shownIndexes("Shape2", 4), QList<int>{});
    QCOMPARE(shownIndexes("Image1", 81), (QList<int>{29, 81}));
    QVERIFY(!shown("Label30") && !shown("Label6") && !shown("Label7"));
    for (int k = 1; k <= 4; ++k) {
        QWidget* o = w(QStringLiteral("Option%1").arg(k));
        QVERIFY(!o->property("value").toBool());
        QVERIFY(!o->accessibleName().isEmpty());
    }
}

void TestVennScreen::hiddenSlotAndItsKey() {
    press("Command1");
    QCOMPARE(set("Label3", 4), QStringLiteral("7 5 3"));
    QVERIFY(!shown("Label3", 1) && !shown("Label3", 2));
    QCOMPARE(caption("Label3", 1), QStringLiteral("4"));
    press("Command1");
    QVERIFY(shown("Label3", 1) && shown("Label3", 2));
    press("Command1", 8); // ten presses in all bring the first pair back
    QCOMPARE(set("Label3", 4), QStringLiteral("1 3 4 5"));
    QCOMPARE(set("Label4", 5), QStringLiteral("1 2 6 7 5"));
    press("Command2", 3);
    QCOMPARE(set("Label3", 4), QStringLiteral("5 3 2"));
    QCOMPARE(key(), (QStringList{"", "5", "3", "2", "", "", "", "", "", "", "7", "", "4"}));
}

void TestVennScreen::diagrams_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QList<int>>("shapes");
    QTest::addColumn<QList<int>>("boxes");
    QTest::newRow("overlapping") << 1 << QList<int>{0, 1} << QList<int>{0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12};
    QTest::newRow("disjoint") << 2 << QList<int>{0, 2}
                              << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    QTest::newRow("inside") << 3 << QList<int>{0, 3} << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("equal") << 4 << QList<int>{0, 4} << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8};
}

// Each option draws its diagram at once, after any other; its icon turns white.
void TestVennScreen::diagrams() {
    QFETCH(int, option);
    QFETCH(QList<int>, shapes);
    QFETCH(QList<int>, boxes);
    for (int other : {4, 3, 2, 1}) {
        click(QStringLiteral("Option%1").arg(other));
        click(QStringLiteral("Option%1").arg(option));
        QCOMPARE(shownIndexes("Shape2", 4), shapes);
        QCOMPARE(shownIndexes("Text1", 16), boxes);
    }
    QVERIFY(shown("Label6") && shown("Label7"));
    for (int k = 0; k <= 7; ++k)
        QCOMPARE(w("Shape1", k)->property("borderColor").value<QColor>(),
                 QColor(k / 2 == option - 1 ? 0xFFFFFF : 0xFFFF80));
}

void TestVennScreen::iconsAndKeyboardChooseToo() {
    // A click on the icon of the inner oval chooses its option.
    QWidget* icon = w("Shape1", 5);
    QTest::mouseClick(w("Frame1"), Qt::LeftButton, {}, icon->geometry().center());
    QVERIFY(w("Option3")->property("value").toBool());
    QCOMPARE(shownIndexes("Shape2", 4), (QList<int>{0, 3}));

    // Arrow keys move the choice between the options; Enter on "موافق" judges it.
    w("Option3")->setFocus();
    QTest::keyClick(w("Option3"), Qt::Key_Up);
    QVERIFY(w("Option2")->property("value").toBool());
    QTest::keyClick(w("Option2"), Qt::Key_Up);
    QVERIFY(w("Option1")->property("value").toBool());
    QCOMPARE(shownIndexes("Shape2", 4), (QList<int>{0, 1}));
    w("Command4")->setFocus();
    QTest::keyClick(w("Command4"), Qt::Key_Return);
    QCOMPARE(messages->titles, QStringList{kRightTitle});
    backFromMessage();
    QVERIFY(w("Command3")->hasFocus());
}

void TestVennScreen::choice_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QList<int>>("attempts");
    QTest::addColumn<QString>("mark");
    QTest::newRow("right at once") << "Command1" << 0 << QList<int>{1} << "1";
    QTest::newRow("disjoint is wrong") << "Command1" << 0 << QList<int>{2} << "0";
    QTest::newRow("right after two wrong") << "Command1" << 0 << QList<int>{4, 2, 1} << "0";
}

void TestVennScreen::choice() {
    QFETCH(QString, button);
    QFETCH(int, presses);
    QFETCH(QList<int>, attempts);
    QFETCH(QString, mark);
    press(button, presses);
    for (int option : attempts)
        choose(option);
    QStringList titles(attempts.size() - 1, kWrongTitle), texts(attempts.size() - 1, kWrongText);
    const bool right = mark == "1" || attempts.size() > 1;
    titles.append(right ? kRightTitle : kWrongTitle);
    texts.append(right ? kRightText : kWrongText);
    QCOMPARE(messages->titles, titles);
    QCOMPARE(messages->texts, texts);
    QCOMPARE(caption("Label5", 4), mark);
    QCOMPARE(w("Command3")->isEnabled(), right);
    QCOMPARE(w("Command4")->isEnabled(), !right);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(w(QStringLiteral("Option%1").arg(k))->isEnabled(), !right);
    QVERIFY(w(QStringLiteral("Option%1").arg(attempts.last()))->property("value").toBool());
}

void TestVennScreen::switchingDiagramsKeepsTexts() {
    click("Option2");
    box(7)->setText("4");
    box(8)->setText("9");
    click("Option1");
    QVERIFY(!shown("Text1", 7) && !shown("Text1", 8));
    click("Option3");
    QVERIFY(shown("Text1", 7));
    QCOMPARE(box(7)->text(), QStringLiteral("4"));
    QCOMPARE(box(8)->text(), QStringLiteral("9"));
}

void TestVennScreen::elementClicksFillHighlightedBoxes() {
    choose(1);
    click("Label3", 3); // "3": every box is highlighted at load, hidden ones too
    for (int i = 0; i <= 16; ++i)
        QCOMPARE(box(i)->text(), QStringLiteral("3"));
    click("Text1", 9);
    QCOMPARE(colour(9), kHighlight);
    QCOMPARE(colour(10), kNormal);
    click("Label3", 7); // "5"
    click("Label3", 0); // "{"
    click("Label3", 2); // " ،"
    click("Label4", 10);
    QCOMPARE(box(9)->text(), QStringLiteral("5"));
    QCOMPARE(box(10)->text(), QStringLiteral("3"));
    QVERIFY(box(9)->hasFocus());
}

void TestVennScreen::evaluation_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("option");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<Colours>("colours");
    QTest::newRow("overlapping") << "Command1" << 0 << 1
                                 << Texts{{0, "2"}, {1, "6"}, {2, "7"},  {3, "1"}, {4, "1"},
                                          {5, "5"}, {9, "3"}, {10, "4"}, {11, "5"}}
                                 << Colours{{0, kBlack}, {1, kBlack},     {2, kBlack}, {3, kRed},
                                            {4, kBlack}, {5, kBlack},     {9, kBlack}, {10, kBlack},
                                            {11, kRed},  {12, kHighlight}};
    QTest::newRow("inside, hidden 4")
        << "Command2" << 3 << 3 << Texts{{5, "5"}, {6, "3"}, {7, "2"}, {0, "7"}, {1, "4"}, {8, "4"}}
        << Colours{{5, kBlack}, {6, kBlack}, {7, kBlack}, {0, kBlack}, {1, kBlack}, {8, kRed}};
    QTest::newRow("disjoint, four in س")
        << "Command2" << 1 << 2
        << Texts{{9, "7"}, {10, "6"}, {11, "8"}, {12, "1"}, {0, "4"}, {8, "9"}, {16, "9"}}
        << Colours{{9, kBlack}, {10, kBlack}, {11, kBlack}, {12, kBlack},
                   {0, kBlack}, {8, kBlack},  {16, kRed}};
    // A repeat counts inside one region only; blanks around an element are trimmed.
    QTest::newRow("repeats") << "Command2" << 1 << 2 << Texts{{9, "7"}, {10, " 7"}, {3, "7"}}
                             << Colours{{9, kGreen}, {10, kGreen}, {3, kRed}, {4, kNormal}};
}

// Verdict colours and the tooltips a mouse move over the screen gives them.
void TestVennScreen::evaluation() {
    QFETCH(QString, button);
    QFETCH(int, presses);
    QFETCH(int, option);
    QFETCH(Texts, texts);
    QFETCH(Colours, colours);
    press(button, presses);
    choose(option);
    write(texts);
    click("Command3");
    QVERIFY(!w("Command3")->isEnabled());
    hover();
    const QMap<QRgb, QString> tips{
        {kBlack.rgb(), "هذا الرقم صحيح "}, {kGreen.rgb(), "هذا الرقم مكرر "}, {kRed.rgb(), "هذا الرقم خطأ "}};
    for (auto it = colours.begin(); it != colours.end(); ++it) {
        QCOMPARE(colour(it.key()), it.value());
        QCOMPARE(w("Text1", it.key())->toolTip(), tips.value(it.value().rgb()));
    }
}

void TestVennScreen::typingAfterAClickReplacesAndClearsVerdicts() {
    perfectAnswer();
    QCOMPARE(colour(4), kBlack);
    click("Text1", 4);
    QTRY_COMPARE(box(4)->selectedText(), QStringLiteral("1"));
    QTest::keyClicks(box(4), "8");
    QCOMPARE(box(4)->text(), QStringLiteral("8"));
    for (int i = 0; i <= 16; ++i)
        QCOMPARE(colour(i), i == 4 ? kHighlight : kNormal);
    hover();
    QVERIFY(w("Text1", 0)->toolTip().isEmpty());
    QCOMPARE(fraction(), QStringLiteral("5/5"));
}

void TestVennScreen::scoreAndStar_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QList<int>>("attempts");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QList<int>>("stars");
    const Texts all{{0, "2"}, {1, "6"}, {2, "7"}, {4, "1"}, {5, "5"}, {9, "3"}, {10, "4"}};
    Texts oneWrong = all;
    oneWrong[3] = "9";
    oneWrong.remove(9);
    oneWrong.remove(10);
    QTest::newRow("perfect") << "en" << QList<int>{1} << all << "5/5" << QList<int>{0, 29, 81};
    QTest::newRow("wrong choice first") << "en" << QList<int>{2, 1} << all << "4/5" << QList<int>{0, 29, 81};
    QTest::newRow("a half, comma") << "de" << QList<int>{1} << oneWrong << "3,5/5" << QList<int>{29, 81};
}

void TestVennScreen::scoreAndStar() {
    QFETCH(QString, locale);
    QFETCH(QList<int>, attempts);
    QFETCH(Texts, texts);
    QFETCH(QString, score);
    QFETCH(QList<int>, stars);
    QLocale::setDefault(QLocale(locale));
    for (int option : attempts)
        choose(option);
    write(texts);
    click("Command3");
    QCOMPARE(fraction(), score);
    QCOMPARE(shownIndexes("Image1", 81), stars);
}

void TestVennScreen::newPairInTheMiddleOfAnAnswer() {
    perfectAnswer();
    press("Command1");
    press("Command1", 9);
    choose(1);
    write({{0, "2"}, {1, "2"}, {4, "1"}});
    click("Text1", 4);
    press("Command2");
    QCOMPARE(messages->titles, (QStringList{kRightTitle, kRightTitle}));
    QCOMPARE(shownIndexes("Text1", 16), QList<int>{});
    for (int i = 0; i <= 16; ++i) {
        QVERIFY(box(i)->text().isEmpty());
        QCOMPARE(colour(i), kNormal);
    }
    QCOMPARE(shownIndexes("Shape2", 4), QList<int>{});
    QVERIFY(!shown("Label6"));
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(w(QStringLiteral("Option%1").arg(k))->isEnabled());
        QVERIFY(!w(QStringLiteral("Option%1").arg(k))->property("value").toBool());
    }
    QVERIFY(w("Command4")->isEnabled() && !w("Command3")->isEnabled());
    QCOMPARE(fraction(), QStringLiteral("0/0"));
    QCOMPARE(caption("Label5", 4), QStringLiteral("1"));
    QCOMPARE(shownIndexes("Image1", 81), (QList<int>{0, 29, 81}));
    // An element click now goes nowhere: no box is highlighted.
    choose(2);
    click("Label4", 1);
    QVERIFY(box(0)->text().isEmpty());
}

void TestVennScreen::starOrder_data() {
    QTest::addColumn<int>("alreadyShown"); // Image1(0 .. n-1)
    QTest::addColumn<int>("next");         // -1: nothing new
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("first sun") << 21 << 21;
    QTest::newRow("second sun") << 22 << 22;
    QTest::newRow("over the sun shown from the start") << 29 << 30;
    QTest::newRow("last") << 80 << 80;
    QTest::newRow("all shown") << 81 << -1;
}

// The check runs on any change of a score field, from any handler.
void TestVennScreen::starOrder() {
    QFETCH(int, alreadyShown);
    QFETCH(int, next);
    for (int i = 0; i < alreadyShown; ++i)
        w("Image1", i)->show();
    QList<int> expected = shownIndexes("Image1", 81);
    if (next >= 0)
        expected.insert(std::lower_bound(expected.begin(), expected.end(), next), next);
    auto* score = qobject_cast<Label*>(w("Label5", 2));
    auto* denominator = qobject_cast<Label*>(w("Label5", 3));
    score->setCaption("4");
    denominator->setCaption("5");
    QCOMPARE(shownIndexes("Image1", 81), expected);
    denominator->setCaption("5"); // no change, no check
    QCOMPARE(shownIndexes("Image1", 81), expected);
}

void TestVennScreen::doubleClickOnAStarTogglesTheCredit() {
    QTest::mouseDClick(w("Image1", 29), Qt::LeftButton);
    QVERIFY(shown("Label30"));
    QTest::mouseDClick(w("Image1", 81), Qt::LeftButton);
    QVERIFY(!shown("Label30"));
}

SDTEST_MAIN(TestVennScreen)
#include "tst_frmvan.moc"
