// The membership drill as a pupil meets it: the statements that open the lesson
// and follow each press of "مسائل جديدة", choosing a statement and placing
// symbols, correction, score, stars and starting again.

#include "lessons/membership/frmgroub4.h"
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
    void palette();
    void statementsAreLabelsOfTheirOwn();
    void problemSets_data();
    void problemSets();
    void sixthAndEighthSets();
    void choosingAStatement();
    void placingMovesTheSelectionDownAndWraps();
    void correction_data();
    void correction();
    void correctingWithNothingPlacedShowsEveryModel();
    void exactlyThreeQuartersOverSeveralSetsEarnsNothing();
    void correctionOnlyOncePerSet();
    void placingAfterCorrectionHidesModelsAndKeepsScore();
    void newProblemsKeepScoreAndEmptyBlanks();
    void rewardOrderSkipsNothingButTheVisibleSun();
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
    QCOMPARE(s->canvas()->size(), QSize(792, 566));
    QCOMPARE(s->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!s->windowTitle().isEmpty());
    QCOMPARE(s->screenSpec().picture, "membership_background");
    QCOMPARE(s->screenSpec().icon, nullptr);
    QVERIFY(s->windowIcon().isNull());
    QCOMPARE(prop("Label1", "caption"), QStringLiteral("ضع في الفراغات الرمز المناسب من الرموز "));
    QCOMPARE(twips("Label1"), QRect(1020, 60, 8475, 495));
    QCOMPARE(w("Label1")->property("foreColor").value<QColor>(), QColor(Qt::blue));
    QCOMPARE(twips("Shape1"), QRect(1680, 1260, 7095, 4215));
    QCOMPARE(w("Shape1")->property("backColor").value<QColor>(), QColor(Qt::black));
    QCOMPARE(twips("Shape6").x(), 5880);
    QCOMPARE(twips("Shape6").size(), QSize(855, 540));
    QCOMPARE(w("Shape6")->property("borderColor").value<QColor>(), QColor(Qt::yellow));
    const QStringList actions[] = {{"Command7", "التصحيح", "5640"},
                                   {"Command6", "مسائل جديدة", "6300"},
                                   {"Command9", "ابدأ من جديد", "6960"}};
    for (const QStringList& a : actions) {
        QCOMPARE(prop(a[0], "caption"), a[1]);
        QCOMPARE(twips(a[0]), QRect(5640, a[2].toInt(), 1515, 555));
        QVERIFY(!w(a[0])->isHidden());
        QVERIFY(w(a[0])->isEnabled());
    }
    QCOMPARE(w("Command7")->property("backColor").value<QColor>(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(prop("Command12", "caption"), QStringLiteral("خروج"));
    QCOMPARE(twips("Command12"), QRect(300, 7020, 1635, 795));
    QCOMPARE(fraction(), QStringLiteral("0/0"));
    QCOMPARE(twips("Label7"), QRect(4140, 5700, 405, 855));
    QCOMPARE(twips("Label8"), QRect(4140, 6600, 405, 855));
    QVERIFY(w("Label30")->isHidden());
    QVERIFY(!w("Label9")->isHidden());
    // The two suns, and nothing else of the reward field.
    QCOMPARE(visibleRewards(), (QList<int>{29, 81}));
    QCOMPARE(w("Image1", 29)->property("picture").toString(), QStringLiteral("sun"));
    QCOMPARE(w("Image1", 81)->property("picture").toString(), QStringLiteral("sun"));
    QCOMPARE(twips("Image1", 81).size(), QSize(480, 480));
    QCOMPARE(twips("Image1", 0).size(), QSize(240, 225));
}

void TestMembershipScreen::palette() {
    const QList<std::pair<QString, int>> buttons = {
        {kIn, 6840}, {kNotIn, 6000}, {kSub, 5160}, {kNotSub, 4320}};
    QSet<QString> pictures;
    for (const auto& [name, left] : buttons) {
        QCOMPARE(twips(name), QRect(left, 600, 615, 615));
        QCOMPARE(w(name)->property("backColor").value<QColor>(), QColor(0xC0, 0xC0, 0xFF));
        QVERIFY(!picture(name).isEmpty());
        pictures.insert(picture(name));
    }
    QCOMPARE(pictures.size(), 4);
    QVERIFY(w("Command16")->isHidden());
    QVERIFY(picture("Command16").isEmpty());
}

// Every number, brace and comma is a label of its own; the left side stands to
// the right of the blank and the right-hand set to its left.
void TestMembershipScreen::statementsAreLabelsOfTheirOwn() {
    for (int k = 1; k <= 5; ++k) {
        const RowNames& r = kRows[k - 1];
        const int top = twips(r.button).y();
        QCOMPARE(twips(r.button).x(), 8340);
        QCOMPARE(twips(r.blank), QRect(6000, top, 615, 495));
        QCOMPARE(twips(r.model), QRect(2160, top, 600, 465));
        QVERIFY(w(r.model)->isHidden());
        QVERIFY(!w(r.blank)->isHidden());
        for (int i = 0; i < r.count; ++i) {
            QWidget* label = w(r.labels, i);
            QVERIFY(label);
            QVERIFY(!label->isHidden());
            QCOMPARE(twips(r.labels, i).y(), top);
            QCOMPARE(label->property("foreColor").value<QColor>(), QColor(Qt::white));
            QVERIFY(label->font().bold());
        }
        QVERIFY(!s->findChild<QWidget*>(objectNameFor(r.labels, r.count))); // nothing beyond the array
        const int a = r.numbers[0];
        QVERIFY(twips(r.labels, a).x() >= 6960 && twips(r.labels, a).right() < 8300);
        // Right-hand set: "{" at 5640, commas at 4920 and 4020, "}" at 3060.
        const int open = r.numbers[2] - 1;
        const int close = r.count - 1;
        QCOMPARE(prop(r.labels, "caption", open), QStringLiteral("{"));
        QCOMPARE(twips(r.labels, open).x(), 5640);
        QCOMPARE(prop(r.labels, "caption", r.numbers[2] + 1), QStringLiteral("،"));
        QCOMPARE(twips(r.labels, r.numbers[2] + 1).x(), 4920);
        QCOMPARE(prop(r.labels, "caption", r.numbers[3] + 1), QStringLiteral("،"));
        QCOMPARE(twips(r.labels, r.numbers[3] + 1).x(), 4020);
        QCOMPARE(prop(r.labels, "caption", close), QStringLiteral("}"));
        QCOMPARE(twips(r.labels, close).x(), 3060);
        // R1, R2, R3 stand right to left between them.
        QVERIFY(twips(r.labels, r.numbers[2]).x() > twips(r.labels, r.numbers[3]).x());
        QVERIFY(twips(r.labels, r.numbers[3]).x() > twips(r.labels, r.numbers[4]).x());
    }
    // The rows with braces on the left side, and row 4's comma between A and B.
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
    QTest::newRow("two presses") << 2
                                 << QStringList{"5: 9; 7, 5, 6 > notin", "1: 11; 6, 4, 5 > notsub",
                                                "2: 7; 8, 7, 6 > sub", "3: 8; 7, 11, 8 > in",
                                                "4: 8, 6; 8, 5, 6 > sub"};
    QTest::newRow("three presses") << 3
                                   << QStringList{"3: 9; 8, 2, 9 > in", "4: 9, 7; 8, 7, 9 > sub",
                                                  "5: 10; 0, 100, 1 > notin", "1: 1; 7, 5, 6 > notsub",
                                                  "2: 8; 1, 8, 7 > sub"};
    QTest::newRow("four presses") << 4
                                  << QStringList{"1: 4; 8, 6, 7 > notsub", "2: 9; 4, 9, 8 > sub",
                                                 "3: 10; 9, 5, 10 > in", "4: 0, 8; 9, 0, 2 > notsub",
                                                 "5: 11; 1, 3, 4 > notin"};
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

void TestMembershipScreen::sixthAndEighthSets() {
    for (int i = 0; i < 5; ++i)
        click("Command6");
    QCOMPARE(prop("Label2", "caption", 0), QStringLiteral("7"));
    QCOMPARE((QStringList{prop("Label2", "caption", 4), prop("Label2", "caption", 6),
                          prop("Label2", "caption", 8)}),
             (QStringList{"70", "7", "77"}));
    QCOMPARE(picture("Image14"), picture(kSub));
    click("Command6");
    click("Command6");
    QCOMPARE(prop("Label5", "caption", 0), QStringLiteral("3"));
    QCOMPARE(prop("Label5", "caption", 2), QStringLiteral("1"));
    QCOMPARE((QStringList{prop("Label5", "caption", 6), prop("Label5", "caption", 8),
                          prop("Label5", "caption", 10)}),
             (QStringList{"31", "13", "1"}));
    QCOMPARE(picture("Image18"), picture(kNotSub));
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
    QTest::newRow("3 of 5") << QStringList{kSub, kSub, kIn, kNotSub, kIn} << "3/5" << QList<int>{1, 5}
                            << false;
    QTest::newRow("near symbols are wrong")
        << QStringList{kNotIn, kSub, kNotIn, kNotSub, kNotSub} << "2/5" << QList<int>{1, 3, 5} << false;
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

// Every good correction reveals the next hidden picture in index order. 1, 2
// and 3 lie beyond the window's right edge, so the pupil sees nothing new;
// the sun at 29 is already shown and is passed over.
void TestMembershipScreen::rewardOrderSkipsNothingButTheVisibleSun() {
    const int clientWidth = 11880;
    QList<int> revealed;
    for (int set = 0; set < 30; ++set) {
        const QList<int> before = visibleRewards();
        answerAllBut({});
        click("Command7");
        QList<int> after = visibleRewards();
        for (int i : before)
            after.removeOne(i);
        QCOMPARE(after.size(), 1);
        revealed.append(after.first());
        click("Command6");
    }
    QList<int> expected;
    for (int i = 0; i <= 30; ++i)
        if (i != 29)
            expected.append(i);
    QCOMPARE(revealed, expected);
    for (int i : {1, 2, 3})
        QVERIFY(twips("Image1", i).x() >= clientWidth);
    for (int i : {0, 4, 21, 22, 30}) {
        QVERIFY(twips("Image1", i).right() < clientWidth);
        QVERIFY(twips("Image1", i).x() >= 8880);
    }
    QCOMPARE(twips("Image1", 21).size(), QSize(480, 480));
    QCOMPARE(w("Image1", 22)->property("picture").toString(), QStringLiteral("sun"));
}

void TestMembershipScreen::aFullFieldShowsThe81stPictureOnly() {
    // 79 pictures of 0 to 79 are hidden at the start (29 is shown): 79 good
    // corrections fill them, the 80th shows Image1(80), later ones change nothing.
    for (int set = 0; set < 82; ++set) {
        answerAllBut({});
        click("Command7");
        click("Command6");
        if (set == 78) {
            QVERIFY(w("Image1", 80)->isHidden());
            QVERIFY(!w("Image1", 79)->isHidden());
        }
    }
    QList<int> expected;
    for (int i = 0; i <= 81; ++i)
        expected.append(i);
    QCOMPARE(visibleRewards(), expected);
    QVERIFY(w("Image1", 82)->isHidden());
    // Start again clears the whole field, the overflow picture too.
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

void TestMembershipScreen::startAgainLetsTheSunBeEarned() {
    click("Command9");
    for (int set = 0; set < 30; ++set) {
        answerAllBut({});
        click("Command7");
        click("Command6");
    }
    // 0 to 29, and the corner sun.
    QCOMPARE(visibleRewards().size(), 31);
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
    QVERIFY(qAbs(twips("Label7").center().x() - QRect(4140, 5700, 405, 855).center().x()) <= 15);
    click("Command9");
    QCOMPARE(twips("Label7"), QRect(4140, 5700, 405, 855));
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
