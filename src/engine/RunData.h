#pragma once

#include "RunContext.h"

#include "core/DataDir.h"
#include "core/FilterSelection.h"

#include <array>
#include <cstdint>
#include <memory>

namespace velmorix {

// A private copy of the data files a filter run reads (results, played
// columns, forbidden sextets, forbidden pairs), taken at one moment, for the
// commands that look at a selection without building anything: the live count
// and the back-test. Runs prepared on the copy never touch the player's files
// or the window's selection, and the player may go on editing the originals
// while a count runs on another thread.
//
// A preparation deletes an empty data file it finds; to a run an empty file
// and a missing one are the same, so an empty file is simply not copied and
// the copy is never changed after it was taken.
class RunData {
public:
    // Copies the files of `source` into a fresh folder under the system's
    // temporary folder. Throws FileError naming the file that could not be copied.
    static std::shared_ptr<const RunData> take(const DataDir& source);
    ~RunData();
    RunData(const RunData&) = delete;
    RunData& operator=(const RunData&) = delete;

    const DataDir& dir() const { return m_dir; }
    // True while the files of `source` are still the ones that were copied.
    bool current(const DataDir& source) const;

    // prepareRunContext on the copy, for the caller's own selection (which it
    // changes as every run does: filters without data off, LastWeeks, the span).
    RunContext prepare(FilterSelection& selection, const Game& game = Game()) const;

private:
    using Stamps = std::array<sysfile::Stamp, 4>;
    static Stamps stampsOf(const DataDir& source);

    explicit RunData(DataDir dir) : m_dir(std::move(dir)) {}

    DataDir m_dir;
    std::filesystem::path m_source;
    Stamps m_stamps{};
};

} // namespace velmorix
