#include "GameFolder.h"

#include "DataDir.h"
#include "FileError.h"
#include "SafeFile.h"
#include "SystemFile.h"

#include <cerrno>
#include <string_view>
#include <system_error>

namespace velmorix {

namespace {

// Markers are a few bytes; anything longer is damaged without reading it all.
constexpr std::size_t kLongestMarker = 8;

std::string markerBytes(const DataDir& dir, bool& readable) {
    readable = false;
    sysfile::File file;
    if (file.open(dir.path(kGameMarker), sysfile::File::Mode::Read) != 0)
        return {};
    char buffer[kLongestMarker + 1];
    std::size_t total = 0;
    for (;;) {
        std::size_t done = 0;
        if (file.read(buffer + total, sizeof buffer - total, done) != 0)
            return {};
        if (done == 0 || (total += done) == sizeof buffer)
            break;
    }
    readable = true;
    return std::string(buffer, total);
}

bool holdsDataFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        for (char& c : name)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        if (name.rfind("VELMORIX.", 0) == 0 || name == "GRUPLAR.CFG")
            return true;
    }
    return false;
}

} // namespace

FolderGame readFolderGame(const DataDir& dir) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(dir.path(kGameMarker), ec);
    if (ec || status.type() == std::filesystem::file_type::not_found)
        return {};
    if (!std::filesystem::is_regular_file(std::filesystem::status(dir.path(kGameMarker), ec)))
        return {true, false, Game()};
    bool readable = false;
    const std::string bytes = markerBytes(dir, readable);
    if (!readable)
        return {true, false, Game()};
    int count = 0;
    const Game* games = Game::all(count);
    for (int i = 0; i < count; ++i) {
        const std::string tag = games[i].tag();
        if (games[i].folder()[0] == '\0')
            continue; // 6/49 is the folder without a marker
        if (bytes == tag + "\r\n" || bytes == tag + "\n")
            return {false, true, games[i]};
    }
    return {true, false, Game()};
}

std::string damagedMarkerText() {
    return std::string("'") + kGameMarker + "' dosyası bozuk !";
}

std::filesystem::path gameFolderPath(const std::filesystem::path& base, const Game& game) {
    const std::string folder = game.folder();
    return folder.empty() ? base : base / folder;
}

std::filesystem::path baseFolderOf(const std::filesystem::path& gameFolder, const Game& game) {
    return std::string(game.folder()).empty() ? gameFolder : gameFolder.parent_path();
}

std::string prepareGameFolder(const std::filesystem::path& base, const Game& game) {
    const std::filesystem::path folder = gameFolderPath(base, game);
    if (folder == base)
        return {};
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
    if (ec || !std::filesystem::is_directory(folder, ec))
        return std::string("'") + game.folder() + "' klasörü açılamadı !\r(" +
               systemReason(ec ? ec.value() : ENOTDIR) + ")";
    const DataDir dir(folder);
    const FolderGame found = readFolderGame(dir);
    if (found.damaged)
        return damagedMarkerText();
    if (dir.exists(kGameMarker))
        return found.game == game ? std::string() : damagedMarkerText();
    if (holdsDataFiles(folder))
        return std::string("'") + game.folder() +
               "' klasöründe oyunu belli olmayan VELMORIX dosyaları var; " + game.tag() +
               " bu klasörde açılamaz !";
    try {
        const std::string line = std::string(game.tag()) + "\r\n";
        writeWholeFile(dir, kGameMarker, std::vector<unsigned char>(line.begin(), line.end()));
    } catch (const FileError& e) {
        return e.userText();
    }
    return {};
}

} // namespace velmorix
