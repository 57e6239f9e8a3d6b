#pragma once

#include "Game.h"

#include <filesystem>
#include <string>

namespace velmorix {

class DataDir;

// The file that names the game of a folder other than 6/49's: one line,
// "6/60" or "6/90", then CR LF or LF. A folder without it is 6/49.
inline constexpr const char* kGameMarker = "VELMORIX.OYN";

struct FolderGame {
    bool damaged = false; // the marker is there but is not exactly a game line
    bool marked = false;  // a sound marker names the game
    Game game;            // the folder's game when not damaged
};

// The game of a folder. Reads nothing but the marker.
FolderGame readFolderGame(const DataDir& dir);

// "'VELMORIX.OYN' dosyası bozuk !"
std::string damagedMarkerText();

// The folder below `base` the game's files live in (`base` itself for 6/49).
std::filesystem::path gameFolderPath(const std::filesystem::path& base, const Game& game);
// The data folder a game folder belongs to.
std::filesystem::path baseFolderOf(const std::filesystem::path& gameFolder, const Game& game);

// Makes the game's folder ready to use: creates it and its marker on first use.
// Returns an empty text, or the Turkish message that tells why the folder
// cannot be used (a damaged or foreign marker, 6/49 files without a marker,
// a folder that cannot be created). Nothing is written into a folder that
// holds data files already.
std::string prepareGameFolder(const std::filesystem::path& base, const Game& game);

} // namespace velmorix
