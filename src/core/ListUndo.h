#pragma once

#include "DataDir.h"
#include "SystemFile.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace velmorix {

namespace files {
inline constexpr const char* UndoList = "VELMORIX.UND";    // the list before the last change
inline constexpr const char* UndoName = "VELMORIX.UNN";    // what that change was called
inline constexpr const char* UndoPending = "VELMORIX.UNT"; // the copy while a command runs
inline constexpr const char* UndoSwap = "VELMORIX.SWP";    // the list while undo swaps
} // namespace files

// The name both list windows give to deleting the whole list.
inline constexpr const char* ListDeletionName = "Listeyi silme";

// One step of undo for the combination list, apart from VELMORIX.OLD (which
// some commands read as their source and which not every change refreshes).
//
// A command that may change VELMORIX.LST opens a ListUndoPoint before its
// first change. The list as it is then is kept under VELMORIX.UNT: a hard link,
// since every change replaces the list by a rename or removes it and so never
// touches the linked bytes; a copy where the folder cannot link. When the point
// closes and the list did change, the copy becomes VELMORIX.UND (no file: there
// was no list) and the command's name goes to VELMORIX.UNN; when nothing
// changed (declined, failed before the rename) the earlier undo step stays.
class ListUndoPoint {
public:
    // Throws FileError naming VELMORIX.UND when the list cannot be kept; the
    // command must then not change the list.
    ListUndoPoint(const DataDir& dir, std::string name);
    ~ListUndoPoint();
    ListUndoPoint(const ListUndoPoint&) = delete;
    ListUndoPoint& operator=(const ListUndoPoint&) = delete;

private:
    bool listChanged() const;

    const DataDir& m_dir;
    std::string m_name;
    bool m_hadList = false;
    // The list's identity, size and times when the command started: every
    // change replaces the file, so the stamp tells whether it changed (on
    // both systems, and whether the copy was a link or not).
    sysfile::Stamp m_stamp{};
};

enum class UndoOutcome {
    Nothing, // no change recorded
    Undone,  // the list is back as it was before the change
    Redone,  // an undone change is made again
};

struct UndoResult {
    UndoOutcome outcome = UndoOutcome::Nothing;
    std::string name; // the change taken back or made again
};

// Swaps the list with its undo copy, so a second call redoes what the first
// undid. Renames only; on a failure both files are as they were and the
// FileError names the list.
UndoResult undoLastListChange(const DataDir& dir);

// What Ctrl+Z tells the player, with the list's column count afterwards
// (missing list: -1).
std::string undoMessage(const UndoResult& result, int32_t listColumns);

} // namespace velmorix
