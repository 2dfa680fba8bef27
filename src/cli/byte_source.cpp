#include "cli/byte_source.h"

#include <locale.h>
#include <string.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarnvik::cli {

std::ptrdiff_t FdSource::Read(char* buffer, std::size_t size, std::string& error) {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        error = SystemErrorText(errno);
        return -1;
    }
}

std::ptrdiff_t StringSource::Read(char* buffer, std::size_t size, std::string&) {
    const std::size_t n = std::min(size, text_.size());
    std::memcpy(buffer, text_.data(), n);
    text_.remove_prefix(n);
    return static_cast<std::ptrdiff_t>(n);
}

std::string SystemErrorText(int errorNumber) {
    locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    std::string text = c ? strerror_l(errorNumber, c) : std::strerror(errorNumber);
    if (c) freelocale(c);
    return text;
}

}  // namespace tarnvik::cli
