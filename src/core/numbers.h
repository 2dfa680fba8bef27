// Reading numbers from box texts and formatting results, both with the
// "C" locale's rules whatever the process locale is: the window toolkit
// sets the process locale from the environment, and a German desktop must
// not turn 20.5 into 20.
//
// Both give the same bits and texts on every platform: plain decimals, inf,
// nan and hexadecimal texts are read and every result is formatted by exact
// arithmetic of our own; only decimals with more than 19 digits or far
// exponents go to the C library's strtod, which rounds them correctly.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnvik {

// atof in the "C" locale: leading white space skipped, the longest valid
// prefix converted (hex floats, inf and nan included), 0 when there is none.
// A comma ends the number, and so does a NUL byte.
double ParseNumber(std::string_view text);

// How many characters of text ParseNumber reads, leading white space and
// sign included; 0 when it reads no number at all (the text reads as 0).
std::size_t NumberLength(std::string_view text);
// Whether ParseNumber reads a number and nothing of the text is left
// over but white space: what the user typed is what the window reads.
bool ReadsWhole(std::string_view text);

// The longest fixed-point text of a double: sign, 309 digits, point and
// three decimals.
inline constexpr std::size_t kFixedTextCapacity = 1 + 309 + 1 + 3;

// A formatted number held by value, for callers that copy the text on at
// once and need no string of their own.
class FixedText {
  public:
    std::string_view View() const { return {text_, size_}; }

  private:
    friend FixedText FormatFixedText(double value, int decimals);
    char text_[kFixedTextCapacity];
    std::size_t size_ = 0;
};

// printf("%0.<decimals>f") in the "C" locale: the exact decimal value of the
// double rounded half to even, "-" for every negative value and negative
// zero ("-0.0"), and "inf", "-inf", "nan", "-nan" for the special values.
// decimals is 0 to 3; other counts are taken as the nearest of those.
FixedText FormatFixedText(double value, int decimals);
std::string FormatFixed(double value, int decimals);

// Replaces every ',' by '.' in place.
void CommasToPoints(std::string& text);

}  // namespace tarnvik
