#include "sizing/message_text.h"

namespace tarnvik::sizing {

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6";  // U+2026

std::string Length(std::string_view text) {
    return " (" + std::to_string(text.size()) + " bytes)";
}

}  // namespace

std::string_view Prefix(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t cut = bytes;
    // A UTF-8 character is at most four bytes: back up over at most three
    // continuation bytes.
    for (int back = 0;
         back < 3 && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80; ++back)
        --cut;
    return text.substr(0, cut);
}

std::string Join(const std::vector<std::string>& values) {
    std::string out;
    for (const std::string& v : values) {
        if (!out.empty()) out += ", ";
        out += v;
    }
    return out;
}

std::string JoinOrNone(const std::vector<std::string>& values) {
    return values.empty() ? "none" : Join(values);
}

std::string Shortened(std::string_view text) {
    if (text.size() <= kEchoedBytes) return std::string(text);
    return std::string(Prefix(text, kEchoedBytes)) + kEllipsis + Length(text);
}

std::string Quoted(std::string_view text) {
    if (text.size() <= kEchoedBytes) return "\"" + std::string(text) + "\"";
    return "\"" + std::string(Prefix(text, kEchoedBytes)) + kEllipsis + "\"" + Length(text);
}

}  // namespace tarnvik::sizing
