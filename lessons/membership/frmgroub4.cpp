#include "lessons/membership/frmgroub4.h"

#include "app/twips.h"
#include "lessons/common/rewards.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace sd {

using membership::Statement;
using membership::Symbol;

frmgroub4::frmgroub4(Navigator* navigator) : Screen(storedLayout(), navigator) {
    for (int row = 1; row <= membership::kRows; ++row) {
        const MembershipRow& r = membershipRows()[row - 1];
        RowControls& c = rows_[row - 1];
        c.button = get<CommandButton>(r.button);
        c.blank = get<Image>(r.blank);
        c.model = get<Image>(r.model);
        for (int i = 0; i < r.labelCount; ++i)
            c.labels.append(get<Label>(r.labels, i));
    }
    rewards_ = getArray<Image>("Image1");
    correct_ = get<CommandButton>("Command7");
    selection_ = get<Shape>("Shape6");
    on<CommandButton>("Command1", &QAbstractButton::clicked, [this] { Command1_Click(); });
    on<CommandButton>("Command2", &QAbstractButton::clicked, [this] { Command2_Click(); });
    on<CommandButton>("Command3", &QAbstractButton::clicked, [this] { Command3_Click(); });
    on<CommandButton>("Command4", &QAbstractButton::clicked, [this] { Command4_Click(); });
    on<CommandButton>("Command5", &QAbstractButton::clicked, [this] { Command5_Click(); });
    for (int row = 1; row <= membership::kRows; ++row)
        on<Image>(membershipRows()[row - 1].blank, &Image::clicked, [this, row] { SelectRow(row); });
    on<CommandButton>("Command10", &QAbstractButton::clicked, [this] { Command10_Click(); });
    on<CommandButton>("Command11", &QAbstractButton::clicked, [this] { Command11_Click(); });
    on<CommandButton>("Command15", &QAbstractButton::clicked, [this] { Command15_Click(); });
    on<CommandButton>("Command14", &QAbstractButton::clicked, [this] { Command14_Click(); });
    on<CommandButton>("Command6", &QAbstractButton::clicked, [this] { Command6_Click(); });
    on<CommandButton>("Command7", &QAbstractButton::clicked, [this] { Command7_Click(); });
    on<CommandButton>("Command9", &QAbstractButton::clicked, [this] { Command9_Click(); });
    // Any reward picture toggles the credit.
    addCreditAndExit("Image1");
}

void frmgroub4::Form_Load() {
    Command6_Click();
    for (const RowControls& r : rows_) {
        for (Label* label : r.labels)
            label->setVisible(true);
        r.button->setVisible(true);
        r.blank->setVisible(true);
    }
    for (const char* name : {"Command6", "Command7", "Command9"})
        control(name)->widget()->setVisible(true);
    for (int row = 1; row <= membership::kRows; ++row)
        LayOutRow(row);
}

// ---- Controls of a row ----

// A number of the statement, by label index; none where the row has no such number.
Label* frmgroub4::number(int row, int index) const {
    return index < 0 ? nullptr : rows_[row - 1].labels.value(index);
}

Statement frmgroub4::ReadStatement(int row) const {
    const MembershipRow& r = membershipRows()[row - 1];
    auto text = [&](int index) {
        const Label* l = number(row, index);
        return l ? l->caption() : QString();
    };
    return {.a = text(r.a), .b = text(r.b), .r1 = text(r.r1), .r2 = text(r.r2), .r3 = text(r.r3)};
}

void frmgroub4::WriteStatement(int row, const Statement& s) {
    const MembershipRow& r = membershipRows()[row - 1];
    const std::pair<int, const QString*> parts[] = {
        {r.a, &s.a}, {r.b, &s.b}, {r.r1, &s.r1}, {r.r2, &s.r2}, {r.r3, &s.r3}};
    for (const auto& [index, text] : parts)
        if (Label* l = number(row, index))
            l->setCaption(*text);
}

// ---- Selection and placing symbols ----

void frmgroub4::SelectRow(int row) {
    for (int k = 1; k <= membership::kRows; ++k)
        rowButton(k)->setAppearance(k == row ? 1 : 0);
    selection_->setTop(blank(row)->top());
}

// The first of rows 1 to 4 drawn raised; otherwise the bottom of the order, row 5.
int frmgroub4::SelectedRow() const {
    for (int row = 1; row < membership::kRows; ++row)
        if (rowButton(row)->appearance() == 1)
            return row;
    return membership::kRows;
}

void frmgroub4::PlaceSymbol(const QString& paletteButton) {
    const int row = SelectedRow();
    blank(row)->setPicture(get<CommandButton>(paletteButton)->picture());
    SelectRow(membership::nextRow(row));
    HideModels();
    NameRows();
}

void frmgroub4::Command10_Click() {
    PlaceSymbol("Command10");
}
void frmgroub4::Command11_Click() {
    PlaceSymbol("Command11");
}
void frmgroub4::Command15_Click() {
    PlaceSymbol("Command15");
}
void frmgroub4::Command14_Click() {
    PlaceSymbol("Command14");
}

// Every part of a row takes its button's top: the stored top of the row whose
// place its caption names.
void frmgroub4::LayOutRow(int row) {
    const int top = rowButton(membership::placeOfCaption(rowButton(row)->caption()))->storedTwips().top();
    rowButton(row)->setTop(top);
    blank(row)->setTop(top);
    model(row)->setTop(top);
    for (Label* label : rows_[row - 1].labels)
        label->setTop(top);
}

void frmgroub4::HideModels() {
    for (int row = 1; row <= membership::kRows; ++row)
        model(row)->setVisible(false);
    verdicts_ = {};
}

void frmgroub4::NameRows() {
    for (int row = 1; row <= membership::kRows; ++row) {
        const Symbol placed = membership::symbolOfPicture(blank(row)->picture());
        const Symbol correct = membership::symbolOfPicture(model(row)->picture());
        QList<std::pair<int, QString>> parts{{blank(row)->left(), membership::spokenSymbol(placed)}};
        for (const Label* label : std::as_const(rows_[row - 1].labels))
            parts.append({label->left(), label->caption()});
        QString name = QStringLiteral("%1: ") + membership::spokenStatement(parts);
        if (const std::optional<bool> right = verdicts_[size_t(row - 1)])
            name += QStringLiteral("، ") + membership::spokenVerdict(*right, correct);
        rowButton(row)->setSpokenName(name);
        blank(row)->setSpokenName(QStringLiteral("الفراغ: ") + membership::spokenSymbol(placed));
        model(row)->setSpokenName(QStringLiteral("الرمز الصحيح: ") + membership::spokenSymbol(correct));
    }
}

void frmgroub4::EmptyBlanks() {
    const QString empty = get<CommandButton>("Command16")->picture();
    for (int row = 1; row <= membership::kRows; ++row)
        blank(row)->setPicture(empty);
}

// ---- New problems, correction, start again ----

void frmgroub4::Command6_Click() {
    correct_->setEnabled(true);
    HideModels();
    for (int row = 1; row <= membership::kRows; ++row) {
        CommandButton* b = rowButton(row);
        b->setCaption(membership::nextCaption(b->caption()));
        LayOutRow(row);
    }
    membership::Statements statements;
    for (int row = 1; row <= membership::kRows; ++row)
        statements[row - 1] = ReadStatement(row);
    membership::stepStatements(statements);
    for (int row = 1; row <= membership::kRows; ++row)
        WriteStatement(row, statements[row - 1]);
    for (int row = 1; row <= membership::kRows; ++row)
        model(row)->setPicture(membership::pictureOf(membership::correctSymbol(row, ReadStatement(row))));
    EmptyBlanks();
    NameRows();
    std::array<QString, membership::kRows> captions;
    for (int row = 1; row <= membership::kRows; ++row)
        captions[row - 1] = rowButton(row)->caption();
    const membership::TopRow top = membership::topRow(captions);
    if (top.recaptioned)
        rowButton(top.row)->setCaption(QStringLiteral("1"));
    SelectRow(top.row);
}

void frmgroub4::Command7_Click() {
    for (int row = 1; row <= membership::kRows; ++row) {
        const Symbol placed = membership::symbolOfPicture(blank(row)->picture());
        const Symbol correct = membership::symbolOfPicture(model(row)->picture());
        const bool right = membership::isRight(placed, correct);
        model(row)->setVisible(!right);
        verdicts_[size_t(row - 1)] = right;
        if (right)
            AddToScore("Label7", 1);
        AddToScore("Label8", 1);
    }
    correct_->setEnabled(false);
    NameRows();
    const auto rights = std::count(verdicts_.begin(), verdicts_.end(), std::optional<bool>(true));
    announce(membership::spokenOutcome(int(rights), membership::kRows));
    announce(get<Label>("Label7")->accessibleName() + u' ' + get<Label>("Label8")->accessibleName());
    if (membership::earnsReward(membership::numberOf(get<Label>("Label7")->caption()),
                                membership::numberOf(get<Label>("Label8")->caption())))
        RevealReward();
}

void frmgroub4::RevealReward() {
    lessons::revealNextReward(rewards_);
}

void frmgroub4::Command9_Click() {
    for (int i = 0; i <= lessons::kLastReward; ++i)
        rewards_[i]->setVisible(false);
    for (const char* label : {"Label7", "Label8"}) {
        get<Label>(label)->setCaption(QStringLiteral("0"));
        FitScore(label);
    }
    correct_->setEnabled(true);
    EmptyBlanks();
    HideModels();
    Command6_Click();
}

// ---- Score ----

void frmgroub4::AddToScore(const char* label, int amount) {
    Label* l = get<Label>(label);
    l->setCaption(QString::number(membership::numberOf(l->caption()) + amount));
    FitScore(label);
}

// The score labels are one digit wide as stored; a longer number widens its label
// about the same centre so that no digit is cut off.
void frmgroub4::FitScore(const char* label) {
    constexpr int kMargin = 60;
    Label* l = get<Label>(label);
    const QRect stored = l->storedTwips();
    const double advance = QFontMetricsF(l->storedFont()).horizontalAdvance(l->caption());
    const int needed = twips::Scale().fromPx(std::ceil(advance));
    const int width = needed <= stored.width() ? stored.width() : needed + kMargin;
    l->setTwips(QRect(stored.left() + stored.width() / 2 - width / 2, l->top(), width, l->twipsHeight()));
}

} // namespace sd
