// The difference drill: س − ص, ص − س, the intersection and the union, scored with
// the weights of this drill; each note button's own rule in one frame; tooltips;
// the repeat note that goes at the next row button.

#include "drillscreen.h"

using namespace drilltest;

namespace {

const std::vector<Row> kRows{
    {"Text1", 0, 8, 4, "lbl3", 0, 4},
    {"Text2", 0, 8, 5, "lbl2", 0, 4},
    {"Text3", 0, 7, 6, "lbl4", 0, 6},
    {"Text4", 0, 8, 7, "lbl5", 0, 14},
};

const QString kRepeatNote = QStringLiteral("يراعى عدم تكرار العنصر في المجموعة");

} // namespace

class TestFrmgroub5 : public QObject {
    Q_OBJECT

    std::unique_ptr<DrillScreen> d;

    QString score(int r) const { return d->caption("Label14", r - 1); }
    QString fraction() const { return d->caption("Label5", 2) + u'/' + d->caption("Label5", 3); }

private slots:
    void init() {
        d = std::make_unique<DrillScreen>("frmgroub5", kRows);
        QVERIFY(d->active);
    }
    void cleanup() { d.reset(); }

    void atLoad() {
        QCOMPARE(d->s->canvas()->size(), QSize(792, 566));
        QCOMPARE(d->diagram(), QStringLiteral("1 6 2 3 5 9 8 0"));
        QCOMPARE(d->caption("Label1", 0), QStringLiteral("س - ص="));
        QCOMPARE(d->caption("Label1", 1), QStringLiteral("ص- س="));
        QCOMPARE(d->button("Command2")->caption(), QStringLiteral("مسح"));
        QCOMPARE(fraction(), QStringLiteral("0/0"));
        QCOMPARE(d->current(), QStringList{"Text1(0)"});
        for (const char* name : {"Label4", "Label5", "Label2"})
            for (int i : d->s->indexes(QString::fromLatin1(name)))
                QVERIFY2(d->readWhole(name, i), qPrintable(QStringLiteral("%1(%2)").arg(name).arg(i)));
        QVERIFY(d->readWhole("Label4"));
        // The set letters stand inside the diagram's frame, clear of its edge.
        const QRect frame = d->s->control("Shape6")->widget()->geometry().adjusted(3, 3, -3, -3);
        for (int i : {2, 7}) {
            const Label* letter = d->label("Label1", i);
            const int ink = QFontMetrics(letter->font()).horizontalAdvance(letter->caption());
            const QRect at = letter->geometry();
            QVERIFY2(frame.left() < at.center().x() - ink / 2 && at.center().x() + ink / 2 < frame.right(),
                     qPrintable(letter->caption()));
        }
    }

    // Tooltips on the note buttons, the check buttons and every comma; none on the braces.
    void tooltips() {
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(d->button("Cmd1", r)->toolTip(), QStringLiteral("اضغط لترى ملاحظات"));
            QCOMPARE(d->button("Cmd1", r + 4)->toolTip(), QStringLiteral("اضغط هنا لترى الاجابة"));
        }
        const int bases[] = {0, 9, 18, 26, 35};
        for (int r = 0; r < 4; ++r) {
            QVERIFY(d->label("lbl11", bases[r])->toolTip().isEmpty());
            for (int k = bases[r] + 1; k < bases[r + 1]; ++k)
                QCOMPARE(d->label("lbl11", k)->toolTip(),
                         QStringLiteral("اضغط لتغير النقطة إلى فاصلة أو قوس"));
        }
    }

    void problemSequence_data() {
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<QString>("keys"); // each row's elements, rows apart by "|"
        QTest::newRow("1") << 0 << "1 6 2 3 5 9 8 0"
                           << "9 8 | 3 5 | 1 6 2 | 9 8 1 6 2 3 5";
        QTest::newRow("2") << 1 << "3 8 7 2 9 4 0 1"
                           << "4 0 | 2 9 | 3 8 7 | 4 0 3 8 7 2 9";
        QTest::newRow("3") << 2 << "2 0 5 7 4 6 1 3"
                           << "6 1 | 7 4 | 2 0 5 | 6 1 2 0 5 7 4";
        QTest::newRow("4") << 3 << "7 1 9 5 6 8 3 2"
                           << "8 3 | 5 6 | 7 1 9 | 8 3 7 1 9 5 6";
        QTest::newRow("5") << 4 << "5 3 4 9 8 0 2 7"
                           << "0 2 | 9 8 | 5 3 4 | 0 2 5 3 4 9 8";
        QTest::newRow("6") << 5 << "9 2 6 4 0 1 7 5"
                           << "1 7 | 4 0 | 9 2 6 | 1 7 9 2 6 4 0";
        QTest::newRow("7") << 6 << "4 7 8 6 1 3 5 9"
                           << "3 5 | 6 1 | 4 7 8 | 3 5 4 7 8 6 1";
        QTest::newRow("8") << 7 << "6 5 0 8 3 2 9 4"
                           << "2 9 | 8 3 | 6 5 0 | 2 9 6 5 0 8 3";
        QTest::newRow("9") << 8 << "8 9 1 0 2 7 4 6"
                           << "7 4 | 0 2 | 8 9 1 | 7 4 8 9 1 0 2";
        QTest::newRow("10") << 9 << "0 4 3 1 7 5 6 8"
                            << "5 6 | 1 7 | 0 4 3 | 5 6 0 4 3 1 7";
    }
    void problemSequence() {
        QFETCH(int, presses);
        QFETCH(QString, numbers);
        QFETCH(QString, keys);
        d->newProblem(presses);
        QCOMPARE(d->diagram(), numbers);
        const QStringList elements = keys.split(u'|');
        d->press("Cmd1", 0); // any row button brings the keys up to date
        for (int r = 1; r <= 4; ++r)
            QCOMPARE(d->key(r), roster(elements[r - 1]));
        for (int r = 1; r <= 4; ++r) {
            d->write(r, elements[r - 1].split(u' ', Qt::SkipEmptyParts));
            d->check(r);
            QCOMPARE(d->colours(r), QString(kRows[r - 1].count, u'k'));
            QVERIFY(d->keyShown(r));
        }
        QCOMPARE((QStringList{score(1), score(2), score(3), score(4)}), (QStringList{"2", "2", "3", "3"}));
        QCOMPARE(fraction(), QStringLiteral("10/10"));
    }

    void checkingARow_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QString>("score");
        QTest::addColumn<bool>("note");
        QTest::newRow("س − ص right") << 1 << QStringList{"9", "8"} << "kkkkkkkk"
                                     << "2" << false;
        QTest::newRow("س − ص with an element of ص") << 1 << QStringList{"9", "8", "1"} << "kkrkkkkk"
                                                    << "1.5" << false;
        QTest::newRow("ص − س repeated") << 2 << QStringList{"3", "3"} << "ggkkkkkk"
                                        << "0.5" << true;
        QTest::newRow("ص − س the wrong way round") << 2 << QStringList{"9", "8"} << "rrkkkkkk"
                                                   << "0" << false;
        QTest::newRow("intersection, one missing") << 3 << QStringList{"1", "6"} << "kkkkkkk"
                                                   << "2" << false;
        QTest::newRow("union, all seven") << 4 << QStringList{"9", "8", "1", "6", "2", "3", "5"} << "kkkkkkkk"
                                          << "3" << false;
        // The number outside both ellipses belongs to no row.
        for (int r = 1; r <= 4; ++r)
            QTest::addRow("row %d with the outside 0", r)
                << r << QStringList{"0"} << QString(kRows[r - 1].count, u'k').replace(0, 1, u'r') << "0"
                << false;
    }
    void checkingARow() {
        QFETCH(int, row);
        QFETCH(QStringList, entries);
        QFETCH(QString, colours);
        QFETCH(QString, score);
        QFETCH(bool, note);
        const char* maxima[] = {"", "2", "2", "3", "3"};
        d->write(row, entries);
        d->check(row);
        QCOMPARE(d->colours(row), colours);
        QCOMPARE(this->score(row), dec(score));
        QCOMPARE(d->shown("Label2", 0), note);
        QCOMPARE(fraction(), dec(score) + u'/' + maxima[row]);
        QVERIFY(!d->button("Cmd1", kRows[row - 1].check)->isEnabled());
    }

    // The repeat note goes at the next click of any row button, and not with "جديد".
    void repeatNoteGoesAtTheNextRowButton_data() {
        QTest::addColumn<int>("button");
        for (int b = 0; b < 8; ++b)
            QTest::addRow("Cmd1(%d)", b) << b;
    }
    void repeatNoteGoesAtTheNextRowButton() {
        QFETCH(int, button);
        d->write(2, {"3", "3"});
        d->check(2);
        QVERIFY(d->shown("Label2", 0));
        QCOMPARE(d->caption("Label2", 0), kRepeatNote);
        d->newProblem();
        QVERIFY(d->shown("Label2", 0));
        d->press("Cmd1", button);
        QVERIFY(!d->shown("Label2", 0));
    }

    // Each note button shows its own rule in the one frame, in place of the last.
    void rulesShareOneFrame_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("note");
        QTest::addColumn<QString>("text");
        QTest::newRow("س − ص, then the intersection")
            << 0 << 2 << 1 << QStringLiteral("التقاطع هو العناصر المشتركة في س و ص");
        QTest::newRow("the intersection, then س − ص")
            << 2 << 0 << 3 << QStringLiteral("س- ص :عناصر تنتمي إلى س ولا تنتمي إلى ص");
        QTest::newRow("the union, then ص − س")
            << 3 << 1 << 4 << QStringLiteral("ص- س :عناصر تنتمي إلى ص ولا تنتمي إلى س");
        QTest::newRow("ص − س, then the union")
            << 1 << 3 << 2 << QStringLiteral("الاتحاد جميع العناصر في س أو   ص ");
    }
    void rulesShareOneFrame() {
        QFETCH(int, before);
        QFETCH(int, button);
        QFETCH(int, note);
        QFETCH(QString, text);
        d->press("Cmd1", before);
        d->press("Cmd1", button);
        QStringList visible;
        for (int n = 1; n <= 4; ++n)
            if (d->shown("Label2", n))
                visible.append(QString::number(n));
        QCOMPARE(visible, QStringList{QString::number(note)});
        QCOMPARE(d->caption("Label2", note), text);
        QCOMPARE(d->label("Label2", note)->twips(), d->label("Label2", 1)->twips());
        QVERIFY(d->s->control("Shape5")->twips().contains(d->label("Label2", note)->twips()));
    }
};

SDTEST_MAIN(TestFrmgroub5)
#include "tst_frmgroub5.moc"
