#include "sizing/typed_values.h"

#include <gtest/gtest.h>

#include "named_case.h"

namespace tarnvik::sizing {
namespace {

constexpr StrictNaming kCommandLine{.optionPrefix = "--", .asTyped = "--as-typed"};

struct TypedCase {
    const char* name;
    Opt opt;
    const char* value;
    // Empty: taken. Else a part the message must hold.
    const char* message;
};

class Typed : public testing::TestWithParam<TypedCase> {};
TEST_P(Typed, RefusedOnlyWhereTheWindowWouldNotReadItWhole) {
    const std::string problem = TypedValueProblem(GetParam().opt, GetParam().value, kCommandLine);
    const std::string expected = GetParam().message;
    if (expected.empty()) {
        EXPECT_EQ(problem, "");
    } else {
        EXPECT_NE(problem.find(expected), std::string::npos) << problem;
        EXPECT_NE(problem.find("--as-typed"), std::string::npos) << problem;
    }
}
INSTANTIATE_TEST_SUITE_P(
    Values, Typed,
    testing::Values(
        TypedCase{"leading_blank", Opt::ProcessPressure, " 7.5", ""},
        TypedCase{"plus", Opt::ProcessTemperature, "+3", ""},
        TypedCase{"trailing_point", Opt::InletPressure, "5.", ""},
        TypedCase{"exponent", Opt::ReferencePressure, "1e3", ""},
        TypedCase{"nan", Opt::GasConstant, "nan", ""},
        TypedCase{"diameter_comma", Opt::Diameter, "12,5", ""},
        // A list's or a group's value is checked by the window itself.
        TypedCase{"not_typed", Opt::Cutoff, "2O", ""},
        TypedCase{"comma", Opt::ProcessPressure, "7,5",
                  "would be read only in part, as 7; write \"7.5\", with a decimal point"},
        TypedCase{"gas_constant_comma", Opt::GasConstant, "287,1", "write \"287.1\""},
        TypedCase{"unit_after", Opt::ProcessPressure, "7bar", "read only in part, as 7;"},
        TypedCase{"diameter_unit", Opt::Diameter, "2in",
                  "as 2; write the number alone, in mm, with a decimal point or comma"},
        TypedCase{"diameter_two_commas", Opt::Diameter, "12,5,3", "as 12.5;"},
        TypedCase{"letters", Opt::InletHumidity, "abc",
                  "is no number: the window would read it as 0"},
        TypedCase{"empty", Opt::ProcessHumidity, "", "is empty"},
        TypedCase{"blank", Opt::ReferenceTemperature, " ", "is empty"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedValues, FirstProblemInTheOrderOfApplicationThenTheDiameterList) {
    OptionValues values;
    values[Opt::InletPressure] = "1,2";
    values[Opt::ProcessPressure] = "7,5";
    EXPECT_NE(TypedValuesProblem(values, kCommandLine).find("--process-pressure \"7,5\""),
              std::string::npos);
    OptionValues good;
    good[Opt::ProcessPressure] = "7";
    EXPECT_EQ(TypedValuesProblem(good, kCommandLine, {"25", "30,5"}), "");
    EXPECT_NE(TypedValuesProblem(good, kCommandLine, {"25", "1 in"}).find("--diameter \"1 in\""),
              std::string::npos);
}

TEST(TypedValues, ABatchLineIsToldItsOwnWay) {
    const std::string problem = TypedValueProblem(
        Opt::ProcessPressure, "7,5", {.optionPrefix = "", .asTyped = "\"as-typed\": true"});
    EXPECT_EQ(problem.rfind("process-pressure \"7,5\"", 0), 0u) << problem;
    EXPECT_NE(problem.find("\"as-typed\": true"), std::string::npos) << problem;
}

}  // namespace
}  // namespace tarnvik::sizing
