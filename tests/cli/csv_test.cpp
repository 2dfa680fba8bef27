// CSV fields: RFC 4180 quoting with either separator, and the decimal
// comma only where a field is a number.
#include <gtest/gtest.h>

#include "cli/result_output.h"

namespace tarnvik::cli {
namespace {

Json Record(std::initializer_list<std::pair<const char*, const char*>> fields) {
    Json object = Json::object();
    for (const auto& [key, value] : fields) object[key] = value;
    return object;
}

TEST(CsvLine, QuotesWhatHoldsTheSeparatorAQuoteOrALineBreak) {
    const Json r = Record({{"a", "1,5"}, {"b", "5\"0"}, {"c", "x;y"}, {"d", "two\nlines"}});
    EXPECT_EQ(CsvLine(r, false), R"("1,5","5""0",x;y,"two)"
                                 "\n"
                                 R"(lines")");
    EXPECT_EQ(CsvLine(r, false, kDecimalCommaCsv), R"(1,5;"5""0";"x;y";"two)"
                                                   "\n"
                                                   R"(lines")");
    EXPECT_EQ(CsvLine(r, true, kDecimalCommaCsv), "a;b;c;d");
}

TEST(CsvLine, DecimalCommaOnlyInNumbers) {
    const Json r = Record({{"a", "0.813"},
                           {"b", "Nat. gas"},
                           {"c", "1.2.3"},
                           {"d", "N/A"},
                           {"e", "-1.5e3"},
                           {"f", "sm3/h"}});
    EXPECT_EQ(CsvLine(r, false, kDecimalCommaCsv), "0,813;Nat. gas;1.2.3;N/A;-1,5e3;sm3/h");
    EXPECT_EQ(CsvLine(r, false), "0.813,Nat. gas,1.2.3,N/A,-1.5e3,sm3/h");
}

TEST(CalculationRecord, TheSameColumnsWhetherALineFailsOrNot) {
    const Json failed = CalculationRecord(nullptr, nullptr, true, "bad");
    sizing::Results results;
    CalculationContext context;
    context.inputs.push_back({"process-pressure", "Process pressure (bar(g))", "7", "7", false});
    const Json good = CalculationRecord(&results, &context, true);
    EXPECT_EQ(CsvLine(failed, true), CsvLine(good, true));
    EXPECT_EQ(good["process-pressure"], "7");
    EXPECT_EQ(failed["error"], "bad");
}

// Every input the window's context can name has its column: none is
// dropped from a row.
TEST(CalculationRecord, HasAColumnForEveryInputOfTheContext) {
    sizing::WindowSession session;
    sizing::OptionValues values;
    values[sizing::Opt::Sensor] = "QA70";
    ASSERT_FALSE(session.Apply(values));
    const CalculationContext context = ReadCalculationContext(session.Window(), "NPS 2 Sch 40");
    const Json record = CalculationRecord(nullptr, nullptr, false);
    for (const ContextEntry& e : context.inputs) EXPECT_TRUE(record.contains(e.key)) << e.key;
}

}  // namespace
}  // namespace tarnvik::cli
