#include "cli/result_output.h"

#include "cli/text_table.h"
#include "core/numbers.h"

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

void AppendMember(std::string& line, char& separator, std::string_view key,
                  const std::string& value) {
    line += separator;
    separator = ',';
    line += '"';
    line += key;  // plain ASCII
    line += "\":";
    if (Plain(value)) {
        line += '"';
        line += value;
        line += '"';
    } else {
        line += DumpLine(Json(value));
    }
}

}  // namespace

void AppendResultsLine(std::string& line, const sizing::Results& results) {
    char separator = '{';
    for (std::size_t i = 0; i < sizing::kResultCount; ++i)
        AppendMember(line, separator, sizing::ResultBoxes()[i].key, results[i]);
    line += '}';
}

void AppendInputsLine(std::string& line, const CalculationContext& context) {
    char separator = '{';
    for (const ContextEntry& e : context.inputs) AppendMember(line, separator, e.key, e.value);
    if (separator == '{') line += '{';
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

// RFC 4180: a field with the separator, a quote or a line break is quoted.
// A typed diameter can hold any of them.
std::string CsvField(std::string text, const CsvStyle& style, bool value) {
    if (value && style.decimalComma && ReadsWhole(text))
        for (char& c : text)
            if (c == '.') c = ',';
    const char special[] = {style.separator, '"', '\r', '\n', '\0'};
    if (text.find_first_of(special) == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string CsvLine(const Json& object, bool keys, const CsvStyle& style) {
    std::string line;
    bool first = true;
    for (const auto& [key, value] : object.items()) {
        if (!first) line += style.separator;
        first = false;
        line += CsvField(keys ? key : value.get<std::string>(), style, !keys);
    }
    return line;
}

Json CalculationRecord(const sizing::Results* results, const CalculationContext* context,
                       bool withError, const std::string& error) {
    Json record = Json::object();
    const auto input = [&](std::string_view key) {
        const ContextEntry* e = context ? context->Input(key) : nullptr;
        record[std::string(key)] = e ? e->value : "";
    };
    for (const sizing::WindowOption& o : sizing::WindowOptions()) {
        // A pipe stands in the place of the diameter it sets.
        if (o.opt == sizing::Opt::Diameter) input("pipe");
        input(o.name);
    }
    for (std::size_t i = 0; i < sizing::kResultCount; ++i)
        record[sizing::ResultBoxes()[i].key] = results ? (*results)[i] : "";
    if (withError) record["error"] = error;
    return record;
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
