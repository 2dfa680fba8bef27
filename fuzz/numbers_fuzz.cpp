// Number reading and formatting against oracles of a different making.
//
// Reading: the library reads decimals, hexadecimals, inf and nan itself
// and must give the bits of the C library's strtod (or, where glibc
// misrounds a hexadecimal subnormal, the exactly rounded value).
// Formatting: the library scales and rounds in binary integers; its text
// must equal snprintf("%.Nf") and the exact decimal expansion of the
// double, worked out here digit by digit in base ten and rounded half to
// even. The fuzzer never sets a locale, so the C library works in "C".
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "reference_numbers.h"

namespace {

// A number in base 10^9, least significant limb first, times a factor
// below 2^31.
void Multiply(std::vector<std::uint32_t>& limbs, std::uint32_t factor) {
    constexpr std::uint64_t kBase = 1000000000;
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs) {
        const std::uint64_t x = limb * std::uint64_t{factor} + carry;
        limb = static_cast<std::uint32_t>(x % kBase);
        carry = x / kBase;
    }
    if (carry != 0) limbs.push_back(static_cast<std::uint32_t>(carry));
}

// The exact value of a finite double as decimal digits, least significant
// first, over 10^fractionDigits.
struct Expansion {
    std::vector<std::uint8_t> digits;
    int fractionDigits = 0;
    bool negative = false;
};

Expansion Expand(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0) m |= std::uint64_t{1} << 52;
    int e = biased == 0 ? -1074 : biased - 1075;

    Expansion x;
    x.negative = (bits >> 63) != 0;
    std::vector<std::uint32_t> limbs = {static_cast<std::uint32_t>(m % 1000000000),
                                        static_cast<std::uint32_t>(m / 1000000000)};
    // m * 2^e: doubling for e > 0; for e < 0, m * 5^-e / 10^-e.
    while (e > 0) {
        const int n = std::min(e, 30);
        Multiply(limbs, std::uint32_t{1} << n);
        e -= n;
    }
    while (e < 0) {
        const int n = std::min(-e, 13);
        std::uint32_t power = 1;
        for (int i = 0; i < n; ++i) power *= 5;
        Multiply(limbs, power);
        x.fractionDigits += n;
        e += n;
    }
    for (std::uint32_t limb : limbs)
        for (int i = 0; i < 9; ++i, limb /= 10)
            x.digits.push_back(static_cast<std::uint8_t>(limb % 10));
    return x;
}

// The fixed-point text of an expansion: the digits beyond the decimals
// dropped with rounding half to even.
std::string Fixed(Expansion x, int decimals) {
    std::vector<std::uint8_t>& digits = x.digits;
    const int drop = x.fractionDigits - decimals;
    if (drop > 0) {
        digits.resize(std::max(digits.size(), static_cast<std::size_t>(drop) + 1), 0);
        const std::uint8_t first = digits[static_cast<std::size_t>(drop) - 1];
        bool below = false;
        for (int i = 0; i + 1 < drop; ++i)
            below = below || digits[static_cast<std::size_t>(i)] != 0;
        digits.erase(digits.begin(), digits.begin() + drop);
        const bool up = first > 5 || (first == 5 && (below || digits[0] % 2 == 1));
        for (std::size_t i = 0; up; ++i) {
            if (i == digits.size()) digits.push_back(0);
            if (++digits[i] < 10) break;
            digits[i] = 0;
        }
    } else {
        digits.insert(digits.begin(), static_cast<std::size_t>(-drop), 0);
    }
    digits.resize(std::max(digits.size(), static_cast<std::size_t>(decimals) + 1), 0);
    while (digits.size() > static_cast<std::size_t>(decimals) + 1 && digits.back() == 0)
        digits.pop_back();

    std::string text = x.negative ? "-" : "";
    for (std::size_t i = digits.size(); i-- > 0;) {
        text += static_cast<char>('0' + digits[i]);
        if (i == static_cast<std::size_t>(decimals) && decimals > 0) text += '.';
    }
    return text;
}

void CheckFormat(double value) {
    const Expansion exact = std::isfinite(value) ? Expand(value) : Expansion();
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const tarnvik::FixedText text = tarnvik::FormatFixedText(value, decimals);
        char c[400];
        const int n = std::snprintf(c, sizeof c, "%.*f", decimals, value);
        if (text.View() != std::string_view(c, static_cast<std::size_t>(n))) std::abort();
        if (std::isfinite(value) && text.View() != Fixed(exact, decimals)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double parsed = tarnvik::ParseNumber(text);
    const double reference = std::strtod(text.c_str(), nullptr);
    if (std::memcmp(&parsed, &reference, sizeof parsed) != 0) {
        // glibc rounds some hexadecimal subnormals twice; there the library
        // must give the exactly rounded value instead.
        const std::optional<double> exact = tarnvik::reference::ExactHexadecimal(text);
        if (!exact || std::memcmp(&parsed, &*exact, sizeof parsed) != 0) std::abort();
    }
    CheckFormat(parsed);

    // The first eight bytes as a double: any bit pattern, not only the
    // ones a text reads as.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckFormat(raw);
    }
    return 0;
}
