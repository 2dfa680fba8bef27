#include "sizing/plain_decimal.h"

#include <cmath>

#include "core/numbers.h"

namespace tarnvik::sizing {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> ReadPlainDecimal(std::string_view text) {
    // The syntax is checked here; the conversion is the library's one
    // correctly rounded reading, which takes exactly these texts whole.
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && text[i] == '-') ++i;
    std::size_t digits = 0;
    bool nonZero = false;
    const auto readDigits = [&] {
        for (; i < n && IsDigit(text[i]); ++i, ++digits) nonZero = nonZero || text[i] != '0';
    };
    readDigits();
    if (i < n && text[i] == '.') {
        ++i;
        readDigits();
    }
    if (digits == 0) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t exponentStart = i;
        while (i < n && IsDigit(text[i])) ++i;
        if (i == exponentStart) return std::nullopt;
    }
    if (i != n) return std::nullopt;

    const double value = ParseNumber(text);
    if (!std::isfinite(value)) return std::nullopt;  // too large
    if (value == 0 && nonZero) return std::nullopt;  // too small
    return value;
}

}  // namespace tarnvik::sizing
