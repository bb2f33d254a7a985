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

class Navigator : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen*(Navigator&)>;

    explicit Navigator(QObject* parent = nullptr);
    ~Navigator() override;

    void registerScreen(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;
    QStringList registeredScreens() const;

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
    std::map<QString, Factory> factories_;
    QList<QPointer<Screen>> loaded_;
    std::function<void()> quit_;
    std::map<QString, std::any> fields_;
};

} // namespace sd
