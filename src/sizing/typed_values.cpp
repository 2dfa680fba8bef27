#include "sizing/typed_values.h"

#include "core/numbers.h"
#include "sizing/message_text.h"

namespace tarnvik::sizing {

namespace {

bool IsBlank(std::string_view text) {
    for (const char c : text)
        if (c != ' ' && (c < '\t' || c > '\r')) return false;
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.substr(0, 1))) text.remove_prefix(1);
    return text;
}

// The advice for a text the window does not read whole.
std::string Advice(Opt opt, std::string_view value) {
    const bool diameter = opt == Opt::Diameter;
    if (!diameter && value.find(',') != std::string_view::npos) {
        std::string pointed(value);
        CommasToPoints(pointed);
        if (ReadsWhole(pointed))
            return "write " + Quoted(Trimmed(pointed)) +
                   ", with a decimal point (only --diameter takes a decimal comma)";
    }
    return diameter ? "write the number alone, in mm, with a decimal point or comma"
                    : "write the number alone, with a decimal point";
}

}  // namespace

std::string TypedValueProblem(Opt opt, std::string_view value, const StrictNaming& naming) {
    if (OptionOf(opt).action != Action::Type) return "";
    // The diameter box turns commas into points before it reads.
    std::string read(value);
    if (opt == Opt::Diameter) CommasToPoints(read);
    if (ReadsWhole(read)) return "";

    std::string text(naming.optionPrefix);
    text += OptionOf(opt).name;
    text += " " + Quoted(value);
    const std::size_t length = NumberLength(read);
    if (IsBlank(value)) {
        text += " is empty: the window would read it as 0";
    } else if (length == 0) {
        text += " is no number: the window would read it as 0";
    } else {
        text += " would be read only in part, as " +
                Shortened(Trimmed(std::string_view(read).substr(0, length)));
    }
    text += "; " + Advice(opt, value);
    text += ", or give ";
    text += naming.asTyped;
    text += " to type it as it is";
    return text;
}

std::string TypedValuesProblem(const OptionValues& values, const StrictNaming& naming,
                               const std::vector<std::string>& diameters) {
    for (const WindowOption& o : WindowOptions()) {
        if (!values[o.opt]) continue;
        if (std::string problem = TypedValueProblem(o.opt, *values[o.opt], naming);
            !problem.empty())
            return problem;
    }
    for (const std::string& d : diameters)
        if (std::string problem = TypedValueProblem(Opt::Diameter, d, naming); !problem.empty())
            return problem;
    return "";
}

}  // namespace tarnvik::sizing
