#include "window_fixture.h"

namespace tarnvik {
namespace {

using testing_support::WindowTest;

class GasSelection : public WindowTest {};

TEST_F(GasSelection, OfferedGasesBySensorType) {
    const std::vector<std::string> all = {"Air", "N2",       "Ar",      "CO2",    "He",
                                          "H2",  "CH4",      "Propane", "Butane", "O2",
                                          "N2O", "Nat. gas", "Others"};
    EXPECT_EQ(Items(id::kGasType), (std::vector<std::string>{"Air", "N2"}));
    ChooseSensor("QA20-V");
    EXPECT_EQ(Items(id::kGasType), (std::vector<std::string>{"Air"}));
    for (const char* sensor : {"QA20", "QA30", "QA40", "QA50", "QA60", "QA70", "QA80", "QA90"}) {
        ChooseSensor(sensor);
        EXPECT_EQ(Items(id::kGasType), all) << sensor;
    }
}

TEST_F(GasSelection, SensorChangeReturnsToAir) {
    ChooseSensor("QA30");
    ChooseGas("CO2");
    EXPECT_TRUE(checked(id::kNormReference));
    ChooseSensor("QA30");
    EXPECT_EQ(window().GetSelection(id::kGasType), 0);
    EXPECT_EQ(text(id::kGasConstant), "287.0");
    EXPECT_FALSE(enabled(id::kGasConstant));
    EXPECT_TRUE(checked(id::kStandardReference));
    ChooseSensor("QA20-V");
    EXPECT_TRUE(checked(id::kCustomReference));
    EXPECT_EQ(text(id::kReferenceTemperature), "20.0");
    EXPECT_EQ(text(id::kReferencePressure), "1000.00");
}

TEST_F(GasSelection, HeliumShowsOneDecimalAndOthersKeepsIt) {
    ChooseSensor("QA30");
    ChooseGas("He");
    EXPECT_EQ(text(id::kGasConstant), "2077.3");
    const std::string helium = text(id::kMaxFlow);
    ChooseGas("Others");
    EXPECT_EQ(text(id::kGasConstant), "2077.3");
    EXPECT_TRUE(enabled(id::kGasConstant));
    EXPECT_EQ(window().GetSelection(id::kGasType), 12);
    // The box's 2077.3 stays in use until the user types another value.
    const std::string kept = text(id::kMaxFlow);
    EXPECT_NE(kept, helium);  // "Others" gets neither 52 sm/s nor helium's own constant
    Type(id::kGasConstant, "2077.30");
    EXPECT_EQ(text(id::kMaxFlow), kept);
    Type(id::kGasConstant, "1000");
    EXPECT_NE(text(id::kMaxFlow), kept);
}

TEST_F(GasSelection, OthersTakesADecimalCommaInTheKeptText) {
    ChooseSensor("QA30");
    ChooseGas("Others");
    Type(id::kGasConstant, "296,8");
    const std::string comma = text(id::kMaxFlow);  // read as 296 while typed
    ChooseGas("Others");
    EXPECT_EQ(text(id::kGasConstant), "296.8");
    EXPECT_NE(text(id::kMaxFlow), comma);
}

TEST_F(GasSelection, AirSwitchesBackToStandardConditions) {
    ChooseSensor("QA30");
    ChooseGas("N2");
    EXPECT_TRUE(checked(id::kNormReference));
    EXPECT_EQ(text(id::kMaxFlowUnit), "Nm3/h");
    ChooseGas("Air");
    EXPECT_TRUE(checked(id::kStandardReference));
    EXPECT_EQ(text(id::kMaxFlowUnit), "sm3/h");
}

TEST_F(GasSelection, GasChangeRecalculatesTwice) {
    ChooseSensor("QA30");
    const long runs = state().recalculations;
    ChooseGas("Ar");
    EXPECT_EQ(state().recalculations, runs + 2);
}

TEST_F(GasSelection, NoSelectionDoesNothing) {
    window().SetSelection(id::kGasType, -1);
    const auto revision = window().Revision();
    dlg.OnGasChanged();
    EXPECT_EQ(window().Revision(), revision);
}

TEST_F(GasSelection, GasConstantBelowOneIsUsedAsTyped) {
    ChooseSensor("QA30");
    ChooseGas("Others");
    Type(id::kGasConstant, "0.5");
    const std::string half = text(id::kMaxFlow);
    Type(id::kGasConstant, "1");
    EXPECT_NE(text(id::kMaxFlow), half);
}

}  // namespace
}  // namespace tarnvik
