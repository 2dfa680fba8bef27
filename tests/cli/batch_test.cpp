// Batch lines in-process: whatever a line holds, the answer is one valid
// JSON line, and an error is never passed off as a result.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

namespace tarnvik::cli {
namespace {

struct LineCase {
    const char* name;
    std::string line;
    bool ok;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class BatchLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(BatchLineTest, AnswersWithOneValidJsonObject) {
    bool ok = !GetParam().ok;
    const std::string answer = BatchLine(GetParam().line, ok);
    EXPECT_EQ(ok, GetParam().ok);
    EXPECT_EQ(answer.find('\n'), std::string::npos);
    // parse() rejects text that is not valid UTF-8.
    const nlohmann::json parsed = nlohmann::json::parse(answer);
    ASSERT_TRUE(parsed.is_object());
    if (GetParam().ok) {
        EXPECT_EQ(parsed.size(), 9u);
        EXPECT_FALSE(parsed.contains("error"));
    } else {
        ASSERT_EQ(parsed.size(), 1u);
        EXPECT_TRUE(parsed["error"].is_string());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BatchLineTest,
    testing::Values(
        LineCase{"invalid_utf8_raw", "\xff\xfe{", false},
        LineCase{"invalid_utf8_in_value", "{\"sensor\":\"QA\xc3\x28\"}", false},
        LineCase{"invalid_utf8_in_key", "{\"sen\xe2\x82sor\":\"QA70\"}", false},
        LineCase{"lone_surrogate", R"({"sensor":"\udc00"})", false},
        LineCase{"utf8_value_unknown", "{\"gas\":\"\xc3\xa4ther\"}", false},
        LineCase{"nul_in_box_text", std::string(R"({"sensor":"QA30","diameter":"5\u00009"})"),
                 true},
        LineCase{"nul_byte_raw", std::string("{\"sensor\":\"QA70\"}\0x", 19), false},
        LineCase{"long_text", R"({"sensor":"QA30","diameter":")" + std::string(100000, '9') + "\"}",
                 true},
        LineCase{"deep_nesting", std::string(10000, '[') + std::string(10000, ']'), false},
        LineCase{"null_value", R"({"sensor":null})", false},
        LineCase{"object_value", R"({"sensor":{"name":"QA70"}})", false},
        LineCase{"trailing_garbage", R"({"sensor":"QA70"}x)", false},
        LineCase{"number_literal", "42", false}, LineCase{"empty_object", "{}", true},
        LineCase{"blanks_around", " \t{\"sensor\":\"QA90\"}  ", true},
        LineCase{"pipe", R"({"sensor":"QA30","pipe":"2in sch40"})", true},
        LineCase{"pipe_not_a_string", R"({"sensor":"QA30","pipe":2})", false},
        LineCase{"pipe_and_diameter", R"({"sensor":"QA30","pipe":"NPS 2 Sch 40","diameter":"5"})",
                 false},
        LineCase{"pipe_with_sections", R"({"sensor":"QA40","pipe":"NPS 2 Sch 40"})", false}),
    [](const auto& info) { return std::string(info.param.name); });

// A malformed line's bytes may be echoed in the message; they come out
// replaced, never raw.
TEST(BatchLine, EchoedBytesAreRepaired) {
    bool ok = true;
    const std::string answer = BatchLine("\xff", ok);
    EXPECT_EQ(answer.find('\xff'), std::string::npos);
    EXPECT_NE(answer.find("\xef\xbf\xbd"), std::string::npos);  // U+FFFD
}

TEST(RunBatch, OneOutputLinePerInputLineAndCountsFailures) {
    std::istringstream in("{}\nnot json\n\n{\"sensor\":\"QA70\"}\n");
    std::ostringstream out;
    const BatchSummary s = RunBatch(in, out);
    EXPECT_EQ(s.lines, 4);
    EXPECT_EQ(s.failed, 2);
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
}

}  // namespace
}  // namespace tarnvik::cli
