// The blackboard as a teacher uses it: pieces taken from the panel's stacks and
// dropped with the program's own drag data, enlarged, shrunk, counted up, sent
// home and cleared away, with the curtain over the panel; and every step of it
// undone and redone.

#include "board/frmmagmoaat1.h"
#include "support/pupil.h"
#include "support/screentest.h"

#include <QDrag>
#include <QMenuBar>
#include <QMimeData>
#include <QtTest>

#include <memory>

using namespace sd;
using board::Family;
using board::PieceId;
using sdtest::click;

// The steps a teacher can undo.
enum class Act { Move, Bin, Background, Enlarge, Shrink, CountUp, CycleFrame, SymbolHome, Clear };

Q_DECLARE_METATYPE(sd::board::PieceId)
Q_DECLARE_METATYPE(Act)

namespace {

constexpr PieceId tileOf(int i) {
    return {Family::Tile, i};
}
constexpr PieceId symbolOf(int i) {
    return {Family::Symbol, i};
}
constexpr PieceId shapeOf(int i) {
    return {Family::Shape, i};
}

QPoint px(QPoint tw) {
    return tw / 15;
}

} // namespace

class TestBoardScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<sdtest::Program> program;
    Screen* s = nullptr;

    QWidget* w(const QString& name, int index = -1) const {
        return name == "canvas" ? s->canvas() : sdtest::widget(s, name, index);
    }
    QWidget* w(PieceId id) const { return w(board::arrayOf(id.family), id.index); }
    QRect tw(PieceId id) const { return w(id)->property("twips").toRect(); }
    QRect tw(const QString& name, int index = -1) const { return w(name, index)->property("twips").toRect(); }
    QString caption(int tile) const { return w(tileOf(tile))->property("caption").toString(); }
    bool curtainShown() const { return !w("Image2")->isHidden(); }

    // Delivers a drag of mime to target at a point in it; true when the target took the drop.
    static bool deliver(QWidget* target, QPoint at, const QMimeData* mime) {
        const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
        QDragEnterEvent enter(at, actions, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, actions, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QDropEvent drop(QPointF(at), actions, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
    // A press on the piece, grab twips into it, then its drop on target at (twips).
    bool drag(PieceId id, QWidget* target, QPoint at, QPoint grab = {90, 60}) {
        QTest::mousePress(w(id), Qt::LeftButton, Qt::NoModifier, px(grab));
        QTest::mouseRelease(w(id), Qt::LeftButton, Qt::NoModifier, px(grab));
        const std::unique_ptr<QMimeData> mime(frmmagmoaat1::pieceMimeData(id));
        return deliver(target, px(at), mime.get());
    }
    void toBoard(PieceId id, QPoint at = {3000, 3000}) { QVERIFY(drag(id, w("Image1"), at)); }
    // The pointer passing over a control, as the window system tells it.
    static void hover(QWidget* over) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(over, &move);
    }
    void doubleClick(PieceId id) {
        QTest::mouseDClick(w(id), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QTest::mouseRelease(w(id), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    }

    // Everything a drop could change.
    QStringList snapshot() const {
        QStringList out;
        for (const Control* c : s->controls()) {
            const QWidget* x = c->widget();
            const QRect r = c->twips();
            out << QStringLiteral("%1 %2,%3 %4x%5 %6 %7")
                       .arg(x->objectName())
                       .arg(r.x())
                       .arg(r.y())
                       .arg(r.width())
                       .arg(r.height())
                       .arg(x->property("caption").toString(), x->property("text").toString())
                << (x->isHidden() ? "hidden" : "shown");
        }
        return out;
    }

    // A board with work on it: a counted digit, a frame, a symbol and a shape.
    void layOut() {
        toBoard(tileOf(24));
        doubleClick(tileOf(24));
        toBoard(tileOf(106), {3000, 5000});
        toBoard(symbolOf(5), {5000, 3000});
        toBoard(shapeOf(3), {1000, 5000});
    }
    void take(Act act) {
        switch (act) {
        case Act::Move:
            toBoard(tileOf(24), {6000, 6000});
            break;
        case Act::Bin:
            QVERIFY(drag(tileOf(24), w("Picture3"), {15, 15}));
            break;
        case Act::Background:
            QVERIFY(drag(shapeOf(3), w("canvas"), {15, 15}));
            break;
        case Act::Enlarge:
            QVERIFY(drag(shapeOf(3), w("Picture2"), {300, 300}));
            break;
        case Act::Shrink:
            QVERIFY(drag(shapeOf(3), w("Picture1"), {300, 300}));
            break;
        case Act::CountUp:
            doubleClick(tileOf(24));
            break;
        case Act::CycleFrame:
            doubleClick(tileOf(106));
            break;
        case Act::SymbolHome:
            doubleClick(symbolOf(5));
            break;
        case Act::Clear:
            click(w("Command1"));
            break;
        }
    }
    void activate() {
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
    }
    void press(QKeyCombination keys) { QTest::keyClick(s, keys.key(), keys.keyboardModifiers()); }
    static constexpr QKeyCombination kUndo = Qt::ControlModifier | Qt::Key_Z;
    static constexpr QKeyCombination kRedo = Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z;
    static constexpr QKeyCombination kRedoToo = Qt::ControlModifier | Qt::Key_Y;
    QAction* entry(const char* name) const { return s->findChild<QAction*>(name); }

private slots:
    void init() {
        program = std::make_unique<sdtest::Program>();
        s = program->nav->show("frmmagmoaat1");
        QVERIFY(s);
    }
    void cleanup() {
        program.reset();
        s = nullptr;
    }

    void opensFromTheMenuAndLeavesByItsExit() {
        program.reset();
        program = std::make_unique<sdtest::Program>();
        Screen* menu = program->nav->show("frmgroub0");
        QTest::mouseClick(menu->findChild<QWidget*>("Command5"), Qt::LeftButton);
        s = program->nav->find("frmmagmoaat1");
        QVERIFY(s);
        click(w("Command6"));
        QVERIFY(!program->nav->find("frmmagmoaat1"));
    }

    // Stacks stand on a grid inside the dark panels, under the curtain, apart
    // from each other; every piece of a stack lies exactly on its stack.
    void thePanelIsTidy() {
        QList<QPair<QString, QRect>> stacks{{"preview", tw("Image4", 0)}};
        QHash<QString, QRect> place;
        for (Family f : {Family::Tile, Family::Symbol, Family::Shape})
            for (int i : s->indexes(board::arrayOf(f))) {
                if (!board::isPiece({f, i}))
                    continue;
                const QRect r = tw({f, i});
                const QString key =
                    f == Family::Tile ? caption(i) : w({f, i})->property("picture").toString();
                if (!place.contains(key)) {
                    place.insert(key, r);
                    stacks.append({key, r});
                }
                QCOMPARE(r, place.value(key));
            }
        QCOMPARE(stacks.size(), 1 + 13 + 64 + 42);
        QCOMPARE(tw("Image4", 0), board::kPreview);
        for (qsizetype a = 0; a < stacks.size(); ++a) {
            const QRect r = stacks[a].second;
            QVERIFY2(board::kCurtain.contains(r), qPrintable(stacks[a].first));
            bool onAPanel = a == 0;
            for (int k = 1; k <= 5; ++k)
                onAPanel =
                    onAPanel || tw(QStringLiteral("Shape%1").arg(k)).adjusted(45, 45, -45, -45).contains(r);
            QVERIFY2(onAPanel, qPrintable(stacks[a].first));
            for (qsizetype b = a + 1; b < stacks.size(); ++b)
                QVERIFY2(!r.intersects(stacks[b].second),
                         qPrintable(stacks[a].first + " " + stacks[b].first));
        }
        for (int i = 1; i <= board::kShapes; ++i)
            QVERIFY(tw(shapeOf(i)).width() < 1000);
        for (int i = 0; i < 10; ++i)
            QVERIFY(tw(tileOf(i)).top() < 1000);
    }

    void dropsByReceivingControl_data() {
        QTest::addColumn<PieceId>("piece");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("grows");
        QTest::newRow("tile on the board") << tileOf(87) << "Image1" << -1 << false;
        QTest::newRow("symbol on the board") << symbolOf(200) << "Image1" << -1 << false;
        QTest::newRow("shape on the board") << shapeOf(5) << "Image1" << -1 << true;
        QTest::newRow("tile on a symbol") << tileOf(3) << "Image3" << 0 << false;
        QTest::newRow("shape on a symbol") << shapeOf(40) << "Image3" << 300 << true;
        QTest::newRow("shape on a panel shape") << shapeOf(1) << "Image4" << 100 << false;
        QTest::newRow("shape on the preview") << shapeOf(1) << "Image4" << 0 << false;
        QTest::newRow("symbol on a tile") << symbolOf(3) << "Label1" << 106 << false;
        QTest::newRow("shape on a tile") << shapeOf(60) << "Label1" << 5 << false;
    }
    void dropsByReceivingControl() {
        QFETCH(PieceId, piece);
        QFETCH(QString, target);
        QFETCH(int, index);
        QFETCH(bool, grows);
        click(w("Command2")); // open the curtain
        const QRect before = tw(piece);
        const QPoint grab(75, 45), at(150, 150);
        QVERIFY(drag(piece, w(target, index), at, grab));
        const QRect after = tw(piece);
        QCOMPARE(after.topLeft(), tw(target, index).topLeft() + at - grab);
        QCOMPARE(after.size(), grows ? board::kPreview.size() : before.size());
    }

    void aStackRevealsTheNextPieceUntilItIsEmpty() {
        click(w("Command2"));
        const QPoint seven = px(tw(tileOf(7)).center());
        for (int taken = 0; taken < 9; ++taken) {
            auto* top = qobject_cast<Label*>(s->canvas()->childAt(seven));
            QVERIFY2(top && top->objectName().startsWith("Label1(") && top->caption() == "7",
                     qPrintable(QString::number(taken)));
            toBoard(tileOf(top->controlIndex()), {600 * taken + 300, 3000});
        }
        QVERIFY(!qobject_cast<Label*>(s->canvas()->childAt(seven)));
    }

    void enlargeThenShrink() {
        toBoard(shapeOf(3));
        const QPoint stands = tw(shapeOf(3)).topLeft();
        QCOMPARE(tw(shapeOf(3)).size(), QSize(2100, 1095));
        QVERIFY(drag(shapeOf(3), w("Picture2"), {300, 300}));
        QCOMPARE(tw(shapeOf(3)), QRect(stands, QSize(2625, 1460)));
        QVERIFY(drag(shapeOf(3), w("Picture1"), {300, 300}));
        QCOMPARE(tw(shapeOf(3)), QRect(stands, QSize(1969, 1095)));
        QVERIFY(drag(tileOf(24), w("Picture2"), {300, 300}));
        QCOMPARE(tw(tileOf(24)), tw(tileOf(4))); // tiles do not change
    }

    void sendHome_data() {
        QTest::addColumn<PieceId>("piece");
        QTest::addColumn<int>("doubleClicks");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("caption");
        QTest::newRow("counted digit into the bin") << tileOf(17) << 2 << "Picture3"
                                                    << "7";
        QTest::newRow("digit onto the background") << tileOf(90) << 1 << "canvas"
                                                   << "0";
        QTest::newRow("asterisk into the bin") << tileOf(100) << 1 << "Picture3"
                                               << "*";
        QTest::newRow("frame onto the background") << tileOf(110) << 3 << "canvas"
                                                   << "{ ، }";
        QTest::newRow("large frame into the bin") << tileOf(125) << 2 << "Picture3"
                                                  << "{ ، ، ، }";
        QTest::newRow("symbol into the bin") << symbolOf(346) << 0 << "Picture3"
                                             << "";
        QTest::newRow("shape onto the background") << shapeOf(108) << 0 << "canvas"
                                                   << "";
    }
    void sendHome() {
        QFETCH(PieceId, piece);
        QFETCH(int, doubleClicks);
        QFETCH(QString, target);
        QFETCH(QString, caption);
        const QRect home = tw(piece);
        toBoard(piece);
        for (int k = 0; k < doubleClicks; ++k)
            doubleClick(piece);
        QVERIFY(tw(piece).topLeft() != home.topLeft());
        QVERIFY(drag(piece, w(target), {15, 15}));
        if (piece.family == Family::Tile)
            QCOMPARE(this->caption(piece.index), caption);
        QCOMPARE(tw(piece), home);
    }

    void symbolsGoHomeOnADoubleClick() {
        const QRect home = tw(symbolOf(10));
        toBoard(symbolOf(10));
        doubleClick(symbolOf(10));
        QCOMPARE(tw(symbolOf(10)), home);
    }

    void doubleClickCycles_data() {
        QTest::addColumn<PieceId>("piece");
        QTest::addColumn<bool>("onBoard");
        QTest::addColumn<QStringList>("captions");
        const QString f2 = board::rosterFrame(2), f3 = board::rosterFrame(3), f4 = board::rosterFrame(4);
        QTest::newRow("a digit counts up by tens")
            << tileOf(24) << true << QStringList{"14", "24", "34", "44", "54", "64"};
        QTest::newRow("a digit in the top row") << tileOf(4) << false << QStringList{"4", "4"};
        QTest::newRow("tile 0 on the board") << tileOf(0) << true << QStringList{"0", "0"};
        QTest::newRow("small frame") << tileOf(106) << true
                                     << QStringList{f2, f3, f4, board::emptyFrame(), f2};
        QTest::newRow("large frame") << tileOf(116) << false << QStringList{f4,
                                                                            board::rosterFrame(5),
                                                                            board::rosterFrame(6),
                                                                            board::rosterFrame(7),
                                                                            board::rosterFrame(8),
                                                                            f4};
    }
    void doubleClickCycles() {
        QFETCH(PieceId, piece);
        QFETCH(bool, onBoard);
        QFETCH(QStringList, captions);
        if (onBoard)
            toBoard(piece);
        QStringList seen;
        for (qsizetype k = 0; k < captions.size(); ++k) {
            doubleClick(piece);
            seen << caption(piece.index);
        }
        QCOMPARE(seen, captions);
    }

    void clearingLeavesTopicCurtainAndPreview() {
        const QStringList atLoad = snapshot();
        click(w("Command2"));
        hover(w(shapeOf(30)));
        toBoard(tileOf(24));
        doubleClick(tileOf(24));
        toBoard(tileOf(106), {3000, 5000});
        doubleClick(tileOf(106));
        toBoard(symbolOf(5));
        toBoard(shapeOf(3));
        QVERIFY(drag(shapeOf(3), w("Picture2"), {300, 300}));
        qobject_cast<QLineEdit*>(w("Text1"))->setText("المجموعات");
        click(w("Command2")); // the curtain again
        QVERIFY(curtainShown());
        const QString preview = w("Image4", 0)->property("picture").toString();
        click(w("Command1"));
        QVERIFY(curtainShown());
        QCOMPARE(w("Image4", 0)->property("picture").toString(), preview);
        QCOMPARE(w("Text1")->property("text").toString(), QString("المجموعات"));
        QStringList now = snapshot();
        QStringList expected = atLoad;
        for (QStringList* list : {&now, &expected})
            for (QString& line : *list)
                if (line.startsWith("Text1 ") || line.startsWith("Command2 ") ||
                    line.startsWith("Image4(0) "))
                    line.clear();
        QCOMPARE(now, expected);
    }

    // A drop from another program, or a damaged one, moves nothing, even right
    // after a press on a piece.
    void foreignDropsChangeNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("index");
        for (const char* name : {"Image1", "Picture3", "Picture2", "Picture1", "canvas", "Text1"})
            QTest::newRow(name) << name << -1;
        QTest::newRow("a tile") << "Label1" << 24;
        QTest::newRow("a shape") << "Image4" << 3;
    }
    void foreignDropsChangeNothing() {
        QFETCH(QString, target);
        QFETCH(int, index);
        toBoard(tileOf(24));
        toBoard(shapeOf(3), {5000, 3000});
        QTest::mousePress(w(tileOf(24)), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QTest::mouseRelease(w(tileOf(24)), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        const QStringList before = snapshot();
        QMimeData text, files, damaged;
        text.setText("7");
        files.setUrls({QUrl::fromLocalFile("/tmp/x.txt")});
        damaged.setData(board::kPieceMimeType, "Label1 999");
        for (const QMimeData* mime : {&text, &files, &damaged})
            QVERIFY(!deliver(w(target, index), QPoint(4, 4), mime));
        QCOMPARE(snapshot(), before);
    }

    // Controls the drops do not name take the piece and do nothing with it.
    void dropsOnOtherControlsChangeNothing_data() {
        QTest::addColumn<QString>("target");
        for (const char* name : {"Text1", "Command1", "Command2", "Command6", "Label2", "Label3", "Image2"})
            QTest::newRow(name) << name;
    }
    void dropsOnOtherControlsChangeNothing() {
        QFETCH(QString, target);
        toBoard(shapeOf(3));
        const QStringList before = snapshot();
        QVERIFY(drag(shapeOf(3), w(target), {30, 30}));
        QCOMPARE(snapshot(), before);
    }

    void theCurtainCoversThePanelOnly() {
        const auto under = [this](QPoint tw) { return s->canvas()->childAt(px(tw)); };
        QCOMPARE(w("Command2")->property("caption").toString(), QString("اظهار الادوات"));
        const QPoint inPanel = tw(symbolOf(0)).center();
        QCOMPARE(under(inPanel), w("Image2"));
        click(w("Command2"));
        QCOMPARE(w("Command2")->property("caption").toString(), QString("اخفاء الادوات "));
        QCOMPARE(under(inPanel), w(symbolOf(3)));
        toBoard(symbolOf(0));
        click(w("Command2"));
        QCOMPARE(w("Command2")->property("caption").toString(), QString("اظهار الادوات "));
        QCOMPARE(under(tw(symbolOf(0)).center()), w(symbolOf(0)));
        QTest::mousePress(w(symbolOf(0)), Qt::LeftButton); // brings it to the front
        QCOMPARE(under(inPanel), w("Image2"));
        QCOMPARE(under(tw("Command1").center()), w("Command1"));
        // Of two symbols on one spot, the one pressed last is in front.
        toBoard(symbolOf(1));
        const QPoint spot = tw(symbolOf(0)).center();
        for (const PieceId id : {symbolOf(0), symbolOf(1), symbolOf(0)}) {
            QTest::mousePress(w(id), Qt::LeftButton);
            QTest::mouseRelease(w(id), Qt::LeftButton);
            QCOMPARE(under(spot), w(id));
        }
    }

    // A drag starts only once the pointer has moved past the drag distance with
    // the button held, carries the pressed piece, and one press starts one drag.
    void aPressAndMoveStartsOneDragOfThePiece() {
        QWidget* piece = w(tileOf(3));
        const auto moveTo = [piece](QPoint at) {
            QMouseEvent move(QEvent::MouseMove, QPointF(at), piece->mapToGlobal(QPointF(at)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(piece, &move);
        };
        const auto drags = [piece] { return piece->findChildren<QDrag*>(); };
        const QPoint press(4, 4);
        QTest::mousePress(piece, Qt::LeftButton, Qt::NoModifier, press);
        moveTo(press + QPoint(1, 0));
        QVERIFY(drags().isEmpty());
        moveTo(press + QPoint(QApplication::startDragDistance() + 1, 0));
        QCOMPARE(drags().size(), 1);
        const QByteArray carried =
            drags().first()->mimeData()->data(QString::fromLatin1(board::kPieceMimeType));
        QCOMPARE(board::decodePiece(carried), std::optional(tileOf(3)));
        moveTo(press + QPoint(2 * QApplication::startDragDistance() + 2, 0));
        QCOMPARE(drags().size(), 1);
    }

    // Each step is undone back to exactly the board before it, and redone to
    // exactly the board after it, with either redo key.
    void undoAndRedoEachStep_data() {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("named");
        QTest::newRow("move") << Act::Move << "نقل القطعة";
        QTest::newRow("into the bin") << Act::Bin << "إرجاع القطعة";
        QTest::newRow("onto the background") << Act::Background << "إرجاع القطعة";
        QTest::newRow("enlarge") << Act::Enlarge << "تكبير الشكل";
        QTest::newRow("shrink") << Act::Shrink << "تصغير الشكل";
        QTest::newRow("count up") << Act::CountUp << "تغيير القطعة";
        QTest::newRow("next frame") << Act::CycleFrame << "تغيير القطعة";
        QTest::newRow("symbol home") << Act::SymbolHome << "إرجاع القطعة";
        QTest::newRow("clear the board") << Act::Clear << "مسح السبورة";
    }
    void undoAndRedoEachStep() {
        QFETCH(Act, act);
        QFETCH(QString, named);
        activate();
        layOut();
        const QStringList before = snapshot();
        take(act);
        const QStringList after = snapshot();
        QVERIFY(after != before);
        QVERIFY(entry("editUndo")->text().startsWith("تراجع عن " + named + "\t"));
        press(kUndo);
        QCOMPARE(snapshot(), before);
        QVERIFY(entry("editRedo")->text().startsWith("إعادة " + named + "\t"));
        press(kRedo);
        QCOMPARE(snapshot(), after);
        press(kUndo);
        press(kRedoToo);
        QCOMPARE(snapshot(), after);
    }

    // From the opened board, every step one after the other, undone one by one
    // back to it and redone one by one; a step that changes nothing is none.
    void undoStepByStepToTheOpenedBoard() {
        activate();
        // The title the teacher wrote stays; the board's steps are what Ctrl+Z undoes.
        w("Text1")->setFocus();
        QTest::keyClicks(w("Text1"), "abc");
        QVERIFY(!entry("editUndo")->isEnabled());
        QVERIFY(drag(shapeOf(3), w("Text1"), {30, 30}));
        QVERIFY(!entry("editUndo")->isEnabled());
        QList<QStringList> boards{snapshot()};
        layOut();
        for (Act act : {Act::Move, Act::Enlarge, Act::Background, Act::CycleFrame, Act::Clear})
            take(act);
        // Each of layOut's five steps and the last five, in turn.
        for (int k = 0; k < 10; ++k)
            press(kUndo);
        QCOMPARE(snapshot(), boards.first());
        QVERIFY(!entry("editUndo")->isEnabled());
        layOut();
        for (Act act : {Act::Move, Act::Enlarge, Act::Background, Act::CycleFrame, Act::Clear}) {
            boards << snapshot();
            take(act);
        }
        boards << snapshot();
        for (qsizetype k = boards.size() - 2; k >= 1; --k) {
            press(kUndo);
            QCOMPARE(snapshot(), boards[k]);
        }
        for (qsizetype k = 2; k < boards.size(); ++k) {
            press(kRedo);
            QCOMPARE(snapshot(), boards[k]);
        }
        QVERIFY(!entry("editRedo")->isEnabled());
    }

    // The Edit menu stands before the View menu; a reopened board has nothing to undo.
    void aReopenedBoardStartsWithNoHistory() {
        const QList<QAction*> menus = s->findChild<QMenuBar*>()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QString("تحرير"));
        QCOMPARE(menus[1]->text(), QString("عرض"));
        layOut();
        QVERIFY(entry("editUndo")->isEnabled());
        click(w("Command6"));
        sdtest::flushDeletes();
        s = program->nav->show("frmmagmoaat1");
        activate();
        QVERIFY(!entry("editUndo")->isEnabled());
        const QStringList opened = snapshot();
        press(kUndo);
        QCOMPARE(snapshot(), opened);
    }

    void thePreviewShowsTheShapeUnderThePointer() {
        hover(w(shapeOf(60)));
        QCOMPARE(w("Image4", 0)->property("picture"), w(shapeOf(60))->property("picture"));
        QCOMPARE(tw("Image4", 0), board::kPreview);
    }
};

SDTEST_MAIN(TestBoardScreen)
#include "tst_frmmagmoaat1.moc"
