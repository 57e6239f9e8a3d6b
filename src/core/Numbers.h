#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmorix {

// Number to text with the sign position: " 12" for non-negative numbers, "-5"
// for negative ones. Messages and captions use this form.
std::string Str(int64_t value);
// Plain digits ("12", "-5"), for text boxes and files.
std::string digits(int64_t value);

// Reads the leading number of a text: blanks, tabs and line feeds are skipped,
// reading stops at the first character that cannot continue the number, no
// number gives 0. Accepts a sign, a fraction and an exponent.
double Val(std::string_view text);
// Val taken to the nearest whole number, halves to even, saturated to 64 bits.
int64_t ValWhole(std::string_view text);
// The value as a 16-bit integer when it fits, as typed numbers must.
std::optional<int16_t> toInt16(int64_t value);
inline bool inRange(int64_t v, int64_t lo, int64_t hi) {
    return v >= lo && v <= hi;
}

// Rounds to the nearest integer, halves to even.
int64_t roundHalfEven(double v);

// Exact fraction text numerator/denominator cut (not rounded) to `decimals`
// places, "." as separator, no trailing zeros, with the sign position:
// fractionText(75, 2, 3) = " 37.5", fractionText(100, 2, 3) = " 50".
std::string fractionText(int64_t numerator, int64_t denominator, int decimals);

// A single-precision value as captions show it: at most 7 significant digits
// (the nearest), "." as separator, no trailing zeros, with the sign position:
// singleText(151.03623f) = " 151.0362", singleText(150.0f) = " 150".
std::string singleText(float value);

} // namespace velmorix
