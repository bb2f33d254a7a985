#include "lessons/common/lesson_rules.h"

#include <cmath>

namespace sd::lessons {

QString decimalPoint() {
    return QLocale().decimalPoint();
}

QString scoreText(double value, const QString& decimalPoint, int precision) {
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    QString text = QLocale::c().toString(value, 'g', precision);
    if (decimalPoint != QLatin1String("."))
        text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

double scoreValue(const QString& caption, const QString& decimalPoint) {
    QString text = caption.trimmed();
    if (!decimalPoint.isEmpty() && decimalPoint != QLatin1String("."))
        text.replace(decimalPoint, QLatin1String("."));
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : 0.0;
}

double nearestEven(double x) {
    const double below = std::floor(x);
    const double above = x - below;
    if (above > 0.5)
        return below + 1;
    if (above < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::array<SeparatorSign, 2> liveBraces(int base, int box) {
    return {{{base + box, QString(QChar(box == 0 ? kOpenBrace : kComma))},
             {base + box + 1, QString(QChar(kCloseBrace))}}};
}

} // namespace sd::lessons
