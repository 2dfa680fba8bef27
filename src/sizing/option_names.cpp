#include "sizing/option_names.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "core/units.h"
#include "gases/gas_table.h"
#include "sensors/sensor_catalogue.h"
#include "sensors/sensor_positions.h"
#include "sizing/message_text.h"

namespace tarnvik::sizing {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Every name a list or radio group of the window can show for an option;
// empty for the options that are typed.
std::vector<std::string_view> KnownNames(Opt opt) {
    std::vector<std::string_view> names;
    const auto add = [&names](std::string_view n) {
        if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(n);
    };
    switch (opt) {
        case Opt::Sensor:
            for (int s = 0; s < kSensorCount; ++s) add(GetSensorInfo(s).name);
            break;
        case Opt::Section:
            for (int s = 0; s < kSensorCount; ++s)
                for (std::string_view n : GetSensorInfo(s).sections) add(n);
            break;
        case Opt::Range:
            for (int s = 0; s < kSensorCount; ++s)
                for (std::string_view n : GetSensorInfo(s).ranges) add(n);
            break;
        case Opt::Gas:
            for (const GasEntry& g : GasTable) add(g.Name());
            break;
        case Opt::Reference:
        case Opt::FlowType:
        case Opt::Unit:
            for (const RadioChoice& c : RadioChoices(opt)) add(c.value);
            break;
        default:
            break;
    }
    return names;
}

bool IsNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

constexpr std::string_view kReferenceNames[] = {"standard", "norm"};  // by ReferenceMode

// A unit's name by its flow text at standard or norm conditions.
struct UnitText {
    std::string_view unit;
    std::string_view reference;
};
std::optional<UnitText> FindUnitText(std::string_view text) {
    for (const UnitInfo& u : Units()) {
        if (u.mass) continue;  // one text for every reference
        for (std::size_t r = 0; r < std::size(kReferenceNames); ++r)
            if (SameName(text, u.flowText[r])) return UnitText{u.caption, kReferenceNames[r]};
    }
    return std::nullopt;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::size_t NameDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t change = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string NearestName(std::string_view value, const std::vector<std::string>& candidates) {
    // A value far longer than any name is no slip; and the distance table
    // must stay small whatever a script passes.
    constexpr std::size_t kLongestName = 64;
    if (value.size() > kLongestName) return "";
    std::string best;
    std::size_t bestDistance = 0;
    for (const std::string& c : candidates) {
        const std::size_t d = NameDistance(value, c);
        // A slip is an edit or two, fewer the shorter the names: "QA100"
        // suggests QA10 and "normal" norm, but "DN32" not DN8 and "N2" not
        // Ar. Numbers are no names to misspell.
        const std::size_t longer = std::max(value.size(), c.size());
        if (d > std::max<std::size_t>(1, longer / 3) || IsNumber(c)) continue;
        if (best.empty() || d < bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return best;
}

bool IsKnownName(Opt opt, std::string_view value) {
    for (std::string_view name : KnownNames(opt))
        if (SameName(value, name)) return true;
    return false;
}

std::string CanonicalNames(OptionValues& values, std::string_view optionPrefix) {
    for (const WindowOption& o : WindowOptions()) {
        std::optional<std::string>& value = values[o.opt];
        if (!value) continue;
        for (std::string_view name : KnownNames(o.opt)) {
            if (SameName(*value, name)) {
                value->assign(name);
                break;
            }
        }
    }
    std::optional<std::string>& unit = values[Opt::Unit];
    if (!unit || RadioFor(Opt::Unit, *unit) != 0) return "";
    const std::optional<UnitText> text = FindUnitText(*unit);
    if (!text) return "";
    std::optional<std::string>& reference = values[Opt::Reference];
    const std::string prefix(optionPrefix);
    if (reference && *reference != text->reference) {
        return prefix + "unit " + Quoted(*unit) + " means " + std::string(text->reference) +
               " reference conditions, but " + prefix + "reference is " + Quoted(*reference) +
               ": give " + prefix + "unit " + std::string(text->unit) + " with " + prefix +
               "reference " + *reference + ", or leave " + prefix + "reference out";
    }
    reference = std::string(text->reference);
    unit = std::string(text->unit);
    return "";
}

}  // namespace tarnvik::sizing
