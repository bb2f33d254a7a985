#pragma once
// The membership and inclusion drill: five statements, each with a blank for one
// of four symbols; the pupil picks a statement and presses a symbol, corrects the
// set for a running score and reward stars, and steps on to new statements.

#include "app/screen.h"
#include "lessons/membership/membership_rules.h"

#include <optional>

namespace sd {

const ScreenLayout& frmgroub4Layout();

// The controls of one statement row, and which of its labels hold numbers.
struct MembershipRow {
    const char* button; // row button; its caption is the row's place on the screen
    const char* blank;  // where the pupil's symbol goes
    const char* model;  // the correct symbol, shown beside a wrong answer
    const char* labels; // the statement's label array
    int labelCount;
    int a, b, r1, r2, r3; // indexes of the number labels; b is -1 where there is none
};

// Rows 1 to 5 at indexes 0 to 4.
const std::array<MembershipRow, membership::kRows>& membershipRows();

class frmgroub4 : public Screen {
    Q_OBJECT
public:
    explicit frmgroub4(Navigator* navigator);
    static const ScreenLayout& storedLayout() { return frmgroub4Layout(); }

protected:
    void Form_Load() override;

private:
    void Command1_Click() { SelectRow(1); }
    void Command2_Click() { SelectRow(2); }
    void Command3_Click() { SelectRow(3); }
    void Command4_Click() { SelectRow(4); }
    void Command5_Click() { SelectRow(5); }
    void Command6_Click();
    void Command7_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command14_Click();
    void Command15_Click();

    // Private steps, in the drill's own words.
    void SelectRow(int row);
    int SelectedRow() const;
    void PlaceSymbol(const QString& paletteButton);
    void LayOutRow(int row);
    void HideModels();
    void EmptyBlanks();
    membership::Statement ReadStatement(int row) const;
    void WriteStatement(int row, const membership::Statement& s);
    void RevealReward();
    // What a screen reader calls each row's button, blank and model: the
    // statement with the symbol placed in it and, once corrected, its verdict.
    void NameRows();
    void AddToScore(const char* label, int amount);
    void FitScore(const char* label);

    // A statement row's controls, found once when the screen is built.
    struct RowControls {
        CommandButton* button = nullptr;
        Image* blank = nullptr;
        Image* model = nullptr;
        QList<Label*> labels;
    };

    CommandButton* rowButton(int row) const { return rows_[row - 1].button; }
    Image* blank(int row) const { return rows_[row - 1].blank; }
    Image* model(int row) const { return rows_[row - 1].model; }
    Label* number(int row, int index) const;

    std::array<RowControls, membership::kRows> rows_;
    std::array<std::optional<bool>, membership::kRows> verdicts_{}; // right, per corrected row
    QList<Image*> rewards_;                                         // Image1, the reward pictures
    CommandButton* correct_ = nullptr;                              // Command7
    Shape* selection_ = nullptr; // Shape6, the frame round the selected row
};

} // namespace sd
