// Switches the process locale for one test and restores it on every exit
// path, the way the window toolkit switches it from the environment.
#pragma once

#include <clocale>
#include <string>

namespace tarnvik::testing_support {

inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

class LocaleGuard {
  public:
    explicit LocaleGuard(const char* name) : saved_(std::setlocale(LC_ALL, nullptr)) {
        ok_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleGuard() { std::setlocale(LC_ALL, saved_.c_str()); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;
    bool ok() const { return ok_; }

  private:
    std::string saved_;
    bool ok_ = false;
};

}  // namespace tarnvik::testing_support
