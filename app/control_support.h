#pragma once
// What the control families share inside the screen model: colours from the
// stored layout, the classic style, the one caption routine, and the one way a
// property changes. Lessons never include this: they go through controls.h.

#include "app/layout.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QTextLayout>

class QPaintDevice;
class QPainter;
class QStyle;

namespace sd::detail {

// A stored colour, or the kind's usual one.
inline QColor colorOf(const Color& c, const QColor& fallback) {
    return c ? QColor::fromRgb(*c) : fallback;
}

// Stores a property's new value and says whether it really changed, so that a
// redraw or a change signal follows only a real change.
template <class T> bool changeTo(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

// The same for a property Qt keeps itself (a button's text): apply(value) runs
// only on a real change.
template <class T, class Apply> bool changeTo(const T& current, const T& value, Apply&& apply) {
    if (current == value)
        return false;
    apply(value);
    return true;
}

// The "Windows" style draws exactly the colours it is given and the sunken 3D
// frame of an entry box; Fusion tints both. One instance serves every control.
QStyle* classicStyle();

// The frame that sets a control apart at a glance: a bright yellow band edged in
// black, seen on dark and light grounds alike, drawn just inside rect.
void drawBrightFrame(QPainter& p, const QRect& rect, int band);

// The absolute flag for a stored alignment on a screen of the given direction.
Qt::Alignment horizontal(Align a, bool rtl);

// How a caption is laid out in its box; one routine lays it out for drawing and
// for measuring, so what is measured is what is drawn.
struct CaptionStyle {
    Qt::Alignment align = Qt::AlignLeft;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    bool wrap = false;
    bool mnemonic = false;      // a single "&" marks the access key, shown underlined
    double blankRunSpacing = 0; // pixels added to each blank of a run of two or more
    // How far the letters may reach out of the rectangle, in pixels: a pixel at
    // the stored size, growing with the screen, so a zoom shows what 100 % shows.
    double slack = 1;
};

// The runs of two or more blanks in text, in reading order: [start, end) of each.
QList<std::pair<int, int>> blankRuns(const QString& text);

// Lays text out, in the layout's font on device, in lines `width` wide, the first at the top; returns the
// height the lines take.
double layCaption(QTextLayout& layout, QPaintDevice* device, QString text, double width,
                  const CaptionStyle& style);

// Whether text drawn by drawCaption in font shows whole in rect: every letter
// within the rectangle and its slack.
bool captionShowsWhole(const QFont& font, QPaintDevice* device, const QString& text, const QRectF& rect,
                       const CaptionStyle& style);

// Draws a caption in rect, in the painter's font and pen.
void drawCaption(QPainter& p, const QRectF& rect, const QString& text, const CaptionStyle& style);

} // namespace sd::detail
