#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace velmorix::test {

// Answers given in advance, and a log of every box and beep. A question or an
// input box with no answer left fails the running test and answers No/cancel.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Question, Message, Input, OpenFile };
    struct Call {
        Kind kind;
        QString text;
        QString title;
        DialogIcon icon;
    };

    void answerYes() { m_answers.push_back(true); }
    void answerNo() { m_answers.push_back(false); }
    void answerInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    // The file chosen in the next file dialog; nothing cancels it.
    void answerFileName(std::optional<QString> path) { m_fileNames.push_back(std::move(path)); }

    bool askYesNo(const QString& text, const QString& title) override;
    void show(const QString& text, const QString& title, DialogIcon icon) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    // Logged with the title as title and the filter as text.
    std::optional<QString> openFileName(const QString& title, const QString& filter) override;
    void beep() override { ++m_beeps; }

    const std::vector<Call>& calls() const { return m_calls; }
    std::vector<Call> messages() const; // only the message boxes
    const Call& last() const;
    int beeps() const { return m_beeps; }
    std::size_t pendingAnswers() const { return m_answers.size() + m_inputs.size() + m_fileNames.size(); }
    std::vector<QString> inputDefaults() const { return m_inputDefaults; }
    void clear();

private:
    std::deque<bool> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<std::optional<QString>> m_fileNames;
    std::vector<Call> m_calls;
    std::vector<QString> m_inputDefaults;
    int m_beeps = 0;
};

} // namespace velmorix::test
