#include "GroupingConfig.h"

#include "core/ColumnFile.h"
#include "core/SafeFile.h"

#include <cstring>

namespace velmorix {

namespace {

constexpr char Magic[] = "GRPCFG 1.0";
constexpr std::size_t MagicSize = sizeof Magic - 1;

void putWord(std::vector<unsigned char>& out, int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    out.push_back(static_cast<unsigned char>(u & 0xFF));
    out.push_back(static_cast<unsigned char>(u >> 8));
}

int16_t wordAt(const std::vector<unsigned char>& in, std::size_t offset) {
    return static_cast<int16_t>(static_cast<uint16_t>(in[offset] | (in[offset + 1] << 8)));
}

} // namespace

int64_t groupingFileSize(const Game& game) {
    return GroupingFileSize + 2 * (int64_t{game.balls()} - 49);
}

std::vector<unsigned char> encodeGroupingConfig(const GroupingConfig& config, const Game& game) {
    std::vector<unsigned char> out(Magic, Magic + MagicSize);
    for (int b = 0; b <= game.balls(); ++b)
        putWord(out, config.GroupOf[static_cast<std::size_t>(b)]);
    for (int16_t v : config.GroupMin)
        putWord(out, v);
    for (int16_t v : config.GroupMax)
        putWord(out, v);
    return out;
}

std::optional<GroupingConfig> decodeGroupingConfig(const std::vector<unsigned char>& bytes,
                                                   const Game& game) {
    if (static_cast<int64_t>(bytes.size()) != groupingFileSize(game) ||
        std::memcmp(bytes.data(), Magic, MagicSize) != 0)
        return std::nullopt;
    GroupingConfig config;
    std::size_t at = MagicSize;
    for (std::size_t b = 0; b <= static_cast<std::size_t>(game.balls()); ++b, at += 2) {
        const int16_t g = wordAt(bytes, at);
        config.GroupOf[b] = (b == 0 || g < 0 || g > 10) ? int16_t{0} : g;
    }
    for (auto& v : config.GroupMin) {
        v = wordAt(bytes, at);
        at += 2;
    }
    for (auto& v : config.GroupMax) {
        v = wordAt(bytes, at);
        at += 2;
    }
    return config;
}

bool groupingFilePresent(const DataDir& dir, const Game& game) {
    return dir.fileSize(files::Groups) == groupingFileSize(game);
}

void saveGroupingConfig(const DataDir& dir, const GroupingConfig& config, const Game& game) {
    writeWholeFile(dir, files::Groups, encodeGroupingConfig(config, game));
}

std::optional<GroupingConfig> loadGroupingConfig(const DataDir& dir, const Game& game) {
    if (!groupingFilePresent(dir, game))
        return std::nullopt;
    return decodeGroupingConfig(readWholeFile(dir, files::Groups), game);
}

} // namespace velmorix
