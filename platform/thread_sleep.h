#pragma once
// The sleeps of the precise wait on the window's thread: ended by a press of the shortcut key,
// and answering what other threads and programs send to the window meanwhile, so that a long
// pause inside a run never leaves them waiting.

#include <windows.h>

#include <cstdint>

#include "engine/precise_wait.h"
#include "platform/handles.h"

namespace quorvel::win {

// The clock every due time of a run is counted on.
std::int64_t SteadyMicroseconds();

class ThreadSleep final : public SleepPort {
public:
    ThreadSleep();

    std::int64_t SteadyMicroseconds() override;
    // On a high-resolution waitable timer (Windows 10, version 1803 on); else to the
    // millisecond that the run's timer resolution gives.
    bool SleepsFinely() override { return static_cast<bool>(timer_); }
    // Posted and input messages stay queued, so that nothing re-enters the run's work; sent
    // messages are answered as they come.
    SleepEnd Sleep(std::int64_t microseconds) override;
    // A hot-key message waits in the thread's queue (it is left there).
    bool Interrupted() override;
    void LetOthersRun() override;

private:
    UniqueHandle timer_;
};

}  // namespace quorvel::win
