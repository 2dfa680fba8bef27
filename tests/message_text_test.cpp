// Values echoed in messages: whole up to 80 bytes, beyond that their first
// bytes, never half a character, and their length.
#include "sizing/message_text.h"

#include <gtest/gtest.h>

#include "named_case.h"

namespace tarnvik {
namespace {

struct EchoCase {
    const char* name;
    std::string text;
    std::string quoted;
};

class Echo : public testing::TestWithParam<EchoCase> {};

TEST_P(Echo, IsBounded) {
    EXPECT_EQ(sizing::Quoted(GetParam().text), GetParam().quoted);
}

const std::string k79(79, 'a');
const std::string kEuro = "\xE2\x82\xAC";  // three bytes

INSTANTIATE_TEST_SUITE_P(
    Texts, Echo,
    testing::Values(EchoCase{"empty", "", "\"\""},
                    EchoCase{"at_the_limit", k79 + "b", "\"" + k79 + "b\""},
                    EchoCase{"one_over", k79 + "bc", "\"" + k79 + "b\xE2\x80\xA6\" (81 bytes)"},
                    // The character at bytes 79 to 81 is left out whole.
                    EchoCase{"character_across_the_limit", k79 + kEuro,
                             "\"" + k79 + "\xE2\x80\xA6\" (82 bytes)"},
                    EchoCase{"character_ending_at_the_limit", std::string(77, 'a') + kEuro + "z",
                             "\"" + std::string(77, 'a') + kEuro + "\xE2\x80\xA6\" (81 bytes)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Shortened, SameCutWithoutQuotes) {
    EXPECT_EQ(sizing::Shortened(k79 + "b"), k79 + "b");
    EXPECT_EQ(sizing::Shortened(std::string(1000, 'x')),
              std::string(80, 'x') + "\xE2\x80\xA6 (1000 bytes)");
}

}  // namespace
}  // namespace tarnvik
