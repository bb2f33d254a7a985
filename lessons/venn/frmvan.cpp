#include "lessons/venn/frmvan.h"

#include "app/messagebox.h"

#include <QLocale>
#include <QMouseEvent>
#include <QTimer>

namespace sd {

using venn::Diagram;
using venn::Mark;

namespace {

constexpr Diagram kDiagrams[] = {Diagram::Overlapping, Diagram::Disjoint, Diagram::Inside, Diagram::Equal};

constexpr QRgb kChosenIcon = 0xFFFFFF;

// The verdict colours of a judged box.
constexpr QRgb kCorrect = 0x000000;
constexpr QRgb kWrong = 0xFF0000;
constexpr QRgb kRepeated = 0x00FF00;

QRgb colourOf(Mark m) {
    return m == Mark::Wrong ? kWrong : m == Mark::Repeated ? kRepeated : kCorrect;
}

Mark markOf(const QColor& c) {
    switch (c.rgb() & 0xFFFFFF) {
    case kCorrect:
        return Mark::Correct;
    case kWrong:
        return Mark::Wrong;
    case kRepeated:
        return Mark::Repeated;
    default:
        return Mark::Unjudged;
    }
}

QString tooltipOf(const QColor& c) {
    switch (markOf(c)) {
    case Mark::Correct:
        return QStringLiteral("هذا الرقم صحيح ");
    case Mark::Repeated:
        return QStringLiteral("هذا الرقم مكرر ");
    case Mark::Wrong:
        return QStringLiteral("هذا الرقم خطأ ");
    case Mark::Unjudged:
        break;
    }
    return {};
}

// Scores follow the pupil's decimal separator.
QString decimalPoint() {
    return QLocale().decimalPoint();
}

constexpr int kSlotLabels = 4; // the slots of a set stand at the odd indexes of its labels
constexpr int kLastStar = 80;  // Image1(0..80) is the reward sequence

} // namespace

frmvan::frmvan(Navigator* navigator) : Screen(frmvanLayout(), navigator) {
    on<CommandButton>("Command1", &QAbstractButton::clicked, [this] { Command1_Click(); });
    on<CommandButton>("Command2", &QAbstractButton::clicked, [this] { Command2_Click(); });
    for (Diagram d : kDiagrams)
        connect(option(d), &QAbstractButton::clicked, this, [this, d] { Option_Click(d); });
    on<CommandButton>("Command4", &QAbstractButton::clicked, [this] { Command4_Click(); });
    onArray<TextBox>("Text1", &TextBox::clicked, [this](int i) { Text1_Click(i); });
    onArray<TextBox>("Text1", &TextBox::gotFocus, [this](int i) { Text1_GotFocus(i); });
    onArray<Label>("Label3", &Label::clicked, [this](int i) { Label3_Click(i); });
    onArray<Label>("Label4", &Label::clicked, [this](int i) { Label4_Click(i); });
    on<CommandButton>("Command3", &QAbstractButton::clicked, [this] { Command3_Click(); });
    onArray<Label>("Label5", &Label::captionChanged, [this](int i) { Label5_Change(i); });
    // A double click on any star or sun shows or hides the credit line.
    addCreditAndExit(QStringLiteral("Image1"));
    // A click on a diagram's icon chooses it, as a click on its option does.
    control("Frame1")->widget()->installEventFilter(this);
}

void frmvan::Form_Load() {
    DeriveKey();
}

// ---- Controls ----

TextBox* frmvan::box(int index) const {
    return get<TextBox>("Text1", index);
}

OptionButton* frmvan::option(Diagram d) const {
    return get<OptionButton>(QStringLiteral("Option%1").arg(int(d)));
}

venn::Pair frmvan::ReadPair() const {
    venn::Pair pair;
    for (int k = 0; k < venn::kSlotsOfS; ++k)
        pair.s[size_t(k)] = get<Label>("Label3", 2 * k + 1)->caption();
    for (int m = 0; m < venn::kSlotsOfY; ++m)
        pair.y[size_t(m)] = get<Label>("Label4", 2 * m + 1)->caption();
    return pair;
}

void frmvan::WritePair(const venn::Pair& pair) {
    for (int k = 0; k < kSlotLabels; ++k)
        get<Label>("Label3", 2 * k + 1)->setCaption(pair.s[size_t(k)]);
    const bool shown = venn::slotOneShown(pair);
    get<Label>("Label3", 1)->setVisible(shown);
    get<Label>("Label3", 2)->setVisible(shown);
    for (int m = 0; m < venn::kSlotsOfY; ++m)
        get<Label>("Label4", 2 * m + 1)->setCaption(pair.y[size_t(m)]);
}

venn::Key frmvan::ReadKey() const {
    venn::Key key;
    for (int k = 0; k < venn::kKeyEntries; ++k)
        key[size_t(k)] = get<Label>("lbl1", k)->caption();
    return key;
}

void frmvan::DeriveKey() {
    const venn::Key key = venn::answerKey(ReadPair());
    for (int k = 0; k < venn::kKeyEntries; ++k)
        get<Label>("lbl1", k)->setCaption(key[size_t(k)]);
}

Diagram frmvan::ChosenDiagram() const {
    for (Diagram d : kDiagrams)
        if (option(d)->value())
            return d;
    return Diagram::None;
}

// The diagram on the screen, told by its inner shape.
Diagram frmvan::ShownDiagram() const {
    if (!control("Shape2", 3)->widget()->isHidden())
        return Diagram::Inside;
    if (!control("Shape2", 2)->widget()->isHidden())
        return Diagram::Disjoint;
    if (!control("Shape2", 1)->widget()->isHidden())
        return Diagram::Overlapping;
    return Diagram::None;
}

double frmvan::Field(int index) const {
    return venn::numberValue(get<Label>("Label5", index)->caption(), decimalPoint());
}

// Writing a new text runs the star check at once (Label5_Change).
void frmvan::SetField(int index, double value) {
    get<Label>("Label5", index)->setCaption(venn::numberText(value, decimalPoint()));
}

// A button or box about to be disabled or hidden hands the focus to the window,
// so that it lands on no box (which would choose it) and on no other button.
void frmvan::ParkFocus() {
    if (QWidget* f = focusWidget(); f && f != this)
        setFocus(Qt::OtherFocusReason);
}

// ---- New pair ----

void frmvan::NewPair(venn::Stepper button) {
    const QColor normal = box(18)->backColor();
    for (int i = 0; i < venn::kBoxes; ++i)
        box(i)->setBackColor(normal);
    control("Label6")->widget()->hide();
    control("Label7")->widget()->hide();
    get<CommandButton>("Command4")->setEnabled(true);
    get<CommandButton>("Command3")->setEnabled(false);
    for (Diagram d : kDiagrams) {
        option(d)->setEnabled(true);
        option(d)->setValue(false);
    }
    for (const venn::FieldWrite& w : venn::resetWrites())
        SetField(w.field, w.value);
    for (int k : indexes("Shape2"))
        control("Shape2", k)->widget()->hide();
    if (qobject_cast<TextBox*>(focusWidget()))
        ParkFocus();
    for (int i = 0; i < venn::kBoxes; ++i) {
        box(i)->clear();
        box(i)->hide();
    }
    WritePair(venn::stepped(ReadPair(), button));
    DeriveKey();
}

// ---- Diagram choice ----

void frmvan::ShowDiagram(Diagram d) {
    control("Label6")->widget()->show();
    control("Label7")->widget()->show();
    const QColor others = get<Line>("Line2")->borderColor();
    for (int k : indexes("Shape1")) {
        const bool chosen = k / 2 == int(d) - 1;
        get<Shape>("Shape1", k)->setBorderColor(chosen ? QColor(kChosenIcon) : others);
    }
    const venn::DiagramLook& look = venn::lookOf(d);
    for (int k : indexes("Shape2"))
        control("Shape2", k)->widget()->hide();
    for (int k : look.shapes)
        control("Shape2", k)->widget()->show();
    // Texts and colours stay in their boxes, shown or not.
    if (qobject_cast<TextBox*>(focusWidget()))
        ParkFocus();
    for (int i = 0; i < venn::kBoxes; ++i)
        box(i)->hide();
    for (int i : look.boxes)
        box(i)->show();
}

void frmvan::Command4_Click() {
    const bool slotOneShown = !control("Label3", 1)->widget()->isHidden();
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
           QStringLiteral("تهنئة "), MsgIcon::Information);
    get<CommandButton>("Command3")->setEnabled(true);
    // The focus moves on to "تقويم", never into a box.
    if (focusWidget() == control("Command4")->widget() || qobject_cast<OptionButton*>(focusWidget()))
        get<CommandButton>("Command3")->setFocus(Qt::TabFocusReason);
    get<CommandButton>("Command4")->setEnabled(false);
    for (Diagram d : kDiagrams)
        option(d)->setEnabled(false);
}

// The choice mark is lost; the options stay open for another try.
void frmvan::WarnChoice() {
    MsgBox(this, QStringLiteral("  عذرا لم تحسن الاختيار ، سوف تخصم درجة من  التقدير ، وأعد الاختيار  "),
           QStringLiteral("تنبيه للطالب  "), MsgIcon::Information);
    SetField(venn::kChoiceMark, 0);
}

// ---- Writing elements ----

void frmvan::SelectBox(int index) {
    if (index >= venn::kBoxes)
        return;
    const QColor normal = box(18)->backColor();
    for (int i = 0; i < venn::kBoxes; ++i)
        box(i)->setBackColor(normal);
    TextBox* chosen = box(index);
    chosen->setBackColor(box(17)->backColor());
    chosen->setFocus(Qt::OtherFocusReason);
    // Typing replaces the box's text; deferred, or the mouse press would undo it.
    QTimer::singleShot(0, chosen, &QLineEdit::selectAll);
}

// Every highlighted box takes the element, shown or hidden; braces and commas give nothing.
void frmvan::CopyElement(const char* set, int index) {
    const QString element = get<Label>(set, index)->caption();
    if (!venn::readsAsNumber(element))
        return;
    const QColor highlight = box(17)->backColor();
    for (int i = 0; i < venn::kBoxes; ++i)
        if (box(i)->backColor() == highlight)
            box(i)->setText(element);
}

// ---- Evaluation, score, stars ----

void frmvan::Command3_Click() {
    ParkFocus();
    get<CommandButton>("Command3")->setEnabled(false);
    JudgeRegions();
    ScoreAnswer();
}

void frmvan::JudgeRegions() {
    const venn::Pair pair = ReadPair();
    const venn::Key key = ReadKey();
    for (const venn::Region& r : venn::regionsOf(ShownDiagram())) {
        QStringList texts;
        for (int i = r.first; i <= r.last; ++i)
            texts.append(box(i)->text());
        const std::vector<Mark> marks = venn::judgeRegion(texts, venn::correctValues(r.values, pair, key));
        for (int i = r.first; i <= r.last; ++i)
            if (const Mark m = marks[size_t(i - r.first)]; m != Mark::Unjudged)
                box(i)->setBackColor(QColor(colourOf(m)));
    }
}

void frmvan::ScoreAnswer() {
    std::vector<Mark> shown;
    for (int i = 0; i < venn::kBoxes; ++i)
        if (!box(i)->isHidden())
            shown.push_back(markOf(box(i)->backColor()));
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
    for (int i = 0; i <= kLastStar; ++i)
        if (Control* star = control("Image1", i); star && star->widget()->isHidden()) {
            star->widget()->show();
            return;
        }
}

void frmvan::Form_MouseMove(Qt::MouseButtons, QPoint) {
    for (int i = 0; i < venn::kBoxes; ++i)
        box(i)->setToolTip(tooltipOf(box(i)->backColor()));
}

bool frmvan::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && watched == control("Frame1")->widget()) {
        const auto* me = static_cast<QMouseEvent*>(e);
        const QPoint at = me->position().toPoint();
        for (Diagram d : kDiagrams) {
            const int first = 2 * (int(d) - 1);
            const QRect icon = control("Shape1", first)
                                   ->widget()
                                   ->geometry()
                                   .united(control("Shape1", first + 1)->widget()->geometry());
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
