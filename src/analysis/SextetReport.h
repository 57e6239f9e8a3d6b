#pragma once

#include "core/Clock.h"
#include "core/DataDir.h"

#include <cstdint>
#include <functional>
#include <string>

namespace velmorix {

// The forbidden sextets report: a title with the date and time, one line per
// sextet ("Kolon 07 - 01, 02, 03, 04, 05, 06  [021]"), the total line.
// `line` gets every line in UTF-8; on paper the title ends with " ] ".
void forEachSextetReportLine(const DataDir& dir, const Clock& clock, bool onPaper,
                             const std::function<void(const std::string&)>& line);

// Writes the report to VELMORIX.TXT; `progress` gets the bytes written after
// every line. Returns the file's length.
int64_t writeSextetReport(const DataDir& dir, const Clock& clock,
                          const std::function<void(int64_t bytes)>& progress = {});

} // namespace velmorix
