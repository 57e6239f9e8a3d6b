#include "MethodsFixture.h"

#include "support/WindowTests.h"

const QString ReplaceQuestion = QStringLiteral(
    "Mevcut kombinasyon listesini (VELMORIX.LST) görünen guruplamaya uygun yeni liste ile değiştirmek "
    "istiyormusunuz?");
const QString FilterQuestion =
    QStringLiteral("Mevcut kombinasyon listesini görünen guruplamaya göre elemek istiyormusunuz?");
const QString NewQuestion = QStringLiteral("Görünen guruplamaya uyan yeni kombinasyon listesi oluşturmak ve "
                                           "VELMORIX.LST dosyasına kayıtlamak istiyormusunuz?");

class FrmArbitGrpTest : public MethodsFixture {
protected:
    FrmArbitGrp* w = get<FrmArbitGrp>(WindowId::ArbitGrp);

    QPushButton* ball(int b) {
        return control<QPushButton>(w, QStringLiteral("cmdBall_") + QString::number(b));
    }
    QLabel* groupLabel(int g) {
        return control<QLabel>(w, QStringLiteral("lblWindow_") + QString::number(g - 1));
    }
    QLabel* drawLabel() { return control<QLabel>(w, QStringLiteral("lblDraw")); }
    void setLimits(int g, const QString& min, const QString& max) {
        control<QComboBox>(w, QStringLiteral("Combo1_") + QString::number(g - 1))->setEditText(min);
        control<QComboBox>(w, QStringLiteral("Combo2_") + QString::number(g - 1))->setEditText(max);
    }
    QString limitText(const char* combo, int g) {
        return control<QComboBox>(w, QString::fromLatin1(combo) + QString::number(g - 1))->currentText();
    }
    // Puts balls first..last into group g by clicking them.
    void group(int g, int first, int last) {
        w->selectGroup(g);
        for (int b = first; b <= last; ++b)
            ball(b)->click();
    }
    // Group 1 = 1..5 with 1..2 balls, group 2 = 6..12 with 4..5.
    void smallGrouping() {
        group(1, 1, 5);
        group(2, 6, 12);
        setLimits(1, QStringLiteral("1"), QStringLiteral("2"));
        setLimits(2, QStringLiteral("4"), QStringLiteral("5"));
    }
};

TEST_F(FrmArbitGrpTest, BallsGoToTheActiveGroupOnceAndEmptyingFreesThem) {
    ball(7)->click();
    ball(12)->click();
    ball(7)->click(); // disabled: nothing happens
    EXPECT_EQ(groupLabel(1)->text(), QStringLiteral(" 07 12"));
    EXPECT_FALSE(ball(7)->isEnabled());
    EXPECT_EQ(w->groupOf()[7], 1);
    // A click on a group's balls makes it active.
    QTest::mouseClick(groupLabel(3), Qt::LeftButton);
    EXPECT_EQ(w->activeGroup(), 3);
    EXPECT_TRUE(control<QRadioButton>(w, QStringLiteral("Option1_2"))->isChecked());
    ball(40)->click();
    EXPECT_EQ(groupLabel(3)->text(), QStringLiteral(" 40"));
    setLimits(3, QStringLiteral("1"), QStringLiteral("2"));
    press(w, Qt::Key_F4);
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_TRUE(groupLabel(3)->text().isEmpty());
    EXPECT_TRUE(ball(40)->isEnabled());
    EXPECT_EQ(w->groupOf()[40], 0);
    EXPECT_TRUE(limitText("Combo1_", 3).isEmpty());
    EXPECT_FALSE(ball(7)->isEnabled());
}

TEST_F(FrmArbitGrpTest, ImpossibleDrawLeavesNothingToSave) {
    group(1, 1, 10);
    group(2, 11, 20);
    setLimits(1, QStringLiteral("4"), QStringLiteral("4"));
    setLimits(2, QStringLiteral("3"), QStringLiteral("3"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Görünen guruplama koşullarına uygun kombinasyon yok!"));
    EXPECT_EQ(onlyMessage().icon, DialogIcon::Exclamation);
    EXPECT_FALSE(w->drawnColumn());
    EXPECT_TRUE(drawLabel()->text().isEmpty());
    press(w, Qt::Key_F7);
    EXPECT_FALSE(data.dir().exists(files::Random));
}

TEST_F(FrmArbitGrpTest, DrawnColumnIsShownAndAppendedSortedUnlessTheListIsFull) {
    group(1, 1, 6);
    setLimits(1, QStringLiteral("9"), QStringLiteral("9")); // reads as 6
    group(2, 30, 49);
    press(w, Qt::Key_Return);
    ASSERT_TRUE(w->drawnColumn());
    auto drawn = *w->drawnColumn();
    QStringList parts;
    for (int16_t b : drawn) {
        EXPECT_LE(b, 6);
        parts << QLatin1Char(' ') + QString::number(b);
    }
    EXPECT_EQ(drawLabel()->text(), parts.join(QStringLiteral(" -")));

    data.writeRecords(files::Random, {rec(0, {1, 2, 3, 4, 5, 6})});
    press(w, Qt::Key_F7);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(data.readRecords(files::Random).back(), (ColumnRecord{0, drawn}));
    EXPECT_EQ(
        onlyMessage().text,
        QStringLiteral("Aktif kolon/kombinasyon VELMORIX.RND dosyasına kayıtlandı.\r\rKayıt Numarası= 2"));
    // F9 ticks "Sırala": the next column is shown ascending.
    press(w, Qt::Key_F9);
    EXPECT_TRUE(control<QCheckBox>(w, QStringLiteral("chkSort"))->isChecked());
    press(w, Qt::Key_F1);
    EXPECT_TRUE(std::is_sorted(w->drawnColumn()->begin(), w->drawnColumn()->end()));

    data.writeRecords(files::Random, std::vector<ColumnRecord>(32767, rec(0, {1, 2, 3, 4, 5, 6})));
    const int beeps = dialogs.beeps();
    press(w, Qt::Key_F7);
    EXPECT_EQ(dialogs.beeps(), beeps + 1);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(recordCount(data.dir(), files::Random), 32767);
}

TEST_F(FrmArbitGrpTest, F7SavesOnlyTheColumnOnShow) {
    ASSERT_TRUE(activate(w));
    group(1, 1, 8);
    setLimits(1, QStringLiteral("6"), QStringLiteral("6"));
    press(w, Qt::Key_F1);
    ASSERT_FALSE(drawLabel()->text().isEmpty());
    // Emptying the group and asking for a list leaves no six grouped balls:
    // the drawn column goes from the window, and F7 has nothing to save.
    press(w, Qt::Key_F4);
    press(w, Qt::Key_F5);
    EXPECT_TRUE(drawLabel()->text().isEmpty());
    press(w, Qt::Key_F7);
    EXPECT_FALSE(data.dir().exists(files::Random));
    EXPECT_TRUE(dialogs.messages().empty());
    // Six grouped balls show their only column, and that is what F7 saves.
    group(2, 11, 16);
    setLimits(2, QStringLiteral("6"), QStringLiteral("6"));
    press(w, Qt::Key_F5);
    EXPECT_EQ(drawLabel()->text(), QStringLiteral(" 11 - 12 - 13 - 14 - 15 - 16"));
    press(w, Qt::Key_F7);
    EXPECT_EQ(data.readRecords(files::Random), std::vector{rec(0, {11, 12, 13, 14, 15, 16})});
}

// With no list F5 builds one; with a list it replaces it, keeping the old one.
TEST_F(FrmArbitGrpTest, BuildsANewListThenReplacesItAndChaosThinsIt) {
    smallGrouping();
    pressAnswering(w, Qt::Key_F5);
    ASSERT_EQ(dialogs.calls().size(), 2u);
    EXPECT_EQ(dialogs.calls()[0].text, NewQuestion);
    // C(12, 6) = 924 examined; 5 C(7,5) + 10 C(7,4) = 455 kept.
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Toplam 924 kombinasyon içinden guruplama koşullarına uygun "
                             "olan 455 adet kombinasyon VELMORIX.LST dosyasına kayıtlandı."));
    const auto built = data.readRecords(files::List);
    EXPECT_EQ(built.size(), 455u);
    EXPECT_FALSE(data.dir().exists(files::OldList));

    control<QCheckBox>(w, QStringLiteral("chkKaos"))->setChecked(true);
    dialogs.clear();
    dialogs.answerYes();
    control<QPushButton>(w, QStringLiteral("cmdCombinate"))->click();
    EXPECT_EQ(dialogs.calls()[0].text, ReplaceQuestion);
    EXPECT_EQ(data.readRecords(files::OldList), built);
    // Every column of balls 1..12 ends below 26: the chaos test keeps none.
    EXPECT_TRUE(dialogs.last().text.contains(QStringLiteral(" 0 adet kombinasyon")));
    EXPECT_EQ(recordCount(data.dir(), files::List), 0);
}

TEST_F(FrmArbitGrpTest, AFailedBuildKeepsTheOldListAndReportsNoSuccess) {
    smallGrouping();
    const std::vector<ColumnRecord> old{rec(653, {1, 6, 7, 8, 9, 10})};
    data.writeRecords(files::List, old);
    data.dir().setFaultHook([](FileStep step, const std::string& name, int64_t) {
        return step == FileStep::Write && name == files::Temp ? ENOSPC : 0;
    });
    dialogs.answerYes();
    w->combinate();
    EXPECT_EQ(onlyMessage().title, QStringLiteral("! HATA !"));
    EXPECT_TRUE(
        onlyMessage().text.startsWith(QStringLiteral("'VELMORIX.LST' dosyası ile işlem yapılamadı !")));
    EXPECT_EQ(data.readRecords(files::List), old);
    EXPECT_FALSE(data.dir().exists(files::Temp));
    EXPECT_EQ(w->windowTitle(), FrmArbitGrp::finishedCaption());
}

TEST_F(FrmArbitGrpTest, DecliningTheNewListFiltersTheExistingOneAsTheMenuDoes) {
    smallGrouping();
    data.writeRecords(files::List, {rec(1, {1, 6, 7, 8, 9, 10}), rec(2, {1, 2, 3, 6, 7, 8}),
                                    rec(3, {2, 3, 7, 8, 9, 10}), rec(4, {1, 6, 7, 8, 9, 40})});
    ASSERT_TRUE(activate(w));
    TitleLog log(w);
    dialogs.answerNo();
    dialogs.answerYes();
    const int beeps = dialogs.beeps();
    press(w, Qt::Key_F5);
    ASSERT_EQ(dialogs.calls().size(), 3u);
    EXPECT_EQ(dialogs.calls()[1].text, FilterQuestion);
    EXPECT_EQ(dialogs.beeps(), beeps + 3); // the command, the second question, the end
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector{rec(653, {1, 6, 7, 8, 9, 10}), rec(653, {2, 3, 7, 8, 9, 10})}));
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 2 kombinasyon 'VELMORIX.LST' dosyasına kayıtlandı."));
    // The caption ends each phase on its last count.
    EXPECT_EQ(log.before(QStringLiteral("Kombinasyonlar kayıtlanıyor...")),
              QStringLiteral("Kayıt:  4  Uygun: 2"));
    EXPECT_EQ(log.before(FrmArbitGrp::finishedCaption()), QStringLiteral("Kayıtlanan= 2 [ Toplam= 2 ]"));

    // The menu entries ask only their own question.
    for (const auto& [entry, question] :
         {std::pair{"mnuNewList", ReplaceQuestion}, {"mnuFilterList", FilterQuestion}}) {
        dialogs.clear();
        dialogs.answerNo();
        trigger(w, entry);
        ASSERT_EQ(dialogs.calls().size(), 1u);
        EXPECT_EQ(dialogs.last().text, question);
    }
    // An empty list is not filtered; with no list the menu entry builds one.
    data.writeRecords(files::List, {});
    dialogs.clear();
    trigger(w, "mnuFilterList");
    data.dir().remove(files::List);
    trigger(w, "mnuFilterList");
    EXPECT_TRUE(dialogs.calls().empty());
    dialogs.answerNo();
    trigger(w, "mnuNewList");
    EXPECT_EQ(dialogs.last().text, NewQuestion);
}

TEST_F(FrmArbitGrpTest, SavedGroupingLoadsIntoAFreshWindowThatOpensTheListsAndCloses) {
    group(1, 1, 3);
    group(4, 45, 46);
    setLimits(1, QStringLiteral("1"), QStringLiteral("2abc"));
    setLimits(4, QStringLiteral("0"), QStringLiteral("9"));
    pressAnswering(w, Qt::Key_F3);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Görünen koşullar/guruplama GRUPLAR.CFG dosyasına kayıtlandı."));
    const auto saved = loadGroupingConfig(data.dir());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->GroupMax[0], 2);
    EXPECT_EQ(saved->GroupMax[3], 9); // as typed, not brought into range

    w->close();
    ASSERT_FALSE(isOpen(WindowId::ArbitGrp));
    w = get<FrmArbitGrp>(WindowId::ArbitGrp);
    dialogs.clear();
    pressAnswering(w, Qt::Key_F2);
    EXPECT_EQ(dialogs.beeps(), 2);
    EXPECT_EQ(groupLabel(1)->text(), QStringLiteral(" 01 02 03"));
    EXPECT_FALSE(ball(46)->isEnabled());
    EXPECT_TRUE(ball(4)->isEnabled());
    EXPECT_EQ(limitText("Combo2_", 1), QStringLiteral(" 2"));
    EXPECT_EQ(limitText("Combo2_", 4), QStringLiteral(" 9"));
    EXPECT_EQ(w->groupOf(), saved->GroupOf);

    // F6 opens the list; F8 opens nothing without a random list; Escape closes.
    press(w, Qt::Key_F6);
    press(w, Qt::Key_F8); // no random list: nothing opens
    EXPECT_EQ(opened, (std::map<WindowId, int>{{WindowId::ComLst, 1}}));
    w->show();
    press(w, Qt::Key_Escape);
    EXPECT_FALSE(isOpen(WindowId::ArbitGrp));
}
