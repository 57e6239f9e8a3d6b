#include "PreviousList.h"

#include "core/ColumnFile.h"
#include "core/FileError.h"

#include <functional>

namespace velmorix {

namespace {

// Undoes renames after a failed step; a failure here leaves the list in
// VELMORIX.SWP, and the error says where it is.
[[noreturn]] void undo(const std::function<void()>& steps, const FileError& cause) {
    try {
        steps();
    } catch (const FileError&) {
        throw FileError(files::List, cause.operation() + "; liste şimdi '" + SwapTemp + "' dosyasında",
                        cause.systemError());
    }
    throw cause;
}

} // namespace

ListSwap swapWithPreviousList(const DataDir& dir) {
    if (!dir.exists(files::OldList))
        return ListSwap::NoPrevious;
    if (!dir.exists(files::List)) {
        dir.rename(files::OldList, files::List, files::List);
        return ListSwap::Restored;
    }
    dir.rename(files::List, SwapTemp, files::List);
    try {
        dir.rename(files::OldList, files::List, files::List);
    } catch (const FileError& e) {
        undo([&] { dir.rename(SwapTemp, files::List, files::List); }, e);
    }
    try {
        dir.rename(SwapTemp, files::OldList, files::List);
    } catch (const FileError& e) {
        undo(
            [&] {
                dir.rename(files::List, files::OldList, files::List);
                dir.rename(SwapTemp, files::List, files::List);
            },
            e);
    }
    return ListSwap::Swapped;
}

} // namespace velmorix
