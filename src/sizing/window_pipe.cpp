#include "sizing/window_pipe.h"

#include "core/control_ids.h"

namespace tarnvik::sizing {

bool WindowPipe::Remember(const platform::Dialog& window, const PipeSize& pipe) {
    if (!window.IsEnabled(id::kDiameter) || window.GetText(id::kDiameter) != pipe.innerText)
        return false;
    chosen_ = Chosen{pipe.name, pipe.innerText, window.GetSelection(id::kSensorType)};
    return true;
}

bool WindowPipe::StillShown(const platform::Dialog& window, const Chosen& chosen) {
    // A new sensor type writes its own diameter into the box, even where
    // the text comes out the same; a type with sections disables it.
    return window.IsEnabled(id::kDiameter) && window.GetText(id::kDiameter) == chosen.diameter &&
           window.GetSelection(id::kSensorType) == chosen.sensor;
}

std::string WindowPipe::Name(const platform::Dialog& window) const {
    return chosen_ && StillShown(window, *chosen_) ? chosen_->name : std::string();
}

void WindowPipe::ForgetIfStale(const platform::Dialog& window) {
    if (chosen_ && !StillShown(window, *chosen_)) chosen_.reset();
}

std::string WhyNoPipe(const platform::Dialog& window) {
    if (window.IsEnabled(id::kDiameter)) return {};
    const std::string& sensor = window.SelectedItem(id::kSensorType);
    if (window.ItemCount(id::kSection) > 0 && !sensor.empty()) {
        return sensor +
               " is built into measuring sections: the pipe inner diameter is that of the "
               "chosen section and cannot be typed. To use a pipe's inner diameter, choose a "
               "sensor type without measuring sections.";
    }
    return "The pipe inner diameter box takes no input now.";
}

}  // namespace tarnvik::sizing
