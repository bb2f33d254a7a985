#include "app/twips.h"

#include <algorithm>
#include <cmath>

namespace sd::twips {

namespace {
double g_zoom = 1.0;
}

double zoom() {
    return g_zoom;
}

void setZoom(double factor) {
    g_zoom = std::clamp(factor, 0.25, 4.0);
}

double toPxF(double tw) {
    return tw * g_zoom / kPerPixel;
}

int toPx(int tw) {
    return static_cast<int>(std::lround(toPxF(tw)));
}

QRect toPx(const QRect& tw) {
    // Convert the edges rather than the size, so neighbouring controls that
    // touch in twips still touch in pixels.
    const int left = toPx(tw.x());
    const int top = toPx(tw.y());
    return QRect(left, top, toPx(tw.x() + tw.width()) - left, toPx(tw.y() + tw.height()) - top);
}

QSize toPx(const QSize& tw) {
    return QSize(toPx(tw.width()), toPx(tw.height()));
}

int fromPx(int px) {
    return static_cast<int>(std::lround(px * kPerPixel / g_zoom));
}

int pointsToPx(double points) {
    return std::max(1, static_cast<int>(std::lround(toPxF(points * 20.0))));
}

} // namespace sd::twips
