// tarnvik-calc: the calculator window's behaviour on the command line.
#include <clocale>
#include <exception>
#include <iostream>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    // The desktop's locale is taken on purpose, as the window toolkit does,
    // so that the tests can prove every number is read and written with
    // the "C" locale's rules whatever the user's locale is.
    std::setlocale(LC_ALL, "");
    std::ios::sync_with_stdio(false);

    int status = tarnvik::cli::kExitUsage;
    try {
        status = tarnvik::cli::RunCommandLine(argc, argv, std::cin, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "tarnvik-calc: " << e.what() << '\n';
        return tarnvik::cli::kExitSomeFailed;
    }
    // A full disk or a closed pipe must not pass for success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tarnvik-calc: could not write the output\n";
        return tarnvik::cli::kExitSomeFailed;
    }
    return status;
}
