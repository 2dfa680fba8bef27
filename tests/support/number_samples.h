// Doubles and texts that probe number reading and formatting where they can
// go wrong: every kind of double, exact ties, and texts from plain decimals
// to long, odd and broken ones. The test suite draws a small sample, the
// long check many millions, from the same generators.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>

namespace tarnvik::testing_support {

// Any bit pattern (NaNs, infinities, subnormals), values of the size the
// calculator shows, or values at and next to exact ties.
double RandomDouble(std::mt19937_64& random);

// An odd multiple of 2^-(decimals + 1): exactly halfway between two texts
// with that many decimals. The multiple is drawn with 1 to 53 bits.
double RandomTie(std::mt19937_64& random, int decimals);

// A text for the reader: blanks, signs, plain decimals of any length,
// exponents, leading zeros, long mantissas, hex, inf and nan spellings,
// commas, NUL bytes and junk after the number.
std::string RandomNumberText(std::mt19937_64& random);

// Doubles at the edges: zeros, extremes, subnormals, NaNs and infinities.
std::span<const double> EdgeDoubles();

// Texts at the edges of the reader, each chosen for one rule.
std::span<const std::string_view> EdgeTexts();

// The text with bytes outside printable ASCII written as \xNN.
std::string Printable(std::string_view text);

}  // namespace tarnvik::testing_support
