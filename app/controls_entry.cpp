// Entry boxes: the classic style's sunken 3D frame, or a flat single line drawn
// here, in the box's own colours.

#include "app/accessibility.h"
#include "app/control_support.h"
#include "app/controls.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace sd {

using detail::changeTo;
using detail::colorOf;

namespace {

// Every change of the box's text passes through its validator, whether typed,
// pasted, composed by an input method or dropped: the one place to turn digits
// from any keyboard into the digits the lessons show. The length never changes,
// so a box's maximum length holds as before, and every text is acceptable.
class WesternDigitsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = westernDigits(input);
        return Acceptable;
    }
};

// The bright frame round a current box: a ring just outside the box, which lets
// the mouse through to whatever it covers.
class CurrentBoxFrame : public QWidget {
public:
    static constexpr int kBand = 3; // pixels of yellow at 100 %; it grows with the zoom

    // The band for a screen's scale, and how far the frame stands out of the box.
    static int bandFor(double scale) { return std::max(kBand, static_cast<int>(std::lround(kBand * scale))); }
    static int outsideFor(int band) { return band + 2; }

    int band = kBand;

    explicit CurrentBoxFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("currentBoxFrame"));
        accessibility::leaveOut(this);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        detail::drawBrightFrame(p, rect(), band);
    }
};

} // namespace

QString westernDigits(QString text) {
    for (QChar& ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0x0660 && u <= 0x0669)
            ch = QChar(u'0' + (u - 0x0660));
        else if (u >= 0x06F0 && u <= 0x06F9)
            ch = QChar(u'0' + (u - 0x06F0));
    }
    return text;
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), Control(this) {
    if (QStyle* s = detail::classicStyle())
        setStyle(s);
    setAttribute(Qt::WA_NoMousePropagation);
}

void TextBox::configureKind(const ControlSpec& stored) {
    back_ = colorOf(stored.back, back_);
    fore_ = colorOf(stored.fore, fore_);
    border_ = stored.borderStyle < 0 ? 1 : stored.borderStyle;
    appearance_ = stored.appearance < 0 ? 1 : stored.appearance;
    if (stored.maxLength > 0)
        setMaxLength(stored.maxLength);
    setWesternDigits(stored.westernDigits);
    setAlignment(detail::horizontal(stored.align, rightToLeft()) | Qt::AlignVCenter | Qt::AlignAbsolute);
    refreshPalette();
    refreshFrame();
    setText(QString::fromUtf8(stored.caption ? stored.caption : ""));
    refreshAccessibleName(QString());
}

void TextBox::setWesternDigits(bool on) {
    if (on == westernDigits())
        return;
    const QValidator* old = validator();
    setValidator(on ? new WesternDigitsValidator(this) : nullptr);
    delete old;
}

void TextBox::setCurrentMark(const CurrentBoxMark& mark) {
    mark_ = mark;
    refreshCurrentFrame();
}

bool TextBox::isCurrentBox() const {
    switch (mark_.by) {
    case CurrentBoxMark::By::Border:
        return border_ == 1;
    case CurrentBoxMark::By::BackColor:
        return back_.rgb() == QColor::fromRgb(mark_.color).rgb();
    case CurrentBoxMark::By::Nothing:
        break;
    }
    return false;
}

// Shown while the box is current and shown; it follows the box's place and
// stands above its neighbours.
void TextBox::refreshCurrentFrame() {
    const bool shown = isCurrentBox() && !isHidden() && parentWidget();
    if (!shown) {
        if (currentFrame_)
            currentFrame_->hide();
        return;
    }
    if (!currentFrame_)
        currentFrame_ = new CurrentBoxFrame(parentWidget());
    auto* frame = static_cast<CurrentBoxFrame*>(currentFrame_.data());
    frame->band = CurrentBoxFrame::bandFor(scale().factor());
    const int m = CurrentBoxFrame::outsideFor(frame->band);
    currentFrame_->setGeometry(geometry().adjusted(-m, -m, m, m));
    currentFrame_->raise();
    currentFrame_->show();
}

void TextBox::moveEvent(QMoveEvent* e) {
    QLineEdit::moveEvent(e);
    refreshCurrentFrame();
}

void TextBox::resizeEvent(QResizeEvent* e) {
    QLineEdit::resizeEvent(e);
    refreshCurrentFrame();
}

void TextBox::showEvent(QShowEvent* e) {
    QLineEdit::showEvent(e);
    refreshCurrentFrame();
}

void TextBox::hideEvent(QHideEvent* e) {
    QLineEdit::hideEvent(e);
    refreshCurrentFrame();
}

void TextBox::refreshPalette() {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, back_);
    pal.setColor(QPalette::Window, back_);
    pal.setColor(QPalette::Text, fore_);
    pal.setColor(QPalette::Disabled, QPalette::Base, back_);
    pal.setColor(QPalette::Disabled, QPalette::Text, fore_.darker(150));
    setPalette(pal);
}

void TextBox::refreshFrame() {
    // The 3D look is the style's sunken frame; the flat look is a single line we
    // draw ourselves; with no border there is nothing around the text.
    const bool sunken = border_ == 1 && appearance_ == 1;
    setFrame(sunken);
    const int m = (border_ == 1 && appearance_ == 0) ? 1 : 0;
    setTextMargins(m, m, m, m);
    update();
}

void TextBox::judge(const QColor& colour, const QString& spoken) {
    setBackColor(colour);
    verdictColour_ = colour;
    setAccessibleDescription(spoken);
}

// The lesson colouring the box again ends its verdict, even in the same colour:
// black is both a correct box and a box not judged.
void TextBox::setBackColor(const QColor& c) {
    if (verdictColour_.isValid()) {
        verdictColour_ = QColor();
        setAccessibleDescription(QString());
    }
    if (!changeTo(back_, c))
        return;
    refreshPalette();
    refreshCurrentFrame();
}

void TextBox::setForeColor(const QColor& c) {
    if (changeTo(fore_, c))
        refreshPalette();
}

void TextBox::setBorderStyle(int style) {
    if (!changeTo(border_, style))
        return;
    refreshFrame();
    refreshCurrentFrame();
}

void TextBox::setAppearance(int look) {
    if (changeTo(appearance_, look))
        refreshFrame();
}

void TextBox::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    if (border_ == 1 && appearance_ == 0) {
        QPainter p(this);
        p.setPen(QPen(QColor(Qt::black), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Coming back to the window (or out of a popup) is not the pupil choosing the
// box again: lessons that select a box on focus would wipe its row's marks.
void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        emit gotFocus();
}

void TextBox::mousePressEvent(QMouseEvent* e) {
    clicks_.press(e);
    QLineEdit::mousePressEvent(e);
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void TextBox::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (clicks_.release(e, this))
        emit clicked();
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* e) {
    QLineEdit::mouseDoubleClickEvent(e);
    if (ClickTracker::doubleClick(e))
        emit doubleClicked();
}

} // namespace sd
