#include "board/board_rules.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cmath>

namespace sd::board {

namespace {

// ---- The catalogue: which picture each stack shows, how deep it is, where it stands ----

// Grid cells are counted from the reading start: column 0 is the right end.
constexpr std::array<Stack, 64> kSymbolStacks{{
    // Eastern Arabic digits in three styles: chalk, on a blue tile, on an orange ball.
    {"board_digit_chalk_0", 4, 0, 0},
    {"board_digit_chalk_1", 4, 1, 0},
    {"board_digit_chalk_2", 4, 2, 0},
    {"board_digit_chalk_3", 4, 3, 0},
    {"board_digit_chalk_4", 4, 4, 0},
    {"board_digit_chalk_5", 4, 5, 0},
    {"board_digit_chalk_6", 4, 6, 0},
    {"board_digit_chalk_7", 4, 7, 0},
    {"board_digit_chalk_8", 4, 8, 0},
    {"board_digit_chalk_9", 4, 9, 0},
    {"board_digit_tile_0", 4, 0, 1},
    {"board_digit_tile_1", 4, 1, 1},
    {"board_digit_tile_2", 4, 2, 1},
    {"board_digit_tile_3", 4, 3, 1},
    {"board_digit_tile_4", 4, 4, 1},
    {"board_digit_tile_5", 4, 5, 1},
    {"board_digit_tile_6", 4, 6, 1},
    {"board_digit_tile_7", 4, 7, 1},
    {"board_digit_tile_8", 4, 8, 1},
    {"board_digit_tile_9", 4, 9, 1},
    {"board_digit_ball_0", 4, 0, 2},
    {"board_digit_ball_1", 4, 1, 2},
    {"board_digit_ball_2", 4, 2, 2},
    {"board_digit_ball_3", 4, 3, 2},
    {"board_digit_ball_4", 4, 4, 2},
    {"board_digit_ball_5", 4, 5, 2},
    {"board_digit_ball_6", 4, 6, 2},
    {"board_digit_ball_7", 4, 7, 2},
    {"board_digit_ball_8", 4, 8, 2},
    {"board_digit_ball_9", 4, 9, 2},
    // Letters that name elements.
    {"board_letter_alef", 2, 0, 3},
    {"board_letter_beh", 2, 1, 3},
    {"board_letter_jeem", 2, 2, 3},
    {"board_letter_dal", 2, 3, 3},
    {"board_letter_heh", 2, 4, 3},
    {"board_letter_waw", 2, 5, 3},
    {"board_letter_zain", 2, 6, 3},
    {"board_letter_hah", 2, 7, 3},
    {"board_letter_tah", 2, 8, 3},
    {"board_letter_yeh", 2, 9, 3},
    {"board_letter_kaf", 2, 0, 4},
    {"board_letter_lam", 2, 1, 4},
    {"board_letter_meem", 2, 2, 4},
    // Letters that name sets, alone and in groups.
    {"board_set_seen", 6, 3, 4},
    {"board_set_sad", 6, 4, 4},
    {"board_set_ain", 6, 5, 4},
    {"board_sets_seen_sad", 2, 6, 4},
    {"board_sets_sad_ain", 2, 7, 4},
    {"board_sets_seen_ain", 2, 8, 4},
    {"board_sets_all", 2, 9, 4},
    // Set notation, read right to left.
    {"board_brace_open", 20, 0, 5},
    {"board_brace_close", 20, 1, 5},
    {"board_comma", 42, 2, 5},
    {"board_colon", 6, 3, 5},
    {"board_equals", 10, 4, 5},
    {"board_prime", 6, 5, 5},
    {"board_minus", 8, 6, 5},
    {"board_empty_set", 6, 7, 5},
    {"board_intersection", 8, 8, 5},
    {"board_union", 8, 9, 5},
    {"board_in", 11, 0, 6},
    {"board_not_in", 10, 1, 6},
    {"board_subset", 10, 2, 6},
    {"board_not_subset", 10, 3, 6},
}};

// Venn shapes in rows 0 to 4, cards in rows 5 to 8.
constexpr std::array<Stack, 42> kShapeStacks{{
    {"board_ellipse", 10, 0, 0},
    {"board_ellipse_hatched", 2, 1, 0},
    {"board_ellipse_filled", 2, 2, 0},
    {"board_circle", 8, 3, 0},
    {"board_circle_hatched", 2, 4, 0},
    {"board_circle_filled", 2, 0, 1},
    {"board_triangle", 2, 1, 1},
    {"board_triangle_hatched", 2, 2, 1},
    {"board_triangle_filled", 2, 3, 1},
    {"board_rectangle", 2, 4, 1},
    {"board_rectangle_hatched", 2, 0, 2},
    {"board_rectangle_filled", 2, 1, 2},
    {"board_venn_two_ellipses", 6, 2, 2},
    {"board_venn_two_circles", 4, 3, 2},
    {"board_venn_three_circles", 2, 4, 2},
    {"board_venn_universe_two", 2, 0, 3},
    {"board_venn_intersection", 2, 1, 3},
    {"board_venn_union", 2, 2, 3},
    {"board_venn_difference", 2, 3, 3},
    {"board_venn_subset", 2, 4, 3},
    {"board_venn_disjoint", 2, 0, 4},
    {"board_venn_universe_three", 2, 1, 4},
    {"board_card_seen_and_sad", 2, 0, 5},
    {"board_card_seen_or_sad", 2, 1, 5},
    {"board_card_seen_minus_sad", 2, 2, 5},
    {"board_card_sad_minus_seen", 2, 3, 5},
    {"board_card_seen_complement", 2, 4, 5},
    {"board_card_sad_complement", 2, 0, 6},
    {"board_card_seen_and_ain", 2, 1, 6},
    {"board_card_sad_and_ain", 2, 2, 6},
    {"board_card_seen_or_ain", 2, 3, 6},
    {"board_card_sad_or_ain", 2, 4, 6},
    {"board_card_all_and", 2, 0, 7},
    {"board_card_all_or", 2, 1, 7},
    {"board_card_and_complement", 2, 2, 7},
    {"board_card_or_complement", 2, 3, 7},
    {"board_card_ain_minus_seen", 2, 4, 7},
    {"board_card_seen_minus_ain", 2, 0, 8},
    {"board_card_ain_minus_sad", 2, 1, 8},
    {"board_card_ain_complement", 2, 2, 8},
    {"board_card_blank", 4, 3, 8},
    {"board_card_blank_framed", 4, 4, 8},
}};

constexpr int sum(std::span<const Stack> stacks) {
    int n = 0;
    for (const Stack& s : stacks)
        n += s.count;
    return n;
}
static_assert(sum(kSymbolStacks) == kSymbols, "every symbol index belongs to one stack");
static_assert(sum(kShapeStacks) == kShapes, "every shape index belongs to one stack");

// The panel's grids. The right edge of each grid is the reading start.
constexpr int kGridRight = 11805; // inside the panels' white borders

constexpr int kSymbolSide = 285;
constexpr int kSymbolPitchX = 324;
constexpr int kSymbolPitchY = 345;
constexpr int kSymbolTop = 1830;

constexpr int kShapeWidth = 600; // under 1000, so a shape grows on the board
constexpr int kShapeHeight = 315;
constexpr int kShapePitchX = 648;
constexpr int kShapePitchY = 390;
constexpr int kShapeTop = 4320;
constexpr int kFirstCardRow = 5;
constexpr int kCardTop = 6330;

constexpr int kDigitRowTop = 60; // above 1000: the row's tiles never count up
constexpr int kDigitRight = 11745;
constexpr int kDigitPitch = 315;

// The stack holding index i of a family's stacks, counting from first.
const Stack& stackOf(std::span<const Stack> stacks, int first, int index) {
    int next = first;
    for (const Stack& s : stacks) {
        next += s.count;
        if (index < next)
            return s;
    }
    return stacks.back();
}

int cellLeft(int column, int pitch, int width) {
    return kGridRight - column * pitch - (pitch + width) / 2;
}

int pieceValue(const QString& caption) {
    // The caption read as a whole number, as the board always writes them.
    bool ok = false;
    const int v = caption.trimmed().toInt(&ok);
    return ok ? v : 0;
}

// Frames with places for 2, 3, 4 elements and the empty frame, in turn.
QList<QString> smallCycle() {
    return {rosterFrame(2), rosterFrame(3), rosterFrame(4), emptyFrame()};
}
QList<QString> largeCycle() {
    return {rosterFrame(4), rosterFrame(5), rosterFrame(6), rosterFrame(7), rosterFrame(8)};
}

QString nextIn(const QList<QString>& cycle, const QString& caption) {
    const qsizetype at = cycle.indexOf(caption);
    return at < 0 ? cycle.front() : cycle.at((at + 1) % cycle.size());
}

QRect withSize(const QRect& r, QSize size) {
    return QRect(r.topLeft(), size);
}

} // namespace

const char* arrayOf(Family family) {
    switch (family) {
    case Family::Tile:
        return "Label1";
    case Family::Symbol:
        return "Image3";
    case Family::Shape:
        break;
    }
    return "Image4";
}

TileKind tileKind(int tile) {
    if (tile < kFirstAsterisk)
        return TileKind::Digit;
    if (tile < kFirstSmallFrame)
        return TileKind::Asterisk;
    if (tile < kFirstLargeFrame)
        return TileKind::SmallFrame;
    return TileKind::LargeFrame;
}

bool isFrame(int tile) {
    return tileKind(tile) == TileKind::SmallFrame || tileKind(tile) == TileKind::LargeFrame;
}

std::span<const Stack> symbolStacks() {
    return kSymbolStacks;
}
std::span<const Stack> shapeStacks() {
    return kShapeStacks;
}

const char* pictureOf(Family family, int index) {
    if (!isPiece({family, index}) || family == Family::Tile)
        return "";
    const Stack& s = family == Family::Symbol ? stackOf(kSymbolStacks, 0, index)
                                              : stackOf(kShapeStacks, kFirstShape, index);
    return s.picture;
}

QRect panelPlace(Family family, int index) {
    if (family == Family::Symbol) {
        const Stack& s = stackOf(kSymbolStacks, 0, index);
        return {cellLeft(s.column, kSymbolPitchX, kSymbolSide), kSymbolTop + s.row * kSymbolPitchY,
                kSymbolSide, kSymbolSide};
    }
    if (family == Family::Shape) {
        const Stack& s = stackOf(kShapeStacks, kFirstShape, index);
        const int top = s.row < kFirstCardRow ? kShapeTop + s.row * kShapePitchY
                                              : kCardTop + (s.row - kFirstCardRow) * kShapePitchY;
        return {cellLeft(s.column, kShapePitchX, kShapeWidth), top, kShapeWidth, kShapeHeight};
    }
    const QPoint p = tilePlace(index);
    return {p, QSize()};
}

QPoint tilePlace(int tile) {
    switch (tileKind(tile)) {
    case TileKind::Digit:
        return {kDigitRight - (tile % 10 + 1) * kDigitPitch + 90, kDigitRowTop};
    case TileKind::Asterisk:
        return {11535, 660};
    case TileKind::SmallFrame:
        return {10710, 660};
    case TileKind::LargeFrame:
        break;
    }
    return {10710, 1170};
}

// ---- Captions ----

QString compactSmallFrame() {
    return QStringLiteral("{ ، }");
}
QString compactLargeFrame() {
    return QStringLiteral("{ ، ، ، }");
}
QString emptyFrame() {
    return QStringLiteral(" {    } ");
}

QString rosterFrame(int places) {
    QString s = QStringLiteral(" {");
    for (int i = 1; i < places; ++i)
        s += QStringLiteral("    ،");
    return s + QStringLiteral("    } ");
}

QString homeCaption(int tile) {
    switch (tileKind(tile)) {
    case TileKind::Digit:
        return QString::number(tile % 10);
    case TileKind::Asterisk:
        return QStringLiteral("*");
    case TileKind::SmallFrame:
        return compactSmallFrame();
    case TileKind::LargeFrame:
        break;
    }
    return compactLargeFrame();
}

QString captionAfterDoubleClick(int tile, const QString& caption, int top) {
    switch (tileKind(tile)) {
    case TileKind::SmallFrame:
        return nextIn(smallCycle(), caption);
    case TileKind::LargeFrame:
        return nextIn(largeCycle(), caption);
    case TileKind::Digit:
        // Only tiles laid on the board count up by tens; the panel's row and
        // tile 0 stay as they are.
        if (tile >= 1 && top > 1000)
            return QString::number((pieceValue(caption) + 10) % 100);
        return caption;
    case TileKind::Asterisk:
        break;
    }
    return caption;
}

// ---- Drops ----

QSize enlarged(QSize size) {
    const auto grow = [](int side, double factor, int limit) {
        return std::min(static_cast<int>(std::lround(side * factor)), std::max(side, limit));
    };
    return {grow(size.width(), 5.0 / 4.0, kBoard.width()), grow(size.height(), 4.0 / 3.0, kBoard.height())};
}

QSize shrunk(QSize size) {
    const auto shrink = [](int side) {
        return std::max(static_cast<int>(std::lround(side * 3.0 / 4.0)), std::min(side, kSmallestSide));
    };
    return {shrink(size.width()), shrink(size.height())};
}

DropResult dropPiece(Family family, const QRect& piece, const Drop& drop) {
    const bool shape = family == Family::Shape;
    switch (drop.on) {
    case Receiver::Background:
    case Receiver::Bin:
        return {Outcome::GoHome, piece};
    case Receiver::Enlarge:
        return shape ? DropResult{Outcome::Move, withSize(piece, enlarged(piece.size()))}
                     : DropResult{Outcome::Stay, piece};
    case Receiver::Shrink:
        return shape ? DropResult{Outcome::Move, withSize(piece, shrunk(piece.size()))}
                     : DropResult{Outcome::Stay, piece};
    case Receiver::Nothing:
        return {Outcome::Stay, piece};
    case Receiver::Board:
    case Receiver::Symbol:
    case Receiver::Shape:
    case Receiver::Tile:
        break;
    }
    // The piece keeps under the pointer the point at which it was taken.
    const QPoint topLeft = drop.receiver.topLeft() + drop.dropAt - drop.grab;
    QRect placed(topLeft, piece.size());
    if (shape) {
        const bool small = piece.width() < 1000;
        const bool grows = (drop.on == Receiver::Board && small) || drop.on == Receiver::Symbol ||
                           (drop.on == Receiver::Shape && drop.receiver.left() < 8500 && small);
        if (grows)
            placed.setSize(drop.preview);
    }
    return {Outcome::Move, placed};
}

// ---- What a drag carries ----

QByteArray encodePiece(PieceId piece) {
    return QByteArray(arrayOf(piece.family)) + ' ' + QByteArray::number(piece.index);
}

std::optional<PieceId> decodePiece(const QByteArray& data) {
    const QList<QByteArray> parts = data.split(' ');
    if (parts.size() != 2)
        return std::nullopt;
    bool ok = false;
    const int index = parts[1].toInt(&ok);
    if (!ok)
        return std::nullopt;
    for (Family f : {Family::Tile, Family::Symbol, Family::Shape})
        if (parts[0] == arrayOf(f) && isPiece({f, index}))
            return PieceId{f, index};
    return std::nullopt;
}

bool isPiece(PieceId piece) {
    switch (piece.family) {
    case Family::Tile:
        return piece.index >= 0 && piece.index < kTiles;
    case Family::Symbol:
        return piece.index >= 0 && piece.index < kSymbols;
    case Family::Shape:
        break;
    }
    return piece.index >= kFirstShape && piece.index < kFirstShape + kShapes;
}

// ---- Undo ----

std::vector<PieceChange> changesBetween(std::span<const PieceAt> before, std::span<const PieceAt> after) {
    std::vector<PieceChange> changes;
    const std::size_t n = std::min(before.size(), after.size());
    for (std::size_t i = 0; i < n; ++i)
        if (before[i].piece == after[i].piece && !(before[i].state == after[i].state))
            changes.push_back({before[i].piece, before[i].state, after[i].state});
    return changes;
}

Step stepOfDrop(Receiver on) {
    switch (on) {
    case Receiver::Background:
    case Receiver::Bin:
        return Step::GoHome;
    case Receiver::Enlarge:
        return Step::Enlarge;
    case Receiver::Shrink:
        return Step::Shrink;
    case Receiver::Board:
    case Receiver::Symbol:
    case Receiver::Shape:
    case Receiver::Tile:
    case Receiver::Nothing:
        break;
    }
    return Step::Move;
}

QString stepName(Step step) {
    switch (step) {
    case Step::Move:
        return QStringLiteral("نقل القطعة");
    case Step::GoHome:
        return QStringLiteral("إرجاع القطعة");
    case Step::Enlarge:
        return QStringLiteral("تكبير الشكل");
    case Step::Shrink:
        return QStringLiteral("تصغير الشكل");
    case Step::Change:
        return QStringLiteral("تغيير القطعة");
    case Step::Clear:
        break;
    }
    return QStringLiteral("مسح السبورة");
}

} // namespace sd::board
