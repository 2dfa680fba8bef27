// The range table as the page calls it: errors as data, and every row
// what a fresh window shows for the same inputs.
#include "sizing/range_table.h"

#include <gtest/gtest.h>

#include "core/control_ids.h"
#include "named_case.h"

namespace tarnvik {
namespace {

using sizing::OptionText;
using sizing::RangeTable;
using sizing::TableRequest;
using sizing::TableResult;

TableRequest Request(std::vector<OptionText> options, std::vector<std::string> diameters = {}) {
    return {.options = std::move(options), .diameters = std::move(diameters), .optionPrefix = ""};
}

struct BadRequest {
    const char* name;
    TableRequest request;
    std::string error;
};

class TableErrors : public testing::TestWithParam<BadRequest> {};

TEST_P(TableErrors, ComeBackAsTheOnlyData) {
    const TableResult r = RangeTable(GetParam().request);
    EXPECT_EQ(r.error, GetParam().error);
    EXPECT_TRUE(r.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, TableErrors,
    testing::Values(
        BadRequest{"no_sensor", Request({{"unit", "m3/h"}}), "table needs sensor"},
        BadRequest{"section_is_a_row", Request({{"sensor", "QA40"}, {"section", "DN15"}}),
                   "section is not taken here"},
        BadRequest{"unknown_sensor", Request({{"sensor", "QA11"}}),
                   "sensor \"QA11\" is not offered now (sensor QA10, gas Air, reference "
                   "standard); available: QA10, QA20, QA30, QA40, QA50, QA60, QA70, QA80, "
                   "QA20-V, QA90; did you mean \"QA10\"?"},
        BadRequest{"diameter_with_sections", Request({{"sensor", "QA40"}}, {"25"}),
                   "diameter \"25\" cannot be used now: the box is disabled (sensor QA40, gas "
                   "Air, reference standard); this type is built into a measuring section: give "
                   "section instead, one of DN15 "
                   "(16.1 mm), DN20 (21.7 mm), DN25 (27.3 mm), DN32 (36.0 mm), DN40 (41.9 mm), "
                   "DN50 (53.1 mm), DN65 (68.9 mm), DN80 (80.9 mm)"},
        // A pipe's diameter is refused as the pipe, in the words of the window.
        BadRequest{"pipe_with_sections",
                   {.options = {{"sensor", "QA40"}},
                    .diameters = {"52.48"},
                    .pipes = {"NPS 2 Sch 40"},
                    .optionPrefix = ""},
                   "pipe \"NPS 2 Sch 40\" cannot be used now: the box is disabled (sensor QA40, "
                   "gas Air, reference standard); this type is built into a measuring section: "
                   "give section instead, one of DN15 "
                   "(16.1 mm), DN20 (21.7 mm), DN25 (27.3 mm), DN32 (36.0 mm), DN40 (41.9 mm), "
                   "DN50 (53.1 mm), DN65 (68.9 mm), DN80 (80.9 mm)"},
        // Rows that fail part way give no half table.
        BadRequest{"unit_not_offered", Request({{"sensor", "QA10"}, {"unit", "t/h"}}),
                   "unit \"t/h\" cannot be used now: that choice is disabled (sensor QA10, gas "
                   "Air, reference standard); available: m3/h, m3/min, l/min, l/s, cfm, kg/h, "
                   "kg/min, kg/s"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RangeTable, EachRowIsWhatAFreshWindowShows) {
    const std::vector<OptionText> options = {
        {"sensor", "QA70"}, {"unit", "t/h"}, {"process-pressure", "8"}, {"cutoff", "30"}};
    const TableResult r = RangeTable(Request(options, {"25", "54,5"}));
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.rows.size(), 4u);
    const char* diameters[] = {"25", "25", "54.5", "54.5"};  // as the box shows them
    const char* ranges[] = {"S", "HS", "S", "HS"};
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        const sizing::SizingRow& row = r.rows[i];
        EXPECT_EQ(row.sensor, "QA70");
        EXPECT_EQ(row.section, "");
        EXPECT_EQ(row.diameter, diameters[i]);
        EXPECT_EQ(row.range, ranges[i]);

        sizing::OptionValues values;
        ASSERT_EQ(sizing::ReadOptionTexts(options, {}, "", values), "");
        values[sizing::Opt::Diameter] = i < 2 ? "25" : "54,5";
        values[sizing::Opt::Range] = ranges[i];
        sizing::WindowSession plain;
        ASSERT_FALSE(plain.Apply(values).has_value());
        EXPECT_EQ(row.results, plain.Read()) << "row " << i;
    }
}

TEST(RangeTable, TypeWithoutRangesHasOneRowPerSection) {
    const TableResult r = RangeTable(Request({{"sensor", "QA80"}}));
    ASSERT_EQ(r.error, "");
    const sizing::WindowSession fresh;
    std::vector<std::string> sections;
    for (const sizing::SizingRow& row : r.rows) {
        EXPECT_EQ(row.range, "");
        sections.push_back(row.section);
    }
    sizing::WindowSession qa80;
    ASSERT_FALSE(qa80.Apply(sizing::Opt::Sensor, "QA80").has_value());
    EXPECT_EQ(sections, qa80.Items(id::kSection));
}

// A pipe only names its diameter's rows: they are what the typed diameter
// gives, in the order the diameters were given.
TEST(RangeTable, RowsNameThePipeTheirDiameterCameFrom) {
    const std::vector<OptionText> options = {{"sensor", "QA30"}, {"unit", "m3/h"}};
    TableRequest request = Request(options, {"80", "52.48"});
    request.pipes = {"", "NPS 2 Sch 40"};
    const TableResult named = RangeTable(request);
    const TableResult typed = RangeTable(Request(options, {"80", "52.48"}));
    ASSERT_EQ(named.error, "");
    ASSERT_EQ(named.rows.size(), typed.rows.size());
    for (std::size_t i = 0; i < named.rows.size(); ++i) {
        EXPECT_EQ(named.rows[i].pipe, i < named.rows.size() / 2 ? "" : "NPS 2 Sch 40") << i;
        EXPECT_EQ(named.rows[i].diameter, typed.rows[i].diameter) << i;
        EXPECT_EQ(named.rows[i].results, typed.rows[i].results) << i;
    }
}

}  // namespace
}  // namespace tarnvik
