#include "lessons/membership/membership_rules.h"

#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace sd::membership {

namespace {

struct Picture {
    Symbol symbol;
    const char* name;
};

constexpr Picture kPictures[] = {
    {Symbol::ElementOf, "membership_in"},
    {Symbol::NotElementOf, "membership_notin"},
    {Symbol::SubsetOf, "membership_subset"},
    {Symbol::NotSubsetOf, "membership_notsubset"},
};

QString text(int n) {
    return QString::number(n);
}

// x := (x + add) mod m, read and written as text.
void stepMod(QString& x, int add, int m) {
    x = text((numberOf(x) + add) % m);
}

// Every slot that reads the same as another slot is moved on by d at once, so
// later comparisons see the moved value.
void repair(std::initializer_list<QString*> cells, int d) {
    for (QString* x : cells)
        for (QString* y : cells)
            if (x != y && *x == *y)
                *x = text(numberOf(*x) + d);
}

bool inRightSet(const QString& n, const Statement& s) {
    return n == s.r1 || n == s.r2 || n == s.r3;
}

void stepRow1(Statement& s) {
    stepMod(s.a, 3, 13);
    stepMod(s.r1, 1, 12);
    stepMod(s.r2, 1, 12);
    stepMod(s.r3, 1, 10);
    // Near misses: sets whose numbers are made of A's digits.
    if (s.a == "7") {
        s.r1 = "70";
        s.r3 = "77";
    }
    if (s.a == "12") {
        s.r1 = "2";
        s.r2 = "1";
    }
    repair({&s.r1, &s.r2, &s.r3}, 1);
    repair({&s.r1, &s.r2, &s.r3}, 1);
}

void stepRow2(Statement& s) {
    stepMod(s.a, 1, 13);
    stepMod(s.r1, 3, 10);
    stepMod(s.r2, 1, 12);
    stepMod(s.r3, 1, 11);
    repair({&s.r1, &s.r2, &s.r3}, 2);
    repair({&s.r1, &s.r2, &s.r3}, 1);
    if (s.a == "12") {
        s.r1 = "2";
        s.r2 = "10";
        s.r3 = "21";
    }
}

void stepRow3(Statement& s) {
    stepMod(s.a, 1, 12);
    stepMod(s.r2, 3, 12);
    stepMod(s.r3, 1, 12);
    stepMod(s.r1, 1, 10);
    if (s.a == "11") {
        s.r1 = "1";
        s.r2 = "10";
    }
    if (s.a == "4") {
        s.r1 = "14";
        s.r3 = "44";
        s.r2 = "41";
    }
    repair({&s.r1, &s.r2, &s.r3}, 1);
    repair({&s.r1, &s.r2, &s.r3}, 3);
}

void stepRow5(Statement& s) {
    stepMod(s.a, 1, 13);
    stepMod(s.r2, 3, 10);
    stepMod(s.r3, 3, 10);
    stepMod(s.r1, 1, 10);
    repair({&s.r1, &s.r2, &s.r3}, 1);
    repair({&s.r1, &s.r2, &s.r3}, 3);
    if (s.a == "10") {
        s.r1 = "0";
        s.r3 = "1";
        s.r2 = "100";
    }
    if (s.a == "6") {
        s.r1 = "16";
        s.r3 = "26";
        s.r2 = "66";
    }
}

void stepRow4(Statement& s) {
    stepMod(s.a, 1, 10);
    stepMod(s.r1, 1, 10);
    stepMod(s.r2, 3, 10);
    stepMod(s.r3, 3, 10);
    stepMod(s.b, 1, 10);
    if (s.a == "5" && s.b == "3") {
        s.r1 = "35";
        s.r2 = "53";
    }
    if (s.a == "3" && s.b == "1") {
        s.r1 = "31";
        s.r2 = "13";
    }
    repair({&s.a, &s.b}, 3);
    repair({&s.r1, &s.r2, &s.r3}, -1);
    repair({&s.r1, &s.r2, &s.r3}, 1);
}

} // namespace

QString pictureOf(Symbol symbol) {
    for (const Picture& p : kPictures)
        if (p.symbol == symbol)
            return QString::fromLatin1(p.name);
    return {};
}

Symbol symbolOfPicture(const QString& picture) {
    for (const Picture& p : kPictures)
        if (picture == QLatin1String(p.name))
            return p.symbol;
    return Symbol::Empty;
}

Statements storedStatements() {
    return {{
        {.a = "2", .b = {}, .r1 = "3", .r2 = "1", .r3 = "2"},
        {.a = "4", .b = {}, .r1 = "7", .r2 = "4", .r3 = "3"},
        {.a = "5", .b = {}, .r1 = "4", .r2 = "1", .r3 = "5"},
        {.a = "5", .b = "3", .r1 = "5", .r2 = "6", .r3 = "7"},
        {.a = "6", .b = {}, .r1 = "4", .r2 = "6", .r3 = "7"},
    }};
}

int numberOf(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    // Far beyond any number the drill makes; a cap keeps the arithmetic safe.
    constexpr long long kCap = 999999999;
    long long value = 0;
    for (; i < n && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i)
        value = std::min(value * 10 + (text.at(i).unicode() - u'0'), kCap);
    return int(negative ? -value : value);
}

void stepRow(int row, Statement& s) {
    switch (row) {
    case 1:
        stepRow1(s);
        break;
    case 2:
        stepRow2(s);
        break;
    case 3:
        stepRow3(s);
        break;
    case 4:
        stepRow4(s);
        break;
    case 5:
        stepRow5(s);
        break;
    default:
        break;
    }
}

void stepStatements(Statements& rows) {
    for (int row : {1, 2, 3, 5, 4})
        stepRow(row, rows[row - 1]);
}

Symbol correctSymbol(int row, const Statement& s) {
    switch (row) {
    case 1:
    case 2:
        return inRightSet(s.a, s) ? Symbol::SubsetOf : Symbol::NotSubsetOf;
    case 3:
    case 5:
        return inRightSet(s.a, s) ? Symbol::ElementOf : Symbol::NotElementOf;
    case 4:
        return inRightSet(s.b, s) && inRightSet(s.a, s) ? Symbol::SubsetOf : Symbol::NotSubsetOf;
    default:
        return Symbol::Empty;
    }
}

QString nextCaption(const QString& caption) {
    return text((numberOf(caption) + 1) % 5 + 1);
}

int placeOfCaption(const QString& caption) {
    for (int place = 1; place < kRows; ++place)
        if (caption == text(place))
            return place;
    return kRows;
}

TopRow topRow(const std::array<QString, kRows>& captions) {
    for (int row = 1; row < kRows; ++row)
        if (captions[row - 1] == QLatin1String("1"))
            return {row, false};
    return {};
}

int nextRow(int row) {
    return row % kRows + 1;
}

bool isRight(Symbol placed, Symbol correct) {
    return placed != Symbol::Empty && placed == correct;
}

bool earnsReward(int right, int judged) {
    // 4 * right > 3 * judged, in whole numbers: exactly three quarters is not enough.
    return judged > 0 && 4LL * right > 3LL * judged;
}

// ---- What a screen reader says ----

QString spokenSymbol(Symbol symbol) {
    switch (symbol) {
    case Symbol::ElementOf:
        return QStringLiteral("ينتمي إلى");
    case Symbol::NotElementOf:
        return QStringLiteral("لا ينتمي إلى");
    case Symbol::SubsetOf:
        return QStringLiteral("مجموعة جزئية من");
    case Symbol::NotSubsetOf:
        return QStringLiteral("ليست مجموعة جزئية من");
    case Symbol::Empty:
        break;
    }
    return QStringLiteral("فراغ");
}

QString spokenStatement(QList<std::pair<int, QString>> parts) {
    std::stable_sort(parts.begin(), parts.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList words;
    for (const auto& part : std::as_const(parts))
        if (!part.second.trimmed().isEmpty())
            words.append(part.second.trimmed());
    return words.join(u' ');
}

QString spokenVerdict(bool right, Symbol correct) {
    return right ? QStringLiteral("صحيح") : QStringLiteral("خطأ، الصحيح: ") + spokenSymbol(correct);
}

QString spokenOutcome(int right, int judged) {
    return QStringLiteral("صحيح %1 من %2").arg(right).arg(judged);
}

} // namespace sd::membership
