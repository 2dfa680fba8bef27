#include "window_fixture.h"

namespace tarnvik {
namespace {

using testing_support::WindowTest;

using Names = std::vector<std::string>;

struct TypeCase {
    const char* name;
    const char* sensor;
    Names sections;
    Names ranges;
    const char* range;  // selected
    const char* diameter;
    bool diameterEditable;
    int unitRadio;
    const char* maxVelocity;  // at standard reference conditions, air
};

class SensorTypeChoice : public WindowTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(SensorTypeChoice, SetsListsDiameterAndUnit) {
    const TypeCase& c = GetParam();
    ChooseSensor("QA90");  // start from somewhere else
    ChooseSensor(c.sensor);
    EXPECT_EQ(Items(id::kSection), c.sections);
    EXPECT_EQ(enabled(id::kSection), !c.sections.empty());
    if (!c.sections.empty()) {
        EXPECT_EQ(window().GetSelection(id::kSection), 0);
    }
    EXPECT_EQ(Items(id::kRange), c.ranges);
    EXPECT_EQ(enabled(id::kRange), !c.ranges.empty());
    if (!c.ranges.empty()) {
        EXPECT_EQ(c.ranges[window().GetSelection(id::kRange)], c.range);
    }
    EXPECT_EQ(text(id::kDiameter), c.diameter);
    EXPECT_EQ(enabled(id::kDiameter), c.diameterEditable);
    EXPECT_TRUE(checked(c.unitRadio));
    EXPECT_EQ(text(id::kMaxVelocity), c.maxVelocity);
}

const Names kDN8toDN32 = {"DN8", "DN15", "DN20", "DN25", "DN32"};
const Names kDN15toDN80 = {"DN15", "DN20", "DN25", "DN32", "DN40", "DN50", "DN65", "DN80"};
const Names kDN8toDN80 = {"DN8", "DN15", "DN20", "DN25", "DN32", "DN40", "DN50", "DN65", "DN80"};
const Names kLS = {"L", "S"};
const Names kLSMHS = {"L", "S", "M", "HS"};
const Names kSHS = {"S", "HS"};

INSTANTIATE_TEST_SUITE_P(
    Catalogue, SensorTypeChoice,
    ::testing::Values(
        TypeCase{"QA10", "QA10", kDN8toDN32, kLS, "S", "15.0", false, id::kUnitLmin, "35.7"},
        TypeCase{"QA20", "QA20", kDN8toDN32, kLS, "S", "15.0", false, id::kUnitLmin, "35.7"},
        TypeCase{"QA30", "QA30", {}, kLSMHS, "S", "54.0", true, id::kUnitM3h, "92.7"},
        TypeCase{"QA40", "QA40", kDN15toDN80, kLS, "S", "16.1", false, id::kUnitM3h, "183.0"},
        TypeCase{"QA50", "QA50", {}, kLSMHS, "S", "54.0", true, id::kUnitM3h, "92.7"},
        TypeCase{"QA60", "QA60", kDN15toDN80, kLSMHS, "S", "16.1", false, id::kUnitM3h, "92.7"},
        TypeCase{"QA70", "QA70", {}, kSHS, "S", "54.0", true, id::kUnitM3h, "200.0"},
        TypeCase{"QA80", "QA80", kDN8toDN80, {}, "", "8.8", false, id::kUnitM3h, "44.7"},
        TypeCase{"QA20V",
                 "QA20-V",
                 {"DN8", "DN15", "DN20", "DN25"},
                 {},
                 "",
                 "15.0",
                 false,
                 id::kUnitLmin,
                 "7.2"},
        TypeCase{"QA90", "QA90", {}, kSHS, "S", "54.0", true, id::kUnitM3h, "200.0"}),
    [](const auto& info) { return std::string(info.param.name); });

class SensorSelection : public WindowTest {};

TEST_F(SensorSelection, QA20VRenamesAndMovesTheReferenceLabels) {
    ChooseSensor("QA20-V");
    EXPECT_EQ(text(id::kReferenceTemperatureLabel), "Actual temperature");
    EXPECT_EQ(text(id::kReferencePressureLabel), "Actual pressure (mbar(a))");
    EXPECT_EQ(window().Find(id::kDegreesLabel)->x, 124);
    EXPECT_EQ(window().Find(id::kDegreesLabel)->y, 481);
    for (int radio : {id::kStandardReference, id::kNormReference, id::kCustomReference})
        EXPECT_FALSE(enabled(radio));
    EXPECT_TRUE(checked(id::kCustomReference));
    EXPECT_TRUE(enabled(id::kReferenceTemperature));
    EXPECT_EQ(text(id::kMaxFlowUnit), "l/min");

    ChooseSensor("QA10");
    EXPECT_EQ(text(id::kReferenceTemperatureLabel), "Reference temperature");
    EXPECT_EQ(text(id::kReferencePressureLabel), "Reference pressure (hPa)");
    EXPECT_EQ(window().Find(id::kDegreesLabel)->x, 144);
    for (int radio : {id::kStandardReference, id::kNormReference, id::kCustomReference})
        EXPECT_TRUE(enabled(radio));
    EXPECT_EQ(Items(id::kGasType), (Names{"Air", "N2"}));
}

TEST_F(SensorSelection, SectionSetsTheDiameterOnly) {
    ChooseSensor("QA60");
    const std::string velocity = text(id::kMaxVelocity);
    ASSERT_TRUE(window().UserChoose(id::kSection, "DN50"));
    EXPECT_EQ(text(id::kDiameter), "53.1");
    EXPECT_EQ(text(id::kMaxVelocity), velocity);
    EXPECT_FALSE(enabled(id::kDiameter));
}

TEST_F(SensorSelection, RangeSetsTheVelocityOnly) {
    ASSERT_TRUE(window().UserChoose(id::kSection, "DN15"));
    EXPECT_EQ(text(id::kMaxVelocity), "142.9");
    ASSERT_TRUE(window().UserChoose(id::kRange, "L"));
    EXPECT_EQ(text(id::kMaxVelocity), "28.6");  // 28.58
    EXPECT_EQ(text(id::kDiameter), "15.0");
}

TEST_F(SensorSelection, TypedDiameterSurvivesARangeButNotATypeChange) {
    ChooseSensor("QA50");
    Type(id::kDiameter, "80");
    ASSERT_TRUE(window().UserChoose(id::kRange, "M"));
    EXPECT_EQ(text(id::kDiameter), "80");
    EXPECT_EQ(text(id::kMaxVelocity), "185.0");
    ChooseSensor("QA50");
    EXPECT_EQ(text(id::kDiameter), "54.0");
    EXPECT_EQ(Items(id::kRange)[window().GetSelection(id::kRange)], "S");
}

TEST_F(SensorSelection, ChoosingTheSameTypeResetsEverything) {
    ChooseSensor("QA40");
    ASSERT_TRUE(window().UserChoose(id::kSection, "DN80"));
    ASSERT_TRUE(window().UserChoose(id::kRange, "L"));
    Click(id::kUnitKgh);
    ChooseGas("N2");
    ChooseSensor("QA40");
    EXPECT_EQ(window().GetSelection(id::kSection), 0);
    EXPECT_EQ(window().GetSelection(id::kRange), 1);
    EXPECT_EQ(text(id::kDiameter), "16.1");
    EXPECT_TRUE(checked(id::kUnitM3h));
    EXPECT_FALSE(checked(id::kUnitKgh));
    EXPECT_EQ(window().GetSelection(id::kGasType), 0);
}

TEST_F(SensorSelection, FromAnySectionToAnyTypeReadsNoTableOutOfRange) {
    // The unit step recalculates with the previous type's list positions.
    for (int from = 0; from < 10; ++from) {
        for (int to = 0; to < 10; ++to) {
            ASSERT_TRUE(window().UserChoose(id::kSensorType, from));
            const int sections = window().ItemCount(id::kSection);
            if (sections > 0) {
                ASSERT_TRUE(window().UserChoose(id::kSection, sections - 1));
            }
            const int ranges = window().ItemCount(id::kRange);
            if (ranges > 0) {
                ASSERT_TRUE(window().UserChoose(id::kRange, ranges - 1));
            }
            ASSERT_TRUE(window().UserChoose(id::kSensorType, to));
            EXPECT_EQ(state().SensorIndex, to);
        }
    }
}

TEST_F(SensorSelection, QA80ToQA30EmptiesTheSectionList) {
    ChooseSensor("QA80");
    ChooseSensor("QA30");
    EXPECT_TRUE(Items(id::kSection).empty());
    EXPECT_FALSE(enabled(id::kSection));
    EXPECT_EQ(Items(id::kRange), kLSMHS);
    EXPECT_EQ(text(id::kDiameter), "54.0");
    EXPECT_TRUE(enabled(id::kDiameter));
}

}  // namespace
}  // namespace tarnvik
