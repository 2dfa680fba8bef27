// Writes sample range charts and sizing sheets, made from real windows,
// into a folder, for the checks that need outside tools: an XML parser,
// a renderer, Chromium's print to PDF.
//
//   sample_documents FOLDER
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "sizing/pipe_standards.h"
#include "sizing/range_chart.h"
#include "sizing/sizing_sheet.h"
#include "ui/calculation_context.h"
#include "ui/tarnvik_dlg.h"

namespace {

using namespace tarnvik;
using namespace tarnvik::sizing;

// One row per section (or diameter) and range, each from a fresh window,
// as a range table makes them.
// The other choices of the calculation, made on every row's window.
using Choices = std::function<void(platform::Dialog&)>;

std::vector<RangeRow> RowsOf(const CTarnvikDlg& started, const std::string& sensor,
                             const std::vector<std::string>& diameters, const Choices& choices) {
    CTarnvikDlg probe(started);
    probe.Window().UserChoose(id::kSensorType, sensor);
    const std::vector<std::string> sections = probe.Window().Find(id::kSection)->items;
    std::vector<std::string> ranges = probe.Window().Find(id::kRange)->items;
    if (ranges.empty()) ranges.push_back("");
    std::vector<std::string> places = sections.empty() ? diameters : sections;

    std::vector<RangeRow> rows;
    for (const std::string& place : places) {
        for (const std::string& range : ranges) {
            CTarnvikDlg w(started);
            platform::Dialog& d = w.Window();
            d.UserChoose(id::kSensorType, sensor);
            if (sections.empty())
                d.UserType(id::kDiameter, place);
            else
                d.UserChoose(id::kSection, place);
            if (!range.empty()) d.UserChoose(id::kRange, range);
            if (choices) choices(d);
            rows.push_back({sections.empty() ? "" : place, d.GetText(id::kDiameter), range,
                            d.GetText(id::kMinFlow), d.GetText(id::kMaxFlow),
                            d.GetText(id::kMaxFlowUnit)});
        }
    }
    return rows;
}

bool Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sample_documents FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    CTarnvikDlg started("sample");
    started.OnInitDialog();
    bool ok = true;

    // QA40 in sm3/h, DN25 S chosen, a required range marked; the DN15 L
    // row's minimum shown as "N/A" to draw an open bar.
    {
        CTarnvikDlg w(started);
        w.Window().UserChoose(id::kSensorType, "QA40");
        w.Window().UserChoose(id::kSection, "DN25");
        std::vector<RangeRow> rows = RowsOf(started, "QA40", {}, {});
        rows.front().minFlow = "N/A";
        const RangeChart chart = RangeChartOf("QA40", rows, {"DN25", "27.3", "S"},
                                              RequiredRange{5.0, 200.0, "5", "200"});
        ok &= Write(folder + "/chart-qa40.svg", RangeChartSvg(chart));

        SizingSheet sheet;
        sheet.title = "Sizing sheet: compressor room <B> & \"main\" line";
        sheet.project = "Plant 7 <retrofit> & 'ring' main";
        sheet.tag = "FT-101";
        sheet.customer = "Nordvik Tryckluft AB";
        sheet.date = "2024-05-17";
        sheet.version = "3.3.0";
        sheet.context = ReadCalculationContext(w);
        sheet.chart = chart;
        ok &= Write(folder + "/sheet-qa40.html", SizingSheetHtml(sheet));
    }

    // The longest sheet: QA70 with every process box, a pipe, long fields
    // and a chart of sixteen rows.
    {
        const PipeLookup pipe = FindPipe("NPS 4 Sch 40");
        const Choices choices = [](platform::Dialog& d) {
            d.UserClick(id::kFlowTypeFad);
            d.UserType(id::kProcessPressure, "7.5");
        };
        CTarnvikDlg w(started);
        platform::Dialog& d = w.Window();
        d.UserChoose(id::kSensorType, "QA70");
        d.UserType(id::kDiameter, pipe.pipe->innerText);
        choices(d);
        std::vector<std::string> diameters;
        for (const char* name : {"NPS 1 Sch 40", "NPS 1-1/2 Sch 40", "NPS 2 Sch 40", "NPS 3 Sch 40",
                                 "NPS 4 Sch 40", "NPS 6 Sch 40", "NPS 8 Sch 40", "NPS 10 Sch 40"})
            diameters.push_back(FindPipe(name).pipe->innerText);
        const std::vector<RangeRow> rows = RowsOf(started, "QA70", diameters, choices);
        SizingSheet sheet;
        sheet.project =
            "Extension of the compressed air network, building 12, second floor, "
            "production hall B";
        sheet.tag = "FIT-4711-A";
        sheet.customer = "A customer with a rather long company name GmbH & Co. KG";
        sheet.date = "17 May 2024";
        sheet.version = "3.3.0";
        sheet.context = ReadCalculationContext(w, pipe.pipe->name);
        sheet.chart = RangeChartOf("QA70", rows, {"", pipe.pipe->innerText, "S"});
        ok &= Write(folder + "/sheet-qa70.html", SizingSheetHtml(sheet));
        ok &= Write(folder + "/chart-qa70.svg", RangeChartSvg(*sheet.chart));
    }

    // The tallest chart: QA60, eight sections by four ranges.
    {
        CTarnvikDlg w(started);
        w.Window().UserChoose(id::kSensorType, "QA60");
        w.Window().UserChoose(id::kSection, "DN50");
        w.Window().UserChoose(id::kRange, "M");
        SizingSheet sheet;
        sheet.date = "2024-05-17";
        sheet.version = "3.3.0";
        sheet.context = ReadCalculationContext(w);
        sheet.chart = RangeChartOf("QA60", RowsOf(started, "QA60", {}, {}),
                                   {"DN50", w.Window().GetText(id::kDiameter), "M"});
        ok &= Write(folder + "/sheet-qa60.html", SizingSheetHtml(sheet));
    }

    if (!ok) {
        std::cerr << "sample_documents: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
