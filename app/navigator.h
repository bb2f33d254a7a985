#pragma once
// Showing and unloading screens by name. The menu, the lessons and the tests all
// go through here, so a screen is never open twice and the exit closes every
// screen, the most recently loaded first.

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <any>
#include <functional>
#include <map>

namespace sd {

class Screen;
struct ScreenLayout;

class Navigator : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen*(Navigator&)>;

    explicit Navigator(QObject* parent = nullptr);
    ~Navigator() override;

    // Registers a screen class under the name its stored layout gives, so the
    // registry and the layout cannot disagree. The class says which layout is its
    // own with a static storedLayout(); the factory, when given, builds it with
    // what it needs from outside.
    template <class S> void add() {
        add<S>([](Navigator& n) -> Screen* { return new S(&n); });
    }
    template <class S> void add(Factory factory) { registerScreen(S::storedLayout(), std::move(factory)); }
    void registerScreen(const ScreenLayout& layout, Factory factory);
    // A screen with no stored layout of its own to name it (tests' stand-ins).
    void registerScreen(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;
    QStringList registeredScreens() const;
    // The stored layout a screen was registered with; nullptr when it was
    // registered by name only.
    const ScreenLayout* layoutOf(const QString& name) const;

    // Creates the screen from its stored layout, runs its load handler and shows
    // it; when it is already loaded, only brings it to the front. Returns nullptr
    // for a screen that is not built into the program.
    Screen* show(const QString& name);

    // Destroys the screen's window and controls.
    void unload(Screen* screen);

    // Unloads every loaded screen, last loaded first, then ends the program.
    void exitAll();

    // Loaded screens in the order they were loaded.
    QList<Screen*> loaded() const;
    Screen* find(const QString& name) const;

    // What ending the program means; tests replace it.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // A screen closed by its window's close box, or destroyed, leaves the list.
    void forget(Screen* screen);

    // The fields a screen keeps outside its controls, by screen name: they live
    // as long as the navigator, across unloading and showing the screen again.
    std::any& fieldsOf(const QString& screenName) { return fields_[screenName]; }

signals:
    void screenLoaded(const QString& name);
    void screenUnloaded(const QString& name);

private:
    struct Entry {
        Factory factory;
        const ScreenLayout* layout = nullptr;
    };
    std::map<QString, Entry> factories_;
    QList<QPointer<Screen>> loaded_;
    std::function<void()> quit_;
    std::map<QString, std::any> fields_;
};

} // namespace sd
