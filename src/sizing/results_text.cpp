#include "sizing/results_text.h"

#include <string_view>

namespace tarnvik::sizing {

namespace {

struct LabelAndUnit {
    std::string_view label;
    std::string_view unit;
};

// The trailing parenthesis of a caption, nested ones included: "bar(g)".
LabelAndUnit SplitUnit(std::string_view caption) {
    if (caption.empty() || caption.back() != ')') return {caption, {}};
    int depth = 0;
    for (std::size_t i = caption.size(); i-- > 0;) {
        if (caption[i] == ')') ++depth;
        if (caption[i] == '(' && --depth == 0) {
            if (i == 0 || caption[i - 1] != ' ') break;
            return {caption.substr(0, i - 1), caption.substr(i + 1, caption.size() - i - 2)};
        }
    }
    return {caption, {}};
}

void Cell(std::string& out, std::string_view text) {
    for (const char c : text) out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
}

void Line(std::string& out, std::string_view label, std::string_view value, std::string_view unit) {
    Cell(out, label);
    out += '\t';
    Cell(out, value);
    out += '\t';
    Cell(out, unit);
    out += '\n';
}

}  // namespace

std::string ResultsClipboardText(const CalculationContext& context) {
    std::string out;
    for (const ContextEntry& e : context.inputs) {
        const LabelAndUnit split = SplitUnit(e.label);
        Line(out, split.label, e.shown, split.unit);
    }
    for (const ResultEntry& r : context.results) Line(out, r.label, r.value, r.unit);
    return out;
}

}  // namespace tarnvik::sizing
