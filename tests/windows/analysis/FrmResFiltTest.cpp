#include "AnalysisFixture.h"

#include <QPushButton>
#include <QTest>

#include <numeric>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString Title = QStringLiteral("VELMORIX 653 Dizimci u4.5");
const QString SpacedTitle = QStringLiteral(" VELMORIX 653 Dizimci u4.5");

std::vector<ColumnRecord> threeResults() {
    return {rec(1, {1, 2, 3, 10, 20, 30}), rec(2, {1, 2, 4, 11, 21, 31}), rec(3, {1, 3, 5, 12, 22, 32})};
}

} // namespace

using ResFiltTest = AnalysisFixture;

TEST_F(ResFiltTest, RangeErrorsKeepTheDialogOpenWithTheFocusOnTheBox) {
    writeEvenResults();
    FrmResFilt* w = openDialog(dialogmode::MostDrawn);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(box(w, "Text2")->text(), QStringLiteral("49"));
    EXPECT_FALSE(box(w, "Text3")->isVisible());

    applyRange(w, QStringLiteral("5"), QStringLiteral("3"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Bitiş kolon numarası başlangıç kolon numarasından az olamaz !"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Exclamation);
    EXPECT_EQ(w->focusWidget(), box(w, "Text2"));

    applyRange(w, QStringLiteral("0"), QStringLiteral("3"));
    EXPECT_EQ(w->focusWidget(), box(w, "Text1"));
    const auto messages = dialogs.messages().size();
    applyRange(w, QStringLiteral("32768"), QStringLiteral("3"));
    EXPECT_EQ(box(w, "Text1")->text(), QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages().size(), messages);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::MostDrawn);
    EXPECT_TRUE(isOpen(WindowId::ResFilt));
}

TEST_F(ResFiltTest, EmptySourceClosesTheDialogWithoutAnAnswer) {
    FrmResFilt* w = openDialog(dialogmode::Repetitions, 1);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kolonlar (Kullanılacak Olan)"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Değerlendirilecek herhangi bir kombinasyon yok !"));
    EXPECT_EQ(dialogs.last().title, Title);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Closed);
    EXPECT_FALSE(isOpen(WindowId::ResFilt));
}

TEST_F(ResFiltTest, BagAndBankerChoicesAnswer653) {
    writeEvenResults();
    FrmResFilt* w = openDialog(dialogmode::MostDrawn);
    applyRange(w, QStringLiteral("1"), QStringLiteral("49"));
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Done);
    std::vector<int> expected(36);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(bag(), expected);
    EXPECT_FALSE(isOpen(WindowId::ResFilt));

    // Counts over results 1..3: 1 three times, 2 and 3 twice, the rest once or never.
    data.writeRecords(files::Results, threeResults());
    w = openDialog(dialogmode::MiddleBanko);
    applyRange(w, QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Done);
    ASSERT_EQ(state.BankoBalls.count(), 1);
    EXPECT_EQ(state.BankoBalls[1], 4); // middle of 3 and 0 is 1
    w = openDialog(dialogmode::LeastBanko);
    applyRange(w, QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(state.BankoBalls[1], 6);
}

TEST_F(ResFiltTest, ForbiddenPairsNewAndAdded) {
    data.writeRecords(files::Results, threeResults());
    data.writeWords(files::Pairs, {4 * 50 + 49});
    FrmResFilt* w = openDialog(6);
    EXPECT_FALSE(box(w, "Text3")->isHidden());
    applyRange(w, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("En az tekrar sayısı GEÇERSİZ !\r\r[ Kullanılan Sonuç Sayısı = 3 ]"));
    EXPECT_TRUE(isOpen(WindowId::ResFilt));

    applyRange(w, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2"));
    // Drawn together at least twice: 1-2, 1-3.
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53}));
    EXPECT_EQ(state.MinPairCount, 2);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 2 ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."));
    EXPECT_EQ(dialogs.last().title, SpacedTitle);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Closed);

    data.writeWords(files::Pairs, {4 * 50 + 49});
    w = openDialog(7);
    applyRange(w, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2"));
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53, 249}));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 3 ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."));
}

TEST_F(ResFiltTest, ResultsAddedToSextetsOnlyOnce) {
    data.writeRecords(files::Results, threeResults());
    data.writeRecords(files::Sextets, {rec(1, {30, 20, 10, 3, 2, 1})});
    applyRange(openDialog(9), QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(data.readRecords(files::Sextets).size(), 3u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 2 kombinasyon Yasak Kombinasyonlar dosyası VELMORIX.YSK'ye eklendi ..."));
    // Nothing new to add: no message.
    const auto messages = dialogs.messages().size();
    applyRange(openDialog(9), QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(dialogs.messages().size(), messages);

    applyRange(openDialog(8), QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_EQ(data.readRecords(files::Sextets).size(), 2u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 2 kombinasyon Yasak Kombinasyonlar dosyası VELMORIX.YSK'ye kayıtlandı ..."));
}

TEST_F(ResFiltTest, ResultsSavedAsTheListKeepTheOldList) {
    data.writeRecords(files::Results, threeResults());
    data.writeRecords(files::List, {rec(0, {5, 6, 7, 8, 9, 10})});
    applyRange(openDialog(10), QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector<ColumnRecord>{threeResults()[1], threeResults()[2]}));
    EXPECT_EQ(data.readRecords(files::OldList), (std::vector<ColumnRecord>{rec(0, {5, 6, 7, 8, 9, 10})}));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("VELMORIX.RES dosyası VELMORIX.LST olarak kayıtlandı ..."));
    EXPECT_EQ(dialogs.last().title, Title);
}

TEST_F(ResFiltTest, ChaosTestWritesTheReportAndStaysOpen) {
    data.writeRecords(files::Results, threeResults());
    FrmResFilt* w = openDialog(0, 4);
    applyRange(w, QStringLiteral("3"), QStringLiteral("3"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Bu işlem için en az 2 sonuç gerekir..."));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("!Dikkat!"));
    EXPECT_FALSE(data.dir().exists(files::Text));

    applyRange(w, QStringLiteral("1"), QStringLiteral("3"));
    const auto bytes = data.readBytes(files::Text);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" %1 byte 'VELMORIX.TXT' dosyasına kayıtlandı...").arg(bytes.size()));
    EXPECT_EQ(dialogs.last().title, SpacedTitle);
    EXPECT_EQ(dialogs.last().icon, DialogIcon::None);
    EXPECT_FALSE(data.dir().exists(files::ResultsCopy));
    EXPECT_TRUE(isOpen(WindowId::ResFilt));
    press(w, Qt::Key_Escape);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Closed);
}

TEST_F(ResFiltTest, StatisticsOpenTheStatisticsWindowAfresh) {
    data.writeRecords(files::Results, threeResults());
    applyRange(openDialog(dialogmode::Repetitions), QStringLiteral("1"), QStringLiteral("2"));
    auto* rep = registry.findAs<FrmRep>(WindowId::Rep);
    ASSERT_NE(rep, nullptr);
    EXPECT_EQ(rep->windowTitle(), QStringLiteral("Top Tekrar Sayıları ve İstatistikler   SONUÇLAR : 1 - 2"));
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Done);
    EXPECT_FALSE(isOpen(WindowId::ResFilt));

    applyRange(openDialog(dialogmode::Repetitions), QStringLiteral("2"), QStringLiteral("3"));
    rep = registry.findAs<FrmRep>(WindowId::Rep);
    ASSERT_NE(rep, nullptr);
    EXPECT_EQ(rep->windowTitle(), QStringLiteral("Top Tekrar Sayıları ve İstatistikler   SONUÇLAR : 2 - 3"));
}

TEST_F(ResFiltTest, KeysMoveThroughTheBoxes) {
    data.writeRecords(files::Results, threeResults());
    FrmResFilt* w = openDialog(6);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    box(w, "Text1")->setFocus();
    box(w, "Text1")->setText(QStringLiteral("2x"));
    QTest::keyClick(box(w, "Text1"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), box(w, "Text2"));
    EXPECT_EQ(box(w, "Text1")->text(), QStringLiteral("2"));
    QTest::keyClick(box(w, "Text2"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), box(w, "Text3"));
    QTest::keyClick(box(w, "Text3"), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget()->objectName(), QStringLiteral("Command1"));
}
