// Building and filtering the combination list from the filters window.
#include "support/WindowTests.h"

const QString WindowTitle = QStringLiteral("VELMORIX 653 Dizimci u4.5  [ YASAKLAR & ZORUNLULUKLAR ]");

// A selection that uses most kinds of filter, as a player would save it.
FilterSelection playerSelection() {
    FilterSelection s = FilterSelection::startup();
    s.RepeatBanLevel = 4;
    s.ResultLimit = 2;
    s.PlayedLimit = 1;
    s.ForbiddenPairsOn = -1;
    s.OddEvenBan = -1;
    s.LastWeekSpanBan = -1;
    s.SumRepeatBan = -1;
    s.DecadeFilterOn = -1;
    s.DecadeRule[0][4] = 0;
    s.SumRule = {-1, 90, 190, 0};
    return s;
}

class FrmProhibitRunTest : public ::testing::Test {
protected:
    WindowEnv t;
    std::unique_ptr<FrmProhibit> w;
    std::vector<QString> titles;
    bool waitCursorDuringRun = true;

    void SetUp() override {
        Rng rng(653);
        std::vector<ColumnRecord> results, played;
        for (int i = 0; i < 60; ++i)
            results.push_back(ColumnRecord{2005000 + i, randomColumn(rng)});
        for (int i = 0; i < 25; ++i)
            played.push_back(ColumnRecord{653, randomColumn(rng)});
        t.data.writeRecords("VELMORIX.RES", results);
        t.data.writeRecords("VELMORIX.OKL", played);
        t.data.writeWords("VELMORIX.YS2", {3 * 50 + 7, 10 * 50 + 20});
        const auto stored = playerSelection().toRecords();
        t.data.writeWords("VELMORIX.FLT", std::vector<int16_t>(stored.begin(), stored.end()));
        t.data.writeWords("VELMORIX.DAT", ballsFileWords(ballRun(11, 1, 30)));
        loadBag(t.state, t.data.dir(), LoadForm::MainWindow);

        w = std::make_unique<FrmProhibit>(t.context);
        QObject::connect(w.get(), &QWidget::windowTitleChanged, w.get(), [this](const QString& title) {
            titles.push_back(title);
            if (title != WindowTitle && !(QApplication::overrideCursor() &&
                                          QApplication::overrideCursor()->shape() == Qt::WaitCursor))
                waitCursorDuringRun = false;
        });
        t.dialogs.answerYes();
        press(w.get(), Qt::Key_F5); // the player loads the saved selection
        t.dialogs.clear();
    }

    // The same files in a second folder, run by velmorix-batch.
    struct Reference {
        TempDataDir data;
        std::string out;
        std::string err;
        int32_t records() { return recordCount(data.dir(), "VELMORIX.LST"); }
    };
    std::unique_ptr<Reference> batch(const std::vector<std::string>& args) {
        auto r = std::make_unique<Reference>();
        for (const auto& name : t.data.fileNames())
            r->data.writeBytes(name, t.data.readBytes(name));
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(runBatch(args, r->data.path(), in, out, err, false), 0) << err.str();
        r->out = out.str();
        r->err = err.str();
        return r;
    }
    QString label(const char* name) const { return w->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
};

TEST_F(FrmProhibitRunTest, BuildAndFilterFromTheWindowMatchTheEngineRunAlone) {
    auto ref = batch({"build"});
    const int32_t kept = ref->records();
    t.dialogs.answerYes();
    w->findChild<QPushButton*>(QStringLiteral("Command11"))->click();
    EXPECT_EQ(t.data.readBytes("VELMORIX.LST"), ref->data.readBytes("VELMORIX.LST"));
    EXPECT_GT(kept, 100);
    ASSERT_EQ(t.dialogs.calls().size(), 2u);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Kombinasyonların toplam sayısı: 593775\r\r[ n= 30, r= 6 ]"
                             "\r\rYeni bir kombinasyon listesi oluşturmak istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.last().text,
              QString::fromStdString(Str(kept)) + QStringLiteral(" kolon kombinasyon listesine eklendi."));
    EXPECT_EQ(label("Label10"), QStringLiteral("Toplam Kombinasyon =  593775"));
    EXPECT_EQ(label("Label11"), QStringLiteral("Uygun Kombinasyon = ") + QString::fromStdString(Str(kept)));
    EXPECT_EQ(label("Label13"), QStringLiteral("Bitiş Zamanı = 12:34:56"));
    EXPECT_EQ(w->windowTitle(), WindowTitle);
    ASSERT_FALSE(titles.empty());
    EXPECT_TRUE(titles.front().startsWith(QStringLiteral("Faz 1 - Kolon :")));
    EXPECT_TRUE(waitCursorDuringRun);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    Rng rng(49);
    std::vector<ColumnRecord> list;
    for (int i = 0; i < 3000; ++i)
        list.push_back(ColumnRecord{653, randomColumn(rng)});
    t.data.writeRecords("VELMORIX.LST", list);
    ref = batch({"filter", "--use-bag", "yes"});
    t.dialogs.clear();
    t.dialogs.answerYes(); // filter the list
    t.dialogs.answerYes(); // use the bag
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.data.readBytes("VELMORIX.LST"), ref->data.readBytes("VELMORIX.LST"));
    EXPECT_LT(ref->records(), 3000);
    ASSERT_EQ(t.dialogs.calls().size(), 3u);
    EXPECT_EQ(t.dialogs.last().text, QString::fromStdString(Str(ref->records())) +
                                         QStringLiteral(" kolon kombinasyon listesine kayıtlandı."));
    EXPECT_EQ(label("Label10"), QStringLiteral("Toplam Kombinasyon =  3000"));
}

TEST_F(FrmProhibitRunTest, DeclinedOrImpossibleRunsTouchNoFileAndDeletingAsks) {
    t.data.writeRecords("VELMORIX.LST", {rec(653, {1, 2, 3, 4, 5, 6})});
    const auto before = t.data.fileNames();
    t.dialogs.answerNo();
    WindowEnv::trigger(w.get(), "mnuCreateList");
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_EQ(t.data.fileNames(), before);

    t.setBag({3, 9, 14, 22, 35, 41});
    press(w.get(), Qt::Key_F11); // any command: nothing is pending
    t.dialogs.clear();
    w->findChild<QPushButton*>(QStringLiteral("Command11"))->click();
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_TRUE(t.dialogs.last().text.startsWith(QStringLiteral("Sadece 1 kombinasyon var !\r\rToplar: ")));
    EXPECT_EQ(t.data.fileNames(), before);

    t.dialogs.answerNo();
    WindowEnv::trigger(w.get(), "mnuDeleteList");
    EXPECT_TRUE(t.data.dir().exists("VELMORIX.LST"));
    t.dialogs.answerYes();
    WindowEnv::trigger(w.get(), "mnuDeleteList");
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));

    // No list: filtering does nothing after its beep.
    t.dialogs.clear();
    press(w.get(), Qt::Key_F1);
    EXPECT_TRUE(t.dialogs.calls().empty());

    // With no list the list window does not open, so this window offers the
    // undo too: the deleted list comes back from the menu and from Ctrl+Z.
    WindowEnv::trigger(w.get(), "mnuUndoList");
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST"), std::vector{rec(653, {1, 2, 3, 4, 5, 6})});
    ASSERT_TRUE(activate(w.get()));
    press(w.get(), Qt::Key_Z, Qt::ControlModifier); // makes the deletion again
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));
}
