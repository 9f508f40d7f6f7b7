#include "ui/click_timing_dialog.h"

#include "store/settings_keys.h"
#include "engine/text_format.h"
#include "platform/data_exchange.h"
#include "platform/resources.h"
#include "platform/win_app.h"
#include "res/resource.h"
#include "ui/dlg_clicker.h"
#include "ui/pause_bounds.h"

namespace quorvel::ui {

using namespace quorvel::store::keys;

CDlgClickTiming::CDlgClickTiming(quorvel::store::SettingsStore& store)
    : Dialog(IDD_CLICK_TIMING), store_(store) {}

BOOL CDlgClickTiming::OnInitDialog() {
    pressReleaseMin_ = ReadSetting(kPressReleaseMin.name, kPressReleaseMin.defaultValue);
    pressReleaseMax_ = ReadSetting(kPressReleaseMax.name, kPressReleaseMax.defaultValue);
    doubleClickMin_ = ReadSetting(kDoubleClickMin.name, kDoubleClickMin.defaultValue);
    doubleClickMax_ = ReadSetting(kDoubleClickMax.name, kDoubleClickMax.defaultValue);
    Dialog::OnInitDialog();

    m_hIcon = quorvel::win::LoadIconResource(IDI_IDLE);
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    const std::string caption =
        quorvel::Format("Settings - %s", quorvel::win::WinApp::Current()->appTitle().c_str());
    SetWindowTextA(hwnd(), caption.c_str());
    return TRUE;
}

void CDlgClickTiming::DoDataExchange(quorvel::win::DataExchange& dx) {
    // Each maximum before its minimum: a refusal names the maximum first.
    dx.Text(IDC_PRESS_MAX_DELAY, pressReleaseMax_);
    dx.Text(IDC_PRESS_MIN_DELAY, pressReleaseMin_);
    dx.Text(IDC_DOUBLE_CLICK_MAX_DELAY, doubleClickMax_);
    dx.Text(IDC_DOUBLE_CLICK_MIN_DELAY, doubleClickMin_);
}

void CDlgClickTiming::OnOK() {
    if (!UpdateData(true)) return;
    const PauseBounds pressRelease = CorrectPauseBounds({pressReleaseMin_, pressReleaseMax_});
    const PauseBounds doubleClick = CorrectPauseBounds({doubleClickMin_, doubleClickMax_});
    WriteSetting(kPressReleaseMin.name, pressRelease.minimum);
    WriteSetting(kPressReleaseMax.name, pressRelease.maximum);
    WriteSetting(kDoubleClickMin.name, doubleClick.minimum);
    WriteSetting(kDoubleClickMax.name, doubleClick.maximum);
    EndDialog(IDOK);
}

int CDlgClickTiming::ReadSetting(const char* key, int defaultValue) {
    return quorvel::store::ReadSetting(store_, key, defaultValue);
}

void CDlgClickTiming::WriteSetting(const char* key, int value) {
    quorvel::store::WriteSetting(store_, key, value);
}

void CDlgClicker::ShowClickTimingDialog() {
    CDlgClickTiming dialog(store_);
    dialog.DoModal(hwnd());  // the dialog stores what it accepts; its answer says nothing more
}

}  // namespace quorvel::ui
