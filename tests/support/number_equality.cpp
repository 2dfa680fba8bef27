#include "number_equality.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>

#include "core/numbers.h"
#include "number_samples.h"
#include "reference_numbers.h"

namespace tarnvik::testing_support {

namespace {

constexpr std::size_t kExamples = 10;

std::uint64_t Bits(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

void Record(Tally& tally, bool same, const std::string& description) {
    ++tally.compared;
    if (same) return;
    ++tally.mismatches;
    if (tally.examples.size() < kExamples) tally.examples.push_back(description);
}

std::string Hex(double d) {
    char text[64];
    std::snprintf(text, sizeof text, "%a (0x%016llx)", d, static_cast<unsigned long long>(Bits(d)));
    return text;
}

template <class T>
std::string ShortestText(T value) {
    char text[64];
    const auto r = std::to_chars(text, text + sizeof text, value);
    return std::string(text, r.ptr);
}

}  // namespace

void Tally::Merge(const Tally& other) {
    compared += other.compared;
    mismatches += other.mismatches;
    for (const std::string& e : other.examples)
        if (examples.size() < kExamples) examples.push_back(e);
    referenceFaults += other.referenceFaults;
    for (const std::string& e : other.faultExamples)
        if (faultExamples.size() < kExamples) faultExamples.push_back(e);
}

void NumberTallies::Merge(const NumberTallies& other) {
    format.Merge(other.format);
    parse.Merge(other.parse);
}

void CompareParse(std::string_view text, Tally& tally) {
    // How much of the text is read decides whether a typed value is taken
    // whole; it must agree with the C library as the value does.
    const std::size_t length = NumberLength(text);
    const std::size_t referenceLength = reference::NumberLength(text);
    if (length != referenceLength) {
        Record(tally, false,
               "length of \"" + Printable(text) + "\": " + std::to_string(length) + ", reference " +
                   std::to_string(referenceLength));
        return;
    }
    const double library = ParseNumber(text);
    const double reference = reference::ParseNumber(text);
    if (Bits(library) == Bits(reference)) {
        ++tally.compared;
        return;
    }
    const std::string description =
        "read \"" + Printable(text) + "\": " + Hex(library) + ", reference " + Hex(reference);
    const std::optional<double> exact = reference::ExactHexadecimal(text);
    if (exact && Bits(*exact) == Bits(library)) {
        ++tally.compared;
        ++tally.referenceFaults;
        if (tally.faultExamples.size() < kExamples) tally.faultExamples.push_back(description);
        return;
    }
    Record(tally, false, description);
}

void CompareFormat(double value, NumberTallies& tallies) {
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const std::string reference = reference::FormatFixed(value, decimals);
        const FixedText library = FormatFixedText(value, decimals);
        const bool same = library.View() == reference;
        Record(tallies.format, same,
               same ? std::string()
                    : "format " + Hex(value) + " with " + std::to_string(decimals) +
                          " decimals: \"" + std::string(library.View()) + "\", reference \"" +
                          reference + "\"");
        CompareParse(reference, tallies.parse);
    }
}

void SweepFloats(std::uint64_t first, std::uint64_t stride, NumberTallies& tallies) {
    for (std::uint64_t bits = first; bits <= 0xFFFFFFFFu; bits += stride) {
        const auto pattern = static_cast<std::uint32_t>(bits);
        float f;
        std::memcpy(&f, &pattern, sizeof f);
        CompareFormat(f, tallies);
        CompareParse(ShortestText(f), tallies.parse);
    }
}

void SweepRandomDoubles(std::uint64_t count, std::uint64_t seed, NumberTallies& tallies) {
    std::mt19937_64 random(seed);
    for (std::uint64_t i = 0; i < count; ++i) {
        const double value = RandomDouble(random);
        CompareFormat(value, tallies);
        CompareParse(ShortestText(value), tallies.parse);
    }
}

void SweepTies(std::uint64_t count, std::uint64_t seed, NumberTallies& tallies) {
    std::mt19937_64 random(seed);
    for (std::uint64_t i = 0; i < count; ++i)
        CompareFormat(RandomTie(random, static_cast<int>(i % 4)), tallies);
}

void SweepTexts(std::uint64_t count, std::uint64_t seed, Tally& tally) {
    std::mt19937_64 random(seed);
    for (std::uint64_t i = 0; i < count; ++i) CompareParse(RandomNumberText(random), tally);
}

void CompareEdges(NumberTallies& tallies) {
    for (double value : EdgeDoubles()) {
        CompareFormat(value, tallies);
        CompareParse(ShortestText(value), tallies.parse);
    }
    for (std::string_view text : EdgeTexts()) CompareParse(text, tallies.parse);
}

}  // namespace tarnvik::testing_support
