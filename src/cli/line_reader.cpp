#include "cli/line_reader.h"

#include <cstring>
#include <new>

namespace tarnvik::cli {

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

}  // namespace

LineReader::LineReader(ByteSource& source, std::size_t maxLineBytes,
                       std::function<void()> beforeRead)
    : source_(source),
      maxLineBytes_(maxLineBytes),
      beforeRead_(std::move(beforeRead)),
      buffer_(new char[kBufferBytes]) {}

bool LineReader::Fill() {
    if (ended_) return false;
    if (beforeRead_) beforeRead_();
    const std::ptrdiff_t n = source_.Read(buffer_.get(), kBufferBytes, error_);
    if (n <= 0) {
        if (n < 0 && error_.empty()) error_ = "read error";
        ended_ = true;
        return false;
    }
    begin_ = 0;
    end_ = static_cast<std::size_t>(n);
    return true;
}

LineReader::Outcome LineReader::Next(std::string& line) {
    line.clear();
    bool any = false;       // a byte of this line was seen
    bool skipping = false;  // past the limit, or out of memory
    Outcome skipped = Outcome::TooLong;
    for (;;) {
        if (begin_ == end_ && !Fill()) {
            if (!error_.empty()) return Outcome::ReadError;
            if (!any) return Outcome::End;
            return skipping ? skipped : Outcome::Line;
        }
        any = true;
        const char* start = buffer_.get() + begin_;
        const std::size_t available = end_ - begin_;
        const void* newline = std::memchr(start, '\n', available);
        const std::size_t take =
            newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start)
                    : available;
        begin_ += newline ? take + 1 : take;
        if (!skipping) {
            if (line.size() + take > maxLineBytes_) {
                skipping = true;
                skipped = Outcome::TooLong;
                std::string().swap(line);  // give the memory back at once
            } else {
                try {
                    line.append(start, take);
                } catch (const std::bad_alloc&) {
                    skipping = true;
                    skipped = Outcome::OutOfMemory;
                    std::string().swap(line);
                }
            }
        }
        if (newline) return skipping ? skipped : Outcome::Line;
    }
}

}  // namespace tarnvik::cli
