// The Venn drill's rules on their own: the fixed pairs of the two "جديد" buttons,
// the answer key, the diagram choice, judging a region, the score and its star.

#include "lessons/venn/venn_rules.h"

#include <QtTest>

using namespace sd::venn;

Q_DECLARE_METATYPE(sd::venn::Stepper)
Q_DECLARE_METATYPE(sd::venn::Diagram)
Q_DECLARE_METATYPE(sd::venn::ChoiceVerdict)

namespace {

Pair after(Stepper button, int presses) {
    Pair p = firstPair();
    for (int i = 0; i < presses; ++i)
        p = stepped(p, button);
    return p;
}

QString joined(const QStringList& l) {
    return l.join(u' ');
}

// "1_3_" is a key whose entries 0..3 are 1, empty, 3, empty; the rest stay empty.
Key intersectionKey(const char* pattern) {
    Key key;
    for (int i = 0; i < 4; ++i)
        if (pattern[i] != '_')
            key[size_t(i)] = QString(QLatin1Char(pattern[i]));
    return key;
}

// Marks written as letters: C correct, W wrong, R repeated, - unjudged.
QString letters(const std::vector<Mark>& marks) {
    QString out;
    for (Mark m : marks)
        out += m == Mark::Correct ? u'C' : m == Mark::Wrong ? u'W' : m == Mark::Repeated ? u'R' : u'-';
    return out;
}

std::vector<Mark> marksOf(const QString& s) {
    std::vector<Mark> out;
    for (QChar c : s)
        out.push_back(c == u'C'   ? Mark::Correct
                      : c == u'W' ? Mark::Wrong
                      : c == u'R' ? Mark::Repeated
                                  : Mark::Unjudged);
    return out;
}

// Applies writes to the score fields as the screen does, running the star check
// after every write that changes a field's value; returns the stars revealed.
int starsWhileWriting(std::array<double, 5>& fields, const std::vector<FieldWrite>& writes) {
    int stars = 0;
    for (const FieldWrite& w : writes) {
        if (fields[size_t(w.field)] == w.value)
            continue;
        fields[size_t(w.field)] = w.value;
        stars += earnsStar(fields[kScore], fields[kDenominator]) ? 1 : 0;
    }
    return stars;
}

} // namespace

class TestVennRules : public QObject {
    Q_OBJECT

private slots:
    void spokenBox_data();
    void spokenBox();
    void tenPressesComeBackRound_data();
    void tenPressesComeBackRound();
    void pairsOfEachButton_data();
    void pairsOfEachButton();
    void keyForHiddenSlot_data();
    void keyForHiddenSlot();
    void choice_data();
    void choice();
    void judgingARegion_data();
    void judgingARegion();
    void score_data();
    void score();
    void halves_data();
    void halves();
    void starsComeFromTheOrderOfWrites_data();
    void starsComeFromTheOrderOfWrites();
    void verdictColoursMarksAndTooltips_data();
    void verdictColoursMarksAndTooltips();
};

void TestVennRules::tenPressesComeBackRound_data() {
    QTest::addColumn<Stepper>("button");
    QTest::newRow("beside س") << Stepper::BesideS;
    QTest::newRow("beside ص") << Stepper::BesideY;
}

void TestVennRules::tenPressesComeBackRound() {
    QFETCH(Stepper, button);
    for (int presses = 1; presses < 10; ++presses)
        QVERIFY2(after(button, presses) != firstPair(), qPrintable(QString::number(presses)));
    QCOMPARE(after(button, 10), firstPair());
}

void TestVennRules::pairsOfEachButton_data() {
    QTest::addColumn<Stepper>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("shownS");
    QTest::addColumn<QString>("y");
    QTest::addColumn<Diagram>("right");
    const Diagram O = Diagram::Overlapping, D = Diagram::Disjoint, I = Diagram::Inside;
    const struct {
        Stepper button;
        int presses;
        const char* s;
        const char* y;
        Diagram right;
    } rows[] = {
        {Stepper::BesideS, 0, "1 3 4 5", "1 2 6 7 5", O}, {Stepper::BesideS, 1, "7 5 3", "3 5 0 9 7", I},
        {Stepper::BesideS, 2, "5 9 3 7", "2 7 1 4 9", O}, {Stepper::BesideS, 3, "3 6 7 9", "5 9 3 8 4", O},
        {Stepper::BesideS, 4, "7 8 9 6", "7 4 2 6 8", O}, {Stepper::BesideS, 5, "9 0 6 8", "9 8 5 0 6", I},
        {Stepper::BesideS, 6, "6 2 8 0", "4 6 7 1 0", O}, {Stepper::BesideS, 7, "8 1 0 2", "8 0 9 3 1", O},
        {Stepper::BesideS, 8, "0 4 2 1", "6 1 4 2 3", O}, {Stepper::BesideS, 9, "2 5 1 4", "0 3 8 5 2", O},
        {Stepper::BesideY, 1, "7 6 8 1", "4 0 2 3 9", D}, {Stepper::BesideY, 2, "2 0 9 7", "6 7 0 8 1", O},
        {Stepper::BesideY, 3, "5 3 2", "2 3 7 5 4", I},   {Stepper::BesideY, 4, "8 1 6 4", "0 8 3 9 6", O},
        {Stepper::BesideY, 5, "9 7 0 8", "7 5 8 1 2", O}, {Stepper::BesideY, 6, "3 2 5 9", "3 9 5 4 0", O},
        {Stepper::BesideY, 7, "6 4 1 3", "8 1 9 6 7", O}, {Stepper::BesideY, 8, "0 8 7 6", "5 4 1 2 3", D},
        {Stepper::BesideY, 9, "5 9 2 0", "9 6 4 0 8", O},
    };
    for (const auto& r : rows)
        QTest::addRow("%s %d", r.button == Stepper::BesideS ? "Command1" : "Command2", r.presses)
            << r.button << r.presses << r.s << r.y << r.right;
}

// Each pair, the one diagram accepted for it, and a key as large as the union.
void TestVennRules::pairsOfEachButton() {
    QFETCH(Stepper, button);
    QFETCH(int, presses);
    QFETCH(QString, shownS);
    QFETCH(QString, y);
    QFETCH(Diagram, right);
    const Pair p = after(button, presses);
    QCOMPARE(joined(shownElementsOfS(p)), shownS);
    QCOMPARE(joined(QStringList(p.y.begin(), p.y.end())), y);
    const Key key = answerKey(p);
    for (Diagram d : {Diagram::Overlapping, Diagram::Disjoint, Diagram::Inside, Diagram::Equal})
        QCOMPARE(judgeChoice(d, key, slotOneShown(p)),
                 d == right ? ChoiceVerdict::Right : ChoiceVerdict::Wrong);
    QSet<QString> inUnion(p.y.begin(), p.y.end());
    for (const QString& e : shownElementsOfS(p))
        inUnion.insert(e);
    QCOMPARE(filledEntries(key), int(inUnion.size()));
}

void TestVennRules::keyForHiddenSlot_data() {
    QTest::addColumn<Stepper>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("key");
    QTest::newRow("Command1 once") << Stepper::BesideS << 1
                                   << QStringList{"", "7", "5", "3", "", "", "", "", "", "", "0", "9", ""};
    // The hidden 4 is not a shown element of س, so it belongs to ص − س.
    QTest::newRow("Command2 three times")
        << Stepper::BesideY << 3 << QStringList{"", "5", "3", "2", "", "", "", "", "", "", "7", "", "4"};
}

void TestVennRules::keyForHiddenSlot() {
    QFETCH(Stepper, button);
    QFETCH(int, presses);
    QFETCH(QStringList, key);
    const Pair p = after(button, presses);
    QCOMPARE(p.s[0], QStringLiteral("4"));
    QVERIFY(!slotOneShown(p));
    const Key derived = answerKey(p);
    QCOMPARE(QStringList(derived.begin(), derived.end()), key);
}

void TestVennRules::choice_data() {
    QTest::addColumn<QString>("entries");
    QTest::addColumn<bool>("slotOneShown");
    QTest::addColumn<Diagram>("chosen");
    QTest::addColumn<ChoiceVerdict>("verdict");
    const auto R = ChoiceVerdict::Right, W = ChoiceVerdict::Wrong;
    const Diagram O = Diagram::Overlapping, D = Diagram::Disjoint, I = Diagram::Inside, E = Diagram::Equal;
    const struct {
        const char* entries;
        bool shown;
        Diagram chosen;
        ChoiceVerdict verdict;
    } rows[] = {
        // overlapping: one filled and one empty entry among those considered
        {"1___", true, O, R},
        {"_2__", true, O, R},
        {"__3_", true, O, R},
        {"___4", true, O, R},
        {"12__", true, O, R},
        {"1_3_", true, O, R},
        {"_234", true, O, R},
        {"1234", true, O, W},
        {"____", true, O, W},
        {"_2_4", false, O, R},
        {"_234", false, O, W},
        {"____", false, O, W},
        // inside: every considered entry filled; the hidden slot is not considered
        {"1234", true, I, R},
        {"_234", true, I, W},
        {"123_", true, I, W},
        {"_234", false, I, R},
        {"_23_", false, I, W},
        // disjoint: no entry filled
        {"____", true, D, R},
        {"____", false, D, R},
        {"___4", true, D, W},
        {"_2__", false, D, W},
        // equal sets are never right
        {"1234", true, E, W},
        {"____", true, E, W},
        {"_234", false, E, W},
    };
    for (const auto& r : rows)
        QTest::addRow("%s %s option %d", r.entries, r.shown ? "shown" : "hidden", int(r.chosen))
            << r.entries << r.shown << r.chosen << r.verdict;
    QTest::newRow("no option") << "1___" << true << Diagram::None << ChoiceVerdict::Nothing;
}

void TestVennRules::choice() {
    QFETCH(QString, entries);
    QFETCH(bool, slotOneShown);
    QFETCH(Diagram, chosen);
    QFETCH(ChoiceVerdict, verdict);
    QCOMPARE(judgeChoice(chosen, intersectionKey(qPrintable(entries)), slotOneShown), verdict);
}

void TestVennRules::judgingARegion_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("marks");
    QTest::newRow("empty boxes are left") << QStringList{"", "5", ""} << "-C-";
    QTest::newRow("blanks trimmed") << QStringList{" 5", "3 "} << "CC";
    QTest::newRow("a leading zero is wrong") << QStringList{"05"} << "W";
    QTest::newRow("blanks only are wrong") << QStringList{"  ", " "} << "WW";
    QTest::newRow("not in the region") << QStringList{"2", "x"} << "WW";
    QTest::newRow("twice, both repeated") << QStringList{"5", "", " 5"} << "R-R";
    QTest::newRow("three times") << QStringList{"3", "3", "5", "3"} << "RRCR";
    QTest::newRow("wrong twice stays wrong") << QStringList{"9", "9"} << "WW";
}

// The region accepts 3 and 5.
void TestVennRules::judgingARegion() {
    QFETCH(QStringList, texts);
    QFETCH(QString, marks);
    QCOMPARE(letters(judgeRegion(texts, {"3", "5"})), marks);
}

void TestVennRules::score_data() {
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<double>("choiceMark");
    QTest::addColumn<int>("filled");
    QTest::addColumn<double>("score");
    QTest::newRow("perfect") << "CCCCCCC----" << 1.0 << 7 << 5.0;
    QTest::newRow("one wrong choice first") << "CCCCCCC----" << 0.0 << 7 << 4.0;
    QTest::newRow("six right, one wrong") << "CCCCCCW" << 1.0 << 7 << 4.0;
    QTest::newRow("one element twice") << "CCRCCRCC" << 1.0 << 7 << 5.0;
    QTest::newRow("to a half") << "CCCCCW" << 1.0 << 7 << 3.5;
    QTest::newRow("many wrong") << "WWWWWWWWWWW" << 0.0 << 7 << 0.0;
    QTest::newRow("nothing written, mark lost") << "-----------" << 0.0 << 7 << 0.0;
    // Extra copies of an element never lift a score above full marks.
    QTest::newRow("one element four times") << "CCCCRRRR" << 1.0 << 5 << 5.0;
    QTest::newRow("three copies count as one") << "CCCRRRW" << 1.0 << 7 << 3.0;
}

void TestVennRules::score() {
    QFETCH(QString, boxes);
    QFETCH(double, choiceMark);
    QFETCH(int, filled);
    QFETCH(double, score);
    const std::vector<FieldWrite> writes = scoreWrites(marksOf(boxes), choiceMark, filled);
    double last = -1;
    for (const FieldWrite& w : writes)
        if (w.field == kScore)
            last = w.value;
    QCOMPARE(last, score);
    QCOMPARE(writes.back(), (FieldWrite{kDenominator, 5}));
}

void TestVennRules::halves_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    const std::pair<double, double> rows[] = {
        {3.45, 3.5}, {3.39, 3},  {3.7, 4}, {2.5, 2.5}, {3.5, 4}, {0.5, 0.5},    {3.4, 3.5},   {4.5, 4.5},
        {4.0625, 4}, {4.375, 4}, {5, 5},   {0, 0},     {1.5, 2}, {3.4375, 3.5}, {35.0 / 6, 6}};
    for (const auto& [x, expected] : rows)
        QTest::addRow("%g", x) << x << expected;
}

void TestVennRules::halves() {
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(toHalves(x), expected);
}

void TestVennRules::starsComeFromTheOrderOfWrites_data() {
    QTest::addColumn<QString>("scored");
    QTest::addColumn<double>("choiceMark");
    QTest::addColumn<int>("starsScoring");
    QTest::addColumn<int>("starsOnNew");
    QTest::newRow("perfect") << "CCCCCCC" << 1.0 << 1 << 0;
    QTest::newRow("below 4") << "CCCCCW" << 1.0 << 0 << 0;
    // The reset of the duplicate credit runs the check with the old score still there.
    QTest::newRow("with a repeat") << "CCRCCRCC" << 1.0 << 1 << 1;
    QTest::newRow("with a repeat, below 4") << "CCRRW" << 0.0 << 0 << 0;
}

// Scoring from the fields as "جديد" leaves them, then "جديد" again.
void TestVennRules::starsComeFromTheOrderOfWrites() {
    QFETCH(QString, scored);
    QFETCH(double, choiceMark);
    QFETCH(int, starsScoring);
    QFETCH(int, starsOnNew);
    std::array<double, 5> fields{0, 0, 0, 0, 1};
    const auto reset = resetWrites();
    QCOMPARE(starsWhileWriting(fields, {reset.begin(), reset.end()}), 0);
    fields[kChoiceMark] = choiceMark;
    QCOMPARE(starsWhileWriting(fields, scoreWrites(marksOf(scored), choiceMark, 7)), starsScoring);
    QCOMPARE(starsWhileWriting(fields, {reset.begin(), reset.end()}), starsOnNew);
    QCOMPARE(fields, (std::array<double, 5>{0, 0, 0, 0, 1}));
}

void TestVennRules::verdictColoursMarksAndTooltips_data() {
    QTest::addColumn<int>("mark");
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("correct") << int(Mark::Correct) << 0x000000u << "هذا الرقم صحيح ";
    QTest::newRow("wrong") << int(Mark::Wrong) << 0xFF0000u << "هذا الرقم خطأ ";
    QTest::newRow("repeated") << int(Mark::Repeated) << 0x00FF00u << "هذا الرقم مكرر ";
}

// Each verdict's colour reads back as the same verdict, alpha or not; the box
// colours that are no verdict read as unjudged and show no tooltip.
void TestVennRules::verdictColoursMarksAndTooltips() {
    QFETCH(int, mark);
    QFETCH(quint32, colour);
    QFETCH(QString, tooltip);
    const Mark m = Mark(mark);
    QCOMPARE(colourOf(m), sd::Rgb(colour));
    QCOMPARE(markOfColour(sd::Rgb(colour | 0xFF000000)), m);
    QCOMPARE(tooltipOf(m), tooltip);
    for (quint32 other : {0x400040u, 0x004040u, 0x0000FFu})
        QCOMPARE(markOfColour(sd::Rgb(other)), Mark::Unjudged);
    QVERIFY(tooltipOf(Mark::Unjudged).isEmpty());
}

// A box of the shown diagram is called by its region and its place in it.
void TestVennRules::spokenBox_data() {
    QTest::addColumn<int>("diagram");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("said");
    QTest::newRow("overlapping, ص only") << int(Diagram::Overlapping) << 2 << "الخانة 3 من 4 في ص فقط";
    QTest::newRow("overlapping, both") << int(Diagram::Overlapping) << 4 << "الخانة 1 من 3 في س وفي ص معا";
    QTest::newRow("inside, س") << int(Diagram::Inside) << 8 << "الخانة 4 من 4 في س";
    QTest::newRow("disjoint, س") << int(Diagram::Disjoint) << 9 << "الخانة 1 من 8 في س";
    QTest::newRow("equal: no region") << int(Diagram::Equal) << 0 << "خانة عنصر في الشكل";
}

void TestVennRules::spokenBox() {
    QFETCH(int, diagram);
    QFETCH(int, box);
    QFETCH(QString, said);
    QCOMPARE(sd::venn::spokenBox(Diagram(diagram), box), said);
}

QTEST_APPLESS_MAIN(TestVennRules)
#include "tst_venn_rules.moc"
