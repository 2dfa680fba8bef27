#include "program.h"

#include <cstdio>
#include <optional>
#include <string>

#include "display_check.h"
#include "program_options.h"
#include "tarnvik_app.h"

namespace tarnvik::qt {

int RunProgram(int argc, char** argv, std::function<void(TarnvikWindow&)> windowCreated) {
    if (const std::optional<int> status = HandleInformationOptions(argc, argv, stdout))
        return *status;
    if (const std::string problem = DisplayProblem(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "tarnvik: %s\n", problem.c_str());
        return 1;
    }
    std::optional<CTarnvikApp> app;
    {
        const WindowSystemGuard guard;
        app.emplace(argc, argv);  // takes Qt's own arguments out of argv
    }
    if (const std::optional<int> status = RejectLeftoverArguments(argc, argv, stderr))
        return *status;
    if (windowCreated) app->SetWindowCreatedHook(std::move(windowCreated));
    return app->Run();
}

}  // namespace tarnvik::qt
