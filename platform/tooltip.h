#pragma once
// A tooltip control owned by a window, with one tool per control window.

#include <windows.h>

#include <string>

namespace quorvel::win {

class ToolTip {
public:
    ToolTip() = default;
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;
    ~ToolTip();

    bool Create(HWND owner);
    bool AddTool(HWND tool, const std::string& text);
    void Activate(bool active);
    // Lets the control see the mouse moving over its tools.
    void RelayEvent(MSG* msg);

private:
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace quorvel::win
