#include "support/ModuleTests.h"

std::vector<unsigned char> bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

TEST(GameFolderTest, MarkerIsExactlyOneGameLine) {
    // The marker's bytes and the game's balls; 0: a damaged marker.
    const std::pair<const char*, int> cases[] = {{"6/60\r\n", 60},
                                                 {"6/90\n", 90},
                                                 {"6/49\r\n", 0},
                                                 {"6/90", 0},
                                                 {" 6/90\r\n", 0},
                                                 {"6/90 \n", 0},
                                                 {"\xEF\xBB\xBF\x36/90\n", 0},
                                                 {"6/90\n6/90\n", 0},
                                                 {"", 0},
                                                 {"6/90\r\n\r\n", 0},
                                                 {"6/9\n", 0}};
    for (const auto& [marker, balls] : cases) {
        TempDataDir data;
        data.writeBytes(kGameMarker, bytes(marker));
        const FolderGame found = readFolderGame(data.dir());
        EXPECT_EQ(found.damaged, balls == 0) << marker;
        if (balls != 0) {
            EXPECT_EQ(found.game.balls(), balls) << marker;
        }
    }
}

TEST(GameFolderTest, NoMarkerIsSixFortyNineAndAFolderOfThatNameIsDamaged) {
    TempDataDir data;
    EXPECT_FALSE(readFolderGame(data.dir()).damaged);
    EXPECT_EQ(readFolderGame(data.dir()).game, Game::lotto49());
    std::filesystem::create_directory(data.path() / kGameMarker);
    EXPECT_TRUE(readFolderGame(data.dir()).damaged);
    EXPECT_EQ(damagedMarkerText(), "'VELMORIX.OYN' dosyası bozuk !");
}

TEST(GameFolderTest, PreparedOnFirstUseAndNeverMarkedOverForeignFiles) {
    TempDataDir data;
    const Game g90 = Game::cilginLoto90();
    EXPECT_EQ(prepareGameFolder(data.path(), Game::lotto49()), "");
    EXPECT_EQ(data.fileNames(), std::vector<std::string>{});

    EXPECT_EQ(prepareGameFolder(data.path(), g90), "");
    const auto folder = gameFolderPath(data.path(), g90);
    EXPECT_EQ(folder, data.path() / "CILGINLOTO");
    EXPECT_EQ(baseFolderOf(folder, g90), data.path());
    EXPECT_EQ(readFolderGame(DataDir(folder)).game, g90);
    EXPECT_EQ(prepareGameFolder(data.path(), g90), ""); // the second time finds it ready

    // 6/49 files without a marker: the folder is not claimed.
    const auto super = gameFolderPath(data.path(), Game::superLoto60());
    std::filesystem::create_directory(super);
    data.writeBytes("SUPERLOTO/VELMORIX.RES", bytes("x"));
    EXPECT_NE(prepareGameFolder(data.path(), Game::superLoto60()), "");
    EXPECT_FALSE(std::filesystem::exists(super / kGameMarker));

    // Another game's marker is no marker of this game.
    std::filesystem::remove(super / "VELMORIX.RES");
    data.writeBytes("SUPERLOTO/VELMORIX.OYN", bytes("6/90\n"));
    EXPECT_EQ(prepareGameFolder(data.path(), Game::superLoto60()), damagedMarkerText());
}
