#include "SelectionFile.h"

#include "core/ColumnFile.h"
#include "core/SafeFile.h"

namespace velmorix {

SelectionFileState selectionFileState(const DataDir& dir) {
    const int64_t size = dir.fileSize(files::Selection);
    if (size < 0)
        return SelectionFileState::Missing;
    return size == selectionfile::Size ? SelectionFileState::Ready : SelectionFileState::WrongSize;
}

std::optional<FilterSelection::Records> readSelectionFile(const DataDir& dir) {
    if (selectionFileState(dir) != SelectionFileState::Ready)
        return std::nullopt;
    const std::vector<unsigned char> bytes = readWholeFile(dir, files::Selection);
    if (static_cast<int64_t>(bytes.size()) != selectionfile::Size)
        return std::nullopt; // changed under our feet
    FilterSelection::Records records{};
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
    return records;
}

bool loadSelectionFile(const DataDir& dir, FilterSelection& selection) {
    const auto records = readSelectionFile(dir);
    if (!records)
        return false;
    selection.fromRecords(*records);
    return true;
}

void saveSelectionFile(const DataDir& dir, const FilterSelection& selection) {
    const FilterSelection::Records records = selection.toRecords();
    std::vector<unsigned char> bytes;
    bytes.reserve(selectionfile::Size);
    for (int16_t v : records) {
        const auto u = static_cast<uint16_t>(v);
        bytes.push_back(static_cast<unsigned char>(u & 0xFF));
        bytes.push_back(static_cast<unsigned char>(u >> 8));
    }
    writeWholeFile(dir, files::Selection, bytes);
}

} // namespace velmorix
