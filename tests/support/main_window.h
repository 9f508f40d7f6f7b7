#pragma once

#include <windows.h>

#include <string>

namespace quorvel::test {

// The main window of the given process: titled "Quorvel", of the dialog class, and holding
// the status line (which tells it apart from the program's message boxes).
HWND FindMainWindow(DWORD processId);

// Counts the top-level windows of any process whose title is exactly "Quorvel".
int CountWindowsTitledQuorvel();

// Uses the main window through window messages, as a person would through mouse and keyboard.
class MainWindow {
public:
    explicit MainWindow(HWND window) : window_(window) {}

    HWND handle() const { return window_; }

    // Replaces a field's whole text, which the edit reports to the window as a change.
    void Type(int controlId, const std::string& text) const;
    // The same for a change that brings up a modal message box: returns without waiting for
    // the window to finish handling it.
    void StartTyping(int controlId, const std::string& text) const;
    // Clicks a button or radio button.
    void Click(int controlId) const;
    // Picks a position in a drop-down list and raises the selection change a user's pick would.
    void Pick(int listId, int position) const;

    std::string Text(int controlId) const;
    std::string ItemText(int listId, int position) const;
    int ItemCount(int listId) const;
    int Selection(int listId) const;
    bool IsChecked(int controlId) const;
    bool IsEnabled(int controlId) const;
    // Where a control sits on the screen, to be clicked with the real mouse.
    RECT ScreenRect(int controlId) const;

    // The start/stop shortcut key as the system delivers it.
    void PressShortcutKey() const;
    // The help request that other programs may send.
    void RequestHelp() const;

private:
    HWND Control(int controlId) const;

    HWND window_;
};

}  // namespace quorvel::test
