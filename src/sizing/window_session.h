// One fresh calculator window, driven by user actions only: the command
// line, the sizing functions and the page never compute a result
// themselves, they read what the window's boxes show after the actions.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sizing/window_options.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik::sizing {

// Why an option could not be applied.
struct OptionError {
    enum class Kind {
        Disabled,    // its control is disabled at that moment
        NotOffered,  // its list or group has no such value now
        Rejected,    // the window answered with a message box
    };
    Opt option;
    std::string value;
    Kind kind;
    std::vector<std::string> available;  // the values the control takes now
    std::string message;                 // the message box text, for Rejected
    std::string context;                 // sensor, gas and reference now
    // The option the user gave instead, when the value was derived from
    // another one: "pipe" for a diameter typed from a pipe's name. value
    // is then what the user gave for it, so the message names their input.
    std::string givenAs{};
    // For a value not offered: the available value nearest to it, when it
    // looks like a slip ("QA10" for "QA100"); else empty.
    std::string nearest{};
    // For a diameter on a type built into measuring sections: its
    // sections with their inner diameters, "DN15 (16.1 mm), ..."; else
    // empty.
    std::string sections{};

    // For the diameter typed from a pipe's name: the error names the pipe.
    // Errors of other options, and an empty name, are left as they are.
    void NamePipe(std::string_view pipe);

    // optionPrefix is "--" on the command line and "" for a batch key.
    std::string Describe(std::string_view optionPrefix) const;
    // The same without the window's state and the values available.
    std::string Reason(std::string_view optionPrefix) const;
};

// The five results with their unit texts, exactly as their boxes show them.
struct ResultBox {
    std::string_view key;  // the JSON key
    int control;
};
inline constexpr std::size_t kResultCount = 9;
const std::array<ResultBox, kResultCount>& ResultBoxes();
using Results = std::array<std::string, kResultCount>;
// Positions of the results in Results, the order of ResultBoxes().
namespace result {
inline constexpr std::size_t kProfileFactor = 0;
inline constexpr std::size_t kMaxFlow = 1;
inline constexpr std::size_t kMaxFlowUnit = 2;
inline constexpr std::size_t kMinFlow = 3;
inline constexpr std::size_t kMinFlowUnit = 4;
inline constexpr std::size_t kMaxVelocity = 5;
inline constexpr std::size_t kVelocityUnit = 6;
inline constexpr std::size_t kCutoffVelocity = 7;
inline constexpr std::size_t kCutoffVelocityUnit = 8;
}  // namespace result

// A window that has run its start-up sequence and is never touched: the
// model every fresh session of a run is made from or reset to.
class StartedWindow {
  public:
    StartedWindow();
    StartedWindow(const StartedWindow&) = delete;
    StartedWindow& operator=(const StartedWindow&) = delete;

    const CTarnvikDlg& Dlg() const { return dlg_; }

  private:
    CTarnvikDlg dlg_;
};

class WindowSession {
  public:
    // A window exactly as its start-up sequence leaves it.
    WindowSession();
    // A copy of a window that has been started and not touched since: the
    // same fresh window, without running the start-up again.
    explicit WindowSession(const CTarnvikDlg& started);
    explicit WindowSession(const StartedWindow& started) : WindowSession(started.Dlg()) {}
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // Makes this the same fresh window again, for drivers that need one per
    // line or row: the window is reset to the started one by assignment,
    // which reuses this window's storage, rather than copied or started
    // anew. Every option is then applied as before, as user actions with
    // all the recalculations they cause.
    void ResetTo(const StartedWindow& started);

    // Called for an option that fails; true skips it and goes on.
    using SkipPolicy = std::function<bool(const OptionError&)>;

    // Applies every given option in the fixed order; stops at the first
    // that fails and is not skipped.
    std::optional<OptionError> Apply(const OptionValues& values, const SkipPolicy& skip = {});
    // One option as one user action.
    std::optional<OptionError> Apply(Opt opt, std::string_view value);

    Results Read() const;
    const platform::Dialog& Window() const { return dlg_.Window(); }

    // Texts of a list's entries, in order.
    std::vector<std::string> Items(int list) const;
    const std::string& SelectedText(int list) const;

  private:
    std::optional<OptionError> Fail(Opt opt, std::string_view value, OptionError::Kind kind);
    std::vector<std::string> Available(Opt opt) const;
    std::string Context() const;
    std::string Sections() const;

    CTarnvikDlg dlg_;
    std::string message_;  // the last message box shown, if any
};

}  // namespace tarnvik::sizing
