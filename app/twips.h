#pragma once
// Every position and size in the program is in twips (1/1440 inch). This is the
// one place where twips become device-independent pixels; Qt's high-DPI scaling
// takes it from there. A whole-window zoom (for a classroom projector) is one factor.

#include <QRect>
#include <QSize>

namespace sd::twips {

inline constexpr int kPerPixel = 15;

// Zoom applied on top of the 15-twips-per-pixel rule; 1.0 is the stored size.
double zoom();
void setZoom(double factor);

int toPx(int tw);
double toPxF(double tw);
QRect toPx(const QRect& tw);
QSize toPx(const QSize& tw);
int fromPx(int px);

// A font's point size as a pixel size, by the same rule (1 pt = 20 twips), so
// that text grows with the zoom exactly as the geometry does.
int pointsToPx(double points);

} // namespace sd::twips
