// The caption controls: labels, frames and menu items.

#include "app/control_support.h"
#include "app/controls.h"
#include "app/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <QTextLayout>

#include <cmath>

namespace sd {

using detail::changeTo;
using detail::colorOf;
using detail::horizontal;

// ---------------------------------------------------------------- Label

Label::Label(QWidget* parent) : QLabel(parent), Control(this) {
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
}

void Label::configureKind(const ControlSpec& stored) {
    makePressable(stored.pressable); // first: screen readers meet it from its first change on
    back_ = colorOf(stored.back, back_);
    fore_ = colorOf(stored.fore, fore_);
    opaque_ = stored.opaque;
    autoSize_ = stored.autoSize;
    wordWrap_ = stored.wordWrap && !stored.autoSize;
    align_ = stored.align;
    border_ = stored.borderStyle < 0 ? 0 : stored.borderStyle;
    caption_ = QString::fromUtf8(stored.caption ? stored.caption : "");
    setText(caption_);
    refreshAccessibleName(caption_);
    if (autoSize_)
        fitToCaption();
}

void Label::setCaption(const QString& caption) {
    if (!changeTo(caption_, caption))
        return;
    setText(caption);
    refreshAccessibleName(caption);
    if (autoSize_)
        fitToCaption();
    update();
    emit captionChanged(caption_);
}

void Label::fitToCaption() {
    // Measured at the stored size, so a zoom never changes the label's twips.
    // An empty caption takes no width, so packed rows close up around it.
    const twips::Scale stored;
    const QFontMetricsF fm(storedFont());
    const double px = caption_.isEmpty() ? 0.0 : fm.horizontalAdvance(caption_);
    const int w = caption_.isEmpty() ? 0 : stored.fromPx(std::ceil(px));
    const int h = stored.fromPx(std::ceil(fm.height()));
    setTwips(QRect(tw_.x(), tw_.y(), w, h));
}

void Label::setBackColor(const QColor& c) {
    if (changeTo(back_, c))
        update();
}

void Label::setForeColor(const QColor& c) {
    if (changeTo(fore_, c))
        update();
}

void Label::setBorderStyle(int style) {
    if (changeTo(border_, style))
        update();
}

void Label::setOpaque(bool opaque) {
    if (changeTo(opaque_, opaque))
        update();
}

void Label::setAlignment(Align a) {
    if (changeTo(align_, a))
        update();
}

Qt::Alignment Label::drawAlignment() const {
    return horizontal(align_, rtl_) | Qt::AlignAbsolute | Qt::AlignTop;
}

// The base direction is the label's own, not guessed from its text: a lone
// "{" or "{ 2 ، 5 }" must read right to left like the Arabic around it.
detail::CaptionStyle Label::captionStyle(double scale) const {
    return {.align = horizontal(align_, rtl_) | Qt::AlignTop,
            .direction = readingDirection(caption_, rtl_),
            .wrap = wordWrap_,
            .blankRunSpacing = blankSpacing_ * scale,
            .slack = scale};
}

// Inside the border, when there is one.
QRect Label::captionRect() const {
    return border_ == 1 ? rect().adjusted(1, 1, -1, -1) : rect();
}

void Label::setBlankRunSpacing(int px) {
    if (changeTo(blankSpacing_, px))
        update();
}

QList<std::pair<int, int>> Label::blankRuns() const {
    return detail::blankRuns(caption_);
}

// Laid out as the label draws it at the stored size.
double Label::captionX(int position) const {
    auto* device = const_cast<Label*>(this);
    QTextLayout layout(QString(), storedFont(), device);
    const QRect box(QPoint(0, 0), twips::Scale().toPx(tw_).size());
    const QRect r = border_ == 1 ? box.adjusted(1, 1, -1, -1) : box;
    detail::layCaption(layout, device, caption_, r.width(), captionStyle(1.0));
    const QTextLine line = layout.lineForTextPosition(position);
    return r.left() + (line.isValid() ? line.cursorToX(position) : 0.0);
}

bool Label::captionShowsWhole() const {
    return caption_.isEmpty() ||
           detail::captionShowsWhole(font(), const_cast<Label*>(this), caption_, QRectF(captionRect()),
                                     captionStyle(scale().factor()));
}

void Label::widenBlankRuns(const QList<double>& needed, int most) {
    const QList<std::pair<int, int>> runs = blankRuns();
    const auto fits = [&] {
        for (qsizetype n = 0; n < needed.size() && n < runs.size(); ++n)
            if (std::abs(captionX(runs[n].first) - captionX(runs[n].second)) < needed[n])
                return false;
        return true;
    };
    int spacing = 0;
    for (setBlankRunSpacing(spacing); !fits() && spacing < most;)
        setBlankRunSpacing(++spacing);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (opaque_)
        p.fillRect(r, back_);
    if (border_ == 1) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    p.setFont(font());
    p.setPen(isEnabled() ? fore_ : QColor(0x80, 0x80, 0x80));
    detail::drawCaption(p, QRectF(captionRect()), caption_, captionStyle(scale().factor()));
}

void Label::mousePressEvent(QMouseEvent* e) {
    clicks_.press(e);
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    if (clicks_.release(e, this))
        emit clicked();
}

void Label::mouseDoubleClickEvent(QMouseEvent* e) {
    if (ClickTracker::doubleClick(e))
        emit doubleClicked();
}

void Label::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
}

void Label::keyPressEvent(QKeyEvent* e) {
    if (!pressesMe(e))
        return QLabel::keyPressEvent(e);
    emit clicked();
}

void Label::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::ToolTipChange)
        refreshAccessibleName(caption_);
    if (e->type() == QEvent::FontChange && autoSize_)
        fitToCaption();
}

// ---------------------------------------------------------------- Frame

Frame::Frame(QWidget* parent) : QFrame(parent), Control(this) {
    setAttribute(Qt::WA_NoMousePropagation);
}

void Frame::configureKind(const ControlSpec& stored) {
    back_ = colorOf(stored.back, back_);
    fore_ = colorOf(stored.fore, fore_);
    caption_ = QString::fromUtf8(stored.caption ? stored.caption : "");
    refreshAccessibleName(caption_);
}

void Frame::setCaption(const QString& caption) {
    if (!changeTo(caption_, caption))
        return;
    refreshAccessibleName(caption);
    update();
    emit captionChanged(caption);
}

void Frame::setBackColor(const QColor& c) {
    if (changeTo(back_, c))
        update();
}

void Frame::setForeColor(const QColor& c) {
    if (changeTo(fore_, c))
        update();
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const QFontMetrics fm(font());
    const int captionMid = fm.height() / 2;
    // Etched outline: a grey line with a white one beside it.
    const QRect box = rect().adjusted(0, captionMid, -1, -1);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawRect(box.adjusted(1, 1, 0, 0));
    if (caption_.isEmpty())
        return;
    const int textWidth = fm.horizontalAdvance(caption_) + 6;
    const int x = rightToLeft() ? width() - 8 - textWidth : 8;
    const QRect textRect(x, 0, textWidth, fm.height());
    p.fillRect(textRect, back_);
    p.setFont(font());
    p.setPen(isEnabled() ? fore_ : QColor(0x80, 0x80, 0x80));
    detail::drawCaption(p, QRectF(textRect), caption_,
                        {.align = Qt::AlignHCenter, .direction = readingDirection(caption_, rightToLeft())});
}

// ---------------------------------------------------------------- MenuItem

void MenuItem::setCaption(const QString& caption) {
    if (changeTo(text(), caption, [this](const QString& c) { setText(c); }))
        emit captionChanged(caption);
}

} // namespace sd
