#include "app/navigator.h"

#include "app/screen.h"

#include <QCoreApplication>
#include <QWindow>

#include <utility>

namespace sd {

Navigator::Navigator(QObject* parent) : QObject(parent), quit_([] { QCoreApplication::quit(); }) {}

Navigator::~Navigator() {
    // Screens outliving the navigator must not call back into it.
    const QList<QPointer<Screen>> open = std::exchange(loaded_, {});
    for (const QPointer<Screen>& s : open)
        if (s)
            delete s.data();
}

void Navigator::registerScreen(const ScreenLayout& layout, Factory factory) {
    factories_[QString::fromUtf8(layout.screen.name)] = {std::move(factory), &layout};
}

void Navigator::registerScreen(const QString& name, Factory factory) {
    factories_[name] = {std::move(factory), nullptr};
}

const ScreenLayout* Navigator::layoutOf(const QString& name) const {
    const auto it = factories_.find(name);
    return it == factories_.end() ? nullptr : it->second.layout;
}

bool Navigator::isRegistered(const QString& name) const {
    return factories_.count(name) != 0;
}

QStringList Navigator::registeredScreens() const {
    QStringList names;
    for (const auto& [name, entry] : factories_)
        names.append(name);
    return names;
}

Screen* Navigator::find(const QString& name) const {
    for (const QPointer<Screen>& s : loaded_)
        if (s && s->screenName() == name)
            return s;
    return nullptr;
}

QList<Screen*> Navigator::loaded() const {
    QList<Screen*> list;
    for (const QPointer<Screen>& s : loaded_)
        if (s)
            list.append(s);
    return list;
}

Screen* Navigator::show(const QString& name) {
    if (Screen* open = find(name)) {
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    const auto it = factories_.find(name);
    if (it == factories_.end())
        return nullptr;
    Screen* screen = it->second.factory(*this);
    // A class built from another layout than the one it was registered with.
    if (screen->screenName() != name)
        qFatal("Screen %s was registered as %s", qPrintable(screen->screenName()), qPrintable(name));
    loaded_.append(screen);
    screen->runLoad();
    // A screen kept out of the task bar belongs to the first window (the menu).
    if (!screen->screenSpec().showInTaskbar && loaded_.size() > 1 && loaded_.first()) {
        screen->winId();
        if (QWindow* owner = loaded_.first()->windowHandle())
            screen->windowHandle()->setTransientParent(owner);
    }
    screen->placeOnDisplay();
    screen->show();
    screen->raise();
    screen->activateWindow();
    emit screenLoaded(name);
    return screen;
}

void Navigator::forget(Screen* screen) {
    for (qsizetype i = loaded_.size() - 1; i >= 0; --i) {
        if (loaded_[i].isNull() || loaded_[i].data() == screen) {
            const bool wasIt = loaded_[i].data() == screen;
            loaded_.removeAt(i);
            if (wasIt)
                emit screenUnloaded(screen->screenName());
        }
    }
}

void Navigator::unload(Screen* screen) {
    if (!screen)
        return;
    forget(screen);
    // Closing hides at once and destroys the window when control returns to the
    // event loop, so a screen may unload itself from its own button's handler.
    screen->close();
}

void Navigator::exitAll() {
    const QList<Screen*> open = loaded();
    for (qsizetype i = open.size() - 1; i >= 0; --i)
        unload(open[i]);
    if (quit_)
        quit_();
}

} // namespace sd
