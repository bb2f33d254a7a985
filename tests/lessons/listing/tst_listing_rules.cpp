// The plain rules of the listing drills: the ten-step renumbering of the diagram,
// the separators a click or a keystroke puts around the boxes, judging a written
// row, and the arithmetic of a row's score.

#include "lessons/listing/listing_rules.h"

#include <QtTest>

using namespace sd::listing;

Q_DECLARE_METATYPE(Mark)

namespace {

QList<Mark> marksFrom(const QString& letters) {
    // k correct (black), w wrong (red), r repeated (green)
    QList<Mark> out;
    for (QChar c : letters)
        out.append(c == u'w' ? Mark::Wrong : c == u'r' ? Mark::Repeated : Mark::Correct);
    return out;
}

const QString kCommaText = QStringLiteral("،");

} // namespace

class TestListingRules : public QObject {
    Q_OBJECT
private slots:
    void spokenOutcome_data();
    void spokenOutcome();
    void renumberIsOneTenStepCycle();
    void renumberReadsCaptionsAsNumbers_data();
    void renumberReadsCaptionsAsNumbers();
    void renumberGivesTheDrillsProblems_data();
    void renumberGivesTheDrillsProblems();
    void separatorCycle_data();
    void separatorCycle();
    void judging_data();
    void judging();
    void scoring_data();
    void scoring();
    void colours();
};

void TestListingRules::renumberIsOneTenStepCycle() {
    const QStringList cycle{"0", "1", "3", "2", "7", "5", "9", "4", "6", "8"};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(RenumberDigit(cycle[i]), cycle[(i + 1) % 10]);
    // Ten steps from any digit come back to it, never sooner.
    for (const QString& start : cycle) {
        QString d = start;
        for (int step = 1; step <= 10; ++step) {
            d = RenumberDigit(d);
            QCOMPARE(d == start, step == 10);
        }
    }
}

void TestListingRules::renumberReadsCaptionsAsNumbers_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("next");
    QTest::newRow("space around") << " 5 "
                                  << "9";
    QTest::newRow("leading zero") << "07"
                                  << "5";
    QTest::newRow("empty") << ""
                           << "1";
    QTest::newRow("letter") << "x"
                            << "1";
    QTest::newRow("ten") << "10"
                         << "1";
}

void TestListingRules::renumberReadsCaptionsAsNumbers() {
    QFETCH(QString, caption);
    QFETCH(QString, next);
    QCOMPARE(RenumberDigit(caption), next);
}

// The diagram numbers of the first intersection and union drill, problem after
// problem, as a pupil meets them pressing "new" again and again.
void TestListingRules::renumberGivesTheDrillsProblems_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QStringList problems{"1 6 2 3 5 9 8 4", "3 8 7 2 9 4 0 6", "2 0 5 7 4 6 1 8", "7 1 9 5 6 8 3 0",
                               "5 3 4 9 8 0 2 1", "9 2 6 4 0 1 7 3", "4 7 8 6 1 3 5 2", "6 5 0 8 3 2 9 7",
                               "8 9 1 0 2 7 4 5", "0 4 3 1 7 5 6 9"};
    for (int p = 0; p < 10; ++p)
        QTest::addRow("problem %d to %d", p + 1, (p + 1) % 10 + 1) << problems[p] << problems[(p + 1) % 10];
}

void TestListingRules::renumberGivesTheDrillsProblems() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QStringList next;
    for (const QString& d : before.split(u' '))
        next.append(RenumberDigit(d));
    QCOMPARE(next.join(u' '), after);
}

void TestListingRules::separatorCycle_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("next");
    QTest::newRow("comma") << kCommaText << "}";
    QTest::newRow("closing brace") << "}"
                                   << ".";
    QTest::newRow("point") << "." << kCommaText;
    QTest::newRow("opening brace stays") << "{"
                                         << "{";
    QTest::newRow("latin comma") << ","
                                 << "{";
}

void TestListingRules::separatorCycle() {
    QFETCH(QString, shown);
    QFETCH(QString, next);
    QCOMPARE(nextSeparator(shown), next);
}

void TestListingRules::judging_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<bool>("repeated");
    const QStringList s{"9", "8", "1", "6", "2"};
    QTest::newRow("set in any order")
        << QStringList{"2", "9", "6", "1", "8", "", "", ""} << s << "kkkkkkkk" << false;
    QTest::newRow("9 9 8") << QStringList{"9", "9", "8", "", ""} << s << "rrkkk" << true;
    QTest::newRow("one not an element")
        << QStringList{"9", "8", "1", "6", "2", "7"} << s << "kkkkkw" << false;
    QTest::newRow("7 7: wrong, never repeated") << QStringList{"7", "7", ""} << s << "wwk" << false;
    QTest::newRow("a space is empty") << QStringList{" ", "9", " "} << s << "kkk" << false;
    QTest::newRow("a letter is wrong") << QStringList{"a", "9"} << s << "wk" << false;
    QTest::newRow("an Arabic digit is not a digit") << QStringList{"٩"} << s << "w" << false;
    QTest::newRow("intersection with a repeat")
        << QStringList{"1", "6", "2", "2", ""} << QStringList{"1", "6", "2"} << "kkrrk" << true;
    QTest::newRow("three of a kind") << QStringList{"1", "1", "1"} << QStringList{"1"} << "rrr" << true;
    QTest::newRow("outside both sets") << QStringList{"4"} << s << "w" << false;
    QTest::newRow("empty set, nothing written")
        << QStringList{"", " ", ""} << QStringList{} << "kkk" << false;
    QTest::newRow("empty set, a digit written")
        << QStringList{"", "3", ""} << QStringList{} << "kwk" << false;
    QTest::newRow("all empty") << QStringList{"", "", ""} << s << "kkk" << false;
}

void TestListingRules::judging() {
    QFETCH(QStringList, texts);
    QFETCH(QStringList, elements);
    QFETCH(QString, marks);
    QFETCH(bool, repeated);
    const Judgement j = judgeEntries(texts, elements);
    QCOMPARE(j.marks, marksFrom(marks));
    QCOMPARE(j.repeated, repeated);
}

void TestListingRules::scoring_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<double>("weight");
    QTest::addColumn<int>("adjustment");
    QTest::addColumn<double>("at");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("score");
    QTest::addColumn<double>("duplicate");
    QTest::addColumn<double>("correct");
    const int none = Adjustment::None;
    const int raise = Adjustment::RaiseWhenEqual;
    const int cap = Adjustment::CapAbove;
    QTest::newRow("set, all five") << QStringList{"9", "8", "1", "6", "2"} << "kkkkk" << 0.5 << none << 0.0
                                   << 0.0 << 2.5 << 0.0 << 2.5;
    QTest::newRow("9 9 8 gives 1") << QStringList{"9", "9", "8"} << "rrk" << 0.5 << none << 0.0 << 0.0 << 1.0
                                   << 0.5 << 0.5;
    QTest::newRow("five and a stranger gives 2") << QStringList{"9", "8", "1", "6", "2", "7"} << "kkkkkw"
                                                 << 0.5 << none << 0.0 << 0.0 << 2.0 << 0.0 << 2.5;
    QTest::newRow("7 7 raised to 0") << QStringList{"7", "7"} << "ww" << 0.5 << none << 0.0 << 0.0 << 0.0
                                     << 0.0 << 0.0;
    QTest::newRow("intersection 1.5 raised to 2")
        << QStringList{"1", "6", "2"} << "kkk" << 0.5 << raise << 1.5 << 2.0 << 2.0 << 0.0 << 1.5;
    QTest::newRow("intersection with a repeated 2")
        << QStringList{"1", "6", "2", "2"} << "kkrr" << 0.5 << raise << 1.5 << 2.0 << 2.0 << 0.5 << 1.0;
    QTest::newRow("intersection 1 stays 1")
        << QStringList{"1", "6"} << "kk" << 0.5 << raise << 1.5 << 2.0 << 1.0 << 0.0 << 1.0;
    QTest::newRow("union 3.5 cut to 3") << QStringList{"9", "8", "1", "6", "2", "3", "5"} << "kkkkkkk" << 0.5
                                        << cap << 3.0 << 0.0 << 3.0 << 0.0 << 3.5;
    QTest::newRow("union 3 stays") << QStringList{"9", "8", "1", "6", "2", "3"} << "kkkkkk" << 0.5 << cap
                                   << 3.0 << 0.0 << 3.0 << 0.0 << 3.0;
    QTest::newRow("nothing written") << QStringList{"", "", ""} << "kkk" << 0.5 << none << 0.0 << 0.0 << 0.0
                                     << 0.0 << 0.0;
    QTest::newRow("spaces are not counted")
        << QStringList{" ", "9", " "} << "kkk" << 0.5 << none << 0.0 << 0.0 << 0.5 << 0.0 << 0.5;
    QTest::newRow("weight one, red costs half")
        << QStringList{"9", "8", "1"} << "kkw" << 1.0 << none << 0.0 << 0.0 << 1.5 << 0.0 << 2.0;
    QTest::newRow("3 and 3 gives one half")
        << QStringList{"3", "3"} << "rr" << 1.0 << none << 0.0 << 0.0 << 0.5 << 0.5 << 0.0;
    QTest::newRow("repeats earn once, reds still cost")
        << QStringList{"1", "1", "2", "2", "x"} << "rrrrw" << 0.5 << none << 0.0 << 0.0 << 0.0 << 0.5 << 0.0;
}

void TestListingRules::scoring() {
    QFETCH(QStringList, texts);
    QFETCH(QString, marks);
    QFETCH(double, weight);
    QFETCH(int, adjustment);
    QFETCH(double, at);
    QFETCH(double, to);
    QFETCH(double, score);
    QFETCH(double, duplicate);
    QFETCH(double, correct);
    const RowScoring k{.weight = weight, .adjustment = {Adjustment::Kind(adjustment), at, to}, .maximum = 3};
    const RowScore r = scoreEntries(marksFrom(marks), texts, k);
    QCOMPARE(r.score, score);
    QCOMPARE(r.duplicate, duplicate);
    QCOMPARE(r.correct, correct);
}

void TestListingRules::colours() {
    QCOMPARE(colorOf(Mark::Correct), sd::Rgb(0x000000));
    QCOMPARE(colorOf(Mark::Wrong), sd::Rgb(0xFF0000));
    QCOMPARE(colorOf(Mark::Repeated), sd::Rgb(0x00FF00));
    for (Mark m : {Mark::Correct, Mark::Wrong, Mark::Repeated})
        QCOMPARE(markOf(sd::Rgb(colorOf(m).value | 0xFF000000)), m);
}

// A check's outcome counts only what the pupil wrote: an empty box is no answer.
void TestListingRules::spokenOutcome_data() {
    QTest::addColumn<QList<Mark>>("marks");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("said");
    QTest::newRow("empty boxes") << QList<Mark>{Mark::Correct, Mark::Correct} << QStringList{"", ""}
                                 << "صحيح 0، خطأ 0، مكرر 0";
    QTest::newRow("mixed") << QList<Mark>{Mark::Correct, Mark::Wrong, Mark::Repeated, Mark::Repeated,
                                          Mark::Correct}
                           << QStringList{"1", "4", "2", "2", ""} << "صحيح 1، خطأ 1، مكرر 2";
}

void TestListingRules::spokenOutcome() {
    QFETCH(QList<Mark>, marks);
    QFETCH(QStringList, texts);
    QFETCH(QString, said);
    QCOMPARE(sd::listing::spokenOutcome(marks, texts), said);
}

QTEST_GUILESS_MAIN(TestListingRules)
#include "tst_listing_rules.moc"
