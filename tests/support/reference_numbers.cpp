#include "reference_numbers.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tarnvik::reference {

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

double ParseNumber(std::string_view text) {
    const std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

std::size_t NumberLength(std::string_view text) {
    const std::string copy(text);
    char* end = nullptr;
    strtod_l(copy.c_str(), &end, CLocale());
    return static_cast<std::size_t>(end - copy.c_str());
}

std::string FormatFixed(double value, int decimals) {
    char buffer[400];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc{}) return std::string();
    return std::string(buffer, r.ptr);
}

std::optional<double> ExactHexadecimal(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos) return std::nullopt;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    if (text.substr(i, 1) != "0" || text.size() < i + 2 || (text[i + 1] | 0x20) != 'x')
        return std::nullopt;
    i += 2;

    constexpr int kKeptDigits = 15;
    std::uint64_t m = 0;
    long exponent = 0;
    int kept = 0;
    bool dropped = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        const char lower = static_cast<char>(c | 0x20);
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (lower >= 'a' && lower <= 'f') digit = lower - 'a' + 10;
        if (digit < 0) break;
        if (kept < kKeptDigits && (kept > 0 || digit != 0)) {
            m = m * 16 + static_cast<std::uint64_t>(digit);
            ++kept;
            if (point) exponent -= 4;
        } else if (kept == 0) {
            if (point) exponent -= 4;  // a leading zero
        } else {
            dropped = dropped || digit != 0;
            if (!point) exponent += 4;
        }
    }
    if (i < text.size() && (text[i] | 0x20) == 'p') {
        std::size_t j = i + 1;
        const bool negativeExponent = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        long e = 0;
        for (; j < text.size() && text[j] >= '0' && text[j] <= '9'; ++j)
            e = std::min(e * 10 + (text[j] - '0'), 1000000L);
        exponent += negativeExponent ? -e : e;
    }
    if (dropped) m |= 1;
    const double value = static_cast<double>(std::ldexp(
        static_cast<long double>(m), static_cast<int>(std::clamp(exponent, -20000L, 20000L))));
    return negative ? -value : value;
}

}  // namespace tarnvik::reference
