// tarnvik: the calculator window.
#include "program.h"

int main(int argc, char** argv) {
    return tarnvik::qt::RunProgram(argc, argv);
}
