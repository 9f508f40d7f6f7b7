#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// One run of Quorvel.exe started by a test; the destructor ends it, so every case ends the
// program it started even when an assertion leaves the case early.
class QuorvelProcess {
public:
    QuorvelProcess(const std::string& exePath, const std::string& arguments);
    ~QuorvelProcess();
    QuorvelProcess(const QuorvelProcess&) = delete;
    QuorvelProcess& operator=(const QuorvelProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return id_; }

    // The main window of this process (titled "Quorvel", dialog class, with the status line),
    // or nullptr when it does not appear in time.
    HWND WaitForMainWindow(DWORD timeoutMs) const;

    bool WaitForExit(DWORD timeoutMs) const;

    // Asks the program to close, then ends it by force if it does not.
    void End();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

}  // namespace e2e
