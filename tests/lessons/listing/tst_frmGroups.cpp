// The first intersection and union drill as a pupil meets it: the diagram, the
// rows written by typing or by clicking diagram numbers, the braces that follow,
// the separators, checking and scoring the rows, the notes, new problems, the
// clear button and leaving.

#include "drillscreen.h"

using namespace drilltest;

namespace {

const QString kComma = QStringLiteral("،");
const QColor kBlack(0, 0, 0);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kOrange(0xFF, 0x80, 0);
const QColor kYellow(0xFF, 0xFF, 0);
const QString kRepeatNote = QStringLiteral("يراعى عدم تكرار العنصر في المجموعة");
const QColor kCurrentFrame(0xFF, 0xFF, 0);

const std::vector<Row> kRows{
    {"Text1", 0, 8, 4, "lbl3", 0, 10, 0},
    {"Text2", 0, 8, 5, "lbl2", 0, 10, 9},
    {"Text3", 0, 7, 6, "lbl4", 0, 6, 18},
    {"Text4", 0, 8, 7, "lbl5", 0, 14, 26},
};

} // namespace

class TestFrmGroups : public QObject {
    Q_OBJECT

    std::unique_ptr<DrillScreen> d;
    QLocale savedLocale;

    CommandButton* cmd1(int i) const { return d->button("Cmd1", i); }

private slots:
    void init() {
        savedLocale = QLocale();
        d = std::make_unique<DrillScreen>("frmGroups", kRows);
        QVERIFY(d->active);
    }
    void cleanup() {
        d.reset();
        QLocale::setDefault(savedLocale);
    }

    void window();
    void diagramAsStored_data();
    void diagramAsStored();
    void atLoad();
    void loadLinesUpRowsAndPacksKeys();
    void clickingNumbersWritesAndMovesOn();
    void lastBoxOfARowStaysCurrent();
    void clickingOrFocusingABoxMakesItCurrent();
    void tabWalksTheRowsInOrder();
    void braceFollowsOnlyTheIndex();
    void separatorsCycle();
    void checkingARow_data();
    void checkingARow();
    void answerKeyInTheRegionsColours();
    void perfectProblemThenClear();
    void notesShareOneFrame();
    void repeatNoteStaysUntilNew();
    void newProblemTenTimes();
    void newProblemClearsTheRows();
    void secondProblemIsJudgedByItsNumbers();
    void exitAndOpenAgain();
    void textsAreReadWhole_data();
    void textsAreReadWhole();
    void longestKeyStaysInsideTheRows();
    void cornerIconTogglesTheCredit();
    void checkingKeepsTheCurrentBox_data();
    void checkingKeepsTheCurrentBox();
    void checkingEveryRowInTurnKeepsTheCurrentBox();
    void spaceTwiceOnACheckButtonKeepsTheProblem();
    void boxLeftBeforeItsSelectionKeepsItsText();
    void scoresInACommaDecimalLocale();
    void problemSequence_data();
    void problemSequence();
    void entryRowsInPlace_data();
    void entryRowsInPlace();
    void currentBoxFrameStandsOut();
    void screenAreas_data();
    void screenAreas();
    void screenAreaShapes();
    void rowTitlesClearOfTheirNeighbours_data();
    void rowTitlesClearOfTheirNeighbours();
};

void TestFrmGroups::window() {
    QCOMPARE(d->s->objectName(), QStringLiteral("frmGroups"));
    QCOMPARE(d->s->canvas()->size(), QSize(792, 566));
    QCOMPARE(d->s->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!d->s->windowTitle().isEmpty());
    QVERIFY(!d->s->windowIcon().isNull());
    QCOMPARE(d->caption("Label4", 4), QStringLiteral("من الشكل أوجد بطريقة السرد ما يأتي"));
    QCOMPARE(d->button("Command1")->caption(), QStringLiteral("جديد"));
    QCOMPARE(d->button("Command2")->caption(), QStringLiteral("مسح"));
    QCOMPARE(d->button("Command12")->caption(), QStringLiteral("خروج"));
    QCOMPARE(d->caption("Label1", 2), QStringLiteral("س"));
    QCOMPARE(d->caption("Label1", 7), QStringLiteral("ص"));
    QCOMPARE(d->caption("Label1", 0), QStringLiteral("س ="));
    QCOMPARE(d->caption("Label1", 1), QStringLiteral("ص ="));
    QCOMPARE(d->s->get<Image>("Image3")->picture(), QStringLiteral("listing_intersection"));
    QCOMPARE(d->s->get<Image>("Image2")->picture(), QStringLiteral("listing_union"));
    for (int r = 0; r < 4; ++r) {
        const QString n = QStringLiteral("(%1)").arg(r + 1);
        QCOMPARE(cmd1(r)->caption(), n);
        QCOMPARE(cmd1(r + 4)->caption(), n);
        QCOMPARE(cmd1(r + 4)->twips().left(), 3480);
        QCOMPARE(cmd1(r)->twips().left(), 10980);
    }
    QCOMPARE(d->s->control("Shape1")->twips(), QRect(7380, 480, 3735, 1695));
    QCOMPARE(d->s->control("Shape1")->widget()->property("borderColor").value<QColor>(), kOrange);
    QCOMPARE(d->s->control("Shape2")->widget()->property("borderColor").value<QColor>(), kYellow);
    QCOMPARE(d->label("lbl11", 1)->toolTip(), QStringLiteral("اضغط على الفاصلة لتغيرها نقطة أو قوس"));
    QVERIFY(d->label("lbl11", 0)->toolTip().isEmpty());
}

void TestFrmGroups::diagramAsStored_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("0 both") << 0 << "1" << kOrange << QPoint(8820, 660);
    QTest::newRow("1 both") << 1 << "6" << kOrange << QPoint(8580, 1200);
    QTest::newRow("2 both") << 2 << "2" << kOrange << QPoint(7680, 1080);
    QTest::newRow("3 ص only") << 3 << "3" << kYellow << QPoint(6720, 480);
    QTest::newRow("4 ص only") << 4 << "5" << kYellow << QPoint(6120, 900);
    QTest::newRow("5 س only") << 5 << "9" << kWhite << QPoint(10320, 1020);
    QTest::newRow("6 س only") << 6 << "8" << kWhite << QPoint(9900, 1380);
    QTest::newRow("7 outside") << 7 << "4" << kYellow << QPoint(5640, 1740);
}

void TestFrmGroups::diagramAsStored() {
    QFETCH(int, k);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(QPoint, at);
    Label* n = d->label("lbl1", k);
    QCOMPARE(n->caption(), text);
    QCOMPARE(n->foreColor(), colour);
    QCOMPARE(n->twips().topLeft(), at);
    QCOMPARE(n->font().bold(), true);
    QVERIFY(d->shown("Label3", k));
    QCOMPARE(d->caption("Label3", k), QStringLiteral("*"));
}

void TestFrmGroups::atLoad() {
    QCOMPARE(d->current(), QStringList{"Text1(0)"});
    for (int r = 1; r <= 4; ++r) {
        QCOMPARE(d->colours(r), QString(d->row(r).count, u'k'));
        QCOMPARE(d->separators(r), QStringLiteral("{") + QString(d->row(r).count, kComma[0]));
        for (int i = 0; i < d->row(r).count; ++i) {
            QVERIFY(d->box(r, i)->text().isEmpty());
            QCOMPARE(d->box(r, i)->maxLength(), 1);
            QCOMPARE(d->box(r, i)->foreColor(), kWhite);
        }
        QVERIFY(d->keyHidden(r));
        QVERIFY(cmd1(d->row(r).check)->isEnabled());
        QCOMPARE(d->caption("Label4", r - 1), QStringLiteral("0"));
    }
    for (int n = 0; n <= 2; ++n)
        QVERIFY(!d->shown("Label2", n));
    QVERIFY(!d->shown("Label30"));
    QVERIFY(!d->shown("Label5", 0));
    QVERIFY(!d->shown("Label5", 1));
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("0"));
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("0"));
    QVERIFY(d->shown("Label5", 2));
    QVERIFY(d->shown("Label5", 3));
}

void TestFrmGroups::loadLinesUpRowsAndPacksKeys() {
    // Titles, pictures, check buttons and keys stand level with the note button.
    QCOMPARE(d->label("Label1", 3)->top(), 4920);
    QCOMPARE(d->label("Label1", 4)->top(), 4920);
    QCOMPARE(d->s->control("Image3")->top(), 4920);
    QCOMPARE(d->label("Label1", 5)->top(), 5760);
    QCOMPARE(d->s->control("Image2")->top(), 5760);
    QCOMPARE(d->label("Label1", 6)->top(), 5760);
    QCOMPARE(cmd1(4)->top(), 3240);
    QCOMPARE(cmd1(5)->top(), 4080);
    QCOMPARE(cmd1(6)->top(), 4920);
    QCOMPARE(cmd1(7)->top(), 5760);
    // Row scores keep their places.
    QCOMPARE(d->label("Label4", 0)->twips(), QRect(4140, 3180, 615, 615));
    // Keys: from the stored left edge, each label right against the one before.
    const int edges[] = {0, 3240, 3240, 3180, 3240};
    const int tops[] = {0, 3240, 4080, 4920, 5760};
    for (int r = 1; r <= 4; ++r) {
        const QString key = d->row(r).key;
        QCOMPARE(d->label(key, 0)->left(), edges[r]);
        for (int i = 0; i <= d->row(r).keyLast; ++i) {
            Label* l = d->label(key, i);
            QCOMPARE(l->top(), tops[r]);
            QVERIFY(l->twipsWidth() > 0);
            if (i > 0)
                QCOMPARE(l->left(), d->label(key, i - 1)->left() - l->twipsWidth());
        }
    }
}

void TestFrmGroups::clickingNumbersWritesAndMovesOn() {
    d->clickNumber(5);
    QCOMPARE(d->box(1, 0)->text(), QStringLiteral("9"));
    QCOMPARE(d->caption("lbl11", 0), QStringLiteral("{"));
    QCOMPARE(d->caption("lbl11", 1), QStringLiteral("}"));
    QCOMPARE(d->current(), QStringList{"Text1(1)"});
    QCOMPARE(QApplication::focusWidget(), d->box(1, 1));
    d->clickNumber(6);
    d->clickNumber(0);
    QCOMPARE(d->box(1, 1)->text(), QStringLiteral("8"));
    QCOMPARE(d->box(1, 2)->text(), QStringLiteral("1"));
    QCOMPARE(d->separators(1), QStringLiteral("{،،}،،،،،"));
    QCOMPARE(d->current(), QStringList{"Text1(3)"});
    // One click writes one box.
    QVERIFY(d->box(1, 3)->text().isEmpty());
    QVERIFY(d->box(2, 0)->text().isEmpty());
}

void TestFrmGroups::lastBoxOfARowStaysCurrent() {
    click(d->box(3, 5));
    d->clickNumber(2);
    QCOMPARE(d->box(3, 5)->text(), QStringLiteral("2"));
    QCOMPARE(d->current(), QStringList{"Text3(6)"}); // the last box of the intersection row
    d->clickNumber(0);
    d->clickNumber(1);
    QCOMPARE(d->box(3, 6)->text(), QStringLiteral("6"));
    QCOMPARE(d->current(), QStringList{"Text3(6)"});
    QCOMPARE(d->box(3, 5)->text(), QStringLiteral("2"));
    QVERIFY(d->box(4, 0)->text().isEmpty());
    QCOMPARE(d->caption("lbl11", 18 + 6), kComma);
    QCOMPARE(d->caption("lbl11", 18 + 7), QStringLiteral("}"));
}

void TestFrmGroups::clickingOrFocusingABoxMakesItCurrent() {
    click(d->box(2, 3));
    QCOMPARE(d->current(), QStringList{"Text2(3)"});
    d->box(4, 5)->setFocus(Qt::OtherFocusReason);
    QCOMPARE(d->current(), QStringList{"Text4(5)"});
    // A check button takes the focus; the current box stays the one drawn 3D.
    click(cmd1(1));
    QCOMPARE(d->current(), QStringList{"Text4(5)"});
    d->clickNumber(3);
    QCOMPARE(d->box(4, 5)->text(), QStringLiteral("3"));
    QCOMPARE(d->current(), QStringList{"Text4(6)"});
}

void TestFrmGroups::tabWalksTheRowsInOrder() {
    d->box(1, 0)->setFocus(Qt::TabFocusReason);
    QStringList walk;
    for (int step = 0; step < 38; ++step) {
        walk.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(walk.mid(0, 10), (QStringList{"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)",
                                           "Text1(5)", "Text1(6)", "Text1(7)", "Cmd1(4)", "Text2(0)"}));
    QCOMPARE(walk.at(25), QStringLiteral("Cmd1(6)"));
    QCOMPARE(walk.at(26), QStringLiteral("Text4(0)"));
    // The diagram numbers and the separators are one stop each, after the last row.
    QCOMPARE(walk.mid(35), (QStringList{"lbl1(0)", "lbl11(0)", "Command1"}));
}

void TestFrmGroups::braceFollowsOnlyTheIndex() {
    sdtest::type(d->box(2, 5), QStringLiteral("3"));
    QCOMPARE(d->separators(2), QStringLiteral("{،،،،،}،،"));
    sdtest::type(d->box(2, 2), QStringLiteral("5"));
    // The brace after box 5 is not taken back: two closing braces.
    QCOMPARE(d->separators(2), QStringLiteral("{،،}،،}،،"));
    // Deleting what box 2 holds draws the same picture.
    sdtest::type(d->box(2, 2), QString());
    QVERIFY(d->box(2, 2)->text().isEmpty());
    QCOMPARE(d->separators(2), QStringLiteral("{،،}،،}،،"));
    // Typing into box 0 leaves the brace before it an opening one.
    sdtest::type(d->box(2, 0), QStringLiteral("1"));
    QCOMPARE(d->separators(2), QStringLiteral("{}،}،،}،،"));
    // Writing the same text again changes nothing.
    d->label("lbl11", 10)->setCaption(QStringLiteral("."));
    d->box(2, 0)->setText(QStringLiteral("1"));
    QCOMPARE(d->caption("lbl11", 10), QStringLiteral("."));
}

void TestFrmGroups::separatorsCycle() {
    Label* comma = d->label("lbl11", 29);
    const QStringList expected{"}", ".", kComma, "}"};
    for (const QString& e : expected) {
        click(comma);
        QCOMPARE(comma->caption(), e);
    }
    Label* open = d->label("lbl11", 26);
    click(open);
    QCOMPARE(open->caption(), QStringLiteral("{"));
    // Only the clicked separator changes.
    QCOMPARE(d->caption("lbl11", 28), kComma);
    QCOMPARE(d->caption("lbl11", 30), kComma);
}

void TestFrmGroups::checkingARow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<QString>("score");
    QTest::addColumn<bool>("note");
    QTest::addColumn<QString>("possible");
    QTest::newRow("س in any order") << 1 << QStringList{"2", "9", "6", "1", "8"} << "kkkkkkkk"
                                    << "2.5" << false << "2.5";
    QTest::newRow("س 9 9 8") << 1 << QStringList{"9", "9", "8"} << "ggkkkkkk"
                             << "1" << true << "2.5";
    QTest::newRow("س with a stranger") << 1 << QStringList{"9", "8", "1", "6", "2", "7"} << "kkkkkrkk"
                                       << "2" << false << "2.5";
    QTest::newRow("س 7 7") << 1 << QStringList{"7", "7"} << "rrkkkkkk"
                           << "0" << false << "2.5";
    QTest::newRow("س a space is empty") << 1 << QStringList{" ", "9"} << "kkkkkkkk"
                                        << "0.5" << false << "2.5";
    QTest::newRow("س a letter is red") << 1 << QStringList{"9", "a"} << "krkkkkkk"
                                       << "0" << false << "2.5";
    QTest::newRow("ص 3 3") << 2 << QStringList{"3", "3"} << "ggkkkkkk"
                           << "0.5" << true << "2.5";
    QTest::newRow("ص nothing written") << 2 << QStringList{} << "kkkkkkkk"
                                       << "0" << false << "2.5";
    QTest::newRow("ص the outside number") << 2 << QStringList{"1", "4"} << "krkkkkkk"
                                          << "0" << false << "2.5";
    QTest::newRow("∩ raised to 2") << 3 << QStringList{"1", "6", "2"} << "kkkkkkk"
                                   << "2" << false << "2";
    QTest::newRow("∩ a repeated 2") << 3 << QStringList{"1", "6", "2", "2"} << "kkggkkk"
                                    << "2" << true << "2";
    QTest::newRow("∩ two of three") << 3 << QStringList{"6", "2"} << "kkkkkkk"
                                    << "1" << false << "2";
    QTest::newRow("∩ the outside number") << 3 << QStringList{"4"} << "rkkkkkk"
                                          << "0" << false << "2";
    QTest::newRow("∪ cut to 3") << 4 << QStringList{"9", "8", "1", "6", "2", "3", "5"} << "kkkkkkkk"
                                << "3" << false << "3";
    QTest::newRow("∪ six of seven") << 4 << QStringList{"5", "3", "2", "6", "1", "8"} << "kkkkkkkk"
                                    << "3" << false << "3";
    QTest::newRow("∪ the outside number")
        << 4 << QStringList{"9", "8", "1", "6", "2", "3", "5", "4"} << "kkkkkkkr"
        << "3" << false << "3";
}

void TestFrmGroups::checkingARow() {
    QFETCH(int, row);
    QFETCH(QStringList, entries);
    QFETCH(QString, colours);
    QFETCH(QString, score);
    QFETCH(bool, note);
    QFETCH(QString, possible);
    d->write(row, entries);
    d->check(row);
    QCOMPARE(d->colours(row), colours);
    QCOMPARE(d->caption("Label4", row - 1), dec(score));
    QCOMPARE(d->shown("Label2", 0), note);
    if (note)
        QCOMPARE(d->caption("Label2", 0), kRepeatNote);
    QCOMPARE(d->caption("Label5", 2), dec(score));
    QCOMPARE(d->caption("Label5", 3), dec(possible));
    QVERIFY(!cmd1(d->row(row).check)->isEnabled());
    QVERIFY(d->keyShown(row));
    // The other rows are untouched.
    for (int r = 1; r <= 4; ++r)
        if (r != row) {
            QVERIFY(cmd1(d->row(r).check)->isEnabled());
            QVERIFY(!d->shown(d->row(r).key, 0));
            QCOMPARE(d->caption("Label4", r - 1), QStringLiteral("0"));
        }
}

void TestFrmGroups::answerKeyInTheRegionsColours() {
    click(cmd1(7));
    QCOMPARE(d->keyAsWritten(4), QStringLiteral("{ 9 ، 8 ، 1 ، 6 ، 2 ، 3 ، 5 }"));
    const QColor colours[] = {kWhite, kWhite, kOrange, kOrange, kOrange, kYellow, kYellow};
    for (int e = 0; e < 7; ++e) {
        QCOMPARE(d->label("lbl5", 2 * e + 1)->foreColor(), colours[e]);
        QCOMPARE(d->label("lbl5", 2 * e)->foreColor(), kWhite);
    }
    // Any row button refreshes every key; the others stay hidden until checked.
    QCOMPARE(d->keyAsWritten(1), QStringLiteral("{ 9 ، 8 ، 1 ، 6 ، 2 }"));
    QCOMPARE(d->keyAsWritten(2), QStringLiteral("{ 1 ، 6 ، 2 ، 3 ، 5 }"));
    QCOMPARE(d->keyAsWritten(3), QStringLiteral("{ 1 ، 6 ، 2 }"));
    QVERIFY(!d->shown("lbl3", 1));
}

void TestFrmGroups::perfectProblemThenClear() {
    d->write(1, {"9", "8", "1", "6", "2"});
    d->write(2, {"1", "6", "2", "3", "5"});
    d->write(3, {"1", "6", "2"});
    d->write(4, {"9", "8", "1", "6", "2", "3", "5"});
    for (int r = 1; r <= 4; ++r)
        d->check(r);
    QCOMPARE(d->caption("Label4", 0), dec("2.5"));
    QCOMPARE(d->caption("Label4", 1), dec("2.5"));
    QCOMPARE(d->caption("Label4", 2), QStringLiteral("2"));
    QCOMPARE(d->caption("Label4", 3), QStringLiteral("3"));
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("10"));
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("10"));
    QVERIFY(!d->shown("Label2", 0));

    d->press("Command2");
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("0"));
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("0"));
    for (int r = 1; r <= 4; ++r) {
        QCOMPARE(d->caption("Label4", r - 1), QStringLiteral("0"));
        QVERIFY(!cmd1(d->row(r).check)->isEnabled());
        QVERIFY(d->shown(d->row(r).key, 0));
    }
    QCOMPARE(d->box(4, 6)->text(), QStringLiteral("5"));

    // The next problem scores onto the cleared totals.
    d->press("Command1");
    d->write(3, {"3", "8", "7"});
    click(cmd1(6));
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("2"));
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("2"));
}

void TestFrmGroups::notesShareOneFrame() {
    click(cmd1(2));
    QVERIFY(d->shown("Label2", 1));
    QVERIFY(!d->shown("Label2", 2));
    QCOMPARE(d->caption("Label2", 1), QStringLiteral("التقاطع هو العناصر المشتركة في س و ص"));
    click(cmd1(3));
    QVERIFY(!d->shown("Label2", 1));
    QVERIFY(d->shown("Label2", 2));
    QCOMPARE(d->caption("Label2", 2), QStringLiteral("الاتحاد جميع العناصر في س أو   ص "));
    // The note buttons of rows 1 and 2 have no note and hide none.
    click(cmd1(0));
    click(cmd1(1));
    QVERIFY(d->shown("Label2", 2));
    QVERIFY(!d->shown("Label2", 0));
    // A note button shows no key and scores nothing.
    QVERIFY(!d->shown("lbl5", 0));
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("0"));
}

void TestFrmGroups::repeatNoteStaysUntilNew() {
    d->write(2, {"3", "3"});
    click(cmd1(5));
    QVERIFY(d->shown("Label2", 0));
    click(cmd1(2));
    click(cmd1(0));
    d->write(1, {"9"});
    click(cmd1(4));
    QVERIFY(d->shown("Label2", 0));
    d->press("Command2");
    QVERIFY(d->shown("Label2", 0));
    d->press("Command1");
    QVERIFY(!d->shown("Label2", 0));
    // The rule notes stay through a new problem.
    QVERIFY(d->shown("Label2", 1));
}

void TestFrmGroups::newProblemTenTimes() {
    d->press("Command1");
    QCOMPARE(d->diagram(), QStringLiteral("3 8 7 2 9 4 0 6"));
    d->press("Command1");
    QCOMPARE(d->diagram(), QStringLiteral("2 0 5 7 4 6 1 8"));
    for (int i = 0; i < 8; ++i)
        d->press("Command1");
    QCOMPARE(d->diagram(), QStringLiteral("1 6 2 3 5 9 8 4"));
    // Numbers keep their regions' colours.
    QCOMPARE(d->label("lbl1", 5)->foreColor(), kWhite);
    QCOMPARE(d->label("lbl1", 3)->foreColor(), kYellow);
}

void TestFrmGroups::newProblemClearsTheRows() {
    d->write(1, {"9", "9", "8", "1", "6"});
    click(d->label("lbl11", 7)); // a comma left over, turned into a brace
    click(cmd1(4));
    d->write(4, {"7"});
    click(cmd1(7));
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("2"));
    QCOMPARE(d->caption("Label5", 3), dec("5.5"));
    click(d->box(2, 4));

    d->press("Command1");
    for (int r = 1; r <= 4; ++r) {
        QCOMPARE(d->colours(r), QString(d->row(r).count, u'k'));
        for (int i = 0; i < d->row(r).count; ++i)
            QVERIFY(d->box(r, i)->text().isEmpty());
        QVERIFY(d->keyHidden(r));
        QVERIFY(cmd1(d->row(r).check)->isEnabled());
        QCOMPARE(d->caption("Label4", r - 1), QStringLiteral("0"));
    }
    // Clearing each box redrew the braces behind it; the separator further left keeps its sign.
    QCOMPARE(d->separators(1), QStringLiteral("{،،،،}،}،"));
    QCOMPARE(d->separators(4), QStringLiteral("{}،،،،،،،"));
    // The totals accumulate over problems; the counters start again.
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("2"));
    QCOMPARE(d->caption("Label5", 3), dec("5.5"));
    QCOMPARE(d->caption("Label5", 0), QStringLiteral("0"));
    QCOMPARE(d->caption("Label5", 1), QStringLiteral("0"));
    // The current box is left as it was.
    QCOMPARE(d->current(), QStringList{"Text2(4)"});
}

void TestFrmGroups::secondProblemIsJudgedByItsNumbers() {
    d->press("Command1");
    click(d->box(1, 0));
    for (int k : {5, 6, 0, 1, 2})
        d->clickNumber(k);
    QCOMPARE(d->box(1, 4)->text(), QStringLiteral("7"));
    click(cmd1(4));
    QCOMPARE(d->colours(1), QStringLiteral("kkkkkkkk"));
    QCOMPARE(d->keyAsWritten(1), QStringLiteral("{ 4 ، 0 ، 3 ، 8 ، 7 }"));
    QCOMPARE(d->caption("Label4", 0), dec("2.5"));
    // The stored numbers of the first problem are wrong now, the outside 6 too.
    d->write(2, {"1", "6", "2", "9"});
    click(cmd1(5));
    QCOMPARE(d->colours(2), QStringLiteral("rrkkkkkk"));
    QCOMPARE(d->keyAsWritten(2), QStringLiteral("{ 3 ، 8 ، 7 ، 2 ، 9 }"));
    QCOMPARE(d->caption("Label4", 1), QStringLiteral("0"));
}

void TestFrmGroups::exitAndOpenAgain() {
    d->press("Command1");
    d->write(1, {"4"});
    d->press("Command12");
    sdtest::flushDeletes();
    QVERIFY(!d->program().nav->find("frmGroups"));
    d->s = d->program().nav->show("frmGroups");
    QVERIFY(d->s);
    QCOMPARE(d->diagram(), QStringLiteral("1 6 2 3 5 9 8 4"));
    QVERIFY(d->box(1, 0)->text().isEmpty());
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("0"));
}

// Scores, notes and the instruction are read whole: no caption is wider than its box.
void TestFrmGroups::textsAreReadWhole_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("earned 10") << "Label5" << 2 << "10";
    QTest::newRow("possible 12.5") << "Label5" << 3 << dec("12.5");
    QTest::newRow("row score 2.5") << "Label4" << 0 << dec("2.5");
    QTest::newRow("instruction") << "Label4" << 4 << "";
    QTest::newRow("repeat note") << "Label2" << 0 << "";
    QTest::newRow("intersection rule") << "Label2" << 1 << "";
    QTest::newRow("union rule") << "Label2" << 2 << "";
    QTest::newRow("contact") << "Label31" << -1 << "";
}

void TestFrmGroups::textsAreReadWhole() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, text);
    Label* l = d->label(name, index);
    QVERIFY(l);
    if (!text.isEmpty())
        l->setCaption(text);
    const int need = QFontMetrics(l->font()).horizontalAdvance(l->caption());
    QVERIFY2(need <= l->width(), qPrintable(QStringLiteral("%1 px for %2 px").arg(need).arg(l->width())));
}

void TestFrmGroups::longestKeyStaysInsideTheRows() {
    click(cmd1(7));
    const QRect rows = d->s->control("Shape3")->twips();
    QVERIFY(d->label("lbl5", 14)->left() > rows.left());
    // and clear of its check button
    QVERIFY(d->label("lbl5", 0)->twips().right() < cmd1(7)->left());
}

void TestFrmGroups::cornerIconTogglesTheCredit() {
    QWidget* icon = d->s->control("Image4")->widget();
    QTest::mouseDClick(icon, Qt::LeftButton, Qt::NoModifier, icon->rect().center());
    QVERIFY(d->shown("Label30"));
    QVERIFY(!d->caption("Label30", -1).isEmpty());
    QTest::mouseDClick(icon, Qt::LeftButton, Qt::NoModifier, icon->rect().center());
    QVERIFY(!d->shown("Label30"));
}

// A check button holds the focus when it is pressed and is disabled by the
// scoring: the focus must not wander down the tab order to another box, or onto
// "جديد" where the next Enter or Space would wipe the rows.
void TestFrmGroups::checkingKeepsTheCurrentBox_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<int>("currentIndex");
    QTest::newRow("row 1, a box of row 1") << 1 << 1 << 3;
    QTest::newRow("row 2, a box of row 1") << 2 << 1 << 3;
    QTest::newRow("row 3, a box of row 4") << 3 << 4 << 2;
    QTest::newRow("row 4, its own last box") << 4 << 4 << 7;
    QTest::newRow("row 4, a box of row 2") << 4 << 2 << 0;
}

void TestFrmGroups::checkingKeepsTheCurrentBox() {
    QFETCH(int, row);
    QFETCH(int, currentRow);
    QFETCH(int, currentIndex);
    d->write(row, {"9", "8"});
    TextBox* chosen = d->box(currentRow, currentIndex);
    click(chosen);
    const QString name = QStringLiteral("%1(%2)").arg(d->row(currentRow).boxes).arg(currentIndex);
    QCOMPARE(d->current(), QStringList{name});
    d->check(row);
    QVERIFY(!cmd1(d->row(row).check)->isEnabled());
    QCOMPARE(d->current(), QStringList{name});
    QCOMPARE(QApplication::focusWidget(), chosen);
    // Handing the focus back writes nothing and judges nothing again.
    QCOMPARE(d->box(row, 0)->text(), QStringLiteral("9"));
    QCOMPARE(d->caption("Label5", 3), dec(row == 3 ? "2" : row == 4 ? "3" : "2.5"));
}

void TestFrmGroups::checkingEveryRowInTurnKeepsTheCurrentBox() {
    click(d->box(2, 5));
    QWidget* newProblem = d->button("Command1");
    for (int r = 1; r <= 4; ++r) {
        d->check(r);
        QCOMPARE(d->current(), QStringList{"Text2(5)"});
        QVERIFY(QApplication::focusWidget() != newProblem);
    }
    // The pupil carries on where they were.
    d->clickNumber(4);
    QCOMPARE(d->box(2, 5)->text(), QStringLiteral("5"));
    QCOMPARE(d->current(), QStringList{"Text2(6)"});
}

void TestFrmGroups::spaceTwiceOnACheckButtonKeepsTheProblem() {
    d->write(4, {"9", "8", "1"});
    cmd1(7)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cmd1(7), Qt::Key_Space);
    QVERIFY(!cmd1(7)->isEnabled());
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(QApplication::focusWidget() != d->button("Command1"));
    QCOMPARE(d->diagram(), QStringLiteral("1 6 2 3 5 9 8 4"));
    QCOMPARE(d->box(4, 0)->text(), QStringLiteral("9"));
    QCOMPARE(d->box(4, 1)->text(), QStringLiteral("8"));
    QCOMPARE(d->box(4, 2)->text(), QStringLiteral("1"));
    QVERIFY(d->shown("lbl5", 0));
    QCOMPARE(d->caption("Label4", 3), dec("1.5"));
    QCOMPARE(d->current(), QStringList{"Text4(2)"});
}

// A box selects its character when it gets the focus, a moment later; a box the
// focus has already left by then is not touched.
void TestFrmGroups::boxLeftBeforeItsSelectionKeepsItsText() {
    d->box(1, 2)->setText(QStringLiteral("5"));
    d->box(1, 3)->setText(QStringLiteral("6"));
    d->box(1, 2)->setFocus(Qt::OtherFocusReason);
    d->box(1, 3)->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(!d->box(1, 2)->hasSelectedText());
    QVERIFY(d->box(1, 3)->hasSelectedText());
    QCOMPARE(d->current(), QStringList{"Text1(3)"});
}

void TestFrmGroups::scoresInACommaDecimalLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    d->write(1, {"9", "8", "1", "6", "2"});
    click(cmd1(4));
    QCOMPARE(d->caption("Label4", 0), QStringLiteral("2,5"));
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("2,5"));
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("2,5"));
    d->write(2, {"3"});
    click(cmd1(5));
    QCOMPARE(d->caption("Label4", 1), QStringLiteral("0,5"));
    // "2,5" read back and added to "0,5".
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("3"));
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("5"));
    d->write(3, {"6", "1", "9"});
    click(cmd1(6));
    QCOMPARE(d->caption("Label4", 2), QStringLiteral("0,5"));
    QCOMPARE(d->caption("Label5", 2), QStringLiteral("3,5"));
    QCOMPARE(d->caption("Label5", 3), QStringLiteral("7"));
}

// The ten problems and their correct sets, as the answer keys show them.
void TestFrmGroups::problemSequence_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("keys"); // each row's elements, rows apart by "|"
    QTest::newRow("1") << 0 << "1 6 2 3 5 9 8 4"
                       << "9 8 1 6 2 | 1 6 2 3 5 | 1 6 2 | 9 8 1 6 2 3 5";
    QTest::newRow("2") << 1 << "3 8 7 2 9 4 0 6"
                       << "4 0 3 8 7 | 3 8 7 2 9 | 3 8 7 | 4 0 3 8 7 2 9";
    QTest::newRow("3") << 2 << "2 0 5 7 4 6 1 8"
                       << "6 1 2 0 5 | 2 0 5 7 4 | 2 0 5 | 6 1 2 0 5 7 4";
    QTest::newRow("4") << 3 << "7 1 9 5 6 8 3 0"
                       << "8 3 7 1 9 | 7 1 9 5 6 | 7 1 9 | 8 3 7 1 9 5 6";
    QTest::newRow("5") << 4 << "5 3 4 9 8 0 2 1"
                       << "0 2 5 3 4 | 5 3 4 9 8 | 5 3 4 | 0 2 5 3 4 9 8";
    QTest::newRow("6") << 5 << "9 2 6 4 0 1 7 3"
                       << "1 7 9 2 6 | 9 2 6 4 0 | 9 2 6 | 1 7 9 2 6 4 0";
    QTest::newRow("7") << 6 << "4 7 8 6 1 3 5 2"
                       << "3 5 4 7 8 | 4 7 8 6 1 | 4 7 8 | 3 5 4 7 8 6 1";
    QTest::newRow("8") << 7 << "6 5 0 8 3 2 9 7"
                       << "2 9 6 5 0 | 6 5 0 8 3 | 6 5 0 | 2 9 6 5 0 8 3";
    QTest::newRow("9") << 8 << "8 9 1 0 2 7 4 5"
                       << "7 4 8 9 1 | 8 9 1 0 2 | 8 9 1 | 7 4 8 9 1 0 2";
    QTest::newRow("10") << 9 << "0 4 3 1 7 5 6 9"
                        << "5 6 0 4 3 | 0 4 3 1 7 | 0 4 3 | 5 6 0 4 3 1 7";
}

void TestFrmGroups::problemSequence() {
    QFETCH(int, presses);
    QFETCH(QString, numbers);
    QFETCH(QString, keys);
    d->newProblem(presses);
    QCOMPARE(d->diagram(), numbers);
    click(cmd1(0)); // any row button brings the keys up to date
    const QStringList elements = keys.split(u'|');
    for (int r = 1; r <= 4; ++r)
        QCOMPARE(d->keyAsWritten(r), roster(elements[r - 1]));
}

void TestFrmGroups::entryRowsInPlace_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("box0");
    QTest::addColumn<int>("separatorPx"); // 18 pt, 20.25 pt
    QTest::newRow("1") << 1 << QPoint(9720, 3300) << 24;
    QTest::newRow("2") << 2 << QPoint(9720, 4080) << 27;
    QTest::newRow("3") << 3 << QPoint(9120, 4980) << 27;
    QTest::newRow("4") << 4 << QPoint(9120, 5880) << 27;
}

void TestFrmGroups::entryRowsInPlace() {
    QFETCH(int, row);
    QFETCH(QPoint, box0);
    QFETCH(int, separatorPx);
    for (int k = 0; k < d->row(row).count; ++k) {
        TextBox* b = d->box(row, k);
        QCOMPARE(b->twips(), QRect(box0.x() - 600 * k, box0.y(), 375, 495));
        QCOMPARE(b->font().pixelSize(), 27); // 20.25 pt
        QVERIFY(b->font().bold());
        QVERIFY(b->alignment() & Qt::AlignHCenter);
    }
    for (int k = 0; k <= d->row(row).count; ++k) {
        Label* sep = d->label("lbl11", d->row(row).separatorBase + k);
        QCOMPARE(sep->font().pixelSize(), separatorPx);
        QVERIFY(sep->font().bold());
        QCOMPARE(sep->foreColor(), kWhite);
        QCOMPARE(sep->top(), box0.y());
    }
    // The opening brace stands right of box 0, each comma left of its box.
    QVERIFY(d->label("lbl11", d->row(row).separatorBase)->left() >= box0.x() + 375);
    for (int k = 1; k <= d->row(row).count; ++k)
        QVERIFY(d->label("lbl11", d->row(row).separatorBase + k)->twips().right() <
                d->box(row, k - 1)->left());
}

// The current box is set apart by its look and by the bright frame round it.
void TestFrmGroups::currentBoxFrameStandsOut() {
    const auto frameColours = [this] {
        QStringList bright;
        for (int r = 1; r <= 4; ++r)
            for (int i = 0; i < d->row(r).count; ++i) {
                auto* frame = d->s->get<Shape>(d->row(r).boxes + QStringLiteral("Frame"), i);
                if (!frame)
                    return QStringList{"missing frame"};
                if (frame->borderColor() == kCurrentFrame)
                    bright.append(QStringLiteral("%1(%2)").arg(d->row(r).boxes).arg(i));
                else if (frame->borderColor() == kBlack)
                    return QStringList{"black frame"};
            }
        return bright;
    };
    QCOMPARE(frameColours(), QStringList{"Text1(0)"});
    click(d->box(3, 4));
    QCOMPARE(frameColours(), QStringList{"Text3(4)"});
    QCOMPARE(d->current(), QStringList{"Text3(4)"});
    d->clickNumber(0);
    QCOMPARE(frameColours(), QStringList{"Text3(5)"});
    d->box(4, 7)->setFocus(Qt::TabFocusReason);
    QCOMPARE(frameColours(), QStringList{"Text4(7)"});
    // The frame surrounds its box.
    QCOMPARE(d->s->control("Text4Frame", 7)->twips().adjusted(30, 30, -30, -30), d->box(4, 7)->twips());
}

void TestFrmGroups::screenAreas_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    const QVariant dark = QColor(0x40, 0x40, 0x40);
    QTest::newRow("new problem place")
        << "Command1" << QByteArray("twips") << QVariant(QRect(10980, 2460, 615, 495));
    QTest::newRow("new problem colour")
        << "Command1" << QByteArray("backColor") << QVariant(QColor(0xC0, 0xFF, 0xC0));
    QTest::newRow("clear place") << "Command2" << QByteArray("twips") << QVariant(QRect(480, 1560, 675, 495));
    QTest::newRow("clear colour") << "Command2" << QByteArray("backColor")
                                  << QVariant(QColor(0x80, 0xFF, 0x80));
    QTest::newRow("exit place") << "Command12" << QByteArray("twips")
                                << QVariant(QRect(240, 7200, 1635, 855));
    QTest::newRow("exit colour") << "Command12" << QByteArray("backColor")
                                 << QVariant(QColor(0xC0, 0xFF, 0xC0));
    QTest::newRow("rows frame place")
        << "Shape3" << QByteArray("twips") << QVariant(QRect(180, 3000, 11535, 3555));
    QTest::newRow("rows frame border")
        << "Shape3" << QByteArray("borderColor") << QVariant(QColor(0xC0, 0xC0, 0xC0));
    QTest::newRow("rows frame inside") << "Shape3" << QByteArray("backColor") << QVariant(kBlack);
    QTest::newRow("rows frame opaque") << "Shape3" << QByteArray("opaque") << QVariant(true);
    QTest::newRow("notes frame place")
        << "Shape5" << QByteArray("twips") << QVariant(QRect(300, 2280, 4695, 675));
    QTest::newRow("notes frame border") << "Shape5" << QByteArray("borderColor") << QVariant(kYellow);
    QTest::newRow("notes frame fill") << "Shape5" << QByteArray("fillColor") << dark;
    QTest::newRow("diagram place") << "Shape6" << QByteArray("twips")
                                   << QVariant(QRect(5400, 60, 5895, 2355));
    QTest::newRow("diagram border") << "Shape6" << QByteArray("borderColor") << QVariant(kWhite);
    QTest::newRow("diagram fill") << "Shape6" << QByteArray("fillColor") << dark;
    QTest::newRow("exit frame place")
        << "Shape7" << QByteArray("twips") << QVariant(QRect(180, 7140, 1755, 975));
    QTest::newRow("exit frame border")
        << "Shape7" << QByteArray("borderColor") << QVariant(QColor(0x80, 0xFF, 0x80));
    QTest::newRow("exit frame fill") << "Shape7" << QByteArray("fillColor") << dark;
    QTest::newRow("fraction line") << "Line1" << QByteArray("twips")
                                   << QVariant(QRect(3060, 1500, 1440 - 3060, 0));
    QTest::newRow("ص ellipse place") << "Shape2" << QByteArray("twips")
                                     << QVariant(QRect(5700, 240, 4215, 1815));
    QTest::newRow("instruction place")
        << "Label4(4)" << QByteArray("twips") << QVariant(QRect(4680, 2460, 5655, 555));
}

void TestFrmGroups::screenAreas() {
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    QObject* o = d->s->findChild<QObject*>(name);
    QVERIFY2(o, qPrintable(name));
    QCOMPARE(o->property(property.constData()), expected);
}

void TestFrmGroups::screenAreaShapes() {
    const struct {
        const char* name;
        ShapeKind kind;
        int width;
        Fill fill;
    } shapes[] = {
        {"Shape3", ShapeKind::RoundedRectangle, 3, Fill::Transparent},
        {"Shape5", ShapeKind::RoundedRectangle, 5, Fill::Solid},
        {"Shape6", ShapeKind::Rectangle, 3, Fill::Solid},
        {"Shape7", ShapeKind::RoundedRectangle, 3, Fill::Solid},
        {"Shape1", ShapeKind::Oval, 2, Fill::Transparent},
        {"Shape2", ShapeKind::Oval, 2, Fill::Transparent},
    };
    for (const auto& e : shapes) {
        auto* shape = d->s->get<Shape>(QString::fromLatin1(e.name));
        QVERIFY2(shape, e.name);
        QVERIFY2(shape->shapeKind() == e.kind, e.name);
        QVERIFY2(shape->borderWidth() == e.width, e.name);
        QVERIFY2(shape->fill() == e.fill, e.name);
    }
}

// Each title reads on its own: clear of the opening brace on its left, of the
// note button on its right, and of the operator's sign between its letters.
void TestFrmGroups::rowTitlesClearOfTheirNeighbours_data() {
    QTest::addColumn<int>("title");
    QTest::addColumn<int>("braceOrSign");    // lbl11 index, or -2/-3 for the sign of Image3/Image2
    QTest::addColumn<int>("rightNeighbour"); // Cmd1 index, or -2/-3 for the sign of Image3/Image2
    QTest::newRow("row 1 س =") << 0 << 0 << 0;
    QTest::newRow("row 2 ص =") << 1 << 9 << 1;
    QTest::newRow("row 3 س") << 3 << -2 << 2;
    QTest::newRow("row 3 ص =") << 4 << 18 << -2;
    QTest::newRow("row 4 س") << 5 << -3 << 3;
    QTest::newRow("row 4 ص =") << 6 << 26 << -3;
}

void TestFrmGroups::rowTitlesClearOfTheirNeighbours() {
    QFETCH(int, title);
    QFETCH(int, braceOrSign);
    QFETCH(int, rightNeighbour);
    // The sign is drawn across the middle of its picture, 8 to 27 of 35 units.
    const auto sign = [this](int which) {
        const QRect r = d->s->control(which == -2 ? "Image3" : "Image2")->widget()->geometry();
        return std::pair{r.left() + r.width() * 8 / 35, r.left() + (r.width() * 27 + 34) / 35};
    };
    Label* t = d->label("Label1", title);
    const QRect at = t->geometry();
    const QFontMetrics m(t->font());
    const int ink = m.horizontalAdvance(t->caption());
    QVERIFY(ink <= at.width());
    // Right-aligned: the ink ends at the label's right edge.
    const int inkLeft = at.right() + 1 - ink;
    const int inkRight = at.right();
    int leftLimit = 0;
    if (braceOrSign >= 0) {
        Label* brace = d->label("lbl11", braceOrSign);
        leftLimit =
            brace->geometry().left() + QFontMetrics(brace->font()).horizontalAdvance(brace->caption());
    } else {
        leftLimit = sign(braceOrSign).second;
    }
    const int rightLimit =
        rightNeighbour >= 0 ? cmd1(rightNeighbour)->geometry().left() - 1 : sign(rightNeighbour).first;
    QVERIFY2(inkLeft > leftLimit, qPrintable(QStringLiteral("%1 vs %2").arg(inkLeft).arg(leftLimit)));
    QVERIFY2(inkRight < rightLimit, qPrintable(QStringLiteral("%1 vs %2").arg(inkRight).arg(rightLimit)));
    // Level with the row's note button.
    QCOMPARE(t->top(), cmd1(rightNeighbour >= 0 ? rightNeighbour : title == 4 ? 2 : 3)->top());
}

SDTEST_MAIN(TestFrmGroups)
#include "tst_frmGroups.moc"
