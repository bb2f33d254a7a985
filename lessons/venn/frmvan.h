#pragma once
// The Venn diagram drill: two sets in roster form, the choice of the diagram that
// fits them, the elements written into its regions and judged, a score out of 5
// in halves and a star for every score of 4 or more.

#include "app/screen.h"
#include "lessons/venn/venn_rules.h"

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
    void Label3_Click(int index) { CopyElement("Label3", index); }
    void Label4_Click(int index) { CopyElement("Label4", index); }
    void Command3_Click();
    void Label5_Change(int index);

    // Private steps, in the drill's own words.
    void NewPair(venn::Stepper button);
    void ShowDiagram(venn::Diagram d);
    void PraiseChoice();
    void WarnChoice();
    void SelectBox(int index);
    void CopyElement(const char* set, int index);
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

    TextBox* box(int index) const;
    OptionButton* option(venn::Diagram d) const;
};

} // namespace sd
