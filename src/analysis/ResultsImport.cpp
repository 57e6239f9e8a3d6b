#include "ResultsImport.h"

#include "core/ColumnFile.h"
#include "core/DateCode.h"
#include "core/Encoding.h"
#include "core/FileError.h"
#include "core/Numbers.h"
#include "core/SystemFile.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <set>
#include <tuple>

namespace velmorix::resultsimport {

namespace {

// A text of draws this large is no results list (32767 lines of a few dozen bytes).
constexpr int64_t MaxFileBytes = 64 * 1024 * 1024;

bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        if (c < 0x80)
            extra = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            extra = 1;
        else if ((c & 0xF0) == 0xE0)
            extra = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (extra > 0 && i + extra >= s.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

// Letters of month names without case or Turkish marks: "Ağustos" -> "agustos".
std::string folded(std::string_view word) {
    static const std::pair<const char*, char> Turkish[] = {
        {"ç", 'c'}, {"Ç", 'c'}, {"ğ", 'g'}, {"Ğ", 'g'}, {"ı", 'i'}, {"İ", 'i'},
        {"ö", 'o'}, {"Ö", 'o'}, {"ş", 's'}, {"Ş", 's'}, {"ü", 'u'}, {"Ü", 'u'},
    };
    std::string out;
    for (std::size_t i = 0; i < word.size();) {
        bool mapped = false;
        for (const auto& [from, to] : Turkish) {
            const std::string_view f(from);
            if (word.substr(i, f.size()) == f) {
                out.push_back(to);
                i += f.size();
                mapped = true;
                break;
            }
        }
        if (mapped)
            continue;
        const char c = word[i++];
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return out;
}

// A month name, Turkish or English, full or short; a word that begins with
// the first three letters of a month counts as that month, so "Febraury" or
// "Eyl." is read as a player would read it.
int monthOf(std::string_view word) {
    static const char* const Turkish[12] = {"oca", "sub", "mar", "nis", "may", "haz",
                                            "tem", "agu", "eyl", "eki", "kas", "ara"};
    static const char* const English[12] = {"jan", "feb", "mar", "apr", "may", "jun",
                                            "jul", "aug", "sep", "oct", "nov", "dec"};
    const std::string f = folded(word);
    if (f.size() < 3 || f.size() > 9)
        return 0;
    const std::string_view start = std::string_view(f).substr(0, 3);
    for (int m = 0; m < 12; ++m)
        if (start == Turkish[m] || start == English[m])
            return m + 1;
    return 0;
}

struct Token {
    enum class Kind { Number, Word, Separator } kind;
    std::string_view text;
    int64_t value = 0;  // numbers: saturated
    bool glued = false; // a number stuck to letters
    bool used = false;  // taken as part of the date
};

bool isLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

std::vector<Token> tokens(std::string_view line) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < line.size()) {
        const auto c = static_cast<unsigned char>(line[i]);
        const std::size_t start = i;
        if (c >= '0' && c <= '9') {
            int64_t v = 0;
            while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
                v = v > std::numeric_limits<int64_t>::max() / 10 ? std::numeric_limits<int64_t>::max()
                                                                 : v * 10 + (line[i] - '0');
                ++i;
            }
            out.push_back({Token::Kind::Number, line.substr(start, i - start), v});
        } else if (c == 0xC2 && i + 1 < line.size() && static_cast<unsigned char>(line[i + 1]) == 0xA0) {
            i += 2; // a no-break space
            out.push_back({Token::Kind::Separator, " "});
        } else if (isLetter(c)) {
            while (i < line.size() && isLetter(static_cast<unsigned char>(line[i])))
                ++i;
            out.push_back({Token::Kind::Word, line.substr(start, i - start)});
        } else {
            ++i;
            out.push_back({Token::Kind::Separator, line.substr(start, 1)});
        }
    }
    for (std::size_t k = 0; k < out.size(); ++k) {
        if (out[k].kind != Token::Kind::Number)
            continue;
        const bool before = k > 0 && out[k - 1].kind == Token::Kind::Word;
        const bool after = k + 1 < out.size() && out[k + 1].kind == Token::Kind::Word;
        out[k].glued = before || after;
    }
    return out;
}

bool isNumber(const Token& t) {
    return t.kind == Token::Kind::Number && !t.glued && !t.used;
}

// dd.mm.yyyy, dd/mm/yyyy, dd-mm-yyyy, yyyy-mm-dd (and yyyy.mm.dd, yyyy/mm/dd).
bool numericDate(std::vector<Token>& t, std::size_t k, CalendarDate& date) {
    if (k + 4 >= t.size() || !isNumber(t[k]) || !isNumber(t[k + 2]) || !isNumber(t[k + 4]))
        return false;
    const Token& s1 = t[k + 1];
    const Token& s2 = t[k + 3];
    if (s1.kind != Token::Kind::Separator || s2.kind != Token::Kind::Separator || s1.text != s2.text)
        return false;
    const char sep = s1.text[0];
    if (sep != '.' && sep != '/' && sep != '-')
        return false;
    if (t[k].text.size() == 4 && t[k + 4].text.size() <= 2)
        date = {static_cast<int>(t[k].value), static_cast<int>(t[k + 2].value),
                static_cast<int>(t[k + 4].value)};
    else if (t[k + 4].text.size() == 4 && t[k].text.size() <= 2)
        date = {static_cast<int>(t[k + 4].value), static_cast<int>(t[k + 2].value),
                static_cast<int>(t[k].value)};
    else
        return false;
    if (t[k + 2].text.size() > 2)
        return false;
    for (std::size_t u = k; u <= k + 4; ++u)
        t[u].used = true;
    return true;
}

// Separators that may stand inside a date written with a month name.
bool dateFiller(const Token& t) {
    return t.kind == Token::Kind::Separator && (t.text == " " || t.text == "\t" || t.text == "," ||
                                                t.text == "." || t.text == "-" || t.text == "/");
}

std::size_t skipFiller(const std::vector<Token>& t, std::size_t k) {
    while (k < t.size() && dateFiller(t[k]))
        ++k;
    return k;
}

// "June 12, 1982", "12 Haziran 2005", "12-Jun-2005".
bool namedDate(std::vector<Token>& t, std::size_t k, CalendarDate& date) {
    if (t[k].kind == Token::Kind::Word) {
        const int month = monthOf(t[k].text);
        const std::size_t d = skipFiller(t, k + 1);
        if (month == 0 || d >= t.size() || !isNumber(t[d]) || t[d].text.size() > 2)
            return false;
        const std::size_t y = skipFiller(t, d + 1);
        if (y >= t.size() || !isNumber(t[y]) || t[y].text.size() != 4)
            return false;
        date = {static_cast<int>(t[y].value), month, static_cast<int>(t[d].value)};
        t[k].used = t[d].used = t[y].used = true;
        return true;
    }
    if (!isNumber(t[k]) || t[k].text.size() > 2)
        return false;
    const std::size_t m = skipFiller(t, k + 1);
    if (m >= t.size() || t[m].kind != Token::Kind::Word || monthOf(t[m].text) == 0)
        return false;
    const std::size_t y = skipFiller(t, m + 1);
    if (y >= t.size() || !isNumber(t[y]) || t[y].text.size() != 4)
        return false;
    date = {static_cast<int>(t[y].value), monthOf(t[m].text), static_cast<int>(t[k].value)};
    t[k].used = t[m].used = t[y].used = true;
    return true;
}

// The first date of the line, taken out of its numbers.
std::optional<CalendarDate> takeDate(std::vector<Token>& t) {
    for (std::size_t k = 0; k < t.size(); ++k) {
        CalendarDate date;
        if (numericDate(t, k, date) || namedDate(t, k, date))
            return date;
    }
    return std::nullopt;
}

bool plausible(const CalendarDate& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31;
}

// Column records have no Tag for a date outside the years the file allows.
int32_t tagFor(const std::optional<CalendarDate>& d) {
    if (!d || !plausible(*d) || d->year < DateCodeFirstYear || d->year > DateCodeLastYear)
        return KeepMark;
    return encodeDateCode(d->year, d->month, d->day);
}

std::string_view withoutBom(std::string_view s) {
    return s.substr(0, 3) == "\xEF\xBB\xBF" ? s.substr(3) : s;
}

bool blank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

void parseLine(std::string_view line, int32_t number, Parsed& out) {
    std::vector<Token> t = tokens(line);
    std::optional<CalendarDate> date = takeDate(t);
    std::vector<int64_t> numbers;
    for (const Token& token : t)
        if (isNumber(token))
            numbers.push_back(token.value);
    if (numbers.empty() && !date) {
        ++out.textLines;
        return;
    }
    const auto count = static_cast<int64_t>(numbers.size());
    if (count < 6) {
        out.bad.push_back({number, LineProblem::TooFewNumbers, count});
        return;
    }
    if (count > 8) {
        out.bad.push_back({number, LineProblem::TooManyNumbers, count});
        return;
    }
    ImportedDraw draw;
    draw.line = number;
    uint64_t seen = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        const int64_t v = numbers[i];
        if (v < 1 || v > 49) {
            out.bad.push_back({number, LineProblem::BallOutOfRange, v});
            return;
        }
        if ((seen >> v) & 1u) {
            out.bad.push_back({number, LineProblem::RepeatedBall, v});
            return;
        }
        seen |= uint64_t{1} << v;
        draw.balls[i] = static_cast<int16_t>(v);
    }
    std::sort(draw.balls.begin(), draw.balls.end());
    if (date && plausible(*date))
        draw.date = date;
    draw.tag = tagFor(draw.date);
    out.draws.push_back(draw);
}

bool earlier(const CalendarDate& a, const CalendarDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

} // namespace

Parsed parse(std::string_view raw) {
    std::string decoded;
    std::string_view text = withoutBom(raw);
    if (!validUtf8(text)) {
        decoded = fromWindows1254(text);
        text = decoded;
    }
    Parsed out;
    std::size_t start = 0;
    while (start < text.size()) {
        // A line ends at LF, CR LF or a lone CR.
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        const std::string_view line = text.substr(start, end - start);
        ++out.lines;
        if (!blank(line))
            parseLine(line, out.lines, out);
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return out;
}

std::string readTextFile(const std::filesystem::path& path) {
    const std::string name = sysfile::toUtf8(path.filename());
    sysfile::File file;
    if (int err = file.open(path, sysfile::File::Mode::Read))
        throw FileError(name, "okunamadı", err);
    std::string out;
    char buffer[65536];
    for (;;) {
        std::size_t n = 0;
        if (int err = file.read(buffer, sizeof buffer, n))
            throw FileError(name, "okunamadı", err);
        if (n == 0)
            break;
        out.append(buffer, n);
        if (static_cast<int64_t>(out.size()) > MaxFileBytes)
            throw FileError(name, "bir sonuç listesi olamayacak kadar büyük", EFBIG);
    }
    return out;
}

namespace {

uint64_t maskOf(const std::array<int16_t, 6>& balls) {
    return columnMask(balls);
}

// A list that starts with the newest draw is turned round, so that the file
// still ends with the last result. Only the direction of the dates counts: a
// mistyped date here and there must not move draws about.
std::vector<ImportedDraw> inOrder(const Parsed& parsed, bool& reversed) {
    std::vector<ImportedDraw> draws = parsed.draws;
    int rising = 0, falling = 0;
    const CalendarDate* previous = nullptr;
    for (const ImportedDraw& d : draws) {
        if (!d.date)
            continue;
        if (previous) {
            rising += earlier(*previous, *d.date);
            falling += earlier(*d.date, *previous);
        }
        previous = &*d.date;
    }
    reversed = falling > rising;
    if (reversed)
        std::reverse(draws.begin(), draws.end());
    return draws;
}

} // namespace

int32_t countDuplicates(const Parsed& parsed, const std::vector<ColumnRecord>& existing) {
    std::set<uint64_t> known;
    for (const ColumnRecord& r : existing)
        if (const uint64_t m = maskOf(r.Ball))
            known.insert(m);
    int32_t duplicates = 0;
    for (const ImportedDraw& d : parsed.draws)
        if (!known.insert(maskOf(d.balls)).second)
            ++duplicates;
    return duplicates;
}

Plan plan(const Parsed& parsed, const std::vector<ColumnRecord>& existing, bool skipDuplicates) {
    Plan p;
    std::set<uint64_t> known;
    for (const ColumnRecord& r : existing)
        if (const uint64_t m = maskOf(r.Ball))
            known.insert(m);
    for (const ImportedDraw& d : inOrder(parsed, p.reversed)) {
        if (!known.insert(maskOf(d.balls)).second && skipDuplicates) {
            ++p.duplicates;
            continue;
        }
        ColumnRecord r;
        r.Tag = d.tag;
        r.Ball = d.balls;
        p.records.push_back(r);
    }
    const int64_t room = std::max<int64_t>(0, MaxResults - static_cast<int64_t>(existing.size()));
    if (static_cast<int64_t>(p.records.size()) > room) {
        p.overLimit = static_cast<int32_t>(static_cast<int64_t>(p.records.size()) - room);
        p.records.resize(static_cast<std::size_t>(room));
    }
    return p;
}

int32_t append(const DataDir& dir, const std::vector<ColumnRecord>& records) {
    const std::vector<ColumnRecord> existing = readAllRecords(dir, files::Results);
    ColumnWriter out(dir, files::Results, defaultTempName(files::Results));
    for (const ColumnRecord& r : existing)
        out.write(r);
    for (const ColumnRecord& r : records)
        out.write(r);
    out.commit();
    return out.count();
}

std::string badLineText(const BadLine& bad) {
    std::string why;
    switch (bad.problem) {
    case LineProblem::TooFewNumbers:
        why = "6 top yok (" + digits(bad.value) + " sayı)";
        break;
    case LineProblem::TooManyNumbers:
        why = "sayı çok fazla (" + digits(bad.value) + " sayı)";
        break;
    case LineProblem::BallOutOfRange:
        why = "1-49 dışında sayı (" + digits(bad.value) + ")";
        break;
    case LineProblem::RepeatedBall:
        why = "top tekrarı (" + digits(bad.value) + ")";
        break;
    }
    return "Satır" + Str(bad.line) + ": " + why;
}

std::string badLinesText(const std::vector<BadLine>& bad, std::size_t shown) {
    std::string text = "Hatalı satırlar (atlandı):";
    for (std::size_t i = 0; i < bad.size() && i < shown; ++i)
        text += "\r" + badLineText(bad[i]);
    if (bad.size() > shown)
        text += "\r... ve" + Str(static_cast<int64_t>(bad.size() - shown)) + " satır daha";
    return text;
}

std::string duplicatesQuestion(int32_t duplicates) {
    return "Dosyadaki" + Str(duplicates) +
           " kolon mevcut sonuçlarla (veya dosyadaki önceki bir satırla) aynı.\r\rAynı olan kolonlar "
           "atlansın mı ?";
}

std::string appendQuestion(const Plan& plan) {
    std::string text = Str(static_cast<int64_t>(plan.records.size())) +
                       " kolon sonuçlar ('VELMORIX.RES') dosyasının sonuna eklenecek.";
    if (plan.overLimit > 0)
        text += "\r\rSonuç dosyası en çok 32767 kolon alabildiği için" + Str(plan.overLimit) +
                " kolon eklenemeyecek.";
    return text + "\r\rDevam etmek istiyormusunuz ?";
}

std::string nothingValidText(const Parsed& parsed) {
    std::string text = "Dosyada eklenecek geçerli bir sonuç kolonu bulunamadı !";
    if (!parsed.bad.empty())
        text += "\r\r" + badLinesText(parsed.bad);
    return text;
}

std::string nothingNewText(const Parsed& parsed, const Plan& plan) {
    std::string text = "Dosyadaki kolonların hepsi sonuçlarda zaten var; yeni bir kolon eklenmedi.";
    text += "\r\rAtlanan kolon sayısı:" + Str(plan.duplicates);
    if (!parsed.bad.empty())
        text += "\r\r" + badLinesText(parsed.bad);
    return text;
}

std::string summaryText(const std::string& fileName, const Parsed& parsed, const Plan& plan,
                        int32_t resultsNow) {
    const auto added = static_cast<int64_t>(plan.records.size());
    int64_t undated = 0;
    for (const ColumnRecord& r : plan.records)
        undated += r.Tag == KeepMark;
    std::string text = "'" + fileName + "' dosyasından" + Str(added) + " sonuç kolonu eklendi.";
    text += "\r\rOkunan satır sayısı:" + Str(parsed.lines);
    text += "\rGeçerli kolon sayısı:" + Str(static_cast<int64_t>(parsed.draws.size()));
    if (plan.duplicates > 0)
        text += "\rAynı olduğu için atlanan:" + Str(plan.duplicates);
    if (plan.overLimit > 0)
        text += "\r32767 sınırı nedeniyle eklenemeyen:" + Str(plan.overLimit);
    if (undated > 0)
        text += "\rTarihsiz eklenen (tarih yok veya 2003-2099 dışında):" + Str(undated);
    if (parsed.textLines > 0)
        text += "\rSayı içermeyen (başlık) satır:" + Str(parsed.textLines);
    if (plan.reversed)
        text += "\rDosya en yeni çekilişle başladığı için kolonlar ters sırayla eklendi.";
    text += "\rSonuç dosyasındaki kolon sayısı:" + Str(resultsNow);
    if (!parsed.bad.empty())
        text += "\r\r" + badLinesText(parsed.bad);
    return text;
}

} // namespace velmorix::resultsimport
