// The blackboard's plain rules: what a dropped piece does on each kind of
// receiver, enlarging and shrinking within their limits, the tiles' double-click
// cycles, and what a drag may carry.

#include "app/assets.h"
#include "board/board_rules.h"

#include <QSet>
#include <QtTest>

using namespace sd::board;

Q_DECLARE_METATYPE(sd::board::Family)
Q_DECLARE_METATYPE(sd::board::Receiver)
Q_DECLARE_METATYPE(sd::board::Outcome)

class TestBoardRules : public QObject {
    Q_OBJECT
private slots:
    void dropTable_data();
    void dropTable();
    void enlargeAndShrink_data();
    void enlargeAndShrink();
    void doubleClicks_data();
    void doubleClicks();
    void whatADragCarries_data();
    void whatADragCarries();
    void catalogue();
};

void TestBoardRules::dropTable_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QRect>("piece");
    QTest::addColumn<Receiver>("on");
    QTest::addColumn<QRect>("receiver");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QRect>("expected");
    // Every drop lands 900, 600 into the receiver, the piece taken 30, 45 into itself.
    const QRect panelShape(9000, 4320, 600, 315), boardShape(3000, 2000, 2100, 1095);
    // Tiles and symbols keep their size; only their place counts here.
    const auto spot = [](QPoint p) { return QRect(p, QSize(0, 0)); };
    const QRect tile = spot({10710, 660}), symbol = spot({9000, 1830});
    const QRect onBoardShape(2000, 3000, 2100, 1095), inPanelShape(8520, 4320, 600, 315);
    const QSize preview(2100, 1095);
    auto add = [](const char* name, Family f, QRect piece, Receiver on, QRect receiver, Outcome o, QRect r) {
        QTest::newRow(name) << f << piece << on << receiver << o << r;
    };
    const QPoint at = QPoint(900, 600) - QPoint(30, 45);
    const QRect stand = spot(kBoard.topLeft() + at);
    add("tile on board", Family::Tile, tile, Receiver::Board, kBoard, Outcome::Move, stand);
    add("tile on tile", Family::Tile, tile, Receiver::Tile, QRect(500, 500, 240, 465), Outcome::Move,
        spot(QPoint(500, 500) + at));
    add("symbol on shape", Family::Symbol, symbol, Receiver::Shape, onBoardShape, Outcome::Move,
        spot(onBoardShape.topLeft() + at));
    add("small shape on board grows", Family::Shape, panelShape, Receiver::Board, kBoard, Outcome::Move,
        QRect(stand.topLeft(), preview));
    add("large shape on board keeps its size", Family::Shape, boardShape, Receiver::Board, kBoard,
        Outcome::Move, QRect(stand.topLeft(), boardShape.size()));
    add("large shape on a symbol takes the preview's size", Family::Shape, QRect(0, 0, 2625, 1460),
        Receiver::Symbol, QRect(4000, 4000, 285, 285), Outcome::Move,
        QRect(QPoint(4000, 4000) + at, preview));
    add("small shape on a board shape grows", Family::Shape, panelShape, Receiver::Shape, onBoardShape,
        Outcome::Move, QRect(onBoardShape.topLeft() + at, preview));
    add("small shape on a panel shape stays small", Family::Shape, panelShape, Receiver::Shape, inPanelShape,
        Outcome::Move, QRect(inPanelShape.topLeft() + at, panelShape.size()));
    add("small shape on a tile stays small", Family::Shape, panelShape, Receiver::Tile,
        QRect(500, 500, 240, 465), Outcome::Move, QRect(QPoint(500, 500) + at, panelShape.size()));
    add("bin", Family::Symbol, symbol, Receiver::Bin, QRect(), Outcome::GoHome, symbol);
    add("background", Family::Shape, boardShape, Receiver::Background, QRect(), Outcome::GoHome, boardShape);
    add("enlarged shape stays in place", Family::Shape, boardShape, Receiver::Enlarge, QRect(), Outcome::Move,
        QRect(boardShape.topLeft(), QSize(2625, 1460)));
    add("shrunk shape stays in place", Family::Shape, boardShape, Receiver::Shrink, QRect(), Outcome::Move,
        QRect(boardShape.topLeft(), QSize(1575, 821)));
    add("tile on a magnifier", Family::Tile, tile, Receiver::Enlarge, QRect(), Outcome::Stay, tile);
    add("symbol on a magnifier", Family::Symbol, symbol, Receiver::Shrink, QRect(), Outcome::Stay, symbol);
    add("a control outside the table", Family::Shape, boardShape, Receiver::Nothing, QRect(), Outcome::Stay,
        boardShape);
}

void TestBoardRules::dropTable() {
    QFETCH(Family, family);
    QFETCH(QRect, piece);
    QFETCH(Receiver, on);
    QFETCH(QRect, receiver);
    QFETCH(Outcome, outcome);
    QFETCH(QRect, expected);
    const DropResult r = dropPiece(
        family, piece,
        {.on = on, .receiver = receiver, .dropAt = {900, 600}, .grab = {30, 45}, .preview = {2100, 1095}});
    QCOMPARE(r.outcome, outcome);
    QCOMPARE(r.rect, expected);
}

// Enlarging and shrinking are not inverses: the width does not come back.
void TestBoardRules::enlargeAndShrink_data() {
    QTest::addColumn<QString>("steps"); // e enlarge, s shrink
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("enlarge") << "e" << QSize(2100, 1095) << QSize(2625, 1460);
    QTest::newRow("enlarge then shrink") << "es" << QSize(2100, 1095) << QSize(1969, 1095);
    QTest::newRow("shrink stops where a hand can still take it")
        << "sss" << QSize(600, 315) << QSize(300, 300);
    QTest::newRow("a piece already that small keeps its size") << "s" << QSize(250, 300) << QSize(250, 300);
    QTest::newRow("enlarge stops at the board") << "eeeeeeee" << QSize(2100, 1095) << kBoard.size();
}

void TestBoardRules::enlargeAndShrink() {
    QFETCH(QString, steps);
    QFETCH(QSize, from);
    QFETCH(QSize, expected);
    for (QChar c : steps)
        from = c == u'e' ? enlarged(from) : shrunk(from);
    QCOMPARE(from, expected);
}

void TestBoardRules::doubleClicks_data() {
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digit on the board") << 24 << "4" << 3000 << "14";
    QTest::newRow("counted digit") << 24 << "54" << 3000 << "64";
    QTest::newRow("ninety wraps") << 3 << "93" << 1001 << "3";
    QTest::newRow("digit in the top row") << 4 << "4" << 60 << "4";
    QTest::newRow("at 1000 still the top row") << 4 << "4" << 1000 << "4";
    QTest::newRow("tile 0 on the board") << 0 << "0" << 3000 << "0";
    QTest::newRow("tile 10 on the board") << 10 << "0" << 3000 << "10";
    QTest::newRow("asterisk") << 92 << "*" << 3000 << "*";
    QTest::newRow("compact small frame") << 106 << compactSmallFrame() << 60 << " {    ،    } ";
    QTest::newRow("small 2 to 3") << 115 << rosterFrame(2) << 3000 << " {    ،    ،    } ";
    QTest::newRow("small 3 to 4") << 106 << rosterFrame(3) << 3000 << rosterFrame(4);
    QTest::newRow("small 4 to empty") << 106 << rosterFrame(4) << 3000 << " {    } ";
    QTest::newRow("small empty to 2") << 106 << emptyFrame() << 3000 << rosterFrame(2);
    QTest::newRow("compact large frame") << 116 << compactLargeFrame() << 3000 << rosterFrame(4);
    QTest::newRow("large 7 to 8") << 125 << rosterFrame(7) << 3000 << rosterFrame(8);
    QTest::newRow("large 8 to 4") << 116 << rosterFrame(8) << 3000 << rosterFrame(4);
    QTest::newRow("large frame with a small caption") << 116 << rosterFrame(3) << 3000 << rosterFrame(4);
}

void TestBoardRules::doubleClicks() {
    QFETCH(int, tile);
    QFETCH(QString, caption);
    QFETCH(int, top);
    QFETCH(QString, expected);
    QCOMPARE(captionAfterDoubleClick(tile, caption, top), expected);
}

void TestBoardRules::whatADragCarries_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("isAPiece");
    QTest::newRow("tile") << encodePiece({Family::Tile, 125}) << true;
    QTest::newRow("symbol") << encodePiece({Family::Symbol, 0}) << true;
    QTest::newRow("shape") << encodePiece({Family::Shape, 108}) << true;
    QTest::newRow("the preview") << encodePiece({Family::Shape, 0}) << false;
    QTest::newRow("past the last tile") << encodePiece({Family::Tile, 126}) << false;
    QTest::newRow("past the last symbol") << encodePiece({Family::Symbol, 347}) << false;
    QTest::newRow("negative") << QByteArray("Label1 -1") << false;
    QTest::newRow("another control") << QByteArray("Text1 0") << false;
    QTest::newRow("text") << QByteArray("hello") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestBoardRules::whatADragCarries() {
    QFETCH(QByteArray, data);
    QFETCH(bool, isAPiece);
    const std::optional<PieceId> id = decodePiece(data);
    QCOMPARE(id.has_value(), isAPiece);
    if (id)
        QCOMPARE(encodePiece(*id), data);
}

// Every stack shows a picture of its own that the program carries, in stacks as
// deep as the panel holds them.
void TestBoardRules::catalogue() {
    for (auto [stacks, most, family, first] : {std::tuple{symbolStacks(), 42, Family::Symbol, 0},
                                               std::tuple{shapeStacks(), 10, Family::Shape, kFirstShape}}) {
        QSet<QString> pictures;
        QSet<QPair<int, int>> cells;
        int index = first;
        for (const Stack& s : stacks) {
            QVERIFY2(sd::assets::exists(QString::fromLatin1(s.picture)), s.picture);
            QVERIFY(s.count >= (family == Family::Symbol ? 2 : 1) && s.count <= most);
            pictures.insert(QString::fromLatin1(s.picture));
            cells.insert({s.column, s.row});
            for (int k = 0; k < s.count; ++k, ++index)
                QCOMPARE(QString::fromLatin1(pictureOf(family, index)), QString::fromLatin1(s.picture));
        }
        QCOMPARE(std::size_t(pictures.size()), stacks.size());
        QCOMPARE(std::size_t(cells.size()), stacks.size());
    }
    QCOMPARE(symbolStacks().size(), std::size_t(64));
    QCOMPARE(shapeStacks().size(), std::size_t(42));
}

QTEST_GUILESS_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
