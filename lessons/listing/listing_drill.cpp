#include "lessons/listing/listing_drill.h"

#include "lessons/listing/listing_layout.h"

#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace sd::listing {

namespace {

constexpr int kRepeatNote = 0; // Label2(0): "do not repeat an element"

// Row scores and totals are written to fifteen significant digits, with the
// pupil's decimal separator, and read back with it.
constexpr int kScoreDigits = 15;

// The frame round the current box is bright; those round the others only show
// where a box stands on the black rows.
constexpr QRgb kCurrentFrame = 0xFFFF00;
constexpr QRgb kBoxFrame = 0x707070;

// The wiring the three drills share for their rows 0 to 3.
struct StandardWiring {
    const char* boxes;
    int count;
    const char* key;
};
constexpr StandardWiring kStandardRows[] = {
    {"Text1", 8, "lbl3"}, {"Text2", 8, "lbl2"}, {"Text3", 7, "lbl4"}, {"Text4", 8, "lbl5"}};
constexpr int kStandardRowCount = int(std::size(kStandardRows));
constexpr int kFirstCheckButton = kStandardRowCount; // Cmd1(0..3) are the note buttons

} // namespace

DrillRow standardRow(int r, DrillRow rest) {
    r = std::clamp(r, 0, kStandardRowCount - 1);
    int separatorBase = 0; // each row's separators follow the rows above: n boxes, n + 1 signs
    for (int above = 0; above < r; ++above)
        separatorBase += kStandardRows[above].count + 1;
    rest.boxes = kStandardRows[r].boxes;
    rest.first = 0;
    rest.count = kStandardRows[r].count;
    rest.separatorBase = separatorBase;
    rest.noteButton = r;
    rest.checkButton = kFirstCheckButton + r;
    rest.key = kStandardRows[r].key;
    rest.keyFirst = 0;
    return rest;
}

ListingDrill::ListingDrill(const ScreenLayout& layout, const DrillData& data, Navigator* navigator)
    : Screen(layout, navigator), data_(data) {
    QStringList arrays; // distinct entry-box arrays, in row order
    for (const DrillRow& row : data_.rows)
        if (!arrays.contains(QString::fromLatin1(row.boxes)))
            arrays.append(QString::fromLatin1(row.boxes));
    for (const QString& name : std::as_const(arrays)) {
        const QString frames = QString::fromLatin1(boxFrameName(name.toLatin1().constData()));
        QList<Box>& array = boxArrays_.emplace_back();
        for (int i : indexes(name))
            array.append({get<TextBox>(name, i), find<Shape>(frames, i)});
    }
    for (const DrillRow& stored : data_.rows) {
        Row& row = rows_.emplace_back();
        const QString boxes = QString::fromLatin1(stored.boxes);
        const QString key = QString::fromLatin1(stored.key);
        for (int p = 0; p < stored.count; ++p)
            row.boxes.append(get<TextBox>(boxes, stored.first + p));
        row.note = get<CommandButton>("Cmd1", stored.noteButton);
        row.check = get<CommandButton>("Cmd1", stored.checkButton);
        for (const ControlRef& t : stored.title)
            row.title.append(control(QString::fromLatin1(t.name), t.index));
        for (int i = stored.keyFirst; i <= stored.keyLast; ++i)
            row.key.append(get<Label>(key, i));
        for (const KeyElement& e : stored.keyElements)
            row.copies.append(std::pair(get<Label>(key, e.label), get<Label>("lbl1", e.number)));
        if (stored.scoring)
            row.score = get<Label>(QString::fromLatin1(stored.scoreLabel.name), stored.scoreLabel.index);
    }
    numbers_ = getArray<Label>("lbl1");
    separators_ = getArray<Label>("lbl11");
    NameRows();
    for (int i : indexes("Label2"))
        notes_.insert(i, get<Label>("Label2", i));
    if (scored())
        totals_ = {get<Label>("Label5", 0), get<Label>("Label5", 1), get<Label>("Label5", 2),
                   get<Label>("Label5", 3)};

    for (const QList<Box>& array : std::as_const(boxArrays_))
        for (const Box& b : array) {
            TextBox* box = b.box;
            connect(box, &TextBox::clicked, this, [this, box] { Text_Click(box); });
            connect(box, &TextBox::gotFocus, this, [this, box] { Text_GotFocus(box); });
        }
    for (int r = 0; r < int(rows_.size()); ++r)
        for (int p = 0; p < rows_[r].boxes.size(); ++p)
            connect(rows_[r].boxes[p], &QLineEdit::textChanged, this, [this, r, p] { Text_Change(r, p); });
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
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const Row& row = rows_[r];
        const int top = row.note->top();
        for (Control* c : row.title)
            c->setTop(top);
        row.check->setTop(top);
        const Label* previous = nullptr;
        for (Label* label : row.key) {
            label->setTop(top);
            // Each label stands right against the one before it, reading right to left.
            if (data_.rows[r].packKey && previous)
                label->setLeft(previous->left() - label->twipsWidth());
            previous = label;
        }
    }
    FlattenAllBoxes();
    if (!rows_.empty() && !rows_.front().boxes.isEmpty())
        makeCurrent(rows_.front().boxes.front());
}

// ---------------------------------------------------------------- the current box

void ListingDrill::FlattenAllBoxes() {
    for (const QList<Box>& array : std::as_const(boxArrays_))
        for (const Box& b : array)
            b.box->setAppearance(0);
    DrawBoxFrames();
}

void ListingDrill::makeCurrent(TextBox* b) {
    FlattenAllBoxes();
    b->setAppearance(1);
    DrawBoxFrames();
}

// The frames follow the boxes' looks; they record nothing themselves.
void ListingDrill::DrawBoxFrames() {
    for (const QList<Box>& array : std::as_const(boxArrays_))
        for (const Box& b : array)
            if (b.frame)
                b.frame->setBorderColor(
                    QColor::fromRgb(b.box->appearance() == 1 ? kCurrentFrame : kBoxFrame));
}

// The 3D look is the only record of which box is current.
TextBox* ListingDrill::currentBox() const {
    for (const QList<Box>& array : boxArrays_)
        for (const Box& b : array)
            if (b.box->appearance() == 1)
                return b.box;
    return nullptr;
}

void ListingDrill::Text_Click(TextBox* b) {
    makeCurrent(b);
}

void ListingDrill::Text_GotFocus(TextBox* b) {
    if (handingFocusBack_)
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

void ListingDrill::Text_Change(int row, int p) {
    for (const SeparatorSign& s : liveBraces(data_.rows[row].separatorBase, p))
        if (Label* sep = separators_.value(s.index))
            sep->setCaption(s.caption);
}

void ListingDrill::lbl1_Click(int k) {
    TextBox* current = currentBox();
    if (!current)
        return;
    current->setText(numbers_[k]->caption());
    // Move on within the same array; the last box stays current and is overwritten.
    for (const QList<Box>& array : std::as_const(boxArrays_))
        for (qsizetype at = 0; at + 1 < array.size(); ++at)
            if (array[at].box == current) {
                TextBox* next = array[at + 1].box;
                moveFocusTo(next);
                makeCurrent(next);
                return;
            }
}

void ListingDrill::lbl11_Click(int k) {
    separators_[k]->setCaption(nextSeparator(separators_[k]->caption()));
}

// ---------------------------------------------------------------- new problem

void ListingDrill::Command1_Click() {
    if (scored()) {
        for (const Row& row : rows_) {
            if (!row.score)
                continue;
            setNumber(row.score, 0);
            row.check->setEnabled(true);
        }
        setNumber(totals_.duplicate, 0);
        setNumber(totals_.correct, 0);
    }
    for (Label* number : std::as_const(numbers_))
        number->setCaption(RenumberDigit(number->caption()));
    for (const Row& row : rows_)
        for (Label* label : row.key)
            label->setVisible(false);
    // Clearing a box that held text redraws the braces around it.
    for (const QList<Box>& array : std::as_const(boxArrays_))
        for (const Box& b : array) {
            b.box->setText(QString());
            b.box->setBackColor(QColor::fromRgb(kBlack.value));
        }
    if (data_.repeatNote == RepeatNoteCleared::ByNewProblem)
        showNote(kRepeatNote, false);
}

// ---------------------------------------------------------------- row buttons

void ListingDrill::Cmd1_Click(int index) {
    if (data_.repeatNote == RepeatNoteCleared::ByAnyRowButton)
        showNote(kRepeatNote, false);
    RefreshAnswerKeys();
    if (const int r = rowChecked(index); r >= 0) {
        if (const Row& row = rows_[r]; row.score) {
            setNumber(row.score, 0);
            setNumber(totals_.duplicate, 0);
            setNumber(totals_.correct, 0);
        }
        JudgeRow(r);
        if (rows_[r].score)
            ScoreRow(r);
    }
    if (const DrillNote* note = noteOf(index)) {
        for (int n : note->show)
            showNote(n, true);
        for (int n : note->hide)
            showNote(n, false);
    }
}

// What a screen reader calls each box, separator and row button: its row and its
// place, so that no two sound alike. The row's name is its boxes' stored name.
void ListingDrill::NameRows() {
    for (int r = 0; r < int(rows_.size()); ++r) {
        const Row& row = rows_[r];
        const QString name = row.boxes.first()->spokenName();
        for (int p = 0; p < row.boxes.size(); ++p)
            row.boxes[p]->setSpokenName(spokenBox(name, p, int(row.boxes.size())));
        for (int k = 0; k <= row.boxes.size(); ++k)
            if (Label* separator = separators_.value(data_.rows[r].separatorBase + k))
                separator->setSpokenName(spokenSeparator(r, k));
        row.check->setSpokenName(spokenCheckButton());
        row.note->setSpokenName(spokenNoteButton());
        if (row.score)
            row.score->setSpokenName(spokenRowScore(r));
    }
}

void ListingDrill::RefreshAnswerKeys() {
    for (const Row& row : rows_)
        for (const auto& [label, number] : row.copies)
            label->setCaption(number->caption());
}

void ListingDrill::JudgeRow(int r) {
    const Row& row = rows_[r];
    const QStringList written = texts(r);
    const Judgement judged = judgeEntries(written, elements(r));
    for (qsizetype p = 0; p < row.boxes.size(); ++p)
        row.boxes[p]->judge(QColor::fromRgb(colorOf(judged.marks.value(p)).value),
                            spokenMark(judged.marks.value(p), written.value(p)));
    announce(spokenOutcome(judged.marks, written));
    if (judged.repeated)
        showNote(kRepeatNote, true);
    for (Label* label : row.key)
        label->setVisible(true);
}

void ListingDrill::ScoreRow(int r) {
    const Row& row = rows_[r];
    const std::optional<RowScoring>& scoring = data_.rows[r].scoring;
    if (!scoring)
        return;
    QList<Mark> marks;
    for (const TextBox* b : row.boxes)
        marks.append(markOf(Rgb(b->backColor().rgb())));
    const RowScore score = scoreEntries(marks, texts(r), *scoring);
    setNumber(totals_.duplicate, score.duplicate);
    setNumber(totals_.correct, score.correct);
    setNumber(row.score, score.score);
    announce(row.score->accessibleName());
    setNumber(totals_.earned, score.score + number(totals_.earned));
    // Each row is scored once per problem; "new problem" enables it again.
    if (row.check->hasFocus())
        HandFocusBack();
    row.check->setEnabled(false);
    setNumber(totals_.possible, number(totals_.possible) + scoring->maximum);
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
    setNumber(totals_.earned, 0);
    setNumber(totals_.possible, 0);
    for (const Row& row : rows_)
        if (row.score)
            setNumber(row.score, 0);
}

// ---------------------------------------------------------------- helpers

int ListingDrill::rowChecked(int button) const {
    for (int r = 0; r < int(data_.rows.size()); ++r)
        if (data_.rows[r].checkButton == button)
            return r;
    return -1;
}

const DrillNote* ListingDrill::noteOf(int button) const {
    for (const DrillNote& note : data_.notes)
        if (note.button == button)
            return &note;
    return nullptr;
}

QStringList ListingDrill::texts(int r) const {
    QStringList out;
    for (const TextBox* b : rows_[r].boxes)
        out.append(b->text());
    return out;
}

// The row's correct set: the captions its answer key copies from the diagram.
QStringList ListingDrill::elements(int r) const {
    QStringList out;
    for (const auto& copy : rows_[r].copies)
        out.append(copy.first->caption());
    return out;
}

double ListingDrill::number(const Label* label) {
    return label ? lessons::scoreValue(label->caption(), lessons::decimalPoint()) : 0.0;
}

void ListingDrill::setNumber(Label* label, double value) {
    if (label)
        label->setCaption(lessons::scoreText(value, lessons::decimalPoint(), kScoreDigits));
}

void ListingDrill::showNote(int index, bool visible) {
    if (Label* note = notes_.value(index))
        note->setVisible(visible);
}

bool ListingDrill::scored() const {
    for (const DrillRow& row : data_.rows)
        if (row.scoring)
            return true;
    return false;
}

} // namespace sd::listing
