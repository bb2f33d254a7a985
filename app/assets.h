#pragma once
// Pictures are assets with names: "sun" is :/assets/sun.svg (or .png). Vector
// pictures are rendered at the device pixel ratio, so they stay crisp. A build
// without Qt SVG carries each picture as PNGs rendered at build time at its own
// size and at twice and three times it (sun.png, sun@2x.png, sun@3x.png).

#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;

namespace sd::assets {

bool exists(const QString& name);

// The picture at its own size in device-independent pixels (an SVG's declared size).
QSize naturalSize(const QString& name);

// Draws the named picture into target (logical coordinates); nothing when missing.
void draw(QPainter& painter, const QString& name, const QRectF& target);

// A rendering at the given size, kept in Qt's pixmap cache (small pictures).
QPixmap pixmap(const QString& name, const QSize& logicalSize, qreal devicePixelRatio);
// A fresh rendering, for large pictures the caller keeps itself.
QPixmap render(const QString& name, const QSize& logicalSize, qreal devicePixelRatio);
QIcon icon(const QString& name);

// Which of the PNG renderings (1, 2 or 3 times the picture's size) a drawing
// takes that gives each of the picture's own pixels this many device pixels:
// the smallest that needs no enlarging, else the largest.
int rasterScaleFor(qreal pixelsPerPixel);

} // namespace sd::assets
