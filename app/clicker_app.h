#pragma once
// The one application object: start-up, the single-instance rule and the main window.

#include "store/registry_store.h"
#include "platform/win_app.h"
#include "ui/dlg_clicker.h"

namespace quorvel::app {

class CClickerApp : public quorvel::win::WinApp {
public:
    CClickerApp();
    ~CClickerApp() override;

    bool InitInstance() override;

private:
    void SetRegistryKey(const char* company);

    quorvel::store::RegistryStore store_;
    quorvel::ui::CDlgClicker mainWindow_;
};

}  // namespace quorvel::app
