#include "cli/result_output.h"

#include "cli/text_table.h"

namespace tarnvik::cli {

Json ResultsJson(const sizing::Results& results) {
    Json object = Json::object();
    for (std::size_t i = 0; i < sizing::kResultCount; ++i)
        object[sizing::ResultBoxes()[i].key] = results[i];
    return object;
}

Json InputsJson(const CalculationContext& context) {
    Json inputs = Json::object();
    for (const ContextEntry& e : context.inputs) inputs[e.key] = e.value;
    return inputs;
}

Json ResultsWithInputsJson(const sizing::Results& results, const CalculationContext& context) {
    Json object = ResultsJson(results);
    object["inputs"] = InputsJson(context);
    return object;
}

namespace {

// Printable ASCII other than the quote and the backslash is written as it
// is; anything else (escapes, UTF-8, bytes to repair) takes the JSON
// library's own way, so that the two writers cannot differ.
bool Plain(const std::string& text) {
    for (const char c : text)
        if (c < 0x20 || c > 0x7E || c == '"' || c == '\\') return false;
    return true;
}

}  // namespace

void AppendResultsLine(std::string& line, const sizing::Results& results) {
    char separator = '{';
    for (std::size_t i = 0; i < sizing::kResultCount; ++i) {
        line += separator;
        separator = ',';
        line += '"';
        line += sizing::ResultBoxes()[i].key;  // plain ASCII
        line += "\":";
        if (Plain(results[i])) {
            line += '"';
            line += results[i];
            line += '"';
        } else {
            line += DumpLine(Json(results[i]));
        }
    }
    line += '}';
}

Json RowJson(const sizing::SizingRow& row, bool withPipe) {
    Json object = Json::object();
    object["sensor"] = row.sensor;
    object["section"] = row.section;
    if (withPipe) object["pipe"] = row.pipe;
    object["diameter"] = row.diameter;
    object["range"] = row.range;
    object.update(ResultsJson(row.results));
    return object;
}

namespace {

// RFC 4180: a field with a comma, quote or line break is quoted. A typed
// diameter can hold any of them.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string CsvLine(const Json& object, bool keys) {
    std::string line;
    for (const auto& [key, value] : object.items()) {
        if (!line.empty()) line += ',';
        line += CsvField(keys ? key : value.get<std::string>());
    }
    return line;
}

std::string DumpLine(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string DumpPretty(const Json& value) {
    return value.dump(2, ' ', false, Json::error_handler_t::replace);
}

void PrintResultsTable(std::ostream& out, const sizing::Results& r) {
    using A = TextTable::Align;
    TextTable table({A::Left, A::Right, A::Left});
    using namespace sizing::result;
    table.AddRow({"Profile factor", r[kProfileFactor]});
    table.AddRow({"Max. flow", r[kMaxFlow], r[kMaxFlowUnit]});
    table.AddRow({"Min. flow", r[kMinFlow], r[kMinFlowUnit]});
    table.AddRow({"Max. velocity", r[kMaxVelocity], r[kVelocityUnit]});
    table.AddRow({"Cut-off velocity", r[kCutoffVelocity], r[kCutoffVelocityUnit]});
    table.Print(out);
}

void PrintInputs(std::ostream& out, const CalculationContext& context) {
    using A = TextTable::Align;
    TextTable table({A::Left, A::Left});
    for (const ContextEntry& e : context.inputs) table.AddRow({e.label, e.shown});
    out << "\nCalculated for:\n";
    table.Print(out, "  ");
}

}  // namespace tarnvik::cli
