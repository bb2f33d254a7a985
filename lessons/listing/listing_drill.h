#pragma once
// The shared engine of the listing drills: a diagram of numbered regions, rows of
// one-character entry boxes between live braces and commas, a current box that a
// click on a diagram number writes into, check buttons that judge (and on some
// screens score) a row, note buttons, and a new-problem button that renumbers the
// diagram. A screen derived from ListingDrill brings its layout and a DrillData
// table; what differs between the drills is in that table, not in code.

#include "app/screen.h"
#include "lessons/listing/listing_rules.h"

#include <optional>
#include <vector>

namespace sd::listing {

// A control by name, and index for an element of a control array.
struct ControlRef {
    const char* name = "";
    int index = -1;
};

// An element label of an answer key and the diagram number (lbl1) it copies.
struct KeyElement {
    int label;
    int number;
};

struct DrillRow {
    const char* boxes = "";          // the entry-box array (Text1 ...)
    int first = 0;                   // the row's box 0 is element `first` of that array
    int count = 0;                   // number of boxes
    int separatorBase = 0;           // lbl11(base) opens the row, lbl11(base + k) follows box k-1
    int noteButton = -1;             // Cmd1 index
    int checkButton = -1;            // Cmd1 index
    std::vector<ControlRef> title{}; // moved to the note button's height at load
    const char* key = "";            // answer-key label array
    int keyFirst = 0;
    int keyLast = 0;
    bool packKey = true; // close the key's labels up right to left at load
    std::vector<KeyElement> keyElements{};
    std::optional<RowScoring> scoring{}; // none: the row is judged only, any number of times
    ControlRef scoreLabel{};
};

// A note button: the notes (Label2 indexes) it shows and those it hides.
struct DrillNote {
    int button = -1;
    std::vector<int> show{};
    std::vector<int> hide{};
};

// What takes the no-repetition note Label2(0) away again.
enum class RepeatNoteCleared { ByNewProblem, ByAnyRowButton, Never };

struct DrillData {
    std::vector<DrillRow> rows{}; // in tab order
    std::vector<DrillNote> notes{};
    RepeatNoteCleared repeatNote = RepeatNoteCleared::ByNewProblem;
    const char* cornerIcon = "Image4";    // double-clicking it shows or hides the credit Label30
    const char* flattenPicture = nullptr; // a picture whose click leaves no box current
};

class ListingDrill : public Screen {
    Q_OBJECT
public:
    ListingDrill(const ScreenLayout& layout, const DrillData& data, Navigator* navigator);

protected:
    void Form_Load() override;

    // Draws every entry box flat: no box is current.
    void FlattenAllBoxes();
    // Draws the frame round each box: bright round the current one.
    void DrawBoxFrames();

    void Text_Click(const QString& boxes, int i);
    void Text_GotFocus(const QString& boxes, int i);
    void Text_Change(const QString& boxes, int i);
    void lbl1_Click(int k);
    void lbl11_Click(int k);
    void Command1_Click();
    void Cmd1_Click(int index);
    void Command2_Click();

    void RefreshAnswerKeys();
    void JudgeRow(const DrillRow& row);
    void ScoreRow(const DrillRow& row);
    void HandFocusBack();

    const DrillData& data() const { return data_; }

private:
    void makeCurrent(TextBox* box);
    TextBox* currentBox() const;
    TextBox* box(const DrillRow& row, int p) const;
    const DrillRow* rowOf(const QString& boxes, int i) const;
    const DrillRow* rowChecked(int button) const;
    const DrillNote* noteOf(int button) const;
    QStringList texts(const DrillRow& row) const;
    QStringList elements(const DrillRow& row) const;
    double number(const ControlRef& ref) const;
    void setNumber(const ControlRef& ref, double value);
    void showNote(int index, bool visible);
    bool scored() const;

    const DrillData data_;  // a copy: the screen never depends on where its table lives
    QStringList boxArrays_; // distinct entry-box arrays, in row order
    bool handingFocusBack_ = false;
};

} // namespace sd::listing
