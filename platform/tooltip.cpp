#include "platform/tooltip.h"

#include <commctrl.h>

#include "platform/resources.h"

namespace quorvel::win {

ToolTip::~ToolTip() {
    if (window_ && IsWindow(window_)) ::DestroyWindow(window_);
}

bool ToolTip::Create(HWND owner) {
    owner_ = owner;
    window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              ResourceModule(), nullptr);
    return window_ != nullptr;
}

bool ToolTip::AddTool(HWND tool, const std::string& text) {
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<char*>(text.c_str());  // the control copies the text
    return SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void ToolTip::Activate(bool active) { SendMessageA(window_, TTM_ACTIVATE, active, 0); }

void ToolTip::RelayEvent(MSG* msg) {
    if (window_) SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

}  // namespace quorvel::win
