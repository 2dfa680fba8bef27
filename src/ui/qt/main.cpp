// tarnvik: the calculator window.
#include "tarnvik_app.h"

int main(int argc, char** argv) {
    tarnvik::qt::CTarnvikApp app(argc, argv);
    return app.Run();
}
