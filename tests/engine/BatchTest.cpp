// velmorix-batch run as a program on random data folders, against the
// literal model fed with the same files.
#include "LiteralModel.h"
#include "RandomData.h"

#include "support/EngineTests.h"

#include <sys/wait.h>

struct BatchRun {
    int code = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Runs the command in `folder` with `input` on standard input.
BatchRun batch(const TempDataDir& folder, const std::string& args, const std::string& input = {}) {
    const auto io =
        std::filesystem::temp_directory_path() / ("velmorix-batch-io-" + std::to_string(::getpid()));
    std::filesystem::create_directories(io);
    std::ofstream(io / "in", std::ios::binary) << input;
    const std::string cmd = "cd '" + folder.path().string() + "' && '" VELMORIX_BATCH "' " + args + " < '" +
                            (io / "in").string() + "' > '" + (io / "out").string() + "' 2> '" +
                            (io / "err").string() + "'";
    const int status = std::system(cmd.c_str());
    BatchRun r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(io / "out");
    r.err = slurp(io / "err");
    std::filesystem::remove_all(io);
    return r;
}

// Rounds of build, filter (answering the bag question as told) and evaluate.
TEST(BatchTest, EachCommandGivesTheLiteralModelsFilesAndAnswers) {
    Rng rng(501);
    int built = 0;
    for (int round = 0; round < 48; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int command = round % 3;
        TempDataDir fast, slow;
        writeRandomData(fast, rng, DataShape{});
        writeBalls(fast, rng, command == 0 ? pick(rng, 5, 16) : pick(rng, 6, 40));
        writeSelection(fast, rng);
        std::vector<ColumnRecord> list;
        if (command == 1)
            for (int i = pick(rng, 1, 300); i > 0; --i)
                list.push_back(randomDataRecord(rng, chance(rng, 0.1) ? -1 : 0, 0.03));
        else if (command == 0 && chance(rng, 0.5))
            list.push_back(randomDataRecord(rng, 9, 0));
        if (!list.empty())
            fast.writeRecords("VELMORIX.LST", list);
        copyFolder(fast, slow);
        // The program state the literal model starts from, read from the same files.
        AppState state;
        loadBag(state, slow.dir(), LoadForm::MainWindow);
        loadBankers(state, slow.dir(), LoadForm::MainWindow);
        const auto stored = readSelectionFile(slow.dir());
        state.Selection = windowSelection(stored ? &*stored : nullptr);
        BatchRun run;
        if (command == 0) {
            const literal::BuildOutcome expected = literal::build(state, slow.dir());
            run = batch(fast, "build");
            if (expected.built) {
                ++built;
                EXPECT_EQ(run.code, 0) << run.err;
                EXPECT_EQ(run.out,
                          "Uygun Kombinasyon = " + std::to_string(slow.readRecords("VELMORIX.LST").size()) +
                              "\nİncelenen Kombinasyon = " + std::to_string(expected.examined) + "\n");
                EXPECT_NE(run.err.find(" kolon kombinasyon listesine eklendi."), std::string::npos)
                    << run.err;
            } else {
                EXPECT_EQ(run.code, 1) << run.err;
                EXPECT_TRUE(run.err.find("kombinasyon yok !") != std::string::npos ||
                            run.err.find("Sadece 1 kombinasyon var !") != std::string::npos)
                    << run.err;
            }
            const bool damaged = fast.readBytes("VELMORIX.FLT").size() == 168;
            EXPECT_EQ(run.err.find("Dosya boyutu 170 byte değil") != std::string::npos, damaged) << run.err;
        } else if (command == 1) {
            const bool useBag = chance(rng, 0.5);
            ASSERT_TRUE(literal::filter(state, slow.dir(), useBag));
            run = batch(fast, std::string("filter") + (useBag             ? " --use-bag yes"
                                                       : chance(rng, 0.5) ? " --use-bag no"
                                                                          : ""));
            EXPECT_EQ(run.code, 0) << run.err;
            EXPECT_NE(run.err.find(" kolon kombinasyon listesine kayıtlandı."), std::string::npos) << run.err;
        } else {
            FilterSelection& sel = state.Selection;
            if (sel.ChaosOn != 0)
                sel.MathRelOff = -1;
            const literal::Context ctx = literal::prepare(sel, slow.dir());
            std::string input, expected;
            for (int n = 0; n < 400; ++n) {
                ColumnRecord r;
                r.Ball = randomColumn(rng);
                std::shuffle(r.Ball.begin(), r.Ball.end(), rng);
                for (int16_t v : r.Ball)
                    input += std::to_string(v) + (chance(rng, 0.1) ? "  " : " ");
                input += "\n";
                expected += literal::evaluateColumn(sel, ctx, r) ? "1\n" : "0\n";
            }
            run = batch(fast, "evaluate", input);
            EXPECT_EQ(run.code, 0) << run.err;
            EXPECT_EQ(run.out, expected);
        }
        expectSameFolders(fast, slow, run.err);
    }
    EXPECT_GE(built, 10);
}

TEST(BatchTest, BadInputAndUsage) {
    TempDataDir t;
    BatchRun run = batch(t, "evaluate", "1 2 3 4 5 6\n7 8 9 10 11 12\n1 2 3 4 5 5\n1 2 3 4 5 6\n");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "0\n0\n");
    EXPECT_NE(run.err.find(" 3. satır"), std::string::npos) << run.err;
    for (const char* line : {"1 2 3 4 5\n", "1 2 3 4 5 50\n", "0 1 2 3 4 5\n", "1 2 3 4 5 6 7\n",
                             "a b c d e f\n", "\n", "1 2 3 4 5 +6\n"})
        EXPECT_EQ(batch(t, "evaluate", line).code, 1) << line;
    EXPECT_EQ(batch(t, "evaluate", "1 2 3 4 5 6\r\n").code, 0);
    EXPECT_EQ(batch(t, "evaluate", "").code, 0);

    for (const char* args : {"", "list", "build --use-bag yes", "filter --use-bag maybe", "filter --use-bag",
                             "evaluate --progress", "build extra"}) {
        run = batch(t, args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_NE(run.err.find("Kullanım"), std::string::npos) << args;
    }

    run = batch(t, "filter");
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(run.err.empty());
    run = batch(t, "build"); // no bag: nothing to list
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Listelenecek herhangi bir kombinasyon yok !\n\nn= 0\nr= 6"), std::string::npos)
        << run.err;
    EXPECT_TRUE(t.fileNames().empty());
}

TEST(BatchTest, TheFolderMarkerChoosesTheGameOrStopsEverything) {
    TempDataDir t;
    std::vector<int16_t> bag{20};
    for (int b : {1, 2, 3, 4, 5, 6, 7, 20, 21, 22, 23, 24, 25, 26, 44, 45, 46, 47, 48, 49})
        bag.push_back(static_cast<int16_t>(b));
    t.writeWords("VELMORIX.DAT", bag);
    const auto counted = [&](const Game& game) {
        AppState s;
        s.game = game;
        loadBag(s, t.dir(), LoadForm::MainWindow);
        const auto data = RunData::take(t.dir());
        return LiveCounter({windowSelection(nullptr, game), s.BagBalls, s.BankoBalls, game}, *data)
            .survivors();
    };
    const std::string marker = "6/90\r\n";
    t.writeBytes("VELMORIX.OYN", {marker.begin(), marker.end()});
    BatchRun run = batch(t, "count");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, std::to_string(*counted(Game::cilginLoto90())) + "\n");
    EXPECT_GT(*counted(Game::cilginLoto90()), 0);
    EXPECT_NE(*counted(Game::cilginLoto90()), *counted(Game::lotto49()));

    // A damaged marker: the message, and no other file is opened or written.
    for (const std::string bad : {"6/49\n", "6/90", " 6/90\n",
                                  "\xEF\xBB\xBF"
                                  "6/90\n",
                                  "6/90\n6/90\n", ""}) {
        t.writeBytes("VELMORIX.OYN", {bad.begin(), bad.end()});
        for (const char* command : {"build", "count", "chaos-report"}) {
            run = batch(t, command);
            EXPECT_EQ(run.code, 1) << command;
            EXPECT_EQ(run.err, "'VELMORIX.OYN' dosyası bozuk !\n") << command;
            EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"VELMORIX.DAT", "VELMORIX.OYN"})) << command;
        }
    }
}
