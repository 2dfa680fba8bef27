#include "sizing/list_text.h"

namespace tarnvik::sizing {

std::string Join(const std::vector<std::string>& values) {
    std::string out;
    for (const std::string& v : values) {
        if (!out.empty()) out += ", ";
        out += v;
    }
    return out;
}

std::string JoinOrNone(const std::vector<std::string>& values) {
    return values.empty() ? "none" : Join(values);
}

}  // namespace tarnvik::sizing
