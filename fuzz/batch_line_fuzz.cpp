// One batch line, whatever its bytes: the answer is exactly one line of
// valid JSON (valid UTF-8 too), an object holding only "error" exactly
// when the line is rejected, and the nine results otherwise. A line can
// only be accepted if it is a JSON object of strings.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "sizing/window_session.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool AllStrings(const nlohmann::json& object) {
    for (const auto& item : object.items())
        if (!item.value().is_string()) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tarnvik::cli::BatchLines lines;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    bool ok = false;
    const std::string answer = lines.Answer(line, ok);

    Require(answer.find('\n') == std::string::npos);
    Require(nlohmann::json::accept(answer));  // rejects text that is not UTF-8
    const nlohmann::json parsed = nlohmann::json::parse(answer);
    Require(parsed.is_object() && AllStrings(parsed));
    if (ok) {
        Require(parsed.size() == tarnvik::sizing::kResultCount && !parsed.contains("error"));
        Require(line.find('\0') == std::string_view::npos && nlohmann::json::accept(line));
        const nlohmann::json request = nlohmann::json::parse(line);
        Require(request.is_object() && AllStrings(request));
    } else {
        Require(parsed.size() == 1 && parsed.contains("error"));
    }
    return 0;
}
