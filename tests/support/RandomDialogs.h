#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>

namespace velmorix::test {

// A player who answers at random: every question a seeded Yes or No, every
// input box a seeded text (numbers in and out of range, lists, pairs, cancel,
// garbage). For long randomized sessions; nothing here fails a test.
class RandomDialogs final : public Dialogs {
public:
    struct Call {
        QString text;
        QString title;
        QString answer; // "E"/"H" for questions, the typed text or "<iptal>"
    };

    explicit RandomDialogs(uint64_t seed) : m_engine(seed) {}

    // Questions for which this returns true are answered No: a player who
    // will not wait minutes under the sanitizers for a build of every column.
    void setRefusal(std::function<bool(const QString& text, const QString& title)> refuse) {
        m_refuse = std::move(refuse);
    }

    bool askYesNo(const QString& text, const QString& title) override;
    void show(const QString& text, const QString& title, DialogIcon icon) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    void beep() override {}

    // A typed text as a player might type it into any box.
    QString randomText();

    // The most recent calls, oldest first (for a failure report).
    const std::deque<Call>& recent() const { return m_recent; }
    // "! HATA !" boxes that report a file operation that failed (none should
    // come without a failing disk).
    int64_t fileErrors() const { return m_fileErrors; }

private:
    void remember(Call call);
    int pick(int n) { return static_cast<int>(m_engine() % static_cast<uint64_t>(n)); }

    std::mt19937_64 m_engine;
    std::function<bool(const QString&, const QString&)> m_refuse;
    std::deque<Call> m_recent;
    int64_t m_fileErrors = 0;
};

} // namespace velmorix::test
