#include "support/WindowTests.h"

class FrmProhibitTest : public ::testing::Test {
protected:
    WindowEnv t;
    std::unique_ptr<FrmProhibit> w = std::make_unique<FrmProhibit>(t.context);

    QCheckBox* check(const char* name) const { return checkBox(w.get(), name); }
    QRadioButton* option(int n) const { return test::option(w.get(), n); }
    QLineEdit* text(const char* name) const { return textBox(w.get(), name); }
    void typeColumn(std::initializer_list<const char*> values) {
        int i = 0;
        for (const char* v : values)
            w->columnBox(i++)->setText(QString::fromUtf8(v));
    }
    // The column boxes, joined by commas.
    QString column() const {
        QStringList v;
        for (int i = 0; i < 6; ++i)
            v << w->columnBox(i)->text();
        return v.join(QLatin1Char(','));
    }
    void showActive() { ASSERT_TRUE(activate(w.get())); }
};

TEST_F(FrmProhibitTest, WindowAndModelReadTheSameSelection) {
    // The window's controls must come out exactly as the engine's model of them.
    FilterSelection stored = FilterSelection::startup();
    stored.RepeatBanLevel = 3;
    stored.MathRelLevel = 2;
    stored.MathRelPlus[20] = 2;
    stored.MathRelTriple = 2;
    stored.ResultLimit = 0;
    stored.PlayedLimit = 5;
    stored.OddEvenBan = -1;
    stored.PrimeRequired = 1; // not -1: the box stays clear
    stored.DecadeFilterOn = -1;
    stored.DecadeRule[2][4] = 0;
    stored.SumRule = {-1, 0, 300, 0};
    stored.DecadeHitOn = -1;
    const auto records = stored.toRecords();
    t.state.Selection.fromRecords(records);
    w->showSelection();
    w->readSelection();
    EXPECT_EQ(t.state.Selection, windowSelection(&records));
    EXPECT_TRUE(option(22)->isChecked()); // 6 benzer top yasak
    EXPECT_TRUE(option(18)->isChecked()); // Uygulama
    // Shown after the length option disabled it: ticked but disabled.
    EXPECT_FALSE(check("Check1_20")->isEnabled());
    EXPECT_TRUE(check("Check1_20")->isChecked());
    EXPECT_EQ(text("Text1")->text(), QStringLiteral("21"));
    EXPECT_EQ(text("Text2")->text(), QStringLiteral("279"));
    EXPECT_FALSE(check("Check2_9")->isChecked());
}

TEST_F(FrmProhibitTest, SumBoxesAreRepairedWhenTheyLoseFocus) {
    showActive();
    check("Check7")->click();
    text("Text1")->setFocus();
    text("Text1")->setText(QStringLiteral("300"));
    text("Text2")->setFocus();
    EXPECT_EQ(text("Text1")->text(), QStringLiteral("21"));
    EXPECT_EQ(t.dialogs.beeps(), 1);
    text("Text2")->setText(QStringLiteral("20"));
    text("Text1")->setFocus();
    EXPECT_EQ(text("Text2")->text(), QStringLiteral("279"));
}

TEST_F(FrmProhibitTest, ColumnTestRefusesBoxesThatAreNotBallsOrRepeat) {
    showActive();
    typeColumn({"7", "3", "3", "9", "10", "11"});
    press(w.get(), Qt::Key_F9);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 3. kutudaki sayı 2. kutudaki ile aynı! (Değiştirin!)"));
    EXPECT_TRUE(w->columnBox(2)->hasFocus());
    for (const char* bad : {"40000", "0", "50", "x", "-3"}) {
        typeColumn({"1", "2", "3", "4", bad, "6"});
        press(w.get(), Qt::Key_F9);
        EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 5. kutudaki sayı geçerli değil! (Doğru girin!)"))
            << bad;
        EXPECT_TRUE(w->columnBox(4)->hasFocus());
    }
    EXPECT_EQ(t.dialogs.calls().size(), 6u);
}

TEST_F(FrmProhibitTest, ColumnTestAsksAboutBankersAndBagThenJudges) {
    t.state.Selection.ChaosOn = 0; // every column passes
    w->showSelection();
    t.setBankers({9});
    t.setBag({1, 2, 3, 4, 5, 6, 7});
    typeColumn({"6", "5", "4", "3", "2", "1"});
    t.dialogs.answerNo();
    press(w.get(), Qt::Key_F9);
    EXPECT_EQ(column(), QStringLiteral("1,2,3,4,5,6")); // shown ascending
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Test edilen kombinasyon banko koşuluna uymuyor!\r\r"
                                                    "Test (banko koşulu ihmal edilerek) devam etsin mi?"));
    // The banker is in the column, ball 8 is not in the bag.
    typeColumn({"1", "2", "3", "4", "8", "9"});
    t.dialogs.clear();
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F9);
    ASSERT_EQ(t.dialogs.calls().size(), 2u);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Test edilen kombinasyondaki toplardan en az biri torbada yer almıyor!\r\r"
                             "Test (torba koşulu ihmal edilerek) devam etsin mi?"));
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Test edilen Kombinasyon koşullara uygun.\r\rSayı Toplamı=  27"));

    // With the chaos filters 1..6 cannot pass; the main window's column is left alone.
    t.state.CurColumn = {0, 11, 12, 13, 14, 15, 16};
    check("Check3")->click();
    t.setBankers({});
    t.setBag({});
    typeColumn({"1", "2", "3", "4", "5", "6"});
    t.dialogs.answerYes(); // an empty bag never holds the column
    press(w.get(), Qt::Key_F9);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Test edilen Kombinasyon koşullara uygun değil."));
    EXPECT_EQ(t.state.CurColumn, (std::array<int16_t, 7>{0, 11, 12, 13, 14, 15, 16}));

    // The span filter stays chosen after a run: the last result spans 42.
    t.data.writeRecords("VELMORIX.RES", {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {3, 10, 20, 30, 40, 45})});
    check("Check3")->click();
    check("Check2_6")->click();
    typeColumn({"2", "9", "17", "25", "33", "44"});
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F9);
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! UYGUN DEĞİL !"));
    EXPECT_EQ(t.state.Selection.LastWeekSpanBan, -1);
    w->showSelection(); // as on the next activation
    EXPECT_TRUE(check("Check2_6")->isChecked());
}

TEST_F(FrmProhibitTest, SavedPlayedColumnCarriesItsSum) {
    t.data.writeRecords("VELMORIX.OKL", {rec(653, {10, 11, 12, 13, 14, 15})});
    typeColumn({"6", "5", "4", "3", "2", "1"});
    t.dialogs.answerYes();
    w->findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    EXPECT_EQ(t.data.readRecords("VELMORIX.OKL"),
              (std::vector{rec(653, {10, 11, 12, 13, 14, 15}), rec(21, {1, 2, 3, 4, 5, 6})}));
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Kolon VELMORIX.OKL dosyasına kayıtlandı.\r\rKayıt Numarası= 2"));

    // A repeated ball saves nothing.
    typeColumn({"6", "6", "4", "3", "2", "1"});
    t.dialogs.answerYes();
    WindowEnv::trigger(w.get(), "mnuTestSaveOKL");
    EXPECT_EQ(t.data.readRecords("VELMORIX.OKL").size(), 2u);
    w->findChild<QPushButton*>(QStringLiteral("Command10"))->click();
    EXPECT_EQ(column(), QStringLiteral(",,,,,"));
}

TEST_F(FrmProhibitTest, RandomColumnNeedsSixDistinctBalls) {
    t.setBag({1, 2, 3, 4, 5});
    t.setBankers({5});
    WindowEnv::trigger(w.get(), "mnuTestShowRndColumn");
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("En az 6 top seçmeniz gerekir !"));
    EXPECT_EQ(column(), QStringLiteral(",,,,,"));
    t.setBag({1, 2, 3, 4, 6});
    for (int round = 0; round < 20; ++round) {
        WindowEnv::trigger(w.get(), "mnuTestShowRndColumn");
        QStringList balls = column().split(QLatin1Char(','));
        EXPECT_EQ(balls[0], QStringLiteral("5"));
        std::sort(balls.begin(), balls.end());
        EXPECT_EQ(std::unique(balls.begin(), balls.end()), balls.end());
    }
    EXPECT_EQ(t.bag(), (std::vector<int>{1, 2, 3, 4, 6}));
}

TEST_F(FrmProhibitTest, ResultsToBagAndBankersOnTwelveResults) {
    // Balls 1..48 once each, then 1..24 a second time; 49 never.
    std::vector<ColumnRecord> results;
    for (int b = 0; b < 72; b += 6)
        results.push_back(rec(653, {b % 48 + 1, b % 48 + 2, b % 48 + 3, b % 48 + 4, b % 48 + 5, b % 48 + 6}));
    t.data.writeRecords("VELMORIX.RES", results);

    t.dialogs.answerYes();
    w->findChild<QAction*>(QStringLiteral("mnuApplyBag"))->trigger();
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral(
                  "Topları önceden çıkan sonuçlara göre değiştirmek istiyormusunuz ?\r\rUYARI! 'EVET' "
                  "derseniz kombinasyon listesi ve aktif toplar (torba ve banko seçimi) etkilenecek..."));
    // The least drawn first (AutoSelectionTest has the rule): 1..11 and 25..49.
    EXPECT_EQ(t.bag()[10], 11);
    EXPECT_EQ(t.bag()[11], 25);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Torbada 36 top var."));

    t.dialogs.answerYes();
    w->findChild<QAction*>(QStringLiteral("mnuApplyBanko"))->trigger();
    EXPECT_EQ(t.bankers(), std::vector<int>{49});
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Banko Top: 49"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.DAT"));
}

TEST_F(FrmProhibitTest, SavingBallsWithNoBankersClearsTheStoredOnes) {
    t.data.writeWords("VELMORIX.DAT", ballsFileWords({}, {7, 8}));
    t.setBag({1, 2, 3, 4, 5, 6});
    t.dialogs.answerYes();
    WindowEnv::trigger(w.get(), "mnuSaveBalls");
    const auto saved = t.words("VELMORIX.DAT");
    ASSERT_GE(saved.size(), 51u);
    EXPECT_EQ(std::vector<int16_t>(saved.begin(), saved.begin() + 7),
              (std::vector<int16_t>{6, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(saved[50], 0);
    // Fewer than six balls: nothing is asked or written.
    t.setBag({1, 2});
    t.dialogs.clear();
    WindowEnv::trigger(w.get(), "mnuSaveBalls");
    EXPECT_TRUE(t.dialogs.calls().empty());
}

TEST_F(FrmProhibitTest, SelectionFileSaveAndLoad) {
    check("Check4")->click();
    option(20)->click();
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F6);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Filtreleme seçimi 'VELMORIX.FLT' dosyasına kayıtlandı ..."));
    ASSERT_EQ(t.data.readBytes("VELMORIX.FLT").size(), 170u);
    EXPECT_EQ(t.words("VELMORIX.FLT")[27], -1); // ForbiddenPairsOn
    EXPECT_EQ(t.words("VELMORIX.FLT")[44], 2);  // ResultLimit: 4 similar balls

    check("Check4")->click();
    option(23)->click();
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    EXPECT_TRUE(check("Check4")->isChecked());
    EXPECT_TRUE(option(20)->isChecked());
}

TEST_F(FrmProhibitTest, ClosingReadsTheControlsUnlessCancelled) {
    showActive();
    check("Check4")->click();
    WindowEnv::trigger(w.get(), "mnuCancel");
    EXPECT_EQ(t.state.Selection.ForbiddenPairsOn, 0);
    showActive();
    check("Check4")->click();
    press(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(t.state.Selection.ForbiddenPairsOn, -1);
}

TEST_F(FrmProhibitTest, LongPlayedAndSextetListsOpenTheListWindows) {
    for (WindowId id : {WindowId::OKLst, WindowId::OKList, WindowId::Ysk6, WindowId::Yasak6})
        t.standIn(id);
    // Small files open the editors (LiveCountPanelTest); past the sextets
    // editor's limit the list window takes them.
    t.data.writeBytes("VELMORIX.YSK", std::vector<unsigned char>(32737 * 16, 1));
    t.data.writeBytes("VELMORIX.OKL", std::vector<unsigned char>(32736 * 16, 1));
    press(w.get(), Qt::Key_F8);
    press(w.get(), Qt::Key_F4);
    EXPECT_EQ(t.opened, (std::map<WindowId, int>{{WindowId::OKList, 1}, {WindowId::Ysk6, 1}}));
}
