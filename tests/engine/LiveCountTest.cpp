#include "LiteralModel.h"
#include "RandomData.h"

#include "support/EngineTests.h"

std::map<std::string, std::vector<unsigned char>> folderBytes(const TempDataDir& t) {
    std::map<std::string, std::vector<unsigned char>> out;
    for (const std::string& name : t.fileNames())
        out[name] = t.readBytes(name);
    return out;
}

// A bag of `size` distinct balls and up to two bankers, some outside the bag.
LiveSelection randomRequest(Rng& rng, const FilterSelection& selection) {
    LiveSelection r;
    r.selection = selection;
    const int size = pick(rng, 9, 24);
    std::vector<int16_t> balls = ballRun(1, 1, 49);
    std::shuffle(balls.begin(), balls.end(), rng);
    for (int i = 0; i < size; ++i)
        r.bag.push(balls[static_cast<std::size_t>(i)]);
    const int bankers = pick(rng, 0, 2);
    for (int i = 0; i < bankers; ++i)
        r.bankers.push(balls[static_cast<std::size_t>(chance(rng, 0.7) ? i : 30 + i)]);
    return r;
}

LiveSelection fullBag(const FilterSelection& selection) {
    LiveSelection r;
    r.selection = selection;
    for (int b = 1; b <= 49; ++b)
        r.bag.push(b);
    return r;
}

// The count must be the size of the list a build then writes, whatever the
// selection and data, and must leave every file as it found it.
TEST(LiveCountTest, EqualsTheListABuildThenWrites) {
    Rng rng(20261206);
    int compared = 0;
    for (int round = 0; round < 60; ++round) {
        TempDataDir t;
        writeRandomData(t, rng, {});
        const FilterSelection::Records stored = randomStoredSelection(rng);
        const LiveSelection request = randomRequest(rng, windowSelection(&stored));
        const auto before = folderBytes(t);

        LiveCountResult live;
        {
            const auto data = RunData::take(t.dir());
            live = countLive(request, *data);
        }
        ASSERT_TRUE(live.error.empty()) << live.error;
        EXPECT_EQ(folderBytes(t), before) << "round " << round;
        EXPECT_TRUE(live.partsDone);

        AppState state;
        state.Selection = request.selection;
        state.BagBalls = request.bag;
        state.BankoBalls = request.bankers;
        const FixedClock clock;
        const BuildResult built = BuildNewList(state, t.dir(), clock, answerYes());
        EXPECT_EQ(live.total, built.totalCombinations) << "round " << round;
        if (built.outcome != BuildOutcome::Built)
            continue;
        ++compared;
        EXPECT_EQ(live.survivors, recordCount(t.dir(), files::List)) << "round " << round;
    }
    EXPECT_GT(compared, 45);
}

// Each part's figure is what the filter removes alone, by the literal model,
// and a column passes the selection exactly when it passes every part.
TEST(LiveCountTest, PartsCountWhatEachFilterRemovesAlone) {
    Rng rng(77);
    for (int round = 0; round < 12; ++round) {
        TempDataDir t;
        writeRandomData(t, rng, {});
        const FilterSelection::Records stored = randomStoredSelection(rng);
        LiveSelection request;
        request.selection = windowSelection(&stored);
        for (int b = 1; b <= 49; b += 3)
            request.bag.push(b); // 17 balls, 12376 columns

        const auto data = RunData::take(t.dir());
        const LiveCountResult live = countLive(request, *data);

        FilterSelection prepared = request.selection;
        if (prepared.ChaosOn != 0)
            prepared.MathRelOff = -1;
        const RunContext context = data->prepare(prepared);
        FilterSelection literalSelection = prepared;
        const literal::Context literalContext = literal::prepare(literalSelection, data->dir());
        const std::vector<SelectionPart> parts = selectionParts(prepared, context);

        std::map<FilterPart, int32_t> removed;
        int32_t passing = 0;
        for (int a = 0; a < 17; ++a)
            for (int b = a + 1; b < 17; ++b)
                for (int c = b + 1; c < 17; ++c)
                    for (int d = c + 1; d < 17; ++d)
                        for (int e = d + 1; e < 17; ++e)
                            for (int f = e + 1; f < 17; ++f) {
                                const ColumnRecord column = rec(
                                    0, {1 + 3 * a, 1 + 3 * b, 1 + 3 * c, 1 + 3 * d, 1 + 3 * e, 1 + 3 * f});
                                ColumnRecord whole = column;
                                const bool passes = literal::evaluateColumn(prepared, literalContext, whole);
                                bool everyPart = true;
                                for (const SelectionPart& part : parts) {
                                    ColumnRecord r = column;
                                    if (!literal::evaluateColumn(part.selection, literalContext, r)) {
                                        ++removed[part.part];
                                        everyPart = false;
                                    }
                                }
                                ASSERT_EQ(passes, everyPart) << "round " << round;
                                passing += passes;
                            }
        ASSERT_EQ(live.parts.size(),
                  parts.size() + (prepared.RepeatBanLevel >= 2 && prepared.RepeatBanLevel <= 5 ? 1u : 0u));
        for (std::size_t i = 0; i < parts.size(); ++i) {
            EXPECT_EQ(live.parts[i].part, parts[i].part);
            EXPECT_EQ(live.parts[i].removed, removed[parts[i].part]) << live.parts[i].name;
        }
        if (live.parts.size() > parts.size()) {
            // The ban drops what the filters left over the list's survivors.
            EXPECT_EQ(live.parts.back().part, FilterPart::RepetitionBan);
            EXPECT_EQ(live.parts.back().removed, passing - live.survivors);
        } else {
            EXPECT_EQ(live.survivors, passing);
        }
    }
}

TEST(LiveCountTest, NamesThePartsAsTheFiltersWindowDoes) {
    TempDataDir t;
    t.writeRecords(files::Results, {rec(KeepMark, {1, 2, 3, 4, 5, 6}), rec(KeepMark, {7, 8, 9, 10, 11, 12})});
    FilterSelection s = windowSelection(nullptr);
    s.ChaosOn = 0;
    s.MathRelOff = -1;
    s.SumRule = {-1, 100, 150, 0};
    s.ResultLimit = 2;
    s.OtherFiltersOn = -1;
    s.LastWeekSpanBan = -1;
    s.SumRepeatBan = -1;
    s.OddEvenBan = -1;
    s.RepeatBanLevel = 4;
    LiveSelection request;
    request.selection = s;
    for (int b = 1; b <= 20; ++b)
        request.bag.push(b);
    const auto data = RunData::take(t.dir());
    const LiveCountResult live = countLive(request, *data);
    std::vector<std::string> names;
    for (const PartCount& p : live.parts)
        names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Toplam Filtreleri", "Sonuçlar (4 benzer)",
                                               "6 tek ve 6 çift yasağı", "Son hafta sayı farkı yasak",
                                               "Sayı toplamı aynı olamaz", "Tekrar Yasakları (4 aynı top)"}));
    EXPECT_EQ(liveCountLabel(live.survivors), "Tahmini Uygun Kombinasyon = " + Str(live.survivors));
    EXPECT_EQ(liveCountLabel(12), "Tahmini Uygun Kombinasyon =  12");
}

TEST(LiveCountTest, BagsWithoutCandidatesASingleCombinationAndBrokenBankers) {
    TempDataDir t;
    const auto data = RunData::take(t.dir());
    LiveSelection request;
    request.selection = windowSelection(nullptr);
    for (int b : {1, 2, 3, 4, 5})
        request.bag.push(b);
    LiveCountResult live = countLive(request, *data);
    EXPECT_EQ(live.total, 0);
    EXPECT_EQ(live.survivors, 0);

    // A single combination is shown, never listed, even when it passes.
    request.selection.ChaosOn = 0;
    request.bankers.push(30);
    live = countLive(request, *data);
    EXPECT_EQ(live.total, 1);
    EXPECT_EQ(live.survivors, 0);
    EXPECT_EQ(live.noList, "Sadece 1 kombinasyon var !\r\rToplar:   30  1  2  3  4  5");

    // A repeated banker fails every candidate, as in a build.
    request.bag.clear();
    for (int b = 1; b <= 30; ++b)
        request.bag.push(b);
    request.bankers.clear();
    request.bankers.push(40);
    request.bankers.push(40);
    live = countLive(request, *data);
    EXPECT_EQ(live.total, CombinationCount(30, 4));
    EXPECT_EQ(live.survivors, 0);
}

// The start-up selection leaves the chaos filters alone; the full bag then
// keeps 7672818 of 13983816 columns. A cancelled count gives nothing and is
// not kept as the answer.
TEST(LiveCountTest, FullBagWithTheStartUpSelectionAndCancelling) {
    TempDataDir t;
    const auto data = RunData::take(t.dir());
    const LiveCounter counter(fullBag(windowSelection(nullptr)), *data);
    int polls = 0;
    EXPECT_FALSE(counter.survivors([&] { return ++polls > 3; }));
    EXPECT_EQ(polls, 4);
    EXPECT_FALSE(counter.parts([] { return true; }));

    const auto survivors = counter.survivors();
    ASSERT_TRUE(survivors);
    EXPECT_EQ(counter.total(), 13983816);
    EXPECT_EQ(*survivors, 7672818);
    const auto parts = counter.parts();
    ASSERT_TRUE(parts);
    ASSERT_EQ(parts->size(), 1u);
    EXPECT_EQ((*parts)[0].name, "Varsayılan Kaos Filtreleri");
    EXPECT_EQ((*parts)[0].removed, 13983816 - 7672818);
}

// The copy of the data is the run's own: an empty file the preparation would
// delete is not even copied, and the player's folder stays as it was.
TEST(RunDataTest, CopiesTheDataOnceAndNoticesChanges) {
    TempDataDir t;
    t.writeBytes(files::Played, {});
    t.writeRecords(files::Results, {rec(KeepMark, {1, 2, 3, 4, 5, 6})});
    std::filesystem::path copy;
    {
        const auto data = RunData::take(t.dir());
        copy = data->dir().root();
        EXPECT_NE(copy, t.path());
        EXPECT_TRUE(data->dir().exists(files::Results));
        EXPECT_FALSE(data->dir().exists(files::Played));
        FilterSelection s = windowSelection(nullptr);
        s.PlayedLimit = 3;
        const RunContext context = data->prepare(s);
        EXPECT_EQ(s.PlayedLimit, -1);
        EXPECT_EQ(context.resultCount, 0); // no filter reads the results
        EXPECT_TRUE(t.dir().exists(files::Played));
        EXPECT_TRUE(data->current(t.dir()));

        t.writeRecords(files::Results,
                       {rec(KeepMark, {1, 2, 3, 4, 5, 6}), rec(KeepMark, {1, 2, 3, 4, 5, 7})});
        EXPECT_FALSE(data->current(t.dir()));
    }
    EXPECT_FALSE(std::filesystem::exists(copy));
}

// A request made while another runs supersedes it; a change of the data is
// counted again.
TEST(LiveCountWorkerTest, ReportsOnlyTheNewestRequestAndCountsAgainWhenTheDataChange) {
    TempDataDir t;
    std::mutex m;
    std::vector<std::pair<uint64_t, LiveCountResult>> reports;
    LiveCountWorker worker([&](uint64_t generation, const LiveCountResult& result) {
        const std::lock_guard lock(m);
        reports.emplace_back(generation, result);
    });
    LiveSelection small;
    small.selection = windowSelection(nullptr);
    small.selection.ChaosOn = 0;
    small.selection.ResultLimit = 0; // no result repeated
    for (int b = 1; b <= 8; ++b)
        small.bag.push(b);

    const uint64_t first = worker.request({fullBag(windowSelection(nullptr)), t.path()});
    const uint64_t second = worker.request({small, t.path()});
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(worker.latest(), second);
    ASSERT_TRUE(worker.waitIdle(std::chrono::seconds(60)));
    {
        const std::lock_guard lock(m);
        ASSERT_FALSE(reports.empty());
        bool sawSecond = false;
        for (const auto& [generation, result] : reports) {
            if (generation == second)
                sawSecond = true;
            else
                EXPECT_FALSE(sawSecond) << "a stale report after the newest one";
        }
        EXPECT_EQ(reports.back().first, second);
        EXPECT_TRUE(reports.back().second.partsDone);
        EXPECT_EQ(reports.back().second.survivors, 28);
        const auto data = RunData::take(t.dir());
        EXPECT_EQ(reports.back().second.parts, countLive(small, *data).parts);
    }

    t.writeRecords(files::Results, {rec(KeepMark, {1, 2, 3, 4, 5, 6})});
    worker.request({small, t.path()});
    ASSERT_TRUE(worker.waitIdle(std::chrono::seconds(30)));
    const std::lock_guard lock(m);
    EXPECT_TRUE(reports.back().second.partsDone);
    EXPECT_EQ(reports.back().second.survivors, 27);
}
