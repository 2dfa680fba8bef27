// The five results of one window, and the rows of the sizing modes, as
// text or JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "sizing/sizing_row.h"
#include "sizing/window_session.h"
#include "ui/calculation_context.h"

namespace tarnvik::cli {

using Json = nlohmann::ordered_json;

// Keys in the order of ResultBoxes(); every value is a box's text.
Json ResultsJson(const sizing::Results& results);
// The inputs of a calculation by option name, as the window shows them:
// the value of "inputs" beside the result keys.
Json InputsJson(const CalculationContext& context);
// ResultsJson with "inputs" added after today's keys.
Json ResultsWithInputsJson(const sizing::Results& results, const CalculationContext& context);
// The same object written straight into a line, without building it:
// byte for byte what DumpLine(ResultsJson(results)) gives.
void AppendResultsLine(std::string& line, const sizing::Results& results);
// Likewise byte for byte DumpLine(InputsJson(context)).
void AppendInputsLine(std::string& line, const CalculationContext& context);

// Identification keys first, then the keys of the --json object. withPipe
// adds the key "pipe" after "section": where any row of an output came
// from a pipe, every row has it, so CSV columns stay aligned.
Json RowJson(const sizing::SizingRow& row, bool withPipe = false);

// How CSV is written: commas and decimal points, or for spreadsheets in
// decimal-comma locales semicolons and decimal commas.
struct CsvStyle {
    char separator = ',';
    bool decimalComma = false;
};
inline constexpr CsvStyle kDecimalCommaCsv{';', true};

// One CSV line (RFC 4180) of a flat object of texts: its keys (the header)
// or its values. With a decimal comma, a value that is a number read whole
// has its point turned into a comma; other texts are left as they are.
std::string CsvLine(const Json& object, bool keys, const CsvStyle& style = {});

// One calculation as a flat record for CSV: every input the command line
// takes, by option name ("" where it does not apply), then the result keys,
// then with withError the key "error". A null results or context leaves
// their columns empty, as on a batch line that failed.
Json CalculationRecord(const sizing::Results* results, const CalculationContext* context,
                       bool withError, const std::string& error = "");

// One compact line. Texts that are not valid UTF-8 (a user's input echoed
// in a message) are repaired rather than rejected, so the output stays
// valid JSON.
std::string DumpLine(const Json& value);
std::string DumpPretty(const Json& value);

// An aligned table: label, value, unit text.
void PrintResultsTable(std::ostream& out, const sizing::Results& results);
// The inputs that made the results, after a blank line: label and value
// as the window shows them.
void PrintInputs(std::ostream& out, const CalculationContext& context);

}  // namespace tarnvik::cli
