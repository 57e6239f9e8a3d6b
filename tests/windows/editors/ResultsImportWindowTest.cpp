#include "EditorFixture.h"
#include "support/WindowTests.h"

class ResultsImportWindowTest : public EditorFixture {
protected:
    FrmResults* results() { return open<FrmResults>(WindowId::Results); }
    // A text file beside the data folder, as a player downloads one.
    QString textFile(const std::string& name, const std::string& content) {
        const auto path = data.path() / name;
        std::ofstream(path, std::ios::binary) << content;
        return QString::fromStdString(path.string());
    }
    QString lastText() const { return dialogs.last().text; }
};

TEST_F(ResultsImportWindowTest, ImportsAMessyFileAfterTheQuestions) {
    data.writeRecords(files::Results, {rec(2005001, {3, 11, 12, 14, 41, 43})});
    FrmResults* w = results();
    const QString path = textFile("cekilis.csv", "Tarih;1;2;3\n"
                                                 "12.03.2005;3;11;12;14;41;43\n"
                                                 "19/03/2005 45 2 17 9 30 21\n"
                                                 "26.03.2005 1 2 3 4 5 50\n"
                                                 "2005-04-02,4,8,15,16,23,42\n");
    dialogs.answerFileName(path);
    dialogs.answerYes(); // skip the balls of the result already on file
    dialogs.answerYes(); // append
    EXPECT_TRUE(press(w, Qt::Key_I, Qt::ControlModifier));

    const auto& calls = dialogs.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(calls[1].text, QStringLiteral("Dosyadaki 1 kolonun topları mevcut sonuçlarda (veya dosyadaki "
                                            "önceki bir satırda) başka bir tarihte var.\r\rBu kolonlar "
                                            "atlansın mı ?"));
    EXPECT_TRUE(calls[2].text.startsWith(QStringLiteral(" 2 kolon sonuçlar ('VELMORIX.RES') dosyasına")));
    EXPECT_TRUE(
        calls[3].text.startsWith(QStringLiteral("'cekilis.csv' dosyasından 2 sonuç kolonu eklendi (0")));

    EXPECT_EQ(data.readRecords(files::Results),
              (std::vector<ColumnRecord>{rec(2005001, {3, 11, 12, 14, 41, 43}),
                                         rec(encodeDateCode(2005, 3, 19), {2, 9, 17, 21, 30, 45}),
                                         rec(encodeDateCode(2005, 4, 2), {4, 8, 15, 16, 23, 42})}));
    // The editor shows the file as it is now, at its last result.
    EXPECT_EQ(listLines(w).size(), 3);
    EXPECT_EQ(w->currentRecord(), 3);
    EXPECT_EQ(state.RangeLast, 3);
    EXPECT_EQ(data.fileNames(), (std::vector<std::string>{"VELMORIX.RES", "cekilis.csv"}));
}

TEST_F(ResultsImportWindowTest, CancelNoAndNothingValidChangeNothing) {
    data.writeRecords(files::Results, {rec(2005001, {3, 11, 12, 14, 41, 43})});
    FrmResults* w = results();
    const auto before = data.readBytes(files::Results);
    QAction* menu = w->findChild<QAction*>(QStringLiteral("mnuImport"));

    dialogs.answerFileName(std::nullopt);
    menu->trigger();
    EXPECT_EQ(dialogs.calls().size(), 1u);

    dialogs.answerFileName(textFile("bos.txt", "Başlık\n1 2 3\n"));
    menu->trigger();
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(lastText(), QStringLiteral("Dosyada eklenecek geçerli bir sonuç kolonu bulunamadı !\r\r"
                                         "Alınmayan satırlar:\rSatır 2: 6 top yok (3 sayı)"));

    dialogs.answerFileName(textFile("yeni.txt", "01.01.2006 7 8 9 10 11 12\n"));
    dialogs.answerNo();
    menu->trigger();
    EXPECT_EQ(data.readBytes(files::Results), before);

    dialogs.answerFileName(QString::fromStdString((data.path() / "yok.txt").string()));
    menu->trigger();
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("'yok.txt' dosyası ile işlem yapılamadı !")));
    EXPECT_EQ(data.readBytes(files::Results), before);
    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
}

// The file effects of a failed write are FailingDiskTest's; the editor ends on the error.
TEST_F(ResultsImportWindowTest, AFailedWriteEndsOnTheError) {
    data.writeRecords(files::Results, {rec(2005001, {3, 11, 12, 14, 41, 43})});
    FrmResults* w = results();
    dialogs.answerFileName(textFile("yeni.txt", "01.01.2006 7 8 9 10 11 12\n"));
    dialogs.answerYes();
    data.dir().setFaultHook(
        [](FileStep step, const std::string&, int64_t) { return step == FileStep::Rename ? ENOSPC : 0; });
    w->importResults();
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(listLines(w).size(), 1);
}

TEST_F(ResultsImportWindowTest, AFullFileTakesNoNewOrImportedResult) {
    data.writeRecords(files::Results, numbered(FrmResults::RecordLimit));
    FrmResults* w = results();
    EXPECT_EQ(state.RangeLast, 32767);
    press(w, Qt::Key_F1);
    EXPECT_FALSE(w->isNewRecord());
    w->importResults();
    ASSERT_EQ(dialogs.calls().size(), 2u); // no file dialog
    for (const auto& call : dialogs.calls())
        EXPECT_EQ(call.text, QStringLiteral("32767 sonuç kolonu var... Yeni bir kolon ekleyemezsiniz !"));
}
