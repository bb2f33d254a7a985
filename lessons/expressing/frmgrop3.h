#pragma once
// The expressing-sets drill: eight set descriptions whose numbers step when
// clicked, a grid of entry boxes where the pupil lists each set between live
// braces and commas, a check per row that shows the correct set and colours the
// boxes, and a solution button that checks everything and gives a percentage.
// The drill's whole state lives in its controls.

#include "app/screen.h"
#include "lessons/expressing/expressing_rules.h"

#include <array>

namespace sd {

const ScreenLayout& frmgrop3Layout();

class frmgrop3 : public Screen {
    Q_OBJECT
public:
    explicit frmgrop3(Navigator* navigator);
    static const ScreenLayout& storedLayout() { return frmgrop3Layout(); }

protected:
    void Form_Load() override;

private:
    // One problem's row, its controls found once when the screen is built.
    struct Row {
        Label* description = nullptr;
        Label* equals = nullptr;
        QList<Label*> numbers; // clicked, they step the problem
        CommandButton* change = nullptr;
        CommandButton* check = nullptr;
        QList<Label*> answer; // "{", the elements with commas between, "}"
    };

    void Command14_Click(); // new problems
    void Command10_Click(); // clear
    void Command11_Click(); // solution
    void Command2_Click();  // score

    void Text1_Click(int index);
    void Text1_GotFocus(int index);
    void Text1_Change(int index);
    void Label23_Click(int index);
    void Label28_Click(int index);
    void Label29_Change(int index);

    // ---- Private steps ----
    void AlignRows();
    void FitNumbersOverBlanks(int row);
    void NumbersChanged(int row);
    expressing::Numbers NumbersOf(int row) const;
    void StepProblem(int row);
    void ChangeProblem(int row);
    void HideAnswerRow(int row);
    void WriteDigitsSeparators(const QStringList& texts);
    void ShowCorrectSet(int row);
    void CheckProblem(int row);
    // What a screen reader says: each box and separator by its problem and place,
    // each number with its problem's statement, the outcome of a check.
    void NameRows();
    void NameProblem(int row);
    void SayOutcome(int row);
    void SelectBox(int index);
    void ResetTallies();
    int ElementsShown() const;

    Row FindRow(int k) const; // from the row table, once
    const Row& row(int k) const { return rows_[k - 1]; }
    QList<TextBox*> BoxesOf(int row) const;

    std::array<Row, expressing::kProblemCount> rows_;
    QList<TextBox*> boxes_;             // Text1
    QList<Label*> separators_;          // Label23
    QList<Label*> digits_;              // Label28, the palette
    QList<Label*> tallies_;             // Label29
    Label* wrongNote_ = nullptr;        // Label24
    Label* repeatNote_ = nullptr;       // Label25
    CommandButton* solution_ = nullptr; // Command11
};

} // namespace sd
