// The tarnvik-calc command line: parses the arguments and runs the chosen
// mode. Streams are parameters so that nothing here touches the process's
// own streams or any other global.
#pragma once

#include <ostream>

#include "cli/byte_source.h"

namespace tarnvik::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeFailed = 1;  // batch lines failed, nothing fits, output lost
inline constexpr int kExitUsage = 2;       // bad options or values

// in is read by --batch only. A failed write to out is reported on err
// with status 1, whatever the mode.
int RunCommandLine(int argc, const char* const* argv, ByteSource& in, std::ostream& out,
                   std::ostream& err);

}  // namespace tarnvik::cli
