// A long randomized session: a player who opens windows, presses their keys,
// clicks their buttons, types into their boxes and answers every question at
// random, over a folder of real-sized files. After every step: the folder
// holds only data files and named temporaries, every column list is whole
// records, and the program-wide state is within its ranges.
//
// VELMORIX_SESSION_STEPS sets the steps of each session (default 4000).
#include "DamagedFiles.h"
#include "FolderChecks.h"
#include "support/WindowTests.h"

int sessionSteps() {
    if (const char* s = std::getenv("VELMORIX_SESSION_STEPS"))
        return std::max(1, std::atoi(s));
    return 4000;
}

// The player's folder: the real results when they are at hand (else as many
// generated draws), some hundreds of played columns, sextets, a list of some
// thousands, random columns, catch-the-zero columns, pairs, a bag of 14 balls
// and a banker, the start-up selection and a grouping.
void realSizedFolder(ProgramEnv& env) {
    TempDataDir& d = env.data;
    const std::filesystem::path real = "/work/shared/data/VELMORIX.RES";
    std::error_code ec;
    if (std::filesystem::exists(real, ec))
        std::filesystem::copy_file(real, d.path() / files::Results, ec);
    if (!d.dir().exists(files::Results))
        d.writeRecords(files::Results, goodColumns(3622, 2005));
    d.writeRecords(files::Played, goodColumns(400, 1));
    d.writeRecords(files::Sextets, goodColumns(60, 2));
    d.writeRecords(files::List, goodColumns(4000, 3));
    d.writeRecords(files::Random, goodColumns(300, 4));
    d.writeRecords(files::Zero, goodColumns(10, 5));
    d.writeWords(files::Pairs, {1 * 50 + 2, 3 * 50 + 14, 10 * 50 + 20, 22 * 50 + 45, 30 * 50 + 31});
    const auto sel = FilterSelection::startup().toRecords();
    d.writeWords(files::Selection, std::vector<int16_t>(sel.begin(), sel.end()));
    d.writeWords(files::Balls, ballsFileWords(ballRun(5, 3, 14), {7}));
    GroupingConfig g;
    for (int b = 1; b <= 20; ++b)
        g.GroupOf[static_cast<std::size_t>(b)] = static_cast<int16_t>(b % 3 + 1);
    g.GroupMin = {1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    g.GroupMax = {3, 3, 3, 0, 0, 0, 0, 0, 0, 0};
    d.writeBytes(files::Groups, encodeGroupingConfig(g));
}

class Session {
public:
    static constexpr int32_t MaxRecords = 12000;

    explicit Session(uint64_t seed) : m_rng(seed), m_dialogs(seed * 7919 + 1), m_env(m_dialogs, seed) {
        m_dialogs.setRefusal([](const QString& text, const QString&) { return isSlowBuildQuestion(text); });
        // Every window the program registers (their ids run from 0 without a gap).
        while (m_env.registry.isRegistered(static_cast<WindowId>(m_windowIds)))
            ++m_windowIds;
        realSizedFolder(m_env);
        m_planted = snapshot(m_env.data);
        m_env.registry.open(WindowId::Loto);
        settle();
    }

    // One step of the player; returns what was done.
    std::string step() {
        std::vector<VelmorixWindow*> live;
        for (int id = 0; id < m_windowIds; ++id)
            if (auto* w = qobject_cast<VelmorixWindow*>(m_env.registry.find(static_cast<WindowId>(id))))
                live.push_back(w);
        const int roll = pick(100);
        if (live.empty() || roll < 10) {
            const auto id = static_cast<WindowId>(live.empty() ? 0 : pick(m_windowIds));
            m_env.registry.open(id);
            return "open window " + std::to_string(static_cast<int>(id));
        }
        VelmorixWindow* w = live[static_cast<std::size_t>(pick(static_cast<int>(live.size())))];
        const std::string name = w->objectName().toStdString();
        if (roll < 62) {
            const int key =
                pick(40) == 0 ? Qt::Key_Escape : PlayerKeys[pick(static_cast<int>(std::size(PlayerKeys)))];
            press(w, key);
            return name + ": key " + std::to_string(key);
        }
        if (roll < 74)
            return name + ": " + clickSomething(w);
        if (roll < 86)
            return name + ": " + typeSomething(w);
        if (roll < 92)
            return name + ": " + triggerSomething(w);
        if (roll < 97) {
            w->onActivated();
            return name + ": activated";
        }
        w->close();
        return name + ": closed";
    }

    // Appending lists to lists grows files without end; a player whose file
    // grew past a few ten thousand records puts back the copy made earlier.
    // (The editors then hold the file open; they see the change as any other.)
    std::string restoreGrownFiles() {
        std::string restored;
        for (const auto& [name, bytes] : m_planted) {
            const int64_t size = m_env.data.dir().fileSize(name);
            if (size > int64_t{MaxRecords} * 16 && size > static_cast<int64_t>(bytes.size())) {
                m_env.data.writeBytes(name, bytes);
                restored += " " + name;
            }
        }
        return restored;
    }

    std::vector<std::string> problems() {
        std::vector<std::string> out = folderProblems(m_env.data, m_planted);
        for (auto& p : stateRangeProblems(m_env.state))
            out.push_back(std::move(p));
        return out;
    }

    std::string recentDialogs() const {
        std::ostringstream os;
        for (const auto& c : m_dialogs.recent())
            os << "  [" << c.title.toStdString() << "] " << c.text.left(90).toStdString() << " -> "
               << c.answer.toStdString() << '\n';
        return os.str();
    }

    int64_t fileErrors() const { return m_dialogs.fileErrors(); }

private:
    int pick(int n) { return static_cast<int>(m_rng() % static_cast<uint64_t>(n)); }

    // One of the window's children of type T that `usable` accepts, or nullptr.
    template <class T, class Usable> T* anyChild(VelmorixWindow* w, Usable usable) {
        std::vector<T*> found;
        for (auto* c : w->findChildren<T*>())
            if (usable(c))
                found.push_back(c);
        return found.empty() ? nullptr
                             : found[static_cast<std::size_t>(pick(static_cast<int>(found.size())))];
    }

    std::string clickSomething(VelmorixWindow* w) {
        QPointer<QAbstractButton> b =
            anyChild<QAbstractButton>(w, [w](auto* c) { return c->isEnabled() && c->isVisibleTo(w); });
        if (!b)
            return "no button";
        const std::string what =
            "click " + b->objectName().toStdString() + " \"" + b->text().toStdString() + "\"";
        b->click();
        return what;
    }

    std::string typeSomething(VelmorixWindow* w) {
        QLineEdit* e = anyChild<QLineEdit>(
            w, [w](auto* c) { return c->isEnabled() && !c->isReadOnly() && c->isVisibleTo(w); });
        if (!e)
            return "no box";
        const QString text = m_dialogs.randomText();
        const std::string what = "type \"" + text.toStdString() + "\" into " + e->objectName().toStdString();
        e->setText(text);
        if (pick(2) == 0)
            emit e->editingFinished();
        return what;
    }

    std::string triggerSomething(VelmorixWindow* w) {
        // The session watches one game's folder; switching games is tested on its own.
        QAction* a = anyChild<QAction>(w, [](auto* c) {
            return c->isEnabled() && !c->menu() && !c->isSeparator() &&
                   !c->objectName().startsWith(QStringLiteral("mnuGame"));
        });
        if (!a)
            return "no menu";
        const std::string what =
            "menu " + a->objectName().toStdString() + " \"" + a->text().toStdString() + "\"";
        a->trigger();
        return what;
    }

    std::mt19937_64 m_rng;
    RandomDialogs m_dialogs;
    ProgramEnv m_env;
    FolderSnapshot m_planted;
    int m_windowIds = 0;
};

class LongSession : public ::testing::TestWithParam<uint64_t> {};

TEST_P(LongSession, ThousandsOfRandomStepsKeepFilesAndStateSound) {
    Session session(GetParam());
    const int steps = sessionSteps();
    std::vector<std::string> history;
    for (int i = 1; i <= steps; ++i) {
        history.push_back(session.step());
        const std::string restored = session.restoreGrownFiles();
        if (!restored.empty())
            history.back() += " (put back:" + restored + ")";
        if (history.size() > 30)
            history.erase(history.begin());
        settle();
        const auto problems = session.problems();
        if (!problems.empty()) {
            std::ostringstream os;
            os << "after step " << i << ":\n";
            for (const auto& p : problems)
                os << "  " << p << '\n';
            os << "last steps:\n";
            for (const auto& h : history)
                os << "  " << h << '\n';
            os << "last boxes:\n" << session.recentDialogs();
            FAIL() << os.str();
        }
    }
    EXPECT_EQ(session.fileErrors(), 0) << "a file error without a failing disk:\n" << session.recentDialogs();
}

INSTANTIATE_TEST_SUITE_P(Seeds, LongSession, ::testing::Values(1u, 2u, 3u, 4u));
