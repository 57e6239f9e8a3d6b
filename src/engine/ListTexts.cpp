#include "ListTexts.h"

#include "core/Numbers.h"

#include <cmath>

namespace velmorix::listtexts {

namespace {
const std::string Faz = "Faz ";
} // namespace

std::string totalLabel(int64_t total) {
    return "Toplam Kombinasyon = " + Str(total);
}
std::string keptLabel() {
    return "Uygun Kombinasyon = ";
}
std::string keptLabel(int64_t kept) {
    return keptLabel() + Str(kept);
}
std::string startLabel(const std::string& time) {
    return "Başlama Zamanı = " + time;
}
std::string endLabel(const std::string& time) {
    return "Bitiş Zamanı = " + time;
}
std::string errorTimeLabel(const std::string& time) {
    return "Hata zamanı =" + time;
}

Message nothingToList(int n, int r, int64_t total) {
    return {"Listelenecek herhangi bir kombinasyon yok !\r\rn=" + Str(n) + "\rr=" + Str(r) +
                "\r\rKombinasyon(n,r)=" + Str(total),
            titles::Error, MessageIcon::Exclamation};
}

Message singleCombination(const std::string& balls) {
    return {"Sadece 1 kombinasyon var !\r\rToplar: " + balls, titles::Program, MessageIcon::Exclamation};
}

Question buildQuestion(int64_t total, int n, int r) {
    return {"Kombinasyonların toplam sayısı:" + Str(total) + "\r\r[ n=" + Str(n) + ", r=" + Str(r) +
                " ]\r\rYeni bir kombinasyon listesi oluşturmak istiyormusunuz ?",
            titles::Program};
}

Message buildDone(int64_t listRecords) {
    return {Str(listRecords) + " kolon kombinasyon listesine eklendi.", titles::ProgramSpaced,
            MessageIcon::None};
}

Message buildFailed(int16_t buildStep) {
    return {"Yeni kombinasyon listesi yapılırken hata oluştu !\r\r[ Kademe=" + Str(buildStep) + " ]",
            titles::ProgramSpaced, MessageIcon::Exclamation};
}

Question applyFiltersQuestion(bool fromMenu) {
    return {std::string("Filtreleri mevcut kombinasyon listesine uygulamak istiyormusunuz ?\r\r") +
                (fromMenu ? "NOT: 'EVET' derseniz 'VELMORIX.LST' dosyası değişecek."
                          : "NOT: 'EVET' derseniz 'VELMORIX.LST' dosyası değişecek !"),
            titles::ProgramSpaced};
}

Message nothingToFilter() {
    return {"Filtrelenecek herhangi bir kolon yok !", titles::Program, MessageIcon::Exclamation};
}

Question bankersQuestion() {
    return {"Şu andaki Banko'yu elemede kullanmak istiyormusunuz?", titles::Warning};
}
Question bagQuestion() {
    return {"Şu andaki Torba'yı elemede kullanmak istiyormusunuz?", titles::Warning};
}
Question bagAndBankersQuestion() {
    return {"Şu andaki Torba'yı ve Banko'yu elemede kullanmak istiyormusunuz?", titles::Warning};
}

Message filterDone(int64_t listRecords, bool fromMenu) {
    return {Str(listRecords) + (fromMenu ? " kolon kombinasyon listesine eklendi."
                                         : " kolon kombinasyon listesine kayıtlandı."),
            titles::ProgramSpaced, MessageIcon::None};
}

std::string enumerationTitle(int64_t accepted, int64_t examined) {
    return recordTitle(1, accepted, examined);
}

std::string recordTitle(int phase, int64_t shown, int64_t record) {
    return Faz + std::to_string(phase) + " - Kolon :" + Str(shown) + " - [" + Str(record) + " ]";
}

std::string banStartTitle(int phase) {
    return Faz + std::to_string(phase) + " - Kolon:" + Str(0);
}

std::string banTitle(int phase, int64_t i, int64_t count) {
    // Int(i / count * 100), computed the same way in floating point.
    const auto percent =
        static_cast<int64_t>(std::floor(static_cast<double>(i) / static_cast<double>(count) * 100.0));
    return Faz + std::to_string(phase) + " - Kolon :" + Str(i) + "   %" + Str(percent);
}

std::string banEndTitle(int phase, int64_t count) {
    return Faz + std::to_string(phase) + " - Kolon :" + Str(count) + "   % 100";
}

std::string compactionTitle(int phase, int64_t written) {
    return Faz + std::to_string(phase) + " - Kolon :" + Str(written);
}

} // namespace velmorix::listtexts
