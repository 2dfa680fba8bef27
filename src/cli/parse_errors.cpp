#include "cli/parse_errors.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "sizing/message_text.h"

namespace tarnvik::cli {

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6";  // U+2026
constexpr std::size_t kShownArguments = 5;
constexpr std::size_t kMessageBytes = 400;

// CLI11 names every unexpected argument; a script gone wrong may pass
// thousands of them, or one of megabytes.
std::optional<std::string> UnexpectedArguments(const CLI::App& app) {
    const std::vector<std::string> extras = app.remaining(true);
    const bool anyLong = std::any_of(extras.begin(), extras.end(), [](const std::string& a) {
        return a.size() > sizing::kEchoedBytes;
    });
    if (extras.size() <= kShownArguments && !anyLong) return std::nullopt;
    std::string message = extras.size() == 1 ? "The following argument was not expected:"
                                             : "The following " + std::to_string(extras.size()) +
                                                   " arguments were not expected:";
    for (std::size_t i = 0; i < extras.size() && i < kShownArguments; ++i)
        message += " " + sizing::Shortened(extras[i]);
    if (extras.size() > kShownArguments) message += std::string(" ") + kEllipsis;
    return message;
}

// Other messages quote a value given where none fits ("Could not convert:
// --json = ..."): each word is bounded, and so is the whole.
std::optional<std::string> Bounded(std::string_view what) {
    std::string message;
    bool shortened = false;
    for (std::size_t start = 0; start <= what.size() && message.size() <= kMessageBytes;) {
        std::size_t end = what.find(' ', start);
        if (end == std::string_view::npos) end = what.size();
        const std::string_view word = what.substr(start, end - start);
        shortened = shortened || word.size() > sizing::kEchoedBytes;
        if (start > 0) message += ' ';
        message += sizing::Shortened(word);
        start = end + 1;
    }
    if (message.size() > kMessageBytes)
        return std::string(sizing::Prefix(message, kMessageBytes)) + kEllipsis;
    if (shortened) return message;
    return std::nullopt;
}

}  // namespace

int ReportParseError(const CLI::App& app, const CLI::ParseError& e, std::ostream& out,
                     std::ostream& err) {
    const std::optional<std::string> message =
        dynamic_cast<const CLI::ExtrasError*>(&e) ? UnexpectedArguments(app) : Bounded(e.what());
    if (!message) return app.exit(e, out, err) == 0 ? kExitOk : kExitUsage;
    err << *message << "\nRun with --help for more information.\n";
    return kExitUsage;
}

}  // namespace tarnvik::cli
