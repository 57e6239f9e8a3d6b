#include "WindowRegistry.h"

#include "AppContext.h"

namespace velmorix {

QWidget* WindowRegistry::find(WindowId id) const {
    const auto it = m_live.find(id);
    return it == m_live.end() ? nullptr : it->second.data();
}

QWidget* WindowRegistry::get(WindowId id) {
    if (QWidget* w = find(id))
        return w;
    const auto f = m_factories.find(id);
    if (f == m_factories.end() || !m_context)
        return nullptr;
    QWidget* w = f->second(*m_context);
    if (w) {
        // Closing a window ends it; opening it again builds it anew.
        w->setAttribute(Qt::WA_DeleteOnClose, true);
        m_live[id] = w;
    }
    return w;
}

QWidget* WindowRegistry::open(WindowId id) {
    QWidget* w = get(id);
    if (!w)
        return nullptr;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void WindowRegistry::closeAllExcept(WindowId keep) {
    for (auto& [id, w] : m_live)
        if (id != keep && w)
            w->close();
}

void WindowRegistry::destroyAll() {
    auto live = std::move(m_live);
    m_live.clear();
    for (auto& [id, w] : live)
        delete w.data();
}

} // namespace velmorix
