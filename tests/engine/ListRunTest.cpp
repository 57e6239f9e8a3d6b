// Building a new combination list and filtering the existing one.
#include "support/EngineTests.h"

struct Recorder {
    std::vector<Question> questions;
    std::vector<std::string> titles;
    bool answer = true;

    RunCallbacks callbacks() {
        RunCallbacks cb;
        cb.confirm = [this](const Question& q) {
            questions.push_back(q);
            return answer;
        };
        cb.progress = [this](const ProgressReport& p) { titles.push_back(p.title); };
        return cb;
    }
    bool sawTitle(const std::string& t) const {
        return std::find(titles.begin(), titles.end(), t) != titles.end();
    }
};

// No filter but the ones a test turns on.
AppState withBag(std::initializer_list<int> bag, std::initializer_list<int> bankers = {}) {
    AppState s;
    for (int b : bag)
        s.BagBalls.push(b);
    for (int b : bankers)
        s.BankoBalls.push(b);
    s.Selection.ChaosOn = 0;
    return s;
}

AppState withBagOf(int first, int last) {
    AppState s = withBag({});
    for (int b = first; b <= last; ++b)
        s.BagBalls.push(b);
    return s;
}

const FixedClock fixedClock;

// No combination, a single one, or a declined question: no file is touched.
TEST(ListBuilderTest, NoBuildTouchesNoFile) {
    TempDataDir t;
    t.writeRecords("VELMORIX.LST", {rec(1, {1, 2, 3, 4, 5, 6})});
    t.writeRecords("VELMORIX.OLD", {rec(2, {7, 8, 9, 10, 11, 12})});
    Recorder r;
    AppState five = withBag({1, 2, 3, 4, 5});
    BuildResult res = BuildNewList(five, t.dir(), fixedClock, r.callbacks());
    EXPECT_EQ(res.outcome, BuildOutcome::NothingToList);
    EXPECT_EQ(res.message,
              (Message{"Listelenecek herhangi bir kombinasyon yok !\r\rn= 5\rr= 6\r\rKombinasyon(n,r)= 0",
                       "! HATA !", MessageIcon::Exclamation}));
    EXPECT_EQ(res.labels.Label10, "Toplam Kombinasyon =  0");
    EXPECT_EQ(five.TotalCombinations, 0);

    AppState single = withBag({1, 2, 3, 4, 5}, {30});
    res = BuildNewList(single, t.dir(), fixedClock, r.callbacks());
    EXPECT_EQ(res.outcome, BuildOutcome::SingleCombination);
    EXPECT_EQ(res.message->text, "Sadece 1 kombinasyon var !\r\rToplar:   30  1  2  3  4  5");
    EXPECT_EQ(res.message->title, "VELMORIX 653 Dizimci u4.5");
    EXPECT_TRUE(buildReport(res).empty());
    EXPECT_TRUE(r.questions.empty());

    r.answer = false;
    AppState s = withBagOf(1, 36);
    res = BuildNewList(s, t.dir(), fixedClock, r.callbacks());
    EXPECT_EQ(res.outcome, BuildOutcome::Declined);
    EXPECT_EQ(res.buildStep, 0);
    EXPECT_TRUE(res.listNotBuilt);
    ASSERT_EQ(r.questions.size(), 1u);
    EXPECT_EQ(r.questions[0],
              (Question{"Kombinasyonların toplam sayısı: 1947792\r\r[ n= 36, r= 6 ]\r\rYeni bir "
                        "kombinasyon listesi oluşturmak istiyormusunuz ?",
                        "VELMORIX 653 Dizimci u4.5"}));
    EXPECT_EQ(t.readRecords("VELMORIX.LST"), std::vector<ColumnRecord>{rec(1, {1, 2, 3, 4, 5, 6})});
    EXPECT_EQ(t.readRecords("VELMORIX.OLD"), std::vector<ColumnRecord>{rec(2, {7, 8, 9, 10, 11, 12})});
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"VELMORIX.LST", "VELMORIX.OLD"}));
}

TEST(ListBuilderTest, FiveBankersTakeEachFreeBallInTurn) {
    TempDataDir t;
    AppState s = withBag({}, {45, 3, 20, 9, 33});
    for (int b = 1; b <= 49; ++b)
        if (!s.BankoBalls.contains(b))
            s.BagBalls.push(b);
    Recorder r;
    const BuildResult res = BuildNewList(s, t.dir(), fixedClock, r.callbacks());
    ASSERT_EQ(res.outcome, BuildOutcome::Built);
    EXPECT_EQ(res.totalCombinations, 44);
    EXPECT_EQ(res.examined, 44);
    const auto list = t.readRecords("VELMORIX.LST");
    ASSERT_EQ(list.size(), 44u);
    EXPECT_EQ(list.front(), rec(0, {1, 3, 9, 20, 33, 45}));
    EXPECT_EQ(list[1], rec(0, {2, 3, 9, 20, 33, 45}));
    EXPECT_EQ(list.back(), rec(0, {3, 9, 20, 33, 45, 49}));
    EXPECT_EQ(s.FreeBallCount, 44);
    EXPECT_EQ(s.FreeSlotCount, 1);
}

TEST(ListBuilderTest, ChaosFiltersOnTheBagOf36KeepTheKnownCount) {
    TempDataDir t;
    t.writeRecords("VELMORIX.LST", {rec(653, {1, 2, 3, 4, 5, 6})});
    AppState s = withBagOf(1, 36);
    s.Selection = FilterSelection::startup();
    s.CurColumn = {0, 1, 2, 3, 4, 5, 6};
    Recorder r;
    const BuildResult res = BuildNewList(s, t.dir(), fixedClock, r.callbacks());
    ASSERT_EQ(res.outcome, BuildOutcome::Built);
    EXPECT_EQ(res.examined, 1947792);
    EXPECT_EQ(res.kept, 1040655);
    EXPECT_EQ(s.RecNo, 1947792);
    EXPECT_FALSE(res.listNotBuilt);
    EXPECT_EQ(res.buildStep, 6);
    EXPECT_EQ(s.CurColumn, (std::array<int16_t, 7>{0, 1, 2, 3, 4, 5, 6})); // the main window's column stays
    EXPECT_EQ(t.readRecords("VELMORIX.OLD"), std::vector<ColumnRecord>{rec(653, {1, 2, 3, 4, 5, 6})});
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"VELMORIX.LST", "VELMORIX.OLD"}));
    EXPECT_EQ(readRecord(t.dir(), "VELMORIX.LST", 1).Tag, KeepMark);
    EXPECT_EQ(res.labels, (StatusLabels{"Toplam Kombinasyon =  1947792", "Uygun Kombinasyon =  1040655",
                                        "Başlama Zamanı = 12:34:56", "Bitiş Zamanı = 12:34:56"}));
    EXPECT_EQ(buildReport(res),
              std::vector<Message>{(Message{" 1040655 kolon kombinasyon listesine eklendi.",
                                            " VELMORIX 653 Dizimci u4.5", MessageIcon::None})});
    EXPECT_TRUE(r.sawTitle("Faz 1 - Kolon : 1040655 - [ 1947792 ]"));
    EXPECT_EQ(r.titles.back(), "VELMORIX 653 Dizimci u4.5  [ YASAKLAR & ZORUNLULUKLAR ]");
    EXPECT_FALSE(r.sawTitle("Faz 2 - Kolon: 0"));
}

TEST(ListBuilderTest, RepetitionBanRunsForLevelsTwoToFiveOnly) {
    TempDataDir t;
    AppState s = withBagOf(1, 9);
    s.Selection.RepeatBanLevel = 6;
    Recorder r;
    BuildResult res = BuildNewList(s, t.dir(), fixedClock, r.callbacks());
    EXPECT_EQ(res.kept, 84); // C(9, 6): level 6 leaves an enumerated list as it is
    EXPECT_FALSE(r.sawTitle("Faz 2 - Kolon: 0"));

    s.Selection.RepeatBanLevel = 5;
    res = BuildNewList(s, t.dir(), fixedClock, r.callbacks());
    ASSERT_EQ(res.outcome, BuildOutcome::Built);
    EXPECT_EQ(res.buildStep, 9);
    // Each column sharing five balls with an earlier kept one goes.
    const auto list = t.readRecords("VELMORIX.LST");
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list[0], rec(KeepMark, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(list[1], rec(KeepMark, {1, 2, 3, 4, 7, 8}));
    EXPECT_EQ(list[2], rec(KeepMark, {1, 2, 3, 5, 7, 9}));
    EXPECT_EQ(s.RecNo, 8);
    EXPECT_TRUE(r.sawTitle("Faz 2 - Kolon: 0"));
    EXPECT_TRUE(r.sawTitle("Faz 2 - Kolon : 84   % 100"));
    EXPECT_TRUE(r.sawTitle("Faz 3 - Kolon : 8"));
    EXPECT_EQ(res.labels.Label11, "Uygun Kombinasyon =  8");
}

// A failed rename of the backup (stage 1), of the new list (stage 6) or of the
// list after the ban (stage 9): the report says where, and no temporary stays.
TEST(ListBuilderTest, AFailedBuildKeepsThePreviousListAndSaysWhere) {
    const std::vector<ColumnRecord> old = {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {1, 2, 3, 4, 5, 7})};
    struct Case {
        std::string file;
        int rename; // the file's rename that fails
        int stage;
    };
    for (const Case& c :
         {Case{"VELMORIX.TMP", 1, 6}, Case{"VELMORIX.OLD.new", 1, 1}, Case{"VELMORIX.TMP", 2, 9}}) {
        SCOPED_TRACE(c.stage);
        TempDataDir t;
        t.writeRecords("VELMORIX.LST", old);
        int renames = 0;
        t.dir().setFaultHook([&](FileStep step, const std::string& name, int64_t) {
            return step == FileStep::Rename && name == c.file && ++renames == c.rename ? EIO : 0;
        });
        AppState s = withBagOf(1, 12);
        s.Selection.RepeatBanLevel = 3;
        Recorder r;
        const BuildResult res = BuildNewList(s, t.dir(), fixedClock, r.callbacks());
        EXPECT_EQ(res.outcome, BuildOutcome::Failed);
        EXPECT_TRUE(res.listNotBuilt);
        EXPECT_EQ(res.buildStep, c.stage);
        EXPECT_EQ(res.labels.Label11, "Hata oluştu...");
        EXPECT_EQ(res.labels.Label13, "Hata zamanı =12:34:56");
        if (c.stage < 9) { // after the ban the new list has replaced the previous one
            EXPECT_EQ(t.readRecords("VELMORIX.LST"), old);
        }
        if (c.stage > 1) {
            EXPECT_EQ(t.readRecords("VELMORIX.OLD"), old);
        }
        EXPECT_EQ(t.fileNames(), (c.stage > 1 ? std::vector<std::string>{"VELMORIX.LST", "VELMORIX.OLD"}
                                              : std::vector<std::string>{"VELMORIX.LST"}));
        const auto report = buildReport(res);
        ASSERT_EQ(report.size(), 2u);
        EXPECT_EQ(report[0].title, "! HATA !");
        EXPECT_NE(report[0].text.find(c.stage > 1 ? "VELMORIX.LST" : "VELMORIX.OLD"), std::string::npos);
        EXPECT_EQ(report[1], (Message{"Yeni kombinasyon listesi yapılırken hata oluştu !\r\r[ Kademe= " +
                                          std::to_string(c.stage) + " ]",
                                      " VELMORIX 653 Dizimci u4.5", MessageIcon::Exclamation}));
        EXPECT_EQ(r.titles.back(), "VELMORIX 653 Dizimci u4.5  [ YASAKLAR & ZORUNLULUKLAR ]");
    }
}

TEST(ListFilterTest, NothingToFilterLeavesTheFolderAlone) {
    TempDataDir t;
    Recorder r;
    AppState s = withBag({});
    FilterResult res = FilterExistingList(s, t.dir(), fixedClock, r.callbacks());
    EXPECT_EQ(res.outcome, FilterOutcome::NothingToFilter);
    EXPECT_TRUE(t.fileNames().empty());
    t.writeBytes("VELMORIX.LST", std::vector<unsigned char>(8, 5)); // half a record: none
    res = FilterExistingList(s, t.dir(), fixedClock, r.callbacks());
    EXPECT_EQ(res.outcome, FilterOutcome::NothingToFilter);
    EXPECT_TRUE(res.listNotBuilt);
    EXPECT_EQ(res.message, (Message{"Filtrelenecek herhangi bir kolon yok !", "VELMORIX 653 Dizimci u4.5",
                                    MessageIcon::Exclamation}));
    EXPECT_EQ(t.readBytes("VELMORIX.LST").size(), 8u);
    EXPECT_TRUE(r.questions.empty());
    EXPECT_TRUE(filterReport(res, false).empty());
}

TEST(ListFilterTest, SurvivorsKeepTagAndOrderAndMarkedRecordsGo) {
    TempDataDir t;
    t.writeRecords("VELMORIX.LST", {
                                       rec(12, {40, 3, 24, 7, 36, 15}),       // passes, stays as stored
                                       rec(-1, {3, 7, 15, 24, 36, 40}),       // marked before: removed
                                       rec(0, {1, 2, 3, 4, 5, 6}),            // fails chaos
                                       rec(-5, {1, 2, 3, 4, 5, 6}),           // negative: not evaluated, kept
                                       rec(KeepMark, {2, 4, 11, 16, 30, 42}), // passes
                                       rec(0, {1, 1, 3, 4, 5, 6}),            // hand-made: fails
                                   });
    AppState s;
    s.Selection = FilterSelection::startup();
    Recorder r;
    const FilterResult res = FilterExistingList(s, t.dir(), fixedClock, r.callbacks());
    ASSERT_EQ(res.outcome, FilterOutcome::Filtered);
    EXPECT_EQ(t.readRecords("VELMORIX.LST"),
              (std::vector<ColumnRecord>{rec(12, {40, 3, 24, 7, 36, 15}), rec(-5, {1, 2, 3, 4, 5, 6}),
                                         rec(KeepMark, {2, 4, 11, 16, 30, 42})}));
    EXPECT_EQ(res.passed, 2);
    EXPECT_EQ(res.kept, 3);
    EXPECT_EQ(s.RecNo, 3);
    EXPECT_FALSE(res.listNotBuilt);
    EXPECT_TRUE(r.questions.empty()); // empty bag, no bankers
    EXPECT_TRUE(r.sawTitle("Faz 2 - Kolon : 2 - [ 6 ]"));
    EXPECT_TRUE(r.sawTitle("Faz 4 - Kolon : 3"));
    EXPECT_EQ(res.labels, (StatusLabels{"Toplam Kombinasyon =  6", "Uygun Kombinasyon =  3",
                                        "Başlama Zamanı = 12:34:56", "Bitiş Zamanı = 12:34:56"}));
    EXPECT_EQ(filterReport(res, false),
              std::vector<Message>{(Message{" 3 kolon kombinasyon listesine kayıtlandı.",
                                            " VELMORIX 653 Dizimci u4.5", MessageIcon::None})});
    EXPECT_EQ(filterReport(res, true)[0].text, " 3 kolon kombinasyon listesine eklendi.");
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.LST"});
}

TEST(ListFilterTest, OneRecordListIsRewrittenAndRepeatsGoAtLevelSix) {
    TempDataDir t;
    t.writeRecords("VELMORIX.LST", {rec(7, {9, 8, 7, 6, 5, 4})});
    AppState s = withBag({});
    s.Selection.RepeatBanLevel = 2;
    Recorder r;
    FilterExistingList(s, t.dir(), fixedClock, r.callbacks());
    EXPECT_EQ(t.readRecords("VELMORIX.LST"), std::vector<ColumnRecord>{rec(7, {9, 8, 7, 6, 5, 4})});
    EXPECT_TRUE(r.sawTitle("Faz 3 - Kolon: 0"));
    EXPECT_TRUE(r.sawTitle("Faz 3 - Kolon : 1   % 100"));

    t.writeRecords("VELMORIX.LST",
                   {rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {6, 5, 4, 3, 2, 1}), rec(3, {1, 2, 3, 4, 5, 7})});
    s.Selection.RepeatBanLevel = 6;
    FilterExistingList(s, t.dir(), fixedClock, r.callbacks());
    EXPECT_EQ(t.readRecords("VELMORIX.LST"),
              (std::vector<ColumnRecord>{rec(1, {1, 2, 3, 4, 5, 6}), rec(3, {1, 2, 3, 4, 5, 7})}));
}

TEST(ListFilterTest, TheBagQuestionDependsOnBagAndBankers) {
    const std::vector<ColumnRecord> list = {rec(0, {1, 2, 3, 4, 5, 6}), rec(0, {1, 2, 3, 4, 5, 40}),
                                            rec(0, {7, 8, 9, 10, 11, 12})};
    struct Case {
        std::vector<int16_t> bag, bankers;
        bool answer;
        std::string question; // empty: none asked
        std::size_t kept;
    };
    const std::vector<int16_t> all = ballRun(1, 1, 49);
    const std::vector<Case> cases = {
        {{}, {}, true, "", 3},
        {all, {}, true, "", 3},
        {{1, 2, 3, 4, 5, 6, 7}, {}, true, "Şu andaki Torba'yı elemede kullanmak istiyormusunuz?", 1},
        {{1, 2, 3, 4, 5, 6, 7}, {}, false, "Şu andaki Torba'yı elemede kullanmak istiyormusunuz?", 3},
        {{}, {40}, true, "Şu andaki Banko'yu elemede kullanmak istiyormusunuz?", 1},
        {{1, 2, 3, 4, 5}, {40}, true, "Şu andaki Torba'yı ve Banko'yu elemede kullanmak istiyormusunuz?", 1},
        {{2, 3, 4, 5, 6}, {1}, true, "Şu andaki Torba'yı ve Banko'yu elemede kullanmak istiyormusunuz?", 1},
    };
    for (const Case& c : cases) {
        TempDataDir t;
        t.writeRecords("VELMORIX.LST", list);
        AppState s = withBag({});
        for (int16_t b : c.bag)
            s.BagBalls.push(b);
        for (int16_t b : c.bankers)
            s.BankoBalls.push(b);
        Recorder r;
        r.answer = c.answer;
        FilterExistingList(s, t.dir(), fixedClock, r.callbacks());
        if (c.question.empty()) {
            EXPECT_TRUE(r.questions.empty());
        } else {
            ASSERT_EQ(r.questions.size(), 1u);
            EXPECT_EQ(r.questions[0], (Question{c.question, "! DİKKAT !"}));
        }
        EXPECT_EQ(t.readRecords("VELMORIX.LST").size(), c.kept) << c.question;
    }
}
