#include "app/twips.h"

#include <algorithm>
#include <cmath>

namespace sd::twips {

namespace {
double g_zoom = 1.0;
}

int Scale::toPx(int tw) const {
    return static_cast<int>(std::lround(toPxF(tw)));
}

QRect Scale::toPx(const QRect& tw) const {
    const int left = toPx(tw.x());
    const int top = toPx(tw.y());
    return QRect(left, top, toPx(tw.x() + tw.width()) - left, toPx(tw.y() + tw.height()) - top);
}

QSize Scale::toPx(const QSize& tw) const {
    return QSize(toPx(tw.width()), toPx(tw.height()));
}

int Scale::fromPx(double px) const {
    return static_cast<int>(std::lround(px * kPerPixel / factor_));
}

QPoint Scale::fromPx(const QPointF& px) const {
    return QPoint(fromPx(px.x()), fromPx(px.y()));
}

// The stored size rounded, then grown with the scale and rounded down: a
// rounded-up font would run past the end of a caption that fits at 100 %.
int Scale::pointsToPx(double points) const {
    const long stored = std::lround(points * 20.0 / kPerPixel);
    return std::max(1, static_cast<int>(std::floor(stored * factor_ + 1e-6)));
}

double zoom() {
    return g_zoom;
}

void setZoom(double factor) {
    g_zoom = std::clamp(factor, kZoomSteps[0], std::end(kZoomSteps)[-1]);
}

double zoomedIn(double factor) {
    for (double step : kZoomSteps)
        if (step > factor + 1e-9)
            return step;
    return std::max(factor, std::end(kZoomSteps)[-1]);
}

double zoomedOut(double factor) {
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
        if (*it < factor - 1e-9)
            return *it;
    return std::min(factor, kZoomSteps[0]);
}

double fitScale(const QSize& storedTw, const QSize& room) {
    if (storedTw.isEmpty() || room.isEmpty())
        return 1.0;
    return std::min(double(room.width()) * kPerPixel / storedTw.width(),
                    double(room.height()) * kPerPixel / storedTw.height());
}

QRectF coverRect(const QSize& natural, const QSize& room, double scale) {
    if (natural.isEmpty())
        return {};
    const double k =
        std::max({scale, double(room.width()) / natural.width(), double(room.height()) / natural.height()});
    return QRectF(QPointF(0, 0), QSizeF(natural) * k);
}

} // namespace sd::twips
