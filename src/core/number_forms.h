// The texts ParseNumber reads besides decimals: "inf", "infinity", "nan",
// "nan(chars)" and hexadecimal numbers, read exactly and to the same bits
// on every platform (C libraries differ in the sign and payload of a NaN
// and in rounding hexadecimal subnormals).
#pragma once

#include <cstdint>

namespace tarnvik {

// The number at p (just after the sign, at a letter) up to end: infinity,
// a NaN, or 0 when the text is no number. A "nan(chars)" whose chars read
// as an unsigned number (hex, octal or decimal) carries its low 51 bits as
// the payload, as glibc's strtod gives it.
double ReadNumberWord(const char* p, const char* end, bool negative);

// The hexadecimal number at p (just after "0x") up to end, correctly
// rounded to nearest, ties to even, through the subnormals to zero and up
// to infinity. Without a hex digit it is the 0 before the "x".
double ReadHexNumber(const char* p, const char* end, bool negative);

// The exponent at p, just after an "e" or "p": an optional sign and decimal
// digits, saturating far beyond any double. Without a digit it is 0, and
// the letter is no part of the number.
std::int64_t ReadExponent(const char* p, const char* end);

}  // namespace tarnvik
