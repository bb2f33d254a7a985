#include "lessons/venn/frmvan.h"

#include "app/messagebox.h"
#include "lessons/common/lesson_rules.h"
#include "lessons/common/rewards.h"

#include <QMouseEvent>
#include <QTimer>

namespace sd {

using venn::Diagram;
using venn::Mark;

namespace {

constexpr Diagram kDiagrams[] = {Diagram::Overlapping, Diagram::Disjoint, Diagram::Inside, Diagram::Equal};

constexpr QRgb kChosenIcon = 0xFFFFFF;

constexpr int kSlotLabels = 4;               // the slots of a set stand at the odd indexes of its labels
constexpr int kHighlightBox = venn::kBoxes;  // Text1(17) holds the highlight colour
constexpr int kNormalBox = venn::kBoxes + 1; // Text1(18) the colour of a box neither chosen nor judged

} // namespace

frmvan::frmvan(Navigator* navigator) : Screen(frmvanLayout(), navigator) {
    using B = QAbstractButton;
    besideS_ = get<CommandButton>("Command1");
    besideY_ = get<CommandButton>("Command2");
    evaluate_ = get<CommandButton>("Command3");
    agree_ = get<CommandButton>("Command4");
    for (Diagram d : kDiagrams)
        options_[std::size_t(int(d) - 1)] = get<OptionButton>(QStringLiteral("Option%1").arg(int(d)));
    choiceFrame_ = control("Frame1")->widget();
    icons_ = getArray<Shape>("Shape1");
    diagramShapes_ = getArray<Shape>("Shape2");
    separator_ = get<Line>("Line2");
    captionOfS_ = get<Label>("Label6");
    captionOfY_ = get<Label>("Label7");
    for (int i = 0; i < venn::kBoxes; ++i)
        boxes_.append(get<TextBox>("Text1", i));
    highlightColour_ = get<TextBox>("Text1", kHighlightBox);
    normalColour_ = get<TextBox>("Text1", kNormalBox);
    setS_ = getArray<Label>("Label3");
    setY_ = getArray<Label>("Label4");
    key_ = getArray<Label>("lbl1");
    fields_ = getArray<Label>("Label5");
    rewards_ = getArray<Image>("Image1");

    connect(besideS_, &B::clicked, this, [this] { Command1_Click(); });
    connect(besideY_, &B::clicked, this, [this] { Command2_Click(); });
    for (Diagram d : kDiagrams)
        connect(option(d), &B::clicked, this, [this, d] { Option_Click(d); });
    connect(agree_, &B::clicked, this, [this] { Command4_Click(); });
    onArray<TextBox>("Text1", &TextBox::clicked, [this](int i) { Text1_Click(i); });
    onArray<TextBox>("Text1", &TextBox::gotFocus, [this](int i) { Text1_GotFocus(i); });
    onArray<Label>("Label3", &Label::clicked, [this](int i) { Label3_Click(i); });
    onArray<Label>("Label4", &Label::clicked, [this](int i) { Label4_Click(i); });
    connect(evaluate_, &B::clicked, this, [this] { Command3_Click(); });
    onArray<Label>("Label5", &Label::captionChanged, [this](int i) { Label5_Change(i); });
    // A double click on any star or sun shows or hides the credit line.
    addCreditAndExit(QStringLiteral("Image1"));
    // A click on a diagram's icon chooses it, as a click on its option does.
    choiceFrame_->installEventFilter(this);
}

void frmvan::Form_Load() {
    DeriveKey();
}

// ---- Controls ----

venn::Pair frmvan::ReadPair() const {
    venn::Pair pair;
    for (int k = 0; k < venn::kSlotsOfS; ++k)
        pair.s[size_t(k)] = setS_[2 * k + 1]->caption();
    for (int m = 0; m < venn::kSlotsOfY; ++m)
        pair.y[size_t(m)] = setY_[2 * m + 1]->caption();
    return pair;
}

void frmvan::WritePair(const venn::Pair& pair) {
    for (int k = 0; k < kSlotLabels; ++k)
        setS_[2 * k + 1]->setCaption(pair.s[size_t(k)]);
    const bool shown = venn::slotOneShown(pair);
    setS_[1]->setVisible(shown);
    setS_[2]->setVisible(shown);
    for (int m = 0; m < venn::kSlotsOfY; ++m)
        setY_[2 * m + 1]->setCaption(pair.y[size_t(m)]);
}

venn::Key frmvan::ReadKey() const {
    venn::Key key;
    for (int k = 0; k < venn::kKeyEntries; ++k)
        key[size_t(k)] = key_[k]->caption();
    return key;
}

void frmvan::DeriveKey() {
    const venn::Key key = venn::answerKey(ReadPair());
    for (int k = 0; k < venn::kKeyEntries; ++k)
        key_[k]->setCaption(key[size_t(k)]);
}

Diagram frmvan::ChosenDiagram() const {
    for (Diagram d : kDiagrams)
        if (option(d)->value())
            return d;
    return Diagram::None;
}

// The diagram on the screen, told by its inner shape.
Diagram frmvan::ShownDiagram() const {
    if (!diagramShapes_[3]->isHidden())
        return Diagram::Inside;
    if (!diagramShapes_[2]->isHidden())
        return Diagram::Disjoint;
    if (!diagramShapes_[1]->isHidden())
        return Diagram::Overlapping;
    return Diagram::None;
}

double frmvan::Field(int index) const {
    return lessons::scoreValue(fields_[index]->caption(), lessons::decimalPoint());
}

// Writing a new text runs the star check at once (Label5_Change).
void frmvan::SetField(int index, double value) {
    fields_[index]->setCaption(lessons::scoreText(value, lessons::decimalPoint()));
}

void frmvan::SetAllBoxes(const QColor& colour) {
    for (TextBox* box : std::as_const(boxes_))
        box->setBackColor(colour);
}

// A button or box about to be disabled or hidden hands the focus to the window,
// so that it lands on no box (which would choose it) and on no other button.
void frmvan::ParkFocus() {
    if (QWidget* f = focusWidget(); f && f != this)
        setFocus(Qt::OtherFocusReason);
}

// ---- New pair ----

void frmvan::NewPair(venn::Stepper button) {
    SetAllBoxes(normalColour_->backColor());
    captionOfS_->hide();
    captionOfY_->hide();
    agree_->setEnabled(true);
    evaluate_->setEnabled(false);
    for (Diagram d : kDiagrams) {
        option(d)->setEnabled(true);
        option(d)->setValue(false);
    }
    for (const venn::FieldWrite& w : venn::resetWrites())
        SetField(w.field, w.value);
    for (Shape* shape : std::as_const(diagramShapes_))
        shape->hide();
    if (qobject_cast<TextBox*>(focusWidget()))
        ParkFocus();
    for (TextBox* box : std::as_const(boxes_)) {
        box->clear();
        box->hide();
    }
    WritePair(venn::stepped(ReadPair(), button));
    DeriveKey();
}

// ---- Diagram choice ----

void frmvan::ShowDiagram(Diagram d) {
    captionOfS_->show();
    captionOfY_->show();
    const QColor others = separator_->borderColor();
    for (int k = 0; k < icons_.size(); ++k) {
        const bool chosen = k / 2 == int(d) - 1;
        icons_[k]->setBorderColor(chosen ? QColor(kChosenIcon) : others);
    }
    const venn::DiagramLook& look = venn::lookOf(d);
    for (Shape* shape : std::as_const(diagramShapes_))
        shape->hide();
    for (int k : look.shapes)
        diagramShapes_[k]->show();
    // Texts and colours stay in their boxes, shown or not.
    if (qobject_cast<TextBox*>(focusWidget()))
        ParkFocus();
    for (TextBox* box : std::as_const(boxes_))
        box->hide();
    for (int i : look.boxes) {
        boxes_[i]->setSpokenName(venn::spokenBox(d, i));
        boxes_[i]->show();
    }
}

void frmvan::Command4_Click() {
    const bool slotOneShown = !setS_[1]->isHidden();
    switch (venn::judgeChoice(ChosenDiagram(), ReadKey(), slotOneShown)) {
    case venn::ChoiceVerdict::Nothing:
        break;
    case venn::ChoiceVerdict::Right:
        PraiseChoice();
        break;
    case venn::ChoiceVerdict::Wrong:
        WarnChoice();
        break;
    }
}

void frmvan::PraiseChoice() {
    MsgBox(this, QStringLiteral("  احسنت في اختيار الشكل المناسب  هيا اكتب العناصر على الشكل  "),
           QStringLiteral("تهنئة "), QMessageBox::Information);
    evaluate_->setEnabled(true);
    // The focus moves on to "تقويم", never into a box.
    if (focusWidget() == agree_ || qobject_cast<OptionButton*>(focusWidget()))
        evaluate_->setFocus(Qt::TabFocusReason);
    agree_->setEnabled(false);
    for (Diagram d : kDiagrams)
        option(d)->setEnabled(false);
}

// The choice mark is lost; the options stay open for another try.
void frmvan::WarnChoice() {
    MsgBox(this, QStringLiteral("  عذرا لم تحسن الاختيار ، سوف تخصم درجة من  التقدير ، وأعد الاختيار  "),
           QStringLiteral("تنبيه للطالب  "), QMessageBox::Information);
    SetField(venn::kChoiceMark, 0);
}

// ---- Writing elements ----

void frmvan::SelectBox(int index) {
    if (index >= venn::kBoxes)
        return;
    SetAllBoxes(normalColour_->backColor());
    TextBox* chosen = boxes_[index];
    chosen->setBackColor(highlightColour_->backColor());
    chosen->setFocus(Qt::OtherFocusReason);
    // Typing replaces the box's text; deferred, or the mouse press would undo it.
    QTimer::singleShot(0, chosen, &QLineEdit::selectAll);
}

// Every highlighted box takes the element, shown or hidden; braces and commas give nothing.
void frmvan::CopyElement(const Label* set) {
    const QString element = set->caption();
    if (!venn::readsAsNumber(element))
        return;
    const QColor highlight = highlightColour_->backColor();
    for (TextBox* box : std::as_const(boxes_))
        if (box->backColor() == highlight)
            box->setText(element);
}

// ---- Evaluation, score, stars ----

void frmvan::Command3_Click() {
    ParkFocus();
    evaluate_->setEnabled(false);
    JudgeRegions();
    ScoreAnswer();
}

void frmvan::JudgeRegions() {
    const venn::Pair pair = ReadPair();
    const venn::Key key = ReadKey();
    std::vector<Mark> all;
    for (const venn::Region& r : venn::regionsOf(ShownDiagram())) {
        QStringList texts;
        for (int i = r.first; i <= r.last; ++i)
            texts.append(boxes_[i]->text());
        const std::vector<Mark> marks = venn::judgeRegion(texts, venn::correctValues(r.values, pair, key));
        for (int i = r.first; i <= r.last; ++i)
            if (const Mark m = marks[size_t(i - r.first)]; m != Mark::Unjudged)
                boxes_[i]->judge(QColor::fromRgb(venn::colourOf(m).value), venn::spokenMark(m));
        all.insert(all.end(), marks.begin(), marks.end());
    }
    announce(venn::spokenOutcome(all));
}

void frmvan::ScoreAnswer() {
    std::vector<Mark> shown;
    for (const TextBox* box : std::as_const(boxes_))
        if (!box->isHidden())
            shown.push_back(venn::markOfColour(Rgb(box->backColor().rgb())));
    for (const venn::FieldWrite& w :
         venn::scoreWrites(shown, Field(venn::kChoiceMark), venn::filledEntries(ReadKey())))
        SetField(w.field, w.value);
}

// The star check, whichever field changed.
void frmvan::Label5_Change(int) {
    if (venn::earnsStar(Field(venn::kScore), Field(venn::kDenominator)))
        RevealStar();
}

void frmvan::RevealStar() {
    lessons::revealNextReward(rewards_);
}

void frmvan::Form_MouseMove(Qt::MouseButtons, QPoint) {
    for (TextBox* box : std::as_const(boxes_))
        box->setToolTip(venn::tooltipOf(venn::markOfColour(Rgb(box->backColor().rgb()))));
}

bool frmvan::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && watched == choiceFrame_) {
        const auto* me = static_cast<QMouseEvent*>(e);
        const QPoint at = me->position().toPoint();
        for (Diagram d : kDiagrams) {
            const int first = 2 * (int(d) - 1);
            const QRect icon = icons_[first]->geometry().united(icons_[first + 1]->geometry());
            OptionButton* o = option(d);
            if (me->button() == Qt::LeftButton && icon.contains(at) && o->isEnabled()) {
                o->click();
                return true;
            }
        }
    }
    return Screen::eventFilter(watched, e);
}

} // namespace sd
