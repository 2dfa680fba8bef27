#include "ui/calculation_context.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "sizing/pipe_standards.h"
#include "sizing/window_options.h"
#include "sizing/window_session.h"
#include "window_fixture.h"

namespace tarnvik {
namespace {

using testing_support::WindowTest;

// A user action on the window.
struct Step {
    enum Kind { Choose, Type, Click } kind;
    int control;
    const char* text = "";
};

using Entries = std::vector<std::pair<std::string, std::string>>;  // key, value

struct ContextCase {
    const char* name;
    std::vector<Step> steps;
    const char* pipe;  // attached by the caller; "" for none
    Entries inputs;    // every entry, in order
    std::vector<std::string> derived;
};

// The entries between the diameter and the unit that air at standard
// conditions gives every type but QA20-V.
Entries AirAtStandard(Entries head, std::string_view unit) {
    const Entries air = {{"gas", "Air"},
                         {"gas-constant", "287.0"},
                         {"reference", "standard"},
                         {"reference-temperature", "20.0"},
                         {"reference-pressure", "1000.0"},
                         {"unit", std::string(unit)}};
    head.insert(head.end(), air.begin(), air.end());
    return head;
}

const std::vector<std::string> kDerivedAtStandard = {"diameter", "gas-constant",
                                                     "reference-temperature", "reference-pressure"};

const ContextCase kCases[] = {
    {"StartUp",
     {},
     "",
     AirAtStandard({{"sensor", "QA10"}, {"section", "DN8"}, {"range", "S"}, {"diameter", "15.0"}},
                   "l/min"),
     kDerivedAtStandard},
    {"FreeDiameterHasNoSection",
     {{Step::Choose, id::kSensorType, "QA30"},
      {Step::Type, id::kDiameter, "80.5"},
      {Step::Choose, id::kRange, "HS"},
      {Step::Click, id::kNormReference},
      {Step::Click, id::kUnitCfm}},
     "",
     {{"sensor", "QA30"},
      {"range", "HS"},
      {"diameter", "80.5"},
      {"gas", "Air"},
      {"gas-constant", "287.0"},
      {"reference", "norm"},
      {"reference-temperature", "0.0"},
      {"reference-pressure", "1013.2"},
      {"unit", "cfm"}},
     {"gas-constant", "reference-temperature", "reference-pressure"}},
    {"NoRangeList",
     {{Step::Choose, id::kSensorType, "QA80"}, {Step::Choose, id::kSection, "DN65"}},
     "",
     AirAtStandard({{"sensor", "QA80"}, {"section", "DN65"}, {"diameter", "68.9"}}, "m3/h"),
     kDerivedAtStandard},
    {"ProcessTypeWithAir",
     {{Step::Choose, id::kSensorType, "QA70"},
      {Step::Type, id::kDiameter, "100"},
      {Step::Click, id::kCustomReference},
      {Step::Type, id::kReferenceTemperature, "15"},
      {Step::Click, id::kFlowTypeFad},
      {Step::Choose, id::kCutoffList, "30"},
      {Step::Type, id::kProcessPressure, "7.5"},
      {Step::Type, id::kInletHumidity, "60"}},
     "",
     {{"sensor", "QA70"},
      {"range", "S"},
      {"diameter", "100"},
      {"gas", "Air"},
      {"gas-constant", "287.0"},
      {"reference", "custom"},
      {"reference-temperature", "15"},
      {"reference-pressure", "1000.0"},
      {"unit", "m3/h"},
      {"flow-type", "fad"},
      {"cutoff", "30"},
      {"process-pressure", "7.5"},
      {"process-temperature", "35.0"},
      {"process-humidity", "90.0"},
      {"inlet-pressure", "1.01325"},
      {"inlet-temperature", "25.0"},
      {"inlet-humidity", "60"}},
     {"gas-constant"}},
    {"ProcessTypeWithOtherGasDropsTheInletBoxes",
     {{Step::Choose, id::kSensorType, "QA90"},
      {Step::Choose, id::kGasType, "Others"},
      {Step::Type, id::kGasConstant, "300"},
      {Step::Click, id::kFlowTypeActual},
      {Step::Click, id::kUnitTh}},
     "",
     {{"sensor", "QA90"},
      {"range", "S"},
      {"diameter", "54.0"},
      {"gas", "Others"},
      {"gas-constant", "300"},
      {"reference", "norm"},  // the gas choice sets it
      {"reference-temperature", "0.0"},
      {"reference-pressure", "1013.2"},
      {"unit", "t/h"},
      {"flow-type", "actual"},
      {"cutoff", "20"},
      {"process-pressure", "6.0"},
      {"process-temperature", "35.0"}},
     {"reference-temperature", "reference-pressure"}},
    {"ActualConditionsType",
     {{Step::Choose, id::kSensorType, "QA20-V"},
      {Step::Choose, id::kSection, "DN25"},
      {Step::Type, id::kReferencePressure, "1013"}},
     "",
     {{"sensor", "QA20-V"},
      {"section", "DN25"},
      {"diameter", "25.0"},
      {"gas", "Air"},
      {"gas-constant", "287.0"},
      {"reference", "custom"},
      {"reference-temperature", "20.0"},
      {"reference-pressure", "1013"},
      {"unit", "l/min"}},
     {"diameter", "gas-constant", "reference"}},
    {"PipeAttached",
     {{Step::Choose, id::kSensorType, "QA50"}, {Step::Type, id::kDiameter, "52.48"}},
     "NPS 2 Sch 40",
     AirAtStandard(
         {{"sensor", "QA50"}, {"range", "S"}, {"pipe", "NPS 2 Sch 40"}, {"diameter", "52.48"}},
         "m3/h"),
     kDerivedAtStandard},
};

class Context : public WindowTest, public ::testing::WithParamInterface<ContextCase> {
  protected:
    void Run(const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            switch (s.kind) {
                case Step::Choose:
                    ASSERT_TRUE(window().UserChoose(s.control, s.text)) << s.text;
                    break;
                case Step::Type:
                    Type(s.control, s.text);
                    break;
                case Step::Click:
                    Click(s.control);
                    break;
            }
        }
    }
};

TEST_P(Context, HoldsWhatAppliesAsTheWindowShowsIt) {
    const ContextCase& c = GetParam();
    Run(c.steps);
    ASSERT_TRUE(messages.empty()) << messages.front();
    const CalculationContext context = ReadCalculationContext(dlg, c.pipe);

    Entries inputs;
    std::vector<std::string> derived;
    for (const ContextEntry& e : context.inputs) {
        inputs.emplace_back(e.key, e.value);
        if (e.derived) derived.push_back(e.key);
        EXPECT_FALSE(e.label.empty()) << e.key;
    }
    EXPECT_EQ(inputs, c.inputs);
    EXPECT_EQ(derived, c.derived);

    // The results are the boxes' texts, unit texts included.
    const std::pair<int, int> boxes[] = {{id::kProfileFactor, 0},
                                         {id::kMaxFlow, id::kMaxFlowUnit},
                                         {id::kMinFlow, id::kMinFlowUnit},
                                         {id::kMaxVelocity, id::kVelocityUnit},
                                         {id::kCutoffVelocity, id::kCutoffVelocityUnit}};
    ASSERT_EQ(context.results.size(), std::size(boxes));
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        EXPECT_EQ(context.results[i].value, text(boxes[i].first)) << context.results[i].key;
        EXPECT_EQ(context.results[i].unit, boxes[i].second ? text(boxes[i].second) : "")
            << context.results[i].key;
    }
}

// The values-only read a batch line uses gives the same inputs, in the
// same order and with the same marks, without labels or results.
TEST_P(Context, InputValuesAloneMatchTheFullRead) {
    const ContextCase& c = GetParam();
    Run(c.steps);
    const CalculationContext all = ReadCalculationContext(dlg, c.pipe);
    const CalculationContext values =
        ReadCalculationContext(dlg.Window(), c.pipe, ContextParts::InputValues);
    ASSERT_EQ(values.inputs.size(), all.inputs.size());
    for (std::size_t i = 0; i < all.inputs.size(); ++i) {
        EXPECT_EQ(values.inputs[i].key, all.inputs[i].key);
        EXPECT_EQ(values.inputs[i].value, all.inputs[i].value) << all.inputs[i].key;
        EXPECT_EQ(values.inputs[i].derived, all.inputs[i].derived) << all.inputs[i].key;
    }
    EXPECT_TRUE(values.results.empty());
}

// Every key is the command line's option and every value one it takes:
// the inputs that are not derived, fed to a fresh window as options,
// give the same window again.
TEST_P(Context, FedBackAsOptionsGivesTheSameResults) {
    const ContextCase& c = GetParam();
    Run(c.steps);
    const CalculationContext context = ReadCalculationContext(dlg, c.pipe);

    sizing::OptionValues values;
    for (const ContextEntry& e : context.inputs) {
        if (e.key == "pipe") {
            // A pipe stands for the diameter its dimensions give.
            const sizing::PipeLookup pipe = sizing::FindPipe(e.value);
            ASSERT_TRUE(pipe) << pipe.error.message;
            values[sizing::Opt::Diameter] = pipe.pipe->innerText;
            continue;
        }
        const sizing::WindowOption* option = sizing::FindWindowOption(e.key);
        ASSERT_NE(option, nullptr) << e.key;
        if (option->action == sizing::Action::Click) {
            EXPECT_NE(sizing::RadioFor(option->opt, e.value), 0) << e.key << " " << e.value;
        }
        if (!e.derived) values[option->opt] = e.value;
    }
    sizing::WindowSession fresh;
    const auto error = fresh.Apply(values);
    ASSERT_FALSE(error) << error->Describe("--");
    const CalculationContext again = ReadCalculationContext(fresh.Window(), c.pipe);
    ASSERT_EQ(again.inputs.size(), context.inputs.size());
    for (std::size_t i = 0; i < context.inputs.size(); ++i) {
        EXPECT_EQ(again.inputs[i].key, context.inputs[i].key);
        EXPECT_EQ(again.inputs[i].value, context.inputs[i].value) << context.inputs[i].key;
    }
    for (std::size_t i = 0; i < context.results.size(); ++i) {
        EXPECT_EQ(again.results[i].value, context.results[i].value) << context.results[i].key;
        EXPECT_EQ(again.results[i].unit, context.results[i].unit) << context.results[i].key;
    }
}

INSTANTIATE_TEST_SUITE_P(Window, Context, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ContextLabels : public WindowTest {};

TEST_F(ContextLabels, AreTheWindowsCaptions) {
    ChooseSensor("QA70");
    const CalculationContext context = ReadCalculationContext(dlg);
    const std::pair<const char*, const char*> labels[] = {
        {"sensor", "Sensor type"},
        {"range", "Measuring range"},
        {"diameter", "Pipe inner diameter (mm)"},
        {"gas", "Gas type"},
        {"gas-constant", "Gas constant (J/kg*K)"},
        {"reference", "Reference conditions"},
        {"reference-temperature",
         "Reference temperature (\xC2\xB0"
         "C)"},
        {"reference-pressure", "Reference pressure (hPa)"},
        {"unit", "Flow unit"},
        {"flow-type", "Flow type"},
        {"cutoff", "Cut-off velocity (sm/s)"},
        {"process-pressure", "Process pressure (bar(g))"},
        {"inlet-humidity", "Inlet humidity (%)"},
    };
    for (const auto& [key, label] : labels) {
        ASSERT_NE(context.Input(key), nullptr) << key;
        EXPECT_EQ(context.Input(key)->label, label) << key;
    }
    std::vector<std::string> results;
    for (const ResultEntry& r : context.results) results.push_back(r.key + "=" + r.label);
    EXPECT_EQ(results, (std::vector<std::string>{
                           "profileFactor=Profile factor", "maxFlow=Max. flow", "minFlow=Min. flow",
                           "maxVelocity=Max. velocity", "cutoffVelocity=Cut-off velocity"}));

    // Radio values are the command line's words; people read the captions.
    Click(id::kFlowTypeFad);
    Click(id::kNormReference);
    const CalculationContext clicked = ReadCalculationContext(dlg);
    const std::pair<const char*, const char*> shown[] = {
        {"flow-type", "FAD"},
        {"reference", "Norm reference conditions"},
        {"unit", "m3/h"},
        {"sensor", "QA70"},
        {"process-pressure", "6.0"},
    };
    for (const auto& [key, text] : shown) EXPECT_EQ(clicked.Input(key)->shown, text) << key;
    EXPECT_EQ(clicked.Input("flow-type")->value, "fad");
    EXPECT_EQ(clicked.Input("reference")->value, "norm");

    ChooseSensor("QA20-V");
    const CalculationContext actual = ReadCalculationContext(dlg);
    EXPECT_EQ(actual.Input("reference-temperature")->label,
              "Actual temperature (\xC2\xB0"
              "C)");
    EXPECT_EQ(actual.Input("reference-pressure")->label, "Actual pressure (mbar(a))");
    EXPECT_EQ(actual.Input("section")->label, "Measuring section");
}

}  // namespace
}  // namespace tarnvik
