#include "lessons/listing/listing_rules.h"

#include <algorithm>

namespace sd::listing {

QString RenumberDigit(const QString& caption) {
    bool ok = false;
    const int n = caption.trimmed().toInt(&ok);
    if (!ok)
        return QStringLiteral("1");
    // Tried in this order; the first that matches decides.
    static constexpr std::array<std::pair<int, int>, 9> kNext{
        {{1, 3}, {3, 2}, {2, 7}, {7, 5}, {5, 9}, {9, 4}, {4, 6}, {6, 8}, {8, 0}}};
    for (const auto& [from, to] : kNext)
        if (n == from)
            return QString::number(to);
    return QStringLiteral("1");
}

QString nextSeparator(const QString& shown) {
    if (shown == QString(QChar(kPoint)))
        return QString(QChar(kComma));
    if (shown == QString(QChar(kComma)))
        return QString(QChar(kCloseBrace));
    if (shown == QString(QChar(kCloseBrace)))
        return QString(QChar(kPoint));
    return QString(QChar(kOpenBrace));
}

Rgb colorOf(Mark mark) {
    switch (mark) {
    case Mark::Wrong:
        return kRed;
    case Mark::Repeated:
        return kGreen;
    case Mark::Correct:
        break;
    }
    return kBlack;
}

Mark markOf(Rgb color) {
    switch (color.value) {
    case kRed.value:
        return Mark::Wrong;
    case kGreen.value:
        return Mark::Repeated;
    default:
        return Mark::Correct;
    }
}

Judgement judgeEntries(const QStringList& texts, const QStringList& elements) {
    Judgement j;
    const qsizetype n = texts.size();
    j.marks.reserve(n);
    for (const QString& t : texts)
        j.marks.append(elements.contains(t.trimmed()) ? Mark::Correct : Mark::Wrong);
    // A box that is not wrong and holds the same text as another box: both repeated.
    for (qsizetype a = 0; a < n; ++a)
        for (qsizetype b = 0; b < n; ++b)
            if (a != b && j.marks[b] != Mark::Wrong && texts[a] == texts[b]) {
                j.marks[a] = j.marks[b] = Mark::Repeated;
                j.repeated = true;
            }
    for (qsizetype i = 0; i < n; ++i)
        if (texts[i].trimmed().isEmpty())
            j.marks[i] = Mark::Correct;
    return j;
}

RowScore scoreEntries(const QList<Mark>& marks, const QStringList& texts, const RowScoring& scoring) {
    RowScore r;
    const qsizetype n = std::min(marks.size(), texts.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (texts[i].trimmed().isEmpty())
            continue;
        switch (marks[i]) {
        case Mark::Wrong:
            r.score -= 0.5;
            break;
        case Mark::Correct:
            r.correct += scoring.weight;
            break;
        case Mark::Repeated:
            r.duplicate = 0.5;
            break;
        }
    }
    r.score = r.duplicate + r.score + r.correct;
    const Adjustment& adj = scoring.adjustment;
    if (adj.kind == Adjustment::RaiseWhenEqual && r.score == adj.at)
        r.score = adj.to;
    else if (adj.kind == Adjustment::CapAbove && r.score > adj.at)
        r.score = adj.at;
    if (r.score < 0)
        r.score = 0;
    return r;
}

QString spokenBox(const QString& row, int position, int count) {
    return QStringLiteral("%1، %2 من %3").arg(row).arg(position + 1).arg(count);
}

QString spokenSeparator(int row, int k) {
    // "%1" stays for the caption.
    const QString where =
        k == 0 ? QStringLiteral(" قبل الخانة 1") : QStringLiteral(" بعد الخانة ") + QString::number(k);
    return QStringLiteral("%1") + where + QStringLiteral("، الصف ") + QString::number(row + 1);
}

QString spokenCheckButton() {
    return QStringLiteral("%1 تحقق من الصف");
}

QString spokenNoteButton() {
    return QStringLiteral("%1 ملاحظة الصف");
}

QString spokenRowScore(int row) {
    return QStringLiteral("درجة الصف ") + QString::number(row + 1) + QStringLiteral(": %1");
}

QString spokenMark(Mark mark, const QString& text) {
    if (text.trimmed().isEmpty())
        return QStringLiteral("فارغة");
    switch (mark) {
    case Mark::Correct:
        return QStringLiteral("صحيح");
    case Mark::Wrong:
        return QStringLiteral("خطأ");
    case Mark::Repeated:
        return QStringLiteral("مكرر");
    }
    return {};
}

QString spokenOutcome(const QList<Mark>& marks, const QStringList& texts) {
    int counts[3] = {0, 0, 0};
    for (qsizetype p = 0; p < marks.size(); ++p)
        if (!texts.value(p).trimmed().isEmpty())
            ++counts[int(marks[p])];
    return QStringLiteral("صحيح %1، خطأ %2، مكرر %3").arg(counts[0]).arg(counts[1]).arg(counts[2]);
}

} // namespace sd::listing
