#pragma once
// Waiting for a moment on the steady clock, to a fraction of a millisecond, while the thread's
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
    // queue (it is left there). The wait sleeps, on a high-resolution waitable timer where
    // Windows has one (10, version 1803 on), else to the millisecond that the run's timer
    // resolution gives, and spins for the last part, which is as long as sleeps have been seen
    // to end late.
    bool WaitUntil(std::int64_t steadyMicroseconds);

private:
    // False when a hot-key message ended the sleep.
    bool Sleep(std::int64_t microseconds);
    void LearnLateness(std::int64_t latenessMicroseconds);

    UniqueHandle timer_;
    std::int64_t spinMicroseconds_;
};

}  // namespace quorvel::win
