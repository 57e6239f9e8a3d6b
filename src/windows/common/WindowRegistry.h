#pragma once

#include "WindowId.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

namespace velmorix {

struct AppContext;

// Creates each window the first time it is opened, reuses it while it lives,
// and creates it afresh after it was closed (so its load steps run again).
// A window nobody registered yet opens as nothing.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*(AppContext&)>;

    void setContext(AppContext* context) { m_context = context; }
    void registerWindow(WindowId id, Factory factory) { m_factories[id] = std::move(factory); }
    bool isRegistered(WindowId id) const { return m_factories.count(id) != 0; }

    // Creates the window when needed; does not show it. Null when unregistered.
    QWidget* get(WindowId id);
    // Shows the window modeless, raised and active; returns it (or null).
    QWidget* open(WindowId id);
    // The living window, or null.
    QWidget* find(WindowId id) const;
    template <class W> W* findAs(WindowId id) const { return qobject_cast<W*>(find(id)); }
    template <class W> W* getAs(WindowId id) { return qobject_cast<W*>(get(id)); }

    // Closes every window but the main one.
    void closeAllExcept(WindowId keep);
    // Ends every living window at once, without close events (teardown).
    void destroyAll();

private:
    AppContext* m_context = nullptr;
    std::map<WindowId, Factory> m_factories;
    std::map<WindowId, QPointer<QWidget>> m_live;
};

} // namespace velmorix
