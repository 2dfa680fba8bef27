#include "core/numbers.h"

#include <locale.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/number_forms.h"

namespace tarnvik {

namespace {

// One immutable "C" locale object for the life of the process.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// White space as the "C" locale's isspace sees it.
bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every power of ten a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;

// Integers up to 2^53 are exact doubles; a mantissa of 19 digits still fits
// the 64-bit integer it is gathered in.
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
constexpr int kMostMantissaDigits = 19;

// The C library's reading, for the decimals the exact path leaves: more
// than 19 significant digits, or powers of ten a double does not hold.
// glibc and musl (the browser build's) both round these correctly, so they
// agree. strtod needs a terminated string; a NUL byte inside the text ends
// the number just as it would end the box's C string.
double ParseWithCLibrary(std::string_view text) {
    char local[128];
    if (text.size() < sizeof local) {
        std::memcpy(local, text.data(), text.size());
        local[text.size()] = '\0';
        return strtod_l(local, nullptr, CLocale());
    }
    const std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

}  // namespace

// A plain decimal text with at most 19 significant digits whose value is an
// integer m <= 2^53 times 10^e with |e| <= 22 is exact with one correctly
// rounded multiplication or division of two exact doubles (Clinger). That
// covers whatever users type into the boxes; longer decimals go to strtod.
double ParseNumber(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && IsCSpace(*p)) ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end) return 0.0;
    if (!IsDigit(*p) && *p != '.') return ReadNumberWord(p, end, negative);
    if (*p == '0' && end - p > 1 && (p[1] | 0x20) == 'x')
        return ReadHexNumber(p + 2, end, negative);

    // The digits are gathered without a check each: past 19 significant
    // digits the 64-bit sum wraps, but then the C library reads the text.
    const char* const start = p;
    std::uint64_t mantissa = 0;
    while (p != end && *p == '0') ++p;  // leading zeros
    const char* significant = p;
    for (; p != end && IsDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    std::ptrdiff_t digits = p - significant;
    std::int64_t exponent = 0;  // the power of ten that scales mantissa
    if (p != end && *p == '.') {
        const char* const point = p++;
        if (mantissa == 0)
            while (p != end && *p == '0') ++p;  // zeros after the point count only as places
        significant = p;
        for (; p != end && IsDigit(*p); ++p)
            mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        digits += p - significant;
        exponent = -(p - point - 1);
        if (p - start == 1) return 0.0;  // "." alone is no number
    }
    if (digits > kMostMantissaDigits) return ParseWithCLibrary(text);

    if (p != end && (*p | 0x20) == 'e') exponent += ReadExponent(p + 1, end);

    if (mantissa == 0) return negative ? -0.0 : 0.0;
    if (mantissa > kLargestExactInteger) return ParseWithCLibrary(text);
    double value = static_cast<double>(mantissa);
    if (exponent < 0) {
        if (exponent < -kLargestExactPower) return ParseWithCLibrary(text);
        value /= kExactPowersOfTen[-exponent];
    } else if (exponent <= kLargestExactPower) {
        value *= kExactPowersOfTen[exponent];
    } else {
        // A short mantissa takes the surplus power exactly: 12e25 is
        // 12000 * 1e22.
        if (exponent > 2 * kLargestExactPower) return ParseWithCLibrary(text);
        const double scaled = value * kExactPowersOfTen[exponent - kLargestExactPower];
        if (scaled >= static_cast<double>(kLargestExactInteger)) return ParseWithCLibrary(text);
        value = scaled * kExactPowersOfTen[kLargestExactPower];
    }
    return negative ? -value : value;
}

void CommasToPoints(std::string& text) {
    for (char& c : text)
        if (c == ',') c = '.';
}

}  // namespace tarnvik
