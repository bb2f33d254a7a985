// Every picture the program carries draws at its size and at the sizes a zoom
// or a high-DPI display asks for. A build without Qt SVG carries each as PNGs
// at 1x, 2x and 3x: those must match, and a drawing must take the rendering
// with the pixels it needs rather than enlarge a smaller one.

#include "app/assets.h"
#include "app/layout.h"
#include "app/navigator.h"
#include "support/screentest.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <set>

using namespace sd;

namespace {

// The pictures the stored layouts name and those in the resources, which the
// lessons' code names too.
QStringList everyPicture() {
    std::set<QString> names;
    sdtest::Program program;
    for (const QString& screen : program.nav->registeredScreens()) {
        const ScreenLayout* layout = program.nav->layoutOf(screen);
        if (!layout)
            continue;
        for (const char* picture : {layout->screen.picture, layout->screen.icon})
            if (picture)
                names.insert(QString::fromUtf8(picture));
        for (const ControlSpec& c : layout->controls)
            for (const char* picture : {c.picture, c.pointer})
                if (picture)
                    names.insert(QString::fromUtf8(picture));
    }
    QDirIterator it(QStringLiteral(":/assets"));
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        const QString base = file.completeBaseName();
        if ((file.suffix() == u"svg" || file.suffix() == u"png") && !base.contains(u'@'))
            names.insert(base);
    }
    return QStringList(names.begin(), names.end());
}

bool hasInk(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(line, line + image.width(), [](QRgb p) { return qAlpha(p) != 0; }))
            return true;
    }
    return false;
}

bool carriedAsPngs(const QString& name) {
    return QFile::exists(QStringLiteral(":/assets/%1@2x.png").arg(name));
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void everyPictureDraws_data();
    void everyPictureDraws();
    void pngRenderingsAreExactMultiples_data();
    void pngRenderingsAreExactMultiples();
    void aDrawingTakesTheRenderingItNeeds_data();
    void aDrawingTakesTheRenderingItNeeds();
};

void TestAssets::everyPictureDraws_data() {
    QTest::addColumn<QString>("name");
    const QStringList names = everyPicture();
    QVERIFY(names.size() > 100);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

// At its own size, at twice it (the largest zoom) and on a display of three
// device pixels to one, the picture fills the size asked for and is not blank.
void TestAssets::everyPictureDraws() {
    QFETCH(QString, name);
    QVERIFY(assets::exists(name));
    const QSize natural = assets::naturalSize(name);
    QVERIFY(!natural.isEmpty());
    for (const auto& [zoom, dpr] : {std::pair{1, 1.0}, std::pair{2, 1.0}, std::pair{1, 3.0}}) {
        const QPixmap pm = assets::render(name, natural * zoom, dpr);
        QCOMPARE(pm.size(), natural * zoom * dpr);
        QVERIFY2(hasInk(pm.toImage()),
                 qPrintable(QStringLiteral("blank at %1x, ratio %2").arg(zoom).arg(dpr)));
    }
    QVERIFY(!assets::icon(name).isNull());
}

void TestAssets::pngRenderingsAreExactMultiples_data() {
    if (!carriedAsPngs(QStringLiteral("membership_star")))
        QSKIP("this build draws the SVGs");
    everyPictureDraws_data();
}

void TestAssets::pngRenderingsAreExactMultiples() {
    QFETCH(QString, name);
    QVERIFY(carriedAsPngs(name));
    const QSize natural = assets::naturalSize(name);
    for (int scale : {2, 3}) {
        const QImage image(QStringLiteral(":/assets/%1@%2x.png").arg(name).arg(scale));
        QCOMPARE(image.size(), natural * scale);
        // Loaded as what it is, so Qt's own icons and pixmaps size it right.
        QCOMPARE(image.devicePixelRatio(), qreal(scale));
    }
}

void TestAssets::aDrawingTakesTheRenderingItNeeds_data() {
    QTest::addColumn<qreal>("pixelsPerPixel");
    QTest::addColumn<int>("scale");
    QTest::newRow("shrunk") << 0.5 << 1;
    QTest::newRow("own size") << 1.0 << 1;
    QTest::newRow("own size, rounded") << 1.0005 << 1;
    QTest::newRow("a quarter larger") << 1.25 << 2;
    QTest::newRow("zoomed to twice") << 2.0 << 2;
    QTest::newRow("twice, on a 1.5 display") << 3.0 << 3;
    QTest::newRow("beyond the largest") << 4.0 << 3;
}

// The choice, and on a PNG build what it gives: drawn at twice its size, a
// picture is exactly its 2x rendering, not its 1x one enlarged.
void TestAssets::aDrawingTakesTheRenderingItNeeds() {
    QFETCH(qreal, pixelsPerPixel);
    QFETCH(int, scale);
    QCOMPARE(assets::rasterScaleFor(pixelsPerPixel), scale);
    const QString name = QStringLiteral("membership_star");
    if (!carriedAsPngs(name) || pixelsPerPixel != scale)
        return;
    const QSize natural = assets::naturalSize(name);
    const QImage drawn = assets::render(name, natural * scale, 1.0)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    QImage expected = QImage(QStringLiteral(":/assets/%1%2.png").arg(name, suffix))
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(1);
    QCOMPARE(drawn.size(), expected.size());
    QCOMPARE(drawn, expected);
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
