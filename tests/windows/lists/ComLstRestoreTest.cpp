#include "ListWindowTestContext.h"

#include "windows/lists/FrmComLst.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString ProgramTitle = QStringLiteral(" VELMORIX 653 Dizimci u4.5");

class ComLstRestoreTest : public ListWindowTest<FrmComLst> {
protected:
    ComLstRestoreTest() : ListWindowTest("VELMORIX.LST") {}
    std::vector<unsigned char> bytes(const char* name) const { return t.data.readBytes(name); }
};

TEST_F(ComLstRestoreTest, CtrlZTakesAnEliminationBackAndRedoesIt) {
    open(ListWindowTestContext::columns(30));
    const auto original = bytes("VELMORIX.LST");
    t.dialogs.answerInput(QStringLiteral("2"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5); // the one column holding ball 2 goes
    const auto thinned = bytes("VELMORIX.LST");
    ASSERT_NE(thinned, original);
    t.dialogs.clear();

    t.dialogs.answerYes();
    EXPECT_TRUE(press(w.get(), Qt::Key_Z, Qt::ControlModifier));
    EXPECT_EQ(
        t.dialogs.calls()[0].text,
        QStringLiteral("Kombinasyon Listesi'ni ('VELMORIX.LST') bir önceki hali ('VELMORIX.OLD') ile "
                       "değiştirmek istiyormusunuz ?\r\r(Şimdiki liste 'VELMORIX.OLD' olur; tekrar CTRL+Z "
                       "ile geri gelir.)"));
    EXPECT_EQ(t.dialogs.calls()[0].title, ProgramTitle);
    EXPECT_EQ(bytes("VELMORIX.LST"), original);
    EXPECT_EQ(bytes("VELMORIX.OLD"), thinned);
    EXPECT_EQ(
        t.dialogs.last().text,
        QStringLiteral("Kombinasyon Listesi ile önceki liste yer değiştirdi.\r\rKombinasyon Listesi: 30 "
                       "kolon\rÖnceki liste ('VELMORIX.OLD'): 29 kolon"));
    EXPECT_EQ(w->firstShownPosition(), 0);
    EXPECT_EQ(w->pageLines().size(), 25u);

    t.dialogs.answerYes();
    press(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes("VELMORIX.LST"), thinned);
    EXPECT_EQ(bytes("VELMORIX.OLD"), original);
    EXPECT_EQ(t.data.fileNames(), (std::vector<std::string>{"VELMORIX.LST", "VELMORIX.OLD"}));
}

TEST_F(ComLstRestoreTest, NoAnswerNoPreviousListAndAFailedRename) {
    open(ListWindowTestContext::columns(3));
    press(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Geri getirilecek önceki bir liste ('VELMORIX.OLD') yok !"));
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::Exclamation);

    t.data.writeRecords("VELMORIX.OLD", ListWindowTestContext::columns(5));
    const auto list = bytes("VELMORIX.LST");
    const auto old = bytes("VELMORIX.OLD");
    t.dialogs.answerNo();
    press(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes("VELMORIX.LST"), list);

    t.data.dir().setFaultHook([](FileStep step, const std::string& name, int64_t) {
        return step == FileStep::Rename && name == "VELMORIX.OLD" ? EACCES : 0;
    });
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_TRUE(
        t.dialogs.last().text.startsWith(QStringLiteral("'VELMORIX.LST' dosyası ile işlem yapılamadı !")));
    EXPECT_EQ(bytes("VELMORIX.LST"), list);
    EXPECT_EQ(bytes("VELMORIX.OLD"), old);
    EXPECT_EQ(t.data.fileNames(), (std::vector<std::string>{"VELMORIX.LST", "VELMORIX.OLD"}));
}

TEST_F(ComLstRestoreTest, AListThatAnEliminationRemovedComesBack) {
    open(ListWindowTestContext::columns(2));
    const auto original = bytes("VELMORIX.LST");
    t.dialogs.answerInput(QStringLiteral("1,2,3,4,5,6,7,8"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    ASSERT_FALSE(t.data.dir().exists("VELMORIX.LST"));
    t.dialogs.clear();
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(
        t.dialogs.calls()[0].text,
        QStringLiteral("Önceki Kombinasyon Listesi'ni ('VELMORIX.OLD') geri getirmek istiyormusunuz ?"));
    EXPECT_EQ(bytes("VELMORIX.LST"), original);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLD"));
    EXPECT_EQ(w->pageLines().size(), 2u);
}

} // namespace
