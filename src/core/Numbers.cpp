#include "Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace velmorix {

std::string Str(int64_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string digits(int64_t value) {
    return std::to_string(value);
}

namespace {
// Whether an out-of-range number (digits, optional fraction, optional "e"
// exponent) is too large rather than too small.
bool magnitudeAboveOne(std::string_view n) {
    const std::size_t e = n.find('e');
    const std::string_view mantissa = n.substr(0, e);
    int64_t exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view x = n.substr(e + 1);
        const bool minus = !x.empty() && x[0] == '-';
        if (!x.empty() && (x[0] == '+' || x[0] == '-'))
            x.remove_prefix(1);
        for (char c : x)
            exponent = std::min<int64_t>(exponent * 10 + (c - '0'), int64_t{1} << 40);
        if (minus)
            exponent = -exponent;
    }
    // Decimal position of the first significant digit.
    const std::size_t dot = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t lead = mantissa.find_first_of("123456789");
    if (lead == std::string_view::npos)
        return false;
    const int64_t position =
        lead < dot ? static_cast<int64_t>(dot - lead) : -static_cast<int64_t>(lead - dot) + 1;
    return position + exponent > 0;
}
} // namespace

double Val(std::string_view text) {
    // Copy the characters that count, skipping blanks, then parse the longest number prefix.
    std::string s;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        s.push_back(c);
    }
    std::size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        num.push_back(s[i++]);
    bool any = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        num.push_back(s[i++]);
        any = true;
    }
    if (i < s.size() && s[i] == '.') {
        num.push_back(s[i++]);
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            num.push_back(s[i++]);
            any = true;
        }
    }
    if (!any)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exp.push_back(s[j++]);
        bool expDigits = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            exp.push_back(s[j++]);
            expDigits = true;
        }
        if (expDigits)
            num += exp;
    }
    // from_chars reads "." as the separator whatever the process locale is
    // (the C library's reader follows the locale: "13.5" would be 13 in tr_TR).
    const bool negative = num[0] == '-';
    const std::string_view magnitude = std::string_view(num).substr(num[0] == '+' || negative ? 1 : 0);
    double value = 0.0;
    if (std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(), value).ec ==
        std::errc::result_out_of_range)
        value = magnitudeAboveOne(magnitude) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

int64_t roundHalfEven(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= 9.2e18)
        return std::numeric_limits<int64_t>::max();
    if (v <= -9.2e18)
        return std::numeric_limits<int64_t>::min();
    const double fl = std::floor(v);
    const double diff = v - fl;
    auto r = static_cast<int64_t>(fl);
    if (diff > 0.5 || (diff == 0.5 && (r % 2) != 0))
        ++r;
    return r;
}

int64_t ValWhole(std::string_view text) {
    return roundHalfEven(Val(text));
}

std::optional<int16_t> toInt16(int64_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(value);
}

std::string fractionText(int64_t numerator, int64_t denominator, int decimals) {
    if (denominator == 0)
        return " 0";
    const bool negative = (numerator < 0) != (denominator < 0) && numerator != 0;
    uint64_t n = numerator < 0 ? static_cast<uint64_t>(-numerator) : static_cast<uint64_t>(numerator);
    const uint64_t d =
        denominator < 0 ? static_cast<uint64_t>(-denominator) : static_cast<uint64_t>(denominator);
    std::string s = std::to_string(n / d);
    uint64_t rem = n % d;
    std::string frac;
    for (int i = 0; i < decimals; ++i) {
        rem *= 10;
        frac.push_back(static_cast<char>('0' + rem / d));
        rem %= d;
    }
    while (!frac.empty() && frac.back() == '0')
        frac.pop_back();
    if (!frac.empty())
        s += "." + frac;
    const bool zero = s == "0";
    return (negative && !zero ? "-" : " ") + s;
}

std::string singleText(float value) {
    // to_chars is exact and ignores the locale, so the text reads the same for every player.
    std::array<char, 32> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 7).ptr;
    std::string s(buffer.data(), end);
    if (s == "-0")
        s = "0";
    return s.front() == '-' ? s : " " + s;
}

} // namespace velmorix
