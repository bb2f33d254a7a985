#pragma once
// The Venn diagram drill: two sets in roster form, the choice of the diagram that
// fits them, the elements written into its regions and judged, a score out of 5
// in halves and a star for every score of 4 or more.

#include "app/screen.h"
#include "lessons/venn/venn_rules.h"

#include <array>

namespace sd {

const ScreenLayout& frmvanLayout();

class frmvan : public Screen {
    Q_OBJECT
public:
    explicit frmvan(Navigator* navigator);
    static const ScreenLayout& storedLayout() { return frmvanLayout(); }

    // The colour of a box that is neither chosen nor judged, and of the boxes a
    // clicked element goes into.
    static constexpr QRgb kNormal = 0x400040;
    static constexpr QRgb kHighlight = 0x004040;

protected:
    void Form_Load() override;
    void Form_MouseMove(Qt::MouseButtons buttons, QPoint twipsPos) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Command1_Click() { NewPair(venn::Stepper::BesideS); }
    void Command2_Click() { NewPair(venn::Stepper::BesideY); }
    void Option_Click(venn::Diagram d) { ShowDiagram(d); }
    void Command4_Click();
    void Text1_Click(int index) { SelectBox(index); }
    void Text1_GotFocus(int index) { SelectBox(index); }
    void Label3_Click(int index) { CopyElement(setS_[index]); }
    void Label4_Click(int index) { CopyElement(setY_[index]); }
    void Command3_Click();
    void Label5_Change(int index);

    // Private steps, in the drill's own words.
    void NewPair(venn::Stepper button);
    void ShowDiagram(venn::Diagram d);
    void PraiseChoice();
    void WarnChoice();
    void SelectBox(int index);
    void CopyElement(const Label* element);
    void JudgeRegions();
    void ScoreAnswer();
    void DeriveKey();
    void RevealStar();
    void ParkFocus();

    venn::Pair ReadPair() const;
    void WritePair(const venn::Pair& pair);
    venn::Key ReadKey() const;
    venn::Diagram ChosenDiagram() const;
    venn::Diagram ShownDiagram() const;
    double Field(int index) const;
    void SetField(int index, double value);
    void SetAllBoxes(const QColor& colour);

    OptionButton* option(venn::Diagram d) const { return options_[std::size_t(int(d) - 1)]; }

    // The controls, found once when the screen is built.
    CommandButton* besideS_ = nullptr;       // Command1, "جديد" beside س
    CommandButton* besideY_ = nullptr;       // Command2, "جديد" beside ص
    CommandButton* evaluate_ = nullptr;      // Command3, "تقويم"
    CommandButton* agree_ = nullptr;         // Command4, "موافق"
    std::array<OptionButton*, 4> options_{}; // Option1..4, by diagram
    QWidget* choiceFrame_ = nullptr;         // Frame1
    QList<Shape*> icons_;                    // Shape1: two shapes a diagram's icon
    QList<Shape*> diagramShapes_;            // Shape2
    Line* separator_ = nullptr;              // Line2, whose colour the unchosen icons take
    Label* captionOfS_ = nullptr;            // Label6
    Label* captionOfY_ = nullptr;            // Label7
    QList<TextBox*> boxes_;                  // Text1(0..16), the diagram's boxes
    // The two hidden boxes whose colours a box stands in before it is judged.
    TextBox* highlightColour_ = nullptr; // Text1(17): the boxes a clicked element goes into
    TextBox* normalColour_ = nullptr;    // Text1(18)
    QList<Label*> setS_;                 // Label3: braces, commas and, at odd indexes, the slots
    QList<Label*> setY_;                 // Label4
    QList<Label*> key_;                  // lbl1, the answer key
    QList<Label*> fields_;               // Label5, the score fields
    QList<Image*> rewards_;              // Image1
};

} // namespace sd
