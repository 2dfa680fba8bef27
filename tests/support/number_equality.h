// Compares the library's number reading and formatting with the C and C++
// library calls it replaced, bit for bit and byte for byte, over sweeps of
// values and texts. Shared by the test suite's sample and the long check.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvik::testing_support {

// How many comparisons were made, how many differed, and the first few
// differences described for a person. Where the reference itself is wrong
// (glibc misrounds some hexadecimal subnormals) and the library gives the
// exactly rounded result, the case counts as a fault of the reference.
struct Tally {
    std::uint64_t compared = 0;
    std::uint64_t mismatches = 0;
    std::vector<std::string> examples;
    std::uint64_t referenceFaults = 0;
    std::vector<std::string> faultExamples;

    void Merge(const Tally& other);
};

struct NumberTallies {
    Tally format;  // FormatFixed with 0 to 3 decimals
    Tally parse;   // ParseNumber

    void Merge(const NumberTallies& other);
};

// One text read by both readers.
void CompareParse(std::string_view text, Tally& tally);

// One value formatted with 0 to 3 decimals by both formatters, and each
// reference text read back by both readers.
void CompareFormat(double value, NumberTallies& tallies);

// Every float bit pattern first, first + stride, ... below 2^32, widened to
// double; its shortest text is read as well.
void SweepFloats(std::uint64_t first, std::uint64_t stride, NumberTallies& tallies);

// Doubles from RandomDouble, with their shortest texts read.
void SweepRandomDoubles(std::uint64_t count, std::uint64_t seed, NumberTallies& tallies);

// Exact ties at 0 to 3 decimals, each formatted at all four.
void SweepTies(std::uint64_t count, std::uint64_t seed, NumberTallies& tallies);

// Texts from RandomNumberText.
void SweepTexts(std::uint64_t count, std::uint64_t seed, Tally& tally);

// The edge doubles and texts.
void CompareEdges(NumberTallies& tallies);

}  // namespace tarnvik::testing_support
