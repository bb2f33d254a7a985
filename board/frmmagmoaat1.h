#pragma once
// The teacher's blackboard: a board on an easel and a curtained tool panel of
// stacked pieces (digit tiles, roster frames, symbols, Venn shapes and cards).
// Pieces are dragged onto the board with the platform's drag and drop, enlarged
// and shrunk on two magnifiers, thrown into the bin, and the board is cleared.
// Every step the teacher takes can be undone and redone while the board is open.

#include "app/screen.h"
#include "board/board_rules.h"

#include <array>
#include <vector>

class QDropEvent;
class QMimeData;
class QUndoStack;

namespace sd {

const ScreenLayout& frmmagmoaat1Layout();

class frmmagmoaat1 : public Screen {
    Q_OBJECT
public:
    explicit frmmagmoaat1(Navigator* navigator);
    ~frmmagmoaat1() override;
    static const ScreenLayout& storedLayout() { return frmmagmoaat1Layout(); }

    // What a drag of the piece carries: the piece in the program's own mime type.
    static QMimeData* pieceMimeData(board::PieceId piece);

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Label1_MouseDown(int index, Qt::MouseButton button, QPoint at);
    void Image3_MouseDown(int index, Qt::MouseButton button, QPoint at);
    void Image4_MouseDown(int index, Qt::MouseButton button, QPoint at);
    void Image4_MouseMove(int index);
    void Label1_DblClick(int index);
    void Image3_DblClick(int index);
    void Command1_Click();
    void Command2_Click();
    void Command6_Click();
    void ClearBoard();

    // Private steps, in the board's own words.
    void PickUp(board::PieceId piece, Qt::MouseButton button, QPoint at);
    void DragDrop(board::Receiver on, const Control* receiver, board::PieceId piece, QPoint at);
    void PlacePiece(board::Receiver on, const Control* receiver, board::PieceId piece, QPoint at);
    void SendHome(board::PieceId piece);
    void RecordHomes();
    void BringToFront(QWidget* piece);

    // Undo: the Edit menu, every piece's state, and a step recorded as the
    // pieces it changed.
    void AddEditMenu();
    std::vector<board::PieceAt> Pieces() const;
    void Restore(board::PieceId piece, const board::PieceState& state);
    template <class Fn> void AsStep(board::Step step, Fn act);

    // Drag and drop plumbing: which controls take a piece and as what.
    void AcceptDrops();
    void AcceptPieces(Control* c, board::Receiver as);
    bool TakeDragEvent(QWidget* target, QDropEvent* e);
    void StartDrag(QWidget* piece);

    Control* piece(board::PieceId id) const;
    class Label* tile(int index) const;

    // The last press on a piece: which piece, and the point of it under the pointer.
    struct Pressed {
        bool valid = false;
        bool armed = false; // a drag may still start from this press
        board::PieceId piece;
        QPoint grab;    // twips, in the piece
        QPoint pressPx; // pixels, in the piece, where a drag may start from
    } pressed_;

    struct Target {
        board::Receiver as = board::Receiver::Nothing;
        Control* control = nullptr; // none for the screen's background
    };
    QHash<QWidget*, Target> targets_;
    QHash<QWidget*, board::PieceId> pieces_;

    // Home places, recorded at load: left and top of tiles and symbols, the
    // whole place and size of shapes and cards.
    std::array<std::vector<QRect>, 3> home_;

    // The steps taken since the board was opened.
    QUndoStack* history_ = nullptr;
};

} // namespace sd
