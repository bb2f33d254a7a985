// The membership drill as a pupil meets it: the statements that open the lesson
// and follow each press of "مسائل جديدة", choosing a statement and placing
// symbols, correction, score, stars and starting again.

#include "lessons/membership/frmgroub4.h"
#include "support/layout.h"
#include "support/pupil.h"
#include "support/screentest.h"

#include <QtTest>

#include <algorithm>

using namespace sd;

namespace {

// The rows' controls and number labels, as the lesson names them.
struct RowNames {
    QString button, blank, model, labels;
    int count;
    QList<int> numbers; // A, B (or -1), R1, R2, R3
};

const RowNames kRows[5] = {
    {"Command1", "Image30", "Image14", "Label2", 10, {0, -1, 4, 6, 8}},
    {"Command2", "Image2", "Image16", "Label3", 10, {0, -1, 4, 6, 8}},
    {"Command3", "Image3", "Image17", "Label4", 8, {0, -1, 2, 4, 6}},
    {"Command4", "Image4", "Image18", "Label5", 12, {0, 2, 6, 8, 10}},
    {"Command5", "Image5", "Image19", "Label6", 8, {0, -1, 2, 4, 6}},
};

// Symbols by the palette button that carries them.
const QString kIn = "Command10";
const QString kNotIn = "Command11";
const QString kSub = "Command15";
const QString kNotSub = "Command14";

QString paletteFor(const QString& mark) {
    if (mark == "in")
        return kIn;
    if (mark == "notin")
        return kNotIn;
    if (mark == "sub")
        return kSub;
    return kNotSub;
}

} // namespace

class TestMembershipScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;
    Navigator* nav = nullptr;
    Screen* s = nullptr;

    QWidget* w(const QString& name, int index = -1) const { return sdtest::widget(s, name, index); }
    QString prop(const QString& name, const char* property, int index = -1) const {
        return w(name, index)->property(property).toString();
    }
    QRect twips(const QString& name, int index = -1) const {
        return w(name, index)->property("twips").toRect();
    }
    void click(const QString& name, int index = -1) { sdtest::click(w(name, index)); }
    QString picture(const QString& name) const { return prop(name, "picture"); }
    // Row k (1 to 5) as the screen stands, top to bottom.
    QList<int> rowsTopToBottom() const {
        QList<int> rows{1, 2, 3, 4, 5};
        std::sort(rows.begin(), rows.end(), [this](int a, int b) {
            return twips(kRows[a - 1].button).y() < twips(kRows[b - 1].button).y();
        });
        return rows;
    }
    int selectedRow() const {
        int selected = 0;
        for (int k = 1; k <= 5; ++k)
            if (w(kRows[k - 1].button)->property("appearance").toInt() == 1) {
                if (selected)
                    return -1; // two rows raised
                selected = k;
            }
        return selected;
    }
    void place(int row, const QString& palette) {
        click(kRows[row - 1].button);
        click(palette);
    }
    // Answers every row with the symbol its hidden model holds, except `wrong`
    // rows, which get a symbol that differs from it.
    void answerAllBut(QList<int> wrong) {
        for (int k = 1; k <= 5; ++k) {
            const QString correct = picture(kRows[k - 1].model);
            for (const QString& p : {kIn, kNotIn, kSub, kNotSub})
                if ((picture(p) == correct) != wrong.contains(k)) {
                    place(k, p);
                    break;
                }
        }
    }
    QString fraction() const { return prop("Label7", "caption") + "/" + prop("Label8", "caption"); }
    QList<int> visibleRewards() const {
        QList<int> shown;
        for (int i = 0; i <= 82; ++i)
            if (!w("Image1", i)->isHidden())
                shown.append(i);
        return shown;
    }

private slots:
    void init() {
        program = std::make_unique<sdtest::Program>();
        nav = program->nav.get();
        nav->show("frmgroub0");
        s = nav->show("frmgroub4");
        QVERIFY(s);
    }
    void cleanup() { program.reset(); }

    void window();
    void nothingOverlaps();
    void palette();
    void statementsAreLabelsOfTheirOwn();
    void problemSets_data();
    void problemSets();
    void choosingAStatement();
    void placingMovesTheSelectionDownAndWraps();
    void correction_data();
    void correction();
    void correctingWithNothingPlacedShowsEveryModel();
    void exactlyThreeQuartersOverSeveralSetsEarnsNothing();
    void correctionOnlyOncePerSet();
    void placingAfterCorrectionHidesModelsAndKeepsScore();
    void newProblemsKeepScoreAndEmptyBlanks();
    void aFullFieldShowsThe81stPictureOnly();
    void startAgain();
    void startAgainLetsTheSunBeEarned();
    void doubleClickShowsAndHidesTheCredit();
    void longScoresStayWhole();
    void exitAndReopenStartsAfresh();
    void keyboard();
};

void TestMembershipScreen::window() {
    QCOMPARE(s->objectName(), QStringLiteral("frmgroub4"));
    QCOMPARE(s->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!s->windowTitle().isEmpty());
    QVERIFY(s->screenSpec().picture);
    for (const char* action : {"Command7", "Command6", "Command9", "Command12"}) {
        QVERIFY(!w(action)->isHidden());
        QVERIFY(w(action)->isEnabled());
    }
    QCOMPARE(fraction(), QStringLiteral("0/0"));
    QVERIFY(w("Label30")->isHidden());
    QVERIFY(!w("Label9")->isHidden());
    // The two suns, and nothing else of the reward field.
    QCOMPARE(visibleRewards(), (QList<int>{29, 81}));
    QCOMPARE(w("Image1", 29)->property("picture").toString(), QStringLiteral("sun"));
    QCOMPARE(w("Image1", 81)->property("picture").toString(), QStringLiteral("sun"));
}

// With every model shown, no control covers another: the statements, the
// blanks, the palette, the score and the buttons each stand clear. Only row 4's
// "{", A and "،" stand close enough for their rectangles to meet (by a pixel),
// and the fraction bar lies on the denominator.
void TestMembershipScreen::nothingOverlaps() {
    click("Command7");
    const auto shown = sdtest::shownControls(s, [](const Control* c) {
        return !dynamic_cast<const Shape*>(c) && c->controlName() != QLatin1String("Image1");
    });
    QCOMPARE(sdtest::overlapping(s, shown),
             (QStringList{"Label5(3) / Label5(0)", "Label5(0) / Label5(1)", "Line1 / Label8"}));
}

void TestMembershipScreen::palette() {
    QSet<QString> pictures;
    for (const QString& name : {kIn, kNotIn, kSub, kNotSub}) {
        QVERIFY(!picture(name).isEmpty());
        pictures.insert(picture(name));
    }
    QCOMPARE(pictures.size(), 4);
    QVERIFY(w("Command16")->isHidden());
}

// Every number, brace and comma is a label of its own on its row's line; the
// left side stands to the right of the blank and the right-hand set, R1 to R3
// right to left, to its left.
void TestMembershipScreen::statementsAreLabelsOfTheirOwn() {
    for (int k = 1; k <= 5; ++k) {
        const RowNames& r = kRows[k - 1];
        const int top = twips(r.button).y();
        QCOMPARE(twips(r.blank).y(), top);
        QCOMPARE(twips(r.model).y(), top);
        QVERIFY(w(r.model)->isHidden());
        QVERIFY(!w(r.blank)->isHidden());
        for (int i = 0; i < r.count; ++i) {
            QVERIFY(!w(r.labels, i)->isHidden());
            QCOMPARE(twips(r.labels, i).y(), top);
        }
        QVERIFY(!s->findChild<QWidget*>(objectNameFor(r.labels, r.count))); // nothing beyond the array
        const int blank = twips(r.blank).x();
        QVERIFY(twips(r.labels, r.numbers[0]).x() > blank);
        QVERIFY(twips(r.labels, r.numbers[2] - 1).right() < blank);
        QCOMPARE(prop(r.labels, "caption", r.numbers[2] - 1), QStringLiteral("{"));
        QCOMPARE(prop(r.labels, "caption", r.count - 1), QStringLiteral("}"));
        QVERIFY(twips(r.labels, r.numbers[2]).x() > twips(r.labels, r.numbers[3]).x());
        QVERIFY(twips(r.labels, r.numbers[3]).x() > twips(r.labels, r.numbers[4]).x());
    }
    // Row 4's comma between A and B.
    QCOMPARE(prop("Label5", "caption", 1), QStringLiteral("،"));
    QVERIFY(twips("Label5", 0).x() > twips("Label5", 2).x());
}

// The sets top to bottom, as "row: A, B; R1, R2, R3 > symbol".
void TestMembershipScreen::problemSets_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("opening") << 0
                             << QStringList{"4: 6, 4; 6, 9, 0 > notsub", "5: 7; 5, 9, 0 > notin",
                                            "1: 5; 4, 2, 3 > notsub", "2: 5; 0, 5, 4 > sub",
                                            "3: 6; 5, 4, 6 > in"};
    QTest::newRow("one press") << 1
                               << QStringList{"2: 6; 3, 6, 5 > sub", "3: 7; 6, 8, 7 > in",
                                              "4: 7, 5; 7, 2, 3 > notsub", "5: 8; 6, 2, 3 > notin",
                                              "1: 8; 5, 3, 4 > notsub"};
}

void TestMembershipScreen::problemSets() {
    QFETCH(int, presses);
    QFETCH(QStringList, rows);
    for (int i = 0; i < presses; ++i)
        click("Command6");
    const QList<int> order = rowsTopToBottom();
    const int tops[] = {1620, 2460, 3240, 4020, 4800};
    for (int place = 0; place < 5; ++place) {
        // "4: 6, 4; 6, 9, 0 > notsub"
        const QString line = rows[place];
        const int row = line.section(':', 0, 0).toInt();
        QCOMPARE(order[place], row);
        const RowNames& r = kRows[row - 1];
        QCOMPARE(prop(r.button, "caption"), QString::number(place + 1));
        QCOMPARE(twips(r.button).y(), tops[place]);
        const QStringList left = line.section(':', 1).section(';', 0, 0).split(',');
        const QStringList right = line.section(';', 1).section('>', 0, 0).split(',');
        QCOMPARE(prop(r.labels, "caption", r.numbers[0]), left[0].trimmed());
        if (r.numbers[1] >= 0)
            QCOMPARE(prop(r.labels, "caption", r.numbers[1]), left[1].trimmed());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(prop(r.labels, "caption", r.numbers[2 + i]), right[i].trimmed());
        // Every part of the statement stands on its button's line.
        QCOMPARE(twips(r.blank).y(), tops[place]);
        QCOMPARE(twips(r.model).y(), tops[place]);
        for (int i = 0; i < r.count; ++i)
            QCOMPARE(twips(r.labels, i).y(), tops[place]);
        QCOMPARE(picture(r.model), picture(paletteFor(line.section('>', 1).trimmed())));
        QVERIFY(w(r.model)->isHidden());
        QVERIFY(picture(r.blank).isEmpty());
    }
    // The top row is the chosen one, its blank framed.
    QCOMPARE(selectedRow(), order[0]);
    QCOMPARE(twips("Shape6").y(), twips(kRows[order[0] - 1].blank).y());
}

void TestMembershipScreen::choosingAStatement() {
    // By its button.
    click("Command2");
    QCOMPARE(selectedRow(), 2);
    QCOMPARE(twips("Shape6").y(), twips("Image2").y());
    QCOMPARE(w("Command4")->property("appearance").toInt(), 0);
    // By its blank.
    click("Image3");
    QCOMPARE(selectedRow(), 3);
    QCOMPARE(twips("Shape6").y(), twips("Image3").y());
    click("Image30");
    QCOMPARE(selectedRow(), 1);
    // Clicking a statement's numbers chooses nothing.
    click("Label6", 0);
    QCOMPARE(selectedRow(), 1);
}

void TestMembershipScreen::placingMovesTheSelectionDownAndWraps() {
    // Opening order top to bottom: rows 4, 5, 1, 2, 3; row 4 is chosen.
    QCOMPARE(selectedRow(), 4);
    const QList<std::pair<QString, int>> presses = {{kIn, 5}, {kNotIn, 1}, {kSub, 2}, {kNotSub, 3}, {kIn, 4}};
    const int placedIn[] = {4, 5, 1, 2, 3};
    for (int i = 0; i < 5; ++i) {
        click(presses[i].first);
        QCOMPARE(picture(kRows[placedIn[i] - 1].blank), picture(presses[i].first));
        QCOMPARE(selectedRow(), presses[i].second);
        QCOMPARE(twips("Shape6").y(), twips(kRows[presses[i].second - 1].blank).y());
        // The next row in button order is the next one down the screen, and
        // after the bottom one comes the top one.
        const QList<int> order = rowsTopToBottom();
        QCOMPARE(order.indexOf(presses[i].second), (order.indexOf(placedIn[i]) + 1) % 5);
    }
    // The last press went to row 3 at the bottom and the choice is back at the top.
    QCOMPARE(rowsTopToBottom().first(), 4);
    // A second symbol in a blank replaces the first.
    click(kNotSub);
    QCOMPARE(picture("Image4"), picture(kNotSub));
    QCOMPARE(fraction(), QStringLiteral("0/0"));
}

// The opening set's correct symbols: row 1 ⊄, 2 ⊂, 3 ∈, 4 ⊄, 5 ∉.
void TestMembershipScreen::correction_data() {
    QTest::addColumn<QStringList>("answers"); // rows 1 to 5, by palette button
    QTest::addColumn<QString>("score");
    QTest::addColumn<QList<int>>("shownModels");
    QTest::addColumn<bool>("star");
    QTest::newRow("all right") << QStringList{kNotSub, kSub, kIn, kNotSub, kNotIn} << "5/5" << QList<int>{}
                               << true;
    QTest::newRow("4 of 5") << QStringList{kNotSub, kSub, kIn, kNotSub, kIn} << "4/5" << QList<int>{5}
                            << true;
    QTest::newRow("one blank left empty")
        << QStringList{kNotSub, kSub, kIn, QString(), kNotIn} << "4/5" << QList<int>{4} << true;
}

void TestMembershipScreen::correction() {
    QFETCH(QStringList, answers);
    QFETCH(QString, score);
    QFETCH(QList<int>, shownModels);
    QFETCH(bool, star);
    for (int k = 1; k <= 5; ++k)
        if (!answers[k - 1].isEmpty())
            place(k, answers[k - 1]);
    click("Command7");
    QCOMPARE(fraction(), score);
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(!w(kRows[k - 1].model)->isHidden(), shownModels.contains(k));
    QCOMPARE(!w("Image1", 0)->isHidden(), star);
    QCOMPARE(visibleRewards().size(), star ? 3 : 2);
    QVERIFY(!w("Command7")->isEnabled());
    // A wrong row's model carries the correct symbol, at the left end.
    if (shownModels.contains(5)) {
        QCOMPARE(picture("Image19"), picture(kNotIn));
        QVERIFY(twips("Image19").x() < twips("Label6", 7).x());
    }
}

void TestMembershipScreen::correctingWithNothingPlacedShowsEveryModel() {
    click("Command7");
    QCOMPARE(fraction(), QStringLiteral("0/5"));
    const QString expected[] = {kNotSub, kSub, kIn, kNotSub, kNotIn};
    for (int k = 1; k <= 5; ++k) {
        QVERIFY(!w(kRows[k - 1].model)->isHidden());
        QCOMPARE(picture(kRows[k - 1].model), picture(expected[k - 1]));
    }
    QCOMPARE(visibleRewards(), (QList<int>{29, 81}));
}

void TestMembershipScreen::exactlyThreeQuartersOverSeveralSetsEarnsNothing() {
    // 3/5, 7/10, 11/15, 15/20: never more than three quarters.
    answerAllBut({1, 2});
    click("Command7");
    QCOMPARE(fraction(), QStringLiteral("3/5"));
    for (int set = 0; set < 3; ++set) {
        click("Command6");
        answerAllBut({3});
        click("Command7");
    }
    QCOMPARE(fraction(), QStringLiteral("15/20"));
    QCOMPARE(visibleRewards(), (QList<int>{29, 81}));
    // 20/25 is more than three quarters.
    click("Command6");
    answerAllBut({});
    click("Command7");
    QCOMPARE(fraction(), QStringLiteral("20/25"));
    QCOMPARE(visibleRewards(), (QList<int>{0, 29, 81}));
}

void TestMembershipScreen::correctionOnlyOncePerSet() {
    answerAllBut({});
    click("Command7");
    click("Command7");
    QCOMPARE(fraction(), QStringLiteral("5/5"));
    QCOMPARE(visibleRewards(), (QList<int>{0, 29, 81}));
    click("Command6");
    QVERIFY(w("Command7")->isEnabled());
}

void TestMembershipScreen::placingAfterCorrectionHidesModelsAndKeepsScore() {
    click("Command7");
    QCOMPARE(fraction(), QStringLiteral("0/5"));
    click(kIn);
    for (int k = 1; k <= 5; ++k)
        QVERIFY(w(kRows[k - 1].model)->isHidden());
    QCOMPARE(fraction(), QStringLiteral("0/5"));
    QVERIFY(!w("Command7")->isEnabled());
}

void TestMembershipScreen::newProblemsKeepScoreAndEmptyBlanks() {
    answerAllBut({2});
    click("Command7");
    click("Command6");
    QCOMPARE(fraction(), QStringLiteral("4/5"));
    QCOMPARE(visibleRewards(), (QList<int>{0, 29, 81}));
    for (int k = 1; k <= 5; ++k) {
        QVERIFY(picture(kRows[k - 1].blank).isEmpty());
        QVERIFY(w(kRows[k - 1].model)->isHidden());
    }
    // Without answering: five more wrong answers, blanks emptied again.
    place(1, kIn);
    click("Command6");
    QVERIFY(picture("Image30").isEmpty());
    QCOMPARE(fraction(), QStringLiteral("4/5"));
}

// The field fills in index order by the shared reward rules (proved, order and
// all, on the Venn screen); here a good correction reveals the next picture,
// the last is Image1(80), and a full field takes no more.
void TestMembershipScreen::aFullFieldShowsThe81stPictureOnly() {
    for (int i = 0; i < 80; ++i)
        w("Image1", i)->show();
    answerAllBut({});
    click("Command7");
    QVERIFY(!w("Image1", 80)->isHidden());
    click("Command6");
    answerAllBut({});
    click("Command7");
    QCOMPARE(visibleRewards().size(), 82);
    QVERIFY(w("Image1", 82)->isHidden());
    // Start again clears the whole field, the last picture too.
    click("Command9");
    QCOMPARE(visibleRewards(), (QList<int>{81}));
}

void TestMembershipScreen::startAgain() {
    answerAllBut({});
    click("Command7");
    click("Command6");
    answerAllBut({});
    click("Command7");
    QCOMPARE(visibleRewards(), (QList<int>{0, 1, 29, 81}));
    place(2, kIn);
    click("Command9");
    QCOMPARE(fraction(), QStringLiteral("0/0"));
    QCOMPARE(visibleRewards(), (QList<int>{81}));
    QVERIFY(w("Command7")->isEnabled());
    for (int k = 1; k <= 5; ++k) {
        QVERIFY(picture(kRows[k - 1].blank).isEmpty());
        QVERIFY(w(kRows[k - 1].model)->isHidden());
    }
    // The set after the one on screen (the third), not the first.
    QCOMPARE(rowsTopToBottom(), (QList<int>{5, 1, 2, 3, 4}));
    QCOMPARE(prop("Label6", "caption", 0), QStringLiteral("9"));
    QCOMPARE(prop("Label2", "caption", 0), QStringLiteral("11"));
    QCOMPARE(selectedRow(), 5);
}

// Start again hides the sun at 29 too: the pupil earns it in its turn.
void TestMembershipScreen::startAgainLetsTheSunBeEarned() {
    click("Command9");
    for (int i = 0; i < 29; ++i)
        w("Image1", i)->show();
    answerAllBut({});
    click("Command7");
    QVERIFY(!w("Image1", 29)->isHidden());
    QVERIFY(w("Image1", 30)->isHidden());
}

void TestMembershipScreen::doubleClickShowsAndHidesTheCredit() {
    QTest::mouseDClick(w("Image1", 81), Qt::LeftButton);
    QVERIFY(!w("Label30")->isHidden());
    QTest::mouseDClick(w("Image1", 29), Qt::LeftButton);
    QVERIFY(w("Label30")->isHidden());
    answerAllBut({});
    click("Command7");
    QTest::mouseDClick(w("Image1", 0), Qt::LeftButton);
    QVERIFY(!w("Label30")->isHidden());
    QVERIFY(!prop("Label30", "caption").isEmpty());
    // A single click does nothing.
    click("Image1", 0);
    QVERIFY(!w("Label30")->isHidden());
}

// A two-digit score must show both digits, still centred over the fraction bar.
void TestMembershipScreen::longScoresStayWhole() {
    for (int set = 0; set < 2; ++set) {
        answerAllBut({});
        click("Command7");
        click("Command6");
    }
    QCOMPARE(fraction(), QStringLiteral("10/10"));
    auto* numerator = qobject_cast<Label*>(w("Label7"));
    const int needed = QFontMetrics(numerator->font()).horizontalAdvance("10");
    QVERIFY(numerator->width() >= needed);
    // About the stored centre, to a pixel.
    QVERIFY(qAbs(numerator->twips().center().x() - numerator->storedTwips().center().x()) <= 15);
    click("Command9");
    QCOMPARE(numerator->twips(), numerator->storedTwips());
}

void TestMembershipScreen::exitAndReopenStartsAfresh() {
    answerAllBut({});
    click("Command7");
    click("Command6");
    click("Command12");
    sdtest::flushDeletes();
    QVERIFY(!nav->find("frmgroub4"));
    QVERIFY(nav->find("frmgroub0"));
    s = nav->show("frmgroub4");
    QCOMPARE(fraction(), QStringLiteral("0/0"));
    QCOMPARE(visibleRewards(), (QList<int>{29, 81}));
    QCOMPARE(rowsTopToBottom(), (QList<int>{4, 5, 1, 2, 3}));
    QCOMPARE(prop("Label5", "caption", 0), QStringLiteral("6"));
}

void TestMembershipScreen::keyboard() {
    QVERIFY(QTest::qWaitForWindowActive(s));
    w("Command1")->setFocus();
    QStringList visited;
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{"Command2", "Command3", "Command4", "Command5", "Command10", "Command11",
                                   "Command15", "Command14", "Command7", "Command6", "Command9", "Command12",
                                   "Command1"}));
    // Space presses the focused symbol button: it lands in the chosen row.
    w("Command15")->setFocus();
    QTest::keyClick(w("Command15"), Qt::Key_Space);
    QCOMPARE(picture("Image4"), picture(kSub));
    // A stray Escape must not throw away the running score and stars.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    sdtest::flushDeletes();
    QVERIFY(nav->find("frmgroub4"));
}

SDTEST_MAIN(TestMembershipScreen)
#include "tst_frmgroub4.moc"
