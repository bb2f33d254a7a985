#include "board/frmmagmoaat1.h"

#include "app/twips.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUndoStack>

#include <functional>

namespace sd {

using board::Family;
using board::PieceId;
using board::PieceState;
using board::Receiver;
using board::Step;

namespace {

// The toggle says what it will do next.
constexpr const char* kWhenOpen = "اخفاء الادوات ";
constexpr const char* kWhenClosed = "اظهار الادوات ";

std::size_t slot(Family f) {
    return static_cast<std::size_t>(f);
}

// One step on the board, kept as the pieces it changed: undoing it gives each
// its state before, redoing it the state after.
class BoardStep : public QUndoCommand {
public:
    using Apply = std::function<void(PieceId, const PieceState&)>;
    BoardStep(Step step, std::vector<board::PieceChange> changes, Apply apply)
        : QUndoCommand(board::stepName(step)), changes_(std::move(changes)), apply_(std::move(apply)) {}
    void undo() override {
        for (auto c = changes_.rbegin(); c != changes_.rend(); ++c)
            apply_(c->piece, c->before);
    }
    void redo() override {
        for (const board::PieceChange& c : changes_)
            apply_(c.piece, c.after);
    }

private:
    std::vector<board::PieceChange> changes_;
    Apply apply_;
};

} // namespace

frmmagmoaat1::frmmagmoaat1(Navigator* navigator) : Screen(frmmagmoaat1Layout(), navigator) {
    onArray<Label>("Label1", &Label::mouseDown,
                   [this](int i, Qt::MouseButton b, QPoint at) { Label1_MouseDown(i, b, at); });
    onArray<Image>("Image3", &Image::mouseDown,
                   [this](int i, Qt::MouseButton b, QPoint at) { Image3_MouseDown(i, b, at); });
    onArray<Image>("Image4", &Image::mouseDown,
                   [this](int i, Qt::MouseButton b, QPoint at) { Image4_MouseDown(i, b, at); });
    onArray<Label>("Label1", &Label::doubleClicked, [this](int i) { Label1_DblClick(i); });
    onArray<Image>("Image3", &Image::doubleClicked, [this](int i) { Image3_DblClick(i); });
    on<CommandButton>("Command1", &QAbstractButton::clicked, [this] { Command1_Click(); });
    on<CommandButton>("Command2", &QAbstractButton::clicked, [this] { Command2_Click(); });
    on<CommandButton>("Command6", &QAbstractButton::clicked, [this] { Command6_Click(); });

    AcceptDrops();
    AddEditMenu();
    // The curtain's picture covers it whole: what lies under it need not be
    // painted while it hangs there.
    control(QStringLiteral("Image2"))->widget()->setAttribute(Qt::WA_OpaquePaintEvent);
}

QMimeData* frmmagmoaat1::pieceMimeData(PieceId piece) {
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(board::kPieceMimeType), board::encodePiece(piece));
    return mime;
}

Control* frmmagmoaat1::piece(PieceId id) const {
    return control(QString::fromLatin1(board::arrayOf(id.family)), id.index);
}

Label* frmmagmoaat1::tile(int index) const {
    return get<Label>(QStringLiteral("Label1"), index);
}

// ---- Load ----

void frmmagmoaat1::Form_Load() {
    const int top = tile(0)->top();
    for (int i = 0; i < 10; ++i) {
        tile(i)->setTop(top);
        tile(i)->setCaption(QString::number(i));
    }
    for (int i = 10; i < board::kDigitTiles; ++i)
        tile(i)->setTwips(QRect(tile(i % 10)->twips().topLeft(), tile(i)->twips().size()));
    RecordHomes();
    for (int i = 0; i < board::kTiles; ++i)
        if (board::tileKind(i) != board::TileKind::Asterisk)
            tile(i)->setCaption(board::homeCaption(i));
}

void frmmagmoaat1::RecordHomes() {
    for (Family f : {Family::Tile, Family::Symbol, Family::Shape}) {
        const QString array = QString::fromLatin1(board::arrayOf(f));
        std::vector<QRect>& homes = home_[slot(f)];
        homes.assign(static_cast<std::size_t>(indexes(array).last() + 1), QRect());
        for (int i : indexes(array))
            homes[static_cast<std::size_t>(i)] = control(array, i)->twips();
    }
}

// ---- Picking up ----

void frmmagmoaat1::PickUp(PieceId id, Qt::MouseButton button, QPoint at) {
    if (button != Qt::LeftButton)
        return;
    // Taking a piece leaves the title box, so that Ctrl+Z undoes the board's
    // steps rather than the typing in the box.
    if (qobject_cast<QLineEdit*>(focusWidget()))
        focusWidget()->clearFocus();
    pressed_ = {true, true, id, at, QPoint(scale().toPx(at.x()), scale().toPx(at.y()))};
}

void frmmagmoaat1::Label1_MouseDown(int index, Qt::MouseButton button, QPoint at) {
    PickUp({Family::Tile, index}, button, at);
}

void frmmagmoaat1::Image3_MouseDown(int index, Qt::MouseButton button, QPoint at) {
    PickUp({Family::Symbol, index}, button, at);
    BringToFront(control(QStringLiteral("Image3"), index)->widget());
}

void frmmagmoaat1::Image4_MouseDown(int index, Qt::MouseButton button, QPoint at) {
    // The preview is no piece.
    if (index != 0)
        PickUp({Family::Shape, index}, button, at);
}

void frmmagmoaat1::Image4_MouseMove(int index) {
    auto* preview = get<Image>(QStringLiteral("Image4"), 0);
    preview->setPicture(get<Image>(QStringLiteral("Image4"), index)->picture());
    preview->setVisible(true);
}

// In front of every other piece and still under the curtain, the last drawn
// control; the boxes and buttons stand above both by the screen model's rule.
void frmmagmoaat1::BringToFront(QWidget* w) {
    w->stackUnder(control(QStringLiteral("Image2"))->widget());
}

// ---- Dropping ----

void frmmagmoaat1::DragDrop(Receiver on, const Control* receiver, PieceId id, QPoint at) {
    AsStep(board::stepOfDrop(on), [&] { PlacePiece(on, receiver, id, at); });
}

void frmmagmoaat1::PlacePiece(Receiver on, const Control* receiver, PieceId id, QPoint at) {
    Control* c = piece(id);
    const auto* preview = control(QStringLiteral("Image4"), 0);
    // The grab offset is the last press's, when that press took this piece.
    const QPoint grab = pressed_.valid && pressed_.piece == id ? pressed_.grab : QPoint();
    const board::Drop drop{.on = on,
                           .receiver = receiver ? receiver->twips() : QRect(),
                           .dropAt = at,
                           .grab = grab,
                           .preview = preview->twips().size()};
    const QRect place = id.family == Family::Shape ? c->twips() : QRect(c->twips().topLeft(), QSize());
    const board::DropResult result = board::dropPiece(id.family, place, drop);
    switch (result.outcome) {
    case board::Outcome::GoHome:
        SendHome(id);
        break;
    case board::Outcome::Move:
        c->setTwips(id.family == Family::Shape ? result.rect
                                               : QRect(result.rect.topLeft(), c->twips().size()));
        break;
    case board::Outcome::Stay:
        break;
    }
}

void frmmagmoaat1::SendHome(PieceId id) {
    Control* c = piece(id);
    const QRect home = home_[slot(id.family)][static_cast<std::size_t>(id.index)];
    if (id.family == Family::Shape) {
        c->setTwips(home);
        return;
    }
    c->setTwips(QRect(home.topLeft(), c->twips().size()));
    if (id.family == Family::Tile)
        tile(id.index)->setCaption(board::homeCaption(id.index));
}

// ---- Double clicks ----

void frmmagmoaat1::Label1_DblClick(int index) {
    AsStep(Step::Change, [this, index] {
        Label* t = tile(index);
        t->setCaption(board::captionAfterDoubleClick(index, t->caption(), t->top()));
    });
}

void frmmagmoaat1::Image3_DblClick(int index) {
    AsStep(Step::GoHome, [this, index] { SendHome({Family::Symbol, index}); });
}

// ---- Buttons ----

void frmmagmoaat1::Command2_Click() {
    QWidget* curtain = control(QStringLiteral("Image2"))->widget();
    auto* toggle = get<CommandButton>(QStringLiteral("Command2"));
    const bool shown = !curtain->isHidden();
    curtain->setVisible(!shown);
    toggle->setCaption(QString::fromUtf8(shown ? kWhenOpen : kWhenClosed));
}

void frmmagmoaat1::Command1_Click() {
    AsStep(Step::Clear, [this] { ClearBoard(); });
}

void frmmagmoaat1::ClearBoard() {
    for (int i = board::kFirstSmallFrame; i < board::kTiles; ++i)
        tile(i)->setCaption(board::homeCaption(i));
    for (int i = 0; i < board::kSymbols; ++i)
        SendHome({Family::Symbol, i});
    for (int i = board::kFirstShape; i < board::kFirstShape + board::kShapes; ++i)
        SendHome({Family::Shape, i});
    for (int i = 0; i < board::kDigitTiles; ++i)
        tile(i)->setCaption(board::homeCaption(i));
    for (int i = 0; i < board::kTiles; ++i) {
        Label* t = tile(i);
        t->setTwips(
            QRect(home_[slot(Family::Tile)][static_cast<std::size_t>(i)].topLeft(), t->twips().size()));
    }
}

void frmmagmoaat1::Command6_Click() {
    unloadMe();
}

// ---- Undo ----

// The history clears itself as the board is taken down, and says so: by then
// the board is no longer whole, so it must not hear.
frmmagmoaat1::~frmmagmoaat1() {
    if (history_)
        history_->disconnect(this);
}

void frmmagmoaat1::AddEditMenu() {
    history_ = new QUndoStack(this);
    QMenu* edit = addScreenMenu(QStringLiteral("editMenu"), QStringLiteral("تحرير"));
    MenuItem* undo = addMenuEntry(edit, QStringLiteral("editUndo"), QString(),
                                  {QKeySequence(Qt::ControlModifier | Qt::Key_Z)});
    MenuItem* redo = addMenuEntry(edit, QStringLiteral("editRedo"), QString(),
                                  {QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z),
                                   QKeySequence(Qt::ControlModifier | Qt::Key_Y)});
    connect(undo, &QAction::triggered, history_, &QUndoStack::undo);
    connect(redo, &QAction::triggered, history_, &QUndoStack::redo);
    // The entries name the step they would undo or redo, and are off when there is none.
    const auto follow = [this, undo, redo] {
        const QString undoing = history_->undoText(), redoing = history_->redoText();
        undo->setText(
            entryText(undoing.isEmpty() ? QStringLiteral("تراجع") : QStringLiteral("تراجع عن ") + undoing,
                      undo->shortcut()));
        redo->setText(
            entryText(redoing.isEmpty() ? QStringLiteral("إعادة") : QStringLiteral("إعادة ") + redoing,
                      redo->shortcut()));
        undo->setEnabled(history_->canUndo());
        redo->setEnabled(history_->canRedo());
    };
    connect(history_, &QUndoStack::indexChanged, this, follow);
    follow();
}

std::vector<board::PieceAt> frmmagmoaat1::Pieces() const {
    std::vector<board::PieceAt> all;
    all.reserve(board::kTiles + board::kSymbols + board::kShapes);
    for (Family f : {Family::Tile, Family::Symbol, Family::Shape}) {
        const QString array = QString::fromLatin1(board::arrayOf(f));
        for (int i : indexes(array))
            if (board::isPiece({f, i}))
                all.push_back(
                    {{f, i},
                     {control(array, i)->twips(), f == Family::Tile ? tile(i)->caption() : QString()}});
    }
    return all;
}

void frmmagmoaat1::Restore(PieceId id, const PieceState& state) {
    piece(id)->setTwips(state.place);
    if (id.family == Family::Tile)
        tile(id.index)->setCaption(state.caption);
}

// Runs one step of the teacher's and keeps what it changed, if anything, to be undone.
template <class Fn> void frmmagmoaat1::AsStep(Step step, Fn act) {
    const std::vector<board::PieceAt> before = Pieces();
    act();
    std::vector<board::PieceChange> changes = board::changesBetween(before, Pieces());
    if (changes.empty())
        return;
    history_->push(new BoardStep(step, std::move(changes),
                                 [this](PieceId id, const PieceState& state) { Restore(id, state); }));
}

// ---- Drag and drop plumbing ----

// Which controls take a dropped piece, and as what.
void frmmagmoaat1::AcceptDrops() {
    for (Family f : {Family::Tile, Family::Symbol, Family::Shape}) {
        const char* array = board::arrayOf(f);
        const Receiver as = f == Family::Tile     ? Receiver::Tile
                            : f == Family::Symbol ? Receiver::Symbol
                                                  : Receiver::Shape;
        for (int i : indexes(QString::fromLatin1(array))) {
            Control* c = control(QString::fromLatin1(array), i);
            AcceptPieces(c, as);
            if (board::isPiece({f, i}))
                pieces_.insert(c->widget(), {f, i});
        }
    }
    AcceptPieces(control("Image1"), Receiver::Board);
    AcceptPieces(control("Picture3"), Receiver::Bin);
    AcceptPieces(control("Picture2"), Receiver::Enlarge);
    AcceptPieces(control("Picture1"), Receiver::Shrink);
    // These take a piece and do nothing with it, so it does not fall through
    // to the background and go home.
    for (const char* name : {"Text1", "Command1", "Command2", "Command6", "Label2", "Label3", "Image2"})
        AcceptPieces(control(name), Receiver::Nothing);
    canvas()->setAcceptDrops(true);
    canvas()->installEventFilter(this);
    targets_.insert(canvas(), {Receiver::Background, nullptr});
}

void frmmagmoaat1::AcceptPieces(Control* c, Receiver as) {
    QWidget* w = c->widget();
    w->setAcceptDrops(true);
    w->installEventFilter(this);
    targets_.insert(w, {as, c});
}

bool frmmagmoaat1::eventFilter(QObject* watched, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(watched);
    switch (e->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (targets_.contains(w))
            return TakeDragEvent(w, static_cast<QDropEvent*>(e));
        break;
    case QEvent::MouseMove: {
        const auto it = pieces_.constFind(w);
        const auto* move = static_cast<QMouseEvent*>(e);
        if (it != pieces_.constEnd() && it->family == Family::Shape)
            Image4_MouseMove(it->index);
        if (it != pieces_.constEnd() && (move->buttons() & Qt::LeftButton) && pressed_.armed &&
            pressed_.piece == *it &&
            (move->position().toPoint() - pressed_.pressPx).manhattanLength() >=
                QApplication::startDragDistance())
            StartDrag(w);
        break;
    }
    default:
        break;
    }
    return Screen::eventFilter(watched, e);
}

// Only the board's own pieces are taken; a drop from another program is refused
// everywhere on the screen and changes nothing.
bool frmmagmoaat1::TakeDragEvent(QWidget* target, QDropEvent* e) {
    const QString type = QString::fromLatin1(board::kPieceMimeType);
    const std::optional<PieceId> id = e->mimeData() && e->mimeData()->hasFormat(type)
                                          ? board::decodePiece(e->mimeData()->data(type))
                                          : std::nullopt;
    if (!id) {
        e->ignore();
        return true;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
    if (e->type() == QEvent::Drop) {
        const Target t = targets_.value(target);
        DragDrop(t.as, t.control, *id, scale().fromPx(e->position()));
    }
    return true;
}

void frmmagmoaat1::StartDrag(QWidget* w) {
    const PieceId id = pressed_.piece;
    auto* drag = new QDrag(w);
    drag->setMimeData(pieceMimeData(id));
    // The piece's own picture follows the pointer, held where it was taken, on a
    // chip of slate: a desktop that does not composite windows shows the clear
    // parts of a drag picture white. render() leaves out the window background
    // that grab() would paint under the piece.
    const qreal dpr = w->devicePixelRatioF();
    QPixmap chip(w->size() * dpr);
    chip.setDevicePixelRatio(dpr);
    chip.fill(QColor(0x14, 0x16, 0x15));
    w->render(&chip, QPoint(), QRegion(), QWidget::DrawChildren);
    drag->setPixmap(chip);
    drag->setHotSpot(pressed_.pressPx);
    // One drag per press: the next one needs a new press.
    pressed_.armed = false;
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

} // namespace sd
