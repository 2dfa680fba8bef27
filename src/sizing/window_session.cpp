#include "sizing/window_session.h"

#include "core/control_ids.h"
#include "core/numbers.h"
#include "sensors/sensor_catalogue.h"
#include "sizing/message_text.h"
#include "sizing/option_names.h"

namespace tarnvik::sizing {

namespace {

std::string_view WhatIsDisabled(Action action) {
    switch (action) {
        case Action::Choose:
            return "the list is disabled";
        case Action::Type:
            return "the box is disabled";
        case Action::Click:
            return "that choice is disabled";
    }
    return "";
}

}  // namespace

const std::array<ResultBox, kResultCount>& ResultBoxes() {
    static constexpr std::array<ResultBox, kResultCount> kBoxes = {{
        {"profileFactor", id::kProfileFactor},
        {"maxFlow", id::kMaxFlow},
        {"maxFlowUnit", id::kMaxFlowUnit},
        {"minFlow", id::kMinFlow},
        {"minFlowUnit", id::kMinFlowUnit},
        {"maxVelocity", id::kMaxVelocity},
        {"velocityUnit", id::kVelocityUnit},
        {"cutoffVelocity", id::kCutoffVelocity},
        {"cutoffVelocityUnit", id::kCutoffVelocityUnit},
    }};
    return kBoxes;
}

std::string OptionError::Describe(std::string_view optionPrefix) const {
    if (kind == Kind::Rejected) return Reason(optionPrefix);
    const std::string prefix(optionPrefix);
    std::string text = Reason(optionPrefix) + " (" + context + ")";
    if (!sections.empty()) {
        // The type sets the diameter by its measuring section.
        return text + "; this type is built into a measuring section: give " + prefix +
               "section instead, one of " + sections;
    }
    text += "; available: " + JoinOrNone(available);
    if (!nearest.empty()) text += "; did you mean " + Quoted(nearest) + "?";
    if (option == Opt::Unit && kind == Kind::NotOffered)
        text +=
            "; a unit text as the results show it (sm3/h, Nm3/h, sl/min, Ncfm, ...) also "
            "chooses standard or norm reference conditions; else choose them with " +
            prefix + "reference standard|norm|custom";
    return text;
}

std::string OptionError::Reason(std::string_view optionPrefix) const {
    std::string text(optionPrefix);
    text += givenAs.empty() ? OptionOf(option).name : std::string_view(givenAs);
    text += " " + Quoted(value);
    switch (kind) {
        case Kind::Rejected:
            return text + ": " + message;
        case Kind::Disabled:
            text += " cannot be used now: ";
            text += WhatIsDisabled(OptionOf(option).action);
            break;
        case Kind::NotOffered:
            text += " is not offered now";
            break;
    }
    return text;
}

void OptionError::NamePipe(std::string_view pipe) {
    if (option != Opt::Diameter || pipe.empty()) return;
    givenAs = "pipe";
    value = pipe;
}

namespace {
// The caption of the message box, which a session never shows: it reads
// the box's text into an error instead.
constexpr const char* kCaption = "tarnvik";
}  // namespace

StartedWindow::StartedWindow() : dlg_(kCaption) {
    dlg_.OnInitDialog();
}

WindowSession::WindowSession() : dlg_(kCaption) {
    dlg_.Window().SetMessageBoxHook(
        [this](std::string_view text, std::string_view) { message_.assign(text); });
    dlg_.OnInitDialog();
}

WindowSession::WindowSession(const CTarnvikDlg& started) : dlg_(started) {
    dlg_.Window().SetMessageBoxHook(
        [this](std::string_view text, std::string_view) { message_.assign(text); });
}

void WindowSession::ResetTo(const StartedWindow& started) {
    dlg_.ResetTo(started.Dlg());  // keeps this session's message box hook
    message_.clear();
}

std::optional<OptionError> WindowSession::Apply(const OptionValues& values,
                                                const SkipPolicy& skip) {
    for (const WindowOption& o : WindowOptions()) {
        if (!values[o.opt]) continue;
        auto error = Apply(o.opt, *values[o.opt]);
        if (error && !(skip && skip(*error))) return error;
    }
    return std::nullopt;
}

std::optional<OptionError> WindowSession::Apply(Opt opt, std::string_view value) {
    const WindowOption& o = OptionOf(opt);
    platform::Dialog& w = dlg_.Window();
    message_.clear();
    switch (o.action) {
        case Action::Choose: {
            if (!w.IsEnabled(o.control)) return Fail(opt, value, OptionError::Kind::Disabled);
            if (!w.UserChoose(o.control, value))
                return Fail(opt, value, OptionError::Kind::NotOffered);
            break;
        }
        case Action::Type:
            if (!w.UserType(o.control, value)) return Fail(opt, value, OptionError::Kind::Disabled);
            break;
        case Action::Click: {
            const int radio = RadioFor(opt, value);
            if (radio == 0) return Fail(opt, value, OptionError::Kind::NotOffered);
            if (!w.UserClick(radio)) return Fail(opt, value, OptionError::Kind::Disabled);
            break;
        }
    }
    if (!message_.empty()) return Fail(opt, value, OptionError::Kind::Rejected);
    return std::nullopt;
}

std::optional<OptionError> WindowSession::Fail(Opt opt, std::string_view value,
                                               OptionError::Kind kind) {
    OptionError e{opt, std::string(value), kind, {}, message_, Context()};
    if (kind != OptionError::Kind::Rejected) e.available = Available(opt);
    if (kind == OptionError::Kind::NotOffered && !IsKnownName(opt, value))
        e.nearest = NearestName(value, e.available);
    if (opt == Opt::Diameter && kind == OptionError::Kind::Disabled) e.sections = Sections();
    return e;
}

std::vector<std::string> WindowSession::Available(Opt opt) const {
    const WindowOption& o = OptionOf(opt);
    const platform::Dialog& w = dlg_.Window();
    std::vector<std::string> values;
    switch (o.action) {
        case Action::Choose:
            if (w.IsEnabled(o.control)) values = Items(o.control);
            break;
        case Action::Type:
            break;  // a box takes any text while it is enabled
        case Action::Click:
            for (const RadioChoice& c : RadioChoices(opt))
                if (w.IsEnabled(c.radio)) values.emplace_back(c.value);
            break;
    }
    return values;
}

std::string WindowSession::Sections() const {
    const std::vector<std::string> names = Items(id::kSection);
    if (names.empty() || !dlg_.Window().IsEnabled(id::kSection)) return "";
    const std::string sensor = SelectedText(id::kSensorType);
    for (int s = 0; s < kSensorCount; ++s) {
        if (GetSensorInfo(s).name != sensor) continue;
        std::vector<std::string> listed;
        for (std::size_t i = 0; i < names.size(); ++i)
            listed.push_back(names[i] + " (" +
                             FormatFixed(SectionDiameter(s, static_cast<int>(i)), 1) + " mm)");
        return Join(listed);
    }
    return "";
}

std::string WindowSession::Context() const {
    std::string reference = "none";
    for (const RadioChoice& c : RadioChoices(Opt::Reference))
        if (dlg_.Window().GetCheck(c.radio)) reference = c.value;
    return "sensor " + SelectedText(id::kSensorType) + ", gas " + SelectedText(id::kGasType) +
           ", reference " + reference;
}

Results WindowSession::Read() const {
    Results r;
    for (std::size_t i = 0; i < kResultCount; ++i)
        r[i] = dlg_.Window().GetText(ResultBoxes()[i].control);
    return r;
}

std::vector<std::string> WindowSession::Items(int list) const {
    const platform::Control* c = dlg_.Window().Find(list);
    return c ? c->items : std::vector<std::string>{};
}

const std::string& WindowSession::SelectedText(int list) const {
    return dlg_.Window().SelectedItem(list);
}

}  // namespace tarnvik::sizing
