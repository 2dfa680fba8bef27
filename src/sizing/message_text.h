// Lists and quoted values in human-readable messages. A value echoed in a
// message is bounded: a script gone wrong may pass megabytes where a
// sensor name belongs, and the message must still fit on a screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvik::sizing {

// "a, b, c".
std::string Join(const std::vector<std::string>& values);
// The same, "none" for no values.
std::string JoinOrNone(const std::vector<std::string>& values);

// At most this many bytes of a value are echoed, cut before a character.
inline constexpr std::size_t kEchoedBytes = 80;

// The first bytes of text, at most `bytes` of them, not ending inside a
// UTF-8 character.
std::string_view Prefix(std::string_view text, std::size_t bytes);

// The text itself when it is short; else its first bytes, "…" and its
// length: QA70QA70… (1000 bytes).
std::string Shortened(std::string_view text);
// The same in double quotes: "QA70", or "QA70QA70…" (1000 bytes).
std::string Quoted(std::string_view text);

}  // namespace tarnvik::sizing
