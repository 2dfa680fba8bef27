#include "cli/sensor_finder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

#include "cli/command_line.h"
#include "cli/sensor_survey.h"
#include "cli/sizing_row.h"
#include "cli/text_table.h"
#include "core/control_ids.h"

namespace tarnvik::cli {

namespace {

constexpr std::size_t kNearestShown = 3;

// A flow bound as the user wrote it: a plain decimal number, nothing else.
std::optional<double> ParseBound(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    if (r.ec != std::errc{} || r.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

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

struct Candidate {
    SizingRow row;
    double minFlow = 0;
    double maxFlow = 0;
    std::size_t order = 0;  // catalogue order, for ties
};

struct Bounds {
    double x, y;
    std::string xText, yText;  // as the user wrote them
};

// How far a candidate is from covering [X, Y]: 1 when it fits, else the
// factor by which its worse end misses.
double MissFactor(const Candidate& c, const Bounds& b) {
    const double high = c.maxFlow >= b.y ? 1.0 : (c.maxFlow > 0 ? b.y / c.maxFlow : HUGE_VAL);
    const double low = c.minFlow <= b.x ? 1.0 : (b.x > 0 ? c.minFlow / b.x : HUGE_VAL);
    return std::max(high, low);
}

std::string Misses(const Candidate& c, const Bounds& b) {
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

struct Findings {
    std::vector<Candidate> fits;
    std::vector<Candidate> nearest;
    Notes leftOut;
    Notes notApplied;
};

int Usage(std::ostream& err, const std::string& message) {
    err << "tarnvik-calc: find: " << message << '\n';
    return kExitUsage;
}

// Values unknown to every window are bad input, not a reason to leave a
// type out.
std::optional<std::string> UnknownValue(const OptionValues& values,
                                        const std::vector<SensorOffer>& offers) {
    for (Opt o : {Opt::Unit, Opt::Reference, Opt::FlowType}) {
        if (values[o] && RadioFor(o, *values[o]) == 0) {
            std::vector<std::string> known;
            for (const RadioChoice& c : RadioChoices(o)) known.emplace_back(c.value);
            return "--" + std::string(OptionOf(o).name) + " \"" + *values[o] +
                   "\" is unknown; known: " + Join(known);
        }
    }
    if (values[Opt::Gas]) {
        std::vector<std::string> gases;
        for (const SensorOffer& s : offers)
            for (const std::string& g : s.gases)
                if (!Contains(gases, g)) gases.push_back(g);
        if (!Contains(gases, *values[Opt::Gas]))
            return "--gas \"" + *values[Opt::Gas] + "\" is unknown; known: " + Join(gases);
    }
    if (values[Opt::Cutoff]) {
        const WindowSession fresh;
        const std::vector<std::string> cutoffs = fresh.Items(id::kCutoffList);
        if (!Contains(cutoffs, *values[Opt::Cutoff]))
            return "--cutoff \"" + *values[Opt::Cutoff] + "\" is unknown; known: " + Join(cutoffs);
    }
    return std::nullopt;
}

// Drives every candidate of every type; a rejected input (a message box)
// is returned as an error.
std::optional<OptionError> Search(const OptionValues& values,
                                  const std::vector<std::string>& diameters,
                                  const std::vector<SensorOffer>& offers, const Bounds& b,
                                  Findings& found) {
    std::vector<Candidate> candidates;
    for (const SensorOffer& s : offers) {
        if (values[Opt::Gas] && !Contains(s.gases, *values[Opt::Gas])) {
            AddNote(found.leftOut, "--gas \"" + *values[Opt::Gas] + "\" is not offered", s.name);
            continue;
        }
        if (!Contains(s.units, *values[Opt::Unit])) {
            AddNote(found.leftOut, "--unit \"" + *values[Opt::Unit] + "\" is not offered", s.name);
            continue;
        }
        if (s.FreeDiameter() && diameters.empty()) {
            AddNote(found.leftOut, "free diameter: give --diameter to include", s.name);
            continue;
        }
        std::optional<std::string> leftOut;
        const auto skip = [&](const OptionError& e) {
            if (e.kind == OptionError::Kind::Disabled &&
                (IsCondition(e.option) || (e.option == Opt::FlowType && e.value == "flow"))) {
                if (IsCondition(e.option))
                    AddNote(found.notApplied, "--" + std::string(OptionOf(e.option).name), s.name);
                return true;
            }
            return false;
        };
        for (SizingRow& row : RowsFor(s.name, s.sections, diameters, s.ranges)) {
            if (auto error = RunRow(values, row, skip)) {
                if (error->kind == OptionError::Kind::Rejected) return error;
                AddNote(found.leftOut, error->Reason("--"), s.name);
                break;
            }
            Candidate c;
            c.row = std::move(row);
            c.order = candidates.size();
            const auto minFlow = ShownNumber(c.row.results[result::kMinFlow]);
            const auto maxFlow = ShownNumber(c.row.results[result::kMaxFlow]);
            if (!minFlow || !maxFlow) continue;  // the window shows no measuring range
            c.minFlow = *minFlow;
            c.maxFlow = *maxFlow;
            candidates.push_back(std::move(c));
        }
    }

    for (const Candidate& c : candidates)
        if (c.minFlow <= b.x && c.maxFlow >= b.y) found.fits.push_back(c);
    // Best fit first: the smallest maximum flow that still covers Y.
    std::stable_sort(found.fits.begin(), found.fits.end(), [](const auto& a, const auto& b) {
        return a.maxFlow != b.maxFlow ? a.maxFlow < b.maxFlow : a.minFlow < b.minFlow;
    });
    if (found.fits.empty()) {
        found.nearest = candidates;
        std::stable_sort(
            found.nearest.begin(), found.nearest.end(),
            [&](const auto& a, const auto& c) { return MissFactor(a, b) < MissFactor(c, b); });
        if (found.nearest.size() > kNearestShown) found.nearest.resize(kNearestShown);
    }
    return std::nullopt;
}

void PrintCandidates(std::ostream& out, const std::vector<Candidate>& rows, bool misses,
                     const Bounds& b) {
    using A = TextTable::Align;
    TextTable table({A::Left, A::Left, A::Right, A::Left, A::Right, A::Right, A::Left, A::Left});
    table.AddRow({"Sensor", "Section", "Diameter (mm)", "Range", "Min. flow", "Max. flow", "Unit",
                  misses ? "Misses" : ""});
    for (const Candidate& c : rows) {
        const SizingRow& r = c.row;
        table.AddRow({r.sensor, r.section.empty() ? "-" : r.section, r.diameter,
                      r.range.empty() ? "-" : r.range, r.results[result::kMinFlow],
                      r.results[result::kMaxFlow], r.results[result::kMaxFlowUnit],
                      misses ? Misses(c, b) : ""});
    }
    table.Print(out, "  ");
}

void PrintNotes(std::ostream& out, const Findings& found) {
    if (!found.leftOut.empty()) {
        out << "Left out:\n";
        for (const auto& [reason, sensors] : found.leftOut)
            out << "  " << Join(sensors) << ": " << reason << '\n';
    }
    if (!found.notApplied.empty()) {
        out << "Not used where the window disables them:\n";
        for (const auto& [option, sensors] : found.notApplied)
            out << "  " << option << ": " << Join(sensors) << '\n';
    }
}

Json NotesJson(const Notes& notes, const char* what) {
    Json array = Json::array();
    for (const auto& [text, sensors] : notes) {
        Json note = Json::object();
        note["sensors"] = sensors;
        note[what] = text;
        array.push_back(note);
    }
    return array;
}

Json CandidatesJson(const std::vector<Candidate>& rows, bool misses, const Bounds& b) {
    Json array = Json::array();
    for (const Candidate& c : rows) {
        Json row = RowJson(c.row);
        if (misses) row["misses"] = Misses(c, b);
        array.push_back(row);
    }
    return array;
}

}  // namespace

int RunSensorFinder(const OptionValues& values, const std::vector<std::string>& diameters,
                    const std::string& minFlow, const std::string& maxFlow, bool json,
                    std::ostream& out, std::ostream& err) {
    const auto x = ParseBound(minFlow);
    const auto y = ParseBound(maxFlow);
    if (!x) return Usage(err, "--min-flow \"" + minFlow + "\" is not a number");
    if (!y) return Usage(err, "--max-flow \"" + maxFlow + "\" is not a number");
    if (*x < 0 || *y < 0) return Usage(err, "flows must not be negative");
    if (*x > *y) return Usage(err, "--min-flow " + minFlow + " is above --max-flow " + maxFlow);
    if (!values[Opt::Unit]) return Usage(err, "--unit is required: X and Y are flows in that unit");
    const Bounds bounds{*x, *y, minFlow, maxFlow};

    const std::vector<SensorOffer> offers = SurveySensors();
    if (auto unknown = UnknownValue(values, offers)) return Usage(err, *unknown);

    Findings found;
    if (auto error = Search(values, diameters, offers, bounds, found))
        return Usage(err, error->Describe("--"));

    const std::string span = minFlow + " to " + maxFlow + " " + *values[Opt::Unit];
    if (json) {
        Json object = Json::object();
        object["minFlow"] = minFlow;
        object["maxFlow"] = maxFlow;
        object["unit"] = *values[Opt::Unit];
        object["fits"] = CandidatesJson(found.fits, false, bounds);
        object["nearest"] = CandidatesJson(found.nearest, true, bounds);
        object["leftOut"] = NotesJson(found.leftOut, "reason");
        object["notUsed"] = NotesJson(found.notApplied, "option");
        out << DumpPretty(object) << '\n';
    } else if (!found.fits.empty()) {
        out << found.fits.size() << " measure " << span << ", best fit first:\n";
        PrintCandidates(out, found.fits, false, bounds);
        PrintNotes(out, found);
    } else {
        out << "Nothing measures " << span << ".";
        if (found.nearest.empty()) {
            out << '\n';
        } else {
            out << " Nearest:\n";
            PrintCandidates(out, found.nearest, true, bounds);
        }
        PrintNotes(out, found);
    }
    return found.fits.empty() ? kExitSomeFailed : kExitOk;
}

}  // namespace tarnvik::cli
