// Lines of a byte source with a bound on their length: a longer line is
// skipped as it streams past, never held whole, so memory stays bounded
// whatever the input.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "cli/byte_source.h"

namespace tarnvik::cli {

class LineReader {
  public:
    enum class Outcome {
        Line,         // line holds the next line, without its "\n"
        TooLong,      // the next line was longer than the limit and is skipped
        OutOfMemory,  // the next line could not be held and is skipped
        End,          // the input ended; a last line without "\n" came before
        ReadError,    // reading failed; Error() says why
    };

    // beforeRead runs before every read of the source, which may block:
    // a driver answering line by line flushes its output there.
    LineReader(ByteSource& source, std::size_t maxLineBytes, std::function<void()> beforeRead = {});

    Outcome Next(std::string& line);
    const std::string& Error() const { return error_; }

  private:
    bool Fill();  // false at the end of the input or on an error

    ByteSource& source_;
    std::size_t maxLineBytes_;
    std::function<void()> beforeRead_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;  // unread bytes are buffer_[begin_, end_)
    std::size_t end_ = 0;
    bool ended_ = false;
    std::string error_;
};

}  // namespace tarnvik::cli
