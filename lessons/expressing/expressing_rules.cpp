#include "lessons/expressing/expressing_rules.h"

#include "lessons/common/lesson_rules.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace sd::expressing {

namespace {

// A fixed successor table: the value after `from` is `to`; any other value goes
// to `otherwise`.
int successor(int value, std::initializer_list<std::pair<int, int>> table, int otherwise) {
    for (const auto& [from, to] : table)
        if (value == from)
            return to;
    return otherwise;
}

// Remainder that is never negative, so odd/even and stepping work for any value.
int floorMod(int v, int m) {
    const int r = v % m;
    return r < 0 ? r + m : r;
}
int floorDiv(int v, int m) {
    return (v - floorMod(v, m)) / m;
}

constexpr int kDigitsStep = 532;
constexpr int kDigitsCeiling = 98334;
constexpr int kDigitsWrap = 70000;

QString text(int v) {
    return QString::number(v);
}

// Elements first, first + delta, ... filling every slot of the row.
QStringList run(int first, int delta, int slotTotal) {
    QStringList out;
    for (int j = 0; j < slotTotal; ++j)
        out.append(text(first + j * delta));
    return out;
}

bool isPrime(int v) {
    if (v < 2)
        return false;
    for (int d = 2; d * d <= v; ++d)
        if (v % d == 0)
            return false;
    return true;
}

bool isSingleDigit(const QString& x) {
    return x.size() == 1 && x[0] >= QLatin1Char('0') && x[0] <= QLatin1Char('9');
}

} // namespace

Problem problemOfRow(int k) {
    return static_cast<Problem>(std::clamp(k, 1, kProblemCount));
}

int rowOf(Problem p) {
    return static_cast<int>(p);
}

int numberCount(Problem p) {
    switch (p) {
    case Problem::DigitsOfNumber:
    case Problem::WholeLessThan:
    case Problem::DivisorsOf:
        return 1;
    default:
        return 2;
    }
}

Numbers designNumbers(Problem p) {
    switch (p) {
    case Problem::DigitsOfNumber:
        return {44552, 0};
    case Problem::FromTo:
        return {1, 7};
    case Problem::StrictlyBetween:
        return {3, 9};
    case Problem::WholeLessThan:
        return {7, 0};
    case Problem::OddBetween:
        return {2, 14};
    case Problem::EvenBetween:
        return {3, 15};
    case Problem::PrimesBetween:
        return {10, 20};
    case Problem::DivisorsOf:
        return {20, 0};
    }
    return {};
}

std::array<int, kProblemCount> newProblemOrder() {
    return {1, 3, 4, 5, 6, 7, 8, 2};
}

Numbers step(Problem p, Numbers x) {
    switch (p) {
    case Problem::DigitsOfNumber: {
        // Keeps every number at five digits.
        int n = x.a + kDigitsStep;
        if (n > kDigitsCeiling)
            n -= kDigitsWrap;
        return {n, x.b};
    }
    case Problem::FromTo:
        return {successor(x.a, {{4, 2}, {2, 3}}, 4), successor(x.b, {{8, 6}, {6, 7}, {7, 5}}, 8)};
    case Problem::StrictlyBetween:
        return {successor(x.a, {{4, 2}, {2, 3}, {3, 1}}, 4),
                successor(x.b, {{8, 6}, {6, 7}, {7, 5}, {5, 9}}, 8)};
    case Problem::WholeLessThan:
        return {successor(x.a, {{7, 6}, {6, 3}, {3, 4}, {4, 5}}, 7), x.b};
    case Problem::OddBetween:
        return {successor(x.a, {{3, 4}, {4, 2}, {2, 5}, {5, 1}}, 3),
                successor(x.b, {{13, 11}, {11, 12}, {12, 8}, {8, 10}, {10, 7}, {7, 6}, {6, 14}}, 13)};
    case Problem::EvenBetween:
        return {successor(x.a, {{3, 2}, {2, 4}, {4, 5}, {5, 1}}, 3),
                successor(x.b, {{12, 11}, {11, 14}, {14, 8}, {8, 13}, {13, 7}, {7, 10}, {10, 9}}, 12)};
    case Problem::PrimesBetween:
        return {successor(x.a, {{10, 30}, {30, 0}, {0, 20}}, 10),
                successor(x.b, {{20, 40}, {40, 10}, {10, 30}}, 20)};
    case Problem::DivisorsOf:
        return {floorMod(x.a + 3, 23) + 1, x.b};
    }
    return x;
}

int slotCount(Problem p) {
    switch (p) {
    case Problem::DigitsOfNumber:
        return 5;
    case Problem::FromTo:
    case Problem::StrictlyBetween:
    case Problem::WholeLessThan:
        return 7;
    case Problem::PrimesBetween:
        return 4;
    default:
        return 6;
    }
}

CorrectSet correctSet(Problem p, Numbers x) {
    const int slotTotal = slotCount(p);
    const int a = x.a;
    const int b = x.b;
    CorrectSet set;
    auto counted = [&](int first, int delta, int m) {
        set.texts = run(first, delta, slotTotal);
        set.count = std::clamp(m, 0, slotTotal);
    };
    switch (p) {
    case Problem::DigitsOfNumber: {
        // Units digit first; a digit seen nearer the units place empties its repeats.
        int n = std::abs(a);
        for (int place = 0; place < 4; ++place, n /= 10)
            set.texts.append(text(n % 10));
        set.texts.append(text(n));
        for (int i = 1; i < slotTotal; ++i)
            for (int j = 0; j < i; ++j)
                if (!set.texts[i].isEmpty() && set.texts[j] == set.texts[i])
                    set.texts[i].clear();
        set.count = slotTotal;
        break;
    }
    case Problem::FromTo:
        counted(a, 1, b - a + 1);
        break;
    case Problem::StrictlyBetween:
        counted(a + 1, 1, b - a - 1);
        break;
    case Problem::WholeLessThan:
        counted(a - 1, -1, a);
        break;
    case Problem::OddBetween:
        counted(a + floorMod(a, 2) + 1, 2, floorDiv(b, 2) - floorDiv(a, 2) - floorMod(a, 2));
        break;
    case Problem::EvenBetween:
        counted(a - floorMod(a, 2) + 2, 2, floorDiv(b + 1, 2) - floorDiv(a, 2) - 1);
        break;
    case Problem::PrimesBetween:
        for (int v = a + 1; v < b && set.texts.size() < slotTotal; ++v)
            if (isPrime(v))
                set.texts.append(text(v));
        set.count = int(set.texts.size());
        break;
    case Problem::DivisorsOf:
        // Pairs d, n / d, smallest d first.
        for (int d = 1; a > 0 && d * d <= a && set.texts.size() < slotTotal; ++d)
            if (a % d == 0) {
                set.texts.append(text(d));
                if (a / d != d && set.texts.size() < slotTotal)
                    set.texts.append(text(a / d));
            }
        set.count = int(set.texts.size());
        break;
    }
    return set;
}

std::array<QString, kDigitsSeparators> digitsSeparators(const QStringList& texts) {
    std::array<QString, kDigitsSeparators> out;
    for (int j = 1; j <= kDigitsSeparators; ++j)
        out[j - 1] = j < texts.size() && texts[j].isEmpty() ? QString() : QStringLiteral(" ، ");
    return out;
}

QStringList correctElements(Problem p, Numbers x) {
    const CorrectSet set = correctSet(p, x);
    QStringList out;
    for (int i = 0; i < set.count && i < set.texts.size(); ++i)
        if (!set.texts[i].isEmpty())
            out.append(set.texts[i]);
    return out;
}

std::optional<double> readNumber(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    int points = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && points == 0)
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    // The shape is checked above; the C-locale conversion reads "7." and ".5" too.
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

Verdict judge(Problem p, Numbers x, const QString& raw) {
    const QString t = raw.trimmed();
    if (t.isEmpty())
        return Verdict::Empty;
    const int a = x.a;
    const int b = x.b;
    switch (p) {
    case Problem::DigitsOfNumber:
        return correctElements(p, x).contains(t) ? Verdict::Correct : Verdict::Wrong;
    case Problem::FromTo:
    case Problem::StrictlyBetween:
    case Problem::WholeLessThan: {
        if (!isSingleDigit(t))
            return Verdict::Wrong;
        const int d = t[0].unicode() - '0';
        const bool in = p == Problem::FromTo            ? (a <= d && d <= b)
                        : p == Problem::StrictlyBetween ? (a < d && d < b)
                                                        : d < a;
        return in ? Verdict::Correct : Verdict::Wrong;
    }
    default:
        break;
    }
    const std::optional<double> v = readNumber(t);
    if (!v)
        return Verdict::NotANumber;
    // Whole and kept as a double: a number too large for any integer type is judged too.
    const double w = lessons::nearestEven(*v);
    const bool odd = std::fmod(w, 2.0) != 0;
    switch (p) {
    case Problem::OddBetween:
        return (a < *v && *v < b && odd) ? Verdict::Correct : Verdict::Wrong;
    case Problem::EvenBetween:
        return (a < *v && *v < b && !odd) ? Verdict::Correct : Verdict::Wrong;
    case Problem::PrimesBetween:
        return correctElements(p, x).contains(t) ? Verdict::Correct : Verdict::Wrong;
    case Problem::DivisorsOf:
        return (w != 0 && std::fmod(double(a), w) == 0) ? Verdict::Correct : Verdict::Wrong;
    default:
        return Verdict::Wrong;
    }
}

namespace {
constexpr Rgb kBlackBox{0x000000};
constexpr Rgb kRedBox{0xFF0000};
constexpr Rgb kGreenBox{0x00FF00};
constexpr Rgb kSelectedBox{0x0000FF};
} // namespace

Rgb colorOf(Mark m) {
    switch (m) {
    case Mark::Black:
        return kBlackBox;
    case Mark::Red:
        return kRedBox;
    case Mark::Green:
        return kGreenBox;
    case Mark::Other:
        break;
    }
    return kSelectedBox;
}

Mark markOf(Rgb color) {
    switch (color.value) {
    case kBlackBox.value:
        return Mark::Black;
    case kRedBox.value:
        return Mark::Red;
    case kGreenBox.value:
        return Mark::Green;
    default:
        return Mark::Other;
    }
}

RowJudgement judgeRow(Problem p, Numbers x, const QStringList& texts) {
    RowJudgement row;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString written = texts[i].trimmed();
        BoxOutcome box;
        switch (judge(p, x, written)) {
        case Verdict::Empty:
            if (p != Problem::DigitsOfNumber)
                box = {Mark::Black, false};
            break;
        case Verdict::Wrong:
            box = {Mark::Red, true};
            row.wrong = true;
            break;
        case Verdict::NotANumber:
            box.mark = Mark::Red;
            break;
        case Verdict::Correct: {
            // Equal texts are judged alike, so every box of a repeat is correct too.
            bool repeated = false;
            for (qsizetype j = 0; j < texts.size(); ++j)
                repeated = repeated || (j != i && texts[j].trimmed() == written);
            box = repeated ? BoxOutcome{Mark::Green, true} : BoxOutcome{Mark::Black, false};
            row.repeated = row.repeated || repeated;
            break;
        }
        }
        row.boxes.push_back(box);
    }
    return row;
}

Tally tallyBoxes(const std::vector<BoxMark>& boxes) {
    Tally t;
    for (const BoxMark& box : boxes) {
        if (box.text.trimmed().isEmpty())
            continue;
        switch (box.mark) {
        case Mark::Red:
            ++t.wrong;
            break;
        case Mark::Black:
            ++t.correct;
            break;
        default:
            // A repeated element earns its problem one point, whichever boxes hold it.
            for (const BoxMark& other : boxes)
                if (other.mark == Mark::Green && other.row >= 1 && other.row <= kProblemCount)
                    t.repeated[other.row - 1] = 1;
            break;
        }
    }
    int score = t.correct - t.wrong;
    for (int r : t.repeated)
        score += r;
    t.score = std::max(0, score);
    return t;
}

std::optional<int> percentage(int score, int elements) {
    if (elements == 0)
        return std::nullopt;
    const long long num = 100LL * score;
    long long q = num / elements;
    long long rem = num % elements;
    if (rem < 0) {
        rem += elements;
        --q;
    }
    if (2 * rem > elements || (2 * rem == elements && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

namespace {
constexpr std::array<int, kProblemCount> kFirstBox{0, 8, 16, 24, 32, 39, 46, 53};
}

int firstBoxOfRow(int k) {
    return kFirstBox[std::clamp(k, 1, kProblemCount) - 1];
}

int boxCountOfRow(int k) {
    return k <= 4 ? 8 : 7;
}

int rowOfBox(int box) {
    int k = 1;
    while (k < kProblemCount && box >= kFirstBox[k])
        ++k;
    return k;
}

int separatorRightOf(int box) {
    return box + rowOfBox(box) - 1;
}

int separatorLeftOf(int box) {
    return separatorRightOf(box) + 1;
}

QString nextSeparator(const QString& caption) {
    static const QString comma = QStringLiteral("،");
    if (caption == comma)
        return QStringLiteral("{");
    if (caption == QLatin1String("{"))
        return QStringLiteral("}");
    if (caption == QLatin1String("}"))
        return QStringLiteral(".");
    return comma;
}

// ---- What a screen reader says ----

QString spokenStatement(const QString& description, const QStringList& numbers) {
    QString out;
    int next = 0;
    for (qsizetype i = 0; i < description.size();) {
        qsizetype end = i;
        while (end < description.size() && description[end] == u' ')
            ++end;
        if (end - i >= 2 && next < numbers.size()) {
            out += u' ' + numbers[next++] + u' ';
            i = end;
        } else if (end > i) {
            out += u' ';
            i = end;
        } else {
            out += description[i++];
        }
    }
    for (; next < numbers.size(); ++next)
        out += u' ' + numbers[next];
    return out.simplified();
}

QString spokenBox(int k, int j, int n) {
    return QStringLiteral("المسألة %1، الخانة %2 من %3").arg(k).arg(j + 1).arg(n);
}

QString spokenSeparator(int k, int j, int n) {
    // "%1" stays for the caption.
    const QString where = j < n ? QStringLiteral(" قبل الخانة ") + QString::number(j + 1)
                                : QStringLiteral(" بعد الخانة ") + QString::number(n);
    return QStringLiteral("%1") + where + QStringLiteral("، المسألة ") + QString::number(k);
}

QString spokenMark(Mark m, const QString& text) {
    if (text.trimmed().isEmpty())
        return QStringLiteral("فارغة");
    switch (m) {
    case Mark::Black:
        return QStringLiteral("صحيح");
    case Mark::Red:
        return QStringLiteral("خطأ");
    case Mark::Green:
        return QStringLiteral("مكرر");
    case Mark::Other:
        break;
    }
    return {};
}

QString spokenOutcome(const std::vector<Mark>& marks, const QStringList& texts) {
    int counts[3] = {0, 0, 0};
    for (size_t j = 0; j < marks.size(); ++j)
        if (!texts.value(qsizetype(j)).trimmed().isEmpty() && marks[j] != Mark::Other)
            ++counts[int(marks[j])];
    return QStringLiteral("صحيح %1، خطأ %2، مكرر %3").arg(counts[0]).arg(counts[1]).arg(counts[2]);
}

} // namespace sd::expressing
