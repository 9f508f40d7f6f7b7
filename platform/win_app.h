#pragma once
// The application object: the one per process that starts up, owns the main window reference and
// runs the message loop.

#include <windows.h>

#include <string>

namespace quorvel::win {

class Dialog;

class WinApp {
public:
    // The title comes from the program's string resource titleStringId when Run starts.
    explicit WinApp(int titleStringId);
    WinApp(const WinApp&) = delete;
    WinApp& operator=(const WinApp&) = delete;
    virtual ~WinApp();

    // Returns true to enter the message loop, false to end at once.
    virtual bool InitInstance() = 0;

    // Loads the title, calls InitInstance, runs the loop until the main window is destroyed;
    // returns the exit code. Without a main window after InitInstance there is no loop.
    int Run(const char* commandLine);

    static WinApp* Current();

    int titleStringId() const { return titleStringId_; }
    const std::string& appTitle() const { return appTitle_; }
    const char* commandLine() const { return commandLine_; }

    Dialog* m_pMainWnd = nullptr;

protected:
    std::string appTitle_;

private:
    int titleStringId_;
    const char* commandLine_ = "";
};

// The application title: the running application's, else its title string; empty without an
// application object.
std::string ApplicationTitle();

}  // namespace quorvel::win
