#include "sizing/sensor_survey.h"

#include "core/control_ids.h"

namespace tarnvik::sizing {

namespace {

std::vector<std::string> EnabledChoices(const WindowSession& s, Opt opt) {
    std::vector<std::string> values;
    for (const RadioChoice& c : RadioChoices(opt))
        if (s.Window().IsEnabled(c.radio)) values.emplace_back(c.value);
    return values;
}

std::string CheckedChoice(const WindowSession& s, Opt opt) {
    for (const RadioChoice& c : RadioChoices(opt))
        if (s.Window().GetCheck(c.radio)) return std::string(c.value);
    return "";
}

SensorOffer Survey(const StartedWindow& started, WindowSession& s, const std::string& name) {
    SensorOffer offer;
    offer.name = name;
    s.ResetTo(started);
    s.Apply(Opt::Sensor, name);
    offer.sections = s.Items(id::kSection);
    offer.defaultDiameter = s.Window().GetText(id::kDiameter);
    offer.ranges = s.Items(id::kRange);
    offer.gases = s.Items(id::kGasType);
    offer.units = EnabledChoices(s, Opt::Unit);
    offer.flowTypes = EnabledChoices(s, Opt::FlowType);
    offer.references = EnabledChoices(s, Opt::Reference);
    if (offer.references.empty()) offer.fixedReference = CheckedChoice(s, Opt::Reference);
    if (s.Window().IsEnabled(id::kCutoffList)) offer.cutoffs = s.Items(id::kCutoffList);
    for (const std::string& section : offer.sections) {
        s.Apply(Opt::Section, section);
        offer.diameters.push_back(s.Window().GetText(id::kDiameter));
    }
    return offer;
}

}  // namespace

std::vector<SensorOffer> SurveySensors(const StartedWindow& started) {
    // One working window, reset to the started one for each type.
    WindowSession working(started);
    const std::vector<std::string> names = working.Items(id::kSensorType);
    std::vector<SensorOffer> offers;
    for (const std::string& name : names) offers.push_back(Survey(started, working, name));
    return offers;
}

std::vector<SensorOffer> SurveySensors() {
    const StartedWindow started;
    return SurveySensors(started);
}

}  // namespace tarnvik::sizing
