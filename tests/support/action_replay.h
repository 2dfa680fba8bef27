// Turns a stream of bytes into user actions on a calculator window: any
// control, enabled or not, with texts that include the awkward ones. The
// seeded property test and the fuzzer share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "ui/tarnvik_dlg.h"

namespace tarnvik::testing_support {

class ActionReplay {
  public:
    ActionReplay();

    // Applies one action decoded from the front of the data and advances;
    // false when the data is used up. A window ended by Enter or Escape is
    // replaced by a fresh one.
    bool Step(const std::uint8_t*& data, std::size_t& size);

    const CTarnvikDlg& Window() const { return *dlg_; }
    std::size_t actions() const { return actions_; }
    std::size_t messages() const { return messages_; }
    // What the last action was, for a failure message.
    const std::string& last() const { return last_; }

  private:
    void Fresh();

    std::unique_ptr<CTarnvikDlg> dlg_;
    std::size_t actions_ = 0;
    std::size_t messages_ = 0;
    std::string last_;
};

}  // namespace tarnvik::testing_support
