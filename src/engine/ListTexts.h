#pragma once

#include "RunMessages.h"

#include <cstdint>
#include <string>

namespace velmorix::listtexts {

// "Son İşlemin Durumu" labels.
std::string totalLabel(int64_t total); // "Toplam Kombinasyon = " & Str(total)
std::string keptLabel();               // "Uygun Kombinasyon = "
std::string keptLabel(int64_t kept);   // "Uygun Kombinasyon = " & Str(kept)
std::string startLabel(const std::string& time = {});
std::string endLabel(const std::string& time = {});
inline constexpr const char* ErrorLabel = "Hata oluştu...";
std::string errorTimeLabel(const std::string& time); // "Hata zamanı =" & time

// Building a new list.
Message nothingToList(int n, int r, int64_t total);
Message singleCombination(const std::string& balls); // balls: " " & Str(ball) for each
Question buildQuestion(int64_t total, int n, int r);
Message buildDone(int64_t listRecords);
Message buildFailed(int16_t buildStep);

// Filtering the existing list.
Question applyFiltersQuestion(bool fromMenu);
Message nothingToFilter();
Question bankersQuestion();
Question bagQuestion();
Question bagAndBankersQuestion();
Message filterDone(int64_t listRecords, bool fromMenu);

// Window titles while a list is built or filtered.
std::string enumerationTitle(int64_t accepted, int64_t examined);  // build phase 1
std::string recordTitle(int phase, int64_t shown, int64_t record); // filter phases 1 and 2
std::string banStartTitle(int phase);                              // "Faz n - Kolon:" & Str(0)
std::string banTitle(int phase, int64_t i, int64_t count);         // with the percentage
std::string banEndTitle(int phase, int64_t count);                 // "   % 100"
std::string compactionTitle(int phase, int64_t written);

} // namespace velmorix::listtexts
