#include "sensors/sensor_catalogue.h"

#include <gtest/gtest.h>

#include "named_case.h"

namespace tarnvik {
namespace {

struct VelocityCase {
    const char* name;
    int sensor;
    int section;
    int range;
    float velocity;
    float diameter;  // 0: free diameter or not checked
};

class MaxVelocity : public testing::TestWithParam<VelocityCase> {};

TEST_P(MaxVelocity, ComesFromTheRightTable) {
    const VelocityCase& c = GetParam();
    EXPECT_EQ(LookupMaxVelocity(c.sensor, c.section, c.range), c.velocity);
    if (c.diameter > 0) {
        EXPECT_EQ(SectionDiameter(c.sensor, c.section), c.diameter);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, MaxVelocity,
                         testing::Values(VelocityCase{"QA10_DN8_S", 0, 0, 1, 35.73f, 15.0f},
                                         VelocityCase{"QA20_DN8_L", 1, 0, 0, 7.15f, 15.0f},
                                         VelocityCase{"QA10_DN15_same_diameter", 0, 1, 1, 142.9f,
                                                      15.0f},
                                         VelocityCase{"QA10_DN20_L", 0, 2, 0, 18.21f, 25.0f},
                                         VelocityCase{"QA10_DN20_S", 0, 2, 1, 91.03f, 25.0f},
                                         VelocityCase{"QA10_DN32_S", 0, 4, 1, 160.767f, 32.0f},
                                         VelocityCase{"QA20V_DN25", 8, 3, -1, 31.86f, 25.0f},
                                         VelocityCase{"QA40_DN80_L", 3, 7, 0, 54.26f, 80.9f},
                                         VelocityCase{"QA40_DN80_S", 3, 7, 1, 162.77f, 80.9f},
                                         VelocityCase{"QA60_DN15_HS", 5, 0, 3, 224.0f, 16.1f},
                                         VelocityCase{"QA60_DN80_HS", 5, 7, 3, 224.0f, 80.9f},
                                         VelocityCase{"QA80_DN65", 7, 7, -1, 92.7f, 68.9f},
                                         VelocityCase{"QA80_DN80", 7, 8, -1, 92.7f, 80.9f},
                                         VelocityCase{"QA80_DN8", 7, 0, -1, 44.65f, 8.8f},
                                         VelocityCase{"QA70_S", 6, -1, 0, 200.0f, 0},
                                         VelocityCase{"QA90_HS", 9, -1, 1, 260.0f, 0},
                                         VelocityCase{"QA30_M", 2, -1, 2, 185.0f, 0},
                                         VelocityCase{"QA50_M", 4, -1, 2, 185.0f, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MaxVelocity, PositionsOutsideATableGiveZero) {
    // During a change of sensor type the previous type's positions, or -1
    // for an empty list, reach the lookup.
    for (int sensor = 0; sensor < kSensorCount; ++sensor) {
        for (int section : {-1, 9, 1000}) {
            for (int range : {-1, 4, 1000}) {
                const SensorInfo& info = GetSensorInfo(sensor);
                const bool sectionUsed = !info.sections.empty();
                const bool rangeUsed =
                    !info.ranges.empty() && !(sensor == 0 || sensor == 1 || sensor == 3);
                if (sectionUsed || rangeUsed) {
                    EXPECT_EQ(LookupMaxVelocity(sensor, section, range), 0.0f)
                        << SensorNames[sensor] << " " << section << "/" << range;
                }
            }
        }
        EXPECT_EQ(SectionDiameter(sensor, -1), 0.0f);
        EXPECT_EQ(SectionDiameter(sensor, 9), 0.0f);
    }
    EXPECT_EQ(LookupMaxVelocity(-1, 0, 0), 0.0f);
    EXPECT_EQ(LookupMaxVelocity(10, 0, 0), 0.0f);
}

TEST(Catalogue, ListsAndDefaultsPerType) {
    struct Row {
        int sections;
        const char* firstSection;
        int ranges;
        const char* defaultRange;
    };
    const Row rows[kSensorCount] = {
        {5, "DN8", 2, "S"}, {5, "DN8", 2, "S"},  {0, "", 4, "S"}, {8, "DN15", 2, "S"},
        {0, "", 4, "S"},    {8, "DN15", 4, "S"}, {0, "", 2, "S"}, {9, "DN8", 0, ""},
        {4, "DN8", 0, ""},  {0, "", 2, "S"},
    };
    for (int s = 0; s < kSensorCount; ++s) {
        const SensorInfo& info = GetSensorInfo(s);
        SCOPED_TRACE(std::string(SensorNames[s]));
        EXPECT_EQ(info.name, SensorNames[s]);
        EXPECT_EQ(static_cast<int>(info.sections.size()), rows[s].sections);
        EXPECT_EQ(info.innerDiameters.size(), info.sections.size());
        if (rows[s].sections > 0) {
            EXPECT_EQ(info.sections[0], rows[s].firstSection);
        }
        EXPECT_EQ(static_cast<int>(info.ranges.size()), rows[s].ranges);
        if (rows[s].ranges > 0) {
            EXPECT_EQ(info.ranges[info.defaultRange], rows[s].defaultRange);
        }
    }
    EXPECT_EQ(GetSensorInfo(8).sections.back(), "DN25");
    EXPECT_EQ(CutoffOptions[0].value, 20.0f);
    EXPECT_EQ(CutoffOptions[1].text, "30");
}

}  // namespace
}  // namespace tarnvik
