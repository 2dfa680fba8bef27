#include "sizing/range_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "named_case.h"

namespace tarnvik {
namespace {

using sizing::ChartGeometry;
using sizing::LayoutRangeChart;
using sizing::RangeBar;
using sizing::RangeChart;
using sizing::RequiredRange;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

RangeBar Bar(const char* label, double low, double high, bool highlighted = false) {
    return {label, low, high, std::isnan(low) ? "N/A" : "low", "high", highlighted};
}

// Where a flow lands by the definition of a logarithmic axis.
double Expected(const ChartGeometry& g, double flow) {
    return g.plotLeft + (std::log10(flow) - g.firstDecade) / (g.lastDecade - g.firstDecade) *
                            (g.plotRight - g.plotLeft);
}

TEST(RangeChartLayout, BarsFollowTheLogarithmOfTheirFlows) {
    RangeChart chart;
    chart.bars = {Bar("a", 0.52, 130.0), Bar("b", 1.23, 306.9, true), Bar("c", 9.64, 2409.6)};
    const ChartGeometry g = LayoutRangeChart(chart);
    EXPECT_EQ(g.firstDecade, -1);
    EXPECT_EQ(g.lastDecade, 4);
    ASSERT_EQ(g.bars.size(), 3u);
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
        EXPECT_TRUE(g.bars[i].drawn);
        EXPECT_NEAR(g.bars[i].x0, Expected(g, chart.bars[i].minFlow), 1e-9) << i;
        EXPECT_NEAR(g.bars[i].x1, Expected(g, chart.bars[i].maxFlow), 1e-9) << i;
    }
    // Equal ratios are equal lengths: 130/0.52 is 250, and so is 306.9/1.2276.
    EXPECT_NEAR(g.bars[0].x1 - g.bars[0].x0, Expected(g, 306.9) - Expected(g, 306.9 / 250.0), 1e-9);
    // One row below the other, bars inside their rows.
    EXPECT_LT(g.bars[0].y + g.bars[0].height, g.bars[1].y);
    EXPECT_GE(g.bars[0].y, g.plotTop);
    EXPECT_LE(g.bars[2].y + g.bars[2].height, g.plotBottom);
}

// Every decade on the axis is labelled with its exact value, the small
// ones included (fixed decimals would print 1e-4 as "0.000").
TEST(RangeChartSvg, LabelsEveryDecadeExactly) {
    RangeChart chart;
    chart.unit = "kg/h";
    chart.bars = {Bar("a", 0.00012, 0.5), Bar("b", 0.002, 40.0)};
    const ChartGeometry g = LayoutRangeChart(chart);
    ASSERT_EQ(g.firstDecade, -4);
    ASSERT_EQ(g.lastDecade, 2);
    const std::string svg = sizing::RangeChartSvg(chart);
    for (const char* label : {">0.0001<", ">0.001<", ">0.01<", ">0.1<", ">1<", ">10<", ">100<"})
        EXPECT_NE(svg.find(label), std::string::npos) << label;
    EXPECT_EQ(svg.find(">0.000<"), std::string::npos);
}

struct SpanCase {
    const char* name;
    std::vector<RangeBar> bars;
    std::optional<RequiredRange> required;
    int first;
    int last;
};

class DecadeSpan : public ::testing::TestWithParam<SpanCase> {};

TEST_P(DecadeSpan, CoversTheFlowsInWholeDecades) {
    RangeChart chart;
    chart.bars = GetParam().bars;
    chart.required = GetParam().required;
    const ChartGeometry g = LayoutRangeChart(chart);
    EXPECT_EQ(g.firstDecade, GetParam().first);
    EXPECT_EQ(g.lastDecade, GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(
    RangeChartLayout, DecadeSpan,
    ::testing::Values(
        SpanCase{"ExactDecadesStayEnds", {Bar("a", 1.0, 1000.0)}, {}, 0, 3},
        SpanCase{"WithinOneDecade", {Bar("a", 2.0, 5.0)}, {}, 0, 1},
        SpanCase{"SmallFlows", {Bar("a", 0.0042, 0.9)}, {}, -3, 0},
        SpanCase{"RequiredWidensTheAxis",
                 {Bar("a", 2.0, 50.0)},
                 RequiredRange{0.5, 20000.0, "0.5", "20000"},
                 -1,
                 5},
        SpanCase{"NoMinimumSetsNoScale", {Bar("a", kNaN, 50.0), Bar("b", 20.0, 400.0)}, {}, 1, 3},
        SpanCase{"UndrawnBarSetsNoScale", {Bar("a", 0.001, kNaN), Bar("b", 20.0, 400.0)}, {}, 1, 3},
        SpanCase{"NothingToDraw", {Bar("a", kNaN, kNaN), Bar("b", 0.0, 0.0)}, {}, 0, 1},
        SpanCase{"NoBarsAtAll", {}, {}, 0, 1},
        SpanCase{"AtMostEightDecades", {Bar("a", 1e-6, 1e6)}, {}, -2, 6},
        SpanCase{"HugeAndTinyStayFinite", {Bar("a", 1e-300, 1e300)}, {}, 292, 300}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RangeChartLayout, OpenAndClippedStartsBeginAtTheAxisEnd) {
    RangeChart chart;
    chart.bars = {Bar("no minimum", kNaN, 100.0), Bar("zero minimum", 0.0, 100.0),
                  Bar("negative", -5.0, 100.0),   Bar("clipped", 1e-9, 10.0),
                  Bar("no maximum", 1.0, kNaN),   Bar("reversed", 50.0, 5.0)};
    chart.bars.push_back(Bar("sets the scale", 1e-1, 1e6));
    const ChartGeometry g = LayoutRangeChart(chart);
    for (int i : {0, 1, 2}) {
        EXPECT_TRUE(g.bars[i].drawn) << i;
        EXPECT_TRUE(g.bars[i].openStart) << i;
        EXPECT_EQ(g.bars[i].x0, g.plotLeft) << i;
        EXPECT_NEAR(g.bars[i].x1, Expected(g, 100.0), 1e-9) << i;
    }
    EXPECT_TRUE(g.bars[3].clippedStart);
    EXPECT_FALSE(g.bars[3].openStart);
    EXPECT_EQ(g.bars[3].x0, g.plotLeft);
    EXPECT_FALSE(g.bars[4].drawn);
    EXPECT_NEAR(g.bars[5].x0, Expected(g, 5.0), 1e-9);
    EXPECT_NEAR(g.bars[5].x1, Expected(g, 50.0), 1e-9);
    EXPECT_FALSE(g.bars[6].openStart || g.bars[6].clippedStart);
}

TEST(RangeChartLayout, RequiredRangeIsMarkedAtItsFlows) {
    RangeChart chart;
    chart.bars = {Bar("a", 1.0, 500.0)};
    chart.required = RequiredRange{5.0, 200.0, "5", "200"};
    const ChartGeometry g = LayoutRangeChart(chart);
    ASSERT_TRUE(g.requiredX0 && g.requiredX1);
    EXPECT_NEAR(*g.requiredX0, Expected(g, 5.0), 1e-9);
    EXPECT_NEAR(*g.requiredX1, Expected(g, 200.0), 1e-9);
    EXPECT_GT(g.plotTop, LayoutRangeChart(RangeChart{{}, {}, {}, chart.bars, {}}).plotTop)
        << "room above the plot for the band's caption";
}

// --- The SVG --------------------------------------------------------------

RangeChart Sample() {
    RangeChart chart;
    chart.title = "Measuring ranges of QA40";
    chart.description = "Minimum to maximum flow";
    chart.unit = "sm3/h";
    chart.bars = {Bar("QA40 DN15 L", kNaN, 30.0), Bar("QA40 DN25 S", 1.2, 290.0, true),
                  Bar("QA40 DN80 S", 10.0, 2501.1)};
    chart.required = RequiredRange{5.0, 200.0, "5", "200"};
    return chart;
}

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(RangeChartSvg, IsAnSvg11DocumentWithTitleAndDescFirst) {
    const std::string svg = sizing::RangeChartSvg(Sample());
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    const std::size_t open = svg.find("<svg ");
    const std::size_t close = svg.find('>', open);
    const std::string root = svg.substr(open, close - open);
    EXPECT_NE(root.find("xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
    EXPECT_NE(root.find("version=\"1.1\""), std::string::npos);
    EXPECT_NE(root.find("font-family=\"sans-serif\""), std::string::npos);
    EXPECT_EQ(svg.substr(close + 1, 40).find("\n<title>Measuring ranges of QA40</title>"), 0u);
    EXPECT_NE(svg.find("</title>\n<desc>Minimum to maximum flow</desc>"), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST(RangeChartSvg, RefersToNothingOutsideItself) {
    const std::string svg = sizing::RangeChartSvg(Sample());
    for (const char* outside : {"href", "<image", "<script", "<style", "@import", "font-face"})
        EXPECT_EQ(svg.find(outside), std::string::npos) << outside;
    EXPECT_EQ(Count(svg, "url("), Count(svg, "url(#tarnvik-required-hatch)"));
    EXPECT_EQ(Count(svg, "font-family="), 1u);
}

TEST(RangeChartSvg, HighlightAndRequiredRangeDifferWithoutColour) {
    const std::string svg = sizing::RangeChartSvg(Sample());
    // Highlighted: a dark fill, an outline 2.5 times as heavy, a bold label.
    EXPECT_NE(svg.find("<g class=\"bar highlighted\">"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#1f3f73\" stroke=\"#000000\" stroke-width=\"2.5\""),
              std::string::npos);
    EXPECT_NE(svg.find("fill=\"#b4c7e2\" stroke=\"#3c4f6b\" stroke-width=\"1.0\""),
              std::string::npos);
    EXPECT_NE(svg.find("font-weight=\"bold\">QA40 DN25 S</text>"), std::string::npos);
    // Required: a hatching pattern and dashed edges.
    EXPECT_NE(svg.find("<pattern id=\"tarnvik-required-hatch\""), std::string::npos);
    EXPECT_NE(svg.find("class=\"required-band\""), std::string::npos);
    EXPECT_NE(svg.find("class=\"required-edges\" stroke=\"#000000\" stroke-width=\"1.5\" "
                       "stroke-dasharray=\"6 3\""),
              std::string::npos);
    // The bar without a minimum has its arrowhead; the legend says why.
    EXPECT_EQ(Count(svg, "<polygon"), 2u);
    EXPECT_NE(svg.find("No minimum (N/A)"), std::string::npos);
}

TEST(RangeChartSvg, WritesTheLayoutsCoordinates) {
    const RangeChart chart = Sample();
    const std::string svg = sizing::RangeChartSvg(chart);
    const ChartGeometry g = LayoutRangeChart(chart);
    const auto& bar = g.bars[1];
    auto num = [](double v) {
        std::string t = FormatFixed(v, 1);
        return t.size() > 2 && t.ends_with(".0") ? t.substr(0, t.size() - 2) : t;
    };
    EXPECT_NE(svg.find("<rect x=\"" + num(bar.x0) + "\" y=\"" + num(bar.y) + "\" width=\"" +
                       num(bar.x1 - bar.x0) + "\""),
              std::string::npos)
        << svg;
}

TEST(RangeChartSvg, EscapesEveryText) {
    RangeChart chart;
    chart.title = "<b>Title</b> & \"quotes\"";
    chart.description = "desc with ]]> and '";
    chart.unit = "m3/h <unit>";
    chart.bars = {{"A & B <c>", 1.0, 10.0, "1 & 2", "<10>", true}};
    chart.required = RequiredRange{2.0, 5.0, "lo\"w", "hi'gh"};
    const std::string svg = sizing::RangeChartSvg(chart);
    for (const char* raw :
         {"<b>", "A & B", "<c>", "<unit>", "<10>", "1 & 2", "]]>", "lo\"w", "hi'gh"})
        EXPECT_EQ(svg.find(raw), std::string::npos) << raw;
    for (const char* escaped :
         {"&lt;b&gt;Title&lt;/b&gt; &amp; &quot;quotes&quot;", "A &amp; B &lt;c&gt;",
          "m3/h &lt;unit&gt;", "]]&gt; and &#39;", "lo&quot;w", "hi&#39;gh"})
        EXPECT_NE(svg.find(escaped), std::string::npos) << escaped;
}

struct EscapeCase {
    const char* name;
    std::string text;
    std::string escaped;
};

class Escaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escaping, KeepsTheDocumentWellFormed) {
    EXPECT_EQ(sizing::EscapeMarkup(GetParam().text), GetParam().escaped);
}

const std::string kReplacement = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Markup, Escaping,
    ::testing::Values(
        EscapeCase{"Markup", "<a href='x'>&\"", "&lt;a href=&#39;x&#39;&gt;&amp;&quot;"},
        EscapeCase{"PlainAndUtf8",
                   "DN25 \xC2\xB0"
                   "C \xE2\x80\x93 \xF0\x9F\x99\x82",
                   "DN25 \xC2\xB0"
                   "C \xE2\x80\x93 \xF0\x9F\x99\x82"},
        EscapeCase{"WhiteSpaceKept", "a\tb\nc\rd", "a\tb\nc\rd"},
        EscapeCase{"ControlCharacters", std::string("a\x01z\x7f", 4) + std::string(1, '\0'),
                   "a" + kReplacement + "z" + kReplacement + kReplacement},
        EscapeCase{"StrayContinuationByte", "a\x80z", "a" + kReplacement + "z"},
        EscapeCase{"TruncatedSequence", "a\xE2\x80", "a" + kReplacement + kReplacement},
        EscapeCase{"OverlongEncoding", "\xC0\xAF", kReplacement + kReplacement},
        EscapeCase{"Surrogate", "\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
        EscapeCase{"NotACharacter", "\xEF\xBF\xBF", kReplacement + kReplacement + kReplacement},
        EscapeCase{"BeyondUnicode", "\xF4\x90\x80\x80",
                   kReplacement + kReplacement + kReplacement + kReplacement}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Chart data from range table rows ---------------------------------------

TEST(RangeChartOf, LabelsRowsAndHighlightsTheCurrentSelection) {
    const std::vector<sizing::RangeRow> rows = {
        {"DN15", "16.1", "L", "N/A", "30.0", "sm3/h"},
        {"DN15", "16.1", "S", "0.4", "90.0", "sm3/h"},
        {"DN25", "27.3", "S", "1.2", "290.0", "sm3/h"},
    };
    const RangeChart chart = sizing::RangeChartOf("QA40", rows, {"DN25", "27.3", "S"},
                                                  RequiredRange{5.0, 200.0, "5", "200"});
    ASSERT_EQ(chart.bars.size(), 3u);
    EXPECT_EQ(chart.bars[0].label, "QA40 DN15 L");
    EXPECT_TRUE(std::isnan(chart.bars[0].minFlow));
    EXPECT_EQ(chart.bars[0].minText, "N/A");
    EXPECT_EQ(chart.bars[1].minFlow, 0.4);
    EXPECT_EQ(chart.bars[2].maxFlow, 290.0);
    EXPECT_FALSE(chart.bars[0].highlighted);
    EXPECT_FALSE(chart.bars[1].highlighted);
    EXPECT_TRUE(chart.bars[2].highlighted);
    EXPECT_EQ(chart.unit, "sm3/h");
    EXPECT_EQ(chart.title, "Measuring ranges of QA40");
    EXPECT_NE(chart.description.find("DN25, range S"), std::string::npos) << chart.description;
    EXPECT_NE(chart.description.find("5 \xE2\x80\x93 200 sm3/h"), std::string::npos);
    ASSERT_TRUE(chart.required);
}

TEST(RangeChartOf, FreeDiametersAndTypesWithoutRanges) {
    const std::vector<sizing::RangeRow> free = {{"", "52.48", "S", "10.0", "900.0", "m3/h"},
                                                {"", "52.48", "HS", "10.0", "1100.0", "m3/h"},
                                                {"", "102.26", "S", "40.0", "3000.0", "m3/h"}};
    const RangeChart qa70 = sizing::RangeChartOf("QA70", free, {"", "52.48", "HS"});
    EXPECT_EQ(qa70.bars[0].label, "QA70 52.48 mm S");
    EXPECT_FALSE(qa70.bars[0].highlighted);
    EXPECT_TRUE(qa70.bars[1].highlighted);
    EXPECT_FALSE(qa70.bars[2].highlighted);
    EXPECT_FALSE(qa70.required);

    const std::vector<sizing::RangeRow> sections = {{"DN8", "8.8", "", "0.1", "8.0", "m3/h"},
                                                    {"DN15", "16.1", "", "0.5", "120.0", "m3/h"}};
    const RangeChart qa80 = sizing::RangeChartOf("QA80", sections, {"DN15", "16.1", ""});
    EXPECT_EQ(qa80.bars[1].label, "QA80 DN15");
    EXPECT_TRUE(qa80.bars[1].highlighted);
    EXPECT_NE(qa80.description.find("Highlighted: the current selection, DN15."), std::string::npos)
        << qa80.description;
}

TEST(RangeChartOf, PipesNameTheirRows) {
    const std::vector<sizing::RangeRow> rows = {
        {"", "52.48", "S", "10.0", "900.0", "m3/h", "NPS 2 Sch 40"},
        {"", "52.48", "HS", "10.0", "1100.0", "m3/h", "NPS 2 Sch 40"},
        {"", "80", "S", "20.0", "2000.0", "m3/h"}};
    const RangeChart chart = sizing::RangeChartOf("QA70", rows, {"", "52.48", "HS"});
    EXPECT_EQ(chart.bars[0].label, "QA70 NPS 2 Sch 40 S");
    EXPECT_EQ(chart.bars[2].label, "QA70 80 mm S");
    EXPECT_TRUE(chart.bars[1].highlighted);
    EXPECT_NE(chart.description.find("the current selection, NPS 2 Sch 40, range HS."),
              std::string::npos)
        << chart.description;
}

// A table of every range has no current selection: nothing stands out, and
// the legend has no key for what is not there.
TEST(RangeChartOf, NoSelectionHighlightsNothing) {
    const std::vector<sizing::RangeRow> rows = {{"", "", "", "1.0", "9.0", "m3/h"},
                                                {"DN15", "16.1", "", "0.5", "120.0", "m3/h"}};
    const RangeChart chart = sizing::RangeChartOf("QA30", rows, {});
    for (const RangeBar& bar : chart.bars) EXPECT_FALSE(bar.highlighted) << bar.label;
    EXPECT_EQ(chart.description.find("Highlighted"), std::string::npos) << chart.description;
    const std::string svg = sizing::RangeChartSvg(chart);
    EXPECT_EQ(svg.find("Current selection"), std::string::npos);
    EXPECT_EQ(svg.find("highlighted"), std::string::npos);
    // Nothing else to explain either: no legend, and no room kept for one.
    EXPECT_EQ(svg.find("class=\"legend\""), std::string::npos);
    const sizing::ChartGeometry g = LayoutRangeChart(chart);
    EXPECT_FALSE(g.legend);
    EXPECT_LT(g.height,
              LayoutRangeChart(sizing::RangeChartOf("QA30", rows, {"DN15", "", ""})).height);
}

}  // namespace
}  // namespace tarnvik
