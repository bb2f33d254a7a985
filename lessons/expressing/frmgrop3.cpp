#include "lessons/expressing/frmgrop3.h"

#include "app/twips.h"
#include "lessons/common/lesson_rules.h"

#include <cmath>

namespace sd {

using namespace expressing;

namespace {

const QColor kNeutral = QColor::fromRgb(colorOf(Mark::Black).value);
const QColor kSelected = QColor::fromRgb(colorOf(Mark::Other).value);

constexpr int kNoBorder = 0;
constexpr int kBorder = 1;

// Clear space between a number and the words beside it.
constexpr int kNumberGap = 90;
// Pixels added to each blank of a run, at most, to make room for its number.
constexpr int kMostBlankSpacing = 12;
// Room left between "{" and "}" of an empty set.
constexpr int kEmptySetGap = 200;

// A control by its stored name and, for an element of an array, its index.
struct Ref {
    const char* name = nullptr;
    int index = -1;
};

// The names of each row's controls, as stored: the numbers of its description
// (the second one absent in a one-number problem), its change and check buttons,
// and its answer row with the number of labels.
struct RowNames {
    Ref first;
    Ref second;
    const char* change;
    const char* check;
    const char* answer;
    int answerLabels;
};

constexpr RowNames kRows[kProblemCount] = {
    {{"Label2"}, {}, "Cmd1", "Command1", "Label15", 11},
    {{"Label3"}, {"Label4"}, "cmd2", "Command3", "Label16", 15},
    {{"Label5", 0}, {"Label6"}, "Cmd3", "Command4", "Label17", 15},
    {{"Label7"}, {}, "Cmd4", "Command5", "Label18", 15},
    {{"Label8"}, {"Label9"}, "Cmd5", "Command6", "Label19", 13},
    {{"Label10"}, {"Label11"}, "Cmd6", "Command7", "Label20", 13},
    {{"Label12"}, {"Label13"}, "Cmd7", "Command8", "Label21", 9},
    {{"Label14"}, {}, "Cmd8", "Command9", "Label22", 13},
};

// The tallies Label29: hidden counts, then the percentage the pupil sees.
constexpr int kScoreTally = 0;
constexpr int kCorrectTally = 1;
constexpr int kFirstRepeatTally = 2; // one for each problem
constexpr int kElementsTally = 10;   // elements shown; its change shows the percentage
constexpr int kPercentTally = 11;

} // namespace

frmgrop3::frmgrop3(Navigator* navigator) : Screen(storedLayout(), navigator) {
    using B = QAbstractButton;
    boxes_ = getArray<TextBox>("Text1");
    separators_ = getArray<Label>("Label23");
    digits_ = getArray<Label>("Label28");
    tallies_ = getArray<Label>("Label29");
    wrongNote_ = get<Label>("Label24");
    repeatNote_ = get<Label>("Label25");
    solution_ = get<CommandButton>("Command11");
    for (int k = 1; k <= kProblemCount; ++k) {
        const Row& r = rows_[k - 1] = FindRow(k);
        // A number clicked steps its problem; a number changed lets the row be checked again.
        for (Label* number : std::as_const(r.numbers)) {
            connect(number, &Label::clicked, this, [this, k] { StepProblem(k); });
            connect(number, &Label::captionChanged, this, [this, k] { NumbersChanged(k); });
        }
        connect(r.change, &B::clicked, this, [this, k] { ChangeProblem(k); });
        connect(r.check, &B::clicked, this, [this, k] {
            CheckProblem(k);
            SayOutcome(k);
        });
    }

    on<CommandButton>("Command14", &B::clicked, [this] { Command14_Click(); });
    on<CommandButton>("Command10", &B::clicked, [this] { Command10_Click(); });
    on<CommandButton>("Command11", &B::clicked, [this] { Command11_Click(); });
    on<CommandButton>("Command2", &B::clicked, [this] { Command2_Click(); });

    onArray<TextBox>("Text1", &TextBox::clicked, [this](int i) { Text1_Click(i); });
    onArray<TextBox>("Text1", &TextBox::gotFocus, [this](int i) { Text1_GotFocus(i); });
    onArray<TextBox>("Text1", &QLineEdit::textChanged, [this](int i) { Text1_Change(i); });
    onArray<Label>("Label23", &Label::clicked, [this](int i) { Label23_Click(i); });
    onArray<Label>("Label28", &Label::clicked, [this](int i) { Label28_Click(i); });
    onArray<Label>("Label29", &Label::captionChanged, [this](int i) { Label29_Change(i); });
    addCreditAndExit("Image1");
    NameRows();
}

frmgrop3::Row frmgrop3::FindRow(int k) const {
    const RowNames& names = kRows[k - 1];
    Row r;
    r.description = get<Label>("Label1", k - 1);
    r.equals = get<Label>("Label5", k);
    for (const Ref& number : {names.first, names.second})
        if (number.name)
            r.numbers.append(get<Label>(QString::fromLatin1(number.name), number.index));
    r.change = get<CommandButton>(QString::fromLatin1(names.change));
    r.check = get<CommandButton>(QString::fromLatin1(names.check));
    for (int j = 0; j < names.answerLabels; ++j)
        r.answer.append(get<Label>(QString::fromLatin1(names.answer), j));
    return r;
}

void frmgrop3::Form_Load() {
    AlignRows();
    for (TextBox* box : std::as_const(boxes_))
        box->setBorderStyle(kNoBorder);
    for (int k = 1; k <= kProblemCount; ++k)
        FitNumbersOverBlanks(k);
}

// ---------------------------------------------------------------- buttons

void frmgrop3::Command14_Click() {
    solution_->setEnabled(true);
    ResetTallies();
    for (int k : newProblemOrder())
        ChangeProblem(k);
}

void frmgrop3::Command10_Click() {
    Command14_Click();
    ResetTallies();
}

void frmgrop3::Command11_Click() {
    tallies_[kElementsTally]->setCaption(QStringLiteral("0"));
    solution_->setEnabled(false);
    for (int k = 1; k <= kProblemCount; ++k)
        CheckProblem(k);
    Command2_Click();
}

// The score: wrong boxes cost a point, correct ones earn one, a problem with a
// repeated element earns one for all its repeats; then the share of the
// elements the answer panel shows.
void frmgrop3::Command2_Click() {
    ResetTallies();
    std::vector<BoxMark> marks;
    for (int i = 0; i < kBoxCount; ++i)
        marks.push_back({rowOfBox(i), boxes_[i]->text(), markOf(Rgb(boxes_[i]->backColor().rgb()))});
    const expressing::Tally tally = tallyBoxes(marks);
    tallies_[kCorrectTally]->setCaption(QString::number(tally.correct));
    for (int p = 0; p < kProblemCount; ++p)
        tallies_[kFirstRepeatTally + p]->setCaption(QString::number(tally.repeated[p]));
    tallies_[kScoreTally]->setCaption(QString::number(tally.score));
    // Its change shows the percentage.
    tallies_[kElementsTally]->setCaption(QString::number(ElementsShown()));
}

// ---------------------------------------------------------------- entry grid

void frmgrop3::Text1_Click(int index) {
    SelectBox(index);
}

void frmgrop3::Text1_GotFocus(int index) {
    SelectBox(index);
}

// A box written in shows an opening brace or a comma on its right and a
// closing brace on its left.
void frmgrop3::Text1_Change(int index) {
    const int first = firstBoxOfRow(rowOfBox(index));
    for (const lessons::SeparatorSign& s : lessons::liveBraces(separatorRightOf(first), index - first))
        separators_[s.index]->setCaption(s.caption);
}

void frmgrop3::Label23_Click(int index) {
    separators_[index]->setCaption(nextSeparator(separators_[index]->caption()));
}

// The digit goes into every bordered box; the box after the last of them is
// selected once all are written.
void frmgrop3::Label28_Click(int index) {
    const QString digit = digits_[index]->caption();
    int next = -1;
    for (int i = 0; i < kBoxCount; ++i) {
        if (boxes_[i]->borderStyle() != kBorder)
            continue;
        boxes_[i]->setText(digit);
        if (i + 1 < kBoxCount)
            next = i + 1;
    }
    if (next < 0)
        return;
    SelectBox(next);
    moveFocusTo(boxes_[next]);
}

void frmgrop3::Label29_Change(int index) {
    if (index != kElementsTally)
        return;
    const int elements = tallies_[kElementsTally]->caption().toInt();
    if (const std::optional<int> pct = percentage(tallies_[kScoreTally]->caption().toInt(), elements))
        tallies_[kPercentTally]->setCaption(QString::number(*pct));
}

// ---------------------------------------------------------------- private steps

// Every control of a row stands at the top of the row's change button.
void frmgrop3::AlignRows() {
    for (int k = 1; k <= kProblemCount; ++k) {
        const Row& r = row(k);
        const int top = r.change->top();
        r.description->setTop(top);
        r.equals->setTop(top);
        for (Label* n : r.numbers)
            n->setTop(top);
        const int first = firstBoxOfRow(k);
        for (int i = first; i < first + boxCountOfRow(k); ++i) {
            boxes_[i]->setTop(top);
            separators_[separatorRightOf(i)]->setTop(top);
            separators_[separatorLeftOf(i)]->setTop(top);
        }
        r.check->setTop(top);
        for (Label* label : r.answer)
            label->setTop(top);
    }
}

// The description leaves runs of blanks where its numbers go: the first number
// sits in the middle of the first run, the second in the second; a number with
// no run of its own, or whose run ends the description, follows the last word.
// A run too narrow for its number and a clear gap each side is widened, so a
// number never touches a word.
void frmgrop3::FitNumbersOverBlanks(int k) {
    Label* description = row(k).description;
    const QList<Label*>& numbers = row(k).numbers;
    const int end = int(description->caption().size());
    const QList<std::pair<int, int>> runs = description->blankRuns();
    // In pixels of the stored size, as the description measures: the places keep
    // their twips at any zoom.
    const twips::Scale stored;
    const int gap = stored.toPx(kNumberGap);
    const auto inner = [&](int n) { return n < runs.size() && runs[n].second < end; };

    QList<double> needed;
    for (int n = 0; n < numbers.size(); ++n)
        needed.append(inner(n) ? stored.toPx(numbers[n]->twips()).width() + 2 * gap : 0);
    description->widenBlankRuns(needed, kMostBlankSpacing);

    for (int n = 0; n < numbers.size(); ++n) {
        Label* label = numbers[n];
        const int width = stored.toPx(label->twips()).width();
        int right; // pixels from the description's left edge
        if (inner(n)) {
            const double centre =
                (description->captionX(runs[n].first) + description->captionX(runs[n].second)) / 2;
            right = qRound(centre + width / 2.0);
        } else {
            const int start = n < runs.size() ? runs[n].first : end;
            right = int(std::floor(description->captionX(start))) - gap;
        }
        label->setLeft(description->left() + stored.fromPx(right - width));
    }
}

// A problem with new numbers can be checked again; the numbers find their
// places over the description anew, as their widths may have changed.
void frmgrop3::NumbersChanged(int k) {
    row(k).check->setEnabled(true);
    FitNumbersOverBlanks(k);
    NameProblem(k);
}

void frmgrop3::NameRows() {
    for (int k = 1; k <= kProblemCount; ++k) {
        const QList<TextBox*> boxes = BoxesOf(k);
        const int n = int(boxes.size());
        for (int j = 0; j < n; ++j) {
            boxes[j]->setSpokenName(spokenBox(k, j, n));
            separators_[separatorRightOf(firstBoxOfRow(k) + j)]->setSpokenName(spokenSeparator(k, j, n));
        }
        separators_[separatorLeftOf(firstBoxOfRow(k) + n - 1)]->setSpokenName(spokenSeparator(k, n, n));
        NameProblem(k);
    }
}

// Each number says itself, then the whole problem it belongs to.
void frmgrop3::NameProblem(int k) {
    const Row& r = row(k);
    QStringList numbers;
    for (const Label* n : r.numbers)
        numbers.append(n->caption().trimmed());
    const QString statement = spokenStatement(r.description->caption(), numbers);
    for (Label* n : r.numbers)
        n->setSpokenName(QStringLiteral("%1: ") + statement);
}

void frmgrop3::SayOutcome(int k) {
    std::vector<Mark> marks;
    QStringList texts;
    for (const TextBox* box : BoxesOf(k)) {
        marks.push_back(markOf(Rgb(box->backColor().rgb())));
        texts.append(box->text());
    }
    announce(spokenOutcome(marks, texts));
}

Numbers frmgrop3::NumbersOf(int k) const {
    const QList<Label*>& labels = row(k).numbers;
    Numbers x;
    x.a = labels.value(0) ? labels[0]->caption().trimmed().toInt() : 0;
    x.b = labels.value(1) ? labels[1]->caption().trimmed().toInt() : 0;
    return x;
}

// Both numbers of the problem move on together; the old answer goes away.
void frmgrop3::StepProblem(int k) {
    const Numbers x = step(problemOfRow(k), NumbersOf(k));
    const QList<Label*>& labels = row(k).numbers;
    labels[0]->setCaption(QString::number(x.a));
    if (labels.size() > 1)
        labels[1]->setCaption(QString::number(x.b));
    HideAnswerRow(k);
    // The digits row gets back the commas an emptied duplicate took away.
    if (k == rowOf(Problem::DigitsOfNumber))
        WriteDigitsSeparators({});
}

// A new problem starts with empty black boxes; a box's border stays as it was.
void frmgrop3::ChangeProblem(int k) {
    for (TextBox* box : BoxesOf(k)) {
        box->setText(QString());
        box->setBackColor(kNeutral);
    }
    StepProblem(k);
}

void frmgrop3::WriteDigitsSeparators(const QStringList& texts) {
    const QList<Label*>& answer = row(rowOf(Problem::DigitsOfNumber)).answer;
    const auto separators = digitsSeparators(texts);
    for (int j = 1; j <= kDigitsSeparators; ++j)
        answer[2 * j]->setCaption(separators[j - 1]);
}

void frmgrop3::HideAnswerRow(int k) {
    for (Label* label : row(k).answer)
        label->setVisible(false);
}

void frmgrop3::ShowCorrectSet(int k) {
    const QList<Label*>& answer = row(k).answer;
    const CorrectSet set = correctSet(problemOfRow(k), NumbersOf(k));
    const int closing = int(answer.size()) - 1;
    for (int j = 0; j < set.texts.size() && 2 * j + 1 < closing; ++j)
        answer[2 * j + 1]->setCaption(set.texts[j]);

    if (k == rowOf(Problem::DigitsOfNumber)) {
        // An emptied duplicate takes its separator with it; the row closes up.
        WriteDigitsSeparators(set.texts);
        for (int j = 1; j <= closing; ++j)
            answer[j]->setLeft(answer[j - 1]->left() - answer[j]->twipsWidth());
        for (Label* label : answer)
            label->setVisible(true);
        return;
    }

    // The shown elements close up from the "{" leftwards; "}" touches the last one.
    const int m = set.count;
    Label* opening = answer[0];
    Label* close = answer[closing];
    opening->setVisible(true);
    for (int j = 1; j <= 2 * m - 1; ++j) {
        answer[j]->setLeft(answer[j - 1]->left() - answer[j]->twipsWidth());
        answer[j]->setVisible(true);
    }
    if (m == 0)
        close->setLeft(opening->left() - close->twipsWidth() - kEmptySetGap);
    else
        close->setLeft(answer[2 * m - 1]->left() - close->twipsWidth());
    close->setVisible(true);
}

// The rules judge the row; the screen shows their marks and messages.
void frmgrop3::CheckProblem(int k) {
    row(k).check->setEnabled(false);
    ShowCorrectSet(k);
    const QList<TextBox*> boxes = BoxesOf(k);
    QStringList texts;
    for (const TextBox* box : boxes)
        texts.append(box->text());
    const RowJudgement judged = judgeRow(problemOfRow(k), NumbersOf(k), texts);
    for (qsizetype j = 0; j < boxes.size(); ++j) {
        if (const auto mark = judged.boxes[j].mark)
            boxes[j]->judge(QColor::fromRgb(colorOf(*mark).value), spokenMark(*mark, texts[j]));
        if (const auto border = judged.boxes[j].border)
            boxes[j]->setBorderStyle(*border ? kBorder : kNoBorder);
    }
    wrongNote_->setVisible(judged.wrong);
    repeatNote_->setVisible(judged.repeated);
}

// The chosen box turns blue with a border; its row loses its marks and the
// whole grid its borders.
void frmgrop3::SelectBox(int index) {
    for (TextBox* box : BoxesOf(rowOfBox(index)))
        box->setBackColor(kNeutral);
    for (TextBox* box : std::as_const(boxes_))
        box->setBorderStyle(kNoBorder);
    boxes_[index]->setBorderStyle(kBorder);
    boxes_[index]->setBackColor(kSelected);
}

void frmgrop3::ResetTallies() {
    for (int t = kScoreTally; t <= kPercentTally; ++t)
        tallies_[t]->setCaption(QStringLiteral("0"));
}

// Elements of the answer panel that the pupil can see: emptied duplicates,
// braces and commas do not count.
int frmgrop3::ElementsShown() const {
    int shown = 0;
    for (const Row& r : rows_)
        for (qsizetype j = 1; j < r.answer.size() - 1; j += 2)
            if (!r.answer[j]->isHidden() && !r.answer[j]->caption().isEmpty())
                ++shown;
    return shown;
}

QList<TextBox*> frmgrop3::BoxesOf(int k) const {
    return boxes_.mid(firstBoxOfRow(k), boxCountOfRow(k));
}

} // namespace sd
