#include "app/assets.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>

namespace sd::assets {

namespace {

QString svgPath(const QString& name) {
    return QStringLiteral(":/assets/%1.svg").arg(name);
}
QString pngPath(const QString& name) {
    return QStringLiteral(":/assets/%1.png").arg(name);
}

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

} // namespace

bool exists(const QString& name) {
    return !name.isEmpty() && (QFile::exists(svgPath(name)) || QFile::exists(pngPath(name)));
}

QSize naturalSize(const QString& name) {
    if (name.isEmpty())
        return {};
    if (QSvgRenderer* r = renderer(name))
        return r->defaultSize();
    return QPixmap(pngPath(name)).size();
}

void draw(QPainter& painter, const QString& name, const QRectF& target) {
    if (name.isEmpty() || target.isEmpty())
        return;
    if (QSvgRenderer* r = renderer(name)) {
        r->render(&painter, target);
        return;
    }
    const QPixmap pm(pngPath(name));
    if (!pm.isNull())
        painter.drawPixmap(target, pm, QRectF(pm.rect()));
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
    if (QFile::exists(pngPath(name)))
        return QIcon(pngPath(name));
    return {};
}

} // namespace sd::assets
