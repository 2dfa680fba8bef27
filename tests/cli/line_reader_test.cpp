// The bounded line reader: lines as getline gives them, a line past the
// limit skipped whole, and a read error told apart from the end, wherever
// the reads happen to split the input.
#include "cli/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace tarnvik::cli {
namespace {

// Hands out the text a few bytes per read, then fails if asked to.
class ChunkedSource : public ByteSource {
  public:
    ChunkedSource(std::string text, std::size_t chunk, bool failAtEnd)
        : text_(std::move(text)), chunk_(chunk), failAtEnd_(failAtEnd) {}

    std::ptrdiff_t Read(char* buffer, std::size_t size, std::string& error) override {
        if (position_ == text_.size() && failAtEnd_) {
            error = "Input/output error";
            return -1;
        }
        const std::size_t n = std::min({size, chunk_, text_.size() - position_});
        std::memcpy(buffer, text_.data() + position_, n);
        position_ += n;
        return static_cast<std::ptrdiff_t>(n);
    }

  private:
    std::string text_;
    std::size_t chunk_;
    bool failAtEnd_;
    std::size_t position_ = 0;
};

// What Next() gives, one entry per call: the line, or the outcome's name.
std::vector<std::string> ReadAll(ByteSource& source, std::size_t limit) {
    LineReader reader(source, limit);
    std::vector<std::string> got;
    std::string line;
    for (;;) {
        switch (reader.Next(line)) {
            case LineReader::Outcome::Line:
                got.push_back(line);
                continue;
            case LineReader::Outcome::TooLong:
                got.push_back("<too long>");
                continue;
            case LineReader::Outcome::OutOfMemory:
                got.push_back("<out of memory>");
                continue;
            case LineReader::Outcome::End:
                return got;
            case LineReader::Outcome::ReadError:
                got.push_back("<error: " + reader.Error() + ">");
                return got;
        }
    }
}

struct ReadCase {
    const char* name;
    std::string input;
    bool failAtEnd;
    std::vector<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class LineReaderTest : public testing::TestWithParam<ReadCase> {};

// The limit is 8 bytes; every case is read in chunks of every size.
TEST_P(LineReaderTest, GivesTheLinesWhateverTheChunks) {
    for (std::size_t chunk = 1; chunk <= GetParam().input.size() + 1; ++chunk) {
        ChunkedSource source(GetParam().input, chunk, GetParam().failAtEnd);
        EXPECT_EQ(ReadAll(source, 8), GetParam().expected) << "chunks of " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LineReaderTest,
    testing::Values(
        ReadCase{"empty", "", false, {}}, ReadCase{"one_empty_line", "\n", false, {""}},
        ReadCase{"last_line_unended", "a\nb", false, {"a", "b"}},
        ReadCase{"carriage_returns_kept", "a\r\nb\r\n", false, {"a\r", "b\r"}},
        ReadCase{"at_the_limit", "12345678\n", false, {"12345678"}},
        ReadCase{"one_over_the_limit", "123456789\nok\n", false, {"<too long>", "ok"}},
        ReadCase{"far_over_between_good_lines",
                 "a\n" + std::string(100, 'x') + "\nb\n",
                 false,
                 {"a", "<too long>", "b"}},
        ReadCase{
            "over_the_limit_unended", "a\n" + std::string(20, 'x'), false, {"a", "<too long>"}},
        ReadCase{"error_after_lines", "a\nb\n", true, {"a", "b", "<error: Input/output error>"}},
        ReadCase{"error_inside_a_line", "a\nbc", true, {"a", "<error: Input/output error>"}},
        ReadCase{"error_at_once", "", true, {"<error: Input/output error>"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnvik::cli
