// Fixed-point formatting by exact integer arithmetic, without any
// floating-point step and without the C++ library's floating-point
// to_chars, which the browser build's library lacks.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "core/numbers.h"

namespace tarnvik {

namespace {

constexpr int kMostDecimals = 3;

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// 10^0 to 10^19, every power of ten a 64-bit integer holds.
constexpr auto kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
}();

// Writes n in decimal, at least minDigits digits with leading zeros: the
// length first, then the digits from the back, two a step.
char* WriteUnsigned(char* out, std::uint64_t n, int minDigits = 1) {
    int length = 1;
    while (length < 20 && n >= kPowersOfTen[static_cast<std::size_t>(length)]) ++length;
    length = std::max(length, minDigits);
    char* p = out + length;
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
    while (p != out) *--p = '0';
    return out + length;
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
    const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(decimals)];

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

}  // namespace tarnvik
