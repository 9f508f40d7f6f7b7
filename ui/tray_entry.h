#pragma once
// The running state that the notification-area entry shows, kept apart from the shell calls.
// No <windows.h> here.

namespace quorvel::ui {

// The shell's side of the entry: add it, switch its icon, take it out.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    virtual bool Add(bool runningIcon) = 0;
    virtual bool ChangeIcon(bool runningIcon) = 0;
    virtual bool Remove() = 0;
};

class TrayEntry {
public:
    explicit TrayEntry(TrayShell& shell) : shell_(shell) {}

    bool Add() { return shell_.Add(running_); }
    bool Remove() { return shell_.Remove(); }
    // Also remembered for a later Add: an entry added again after the shell restarted must
    // show the state of that moment, not the idle icon the program started with.
    void ShowRunning(bool running);

private:
    TrayShell& shell_;
    bool running_ = false;
};

}  // namespace quorvel::ui
