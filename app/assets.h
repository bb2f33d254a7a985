#pragma once
// Pictures are assets with names: "sun" is :/assets/sun.svg (or .png). Vector
// pictures are rendered at the device pixel ratio, so they stay crisp.

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

} // namespace sd::assets
