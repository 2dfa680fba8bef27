#include "core/numbers.h"

#include <locale.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace tarnvik {

namespace {

// ---- Reading ---------------------------------------------------------------

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

// The C library's reading, for everything the exact path leaves. strtod
// needs a terminated string; a NUL byte inside the text ends the number
// just as it would end the box's C string.
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
// covers whatever users type into the boxes; the rest goes to strtod.
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
    if (!IsDigit(*p) && *p != '.') {
        // "inf", "infinity" and "nan" in any case; anything else is no number.
        const char lower = static_cast<char>(*p | 0x20);
        return lower == 'i' || lower == 'n' ? ParseWithCLibrary(text) : 0.0;
    }
    if (*p == '0' && end - p > 1 && (p[1] | 0x20) == 'x') return ParseWithCLibrary(text);

    std::uint64_t mantissa = 0;
    int digits = 0;             // significant digits gathered in mantissa
    std::int64_t exponent = 0;  // the power of ten that scales mantissa
    bool anyDigit = false;
    bool fraction = false;
    for (; p != end; ++p) {
        if (*p == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!IsDigit(*p)) break;
        anyDigit = true;
        if (fraction) --exponent;
        if (mantissa == 0 && *p == '0') continue;  // leading zeros
        if (++digits > kMostMantissaDigits) return ParseWithCLibrary(text);
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    if (!anyDigit) return 0.0;  // ".", "-.e5"

    // An exponent counts only with at least one digit: "2e" reads as 2.
    if (p != end && (*p | 0x20) == 'e') {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q != end && (*q == '+' || *q == '-')) {
            negativeExponent = *q == '-';
            ++q;
        }
        if (q != end && IsDigit(*q)) {
            std::int64_t e = 0;
            for (; q != end && IsDigit(*q); ++q)
                if (e < 100000) e = e * 10 + (*q - '0');  // far beyond any double
            exponent += negativeExponent ? -e : e;
        }
    }

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

namespace {

// ---- Formatting --------------------------------------------------------------

constexpr int kMostDecimals = 3;
constexpr std::uint64_t kDecimalUnits[] = {1, 10, 100, 1000};

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes n in decimal, at least minDigits digits with leading zeros; two
// digits a step.
char* WriteUnsigned(char* out, std::uint64_t n, int minDigits = 1) {
    char digits[20];
    char* const last = digits + sizeof digits;
    char* p = last;
    while (n >= 100) {
        p -= 2;
        std::memcpy(p, kDigitPairs + 2 * (n % 100), 2);
        n /= 100;
    }
    if (n >= 10) {
        p -= 2;
        std::memcpy(p, kDigitPairs + 2 * n, 2);
    } else {
        *--p = static_cast<char>('0' + n);
    }
    while (last - p < minDigits) *--p = '0';
    std::memcpy(out, p, static_cast<std::size_t>(last - p));
    return out + (last - p);
}

// Writes m * 2^shift in decimal, for the integers above 2^63 up to the
// largest double: the number as 32-bit limbs, divided down by 10^9.
char* WriteHugeInteger(char* out, std::uint64_t m, int shift) {
    constexpr int kLimbs = 1024 / 32 + 1;
    constexpr std::uint32_t kChunk = 1000000000;
    std::uint32_t limbs[kLimbs] = {};
    const int low = shift / 32;
    const int bit = shift % 32;
    // m < 2^53 shifted by less than 32 bits spans at most three limbs.
    const std::uint64_t lowPart = m << bit;
    const std::uint64_t highPart = bit == 0 ? 0 : m >> (64 - bit);
    limbs[low] = static_cast<std::uint32_t>(lowPart);
    limbs[low + 1] = static_cast<std::uint32_t>(lowPart >> 32);
    if (low + 2 < kLimbs) limbs[low + 2] = static_cast<std::uint32_t>(highPart);

    std::uint32_t chunks[kLimbs * 32 / 29 + 1];  // 10^9 > 2^29
    int chunkCount = 0;
    int top = kLimbs - 1;
    while (top >= 0 && limbs[top] == 0) --top;
    while (top >= 0) {
        std::uint64_t rest = 0;
        for (int i = top; i >= 0; --i) {
            const std::uint64_t current = (rest << 32) | limbs[i];
            limbs[i] = static_cast<std::uint32_t>(current / kChunk);
            rest = current % kChunk;
        }
        chunks[chunkCount++] = static_cast<std::uint32_t>(rest);
        while (top >= 0 && limbs[top] == 0) --top;
    }
    out = WriteUnsigned(out, chunks[--chunkCount]);
    while (chunkCount > 0) out = WriteUnsigned(out, chunks[--chunkCount], 9);
    return out;
}

}  // namespace

// A finite double is m * 2^e with an integer m < 2^53. From 2^52 on it is an
// integer and only its digits are needed. Below, m * 10^decimals < 2^63 is
// exact in 64 bits, and dividing by 2^-e with the remainder compared to half
// the divisor rounds it half to even without any floating-point step.
FixedText FormatFixedText(double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMostDecimals);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const std::uint64_t fractionBits = bits & ((std::uint64_t{1} << 52) - 1);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);

    FixedText result;
    char* out = result.text_;
    if (bits >> 63) *out++ = '-';
    if (biasedExponent == 0x7FF) {
        std::memcpy(out, fractionBits != 0 ? "nan" : "inf", 3);
        result.size_ = static_cast<std::size_t>(out + 3 - result.text_);
        return result;
    }
    const std::uint64_t m =
        biasedExponent == 0 ? fractionBits : fractionBits | (std::uint64_t{1} << 52);
    const int e = biasedExponent == 0 ? -1074 : biasedExponent - 1075;
    const std::uint64_t unit = kDecimalUnits[decimals];

    if (e >= 0) {
        out = e <= 10 ? WriteUnsigned(out, m << e) : WriteHugeInteger(out, m, e);
        if (decimals > 0) {
            *out++ = '.';
            out = WriteUnsigned(out, 0, decimals);
        }
    } else {
        const int shift = -e;
        const std::uint64_t scaled = m * unit;
        std::uint64_t q = 0;
        // From a shift of 64 on, scaled < 2^63 is below half the divisor.
        if (shift < 64) {
            q = scaled >> shift;
            const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
            const std::uint64_t half = std::uint64_t{1} << (shift - 1);
            if (rest > half || (rest == half && (q & 1) != 0)) ++q;
        }
        out = WriteUnsigned(out, q / unit);
        if (decimals > 0) {
            *out++ = '.';
            out = WriteUnsigned(out, q % unit, decimals);
        }
    }
    result.size_ = static_cast<std::size_t>(out - result.text_);
    return result;
}

std::string FormatFixed(double value, int decimals) {
    return std::string(FormatFixedText(value, decimals).View());
}

void CommasToPoints(std::string& text) {
    for (char& c : text)
        if (c == ',') c = '.';
}

}  // namespace tarnvik
