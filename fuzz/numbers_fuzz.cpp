// Number reading must agree with the C library's strtod in the "C" locale,
// and formatting must read back to the value it formatted.
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double parsed = tarnvik::ParseNumber(text);
    const double reference = std::strtod(text.c_str(), nullptr);  // the process stays in "C"
    if (!(std::isnan(parsed) && std::isnan(reference)) &&
        std::memcmp(&parsed, &reference, sizeof parsed) != 0)
        std::abort();

    if (std::isfinite(parsed) && std::fabs(parsed) < 1e15) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            const double back = tarnvik::ParseNumber(tarnvik::FormatFixed(parsed, decimals));
            // Half a unit of the last decimal, plus the representation
            // error of the value read back.
            const double tolerance =
                0.5 * std::pow(10.0, -decimals) + 4 * std::fabs(parsed) * DBL_EPSILON;
            if (std::fabs(back - parsed) > tolerance) std::abort();
        }
    }
    return 0;
}
