#include "RandomDialogs.h"

#include <QStringList>

namespace velmorix::test {

constexpr std::size_t RecentCalls = 40;

void RandomDialogs::remember(Call call) {
    m_recent.push_back(std::move(call));
    if (m_recent.size() > RecentCalls)
        m_recent.pop_front();
}

bool RandomDialogs::askYesNo(const QString& text, const QString& title) {
    const bool refused = m_refuse && m_refuse(text, title);
    const bool yes = !refused && pick(3) != 0; // mostly Yes, so commands run
    remember({text, title, yes ? QStringLiteral("E") : QStringLiteral("H")});
    return yes;
}

void RandomDialogs::show(const QString& text, const QString& title, DialogIcon) {
    if (title == QStringLiteral("! HATA !") && text.contains(QStringLiteral("işlem yapılamadı")))
        ++m_fileErrors;
    remember({text, title, {}});
}

std::optional<QString> RandomDialogs::input(const QString& prompt, const QString& title,
                                            const QString& defaultText) {
    const int kind = pick(8); // 0 cancels, 1 takes the offered text
    const std::optional<QString> answer =
        kind == 0 ? std::nullopt : std::optional<QString>(kind == 1 ? defaultText : randomText());
    remember({prompt, title, answer.value_or(QStringLiteral("<iptal>"))});
    return answer;
}

QString RandomDialogs::randomText() {
    const auto number = [this] {
        const int range = pick(6);
        return QString::number(range == 0   ? pick(50)
                               : range == 1 ? pick(120) - 10
                               : range == 2 ? pick(40000)
                                            : 1 + pick(49));
    };
    static const QString plain[] = {QString(), QStringLiteral("abc"), QStringLiteral("ğüşİ,ç"),
                                    QStringLiteral("99999999999999999999"), QStringLiteral("2.5")};
    const int kind = pick(12);
    if (kind < 5)
        return plain[kind];
    switch (kind) {
    case 5:   // six balls
    case 6: { // a list of numbers
        QStringList balls;
        for (int i = 0, n = kind == 5 ? 6 : 1 + pick(8); i < n; ++i)
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
