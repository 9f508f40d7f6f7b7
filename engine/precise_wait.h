#pragma once
// Waiting for a moment on the steady clock to a fraction of a millisecond, at the least cost:
// the wait sleeps for as long as the platform's sleeps can be trusted to end on time, and spins
// for the rest. How long that rest must be is learnt from how late the sleeps end, both ways.

#include <cstdint>

namespace quorvel {

enum class SleepEnd {
    Slept,        // the time is up, or nearly: the clock says how late
    Interrupted,  // a press of the shortcut key needs the thread
    Failed,       // the platform could not wait at all
};

// What the platform offers the wait.
class SleepPort {
public:
    virtual ~SleepPort() = default;
    virtual std::int64_t SteadyMicroseconds() = 0;
    // Whether a sleep can be asked for to the microsecond; otherwise only whole milliseconds.
    virtual bool SleepsFinely() = 0;
    virtual SleepEnd Sleep(std::int64_t microseconds) = 0;
    // Looked at while spinning: whether a press of the shortcut key needs the thread.
    virtual bool Interrupted() = 0;
    // Lets other threads have the core for a moment.
    virtual void LetOthersRun() = 0;
};

enum class WaitEnd { Reached, Interrupted, Failed };

class PreciseWait {
public:
    static constexpr std::int64_t kLeastSpinMicroseconds = 50;
    // A timer that wakes on whole milliseconds ends a sleep up to a millisecond late, and its
    // thread takes a little longer still to run.
    static constexpr std::int64_t kMostSpinMicroseconds = 1500;
    // Low enough that a 1 ms wait sleeps from the start, and so learns what its sleeps cost.
    static constexpr std::int64_t kInitialSpinMicroseconds = 300;
    // Added to the lateness seen, for the sleeps that end a little later than the last one.
    static constexpr std::int64_t kSpinMarginMicroseconds = 50;
    // How late a sleep ends can depend on how long it was (under wine a short one may end on
    // time or a millisecond late), so a shorter spin is only ever a try. Once one has made a
    // wait late, the next comes after twice as many waits, up to this many...
    static constexpr int kMostWaitsBetweenTries = 256;
    // ...and after this many waits without one, half as many again: a stall now and then does
    // not keep a timer that keeps time from its short spin.
    static constexpr int kWaitsThatForgiveATry = 4 * kMostWaitsBetweenTries;
    // How often the spin looks for a press of the shortcut key.
    static constexpr std::int64_t kKeyLookMicroseconds = 100;

    explicit PreciseWait(SleepPort& sleeps) : sleeps_(sleeps) {}

    WaitEnd WaitUntil(std::int64_t steadyMicroseconds);
    std::int64_t SpinMicroseconds() const { return spin_; }

private:
    void LearnLateness(std::int64_t latenessMicroseconds);
    // A wait that the spin covered, with the spin that would have covered it too.
    void CoveredWait(std::int64_t enoughMicroseconds);

    SleepPort& sleeps_;
    std::int64_t spin_ = kInitialSpinMicroseconds;
    int waitsBetweenTries_ = 1;
    int coveredWaits_ = 0;
    int waitsSinceLate_ = 0;
    // Since the spin was last raised.
    bool lowered_ = false;
};

}  // namespace quorvel
