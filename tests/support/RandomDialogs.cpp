#include "RandomDialogs.h"

#include <QStringList>

namespace velmorix::test {

namespace {
constexpr std::size_t RecentCalls = 40;
}

void RandomDialogs::remember(Call call) {
    m_recent.push_back(std::move(call));
    if (m_recent.size() > RecentCalls)
        m_recent.pop_front();
}

bool RandomDialogs::askYesNo(const QString& text, const QString& title) {
    ++m_questions;
    const bool refused = m_refuse && m_refuse(text, title);
    const bool yes = !refused && pick(3) != 0; // mostly Yes, so commands run
    remember(
        {Kind::Question, text, title, DialogIcon::Question, yes ? QStringLiteral("E") : QStringLiteral("H")});
    return yes;
}

void RandomDialogs::show(const QString& text, const QString& title, DialogIcon icon) {
    ++m_messages;
    if (title == QStringLiteral("! HATA !")) {
        ++m_errors;
        if (text.contains(QStringLiteral("işlem yapılamadı")))
            ++m_fileErrors;
    }
    remember({Kind::Message, text, title, icon, {}});
}

std::optional<QString> RandomDialogs::input(const QString& prompt, const QString& title,
                                            const QString& defaultText) {
    std::optional<QString> answer;
    switch (pick(8)) {
    case 0:
        break; // cancel
    case 1:
        answer = defaultText;
        break;
    default:
        answer = randomText();
        break;
    }
    remember({Kind::Input, prompt, title, DialogIcon::None, answer.value_or(QStringLiteral("<iptal>"))});
    return answer;
}

QString RandomDialogs::randomText() {
    const auto number = [this] {
        switch (pick(6)) {
        case 0:
            return QString::number(pick(50));
        case 1:
            return QString::number(pick(120) - 10);
        case 2:
            return QString::number(pick(40000));
        default:
            return QString::number(1 + pick(49));
        }
    };
    static const QString plain[] = {QString(), QStringLiteral("abc"), QStringLiteral("ğüşİ,ç"),
                                    QStringLiteral("99999999999999999999"), QStringLiteral("2.5")};
    const int kind = pick(12);
    if (kind < 5)
        return plain[kind];
    switch (kind) {
    case 5: { // six balls
        QStringList balls;
        for (int i = 0; i < 6; ++i)
            balls << number();
        return balls.join(QLatin1Char(','));
    }
    case 6: { // a list of numbers
        QStringList balls;
        for (int i = 0, n = 1 + pick(8); i < n; ++i)
            balls << number();
        return balls.join(QLatin1Char(','));
    }
    case 7:
        return number() + QLatin1Char('-') + number();
    case 8:
        return number() + QLatin1Char('-') + number() + QStringLiteral(", ") + number() + QLatin1Char('-') +
               number();
    default:
        return number();
    }
}

} // namespace velmorix::test
