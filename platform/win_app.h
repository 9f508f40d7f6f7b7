#pragma once
// The application object: the one per process that starts up, owns the main window reference and
// runs the message loop.

#include <windows.h>

#include <string>

namespace quorvel::win {

class Dialog;

class WinApp {
public:
    WinApp();
    WinApp(const WinApp&) = delete;
    WinApp& operator=(const WinApp&) = delete;
    virtual ~WinApp();

    // Returns true to enter the message loop, false to end at once.
    virtual bool InitInstance() = 0;

    // Loads the title, calls InitInstance, runs the loop until the main window is destroyed;
    // returns the exit code. Without a main window after InitInstance there is no loop.
    int Run(HINSTANCE instance, const char* commandLine);

    static WinApp* Current();

    HINSTANCE instance() const { return instance_; }
    const std::string& appTitle() const { return m_appTitle; }
    const char* commandLine() const { return commandLine_; }

    int m_nCmdShow = SW_SHOWNORMAL;
    Dialog* m_pMainWnd = nullptr;

protected:
    std::string m_appTitle;

private:
    HINSTANCE instance_ = nullptr;
    const char* commandLine_ = "";
};

// The application title: the running application's, else string 57344 of the executable.
std::string ApplicationTitle();

}  // namespace quorvel::win
