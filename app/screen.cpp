#include "app/screen.h"

#include "app/accessibility.h"
#include "app/assets.h"
#include "app/fonts.h"
#include "app/navigator.h"
#include "app/twips.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace sd {

namespace {

bool isWindowed(const Control* c) {
    const QWidget* w = c->widget();
    return qobject_cast<const TextBox*>(w) || qobject_cast<const CommandButton*>(w) ||
           qobject_cast<const PictureBox*>(w) || qobject_cast<const Frame*>(w) ||
           qobject_cast<const OptionButton*>(w);
}

// The client area below the menu bar: its natural size is the stored one at
// the program's zoom, so the window opens at that size and a sizable window can
// still be made smaller.
class Backdrop : public accessibility::Area {
public:
    explicit Backdrop(QWidget* parent) : Area(parent) {}
    QSize sizeHint() const override { return natural_; }
    void setNatural(QSize natural) {
        natural_ = natural;
        updateGeometry();
    }

private:
    QSize natural_;
};

// Ctrl and + (or =), Ctrl and -, Ctrl and 0, on the main keys and on the keypad.
QList<QKeySequence> keys(Qt::Key main, Qt::Key other = Qt::Key_unknown) {
    QList<QKeySequence> list{QKeySequence(Qt::ControlModifier | main)};
    if (other != Qt::Key_unknown)
        list.append(QKeySequence(Qt::ControlModifier | other));
    list.append(QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | main));
    return list;
}

// Room a window's frame takes on a desktop, until the window is shown and its
// frame is known.
constexpr QSize kGuessedFrame(16, 48);

} // namespace

Screen::Screen(const ScreenLayout& layout, Navigator* navigator)
    : QWidget(nullptr), spec_(layout.screen), navigator_(navigator) {
    setObjectName(QString::fromUtf8(spec_.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setLayoutDirection(spec_.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    accessibility::install();
    setWindowTitle(spec_.lesson ? QStringLiteral("%1 — %2").arg(QString::fromUtf8(spec_.lesson),
                                                                QString::fromUtf8(spec_.title))
                                : QString::fromUtf8(spec_.title));
    if (spec_.icon)
        setWindowIcon(assets::icon(QString::fromUtf8(spec_.icon)));
    // The screen's own mouse-move handler runs over its background.
    setMouseTracking(true);
    applyWindowFlags();

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    buildMenu();
    box->setMenuBar(menuBar_);

    auto* backdrop = new Backdrop(this);
    backdrop_ = backdrop;
    backdrop_->setObjectName(QStringLiteral("%1.backdrop").arg(objectName()));
    backdrop_->setMouseTracking(true);
    backdrop_->installEventFilter(this);
    box->addWidget(backdrop_);
    canvas_ = new accessibility::Area(backdrop_);
    canvas_->setObjectName(QStringLiteral("%1.canvas").arg(objectName()));
    canvas_->setMouseTracking(true);

    const QSize stored(spec_.width, spec_.height);
    wanted_ = std::min(twips::zoom(), displayLimit());
    scale_ = twips::Scale(wanted_);
    const QSize client = scale_.toPx(stored);
    canvas_->setGeometry(QRect(QPoint(0, 0), client));
    backdrop->setNatural(client);
    if (spec_.border == WindowBorder::Sizable) {
        backdrop_->setMinimumSize(twips::Scale(0.25).toPx(stored));
        resize(sizeHint());
    } else {
        keepFixedSize(true);
    }

    build(layout);
    announcer_ = new accessibility::Announcer(this);
    announcer_->lower();
    new accessibility::FocusRing(this);
    refreshZoomEntries();
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
    addZoomMenu();
    addFullScreenEntry();
    addDigitsEntries();
    applyMenuFont();
    connect(viewMenu_, &QMenu::aboutToShow, this, &Screen::refreshZoomEntries);
}

// The same three entries on every screen, for a projector in a classroom.
void Screen::addZoomMenu() {
    viewMenu_ = menuBar_->addMenu(QStringLiteral("عرض"));
    viewMenu_->setObjectName(QStringLiteral("viewMenu"));
    struct Entry {
        const char* name;
        const char* caption;
        QList<QKeySequence> shortcuts;
        double (*next)(double);
    };
    const Entry entries[] = {
        {"zoomIn", "تكبير", keys(Qt::Key_Plus, Qt::Key_Equal), twips::zoomedIn},
        {"zoomOut", "تصغير", keys(Qt::Key_Minus), twips::zoomedOut},
        {"zoomReset", "الحجم الأصلي", keys(Qt::Key_0), [](double) { return 1.0; }},
    };
    for (const Entry& e : entries) {
        MenuItem* item =
            addMenuEntry(viewMenu_, QString::fromLatin1(e.name), QString::fromUtf8(e.caption), e.shortcuts);
        connect(item, &QAction::triggered, this, [next = e.next] { setProgramZoom(next(twips::zoom())); });
    }
}

// Zooming out or back does nothing at 100 %, zooming in nothing where the next
// step would not make this window larger (the display ends).
void Screen::refreshZoomEntries() {
    const double zoom = twips::zoom();
    const double limit = displayLimit();
    menuItem(QStringLiteral("zoomIn"))
        ->setEnabled(std::min(twips::zoomedIn(zoom), limit) > std::min(zoom, limit));
    menuItem(QStringLiteral("zoomOut"))->setEnabled(zoom > 1.0);
    menuItem(QStringLiteral("zoomReset"))->setEnabled(zoom > 1.0);
}

// F11 or the menu: the screen fills the projector's display, and F11 again
// gives the window back. Escape keeps its meaning on every screen.
void Screen::addFullScreenEntry() {
    viewMenu_->addSeparator();
    fullScreenItem_ = addMenuEntry(viewMenu_, QStringLiteral("fullScreen"), QStringLiteral("ملء الشاشة"),
                                   {QKeySequence(Qt::Key_F11)});
    fullScreenItem_->setCheckable(true);
    connect(fullScreenItem_, &QAction::triggered, this, [this] { setFullScreen(!isFullScreen()); });
}

// Numbers as the pupil's school writes them: "123" or "١٢٣", as Arabic programs
// name the two.
void Screen::addDigitsEntries() {
    viewMenu_->addSeparator();
    auto* group = new QActionGroup(this);
    for (const bool eastern : {false, true}) {
        MenuItem* item = addMenuEntry(
            viewMenu_, eastern ? QStringLiteral("digitsEastern") : QStringLiteral("digitsWestern"),
            eastern ? QStringLiteral("أرقام هندية (١٢٣)") : QStringLiteral("أرقام عربية (123)"), {});
        item->setCheckable(true);
        item->setChecked(fonts::easternDigits() == eastern);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [eastern] { setProgramDigits(eastern); });
    }
}

void Screen::setProgramDigits(bool eastern) {
    fonts::setEasternDigits(eastern);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<Screen*>(w)) {
            screen->menuItem(eastern ? QStringLiteral("digitsEastern") : QStringLiteral("digitsWestern"))
                ->setChecked(true);
            for (Control* c : std::as_const(screen->ordered_))
                c->applyDigits();
        }
}

void Screen::setFullScreen(bool on) {
    if (on == isFullScreen())
        return;
    if (on) {
        maximisedBeforeFullScreen_ = isMaximized();
        keepFixedSize(false);
        showFullScreen();
    } else if (maximisedBeforeFullScreen_) {
        showMaximized();
    } else {
        showNormal();
    }
}

void Screen::keepFixedSize(bool fixed) {
    if (spec_.border == WindowBorder::Sizable)
        return;
    if (fixed) {
        backdrop_->setFixedSize(twips::Scale(wanted_).toPx(QSize(spec_.width, spec_.height)));
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    for (QWidget* w : {static_cast<QWidget*>(this), backdrop_}) {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

QMenu* Screen::addScreenMenu(const QString& name, const QString& title) {
    auto* menu = new QMenu(title, menuBar_);
    menu->setObjectName(name);
    menuBar_->insertMenu(viewMenu_->menuAction(), menu);
    applyMenuFont();
    return menu;
}

MenuItem* Screen::addMenuEntry(QMenu* menu, const QString& name, const QString& caption,
                               const QList<QKeySequence>& keys) {
    auto* item = new MenuItem(this);
    item->setObjectName(name);
    item->setText(keys.isEmpty() ? caption : entryText(caption, keys.first()));
    item->setShortcuts(keys);
    item->setShortcutContext(Qt::WindowShortcut);
    addAction(item);
    menu->addAction(item);
    menuItems_.insert(name, item);
    return item;
}

// The keys are written after a tab, marked left to right: left to the
// right-to-left menu, "Ctrl++" would read "++Ctrl".
QString Screen::entryText(const QString& caption, const QKeySequence& key) {
    const QChar ltr(0x200E);
    return caption + u'\t' + ltr + key.toString(QKeySequence::NativeText) + ltr;
}

// The menus' text grows with the program's zoom, from the system's own size.
void Screen::applyMenuFont() {
    QFont f = QApplication::font(menuBar_);
    if (twips::zoom() != 1.0)
        f.setPointSizeF(f.pointSizeF() * twips::zoom());
    QList<QWidget*> menus{menuBar_};
    for (QMenu* m : menuBar_->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        menus.append(m);
    for (QWidget* w : menus)
        if (twips::zoom() == 1.0)
            w->setFont(QFont());
        else
            w->setFont(f);
}

void Screen::setProgramZoom(double factor) {
    const double from = twips::zoom();
    twips::setZoom(factor);
    const double to = twips::zoom();
    if (to == from)
        return;
    static const QFont systemTip = QToolTip::font();
    QFont tip = systemTip;
    tip.setPointSizeF(systemTip.pointSizeF() * to);
    QToolTip::setFont(tip);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<Screen*>(w))
            screen->followZoom(from, to);
}

double Screen::displayLimit() const {
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return twips::kZoomSteps[std::size(twips::kZoomSteps) - 1];
    const QWindow* window = windowHandle();
    const QSize frame = window && window->isVisible()
                            ? QSize(window->frameMargins().left() + window->frameMargins().right(),
                                    window->frameMargins().top() + window->frameMargins().bottom())
                            : kGuessedFrame;
    const QSize room = display->availableGeometry().size() - frame - QSize(0, menuBar_->sizeHint().height());
    // Never below the stored size: a zoom only stops growing where the display ends.
    return std::max(1.0, twips::fitScale(QSize(spec_.width, spec_.height), room));
}

// A fixed-size screen takes the zoom. A window the user made larger keeps its
// enlargement on top of the new zoom, never smaller than the zoom itself; a
// maximised window stays as it is, its content already fills it. No window grows
// beyond the display: its content fits what there is.
void Screen::followZoom(double from, double to) {
    applyMenuFont();
    refreshZoomEntries();
    if (isMaximized() || isFullScreen())
        return;
    const double enlarged = std::max(to, scale_.factor() * to / from);
    wanted_ = std::min(spec_.border == WindowBorder::Sizable ? enlarged : to, displayLimit());
    const QSize client = twips::Scale(wanted_).toPx(QSize(spec_.width, spec_.height));
    static_cast<Backdrop*>(backdrop_)->setNatural(client);
    if (spec_.border != WindowBorder::Sizable)
        backdrop_->setFixedSize(client);
    setScale(wanted_);
    canvas_->setGeometry(QRect(QPoint(0, 0), client));
    const QRect before = frameGeometry();
    const QSize frame = before.size() - size();
    layout()->activate();
    resize(sizeHint()); // not adjustSize(): it caps a window at 2/3 of the display
    // Grown or shrunk about its centre, frame and all, and kept on the display.
    const QScreen* display = screen();
    if (!isVisible() || !display)
        return;
    const QRect area = display->availableGeometry();
    const QSize outer = size() + frame;
    const QPoint topLeft = before.center() - QPoint(outer.width() / 2, outer.height() / 2);
    move(std::clamp(topLeft.x(), area.left(),
                    std::max(area.left(), area.left() + area.width() - outer.width())),
         std::clamp(topLeft.y(), area.top(),
                    std::max(area.top(), area.top() + area.height() - outer.height())));
}

// The content takes the largest scale at which it fits the window, in
// proportion, centred; the scale the program asked for when the window has just
// the size that scale gives.
void Screen::fitToWindow() {
    const QSize stored(spec_.width, spec_.height);
    const QSize room = backdrop_->size();
    const double factor =
        twips::Scale(wanted_).toPx(stored) == room ? wanted_ : twips::fitScale(stored, room);
    setScale(factor);
    const QSize client = scale_.toPx(stored);
    canvas_->setGeometry(
        QRect(QPoint((room.width() - client.width()) / 2, (room.height() - client.height()) / 2), client));
}

void Screen::setScale(double factor) {
    if (scale_ == twips::Scale(factor))
        return;
    scale_ = twips::Scale(factor);
    for (Control* c : std::as_const(ordered_))
        c->applyScale();
    backdrop_->update();
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
        if (stored.storage)
            accessibility::leaveOut(c->widget());
        if (stored.live)
            watchLive(c);
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

// A score, a note or a reward is said when it appears, and when it changes while shown.
void Screen::watchLive(Control* c) {
    QWidget* w = c->widget();
    live_.insert(w);
    w->installEventFilter(this);
    if (auto* label = qobject_cast<Label*>(w))
        connect(label, &Label::captionChanged, this, [this, w] {
            if (w->isVisible())
                announcer_->sayNameOf(w);
        });
}

void Screen::announce(const QString& text) {
    announcer_->say(text);
}

QString Screen::announced() const {
    return announcer_->said();
}

void Screen::Form_MouseMove(Qt::MouseButtons, QPoint) {}

void Screen::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove(e->buttons(), scale_.fromPx(canvas_->mapFrom(this, e->position())));
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

// The entry shows the window's state, however it changed (F11, the menu, the
// desktop); a fixed-size screen out of full screen takes its fixed size again.
void Screen::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange || !fullScreenItem_)
        return;
    fullScreenItem_->setChecked(isFullScreen());
    if (!isFullScreen())
        keepFixedSize(true);
}

// Shown, the window knows its display and its frame, which bound the zoom.
void Screen::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    refreshZoomEntries();
}

void Screen::closeEvent(QCloseEvent* e) {
    if (navigator_)
        navigator_->forget(this);
    e->accept();
}

bool Screen::eventFilter(QObject* watched, QEvent* e) {
    if (watched == backdrop_ && e->type() == QEvent::Paint) {
        QPainter p(backdrop_);
        paintBackdrop(p);
        return true;
    }
    if (watched == backdrop_ && e->type() == QEvent::Resize)
        fitToWindow();
    if (auto* w = qobject_cast<QWidget*>(watched);
        w && e->type() == QEvent::ShowToParent && live_.contains(w) && w->isVisible())
        announcer_->sayNameOf(w);
    if (auto* w = qobject_cast<QWidget*>(watched); w && groupOf_.contains(w)) {
        if (e->type() == QEvent::FocusIn)
            groupEntry_.insert(groupOf_.value(w), w);
        if (e->type() == QEvent::KeyPress && stepInGroup(w, static_cast<QKeyEvent*>(e)->key()))
            return true;
    }
    return QWidget::eventFilter(watched, e);
}

// The background covers the whole area below the menu bar: from the top-left
// corner at the content's scale, larger where the window is wider or taller in
// proportion, rendered afresh at the size it is shown (never a stretched copy).
void Screen::paintBackdrop(QPainter& p) {
    p.fillRect(backdrop_->rect(), QColor::fromRgb(spec_.backColor));
    if (!spec_.picture)
        return;
    const QString name = QString::fromUtf8(spec_.picture);
    const QRectF cover = twips::coverRect(assets::naturalSize(name), backdrop_->size(), scale_.factor());
    const QSize size(int(std::ceil(cover.width() - 1e-6)), int(std::ceil(cover.height() - 1e-6)));
    const qreal dpr = backdrop_->devicePixelRatioF();
    if (background_.isNull() || background_.devicePixelRatio() != dpr ||
        background_.deviceIndependentSize() != size)
        background_ = assets::render(name, size, dpr);
    p.drawPixmap(0, 0, background_);
}

} // namespace sd
