#include "platform/win_app.h"

#include "platform/dialog.h"
#include "platform/message_loop.h"
#include "platform/resources.h"

namespace quorvel::win {

namespace {

WinApp* current = nullptr;

}  // namespace

WinApp::WinApp(int titleStringId) : titleStringId_(titleStringId) { current = this; }

WinApp::~WinApp() {
    if (current == this) current = nullptr;
}

WinApp* WinApp::Current() { return current; }

int WinApp::Run(const char* commandLine) {
    commandLine_ = commandLine != nullptr ? commandLine : "";
    appTitle_ = LoadStringText(titleStringId_);
    if (!InitInstance()) return 0;
    // A loop without a main window would never end.
    if (m_pMainWnd == nullptr || m_pMainWnd->hwnd() == nullptr) return 0;
    return RunMessageLoop(*this);
}

std::string ApplicationTitle() {
    const WinApp* app = WinApp::Current();
    if (app == nullptr) return {};
    if (!app->appTitle().empty()) return app->appTitle();
    return LoadStringText(app->titleStringId());
}

}  // namespace quorvel::win
