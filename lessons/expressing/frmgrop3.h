#pragma once
// The expressing-sets drill: eight set descriptions whose numbers step when
// clicked, a grid of entry boxes where the pupil lists each set between live
// braces and commas, a check per row that shows the correct set and colours the
// boxes, and a solution button that checks everything and gives a percentage.
// The drill's whole state lives in its controls.

#include "app/screen.h"
#include "lessons/expressing/expressing_rules.h"

namespace sd {

const ScreenLayout& frmgrop3Layout();

class frmgrop3 : public Screen {
    Q_OBJECT
public:
    explicit frmgrop3(Navigator* navigator);

protected:
    void Form_Load() override;

private:
    // Number labels: a click steps the problem, a change re-enables its check.
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click(int index);
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void Label10_Click();
    void Label11_Click();
    void Label12_Click();
    void Label13_Click();
    void Label14_Click();
    void Label2_Change();
    void Label3_Change();
    void Label4_Change();
    void Label5_Change(int index);
    void Label6_Change();
    void Label7_Change();
    void Label8_Change();
    void Label9_Change();
    void Label10_Change();
    void Label11_Change();
    void Label12_Change();
    void Label13_Change();
    void Label14_Change();

    // Change buttons.
    void Cmd1_Click();
    void cmd2_Click();
    void Cmd3_Click();
    void Cmd4_Click();
    void Cmd5_Click();
    void Cmd6_Click();
    void Cmd7_Click();
    void Cmd8_Click();

    // Check buttons.
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();

    void Command14_Click(); // new problems
    void Command10_Click(); // clear
    void Command11_Click(); // solution
    void Command2_Click();  // score
    void Command12_Click(); // exit

    void Text1_Click(int index);
    void Text1_GotFocus(int index);
    void Text1_Change(int index);
    void Label23_Click(int index);
    void Label28_Click(int index);
    void Label29_Change(int index);
    void Image1_DblClick();

    // ---- Private steps ----
    void AlignRows();
    void FitNumbersOverBlanks(int row);
    void NumbersChanged(int row);
    expressing::Numbers NumbersOf(int row) const;
    void StepProblem(int row);
    void ChangeProblem(int row);
    void HideAnswerRow(int row);
    void ShowCorrectSet(int row);
    void CheckProblem(int row);
    void SelectBox(int index);
    void ResetTallies();
    int ElementsShown() const;

    QList<Label*> NumberLabels(int row) const;
    Label* AnswerLabel(int row, int index) const;
    int AnswerLabelCount(int row) const;
    CommandButton* ChangeButton(int row) const;
    CommandButton* CheckButton(int row) const;
    TextBox* Box(int index) const;
    Label* Tally(int index) const;
};

} // namespace sd
