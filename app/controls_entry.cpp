// Entry boxes: the classic style's sunken 3D frame, or a flat single line drawn
// here, in the box's own colours.

#include "app/control_support.h"
#include "app/controls.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace sd {

using detail::changeTo;
using detail::colorOf;

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
    setAlignment(detail::horizontal(stored.align, rightToLeft()) | Qt::AlignVCenter | Qt::AlignAbsolute);
    refreshPalette();
    refreshFrame();
    setText(QString::fromUtf8(stored.caption ? stored.caption : ""));
    refreshAccessibleName(QString());
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

void TextBox::setBackColor(const QColor& c) {
    if (changeTo(back_, c))
        refreshPalette();
}

void TextBox::setForeColor(const QColor& c) {
    if (changeTo(fore_, c))
        refreshPalette();
}

void TextBox::setBorderStyle(int style) {
    if (changeTo(border_, style))
        refreshFrame();
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
