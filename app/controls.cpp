#include "app/controls.h"

#include "app/assets.h"
#include "app/fonts.h"
#include "app/twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace sd {

namespace {

QColor colorOf(const Color& c, const QColor& fallback) {
    return c ? QColor::fromRgb(*c) : fallback;
}

QString stripMnemonic(QString caption) {
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

// The "Windows" style draws exactly the colours it is given and the sunken 3D
// frame of an entry box; Fusion tints both. One instance serves every control.
QStyle* classicStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        if (s)
            s->setParent(qApp);
        return s;
    }();
    return style;
}

QPoint twipsAt(const QPointF& px) {
    return QPoint(twips::fromPx(qRound(px.x())), twips::fromPx(qRound(px.y())));
}

// Draws a caption in rect, wrapped at words when asked. Lines are spaced by the
// Latin face's metrics, as the classic controls space them: the Arabic fallback
// faces carry much taller line gaps, which would push a two-line button caption
// out of its button. A single "&" marks the access key, shown underlined.
void drawCaption(QPainter& p, const QRectF& rect, QString text, Qt::Alignment align,
                 Qt::LayoutDirection direction, bool wrap, bool mnemonic) {
    if (text.isEmpty())
        return;
    int underline = -1;
    if (mnemonic) {
        QString plain;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
                ++i;
                if (text[i] != QLatin1Char('&') && underline < 0)
                    underline = int(plain.size());
            }
            plain.append(text[i]);
        }
        text = plain;
    }
    // A line break in a stored caption starts a new line.
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, p.font(), p.device());
    QTextOption opt((align & Qt::AlignHorizontal_Mask) | Qt::AlignAbsolute);
    opt.setTextDirection(direction);
    opt.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(opt);
    if (underline >= 0) {
        QTextLayout::FormatRange range;
        range.start = underline;
        range.length = 1;
        range.format.setFontUnderline(true);
        layout.setFormats({range});
    }
    const QFontMetricsF fm(p.font(), p.device());
    const double lineHeight = fm.height();
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        // Put every baseline where the Latin face would, whatever face the line uses.
        line.setPosition(QPointF(0, y + fm.ascent() - line.ascent()));
        y += lineHeight;
    }
    layout.endLayout();
    double top = rect.top();
    if (align & Qt::AlignVCenter)
        top += (rect.height() - y) / 2;
    else if (align & Qt::AlignBottom)
        top += rect.height() - y;
    p.save();
    p.setClipRect(rect.adjusted(-1, -1, 1, 1), Qt::IntersectClip);
    layout.draw(&p, QPointF(rect.left(), top));
    p.restore();
}

Qt::Alignment horizontal(Align a, bool rtl) {
    switch (a) {
    case Align::Left:
        return Qt::AlignLeft;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Start:
        break;
    }
    return rtl ? Qt::AlignRight : Qt::AlignLeft;
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

} // namespace

QString objectNameFor(const QString& name, int index) {
    return index >= 0 ? QStringLiteral("%1(%2)").arg(name).arg(index) : name;
}

Qt::LayoutDirection readingDirection(const QString& text, bool rtl) {
    if (!rtl)
        return Qt::LeftToRight;
    for (const QChar ch : text) {
        switch (ch.direction()) {
        case QChar::DirL:
            return Qt::LeftToRight;
        case QChar::DirR:
        case QChar::DirAL:
            return Qt::RightToLeft;
        default:
            break;
        }
    }
    return Qt::RightToLeft;
}

// ---------------------------------------------------------------- Control

void Control::setTwips(const QRect& tw) {
    if (tw == tw_)
        return;
    tw_ = tw;
    applyGeometry();
}

void Control::setLeft(int left) {
    setTwips(QRect(left, tw_.y(), tw_.width(), tw_.height()));
}
void Control::setTop(int top) {
    setTwips(QRect(tw_.x(), top, tw_.width(), tw_.height()));
}
void Control::setTwipsWidth(int width) {
    setTwips(QRect(tw_.x(), tw_.y(), std::max(0, width), tw_.height()));
}
void Control::setTwipsHeight(int height) {
    setTwips(QRect(tw_.x(), tw_.y(), tw_.width(), std::max(0, height)));
}

QRect Control::pixelGeometry() const {
    return twips::toPx(tw_);
}

void Control::applyGeometry() {
    self_->setGeometry(pixelGeometry());
}

void Control::setPointer(const QString& pictureName) {
    if (pictureName.isEmpty())
        return;
    if (!assets::exists(pictureName)) {
        self_->setCursor(Qt::ArrowCursor);
        return;
    }
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    // The pointer pictures have their tip at (1, 1).
    self_->setCursor(QCursor(assets::pixmap(pictureName, QSize(32, 32), dpr), 1, 1));
}

void Control::refreshAccessibleName(const QString& caption) {
    const QString name = stripMnemonic(caption).trimmed();
    self_->setAccessibleName(name.isEmpty() ? self_->toolTip() : name);
}

void Control::configure(const ControlSpec& stored, bool rightToLeft, const FontSpec& screenFont) {
    name_ = QString::fromUtf8(stored.name);
    index_ = stored.index;
    rtl_ = rightToLeft;
    self_->setObjectName(objectNameFor(name_, index_));
    self_->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const FontSpec f = stored.font.value_or(screenFont);
    self_->setFont(fonts::make(QString::fromUtf8(f.family), f.points, f.bold, f.italic, f.underline));
    if (stored.tooltip)
        self_->setToolTip(QString::fromUtf8(stored.tooltip));
    if (stored.pointer)
        setPointer(QString::fromUtf8(stored.pointer));
    self_->setEnabled(stored.enabled);
    tw_ = QRect(stored.at.left, stored.at.top, stored.at.width, stored.at.height);
    configureKind(stored);
    applyGeometry();
    self_->setVisible(stored.visible);
}

// ---------------------------------------------------------------- Label

Label::Label(QWidget* parent) : QLabel(parent), Control(this) {
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
}

void Label::configureKind(const ControlSpec& stored) {
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
    if (caption == caption_)
        return;
    caption_ = caption;
    setText(caption);
    refreshAccessibleName(caption);
    if (autoSize_)
        fitToCaption();
    update();
    emit captionChanged(caption_);
}

void Label::fitToCaption() {
    // An empty caption takes no width, so packed rows close up around it.
    const QFontMetricsF fm(font());
    const double px = caption_.isEmpty() ? 0.0 : fm.horizontalAdvance(caption_);
    const int w = caption_.isEmpty() ? 0 : twips::fromPx(static_cast<int>(std::ceil(px)));
    const int h = twips::fromPx(static_cast<int>(std::ceil(fm.height())));
    setTwips(QRect(tw_.x(), tw_.y(), w, h));
}

void Label::setBackColor(const QColor& c) {
    if (c != back_) {
        back_ = c;
        update();
    }
}

void Label::setForeColor(const QColor& c) {
    if (c != fore_) {
        fore_ = c;
        update();
    }
}

void Label::setBorderStyle(int style) {
    border_ = style;
    update();
}

void Label::setOpaque(bool opaque) {
    opaque_ = opaque;
    update();
}

void Label::setAlignment(Align a) {
    align_ = a;
    update();
}

Qt::Alignment Label::drawAlignment() const {
    return horizontal(align_, rtl_) | Qt::AlignAbsolute | Qt::AlignTop;
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    if (opaque_)
        p.fillRect(r, back_);
    if (border_ == 1) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    p.setFont(font());
    p.setPen(isEnabled() ? fore_ : QColor(0x80, 0x80, 0x80));
    // The base direction is the label's own, not guessed from its text: a lone
    // "{" or "{ 2 ، 5 }" must read right to left like the Arabic around it.
    drawCaption(p, QRectF(r), caption_, horizontal(align_, rtl_) | Qt::AlignTop,
                readingDirection(caption_, rtl_), wordWrap_, false);
}

void Label::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void Label::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

void Label::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
}

void Label::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::ToolTipChange)
        refreshAccessibleName(caption_);
    if (e->type() == QEvent::FontChange && autoSize_)
        fitToCaption();
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), Control(this) {
    if (QStyle* s = classicStyle())
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
    setAlignment(horizontal(stored.align, rightToLeft()) | Qt::AlignVCenter | Qt::AlignAbsolute);
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
    if (c == back_)
        return;
    back_ = c;
    refreshPalette();
}

void TextBox::setForeColor(const QColor& c) {
    if (c == fore_)
        return;
    fore_ = c;
    refreshPalette();
}

void TextBox::setBorderStyle(int style) {
    if (style == border_)
        return;
    border_ = style;
    refreshFrame();
}

void TextBox::setAppearance(int look) {
    if (look == appearance_)
        return;
    appearance_ = look;
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
    pressed_ = e->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(e);
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void TextBox::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* e) {
    QLineEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

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
    if (caption == text())
        return;
    setText(caption);
    refreshAccessibleName(caption);
    emit captionChanged(caption);
}

void CommandButton::setBackColor(const QColor& c) {
    if (c != back_) {
        back_ = c;
        update();
    }
}

void CommandButton::setForeColor(const QColor& c) {
    if (c != fore_) {
        fore_ = c;
        update();
    }
}

void CommandButton::setAppearance(int look) {
    if (look != appearance_) {
        appearance_ = look;
        update();
    }
}

void CommandButton::setPicture(const QString& name) {
    if (name != picture_) {
        picture_ = name;
        update();
    }
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
    const int shift = sunken ? 1 : 0;
    QRect content = r.adjusted(4 + shift, 3 + shift, -4 + shift, -3 + shift);

    if (!picture_.isEmpty()) {
        QSize natural = assets::naturalSize(picture_);
        natural = QSize(twips::toPx(natural.width() * twips::kPerPixel),
                        twips::toPx(natural.height() * twips::kPerPixel));
        const QSize room =
            text().isEmpty() ? content.size() : QSize(content.width(), content.height() * 2 / 3);
        const QSize size = natural.isEmpty() ? room : natural.boundedTo(room);
        const QRect target(
            QPoint(content.center().x() - size.width() / 2,
                   text().isEmpty() ? content.center().y() - size.height() / 2 : content.top()),
            size);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        assets::draw(p, picture_, QRectF(target));
        if (!text().isEmpty())
            content.setTop(target.bottom() + 1);
    }

    if (!text().isEmpty()) {
        p.setFont(font());
        const Qt::LayoutDirection direction = readingDirection(text(), rightToLeft());
        if (isEnabled()) {
            p.setPen(fore_);
            drawCaption(p, QRectF(content), text(), Qt::AlignCenter, direction, true, true);
        } else {
            // Engraved, as a disabled classic button shows its caption.
            p.setPen(Qt::white);
            drawCaption(p, QRectF(content.translated(1, 1)), text(), Qt::AlignCenter, direction, true, true);
            p.setPen(QColor(0x80, 0x80, 0x80));
            drawCaption(p, QRectF(content), text(), Qt::AlignCenter, direction, true, true);
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

// ---------------------------------------------------------------- Image

Image::Image(QWidget* parent) : QWidget(parent), Control(this) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
}

void Image::configureKind(const ControlSpec& stored) {
    picture_ = QString::fromUtf8(stored.picture ? stored.picture : "");
    stretch_ = stored.stretch;
    border_ = stored.borderStyle < 0 ? 0 : stored.borderStyle;
    if (stored.borderColor)
        borderColor_ = QColor::fromRgb(*stored.borderColor);
    refreshAccessibleName(QString());
}

void Image::setBorderStyle(int style) {
    if (style != border_) {
        border_ = style;
        update();
    }
}

void Image::setBorderColor(const QColor& c) {
    if (c != borderColor_) {
        borderColor_ = c;
        update();
    }
}

void Image::setPicture(const QString& name) {
    if (name != picture_) {
        picture_ = name;
        update();
    }
}

void Image::setStretch(bool on) {
    if (on != stretch_) {
        stretch_ = on;
        update();
    }
}

void Image::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int inset = border_ == 1 ? 1 : 0;
    if (!picture_.isEmpty()) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QRectF target(rect().adjusted(inset, inset, -inset, -inset));
        if (!stretch_) {
            const QSize natural = assets::naturalSize(picture_);
            target = QRectF(inset, inset, twips::toPxF(natural.width() * twips::kPerPixel),
                            twips::toPxF(natural.height() * twips::kPerPixel));
            p.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
        }
        if (stretch_) {
            // From the shared pixmap cache: a stack of identical pictures is
            // rendered once, however many controls show it.
            p.drawPixmap(target.topLeft(),
                         assets::pixmap(picture_, target.size().toSize(), devicePixelRatioF()));
        } else {
            assets::draw(p, picture_, target);
        }
        p.restore();
    }
    if (border_ == 1) {
        p.setPen(QPen(borderColor_, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Image::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void Image::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

void Image::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
}

// ---------------------------------------------------------------- PictureBox

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), Control(this) {
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::configureKind(const ControlSpec& stored) {
    picture_ = QString::fromUtf8(stored.picture ? stored.picture : "");
    back_ = colorOf(stored.back, back_);
    border_ = stored.borderStyle < 0 ? 1 : stored.borderStyle;
    appearance_ = stored.appearance < 0 ? 1 : stored.appearance;
    refreshAccessibleName(QString());
}

void PictureBox::setPicture(const QString& name) {
    if (name != picture_) {
        picture_ = name;
        update();
    }
}

void PictureBox::setBackColor(const QColor& c) {
    if (c != back_) {
        back_ = c;
        update();
    }
}

void PictureBox::setBorderStyle(int style) {
    border_ = style;
    update();
}

void PictureBox::setAppearance(int look) {
    appearance_ = look;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    int inset = 0;
    if (border_ == 1 && appearance_ == 1) {
        qDrawWinPanel(&p, rect(), palette(), true, nullptr);
        inset = 2;
    } else if (border_ == 1) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        inset = 1;
    }
    if (!picture_.isEmpty()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize natural = assets::naturalSize(picture_);
        p.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
        assets::draw(p, picture_,
                     QRectF(inset, inset, twips::toPxF(natural.width() * twips::kPerPixel),
                            twips::toPxF(natural.height() * twips::kPerPixel)));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

// ---------------------------------------------------------------- Shape

Shape::Shape(QWidget* parent) : QWidget(parent), Control(this) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::configureKind(const ControlSpec& stored) {
    kind_ = stored.shape;
    border_ = colorOf(stored.borderColor, border_);
    back_ = colorOf(stored.back, back_);
    fillColor_ = colorOf(stored.fillColor, fillColor_);
    borderWidth_ = std::max(0, stored.borderWidth);
    opaque_ = stored.opaque;
    fill_ = stored.fill;
}

void Shape::setBorderColor(const QColor& c) {
    border_ = c;
    update();
}

void Shape::setBackColor(const QColor& c) {
    back_ = c;
    update();
}

void Shape::setFillColor(const QColor& c) {
    fillColor_ = c;
    update();
}

void Shape::setOpaque(bool opaque) {
    opaque_ = opaque;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The border lies inside the control's bounds, as the stored sizes assume.
    const double pen = borderWidth_ > 0 ? std::max(1.0, twips::toPxF(borderWidth_ * twips::kPerPixel)) : 0.0;
    QRectF r = QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    if (kind_ == ShapeKind::Square || kind_ == ShapeKind::Circle || kind_ == ShapeKind::RoundedSquare) {
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    QPainterPath path;
    switch (kind_) {
    case ShapeKind::Rectangle:
    case ShapeKind::Square:
        path.addRect(r);
        break;
    case ShapeKind::Oval:
    case ShapeKind::Circle:
        path.addEllipse(r);
        break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: {
        const double radius = std::min(r.width(), r.height()) / 6.0;
        path.addRoundedRect(r, radius, radius);
        break;
    }
    }
    if (opaque_)
        p.fillPath(path, back_);
    static const Qt::BrushStyle kPattern[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                              Qt::VerPattern,   Qt::BDiagPattern,    Qt::FDiagPattern,
                                              Qt::CrossPattern, Qt::DiagCrossPattern};
    const Qt::BrushStyle pattern = kPattern[static_cast<int>(fill_)];
    if (pattern != Qt::NoBrush) {
        QBrush brush(fillColor_, pattern);
        if (pattern != Qt::SolidPattern) {
            // Hatching is drawn in device pixels; scale it with the zoom so the
            // stripes keep their spacing.
            brush.setTransform(QTransform::fromScale(twips::zoom(), twips::zoom()));
        }
        p.fillPath(path, brush);
    }
    if (pen > 0) {
        p.setPen(QPen(border_, pen));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

// ---------------------------------------------------------------- Line

Line::Line(QWidget* parent) : QWidget(parent), Control(this) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::configureKind(const ControlSpec& stored) {
    // Stored as the two end points; kept as the start and the run to the end.
    tw_ = QRect(stored.at.left, stored.at.top, stored.at.width - stored.at.left,
                stored.at.height - stored.at.top);
    color_ = colorOf(stored.borderColor, color_);
    width_ = std::max(1, stored.borderWidth);
}

QRect Line::pixelGeometry() const {
    const QRect ends = twips::toPx(tw_).normalized();
    const int pad = std::max(1, twips::toPx(width_ * twips::kPerPixel));
    return ends.adjusted(0, 0, pad, pad);
}

void Line::setBorderColor(const QColor& c) {
    color_ = c;
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double w = std::max(1.0, twips::toPxF(width_ * twips::kPerPixel));
    const QRect g = pixelGeometry();
    const QPointF a = QPointF(twips::toPx(tw_.x()), twips::toPx(tw_.y())) - g.topLeft();
    const QPointF b =
        QPointF(twips::toPx(tw_.x() + tw_.width()), twips::toPx(tw_.y() + tw_.height())) - g.topLeft();
    QPen pen(color_, w);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    // A pen w wide is centred on its path; shift so it covers the pixels below
    // and right of the end points, as the classic line does.
    const QPointF off(w / 2, w / 2);
    p.drawLine(a + off, b + off);
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent), Control(this) {
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
    if (caption == text())
        return;
    setText(caption);
    refreshAccessibleName(caption);
    emit captionChanged(caption);
}

void OptionButton::setBackColor(const QColor& c) {
    back_ = c;
    refreshPalette();
}

void OptionButton::setForeColor(const QColor& c) {
    fore_ = c;
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
    if (caption == caption_)
        return;
    caption_ = caption;
    refreshAccessibleName(caption);
    update();
    emit captionChanged(caption);
}

void Frame::setBackColor(const QColor& c) {
    back_ = c;
    update();
}

void Frame::setForeColor(const QColor& c) {
    fore_ = c;
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
    drawCaption(p, QRectF(textRect), caption_, Qt::AlignHCenter, readingDirection(caption_, rightToLeft()),
                false, false);
}

// ---------------------------------------------------------------- MenuItem

void MenuItem::setCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    emit captionChanged(caption);
}

// ---------------------------------------------------------------- factory

Control* createControl(Kind kind, QWidget* parent) {
    switch (kind) {
    case Kind::Label:
        return new Label(parent);
    case Kind::TextBox:
        return new TextBox(parent);
    case Kind::Button:
        return new CommandButton(parent);
    case Kind::Image:
        return new Image(parent);
    case Kind::PictureBox:
        return new PictureBox(parent);
    case Kind::Shape:
        return new Shape(parent);
    case Kind::Line:
        return new Line(parent);
    case Kind::Option:
        return new OptionButton(parent);
    case Kind::Frame:
        return new Frame(parent);
    }
    return nullptr;
}

} // namespace sd
