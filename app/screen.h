#pragma once
// The base of every screen: a top-level window of a fixed client size in twips,
// with a background colour and picture, a title and icon, built from its stored
// layout. Derived screens connect their handlers in their constructor and do
// their load work in Form_Load, which the navigator runs once per loading.

#include "app/controls.h"
#include "app/layout.h"
#include "app/twips.h"

#include <QHash>
#include <QMap>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <any>
#include <type_traits>

class QMenu;
class QMenuBar;

namespace sd {

class Navigator;
namespace accessibility {
class Announcer;
}

class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(const ScreenLayout& layout, Navigator* navigator = nullptr);
    ~Screen() override;

    QString screenName() const { return objectName(); }
    Navigator* navigator() const;
    const ScreenSpec& screenSpec() const { return spec_; }

    // The area the controls stand on: the stored client area at the screen's
    // scale, centred in the window below the menu bar.
    QWidget* canvas() const { return canvas_; }
    // Everything below the menu bar: the background covers it, whatever the
    // window's size.
    QWidget* backdrop() const { return backdrop_; }

    // How the screen's twips become pixels: the program's zoom, and how much
    // larger the window was made, in proportion. Every control converts through it.
    twips::Scale scale() const { return scale_; }

    // Zooms the whole program: every screen follows, fixed-size screens resize to
    // the zoom, and no window grows beyond the display.
    static void setProgramZoom(double factor);

    // Numbers drawn with the Eastern Arabic digits or the lessons' own, on every
    // open screen and on those opened later; texts keep their digits 0-9.
    static void setProgramDigits(bool eastern);

    // Full screen for a projector: the content fitted and centred, as in a
    // maximised window; leaving it gives the window back as it was.
    void setFullScreen(bool on);

    // A control by its stored name, and index for an element of a control array.
    // A name the screen does not hold, or a control of another kind, is a fault in
    // the program: the lookup stops it there, naming the control and the screen,
    // rather than let a feature quietly do nothing.
    Control* control(const QString& name, int index = -1) const;
    template <class T> T* get(const QString& name, int index = -1) const {
        T* c = dynamic_cast<T*>(lookup(name, index));
        if (!c)
            stopMissing(name, index, kindName<T>());
        return c;
    }
    // For the few places where a control may be absent (a drill without a
    // "clear" button): nullptr then.
    template <class T = Control> T* find(const QString& name, int index = -1) const {
        return dynamic_cast<T*>(lookup(name, index));
    }
    // The indexes of a control array, ascending (gaps allowed).
    QList<int> indexes(const QString& name) const;
    // Every element of a control array, from index 0 to the last, so that
    // element i is at i: for arrays that have no gaps.
    template <class T> QList<T*> getArray(const QString& name) const {
        const QList<int> present = indexes(name);
        QList<T*> out;
        for (int i = 0; !present.isEmpty() && i <= present.last(); ++i)
            out.append(get<T>(name, i));
        return out;
    }
    // Every control, in stored order.
    const QList<Control*>& controls() const { return ordered_; }
    // A menu item by its stored name; stops like control() when there is none.
    class MenuItem* menuItem(const QString& name) const;

    // Values the screen keeps in its own fields rather than in controls. Unlike
    // the controls, they keep their values when the screen is unloaded and shown
    // again, for as long as the program runs.
    template <class T> T& fields() {
        std::any& slot = fieldsSlot();
        if (!std::any_cast<T>(&slot))
            slot.emplace<T>();
        return *std::any_cast<T>(&slot);
    }

    // Runs the load handler; the navigator calls it once after creating the screen.
    void runLoad();

    // Places the window as its stored start position says.
    void placeOnDisplay();

    // Has a screen reader say text, with whatever else this handler makes it say
    // (the controls the layout marks live), once control returns to the event loop.
    void announce(const QString& text);
    // What the screen last had said.
    QString announced() const;

protected:
    virtual void Form_Load() {}
    // The pointer moved over the screen's own background (not over a control).
    virtual void Form_MouseMove(Qt::MouseButtons buttons, QPoint twipsPos);

    // Unloads this screen (its window and controls are destroyed).
    void unloadMe();

    // A menu of the screen's own, placed before the View menu; its text follows
    // the zoom as the View menu's does.
    QMenu* addScreenMenu(const QString& name, const QString& title);
    // An entry of a menu, its first key written after its caption; the keys work
    // while the screen is the active window.
    MenuItem* addMenuEntry(QMenu* menu, const QString& name, const QString& caption,
                           const QList<QKeySequence>& keys);
    // A caption followed by its entry's first key, as the menus write it.
    static QString entryText(const QString& caption, const QKeySequence& key);

    // Gives the focus to the box a step moved on to, unless the pupil is pressing
    // a label or picture from the keyboard: then the focus stays on it, so the
    // next Space presses it again instead of typing a blank over the box.
    void moveFocusTo(QWidget* box);

    // What every lesson has in its corners: a double click on the icon (on any
    // element, for an icon array) shows or hides the author's credit, and the
    // exit button unloads the screen.
    void addCreditAndExit(const QString& icon, const QString& exitButton = QStringLiteral("Command12"),
                          const QString& credit = QStringLiteral("Label30"));

    // Connects a handler to one control's signal.
    template <class T, class Signal, class Fn> void on(const QString& name, Signal signal, Fn handler) {
        connect(get<T>(name), signal, this, handler);
    }
    // Connects one handler, receiving the element's index, to a whole control array.
    // The handler may also take the signal's arguments after the index.
    template <class T, class Sender, class... Args, class Fn>
    void onArray(const QString& name, void (Sender::*signal)(Args...), Fn handler) {
        const QList<int> elements = indexes(name);
        if (elements.isEmpty())
            stopMissing(name, 0, kindName<T>());
        for (int i : elements)
            connect(get<T>(name, i), signal, this, [handler, i](Args... args) {
                if constexpr (std::is_invocable_v<Fn, int, Args...>)
                    handler(i, args...);
                else
                    handler(i);
            });
    }

    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    // Tab and Shift+Tab: an array of pressable labels or images is one stop,
    // entered at the element last used.
    bool focusNextPrevChild(bool next) override;

private:
    Control* lookup(const QString& name, int index) const;
    [[noreturn]] void stopMissing(const QString& name, int index, const char* kind) const;
    template <class T> static const char* kindName() {
        if constexpr (requires { T::staticMetaObject; })
            return T::staticMetaObject.className();
        else
            return "control";
    }
    void build(const ScreenLayout& layout);
    void buildMenu();
    void addZoomMenu();
    void addFullScreenEntry();
    void addDigitsEntries();
    // Zoom entries that would change nothing are disabled.
    void refreshZoomEntries();
    // A fixed-size screen is fixed to its zoom's size, except while full screen.
    void keepFixedSize(bool fixed);
    void applyMenuFont();
    // The largest zoom at which the window fits on its display (at least 1).
    double displayLimit() const;
    void followZoom(double from, double to);
    void fitToWindow();
    void setScale(double factor);
    void setTabOrder(const ScreenLayout& layout);
    bool takesTab(const QWidget* w) const;
    // The arrow keys move along a pressable array in reading order.
    bool stepInGroup(QWidget* from, int key);
    void applyWindowFlags();
    void paintBackdrop(QPainter& p);
    void pressButton(const char* name);
    void watchLive(Control* c);
    std::any& fieldsSlot();

    ScreenSpec spec_;
    QPointer<Navigator> navigator_;
    QWidget* backdrop_ = nullptr;
    QWidget* canvas_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    class MenuItem* fullScreenItem_ = nullptr;
    bool maximisedBeforeFullScreen_ = false;
    twips::Scale scale_;
    // The scale the program last asked for (opening, zoom); a window the user
    // resized shows the scale that fits it.
    double wanted_ = 1.0;
    QHash<QString, Control*> byName_;
    QHash<QString, QMap<int, Control*>> arrays_;
    QList<Control*> ordered_;
    QHash<QString, class MenuItem*> menuItems_;
    QHash<const QWidget*, QString> groupOf_;       // pressable array elements
    QHash<QString, QPointer<QWidget>> groupEntry_; // the element each was last left at
    QSet<const QWidget*> live_;                    // said when they appear or change
    accessibility::Announcer* announcer_ = nullptr;
    QPixmap background_;
    std::any ownFields_; // used when no navigator keeps them
    bool loaded_ = false;
};

} // namespace sd
