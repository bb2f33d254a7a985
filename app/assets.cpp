#include "app/assets.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>
#include <memory>

#if SETSDRILL_SVG
#include <QSvgRenderer>
#endif

namespace sd::assets {

namespace {

QString svgPath(const QString& name) {
    return QStringLiteral(":/assets/%1.svg").arg(name);
}
QString pngPath(const QString& name, int scale = 1) {
    return scale == 1 ? QStringLiteral(":/assets/%1.png").arg(name)
                      : QStringLiteral(":/assets/%1@%2x.png").arg(name).arg(scale);
}

#if SETSDRILL_SVG
// One parsed renderer per picture; SVGs are small and the program draws the same
// few many times.
QSvgRenderer* renderer(const QString& name) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        std::shared_ptr<QSvgRenderer> r;
        if (QFile::exists(svgPath(name))) {
            r = std::make_shared<QSvgRenderer>(svgPath(name));
            if (!r->isValid())
                r.reset();
        }
        it = cache.insert(name, r);
    }
    return it->get();
}
#endif

// The size of the plain PNG, read from its header once: screens ask for it on
// every paint.
QSize pngSize(const QString& name) {
    static QHash<QString, QSize> sizes;
    auto it = sizes.find(name);
    if (it == sizes.end())
        it = sizes.insert(name, QImageReader(pngPath(name)).size());
    return *it;
}

// How many device pixels a drawing gives each of the picture's own pixels.
qreal pixelsPerPixel(const QPainter& painter, const QSize& natural, const QRectF& target) {
    const QTransform t = painter.worldTransform();
    const qreal world = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    return std::max(target.width() / natural.width(), target.height() / natural.height()) * world * dpr;
}

} // namespace

int rasterScaleFor(qreal pixelsPerPixel) {
    constexpr qreal kSlack = 1e-3; // rounding of sizes in pixels
    if (pixelsPerPixel <= 1 + kSlack)
        return 1;
    return pixelsPerPixel <= 2 + kSlack ? 2 : 3;
}

bool exists(const QString& name) {
    return !name.isEmpty() && (QFile::exists(svgPath(name)) || QFile::exists(pngPath(name)));
}

QSize naturalSize(const QString& name) {
    if (name.isEmpty())
        return {};
#if SETSDRILL_SVG
    if (QSvgRenderer* r = renderer(name))
        return r->defaultSize();
#endif
    return pngSize(name);
}

void draw(QPainter& painter, const QString& name, const QRectF& target) {
    if (name.isEmpty() || target.isEmpty())
        return;
#if SETSDRILL_SVG
    if (QSvgRenderer* r = renderer(name)) {
        r->render(&painter, target);
        return;
    }
#endif
    const QSize natural = pngSize(name);
    if (natural.isEmpty())
        return;
    // The smallest rendering with as many pixels as the drawing needs, so a
    // picture is shrunk a little rather than enlarged.
    const int scale = rasterScaleFor(pixelsPerPixel(painter, natural, target));
    QPixmap pm(pngPath(name, scale));
    if (pm.isNull())
        pm = QPixmap(pngPath(name));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, pm, QRectF(pm.rect()));
    painter.restore();
}

QPixmap render(const QString& name, const QSize& logicalSize, qreal dpr) {
    if (name.isEmpty() || logicalSize.isEmpty())
        return {};
    QPixmap pm(logicalSize * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p, name, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return pm;
}

QPixmap pixmap(const QString& name, const QSize& logicalSize, qreal dpr) {
    const QString key = QStringLiteral("sd:%1:%2x%3@%4")
                            .arg(name)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(dpr);
    QPixmap pm;
    if (QPixmapCache::find(key, &pm))
        return pm;
    pm = render(name, logicalSize, dpr);
    if (!pm.isNull())
        QPixmapCache::insert(key, pm);
    return pm;
}

QIcon icon(const QString& name) {
    if (QFile::exists(svgPath(name)))
        return QIcon(svgPath(name));
    QIcon icon;
    for (int scale = 1; scale <= 3; ++scale)
        if (QFile::exists(pngPath(name, scale)))
            icon.addFile(pngPath(name, scale));
    return icon;
}

} // namespace sd::assets
