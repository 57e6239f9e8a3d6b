#include "support/EngineTests.h"

// Every text of the chaos report and the statistics window for one range.
std::vector<std::string> reportTexts(const std::vector<ColumnRecord>& range) {
    const std::string when = "06.12.2026 12:34:56";
    const int n = static_cast<int>(range.size());
    std::vector<std::string> out{chaosreport::build(range, 1, n, when)};
    const RangeStatistics st = computeRangeStatistics(range, true);
    for (const auto& lines : {ballCountPrintout(StatisticsSource::Results, n, st, when),
                              pairCountPrintout(StatisticsSource::Played, n, st, when),
                              figuresPrintout(StatisticsSource::List, 1, n, st, when)})
        out.insert(out.end(), lines.begin(), lines.end());
    const ExtremeFreeSums sums = sumsWithoutExtremes(range, st.figures.SumLow, st.figures.SumHigh);
    if (const auto m = extremeFreeSumsMessage(sums, st.figures, 1, n))
        out.insert(out.end(), {m->title, m->text});
    out.push_back(statisticsCaption(StatisticsSource::Results, 1, n));
    return out;
}

TEST(LocaleReportsTest, ReportsAreTheSameBytesInTheTurkishLocale) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no tr_TR.UTF-8 locale by that name";
#endif
    test::Rng rng(653);
    std::vector<ColumnRecord> range;
    for (int r = 0; r < 1500; ++r)
        range.push_back(ColumnRecord{2000000 + r, test::randomColumn(rng)});
    std::vector<std::string> classic;
    {
        const test::ScopedLocale c("C");
        classic = reportTexts(range);
    }
    const test::ScopedLocale turkish("tr_TR.UTF-8");
    ASSERT_TRUE(turkish.ok());
    EXPECT_EQ(reportTexts(range), classic);
}
