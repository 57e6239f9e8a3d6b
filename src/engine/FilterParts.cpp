#include "FilterParts.h"

#include "core/Numbers.h"

namespace velmorix {

namespace {

constexpr int16_t True = -1;
constexpr int16_t False = 0;

// The prepared selection with every filter switched off; the values the parts
// need (relation levels, decade table, sum bounds, LastWeeks, the span) stay.
FilterSelection nothingOn(const FilterSelection& s) {
    FilterSelection z = s;
    z.RepeatBanLevel = 0;
    z.MathRelOff = True;
    z.ChaosOn = False;
    z.ForbiddenPairsOn = False;
    z.OtherFiltersOn = False;
    for (int i = 0; i < 13; ++i)
        z.otherFlag(i) = False;
    z.SextetLimit = -1;
    z.PlayedLimit = -1;
    z.ResultLimit = -1;
    z.DecadeFilterOn = False;
    z.DecadeHitOn = False;
    z.SumRule[0] = False;
    return z;
}

std::string similarityName(const char* frame, int limit) {
    return std::string(frame) + " (" + digits(sharedBallsForLimit(limit)) + " benzer)";
}

// The other filters in the order OtherFiltersTest runs them, with the captions
// of their boxes. Part A runs only without the chaos filters.
struct OtherFilter {
    FilterPart part;
    int flag; // index of FilterSelection::otherFlag
    bool partA;
    const char* caption;
};
constexpr OtherFilter OtherFilters[] = {
    {FilterPart::OddEven, 0, true, "6 tek ve 6 çift yasağı"},
    {FilterPart::HalfSplit, 1, true, nullptr}, // names the game's half: halfSplitCaption
    {FilterPart::LastDigit, 2, true, "Son rakam aynı en çok 3"},
    {FilterPart::DecadesMin3, 3, true, "Onluk gurup en az 3 olsun"},
    {FilterPart::DecadeShape, 10, true, "Onluk gurup dağılımı farklı"},
    {FilterPart::DiffRepeat, 11, true, "İkili farklar en çok 2 aynı"},
    {FilterPart::LastTwoWeeks, 4, false, "Son 2 hafta ile benzer"},
    {FilterPart::LastWeek, 5, false, "Son hafta 3'den az benzer"},
    {FilterPart::LastWeekSpan, 6, false, "Son hafta sayı farkı yasak"},
    {FilterPart::GapPattern, 7, false, "Sayı aralıkları aynı olamaz"},
    {FilterPart::SumRepeat, 8, false, "Sayı toplamı aynı olamaz"},
    {FilterPart::ResultsMin3, 12, false, "Sonuçlarla en az 3 benzer"},
};

// Whether an other filter that is ticked can fail a column with this context.
bool takesEffect(const OtherFilter& f, const FilterSelection& s, const RunContext& ctx) {
    const int16_t value = s.otherFlag(f.flag);
    switch (f.part) {
    case FilterPart::LastWeekSpan:
        return value > 0;
    case FilterPart::DecadeShape:
        return value != 0 && !ctx.decadeShapes.empty();
    case FilterPart::GapPattern:
        return value != 0 && ctx.gapPatterns.k() == 5;
    default:
        return value != 0;
    }
}

// The suffix "le/la/yle/yla" after a number read aloud: the vowel of the
// ablative's suffix, and a "y" after a last word that ends in a vowel.
std::string instrumentalSuffix(int number) {
    const std::string_view ablative = ablativeSuffix(number);
    const bool back = ablative.find('a') != std::string_view::npos;
    const int ones = number % 10;
    const int tens = number / 10 % 10;
    const bool vowel = ones != 0 ? (ones == 2 || ones == 6 || ones == 7) : (tens == 2 || tens == 5);
    return std::string(vowel ? "y" : "") + (back ? "la" : "le");
}

} // namespace

std::string halfSplitCaption(const Game& game) {
    const int half = game.scaled(25);
    return digits(half) + "'" + instrumentalSuffix(half) + " sınırlı 6'lılar yasak";
}

std::vector<SelectionPart> selectionParts(const FilterSelection& s, const RunContext& ctx) {
    const FilterSelection none = nothingOn(s);
    std::vector<SelectionPart> parts;
    auto add = [&](FilterPart part, std::string name, auto&& enable) {
        FilterSelection alone = none;
        enable(alone);
        parts.push_back({part, std::move(name), alone});
    };

    if (s.SumRule[0] != 0)
        add(FilterPart::Sums, "Toplam Filtreleri", [&](FilterSelection& a) { a.SumRule[0] = s.SumRule[0]; });
    if (s.DecadeFilterOn != 0)
        add(FilterPart::Decades, "Ondalık Gurup Filtreleri", [&](FilterSelection& a) {
            a.DecadeFilterOn = s.DecadeFilterOn;
            a.DecadeHitOn = s.DecadeHitOn;
        });
    if (s.ForbiddenPairsOn != 0)
        add(FilterPart::ForbiddenPairs, "Yasak İkililer",
            [&](FilterSelection& a) { a.ForbiddenPairsOn = s.ForbiddenPairsOn; });
    if (s.MathRelOff == 0)
        add(FilterPart::MathRelations, "Matematiksel İlişki Yasakları",
            [](FilterSelection& a) { a.MathRelOff = False; });
    else if (s.ChaosOn != 0)
        add(FilterPart::Chaos, "Varsayılan Kaos Filtreleri",
            [&](FilterSelection& a) { a.ChaosOn = s.ChaosOn; });
    if (s.ResultLimit >= 0 && ctx.resultCount > 0)
        add(FilterPart::Results, similarityName("Sonuçlar", s.ResultLimit),
            [&](FilterSelection& a) { a.ResultLimit = s.ResultLimit; });
    if (s.PlayedLimit >= 0 && ctx.playedCount > 0)
        add(FilterPart::Played, similarityName("Oynananlar", s.PlayedLimit),
            [&](FilterSelection& a) { a.PlayedLimit = s.PlayedLimit; });
    if (s.SextetLimit >= 0 && ctx.sextetCount > 0)
        add(FilterPart::Sextets, similarityName("Yasak Kombinasyonlar", s.SextetLimit),
            [&](FilterSelection& a) { a.SextetLimit = s.SextetLimit; });
    if (s.OtherFiltersOn != 0)
        for (const OtherFilter& f : OtherFilters) {
            if ((f.partA && s.ChaosOn != 0) || !takesEffect(f, s, ctx))
                continue;
            add(f.part, f.caption ? std::string(f.caption) : halfSplitCaption(ctx.game),
                [&](FilterSelection& a) {
                    a.OtherFiltersOn = s.OtherFiltersOn;
                    a.otherFlag(f.flag) = s.otherFlag(f.flag);
                });
        }
    return parts;
}

std::string repetitionBanName(int level) {
    return "Tekrar Yasakları (" + digits(level) + " aynı top)";
}

} // namespace velmorix
