#include "lessons/listing/listing_drill.h"

#include "lessons/listing/listing_layout.h"

#include <QLocale>
#include <QScopedValueRollback>
#include <QTimer>

namespace sd::listing {

namespace {

// The hidden counters and the shown totals of the scored drills.
constexpr ControlRef kDuplicate{"Label5", 0};
constexpr ControlRef kCorrect{"Label5", 1};
constexpr ControlRef kEarned{"Label5", 2};
constexpr ControlRef kPossible{"Label5", 3};

constexpr int kRepeatNote = 0; // Label2(0): "do not repeat an element"

// Scores are written with the pupil's decimal separator and read back with it.
QString decimalPoint() {
    return QLocale().decimalPoint();
}

// The frame round the current box is bright; those round the others only show
// where a box stands on the black rows.
constexpr QRgb kCurrentFrame = 0xFFFF00;
constexpr QRgb kBoxFrame = 0x707070;

} // namespace

ListingDrill::ListingDrill(const ScreenLayout& layout, const DrillData& data, Navigator* navigator)
    : Screen(layout, navigator), data_(data) {
    for (const DrillRow& row : data_.rows)
        if (!boxArrays_.contains(QString::fromLatin1(row.boxes)))
            boxArrays_.append(QString::fromLatin1(row.boxes));
    for (const QString& boxes : std::as_const(boxArrays_)) {
        onArray<TextBox>(boxes, &TextBox::clicked, [this, boxes](int i) { Text_Click(boxes, i); });
        onArray<TextBox>(boxes, &TextBox::gotFocus, [this, boxes](int i) { Text_GotFocus(boxes, i); });
        onArray<TextBox>(boxes, &QLineEdit::textChanged, [this, boxes](int i) { Text_Change(boxes, i); });
    }
    onArray<Label>("lbl1", &Label::clicked, [this](int k) { lbl1_Click(k); });
    onArray<Label>("lbl11", &Label::clicked, [this](int k) { lbl11_Click(k); });
    onArray<CommandButton>("Cmd1", &QAbstractButton::clicked, [this](int i) { Cmd1_Click(i); });
    on<CommandButton>("Command1", &QAbstractButton::clicked, [this] { Command1_Click(); });
    // Only the scored drills have "clear".
    if (find<CommandButton>("Command2"))
        on<CommandButton>("Command2", &QAbstractButton::clicked, [this] { Command2_Click(); });
    addCreditAndExit(QString::fromLatin1(data_.cornerIcon));
    if (data_.flattenPicture)
        on<Image>(QString::fromLatin1(data_.flattenPicture), &Image::clicked, [this] { FlattenAllBoxes(); });
}

// ---------------------------------------------------------------- load

void ListingDrill::Form_Load() {
    for (const DrillRow& row : data_.rows) {
        const auto* note = find<CommandButton>("Cmd1", row.noteButton);
        if (!note)
            continue;
        const int top = note->top();
        for (const ControlRef& t : row.title)
            if (Control* c = control(QString::fromLatin1(t.name), t.index))
                c->setTop(top);
        if (auto* check = find<CommandButton>("Cmd1", row.checkButton))
            check->setTop(top);
        const QString key = QString::fromLatin1(row.key);
        Control* previous = nullptr;
        for (int i = row.keyFirst; i <= row.keyLast; ++i) {
            Control* label = find(key, i);
            if (!label)
                continue;
            label->setTop(top);
            // Each label stands right against the one before it, reading right to left.
            if (row.packKey && previous)
                label->setLeft(previous->left() - label->twipsWidth());
            previous = label;
        }
    }
    FlattenAllBoxes();
    if (!data_.rows.empty())
        if (TextBox* first = box(data_.rows.front(), 0))
            makeCurrent(first);
}

// ---------------------------------------------------------------- the current box

void ListingDrill::FlattenAllBoxes() {
    for (const QString& boxes : std::as_const(boxArrays_))
        for (int i : indexes(boxes))
            if (auto* b = get<TextBox>(boxes, i))
                b->setAppearance(0);
    DrawBoxFrames();
}

void ListingDrill::makeCurrent(TextBox* b) {
    FlattenAllBoxes();
    b->setAppearance(1);
    DrawBoxFrames();
}

// The frames follow the boxes' looks; they record nothing themselves.
void ListingDrill::DrawBoxFrames() {
    for (const QString& boxes : std::as_const(boxArrays_))
        for (int i : indexes(boxes)) {
            const auto* b = get<TextBox>(boxes, i);
            auto* frame = find<Shape>(QString::fromLatin1(boxFrameName(boxes.toLatin1().constData())), i);
            if (b && frame)
                frame->setBorderColor(QColor::fromRgb(b->appearance() == 1 ? kCurrentFrame : kBoxFrame));
        }
}

// The 3D look is the only record of which box is current.
TextBox* ListingDrill::currentBox() const {
    for (const QString& boxes : boxArrays_)
        for (int i : indexes(boxes))
            if (auto* b = get<TextBox>(boxes, i); b && b->appearance() == 1)
                return b;
    return nullptr;
}

void ListingDrill::Text_Click(const QString& boxes, int i) {
    if (auto* b = get<TextBox>(boxes, i))
        makeCurrent(b);
}

void ListingDrill::Text_GotFocus(const QString& boxes, int i) {
    auto* b = get<TextBox>(boxes, i);
    if (!b || handingFocusBack_)
        return;
    makeCurrent(b);
    // A box holds one character: what the pupil types next replaces it. Deferred,
    // or the mouse press that gave the focus would undo the selection; by then the
    // focus may have moved on, and a box without it keeps its text unselected.
    QTimer::singleShot(0, b, [b] {
        if (b->hasFocus())
            b->selectAll();
    });
}

// ---------------------------------------------------------------- writing

void ListingDrill::Text_Change(const QString& boxes, int i) {
    const DrillRow* row = rowOf(boxes, i);
    if (!row)
        return;
    for (const SeparatorSign& s : liveBraces(row->separatorBase, i - row->first))
        if (auto* sep = get<Label>("lbl11", s.index))
            sep->setCaption(s.caption);
}

void ListingDrill::lbl1_Click(int k) {
    TextBox* current = currentBox();
    const auto* number = get<Label>("lbl1", k);
    if (!current || !number)
        return;
    current->setText(number->caption());
    // Move on within the same array; the last box stays current and is overwritten.
    const QList<int> order = indexes(current->controlName());
    const qsizetype at = order.indexOf(current->controlIndex());
    if (at < 0 || at + 1 >= order.size())
        return;
    if (auto* next = get<TextBox>(current->controlName(), order[at + 1])) {
        moveFocusTo(next);
        makeCurrent(next);
    }
}

void ListingDrill::lbl11_Click(int k) {
    if (auto* sep = get<Label>("lbl11", k))
        sep->setCaption(nextSeparator(sep->caption()));
}

// ---------------------------------------------------------------- new problem

void ListingDrill::Command1_Click() {
    if (scored()) {
        for (const DrillRow& row : data_.rows) {
            if (!row.scoring)
                continue;
            setNumber(row.scoreLabel, 0);
            if (auto* check = get<CommandButton>("Cmd1", row.checkButton))
                check->setEnabled(true);
        }
        setNumber(kDuplicate, 0);
        setNumber(kCorrect, 0);
    }
    for (int k : indexes("lbl1"))
        if (auto* number = get<Label>("lbl1", k))
            number->setCaption(RenumberDigit(number->caption()));
    for (const DrillRow& row : data_.rows)
        for (int i = row.keyFirst; i <= row.keyLast; ++i)
            if (Control* label = find(QString::fromLatin1(row.key), i))
                label->widget()->setVisible(false);
    // Clearing a box that held text redraws the braces around it.
    for (const QString& boxes : std::as_const(boxArrays_))
        for (int i : indexes(boxes))
            if (auto* b = get<TextBox>(boxes, i)) {
                b->setText(QString());
                b->setBackColor(QColor::fromRgb(kBlack));
            }
    if (data_.repeatNote == RepeatNoteCleared::ByNewProblem)
        showNote(kRepeatNote, false);
}

// ---------------------------------------------------------------- row buttons

void ListingDrill::Cmd1_Click(int index) {
    if (data_.repeatNote == RepeatNoteCleared::ByAnyRowButton)
        showNote(kRepeatNote, false);
    RefreshAnswerKeys();
    if (const DrillRow* row = rowChecked(index)) {
        if (row->scoring) {
            setNumber(row->scoreLabel, 0);
            setNumber(kDuplicate, 0);
            setNumber(kCorrect, 0);
        }
        JudgeRow(*row);
        if (row->scoring)
            ScoreRow(*row);
    }
    if (const DrillNote* note = noteOf(index)) {
        for (int n : note->show)
            showNote(n, true);
        for (int n : note->hide)
            showNote(n, false);
    }
}

void ListingDrill::RefreshAnswerKeys() {
    for (const DrillRow& row : data_.rows)
        for (const KeyElement& e : row.keyElements) {
            auto* label = get<Label>(QString::fromLatin1(row.key), e.label);
            const auto* number = get<Label>("lbl1", e.number);
            if (label && number)
                label->setCaption(number->caption());
        }
}

void ListingDrill::JudgeRow(const DrillRow& row) {
    const Judgement judged = judgeEntries(texts(row), elements(row));
    for (int p = 0; p < row.count; ++p)
        if (TextBox* b = box(row, p))
            b->setBackColor(QColor::fromRgb(colorOf(judged.marks.value(p))));
    if (judged.repeated)
        showNote(kRepeatNote, true);
    for (int i = row.keyFirst; i <= row.keyLast; ++i)
        if (Control* label = find(QString::fromLatin1(row.key), i))
            label->widget()->setVisible(true);
}

void ListingDrill::ScoreRow(const DrillRow& row) {
    if (!row.scoring)
        return;
    QList<Mark> marks;
    for (int p = 0; p < row.count; ++p) {
        const TextBox* b = box(row, p);
        marks.append(b ? markOf(b->backColor().rgb()) : Mark::Correct);
    }
    const RowScore r = scoreEntries(marks, texts(row), *row.scoring);
    setNumber(kDuplicate, r.duplicate);
    setNumber(kCorrect, r.correct);
    setNumber(row.scoreLabel, r.score);
    setNumber(kEarned, r.score + number(kEarned));
    // Each row is scored once per problem; "new problem" enables it again.
    if (auto* check = get<CommandButton>("Cmd1", row.checkButton)) {
        if (check->hasFocus())
            HandFocusBack();
        check->setEnabled(false);
    }
    setNumber(kPossible, number(kPossible) + row.scoring->maximum);
}

// A disabled button passes the focus on down the tab order, which would make the
// next row's first box current, or put "new problem" under the next Enter. The
// focus goes back to the current box instead, which stays what it was; with no
// current box it rests on the screen itself.
void ListingDrill::HandFocusBack() {
    if (TextBox* current = currentBox()) {
        const QScopedValueRollback quiet(handingFocusBack_, true);
        current->setFocus(Qt::OtherFocusReason);
    } else {
        setFocus(Qt::OtherFocusReason);
    }
}

// "Clear": the totals and the row scores start again; nothing else changes.
void ListingDrill::Command2_Click() {
    setNumber(kEarned, 0);
    setNumber(kPossible, 0);
    for (const DrillRow& row : data_.rows)
        if (row.scoring)
            setNumber(row.scoreLabel, 0);
}

// ---------------------------------------------------------------- helpers

TextBox* ListingDrill::box(const DrillRow& row, int p) const {
    return get<TextBox>(QString::fromLatin1(row.boxes), row.first + p);
}

const DrillRow* ListingDrill::rowOf(const QString& boxes, int i) const {
    for (const DrillRow& row : data_.rows)
        if (boxes == QLatin1String(row.boxes) && i >= row.first && i < row.first + row.count)
            return &row;
    return nullptr;
}

const DrillRow* ListingDrill::rowChecked(int button) const {
    for (const DrillRow& row : data_.rows)
        if (row.checkButton == button)
            return &row;
    return nullptr;
}

const DrillNote* ListingDrill::noteOf(int button) const {
    for (const DrillNote& note : data_.notes)
        if (note.button == button)
            return &note;
    return nullptr;
}

QStringList ListingDrill::texts(const DrillRow& row) const {
    QStringList out;
    for (int p = 0; p < row.count; ++p) {
        const TextBox* b = box(row, p);
        out.append(b ? b->text() : QString());
    }
    return out;
}

// The row's correct set: the captions its answer key copies from the diagram.
QStringList ListingDrill::elements(const DrillRow& row) const {
    QStringList out;
    for (const KeyElement& e : row.keyElements)
        if (const auto* label = get<Label>(QString::fromLatin1(row.key), e.label))
            out.append(label->caption());
    return out;
}

double ListingDrill::number(const ControlRef& ref) const {
    const auto* label = get<Label>(QString::fromLatin1(ref.name), ref.index);
    return label ? scoreValue(label->caption(), decimalPoint()) : 0.0;
}

void ListingDrill::setNumber(const ControlRef& ref, double value) {
    if (auto* label = get<Label>(QString::fromLatin1(ref.name), ref.index))
        label->setCaption(scoreText(value, decimalPoint()));
}

void ListingDrill::showNote(int index, bool visible) {
    if (Control* note = find("Label2", index))
        note->widget()->setVisible(visible);
}

bool ListingDrill::scored() const {
    for (const DrillRow& row : data_.rows)
        if (row.scoring)
            return true;
    return false;
}

} // namespace sd::listing
