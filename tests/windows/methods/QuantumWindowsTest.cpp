#include "MethodsFixture.h"

#include "support/WindowTests.h"

const QString QuantumTitle = QStringLiteral("VELMORIX 653 Dizimci u4.5 [ KUANTUM ]");
const QString RangeRefusal = QStringLiteral("Maksimum Kuantum değeri Minimum Kuantum değerinden az olamaz !");

class QuantumWindowsTest : public MethodsFixture {
protected:
    QuantumWindowsTest() {
        // Results 8..11: the last three measure 21, 57 and 279.
        const ColumnRecord low = rec(653, {1, 2, 3, 4, 5, 6});
        const ColumnRecord mid = rec(653, {10, 20, 30, 40, 41, 42});
        data.writeRecords(files::Results, {low, low, low, low, low, low, low, mid, mid, low,
                                           rec(653, {44, 45, 46, 47, 48, 49})});
        standIn(WindowId::CLFilt);
        standIn(WindowId::KuantLst);
    }
    FrmKuantum* quantum(int first, int last) {
        state.RangeFirst = static_cast<int16_t>(first);
        state.RangeLast = static_cast<int16_t>(last);
        auto* w = get<FrmKuantum>(WindowId::Kuantum);
        w->onActivated();
        return w;
    }
    QString value(QWidget* w, int row, int col) {
        return control<QLabel>(w, QStringLiteral("lblValue_%1_%2").arg(row).arg(col))->text();
    }
    static void leave(QLineEdit* box) {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(box, &out);
    }
};

TEST_F(QuantumWindowsTest, RangeDialogChecksItsNumbersAndKeepsATypedEnd) {
    auto* w = get<FrmKuantFlt>(WindowId::KuantFlt);
    auto* first = textBox(w, "Text1");
    auto* last = textBox(w, "Text2");
    w->show();
    comeBackToFront(w);
    EXPECT_EQ(last->text(), QStringLiteral("11"));
    // The end box takes the result count again only when the count changed.
    last->setFocus();
    last->selectAll();
    QTest::keyClicks(last, QStringLiteral("3"));
    comeBackToFront(w);
    EXPECT_EQ(last->text(), QStringLiteral("3"));
    appendRecord(data.dir(), files::Results, rec(653, {7, 8, 9, 10, 11, 12}));
    comeBackToFront(w);
    EXPECT_EQ(last->text(), QStringLiteral("12"));

    first->setText(QStringLiteral("5"));
    last->setText(QStringLiteral("4")); // one below the start
    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Bitiş kolon numarası başlangıç kolon numarasından az olamaz !"));
    last->setText(QStringLiteral("99999"));
    w->apply();
    EXPECT_EQ(last->text(), QStringLiteral("12"));
    EXPECT_EQ(state.RangeFirst, 0); // a refused range never reaches the program

    first->setText(QStringLiteral("8xyz"));
    leave(first);
    EXPECT_EQ(first->text(), QStringLiteral("8"));
    w->apply();
    EXPECT_EQ(state.RangeFirst, 8);
    EXPECT_EQ(state.RangeLast, 12);
    // The quantum window takes the range and closes the dialog.
    auto* q = registry.findAs<FrmKuantum>(WindowId::Kuantum);
    ASSERT_NE(q, nullptr);
    q->onActivated();
    EXPECT_FALSE(isOpen(WindowId::KuantFlt));
    EXPECT_TRUE(q->report().has_value());
}

TEST_F(QuantumWindowsTest, WindowsWithoutEnoughResultsClose) {
    quantum(9, 11);
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Kuantum işlemleri için en az 4 sonuç gerekmektedir !"));
    EXPECT_EQ(onlyMessage().title, QuantumTitle);
    EXPECT_FALSE(isOpen(WindowId::Kuantum));
    dialogs.clear();
    get<FrmTakip>(WindowId::Takip)->onActivated();
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Kuantum işlemleri için en az 4 sonuç gerekmektedir !"));
    EXPECT_FALSE(isOpen(WindowId::Takip));

    data.dir().remove(files::Results);
    dialogs.clear();
    get<FrmKuantFlt>(WindowId::KuantFlt)->onActivated();
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Değerlendirilecek herhangi bir sonuç yok !"));
    EXPECT_FALSE(isOpen(WindowId::KuantFlt));
}

TEST_F(QuantumWindowsTest, QuantumWindowShowsItsTablesAndRunsItsCommands) {
    FrmKuantum* w = quantum(8, 11);
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("Top Tekrar Sayıları ve Kuantum Değerleri   SONUÇLAR : 8 - 11"));
    EXPECT_EQ(listLines(w, "List2").back(), QStringLiteral(" Kuantum(11) = 279"));
    EXPECT_EQ(listLines(w, "List1").front(), QStringLiteral(" 10 :  2 kez..."));
    EXPECT_EQ(value(w, 0, 2), QStringLiteral("119"));
    EXPECT_EQ(textBox(w, "Text1")->text() + textBox(w, "Text2")->text(), QStringLiteral("5757"));
    const QuantumSettings& q = state.Quantum;
    EXPECT_EQ((std::vector<int>{q.Rtor[1], q.Rtor[0], q.KuantumValues[11], q.gi12kmax}),
              (std::vector<int>{10, 6, 279, 6}));
    w->onActivated(); // later activations change nothing
    EXPECT_EQ(dialogs.beeps(), 1);

    // F2 saves the rank groups or shows them; F3 shows the coverage limits.
    pressAnswering(w, Qt::Key_F2);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Guruplama 'GRUPLAR.CFG' dosyasına kayıtlandı."));
    const auto cfg = loadGroupingConfig(data.dir());
    ASSERT_TRUE(cfg);
    EXPECT_EQ(std::count(cfg->GroupOf.begin() + 1, cfg->GroupOf.end(), 3), 25);

    option(w, 2)->setChecked(true);
    pressAnswering(w, Qt::Key_F2, false);
    EXPECT_TRUE(dialogs.last().text.startsWith(QStringLiteral("İlk 6, Son 43 ve Diğer (Orta)")));
    // 21, 57, 279: lo 22 already holds less than 92.5 %, hi falls once.
    press(w, Qt::Key_F3);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("% 33 Kuantum Sınırları:\r\rMaksimum Kuantum = 278\rMinimum Kuantum =  22"));

    // F1 refuses a least value above the greatest, then hands every parameter over to the list filter.
    ASSERT_TRUE(activate(w));
    textBox(w, "Text1")->setText(QStringLiteral("200"));
    textBox(w, "Text2")->setText(QStringLiteral("100"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text, RangeRefusal);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(QApplication::focusWidget(), textBox(w, "Text2"));
    checkBox(w, "Check1")->setChecked(true);
    textBox(w, "Text1")->setText(QStringLiteral("30"));
    textBox(w, "Text2")->setText(QStringLiteral("250"));
    pressAnswering(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Kuantum sınırlarına göre rastgele kombinasyon listesi oluşturmak veya mevcut "
                             "listeyi elemek istiyormusunuz?\r\rGB0=True , GB1=True\rGKMAX= 250 , GKMIN= 30\r"
                             "gi12kmax= 6 , gi12kmin= 2 , gs12kmax= 5 , gs12kmin= 1\r"
                             "Rtor(0)= 6 , Rtor(50)= 43\r") +
                  QStringLiteral("gi6kmax= %1 , gi6kmin= %2 , gs6kmax= %3 , gs6kmin= %4")
                      .arg(state.Quantum.gi6kmax)
                      .arg(state.Quantum.gi6kmin)
                      .arg(state.Quantum.gs6kmax)
                      .arg(state.Quantum.gs6kmin));
    EXPECT_EQ(state.Quantum.GKMIN, 30);
    EXPECT_EQ(state.Quantum.GB1, -1);
    EXPECT_EQ(opened, (std::map<WindowId, int>{{WindowId::CLFilt, 1}}));

    // The following window hides this one while it is open.
    w->show();
    state.RangeFirst = 1; // another window moved the program's range meanwhile
    press(w, Qt::Key_F5);
    EXPECT_FALSE(w->isVisible());
    auto* following = registry.findAs<FrmTakip>(WindowId::Takip);
    ASSERT_NE(following, nullptr);
    EXPECT_EQ(following->windowTitle(),
              QStringLiteral("Son Sonuca Göre Takip Eden Toplar Analizi   SONUÇLAR : 8 - 11"));
    following->close();
    flushDeletes();
    EXPECT_TRUE(w->isVisible());
}

TEST_F(QuantumWindowsTest, FollowingNumbersOnFourResults) {
    data.writeRecords(files::Results, {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {7, 8, 9, 10, 11, 12}),
                                       rec(653, {13, 14, 15, 16, 17, 18}), rec(653, {1, 2, 3, 19, 20, 21})});
    state.RangeFirst = 1;
    state.RangeLast = 4;
    auto* w = get<FrmTakip>(WindowId::Takip);
    w->onActivated();
    EXPECT_EQ(listLines(w, "List2").at(1), QStringLiteral("TKuantum(2) = 093"));
    EXPECT_EQ(
        (QStringList{textBox(w, "Text1")->text(), textBox(w, "Text2")->text(), textBox(w, "Text3")->text()}),
        (QStringList{QStringLiteral("66"), QStringLiteral("93"), QStringLiteral("0")}));
    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("'VELMORIX.LST' dosyası bulunamadı?"));

    // Rank sums: 7..12 -> 21, 1..6 -> 57, 7 8 9 40 41 42 -> 129.
    data.writeRecords(files::List, {rec(653, {7, 8, 9, 10, 11, 12}), rec(653, {1, 2, 3, 4, 5, 6}),
                                    rec(653, {7, 8, 9, 40, 41, 42})});
    textBox(w, "Text1")->setText(QStringLiteral("130"));
    textBox(w, "Text2")->setText(QStringLiteral("21"));
    textBox(w, "Text3")->setText(QStringLiteral("3"));
    checkBox(w, "Check1")->setChecked(true);
    press(w, Qt::Key_F1); // the least value above the greatest is refused
    EXPECT_EQ(dialogs.last().text, RangeRefusal);
    EXPECT_FALSE(data.dir().exists(files::OldList));
    textBox(w, "Text1")->setText(QStringLiteral("21"));
    textBox(w, "Text2")->setText(QStringLiteral("130"));
    pressAnswering(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 2 adet uygun kolon, 'VELMORIX.LST' dosyasına kayıtlandı!"));
    EXPECT_EQ(data.readRecords(files::List).back(), rec(129, {7, 8, 9, 40, 41, 42}));
}

// A last result with a repeated ball names no reference balls to follow.
TEST_F(QuantumWindowsTest, FollowingWindowRanksNothingAfterADamagedLastResult) {
    data.writeRecords(files::Results, {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {7, 8, 9, 10, 11, 12}),
                                       rec(653, {13, 14, 15, 16, 17, 18}), rec(653, {1, 2, 3, 19, 19, 21})});
    const std::vector<ColumnRecord> list{rec(653, {7, 8, 9, 10, 11, 12}), rec(653, {1, 2, 3, 4, 5, 6})};
    data.writeRecords(files::List, list);
    state.RangeFirst = 1;
    state.RangeLast = 4;
    auto* w = get<FrmTakip>(WindowId::Takip);
    ASSERT_TRUE(activate(w));
    const QString damaged = QStringLiteral("Son sonuçta (Kayıt No= 4) geçersiz veya tekrarlanan top var !\r\r"
                                           "Takip eden toplar sıralanamaz; son sonucu düzeltin.");
    EXPECT_EQ(onlyMessage().text, damaged);
    EXPECT_EQ(onlyMessage().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(control<QListWidget>(w, QStringLiteral("List1"))->count(), 0);
    EXPECT_EQ(control<QLabel>(w, QStringLiteral("Label8"))->text(), QStringLiteral("00,00,00,00,00,00"));
    // No ranking, no filter: the list stays as it is.
    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text, damaged);
    EXPECT_EQ(data.readRecords(files::List), list);
    EXPECT_FALSE(data.dir().exists(files::OldList));
}
