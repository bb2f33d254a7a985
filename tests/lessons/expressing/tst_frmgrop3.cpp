// The expressing-sets screen as a pupil meets it, driven through its controls:
// the rows and their numbers, stepping a problem, writing a set with live braces
// and commas, the palette, checking a row, the solution and its percentage.

#include "app/controls.h"
#include "app/navigator.h"
#include "app/twips.h"
#include "lessons/expressing/frmgrop3.h"
#include "support/layout.h"
#include "support/pupil.h"
#include "support/screentest.h"

#include <QtTest>

using namespace sd;
using sdtest::click;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 0xFF);
const QColor kRed(0xFF, 0, 0);
const QColor kGreen(0, 0xFF, 0);
const QString kComma = QStringLiteral("،");

const QStringList kChange{"Cmd1", "cmd2", "Cmd3", "Cmd4", "Cmd5", "Cmd6", "Cmd7", "Cmd8"};
const QStringList kCheck{"Command1", "Command3", "Command4", "Command5",
                         "Command6", "Command7", "Command8", "Command9"};
const QStringList kAnswer{"Label15", "Label16", "Label17", "Label18",
                          "Label19", "Label20", "Label21", "Label22"};
const QList<int> kAnswerLabels{11, 15, 15, 15, 13, 13, 9, 13};
const QList<int> kFirstBox{0, 8, 16, 24, 32, 39, 46, 53, 60};
// The numbers of each row's description, as the lesson names them.
const QList<QStringList> kNumbers{
    {"Label2"},           {"Label3", "Label4"},   {"Label5(0)", "Label6"}, {"Label7"},
    {"Label8", "Label9"}, {"Label10", "Label11"}, {"Label12", "Label13"},  {"Label14"}};

} // namespace

class TestFrmgrop3 : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;
    Navigator* nav = nullptr;
    Screen* s = nullptr;

    Label* label(const QString& name, int index = -1) const { return s->get<Label>(name, index); }
    TextBox* box(int i) const { return s->get<TextBox>("Text1", i); }
    CommandButton* button(const QString& name) const { return s->get<CommandButton>(name); }
    QString caption(const QString& name, int index = -1) const { return label(name, index)->caption(); }
    void clickLabel(const QString& name, int index = -1, int times = 1) {
        for (int i = 0; i < times; ++i)
            click(label(name, index));
    }
    void check(int row) { click(button(kCheck[row - 1])); }
    void fill(const QList<std::pair<int, QString>>& entries) {
        for (const auto& [i, text] : entries)
            box(i)->setText(text);
    }
    QList<int> borderedBoxes() const {
        QList<int> out;
        for (int i = 0; i < 60; ++i)
            if (box(i)->borderStyle() == 1)
                out.append(i);
        return out;
    }
    Label* answer(int row, int index) const { return label(kAnswer[row - 1], index); }
    QString percent() const { return caption("Label29", 11); }

private slots:
    void init() {
        program = std::make_unique<sdtest::Program>();
        nav = program->nav.get();
        s = nav->show("frmgrop3");
        QVERIFY(s);
    }
    void cleanup() { program.reset(); }

    void window();
    void numbersStandClearOfTheWords();
    void nothingOverlaps();
    void rowsStandOnTheirChangeButtons();
    void loadState();
    void noBoxIsSelectedAtTheStart();

    void clickingANumberStepsBoth_data();
    void clickingANumberStepsBoth();
    void equalsSignsChangeNothing();
    void stepHidesTheAnswerAndEnablesTheCheck();
    void changeButtonEmptiesTheRowAndKeepsTheBorder();
    void clickingANumberLeavesTheBoxesAlone();
    void newAndClearStepEveryProblem_data();
    void newAndClearStepEveryProblem();

    void selectingABox();
    void separatorsFollowTheWriting();
    void separatorClicksCycle();
    void typingKeepsTheBoxsOwnEditing();
    void tabWalksTheBoxesInOrder();
    void paletteWritesAndMovesOn_data();
    void paletteWritesAndMovesOn();
    void paletteWritesEveryBorderedBox();
    void paletteWithNoBorderedBoxDoesNothing();

    void digitsRowRepeatsAndWrong();
    void digitsRowPacksAndStepRestoresCommas();
    void closingBraceTouchesTheLastElement();
    void emptySetsKeepAGap();
    void judgingOnScreen_data();
    void judgingOnScreen();
    void emptySelectedBoxAfterCheck();
    void clickingIntoAJudgedRowWipesItsMarks();
    void typingAfterACheckKeepsTheColour();
    void comingBackToTheWindowKeepsTheMarks_data();
    void comingBackToTheWindowKeepsTheMarks();
    void comingBackFromAnotherWindowKeepsTheMarks();

    void solution_data();
    void solution();
    void solutionWorksOncePerSetOfProblems();
    void percentageOnlyFollowsTheElementTally();

    void exitReturnsToTheMenuAndReopensFresh();
    void pictureDoubleClickTogglesTheCredit();
};

// ---------------------------------------------------------------- the screen as stored

void TestFrmgrop3::window() {
    QCOMPARE(s->objectName(), QStringLiteral("frmgrop3"));
    QCOMPARE(s->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!s->windowTitle().isEmpty());
    QVERIFY(!s->windowIcon().isNull());
    QVERIFY(s->screenSpec().picture);
}

// What the pupil sees of a row: white ink is the description's words and the
// "=", yellow ink the numbers. Each number's rectangle holds its digits and
// keeps a clear gap to every word, whatever numbers the problem steps through.
void TestFrmgrop3::numbersStandClearOfTheWords() {
    const QList<QStringList>& numbers = kNumbers;
    constexpr int kClear = 5; // pixels: more than a blank of the description
    const auto white = [](QRgb c) { return qRed(c) > 90 && qGreen(c) > 90 && qBlue(c) > 90; };
    const auto yellow = [](QRgb c) { return qRed(c) > 90 && qGreen(c) > 90 && qBlue(c) < 60; };
    QWidget* canvas = s->canvas();
    const QRect panel(canvas->mapFrom(label("Label1", 0)->parentWidget(), QPoint(s->scale().toPx(8400), 0)),
                      QSize(s->scale().toPx(11400 - 8400), canvas->height()));
    for (int k = 1; k <= 8; ++k) {
        for (int step = 0; step < 5; ++step) {
            const QImage shot = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (const QString& name : numbers[k - 1]) {
                auto* n = s->findChild<Label*>(name);
                const QRect r(n->mapTo(canvas, QPoint(0, 0)), n->size());
                int digitsInside = 0;
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    for (int x = panel.left(); x < panel.left() + panel.width(); ++x) {
                        const QRgb c = shot.pixel(x, y);
                        if (yellow(c) && r.contains(x, y))
                            ++digitsInside;
                        if (white(c) && x >= r.left() - kClear && x <= r.right() + kClear)
                            QFAIL(qPrintable(QStringLiteral("row %1, %2 = %3: a word's ink at x %4 "
                                                            "(number spans %5..%6)")
                                                 .arg(k)
                                                 .arg(name, n->caption())
                                                 .arg(x)
                                                 .arg(r.left())
                                                 .arg(r.right())));
                    }
                }
                QVERIFY2(digitsInside > 0, qPrintable(name));
            }
            // Two numbers read right to left: a is the right-hand one.
            if (numbers[k - 1].size() == 2)
                QVERIFY(s->findChild<Label*>(numbers[k - 1][0])->left() >
                        s->findChild<Label*>(numbers[k - 1][1])->left());
            click(s->findChild<QWidget*>(numbers[k - 1][0]));
        }
    }
}

// With every answer shown, no control covers another but the numbers, which
// stand over the blanks of their own description; the panels lie under the
// rows, so that a click on a row reaches its control, and each holds its column.
void TestFrmgrop3::nothingOverlaps() {
    click(button("Command11"));
    const auto shown = sdtest::shownControls(
        s, [](const Control* c) { return !dynamic_cast<const Shape*>(c) && !dynamic_cast<const Image*>(c); });
    QStringList over;
    for (int k = 1; k <= 8; ++k)
        for (const QString& n : kNumbers[k - 1])
            over.append(QStringLiteral("Label1(%1) / %2").arg(k - 1).arg(n));
    QCOMPARE(sdtest::overlapping(s, shown), over);

    const auto holds = [](const Shape* panel, const Control* c) {
        return panel->twips().contains(c->twips()) &&
               panel->parentWidget()->children().indexOf(panel) <
                   panel->parentWidget()->children().indexOf(c->widget());
    };
    const auto* descriptions = s->get<Shape>("Shape2");
    const auto* grid = s->get<Shape>("Shape1");
    const auto* answers = s->get<Shape>("Shape3");
    QVERIFY(!descriptions->twips().intersects(grid->twips()));
    QVERIFY(!grid->twips().intersects(answers->twips()));
    for (int k = 1; k <= 8; ++k) {
        QVERIFY(holds(descriptions, label("Label1", k - 1)));
        for (int i = kFirstBox[k - 1]; i < kFirstBox[k]; ++i)
            QVERIFY(holds(grid, box(i)));
        for (int j = 0; j < kAnswerLabels[k - 1]; ++j)
            QVERIFY(holds(answers, answer(k, j)));
    }
}

void TestFrmgrop3::rowsStandOnTheirChangeButtons() {
    for (int k = 1; k <= 8; ++k) {
        const int top = button(kChange[k - 1])->top();
        QCOMPARE(label("Label1", k - 1)->top(), top);
        QCOMPARE(label("Label5", k)->top(), top);
        for (const QString& n : kNumbers[k - 1])
            QCOMPARE(s->findChild<Label*>(n)->top(), top);
        QCOMPARE(button(kCheck[k - 1])->top(), top);
        for (int i = kFirstBox[k - 1]; i < kFirstBox[k]; ++i) {
            QCOMPARE(box(i)->top(), top);
            QCOMPARE(label("Label23", i + k - 1)->top(), top);
            QCOMPARE(label("Label23", i + k)->top(), top);
        }
        for (int j = 0; j < kAnswerLabels[k - 1]; ++j)
            QCOMPARE(answer(k, j)->top(), top);
    }
}

void TestFrmgrop3::loadState() {
    for (int k = 1; k <= 8; ++k) {
        QVERIFY(button(kCheck[k - 1])->isEnabled());
        for (int j = 0; j < kAnswerLabels[k - 1]; ++j)
            QVERIFY(answer(k, j)->isHidden());
    }
    // Of the tallies the pupil sees only the percentage.
    for (int t = 0; t <= 10; ++t)
        QVERIFY(label("Label29", t)->isHidden());
    QCOMPARE(percent(), QStringLiteral("0"));
    QVERIFY(!label("Label29", 11)->isHidden());
    QVERIFY(!label("Label29", 12)->isHidden());
    QVERIFY(button("Command11")->isEnabled());
    QVERIFY(label("Label30")->isHidden());
    QVERIFY(!label("Label30")->caption().isEmpty());
    QVERIFY(!label("Label31")->isHidden());
    // The score button is never shown; the messages wait for a check.
    QVERIFY(button("Command2")->isHidden());
    QVERIFY(label("Label24")->isHidden());
    QVERIFY(label("Label25")->isHidden());
}

void TestFrmgrop3::noBoxIsSelectedAtTheStart() {
    // The window coming up is not the pupil choosing a box: none is selected,
    // so a palette digit has nowhere to go.
    QVERIFY(QTest::qWaitForWindowActive(s));
    QCoreApplication::processEvents();
    for (int i = 0; i < 60; ++i) {
        QCOMPARE(box(i)->backColor(), kBlack);
        QCOMPARE(box(i)->borderStyle(), 0);
    }
    clickLabel("Label28", 4);
    for (int i = 0; i < 60; ++i)
        QVERIFY(box(i)->text().isEmpty());
    QVERIFY(borderedBoxes().isEmpty());
}

// ---------------------------------------------------------------- stepping

void TestFrmgrop3::clickingANumberStepsBoth_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("Label4") << "Label4" << QStringList{"Label3", "Label4"} << QStringList{"4", "5"};
    QTest::newRow("Label9") << "Label9" << QStringList{"Label8", "Label9"} << QStringList{"5", "13"};
}

void TestFrmgrop3::clickingANumberStepsBoth() {
    QFETCH(QString, clicked);
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, after);
    click(s->findChild<QWidget*>(clicked));
    for (int i = 0; i < numbers.size(); ++i)
        QCOMPARE(s->findChild<Label*>(numbers[i])->caption(), after[i]);
}

void TestFrmgrop3::equalsSignsChangeNothing() {
    QStringList before;
    for (Control* c : s->controls())
        if (auto* l = dynamic_cast<Label*>(c))
            before.append(l->caption());
    for (int k = 1; k <= 8; ++k) {
        // A pupil's click on the sign lands on the sign, not on a number beside it.
        Label* equals = label("Label5", k);
        QCOMPARE(equals->parentWidget()->childAt(equals->geometry().center()), equals);
        clickLabel("Label5", k);
    }
    QStringList after;
    for (Control* c : s->controls())
        if (auto* l = dynamic_cast<Label*>(c))
            after.append(l->caption());
    QCOMPARE(after, before);
}

void TestFrmgrop3::stepHidesTheAnswerAndEnablesTheCheck() {
    check(3);
    QVERIFY(!button("Command4")->isEnabled());
    QVERIFY(!answer(3, 0)->isHidden());
    click(button("Command4")); // disabled: nothing happens
    clickLabel("Label6");
    QVERIFY(button("Command4")->isEnabled());
    for (int j = 0; j < 15; ++j)
        QVERIFY(answer(3, j)->isHidden());
}

void TestFrmgrop3::changeButtonEmptiesTheRowAndKeepsTheBorder() {
    click(box(17));
    QTest::keyClicks(box(17), "5");
    fill({{16, "4"}, {8, "1"}});
    check(2);
    click(button("Cmd3"));
    for (int i = 16; i < 24; ++i) {
        QVERIFY(box(i)->text().isEmpty());
        QCOMPARE(box(i)->backColor(), kBlack);
    }
    QCOMPARE(box(17)->borderStyle(), 1);
    QCOMPARE(caption("Label5", 0), QStringLiteral("1"));
    QCOMPARE(caption("Label6"), QStringLiteral("8"));
    // Other rows keep what the pupil wrote and the answer shown.
    QCOMPARE(box(8)->text(), QStringLiteral("1"));
    QVERIFY(!answer(2, 0)->isHidden());
}

void TestFrmgrop3::clickingANumberLeavesTheBoxesAlone() {
    // Between 3 and 9: 4 is right, 2 wrong, 5 twice repeated.
    click(box(21));
    QTest::keyClicks(box(21), "7");
    fill({{16, "4"}, {17, "2"}, {18, "5"}, {19, "5"}});
    check(3);
    const QList<QColor> before{kBlack, kRed, kGreen, kGreen, kBlack, kBlack};
    for (int j = 0; j < 6; ++j)
        QCOMPARE(box(16 + j)->backColor(), before[j]);
    clickLabel("Label6");
    QCOMPARE(caption("Label5", 0), QStringLiteral("1"));
    const QStringList texts{"4", "2", "5", "5", "", "7"};
    for (int j = 0; j < 6; ++j) {
        QCOMPARE(box(16 + j)->text(), texts[j]);
        QCOMPARE(box(16 + j)->backColor(), before[j]);
    }
    QCOMPARE(borderedBoxes(), (QList<int>{17, 18, 19}));
    QVERIFY(answer(3, 0)->isHidden());
    QVERIFY(button("Command4")->isEnabled());
}

void TestFrmgrop3::newAndClearStepEveryProblem_data() {
    QTest::addColumn<QString>("pressed");
    QTest::newRow("new") << "Command14";
    QTest::newRow("clear") << "Command10";
}

void TestFrmgrop3::newAndClearStepEveryProblem() {
    QFETCH(QString, pressed);
    fill({{0, "2"}, {1, "5"}, {2, "4"}, {40, "6"}});
    click(button("Command11"));
    QCOMPARE(percent(), QStringLiteral("9"));
    QVERIFY(!button("Command11")->isEnabled());
    click(button(pressed));
    const QStringList names{"Label2", "Label3",  "Label4",  "Label5(0)", "Label6",  "Label7", "Label8",
                            "Label9", "Label10", "Label11", "Label12",   "Label13", "Label14"};
    const QStringList stepped{"45084", "4", "5", "1", "8", "6", "5", "13", "2", "12", "30", "40", "1"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(s->findChild<Label*>(names[i])->caption(), stepped[i]);
    QVERIFY(button("Command11")->isEnabled());
    for (int t = 0; t <= 11; ++t)
        QCOMPARE(caption("Label29", t), QStringLiteral("0"));
    for (int k = 1; k <= 8; ++k) {
        QVERIFY(button(kCheck[k - 1])->isEnabled());
        QVERIFY(answer(k, 0)->isHidden());
    }
    for (int i = 0; i < 60; ++i) {
        QVERIFY(box(i)->text().isEmpty());
        QCOMPARE(box(i)->backColor(), kBlack);
    }
}

// ---------------------------------------------------------------- writing

void TestFrmgrop3::selectingABox() {
    click(box(10));
    QCOMPARE(box(10)->backColor(), kBlue);
    QCOMPARE(borderedBoxes(), QList<int>{10});
    click(box(12));
    QCOMPARE(box(10)->backColor(), kBlack);
    QCOMPARE(box(12)->backColor(), kBlue);
    QCOMPARE(borderedBoxes(), QList<int>{12});
    click(box(40));
    QCOMPARE(box(12)->backColor(), kBlue); // another row keeps its colour, not its border
    QCOMPARE(borderedBoxes(), QList<int>{40});
}

void TestFrmgrop3::separatorsFollowTheWriting() {
    // Row 2: boxes 8.., separators 9..17.
    click(box(8));
    QTest::keyClicks(box(8), "1");
    click(box(9));
    QTest::keyClicks(box(9), "2");
    click(box(10));
    QTest::keyClicks(box(10), "3");
    QCOMPARE(caption("Label23", 9), QStringLiteral("{"));
    QCOMPARE(caption("Label23", 10), kComma);
    QCOMPARE(caption("Label23", 11), kComma);
    QCOMPARE(caption("Label23", 12), QStringLiteral("}"));
    QCOMPARE(caption("Label23", 13), kComma);
    // Row 8's separators sit seven further on: box 59 is between 66 and 67.
    box(59)->setText("4");
    QCOMPARE(caption("Label23", 66), kComma);
    QCOMPARE(caption("Label23", 67), QStringLiteral("}"));
    box(53)->setText("1");
    QCOMPARE(caption("Label23", 60), QStringLiteral("{"));
    QCOMPARE(caption("Label23", 61), QStringLiteral("}"));
}

void TestFrmgrop3::separatorClicksCycle() {
    fill({{0, "2"}, {1, "5"}, {2, "4"}});
    QCOMPARE(caption("Label23", 3), QStringLiteral("}"));
    const QStringList cycle{".", kComma, "{", "}", "."};
    for (const QString& next : cycle) {
        clickLabel("Label23", 3);
        QCOMPARE(caption("Label23", 3), next);
    }
    // Separators never count: a row judged with odd punctuation is judged the same.
    check(1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(box(i)->backColor(), kBlack);
    QVERIFY(label("Label24")->isHidden());
}

void TestFrmgrop3::typingKeepsTheBoxsOwnEditing() {
    QVERIFY(QTest::qWaitForWindowActive(s));
    click(box(8));
    QTest::keyClicks(box(8), "3");
    QTest::keyClicks(box(8), "4"); // a full one-character box takes no more
    QCOMPARE(box(8)->text(), QStringLiteral("3"));
    click(box(9));
    QTest::keyClicks(box(9), "x");
    click(box(32));
    QTest::keyClicks(box(32), "13");
    QCOMPARE(box(32)->text(), QStringLiteral("13"));
    check(2);
    QCOMPARE(box(8)->backColor(), kBlack);
    QCOMPARE(box(9)->backColor(), kRed);
    QVERIFY(!label("Label24")->isHidden());
}

void TestFrmgrop3::tabWalksTheBoxesInOrder() {
    QVERIFY(QTest::qWaitForWindowActive(s));
    box(32)->setFocus();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{"Text1(33)", "Text1(34)", "Text1(35)", "Text1(36)"}));
    // Focus entering a box selects it.
    QCOMPARE(box(36)->backColor(), kBlue);
    QCOMPARE(borderedBoxes(), QList<int>{36});
    // A problem is read in order: its change button and numbers, its boxes, its check.
    s->get<CommandButton>("Cmd4")->setFocus(Qt::TabFocusReason);
    visited.clear();
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{"Label7", "Text1(24)", "Text1(25)", "Text1(26)", "Text1(27)", "Text1(28)",
                                   "Text1(29)", "Text1(30)", "Text1(31)", "Command5"}));
}

void TestFrmgrop3::paletteWritesAndMovesOn_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("next");
    QTest::newRow("first box") << 0 << 3 << 1;
    QTest::newRow("end of row 1 into row 2") << 7 << 9 << 8;
}

void TestFrmgrop3::paletteWritesAndMovesOn() {
    QFETCH(int, selected);
    QFETCH(int, digit);
    QFETCH(int, next);
    click(box(selected));
    clickLabel("Label28", digit);
    QCOMPARE(box(selected)->text(), QString::number(digit));
    QCOMPARE(box(next)->backColor(), kBlue);
    QCOMPARE(borderedBoxes(), QList<int>{next});
    // The separators followed the palette's writing too: "}" on the box's left.
    int row = 1;
    while (selected >= kFirstBox[row])
        ++row;
    QCOMPARE(caption("Label23", selected + row), QStringLiteral("}"));
}

void TestFrmgrop3::paletteWritesEveryBorderedBox() {
    // Wrong answers keep their borders after a check; a digit goes into each.
    fill({{1, "3"}, {3, "7"}, {4, "5"}});
    check(1);
    QCOMPARE(borderedBoxes(), (QList<int>{1, 3}));
    clickLabel("Label28", 2);
    QCOMPARE(box(1)->text(), QStringLiteral("2"));
    QCOMPARE(box(3)->text(), QStringLiteral("2"));
    QCOMPARE(box(4)->text(), QStringLiteral("5"));
    QCOMPARE(box(4)->backColor(), kBlue);
    QCOMPARE(borderedBoxes(), QList<int>{4});
    QCOMPARE(box(1)->backColor(), kBlack); // selecting in row 1 wiped its marks
}

void TestFrmgrop3::paletteWithNoBorderedBoxDoesNothing() {
    click(box(8));
    QTest::keyClicks(box(8), "1");
    check(2);
    QVERIFY(borderedBoxes().isEmpty());
    clickLabel("Label28", 5);
    for (int i = 0; i < 60; ++i)
        QCOMPARE(box(i)->text(), i == 8 ? QStringLiteral("1") : QString());
    QVERIFY(borderedBoxes().isEmpty());
    // The very last box writes and stays selected.
    click(box(59));
    clickLabel("Label28", 7);
    QCOMPARE(box(59)->text(), QStringLiteral("7"));
    QCOMPARE(borderedBoxes(), QList<int>{59});
}

// ---------------------------------------------------------------- checking

void TestFrmgrop3::digitsRowRepeatsAndWrong() {
    fill({{0, "4"}, {2, "4"}, {3, "2"}, {4, "3"}});
    click(box(6)); // selected and left empty
    check(1);
    QCOMPARE(box(0)->backColor(), kGreen);
    QCOMPARE(box(2)->backColor(), kGreen);
    QCOMPARE(box(0)->borderStyle(), 1);
    QCOMPARE(box(2)->borderStyle(), 1);
    QCOMPARE(box(3)->backColor(), kBlack);
    QCOMPARE(box(4)->backColor(), kRed);
    QCOMPARE(box(4)->borderStyle(), 1);
    QCOMPARE(box(6)->backColor(), kBlue);
    QCOMPARE(box(6)->borderStyle(), 1);
    QVERIFY(!label("Label24")->isHidden());
    QVERIFY(!label("Label25")->isHidden());
    // The next check starts by hiding both messages.
    fill({{8, "1"}});
    check(2);
    QVERIFY(label("Label24")->isHidden());
    QVERIFY(label("Label25")->isHidden());
}

void TestFrmgrop3::digitsRowPacksAndStepRestoresCommas() {
    check(1);
    const QStringList shown{"{", "2", " ، ", "5", "", "", " ، ", "4", "", "", "}"};
    for (int j = 0; j < 11; ++j) {
        QCOMPARE(answer(1, j)->caption(), shown[j]);
        QVERIFY(!answer(1, j)->isHidden());
    }
    for (int j = 1; j < 11; ++j) {
        QCOMPARE(answer(1, j)->left(), answer(1, j - 1)->left() - answer(1, j)->twipsWidth());
        if (shown[j].isEmpty())
            QCOMPARE(answer(1, j)->twipsWidth(), 0);
        else
            QVERIFY(answer(1, j)->twipsWidth() > 0);
    }
    // "}" touches the 4.
    QCOMPARE(answer(1, 10)->left() + answer(1, 10)->twipsWidth(), answer(1, 7)->left());
    QVERIFY(answer(1, 0)->left() + answer(1, 0)->twipsWidth() <= 3000);

    clickLabel("Label2");
    for (int j = 2; j <= 8; j += 2)
        QCOMPARE(answer(1, j)->caption(), QStringLiteral(" ، "));
}

void TestFrmgrop3::closingBraceTouchesTheLastElement() {
    check(2);
    for (int j = 0; j < 15; ++j)
        QVERIFY(!answer(2, j)->isHidden());
    QStringList elements;
    for (int j = 1; j <= 13; j += 2)
        elements.append(answer(2, j)->caption());
    QCOMPARE(elements, (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(answer(2, 14)->left() + answer(2, 14)->twipsWidth(), answer(2, 13)->left());

    // Problem 4 with n = 3: { 2 ، 1 ، 0 } and nothing beyond.
    clickLabel("Label7", -1, 2);
    check(4);
    QCOMPARE(answer(4, 1)->caption(), QStringLiteral("2"));
    QCOMPARE(answer(4, 3)->caption(), QStringLiteral("1"));
    QCOMPARE(answer(4, 5)->caption(), QStringLiteral("0"));
    for (int j = 0; j <= 5; ++j)
        QVERIFY(!answer(4, j)->isHidden());
    for (int j = 6; j <= 13; ++j)
        QVERIFY(answer(4, j)->isHidden());
    QVERIFY(!answer(4, 14)->isHidden());
    QCOMPARE(answer(4, 14)->left() + answer(4, 14)->twipsWidth(), answer(4, 5)->left());
    // Elements read right to left from the "{".
    QVERIFY(answer(4, 1)->left() < answer(4, 0)->left());
    QVERIFY(answer(4, 5)->left() < answer(4, 3)->left());
}

// Between 4 and 5: "{" and "}" with a gap, nothing between them.
void TestFrmgrop3::emptySetsKeepAGap() {
    const int row = 3;
    clickLabel("Label6", -1, 14);
    QCOMPARE((QStringList{caption("Label5", 0), caption("Label6")}), (QStringList{"4", "5"}));
    check(row);
    const int close = kAnswerLabels[row - 1] - 1;
    QVERIFY(!answer(row, 0)->isHidden());
    QVERIFY(!answer(row, close)->isHidden());
    for (int j = 1; j < close; ++j)
        QVERIFY(answer(row, j)->isHidden());
    QCOMPARE(answer(row, close)->left(), answer(row, 0)->left() - answer(row, close)->twipsWidth() - 200);
}

void TestFrmgrop3::judgingOnScreen_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("number"); // clicked `steps` times first
    QTest::addColumn<int>("steps");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("colours"); // b black, r red, g green per box
    QTest::addColumn<QString>("borders");
    QTest::addColumn<bool>("wrongNote");
    QTest::addColumn<bool>("repeatNote");
    QTest::newRow("from 2 to 5: ends in") << 2 << "Label3" << 5 << QStringList{"2", "5", "6"} << "bbr"
                                          << "001" << true << false;
    QTest::newRow("divisors of 20: .5 wrong, 2 twice green")
        << 8 << "Label14" << 0 << QStringList{".5", "2", " 2"} << "rgg"
        << "111" << true << true;
    QTest::newRow("even 3-15: repeats across the row")
        << 6 << "Label10" << 0 << QStringList{"4", "", "6", "4", "4"} << "gbbgg"
        << "10011" << false << true;
}

void TestFrmgrop3::judgingOnScreen() {
    QFETCH(int, row);
    QFETCH(QString, number);
    QFETCH(int, steps);
    QFETCH(QStringList, texts);
    QFETCH(QString, colours);
    QFETCH(QString, borders);
    QFETCH(bool, wrongNote);
    QFETCH(bool, repeatNote);
    for (int i = 0; i < steps; ++i)
        click(s->findChild<QWidget*>(number));
    const int first = kFirstBox[row - 1];
    for (int j = 0; j < texts.size(); ++j)
        box(first + j)->setText(texts[j]);
    check(row);
    for (int j = 0; j < texts.size(); ++j) {
        const QColor want = colours[j] == QLatin1Char('r')   ? kRed
                            : colours[j] == QLatin1Char('g') ? kGreen
                                                             : kBlack;
        QCOMPARE(box(first + j)->backColor(), want);
        QCOMPARE(box(first + j)->borderStyle(), borders[j] == QLatin1Char('1') ? 1 : 0);
    }
    QCOMPARE(!label("Label24")->isHidden(), wrongNote);
    QCOMPARE(!label("Label25")->isHidden(), repeatNote);
}

void TestFrmgrop3::emptySelectedBoxAfterCheck() {
    click(box(9));
    QCOMPARE(box(9)->backColor(), kBlue);
    check(2);
    QCOMPARE(box(9)->backColor(), kBlack);
    QCOMPARE(box(9)->borderStyle(), 0);
    // A not-a-number box keeps the border it had: the selected one keeps it.
    click(box(33));
    QTest::keyClicks(box(33), "b");
    check(5);
    QCOMPARE(box(33)->backColor(), kRed);
    QCOMPARE(box(33)->borderStyle(), 1);
    QVERIFY(label("Label24")->isHidden());
}

void TestFrmgrop3::clickingIntoAJudgedRowWipesItsMarks() {
    fill({{0, "3"}, {1, "4"}, {2, "4"}, {8, "9"}});
    check(1);
    check(2);
    QCOMPARE(box(0)->backColor(), kRed);
    QCOMPARE(box(1)->backColor(), kGreen);
    QCOMPARE(box(8)->backColor(), kRed);
    click(box(5));
    QCOMPARE(box(0)->backColor(), kBlack);
    QCOMPARE(box(1)->backColor(), kBlack);
    QCOMPARE(box(2)->backColor(), kBlack);
    QCOMPARE(box(8)->backColor(), kRed); // row 2 keeps its colour but not its border
    QCOMPARE(box(8)->borderStyle(), 0);
    // The check button stays off until the problem changes; the solution judges again.
    click(button("Command1"));
    QCOMPARE(box(0)->backColor(), kBlack);
    click(button("Command11"));
    QCOMPARE(box(0)->backColor(), kRed);
    QCOMPARE(box(1)->backColor(), kGreen);
}

void TestFrmgrop3::typingAfterACheckKeepsTheColour() {
    // From 1 to 7: 9 is wrong, 3 twice repeated.
    fill({{8, "9"}, {9, "3"}, {10, "3"}});
    check(2);
    QCOMPARE(box(8)->backColor(), kRed);
    QCOMPARE(box(9)->backColor(), kGreen);
    // The pupil mends the entries in place; the marks stay until judged again.
    QTest::keyClick(box(8), Qt::Key_Backspace);
    QTest::keyClicks(box(8), "2");
    QTest::keyClick(box(10), Qt::Key_Backspace);
    QTest::keyClicks(box(10), "4");
    QCOMPARE(box(8)->text(), QStringLiteral("2"));
    QCOMPARE(box(10)->text(), QStringLiteral("4"));
    QCOMPARE(box(8)->backColor(), kRed);
    QCOMPARE(box(9)->backColor(), kGreen);
    QCOMPARE(box(10)->backColor(), kGreen);
    QCOMPARE(borderedBoxes(), (QList<int>{8, 9, 10}));
    // The next check judges what is written now.
    click(button("Command11"));
    for (int i = 8; i <= 10; ++i) {
        QCOMPARE(box(i)->backColor(), kBlack);
        QCOMPARE(box(i)->borderStyle(), 0);
    }
}

void TestFrmgrop3::comingBackToTheWindowKeepsTheMarks_data() {
    QTest::addColumn<int>("reason");
    QTest::newRow("window active again") << int(Qt::ActiveWindowFocusReason);
    QTest::newRow("popup closed") << int(Qt::PopupFocusReason);
}

void TestFrmgrop3::comingBackToTheWindowKeepsTheMarks() {
    QFETCH(int, reason);
    fill({{0, "3"}, {1, "4"}, {2, "4"}});
    check(1);
    QCOMPARE(box(0)->backColor(), kRed);
    QFocusEvent back(QEvent::FocusIn, Qt::FocusReason(reason));
    QApplication::sendEvent(box(1), &back);
    QCOMPARE(box(0)->backColor(), kRed);
    QCOMPARE(box(1)->backColor(), kGreen);
    QCOMPARE(box(2)->backColor(), kGreen);
    QCOMPARE(borderedBoxes(), (QList<int>{0, 1, 2}));
    // Tabbing into the box is a choice: it selects it and wipes the row.
    QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box(1), &tab);
    QCOMPARE(box(0)->backColor(), kBlack);
    QCOMPARE(box(1)->backColor(), kBlue);
}

void TestFrmgrop3::comingBackFromAnotherWindowKeepsTheMarks() {
    QVERIFY(QTest::qWaitForWindowActive(s));
    click(box(3));
    QVERIFY(box(3)->hasFocus());
    fill({{0, "3"}, {1, "4"}, {2, "4"}});
    button("Command1")->click(); // pressed without taking the focus from box 3
    QVERIFY(box(3)->hasFocus());
    const QList<QColor> marks{kRed, kGreen, kGreen, kBlue};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(box(i)->backColor(), marks[i]);

    QWidget other;
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    s->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s));
    QTRY_VERIFY(box(3)->hasFocus());
    for (int i = 0; i < 4; ++i)
        QCOMPARE(box(i)->backColor(), marks[i]);
    QCOMPARE(borderedBoxes(), (QList<int>{0, 1, 2, 3}));
}

// ---------------------------------------------------------------- solution and score

void TestFrmgrop3::solution_data() {
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("percent");
    const QList<int> allBoxes{0,  1,  2,  8,  9,  10, 11, 12, 13, 14, 16, 17, 18, 19, 20,
                              24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 39, 40,
                              41, 42, 43, 44, 46, 47, 48, 49, 53, 54, 55, 56, 57, 58};
    const QStringList allTexts{"2",  "5",  "4",  "1",  "2",  "3",  "4",  "5", "6",  "7",  "4",
                               "5",  "6",  "7",  "8",  "6",  "5",  "4",  "3", "2",  "1",  "0",
                               "3",  "5",  "7",  "9",  "11", "13", "4",  "6", "8",  "10", "12",
                               "14", "11", "13", "17", "19", "1",  "20", "2", "10", "4",  "5"};
    QTest::newRow("only problem 1: 3 of 44") << QList<int>{0, 1, 2} << QStringList{"2", "5", "4"} << "7";
    // A repeated element earns one point in each problem it is repeated in: 9% is 4 of 44.
    QTest::newRow("repeats score once a problem")
        << QList<int>{0, 1, 2, 3, 8, 9} << QStringList{"2", "5", "4", "4", "3", "3"} << "9";
    QTest::newRow("every element once") << allBoxes << allTexts << "100";
}

void TestFrmgrop3::solution() {
    QFETCH(QList<int>, boxes);
    QFETCH(QStringList, texts);
    QFETCH(QString, percent);
    for (int i = 0; i < boxes.size(); ++i)
        box(boxes[i])->setText(texts[i]);
    click(button("Command11"));
    QCOMPARE(this->percent(), percent);
    QCOMPARE(caption("Label29", 10), QStringLiteral("44"));
    QVERIFY(!button("Command11")->isEnabled());
    for (int k = 1; k <= 8; ++k) {
        QVERIFY(!button(kCheck[k - 1])->isEnabled());
        QVERIFY(!answer(k, 0)->isHidden());
    }
}

void TestFrmgrop3::solutionWorksOncePerSetOfProblems() {
    fill({{0, "2"}});
    click(button("Command11"));
    QCOMPARE(percent(), QStringLiteral("2"));
    fill({{1, "5"}});
    click(button("Command11")); // disabled
    QCOMPARE(percent(), QStringLiteral("2"));
    // Later checks and selections leave the percentage alone.
    clickLabel("Label3");
    check(2);
    click(box(20));
    QCOMPARE(percent(), QStringLiteral("2"));
    click(button("Command14"));
    QCOMPARE(percent(), QStringLiteral("0"));
    QVERIFY(button("Command11")->isEnabled());
}

void TestFrmgrop3::percentageOnlyFollowsTheElementTally() {
    // The percentage is worked out when tally 10 changes, from tally 0.
    label("Label29", 0)->setCaption("5");
    QCOMPARE(percent(), QStringLiteral("0"));
    label("Label29", 10)->setCaption("8");
    QCOMPARE(percent(), QStringLiteral("62"));
    label("Label29", 0)->setCaption("7");
    label("Label29", 10)->setCaption("0");
    QCOMPARE(percent(), QStringLiteral("62")); // no elements: left as it was
}

// ---------------------------------------------------------------- leaving

void TestFrmgrop3::exitReturnsToTheMenuAndReopensFresh() {
    nav->unload(s);
    sdtest::flushDeletes();
    Screen* menu = nav->show("frmgroub0");
    QVERIFY(menu);
    click(menu->get<CommandButton>("Command4"));
    s = nav->find("frmgrop3");
    QVERIFY(s);
    clickLabel("Label2");
    box(3)->setText("9");
    click(button("Command12"));
    QVERIFY(!nav->find("frmgrop3"));
    QVERIFY(nav->find("frmgroub0"));
    sdtest::flushDeletes();
    click(menu->get<CommandButton>("Command4"));
    s = nav->find("frmgrop3");
    QVERIFY(s);
    QCOMPARE(caption("Label2"), QStringLiteral("44552"));
    QVERIFY(box(3)->text().isEmpty());
}

void TestFrmgrop3::pictureDoubleClickTogglesTheCredit() {
    auto* picture = s->get<Image>("Image1");
    QVERIFY(picture);
    QCOMPARE(picture->twips().topLeft(), QPoint(0, 0));
    QTest::mouseDClick(picture, Qt::LeftButton);
    QVERIFY(!label("Label30")->isHidden());
    QTest::mouseDClick(picture, Qt::LeftButton);
    QVERIFY(label("Label30")->isHidden());
}

SDTEST_MAIN(TestFrmgrop3)
#include "tst_frmgrop3.moc"
