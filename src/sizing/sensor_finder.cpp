#include "sizing/sensor_finder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "core/control_ids.h"
#include "sizing/message_text.h"
#include "sizing/option_names.h"
#include "sizing/plain_decimal.h"
#include "sizing/sensor_survey.h"

namespace tarnvik::sizing {

namespace {

constexpr std::size_t kNearestShown = 3;

bool Contains(const std::vector<std::string>& values, const std::string& v) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

// Options that set conditions only some types measure at. Where a type's
// window disables them, they do not apply to it: it shows the flow at
// reference conditions whatever they say.
bool IsCondition(Opt o) {
    switch (o) {
        case Opt::Cutoff:
        case Opt::ProcessPressure:
        case Opt::ProcessTemperature:
        case Opt::ProcessHumidity:
        case Opt::InletPressure:
        case Opt::InletTemperature:
        case Opt::InletHumidity:
            return true;
        default:
            return false;
    }
}

struct Bounds {
    double x, y;
    std::string xText, yText;  // as the user wrote them
};

// How far a candidate is from covering [X, Y]: 1 when it fits, else the
// factor by which its worse end misses.
double MissFactor(const FoundRow& c, const Bounds& b) {
    const double high = c.maxFlow >= b.y ? 1.0 : (c.maxFlow > 0 ? b.y / c.maxFlow : HUGE_VAL);
    const double low = c.minFlow <= b.x ? 1.0 : (b.x > 0 ? c.minFlow / b.x : HUGE_VAL);
    return std::max(high, low);
}

std::string Misses(const FoundRow& c, const Bounds& b) {
    using namespace result;
    std::vector<std::string> parts;
    if (c.minFlow > b.x) parts.push_back("min. flow " + c.row.results[kMinFlow] + " > " + b.xText);
    if (c.maxFlow < b.y) parts.push_back("max. flow " + c.row.results[kMaxFlow] + " < " + b.yText);
    return Join(parts);
}

// Sensor names grouped by the reason they were left out or a note applies.
using Notes = std::map<std::string, std::vector<std::string>>;

void AddNote(Notes& notes, const std::string& reason, const std::string& sensor) {
    auto& sensors = notes[reason];
    if (!Contains(sensors, sensor)) sensors.push_back(sensor);
}

std::vector<FindNote> NoteList(const Notes& notes) {
    std::vector<FindNote> list;
    for (const auto& [text, sensors] : notes) list.push_back({sensors, text});
    return list;
}

// "; did you mean "X"?" for a value that looks like a slip of a known one.
std::string Suggestion(const std::string& value, const std::vector<std::string>& known) {
    const std::string nearest = NearestName(value, known);
    return nearest.empty() ? "" : "; did you mean " + Quoted(nearest) + "?";
}

struct Search {
    const StartedWindow& started;
    WindowSession& working;  // reset to started for every candidate
    const OptionValues& values;
    const std::vector<std::string>& diameters;
    const std::vector<std::string>& pipes;
    const std::string& prefix;
    Notes leftOut;
    Notes notApplied;
    std::vector<FoundRow> candidates;

    std::string Name(Opt o) const { return prefix + std::string(OptionOf(o).name); }

    // Values unknown to every window are bad input, not a reason to leave
    // a type out.
    std::optional<std::string> UnknownValue(const std::vector<SensorOffer>& offers) const {
        for (Opt o : {Opt::Unit, Opt::Reference, Opt::FlowType}) {
            if (values[o] && RadioFor(o, *values[o]) == 0) {
                std::vector<std::string> known;
                for (const RadioChoice& c : RadioChoices(o)) known.emplace_back(c.value);
                return Name(o) + " " + Quoted(*values[o]) + " is unknown; known: " + Join(known) +
                       Suggestion(*values[o], known);
            }
        }
        if (values[Opt::Gas]) {
            std::vector<std::string> gases;
            for (const SensorOffer& s : offers)
                for (const std::string& g : s.gases)
                    if (!Contains(gases, g)) gases.push_back(g);
            if (!Contains(gases, *values[Opt::Gas]))
                return Name(Opt::Gas) + " " + Quoted(*values[Opt::Gas]) +
                       " is unknown; known: " + Join(gases) + Suggestion(*values[Opt::Gas], gases);
        }
        if (values[Opt::Cutoff]) {
            working.ResetTo(started);
            const std::vector<std::string> cutoffs = working.Items(id::kCutoffList);
            if (!Contains(cutoffs, *values[Opt::Cutoff]))
                return Name(Opt::Cutoff) + " " + Quoted(*values[Opt::Cutoff]) +
                       " is unknown; known: " + Join(cutoffs);
        }
        return std::nullopt;
    }

    // Drives every candidate of one type; a rejected input (a message box)
    // is returned as an error.
    std::optional<OptionError> Drive(const SensorOffer& s) {
        if (values[Opt::Gas] && !Contains(s.gases, *values[Opt::Gas])) {
            AddNote(leftOut, Name(Opt::Gas) + " " + Quoted(*values[Opt::Gas]) + " is not offered",
                    s.name);
            return std::nullopt;
        }
        if (!Contains(s.units, *values[Opt::Unit])) {
            AddNote(leftOut, Name(Opt::Unit) + " " + Quoted(*values[Opt::Unit]) + " is not offered",
                    s.name);
            return std::nullopt;
        }
        if (s.FreeDiameter() && diameters.empty()) {
            AddNote(
                leftOut,
                "free diameter: give " + Name(Opt::Diameter) + " or " + prefix + "pipe to include",
                s.name);
            return std::nullopt;
        }
        const auto skip = [&](const OptionError& e) {
            if (e.kind == OptionError::Kind::Disabled &&
                (IsCondition(e.option) || (e.option == Opt::FlowType && e.value == "flow"))) {
                if (IsCondition(e.option)) AddNote(notApplied, Name(e.option), s.name);
                return true;
            }
            return false;
        };
        for (const RowPlace& place : RowPlaces(s.name, s.sections, diameters, s.ranges, pipes)) {
            FoundRow c;
            if (auto error = RunRow(started, working, values, place, c.row, skip)) {
                if (error->kind == OptionError::Kind::Rejected) return error;
                AddNote(leftOut, error->Reason(prefix), s.name);
                break;
            }
            const auto minFlow = ShownNumber(c.row.results[result::kMinFlow]);
            const auto maxFlow = ShownNumber(c.row.results[result::kMaxFlow]);
            if (!minFlow || !maxFlow) continue;  // the window shows no measuring range
            c.minFlow = *minFlow;
            c.maxFlow = *maxFlow;
            candidates.push_back(std::move(c));
        }
        return std::nullopt;
    }
};

FindResult Error(std::string message) {
    FindResult r;
    r.error = std::move(message);
    return r;
}

}  // namespace

FindResult FindSensors(const FindRequest& request) {
    const std::string& prefix = request.optionPrefix;
    OptionValues values;
    constexpr Opt kNotTaken[] = {Opt::Sensor, Opt::Section, Opt::Range, Opt::Diameter};
    if (std::string e = ReadOptionTexts(request.options, kNotTaken, prefix, values); !e.empty())
        return Error(e);
    const auto x = ReadPlainDecimal(request.minFlow);
    const auto y = ReadPlainDecimal(request.maxFlow);
    if (!x) return Error(prefix + "min-flow " + Quoted(request.minFlow) + " is not a number");
    if (!y) return Error(prefix + "max-flow " + Quoted(request.maxFlow) + " is not a number");
    if (*x < 0 || *y < 0) return Error("flows must not be negative");
    if (*x > *y)
        return Error(prefix + "min-flow " + Shortened(request.minFlow) + " is above " + prefix +
                     "max-flow " + Shortened(request.maxFlow));
    if (!values[Opt::Unit])
        return Error(prefix + "unit is required: X and Y are flows in that unit");
    const Bounds bounds{*x, *y, request.minFlow, request.maxFlow};

    const StartedWindow started;
    const std::vector<SensorOffer> offers = SurveySensors(started);
    WindowSession working(started);
    Search search{started, working, values, request.diameters, request.pipes, prefix, {}, {}, {}};
    if (auto unknown = search.UnknownValue(offers)) return Error(*unknown);
    for (const SensorOffer& s : offers)
        if (auto error = search.Drive(s)) return Error(error->Describe(prefix));

    FindResult found;
    for (const FoundRow& c : search.candidates)
        if (c.minFlow <= bounds.x && c.maxFlow >= bounds.y) found.fits.push_back(c);
    // Best fit first: the smallest maximum flow that still covers Y.
    std::stable_sort(found.fits.begin(), found.fits.end(), [](const auto& a, const auto& b) {
        return a.maxFlow != b.maxFlow ? a.maxFlow < b.maxFlow : a.minFlow < b.minFlow;
    });
    if (found.fits.empty()) {
        found.nearest = std::move(search.candidates);
        std::stable_sort(found.nearest.begin(), found.nearest.end(),
                         [&](const auto& a, const auto& c) {
                             return MissFactor(a, bounds) < MissFactor(c, bounds);
                         });
        if (found.nearest.size() > kNearestShown) found.nearest.resize(kNearestShown);
        for (FoundRow& c : found.nearest) c.misses = Misses(c, bounds);
    }
    found.leftOut = NoteList(search.leftOut);
    found.notUsed = NoteList(search.notApplied);
    return found;
}

}  // namespace tarnvik::sizing
