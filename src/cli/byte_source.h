// Where batch input comes from: a file descriptor for the real tool, a
// string for tests. A read error is told apart from the end of the input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnvik::cli {

class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // Up to size bytes into buffer: the number read, 0 at the end of the
    // input, or -1 on a read error, with error set to what went wrong.
    virtual std::ptrdiff_t Read(char* buffer, std::size_t size, std::string& error) = 0;
};

// read(2) on a descriptor the caller owns; a descriptor that is not open
// (a closed standard input) reads as an error, not as an empty input.
class FdSource : public ByteSource {
  public:
    explicit FdSource(int fd) : fd_(fd) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size, std::string& error) override;

  private:
    int fd_;
};

class StringSource : public ByteSource {
  public:
    explicit StringSource(std::string_view text) : text_(text) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size, std::string& error) override;

  private:
    std::string_view text_;
};

// The C library's text for an errno value, in English whatever the
// process locale is, like every other message of the tool.
std::string SystemErrorText(int errorNumber);

}  // namespace tarnvik::cli
