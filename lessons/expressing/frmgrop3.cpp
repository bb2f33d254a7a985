#include "lessons/expressing/frmgrop3.h"

#include "app/twips.h"

#include <cmath>

namespace sd {

using namespace expressing;

namespace {

const QColor kNeutral = QColor::fromRgb(colorOf(Mark::Black));
const QColor kSelected = QColor::fromRgb(colorOf(Mark::Other));

constexpr int kNoBorder = 0;
constexpr int kBorder = 1;

// Clear space between a number and the words beside it.
constexpr int kNumberGap = 90;
// Pixels added to each blank of a run, at most, to make room for its number.
constexpr int kMostBlankSpacing = 12;
// Room left between "{" and "}" of an empty set.
constexpr int kEmptySetGap = 200;

struct RowNames {
    const char* change;
    const char* check;
    const char* answer;
    int answerLabels;
};

constexpr RowNames kRows[kProblemCount] = {
    {"Cmd1", "Command1", "Label15", 11}, {"cmd2", "Command3", "Label16", 15},
    {"Cmd3", "Command4", "Label17", 15}, {"Cmd4", "Command5", "Label18", 15},
    {"Cmd5", "Command6", "Label19", 13}, {"Cmd6", "Command7", "Label20", 13},
    {"Cmd7", "Command8", "Label21", 9},  {"Cmd8", "Command9", "Label22", 13},
};

const RowNames& names(int row) {
    return kRows[std::clamp(row, 1, kProblemCount) - 1];
}

const QString kFirstRowSeparator = QStringLiteral(" ، ");

} // namespace

frmgrop3::frmgrop3(Navigator* navigator) : Screen(frmgrop3Layout(), navigator) {
    using B = QAbstractButton;
    on<Label>("Label2", &Label::clicked, [this] { Label2_Click(); });
    on<Label>("Label3", &Label::clicked, [this] { Label3_Click(); });
    on<Label>("Label4", &Label::clicked, [this] { Label4_Click(); });
    onArray<Label>("Label5", &Label::clicked, [this](int i) { Label5_Click(i); });
    on<Label>("Label6", &Label::clicked, [this] { Label6_Click(); });
    on<Label>("Label7", &Label::clicked, [this] { Label7_Click(); });
    on<Label>("Label8", &Label::clicked, [this] { Label8_Click(); });
    on<Label>("Label9", &Label::clicked, [this] { Label9_Click(); });
    on<Label>("Label10", &Label::clicked, [this] { Label10_Click(); });
    on<Label>("Label11", &Label::clicked, [this] { Label11_Click(); });
    on<Label>("Label12", &Label::clicked, [this] { Label12_Click(); });
    on<Label>("Label13", &Label::clicked, [this] { Label13_Click(); });
    on<Label>("Label14", &Label::clicked, [this] { Label14_Click(); });

    on<Label>("Label2", &Label::captionChanged, [this] { Label2_Change(); });
    on<Label>("Label3", &Label::captionChanged, [this] { Label3_Change(); });
    on<Label>("Label4", &Label::captionChanged, [this] { Label4_Change(); });
    onArray<Label>("Label5", &Label::captionChanged, [this](int i) { Label5_Change(i); });
    on<Label>("Label6", &Label::captionChanged, [this] { Label6_Change(); });
    on<Label>("Label7", &Label::captionChanged, [this] { Label7_Change(); });
    on<Label>("Label8", &Label::captionChanged, [this] { Label8_Change(); });
    on<Label>("Label9", &Label::captionChanged, [this] { Label9_Change(); });
    on<Label>("Label10", &Label::captionChanged, [this] { Label10_Change(); });
    on<Label>("Label11", &Label::captionChanged, [this] { Label11_Change(); });
    on<Label>("Label12", &Label::captionChanged, [this] { Label12_Change(); });
    on<Label>("Label13", &Label::captionChanged, [this] { Label13_Change(); });
    on<Label>("Label14", &Label::captionChanged, [this] { Label14_Change(); });

    on<CommandButton>("Cmd1", &B::clicked, [this] { Cmd1_Click(); });
    on<CommandButton>("cmd2", &B::clicked, [this] { cmd2_Click(); });
    on<CommandButton>("Cmd3", &B::clicked, [this] { Cmd3_Click(); });
    on<CommandButton>("Cmd4", &B::clicked, [this] { Cmd4_Click(); });
    on<CommandButton>("Cmd5", &B::clicked, [this] { Cmd5_Click(); });
    on<CommandButton>("Cmd6", &B::clicked, [this] { Cmd6_Click(); });
    on<CommandButton>("Cmd7", &B::clicked, [this] { Cmd7_Click(); });
    on<CommandButton>("Cmd8", &B::clicked, [this] { Cmd8_Click(); });

    on<CommandButton>("Command1", &B::clicked, [this] { Command1_Click(); });
    on<CommandButton>("Command3", &B::clicked, [this] { Command3_Click(); });
    on<CommandButton>("Command4", &B::clicked, [this] { Command4_Click(); });
    on<CommandButton>("Command5", &B::clicked, [this] { Command5_Click(); });
    on<CommandButton>("Command6", &B::clicked, [this] { Command6_Click(); });
    on<CommandButton>("Command7", &B::clicked, [this] { Command7_Click(); });
    on<CommandButton>("Command8", &B::clicked, [this] { Command8_Click(); });
    on<CommandButton>("Command9", &B::clicked, [this] { Command9_Click(); });

    on<CommandButton>("Command14", &B::clicked, [this] { Command14_Click(); });
    on<CommandButton>("Command10", &B::clicked, [this] { Command10_Click(); });
    on<CommandButton>("Command11", &B::clicked, [this] { Command11_Click(); });
    on<CommandButton>("Command2", &B::clicked, [this] { Command2_Click(); });
    on<CommandButton>("Command12", &B::clicked, [this] { Command12_Click(); });

    onArray<TextBox>("Text1", &TextBox::clicked, [this](int i) { Text1_Click(i); });
    onArray<TextBox>("Text1", &TextBox::gotFocus, [this](int i) { Text1_GotFocus(i); });
    onArray<TextBox>("Text1", &QLineEdit::textChanged, [this](int i) { Text1_Change(i); });
    onArray<Label>("Label23", &Label::clicked, [this](int i) { Label23_Click(i); });
    onArray<Label>("Label28", &Label::clicked, [this](int i) { Label28_Click(i); });
    onArray<Label>("Label29", &Label::captionChanged, [this](int i) { Label29_Change(i); });
    on<Image>("Image1", &Image::doubleClicked, [this] { Image1_DblClick(); });
}

void frmgrop3::Form_Load() {
    AlignRows();
    for (int i = 0; i < kBoxCount; ++i)
        if (TextBox* box = Box(i))
            box->setBorderStyle(kNoBorder);
    for (int row = 1; row <= kProblemCount; ++row)
        FitNumbersOverBlanks(row);
}

// ---------------------------------------------------------------- number labels

void frmgrop3::Label2_Click() {
    StepProblem(1);
}
void frmgrop3::Label3_Click() {
    StepProblem(2);
}
void frmgrop3::Label4_Click() {
    StepProblem(2);
}
// Element 0 is the first number of problem 3; the others are "=" signs.
void frmgrop3::Label5_Click(int index) {
    if (index == 0)
        StepProblem(3);
}
void frmgrop3::Label6_Click() {
    StepProblem(3);
}
void frmgrop3::Label7_Click() {
    StepProblem(4);
}
void frmgrop3::Label8_Click() {
    StepProblem(5);
}
void frmgrop3::Label9_Click() {
    StepProblem(5);
}
void frmgrop3::Label10_Click() {
    StepProblem(6);
}
void frmgrop3::Label11_Click() {
    StepProblem(6);
}
void frmgrop3::Label12_Click() {
    StepProblem(7);
}
void frmgrop3::Label13_Click() {
    StepProblem(7);
}
void frmgrop3::Label14_Click() {
    StepProblem(8);
}

void frmgrop3::Label2_Change() {
    NumbersChanged(1);
}
void frmgrop3::Label3_Change() {
    NumbersChanged(2);
}
void frmgrop3::Label4_Change() {
    NumbersChanged(2);
}
void frmgrop3::Label5_Change(int) {
    NumbersChanged(3);
}
void frmgrop3::Label6_Change() {
    NumbersChanged(3);
}
void frmgrop3::Label7_Change() {
    NumbersChanged(4);
}
void frmgrop3::Label8_Change() {
    NumbersChanged(5);
}
void frmgrop3::Label9_Change() {
    NumbersChanged(5);
}
void frmgrop3::Label10_Change() {
    NumbersChanged(6);
}
void frmgrop3::Label11_Change() {
    NumbersChanged(6);
}
void frmgrop3::Label12_Change() {
    NumbersChanged(7);
}
void frmgrop3::Label13_Change() {
    NumbersChanged(7);
}
void frmgrop3::Label14_Change() {
    NumbersChanged(8);
}

// ---------------------------------------------------------------- buttons

void frmgrop3::Cmd1_Click() {
    ChangeProblem(1);
}
void frmgrop3::cmd2_Click() {
    ChangeProblem(2);
}
void frmgrop3::Cmd3_Click() {
    ChangeProblem(3);
}
void frmgrop3::Cmd4_Click() {
    ChangeProblem(4);
}
void frmgrop3::Cmd5_Click() {
    ChangeProblem(5);
}
void frmgrop3::Cmd6_Click() {
    ChangeProblem(6);
}
void frmgrop3::Cmd7_Click() {
    ChangeProblem(7);
}
void frmgrop3::Cmd8_Click() {
    ChangeProblem(8);
}

void frmgrop3::Command1_Click() {
    CheckProblem(1);
}
void frmgrop3::Command3_Click() {
    CheckProblem(2);
}
void frmgrop3::Command4_Click() {
    CheckProblem(3);
}
void frmgrop3::Command5_Click() {
    CheckProblem(4);
}
void frmgrop3::Command6_Click() {
    CheckProblem(5);
}
void frmgrop3::Command7_Click() {
    CheckProblem(6);
}
void frmgrop3::Command8_Click() {
    CheckProblem(7);
}
void frmgrop3::Command9_Click() {
    CheckProblem(8);
}

void frmgrop3::Command14_Click() {
    get<CommandButton>("Command11")->setEnabled(true);
    ResetTallies();
    for (int row : {1, 3, 4, 5, 6, 7, 8, 2})
        ChangeProblem(row);
}

void frmgrop3::Command10_Click() {
    Command14_Click();
    ResetTallies();
}

void frmgrop3::Command11_Click() {
    Tally(10)->setCaption(QStringLiteral("0"));
    get<CommandButton>("Command11")->setEnabled(false);
    for (int row = 1; row <= kProblemCount; ++row)
        CheckProblem(row);
    Command2_Click();
}

// The score: wrong boxes cost a point, correct ones earn one, a problem with a
// repeated element earns one for all its repeats; then the share of the
// elements the answer panel shows.
void frmgrop3::Command2_Click() {
    ResetTallies();
    std::vector<BoxMark> boxes;
    for (int i = 0; i < kBoxCount; ++i)
        boxes.push_back({rowOfBox(i), Box(i)->text(), markOf(Box(i)->backColor().rgb())});
    const expressing::Tally tally = tallyBoxes(boxes);
    Tally(1)->setCaption(QString::number(tally.correct));
    for (int p = 0; p < kProblemCount; ++p)
        Tally(p + 2)->setCaption(QString::number(tally.repeated[p]));
    Tally(0)->setCaption(QString::number(tally.score));
    // Its change shows the percentage.
    Tally(10)->setCaption(QString::number(ElementsShown()));
}

void frmgrop3::Command12_Click() {
    unloadMe();
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
    const int row = rowOfBox(index);
    const bool first = index == firstBoxOfRow(row);
    get<Label>("Label23", separatorRightOf(index))
        ->setCaption(first ? QStringLiteral("{") : QStringLiteral("،"));
    get<Label>("Label23", separatorLeftOf(index))->setCaption(QStringLiteral("}"));
}

void frmgrop3::Label23_Click(int index) {
    Label* separator = get<Label>("Label23", index);
    separator->setCaption(nextSeparator(separator->caption()));
}

// The digit goes into every bordered box; the box after the last of them is
// selected once all are written.
void frmgrop3::Label28_Click(int index) {
    const QString digit = get<Label>("Label28", index)->caption();
    int next = -1;
    for (int i = 0; i < kBoxCount; ++i) {
        TextBox* box = Box(i);
        if (box->borderStyle() != kBorder)
            continue;
        box->setText(digit);
        if (i + 1 < kBoxCount)
            next = i + 1;
    }
    if (next < 0)
        return;
    SelectBox(next);
    Box(next)->setFocus(Qt::OtherFocusReason);
}

void frmgrop3::Label29_Change(int index) {
    if (index != 10)
        return;
    const int elements = Tally(10)->caption().toInt();
    if (const std::optional<int> pct = percentage(Tally(0)->caption().toInt(), elements))
        Tally(11)->setCaption(QString::number(*pct));
}

void frmgrop3::Image1_DblClick() {
    Label* credit = get<Label>("Label30");
    credit->setVisible(credit->isHidden());
}

// ---------------------------------------------------------------- private steps

// Every control of a row stands at the top of the row's change button.
void frmgrop3::AlignRows() {
    for (int row = 1; row <= kProblemCount; ++row) {
        const int top = ChangeButton(row)->top();
        get<Label>("Label1", row - 1)->setTop(top);
        get<Label>("Label5", row)->setTop(top);
        for (Label* n : NumberLabels(row))
            n->setTop(top);
        const int first = firstBoxOfRow(row);
        for (int i = first; i < first + boxCountOfRow(row); ++i) {
            Box(i)->setTop(top);
            get<Label>("Label23", separatorRightOf(i))->setTop(top);
            get<Label>("Label23", separatorLeftOf(i))->setTop(top);
        }
        CheckButton(row)->setTop(top);
        for (int j = 0; j < AnswerLabelCount(row); ++j)
            AnswerLabel(row, j)->setTop(top);
    }
}

// The description leaves runs of blanks where its numbers go: the first number
// sits in the middle of the first run, the second in the second; a number with
// no run of its own, or whose run ends the description, follows the last word.
// A run too narrow for its number and a clear gap each side is widened, so a
// number never touches a word.
void frmgrop3::FitNumbersOverBlanks(int row) {
    Label* description = get<Label>("Label1", row - 1);
    const int end = int(description->caption().size());
    const QList<std::pair<int, int>> runs = description->blankRuns();
    const QList<Label*> numbers = NumberLabels(row);
    const int gap = twips::toPx(kNumberGap);
    const auto inner = [&](int n) { return n < runs.size() && runs[n].second < end; };

    QList<double> needed;
    for (int n = 0; n < numbers.size(); ++n)
        needed.append(inner(n) ? numbers[n]->width() + 2 * gap : 0);
    description->widenBlankRuns(needed, kMostBlankSpacing);

    for (int n = 0; n < numbers.size(); ++n) {
        Label* label = numbers[n];
        const int width = label->width();
        int right; // pixels from the description's left edge
        if (inner(n)) {
            const double centre =
                (description->captionX(runs[n].first) + description->captionX(runs[n].second)) / 2;
            right = qRound(centre + width / 2.0);
        } else {
            const int start = n < runs.size() ? runs[n].first : end;
            right = int(std::floor(description->captionX(start))) - gap;
        }
        label->setLeft(description->left() + twips::fromPx(right - width));
    }
}

// A problem with new numbers can be checked again; the numbers find their
// places over the description anew, as their widths may have changed.
void frmgrop3::NumbersChanged(int row) {
    CheckButton(row)->setEnabled(true);
    FitNumbersOverBlanks(row);
}

Numbers frmgrop3::NumbersOf(int row) const {
    const QList<Label*> labels = NumberLabels(row);
    Numbers x;
    x.a = labels.value(0) ? labels[0]->caption().trimmed().toInt() : 0;
    x.b = labels.value(1) ? labels[1]->caption().trimmed().toInt() : 0;
    return x;
}

// Both numbers of the problem move on together; the old answer goes away.
void frmgrop3::StepProblem(int row) {
    const Problem p = problemOfRow(row);
    const Numbers x = step(p, NumbersOf(row));
    const QList<Label*> labels = NumberLabels(row);
    labels[0]->setCaption(QString::number(x.a));
    if (labels.size() > 1)
        labels[1]->setCaption(QString::number(x.b));
    HideAnswerRow(row);
    if (row == 1)
        for (int s = 2; s <= 8; s += 2)
            AnswerLabel(1, s)->setCaption(kFirstRowSeparator);
}

// A new problem starts with empty black boxes; a box's border stays as it was.
void frmgrop3::ChangeProblem(int row) {
    const int first = firstBoxOfRow(row);
    for (int i = first; i < first + boxCountOfRow(row); ++i) {
        Box(i)->setText(QString());
        Box(i)->setBackColor(kNeutral);
    }
    StepProblem(row);
}

void frmgrop3::HideAnswerRow(int row) {
    for (int j = 0; j < AnswerLabelCount(row); ++j)
        AnswerLabel(row, j)->setVisible(false);
}

void frmgrop3::ShowCorrectSet(int row) {
    const CorrectSet set = correctSet(problemOfRow(row), NumbersOf(row));
    for (int j = 0; j < set.texts.size() && 2 * j + 1 < AnswerLabelCount(row) - 1; ++j)
        AnswerLabel(row, 2 * j + 1)->setCaption(set.texts[j]);
    const int closing = AnswerLabelCount(row) - 1;

    if (row == 1) {
        // An emptied duplicate takes its separator with it; the row closes up.
        for (int j = 1; j < set.texts.size(); ++j)
            if (set.texts[j].isEmpty())
                AnswerLabel(1, 2 * j)->setCaption(QString());
        for (int j = 1; j <= closing; ++j)
            AnswerLabel(1, j)->setLeft(AnswerLabel(1, j - 1)->left() - AnswerLabel(1, j)->twipsWidth());
        for (int j = 0; j <= closing; ++j)
            AnswerLabel(1, j)->setVisible(true);
        return;
    }

    // The shown elements close up from the "{" leftwards; "}" touches the last one.
    const int m = set.count;
    Label* opening = AnswerLabel(row, 0);
    Label* close = AnswerLabel(row, closing);
    opening->setVisible(true);
    for (int j = 1; j <= 2 * m - 1; ++j) {
        Label* label = AnswerLabel(row, j);
        label->setLeft(AnswerLabel(row, j - 1)->left() - label->twipsWidth());
        label->setVisible(true);
    }
    if (m == 0) {
        close->setLeft(opening->left() - close->twipsWidth() - kEmptySetGap);
    } else {
        Label* last = AnswerLabel(row, 2 * m - 1);
        close->setLeft(last->left() - close->twipsWidth());
    }
    close->setVisible(true);
}

// The rules judge the row; the screen shows their marks and messages.
void frmgrop3::CheckProblem(int row) {
    CheckButton(row)->setEnabled(false);
    ShowCorrectSet(row);
    const int first = firstBoxOfRow(row);
    QStringList texts;
    for (int i = first; i < first + boxCountOfRow(row); ++i)
        texts.append(Box(i)->text());
    const RowJudgement judged = judgeRow(problemOfRow(row), NumbersOf(row), texts);
    for (int j = 0; j < int(judged.boxes.size()); ++j) {
        TextBox* box = Box(first + j);
        if (const auto mark = judged.boxes[j].mark)
            box->setBackColor(QColor::fromRgb(colorOf(*mark)));
        if (const auto border = judged.boxes[j].border)
            box->setBorderStyle(*border ? kBorder : kNoBorder);
    }
    get<Label>("Label24")->setVisible(judged.wrong);
    get<Label>("Label25")->setVisible(judged.repeated);
}

// The chosen box turns blue with a border; its row loses its marks and the
// whole grid its borders.
void frmgrop3::SelectBox(int index) {
    const int row = rowOfBox(index);
    const int first = firstBoxOfRow(row);
    for (int i = first; i < first + boxCountOfRow(row); ++i) {
        Box(i)->setBackColor(kNeutral);
        Box(i)->setBorderStyle(kNoBorder);
    }
    for (int i = 0; i < kBoxCount; ++i)
        Box(i)->setBorderStyle(kNoBorder);
    Box(index)->setBorderStyle(kBorder);
    Box(index)->setBackColor(kSelected);
}

void frmgrop3::ResetTallies() {
    for (int t = 0; t <= 11; ++t)
        Tally(t)->setCaption(QStringLiteral("0"));
}

// Elements of the answer panel that the pupil can see: emptied duplicates,
// braces and commas do not count.
int frmgrop3::ElementsShown() const {
    int shown = 0;
    for (int row = 1; row <= kProblemCount; ++row)
        for (int j = 1; j < AnswerLabelCount(row) - 1; j += 2) {
            const Label* slot = AnswerLabel(row, j);
            if (!slot->isHidden() && !slot->caption().isEmpty())
                ++shown;
        }
    return shown;
}

QList<Label*> frmgrop3::NumberLabels(int row) const {
    switch (row) {
    case 1:
        return {get<Label>("Label2")};
    case 2:
        return {get<Label>("Label3"), get<Label>("Label4")};
    case 3:
        return {get<Label>("Label5", 0), get<Label>("Label6")};
    case 4:
        return {get<Label>("Label7")};
    case 5:
        return {get<Label>("Label8"), get<Label>("Label9")};
    case 6:
        return {get<Label>("Label10"), get<Label>("Label11")};
    case 7:
        return {get<Label>("Label12"), get<Label>("Label13")};
    default:
        return {get<Label>("Label14")};
    }
}

Label* frmgrop3::AnswerLabel(int row, int index) const {
    return get<Label>(QString::fromLatin1(names(row).answer), index);
}

int frmgrop3::AnswerLabelCount(int row) const {
    return names(row).answerLabels;
}

CommandButton* frmgrop3::ChangeButton(int row) const {
    return get<CommandButton>(QString::fromLatin1(names(row).change));
}

CommandButton* frmgrop3::CheckButton(int row) const {
    return get<CommandButton>(QString::fromLatin1(names(row).check));
}

TextBox* frmgrop3::Box(int index) const {
    return get<TextBox>(QStringLiteral("Text1"), index);
}

Label* frmgrop3::Tally(int index) const {
    return get<Label>(QStringLiteral("Label29"), index);
}

} // namespace sd
