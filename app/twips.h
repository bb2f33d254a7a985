#pragma once
// Every position and size in the program is in twips (1/1440 inch): 15 twips make
// one pixel of the stored layout. A Scale turns them into a window's pixels: each
// screen owns one (the program's zoom, and how much larger its window has been
// made), and controls ask their screen for it. Qt's high-DPI scaling takes it from
// there. The plain arithmetic of the zoom steps and of fitting a window lives here
// too, apart from any widget.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace sd::twips {

inline constexpr int kPerPixel = 15;

class Scale {
public:
    constexpr Scale() = default;
    constexpr explicit Scale(double factor) : factor_(factor) {}
    constexpr double factor() const { return factor_; }
    friend constexpr bool operator==(Scale a, Scale b) { return a.factor_ == b.factor_; }

    double toPxF(double tw) const { return tw * factor_ / kPerPixel; }
    int toPx(int tw) const;
    // Edges are converted rather than sizes, so controls that touch in twips
    // still touch in pixels.
    QRect toPx(const QRect& tw) const;
    QSize toPx(const QSize& tw) const;
    // A picture's natural size in pixels of the stored layout, at this scale.
    QSizeF picture(const QSize& natural) const { return QSizeF(natural) * factor_; }

    int fromPx(double px) const;
    QPoint fromPx(const QPointF& px) const;

    // A font's point size as a pixel size, by the same rule (1 pt = 20 twips),
    // so that text grows exactly as the geometry does.
    int pointsToPx(double points) const;

private:
    double factor_ = 1.0;
};

// The program's zoom: one factor for every window, in steps, lasting while the
// program runs. 1.0 is the stored size.
inline constexpr double kZoomSteps[] = {1.0, 1.25, 1.5, 1.75, 2.0};
double zoom();
void setZoom(double factor);
// The next step up or down from factor, or factor itself at the limit.
double zoomedIn(double factor);
double zoomedOut(double factor);

// The largest scale at which a stored area (twips) fits in `room` pixels, in
// proportion.
double fitScale(const QSize& storedTw, const QSize& room);

// Where a background picture of natural size `natural` is drawn in an area of
// `room` pixels whose content stands at `scale`: from the top-left corner, at
// the content's scale, made larger in proportion where that would leave an edge
// of the area bare.
QRectF coverRect(const QSize& natural, const QSize& room, double scale);

} // namespace sd::twips
