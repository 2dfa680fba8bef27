// Batch lines in-process: whatever a line holds, the answer is one valid
// JSON line, and an error is never passed off as a result.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "../locale_guard.h"
#include "cli/batch_options.h"
#include "cli/result_output.h"

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
        EXPECT_EQ(parsed.size(), 10u);
        EXPECT_FALSE(parsed.contains("error"));
        EXPECT_TRUE(parsed["inputs"].is_object());
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
        LineCase{"nul_escaped", R"({"sensor":"QA30","diameter":"5\u00009"})", false},
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

// One working window answers every line; whatever the line before it did
// (another type, conditions, a message box, an error half-way through
// the options), each answer must be the one a fresh window gives.
TEST(BatchLines, EachLineAsOnAFreshWindowWhateverCameBefore) {
    const std::vector<std::string> lines = {
        R"({"sensor":"QA70","unit":"kg/h","process-pressure":"7","flow-type":"fad"})",
        R"({"sensor":"QA90","gas":"Others","gas-constant":"300","cutoff":"30"})",
        R"({"sensor":"QA30","reference":"custom","reference-temperature":"15"})",
        R"({"sensor":"QA70","process-pressure":"-1.5"})",
        R"({"sensor":"QA70","process-humidity":"80","unit":"t/h"})",
        R"({"sensor":"QA20-V","section":"DN32"})",
        R"({"sensor":"QA40","section":"DN50","range":"S","unit":"cfm"})",
        R"({"sensor":"QA30","pipe":"NPS 2 Sch 40","gas":"CO2"})",
        R"({})",
    };
    std::vector<std::string> fresh;
    for (const std::string& line : lines) {
        bool ok = false;
        fresh.push_back(BatchLine(line, ok));
    }
    BatchLines reused;
    for (std::size_t before = 0; before < lines.size(); ++before) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            SCOPED_TRACE("line " + std::to_string(i) + " after line " + std::to_string(before));
            bool ok = false;
            reused.Answer(lines[before], ok);
            EXPECT_EQ(reused.Answer(lines[i], ok), fresh[i]);
        }
    }
}

// A number is the text it is written as, not a value formatted anew:
// "7.50" stays 7.50, and an exponent stays an exponent.
TEST(ReadBatchOptions, NumbersAreTheirTextAsWritten) {
    sizing::OptionValues values;
    std::optional<std::string> pipe;
    bool asTyped = false;
    EXPECT_EQ(
        ReadBatchOptions(R"({"process-pressure":7.50,"process-temperature":-12,"diameter":1E2,)"
                         R"("cutoff":30,"inlet-pressure":18446744073709551616,"as-typed":true})",
                         values, pipe, asTyped),
        "");
    EXPECT_EQ(values[sizing::Opt::ProcessPressure], "7.50");
    EXPECT_EQ(values[sizing::Opt::ProcessTemperature], "-12");
    EXPECT_EQ(values[sizing::Opt::Diameter], "1E2");
    EXPECT_EQ(values[sizing::Opt::Cutoff], "30");
    EXPECT_EQ(values[sizing::Opt::InletPressure], "18446744073709551616");
    EXPECT_TRUE(asTyped);
}

// The JSON parser reads numbers in the process locale and hands over its
// text with that locale's decimal point.
TEST(ReadBatchOptions, NumbersKeepTheirPointInADecimalCommaLocale) {
    testing_support::LocaleGuard guard(testing_support::kDecimalCommaLocale);
    if (!guard.ok()) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    sizing::OptionValues values;
    std::optional<std::string> pipe;
    bool asTyped = false;
    EXPECT_EQ(
        ReadBatchOptions(R"({"process-pressure":7.50,"diameter":1.5e-1})", values, pipe, asTyped),
        "");
    EXPECT_EQ(values[sizing::Opt::ProcessPressure], "7.50");
    EXPECT_EQ(values[sizing::Opt::Diameter], "1.5e-1");
}

TEST(RunBatch, OneOutputLinePerInputLineAndCountsFailures) {
    StringSource in("{}\nnot json\n\n{\"sensor\":\"QA70\"}\n");
    std::ostringstream out;
    const BatchSummary s = RunBatch(in, out);
    EXPECT_EQ(s.lines, 4);
    EXPECT_EQ(s.failed, 2);
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
}

// Keeps what is written in a put area and delivers it only when the area
// is full or the stream is flushed, as a file's buffer does; fails every
// write once `capacity` bytes were delivered, as a full disk does.
class BufferedSink : public std::streambuf {
  public:
    explicit BufferedSink(std::size_t capacity = std::string::npos) : capacity_(capacity) {
        setp(area_, area_ + sizeof area_);
    }
    const std::string& Delivered() const { return delivered_; }

  protected:
    int_type overflow(int_type c) override {
        if (Deliver() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override { return Deliver(); }

  private:
    int Deliver() {
        const std::size_t n = static_cast<std::size_t>(pptr() - pbase());
        if (delivered_.size() + n > capacity_) return -1;
        delivered_.append(pbase(), n);
        setp(area_, area_ + sizeof area_);
        return 0;
    }

    char area_[512];
    std::size_t capacity_;
    std::string delivered_;
};

// Hands out one line per read and notes how many answers had been
// delivered when it was asked for the next.
class LineByLineSource : public ByteSource {
  public:
    LineByLineSource(std::vector<std::string> lines, const BufferedSink& sink)
        : lines_(std::move(lines)), sink_(sink) {}

    std::ptrdiff_t Read(char* buffer, std::size_t size, std::string&) override {
        const std::string& d = sink_.Delivered();
        answersAtRead.push_back(std::count(d.begin(), d.end(), '\n'));
        if (next_ == lines_.size()) return 0;
        const std::string line = lines_[next_++] + "\n";
        EXPECT_LE(line.size(), size);
        std::copy(line.begin(), line.end(), buffer);
        return static_cast<std::ptrdiff_t>(line.size());
    }

    std::vector<long> answersAtRead;

  private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    const BufferedSink& sink_;
};

// A program that writes a line and waits for its answer must get it
// before the batch waits for the next line.
TEST(RunBatch, DeliversEachAnswerBeforeReadingOn) {
    BufferedSink sink;
    std::ostream out(&sink);
    LineByLineSource in({"{}", "{\"sensor\":\"QA70\"}", "not json"}, sink);
    const BatchSummary s = RunBatch(in, out);
    EXPECT_EQ(s.lines, 3);
    EXPECT_EQ(in.answersAtRead, (std::vector<long>{0, 1, 2, 3}));
}

TEST(RunBatch, StopsAtTheFirstFailedWrite) {
    std::string input;
    for (int i = 0; i < 1000; ++i) input += "{}\n";
    StringSource in(input);
    BufferedSink sink(1000);  // room for four answers; the area holds two
    std::ostream out(&sink);
    const BatchSummary s = RunBatch(in, out);
    EXPECT_TRUE(s.outputFailed);
    EXPECT_LE(s.lines, 8) << "went on computing after the output failed";
    EXPECT_LE(sink.Delivered().size(), 1000u);
}

TEST(RunBatch, ReadErrorStopsAfterTheLinesBeforeIt) {
    class FailingSource : public ByteSource {
      public:
        std::ptrdiff_t Read(char* buffer, std::size_t, std::string& error) override {
            if (done_) {
                error = "Input/output error";
                return -1;
            }
            done_ = true;
            const std::string text = "{}\n{}\n{\"sens";
            std::copy(text.begin(), text.end(), buffer);
            return static_cast<std::ptrdiff_t>(text.size());
        }

      private:
        bool done_ = false;
    } in;
    std::ostringstream out;
    const BatchSummary s = RunBatch(in, out);
    EXPECT_EQ(s.lines, 2);
    EXPECT_EQ(s.readError, "Input/output error");
    EXPECT_FALSE(s.outputFailed);
}

// The direct writers of result and inputs lines must give the JSON library's bytes
// for any box text, repairs of bad UTF-8 included.
TEST(ResultsLine, SameBytesAsTheJsonLibrary) {
    const char* texts[] = {"1589.4",
                           "",
                           "N/A",
                           "say \"hi\"",
                           "back\\slash",
                           "tab\there",
                           "\x01\x1f",
                           "\x7f",
                           "\xc2\xb0"
                           "C",
                           "bad \xff\xfe",
                           "cut \xe2\x82",
                           "sm3/h",
                           "\xed\xa0\x80"};
    for (const char* text : texts) {
        sizing::Results results;
        results.fill("0.0");
        results[sizing::result::kMaxFlowUnit] = text;
        std::string direct;
        AppendResultsLine(direct, results);
        EXPECT_EQ(direct, DumpLine(ResultsJson(results))) << text;

        CalculationContext context;
        context.inputs.push_back({"diameter", "", text, text, false});
        context.inputs.push_back({"gas", "", "Air", "Air", false});
        std::string inputs;
        AppendInputsLine(inputs, context);
        EXPECT_EQ(inputs, DumpLine(InputsJson(context))) << text;
    }
    std::string none;
    AppendInputsLine(none, CalculationContext{});
    EXPECT_EQ(none, DumpLine(InputsJson(CalculationContext{})));
}

}  // namespace
}  // namespace tarnvik::cli
