#include "number_samples.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace tarnvik::testing_support {

namespace {

std::uint64_t Below(std::mt19937_64& random, std::uint64_t n) {
    return random() % n;
}

bool OneIn(std::mt19937_64& random, std::uint64_t n) {
    return Below(random, n) == 0;
}

double FromBits(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

void AppendDigits(std::mt19937_64& random, std::string& text, std::uint64_t count) {
    for (std::uint64_t i = 0; i < count; ++i) text += static_cast<char>('0' + Below(random, 10));
}

// Mostly short digit runs, sometimes up to 30 digits, rarely hundreds.
std::uint64_t DigitCount(std::mt19937_64& random) {
    if (OneIn(random, 40)) return Below(random, 400);
    if (OneIn(random, 4)) return Below(random, 31);
    return Below(random, 8);
}

void AppendDecimal(std::mt19937_64& random, std::string& text) {
    if (OneIn(random, 5)) text.append(Below(random, 4), '0');  // leading zeros
    AppendDigits(random, text, DigitCount(random));
    if (!OneIn(random, 3)) {
        text += '.';
        if (OneIn(random, 6)) text.append(Below(random, 30), '0');
        AppendDigits(random, text, DigitCount(random));
    }
}

void AppendExponent(std::mt19937_64& random, std::string& text) {
    text += OneIn(random, 2) ? 'e' : 'E';
    const char* signs[] = {"", "+", "-"};
    text += signs[Below(random, 3)];
    if (OneIn(random, 6)) text.append(Below(random, 25), '0');
    // Around the edges of the double range, and exponents with no digits.
    const int sizes[] = {0, 1, 1, 2, 2, 3, 5};
    AppendDigits(random, text, static_cast<std::uint64_t>(sizes[Below(random, 7)]));
}

// A double written the way programs write them.
void AppendFormatted(std::mt19937_64& random, std::string& text) {
    char buffer[512];
    const double value = RandomDouble(random);
    switch (Below(random, 3)) {
        case 0:
            std::snprintf(buffer, sizeof buffer, "%.*g", static_cast<int>(1 + Below(random, 20)),
                          value);
            break;
        case 1:
            std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(Below(random, 4)), value);
            break;
        default:
            std::snprintf(buffer, sizeof buffer, "%.*e", static_cast<int>(Below(random, 20)),
                          value);
            break;
    }
    text += buffer;
}

void AppendHexDigits(std::mt19937_64& random, std::string& text) {
    const char hex[] = "0123456789abcdefABCDEF";
    if (OneIn(random, 4)) text.append(Below(random, 20), '0');
    // Past 16 digits the bits beyond a double's decide the rounding.
    const std::uint64_t count = OneIn(random, 5) ? Below(random, 40) : Below(random, 16);
    for (std::uint64_t n = count; n > 0; --n) text += hex[Below(random, 22)];
}

void AppendHex(std::mt19937_64& random, std::string& text) {
    text += OneIn(random, 2) ? "0x" : "0X";
    AppendHexDigits(random, text);
    if (OneIn(random, 2)) {
        text += '.';
        AppendHexDigits(random, text);
    }
    if (OneIn(random, 2)) {
        text += OneIn(random, 2) ? 'p' : 'P';
        const char* signs[] = {"", "+", "-"};
        text += signs[Below(random, 3)];
        if (OneIn(random, 2)) {
            AppendDigits(random, text, Below(random, 5));
        } else {
            // Near the ends of the double range, where rounding meets
            // overflow and the subnormals.
            const int exponents[] = {1000, 1074, 1100, 1150};
            text +=
                std::to_string(exponents[Below(random, 4)] + static_cast<int>(Below(random, 60)));
        }
    }
}

void AppendWord(std::mt19937_64& random, std::string& text) {
    const char* words[] = {"inf",
                           "INF",
                           "Inf",
                           "infinity",
                           "INFINITY",
                           "infinit",
                           "in",
                           "nan",
                           "NaN",
                           "NAN",
                           "nan()",
                           "nan(123)",
                           "nan(",
                           "na",
                           "nan(_x)",
                           "nAn(0x1f)",
                           "i",
                           "n",
                           "nan(0x)",
                           "nan(08)",
                           "nan(0777)",
                           "NAN(99999999999999999999999)",
                           "nan(0xFFFFFFFFFFFFFFFFF)",
                           "nan(0x7ffffffffffff)",
                           "nan(1a)"};
    text += words[Below(random, std::size(words))];
}

void AppendJunk(std::mt19937_64& random, std::string& text) {
    static constexpr char kAlphabet[] = "0123456789..eE+-, \txXpPinfa\0\xc3\xa9";
    for (std::uint64_t n = Below(random, 30); n > 0; --n)
        text += kAlphabet[Below(random, sizeof kAlphabet - 1)];
}

}  // namespace

double RandomTie(std::mt19937_64& random, int decimals) {
    const int bits = 1 + static_cast<int>(Below(random, 53));
    const std::uint64_t odd = (random() >> (64 - bits)) | 1;
    const double tie = std::ldexp(static_cast<double>(odd), -(decimals + 1));
    return OneIn(random, 2) ? -tie : tie;
}

double RandomDouble(std::mt19937_64& random) {
    switch (Below(random, 4)) {
        case 0:
            return FromBits(random());
        case 1: {
            // 2^-20 to 2^40: the sizes of flows, velocities and their inputs.
            const std::uint64_t exponent = 1023 - 20 + Below(random, 61);
            return FromBits((random() & 0x800FFFFFFFFFFFFFull) | (exponent << 52));
        }
        case 2: {
            // At a tie and one step to either side.
            const double tie = RandomTie(random, static_cast<int>(Below(random, 4)));
            const double towards[] = {-HUGE_VAL, 0.0, HUGE_VAL};
            const double to = towards[Below(random, 3)];
            return to == 0.0 ? tie : std::nextafter(tie, to);
        }
        default: {
            // Short decimals such as 1013.25 or 0.05, rounded to binary:
            // the values the calculator itself writes.
            const double powers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
            const double value =
                static_cast<double>(Below(random, 100000000)) / powers[Below(random, 7)];
            return OneIn(random, 2) ? -value : static_cast<double>(static_cast<float>(value));
        }
    }
}

std::string RandomNumberText(std::mt19937_64& random) {
    std::string text;
    if (OneIn(random, 4)) {
        static constexpr char kBlanks[] = " \t\n\v\f\r";
        for (std::uint64_t n = 1 + Below(random, 3); n > 0; --n) text += kBlanks[Below(random, 6)];
    }
    const char* signs[] = {"", "", "", "-", "+"};
    text += signs[Below(random, 5)];
    switch (Below(random, 8)) {
        case 0:
        case 1:
            AppendDecimal(random, text);
            break;
        case 2:
        case 3:
            AppendDecimal(random, text);
            AppendExponent(random, text);
            break;
        case 4:
            AppendFormatted(random, text);
            break;
        case 5:
            AppendHex(random, text);
            break;
        case 6:
            AppendWord(random, text);
            break;
        default:
            AppendJunk(random, text);
            break;
    }
    switch (Below(random, 6)) {
        case 0:
            text += ',';
            AppendDigits(random, text, Below(random, 4));
            break;
        case 1:
            text += '\0';
            AppendDigits(random, text, Below(random, 4));
            break;
        case 2:
            AppendJunk(random, text);
            break;
        default:
            break;
    }
    return text;
}

std::span<const double> EdgeDoubles() {
    static const double values[] = {
        0.0,
        -0.0,
        DBL_MAX,
        -DBL_MAX,
        DBL_MIN,
        DBL_TRUE_MIN,
        -DBL_TRUE_MIN,
        std::nextafter(DBL_MIN, 0.0),  // the largest subnormal
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
        -std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::signaling_NaN(),
        FromBits(0x7FF0000000000001ull),  // the smallest NaN payload
        FromBits(0xFFFFFFFFFFFFFFFFull),
        0x1p52,
        0x1p53,
        0x1p63,
        0x1p64,
        std::nextafter(0x1p63, 0.0),
        std::nextafter(0x1p64, HUGE_VAL),
        9007199254740993.0,  // 2^53 + 1, rounded to 2^53
        0.5,
        1.5,
        2.5,
        -0.5,
        0.05,
        0.0005,
        0.0004999999999999999,
        -0.0004,
        1013.25,
        999.9995,
        999999.9995,
        1e22,
        1e23,
        FLT_MAX,
        FLT_MIN,
        FLT_TRUE_MIN,
    };
    return values;
}

std::span<const std::string_view> EdgeTexts() {
    using namespace std::string_view_literals;
    static const std::string_view texts[] = {
        ""sv,
        " "sv,
        "-"sv,
        "+"sv,
        "."sv,
        "-.e5"sv,
        "-0"sv,
        "+0.000e999999999999"sv,
        "-0e-5"sv,
        "\t\n\v\f\r 42"sv,
        "20,5"sv,
        "1.2.3"sv,
        "1e"sv,
        "1e+"sv,
        "1.e5"sv,
        ".5e-3"sv,
        "00x10"sv,
        "0x"sv,
        "0x.p1"sv,
        "0x1p-1074"sv,
        "-0X1.8P+3"sv,
        "-0x"sv,
        "-0x.p"sv,
        "0x1.fffffffffffff8p1023"sv,  // rounds up to infinity
        "0x1.fffffffffffff7ffffffp1023"sv,
        "0x1p-1075"sv,  // halfway to the smallest subnormal: to zero
        "0x1.0000000000001p-1075"sv,
        "0x1.8p-1074"sv,
        "0x1.00000000000008p0"sv,  // a tie at 53 bits: to even
        "0x1.00000000000018p0"sv,
        "0x1.000000000000080000000000000001p0"sv,
        "0x0.0000000000001p-1022"sv,
        "-0x10p-1176"sv,  // underflow keeps the sign
        "0xfD6d72B2b5Cp-1087"sv,
        "0x6bBa833f83E5f6p-1077"sv,  // glibc rounds these subnormals twice
        "0x9b2a9fe341ab8c000p-1090"sv,
        "-0x9b2a9fe341ab8c0000000000001p-1138"sv,
        "0x123456789abcdef0123456789p-50"sv,
        "0x.000000000000000000000001p100"sv,
        "9007199254740992"sv,  // 2^53: the largest mantissa read exactly
        "9007199254740993"sv,  // one more: rounds, left to the C library
        "9007199254740993e-3"sv,
        "1234567890123456789"sv,
        "12345678901234567890"sv,
        "0.0000000000000000000000000000012345"sv,
        "1e22"sv,
        "1e23"sv,
        "12e25"sv,
        "9007199254740992e22"sv,
        "1e-22"sv,
        "1e-23"sv,
        "1.7976931348623157e308"sv,
        "1.7976931348623159e308"sv,
        "4.9406564584124654e-324"sv,
        "2.4703282292062327e-324"sv,
        "2.4703282292062328e-324"sv,
        "1e-99999999999999999999"sv,
        "1e99999999999999999999"sv,
        "inf"sv,
        "-Infinity"sv,
        "infinit"sv,
        "nan"sv,
        "-nan(1)"sv,
        "nan("sv,
        "nan()"sv,
        "nan(0x)"sv,
        "nan(0X8000000000001)"sv,        // beyond the payload bits
        "-nan(18446744073709551616)"sv,  // saturates
        "NaN(017)"sv,
        "nan(9a)"sv,
        "nan(1)x"sv,
        "5\0"
        "9"sv,
        "\0"
        "5"sv,
        "1\xc3\xa9"sv,
        "\xc2\xa0"
        "5"sv,  // a no-break space is no blank
    };
    return texts;
}

std::string Printable(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

}  // namespace tarnvik::testing_support
