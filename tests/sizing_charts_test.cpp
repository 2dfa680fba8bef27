// Charts of the sizing answers, made from real range tables and finder
// answers: one bar per row in the answer's order, at the flows its window
// showed.
#include "sizing/sizing_charts.h"

#include <gtest/gtest.h>

#include "sizing/range_table.h"

namespace tarnvik {
namespace {

using sizing::FindResult;
using sizing::RangeChart;
using sizing::RequiredRange;
using namespace sizing::result;

void ExpectBarsAreRows(const RangeChart& chart, const std::vector<sizing::FoundRow>& rows) {
    ASSERT_EQ(chart.bars.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(chart.bars[i].minText, rows[i].row.results[kMinFlow]) << i;
        EXPECT_EQ(chart.bars[i].maxText, rows[i].row.results[kMaxFlow]) << i;
        EXPECT_EQ(chart.bars[i].maxFlow, rows[i].maxFlow) << i;
        EXPECT_EQ(chart.bars[i].label.rfind(rows[i].row.sensor + " ", 0), 0u) << i;
        EXPECT_FALSE(chart.bars[i].highlighted) << i;
    }
}

TEST(RangeTableChart, OneBarPerRowInTheTablesOrder) {
    const sizing::TableResult table =
        sizing::RangeTable({.options = {{"sensor", "QA70"}, {"unit", "kg/h"}},
                            .diameters = {"52.48", "80"},
                            .pipes = {"NPS 2 Sch 40", ""},
                            .optionPrefix = ""});
    ASSERT_EQ(table.error, "");
    const RangeChart chart = sizing::RangeTableChart(table.rows);
    ASSERT_EQ(chart.bars.size(), table.rows.size());
    EXPECT_EQ(chart.bars.front().label, "QA70 NPS 2 Sch 40 S");
    EXPECT_EQ(chart.bars.back().label, "QA70 80 mm HS");
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        EXPECT_EQ(chart.bars[i].minText, table.rows[i].results[kMinFlow]) << i;
        EXPECT_EQ(chart.bars[i].maxText, table.rows[i].results[kMaxFlow]) << i;
        EXPECT_FALSE(chart.bars[i].highlighted) << i;
    }
    EXPECT_EQ(chart.unit, "kg/h");
    EXPECT_EQ(chart.title, "Measuring ranges of QA70");

    const RangeChart current = sizing::RangeTableChart(table.rows, {"", "80", "S"});
    EXPECT_TRUE(current.bars[2].highlighted);
    EXPECT_EQ(std::count_if(current.bars.begin(), current.bars.end(),
                            [](const auto& b) { return b.highlighted; }),
              1);
}

FindResult Find(std::string low, std::string high, std::vector<sizing::OptionText> options,
                std::vector<std::string> diameters = {}) {
    return sizing::FindSensors({.minFlow = std::move(low),
                                .maxFlow = std::move(high),
                                .options = std::move(options),
                                .diameters = std::move(diameters),
                                .optionPrefix = "--"});
}

TEST(FinderChart, DrawsTheFitsBestFirstAgainstTheRequiredRange) {
    const FindResult found = Find("5", "400", {{"unit", "m3/h"}});
    ASSERT_FALSE(found.fits.empty());
    const RangeChart chart = sizing::FinderChart(found, {5.0, 400.0, "5", "400"}, "m3/h");
    ExpectBarsAreRows(chart, found.fits);
    ASSERT_TRUE(chart.required);
    EXPECT_EQ(chart.required->highText, "400");
    EXPECT_EQ(chart.unit, "sm3/h");  // every fit shows it
    EXPECT_EQ(chart.title, "Sensors for 5 \xE2\x80\x93 400 m3/h, best fit first");
    EXPECT_NE(chart.description.find("Left out: QA30, QA50, QA70, QA90 (free diameter"),
              std::string::npos)
        << chart.description;
}

TEST(FinderChart, WithoutAFitDrawsTheNearest) {
    const FindResult found = Find("1", "90000", {{"unit", "m3/h"}}, {"80"});
    ASSERT_TRUE(found.fits.empty());
    const RangeChart chart = sizing::FinderChart(found, {1.0, 90000.0, "1", "90000"}, "m3/h");
    ExpectBarsAreRows(chart, found.nearest);
    EXPECT_EQ(chart.title.rfind("Nothing measures 1 \xE2\x80\x93 90000", 0), 0u) << chart.title;
}

// QA20-V shows "l/min" where the others show "sl/min": the axis then
// names the unit the flows were asked in.
TEST(FinderChart, UnitTextsThatDifferGiveTheAskedUnit) {
    const FindResult found = Find("300", "300", {{"unit", "l/min"}});
    const RangeChart chart = sizing::FinderChart(found, {300.0, 300.0, "300", "300"}, "l/min");
    ExpectBarsAreRows(chart, found.fits);
    EXPECT_EQ(chart.unit, "l/min");
}

}  // namespace
}  // namespace tarnvik
