#include "Text.h"

namespace velmorix {

namespace {

// How the last word of a number read aloud ends: its last vowel back (a, ı,
// o, u) or front, and whether the word ends in a vowel.
struct WordEnd {
    bool back;
    bool vowel;
};

WordEnd lastWordEnd(int64_t n) {
    constexpr WordEnd Front{false, false}, FrontVowel{false, true}, Back{true, false}, BackVowel{true, true};
    // -, bir, iki, üç, dört, beş, altı, yedi, sekiz, dokuz
    static constexpr WordEnd units[10] = {Back,  Front,     FrontVowel, Front, Front,
                                          Front, BackVowel, FrontVowel, Front, Back};
    // -, on, yirmi, otuz, kırk, elli, altmış, yetmiş, seksen, doksan
    static constexpr WordEnd tens[10] = {Back,       Back, FrontVowel, Back,  Back,
                                         FrontVowel, Back, Front,      Front, Back};
    if (n < 0)
        n = -n;
    if (n == 0)
        return Back; // sıfır
    if (n % 10 != 0)
        return units[n % 10];
    if (n % 100 != 0)
        return tens[(n / 10) % 10];
    if (n % 1000000 != 0)
        return Front; // yüz, bin
    return Back;      // milyon, milyar
}

} // namespace

std::string_view instrumentalSuffix(int64_t number) {
    const WordEnd end = lastWordEnd(number);
    if (end.vowel)
        return end.back ? "yla" : "yle";
    return end.back ? "la" : "le";
}

} // namespace velmorix
