#include "cli/result_output.h"

#include "cli/text_table.h"

namespace tarnvik::cli {

Json ResultsJson(const sizing::Results& results) {
    Json object = Json::object();
    for (std::size_t i = 0; i < sizing::kResultCount; ++i)
        object[sizing::ResultBoxes()[i].key] = results[i];
    return object;
}

Json RowJson(const sizing::SizingRow& row) {
    Json object = Json::object();
    object["sensor"] = row.sensor;
    object["section"] = row.section;
    object["diameter"] = row.diameter;
    object["range"] = row.range;
    object.update(ResultsJson(row.results));
    return object;
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

}  // namespace tarnvik::cli
