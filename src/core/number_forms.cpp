#include "core/number_forms.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tarnvik {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'z';
}

// Whether [p, end) starts with word, in either case.
bool StartsWithWord(const char* p, const char* end, std::string_view word) {
    if (end - p < static_cast<std::ptrdiff_t>(word.size())) return false;
    for (char w : word)
        if ((*p++ | 0x20) != w) return false;
    return true;
}

double FromBits(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// strtoull with base 0 ("0x" hex, leading 0 octal, else decimal, saturating)
// over all of [p, end); false unless it takes every character.
bool ReadWholeUnsigned(const char* p, const char* end, std::uint64_t& value) {
    int base = 10;
    if (end - p > 2 && *p == '0' && (p[1] | 0x20) == 'x') {
        base = 16;
        p += 2;
    } else if (p != end && *p == '0') {
        base = 8;
    }
    value = 0;
    bool overflow = false;
    for (; p != end; ++p) {
        const char lower = static_cast<char>(*p | 0x20);
        const int digit = IsDigit(*p)                    ? *p - '0'
                          : lower >= 'a' && lower <= 'z' ? lower - 'a' + 10
                                                         : 99;
        if (digit >= base) return false;
        const auto b = static_cast<std::uint64_t>(base);
        if (value > (UINT64_MAX - static_cast<std::uint64_t>(digit)) / b) overflow = true;
        value = value * b + static_cast<std::uint64_t>(digit);
    }
    if (overflow) value = UINT64_MAX;
    return true;
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// m * 2^exponent, with sticky telling whether nonzero bits below m were
// dropped, rounded once to the nearest double, ties to even; overflow
// gives infinity and underflow the subnormals and zero.
double RoundBinary(std::uint64_t m, std::int64_t exponent, bool sticky, bool negative) {
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    if (m == 0) return FromBits(negative ? kSign : 0);
    int length = 0;  // bits in m
    while (length < 64 && (m >> length) != 0) ++length;
    const std::int64_t top = exponent + length - 1;  // m * 2^exponent is in [2^top, 2^(top+1))
    std::uint64_t bits = 0x7FF0000000000000;         // infinity
    if (top <= 1023) {
        // Bits the result keeps: 53, fewer for a subnormal, none below.
        const std::int64_t precision = top >= -1022 ? 53 : std::max<std::int64_t>(top + 1075, -1);
        std::uint64_t kept = 0;
        if (precision >= 0) {
            const int shift = length - static_cast<int>(precision);
            if (shift <= 0) {
                kept = m << -shift;
            } else {
                kept = shift == 64 ? 0 : m >> shift;
                const std::uint64_t rest = shift == 64 ? m : m & ((std::uint64_t{1} << shift) - 1);
                const std::uint64_t half = std::uint64_t{1} << (shift - 1);
                if (rest > half || (rest == half && (sticky || (kept & 1) != 0))) ++kept;
            }
        }
        if (top >= -1022) {
            // kept is 2^52 .. 2^53; rounding up to 2^53 moves to the next binade.
            std::int64_t biased = top + 1023;
            if (kept >> 53) {
                kept >>= 1;
                ++biased;
            }
            if (biased < 2047)
                bits = (static_cast<std::uint64_t>(biased) << 52) |
                       (kept & ((std::uint64_t{1} << 52) - 1));
        } else {
            bits = kept;  // a subnormal; rounding up to 2^52 gives the smallest normal
        }
    }
    return FromBits(negative ? bits | kSign : bits);
}

}  // namespace

double ReadNumberWord(const char* p, const char* end, bool negative) {
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    if (StartsWithWord(p, end, "inf")) return negative ? -HUGE_VAL : HUGE_VAL;
    if (!StartsWithWord(p, end, "nan")) return 0.0;  // no number
    std::uint64_t bits = 0x7FF8000000000000;         // the quiet NaN
    p += 3;
    if (p != end && *p == '(') {
        const char* const first = ++p;
        while (p != end && (IsDigit(*p) || IsLetter(*p) || *p == '_')) ++p;
        std::uint64_t payload = 0;
        if (p != end && *p == ')' && ReadWholeUnsigned(first, p, payload))
            bits |= payload & 0x7FFFFFFFFFFFF;
    }
    return FromBits(negative ? bits | kSign : bits);
}

// Hex digits with an optional point, then an optional binary exponent "p"
// with decimal digits.
double ReadHexNumber(const char* p, const char* end, bool negative) {
    std::uint64_t m = 0;
    std::int64_t exponent = 0;  // the power of two that scales m
    bool sticky = false;
    bool anyDigit = false;
    bool fraction = false;
    for (; p != end; ++p) {
        if (*p == '.' && !fraction) {
            fraction = true;
            continue;
        }
        const int digit = HexDigit(*p);
        if (digit < 0) break;
        anyDigit = true;
        if (m >> 60 == 0) {
            m = m * 16 + static_cast<std::uint64_t>(digit);
            if (fraction) exponent -= 4;
        } else {
            // 64 bits are plenty: the rest only matters as nonzero or not.
            sticky = sticky || digit != 0;
            if (!fraction) exponent += 4;
        }
    }
    // "0x" without a hex digit is the number 0 followed by letters.
    if (!anyDigit) return negative ? -0.0 : 0.0;
    if (p != end && (*p | 0x20) == 'p') exponent += ReadExponent(p + 1, end);
    return RoundBinary(m, exponent, sticky, negative);
}

std::int64_t ReadExponent(const char* p, const char* end) {
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    std::int64_t e = 0;
    for (; p != end && IsDigit(*p); ++p)
        if (e < 100000) e = e * 10 + (*p - '0');  // far beyond any double
    return negative ? -e : e;
}

}  // namespace tarnvik
