// The rules of the expressing-sets drill on their own: the fixed stepping of
// every problem, the correct sets, the judging of one written element, the
// tallies and the percentage. Expected values are worked out by hand.

#include "lessons/expressing/expressing_rules.h"

#include <QtTest>

#include <numeric>

using namespace sd::expressing;

Q_DECLARE_METATYPE(Verdict)

class TestExpressingRules : public QObject {
    Q_OBJECT

private slots:
    void spokenStatement_data();
    void spokenStatement();
    void stepping_data();
    void stepping();
    void digitsNumberWrapsAndKeepsFiveDigits_data();
    void digitsNumberWrapsAndKeepsFiveDigits();
    void twoNumberProblemsVisitEveryPair_data();
    void twoNumberProblemsVisitEveryPair();
    void primesAlwaysTenApart();
    void divisorsRunThroughOneToTwentyThree();

    void correctSets_data();
    void correctSets();
    void digitsEmptyTheirRepeatsInPlace_data();
    void digitsEmptyTheirRepeatsInPlace();
    void countingRowsFillEverySlot();
    void designSetsHoldFortyFourElements();
    void setsNeverOverflowTheirRows();

    void judging_data();
    void judging();
    void readsAsNumber_data();
    void readsAsNumber();
    void judgingARow_data();
    void judgingARow();

    void tallies_data();
    void tallies();
    void percentages_data();
    void percentages();
    void noPercentageWithoutElements();

    void grid_data();
    void grid();
    void separatorCycle_data();
    void separatorCycle();
    void newProblemsChangeEveryRowOnce();
    void digitsRowSeparators_data();
    void digitsRowSeparators();
};

// ---------------------------------------------------------------- stepping

void TestExpressingRules::stepping_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("as");
    QTest::addColumn<QList<int>>("bs");
    // From the numbers the drill starts with; b is 0 for one-number problems.
    QTest::newRow("1 digits of n") << 1 << QList<int>{44552, 45084, 45616, 46148, 46680}
                                   << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("2 from a to b") << 2 << QList<int>{1, 4, 2, 3, 4, 2, 3, 4}
                                   << QList<int>{7, 5, 8, 6, 7, 5, 8, 6};
    QTest::newRow("3 between a and b")
        << 3 << QList<int>{3, 1, 4, 2, 3, 1, 4} << QList<int>{9, 8, 6, 7, 5, 9, 8};
    QTest::newRow("4 whole below n") << 4 << QList<int>{7, 6, 3, 4, 5, 7, 6}
                                     << QList<int>{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("5 odd between") << 5 << QList<int>{2, 5, 1, 3, 4, 2, 5, 1, 3, 4}
                                   << QList<int>{14, 13, 11, 12, 8, 10, 7, 6, 14, 13};
    QTest::newRow("6 even between (15 only at the start)")
        << 6 << QList<int>{3, 2, 4, 5, 1, 3, 2, 4, 5, 1, 3}
        << QList<int>{15, 12, 11, 14, 8, 13, 7, 10, 9, 12, 11};
    QTest::newRow("7 primes between")
        << 7 << QList<int>{10, 30, 0, 20, 10, 30} << QList<int>{20, 40, 10, 30, 20, 40};
    QTest::newRow("8 divisors of n, period 23")
        << 8 << QList<int>{20, 1, 5,  9,  13, 17, 21, 2, 6,  10, 14, 18, 22,
                           3,  7, 11, 15, 19, 23, 4,  8, 12, 16, 20, 1}
        << QList<int>(25, 0);
}

void TestExpressingRules::stepping() {
    QFETCH(int, row);
    QFETCH(QList<int>, as);
    QFETCH(QList<int>, bs);
    const Problem p = problemOfRow(row);
    Numbers x = designNumbers(p);
    QCOMPARE(x, (Numbers{as[0], bs[0]}));
    for (int i = 1; i < as.size(); ++i) {
        x = step(p, x);
        QVERIFY2(x == (Numbers{as[i], bs[i]}),
                 qPrintable(QStringLiteral("step %1 gave %2, %3").arg(i).arg(x.a).arg(x.b)));
    }
}

void TestExpressingRules::digitsNumberWrapsAndKeepsFiveDigits_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("next");
    QTest::newRow("wrap from 98284") << 98284 << 28816;
    QTest::newRow("98334 is the ceiling itself") << 97802 << 98334;
    QTest::newRow("just past the ceiling") << 98334 << 28866;
    QTest::newRow("lowest after a wrap") << 97803 << 28335;
}

void TestExpressingRules::digitsNumberWrapsAndKeepsFiveDigits() {
    QFETCH(int, n);
    QFETCH(int, next);
    QCOMPARE(step(Problem::DigitsOfNumber, {n, 0}).a, next);
    // A long run never leaves 28335 .. 98334.
    Numbers x = designNumbers(Problem::DigitsOfNumber);
    for (int i = 0; i < 1000; ++i) {
        x = step(Problem::DigitsOfNumber, x);
        QVERIFY(x.a >= 28335 && x.a <= 98334);
    }
}

void TestExpressingRules::twoNumberProblemsVisitEveryPair_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("pairs");
    QTest::newRow("2 from-to") << 2 << 12;
    QTest::newRow("3 between") << 3 << 20;
    QTest::newRow("5 odd") << 5 << 40;
    QTest::newRow("6 even") << 6 << 40;
}

void TestExpressingRules::twoNumberProblemsVisitEveryPair() {
    QFETCH(int, row);
    QFETCH(int, pairs);
    const Problem p = problemOfRow(row);
    Numbers x = step(p, designNumbers(p));
    QSet<QPair<int, int>> seen;
    for (int i = 0; i < pairs; ++i, x = step(p, x))
        seen.insert({x.a, x.b});
    QCOMPARE(int(seen.size()), pairs);
    // ... and then comes back to where it was after the first step.
    QCOMPARE(x, step(p, designNumbers(p)));
}

void TestExpressingRules::primesAlwaysTenApart() {
    Numbers x = designNumbers(Problem::PrimesBetween);
    for (int i = 0; i < 12; ++i, x = step(Problem::PrimesBetween, x))
        QCOMPARE(x.b, x.a + 10);
}

void TestExpressingRules::divisorsRunThroughOneToTwentyThree() {
    Numbers x = designNumbers(Problem::DivisorsOf);
    QSet<int> seen;
    for (int i = 0; i < 23; ++i, x = step(Problem::DivisorsOf, x))
        seen.insert(x.a);
    QCOMPARE(seen.size(), 23);
    QVERIFY(*std::min_element(seen.begin(), seen.end()) == 1);
    QVERIFY(*std::max_element(seen.begin(), seen.end()) == 23);
}

// ---------------------------------------------------------------- correct sets

void TestExpressingRules::correctSets_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QStringList>("elements");
    QTest::newRow("digits 44552: units first, repeats out") << 1 << 44552 << 0 << QStringList{"2", "5", "4"};
    QTest::newRow("digits 45084: 0 is an element") << 1 << 45084 << 0 << QStringList{"4", "8", "0", "5"};
    QTest::newRow("digits 28816") << 1 << 28816 << 0 << QStringList{"6", "1", "8", "2"};
    QTest::newRow("from 1 to 7") << 2 << 1 << 7 << QStringList{"1", "2", "3", "4", "5", "6", "7"};
    QTest::newRow("from 2 to 5, ends in") << 2 << 2 << 5 << QStringList{"2", "3", "4", "5"};
    QTest::newRow("between 3 and 9, ends out") << 3 << 3 << 9 << QStringList{"4", "5", "6", "7", "8"};
    QTest::newRow("between 4 and 5: empty") << 3 << 4 << 5 << QStringList{};
    QTest::newRow("between 1 and 9") << 3 << 1 << 9 << QStringList{"2", "3", "4", "5", "6", "7", "8"};
    QTest::newRow("below 3, descending, 0 in") << 4 << 3 << 0 << QStringList{"2", "1", "0"};
    QTest::newRow("below 7") << 4 << 7 << 0 << QStringList{"6", "5", "4", "3", "2", "1", "0"};
    QTest::newRow("odd between 2 and 14") << 5 << 2 << 14 << QStringList{"3", "5", "7", "9", "11", "13"};
    QTest::newRow("odd between 1 and 6") << 5 << 1 << 6 << QStringList{"3", "5"};
    QTest::newRow("odd between 5 and 6: empty") << 5 << 5 << 6 << QStringList{};
    QTest::newRow("odd between 5 and 7: empty") << 5 << 5 << 7 << QStringList{};
    QTest::newRow("odd between 4 and 14") << 5 << 4 << 14 << QStringList{"5", "7", "9", "11", "13"};
    QTest::newRow("even between 3 and 15") << 6 << 3 << 15 << QStringList{"4", "6", "8", "10", "12", "14"};
    QTest::newRow("even between 5 and 8") << 6 << 5 << 8 << QStringList{"6"};
    QTest::newRow("even between 4 and 8, ends out") << 6 << 4 << 8 << QStringList{"6"};
    QTest::newRow("even between 1 and 7") << 6 << 1 << 7 << QStringList{"2", "4", "6"};
    QTest::newRow("primes 10-20") << 7 << 10 << 20 << QStringList{"11", "13", "17", "19"};
    QTest::newRow("primes 0-10, no 1") << 7 << 0 << 10 << QStringList{"2", "3", "5", "7"};
    QTest::newRow("primes 20-30") << 7 << 20 << 30 << QStringList{"23", "29"};
    QTest::newRow("primes 30-40") << 7 << 30 << 40 << QStringList{"31", "37"};
    QTest::newRow("divisors of 1") << 8 << 1 << 0 << QStringList{"1"};
    QTest::newRow("divisors of 4, in pairs") << 8 << 4 << 0 << QStringList{"1", "4", "2"};
    QTest::newRow("divisors of 12") << 8 << 12 << 0 << QStringList{"1", "12", "2", "6", "3", "4"};
    QTest::newRow("divisors of 16") << 8 << 16 << 0 << QStringList{"1", "16", "2", "8", "4"};
    QTest::newRow("divisors of 20") << 8 << 20 << 0 << QStringList{"1", "20", "2", "10", "4", "5"};
    QTest::newRow("divisors of 23") << 8 << 23 << 0 << QStringList{"1", "23"};
}

void TestExpressingRules::correctSets() {
    QFETCH(int, row);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QStringList, elements);
    QCOMPARE(correctElements(problemOfRow(row), {a, b}), elements);
}

void TestExpressingRules::digitsEmptyTheirRepeatsInPlace_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("44552") << 44552 << QStringList{"2", "5", "", "4", ""};
    QTest::newRow("77777") << 77777 << QStringList{"7", "", "", "", ""};
    QTest::newRow("12345") << 12345 << QStringList{"5", "4", "3", "2", "1"};
    QTest::newRow("30303") << 30303 << QStringList{"3", "0", "", "", ""};
}

void TestExpressingRules::digitsEmptyTheirRepeatsInPlace() {
    QFETCH(int, n);
    QFETCH(QStringList, texts);
    const CorrectSet set = correctSet(Problem::DigitsOfNumber, {n, 0});
    QCOMPARE(set.texts, texts);
    QCOMPARE(set.count, 5);
}

void TestExpressingRules::countingRowsFillEverySlot() {
    // Slots beyond the set are filled on (and stay hidden on screen).
    const CorrectSet below = correctSet(Problem::WholeLessThan, {3, 0});
    QCOMPARE(below.count, 3);
    QCOMPARE(below.texts, (QStringList{"2", "1", "0", "-1", "-2", "-3", "-4"}));
    const CorrectSet odd = correctSet(Problem::OddBetween, {1, 6});
    QCOMPARE(odd.count, 2);
    QCOMPARE(odd.texts, (QStringList{"3", "5", "7", "9", "11", "13"}));
    const CorrectSet empty = correctSet(Problem::StrictlyBetween, {4, 5});
    QCOMPARE(empty.count, 0);
    QCOMPARE(empty.texts.size(), 7);
}

void TestExpressingRules::designSetsHoldFortyFourElements() {
    int total = 0;
    QList<int> sizes;
    for (int k = 1; k <= kProblemCount; ++k) {
        const Problem p = problemOfRow(k);
        sizes.append(int(correctElements(p, designNumbers(p)).size()));
        total += sizes.last();
    }
    QCOMPARE(sizes, (QList<int>{3, 7, 5, 7, 6, 6, 4, 6}));
    QCOMPARE(total, 44);
}

// Every reachable problem fits its answer row.
void TestExpressingRules::setsNeverOverflowTheirRows() {
    for (int k = 1; k <= kProblemCount; ++k) {
        const Problem p = problemOfRow(k);
        Numbers x = designNumbers(p);
        for (int i = 0; i < 60; ++i, x = step(p, x)) {
            const CorrectSet set = correctSet(p, x);
            QVERIFY(set.count <= slotCount(p));
            QVERIFY(set.count >= 0);
            QCOMPARE(int(correctElements(p, x).size()) <= slotCount(p), true);
        }
    }
}

// ---------------------------------------------------------------- judging

void TestExpressingRules::judging_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("verdict");
    const auto C = Verdict::Correct;
    const auto W = Verdict::Wrong;
    const auto N = Verdict::NotANumber;
    const auto E = Verdict::Empty;

    QTest::newRow("1: 4 of 44552") << 1 << 44552 << 0 << "4" << C;
    QTest::newRow("1: 5") << 1 << 44552 << 0 << "5" << C;
    QTest::newRow("1: 2") << 1 << 44552 << 0 << "2" << C;
    QTest::newRow("1: 3 is not a digit of it") << 1 << 44552 << 0 << "3" << W;
    QTest::newRow("1: empty") << 1 << 44552 << 0 << "" << E;
    QTest::newRow("1: blank") << 1 << 44552 << 0 << " " << E;
    QTest::newRow("1: Arabic-Indic four") << 1 << 44552 << 0 << QString(QChar(0x0664)) << W;
    QTest::newRow("1: letter") << 1 << 44552 << 0 << "a" << W;
    QTest::newRow("1: 0 of 45084") << 1 << 45084 << 0 << "0" << C;

    QTest::newRow("2: lower end in") << 2 << 2 << 5 << "2" << C;
    QTest::newRow("2: upper end in") << 2 << 2 << 5 << "5" << C;
    QTest::newRow("2: below") << 2 << 2 << 5 << "1" << W;
    QTest::newRow("2: above") << 2 << 2 << 5 << "6" << W;
    QTest::newRow("2: Arabic-Indic three") << 2 << 2 << 5 << QString(QChar(0x0663)) << W;
    QTest::newRow("2: a sign") << 2 << 2 << 5 << "-" << W;
    QTest::newRow("2: blank is empty") << 2 << 2 << 5 << " " << E;

    QTest::newRow("3: lower end out") << 3 << 4 << 9 << "4" << W;
    QTest::newRow("3: upper end out") << 3 << 4 << 9 << "9" << W;
    QTest::newRow("3: inside") << 3 << 4 << 9 << "5" << C;
    QTest::newRow("3: letter") << 3 << 4 << 9 << "b" << W;

    QTest::newRow("4: 0 is in") << 4 << 3 << 0 << "0" << C;
    QTest::newRow("4: n is out") << 4 << 3 << 0 << "3" << W;
    QTest::newRow("4: 2") << 4 << 3 << 0 << "2" << C;

    QTest::newRow("5: 13") << 5 << 2 << 14 << "13" << C;
    QTest::newRow("5: upper end") << 5 << 2 << 14 << "14" << W;
    QTest::newRow("5: below a") << 5 << 2 << 14 << "1" << W;
    QTest::newRow("5: letter is not a number") << 5 << 2 << 14 << "a" << N;
    QTest::newRow("5: 7. reads as 7") << 5 << 2 << 14 << "7." << C;
    QTest::newRow("5: leading zero") << 5 << 2 << 14 << "03" << C;
    QTest::newRow("5: even") << 5 << 2 << 14 << "6" << W;
    QTest::newRow("5: 5.5 goes to 6") << 5 << 2 << 14 << "5.5" << W;
    QTest::newRow("5: 6.5 goes to 6") << 5 << 2 << 14 << "6.5" << W;
    QTest::newRow("5: 7.5 goes to 8") << 5 << 2 << 14 << "7.5" << W;
    QTest::newRow("5: 2.6 goes to 3, above a") << 5 << 2 << 14 << "2.6" << C;
    QTest::newRow("5: lone point") << 5 << 2 << 14 << "." << N;
    QTest::newRow("5: lone sign") << 5 << 2 << 14 << "-" << N;
    QTest::newRow("5: Arabic-Indic") << 5 << 2 << 14 << QString(QChar(0x0663)) << N;
    QTest::newRow("5: blanks round it") << 5 << 2 << 14 << " 7 " << C;

    QTest::newRow("6: 4") << 6 << 3 << 15 << "4" << C;
    QTest::newRow("6: 14") << 6 << 3 << 15 << "14" << C;
    QTest::newRow("6: upper end") << 6 << 3 << 15 << "15" << W;
    QTest::newRow("6: odd") << 6 << 3 << 15 << "5" << W;
    QTest::newRow("6: 6.5 goes to 6") << 6 << 3 << 15 << "6.5" << C;
    QTest::newRow("6: 5.5 goes to 6") << 6 << 3 << 15 << "5.5" << C;
    QTest::newRow("6: letter") << 6 << 3 << 15 << "x" << N;

    QTest::newRow("7: 7 of 0-10") << 7 << 0 << 10 << "7" << C;
    QTest::newRow("7: 07 is not the text 7") << 7 << 0 << 10 << "07" << W;
    QTest::newRow("7: 1 is not prime") << 7 << 0 << 10 << "1" << W;
    QTest::newRow("7: +7 is not the text 7") << 7 << 0 << 10 << "+7" << W;
    QTest::newRow("7: letter") << 7 << 0 << 10 << QString(QChar(0x0628)) << N;
    QTest::newRow("7: 23 of 20-30") << 7 << 20 << 30 << "23" << C;
    QTest::newRow("7: 11 not of 20-30") << 7 << 20 << 30 << "11" << W;
    QTest::newRow("7: a itself") << 7 << 10 << 20 << "10" << W;

    QTest::newRow("8: 2 divides 20") << 8 << 20 << 0 << "2" << C;
    QTest::newRow("8: 02 too") << 8 << 20 << 0 << "02" << C;
    QTest::newRow("8: -2 too") << 8 << 20 << 0 << "-2" << C;
    QTest::newRow("8: 0 never") << 8 << 20 << 0 << "0" << W;
    QTest::newRow("8: .5 goes to 0") << 8 << 20 << 0 << ".5" << W;
    QTest::newRow("8: -0") << 8 << 20 << 0 << "-0" << W;
    QTest::newRow("8: 3") << 8 << 20 << 0 << "3" << W;
    QTest::newRow("8: 20 itself") << 8 << 20 << 0 << "20" << C;
    QTest::newRow("8: 1.") << 8 << 20 << 0 << "1." << C;
    QTest::newRow("8: 2.5 goes to 2") << 8 << 20 << 0 << "2.5" << C;
    QTest::newRow("8: letter") << 8 << 20 << 0 << "a" << N;
    QTest::newRow("8: empty") << 8 << 20 << 0 << "" << E;

    // Beyond any whole number: still only wrong.
    const QString huge = QStringLiteral("5") + QString(77, u'0');
    for (int row : {5, 6, 8})
        QTest::newRow(qPrintable(QStringLiteral("%1: 5 and 77 zeros").arg(row)))
            << row << 2 << 14 << huge << W;
    QTest::newRow("8: minus 20 digits") << 8 << 20 << 0 << QStringLiteral("-") + QString(20, u'9') << W;
}

void TestExpressingRules::judging() {
    QFETCH(int, row);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, text);
    QFETCH(Verdict, verdict);
    QCOMPARE(judge(problemOfRow(row), {a, b}, text), verdict);
}

void TestExpressingRules::readsAsNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<double>("value");
    QTest::newRow("7") << "7" << true << 7.0;
    QTest::newRow("07") << "07" << true << 7.0;
    QTest::newRow("7.") << "7." << true << 7.0;
    QTest::newRow(".5") << ".5" << true << 0.5;
    QTest::newRow("-2") << "-2" << true << -2.0;
    QTest::newRow("+3") << "+3" << true << 3.0;
    QTest::newRow("blanks") << " 8 " << true << 8.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("point") << "." << false << 0.0;
    QTest::newRow("sign") << "-" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("exponent") << "1e3" << false << 0.0;
    QTest::newRow("Arabic-Indic") << QString(QChar(0x0663)) << false << 0.0;
    QTest::newRow("sign inside") << "1-" << false << 0.0;
}

void TestExpressingRules::readsAsNumber() {
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(double, value);
    const std::optional<double> v = readNumber(text);
    QCOMPARE(v.has_value(), reads);
    if (reads)
        QCOMPARE(*v, value);
}

// Each box as mark and border: b black, r red, g green, - kept; | border, _ none, - kept.
void TestExpressingRules::judgingARow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<bool>("wrong");
    QTest::addColumn<bool>("repeated");
    QTest::newRow("digits: repeat, wrong, empty kept")
        << 1 << 44552 << 0 << QStringList{"4", "5", "", "3", " 4 "} << "g| b_ -- r| g|" << true << true;
    QTest::newRow("digits: nothing written keeps every box")
        << 1 << 44552 << 0 << QStringList{"", " "} << "-- --" << false << false;
    QTest::newRow("from 2 to 5: an empty box turns black")
        << 2 << 2 << 5 << QStringList{"2", "", "6", "5"} << "b_ b_ r| b_" << true << false;
    QTest::newRow("wrong entries are never repeats")
        << 2 << 2 << 5 << QStringList{"6", "6"} << "r| r|" << true << false;
    QTest::newRow("odd: not a number keeps its border")
        << 5 << 2 << 14 << QStringList{"13", "a", "7.", "14", "13"} << "g| r- b_ r| g|" << true << true;
    QTest::newRow("divisors: texts, not values, repeat")
        << 8 << 20 << 0 << QStringList{"2", "02", "-2", "0"} << "b_ b_ b_ r|" << true << false;
}

void TestExpressingRules::judgingARow() {
    QFETCH(int, row);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QStringList, texts);
    QFETCH(QString, outcome);
    QFETCH(bool, wrong);
    QFETCH(bool, repeated);
    const RowJudgement judged = judgeRow(problemOfRow(row), {a, b}, texts);
    QStringList shown;
    for (const BoxOutcome& box : judged.boxes) {
        const QChar mark = !box.mark                  ? u'-'
                           : *box.mark == Mark::Black ? u'b'
                           : *box.mark == Mark::Red   ? u'r'
                           : *box.mark == Mark::Green ? u'g'
                                                      : u'?';
        const QChar border = !box.border ? u'-' : *box.border ? u'|' : u'_';
        shown.append(QString(mark) + border);
    }
    QCOMPARE(shown.join(u' '), outcome);
    QCOMPARE(judged.wrong, wrong);
    QCOMPARE(judged.repeated, repeated);
}

// ---------------------------------------------------------------- score

void TestExpressingRules::tallies_data() {
    QTest::addColumn<QStringList>("boxes"); // "row:text:mark" with mark b, r, g or o
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("repeats");
    QTest::addColumn<int>("score");
    QTest::newRow("three correct") << QStringList{"1:2:b", "1:5:b", "1:4:b"} << 0 << 3 << 0 << 3;
    QTest::newRow("repeated 4 earns one point")
        << QStringList{"1:2:b", "1:5:b", "1:4:g", "1:4:g"} << 0 << 2 << 1 << 3;
    QTest::newRow("repeats in two problems")
        << QStringList{"1:4:g", "1:4:g", "8:2:g", "8:2:g", "8:5:b"} << 0 << 1 << 2 << 3;
    QTest::newRow("more wrong than correct")
        << QStringList{"2:1:b", "2:8:r", "2:9:r", "3:0:r"} << 3 << 1 << 0 << 0;
    QTest::newRow("empty boxes count nothing") << QStringList{"1: :r", "1::b", "2::g"} << 0 << 0 << 0 << 0;
    QTest::newRow("an empty green box counts once some box is neither red nor black")
        << QStringList{"2::g", "3:7:o"} << 0 << 0 << 1 << 1;
    QTest::newRow("wrong costs, correct earns")
        << QStringList{"5:13:b", "5:14:r", "5:a:r", "8:2:b"} << 2 << 2 << 0 << 0;
}

void TestExpressingRules::tallies() {
    QFETCH(QStringList, boxes);
    QFETCH(int, wrong);
    QFETCH(int, correct);
    QFETCH(int, repeats);
    QFETCH(int, score);
    std::vector<BoxMark> marks;
    for (const QString& b : boxes) {
        const QStringList part = b.split(QLatin1Char(':'));
        const QChar m = part[2][0];
        marks.push_back({part[0].toInt(), part[1],
                         m == QLatin1Char('b')   ? Mark::Black
                         : m == QLatin1Char('r') ? Mark::Red
                         : m == QLatin1Char('g') ? Mark::Green
                                                 : Mark::Other});
    }
    const Tally t = tallyBoxes(marks);
    QCOMPARE(t.wrong, wrong);
    QCOMPARE(t.correct, correct);
    QCOMPARE(std::accumulate(t.repeated.begin(), t.repeated.end(), 0), repeats);
    QCOMPARE(t.score, score);
}

void TestExpressingRules::percentages_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("elements");
    QTest::addColumn<int>("percent");
    QTest::newRow("3 of 44 is 6.8") << 3 << 44 << 7;
    QTest::newRow("all 44") << 44 << 44 << 100;
    QTest::newRow("none") << 0 << 44 << 0;
    QTest::newRow("62.5 goes to 62") << 5 << 8 << 62;
    QTest::newRow("87.5 goes to 88") << 7 << 8 << 88;
    QTest::newRow("above 100: 45 of 44") << 45 << 44 << 102;
    QTest::newRow("1 of 3") << 1 << 3 << 33;
    QTest::newRow("2 of 3") << 2 << 3 << 67;
}

void TestExpressingRules::percentages() {
    QFETCH(int, score);
    QFETCH(int, elements);
    QFETCH(int, percent);
    QCOMPARE(percentage(score, elements), std::optional<int>(percent));
}

void TestExpressingRules::noPercentageWithoutElements() {
    QVERIFY(!percentage(5, 0).has_value());
}

// ---------------------------------------------------------------- grid

void TestExpressingRules::grid_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("left");
    QTest::newRow("first box") << 0 << 1 << 0 << 1;
    QTest::newRow("last of row 1") << 7 << 1 << 7 << 8;
    QTest::newRow("first of row 2") << 8 << 2 << 9 << 10;
    QTest::newRow("last of row 4") << 31 << 4 << 34 << 35;
    QTest::newRow("first of row 5") << 32 << 5 << 36 << 37;
    QTest::newRow("last of row 5") << 38 << 5 << 42 << 43;
    QTest::newRow("first of row 6") << 39 << 6 << 44 << 45;
    QTest::newRow("first of row 8") << 53 << 8 << 60 << 61;
    QTest::newRow("last box") << 59 << 8 << 66 << 67;
}

void TestExpressingRules::grid() {
    QFETCH(int, box);
    QFETCH(int, row);
    QFETCH(int, right);
    QFETCH(int, left);
    QCOMPARE(rowOfBox(box), row);
    QCOMPARE(separatorRightOf(box), right);
    QCOMPARE(separatorLeftOf(box), left);
}

void TestExpressingRules::separatorCycle_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("next");
    QTest::newRow("comma") << QStringLiteral("،") << "{";
    QTest::newRow("open") << "{"
                          << "}";
    QTest::newRow("close") << "}"
                           << ".";
    QTest::newRow("point") << "." << QStringLiteral("،");
    QTest::newRow("Latin comma") << "," << QStringLiteral("،");
    QTest::newRow("empty") << "" << QStringLiteral("،");
}

void TestExpressingRules::separatorCycle() {
    QFETCH(QString, caption);
    QFETCH(QString, next);
    QCOMPARE(nextSeparator(caption), next);
}

// "جديد" changes the rows in its fixed order, the second row last.
void TestExpressingRules::newProblemsChangeEveryRowOnce() {
    const auto order = newProblemOrder();
    QCOMPARE(QList<int>(order.begin(), order.end()), (QList<int>{1, 3, 4, 5, 6, 7, 8, 2}));
}

// The separators before slots 1 to 4: c " ، ", - nothing.
void TestExpressingRules::digitsRowSeparators_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("separators");
    QTest::newRow("a new problem") << QStringList{} << "cccc";
    QTest::newRow("five digits") << QStringList{"4", "5", "2", "1", "0"} << "cccc";
    QTest::newRow("44552") << QStringList{"4", "5", "", "2", ""} << "c-c-";
    QTest::newRow("one digit") << QStringList{"7", "", "", "", ""} << "----";
    QTest::newRow("short list") << QStringList{"3", ""} << "-ccc";
}

void TestExpressingRules::digitsRowSeparators() {
    QFETCH(QStringList, texts);
    QFETCH(QString, separators);
    QString got;
    for (const QString& s : digitsSeparators(texts))
        got += s.isEmpty() ? u'-' : s == QStringLiteral(" ، ") ? u'c' : u'?';
    QCOMPARE(got, separators);
}

// What a screen reader says of a problem: its numbers in the blanks they stand over.
void TestExpressingRules::spokenStatement_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("said");
    QTest::newRow("two blanks") << "مجموعة الأعداد من     إلي    " << QStringList{"1", "7"}
                                << "مجموعة الأعداد من 1 إلي 7";
    QTest::newRow("number after") << "مجموعة أرقام العدد" << QStringList{"44552"}
                                  << "مجموعة أرقام العدد 44552";
    QTest::newRow("one blank, one after") << "بين    و" << QStringList{"3", "9"} << "بين 3 و 9";
    QTest::newRow("single blanks kept")
        << "الأعداد الكلية الأقل من" << QStringList{"7"} << "الأعداد الكلية الأقل من 7";
}

void TestExpressingRules::spokenStatement() {
    QFETCH(QString, description);
    QFETCH(QStringList, numbers);
    QFETCH(QString, said);
    QCOMPARE(sd::expressing::spokenStatement(description, numbers), said);
}

QTEST_APPLESS_MAIN(TestExpressingRules)
#include "tst_expressing_rules.moc"
