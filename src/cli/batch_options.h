// Reads one batch line, a JSON object of option names and texts, into
// option values. The line is parsed as a stream of events (nlohmann's
// SAX interface): nothing but the option texts is built, and the nesting
// depth is bounded without a document tree to hold it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sizing/window_options.h"

namespace tarnvik::cli {

// Deeper JSON is refused as soon as the parser reaches it.
inline constexpr std::size_t kMaxJsonNesting = 100;

// An error text for a line that is not one object of known option names
// with string or number values, empty on success; a number is taken as
// its text in the line. The key "pipe", a pipe's name, is not a window
// option: its value goes to pipe. The key "as-typed" takes true or false
// and sets asTyped, which is left alone when the key is absent. The errors a line can have are
// reported in a fixed order: a NUL byte, malformed JSON or nesting past
// the limit, not an object, a key given twice, then the first key or
// value in the line that is not accepted.
std::string ReadBatchOptions(std::string_view line, sizing::OptionValues& values,
                             std::optional<std::string>& pipe, bool& asTyped);

}  // namespace tarnvik::cli
