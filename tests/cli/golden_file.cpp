#include "golden_file.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace tarnvik::test {

namespace {

constexpr const char* kProgram = "tarnvik-calc";

bool Starts(const std::string& line, const char* marker) {
    return line.rfind(marker, 0) == 0;
}

// Splits like a shell without expansions: blanks separate words, "..."
// (with \" and \\) and '...' quote.
std::vector<std::string> SplitWords(const std::string& text, const std::string& where) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else if (c == '"' || c == '\'') {
            inWord = true;
            const std::size_t end = text.find(c, i + 1);
            for (++i; i < text.size() && text[i] != c; ++i) {
                if (c == '"' && text[i] == '\\' && i + 1 < text.size()) ++i;
                word += text[i];
            }
            if (end == std::string::npos) throw std::runtime_error(where + ": unclosed quote");
        } else {
            inWord = true;
            word += c;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

bool IsAssignment(const std::string& word) {
    static const std::regex kAssignment("[A-Z_][A-Z0-9_]*=.*", std::regex::extended);
    return std::regex_match(word, kAssignment);
}

void TrimTrailingBlankLines(std::string& text) {
    while (text.size() >= 2 && text[text.size() - 1] == '\n' && text[text.size() - 2] == '\n')
        text.pop_back();
    if (text == "\n") text.clear();
}

}  // namespace

std::vector<GoldenCase> ReadGoldenFile(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::vector<GoldenCase> cases;
    std::vector<std::string> comments;
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        const std::string where = path + ":" + std::to_string(number);
        if (Starts(line, "#")) {
            comments.push_back(line);
        } else if (Starts(line, "== ")) {
            GoldenCase c;
            c.name = line.substr(3);
            c.line = number;
            c.preamble = std::move(comments);
            comments.clear();
            cases.push_back(std::move(c));
        } else if (cases.empty()) {
            if (!line.empty()) throw std::runtime_error(where + ": text before the first case");
        } else if (Starts(line, "$ ")) {
            GoldenCase& c = cases.back();
            c.commandLine = line;
            std::vector<std::string> words = SplitWords(line.substr(2), where);
            auto word = words.begin();
            for (; word != words.end() && IsAssignment(*word); ++word)
                c.environment.push_back(*word);
            if (word == words.end() || *word != kProgram)
                throw std::runtime_error(where + ": the command must start with tarnvik-calc");
            auto pipe = std::find(word, words.end(), "|");
            if (pipe != words.end()) {
                c.filterOut = words.end() - pipe == 5 && pipe[2] == "-v";
                const auto e = pipe + (c.filterOut ? 3 : 2);
                if (words.end() - e != 2 || pipe[1] != "grep" || e[0] != "-E")
                    throw std::runtime_error(where + ": the only filter is | grep [-v] -E 'REGEX'");
                c.filter = e[1];
                std::regex(c.filter, std::regex::extended);  // throws for a malformed one
            }
            c.arguments.assign(word + 1, pipe);
        } else if (line == "<" || Starts(line, "< ")) {
            GoldenCase& c = cases.back();
            c.inputLines.push_back(line);
            c.input += (line.size() > 2 ? line.substr(2) : std::string()) + '\n';
        } else if (line == "!" || Starts(line, "! ")) {
            cases.back().err += (line.size() > 2 ? line.substr(2) : std::string()) + '\n';
        } else if (Starts(line, "? ")) {
            cases.back().status = std::stoi(line.substr(2));
        } else {
            cases.back().out += line + '\n';
        }
    }
    for (GoldenCase& c : cases) {
        TrimTrailingBlankLines(c.out);
        if (c.commandLine.empty())
            throw std::runtime_error(path + ":" + std::to_string(c.line) +
                                     ": case without a command");
    }
    return cases;
}

std::string Filtered(const GoldenCase& c, const std::string& out) {
    if (c.filter.empty()) return out;
    const std::regex pattern(c.filter, std::regex::extended);
    std::istringstream lines(out);
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_search(line, pattern) != c.filterOut) kept += line + '\n';
    return kept;
}

std::string FormatGoldenFile(const std::vector<GoldenCase>& cases) {
    std::ostringstream text;
    bool first = true;
    for (const GoldenCase& c : cases) {
        if (!first) text << '\n';
        first = false;
        for (const std::string& comment : c.preamble) text << comment << '\n';
        text << "== " << c.name << '\n' << c.commandLine << '\n';
        for (const std::string& input : c.inputLines) text << input << '\n';
        text << c.out;
        std::istringstream err(c.err);
        for (std::string line; std::getline(err, line);)
            text << (line.empty() ? "!" : "! " + line) << '\n';
        if (c.status != 0) text << "? " << c.status << '\n';
    }
    return text.str();
}

}  // namespace tarnvik::test
