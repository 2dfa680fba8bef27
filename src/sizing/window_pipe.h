// The pipe a user chose for the window's diameter box. The sizing sheet
// and the copied results name it beside the inner diameter, but only for
// as long as the box still shows that diameter for the same sensor type:
// once the user types over it or changes the type, the pipe is forgotten
// for good. Every driver with a "pipe into the window" action keeps one.
#pragma once

#include <optional>
#include <string>

#include "platform/dialog.h"
#include "sizing/pipe_standards.h"

namespace tarnvik::sizing {

class WindowPipe {
  public:
    // Call after typing pipe.innerText into the diameter box: remembers the
    // pipe where the box took the text as it stands. False where it did not.
    bool Remember(const platform::Dialog& window, const PipeSize& pipe);
    // The pipe's canonical name while the box still shows it; else empty.
    std::string Name(const platform::Dialog& window) const;
    // Call after every user input.
    void ForgetIfStale(const platform::Dialog& window);

  private:
    struct Chosen {
        std::string name;
        std::string diameter;  // the box's text it was typed as
        int sensor = -1;       // the sensor type it was typed for
    };
    static bool StillShown(const platform::Dialog& window, const Chosen& chosen);
    std::optional<Chosen> chosen_;
};

// Why the diameter box takes no pipe now, as a sentence; empty where it
// does.
std::string WhyNoPipe(const platform::Dialog& window);

}  // namespace tarnvik::sizing
