#include "reference_numbers.h"

#include <locale.h>

#include <charconv>
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

std::string FormatFixed(double value, int decimals) {
    char buffer[400];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc{}) return std::string();
    return std::string(buffer, r.ptr);
}

}  // namespace tarnvik::reference
