#pragma once
// Waiting for a moment on the steady clock, to the fraction of a millisecond, while the thread's
// hot-key messages can still end the wait.

#include <windows.h>

#include <cstdint>

#include "platform/handles.h"

namespace quorvel::win {

// The clock every due time of a run is counted on.
std::int64_t SteadyMicroseconds();

class PreciseWait {
public:
    PreciseWait();

    // True when the moment has come; false as soon as a hot-key message waits in the thread's
    // queue (it is left there). Where Windows has high-resolution waitable timers (10, version
    // 1803 on) the wait sleeps throughout; elsewhere it sleeps to the millisecond the run's
    // timer resolution gives and spins for the rest.
    bool WaitUntil(std::int64_t steadyMicroseconds);

private:
    bool SleepOnTimer(std::int64_t remainingMicroseconds, bool& hotKey);

    UniqueHandle timer_;
};

}  // namespace quorvel::win
