// The tarnvik-calc command line: parses the arguments and runs the chosen
// mode. Streams are parameters so that nothing here touches the process's
// own streams or any other global.
#pragma once

#include <istream>
#include <ostream>

namespace tarnvik::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeFailed = 1;  // batch lines failed, nothing fits, output lost
inline constexpr int kExitUsage = 2;       // bad options or values

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace tarnvik::cli
