#include "BatchCommand.h"

#include "engine/ColumnEvaluator.h"
#include "engine/ListBuilder.h"
#include "engine/ListFilter.h"
#include "engine/LiveCount.h"
#include "engine/RunContext.h"
#include "engine/RunData.h"
#include "engine/SelectionControls.h"
#include "engine/SelectionFile.h"

#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "core/CommandOutcome.h"
#include "core/FileError.h"
#include "core/GameFolder.h"
#include "core/Numbers.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <ostream>

namespace velmorix {

namespace {

constexpr int Done = 0;
constexpr int Refused = 1;
constexpr int Usage = 2;

const char* const UsageText = "Kullanım: velmorix-batch build [--progress] [--yes]\n"
                              "          velmorix-batch filter [--use-bag yes|no] [--progress]\n"
                              "          velmorix-batch evaluate\n"
                              "          velmorix-batch count\n";

void print(std::ostream& err, const Message& m) {
    err << terminalLines(m.text);
}

struct Options {
    std::string command;
    bool progress = false;
    bool useBag = false;
    bool yes = false; // build even when the worst case does not fit on the disk
};

bool parse(const std::vector<std::string>& args, Options& o) {
    if (args.empty())
        return false;
    o.command = args[0];
    if (o.command != "build" && o.command != "filter" && o.command != "evaluate" && o.command != "count")
        return false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--progress" && (o.command == "build" || o.command == "filter")) {
            o.progress = true;
        } else if (args[i] == "--yes" && o.command == "build") {
            o.yes = true;
        } else if (args[i] == "--use-bag" && o.command == "filter" && i + 1 < args.size()) {
            const std::string& v = args[++i];
            if (v != "yes" && v != "no")
                return false;
            o.useBag = v == "yes";
        } else {
            return false;
        }
    }
    return true;
}

// A bar on the terminal: "[#####     ]  50% Faz 1 - Kolon : ...".
class ProgressBar {
public:
    ProgressBar(std::ostream& err, bool on) : m_err(err), m_on(on) {}

    void operator()(const ProgressReport& p) {
        if (!m_on)
            return;
        if (p.phase == 0) {
            m_err << "\r\033[K" << std::flush;
            return;
        }
        constexpr int Width = 30;
        const int filled = p.total > 0 ? static_cast<int>(Width * p.done / p.total) : 0;
        const int percent = p.total > 0 ? static_cast<int>(100 * p.done / p.total) : 0;
        m_err << "\r\033[K[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(Width - filled), ' ') << "] "
              << (percent < 10    ? "  "
                  : percent < 100 ? " "
                                  : "")
              << digits(percent) << "% " << p.title << std::flush;
    }

private:
    std::ostream& m_err;
    bool m_on;
};

// The program as it stands when the filters window runs something: start-up
// values, bag and bankers loaded as the main window loads them, VELMORIX.FLT
// loaded and shown by the filters window, the controls read back.
AppState programState(const DataDir& dir, const Game& game, std::ostream& err) {
    AppState state;
    state.game = game;
    loadBag(state, dir, LoadForm::MainWindow);
    loadBankers(state, dir, LoadForm::MainWindow);
    switch (selectionFileState(dir, game)) {
    case SelectionFileState::Ready: {
        const auto records = readSelectionFile(dir, game);
        state.Selection = windowSelection(records ? &*records : nullptr, game);
        break;
    }
    case SelectionFileState::WrongSize:
        err << selectionfile::wrongSizeText(game) << '\n';
        state.Selection = windowSelection(nullptr, game);
        break;
    case SelectionFileState::Missing:
        state.Selection = windowSelection(nullptr, game);
        break;
    }
    return state;
}

int build(AppState& state, const DataDir& dir, bool yes, std::ostream& out, std::ostream& err,
          ProgressBar& bar) {
    if (!yes) {
        // The question's first line; --yes answers it.
        const ListSpace space = listSpace(state, dir);
        if (!space.fits) {
            const std::string text = listSpaceQuestion(space).text;
            err << text.substr(0, text.find('\r')) << '\n';
            return Refused;
        }
    }
    RunCallbacks cb;
    cb.confirm = [](const Question&) { return true; };
    cb.progress = [&bar](const ProgressReport& p) { bar(p); };
    const SystemClock clock;
    const BuildResult r = BuildNewList(state, dir, clock, cb);
    if (r.message)
        print(err, *r.message);
    for (const Message& m : buildReport(r))
        print(err, m);
    if (r.outcome != BuildOutcome::Built)
        return Refused;
    out << "Uygun Kombinasyon = " << digits(r.kept) << '\n'
        << "İncelenen Kombinasyon = " << digits(r.examined) << '\n';
    return Done;
}

int filter(AppState& state, const DataDir& dir, bool useBag, std::ostream& out, std::ostream& err,
           ProgressBar& bar) {
    if (!dir.exists(files::List)) {
        err << "'VELMORIX.LST' dosyası yok !\n";
        return Refused;
    }
    RunCallbacks cb;
    cb.confirm = [useBag](const Question& q) { return q.title == titles::Warning ? useBag : true; };
    cb.progress = [&bar](const ProgressReport& p) { bar(p); };
    const SystemClock clock;
    const FilterResult r = FilterExistingList(state, dir, clock, cb);
    if (r.message)
        print(err, *r.message);
    for (const Message& m : filterReport(r, false))
        print(err, m);
    if (r.outcome != FilterOutcome::Filtered)
        return Refused;
    out << "Uygun Kombinasyon = " << digits(r.kept) << '\n';
    return Done;
}

// Six distinct balls 1..N separated by blanks, or nothing.
bool parseColumn(std::string line, const Game& game, ColumnRecord& rec) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    constexpr const char* Blanks = " \t\v\f\r";
    int n = 0;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(Blanks, at)) != std::string::npos) {
        const std::size_t end = std::min(line.find_first_of(Blanks, at), line.size());
        const std::string_view w(line.data() + at, end - at);
        at = end;
        if (n == 6 || w.size() > 3 || w.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        int value = 0;
        std::from_chars(w.data(), w.data() + w.size(), value);
        rec.Ball[static_cast<std::size_t>(n++)] = static_cast<int16_t>(value);
    }
    return n == 6 && SortedColumn::from(rec.Ball, game.balls()).has_value();
}

int evaluate(AppState& state, const DataDir& dir, std::istream& in, std::ostream& out, std::ostream& err) {
    FilterSelection& sel = state.Selection;
    if (sel.ChaosOn != 0)
        sel.MathRelOff = -1;
    const RunContext ctx = prepareRunContext(sel, dir, state.game);
    const ColumnEvaluator evaluator(sel, ctx);
    std::string line;
    for (int64_t number = 1; std::getline(in, line); ++number) {
        ColumnRecord rec;
        if (!parseColumn(line, state.game, rec)) {
            out << std::flush;
            err << Str(number) << ". satır altı farklı top (1.." << digits(state.game.balls())
                << ") değil: " << line << '\n';
            return Refused;
        }
        out << (evaluator.evaluate(rec) ? "1\n" : "0\n");
    }
    return Done;
}

// The columns a build would keep now, counted without writing a list.
int count(const AppState& state, const DataDir& dir, std::ostream& out, std::ostream& err) {
    const auto data = RunData::take(dir);
    const LiveCounter counter({state.Selection, state.BagBalls, state.BankoBalls, state.game}, *data);
    if (!counter.noList().empty()) {
        err << terminalLines(counter.noList());
        return Refused;
    }
    out << digits(counter.survivors().value_or(0)) << '\n';
    return Done;
}

} // namespace

int runBatch(const std::vector<std::string>& args, const std::filesystem::path& folder, std::istream& in,
             std::ostream& out, std::ostream& err, bool errIsTerminal) {
    Options o;
    if (!parse(args, o)) {
        err << UsageText;
        return Usage;
    }
    try {
        const DataDir dir(folder);
        // A damaged marker stops everything before any other file is opened.
        const FolderGame folderGame = readFolderGame(dir);
        if (folderGame.damaged) {
            err << damagedMarkerText() << '\n';
            return Refused;
        }
        AppState state = programState(dir, folderGame.game, err);
        ProgressBar bar(err, o.progress && errIsTerminal);
        if (o.command == "build")
            return build(state, dir, o.yes, out, err, bar);
        if (o.command == "filter")
            return filter(state, dir, o.useBag, out, err, bar);
        if (o.command == "count")
            return count(state, dir, out, err);
        return evaluate(state, dir, in, out, err);
    } catch (const FileError& e) {
        err << terminalLines(e.userText());
        return Refused;
    }
}

} // namespace velmorix
