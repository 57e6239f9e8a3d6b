#include "engine/LiteralModel.h"
#include "support/EngineTests.h"

const std::vector<std::array<int16_t, 6>> Clean{{5, 8, 9, 17, 32, 37},  {14, 25, 29, 31, 42, 49},
                                                {2, 7, 25, 28, 32, 39}, {1, 15, 18, 29, 45, 49},
                                                {2, 7, 21, 38, 45, 46}, {15, 23, 32, 36, 44, 47}};
// Each breaks only test 10 (six odd or six even balls).
const std::vector<std::array<int16_t, 6>> OnlyTest10{
    {1, 13, 17, 25, 27, 35}, {14, 22, 26, 32, 46, 48}, {3, 13, 17, 21, 47, 49}, {6, 14, 16, 24, 40, 44}};

ColumnRecord record(const std::array<int16_t, 6>& balls, int32_t tag = 653) {
    return ColumnRecord{tag, balls};
}

// The report's tests 1..10 are the filters' chaos rules 1 and 3..11, with 8
// and 9 swapped; rule 2 (a ball of the fixed set) is not part of the report.
bool literalFails(int test, const std::array<int16_t, 6>& sorted) {
    constexpr int Rule[] = {0, 1, 3, 4, 5, 6, 7, 9, 8, 10, 11};
    std::array<int, 7> column{};
    std::copy(sorted.begin(), sorted.end(), column.begin() + 1);
    return literal::chaosRuleFails(Rule[test], column);
}

std::string bytesOf(const std::vector<unsigned char>& v) {
    return std::string(v.begin(), v.end());
}

std::string expectedReport(const std::string& failuresOfTest10, const std::string& shareLine,
                           const std::string& totalLine) {
    std::string r = "VELMORIX 653 DİZİMCİ Uyarlama 4.5\r\n"
                    "<Sonuçların Kaos Filtreleriyle Uygunluğu>  [06.12.2026 12:34:56 ]\r\n\r\n";
    for (int t = 1; t <= 9; ++t)
        r += chaosreport::testTitle(t) + "\r\n    Koşula Uymayan= YOK\r\n";
    r += chaosreport::testTitle(10) + "\r\n" + failuresOfTest10 + shareLine + "\r\n\r\n" + totalLine + "\r\n";
    return toWindows1254(r);
}

TEST(ChaosTests, TestsAreTheFiltersRulesInTheReportsOrder) {
    // The order of the balls in the record does not matter.
    EXPECT_TRUE(chaosreport::failsTest(2, {30, 3, 20, 1, 10, 2}));

    Rng rng(653);
    for (int n = 0; n < 4000; ++n) {
        const auto c = randomColumn(rng);
        for (int t = 1; t <= 10; ++t)
            ASSERT_EQ(chaosreport::failsTest(t, c), literalFails(t, c)) << "test " << t << " ball " << c[0];
    }
    for (int t = 1; t <= 10; ++t) { // a broken column fails every test
        EXPECT_TRUE(chaosreport::failsTest(t, {5, 8, 9, 17, 32, 0})) << t;
        EXPECT_TRUE(chaosreport::failsTest(t, {5, 8, 9, 17, 32, 32})) << t;
    }
}

TEST(ChaosTests, ShareIsCutToATenthOfAPerCent) {
    const std::tuple<int, int, const char*> cases[] = {{3, 8, " 37.5"}, {35, 40, " 87.5"}, {1, 3, " 33.3"},
                                                       {2, 3, " 66.6"}, {1, 2, " 50"},     {1, 1000, " 0.1"}};
    for (const auto& [failed, tested, share] : cases)
        EXPECT_EQ(chaosreport::failureShare(failed, tested), share) << failed << '/' << tested;
}

TEST(ChaosTests, ReportsOfEightAndFortyResults) {
    std::vector<ColumnRecord> range;
    for (int i = 0; i < 5; ++i)
        range.push_back(record(Clean[static_cast<std::size_t>(i)]));
    for (int i = 0; i < 3; ++i)
        range.push_back(record(OnlyTest10[static_cast<std::size_t>(i)]));
    // A result stored out of order is reported with its balls ascending.
    std::reverse(range[7].Ball.begin(), range[7].Ball.end());
    std::vector<std::string> captions;
    const std::string bytes = chaosreport::build(range, 3, 10, "06.12.2026 12:34:56",
                                                 [&](const std::string& c) { captions.push_back(c); });
    EXPECT_EQ(bytes, expectedReport("    Sonuç 08-  01, 13, 17, 25, 27, 35\r\n"
                                    "    Sonuç 09-  14, 22, 26, 32, 46, 48\r\n"
                                    "    Sonuç 10-  03, 13, 17, 21, 47, 49\r\n",
                                    "    Koşula Uymayan= % 37.5", "<Toplam 8 sonuç (3-10) test edildi.>"));
    // Windows-1254: "İ" is one byte.
    EXPECT_EQ(static_cast<unsigned char>(bytes[14]), 0xDD);
    ASSERT_EQ(captions.size(), 22u);
    EXPECT_EQ(captions.front().rfind("TEST 0  BYTE= ", 0), 0u);
    EXPECT_EQ(captions[1], "TEST 1");
    EXPECT_EQ(captions.back(), "TEST 12  BYTE=" + std::string(" ") + std::to_string(bytes.size()));

    // Forty results: the numbers take the width of the last.
    range.clear();
    for (int i = 0; i < 40; ++i)
        range.push_back(
            record(i < 5 ? Clean[static_cast<std::size_t>(i)] : OnlyTest10[static_cast<std::size_t>(i % 4)]));
    const std::string text = fromWindows1254(chaosreport::build(range, 90, 129, "x"));
    EXPECT_NE(text.find("    Sonuç 095-  "), std::string::npos);
    EXPECT_NE(text.find("    Sonuç 129-  "), std::string::npos);
    EXPECT_NE(text.find("<Toplam 40 sonuç (90-129) test edildi.>\r\n"), std::string::npos);
}

// The dialog's run and the batch command: refusals keep the old report and
// remove the working copy.
TEST(ChaosRunTest, RefusalsKeepTheOldReportAndARunReplacesIt) {
    TempDataDir data;
    const FixedClock clock;
    std::vector<ColumnRecord> results;
    for (std::size_t i = 0; i < 8; ++i)
        results.push_back(record(i % 2 ? OnlyTest10[i % 4] : Clean[i % 6]));
    data.writeRecords(files::Results, results);
    data.writeBytes(files::Text, {'o', 'l', 'd'});
    const std::vector<std::string> bothFiles{"VELMORIX.RES", "VELMORIX.TXT"};
    EXPECT_EQ(runChaosReport(data.dir(), 4, 4, "x").outcome, ChaosRun::Outcome::TooFewResults);
    EXPECT_EQ(runChaosReport(data.dir(), 5, 9, "x").outcome, ChaosRun::Outcome::OutsideFile);
    EXPECT_EQ(data.fileNames(), bothFiles);

    auto run = [&](std::vector<std::string> args) { return chaosReportCommand(data.dir(), clock, args); };
    CommandOutcome o = run({"5", "3"});
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "Bitiş kolon numarası başlangıç kolon numarasından az olamaz !\n");
    o = run({"6", "6"});
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "Bu işlem için en az 2 sonuç gerekir...\n");
    EXPECT_EQ(run({"1"}).exitCode, 2);
    EXPECT_EQ(bytesOf(data.readBytes(files::Text)), "old");

    o = run({"1", "8"});
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_EQ(bytesOf(data.readBytes(files::Text)), chaosreport::build(results, 1, 8, "06.12.2026 12:34:56"));
    EXPECT_EQ(o.err, " " + std::to_string(data.readBytes(files::Text).size()) +
                         " byte 'VELMORIX.TXT' dosyasına kayıtlandı...\n");
    EXPECT_EQ(data.fileNames(), bothFiles); // the working copy went

    data.writeBytes(files::Results, {});
    EXPECT_EQ(runChaosReport(data.dir(), 1, 2, "x").outcome, ChaosRun::Outcome::NoResults);
    EXPECT_EQ(data.fileNames(), bothFiles);
    o = run({"1", "8"});
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "Değerlendirilecek herhangi bir sonuç yok !\n");
}
