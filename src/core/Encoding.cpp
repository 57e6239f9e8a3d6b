#include "Encoding.h"

#include <array>
#include <cstdint>

namespace velmorix {

namespace {

// Unicode of the bytes 0x80..0xFF; 0 where the code page has no character.
// The same table on every system, so VELMORIX.TXT comes out byte for byte alike.
constexpr std::array<char32_t, 128> Upper = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0,      0,      0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0,      0,      0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
    0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
    0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF};

constexpr char Replacement = '?';

bool continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Decodes one well-formed UTF-8 character at `i` (shortest form, no
// surrogates, at most U+10FFFF); returns its length, 0 when malformed.
std::size_t decode(std::string_view s, std::size_t i, char32_t& cp) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    char32_t min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        cp = c & 0x1F;
        min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        cp = c & 0x0F;
        min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        cp = c & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if (!continuation(d))
            return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

int byteOf(char32_t cp) {
    if (cp < 0x80)
        return static_cast<int>(cp);
    for (std::size_t k = 0; k < Upper.size(); ++k)
        if (Upper[k] == cp)
            return static_cast<int>(0x80 + k);
    return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::string toWindows1254(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        char32_t cp = 0;
        const std::size_t length = decode(utf8, i, cp);
        if (length > 0 && cp >= 0xE0000 && cp <= 0xE007F) {
            i += length; // tag characters are invisible; iconv drops them too
            continue;
        }
        const int byte = length > 0 ? byteOf(cp) : -1;
        if (byte >= 0) {
            out.push_back(static_cast<char>(byte));
            i += length;
            continue;
        }
        // An unmappable or broken character: one replacement for the whole sequence.
        out.push_back(Replacement);
        ++i;
        while (i < utf8.size() && continuation(static_cast<unsigned char>(utf8[i])))
            ++i;
    }
    return out;
}

std::string fromWindows1254(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        const char32_t cp = c < 0x80 ? c : Upper[c - 0x80];
        if (c >= 0x80 && cp == 0)
            out.push_back(Replacement);
        else
            appendUtf8(out, cp);
    }
    return out;
}

} // namespace velmorix
