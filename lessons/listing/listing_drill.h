#pragma once
// The shared engine of the listing drills: a diagram of numbered regions, rows of
// one-character entry boxes between live braces and commas, a current box that a
// click on a diagram number writes into, check buttons that judge (and on some
// screens score) a row, note buttons, and a new-problem button that renumbers the
// diagram. A screen derived from ListingDrill brings its layout and a DrillData
// table; what differs between the drills is in that table, not in code.

#include "app/screen.h"
#include "lessons/listing/listing_rules.h"

#include <QMap>

#include <optional>
#include <utility>
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

// Row r (0 to 3) as the three drills wire it: boxes Text(r + 1) from index 0, eight
// boxes (seven in the third row), separators following on from the rows above,
// note button Cmd1(r), check button Cmd1(r + 4), and the row's answer-key array
// from its label 0. `rest` gives the title, the key's extent and elements and
// the scoring; its wiring fields are overwritten.
DrillRow standardRow(int r, DrillRow rest);

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

    void Text_Click(TextBox* box);
    void Text_GotFocus(TextBox* box);
    void Text_Change(int row, int p);
    void lbl1_Click(int k);
    void lbl11_Click(int k);
    void Command1_Click();
    void Cmd1_Click(int index);
    void Command2_Click();

    void NameRows();
    void RefreshAnswerKeys();
    void JudgeRow(int row);
    void ScoreRow(int row);
    void HandFocusBack();

    const DrillData& data() const { return data_; }

private:
    // An entry box and the frame behind it.
    struct Box {
        TextBox* box = nullptr;
        Shape* frame = nullptr;
    };
    // A row's controls, found once when the screen is built.
    struct Row {
        QList<TextBox*> boxes; // box 0 first
        CommandButton* note = nullptr;
        CommandButton* check = nullptr;
        QList<Control*> title;
        QList<Label*> key;                       // keyFirst .. keyLast
        QList<std::pair<Label*, Label*>> copies; // a key element and the diagram number it copies
        Label* score = nullptr;                  // scored rows only
    };
    // The hidden counters and the shown totals of a scored drill (Label5(0..3)).
    struct Totals {
        Label* duplicate = nullptr;
        Label* correct = nullptr;
        Label* earned = nullptr;
        Label* possible = nullptr;
    };

    void makeCurrent(TextBox* box);
    TextBox* currentBox() const;
    int rowChecked(int button) const;
    const DrillNote* noteOf(int button) const;
    QStringList texts(int row) const;
    QStringList elements(int row) const;
    static double number(const Label* label);
    static void setNumber(Label* label, double value);
    void showNote(int index, bool visible);
    bool scored() const;

    const DrillData data_;        // a copy: the screen never depends on where its table lives
    QList<QList<Box>> boxArrays_; // each distinct entry-box array, in row order, in index order
    std::vector<Row> rows_;       // as data_.rows
    QList<Label*> numbers_;       // lbl1, the diagram numbers
    QList<Label*> separators_;    // lbl11
    QMap<int, Label*> notes_;     // Label2
    Totals totals_;
    bool handingFocusBack_ = false;
};

} // namespace sd::listing
