// One batch line, whatever its bytes: the answer is exactly one line of
// valid JSON (valid UTF-8 too), an object holding only "error" exactly
// when the line is rejected, and otherwise the nine results followed by
// the "inputs" object of texts. A line can only be accepted if it is a
// JSON object of strings, numbers and booleans (the "as-typed" key).
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "sizing/window_session.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool AllStrings(const nlohmann::ordered_json& object) {
    for (const auto& item : object.items())
        if (!item.value().is_string()) return false;
    return true;
}

bool AllScalars(const nlohmann::ordered_json& object) {
    for (const auto& item : object.items())
        if (!item.value().is_string() && !item.value().is_number() && !item.value().is_boolean())
            return false;
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
    const nlohmann::ordered_json parsed = nlohmann::ordered_json::parse(answer);
    Require(parsed.is_object());
    if (ok) {
        Require(parsed.size() == tarnvik::sizing::kResultCount + 1 && !parsed.contains("error"));
        const auto inputs = parsed.find("inputs");
        Require(inputs != parsed.end() && inputs->is_object() && AllStrings(*inputs));
        Require(std::next(inputs) == parsed.end());  // after today's keys
        nlohmann::ordered_json results = parsed;
        results.erase("inputs");
        Require(AllStrings(results));
        Require(line.find('\0') == std::string_view::npos && nlohmann::json::accept(line));
        const nlohmann::ordered_json request = nlohmann::ordered_json::parse(line);
        Require(request.is_object() && AllScalars(request));
    } else {
        Require(parsed.size() == 1 && parsed.contains("error") && parsed["error"].is_string());
    }
    return 0;
}
