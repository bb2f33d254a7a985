// The projector zoom and windows made larger: every control keeps its place and
// size in proportion, clicks and drops at zoomed positions land where they did,
// judging gives the same marks, and the zoom keys step through their range.
// Runs on an offscreen display of 1920 x 1080.

#include "app/screen.h"
#include "board/frmmagmoaat1.h"
#include "support/screentest.h"

#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace sd;

namespace {

enum class Sizing { Zoom150, Fitted, Maximised };

} // namespace

Q_DECLARE_METATYPE(Sizing)

namespace {

// The scale a case asks for, applied to a shown screen.
void resizeFor(Screen* s, Sizing sizing) {
    if (sizing == Sizing::Zoom150)
        Screen::setProgramZoom(1.5);
    else if (sizing == Sizing::Fitted)
        s->resize(1500, 760); // wider than the content's proportion
    else
        s->showMaximized();
    QTRY_VERIFY(sizing != Sizing::Fitted || s->backdrop()->width() == 1500);
    QTRY_VERIFY(sizing != Sizing::Maximised || s->backdrop()->width() > 1800);
    QCoreApplication::processEvents();
}

QMap<QString, std::pair<QRect, int>> twipsAndFonts(const Screen* s) {
    QMap<QString, std::pair<QRect, int>> out;
    for (const Control* c : s->controls())
        out[c->widget()->objectName()] = {c->twips(), c->widget()->font().pixelSize()};
    return out;
}

} // namespace

class TestZoom : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;

    Screen* open(const QString& name) {
        Screen* s = program->nav->show(name);
        s->activateWindow();
        if (!QTest::qWaitForWindowActive(s))
            qWarning("%s did not become active", qPrintable(name));
        return s;
    }
    // A left click where the pixel for a twips point of the canvas lies, on
    // whatever stands there.
    QWidget* clickAt(Screen* s, QPoint tw) {
        const QPoint px =
            s->canvas()->mapTo(s, QPointF(tw * s->scale().factor() / twips::kPerPixel)).toPoint();
        QWidget* hit = s->childAt(px);
        if (hit)
            QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(s, px));
        return hit;
    }

private slots:
    void init() { program = std::make_unique<sdtest::Program>(); }
    void cleanup() {
        program.reset();
        twips::setZoom(1.0);
    }

    void zoomSteps_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        QTest::newRow("stored size") << 1.0 << 1.25 << 1.0;
        QTest::newRow("a step") << 1.5 << 1.75 << 1.25;
        QTest::newRow("between steps") << 1.6 << 1.75 << 1.5;
        QTest::newRow("largest") << 2.0 << 2.0 << 1.75;
    }
    void zoomSteps() {
        QFETCH(double, from);
        QFETCH(double, in);
        QFETCH(double, out);
        QCOMPARE(twips::zoomedIn(from), in);
        QCOMPARE(twips::zoomedOut(from), out);
    }

    void zoomKeysOnEveryScreen() {
        for (const QString& name : program->nav->registeredScreens()) {
            Screen* s = open(name);
            QCOMPARE(s->menuItem("zoomIn")->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_Plus));
            QVERIFY(s->findChild<QMenu*>("viewMenu")->actions().contains(s->menuItem("zoomReset")));
        }
        Screen* menu = program->nav->find("frmgroub0");
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            double zoom;
        } presses[] = {{Qt::Key_Plus, Qt::ControlModifier, 1.25},
                       {Qt::Key_Equal, Qt::ControlModifier, 1.5},
                       {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 1.75},
                       {Qt::Key_Plus, Qt::ControlModifier, 2.0},
                       {Qt::Key_Plus, Qt::ControlModifier, 2.0},
                       {Qt::Key_Minus, Qt::ControlModifier, 1.75},
                       {Qt::Key_0, Qt::ControlModifier, 1.0},
                       {Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, 1.0}};
        for (const auto& p : presses) {
            QTest::keyClick(menu, p.key, p.modifiers);
            QCOMPARE(twips::zoom(), p.zoom);
            // A fixed-size screen takes the zoom; every other screen follows.
            QCOMPARE(menu->canvas()->size(), twips::Scale(p.zoom).toPx(QSize(6240, 7710)));
            // A lesson window is taller than the display at 200%: it stops where the display ends.
            const double lesson = program->nav->find("frmgrop3")->scale().factor();
            QVERIFY(lesson == p.zoom || (p.zoom == 2.0 && lesson > 1.75 && lesson < 2.0));
        }
    }

    void everyScreenFitsTheDisplayAtTheLargestZoom() {
        Screen::setProgramZoom(2.0);
        for (const QString& name : program->nav->registeredScreens()) {
            Screen* s = open(name);
            QTRY_VERIFY2(s->screen()->availableGeometry().contains(s->frameGeometry()), qPrintable(name));
            QVERIFY2(s->scale().factor() > 1.7, qPrintable(name));
        }
    }

    void controlsScaleTogether_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Sizing>("sizing");
        const sdtest::Program program;
        for (const QString& name : program.nav->registeredScreens()) {
            QTest::addRow("%s at 150%%", qPrintable(name)) << name << Sizing::Zoom150;
            if (program.nav->layoutOf(name)->screen.border == WindowBorder::Sizable)
                QTest::addRow("%s made larger", qPrintable(name)) << name << Sizing::Fitted;
        }
        QTest::newRow("frmGroups maximised") << "frmGroups" << Sizing::Maximised;
    }
    void controlsScaleTogether() {
        QFETCH(QString, screen);
        QFETCH(Sizing, sizing);
        Screen* s = open(screen);
        const auto before = twipsAndFonts(s);
        resizeFor(s, sizing);
        const double k = s->scale().factor();
        QVERIFY(k > 1.2);
        for (const Control* c : s->controls()) {
            const QString name = c->widget()->objectName();
            QCOMPARE(c->twips(), before[name].first);
            QVERIFY2(std::abs(c->widget()->font().pixelSize() - before[name].second * k) <= 1,
                     qPrintable(name));
            const QRect want = s->scale().toPx(c->twips());
            const QRect got = c->widget()->geometry();
            if (qobject_cast<const Line*>(c->widget()))
                QCOMPARE(got.topLeft(), want.normalized().topLeft());
            else
                QCOMPARE(got, want);
        }
        // The content in proportion, centred, filling the window one way.
        const QRect area = s->backdrop()->rect();
        const QRect content = s->canvas()->geometry();
        QCOMPARE(content.size(), s->scale().toPx(QSize(s->screenSpec().width, s->screenSpec().height)));
        QVERIFY(std::abs(content.left() - (area.right() - content.right())) <= 1);
        QVERIFY(std::abs(content.top() - (area.bottom() - content.bottom())) <= 1);
        QVERIFY(content.width() >= area.width() - 1 || content.height() >= area.height() - 1);
        // The background reaches every corner: nothing shows the plain colour.
        if (s->screenSpec().picture) {
            const QImage shot = s->backdrop()->grab().toImage();
            const QRgb plain = s->screenSpec().backColor | 0xFF000000;
            for (QPoint corner : {QPoint(1, 1), QPoint(area.right() - 1, 1), QPoint(1, area.bottom() - 1),
                                  QPoint(area.right() - 1, area.bottom() - 1)})
                QVERIFY2(shot.pixel(shot.devicePixelRatio() * corner) != plain, qPrintable(screen));
        }
    }

    // The same pupil's clicks, made where the controls now stand, give the same
    // marks and scores.
    void judgingAfterAZoom_data() {
        QTest::addColumn<Sizing>("sizing");
        QTest::newRow("150%") << Sizing::Zoom150;
        QTest::newRow("made larger") << Sizing::Fitted;
    }
    void judgingAfterAZoom() {
        QFETCH(Sizing, sizing);
        const auto story = [this](Screen* s) {
            const auto centre = [s](const char* name, int i) {
                return s->control(name, i)->twips().center();
            };
            QStringList marks;
            if (clickAt(s, centre("Text1", 0)) != s->control("Text1", 0)->widget())
                return QStringList{"missed the first box"};
            for (int k : {0, 0, 1, 5, 3})
                clickAt(s, centre("lbl1", k));
            clickAt(s, centre("Cmd1", 4));
            for (int i = 0; i < 8; ++i)
                marks << s->get<TextBox>("Text1", i)->text() +
                             s->get<TextBox>("Text1", i)->backColor().name();
            return marks << s->get<Label>("Label4", 0)->caption() << s->get<Label>("Label5", 2)->caption();
        };
        const QStringList asStored = story(open("frmGroups"));
        QVERIFY(!asStored.first().startsWith("#")); // a number was written
        program = std::make_unique<sdtest::Program>();
        Screen* s = open("frmGroups");
        resizeFor(s, sizing);
        QCOMPARE(story(s), asStored);
    }

    // A press, a move over the background and a drop at zoomed positions land on
    // the same twips as at the stored size.
    void pointerPositionsBecomeTheSameTwips() {
        Screen::setProgramZoom(1.5);
        Screen* s = open("frmmagmoaat1");
        QWidget* curtainButton = clickAt(s, s->control("Command2")->twips().center());
        QCOMPARE(curtainButton, s->control("Command2")->widget());
        QWidget* tile = s->control("Label1", 87)->widget();
        QWidget* board = s->control("Image1")->widget();
        const QPoint grab(90, 60), at(1500, 1200); // twips
        QTest::mousePress(tile, Qt::LeftButton, Qt::NoModifier,
                          s->scale().toPx(QRect(grab, QSize())).topLeft());
        QTest::mouseRelease(tile, Qt::LeftButton, Qt::NoModifier,
                            s->scale().toPx(QRect(grab, QSize())).topLeft());
        const std::unique_ptr<QMimeData> mime(frmmagmoaat1::pieceMimeData({board::Family::Tile, 87}));
        const QPointF drop = s->scale().toPx(QRect(at, QSize())).topLeft();
        QDragEnterEvent enter(drop.toPoint(), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &enter);
        QDropEvent dropped(drop, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &dropped);
        QCOMPARE(tile->property("twips").toRect().topLeft(),
                 board->property("twips").toRect().topLeft() + at - grab);
    }
};

// An offscreen display the size of a classroom projector's.
int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("display.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 1920, "height": 1080,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    TestZoom test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zoom.moc"
