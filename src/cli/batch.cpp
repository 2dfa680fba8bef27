#include "cli/batch.h"

#include <algorithm>
#include <vector>

#include "cli/result_output.h"
#include "sizing/window_session.h"

namespace tarnvik::cli {

namespace {

using sizing::OptionValues;

std::string ErrorLine(const std::string& message) {
    Json object = Json::object();
    object["error"] = message;
    return DumpLine(object);
}

// nlohmann's messages start with an internal tag such as
// "[json.exception.parse_error.101] ", which tells a user nothing.
std::string WithoutTag(std::string_view what) {
    if (!what.empty() && what.front() == '[') {
        const std::size_t end = what.find("] ");
        if (end != std::string_view::npos) what.remove_prefix(end + 2);
    }
    return std::string(what);
}

// Reads a line's object into option values; an error text on failure.
std::string ReadOptions(std::string_view line, OptionValues& values) {
    // A key given twice would otherwise silently keep only one of its
    // values; the parser callback sees every key of the top-level object.
    std::vector<std::string> keys;
    std::string duplicate;
    const Json::parser_callback_t noteKeys = [&](int depth, Json::parse_event_t event,
                                                 Json& parsed) {
        if (event == Json::parse_event_t::key && depth == 1) {
            const std::string& key = parsed.get_ref<const std::string&>();
            if (std::find(keys.begin(), keys.end(), key) != keys.end() && duplicate.empty())
                duplicate = key;
            keys.push_back(key);
        }
        return true;
    };
    // The parser takes a NUL byte for the end of its input and would let
    // whatever follows it pass unread.
    if (line.find('\0') != std::string_view::npos) return "malformed line: a NUL byte";
    Json object;
    try {
        object = Json::parse(line.begin(), line.end(), noteKeys);
    } catch (const Json::exception& e) {
        return "malformed line: " + WithoutTag(e.what());
    }
    if (!object.is_object()) return "a line must be one JSON object of option names and texts";
    if (!duplicate.empty()) return "key \"" + duplicate + "\" is given twice";
    for (const auto& [key, value] : object.items()) {
        const sizing::WindowOption* option = sizing::FindWindowOption(key);
        if (!option) return "unknown key \"" + key + "\"; the keys are the option names";
        if (!value.is_string())
            return "the value of \"" + key + "\" must be a string, as typed into the window";
        values[option->opt] = value.get<std::string>();
    }
    return "";
}

}  // namespace

std::string BatchLine(std::string_view line, bool& ok) {
    CTarnvikDlg started("tarnvik-calc");
    started.OnInitDialog();
    return BatchLine(line, started, ok);
}

std::string BatchLine(std::string_view line, const CTarnvikDlg& started, bool& ok) {
    ok = false;
    OptionValues values;
    if (std::string problem = ReadOptions(line, values); !problem.empty())
        return ErrorLine(problem);
    // Each line gets a fresh window: a copy of one started once, so that
    // the start-up sequence does not run again for every line.
    sizing::WindowSession session(started);
    if (auto error = session.Apply(values)) return ErrorLine(error->Describe(""));
    ok = true;
    return DumpLine(ResultsJson(session.Read()));
}

BatchSummary RunBatch(std::istream& in, std::ostream& out) {
    BatchSummary summary;
    CTarnvikDlg started("tarnvik-calc");
    started.OnInitDialog();
    std::string line;
    while (std::getline(in, line)) {
        bool ok = false;
        out << BatchLine(line, started, ok) << '\n';
        ++summary.lines;
        if (!ok) ++summary.failed;
    }
    return summary;
}

}  // namespace tarnvik::cli
