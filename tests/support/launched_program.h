#pragma once

#include <windows.h>

#include <string>

namespace quorvel::test {

// One run of a program started by a test or the bench; the destructor ends it if it still runs,
// so every case ends the program it started even when an assertion leaves the case early.
class LaunchedProgram {
public:
    LaunchedProgram(const std::string& exePath, const std::string& arguments);
    ~LaunchedProgram();
    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return id_; }

    bool WaitForExit(DWORD timeoutMs) const;

    // Asks the window (when there is one) to close, then ends the program by force if it does
    // not.
    void End(HWND mainWindow);

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// One run of Quorvel.exe, ended through its main window.
class QuorvelProcess : public LaunchedProgram {
public:
    using LaunchedProgram::LaunchedProgram;
    ~QuorvelProcess() { End(); }

    // The main window of this process (titled "Quorvel", dialog class, with the status line),
    // or nullptr when it does not appear in time.
    HWND WaitForMainWindow(DWORD timeoutMs) const;

    // Asks the program to close, then ends it by force if it does not.
    void End();
};

}  // namespace quorvel::test
