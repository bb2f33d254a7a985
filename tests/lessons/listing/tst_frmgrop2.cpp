// The second intersection and union drill: three sets, six rows on four box
// arrays, checks without a score, the empty set of row 5, writing that runs on
// from row 3 into row 5 and from row 4 into row 6, and the notes.

#include "drillscreen.h"

using namespace drilltest;

namespace {

const std::vector<Row> kRows{
    {"Text1", 0, 8, 4, "lbl3", 0, 4},  {"Text2", 0, 8, 5, "lbl2", 0, 14}, {"Text3", 0, 7, 6, "lbl4", 0, 4},
    {"Text4", 0, 8, 7, "lbl5", 0, 14}, {"Text3", 7, 7, 10, "lbl4", 5, 6}, {"Text4", 8, 8, 11, "lbl5", 15, 31},
};

const QString kRepeatNote = QStringLiteral("يراعى عدم تكرار العنصر في المجموعة");
const QString kIntersectionRule = QStringLiteral("التقاطع هو العناصر المشتركة في س و ص");
const QString kUnionRule = QStringLiteral("الاتحاد جميع العناصر في س أو   ص ");

} // namespace

class TestFrmgrop2 : public QObject {
    Q_OBJECT

    std::unique_ptr<DrillScreen> d;

private slots:
    void init() {
        d = std::make_unique<DrillScreen>("frmgrop2", kRows);
        QVERIFY(d->active);
    }
    void cleanup() { d.reset(); }

    void atLoad() {
        QCOMPARE(d->s->canvas()->size(), QSize(792, 566));
        QCOMPARE(d->diagram(), QStringLiteral("1 6 2 3 5 7 8 9 4"));
        QCOMPARE(d->caption("Label1", 2), QStringLiteral("س"));
        QCOMPARE(d->caption("Label1", 8), QStringLiteral("ع"));
        QCOMPARE(d->caption("Label1", 7), QStringLiteral("ص"));
        QCOMPARE(d->current(), QStringList{"Text1(0)"});
        // No score, no clear button, no tooltips.
        QVERIFY(!d->s->find<Control>("Command2"));
        QVERIFY(!d->s->find<Control>("Label5", 2));
        for (const char* name : {"Cmd1", "lbl11"})
            for (int i : d->s->indexes(name))
                QVERIFY2(d->s->control(name, i)->widget()->toolTip().isEmpty(), qPrintable(name));
    }

    // The ten problems and every answer key, as the keys show them after a check.
    void problemSequence_data() {
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<QString>("keys"); // each row's elements, rows apart by "|"
        QTest::newRow("1") << 0 << "1 6 2 3 5 7 8 9 4"
                           << "2 6 | 7 8 2 6 1 3 5 | 5 3 | 2 6 1 3 5 9 4 |  | 7 8 2 6 5 3 4 9";
        QTest::newRow("2") << 1 << "3 8 7 2 9 5 0 4 6"
                           << "7 8 | 5 0 7 8 3 2 9 | 9 2 | 7 8 3 2 9 4 6 |  | 5 0 7 8 9 2 6 4";
        QTest::newRow("3") << 2 << "2 0 5 7 4 9 1 6 8"
                           << "5 0 | 9 1 5 0 2 7 4 | 4 7 | 5 0 2 7 4 6 8 |  | 9 1 5 0 4 7 8 6";
        QTest::newRow("4") << 3 << "7 1 9 5 6 4 3 8 0"
                           << "9 1 | 4 3 9 1 7 5 6 | 6 5 | 9 1 7 5 6 8 0 |  | 4 3 9 1 6 5 0 8";
        QTest::newRow("5") << 4 << "5 3 4 9 8 6 2 0 1"
                           << "4 3 | 6 2 4 3 5 9 8 | 8 9 | 4 3 5 9 8 0 1 |  | 6 2 4 3 8 9 1 0";
        QTest::newRow("6") << 5 << "9 2 6 4 0 8 7 1 3"
                           << "6 2 | 8 7 6 2 9 4 0 | 0 4 | 6 2 9 4 0 1 3 |  | 8 7 6 2 0 4 3 1";
        QTest::newRow("7") << 6 << "4 7 8 6 1 0 5 3 2"
                           << "8 7 | 0 5 8 7 4 6 1 | 1 6 | 8 7 4 6 1 3 2 |  | 0 5 8 7 1 6 2 3";
        QTest::newRow("8") << 7 << "6 5 0 8 3 1 9 2 7"
                           << "0 5 | 1 9 0 5 6 8 3 | 3 8 | 0 5 6 8 3 2 7 |  | 1 9 0 5 3 8 7 2";
        QTest::newRow("9") << 8 << "8 9 1 0 2 3 4 7 5"
                           << "1 9 | 3 4 1 9 8 0 2 | 2 0 | 1 9 8 0 2 7 5 |  | 3 4 1 9 2 0 5 7";
        QTest::newRow("10") << 9 << "0 4 3 1 7 2 6 5 9"
                            << "3 4 | 2 6 3 4 0 1 7 | 7 1 | 3 4 0 1 7 5 9 |  | 2 6 3 4 7 1 9 5";
    }
    void problemSequence() {
        QFETCH(int, presses);
        QFETCH(QString, numbers);
        QFETCH(QString, keys);
        d->newProblem(presses);
        QCOMPARE(d->diagram(), numbers);
        const QStringList elements = keys.split(u'|');
        for (int r = 1; r <= 6; ++r) {
            d->check(r);
            QVERIFY(d->keyShown(r));
            QCOMPARE(d->key(r), roster(elements[r - 1]));
        }
        // The keys' elements are the row's correct set: written out, every box is black.
        for (int r = 1; r <= 6; ++r) {
            d->write(r, elements[r - 1].split(u' ', Qt::SkipEmptyParts));
            d->check(r);
            QCOMPARE(d->colours(r), QString(kRows[r - 1].count, u'k'));
        }
        QVERIFY(!d->shown("Label2", 0));
    }

    // Row 5 asks for the empty set: left empty it is right, anything written is wrong.
    void emptySetRow_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("colours");
        QTest::newRow("left empty") << QStringList{} << "kkkkkkk";
        QTest::newRow("a digit") << QStringList{"", "", "7"} << "kkrkkkk";
        QTest::newRow("the same digit twice") << QStringList{"2", "2"} << "rrkkkkk";
        QTest::newRow("a blank") << QStringList{" "} << "kkkkkkk";
    }
    void emptySetRow() {
        QFETCH(QStringList, entries);
        QFETCH(QString, colours);
        d->write(5, entries);
        d->check(5);
        QCOMPARE(d->colours(5), colours);
        QVERIFY(!d->shown("Label2", 0));
        QVERIFY(d->keyShown(5));
        QCOMPARE(d->key(5), QStringLiteral("{ }"));
        QVERIFY(d->button("Cmd1", 10)->isEnabled());
    }

    // Clicking diagram numbers from the last box of row 3 or 4 runs on into row 5 or 6;
    // the last boxes of rows 1, 2, 5 and 6 stay current and are written over.
    void writingRunsOn_data() {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("next");
        QTest::newRow("row 3 into row 5") << "Text3" << 6 << 7;
        QTest::newRow("row 4 into row 6") << "Text4" << 7 << 8;
        QTest::newRow("row 1 stays") << "Text1" << 7 << 7;
        QTest::newRow("row 2 stays") << "Text2" << 7 << 7;
        QTest::newRow("row 5 stays") << "Text3" << 13 << 13;
        QTest::newRow("row 6 stays") << "Text4" << 15 << 15;
    }
    void writingRunsOn() {
        QFETCH(QString, boxes);
        QFETCH(int, from);
        QFETCH(int, next);
        click(d->s->get<TextBox>(boxes, from));
        d->clickNumber(5);
        QCOMPARE(d->s->get<TextBox>(boxes, from)->text(), QStringLiteral("7"));
        QCOMPARE(d->current(), QStringList{QStringLiteral("%1(%2)").arg(boxes).arg(next)});
        d->clickNumber(6);
        QCOMPARE(d->s->get<TextBox>(boxes, next)->text(), QStringLiteral("8"));
        if (next != from) {
            QCOMPARE(d->s->get<TextBox>(boxes, from)->text(), QStringLiteral("7"));
            // The first box of the next row opens its own set.
            const int base = boxes == QLatin1String("Text3") ? 35 : 43;
            QCOMPARE(d->caption("lbl11", base), QStringLiteral("{"));
            QCOMPARE(d->caption("lbl11", base + 1), QStringLiteral("}"));
        }
    }

    // Checks carry no score: a row is judged again after a change, every button stays enabled.
    void checkedAgainAfterAChange() {
        d->write(1, {"2", "7"});
        d->check(1);
        d->write(1, {"2", "6"});
        d->check(1);
        QCOMPARE(d->colours(1), QStringLiteral("kkkkkkkk"));
        for (int r = 1; r <= 6; ++r) {
            d->check(r);
            QVERIFY(d->button("Cmd1", kRows[r - 1].check)->isEnabled());
        }
    }

    void unionPictureOfRow6LeavesNoBoxCurrent() {
        click(d->box(4, 3));
        click(d->s->control("Image1")->widget());
        QVERIFY(d->current().isEmpty());
        d->clickNumber(0);
        for (int r = 1; r <= 6; ++r)
            for (int p = 0; p < kRows[r - 1].count; ++p)
                QVERIFY(d->box(r, p)->text().isEmpty());
        click(d->box(6, 2));
        QCOMPARE(d->current(), QStringList{"Text4(10)"});
    }

    // Intersection rows show one rule, union rows the other, whatever sets they ask about.
    void rules_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("note");
        QTest::newRow("row 1 س ∩ ع") << 0 << 1;
        QTest::newRow("row 2 س ∪ ع") << 1 << 2;
        QTest::newRow("row 3 ع ∩ ص") << 2 << 1;
        QTest::newRow("row 4 ع ∪ ص") << 3 << 2;
        QTest::newRow("row 5 س ∩ ص") << 8 << 1;
        QTest::newRow("row 6 س ∪ ص") << 9 << 2;
    }
    void rules() {
        QFETCH(int, button);
        QFETCH(int, note);
        d->press("Cmd1", note == 1 ? 1 : 0); // the other rule first
        d->press("Cmd1", button);
        QVERIFY(d->shown("Label2", note));
        QVERIFY(!d->shown("Label2", 3 - note));
        QCOMPARE(d->caption("Label2", note), note == 1 ? kIntersectionRule : kUnionRule);
        QVERIFY(d->readWhole("Label2", note));
    }

    void repeatNoteStays() {
        d->write(2, {"7", "7"});
        d->check(2);
        QCOMPARE(d->colours(2), QStringLiteral("ggkkkkkk"));
        QVERIFY(d->shown("Label2", 0));
        QCOMPARE(d->caption("Label2", 0), kRepeatNote);
        QVERIFY(d->readWhole("Label2", 0));
        d->newProblem();
        d->press("Cmd1", 0);
        d->check(1);
        QVERIFY(d->shown("Label2", 0));
    }

    // Row 2's title is one label "س   ع=": the union sign stands between its letters.
    void unionSignBetweenTheLettersOfRow2() {
        const Label* t = d->label("Label1", 1);
        QCOMPARE(t->caption(), QStringLiteral("س   ع="));
        const QFontMetrics m(t->font());
        const int right = t->geometry().right() + 1; // right-aligned
        const int letterS = right - m.horizontalAdvance(QStringLiteral("س"));
        const int letterE =
            right - m.horizontalAdvance(t->caption()) + m.horizontalAdvance(QStringLiteral("ع="));
        // The sign is drawn across the middle of its picture, 8 to 27 of 35 units.
        const QRect pic = d->s->control("Image6")->widget()->geometry();
        const int signLeft = pic.left() + pic.width() * 8 / 35;
        const int signRight = pic.left() + (pic.width() * 27 + 34) / 35;
        QVERIFY2(letterE <= signLeft && signRight <= letterS,
                 qPrintable(QStringLiteral("ع= ends %1, sign %2..%3, س starts %4")
                                .arg(letterE)
                                .arg(signLeft)
                                .arg(signRight)
                                .arg(letterS)));
        QVERIFY(d->readWhole("Label4"));
    }
};

SDTEST_MAIN(TestFrmgrop2)
#include "tst_frmgrop2.moc"
