#pragma once
// A colour as the rules name it: red, green and blue packed as 0xRRGGBB, the
// value QColor::fromRgb takes and QColor::rgb() gives (its alpha byte is
// dropped). The rules only name colours and compare them, so a value of their
// own keeps them on Qt Core; the screens turn it into a QColor.

#include <QtGlobal>

namespace sd {

struct Rgb {
    quint32 value = 0;

    constexpr Rgb() = default;
    constexpr explicit Rgb(quint32 rgb) : value(rgb & 0xFFFFFF) {}
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

} // namespace sd
