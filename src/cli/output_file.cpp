#include "cli/output_file.h"

#include <fcntl.h>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tarnvik::cli {

namespace {

// strerror speaks the process locale; messages must not depend on it.
std::string Reason(int error) {
    locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    std::string text = c ? strerror_l(error, c) : "error " + std::to_string(error);
    if (c) freelocale(c);
    return text;
}

std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A device, a pipe or a terminal (-o /dev/stdout) is written in place:
// there is nothing to replace.
std::string WriteInPlace(const std::string& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return Reason(errno);
    int error = WriteAll(fd, text) ? 0 : errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error == 0 ? "" : Reason(error);
}

}  // namespace

std::string WriteFileReplacing(const std::string& given, std::string_view text) {
    if (given.empty()) return "no file name";
    std::string path = given;
    struct stat target {};
    if (::stat(given.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode)) return Reason(EISDIR);
        if (!S_ISREG(target.st_mode)) return WriteInPlace(given, text);
        // A link to a file: the file it points to gets the new text, the
        // link stays.
        struct stat link {};
        if (::lstat(given.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            char* resolved = ::realpath(given.c_str(), nullptr);
            if (!resolved) return Reason(errno);
            path = resolved;
            std::free(resolved);
        }
    }
    // A name of its own in the target's folder, so that the rename stays
    // on one file system; O_EXCL never takes over another file. Mode 0666
    // lets the umask decide, as for any file the user creates.
    const std::string stem = Folder(path) + "/." + BaseName(path) + ".tmp-" +
                             std::to_string(static_cast<long>(::getpid())) + "-";
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = stem + std::to_string(attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return Reason(errno);
    }
    if (fd < 0) return Reason(EEXIST);

    int error = 0;
    if (!WriteAll(fd, text)) error = errno;
    // On disk before it replaces the old file, so a crash leaves one or
    // the other, never an empty page.
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    return "";
}

}  // namespace tarnvik::cli
