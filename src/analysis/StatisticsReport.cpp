#include "StatisticsReport.h"

#include "core/BallMask.h"

#include "core/ColumnFile.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cstdio>

namespace velmorix {

namespace {

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\r';
        text += lines[i];
    }
    return text;
}

std::vector<std::string> printoutHead(const std::string& dateTime, const std::string& title) {
    return {"VELMORIX 653 DİZİMCİ Uyarlama 4.5  [ " + dateTime + " ]", "", title, ""};
}

} // namespace

StatisticsSource statisticsSource(int subMode) {
    if (subMode == 0)
        return StatisticsSource::Results;
    return subMode == 1 ? StatisticsSource::List : StatisticsSource::Played;
}

const char* statisticsSourceFile(StatisticsSource source) {
    switch (source) {
    case StatisticsSource::Results:
        return files::Results;
    case StatisticsSource::List:
        return files::List;
    case StatisticsSource::Played:
        break;
    }
    return files::Played;
}

std::string reportDateTime(const Clock& clock) {
    const CalendarDate d = clock.today();
    char date[32];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d ", d.day, d.month, d.year);
    return date + clock.timeText();
}

std::string nothingToEvaluateText(StatisticsSource source) {
    switch (source) {
    case StatisticsSource::Results:
        return "Değerlendirilecek herhangi bir sonuç yok !";
    case StatisticsSource::List:
        return "Değerlendirilecek herhangi bir kombinasyon yok !";
    case StatisticsSource::Played:
        break;
    }
    return "Değerlendirilecek herhangi bir oynanmış kolon yok !";
}

std::string statisticsCaption(StatisticsSource source, int first, int last) {
    std::string caption = "Top Tekrar Sayıları ve İstatistikler   ";
    switch (source) {
    case StatisticsSource::Results:
        caption += "SONUÇLAR :";
        break;
    case StatisticsSource::List:
        caption += "KOMBİNASYONLAR :";
        break;
    case StatisticsSource::Played:
        caption += "OYNANAN KOLONLAR :";
        break;
    }
    return caption + Str(first) + " -" + Str(last);
}

std::string statisticsHelpText(StatisticsSource source) {
    if (source == StatisticsSource::Results)
        return joinLines({"F1 = Yasak İkililer'i seçilen sonuçları kullanarak yenile",
                          "F2 = Yasak İkililer'e seçilen sonuçlardaki ikilileri ekle",
                          "F3 = Uç olmayan toplam değerlerini göster",
                          "F4 = Toplam limitlerini toplam filtreleri olarak kayıtla", "",
                          "F9 = Tek top tekrar sayılarını bas", "", "F10 = Yardım", "",
                          "F11 = İki top (İkili) tekrar sayılarını bas", "",
                          "F12 = Toplam, gurup dağılımı ve benzerlik sayılarını bas", "", "ESC = Kapat"});
    std::vector<std::string> lines{"F5 = Son Hafta Benzerliklerini Göster",
                                   "",
                                   "F9 = Tek Top Tekrar Sayılarını Bas",
                                   "",
                                   "F10 = Yardım",
                                   "",
                                   "F11 = İki Top (İkili) Tekrar Sayılarını Bas",
                                   "",
                                   "F12 = Toplam, Gurup Dağılımı ve Benzerlik Sayılarını Bas",
                                   "",
                                   "ESC = Kapat"};
    if (source == StatisticsSource::List)
        lines.erase(lines.begin(), lines.begin() + 2);
    return joinLines(lines);
}

std::vector<std::string> ballCountPrintout(StatisticsSource source, int columns, const RangeStatistics& stats,
                                           const std::string& dateTime) {
    std::string title;
    switch (source) {
    case StatisticsSource::List:
        title = "KOMBİNASYON LİSTESİNDEKİ TOPLARIN TEKRAR SAYILARI";
        break;
    case StatisticsSource::Played:
        title = "OYNANAN KOLONLARDAKİ TOPLARIN TEKRAR SAYILARI";
        break;
    case StatisticsSource::Results:
        title = "SON" + Str(columns) + " HAFTADA TOPLARIN TEKRAR SAYILARI";
        break;
    }
    std::vector<std::string> lines = printoutHead(dateTime, title);
    for (std::string& l : ballCountLines(stats.counts))
        lines.push_back(std::move(l));
    return lines;
}

std::vector<std::string> pairCountPrintout(StatisticsSource source, int columns, const RangeStatistics& stats,
                                           const std::string& dateTime) {
    std::string title;
    switch (source) {
    case StatisticsSource::List:
        title = "KOMBİNASYON LİSTESİNDEKİ İKİLİLERİN TEKRAR SAYILARI";
        break;
    case StatisticsSource::Played:
        title = "OYNANAN KOLONLARDAKİ İKİLİLERİN TEKRAR SAYILARI";
        break;
    case StatisticsSource::Results:
        title = "SON" + Str(columns) + " HAFTADA İKİLİLERİN TEKRAR SAYILARI";
        break;
    }
    std::vector<std::string> lines = printoutHead(dateTime, title);
    for (const PairCountLine& l : pairCountLines(stats.counts))
        if (l.count > 0)
            lines.push_back(l.text);
    return lines;
}

std::vector<std::string> figuresPrintout(StatisticsSource source, int first, int last,
                                         const RangeStatistics& stats, const std::string& dateTime) {
    std::string title;
    switch (source) {
    case StatisticsSource::List:
        title = "Kombinasyonların TOPLAM & GURUP DAĞILIMI & BENZERLİK Sayıları";
        break;
    case StatisticsSource::Played:
        title = "Oynanan Kolonların TOPLAM & GURUP DAĞILIMI & BENZERLİK Sayıları";
        break;
    case StatisticsSource::Results:
        title = "Sonuçların TOPLAM & GURUP DAĞILIMI & BENZERLİK Sayıları";
        break;
    }
    std::vector<std::string> lines = printoutHead(dateTime, title);
    lines.push_back("İlk Kolon =" + Str(first));
    lines.push_back("Son Kolon =" + Str(last));
    lines.push_back("");
    lines.push_back("En Yüksek TOPLAM =" + stats.sumHighText());
    lines.push_back("En Düşük TOPLAM =" + stats.sumLowText());
    lines.push_back("TOPLAM Ortalaması =" + stats.sumMeanText());
    lines.push_back("");
    const Game& game = stats.counts.game;
    for (int g = 0; g < game.decades(); ++g) {
        const std::string name = game.decadeRange(g);
        lines.push_back(name + " Arası En Yüksek Çıkma =" + stats.groupHighText(g));
        lines.push_back(name + " Arası En Düşük Çıkma =" + stats.groupLowText(g));
        lines.push_back(name + (g == 0 ? " Arası Çıkma Ortalaması =" : " Çıkma Ortalaması =") +
                        stats.groupMeanText(g));
    }
    lines.push_back("");
    static const char* const similarity[6] = {
        "Son kolonun bir öncekiyle olan benzerliği =",
        "Son kolonun iki öncekiyle olan benzerliği =",
        "Son kolonun diğerleriyle en yüksek benzerliği =",
        "Tüm kolonların bir öncekileriyle ortalama benzerliği =",
        "Tüm kolonların iki öncekileriyle ortalama benzerliği =",
        "Tüm kolonların birbirleriyle en yüksek benzerliği =",
    };
    const std::array<std::string, 6> figures = stats.similarityTexts();
    for (std::size_t i = 0; i < 6; ++i)
        lines.push_back(similarity[i] + figures[i]);
    return lines;
}

ExtremeFreeSums sumsWithoutExtremes(const std::vector<ColumnRecord>& range, int sumLow, int sumHigh,
                                    const Game& game) {
    ExtremeFreeSums s;
    for (const ColumnRecord& r : range) {
        if (!isGameColumn(game, r.Ball))
            continue;
        int sum = 0;
        for (int16_t b : r.Ball)
            sum += b;
        if (sum <= sumLow || sum >= sumHigh)
            continue;
        s.low = s.count == 0 ? sum : std::min(s.low, sum);
        s.high = s.count == 0 ? sum : std::max(s.high, sum);
        ++s.count;
        s.total += sum;
    }
    return s;
}

namespace {
// The mean as the figures keep it: single precision.
float extremeFreeMean(const ExtremeFreeSums& sums) {
    return static_cast<float>(static_cast<double>(sums.total) / sums.count);
}
} // namespace

std::optional<ReportMessage> extremeFreeSumsMessage(const ExtremeFreeSums& sums, const StatisticsFigures& f,
                                                    int first, int last) {
    if (sums.count < 1)
        return std::nullopt;
    const int64_t share = int64_t{sums.count} * 100 / std::max<int32_t>(f.SumCount, 1);
    ReportMessage m;
    m.title = "%" + digits(share) + " TOPLAM DEĞERLERİ [ Sonuç" + Str(first) + " -" + Str(last) +
              " için UÇ OLMAYAN Toplamlar ]";
    m.text = joinLines({"En Düşük TOPLAM =" + Str(sums.low), "En Yüksek TOPLAM =" + Str(sums.high), "",
                        "Uç Olmayan Toplam Ortalaması =" + singleText(extremeFreeMean(sums)), "",
                        "NOT: İki uç toplam değeri (" + Str(f.SumLow) + " ve" + Str(f.SumHigh) +
                            " ) dikkate alınmamıştır."});
    return m;
}

PlayedSimilarity comparePlayedWithResults(const std::vector<ColumnRecord>& played, const ColumnRecord& last,
                                          const std::optional<ColumnRecord>& secondLast, const Game& game) {
    PlayedSimilarity s;
    int bestLast = -1;
    int bestSecond = -1;
    for (std::size_t i = 0; i < played.size(); ++i) {
        const auto column = static_cast<int32_t>(i + 1);
        const int withLast = similarity(played[i].Ball, last.Ball, game);
        if (withLast > bestLast) {
            bestLast = withLast;
            s.highestWithLast = withLast;
            s.firstColumnWithLast = column;
        }
        if (!secondLast)
            continue;
        const int withSecond = similarity(played[i].Ball, secondLast->Ball, game);
        if (withSecond > bestSecond) {
            bestSecond = withSecond;
            s.highestWithSecondLast = withSecond;
            s.firstColumnWithSecondLast = column;
        }
    }
    return s;
}

ReportMessage playedSimilarityMessage(const PlayedSimilarity& s) {
    return {joinLines({"Son Hafta ile ençok benzerlik=" + Str(s.highestWithLast),
                       "[ İlk Ençok Benzer Kolon=" + Str(s.firstColumnWithLast) + " ]", "",
                       "Sondan 2. Hafta ile ençok benzerlik=" + Str(s.highestWithSecondLast),
                       "[ İlk Ençok Benzer Kolon=" + Str(s.firstColumnWithSecondLast) + " ]"}),
            " Oynananların Son Sonuçlarla Benzerlikleri"};
}

} // namespace velmorix
