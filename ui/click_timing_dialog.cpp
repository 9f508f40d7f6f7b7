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
    : Dialog(IDD_CLICK_TIMING), m_store(store) {}

BOOL CDlgClickTiming::OnInitDialog() {
    m_iPressReleaseMin = ReadSetting(kPressReleaseMin.name, kPressReleaseMin.defaultValue);
    m_iPressReleaseMax = ReadSetting(kPressReleaseMax.name, kPressReleaseMax.defaultValue);
    m_iDoubleClickMin = ReadSetting(kDoubleClickMin.name, kDoubleClickMin.defaultValue);
    m_iDoubleClickMax = ReadSetting(kDoubleClickMax.name, kDoubleClickMax.defaultValue);
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
    dx.Text(IDC_PRESS_MAX_DELAY, m_iPressReleaseMax);
    dx.Text(IDC_PRESS_MIN_DELAY, m_iPressReleaseMin);
    dx.Text(IDC_DOUBLE_CLICK_MAX_DELAY, m_iDoubleClickMax);
    dx.Text(IDC_DOUBLE_CLICK_MIN_DELAY, m_iDoubleClickMin);
}

void CDlgClickTiming::OnOK() {
    if (!UpdateData(true)) return;
    const quorvel::ui::PauseBounds pressRelease =
        quorvel::ui::CorrectPauseBounds({m_iPressReleaseMin, m_iPressReleaseMax});
    const quorvel::ui::PauseBounds doubleClick =
        quorvel::ui::CorrectPauseBounds({m_iDoubleClickMin, m_iDoubleClickMax});
    WriteSetting(kPressReleaseMin.name, pressRelease.minimum);
    WriteSetting(kPressReleaseMax.name, pressRelease.maximum);
    WriteSetting(kDoubleClickMin.name, doubleClick.minimum);
    WriteSetting(kDoubleClickMax.name, doubleClick.maximum);
    EndDialog(IDOK);
}

int CDlgClickTiming::ReadSetting(const char* key, int defaultValue) {
    return quorvel::store::ReadSetting(m_store, key, defaultValue);
}

void CDlgClickTiming::WriteSetting(const char* key, int value) {
    quorvel::store::WriteSetting(m_store, key, value);
}

void CDlgClicker::ShowClickTimingDialog() {
    CDlgClickTiming dialog(m_store);
    dialog.DoModal(hwnd());  // the dialog stores what it accepts; its answer says nothing more
}

}  // namespace quorvel::ui
