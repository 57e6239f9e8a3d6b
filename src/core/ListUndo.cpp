#include "ListUndo.h"

#include "ColumnFile.h"
#include "FileError.h"
#include "Numbers.h"
#include "SafeFile.h"

#include <optional>
#include <system_error>
#include <vector>

namespace velmorix {

namespace fs = std::filesystem;

namespace {

// VELMORIX.UNN: "1" or "0" (whether the change is undone now), a new line, the name.
struct UndoRecord {
    bool undone = false;
    std::string name;
};

std::optional<UndoRecord> readUndoRecord(const DataDir& dir) {
    if (!dir.exists(files::UndoName))
        return std::nullopt;
    const std::vector<unsigned char> bytes = readWholeFile(dir, files::UndoName);
    const std::string text(bytes.begin(), bytes.end());
    const std::size_t eol = text.find('\n');
    if (eol != 1 || (text[0] != '0' && text[0] != '1'))
        return std::nullopt; // not ours: nothing known to take back
    return UndoRecord{text[0] == '1', text.substr(2)};
}

void writeUndoRecord(const DataDir& dir, const UndoRecord& record) {
    const std::string text = std::string(record.undone ? "1" : "0") + "\n" + record.name;
    writeWholeFile(dir, files::UndoName, std::vector<unsigned char>(text.begin(), text.end()));
}

bool linkFile(const DataDir& dir, const char* from, const char* to) {
    if (dir.injectedFault(FileStep::Create, to) != 0)
        return false;
    std::error_code ec;
    fs::create_hard_link(dir.path(from), dir.path(to), ec);
    return !ec;
}

// Exchanges two names by three renames through VELMORIX.SWP; a failed step
// undoes the ones before it. Only when undoing fails too does VELMORIX.SWP
// stay, holding the list, and the error says so.
void swapWithUndoCopy(const DataDir& dir) {
    const auto rollback = [&](const auto& steps, const FileError& cause) {
        try {
            steps();
        } catch (const FileError&) {
            throw FileError(files::List,
                            cause.operation() + "; liste şimdi '" + files::UndoSwap + "' dosyasında",
                            cause.systemError());
        }
        throw cause;
    };
    dir.rename(files::List, files::UndoSwap, files::List);
    try {
        dir.rename(files::UndoList, files::List, files::List);
    } catch (const FileError& e) {
        rollback([&] { dir.rename(files::UndoSwap, files::List, files::List); }, e);
    }
    try {
        dir.rename(files::UndoSwap, files::UndoList, files::List);
    } catch (const FileError& e) {
        rollback(
            [&] {
                dir.rename(files::List, files::UndoList, files::List);
                dir.rename(files::UndoSwap, files::List, files::List);
            },
            e);
    }
}

// Exchanges the list and the undo copy, either of which may be missing
// (missing stands for "no list").
void exchange(const DataDir& dir) {
    const bool list = dir.exists(files::List);
    const bool kept = dir.exists(files::UndoList);
    if (list && kept)
        swapWithUndoCopy(dir);
    else if (kept)
        dir.rename(files::UndoList, files::List, files::List);
    else if (list)
        dir.rename(files::List, files::UndoList, files::List);
}

} // namespace

ListUndoPoint::ListUndoPoint(const DataDir& dir, std::string name) : m_dir(dir), m_name(std::move(name)) {
    if (m_dir.exists(files::UndoPending)) // left by a command that never finished
        m_dir.remove(files::UndoPending);
    m_hadList = m_dir.exists(files::List);
    if (!m_hadList)
        return;
    if (!linkFile(m_dir, files::List, files::UndoPending)) {
        try {
            copyFileSafe(m_dir, files::List, files::UndoPending);
        } catch (const FileError& e) {
            throw FileError(files::UndoList, e.operation(), e.systemError());
        }
    }
    // Taken after the link, which changes the list's change time.
    m_stamp = m_dir.stamp(files::List);
}

bool ListUndoPoint::listChanged() const {
    if (!m_hadList)
        return m_dir.exists(files::List);
    if (!m_dir.exists(files::List))
        return true;
    return !(m_dir.stamp(files::List) == m_stamp);
}

ListUndoPoint::~ListUndoPoint() {
    try {
        if (!listChanged()) {
            m_dir.remove(files::UndoPending);
            return;
        }
        // The old step is gone first, so a failure below never leaves a name
        // that does not fit the copy.
        m_dir.remove(files::UndoName);
        if (m_hadList)
            m_dir.rename(files::UndoPending, files::UndoList, files::UndoList);
        else
            m_dir.remove(files::UndoList);
        writeUndoRecord(m_dir, {false, m_name});
    } catch (...) {
        // Nothing can be reported from here; with no record Ctrl+Z says there is nothing to take back.
        try {
            m_dir.remove(files::UndoName);
            m_dir.remove(files::UndoPending);
        } catch (...) {
        }
    }
}

UndoResult undoLastListChange(const DataDir& dir) {
    const std::optional<UndoRecord> record = readUndoRecord(dir);
    if (!record)
        return {};
    exchange(dir);
    try {
        writeUndoRecord(dir, {!record->undone, record->name});
    } catch (const FileError&) {
        try {
            exchange(dir);
        } catch (const FileError&) {
        }
        throw;
    }
    return {record->undone ? UndoOutcome::Redone : UndoOutcome::Undone, record->name};
}

std::string undoMessage(const UndoResult& result, int32_t listColumns) {
    std::string text;
    switch (result.outcome) {
    case UndoOutcome::Nothing:
        return "Geri alınacak işlem yok !";
    case UndoOutcome::Undone:
        text = "Son işlem geri alındı: " + result.name + "\r(Tekrar CTRL+Z ile yeniden yapılır.)";
        break;
    case UndoOutcome::Redone:
        text = "Geri alınan işlem yeniden yapıldı: " + result.name;
        break;
    }
    return text +
           "\r\rKombinasyon Listesi:" + (listColumns < 0 ? std::string(" yok") : Str(listColumns) + " kolon");
}

} // namespace velmorix
