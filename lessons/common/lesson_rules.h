#pragma once
// Rules every lesson shares, free of widgets: how a score is written and read
// back, rounding halves to even, and the signs that follow what a pupil writes
// into a row of boxes.

#include <QLocale>
#include <QString>

#include <array>

namespace sd::lessons {

// The pupil's decimal separator, as the system's locale writes it.
QString decimalPoint();

// A score caption: the digits of the C locale (never grouped), `precision`
// significant digits (QLocale::FloatingPointShortest: as few as read back the
// same number), and the given decimal point; 0 and -0 are "0".
QString scoreText(double value, const QString& decimalPoint, int precision = QLocale::FloatingPointShortest);
// Reads a score caption back; accepts "." as well as the given decimal point.
// Anything unreadable counts as 0.
double scoreValue(const QString& caption, const QString& decimalPoint);

// The nearest whole number, halves to the even neighbour (0.5 -> 0, 2.5 -> 2).
double nearestEven(double x);

// The signs standing around the boxes of a row.
inline constexpr char16_t kOpenBrace = u'{';
inline constexpr char16_t kCloseBrace = u'}';
inline constexpr char16_t kComma = 0x060C; // Arabic comma

// Writing into box `box` of a row whose separators start at `base`: the separator
// before the box opens the set or continues it, the one after closes it. Only
// the index counts, not what the box holds.
struct SeparatorSign {
    int index;
    QString caption;
};
std::array<SeparatorSign, 2> liveBraces(int base, int box);

} // namespace sd::lessons
