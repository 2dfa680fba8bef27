#include <cstddef>
#include <string_view>

#include "core/numbers.h"

namespace tarnvik {

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return IsDigit(c) || (lower >= 'a' && lower <= 'f');
}

bool IsWordChar(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return IsDigit(c) || (lower >= 'a' && lower <= 'z') || c == '_';
}

bool StartsWithWord(const char* p, const char* end, std::string_view word) {
    if (end - p < static_cast<std::ptrdiff_t>(word.size())) return false;
    for (char w : word)
        if ((*p++ | 0x20) != w) return false;
    return true;
}

// An exponent at p (the letter "e" or "p") belongs to the number only
// with at least one digit after its optional sign.
const char* PastExponent(const char* p, const char* end, char letter) {
    if (p == end || (*p | 0x20) != letter) return p;
    const char* q = p + 1;
    if (q != end && (*q == '+' || *q == '-')) ++q;
    if (q == end || !IsDigit(*q)) return p;
    while (q != end && IsDigit(*q)) ++q;
    return q;
}

// "inf", "infinity", "nan" and "nan(chars)", in either case.
const char* PastWord(const char* p, const char* end) {
    if (StartsWithWord(p, end, "infinity")) return p + 8;
    if (StartsWithWord(p, end, "inf")) return p + 3;
    if (!StartsWithWord(p, end, "nan")) return nullptr;
    p += 3;
    if (p == end || *p != '(') return p;
    const char* q = p + 1;
    while (q != end && IsWordChar(*q)) ++q;
    return q != end && *q == ')' ? q + 1 : p;
}

// Hex digits with one optional point; without a digit only the "0" before
// the "x" is read.
const char* PastHex(const char* zero, const char* end) {
    const char* p = zero + 2;
    bool anyDigit = false;
    bool fraction = false;
    for (; p != end; ++p) {
        if (*p == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!IsHexDigit(*p)) break;
        anyDigit = true;
    }
    if (!anyDigit) return zero + 1;
    return PastExponent(p, end, 'p');
}

}  // namespace

// Follows ParseNumber's reading step by step, but only measures it.
std::size_t NumberLength(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    while (p != end && IsCSpace(*p)) ++p;
    if (p != end && (*p == '+' || *p == '-')) ++p;
    if (p == end) return 0;
    if (!IsDigit(*p) && *p != '.') {
        const char* past = PastWord(p, end);
        return past ? static_cast<std::size_t>(past - begin) : 0;
    }
    if (*p == '0' && end - p > 1 && (p[1] | 0x20) == 'x')
        return static_cast<std::size_t>(PastHex(p, end) - begin);
    bool anyDigit = false;
    for (; p != end && IsDigit(*p); ++p) anyDigit = true;
    if (p != end && *p == '.') {
        for (++p; p != end && IsDigit(*p); ++p) anyDigit = true;
    }
    if (!anyDigit) return 0;
    return static_cast<std::size_t>(PastExponent(p, end, 'e') - begin);
}

bool ReadsWhole(std::string_view text) {
    const std::size_t length = NumberLength(text);
    if (length == 0) return false;
    for (const char c : text.substr(length))
        if (!IsCSpace(c)) return false;
    return true;
}

}  // namespace tarnvik
