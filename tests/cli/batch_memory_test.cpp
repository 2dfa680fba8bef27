// An allocation that fails while a line is read is that line's error, and
// the batch goes on. Any single allocation of 256 KiB or more fails in
// this program, as it would under a tight memory limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <sstream>
#include <string>

#include "cli/batch.h"

namespace {
constexpr std::size_t kLargestAllocation = 256 * 1024;
}  // namespace

void* operator new(std::size_t size) {
    if (size < kLargestAllocation)
        if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace tarnvik::cli {
namespace {

// Good line, a line of 300,000 bytes, good line: made as it is read, for
// no allocation here may be as large as that line.
class BigLineSource : public ByteSource {
  public:
    std::ptrdiff_t Read(char* buffer, std::size_t size, std::string&) override {
        if (sent_ == 0) return Send(buffer, "{}\n{\"sensor\":\"QA30\",\"diameter\":\"");
        if (sent_ == 1) {
            const std::size_t n = std::min(size, kDigits - digits_);
            std::fill_n(buffer, n, '9');
            digits_ += n;
            if (digits_ == kDigits) sent_ = 2;
            return static_cast<std::ptrdiff_t>(n);
        }
        if (sent_ == 2) return Send(buffer, "\"}\n{}\n");
        return 0;
    }

  private:
    static constexpr std::size_t kDigits = 300000;
    std::ptrdiff_t Send(char* buffer, std::string_view text) {
        std::copy(text.begin(), text.end(), buffer);
        ++sent_;
        return static_cast<std::ptrdiff_t>(text.size());
    }
    int sent_ = 0;
    std::size_t digits_ = 0;
};

TEST(RunBatch, AllocationFailureIsTheLinesError) {
    BigLineSource in;
    std::ostringstream out;
    const BatchSummary s = RunBatch(in, out);
    EXPECT_EQ(s.lines, 3);
    EXPECT_EQ(s.failed, 1);
    EXPECT_TRUE(s.readError.empty());
    std::istringstream answers(out.str());
    std::string first, second, third;
    std::getline(answers, first);
    std::getline(answers, second);
    std::getline(answers, third);
    EXPECT_EQ(second, R"({"error":"not enough memory for this line"})");
    EXPECT_EQ(first, third);
    EXPECT_NE(first.find("\"profileFactor\""), std::string::npos);
}

}  // namespace
}  // namespace tarnvik::cli
