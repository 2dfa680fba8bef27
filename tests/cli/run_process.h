// Runs a program with arguments, environment and standard input, and
// collects its standard output, standard error and exit status.
#pragma once

#include <string>
#include <vector>

namespace tarnvik::test {

struct ProcessResult {
    std::string out;
    std::string err;
    int status = -1;               // exit status, or 128 + signal number
    std::size_t inputWritten = 0;  // bytes of input the program took before it ended
};

// Where the standard streams go instead of the pipes, for faults a pipe
// cannot show: a directory as input, a closed input, a full disk.
struct ProcessStreams {
    std::string inputPath{};   // opened for reading as standard input
    bool closeInput = false;   // standard input closed
    std::string outputPath{};  // opened for writing as standard output
};

// environment holds "NAME=value" entries that replace or extend the
// current environment.
ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment, const std::string& input,
                         const ProcessStreams& streams = {});

}  // namespace tarnvik::test
