#include "SelectionFile.h"

#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "core/SafeFile.h"

namespace velmorix {

std::string selectionfile::wrongSizeText(const Game& game) {
    return "'VELMORIX.FLT' dosyası bozuk (Dosya boyutu " + digits(sizeFor(game)) + " byte değil) !";
}

SelectionFileState selectionFileState(const DataDir& dir, const Game& game) {
    const int64_t size = dir.fileSize(files::Selection);
    if (size < 0)
        return SelectionFileState::Missing;
    return size == selectionfile::sizeFor(game) ? SelectionFileState::Ready : SelectionFileState::WrongSize;
}

std::optional<std::vector<int16_t>> readSelectionFile(const DataDir& dir, const Game& game) {
    if (selectionFileState(dir, game) != SelectionFileState::Ready)
        return std::nullopt;
    const std::vector<unsigned char> bytes = readWholeFile(dir, files::Selection);
    if (static_cast<int64_t>(bytes.size()) != selectionfile::sizeFor(game))
        return std::nullopt; // changed under our feet
    std::vector<int16_t> records(bytes.size() / 2);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
    return records;
}

std::optional<FilterSelection::Records> readSelectionFile(const DataDir& dir) {
    const auto stored = readSelectionFile(dir, Game());
    if (!stored)
        return std::nullopt;
    FilterSelection::Records records{};
    std::copy(stored->begin(), stored->end(), records.begin());
    return records;
}

bool loadSelectionFile(const DataDir& dir, FilterSelection& selection, const Game& game) {
    const auto records = readSelectionFile(dir, game);
    if (!records)
        return false;
    selection.fromRecords(*records, game);
    return true;
}

void saveSelectionFile(const DataDir& dir, const FilterSelection& selection, const Game& game) {
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<std::size_t>(selectionfile::sizeFor(game)));
    for (int16_t v : selection.toRecords(game)) {
        const auto u = static_cast<uint16_t>(v);
        bytes.push_back(static_cast<unsigned char>(u & 0xFF));
        bytes.push_back(static_cast<unsigned char>(u >> 8));
    }
    writeWholeFile(dir, files::Selection, bytes);
}

} // namespace velmorix
