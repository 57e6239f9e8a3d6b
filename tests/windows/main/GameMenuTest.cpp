#include "support/WindowTests.h"

// Switching games moves the program's folder, and with it the working
// directory; each test goes back to where it started.
class GameMenuTest : public WindowTest {
protected:
    FrmLoto* loto() { return get<FrmLoto>(WindowId::Loto); }
    GameMenuTest() : m_base(data.path()), m_cwd(std::filesystem::current_path()) {}
    ~GameMenuTest() override {
        state.game = Game();
        context.dir = DataDir(m_base);
        std::filesystem::current_path(m_cwd);
    }
    QAction* entry(int balls) {
        return loto()->findChild<QAction*>(QStringLiteral("mnuGame") + QString::number(balls));
    }
    QString dizimciTitle() { return loto()->findChild<QMenu*>(QStringLiteral("mnuDizimci"))->title(); }

    std::filesystem::path m_base;
    std::filesystem::path m_cwd;
};

TEST_F(GameMenuTest, SwitchingMovesToTheGameFolderAndBackLeavesSixFortyNineAlone) {
    data.writeBytes("VELMORIX.RES", {1, 2, 3, 4});
    activate(registry.open(WindowId::Loto));
    setBag({1, 2, 3, 4, 5, 6, 7});
    activate(registry.open(WindowId::Balls));

    entry(90)->trigger();
    EXPECT_FALSE(isOpen(WindowId::Balls));
    EXPECT_EQ(state.game, Game::cilginLoto90());
    EXPECT_TRUE(bag().empty()); // a fresh start's state
    EXPECT_EQ(context.dir.root(), m_base / "CILGINLOTO");
    EXPECT_EQ(std::filesystem::current_path(), m_base / "CILGINLOTO");
    EXPECT_EQ(readFolderGame(context.dir).game, Game::cilginLoto90());
    EXPECT_EQ(loto()->windowTitle(), programTitle() + QStringLiteral("  [ 6/90 ]"));
    EXPECT_EQ(dizimciTitle(), QStringLiteral("6/90 Dizimci"));
    EXPECT_TRUE(entry(90)->isChecked());
    EXPECT_FALSE(entry(49)->isChecked());
    EXPECT_EQ(rememberedGameBalls(), 90);

    entry(49)->trigger();
    EXPECT_EQ(context.dir.root(), m_base);
    EXPECT_EQ(loto()->windowTitle(), programTitle());
    EXPECT_EQ(dizimciTitle(), QStringLiteral("6/49 Dizimci"));
    EXPECT_EQ(data.readBytes("VELMORIX.RES"), (std::vector<unsigned char>{1, 2, 3, 4}));
    EXPECT_EQ(rememberedGameBalls(), 49);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(GameMenuTest, DamagedMarkerKeepsTheGameAndTouchesNothing) {
    std::filesystem::create_directory(m_base / "CILGINLOTO");
    data.writeBytes("CILGINLOTO/VELMORIX.OYN", {'6', '/', '4', '9', '\n'});
    activate(registry.open(WindowId::Loto));
    entry(90)->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().front().text, QStringLiteral("'VELMORIX.OYN' dosyası bozuk !"));
    EXPECT_EQ(dialogs.messages().front().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(state.game, Game());
    EXPECT_EQ(context.dir.root(), m_base);
    EXPECT_TRUE(entry(49)->isChecked());
    EXPECT_EQ(data.readBytes("CILGINLOTO/VELMORIX.OYN"),
              (std::vector<unsigned char>{'6', '/', '4', '9', '\n'}));
}

TEST_F(GameMenuTest, StartsInTheFolderMarkerGameElseTheLastGamePlayed) {
    bool fatal = false;
    rememberGameBalls(60);
    EXPECT_EQ(enterStartGame(context, fatal), "");
    EXPECT_EQ(state.game, Game::superLoto60());
    EXPECT_EQ(context.dir.root(), m_base / "SUPERLOTO");

    // Started inside a game's folder: its marker decides.
    context.dir = DataDir(m_base / "SUPERLOTO");
    state.game = Game();
    EXPECT_EQ(enterStartGame(context, fatal), "");
    EXPECT_EQ(state.game, Game::superLoto60());
    EXPECT_EQ(context.dir.root(), m_base / "SUPERLOTO");

    data.writeBytes("VELMORIX.OYN", {'x'}); // the folder is SUPERLOTO now
    EXPECT_EQ(enterStartGame(context, fatal), "'VELMORIX.OYN' dosyası bozuk !");
    EXPECT_TRUE(fatal);
    rememberGameBalls(49);
}
