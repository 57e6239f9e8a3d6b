#pragma once

#include "core/DataDir.h"
#include "core/FilterSelection.h"
#include "core/Game.h"

#include <optional>
#include <string>
#include <vector>

namespace velmorix {

// VELMORIX.FLT: the records of a FilterSelection, 16-bit little-endian, no
// header: 85 records (170 bytes) for 6/49, 7 more for every further decade.
namespace selectionfile {
inline constexpr int64_t Size = 2 * FilterSelection::RecordCount; // 170 bytes
inline constexpr const char* WrongSizeText = "'VELMORIX.FLT' dosyası bozuk (Dosya boyutu 170 byte değil) !";
inline constexpr const char* SaveQuestion =
    "Şimdiki filtreleme seçimini 'VELMORIX.FLT' dosyasına kayıtlamak istiyormusunuz ?";
inline constexpr const char* SavedText = "Filtreleme seçimi 'VELMORIX.FLT' dosyasına kayıtlandı ...";
inline constexpr const char* LoadQuestion =
    "Filtreleme seçimini 'VELMORIX.FLT' dosyasından yüklemek istiyormusunuz ?";

// The file size of a game: 170 + 14(D - 5) bytes.
inline int64_t sizeFor(const Game& game) {
    return 2 * int64_t{FilterSelection::recordCount(game)};
}
// WrongSizeText naming the game's size.
std::string wrongSizeText(const Game& game);
} // namespace selectionfile

enum class SelectionFileState {
    Missing,   // nothing happens on load
    WrongSize, // the load reports WrongSizeText and changes nothing
    Ready,
};

SelectionFileState selectionFileState(const DataDir& dir, const Game& game = Game());

// The stored records, or nothing unless the file is exactly 170 bytes.
std::optional<FilterSelection::Records> readSelectionFile(const DataDir& dir);
// The stored records of a game's file, or nothing unless it has the game's size.
std::optional<std::vector<int16_t>> readSelectionFile(const DataDir& dir, const Game& game);

// Takes the stored values as they are into `selection` (the variables that are
// not stored keep theirs). False, with nothing changed, unless the file is Ready.
bool loadSelectionFile(const DataDir& dir, FilterSelection& selection, const Game& game = Game());

// Replaces VELMORIX.FLT with the selection's records. Throws FileError.
void saveSelectionFile(const DataDir& dir, const FilterSelection& selection, const Game& game = Game());

} // namespace velmorix
