// What the click engine asks of the main window: the settings as the controls hold them, the
// status line, the running indication and the shortcut key's name.

#include "ui/dlg_clicker.h"

#include <chrono>
#include <ctime>

#include "platform/local_time.h"
#include "platform/message_box.h"
#include "ui/main_window_settings.h"

namespace quorvel::ui {

quorvel::TakenSettings CDlgClicker::RefreshSettings() {
    // A refused field has shown its message; the members keep what they had.
    const bool refused = !UpdateData(true);
    quorvel::ClickSettings settings = CurrentSettings();
    ReadPauseBounds(store_, settings);
    return {settings, refused};
}

void CDlgClicker::ShowStatus(const std::string& text) { SetStatus(text); }

void CDlgClicker::ShowRunningIcon(bool running) {
    HICON icon = running ? m_hRunningIcon : m_hIcon;
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    trayEntry_.ShowRunning(running);
}

std::string CDlgClicker::NowText() { return quorvel::win::LocalDateTimeText(); }

bool CDlgClicker::HotKeyAssigned() { return m_bHotKeyAssigned != 0; }

std::string CDlgClicker::HotKeyText() { return m_ctrlHotKeyStartStopClicks.GetHotKeyText(); }

void CDlgClicker::ShowStopMessage(const std::string& text) {
    quorvel::win::ShowMessageBox(hwnd(), text, MB_OK | MB_ICONSTOP);
}

std::int64_t CDlgClicker::CalendarSeconds() { return std::time(nullptr); }

std::int64_t CDlgClicker::SteadyMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace quorvel::ui
