// Faults of the input, the output and the arguments that show only in the
// real executable: what a read error, a full disk or a huge line does to
// the exit status, the output and the messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_process.h"

namespace tarnvik::test {
namespace {

const std::string kGoodLine = R"({"sensor":"QA70","unit":"kg/h","process-pressure":"7"})";
const std::string kGoodAnswer =
    R"({"profileFactor":"0.813","maxFlow":"1589.4","maxFlowUnit":"kg/h","minFlow":"166.7",)"
    R"("minFlowUnit":"kg/h","maxVelocity":"200.0","velocityUnit":"sm/s",)"
    R"("cutoffVelocity":"2.8","cutoffVelocityUnit":"m/s","inputs":{"sensor":"QA70","range":"S",)"
    R"("diameter":"54.0","gas":"Air","gas-constant":"287.0","reference":"standard",)"
    R"("reference-temperature":"20.0","reference-pressure":"1000.0","unit":"kg/h",)"
    R"("flow-type":"flow","cutoff":"20","process-pressure":"7","process-temperature":"35.0",)"
    R"("process-humidity":"90.0","inlet-pressure":"1.01325","inlet-temperature":"25.0",)"
    R"("inlet-humidity":"50.0"}})";

ProcessResult Batch(const std::string& input, const ProcessStreams& streams = {}) {
    return RunProcess({TARNVIK_CALC, "--batch"}, {}, input, streams);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the output ends inside a line";
    return lines;
}

struct ReadFault {
    const char* name;
    ProcessStreams streams;
    std::string message;
};

void PrintTo(const ReadFault& c, std::ostream* os) {
    *os << c.name;
}

class BatchReadFault : public testing::TestWithParam<ReadFault> {};

// Until now a read error looked like the end of the input: status 0,
// nothing said.
TEST_P(BatchReadFault, IsAnErrorNamingTheLine) {
    const ProcessResult r = Batch("", GetParam().streams);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tarnvik-calc: cannot read line 1 of the input: " + GetParam().message + "\n");
    EXPECT_EQ(r.status, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BatchReadFault,
    testing::Values(ReadFault{"directory", {.inputPath = "/"}, "Is a directory"},
                    ReadFault{"closed", {.closeInput = true}, "Bad file descriptor"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchLimits, LineOverTheLimitIsOneErrorLineAndTheBatchGoesOn) {
    // One byte over 1 MiB, made of a valid object: only its length is wrong.
    std::string huge = R"({"sensor":"QA30","diameter":")";
    huge += std::string(1024 * 1024 + 1 - huge.size() - 2, '9') + "\"}";
    ASSERT_EQ(huge.size(), 1024u * 1024 + 1);
    const ProcessResult r = Batch(kGoodLine + "\n" + huge + "\n" + kGoodLine + "\n" + kGoodLine);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], kGoodAnswer);
    EXPECT_EQ(lines[1], R"x({"error":"line longer than the limit of 1048576 bytes (1 MiB)"})x");
    EXPECT_EQ(lines[2], kGoodAnswer);
    EXPECT_EQ(lines[3], kGoodAnswer);
    EXPECT_EQ(r.err, "tarnvik-calc: 1 of 4 lines failed\n");
    EXPECT_EQ(r.status, 1);
}

// Until now a full disk was found only after every line was computed.
TEST(BatchOutput, FirstFailedWriteEndsTheRun) {
    std::string input;
    for (int i = 0; i < 100000; ++i) input += kGoodLine + "\n";
    const ProcessResult r = Batch(input, {.outputPath = "/dev/full"});
    EXPECT_EQ(r.err, "tarnvik-calc: could not write the output\n");
    EXPECT_EQ(r.status, 1);
    // It stopped within a buffer or two of the input, not at its end.
    EXPECT_LT(r.inputWritten, input.size() / 10);
}

TEST(Arguments, ManyUnexpectedOnesGiveAShortMessage) {
    std::vector<std::string> argv{TARNVIK_CALC};
    for (int i = 0; i < 100000; ++i) argv.push_back("x" + std::to_string(i));
    const ProcessResult r = RunProcess(argv, {}, "");
    EXPECT_EQ(r.err,
              "The following 100000 arguments were not expected: x0 x1 x2 x3 x4 \xE2\x80\xA6\n"
              "Run with --help for more information.\n");
    EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace tarnvik::test
