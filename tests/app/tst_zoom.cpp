// The projector zoom and windows made larger, on a 1920 x 1080 offscreen display:
// controls keep their places in proportion, clicks and drops at zoomed positions
// land where they did, judging gives the same marks, the keys step and stop.

#include "app/screen.h"
#include "board/frmmagmoaat1.h"
#include "support/screentest.h"

#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace sd;

enum class Sizing { Zoom150, Fitted, Maximised, FullScreen };
Q_DECLARE_METATYPE(Sizing)

class TestZoom : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;

    Screen* open(const QString& name) const { return program->open(name); }
    static void resize(Screen* s, Sizing sizing) {
        if (sizing == Sizing::Zoom150)
            Screen::setProgramZoom(1.5);
        else if (sizing == Sizing::Fitted)
            s->resize(1500, 760); // wider than the content's proportion
        else if (sizing == Sizing::FullScreen)
            QTest::keyClick(s, Qt::Key_F11);
        else
            s->showMaximized();
        QTRY_VERIFY(s->scale().factor() > 1.2);
    }
    // A left click on whatever stands at the pixel for a twips point of the canvas.
    static QWidget* clickAt(Screen* s, QPoint tw) {
        const QPoint px = s->canvas()->mapTo(s, s->scale().toPx(QRect(tw, QSize())).topLeft());
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

    void zoomKeysFromAnyScreen() {
        for (const QString& name : program->nav->registeredScreens()) {
            Screen* s = open(name);
            QVERIFY(s->findChild<QMenu*>("viewMenu")->actions().contains(s->menuItem("zoomIn")));
        }
        Screen* menu = open("frmgroub0");
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
            QCOMPARE(menu->canvas()->size(), twips::Scale(p.zoom).toPx(QSize(6240, 7710)));
            // Every screen follows; a lesson taller than the display stops where it ends.
            const double lesson = program->nav->find("frmgrop3")->scale().factor();
            QVERIFY(lesson == p.zoom || (p.zoom == 2.0 && lesson > 1.75 && lesson < 2.0));
            if (p.zoom == 2.0)
                for (Screen* s : program->nav->loaded())
                    QTRY_VERIFY2(s->screen()->availableGeometry().contains(s->frameGeometry()),
                                 qPrintable(s->screenName()));
        }
        // From an entry box too, where the pupil's focus mostly is.
        auto* box = open("frmgrop3")->get<TextBox>("Text1", 0);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(twips::zoom(), 1.25);
        QCOMPARE(box->text(), QString());
    }

    void controlsScaleTogether_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Sizing>("sizing");
        const sdtest::Program program;
        for (const QString& name : program.nav->registeredScreens()) {
            QTest::addRow("%s at 150%%", qPrintable(name)) << name << Sizing::Zoom150;
            if (program.nav->layoutOf(name)->screen.border == WindowBorder::Sizable)
                QTest::addRow("%s made larger", qPrintable(name)) << name << Sizing::Fitted;
            QTest::addRow("%s full screen", qPrintable(name)) << name << Sizing::FullScreen;
        }
        QTest::newRow("frmGroups maximised") << "frmGroups" << Sizing::Maximised;
    }
    void controlsScaleTogether() {
        QFETCH(QString, screen);
        QFETCH(Sizing, sizing);
        Screen* s = open(screen);
        QMap<const Control*, std::pair<QRect, int>> before;
        for (const Control* c : s->controls())
            before[c] = {c->twips(), c->widget()->font().pixelSize()};
        resize(s, sizing);
        const double k = s->scale().factor();
        for (const Control* c : s->controls()) {
            const char* name = qPrintable(c->widget()->objectName());
            QCOMPARE(c->twips(), before[c].first);
            QVERIFY2(std::abs(c->widget()->font().pixelSize() - before[c].second * k) <= 1, name);
            const QRect want = s->scale().toPx(c->twips());
            if (qobject_cast<const Line*>(c->widget()))
                QCOMPARE(c->widget()->pos(), want.normalized().topLeft());
            else
                QCOMPARE(c->widget()->geometry(), want);
        }
        // In proportion, centred, filling the window one way, the background in every corner.
        const QRect area = s->backdrop()->rect();
        const QRect content = s->canvas()->geometry();
        QCOMPARE(content.size(), s->scale().toPx(QSize(s->screenSpec().width, s->screenSpec().height)));
        QVERIFY(std::abs(content.left() - (area.right() - content.right())) <= 1);
        QVERIFY(std::abs(content.top() - (area.bottom() - content.bottom())) <= 1);
        QVERIFY(content.width() >= area.width() - 1 || content.height() >= area.height() - 1);
        const QImage shot = s->backdrop()->grab().toImage();
        const QRect in = area.adjusted(1, 1, -1, -1);
        for (QPoint corner : {in.topLeft(), in.topRight(), in.bottomLeft(), in.bottomRight()})
            QVERIFY(!s->screenSpec().picture ||
                    shot.pixel(corner) != (s->screenSpec().backColor | 0xFF000000u));
    }

    // An entry is enabled exactly when choosing it changes something: zooming
    // out or back above 100 %, zooming in while this window can still grow.
    void zoomEntriesThatWouldDoNothing() {
        for (const QString& name : program->nav->registeredScreens()) {
            Screen* s = open(name);
            for (double zoom = 1.0;; zoom = twips::zoomedIn(zoom)) {
                Screen::setProgramZoom(zoom);
                const double before = s->scale().factor();
                const bool in = s->menuItem("zoomIn")->isEnabled();
                QCOMPARE(s->menuItem("zoomOut")->isEnabled(), zoom > 1.0);
                QCOMPARE(s->menuItem("zoomReset")->isEnabled(), zoom > 1.0);
                Screen::setProgramZoom(twips::zoomedIn(zoom));
                QVERIFY2(in == (s->scale().factor() > before), qPrintable(name + QString::number(zoom)));
                if (zoom == twips::zoomedIn(zoom))
                    break;
            }
            Screen::setProgramZoom(1.0);
            program->nav->unload(s);
        }
    }

    // A caption that shows whole at the stored size shows whole at every zoom and
    // in a window of any size (a rounded-up font once cut a letter off).
    void captionsShowWhole_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QSize>("window");
        const sdtest::Program program;
        for (const QString& name : program.nav->registeredScreens()) {
            for (double zoom : {1.25, 1.5, 1.75, 2.0})
                QTest::addRow("%s at %g", qPrintable(name), zoom) << name << zoom << QSize();
            if (program.nav->layoutOf(name)->screen.border == WindowBorder::Sizable)
                for (QSize window : {QSize(1112, 749), QSize(1000, 700), QSize(1280, 720), QSize(1366, 768),
                                     QSize(1600, 900), QSize(1900, 1000)})
                    QTest::addRow("%s in %dx%d", qPrintable(name), window.width(), window.height())
                        << name << 1.0 << window;
        }
    }
    void captionsShowWhole() {
        QFETCH(QString, screen);
        QFETCH(double, zoom);
        QFETCH(QSize, window);
        Screen* s = open(screen);
        QList<const Control*> whole;
        for (const Control* c : s->controls())
            if (c->captionShowsWhole())
                whole.append(c);
        Screen::setProgramZoom(zoom);
        if (window.isValid())
            s->resize(window);
        QTRY_VERIFY(s->scale().factor() > 1.05);
        QStringList cut;
        for (const Control* c : whole)
            if (!c->captionShowsWhole())
                cut << c->widget()->objectName();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(' ')));
    }

    // F11 or the menu entry and back: the window returns exactly as it was, a
    // fixed-size screen fixed again; Escape means what it meant.
    void fullScreenAndBack_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("lesson, F11") << "frmgrop3" << false << false;
        QTest::newRow("maximised lesson, menu") << "frmgrop3" << true << true;
        QTest::newRow("fixed menu, F11") << "frmgroub0" << false << false;
        QTest::newRow("fixed dialog, menu") << "frmAboutgroup" << false << true;
    }
    void fullScreenAndBack() {
        QFETCH(QString, screen);
        QFETCH(bool, maximised);
        QFETCH(bool, byMenu);
        Screen* s = open(screen);
        if (maximised)
            s->showMaximized();
        QTRY_VERIFY(!maximised || s->scale().factor() > 1.2);
        const QRect before = s->geometry();
        const double scale = s->scale().factor();
        const auto toggle = [&] {
            if (byMenu)
                s->menuItem("fullScreen")->trigger();
            else
                QTest::keyClick(s, Qt::Key_F11);
        };
        toggle();
        QTRY_VERIFY(s->isFullScreen());
        QTRY_COMPARE(s->geometry(), s->screen()->geometry());
        QVERIFY(s->menuItem("fullScreen")->isChecked());
        QVERIFY(s->scale().factor() > scale);
        QTest::keyClick(s, Qt::Key_Escape);
        QCOMPARE(program->nav->find(screen) != nullptr, !s->screenSpec().cancelButton);
        if (s->screenSpec().cancelButton)
            return;
        QVERIFY(s->isFullScreen());
        toggle();
        QTRY_VERIFY(!s->isFullScreen());
        QCOMPARE(s->isMaximized(), maximised);
        QTRY_COMPARE(s->geometry(), before);
        QCOMPARE(s->scale().factor(), scale);
        QVERIFY(!s->menuItem("fullScreen")->isChecked());
        if (s->screenSpec().border != WindowBorder::Sizable)
            QCOMPARE(s->minimumSize(), s->maximumSize());
    }

    // The same pupil's clicks, made where the controls now stand, give the same marks.
    void judgingAfterAZoom_data() {
        QTest::addColumn<Sizing>("sizing");
        QTest::newRow("150%") << Sizing::Zoom150;
        QTest::newRow("made larger") << Sizing::Fitted;
    }
    void judgingAfterAZoom() {
        QFETCH(Sizing, sizing);
        const auto story = [](Screen* s) {
            const auto at = [s](const char* name, int i) { return s->control(name, i)->twips().center(); };
            if (clickAt(s, at("Text1", 0)) != s->control("Text1", 0)->widget())
                return QStringList{"missed the first box"};
            for (int k : {0, 0, 1, 5, 3})
                clickAt(s, at("lbl1", k));
            clickAt(s, at("Cmd1", 4));
            QStringList marks{s->get<Label>("Label4", 0)->caption(), s->get<Label>("Label5", 2)->caption()};
            for (const TextBox* box : s->getArray<TextBox>("Text1"))
                marks << box->text() + box->backColor().name();
            return marks;
        };
        const QStringList asStored = story(open("frmGroups"));
        QVERIFY(!asStored[2].startsWith('#')); // a number was written
        program = std::make_unique<sdtest::Program>();
        Screen* s = open("frmGroups");
        resize(s, sizing);
        QCOMPARE(story(s), asStored);
    }

    // A press on a piece and its drop at zoomed positions give the same twips.
    void pressAndDropAtAZoom() {
        Screen::setProgramZoom(1.5);
        Screen* s = open("frmmagmoaat1");
        QCOMPARE(clickAt(s, s->control("Command2")->twips().center()), s->control("Command2")->widget());
        QWidget* tile = s->control("Label1", 87)->widget();
        QWidget* board = s->control("Image1")->widget();
        const QPoint grab = s->scale().toPx(QRect(90, 60, 0, 0)).topLeft();
        const QPoint at = s->scale().toPx(QRect(1500, 1200, 0, 0)).topLeft();
        QTest::mousePress(tile, Qt::LeftButton, Qt::NoModifier, grab);
        QTest::mouseRelease(tile, Qt::LeftButton, Qt::NoModifier, grab);
        const std::unique_ptr<QMimeData> mime(frmmagmoaat1::pieceMimeData({board::Family::Tile, 87}));
        QDragEnterEvent enter(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &enter);
        QDropEvent drop(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &drop);
        QCOMPARE(tile->property("twips").toRect().topLeft(),
                 board->property("twips").toRect().topLeft() + QPoint(1500 - 90, 1200 - 60));
    }
};

int main(int argc, char* argv[]) {
    // Qt splits the platform's options at colons: a name relative to the
    // working folder keeps a Windows drive letter out of them.
    QTemporaryDir dir(QStringLiteral("tst_zoom-XXXXXX"));
    QFile config(dir.filePath(QStringLiteral("display.json")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 1920, "height": 1080,
                                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" + QDir::current().relativeFilePath(config.fileName()).toLocal8Bit());
    QApplication app(argc, argv);
    sd::setUpApplication();
    TestZoom test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zoom.moc"
