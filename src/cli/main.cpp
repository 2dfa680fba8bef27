// tarnvik-calc: the calculator window's behaviour on the command line.
#include <fcntl.h>

#include <clocale>
#include <exception>
#include <iostream>

#include "cli/byte_source.h"
#include "cli/command_line.h"

int main(int argc, char** argv) {
    // A closed standard input must read as an error, even if a file opened
    // later takes its descriptor number.
    tarnvik::cli::FdSource in(fcntl(0, F_GETFD) == -1 ? -1 : 0);

    // The desktop's locale is taken on purpose, as the window toolkit does,
    // so that the tests can prove every number is read and written with
    // the "C" locale's rules whatever the user's locale is.
    std::setlocale(LC_ALL, "");
    std::ios::sync_with_stdio(false);

    try {
        return tarnvik::cli::RunCommandLine(argc, argv, in, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "tarnvik-calc: " << e.what() << '\n';
        return tarnvik::cli::kExitSomeFailed;
    }
}
