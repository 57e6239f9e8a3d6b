#pragma once

#include "core/Clock.h"
#include "core/CommandOutcome.h"
#include "core/DataDir.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmorix {

// The range check of the combination list's print dialog: the message that
// refuses start..end for a list of `count` columns, or nothing.
std::optional<std::string> listRangeError(int64_t start, int64_t end, int32_t count);
inline constexpr const char* BadStartText = "Başlangıç numarası GEÇERSİZ !";
inline constexpr const char* BadEndText = "Bitiş Numarası GEÇERSİZ !";

// The message after VELMORIX.TXT was written: " 1234 byte "VELMORIX.TXT" dosyasına yazıldı."
std::string bytesWrittenText(int64_t length);

// `write-list [START END]`: writes the combination list (records START..END,
// all when no range is given) to VELMORIX.TXT exactly as its print dialog
// does. A refused range or a file error leaves an existing VELMORIX.TXT as it was.
CommandOutcome runWriteList(const DataDir& dir, const Clock& clock, const std::vector<std::string>& args);

} // namespace velmorix
