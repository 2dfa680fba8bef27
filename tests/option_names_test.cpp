#include "sizing/option_names.h"

#include <gtest/gtest.h>

#include "named_case.h"

namespace tarnvik::sizing {
namespace {

TEST(NameDistance, EditsWithoutRegardToCase) {
    EXPECT_EQ(NameDistance("QA100", "qa10"), 1u);
    EXPECT_EQ(NameDistance("Propan", "Propane"), 1u);
    EXPECT_EQ(NameDistance("", "Air"), 3u);
    EXPECT_EQ(NameDistance("C02", "CO2"), 1u);
}

struct NearestCase {
    const char* name;
    std::string value;
    const char* nearest;  // empty: no suggestion
};

class Nearest : public testing::TestWithParam<NearestCase> {};
TEST_P(Nearest, OnlyForASlip) {
    const std::vector<std::string> names = {"Air",  "N2",   "CO2", "Propane", "Nat. gas",
                                            "QA10", "QA40", "DN8", "20",      "norm"};
    EXPECT_EQ(NearestName(GetParam().value, names), GetParam().nearest);
}
INSTANTIATE_TEST_SUITE_P(Values, Nearest,
                         testing::Values(NearestCase{"dropped_letter", "Propan", "Propane"},
                                         NearestCase{"zero_for_o", "C02", "CO2"},
                                         NearestCase{"missing_point", "Nat gas", "Nat. gas"},
                                         NearestCase{"extra_digit", "QA100", "QA10"},
                                         NearestCase{"longer_word", "normal", "norm"},
                                         NearestCase{"another_section", "DN32", ""},
                                         NearestCase{"numbers_are_no_names", "25", ""},
                                         NearestCase{"far", "Helium", ""},
                                         NearestCase{"huge", std::string(100000, 'Q'), ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IsKnownName, AnyTypesOrGasesEntries) {
    EXPECT_TRUE(IsKnownName(Opt::Gas, "h2"));
    EXPECT_TRUE(IsKnownName(Opt::Section, "DN80"));
    EXPECT_FALSE(IsKnownName(Opt::Section, "DN100"));
    EXPECT_FALSE(IsKnownName(Opt::ProcessPressure, "7"));
}

TEST(CanonicalNames, SpelledAsTheWindowSpellsThem) {
    OptionValues values;
    values[Opt::Sensor] = "qa20-v";
    values[Opt::Section] = "dn15";
    values[Opt::Range] = "hs";
    values[Opt::Gas] = "NAT. GAS";
    values[Opt::FlowType] = "FAD";
    values[Opt::Cutoff] = "30";
    values[Opt::ProcessPressure] = "abc";  // typed: left alone
    EXPECT_EQ(CanonicalNames(values, "--"), "");
    EXPECT_EQ(values[Opt::Sensor], "QA20-V");
    EXPECT_EQ(values[Opt::Section], "DN15");
    EXPECT_EQ(values[Opt::Range], "HS");
    EXPECT_EQ(values[Opt::Gas], "Nat. gas");
    EXPECT_EQ(values[Opt::FlowType], "fad");
    EXPECT_EQ(values[Opt::ProcessPressure], "abc");
    EXPECT_FALSE(values[Opt::Reference]);
}

TEST(CanonicalNames, AUnitTextNamesItsReference) {
    OptionValues values;
    values[Opt::Unit] = "nm3/H";
    EXPECT_EQ(CanonicalNames(values, "--"), "");
    EXPECT_EQ(values[Opt::Unit], "m3/h");
    EXPECT_EQ(values[Opt::Reference], "norm");

    OptionValues agreeing;
    agreeing[Opt::Unit] = "scfm";
    agreeing[Opt::Reference] = "Standard";
    EXPECT_EQ(CanonicalNames(agreeing, ""), "");
    EXPECT_EQ(agreeing[Opt::Unit], "cfm");
    EXPECT_EQ(agreeing[Opt::Reference], "standard");

    OptionValues contradicting;
    contradicting[Opt::Unit] = "sl/min";
    contradicting[Opt::Reference] = "custom";
    EXPECT_NE(CanonicalNames(contradicting, "--").find("--reference custom"), std::string::npos);

    // Mass units read the same at every reference: they choose none.
    OptionValues mass;
    mass[Opt::Unit] = "KG/H";
    EXPECT_EQ(CanonicalNames(mass, "--"), "");
    EXPECT_EQ(mass[Opt::Unit], "kg/h");
    EXPECT_FALSE(mass[Opt::Reference]);
}

}  // namespace
}  // namespace tarnvik::sizing
