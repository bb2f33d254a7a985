// What every control kind shares: the name, the twips geometry, the pointer and
// the accessible name; the caption routine and the click tracker the families
// use; and the factory that builds a control for a stored layout entry. Each
// family has its own file: captions, buttons, pictures and shapes, entry boxes.

#include "app/controls.h"

#include "app/assets.h"
#include "app/control_support.h"
#include "app/fonts.h"
#include "app/screen.h"
#include "app/twips.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGlyphRun>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>

namespace sd {

namespace {

// A label or picture the pupil presses is a button to a screen reader too: it
// says so, and its press action clicks it.
class PressableAccessible : public QAccessibleWidget {
public:
    explicit PressableAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction() || !widget()->isEnabled())
            return;
        if (auto* label = qobject_cast<Label*>(widget()))
            emit label->clicked();
        else if (auto* image = qobject_cast<Image*>(widget()))
            emit image->clicked();
    }
};

QAccessibleInterface* pressableAccessible(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    const bool kind = className == QLatin1String("sd::Label") || className == QLatin1String("sd::Image");
    return kind && w && (w->focusPolicy() & Qt::TabFocus) ? new PressableAccessible(w) : nullptr;
}

QString stripMnemonic(QString caption) {
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

} // namespace

namespace detail {

QStyle* classicStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        if (s)
            s->setParent(qApp);
        return s;
    }();
    return style;
}

void drawBrightFrame(QPainter& p, const QRect& rect, int band) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    const QRect r = rect.adjusted(0, 0, -1, -1);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0x00), 1));
    for (int i = 1; i <= band; ++i)
        p.drawRect(r.adjusted(i, i, -i, -i));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r.adjusted(band + 1, band + 1, -band - 1, -band - 1));
    p.restore();
}

QList<std::pair<int, int>> blankRuns(const QString& text) {
    QList<std::pair<int, int>> runs;
    for (int i = 0; i < text.size();) {
        if (text[i] != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        int end = i;
        while (end < text.size() && text[end] == QLatin1Char(' '))
            ++end;
        if (end - i >= 2)
            runs.append({i, end});
        i = end;
    }
    return runs;
}

// Wrapped at words when asked. Lines are spaced by the Latin face's metrics, as
// the classic controls space them: the Arabic fallback faces carry much taller
// line gaps, which would push a two-line button caption out of its button.
double layCaption(QTextLayout& layout, QPaintDevice* device, QString text, double width,
                  const CaptionStyle& style) {
    QList<QTextLayout::FormatRange> formats;
    if (style.mnemonic) {
        QString plain;
        int underline = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
                ++i;
                if (text[i] != QLatin1Char('&') && underline < 0)
                    underline = int(plain.size());
            }
            plain.append(text[i]);
        }
        text = plain;
        if (underline >= 0) {
            QTextLayout::FormatRange range{underline, 1, {}};
            range.format.setFontUnderline(true);
            formats.append(range);
        }
    }
    if (style.blankRunSpacing != 0)
        for (const auto& [start, end] : blankRuns(text)) {
            QTextLayout::FormatRange range{start, end - start, {}};
            range.format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
            range.format.setFontLetterSpacing(style.blankRunSpacing);
            formats.append(range);
        }
    // A line break in a stored caption starts a new line.
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(text);
    QTextOption opt((style.align & Qt::AlignHorizontal_Mask) | Qt::AlignAbsolute);
    opt.setTextDirection(style.direction);
    opt.setWrapMode(style.wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(opt);
    layout.setFormats(formats);
    const QFontMetricsF fm(layout.font(), device);
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        // Put every baseline where the Latin face would, whatever face the line uses.
        line.setPosition(QPointF(0, y + fm.ascent() - line.ascent()));
        y += fm.height();
    }
    layout.endLayout();
    return y;
}

namespace {
// Where the lines start, as drawCaption places them.
double captionTop(const QRectF& rect, double height, Qt::Alignment align) {
    if (align & Qt::AlignVCenter)
        return rect.top() + (rect.height() - height) / 2;
    if (align & Qt::AlignBottom)
        return rect.top() + rect.height() - height;
    return rect.top();
}
} // namespace

bool captionShowsWhole(const QFont& font, QPaintDevice* device, const QString& text, const QRectF& rect,
                       const CaptionStyle& style) {
    QTextLayout layout(QString(), font, device);
    const double height = layCaption(layout, device, text, rect.width(), style);
    QRectF ink;
    for (const QGlyphRun& run : layout.glyphRuns())
        ink |= run.boundingRect();
    ink.translate(rect.left(), captionTop(rect, height, style.align));
    const double s = style.slack + 0.01;
    return rect.adjusted(-s, -s, s, s).contains(ink);
}

void drawCaption(QPainter& p, const QRectF& rect, const QString& text, const CaptionStyle& style) {
    if (text.isEmpty())
        return;
    QTextLayout layout(QString(), p.font(), p.device());
    const double height = layCaption(layout, p.device(), text, rect.width(), style);
    const double top = captionTop(rect, height, style.align);
    p.save();
    const double s = style.slack;
    p.setClipRect(rect.adjusted(-s, -s, s, s), Qt::IntersectClip);
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

} // namespace detail

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

// ---------------------------------------------------------------- ClickTracker

void ClickTracker::press(const QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
}

bool ClickTracker::release(const QMouseEvent* e, const QWidget* over) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && over->rect().contains(e->position().toPoint());
    pressed_ = false;
    return click;
}

bool ClickTracker::doubleClick(const QMouseEvent* e) {
    return e->button() == Qt::LeftButton;
}

// ---------------------------------------------------------------- Control

void Control::setTwips(const QRect& tw) {
    if (detail::changeTo(tw_, tw))
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

twips::Scale Control::scale() const {
    if (const auto* screen = qobject_cast<const Screen*>(self_->window()))
        return screen->scale();
    return twips::Scale(twips::zoom());
}

QRect Control::pixelGeometry() const {
    return scale().toPx(tw_);
}

void Control::applyGeometry() {
    self_->setGeometry(pixelGeometry());
}

QFont Control::storedFont() const {
    QFont f = self_->font();
    f.setFamilies(families_);
    f.setPixelSize(twips::Scale().pointsToPx(fontPoints_));
    return f;
}

void Control::applyDigits() {
    const QStringList shown = fonts::shownFamilies(families_);
    if (self_->font().families() == shown)
        return;
    QFont f = self_->font();
    f.setFamilies(shown);
    self_->setFont(f);
    self_->update();
}

void Control::applyScale() {
    const int px = scale().pointsToPx(fontPoints_);
    if (self_->font().pixelSize() != px) {
        QFont f = self_->font();
        f.setPixelSize(px);
        self_->setFont(f);
    }
    applyGeometry();
    self_->update();
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
    caption_ = caption;
    QString name = stripMnemonic(caption).trimmed();
    if (spoken_.contains(QLatin1String("%1")))
        name = spoken_.arg(name);
    else if (name.isEmpty())
        name = spoken_;
    self_->setAccessibleName(name.isEmpty() ? self_->toolTip() : name);
}

void Control::setSpokenName(const QString& spoken) {
    spoken_ = spoken;
    refreshAccessibleName(caption_);
}

void Control::makePressable(bool on) {
    static const bool installed = [] {
        QAccessible::installFactory(pressableAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    self_->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

bool Control::pressesMe(const QKeyEvent* e) const {
    if (!(self_->focusPolicy() & Qt::TabFocus) || e->isAutoRepeat() ||
        (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)))
        return false;
    return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

void Control::configure(const ControlSpec& stored, bool rightToLeft, const FontSpec& screenFont) {
    name_ = QString::fromUtf8(stored.name);
    index_ = stored.index;
    rtl_ = rightToLeft;
    self_->setObjectName(objectNameFor(name_, index_));
    self_->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const FontSpec f = stored.font.value_or(screenFont);
    fontPoints_ = f.points;
    QFont font = fonts::make(QString::fromUtf8(f.family), f.points, f.bold, f.italic, f.underline);
    font.setPixelSize(scale().pointsToPx(f.points));
    families_ = font.families();
    font.setFamilies(fonts::shownFamilies(families_));
    self_->setFont(font);
    if (stored.tooltip)
        self_->setToolTip(QString::fromUtf8(stored.tooltip));
    spoken_ = QString::fromUtf8(stored.accessibleName ? stored.accessibleName : "");
    if (stored.pointer)
        setPointer(QString::fromUtf8(stored.pointer));
    self_->setEnabled(stored.enabled);
    tw_ = QRect(stored.at.left, stored.at.top, stored.at.width, stored.at.height);
    configureKind(stored);
    stored_ = tw_;
    applyGeometry();
    self_->setVisible(stored.visible);
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
