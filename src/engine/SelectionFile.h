#pragma once

#include "core/DataDir.h"
#include "core/FilterSelection.h"

#include <optional>

namespace velmorix {

// VELMORIX.FLT: the 85 records of a FilterSelection, 16-bit little-endian, no header.
namespace selectionfile {
inline constexpr int64_t Size = 2 * FilterSelection::RecordCount; // 170 bytes
inline constexpr const char* WrongSizeText = "'VELMORIX.FLT' dosyası bozuk (Dosya boyutu 170 byte değil) !";
inline constexpr const char* SaveQuestion =
    "Şimdiki filtreleme seçimini 'VELMORIX.FLT' dosyasına kayıtlamak istiyormusunuz ?";
inline constexpr const char* SavedText = "Filtreleme seçimi 'VELMORIX.FLT' dosyasına kayıtlandı ...";
inline constexpr const char* LoadQuestion =
    "Filtreleme seçimini 'VELMORIX.FLT' dosyasından yüklemek istiyormusunuz ?";
} // namespace selectionfile

enum class SelectionFileState {
    Missing,   // nothing happens on load
    WrongSize, // the load reports WrongSizeText and changes nothing
    Ready,
};

SelectionFileState selectionFileState(const DataDir& dir);

// The stored records, or nothing unless the file is exactly 170 bytes.
std::optional<FilterSelection::Records> readSelectionFile(const DataDir& dir);

// Takes the stored values as they are into `selection` (the variables that are
// not stored keep theirs). False, with nothing changed, unless the file is Ready.
bool loadSelectionFile(const DataDir& dir, FilterSelection& selection);

// Replaces VELMORIX.FLT with the selection's 85 records. Throws FileError.
void saveSelectionFile(const DataDir& dir, const FilterSelection& selection);

} // namespace velmorix
