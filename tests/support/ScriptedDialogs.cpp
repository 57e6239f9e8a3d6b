#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace velmorix::test {

namespace {
// Takes the first answer of a queue. Spelled out because GCC 12 at -O3 wrongly
// warns that a copied optional QString may be uninitialized.
std::optional<QString> takeFront(std::deque<std::optional<QString>>& queue) {
    const bool given = queue.front().has_value();
    const QString text = given ? *queue.front() : QString();
    queue.pop_front();
    if (!given)
        return std::nullopt;
    return text;
}
} // namespace

bool ScriptedDialogs::askYesNo(const QString& text, const QString& title) {
    m_calls.push_back({Kind::Question, text, title, DialogIcon::Question});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << title.toStdString() << " / " << text.toStdString();
        return false;
    }
    const bool a = m_answers.front();
    m_answers.pop_front();
    return a;
}

void ScriptedDialogs::show(const QString& text, const QString& title, DialogIcon icon) {
    m_calls.push_back({Kind::Message, text, title, icon});
}

std::optional<QString> ScriptedDialogs::input(const QString& prompt, const QString& title,
                                              const QString& defaultText) {
    m_calls.push_back({Kind::Input, prompt, title, DialogIcon::None});
    m_inputDefaults.push_back(defaultText);
    if (m_inputs.empty()) {
        ADD_FAILURE() << "unexpected input box: " << title.toStdString() << " / " << prompt.toStdString();
        return std::nullopt;
    }
    return takeFront(m_inputs);
}

std::optional<QString> ScriptedDialogs::openFileName(const QString& title, const QString& filter) {
    m_calls.push_back({Kind::OpenFile, filter, title, DialogIcon::None});
    if (m_fileNames.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
        return std::nullopt;
    }
    return takeFront(m_fileNames);
}

std::vector<ScriptedDialogs::Call> ScriptedDialogs::messages() const {
    std::vector<Call> out;
    for (const auto& c : m_calls)
        if (c.kind == Kind::Message)
            out.push_back(c);
    return out;
}

const ScriptedDialogs::Call& ScriptedDialogs::last() const {
    static const Call none{Kind::Message, {}, {}, DialogIcon::None};
    return m_calls.empty() ? none : m_calls.back();
}

void ScriptedDialogs::clear() {
    m_answers.clear();
    m_inputs.clear();
    m_fileNames.clear();
    m_calls.clear();
    m_inputDefaults.clear();
    m_beeps = 0;
}

} // namespace velmorix::test
