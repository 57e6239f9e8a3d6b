#include "engine/ListFilter.h"
#include "engine/ListTexts.h"

#include "core/ColumnFile.h"
#include "support/TempDataDir.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace velmorix;
using velmorix::test::rec;
using velmorix::test::TempDataDir;

namespace {

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

// No filter at all unless a test turns one on.
AppState plain() {
    AppState s;
    s.Selection.ChaosOn = 0;
    return s;
}

const FixedClock fixedClock;

} // namespace

TEST(ListFilterTest, NothingToFilterLeavesTheFolderAlone) {
    TempDataDir t;
    Recorder r;
    AppState s = plain();
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
    AppState s = plain();
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
        std::vector<int> bag, bankers;
        bool answer;
        std::string question; // empty: none asked
        std::size_t kept;
    };
    std::vector<int> all(49);
    for (int i = 0; i < 49; ++i)
        all[static_cast<std::size_t>(i)] = i + 1;
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
        AppState s = plain();
        for (int b : c.bag)
            s.BagBalls.push(b);
        for (int b : c.bankers)
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
