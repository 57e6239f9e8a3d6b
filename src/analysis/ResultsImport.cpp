#include "ResultsImport.h"

#include "core/BallMask.h"

#include "core/ColumnFile.h"
#include "core/DateCode.h"
#include "core/Encoding.h"
#include "core/FileError.h"
#include "core/Numbers.h"
#include "core/SystemFile.h"

#include "core/SafeFile.h"

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

// A heading's column that holds no ball: the numbers from there on are passed over.
struct LabelColumn {
    char delimiter = ',';
    std::size_t index = 0;
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

// A day the calendar has: no 31 February.
bool plausible(const CalendarDate& d) {
    if (d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    static constexpr int Days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    return d.day <= Days[d.month - 1] && (d.month != 2 || d.day <= 28 || leap);
}

// Column records have no Tag for a date outside the years the file allows.
int32_t tagFor(const CalendarDate& d) {
    if (d.year < DateCodeFirstYear || d.year > DateCodeLastYear)
        return KeepMark;
    return encodeDateCode(d.year, d.month, d.day);
}

std::string_view withoutBom(std::string_view s) {
    return s.substr(0, 3) == "\xEF\xBB\xBF" ? s.substr(3) : s;
}

bool blank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

// Words after which no number is a ball of the draw. Folding needs no locale.
bool isLabel(std::string_view word) {
    const std::string f = folded(word);
    return f == "joker" || f == "superstar" || f == "bonus" || f == "ek";
}

bool isSeparator(const Token& t, std::string_view text) {
    return t.kind == Token::Kind::Separator && t.text == text;
}

// Numbers that are never balls: "20:30", "2)", "3." or "4:" before a blank or the end.
void dropNonBalls(std::vector<Token>& t) {
    for (std::size_t k = 0; k < t.size(); ++k) {
        if (!isNumber(t[k]))
            continue;
        const bool more = k + 1 < t.size();
        if (more && isSeparator(t[k + 1], ":") && k + 2 < t.size() && isNumber(t[k + 2]) &&
            t[k].text.size() <= 2 && t[k + 2].text.size() == 2) {
            t[k].used = t[k + 2].used = true;
            continue;
        }
        if (more && isSeparator(t[k + 1], ")")) {
            t[k].used = true;
            continue;
        }
        const bool ends = k + 2 >= t.size() || t[k + 2].kind == Token::Kind::Separator;
        if (more && (isSeparator(t[k + 1], ".") || isSeparator(t[k + 1], ":")) && ends &&
            (k + 2 >= t.size() || t[k + 2].text == " " || t[k + 2].text == "\t"))
            t[k].used = true;
    }
}

constexpr char Delimiters[] = {',', ';', '\t', '|'};

// Where field `index` (from 0) starts, with fields split at `delimiter`
// outside double quotes; npos when the line has fewer fields.
std::size_t fieldStart(std::string_view line, char delimiter, std::size_t index) {
    bool quoted = false;
    std::size_t field = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == delimiter && !quoted && ++field == index)
            return i + 1;
    }
    return std::string_view::npos;
}

// A heading such as "Date,Num1,...,Num6,Bonus": the column under a label.
std::optional<LabelColumn> labelColumnOf(std::string_view line) {
    for (char delimiter : Delimiters) {
        std::size_t index = 0;
        for (std::size_t start = 0; start <= line.size(); ++index) {
            std::size_t end = start;
            bool quoted = false;
            while (end < line.size() && (line[end] != delimiter || quoted)) {
                if (line[end] == '"')
                    quoted = !quoted;
                ++end;
            }
            if (end == line.size() && index == 0)
                break; // no such delimiter
            for (const Token& word : tokens(line.substr(start, end - start)))
                if (word.kind == Token::Kind::Word && isLabel(word.text))
                    return LabelColumn{delimiter, index};
            start = end + 1;
        }
    }
    return std::nullopt;
}

void parseLine(std::string_view line, int32_t number, Parsed& out, std::optional<LabelColumn>& labelColumn) {
    if (labelColumn) {
        const std::size_t cut = fieldStart(line, labelColumn->delimiter, labelColumn->index);
        if (cut != std::string_view::npos)
            line = line.substr(0, cut);
    }
    std::vector<Token> t = tokens(line);
    for (std::size_t k = 0; k < t.size(); ++k)
        if (t[k].kind == Token::Kind::Word && isLabel(t[k].text)) {
            t.resize(k);
            break;
        }
    const std::optional<CalendarDate> date = takeDate(t);
    // The numbers after the date; the ones before it number the line.
    std::size_t first = 0;
    for (std::size_t k = 0; k < t.size(); ++k)
        if (t[k].used)
            first = k + 1;
    dropNonBalls(t);
    std::vector<int64_t> numbers;
    bool anyNumber = false;
    for (std::size_t k = 0; k < t.size(); ++k) {
        anyNumber = anyNumber || (t[k].kind == Token::Kind::Number && !t[k].glued);
        if (k >= first && isNumber(t[k]))
            numbers.push_back(t[k].value);
    }
    // A heading may name its columns with numbers ("No;Tarih;1;...;6;Joker").
    const std::optional<LabelColumn> heading = date ? std::nullopt : labelColumnOf(line);
    if ((!anyNumber && !date) || heading) {
        ++out.textLines;
        if (!labelColumn)
            labelColumn = heading;
        return;
    }
    const auto count = static_cast<int64_t>(numbers.size());
    if (count < 6) {
        out.bad.push_back({number, LineProblem::TooFewNumbers, count});
        return;
    }
    if (count > 6) {
        out.bad.push_back({number, LineProblem::TooManyNumbers, count});
        return;
    }
    ImportedDraw draw;
    draw.line = number;
    ColumnMask seen = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        const int64_t v = numbers[i];
        if (!out.game.isBall(v)) {
            out.bad.push_back({number, LineProblem::BallOutOfRange, v});
            return;
        }
        if (hasBall(seen, static_cast<int>(v))) {
            out.bad.push_back({number, LineProblem::RepeatedBall, v});
            return;
        }
        seen |= ballBit(static_cast<int>(v));
        draw.balls[i] = static_cast<int16_t>(v);
    }
    if (!date) {
        out.bad.push_back({number, LineProblem::NoDate, 0});
        return;
    }
    if (!plausible(*date)) {
        out.bad.push_back({number, LineProblem::BadDate, 0});
        return;
    }
    std::sort(draw.balls.begin(), draw.balls.end());
    draw.date = *date;
    draw.tag = tagFor(*date);
    out.draws.push_back(draw);
}

bool earlier(const CalendarDate& a, const CalendarDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

} // namespace

Parsed parse(std::string_view raw, const Game& game) {
    std::string decoded;
    std::string_view text = withoutBom(raw);
    if (!validUtf8(text)) {
        decoded = fromWindows1254(text);
        text = decoded;
    }
    Parsed out;
    out.game = game;
    std::optional<LabelColumn> labelColumn;
    std::size_t start = 0;
    while (start < text.size()) {
        // A line ends at LF, CR LF or a lone CR.
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        const std::string_view line = text.substr(start, end - start);
        ++out.lines;
        if (!blank(line))
            parseLine(line, out.lines, out, labelColumn);
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return out;
}

std::string readTextFile(const std::filesystem::path& path) {
    const std::string name = sysfile::toUtf8(path.filename());
    const DataDir folder(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."));
    if (!folder.exists(name))
        throw FileError(name, "okunamadı", ENOENT);
    std::vector<unsigned char> bytes = readFileStart(folder, name, MaxFileBytes + 1);
    if (static_cast<int64_t>(bytes.size()) > MaxFileBytes)
        throw FileError(name, "bir sonuç listesi olamayacak kadar büyük", EFBIG);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

// A list that starts with the newest draw is turned round, so that the file
// still ends with the last result. Only the direction of the dates counts: a
// mistyped date here and there must not move draws about.
std::vector<ImportedDraw> inOrder(const Parsed& parsed, bool& reversed) {
    std::vector<ImportedDraw> draws = parsed.draws;
    int rising = 0, falling = 0;
    for (std::size_t i = 1; i < draws.size(); ++i) {
        rising += earlier(draws[i - 1].date, draws[i].date);
        falling += earlier(draws[i].date, draws[i - 1].date);
    }
    reversed = falling > rising;
    if (reversed)
        std::reverse(draws.begin(), draws.end());
    return draws;
}

// The same draw: same Tag (the date, or no date the file can hold) and balls.
using DrawKey = std::pair<int32_t, ColumnMask>;

// A draw read from the text, dated for placing even when its Tag holds no date.
using DatedKey = std::tuple<int, int, int, ColumnMask>;

DatedKey datedKey(const Game& game, const ImportedDraw& d) {
    return {d.date.year, d.date.month, d.date.day, columnBalls(game, d.balls)};
}

// What the results file holds already: its records, and their balls alone.
struct Known {
    std::set<DrawKey> records;
    std::set<ColumnMask> balls;

    Known(const Game& game, const std::vector<ColumnRecord>& existing) {
        for (const ColumnRecord& r : existing)
            if (const ColumnMask m = columnBalls(game, r.Ball)) {
                records.insert({r.Tag, m});
                balls.insert(m);
            }
    }
};

} // namespace

int32_t countRepeats(const Parsed& parsed, const std::vector<ColumnRecord>& existing) {
    Known known(parsed.game, existing);
    auto& [records, balls] = known;
    std::set<DatedKey> draws;
    int32_t repeats = 0;
    for (const ImportedDraw& d : parsed.draws) {
        const ColumnMask m = columnBalls(parsed.game, d.balls);
        if (records.count({d.tag, m}) != 0 || !draws.insert(datedKey(parsed.game, d)).second)
            continue; // the same draw again, left out anyway
        if (!balls.insert(m).second)
            ++repeats;
    }
    return repeats;
}

Plan plan(const Parsed& parsed, const std::vector<ColumnRecord>& existing, bool skipRepeats) {
    Plan p;
    Known known(parsed.game, existing);
    auto& [records, balls] = known;
    std::set<DatedKey> seen;
    std::vector<ImportedDraw> draws;
    for (const ImportedDraw& d : inOrder(parsed, p.reversed)) {
        const ColumnMask m = columnBalls(parsed.game, d.balls);
        if (records.count({d.tag, m}) != 0 || !seen.insert(datedKey(parsed.game, d)).second) {
            ++p.sameDraws;
            continue;
        }
        if (!balls.insert(m).second && skipRepeats) {
            ++p.repeats;
            continue;
        }
        draws.push_back(d);
    }
    const int64_t room = std::max<int64_t>(0, MaxResults - static_cast<int64_t>(existing.size()));
    if (static_cast<int64_t>(draws.size()) > room) {
        p.overLimit = static_cast<int32_t>(static_cast<int64_t>(draws.size()) - room);
        draws.resize(static_cast<std::size_t>(room));
    }

    // A merge: the next draw goes in before the next result whenever that
    // result is dated later; results without a date keep their place.
    p.records.reserve(existing.size() + draws.size());
    std::size_t next = 0;
    for (const ColumnRecord& r : existing) {
        if (const std::optional<CalendarDate> on = decodeDateCode(r.Tag))
            for (; next < draws.size() && earlier(draws[next].date, *on); ++next) {
                p.records.push_back({draws[next].tag, draws[next].balls});
                ++p.placedBetween;
            }
        p.records.push_back(r);
    }
    for (; next < draws.size(); ++next)
        p.records.push_back({draws[next].tag, draws[next].balls});
    p.added = static_cast<int32_t>(draws.size());
    return p;
}

int32_t save(const DataDir& dir, const Plan& plan) {
    writeAllRecords(dir, files::Results, plan.records, defaultTempName(files::Results));
    return static_cast<int32_t>(plan.records.size());
}

std::string badLineText(const BadLine& bad, const Game& game) {
    std::string why;
    switch (bad.problem) {
    case LineProblem::TooFewNumbers:
        why = "6 top yok (" + digits(bad.value) + " sayı)";
        break;
    case LineProblem::TooManyNumbers:
        why = "6'dan çok sayı (" + digits(bad.value) + " sayı), hangilerinin top olduğu belli değil";
        break;
    case LineProblem::BallOutOfRange:
        why = "1-" + digits(game.balls()) + " dışında sayı (" + digits(bad.value) + ")";
        break;
    case LineProblem::RepeatedBall:
        why = "top tekrarı (" + digits(bad.value) + ")";
        break;
    case LineProblem::NoDate:
        why = "tarih yok";
        break;
    case LineProblem::BadDate:
        why = "geçersiz tarih";
        break;
    }
    return "Satır" + Str(bad.line) + ": " + why;
}

std::string badLinesText(const std::vector<BadLine>& bad, std::size_t shown, const Game& game) {
    std::string text = "Alınmayan satırlar:";
    for (std::size_t i = 0; i < bad.size() && i < shown; ++i)
        text += "\r" + badLineText(bad[i], game);
    if (bad.size() > shown)
        text += "\r... ve" + Str(static_cast<int64_t>(bad.size() - shown)) + " satır daha";
    return text;
}

std::string repeatsQuestion(int32_t repeats) {
    return "Dosyadaki" + Str(repeats) +
           " kolonun topları mevcut sonuçlarda (veya dosyadaki önceki bir satırda) başka bir tarihte "
           "var.\r\rBu kolonlar atlansın mı ?";
}

namespace {

std::string placesText(const Plan& plan) {
    return "(" + digits(plan.placedBetween) + " tanesi tarih sırasına göre araya, " +
           digits(plan.added - plan.placedBetween) + " tanesi sona)";
}

} // namespace

std::string appendQuestion(const Plan& plan) {
    std::string text =
        Str(plan.added) + " kolon sonuçlar ('VELMORIX.RES') dosyasına eklenecek " + placesText(plan) + ".";
    if (plan.overLimit > 0)
        text += "\r\rSonuç dosyası en çok 32767 kolon alabildiği için" + Str(plan.overLimit) +
                " kolon eklenemeyecek.";
    return text + "\r\rDevam etmek istiyormusunuz ?";
}

std::string nothingValidText(const Parsed& parsed) {
    std::string text = "Dosyada eklenecek geçerli bir sonuç kolonu bulunamadı !";
    if (!parsed.bad.empty())
        text += "\r\r" + badLinesText(parsed.bad, 12, parsed.game);
    return text;
}

std::string nothingNewText(const Parsed& parsed, const Plan& plan) {
    std::string text = "Dosyadaki kolonların hepsi sonuçlarda zaten var; yeni bir kolon eklenmedi.";
    text += "\r\rAtlanan kolon sayısı:" + Str(plan.sameDraws + plan.repeats);
    if (!parsed.bad.empty())
        text += "\r\r" + badLinesText(parsed.bad, 12, parsed.game);
    return text;
}

std::string summaryText(const std::string& fileName, const Parsed& parsed, const Plan& plan,
                        int32_t resultsNow) {
    int64_t undated = 0;
    for (const ColumnRecord& r : plan.records)
        undated += r.Tag == KeepMark;
    std::string text = "'" + fileName + "' dosyasından" + Str(plan.added) + " sonuç kolonu eklendi " +
                       placesText(plan) + ".";
    text += "\r\rOkunan satır sayısı:" + Str(parsed.lines);
    text += "\rGeçerli kolon sayısı:" + Str(static_cast<int64_t>(parsed.draws.size()));
    if (plan.sameDraws > 0)
        text += "\rAynı tarih ve toplarla zaten olduğu için atlanan:" + Str(plan.sameDraws);
    if (plan.repeats > 0)
        text += "\rTopları başka tarihte olduğu için atlanan:" + Str(plan.repeats);
    if (plan.overLimit > 0)
        text += "\r32767 sınırı nedeniyle eklenemeyen:" + Str(plan.overLimit);
    if (parsed.textLines > 0)
        text += "\rSayı içermeyen (başlık) satır:" + Str(parsed.textLines);
    if (plan.reversed)
        text += "\rDosya en yeni çekilişle başladığı için kolonlar ters sırayla alındı.";
    text += "\rSonuç dosyasındaki kolon sayısı:" + Str(resultsNow);
    if (undated > 0)
        text += " (" + digits(undated) + " tanesi 2003-2099 dışında, tarihsiz)";
    if (!parsed.bad.empty())
        text += "\r\r" + badLinesText(parsed.bad, 12, parsed.game);
    return text;
}

CommandOutcome runCommand(const DataDir& dir, const std::vector<std::string>& args, const Game& game) {
    const bool skipRepeats = args.size() == 2 && args[1] == "--skip-duplicates";
    if (args.empty() || args.size() > 2 || (args.size() == 2 && !skipRepeats))
        return messageOutcome(2, "Kullanım: velmorix-batch import DOSYA [--skip-duplicates]");
    try {
        const std::filesystem::path path(args[0]);
        const Parsed parsed = parse(readTextFile(path), game);
        if (parsed.draws.empty())
            return messageOutcome(1, nothingValidText(parsed));
        const Plan p = plan(parsed, readAllRecords(dir, files::Results), skipRepeats);
        if (p.added == 0)
            return messageOutcome(1, p.overLimit > 0
                                         ? "Sonuç dosyası en çok 32767 kolon alabilir; kolon eklenemedi."
                                         : nothingNewText(parsed, p));
        const int32_t count = save(dir, p);
        return messageOutcome(0, summaryText(path.filename().string(), parsed, p, count));
    } catch (const FileError& e) {
        return messageOutcome(1, "! HATA !\r" + e.userText());
    }
}

} // namespace velmorix::resultsimport
