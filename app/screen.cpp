#include "app/screen.h"

#include "app/assets.h"
#include "app/navigator.h"
#include "app/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <tuple>

namespace sd {

namespace {

bool isWindowed(const Control* c) {
    const QWidget* w = c->widget();
    return qobject_cast<const TextBox*>(w) || qobject_cast<const CommandButton*>(w) ||
           qobject_cast<const PictureBox*>(w) || qobject_cast<const Frame*>(w) ||
           qobject_cast<const OptionButton*>(w);
}

// The client area: its natural size is the stored one, so the window opens at
// that size and a sizable window can still be made smaller.
class Canvas : public QWidget {
public:
    Canvas(QWidget* parent, QSize natural) : QWidget(parent), natural_(natural) {}
    QSize sizeHint() const override { return natural_; }

private:
    QSize natural_;
};

} // namespace

Screen::Screen(const ScreenLayout& layout, Navigator* navigator)
    : QWidget(nullptr), spec_(layout.screen), navigator_(navigator) {
    setObjectName(QString::fromUtf8(spec_.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setLayoutDirection(spec_.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    setWindowTitle(QString::fromUtf8(spec_.title));
    if (spec_.icon)
        setWindowIcon(assets::icon(QString::fromUtf8(spec_.icon)));
    // The screen's own mouse-move handler runs over its background.
    setMouseTracking(true);
    applyWindowFlags();

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    buildMenu();
    if (menuBar_)
        box->setMenuBar(menuBar_);

    const QSize client = twips::toPx(QSize(spec_.width, spec_.height));
    canvas_ = new Canvas(this, client);
    canvas_->setObjectName(QStringLiteral("%1.canvas").arg(objectName()));
    canvas_->setMouseTracking(true);
    canvas_->installEventFilter(this);
    box->addWidget(canvas_);

    if (spec_.border == WindowBorder::Sizable) {
        resize(sizeHint());
    } else {
        canvas_->setFixedSize(client);
        box->setSizeConstraint(QLayout::SetFixedSize);
    }

    build(layout);
}

Navigator* Screen::navigator() const {
    return navigator_.data();
}

std::any& Screen::fieldsSlot() {
    return navigator_ ? navigator_->fieldsOf(objectName()) : ownFields_;
}

Screen::~Screen() {
    if (navigator_)
        navigator_->forget(this);
}

void Screen::applyWindowFlags() {
    Qt::WindowFlags flags = (spec_.border == WindowBorder::FixedDialog ? Qt::Dialog : Qt::Window) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (spec_.minButton && spec_.border != WindowBorder::FixedDialog)
        flags |= Qt::WindowMinimizeButtonHint;
    if (spec_.maxButton && spec_.border == WindowBorder::Sizable)
        flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
}

void Screen::buildMenu() {
    if (spec_.menu.empty())
        return;
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    for (const MenuSpec& m : spec_.menu) {
        auto* item = new MenuItem(this);
        item->setObjectName(QString::fromUtf8(m.name));
        item->setText(QString::fromUtf8(m.caption));
        if (m.shortcut) {
            item->setShortcut(QKeySequence(QString::fromLatin1(m.shortcut)));
            item->setShortcutContext(Qt::WindowShortcut);
            addAction(item); // the shortcut works while the screen is the active window
        }
        menuBar_->addAction(item);
        menuItems_.insert(item->objectName(), item);
    }
}

void Screen::build(const ScreenLayout& layout) {
    const FontSpec screenFont{};
    for (const ControlSpec& stored : layout.controls) {
        QWidget* parent = canvas_;
        if (stored.container)
            parent = control(QString::fromUtf8(stored.container))->widget();
        Control* c = createControl(stored.kind, parent);
        c->configure(stored, spec_.rightToLeft, screenFont);
        const QString name = QString::fromUtf8(stored.name);
        if (stored.index >= 0)
            arrays_[name].insert(stored.index, c);
        else
            byName_.insert(name, c);
        ordered_.append(c);
        if (auto* box = qobject_cast<TextBox*>(c->widget()))
            box->setCurrentMark(spec_.currentBox);
        if (stored.pressable && stored.index >= 0) {
            groupOf_.insert(c->widget(), name);
            c->widget()->installEventFilter(this);
        }
    }
    // Entry boxes, buttons, frames and picture boxes always stand above the
    // drawn controls (labels, images, shapes, lines), whatever the stored order.
    for (Control* c : std::as_const(ordered_))
        if (isWindowed(c))
            c->widget()->raise();
    setTabOrder(layout);
}

// By tab index, then stored order. A pressable label or image given the tab index
// of an entry box or button comes right after it, so the stored order of the
// original stops holds; the elements of a pressable array stay together, where
// its first element goes.
void Screen::setTabOrder(const ScreenLayout& layout) {
    struct Stop {
        int key;
        bool pressable;
        int anchor; // stored place of the array's first element, or the control's own
        int place;
        QWidget* w;
    };
    QList<Stop> chain;
    QHash<QString, std::pair<int, int>> groupStart; // key and anchor of each array's first element
    for (int i = 0; i < int(layout.controls.size()); ++i) {
        const ControlSpec& stored = layout.controls[size_t(i)];
        QWidget* w = ordered_[i]->widget();
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        int key = stored.tabIndex >= 0 ? stored.tabIndex : 100000 + i;
        int anchor = i;
        if (const QString group = groupOf_.value(w); !group.isEmpty()) {
            const auto start = groupStart.constFind(group);
            if (start == groupStart.cend())
                groupStart.insert(group, {key, anchor});
            else
                std::tie(key, anchor) = *start;
        }
        chain.append({key, stored.pressable, anchor, i, w});
    }
    std::sort(chain.begin(), chain.end(), [](const Stop& a, const Stop& b) {
        return std::tie(a.key, a.pressable, a.anchor, a.place) <
               std::tie(b.key, b.pressable, b.anchor, b.place);
    });
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].w, chain[i].w);
}

bool Screen::takesTab(const QWidget* w) const {
    return w != this && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this) &&
           isAncestorOf(w);
}

bool Screen::focusNextPrevChild(bool next) {
    QWidget* from = focusWidget() ? focusWidget() : this;
    const QString leaving = groupOf_.value(from);
    for (QWidget* w = from;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return false;
        if (!takesTab(w))
            continue;
        const QString group = groupOf_.value(w);
        if (!group.isEmpty()) {
            if (group == leaving)
                continue;
            if (QWidget* last = groupEntry_.value(group); last && takesTab(last))
                w = last;
        }
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
}

bool Screen::stepInGroup(QWidget* from, int key) {
    const bool forward =
        key == Qt::Key_Down || (key == Qt::Key_Left) == (layoutDirection() == Qt::RightToLeft);
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    const auto* c = dynamic_cast<const Control*>(from);
    if (!c)
        return false;
    const QMap<int, Control*>& elements = arrays_.value(c->controlName());
    QList<QWidget*> line;
    for (Control* e : elements)
        if (takesTab(e->widget()) || e->widget() == from)
            line.append(e->widget());
    const qsizetype at = line.indexOf(from);
    const qsizetype to = at + (forward ? 1 : -1);
    if (at < 0 || to < 0 || to >= line.size())
        return true; // the ends of the array hold the focus
    line[to]->setFocus(Qt::OtherFocusReason);
    return true;
}

Control* Screen::lookup(const QString& name, int index) const {
    if (index < 0)
        return byName_.value(name);
    return arrays_.value(name).value(index);
}

Control* Screen::control(const QString& name, int index) const {
    Control* c = lookup(name, index);
    if (!c)
        stopMissing(name, index, "control");
    return c;
}

void Screen::stopMissing(const QString& name, int index, const char* kind) const {
    qFatal("Screen %s has no %s named %s", qPrintable(objectName()), kind,
           qPrintable(objectNameFor(name, index)));
}

QList<int> Screen::indexes(const QString& name) const {
    return arrays_.value(name).keys();
}

MenuItem* Screen::menuItem(const QString& name) const {
    MenuItem* item = menuItems_.value(name);
    if (!item)
        stopMissing(name, -1, "menu item");
    return item;
}

void Screen::runLoad() {
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void Screen::placeOnDisplay() {
    if (spec_.start != StartPosition::CenterScreen)
        return;
    QScreen* display = QGuiApplication::primaryScreen();
    if (!display)
        return;
    if (!isVisible())
        resize(sizeHint()); // not adjustSize(): it caps a window at 2/3 of the display
    const QRect area = display->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void Screen::unloadMe() {
    if (navigator_)
        navigator_->unload(this);
    else
        close();
}

void Screen::addCreditAndExit(const QString& icon, const QString& exitButton, const QString& credit) {
    QWidget* shown = control(credit)->widget();
    const auto toggle = [shown] { shown->setVisible(shown->isHidden()); };
    if (indexes(icon).isEmpty())
        connect(get<Image>(icon), &Image::doubleClicked, this, toggle);
    else
        onArray<Image>(icon, &Image::doubleClicked, [toggle](int) { toggle(); });
    on<CommandButton>(exitButton, &QAbstractButton::clicked, [this] { unloadMe(); });
}

void Screen::moveFocusTo(QWidget* box) {
    // Only pressable labels and pictures ever hold the focus among the drawn controls.
    const QWidget* focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused) &&
        (qobject_cast<const Label*>(focused) || qobject_cast<const Image*>(focused)))
        return;
    box->setFocus(Qt::OtherFocusReason);
}

void Screen::Form_MouseMove(Qt::MouseButtons, QPoint) {}

void Screen::mouseMoveEvent(QMouseEvent* e) {
    const QPoint onCanvas = canvas_->mapFrom(this, e->position().toPoint());
    Form_MouseMove(e->buttons(), QPoint(twips::fromPx(onCanvas.x()), twips::fromPx(onCanvas.y())));
}

void Screen::pressButton(const char* name) {
    if (!name)
        return;
    auto* b = get<CommandButton>(QString::fromUtf8(name));
    if (b->isVisible() && b->isEnabled())
        b->click();
}

void Screen::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && spec_.defaultButton) {
        pressButton(spec_.defaultButton);
        return;
    }
    if (e->key() == Qt::Key_Escape && spec_.cancelButton) {
        pressButton(spec_.cancelButton);
        return;
    }
    QWidget::keyPressEvent(e);
}

void Screen::closeEvent(QCloseEvent* e) {
    if (navigator_)
        navigator_->forget(this);
    e->accept();
}

bool Screen::eventFilter(QObject* watched, QEvent* e) {
    if (watched == canvas_ && e->type() == QEvent::Paint) {
        QPainter p(canvas_);
        paintCanvas(p);
        return true;
    }
    if (auto* w = qobject_cast<QWidget*>(watched); w && groupOf_.contains(w)) {
        if (e->type() == QEvent::FocusIn)
            groupEntry_.insert(groupOf_.value(w), w);
        if (e->type() == QEvent::KeyPress && stepInGroup(w, static_cast<QKeyEvent*>(e)->key()))
            return true;
    }
    return QWidget::eventFilter(watched, e);
}

void Screen::paintCanvas(QPainter& p) {
    p.fillRect(canvas_->rect(), QColor::fromRgb(spec_.backColor));
    if (!spec_.picture)
        return;
    // The picture keeps its natural size from the top-left corner; a smaller
    // window shows only part of it.
    const QString name = QString::fromUtf8(spec_.picture);
    const QSize natural = assets::naturalSize(name);
    const QSize size(twips::toPx(natural.width() * twips::kPerPixel),
                     twips::toPx(natural.height() * twips::kPerPixel));
    const qreal dpr = canvas_->devicePixelRatioF();
    if (background_.isNull() || background_.devicePixelRatio() != dpr ||
        background_.deviceIndependentSize() != size)
        background_ = assets::render(name, size, dpr);
    p.drawPixmap(0, 0, background_);
}

} // namespace sd
