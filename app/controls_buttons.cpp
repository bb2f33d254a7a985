// The buttons: command buttons, which paint the classic bevel themselves, and
// option buttons.

#include "app/assets.h"
#include "app/control_support.h"
#include "app/controls.h"
#include "app/twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace sd {

using detail::changeTo;
using detail::colorOf;
using detail::drawCaption;

namespace {

// The style's round indicator, grown with the screen's scale, so an option
// button keeps its proportions when the program is zoomed.
class ScaledIndicator : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        const int base = QProxyStyle::pixelMetric(m, o, w);
        const auto* c = dynamic_cast<const Control*>(w);
        if (!c || (m != PM_ExclusiveIndicatorWidth && m != PM_ExclusiveIndicatorHeight &&
                   m != PM_RadioButtonLabelSpacing))
            return base;
        return qRound(base * c->scale().factor());
    }
};

QStyle* scaledIndicatorStyle() {
    static QStyle* style = [] {
        auto* s = new ScaledIndicator(QStyleFactory::create(QApplication::style()->name()));
        s->setParent(qApp);
        return s;
    }();
    return style;
}

// The raised or sunken bevel of a classic button, in the button's own colour.
void drawBevel(QPainter& p, const QRect& r, const QColor& face, bool sunken) {
    QPalette pal;
    pal.setColor(QPalette::Button, face);
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Midlight, face.lighter(115));
    pal.setColor(QPalette::Mid, QColor(0x80, 0x80, 0x80));
    pal.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    pal.setColor(QPalette::Shadow, Qt::black);
    QBrush fill(face);
    qDrawWinButton(&p, r, pal, sunken, &fill);
}

// A new caption on a button that keeps it as its text; true on a real change.
bool changeButtonCaption(QAbstractButton* button, const QString& caption) {
    return changeTo(button->text(), caption, [button](const QString& c) { button->setText(c); });
}

} // namespace

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent), Control(this) {
    // Enter presses the focused button, as a pupil expects.
    setAutoDefault(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void CommandButton::configureKind(const ControlSpec& stored) {
    back_ = colorOf(stored.back, back_);
    fore_ = colorOf(stored.fore, fore_);
    appearance_ = stored.appearance < 0 ? 1 : stored.appearance;
    picture_ = QString::fromUtf8(stored.picture ? stored.picture : "");
    setText(QString::fromUtf8(stored.caption ? stored.caption : ""));
    refreshAccessibleName(text());
}

void CommandButton::setCaption(const QString& caption) {
    if (!changeButtonCaption(this, caption))
        return;
    refreshAccessibleName(caption);
    emit captionChanged(caption);
}

void CommandButton::setBackColor(const QColor& c) {
    if (changeTo(back_, c))
        update();
}

void CommandButton::setForeColor(const QColor& c) {
    if (changeTo(fore_, c))
        update();
}

void CommandButton::setAppearance(int look) {
    if (changeTo(appearance_, look))
        update();
}

void CommandButton::setPicture(const QString& name) {
    if (changeTo(picture_, name))
        update();
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = rect();
    const bool sunken = isDown();
    if (appearance_ == 1) {
        drawBevel(p, r, back_, sunken);
    } else {
        p.fillRect(r, back_);
        p.setPen(QPen(sunken ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black), 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    QRect target;
    const QRect content = captionArea(sunken, &target);
    if (!picture_.isEmpty()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        assets::draw(p, picture_, QRectF(target));
    }

    if (!text().isEmpty()) {
        p.setFont(font());
        const detail::CaptionStyle style = captionStyle();
        if (isEnabled()) {
            p.setPen(fore_);
            drawCaption(p, QRectF(content), text(), style);
        } else {
            // Engraved, as a disabled classic button shows its caption.
            p.setPen(Qt::white);
            drawCaption(p, QRectF(content.translated(1, 1)), text(), style);
            p.setPen(QColor(0x80, 0x80, 0x80));
            drawCaption(p, QRectF(content), text(), style);
        }
    }

    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = r.adjusted(4, 4, -4, -4);
        opt.backgroundColor = back_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
        if (appearance_ == 1) {
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
}

QRect CommandButton::captionArea(bool sunken, QRect* picture) const {
    const int shift = sunken ? 1 : 0;
    QRect content = rect().adjusted(4 + shift, 3 + shift, -4 + shift, -3 + shift);
    if (picture_.isEmpty())
        return content;
    const QSize natural = scale().picture(assets::naturalSize(picture_)).toSize();
    const QSize room = text().isEmpty() ? content.size() : QSize(content.width(), content.height() * 2 / 3);
    const QSize size = natural.isEmpty() ? room : natural.boundedTo(room);
    const QRect target(QPoint(content.center().x() - size.width() / 2,
                              text().isEmpty() ? content.center().y() - size.height() / 2 : content.top()),
                       size);
    if (picture)
        *picture = target;
    if (!text().isEmpty())
        content.setTop(target.bottom() + 1);
    return content;
}

detail::CaptionStyle CommandButton::captionStyle() const {
    return {.align = Qt::AlignCenter,
            .direction = readingDirection(text(), rightToLeft()),
            .wrap = true,
            .mnemonic = true,
            .slack = scale().factor()};
}

bool CommandButton::captionShowsWhole() const {
    return text().isEmpty() || detail::captionShowsWhole(font(), const_cast<CommandButton*>(this), text(),
                                                         QRectF(captionArea(false)), captionStyle());
}

void CommandButton::mousePressEvent(QMouseEvent* e) {
    QPushButton::mousePressEvent(e);
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void CommandButton::mouseDoubleClickEvent(QMouseEvent* e) {
    // A double click is two presses of a button, then the double-click event.
    QPushButton::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent), Control(this) {
    setStyle(scaledIndicatorStyle());
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoFillBackground(true);
    connect(this, &QAbstractButton::toggled, this, &OptionButton::valueChanged);
}

void OptionButton::configureKind(const ControlSpec& stored) {
    back_ = colorOf(stored.back, back_);
    fore_ = colorOf(stored.fore, fore_);
    setText(QString::fromUtf8(stored.caption ? stored.caption : ""));
    setChecked(stored.value);
    refreshPalette();
    refreshAccessibleName(text());
}

void OptionButton::refreshPalette() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back_);
    pal.setColor(QPalette::WindowText, fore_);
    pal.setColor(QPalette::Button, back_);
    setPalette(pal);
}

void OptionButton::setCaption(const QString& caption) {
    if (!changeButtonCaption(this, caption))
        return;
    refreshAccessibleName(caption);
    emit captionChanged(caption);
}

void OptionButton::setBackColor(const QColor& c) {
    if (changeTo(back_, c))
        refreshPalette();
}

void OptionButton::setForeColor(const QColor& c) {
    if (changeTo(fore_, c))
        refreshPalette();
}

void OptionButton::setValue(bool chosen) {
    // Code may leave a group with no option chosen, which Qt's exclusive buttons refuse.
    if (!chosen && isChecked() && autoExclusive()) {
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
        return;
    }
    setChecked(chosen);
}

// Without a caption the style has no text to frame: the whole button shows the focus.
void OptionButton::paintEvent(QPaintEvent* e) {
    QRadioButton::paintEvent(e);
    if (!hasFocus() || !text().isEmpty())
        return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

// Chosen wherever it is clicked, not only on its small circle.
bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace sd
