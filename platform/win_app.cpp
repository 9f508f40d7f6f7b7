#include "platform/win_app.h"

#include "platform/dialog.h"
#include "platform/message_loop.h"
#include "platform/resources.h"
#include "res/resource.h"

namespace quorvel::win {

namespace {

WinApp* current = nullptr;

}  // namespace

WinApp::WinApp() { current = this; }

WinApp::~WinApp() {
    if (current == this) current = nullptr;
}

WinApp* WinApp::Current() { return current; }

int WinApp::Run(HINSTANCE instance, const char* commandLine) {
    instance_ = instance;
    commandLine_ = commandLine != nullptr ? commandLine : "";
    m_appTitle = LoadStringText(IDS_APP_TITLE);
    if (!InitInstance()) return 0;
    // A loop without a main window would never end.
    if (m_pMainWnd == nullptr || m_pMainWnd->hwnd() == nullptr) return 0;
    return RunMessageLoop(*this);
}

std::string ApplicationTitle() {
    const WinApp* app = WinApp::Current();
    if (app != nullptr && !app->appTitle().empty()) return app->appTitle();
    return LoadStringText(IDS_APP_TITLE);
}

}  // namespace quorvel::win
