// Runs a program with arguments, environment and standard input, and
// collects its standard output, standard error and exit status.
#pragma once

#include <string>
#include <vector>

namespace tarnvik::test {

struct ProcessResult {
    std::string out;
    std::string err;
    int status = -1;  // exit status, or 128 + signal number
};

// environment holds "NAME=value" entries that replace or extend the
// current environment.
ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment, const std::string& input);

}  // namespace tarnvik::test
