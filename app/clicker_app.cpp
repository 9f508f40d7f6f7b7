#include "app/clicker_app.h"

#include <commctrl.h>

#include "app/start_up.h"
#include "res/resource.h"

namespace quorvel::app {

namespace {

constexpr char kCompanyKey[] = "Vantrel";
// The class of every dialog window, the main window and message boxes among them.
constexpr char kDialogClass[] = "#32770";

}  // namespace

CClickerApp::CClickerApp() : WinApp(IDS_APP_TITLE), mainWindow_(store_) {}

CClickerApp::~CClickerApp() = default;

bool CClickerApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = 0xFF;  // list and tree views, bars and tooltips, tabs, up-down, progress, hot
                            // key, animation
    InitCommonControlsEx(&controls);

    SetRegistryKey(kCompanyKey);

    // One instance only: a running one is a dialog with the title (its main window, or one of
    // its message boxes), found and brought into view. Explorer titles the window of the
    // program's own folder so too, and that one must not stop a start.
    if (HWND running = FindWindowA(kDialogClass, appTitle().c_str());
        running && IsWindow(running)) {
        ShowWindow(running, SW_SHOW);
        return false;
    }

    const bool silent = IsSilentStart(commandLine());
    m_pMainWnd = &mainWindow_;
    if (!mainWindow_.Create(nullptr)) return false;  // nothing to run without the window
    if (!silent) ShowWindow(mainWindow_.hwnd(), SW_SHOW);
    return true;
}

void CClickerApp::SetRegistryKey(const char* company) { store_.SetRoot(company, appTitle()); }

}  // namespace quorvel::app
