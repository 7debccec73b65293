#pragma once

#include <functional>

namespace velkor::cli {

/// A step hook that holds a run at one step, for the tests of runs that meet each other:
/// with VELKOR_TEST_DURAKLAT=ADIM:DOSYA in the environment, the run creates DOSYA when it
/// reaches ADIM and goes on once DOSYA is gone (after a minute at the latest). Without the
/// variable it does nothing.
std::function<void(const char*)> stepPauseFromEnvironment();

} // namespace velkor::cli
