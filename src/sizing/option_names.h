// Names as users write them: sensor types, sections, ranges, gases, units,
// reference conditions and flow types match without regard to case
// ("qa40", "dn50", "nat. gas"), a unit text as the results show it
// ("Nm3/h", "sl/min") names the unit and its reference conditions, and a
// name that matches nothing finds its nearest neighbour for the message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sizing/window_options.h"

namespace tarnvik::sizing {

// Whether two ASCII names are equal without regard to case.
bool SameName(std::string_view a, std::string_view b);

// The Levenshtein distance without regard to case.
std::size_t NameDistance(std::string_view a, std::string_view b);

// The candidate nearest to value, when it is near enough to be what was
// meant (a typing slip, not another name); empty otherwise.
std::string NearestName(std::string_view value, const std::vector<std::string>& candidates);

// Whether value names an entry the option's list or group shows for some
// sensor type or gas: not offered now, it is still no slip to correct.
bool IsKnownName(Opt opt, std::string_view value);

// Rewrites the names in values as the window spells them. A unit text
// with reference conditions ("Nm3/h") becomes the unit ("m3/h") and sets
// the reference ("norm") unless that is given too; an error text when the
// given reference contradicts it. Names that match nothing are left for
// the window to refuse. optionPrefix is "--" or "" (a batch key).
std::string CanonicalNames(OptionValues& values, std::string_view optionPrefix);

}  // namespace tarnvik::sizing
