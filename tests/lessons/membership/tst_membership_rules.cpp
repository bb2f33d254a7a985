// The membership drill's rules on their own: the fixed sequence of statements,
// the repair of repeated numbers, the correct symbol, row places and rewards.

#include "lessons/membership/membership_rules.h"

#include <QtTest>

using namespace sd::membership;

Q_DECLARE_METATYPE(sd::membership::Symbol)
Q_DECLARE_METATYPE(sd::membership::Statement)

namespace {

constexpr Symbol In = Symbol::ElementOf;
constexpr Symbol NotIn = Symbol::NotElementOf;
constexpr Symbol Sub = Symbol::SubsetOf;
constexpr Symbol NotSub = Symbol::NotSubsetOf;

Statement st(const char* a, const char* b, const char* r1, const char* r2, const char* r3) {
    return {.a = a, .b = b, .r1 = r1, .r2 = r2, .r3 = r3};
}

} // namespace

class TestMembershipRules : public QObject {
    Q_OBJECT

private slots:
    void spokenStatement_data();
    void spokenStatement();
    void problemSets_data();
    void problemSets();
    void repairedRows_data();
    void repairedRows();
    void correctSymbols_data();
    void correctSymbols();
    void captionsMoveRowsDownAndWrap_data();
    void captionsMoveRowsDownAndWrap();
    void rowOrderWrapsFromBottomToTop();
    void reward_data();
    void reward();
    void placedSymbolIsJudgedByIdentity();
    void picturesNameEachSymbolOnce();
    void numbersAreReadFromTheirText_data();
    void numbersAreReadFromTheirText();
    void theSequenceNeverRepeatsAnElementInASet();
    void theRowCaptionedOneIsSelected_data();
    void theRowCaptionedOneIsSelected();
};

// Set n is what the pupil sees after the opening and n - 1 presses; rows are
// listed here in row order (the screen test checks their order on the screen).
void TestMembershipRules::problemSets_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("row");
    QTest::addColumn<Statement>("expected");
    QTest::addColumn<Symbol>("symbol");
    auto add = [](int set, int row, Statement s, Symbol symbol) {
        QTest::addRow("set %d row %d", set, row) << set << row << s << symbol;
    };
    add(1, 4, st("6", "4", "6", "9", "0"), NotSub);
    add(1, 5, st("7", "", "5", "9", "0"), NotIn);
    add(1, 1, st("5", "", "4", "2", "3"), NotSub);
    add(1, 2, st("5", "", "0", "5", "4"), Sub);
    add(1, 3, st("6", "", "5", "4", "6"), In);

    add(2, 2, st("6", "", "3", "6", "5"), Sub);
    add(2, 3, st("7", "", "6", "8", "7"), In);
    add(2, 4, st("7", "5", "7", "2", "3"), NotSub);
    add(2, 5, st("8", "", "6", "2", "3"), NotIn);
    add(2, 1, st("8", "", "5", "3", "4"), NotSub);

    add(3, 5, st("9", "", "7", "5", "6"), NotIn);
    add(3, 1, st("11", "", "6", "4", "5"), NotSub);
    add(3, 2, st("7", "", "8", "7", "6"), Sub);
    add(3, 3, st("8", "", "7", "11", "8"), In);
    add(3, 4, st("8", "6", "8", "5", "6"), Sub);

    add(4, 3, st("9", "", "8", "2", "9"), In);
    add(4, 4, st("9", "7", "8", "7", "9"), Sub);
    add(4, 5, st("10", "", "0", "100", "1"), NotIn);
    add(4, 1, st("1", "", "7", "5", "6"), NotSub);
    add(4, 2, st("8", "", "1", "8", "7"), Sub);

    add(5, 1, st("4", "", "8", "6", "7"), NotSub);
    add(5, 2, st("9", "", "4", "9", "8"), Sub);
    add(5, 3, st("10", "", "9", "5", "10"), In);
    add(5, 4, st("0", "8", "9", "0", "2"), NotSub);
    add(5, 5, st("11", "", "1", "3", "4"), NotIn);

    // The near misses built from A's digits.
    add(6, 1, st("7", "", "70", "7", "77"), Sub);
    add(8, 4, st("3", "1", "31", "13", "1"), NotSub);
}

void TestMembershipRules::problemSets() {
    QFETCH(int, set);
    QFETCH(int, row);
    QFETCH(Statement, expected);
    QFETCH(Symbol, symbol);
    Statements rows = storedStatements();
    for (int i = 0; i < set; ++i)
        stepStatements(rows);
    const Statement& got = rows[row - 1];
    QCOMPARE(got.a, expected.a);
    QCOMPARE(got.b, expected.b);
    QCOMPARE(got.r1, expected.r1);
    QCOMPARE(got.r2, expected.r2);
    QCOMPARE(got.r3, expected.r3);
    QCOMPARE(correctSymbol(row, got), symbol);
}

// One step of a single row from a chosen statement, worked by hand.
void TestMembershipRules::repairedRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<Statement>("before");
    QTest::addColumn<Statement>("after");
    // R becomes 5, 5, 6: R1 meets R2 and moves to 6, then at once meets R3 and
    // moves to 7; R2 and R3 are then alone.
    QTest::newRow("row 1 repair moves at once")
        << 1 << st("0", "", "4", "4", "5") << st("3", "", "7", "5", "6");
    // A becomes 12: the fixed 2 and 1, then repaired against R3 = 2 (2 -> 3).
    QTest::newRow("row 1 A=12") << 1 << st("9", "", "5", "5", "1") << st("12", "", "3", "1", "2");
    // R becomes 3, 3, 3. First pass (+2): R1 meets R2 -> 5; R2 meets R3 -> 5.
    // Second pass (+1): R1 meets R2 -> 6. Result 6, 5, 3.
    QTest::newRow("row 2 two passes") << 2 << st("0", "", "0", "2", "2") << st("1", "", "6", "5", "3");
    // A becomes 12: the fixed set comes after the repair passes and stands as it is.
    QTest::newRow("row 2 A=12 fixed last")
        << 2 << st("11", "", "0", "0", "0") << st("12", "", "2", "10", "21");
    QTest::newRow("row 3 A=11") << 3 << st("10", "", "5", "5", "5") << st("11", "", "1", "10", "6");
    QTest::newRow("row 3 A=4") << 3 << st("3", "", "0", "0", "0") << st("4", "", "14", "41", "44");
    // R becomes 3, 3, 3. First pass (+1): R1 meets R2 -> 4; R2 meets R3 -> 4.
    // Second pass (+3): R1 meets R2 -> 7. Result 7, 4, 3.
    QTest::newRow("row 5 passes") << 5 << st("0", "", "2", "0", "0") << st("1", "", "7", "4", "3");
    QTest::newRow("row 5 A=6 fixed last") << 5 << st("5", "", "1", "1", "1") << st("6", "", "16", "66", "26");
    QTest::newRow("row 5 A=10") << 5 << st("9", "", "8", "8", "8") << st("10", "", "0", "100", "1");
    // A and B meet: A moves on by 3.
    QTest::newRow("row 4 A meets B") << 4 << st("2", "2", "0", "1", "2") << st("6", "3", "1", "4", "5");
    // R1 meets R2 in the -1 pass.
    QTest::newRow("row 4 minus pass") << 4 << st("0", "5", "2", "0", "5") << st("1", "6", "2", "3", "8");
    QTest::newRow("row 4 A=5 B=3") << 4 << st("4", "2", "0", "0", "0") << st("5", "3", "35", "53", "3");
}

void TestMembershipRules::repairedRows() {
    QFETCH(int, row);
    QFETCH(Statement, before);
    QFETCH(Statement, after);
    Statement s = before;
    stepRow(row, s);
    QCOMPARE(s.a, after.a);
    QCOMPARE(s.b, after.b);
    QCOMPARE(s.r1, after.r1);
    QCOMPARE(s.r2, after.r2);
    QCOMPARE(s.r3, after.r3);
}

void TestMembershipRules::correctSymbols_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<Statement>("statement");
    QTest::addColumn<Symbol>("symbol");
    QTest::newRow("row 1 in") << 1 << st("3", "", "1", "2", "3") << Sub;
    QTest::newRow("row 1 digits only") << 1 << st("7", "", "70", "17", "77") << NotSub;
    QTest::newRow("row 2 out") << 2 << st("3", "", "1", "2", "4") << NotSub;
    QTest::newRow("row 3 in") << 3 << st("2", "", "2", "5", "6") << In;
    QTest::newRow("row 3 out") << 3 << st("12", "", "1", "2", "21") << NotIn;
    QTest::newRow("row 5 in last") << 5 << st("9", "", "0", "5", "9") << In;
    QTest::newRow("row 5 text differs") << 5 << st("1", "", "01", "10", "11") << NotIn;
    QTest::newRow("row 4 both") << 4 << st("1", "2", "2", "5", "1") << Sub;
    QTest::newRow("row 4 only A") << 4 << st("1", "2", "1", "5", "6") << NotSub;
    QTest::newRow("row 4 only B") << 4 << st("1", "2", "2", "5", "6") << NotSub;
    QTest::newRow("row 4 neither") << 4 << st("3", "1", "31", "13", "0") << NotSub;
}

void TestMembershipRules::correctSymbols() {
    QFETCH(int, row);
    QFETCH(Statement, statement);
    QFETCH(Symbol, symbol);
    QCOMPARE(correctSymbol(row, statement), symbol);
}

void TestMembershipRules::captionsMoveRowsDownAndWrap_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("next");
    QTest::addColumn<int>("place");
    QTest::newRow("1") << "1"
                       << "3" << 1;
    QTest::newRow("2") << "2"
                       << "4" << 2;
    QTest::newRow("3") << "3"
                       << "5" << 3;
    QTest::newRow("4") << "4"
                       << "1" << 4;
    QTest::newRow("5") << "5"
                       << "2" << 5;
}

void TestMembershipRules::captionsMoveRowsDownAndWrap() {
    QFETCH(QString, caption);
    QFETCH(QString, next);
    QFETCH(int, place);
    QCOMPARE(nextCaption(caption), next);
    QCOMPARE(placeOfCaption(caption), place);
}

void TestMembershipRules::rowOrderWrapsFromBottomToTop() {
    QCOMPARE(nextRow(1), 2);
    QCOMPARE(nextRow(4), 5);
    QCOMPARE(nextRow(5), 1);
    // Any other caption stands at the bottom place.
    QCOMPARE(placeOfCaption(""), 5);
    QCOMPARE(placeOfCaption(" 1"), 5);
}

void TestMembershipRules::reward_data() {
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("judged");
    QTest::addColumn<bool>("earned");
    QTest::newRow("4 of 5") << 4 << 5 << true;
    QTest::newRow("3 of 5") << 3 << 5 << false;
    QTest::newRow("5 of 5") << 5 << 5 << true;
    QTest::newRow("15 of 20 is exactly three quarters") << 15 << 20 << false;
    QTest::newRow("16 of 20") << 16 << 20 << true;
    QTest::newRow("30 of 40") << 30 << 40 << false;
    QTest::newRow("31 of 40") << 31 << 40 << true;
    QTest::newRow("nothing judged") << 0 << 0 << false;
}

void TestMembershipRules::reward() {
    QFETCH(int, right);
    QFETCH(int, judged);
    QFETCH(bool, earned);
    QCOMPARE(earnsReward(right, judged), earned);
}

void TestMembershipRules::placedSymbolIsJudgedByIdentity() {
    QVERIFY(isRight(In, In));
    QVERIFY(!isRight(In, NotIn));
    QVERIFY(!isRight(Sub, NotSub));
    // An empty blank is wrong, whatever the model holds.
    QVERIFY(!isRight(Symbol::Empty, Symbol::Empty));
    QVERIFY(!isRight(Symbol::Empty, Sub));
}

void TestMembershipRules::picturesNameEachSymbolOnce() {
    QSet<QString> names;
    for (Symbol s : {In, NotIn, Sub, NotSub}) {
        const QString name = pictureOf(s);
        QVERIFY(!name.isEmpty());
        QVERIFY(!names.contains(name));
        names.insert(name);
        QCOMPARE(symbolOfPicture(name), s);
    }
    QVERIFY(pictureOf(Symbol::Empty).isEmpty());
    QCOMPARE(symbolOfPicture(QString()), Symbol::Empty);
    QCOMPARE(symbolOfPicture(QStringLiteral("sun")), Symbol::Empty);
}

void TestMembershipRules::numbersAreReadFromTheirText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << "12" << 12;
    QTest::newRow("leading blanks") << "  7" << 7;
    QTest::newRow("digits then letters") << "35x" << 35;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("no digits") << "{" << 0;
    QTest::newRow("huge stays bounded") << "99999999999999999999" << 999999999;
}

void TestMembershipRules::numbersAreReadFromTheirText() {
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(numberOf(text), number);
}

// A set that names one element twice would confuse the pupil: the repair passes
// are there to prevent it. Walk a long stretch of the fixed sequence.
void TestMembershipRules::theSequenceNeverRepeatsAnElementInASet() {
    Statements rows = storedStatements();
    for (int set = 1; set <= 200; ++set) {
        stepStatements(rows);
        for (int row = 1; row <= kRows; ++row) {
            const Statement& s = rows[row - 1];
            const QString where = QStringLiteral("set %1 row %2").arg(set).arg(row);
            QVERIFY2(s.r1 != s.r2 && s.r1 != s.r3 && s.r2 != s.r3, qPrintable(where));
            QVERIFY2(row != 4 || s.a != s.b, qPrintable(where));
            for (const QString* n : {&s.a, &s.r1, &s.r2, &s.r3})
                QVERIFY2(numberOf(*n) >= 0, qPrintable(where));
        }
    }
}

void TestMembershipRules::theRowCaptionedOneIsSelected_data() {
    QTest::addColumn<QStringList>("captions"); // rows 1 to 5
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("recaptioned");
    QTest::newRow("row 1") << QStringList{"1", "2", "3", "4", "5"} << 1 << false;
    QTest::newRow("row 3") << QStringList{"4", "5", "1", "2", "3"} << 3 << false;
    QTest::newRow("the first of two") << QStringList{"2", "1", "3", "1", "5"} << 2 << false;
    // Row 5 is the fallback, whatever it shows, and always takes "1".
    QTest::newRow("row 5") << QStringList{"2", "3", "4", "5", "1"} << 5 << true;
    QTest::newRow("none") << QStringList{"2", "3", "4", "5", "2"} << 5 << true;
    QTest::newRow("\" 1\" is not \"1\"") << QStringList{" 1", "3", "4", "5", "2"} << 5 << true;
}

void TestMembershipRules::theRowCaptionedOneIsSelected() {
    QFETCH(QStringList, captions);
    QFETCH(int, row);
    QFETCH(bool, recaptioned);
    std::array<QString, kRows> c;
    std::copy(captions.begin(), captions.end(), c.begin());
    QCOMPARE(topRow(c), (TopRow{row, recaptioned}));
}

// A statement is read right to left, the blank's symbol in its place.
using Parts = QList<std::pair<int, QString>>;

void TestMembershipRules::spokenStatement_data() {
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<QString>("said");
    QTest::newRow("element of a set")
        << Parts{{6000, "ينتمي إلى"}, {7000, "5"}, {5000, "{"}, {4000, "5"}, {3000, "}"}}
        << "5 ينتمي إلى { 5 }";
    QTest::newRow("empty labels left out")
        << Parts{{6000, "فراغ"}, {7000, "2"}, {5500, " "}, {5000, "{ 2 }"}} << "2 فراغ { 2 }";
}

void TestMembershipRules::spokenStatement() {
    QFETCH(Parts, parts);
    QFETCH(QString, said);
    QCOMPARE(sd::membership::spokenStatement(parts), said);
}

QTEST_APPLESS_MAIN(TestMembershipRules)
#include "tst_membership_rules.moc"
