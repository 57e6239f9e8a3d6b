#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace velmorix::test {

// Every caption a window shows, in order.
class TitleLog final : public QObject {
public:
    explicit TitleLog(QWidget* window) : m_window(window) { window->installEventFilter(this); }

    const std::vector<QString>& titles() const { return m_titles; }
    // The caption shown just before `title` (the last time it was shown), or empty.
    QString before(const QString& title) const {
        for (std::size_t i = m_titles.size(); i-- > 1;)
            if (m_titles[i] == title)
                return m_titles[i - 1];
        return {};
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::WindowTitleChange)
            m_titles.push_back(m_window->windowTitle());
        return false;
    }

private:
    QWidget* m_window;
    std::vector<QString> m_titles;
};

// Shows the window, waits until it is active and sends the key the way the
// player's keyboard does: to the focused control, or the window when none.
inline void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        ADD_FAILURE() << "the window did not become active";
}
inline void typeKey(QWidget* window, Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target && target->window() == window ? target : window, key);
}

} // namespace velmorix::test
