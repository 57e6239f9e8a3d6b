#include "MethodsFixture.h"

#include "support/WindowTests.h"

class GeneratorDialogsTest : public MethodsFixture {
protected:
    GeneratorDialogsTest() {
        // Rank of ball b is b; every column passes the Kuantum range.
        for (int p = 1; p <= 49; ++p)
            state.Quantum.Rtor[static_cast<std::size_t>(p)] = static_cast<int16_t>(p);
        state.Quantum.GKMIN = 21;
        state.Quantum.GKMAX = 279;
    }
    QLineEdit* box(QWidget* w, int n) { return control<QLineEdit>(w, QStringLiteral("Text%1").arg(n)); }
};

// The list filter eliminates only a list with columns, keeping their order
// and writing their Kuantum; otherwise it draws a new list within its limits.
TEST_F(GeneratorDialogsTest, ListFilterEliminatesAListWithColumnsOrDrawsANewOne) {
    data.writeRecords(files::List, {});
    auto* w = get<FrmCLFilt>(WindowId::CLFilt);
    w->onActivated();
    EXPECT_FALSE(option(w, 2)->isEnabled());
    EXPECT_TRUE(option(w, 1)->isChecked());
    data.writeRecords(files::List, {rec(653, {12, 11, 10, 9, 8, 7}), rec(653, {1, 2, 3, 4, 5, 6}),
                                    rec(653, {10, 2, 3, 4, 5, 6})});
    w->onActivated();
    EXPECT_TRUE(option(w, 2)->isChecked());
    EXPECT_EQ(box(w, 1)->text(), QStringLiteral("  3"));
    EXPECT_FALSE(box(w, 2)->isEnabled());
    state.Quantum.GKMIN = 30;
    w->apply();
    EXPECT_EQ(onlyMessage().text,
              QStringLiteral(" 2 adet uygun kolon, 'VELMORIX.LST' dosyasına kayıtlandı!"));
    const auto kept = data.readRecords(files::List);
    EXPECT_EQ(kept.at(0), rec(57, {7, 8, 9, 10, 11, 12}));

    state.Quantum.GKMIN = 21;
    option(w, 1)->click();
    EXPECT_EQ(box(w, 1)->text(), QStringLiteral("32767"));
    EXPECT_EQ(box(w, 2)->text(), QStringLiteral("32767"));
    EXPECT_TRUE(box(w, 1)->isEnabled());
    box(w, 1)->setText(QStringLiteral("0"));
    w->apply();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("En az 1 ve en çok 32767 kolon kayıtlayabilirsiniz!"));
    box(w, 1)->setText(QStringLiteral("1"));
    box(w, 2)->setText(QStringLiteral("40000"));
    w->apply();
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("En az 1 ve en çok 32767 rastgele kolon oluşturma denemesi yapılabilir!"));
    EXPECT_EQ(data.readRecords(files::List), kept);
    box(w, 2)->setText(QStringLiteral("1"));
    control<QPushButton>(w, QStringLiteral("Command1"))->click();
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 1 adet uygun kolon, 1 denemede kayıtlandı!"));
    EXPECT_EQ(recordCount(data.dir(), files::List), 1);
}

TEST_F(GeneratorDialogsTest, PairGeneratorNeedsPlayedColumnsThenWritesTheFileAndCloses) {
    get<FrmYS2Flt>(WindowId::YS2Flt)->onActivated();
    EXPECT_EQ(onlyMessage().text,
              QStringLiteral("Oynanan kolon yok !\r(VELMORIX.OKL dosyası yok veya boş !)"));
    EXPECT_FALSE(isOpen(WindowId::YS2Flt));

    data.writeRecords(files::Played, {rec(653, {1, 2, 3, 15, 27, 41})});
    data.writeWords(files::Pairs, {1531});
    dialogs.clear();
    auto* w = get<FrmYS2Flt>(WindowId::YS2Flt);
    w->onActivated();
    // Cross-decade pairs need more than the box can hold: only the inside
    // ones and, with "Ekle", the old pair are written.
    box(w, 1)->setText(QStringLiteral("99999"));
    option(w, 2)->setChecked(true);
    press(w, Qt::Key_F1);
    EXPECT_EQ(box(w, 1)->text(), QStringLiteral("32767"));
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53, 103, 1531}));
    EXPECT_EQ(onlyMessage().text,
              QStringLiteral(" 4 ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."));
    EXPECT_FALSE(isOpen(WindowId::YS2Flt));
}
