#include "sizing/sizing_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "window_fixture.h"

namespace tarnvik {
namespace {

using sizing::SizingSheet;
using testing_support::WindowTest;

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

class Sheet : public WindowTest {
  protected:
    SizingSheet Make(std::string_view pipe = {}) {
        SizingSheet sheet;
        sheet.project = "Ring main";
        sheet.tag = "FT-101";
        sheet.customer = "Nordvik AB";
        sheet.date = "2024-05-17";
        sheet.version = "3.3.0";
        sheet.context = ReadCalculationContext(dlg, pipe);
        sizing::RangeChart chart;
        chart.title = "Measuring ranges of QA70";
        chart.description = "Minimum to maximum flow";
        chart.unit = "m3/h";
        chart.bars = {{"QA70 52.48 mm S", 10.0, 900.0, "10.0", "900.0", true}};
        sheet.chart = chart;
        return sheet;
    }
};

TEST_F(Sheet, HoldsEveryFieldInputAndResultAsTheWindowShowsIt) {
    ChooseSensor("QA70");
    Type(id::kDiameter, "52.48");
    Click(id::kFlowTypeFad);
    const SizingSheet sheet = Make("NPS 2 Sch 40");
    const std::string html = sizing::SizingSheetHtml(sheet);

    for (const char* field : {"Sizing sheet", "Ring main", "FT-101", "Nordvik AB", "2024-05-17",
                              "Tarnvik Calculator 3.3.0"})
        EXPECT_NE(html.find(field), std::string::npos) << field;
    for (const ContextEntry& e : sheet.context.inputs) {
        EXPECT_NE(html.find("<td>" + e.shown), std::string::npos) << e.key;
        EXPECT_NE(html.find(">" + sizing::EscapeMarkup(e.label) + "</td>"), std::string::npos)
            << e.key;
    }
    EXPECT_NE(html.find("<td>NPS 2 Sch 40</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>FAD</td>"), std::string::npos);
    for (const ResultEntry& r : sheet.context.results) {
        EXPECT_NE(html.find("<td>" + r.label + "</td><td class=\"value\">" + r.value + "</td><td>" +
                            r.unit + "</td>"),
                  std::string::npos)
            << r.key;
    }
    EXPECT_EQ(Count(html, "<svg "), 1u);
    EXPECT_NE(html.find("<title>Measuring ranges of QA70</title>"), std::string::npos);
}

TEST_F(Sheet, LeavesOutWhatIsNotGiven) {
    SizingSheet sheet = Make();
    sheet.project.clear();
    sheet.tag.clear();
    sheet.customer.clear();
    sheet.chart.reset();
    const std::string html = sizing::SizingSheetHtml(sheet);
    EXPECT_EQ(html.find("<dl"), std::string::npos);
    EXPECT_EQ(html.find("<svg"), std::string::npos);
    EXPECT_EQ(html.find("<figure"), std::string::npos);
    // Derived entries are marked, and the mark explained once.
    EXPECT_NE(html.find("<td>15.0 *</td>"), std::string::npos);
    EXPECT_EQ(Count(html, "* set by the window"), 1u);
}

TEST_F(Sheet, EscapesEveryUserText) {
    SizingSheet sheet = Make("<pipe>");
    sheet.title = "Title </title><script>alert(1)</script>";
    sheet.project = "A & B <i>";
    sheet.tag = "\"tag\"";
    sheet.customer = "O'Brien";
    sheet.date = "<date>";
    sheet.version = "3.3.0\"><x";
    sheet.chart->bars[0].label = "<bar>";
    const std::string html = sizing::SizingSheetHtml(sheet);
    for (const char* raw : {"<script>", "</title><", "A & B", "<i>", "\"tag\"", "O'Brien", "<date>",
                            "\"><x", "<bar>", "<pipe>"})
        EXPECT_EQ(html.find(raw), std::string::npos) << raw;
    for (const char* escaped : {"&lt;script&gt;", "A &amp; B &lt;i&gt;", "&quot;tag&quot;",
                                "O&#39;Brien", "&lt;date&gt;", "&lt;bar&gt;", "&lt;pipe&gt;"})
        EXPECT_NE(html.find(escaped), std::string::npos) << escaped;
    EXPECT_NE(html.find("<title>Title &lt;/title&gt;&lt;script&gt;"), std::string::npos);
}

TEST_F(Sheet, IsSelfContained) {
    const std::string html = sizing::SizingSheetHtml(Make());
    EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char* outside :
         {"http", "src=", "href", "<script", "<link", "<img", "@import", "<?xml"})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    EXPECT_EQ(Count(html, "url("), Count(html, "url(#"));
    EXPECT_NE(html.find("@page { size: A4;"), std::string::npos);
}

}  // namespace
}  // namespace tarnvik
