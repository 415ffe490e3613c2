// Runs a clean-up step when the scope ends, also when an error passes through:
//   const platform::ScopeExit restore([&] { Busy = false; });
#pragma once

#include <utility>

namespace platform {

template <class F> class ScopeExit {
  public:
    explicit ScopeExit(F f) : F_(std::move(f)) {}
    ~ScopeExit() { F_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

  private:
    F F_;
};

} // namespace platform
