#include "core/numbers.h"

#include <locale.h>

#include <charconv>
#include <clocale>
#include <cstdlib>

namespace tarnvik {

namespace {

// One immutable "C" locale object for the life of the process.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

double ParseNumber(std::string_view text) {
    // strtod needs a terminated string; a box text may hold NUL bytes, which
    // end the number just as they would end the C string of the box.
    const std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

std::string FormatFixed(double value, int decimals) {
    // Large enough for the widest double in fixed notation (309 digits)
    // plus sign, point and the decimals used here.
    char buffer[400];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc{}) return std::string();
    return std::string(buffer, r.ptr);
}

void CommasToPoints(std::string& text) {
    for (char& c : text)
        if (c == ',') c = '.';
}

}  // namespace tarnvik
