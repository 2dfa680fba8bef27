#include "sizing/sizing_sheet.h"

#include <string_view>

namespace tarnvik::sizing {

namespace {

// A4 with 14 mm margins leaves 182 x 269 mm. The inputs and the results
// sit side by side. In print the page is a column of that height whose
// last part, the chart, takes whatever height is left and scales its
// drawing into it, so that everything stays on one page however many rows
// the chart has.
constexpr std::string_view kStyle = R"css(
@page { size: A4; margin: 14mm; }
* { box-sizing: border-box; }
html { background: #ffffff; }
body { margin: 0 auto; max-width: 182mm; padding: 6mm 0; color: #000000;
       font-family: sans-serif; font-size: 9.5pt; line-height: 1.25; }
@media print {
  body { padding: 0; max-width: none; height: 264mm; display: flex; flex-direction: column; }
  figure { flex: 1 1 0; min-height: 0; }
  figure svg { height: 100%; max-height: none; }
}
header { display: flex; justify-content: space-between; align-items: baseline;
         border-bottom: 1.5pt solid #000000; padding-bottom: 2mm; margin-bottom: 3mm; }
h1 { font-size: 16pt; margin: 0; }
h2 { font-size: 11pt; margin: 0 0 1mm 0; }
.issued { text-align: right; font-size: 9pt; }
.project { display: flex; flex-wrap: wrap; gap: 1.5mm 9mm; margin: 0 0 3mm 0; }
.project div { min-width: 40mm; }
.project dt { font-size: 8pt; color: #444444; }
.project dd { margin: 0; font-weight: bold; overflow-wrap: anywhere; }
.figures { display: flex; gap: 7mm; align-items: flex-start; margin-bottom: 3mm; }
.figures section { flex: 1 1 0; min-width: 0; }
.figures section.results { flex: 0.85 1 0; }
table { border-collapse: collapse; width: 100%; }
th, td { text-align: left; padding: 0.45mm 1.5mm; border-bottom: 0.5pt solid #b0b0b0;
         vertical-align: top; overflow-wrap: anywhere; }
td.value { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
td.derived, td.derived + td { color: #444444; }
.results td.value { font-weight: bold; }
.note { font-size: 7.5pt; color: #444444; margin: 0.8mm 0 0 0; }
figure { margin: 0; }
figure svg { display: block; width: 100%; height: auto; max-height: 150mm; }
footer { margin-top: 2mm; border-top: 0.5pt solid #808080; padding-top: 1.2mm; font-size: 7.5pt;
         color: #444444; }
)css";

std::string Escaped(std::string_view text) {
    return EscapeMarkup(text);
}

void Field(std::string& out, std::string_view label, std::string_view value) {
    if (value.empty()) return;
    out += "<div><dt>" + Escaped(label) + "</dt><dd>" + Escaped(value) + "</dd></div>\n";
}

void Inputs(std::string& out, const CalculationContext& context) {
    bool anyDerived = false;
    out += "<section class=\"inputs\">\n<h2>Inputs</h2>\n<table>\n";
    for (const ContextEntry& e : context.inputs) {
        anyDerived = anyDerived || e.derived;
        out += std::string("<tr><td") + (e.derived ? " class=\"derived\"" : "") + ">" +
               Escaped(e.label) + "</td><td>" + Escaped(e.shown) + (e.derived ? " *" : "") +
               "</td></tr>\n";
    }
    out += "</table>\n";
    if (anyDerived)
        out += "<p class=\"note\">* set by the window from the other inputs, not typed in</p>\n";
    out += "</section>\n";
}

void Results(std::string& out, const CalculationContext& context) {
    out += "<section class=\"results\">\n<h2>Results</h2>\n<table>\n";
    for (const ResultEntry& r : context.results) {
        out += "<tr><td>" + Escaped(r.label) + "</td><td class=\"value\">" + Escaped(r.value) +
               "</td><td>" + Escaped(r.unit) + "</td></tr>\n";
    }
    out += "</table>\n</section>\n";
}

// The chart's SVG without its XML declaration and namespace: HTML puts an
// inline <svg> into the SVG namespace by itself, and the sheet then holds
// no address at all.
std::string InlineSvg(const RangeChart& chart) {
    std::string svg = RangeChartSvg(chart);
    const std::size_t start = svg.find("<svg");
    if (start != std::string::npos) svg.erase(0, start);
    constexpr std::string_view kNamespace = " xmlns=\"http://www.w3.org/2000/svg\"";
    if (const std::size_t at = svg.find(kNamespace); at != std::string::npos)
        svg.erase(at, kNamespace.size());
    return svg;
}

}  // namespace

std::string SizingSheetHtml(const SizingSheet& sheet) {
    const std::string program = "Tarnvik Calculator " + sheet.version;
    std::string out;
    out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    out += "<meta name=\"generator\" content=\"" + Escaped(program) + "\">\n";
    out += "<title>" + Escaped(sheet.title) + "</title>\n<style>" + std::string(kStyle) +
           "</style>\n</head>\n<body>\n";

    out += "<header>\n<h1>" + Escaped(sheet.title) + "</h1>\n<div class=\"issued\">" +
           Escaped(program) + (sheet.date.empty() ? "" : "<br>" + Escaped(sheet.date)) +
           "</div>\n</header>\n";

    std::string fields;
    Field(fields, "Project", sheet.project);
    Field(fields, "Tag", sheet.tag);
    Field(fields, "Customer", sheet.customer);
    if (!fields.empty()) out += "<dl class=\"project\">\n" + fields + "</dl>\n";

    out += "<div class=\"figures\">\n";
    Inputs(out, sheet.context);
    Results(out, sheet.context);
    out += "</div>\n";

    // The chart carries its own title.
    if (sheet.chart) out += "<figure>\n" + InlineSvg(*sheet.chart) + "</figure>\n";

    out += "<footer>Calculated with " + Escaped(program) +
           (sheet.date.empty() ? "" : " on " + Escaped(sheet.date)) +
           ". The results are what the calculator window shows for the inputs above.</footer>\n";
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace tarnvik::sizing
