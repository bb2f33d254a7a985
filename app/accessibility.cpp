#include "app/accessibility.h"

#include "app/control_support.h"
#include "app/controls.h"
#include "app/screen.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace sd::accessibility {

namespace {

constexpr char kLeftOut[] = "sdLeftOut";

// A window, an area or a frame: its children as Qt shows them, less those left
// out. The role is read when asked, as a screen's window kind is known only
// once it is built.
class Holder : public QAccessibleWidget {
public:
    Holder(QWidget* w, QAccessible::Role usual) : QAccessibleWidget(w, usual) {}

    QAccessible::Role role() const override {
        const QWidget* w = widget();
        if (w->isWindow())
            return w->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
        return QAccessibleWidget::role();
    }
    int childCount() const override { return int(kept().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = kept();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(kept().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    // Qt's own choice of a widget's children (no windows, no popup menus), then ours.
    QList<QWidget*> kept() const {
        QList<QWidget*> out;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o);
                w && !w->isWindow() && !w->inherits("QMenu") && !w->inherits("QFocusFrame") && !isLeftOut(w))
                out.append(w);
        return out;
    }
};

// An option button whose toggle action chooses it exactly as a click does, so the
// lesson's choice runs whichever way the pupil picks it.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != toggleAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (widget()->isEnabled())
            button()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A picture a pupil may meet (a reward, a mark): an image called by its name.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
};

// Said aloud by a screen reader when it shows.
class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (className == QLatin1String("sd::OptionButton"))
        return new OptionAccessible(w);
    if (className == QLatin1String("sd::accessibility::Announcer"))
        return new NotificationAccessible(w);
    // A pressable image is a button (controls.cpp).
    if ((className == QLatin1String("sd::Image") && !(w->focusPolicy() & Qt::TabFocus)) ||
        className == QLatin1String("sd::PictureBox"))
        return new PictureAccessible(w);
    if (className == QLatin1String("sd::Frame"))
        return new Holder(w, QAccessible::Grouping);
    if (className == QLatin1String("sd::accessibility::Area"))
        return new Holder(w, QAccessible::Client);
    if (w->isWindow() && qobject_cast<Screen*>(w))
        return new Holder(w, QAccessible::Window);
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void leaveOut(QWidget* w) {
    w->setProperty(kLeftOut, true);
}

// Shapes and lines only draw: what a diagram says is in its numbers' names.
bool isLeftOut(const QWidget* w) {
    return w->property(kLeftOut).toBool() || qobject_cast<const Shape*>(w) || qobject_cast<const Line*>(w);
}

// ---------------------------------------------------------------- Announcer

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide(); // shown only to say something, never empty as the window opens
}

void Announcer::say(const QString& text) {
    if (text.trimmed().isEmpty())
        return;
    if (pending_.isEmpty())
        QTimer::singleShot(0, this, [this] { flush(); });
    pending_.append({text, nullptr});
}

void Announcer::sayNameOf(QWidget* w) {
    if (std::any_of(pending_.cbegin(), pending_.cend(), [w](const Item& i) { return i.of == w; }))
        return;
    if (pending_.isEmpty())
        QTimer::singleShot(0, this, [this] { flush(); });
    pending_.append({QString(), w});
}

void Announcer::flush() {
    QStringList parts;
    for (const Item& item : std::as_const(pending_)) {
        const QString text =
            (item.text.isEmpty() ? (item.of && item.of->isVisible() ? item.of->accessibleName() : QString())
                                 : item.text)
                .trimmed();
        if (!text.isEmpty() && !parts.contains(text))
            parts.append(text);
    }
    pending_.clear();
    if (parts.isEmpty())
        return;
    said_ = parts.join(QStringLiteral(". "));
    setAccessibleName(said_);
    // Shown afresh, so the same words are said again when they come again.
    hide();
    show();
}

// ---------------------------------------------------------------- FocusRing

FocusRing::FocusRing(QWidget* screen) : QWidget(screen), screen_(screen) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    leaveOut(this);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* now) {
    if (target_)
        target_->removeEventFilter(this);
    target_ = nullptr;
    const bool ringed = now && dynamic_cast<const Control*>(now) && !qobject_cast<QLineEdit*>(now) &&
                        now->window() == screen_ && now->parentWidget();
    if (!ringed) {
        hide();
        return;
    }
    target_ = now;
    now->installEventFilter(this);
    if (parentWidget() != now->parentWidget())
        setParent(now->parentWidget());
    place();
}

void FocusRing::place() {
    if (!target_ || target_->isHidden()) {
        hide();
        return;
    }
    constexpr int kBand = 3; // pixels at 100 %, as the current box's frame
    const double scale = dynamic_cast<const Control*>(target_.data())->scale().factor();
    band_ = std::max(kBand, static_cast<int>(std::lround(kBand * scale)));
    const int m = band_ + 2;
    setGeometry(target_->geometry().adjusted(-m, -m, m, m));
    raise();
    show();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* e) {
    if (watched == target_) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    detail::drawBrightFrame(p, rect(), band_);
}

} // namespace sd::accessibility
