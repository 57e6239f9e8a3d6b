#include "support/EngineTests.h"

// The controls after the window opened on the start-up selection.
SelectionControls openedWindow(FilterSelection& s) {
    SelectionControls c;
    showSelection(s, c);
    return c;
}

TEST(SelectionFileTest, SavedFileHoldsTheRecordsInOrderAndLoadsBack) {
    TempDataDir t;
    FilterSelection s = FilterSelection::startup();
    s.RepeatBanLevel = 3;
    s.MathRelPlus[22] = 2;
    s.ResultLimit = 0;
    s.DecadeRule[4][6] = 0;
    s.SumRule = {-1, 100, 150, 999};
    s.DecadeHitOn = -1;
    saveSelectionFile(t.dir(), s);
    const auto bytes = t.readBytes("VELMORIX.FLT");
    ASSERT_EQ(bytes.size(), 170u);
    auto word = [&](int offset) { return static_cast<int16_t>(bytes[offset] | bytes[offset + 1] << 8); };
    // The level, n = n+23, ResultLimit, 40-49 with 6 balls, then the sum rule.
    EXPECT_EQ((std::vector<int>{word(0), word(48), word(88), word(160), word(162), word(164), word(166),
                                word(168)}),
              (std::vector<int>{3, 2, 0, 0, -1, 100, 150, -1}));
    EXPECT_TRUE(t.fileNames() == std::vector<std::string>{"VELMORIX.FLT"}); // no temporary left

    FilterSelection loaded;
    ASSERT_TRUE(loadSelectionFile(t.dir(), loaded));
    EXPECT_EQ(loaded.toRecords(), s.toRecords());
}

TEST(SelectionFileTest, OnlyAFileOfExactly170BytesLoads) {
    TempDataDir t;
    FilterSelection s;
    EXPECT_EQ(selectionFileState(t.dir()), SelectionFileState::Missing);
    EXPECT_FALSE(loadSelectionFile(t.dir(), s));
    for (std::size_t size : {169u, 171u, 0u}) {
        t.writeBytes("VELMORIX.FLT", std::vector<unsigned char>(size, 1));
        EXPECT_EQ(selectionFileState(t.dir()), SelectionFileState::WrongSize) << size;
        FilterSelection untouched = FilterSelection::startup();
        EXPECT_FALSE(loadSelectionFile(t.dir(), untouched));
        EXPECT_EQ(untouched, FilterSelection::startup());
    }
    EXPECT_STREQ(selectionfile::WrongSizeText,
                 "'VELMORIX.FLT' dosyası bozuk (Dosya boyutu 170 byte değil) !");
}

TEST(SelectionControlsTest, StartupSelectionAsTheWindowShowsIt) {
    FilterSelection s = FilterSelection::startup();
    const SelectionControls c = openedWindow(s);
    EXPECT_TRUE(c.Option[10] && c.Option[28] && c.Option[11] && c.Option[18] && c.Option[23] && c.Option[13]);
    // Relations hold -1, which shows as not ticked.
    for (bool b : c.Check1)
        EXPECT_FALSE(b);
    EXPECT_TRUE(c.Check3 && c.Check6 && c.Check7);
    EXPECT_FALSE(c.Text1Enabled || c.Text2Enabled);
    EXPECT_EQ(c.Text1 + "-" + c.Text2, "21-279");
    // Ticking the whole decade grid left the last box's count.
    EXPECT_EQ(s.DecadeHitCount, 6);
    EXPECT_EQ(c.Label20, "  Zorunlu : 6");

    FilterSelection read = s;
    readSelection(c, read);
    // The first relation is kept (no length chosen); the sum bounds are repaired by showing.
    EXPECT_EQ((std::vector<int>{read.MathRelOff, read.MathRelPlus[0], read.ChaosOn, read.SumRule[0],
                                read.SumRule[1], read.SumRule[2], read.DecadeFilterOn, read.OtherFiltersOn}),
              (std::vector<int>{-1, -1, -1, 0, 21, 279, 0, 0}));
}

TEST(SelectionControlsTest, StoredValuesOutsideTheirChoicesReadBackAsOff) {
    FilterSelection::Records r = FilterSelection::startup().toRecords();
    r[0] = 7;   // RepeatBanLevel
    r[1] = 5;   // MathRelLevel
    r[2] = 3;   // n = n+1, kept while no length is chosen
    r[27] = 1;  // ForbiddenPairsOn: only -1 ticks
    r[28] = 1;  // ChaosOn
    r[29] = 1;  // OddEvenBan
    r[33] = -1; // LastTwoWeeksLink
    r[42] = 4;  // SextetLimit
    r[43] = 0;  // PlayedLimit: "6 benzer"
    r[44] = 5;  // ResultLimit
    const FilterSelection s = windowSelection(&r);
    EXPECT_EQ((std::vector<int>{s.RepeatBanLevel, s.MathRelLevel, s.MathRelOff, s.MathRelPlus[0],
                                s.ForbiddenPairsOn, s.ChaosOn, s.OddEvenBan, s.LastTwoWeeksLink,
                                s.OtherFiltersOn, s.SextetLimit, s.PlayedLimit, s.ResultLimit}),
              (std::vector<int>{0, 0, -1, 3, 0, 0, 0, -1, -1, -1, 0, -1}));
}

TEST(SelectionControlsTest, SumBoundsAreRepairedWhenShownAndWhenLeft) {
    FilterSelection::Records r = FilterSelection::startup().toRecords();
    r[81] = -1;
    r[82] = 0;
    r[83] = 300;
    FilterSelection s = windowSelection(&r);
    EXPECT_EQ((std::pair<int, int>{s.SumRule[1], s.SumRule[2]}), (std::pair<int, int>{21, 279}));

    r[82] = 300; // a least sum above the range is not repaired
    r[83] = 21;  // a greatest sum of 21 stays
    s = windowSelection(&r);
    EXPECT_EQ((std::pair<int, int>{s.SumRule[1], s.SumRule[2]}), (std::pair<int, int>{300, 21}));

    // A typed number past 16 bits is held at the edge instead of wrapping.
    FilterSelection t = FilterSelection::startup();
    SelectionControls c = openedWindow(t);
    setCheck7(c, false);
    c.Text2 = "99999";
    readSelection(c, t);
    EXPECT_EQ(t.SumRule[2], 32767);

    // The boxes repair themselves when left, one step after another; nullptr leaves a box as it is.
    struct Step {
        const char* text1;
        const char* text2;
        bool (*leave)(SelectionControls&);
        bool repaired;
        std::string SelectionControls::*box; // the box the step repairs
        std::string shows;
    };
    using C = SelectionControls;
    c = SelectionControls{};
    for (const Step& step : {Step{"300", nullptr, leaveText1, true, &C::Text1, "21"},
                             Step{nullptr, "20", leaveText2, true, &C::Text2, "279"},
                             Step{"200", "150", leaveText1, true, &C::Text2, "200"},
                             Step{nullptr, "100", leaveText2, true, &C::Text1, "100"},
                             Step{nullptr, nullptr, leaveText1, false, &C::Text1, "100"}}) {
        c.Text1 = step.text1 ? step.text1 : c.Text1;
        c.Text2 = step.text2 ? step.text2 : c.Text2;
        EXPECT_EQ(step.leave(c), step.repaired);
        EXPECT_EQ(c.*step.box, step.shows);
    }
}

TEST(SelectionControlsTest, LengthOptionsDisableRelationBoxesButTickedOnesStillCount) {
    FilterSelection::Records r = FilterSelection::startup().toRecords();
    r[1] = 2;      // "4 topa uygula"
    r[2 + 20] = 2; // n = n+21: disabled under this length
    r[2 + 5] = 2;  // n = n+6
    r[26] = 2;     // n = 3*n: disabled
    FilterSelection s = FilterSelection::startup();
    SelectionControls c = openedWindow(s);
    s.fromRecords(r);
    showSelection(s, c);
    EXPECT_TRUE(!c.Check1Enabled[20] && c.Check1Enabled[14] && !c.Check1Enabled[15] && c.Check1[20]);
    EXPECT_TRUE(!c.Check3nEnabled && c.Check3n);
    readSelection(c, s);
    EXPECT_EQ((std::vector<int>{s.MathRelOff, s.MathRelPlus[20], s.MathRelPlus[5], s.MathRelPlus[0],
                                s.MathRelTriple}),
              (std::vector<int>{0, 2, 2, 0, 2}));

    // A click on the option clears what it disables.
    selectOption(c, 26);
    EXPECT_FALSE(c.Check1[20]);
    EXPECT_FALSE(c.Check3n);
    EXPECT_TRUE(c.Check1Enabled[10] && !c.Check1Enabled[11]);
    // "Uygulama" has no handler: the boxes stay as they were.
    selectOption(c, 28);
    EXPECT_FALSE(c.Check1Enabled[11]);
    selectOption(c, 24);
    EXPECT_TRUE(c.Check1Enabled[22] && c.Check2nEnabled && c.Check3nEnabled);
    selectOption(c, 27);
    for (int i = 0; i < 23; ++i)
        EXPECT_EQ(c.Check1Enabled[static_cast<std::size_t>(i)], i <= 8) << i;
}

TEST(SelectionControlsTest, ClearingEveryDecadeBoxKeepsTheLastRequiredCount) {
    FilterSelection s = FilterSelection::startup();
    SelectionControls c = openedWindow(s);
    ASSERT_EQ(s.DecadeHitCount, 6);
    FilterSelection::Records r = FilterSelection::startup().toRecords();
    for (int i = 46; i <= 80; ++i)
        r[static_cast<std::size_t>(i)] = 0;
    r[45] = -1; // decade table on
    s.fromRecords(r);
    showSelection(s, c);
    EXPECT_EQ(s.DecadeHitCount, 6);
    readSelection(c, s);
    EXPECT_EQ(s.DecadeFilterOn, -1);
    EXPECT_EQ(s.DecadeRule[0][0], 0);

    // Ticking only "10-19 : 2" makes 2 the required count.
    setCheck5(c, s, 5 * 2 + 1, true);
    EXPECT_EQ(s.DecadeHitCount, 2);
    EXPECT_EQ(c.Label20, "  Zorunlu : 2");
}

TEST(SelectionControlsTest, ShowThenReadIsStableAndWindowSelectionReadsTheFile) {
    FilterSelection::Records r = FilterSelection::startup().toRecords();
    r[0] = 4;
    r[1] = 1;
    r[27] = -1;
    r[36] = -1; // GapPatternBan
    r[42] = 2;
    r[45] = -1;
    r[81] = -1;
    r[82] = 120;
    r[83] = 180;
    r[84] = -1;
    const FilterSelection once = windowSelection(&r);
    FilterSelection twice = once;
    SelectionControls c;
    showThenRead(twice, c);
    EXPECT_EQ(once, twice);
    // A relation of -1 shows unticked, and a chosen length reads the box: 0.
    EXPECT_EQ(
        (std::vector<int>{once.RepeatBanLevel, once.MathRelLevel, once.MathRelPlus[3], once.ForbiddenPairsOn,
                          once.GapPatternBan, once.SextetLimit, once.SumRule[1], once.DecadeHitOn}),
        (std::vector<int>{4, 1, 0, -1, -1, 2, 120, -1}));
}
