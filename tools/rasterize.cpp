// Renders the SVG pictures for a build that has no Qt SVG (the Windows one).
//   setsdrill_rasterize pictures FOLDER SVG...  each picture at its own size, twice and
//                                                three times that: FOLDER/name.png,
//                                                name@2x.png, name@3x.png
//   setsdrill_rasterize icon FILE.ico SVG       the program's icon at the sizes Windows asks for
// Runs on the build machine, with its Qt SVG.

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

QImage renderAt(QSvgRenderer& svg, const QSize& pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool pictures(const QString& folder, const QStringList& files) {
    QDir().mkpath(folder);
    for (const QString& file : files) {
        QSvgRenderer svg(file);
        if (!svg.isValid() || svg.defaultSize().isEmpty()) {
            QTextStream(stderr) << "not a picture: " << file << Qt::endl;
            return false;
        }
        const QString base = QDir(folder).filePath(QFileInfo(file).completeBaseName());
        for (int scale = 1; scale <= 3; ++scale) {
            const QString out = scale == 1 ? base + QStringLiteral(".png")
                                           : QStringLiteral("%1@%2x.png").arg(base).arg(scale);
            if (!renderAt(svg, svg.defaultSize() * scale).save(out)) {
                QTextStream(stderr) << "cannot write " << out << Qt::endl;
                return false;
            }
        }
    }
    return true;
}

// An icon entry below 256 pixels is a bottom-up 32-bit bitmap with its
// transparency mask, which every Windows and NSIS read; the 256 one is a PNG.
QByteArray iconEntry(const QImage& image) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int n = image.width();
    if (n >= 256) {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return data;
    }
    const int maskRow = ((n + 31) / 32) * 4;
    out << quint32(40) << qint32(n) << qint32(2 * n) << quint16(1) << quint16(32) << quint32(0)
        << quint32(n * n * 4 + maskRow * n) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = n - 1; y >= 0; --y)
        out.writeRawData(reinterpret_cast<const char*>(image.constScanLine(y)), n * 4);
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < n; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return data;
}

bool icon(const QString& target, const QString& file) {
    QSvgRenderer svg(file);
    if (!svg.isValid())
        return false;
    const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
    QList<QByteArray> entries;
    for (int n : sizes)
        entries.append(iconEntry(renderAt(svg, QSize(n, n))));
    QFile ico(target);
    if (!ico.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&ico);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(entries.size());
    quint32 offset = 6 + 16 * entries.size();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int n = sizes[i];
        out << quint8(n >= 256 ? 0 : n) << quint8(n >= 256 ? 0 : n) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(entries[i].size()) << offset;
        offset += entries[i].size();
    }
    for (const QByteArray& entry : entries)
        out.writeRawData(entry.constData(), entry.size());
    return out.status() == QDataStream::Ok;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() >= 3 && args[0] == QLatin1String("pictures"))
        return pictures(args[1], args.mid(2)) ? 0 : 1;
    if (args.size() == 3 && args[0] == QLatin1String("icon"))
        return icon(args[1], args[2]) ? 0 : 1;
    QTextStream(stderr) << "usage: setsdrill_rasterize pictures FOLDER SVG... | icon FILE.ico SVG"
                        << Qt::endl;
    return 2;
}
