// The sensor finder as the page calls it: errors come back as data, the
// numbers are the shown texts read back, and option names in messages
// follow the caller's prefix.
#include "sizing/sensor_finder.h"

#include <gtest/gtest.h>

#include "named_case.h"

namespace tarnvik {
namespace {

using sizing::FindRequest;
using sizing::FindResult;
using sizing::FindSensors;
using sizing::FoundRow;
namespace result = sizing::result;

FindRequest Request(std::string minFlow, std::string maxFlow,
                    std::vector<sizing::OptionText> options,
                    std::vector<std::string> diameters = {}) {
    return {.minFlow = std::move(minFlow),
            .maxFlow = std::move(maxFlow),
            .options = std::move(options),
            .diameters = std::move(diameters),
            .optionPrefix = ""};
}

struct BadRequest {
    const char* name;
    FindRequest request;
    std::string error;
};

class FindErrors : public testing::TestWithParam<BadRequest> {};

TEST_P(FindErrors, ComeBackAsTheOnlyData) {
    const FindResult r = FindSensors(GetParam().request);
    EXPECT_EQ(r.error, GetParam().error);
    EXPECT_TRUE(r.fits.empty() && r.nearest.empty() && r.leftOut.empty() && r.notUsed.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, FindErrors,
    testing::Values(
        BadRequest{"bound_not_a_number", Request("1,5", "10", {{"unit", "m3/h"}}),
                   "min-flow \"1,5\" is not a number"},
        BadRequest{"bounds_swapped", Request("50", "10", {{"unit", "m3/h"}}),
                   "min-flow 50 is above max-flow 10"},
        BadRequest{"no_unit", Request("1", "10", {}),
                   "unit is required: X and Y are flows in that unit"},
        BadRequest{"unknown_option", Request("1", "10", {{"colour", "red"}}),
                   "unknown option \"colour\""},
        BadRequest{"sensor_is_searched", Request("1", "10", {{"sensor", "QA70"}}),
                   "sensor is not taken here"},
        BadRequest{"diameter_is_a_list", Request("1", "10", {{"diameter", "50"}}),
                   "diameter is not taken here"},
        BadRequest{"option_twice", Request("1", "10", {{"unit", "m3/h"}, {"unit", "kg/h"}}),
                   "unit is given twice"},
        BadRequest{"unknown_gas", Request("1", "10", {{"unit", "m3/h"}, {"gas", "Steam"}}),
                   "gas \"Steam\" is unknown; known: Air, N2, Ar, CO2, He, H2, CH4, Propane, "
                   "Butane, O2, N2O, Nat. gas, Others"},
        BadRequest{"window_rejects",
                   Request("1", "10", {{"unit", "m3/h"}, {"process-pressure", "-2"}}, {"50"}),
                   "process-pressure \"-2\": Pressure is not correct!"}),
    [](const auto& info) { return std::string(info.param.name); });

void ExpectNumbersAreTheShownTexts(const FoundRow& f) {
    EXPECT_EQ(f.minFlow, sizing::ShownNumber(f.row.results[result::kMinFlow]));
    EXPECT_EQ(f.maxFlow, sizing::ShownNumber(f.row.results[result::kMaxFlow]));
}

TEST(FindSensors, FitsCoverTheRangeSmallestMaximumFirst) {
    const FindResult r = FindSensors(Request("5", "400", {{"unit", "m3/h"}}, {"50"}));
    ASSERT_EQ(r.error, "");
    ASSERT_FALSE(r.fits.empty());
    EXPECT_TRUE(r.nearest.empty());
    EXPECT_TRUE(r.leftOut.empty());  // the free-diameter types take part
    for (std::size_t i = 0; i < r.fits.size(); ++i) {
        const FoundRow& f = r.fits[i];
        SCOPED_TRACE(f.row.sensor + " " + f.row.section + " " + f.row.range);
        ExpectNumbersAreTheShownTexts(f);
        EXPECT_LE(f.minFlow, 5);
        EXPECT_GE(f.maxFlow, 400);
        EXPECT_EQ(f.misses, "");
        if (i > 0) {
            EXPECT_LE(r.fits[i - 1].maxFlow, f.maxFlow);
        }
    }
}

TEST(FindSensors, NothingFitsGivesTheNearestThreeAndNotes) {
    const FindResult r =
        FindSensors(Request("1", "90000", {{"unit", "m3/h"}, {"process-pressure", "7"}}));
    ASSERT_EQ(r.error, "");
    EXPECT_TRUE(r.fits.empty());
    ASSERT_EQ(r.nearest.size(), 3u);
    for (const FoundRow& f : r.nearest) {
        ExpectNumbersAreTheShownTexts(f);
        EXPECT_EQ(f.misses, "min. flow " + f.row.results[result::kMinFlow] + " > 1, max. flow " +
                                f.row.results[result::kMaxFlow] + " < 90000");
    }
    // The notes name options as the caller does.
    ASSERT_EQ(r.leftOut.size(), 1u);
    EXPECT_EQ(r.leftOut[0].text, "free diameter: give diameter or pipe to include");
    EXPECT_EQ(r.leftOut[0].sensors, (std::vector<std::string>{"QA30", "QA50", "QA70", "QA90"}));
    ASSERT_EQ(r.notUsed.size(), 1u);
    EXPECT_EQ(r.notUsed[0].text, "process-pressure");
    EXPECT_EQ(r.notUsed[0].sensors,
              (std::vector<std::string>{"QA10", "QA20", "QA40", "QA60", "QA80", "QA20-V"}));
}

}  // namespace
}  // namespace tarnvik
