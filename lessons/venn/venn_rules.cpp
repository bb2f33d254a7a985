#include "lessons/venn/venn_rules.h"

#include "lessons/common/lesson_rules.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace sd::venn {

namespace {

// The digit each old digit becomes, by button and set. Every column is one
// cycle through all ten digits.
constexpr std::array<int, 10> kBesideS_S{2, 4, 1, 7, 5, 3, 8, 9, 0, 6};
constexpr std::array<int, 10> kBesideS_Y{1, 3, 5, 2, 8, 7, 0, 9, 6, 4};
constexpr std::array<int, 10> kBesideY_S{5, 7, 4, 6, 8, 1, 0, 2, 9, 3};
constexpr std::array<int, 10> kBesideY_Y{7, 4, 0, 8, 6, 9, 2, 3, 5, 1};

QString permuted(const std::array<int, 10>& column, const QString& digit) {
    if (digit.size() != 1 || digit[0] < u'0' || digit[0] > u'9')
        return digit;
    return QString::number(column[size_t(digit[0].unicode() - u'0')]);
}

bool isFilled(const QString& entry) {
    return !entry.trimmed().isEmpty();
}

// A half-point score never lands this close to a step by accident; the margin
// keeps "3.4" read back from a caption at 0.4 above 3.
constexpr double kMargin = 1e-9;

} // namespace

Pair firstPair() {
    return {{"1", "3", "4", "5"}, {"1", "2", "6", "7", "5"}};
}

QString permutedS(Stepper button, const QString& digit) {
    return permuted(button == Stepper::BesideS ? kBesideS_S : kBesideY_S, digit);
}

QString permutedY(Stepper button, const QString& digit) {
    return permuted(button == Stepper::BesideS ? kBesideS_Y : kBesideY_Y, digit);
}

Pair stepped(const Pair& pair, Stepper button) {
    Pair next = pair;
    for (QString& slot : next.s)
        slot = permutedS(button, slot);
    for (QString& slot : next.y)
        slot = permutedY(button, slot);
    return next;
}

bool slotOneShown(const Pair& pair) {
    return pair.s[0] != QLatin1String("4");
}

QStringList shownElementsOfS(const Pair& pair) {
    QStringList shown;
    for (int k = slotOneShown(pair) ? 0 : 1; k < kSlotsOfS; ++k)
        shown.append(pair.s[size_t(k)]);
    return shown;
}

Key answerKey(const Pair& pair) {
    Key key;
    const QStringList inS = shownElementsOfS(pair);
    const QStringList inY(pair.y.begin(), pair.y.end());
    for (int k = 0; k < kSlotsOfS; ++k) {
        const bool shown = k > 0 || slotOneShown(pair);
        const QString& digit = pair.s[size_t(k)];
        if (!shown)
            continue;
        key[size_t(inY.contains(digit) ? k : k + 4)] = digit;
    }
    for (int m = 0; m < kSlotsOfY; ++m)
        if (!inS.contains(pair.y[size_t(m)]))
            key[size_t(m + 8)] = pair.y[size_t(m)];
    return key;
}

int filledEntries(const Key& key) {
    return int(std::count_if(key.begin(), key.end(), isFilled));
}

ChoiceVerdict judgeChoice(Diagram chosen, const Key& key, bool slotOneShown) {
    if (chosen == Diagram::None)
        return ChoiceVerdict::Nothing;
    const auto first = key.begin() + (slotOneShown ? 0 : 1);
    const auto end = key.begin() + 4;
    const bool allFilled = std::all_of(first, end, isFilled);
    const bool noneFilled = std::none_of(key.begin(), end, isFilled);
    bool right = false;
    switch (chosen) {
    case Diagram::Inside:
        right = allFilled;
        break;
    case Diagram::Disjoint:
        right = noneFilled;
        break;
    case Diagram::Overlapping:
        right = !allFilled && !std::none_of(first, end, isFilled);
        break;
    case Diagram::Equal: // ص has five elements and س at most four
    case Diagram::None:
        break;
    }
    return right ? ChoiceVerdict::Right : ChoiceVerdict::Wrong;
}

const DiagramLook& lookOf(Diagram d) {
    static const DiagramLook overlapping{{1, 0}, {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12}};
    static const DiagramLook disjoint{{2, 0}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
    static const DiagramLook inside{{0, 3}, {0, 1, 2, 3, 4, 5, 6, 7, 8}};
    static const DiagramLook equal{{0, 4}, {0, 1, 2, 3, 4, 5, 6, 7, 8}};
    switch (d) {
    case Diagram::Disjoint:
        return disjoint;
    case Diagram::Inside:
        return inside;
    case Diagram::Equal:
        return equal;
    case Diagram::Overlapping:
    case Diagram::None:
        break;
    }
    return overlapping;
}

std::vector<Region> regionsOf(Diagram d) {
    switch (d) {
    case Diagram::Inside:
        return {{5, 8, Values::ShownS}, {0, 4, Values::YOnly}};
    case Diagram::Disjoint:
        return {{0, 8, Values::AllY}, {9, 16, Values::ShownS}};
    case Diagram::Overlapping:
        return {{0, 3, Values::YOnly}, {9, 12, Values::SOnly}, {4, 6, Values::Both}};
    case Diagram::Equal:
    case Diagram::None:
        break;
    }
    return {};
}

QStringList correctValues(Values values, const Pair& pair, const Key& key) {
    auto filled = [&key](int first, int last) {
        QStringList out;
        for (int i = first; i <= last; ++i)
            if (isFilled(key[size_t(i)]))
                out.append(key[size_t(i)]);
        return out;
    };
    switch (values) {
    case Values::ShownS:
        return shownElementsOfS(pair);
    case Values::AllY:
        return QStringList(pair.y.begin(), pair.y.end());
    case Values::Both:
        return filled(0, 3);
    case Values::SOnly:
        return filled(4, 7);
    case Values::YOnly:
        return filled(8, 12);
    }
    return {};
}

bool readsAsNumber(const QString& caption) {
    bool ok = false;
    QLocale::c().toDouble(caption.trimmed(), &ok);
    return ok;
}

std::vector<Mark> judgeRegion(const QStringList& texts, const QStringList& correct) {
    std::vector<Mark> marks(size_t(texts.size()), Mark::Unjudged);
    for (qsizetype i = 0; i < texts.size(); ++i)
        if (!texts[i].isEmpty())
            marks[size_t(i)] = correct.contains(texts[i].trimmed()) ? Mark::Correct : Mark::Wrong;
    for (qsizetype i = 0; i < texts.size(); ++i)
        for (qsizetype j = 0; j < texts.size(); ++j)
            if (j != i && marks[size_t(i)] == Mark::Correct && texts[i].trimmed() == texts[j].trimmed()) {
                marks[size_t(i)] = Mark::Repeated;
                marks[size_t(j)] = Mark::Repeated;
            }
    return marks;
}

std::array<FieldWrite, 4> resetWrites() {
    return {{{kDuplicates, 0}, {kScore, 0}, {kDenominator, 0}, {kChoiceMark, 1}}};
}

std::vector<FieldWrite> scoreWrites(const std::vector<Mark>& shownBoxes, double choiceMark,
                                    int filledKeyEntries) {
    std::vector<FieldWrite> out{{kScore, 0}, {kDuplicates, 0}};
    double total = 0;
    double duplicates = 0;
    for (Mark m : shownBoxes) {
        if (m == Mark::Correct)
            out.push_back({kScore, total += 1});
        else if (m == Mark::Repeated)
            out.push_back({kDuplicates, duplicates += 0.5});
        else if (m == Mark::Wrong)
            out.push_back({kScore, total -= 0.5});
    }
    duplicates = capDuplicates(duplicates);
    out.push_back({kDuplicates, duplicates});
    out.push_back({kScore, total += duplicates + choiceMark});
    const int marks = 1 + filledKeyEntries;
    // Extra copies of an element must not lift the score above full marks.
    if (total < 0 || total > marks)
        out.push_back({kScore, total = std::clamp(total, 0.0, double(marks))});
    out.push_back({kDenominator, double(marks)});
    out.push_back({kScore, total = total * 5 / marks});
    out.push_back({kScore, toHalves(total)});
    out.push_back({kDenominator, 5});
    return out;
}

double capDuplicates(double d) {
    if (d >= 2)
        return 1.5;
    if (d >= 1)
        return 1;
    return 0;
}

double toHalves(double x) {
    const double r = lessons::nearestEven(x);
    return x - r >= 0.4 - kMargin ? r + 0.5 : r;
}

bool earnsStar(double score, double denominator) {
    return score >= 4 && denominator == 5;
}

namespace {
constexpr Rgb kCorrectColour{0x000000};
constexpr Rgb kWrongColour{0xFF0000};
constexpr Rgb kRepeatedColour{0x00FF00};
} // namespace

Rgb colourOf(Mark mark) {
    switch (mark) {
    case Mark::Wrong:
        return kWrongColour;
    case Mark::Repeated:
        return kRepeatedColour;
    case Mark::Correct:
    case Mark::Unjudged:
        break;
    }
    return kCorrectColour;
}

Mark markOfColour(Rgb colour) {
    switch (colour.value) {
    case kCorrectColour.value:
        return Mark::Correct;
    case kWrongColour.value:
        return Mark::Wrong;
    case kRepeatedColour.value:
        return Mark::Repeated;
    default:
        return Mark::Unjudged;
    }
}

QString tooltipOf(Mark mark) {
    switch (mark) {
    case Mark::Correct:
        return QStringLiteral("هذا الرقم صحيح ");
    case Mark::Repeated:
        return QStringLiteral("هذا الرقم مكرر ");
    case Mark::Wrong:
        return QStringLiteral("هذا الرقم خطأ ");
    case Mark::Unjudged:
        break;
    }
    return {};
}

// ---- What a screen reader says ----

namespace {

QString regionName(Values v) {
    switch (v) {
    case Values::ShownS:
        return QStringLiteral("في س");
    case Values::AllY:
        return QStringLiteral("في ص");
    case Values::Both:
        return QStringLiteral("في س وفي ص معا");
    case Values::SOnly:
        return QStringLiteral("في س فقط");
    case Values::YOnly:
        return QStringLiteral("في ص فقط");
    }
    return {};
}

} // namespace

QString spokenBox(Diagram d, int box) {
    for (const Region& r : regionsOf(d))
        if (box >= r.first && box <= r.last)
            return QStringLiteral("الخانة %1 من %2 %3")
                .arg(box - r.first + 1)
                .arg(r.last - r.first + 1)
                .arg(regionName(r.values));
    return QStringLiteral("خانة عنصر في الشكل");
}

QString spokenMark(Mark m) {
    switch (m) {
    case Mark::Correct:
        return QStringLiteral("صحيح");
    case Mark::Wrong:
        return QStringLiteral("خطأ");
    case Mark::Repeated:
        return QStringLiteral("مكرر");
    case Mark::Unjudged:
        break;
    }
    return {};
}

QString spokenOutcome(const std::vector<Mark>& marks) {
    const auto count = [&marks](Mark m) { return int(std::count(marks.begin(), marks.end(), m)); };
    return QStringLiteral("صحيح %1، خطأ %2، مكرر %3")
        .arg(count(Mark::Correct))
        .arg(count(Mark::Wrong))
        .arg(count(Mark::Repeated));
}

} // namespace sd::venn
