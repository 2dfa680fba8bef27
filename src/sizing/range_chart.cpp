#include "sizing/range_chart.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <limits>

#include "core/numbers.h"

namespace tarnvik::sizing {

namespace {

// Page layout, px.
constexpr double kWidth = 760.0;
constexpr double kMargin = 12.0;
constexpr double kTitleBaseline = 24.0;
constexpr double kPlotTopPlain = 40.0;
constexpr double kRequiredCaption = 16.0;  // room above the plot for the band's caption
// Rows are closer when there are many, so a tall chart shrinks less when a
// page scales it to fit.
constexpr double kRowHeight = 22.0;
constexpr double kBarHeight = 12.0;
constexpr std::size_t kManyRows = 20;
constexpr double kDenseRowHeight = 17.0;
constexpr double kDenseBarHeight = 10.0;
constexpr double kOpenMarker = 8.0;  // the arrowhead of a bar without a minimum
constexpr double kAxisLabels = 18.0;
constexpr double kAxisCaption = 18.0;
constexpr double kLegend = 30.0;
constexpr int kMaxDecades = 8;
constexpr std::size_t kMaxLabelChars = 34;

// Average advance of a character of the generic sans-serif faces at 12 px,
// bold included; enough to size the text columns without font metrics.
constexpr double kCharWidth = 7.4;

// Fills and outlines. Apart in lightness, so a greyscale print keeps them
// apart: the highlighted fill is dark, the others light.
constexpr const char* kHighlightFill = "#1f3f73";
constexpr const char* kHighlightStroke = "#000000";
constexpr const char* kOtherFill = "#b4c7e2";
constexpr const char* kOtherStroke = "#3c4f6b";
constexpr const char* kRowShade = "#f2f4f7";
constexpr const char* kDecadeLine = "#8c8c8c";
constexpr const char* kMinorLine = "#d9d9d9";
constexpr const char* kHatchId = "tarnvik-required-hatch";

bool Positive(double v) {
    return std::isfinite(v) && v > 0.0;
}

std::string Num(double v) {
    // One decimal is a tenth of a pixel: plenty, and short.
    std::string text = FormatFixed(v, 1);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0)
        text.resize(text.size() - 2);
    return text == "-0" ? "0" : text;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

// At most max characters, cut at a character boundary, "…" marking a cut.
std::string Shortened(std::string_view text, std::size_t max) {
    if (Utf8Length(text) <= max) return std::string(text);
    std::size_t chars = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == max - 1) break;
    }
    return std::string(text.substr(0, i)) + "\xE2\x80\xA6";
}

double TextWidth(std::string_view text) {
    return static_cast<double>(Utf8Length(text)) * kCharWidth;
}

std::string Range(std::string_view low, std::string_view high) {
    return std::string(low) + " \xE2\x80\x93 " + std::string(high);  // en dash
}

std::string ValueText(const RangeBar& bar) {
    return Range(bar.minText.empty() ? "N/A" : bar.minText,
                 bar.maxText.empty() ? "N/A" : bar.maxText);
}

std::string ValuesHeading(std::string_view unit) {
    return "Min. \xE2\x80\x93 max. (" + std::string(unit) + ")";
}

// A power of ten written out as text: no rounding, so 1e-4 reads
// "0.0001" where three fixed decimals would give "0.000".
std::string DecadeLabel(int exponent) {
    if (exponent < -6 || exponent > 6) return "1e" + std::to_string(exponent);
    if (exponent < 0) return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + "1";
    return "1" + std::string(static_cast<std::size_t>(exponent), '0');
}

class Svg {
  public:
    void Open(std::string_view tag, std::string_view attributes) {
        out_ += '<';
        out_ += tag;
        if (!attributes.empty()) {
            out_ += ' ';
            out_ += attributes;
        }
        out_ += ">";
    }
    void Close(std::string_view tag) {
        out_ += "</";
        out_ += tag;
        out_ += ">\n";
    }
    void Empty(std::string_view tag, std::string_view attributes) {
        out_ += '<';
        out_ += tag;
        out_ += ' ';
        out_ += attributes;
        out_ += "/>\n";
    }
    void Element(std::string_view tag, std::string_view attributes, std::string_view text) {
        Open(tag, attributes);
        out_ += EscapeMarkup(text);
        Close(tag);
    }
    void Raw(std::string_view text) { out_ += text; }
    std::string Take() { return std::move(out_); }

  private:
    std::string out_;
};

std::string Attr(std::string_view name, std::string_view value) {
    return std::string(name) + "=\"" + EscapeMarkup(value) + "\"";
}

std::string Rect(double x, double y, double w, double h) {
    return "x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" width=\"" + Num(std::max(0.0, w)) +
           "\" height=\"" + Num(std::max(0.0, h)) + "\"";
}

std::string Line(double x1, double y1, double x2, double y2) {
    return "x1=\"" + Num(x1) + "\" y1=\"" + Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" + Num(y2) +
           "\"";
}

std::string At(double x, double y) {
    return "x=\"" + Num(x) + "\" y=\"" + Num(y) + "\"";
}

std::string StrokeWidth(double w) {
    return FormatFixed(w, 1);
}

void Arrowhead(Svg& svg, double x, double y, double h, const char* fill, const char* stroke,
               double strokeWidth) {
    const std::string points = Num(x) + "," + Num(y + h / 2) + " " + Num(x + kOpenMarker) + "," +
                               Num(y) + " " + Num(x + kOpenMarker) + "," + Num(y + h);
    svg.Empty("polygon", "points=\"" + points + "\" fill=\"" + fill + "\" stroke=\"" + stroke +
                             "\" stroke-width=\"" + StrokeWidth(strokeWidth) + "\"");
}

}  // namespace

std::string EscapeMarkup(std::string_view text) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            switch (c) {
                case '&':
                    out += "&amp;";
                    break;
                case '<':
                    out += "&lt;";
                    break;
                case '>':
                    out += "&gt;";
                    break;
                case '"':
                    out += "&quot;";
                    break;
                case '\'':
                    out += "&#39;";
                    break;
                case '\t':
                case '\n':
                case '\r':
                    out += static_cast<char>(c);
                    break;
                default:
                    if (c < 0x20 || c == 0x7F)
                        out += kReplacement;
                    else
                        out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        // A well-formed UTF-8 sequence of a character XML allows, or U+FFFD.
        std::size_t length = 0;
        char32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        }
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t minimum = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        valid = valid && code >= minimum && code <= 0x10FFFF &&
                !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE && code != 0xFFFF;
        if (valid) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += kReplacement;
            ++i;
        }
    }
    return out;
}

double ChartGeometry::X(double flow) const {
    if (!Positive(flow)) return plotLeft;
    const double fraction = (std::log10(flow) - firstDecade) / (lastDecade - firstDecade);
    return plotLeft + std::clamp(fraction, 0.0, 1.0) * (plotRight - plotLeft);
}

ChartGeometry LayoutRangeChart(const RangeChart& chart) {
    ChartGeometry g;
    g.width = kWidth;

    double low = std::numeric_limits<double>::infinity();
    double high = 0.0;
    auto take = [&](double v) {
        if (!Positive(v)) return;
        low = std::min(low, v);
        high = std::max(high, v);
    };
    for (const RangeBar& b : chart.bars) {
        if (!Positive(b.maxFlow)) continue;  // a bar that is not drawn sets no scale
        take(b.minFlow);
        take(b.maxFlow);
    }
    if (chart.required) {
        take(chart.required->low);
        take(chart.required->high);
    }
    if (high > 0.0) {
        // Exponents of doubles lie within ±324: the int conversions are safe.
        g.lastDecade = static_cast<int>(std::ceil(std::log10(high)));
        g.firstDecade = static_cast<int>(std::floor(std::log10(low)));
        if (g.lastDecade == g.firstDecade) ++g.lastDecade;
        g.firstDecade = std::max(g.firstDecade, g.lastDecade - kMaxDecades);
    }

    double labelWidth = 0.0;
    double valueWidth = TextWidth(ValuesHeading(chart.unit));
    for (const RangeBar& b : chart.bars) {
        labelWidth = std::max(labelWidth, TextWidth(Shortened(b.label, kMaxLabelChars)));
        valueWidth = std::max(valueWidth, TextWidth(ValueText(b)));
    }
    labelWidth = std::clamp(labelWidth + 2 * kMargin, 80.0, 250.0);
    valueWidth = std::clamp(valueWidth + 2 * kMargin, 90.0, 220.0);
    g.plotLeft = labelWidth;
    g.plotRight = kWidth - valueWidth;
    g.plotTop = kPlotTopPlain + (chart.required ? kRequiredCaption : 0.0);
    const bool dense = chart.bars.size() > kManyRows;
    g.rowHeight = dense ? kDenseRowHeight : kRowHeight;
    const double barHeight = dense ? kDenseBarHeight : kBarHeight;
    g.plotBottom =
        g.plotTop + g.rowHeight * static_cast<double>(std::max<std::size_t>(1, chart.bars.size()));

    const double minimumOfAxis = std::pow(10.0, g.firstDecade);
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
        const RangeBar& b = chart.bars[i];
        BarGeometry bar;
        bar.y = g.plotTop + g.rowHeight * static_cast<double>(i) + (g.rowHeight - barHeight) / 2;
        bar.height = barHeight;
        bar.drawn = Positive(b.maxFlow);
        if (bar.drawn) {
            bar.openStart = !Positive(b.minFlow);
            bar.clippedStart = !bar.openStart && b.minFlow < minimumOfAxis;
            bar.x0 = g.X(b.minFlow);
            bar.x1 = g.X(b.maxFlow);
            if (bar.x1 < bar.x0) std::swap(bar.x0, bar.x1);  // a minimum above the maximum
        }
        g.bars.push_back(bar);
    }
    if (chart.required && Positive(chart.required->high)) {
        g.requiredX0 = g.X(chart.required->low);
        g.requiredX1 = g.X(chart.required->high);
        if (*g.requiredX1 < *g.requiredX0) std::swap(*g.requiredX0, *g.requiredX1);
    }
    g.legend = g.requiredX0.has_value() ||
               std::any_of(chart.bars.begin(), chart.bars.end(),
                           [](const RangeBar& b) { return b.highlighted; }) ||
               std::any_of(g.bars.begin(), g.bars.end(), [](const BarGeometry& b) {
                   return b.drawn && (b.openStart || b.clippedStart);
               });
    g.height = g.plotBottom + kAxisLabels + kAxisCaption + (g.legend ? kLegend : 0.0) + kMargin;
    return g;
}

std::string RangeChartSvg(const RangeChart& chart) {
    const ChartGeometry g = LayoutRangeChart(chart);
    Svg svg;
    svg.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg.Open("svg", "xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Num(g.width) +
                        "\" height=\"" + Num(g.height) + "\" viewBox=\"0 0 " + Num(g.width) + " " +
                        Num(g.height) + "\" font-family=\"sans-serif\" font-size=\"12\"");
    svg.Raw("\n");
    svg.Element("title", "", chart.title);
    svg.Element("desc", "", chart.description);

    svg.Open("defs", "");
    svg.Raw("\n");
    svg.Open("pattern", Attr("id", kHatchId) +
                            " patternUnits=\"userSpaceOnUse\" width=\"6\" height=\"6\" "
                            "patternTransform=\"rotate(45)\"");
    svg.Empty("line",
              "x1=\"0\" y1=\"0\" x2=\"0\" y2=\"6\" stroke=\"#555555\" stroke-width=\"1.5\"");
    svg.Close("pattern");
    svg.Close("defs");

    svg.Empty("rect", Rect(0, 0, g.width, g.height) + " fill=\"#ffffff\"");
    svg.Element("text", At(kMargin, kTitleBaseline) + " font-size=\"15\" font-weight=\"bold\"",
                chart.title);

    // Row shading, every other row, from the labels to the values.
    svg.Open("g", "class=\"rows\" fill=\"" + std::string(kRowShade) + "\"");
    svg.Raw("\n");
    for (std::size_t i = 0; i < chart.bars.size(); i += 2)
        svg.Empty("rect", Rect(kMargin / 2, g.plotTop + g.rowHeight * static_cast<double>(i),
                               g.width - kMargin, g.rowHeight));
    svg.Close("g");

    // Grid: every decade, and 2 to 9 times it.
    svg.Open("g", "class=\"grid\"");
    svg.Raw("\n");
    for (int e = g.firstDecade; e < g.lastDecade; ++e) {
        for (int k = 2; k <= 9; ++k) {
            const double x = g.X(k * std::pow(10.0, e));
            svg.Empty("line", Line(x, g.plotTop, x, g.plotBottom) + " stroke=\"" + kMinorLine +
                                  "\" stroke-width=\"0.7\"");
        }
    }
    for (int e = g.firstDecade; e <= g.lastDecade; ++e) {
        const double x = g.X(std::pow(10.0, e));
        svg.Empty("line", Line(x, g.plotTop, x, g.plotBottom + 4) + " stroke=\"" + kDecadeLine +
                              "\" stroke-width=\"1\"");
    }
    svg.Empty("line", Line(g.plotLeft, g.plotBottom, g.plotRight, g.plotBottom) +
                          " stroke=\"#000000\" stroke-width=\"1\"");
    svg.Close("g");

    // The required range behind the bars: a hatched band.
    if (g.requiredX0) {
        svg.Empty("rect", "class=\"required-band\" " +
                              Rect(*g.requiredX0, g.plotTop, *g.requiredX1 - *g.requiredX0,
                                   g.plotBottom - g.plotTop) +
                              " fill=\"url(#" + kHatchId + ")\" fill-opacity=\"0.6\"");
    }

    svg.Open("g", "class=\"bars\"");
    svg.Raw("\n");
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
        const RangeBar& b = chart.bars[i];
        const BarGeometry& bar = g.bars[i];
        if (!bar.drawn) continue;
        const char* fill = b.highlighted ? kHighlightFill : kOtherFill;
        const char* stroke = b.highlighted ? kHighlightStroke : kOtherStroke;
        const double width = b.highlighted ? 2.5 : 1.0;
        svg.Open("g", std::string("class=\"") + (b.highlighted ? "bar highlighted" : "bar") + "\"");
        svg.Element("title", "", b.label + ": " + ValueText(b) + " " + chart.unit);
        const bool marked = bar.openStart || bar.clippedStart;
        const double start = marked ? std::min(bar.x0 + kOpenMarker, bar.x1) : bar.x0;
        svg.Empty("rect", Rect(start, bar.y, bar.x1 - start, bar.height) + " fill=\"" + fill +
                              "\" stroke=\"" + stroke + "\" stroke-width=\"" + StrokeWidth(width) +
                              "\"");
        if (marked) Arrowhead(svg, bar.x0, bar.y, bar.height, fill, stroke, width);
        svg.Close("g");
    }
    svg.Close("g");

    // The band's dashed edges above the bars, so no bar hides them.
    if (g.requiredX0) {
        svg.Open("g",
                 "class=\"required-edges\" stroke=\"#000000\" stroke-width=\"1.5\" "
                 "stroke-dasharray=\"6 3\"");
        svg.Raw("\n");
        svg.Empty("line", Line(*g.requiredX0, g.plotTop - 4, *g.requiredX0, g.plotBottom));
        svg.Empty("line", Line(*g.requiredX1, g.plotTop - 4, *g.requiredX1, g.plotBottom));
        svg.Close("g");
        const RequiredRange& r = *chart.required;
        svg.Element("text",
                    At((*g.requiredX0 + *g.requiredX1) / 2, g.plotTop - 7) +
                        " text-anchor=\"middle\" font-style=\"italic\"",
                    "Required " + Range(r.lowText, r.highText) + " " + chart.unit);
    }

    // Labels left of the plot, values right of it.
    svg.Open("g", "class=\"labels\"");
    svg.Raw("\n");
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
        const RangeBar& b = chart.bars[i];
        const double baseline =
            g.plotTop + g.rowHeight * static_cast<double>(i) + g.rowHeight / 2 + 4;
        const std::string weight = b.highlighted ? " font-weight=\"bold\"" : "";
        svg.Element("text",
                    At(g.plotLeft - kMargin / 2, baseline) + " text-anchor=\"end\"" + weight,
                    Shortened(b.label, kMaxLabelChars));
        svg.Element("text", At(g.plotRight + kMargin / 2, baseline) + weight, ValueText(b));
        if (!g.bars[i].drawn)
            svg.Element(
                "text",
                At(g.plotLeft + kMargin / 2, baseline) + " font-style=\"italic\" fill=\"#555555\"",
                "no flow range");
    }
    svg.Close("g");

    // The axis: decades labelled in the unit.
    svg.Open("g", "class=\"axis\" text-anchor=\"middle\"");
    svg.Raw("\n");
    for (int e = g.firstDecade; e <= g.lastDecade; ++e)
        svg.Element("text", At(g.X(std::pow(10.0, e)), g.plotBottom + kAxisLabels - 2),
                    DecadeLabel(e));
    svg.Element("text",
                At((g.plotLeft + g.plotRight) / 2, g.plotBottom + kAxisLabels + kAxisCaption - 2),
                "Flow (" + chart.unit + "), logarithmic scale");
    svg.Element("text", At(g.plotRight + kMargin / 2, g.plotTop - 7) + " text-anchor=\"start\"",
                ValuesHeading(chart.unit));
    svg.Close("g");

    // Legend: what the fills, the band and the arrowhead mean.
    if (!g.legend) {
        svg.Close("svg");
        return svg.Take();
    }
    svg.Open("g", "class=\"legend\"");
    svg.Raw("\n");
    double x = kMargin;
    const double y = g.plotBottom + kAxisLabels + kAxisCaption + 8;
    auto item = [&](std::string_view text) {
        svg.Element("text", At(x + 28, y + 10), text);
        x += 28 + TextWidth(text) + 20;
    };
    // Without a highlighted bar every bar is simply a range: no key needed.
    const bool anyHighlighted = std::any_of(chart.bars.begin(), chart.bars.end(),
                                            [](const RangeBar& b) { return b.highlighted; });
    if (anyHighlighted) {
        svg.Empty("rect", Rect(x, y, 22, kBarHeight) + " fill=\"" + kHighlightFill +
                              "\" stroke=\"" + kHighlightStroke + "\" stroke-width=\"2.5\"");
        item("Current selection");
        svg.Empty("rect", Rect(x, y, 22, kBarHeight) + " fill=\"" + kOtherFill + "\" stroke=\"" +
                              kOtherStroke + "\" stroke-width=\"1.0\"");
        item("Others");
    }
    if (g.requiredX0) {
        svg.Empty("rect",
                  Rect(x, y - 2, 22, kBarHeight + 4) + " fill=\"url(#" + kHatchId +
                      ")\" stroke=\"#000000\" stroke-width=\"1.5\" stroke-dasharray=\"6 3\"");
        item("Required range");
    }
    const bool anyOpen = std::any_of(g.bars.begin(), g.bars.end(), [](const BarGeometry& b) {
        return b.drawn && (b.openStart || b.clippedStart);
    });
    if (anyOpen) {
        Arrowhead(svg, x + 7, y, kBarHeight, kOtherFill, kOtherStroke, 1.0);
        item("No minimum (N/A) or below the axis");
    }
    svg.Close("g");

    svg.Close("svg");
    return svg.Take();
}

namespace {

// The place of a row as its label and the description name it.
std::string PlaceOf(const RangeRow& row) {
    if (!row.section.empty()) return row.section;
    if (!row.pipe.empty()) return row.pipe;
    return row.diameter + " mm";
}

// The window shows a number or "N/A"; only a number is a flow.
double ShownFlow(const std::string& text) {
    const bool number = !text.empty() && (std::isdigit(static_cast<unsigned char>(text[0])) ||
                                          text[0] == '.' || text[0] == '-' || text[0] == '+');
    return number ? ParseNumber(text) : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

RangeBar RangeBarOf(std::string_view sensor, const RangeRow& row) {
    RangeBar bar;
    bar.label =
        std::string(sensor) + " " + PlaceOf(row) + (row.range.empty() ? "" : " " + row.range);
    bar.minFlow = ShownFlow(row.minFlow);
    bar.maxFlow = ShownFlow(row.maxFlow);
    bar.minText = row.minFlow;
    bar.maxText = row.maxFlow;
    return bar;
}

RangeChart RangeChartOf(std::string_view sensor, std::span<const RangeRow> rows,
                        const RangeSelection& current, std::optional<RequiredRange> required) {
    RangeChart chart;
    std::string chosen;
    const bool anySelected = !current.section.empty() || !current.diameter.empty();
    for (const RangeRow& row : rows) {
        RangeBar bar = RangeBarOf(sensor, row);
        const bool samePlace =
            anySelected && (row.section.empty() ? row.diameter == current.diameter
                                                : row.section == current.section);
        bar.highlighted = samePlace && row.range == current.range;
        if (bar.highlighted && chosen.empty())
            chosen = PlaceOf(row) + (row.range.empty() ? "" : ", range " + row.range);
        if (chart.unit.empty()) chart.unit = row.unit;
        chart.bars.push_back(std::move(bar));
    }
    chart.title = "Measuring ranges of " + std::string(sensor);
    chart.description = "Minimum to maximum flow of " + std::string(sensor) +
                        " for each measuring section and range, in " + chart.unit +
                        " on a logarithmic axis.";
    if (!chosen.empty())
        chart.description += " Highlighted: the current selection, " + chosen + ".";
    if (required) {
        chart.description += " Hatched: the required range, " +
                             Range(required->lowText, required->highText) + " " + chart.unit + ".";
    }
    chart.required = std::move(required);
    return chart;
}

}  // namespace tarnvik::sizing
