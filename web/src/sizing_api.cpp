#include "sizing_api.h"

#include <string>
#include <vector>

#include "sizing/plain_decimal.h"
#include "sizing/range_chart.h"
#include "sizing/range_table.h"
#include "sizing/sensor_finder.h"

namespace tarnvik::web {

using emscripten::val;

namespace {

// Messages name options as a request names them: "unit", not "--unit".
constexpr const char* kOptionPrefix = "";

// Any JS value as its text, so that numbers may stand for texts.
std::string Text(const val& v) {
    if (v.isUndefined() || v.isNull()) return std::string();
    return val::global("String")(v).as<std::string>();
}

std::vector<std::string> Texts(const val& array) {
    std::vector<std::string> texts;
    if (array.isUndefined() || array.isNull()) return texts;
    const int length = array["length"].as<int>();
    for (int i = 0; i < length; ++i) texts.push_back(Text(array[i]));
    return texts;
}

std::vector<sizing::OptionText> Options(const val& options) {
    std::vector<sizing::OptionText> list;
    if (options.isUndefined() || options.isNull()) return list;
    const val names = val::global("Object").call<val>("keys", options);
    const int count = names["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const std::string name = names[i].as<std::string>();
        list.push_back({name, Text(options[name])});
    }
    return list;
}

val Strings(const std::vector<std::string>& texts) {
    val array = val::array();
    for (std::size_t i = 0; i < texts.size(); ++i) array.set(i, texts[i]);
    return array;
}

val RowObject(const sizing::SizingRow& row) {
    val o = val::object();
    o.set("sensor", row.sensor);
    o.set("section", row.section);
    o.set("diameter", row.diameter);
    o.set("pipe", row.pipe);
    o.set("range", row.range);
    val results = val::object();
    for (std::size_t i = 0; i < sizing::kResultCount; ++i)
        results.set(std::string(sizing::ResultBoxes()[i].key), row.results[i]);
    o.set("results", results);
    return o;
}

val FoundRows(const std::vector<sizing::FoundRow>& rows) {
    val array = val::array();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        val o = RowObject(rows[i].row);
        o.set("minFlow", rows[i].minFlow);
        o.set("maxFlow", rows[i].maxFlow);
        o.set("misses", rows[i].misses);
        array.set(i, o);
    }
    return array;
}

val Notes(const std::vector<sizing::FindNote>& notes) {
    val array = val::array();
    for (std::size_t i = 0; i < notes.size(); ++i) {
        val o = val::object();
        o.set("sensors", Strings(notes[i].sensors));
        o.set("text", notes[i].text);
        array.set(i, o);
    }
    return array;
}

val PipeObject(const sizing::PipeSize& pipe) {
    val o = val::object();
    o.set("name", pipe.name);
    o.set("standard", std::string(pipe.standard->name));
    o.set("size", pipe.size);
    o.set("designation", pipe.designation);
    o.set("outside", pipe.outsideText);
    o.set("wall", pipe.wallText);
    o.set("inner", pipe.innerText);
    return o;
}

}  // namespace

val FindSensors(const val& request) {
    const sizing::FindResult found = sizing::FindSensors({.minFlow = Text(request["minFlow"]),
                                                          .maxFlow = Text(request["maxFlow"]),
                                                          .options = Options(request["options"]),
                                                          .diameters = Texts(request["diameters"]),
                                                          .pipes = Texts(request["pipes"]),
                                                          .optionPrefix = kOptionPrefix});
    val result = val::object();
    result.set("error", found.error);
    result.set("fits", FoundRows(found.fits));
    result.set("nearest", FoundRows(found.nearest));
    result.set("leftOut", Notes(found.leftOut));
    result.set("notUsed", Notes(found.notUsed));
    return result;
}

val RangeTable(const val& request) {
    const sizing::TableResult table = sizing::RangeTable({.options = Options(request["options"]),
                                                          .diameters = Texts(request["diameters"]),
                                                          .pipes = Texts(request["pipes"]),
                                                          .optionPrefix = kOptionPrefix});
    val result = val::object();
    result.set("error", table.error);
    val rows = val::array();
    for (std::size_t i = 0; i < table.rows.size(); ++i) rows.set(i, RowObject(table.rows[i]));
    result.set("rows", rows);
    return result;
}

std::string RangeChart(const val& request) {
    std::vector<sizing::RangeRow> rows;
    const val given = request["rows"];
    const int count = given.isUndefined() || given.isNull() ? 0 : given["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const val row = given[i];
        const val results = row["results"];
        rows.push_back({.section = Text(row["section"]),
                        .diameter = Text(row["diameter"]),
                        .range = Text(row["range"]),
                        .minFlow = Text(results["minFlow"]),
                        .maxFlow = Text(results["maxFlow"]),
                        .unit = Text(results["maxFlowUnit"]),
                        .pipe = Text(row["pipe"])});
    }
    const val current = request["current"];
    sizing::RangeSelection selection;
    if (!current.isUndefined() && !current.isNull())
        selection = {Text(current["section"]), Text(current["diameter"]), Text(current["range"])};

    std::optional<sizing::RequiredRange> required;
    const val wanted = request["required"];
    if (!wanted.isUndefined() && !wanted.isNull()) {
        const std::string low = Text(wanted["low"]);
        const std::string high = Text(wanted["high"]);
        const auto x = sizing::ReadPlainDecimal(low);
        const auto y = sizing::ReadPlainDecimal(high);
        if (x && y) required = sizing::RequiredRange{*x, *y, low, high};
    }
    return sizing::RangeChartSvg(
        sizing::RangeChartOf(Text(request["sensor"]), rows, selection, std::move(required)));
}

val Pipes() {
    val array = val::array();
    int i = 0;
    for (const sizing::PipeSize& pipe : sizing::AllPipes()) array.set(i++, PipeObject(pipe));
    return array;
}

val FindPipe(const std::string& name) {
    return PipeLookupObject(sizing::FindPipe(name));
}

val PipeLookupObject(const sizing::PipeLookup& found) {
    val result = val::object();
    result.set("pipe", found ? PipeObject(*found.pipe) : val::null());
    result.set("error", found ? std::string() : found.error.message);
    result.set("candidates", Strings(found ? std::vector<std::string>{} : found.error.candidates));
    return result;
}

}  // namespace tarnvik::web
