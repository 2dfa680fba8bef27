// Golden files: end-to-end cases of tarnvik-calc that read like a manual.
//
//   # A comment, anywhere.
//   == case-name
//   $ tarnvik-calc --sensor QA70 --cutoff 30      the command; "..." and '...' quote
//   $ NAME=value tarnvik-calc ...                an environment variable for the command
//   $ tarnvik-calc ... | grep -E 'REGEX'          only the lines of standard output that
//                                                match the extended regular expression
//   $ tarnvik-calc ... | grep -v -E 'REGEX'       only those that do not match it
//   < {"sensor":"QA70"}                          a line of standard input ("<" alone: empty)
//   Profile factor ...                           expected standard output, verbatim
//   ! tarnvik-calc: ...                          an expected line of standard error
//   ? 2                                          the expected exit status (0 if absent)
//
// Blank lines that end a case's standard output are not part of it.
#pragma once

#include <string>
#include <vector>

namespace tarnvik::test {

struct GoldenCase {
    std::string name;
    int line = 0;                          // of the "==" line
    std::vector<std::string> preamble;     // comment lines before the case
    std::vector<std::string> arguments;    // without the program name
    std::vector<std::string> environment;  // "NAME=value" entries
    std::string filter;                    // an extended regular expression; empty: none
    bool filterOut = false;                // keep the lines that do not match it
    std::string commandLine;               // the "$" line as written
    std::vector<std::string> inputLines;
    std::string input;  // the input lines, each ended by a newline
    std::string out;
    std::string err;
    int status = 0;
};

// Throws std::runtime_error naming the file and line of a malformed case.
std::vector<GoldenCase> ReadGoldenFile(const std::string& path);

// The lines of out that match the case's filter, or all of out.
std::string Filtered(const GoldenCase& c, const std::string& out);

// The file again, with each case's expectations replaced by what was
// observed: how the expected outputs are made, to be reviewed before use.
std::string FormatGoldenFile(const std::vector<GoldenCase>& cases);

}  // namespace tarnvik::test
