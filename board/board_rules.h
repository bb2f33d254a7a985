#pragma once
// The blackboard's rules, free of widgets: the pieces and where their stacks
// stand in the tool panel, what a dropped piece does on each kind of receiver,
// enlarging and shrinking, the tiles' double-click cycles and their home captions.
// Geometry is in twips.

#include <QByteArray>
#include <QRect>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace sd::board {

// ---- The pieces ----

// Digit tiles and frames are labels (Label1), symbols small pictures (Image3),
// shapes and cards larger pictures (Image4) that grow when laid on the board.
enum class Family { Tile, Symbol, Shape };

struct PieceId {
    Family family = Family::Tile;
    int index = 0;
    bool operator==(const PieceId&) const = default;
};

// The control array of each family.
const char* arrayOf(Family family);

// Tiles: Label1(0..91) digits (tile i shows i mod 10), 92..105 asterisks,
// 106..115 small roster frames, 116..125 large roster frames.
inline constexpr int kDigitTiles = 92;
inline constexpr int kFirstAsterisk = 92;
inline constexpr int kFirstSmallFrame = 106;
inline constexpr int kFirstLargeFrame = 116;
inline constexpr int kTiles = 126;

enum class TileKind { Digit, Asterisk, SmallFrame, LargeFrame };
TileKind tileKind(int tile);
bool isFrame(int tile);

// One stack of identical pictures in the panel: its picture, how many pieces
// it holds and the cell of the panel's grid it stands in.
struct Stack {
    const char* picture;
    int count;
    int column;
    int row;
};

// Symbols are Image3(0..346), stack after stack in this order; shapes and cards
// are Image4(1..108) the same way (Image4(0) is the preview).
std::span<const Stack> symbolStacks();
std::span<const Stack> shapeStacks();
inline constexpr int kSymbols = 347;
inline constexpr int kFirstShape = 1;
inline constexpr int kShapes = 108; // Image4(1..108)

// The picture of a symbol or shape index ("" for none), and its stored place and
// size in the panel.
const char* pictureOf(Family family, int index);
QRect panelPlace(Family family, int index);
// The stored place of a tile: digits in a row at the top of the panel, tile i
// on tile i mod 10; asterisks and frames in their own stacks.
QPoint tilePlace(int tile);

// ---- Fixed controls ----

inline constexpr QRect kBoard{60, 120, 8415, 8355};     // Image1
inline constexpr QRect kPreview{8520, 600, 2100, 1095}; // Image4(0)
inline constexpr QRect kCurtain{8520, 0, 3330, 8325};   // Image2

// ---- Captions ----

QString compactSmallFrame(); // "{ ، }"
QString compactLargeFrame(); // "{ ، ، ، }"
QString emptyFrame();        // " {    } "
// A roster frame with places for n elements (2 to 8).
QString rosterFrame(int places);

// The caption a tile has in the panel and gets back when it goes home.
QString homeCaption(int tile);

// The caption after a double click on a tile standing at top (twips).
QString captionAfterDoubleClick(int tile, const QString& caption, int top);

// ---- Drops ----

// What received the drop.
enum class Receiver { Board, Symbol, Shape, Tile, Background, Bin, Enlarge, Shrink, Nothing };

// Where a piece dropped on the board stands, and its size. dropAt is the pointer
// relative to the receiver, grab the point of the piece taken at the press.
struct Drop {
    Receiver on = Receiver::Nothing;
    QRect receiver;  // the receiving control's place
    QPoint dropAt;   // pointer in the receiver
    QPoint grab;     // pointer in the piece when it was pressed
    QSize preview{}; // the preview's current size
};

enum class Outcome { Stay, Move, GoHome };

struct DropResult {
    Outcome outcome = Outcome::Stay;
    QRect rect; // the piece's new place and size when it moves or changes size
};

DropResult dropPiece(Family family, const QRect& piece, const Drop& drop);

// A piece never grows beyond the board, nor shrinks below what a hand can pick up.
inline constexpr int kSmallestSide = 300;
QSize enlarged(QSize size);
QSize shrunk(QSize size);

// ---- What a drag carries ----

// The piece travels in mime data of the program's own type; anything else
// dropped on the board (text, files from other programs) is not a piece.
inline constexpr const char* kPieceMimeType = "application/x-setsdrill-board-piece";
QByteArray encodePiece(PieceId piece);
std::optional<PieceId> decodePiece(const QByteArray& data);
// Whether the index names a piece of its family (the preview is no piece).
bool isPiece(PieceId piece);

// ---- Undo ----

// What a teacher's step can change of a piece: its place and size, and a
// tile's caption (empty for pictures).
struct PieceState {
    QRect place;
    QString caption;
    bool operator==(const PieceState&) const = default;
};
struct PieceAt {
    PieceId piece;
    PieceState state;
};
struct PieceChange {
    PieceId piece;
    PieceState before;
    PieceState after;
};
// The pieces a step changed, from every piece before and after it (the same
// pieces in the same order), in that order.
std::vector<PieceChange> changesBetween(std::span<const PieceAt> before, std::span<const PieceAt> after);

// The steps that can be undone, and how the Edit menu names them.
enum class Step { Move, GoHome, Enlarge, Shrink, Change, Clear };
Step stepOfDrop(Receiver on);
QString stepName(Step step);

} // namespace sd::board
