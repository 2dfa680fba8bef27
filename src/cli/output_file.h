// Writing a whole document to a file without ever leaving half of one:
// the text goes to a new file beside the target, which then replaces the
// target in one rename.
#pragma once

#include <string>
#include <string_view>

namespace tarnvik::cli {

// Empty on success, else why the file could not be written (in the "C"
// locale's words, whatever the process locale); the target is then as it
// was, and no temporary file is left behind.
std::string WriteFileReplacing(const std::string& path, std::string_view text);

}  // namespace tarnvik::cli
