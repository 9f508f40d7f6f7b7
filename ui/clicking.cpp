// What the click engine asks of the main window: the settings as the controls hold them, the
// status line, the running indication, the shortcut key's name, and the waits inside a run that
// a press of the shortcut key ends.

#include "ui/dlg_clicker.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "platform/local_time.h"
#include "platform/message_box.h"
#include "ui/main_window_settings.h"

namespace quorvel::ui {

quorvel::TakenSettings CDlgClicker::RefreshSettings() {
    // The members hold what the controls show unless a control has changed since they were
    // taken in, and the exchange takes longer than a fast run's interval, so it is done only
    // then. A refused field has shown its message and stays changed, so that every scheduling
    // refuses it again; the members keep what they had.
    bool refused = false;
    if (controlsChanged_) {
        OutsideTheTick([&] { refused = !UpdateData(true); });
        controlsChanged_ = refused;
    }
    quorvel::ClickSettings settings = CurrentSettings();
    // Reading the store at every click would cost a fast run more than its interval.
    if (!pauseBoundsWatch_) pauseBoundsWatch_ = store_.WatchSection(store::kSettingsSection);
    if (pauseBoundsWatch_->Changed()) ReadPauseBounds(store_, storedPauseBounds_);
    CopyPauseBounds(storedPauseBounds_, settings);
    return {settings, refused};
}

void CDlgClicker::RunClickTick() {
    inClickTick_ = true;
    scheduler_.OnClickTimer();
    inClickTick_ = false;
    ShowPendingStatusInTime();
    LiftButtonsLeftDown();
}

void CDlgClicker::LiftButtonsLeftDown() {
    if (scheduler_.IsClicking() || mouse_.ReleaseHeld()) {
        KillTimer(hwnd(), kReleaseRetryTimerId);
        return;
    }
    SetTimer(hwnd(), kReleaseRetryTimerId, kReleaseRetryMs, nullptr);
}

void CDlgClicker::ShowStatus(const std::string& text) {
    // Inside a tick nothing can read the line until the tick hands back or a message loop
    // runs, and writing it takes longer than a fast run's interval: the latest text is written
    // then.
    if (!inClickTick_) {
        SetStatus(text);
        return;
    }
    m_strStatus = text;
    statusPending_ = true;
}

void CDlgClicker::ShowPendingStatus() {
    if (std::exchange(statusPending_, false)) SetStatus(m_strStatus);
}

void CDlgClicker::ShowPendingStatusInTime() {
    if (!statusPending_) return;
    const std::int64_t shownFor = SteadyMicroseconds() - statusWrittenMicroseconds_;
    if (!scheduler_.IsClicking() || shownFor >= kStatusRefreshMicroseconds) {
        ShowPendingStatus();
        return;
    }
    const std::int64_t remainingMs = (kStatusRefreshMicroseconds - shownFor + 999) / 1000;
    SetTimer(hwnd(), kStatusRefreshTimerId, static_cast<UINT>(remainingMs), nullptr);
}

void CDlgClicker::OutsideTheTick(const std::function<void()>& loopingCall) {
    ShowPendingStatus();
    const bool wasInTick = std::exchange(inClickTick_, false);
    loopingCall();
    inClickTick_ = wasInTick;
}

void CDlgClicker::ShowRunningIcon(bool running) {
    // The tray's answer is awaited, and other programs' messages are delivered meanwhile.
    ShowPendingStatus();
    HICON icon = running ? m_hRunningIcon : m_hIcon;
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    trayEntry_.ShowRunning(running);
}

std::string CDlgClicker::NowText() { return quorvel::win::LocalDateTimeText(); }

bool CDlgClicker::HotKeyAssigned() { return m_bHotKeyAssigned != 0; }

std::string CDlgClicker::HotKeyText() { return m_ctrlHotKeyStartStopClicks.GetHotKeyText(); }

void CDlgClicker::ShowStopMessage(const std::string& text) {
    OutsideTheTick([&] { quorvel::win::ShowMessageBox(hwnd(), text, MB_OK | MB_ICONSTOP); });
}

std::int64_t CDlgClicker::CalendarSeconds() { return std::time(nullptr); }

std::int64_t CDlgClicker::SteadyMicroseconds() { return quorvel::win::SteadyMicroseconds(); }

bool CDlgClicker::Pause(std::uint32_t milliseconds) {
    return WaitUntil(SteadyMicroseconds() + std::int64_t{milliseconds} * 1000);
}

bool CDlgClicker::WaitUntil(std::int64_t steadyMicroseconds) {
    for (;;) {
        if (KeyPressPending()) return false;
        // The held key's timer cannot run inside a tick, so a wait looks at the key as often.
        std::int64_t until = steadyMicroseconds;
        // The input hook's messages cannot wake the wait either.
        if (hotKeyLatch_.HeldKey() || inputHook_.Active()) {
            until = std::min(until, SteadyMicroseconds() + kHeldKeyPollMs * 1000);
        }
        const quorvel::WaitEnd end = preciseWait_.WaitUntil(until);
        if (end == quorvel::WaitEnd::Failed) return false;
        if (end == quorvel::WaitEnd::Reached && until == steadyMicroseconds) return true;
    }
}

bool CDlgClicker::KeyPressPending() {
    MSG msg;
    // Posted messages only: peeking must not deliver other programs' sent messages in the middle
    // of a tick.
    constexpr UINT kPosted = PM_QS_POSTMESSAGE;
    while (PeekMessageA(&msg, hwnd(), WM_HOTKEY, WM_HOTKEY, PM_NOREMOVE | kPosted)) {
        if (msg.wParam == quorvel::win::kInputHookId) {
            if (InputHookEventActs(msg.lParam)) return true;
            // Taken in order now, such as a release before the next press: it starts or stops
            // nothing.
            PeekMessageA(&msg, hwnd(), WM_HOTKEY, WM_HOTKEY, PM_REMOVE | kPosted);
            OnInputHookEvent(msg.lParam);
            continue;
        }
        if (!hotKeyLatch_.IsRepeat(HIWORD(msg.lParam))) return true;
        // A repeat of the key still held, dropped here as its handler would drop it.
        PeekMessageA(&msg, hwnd(), WM_HOTKEY, WM_HOTKEY, PM_REMOVE | kPosted);
    }
    if (hotKeyLatch_.HeldKey()) WatchHeldKey();
    return false;
}

}  // namespace quorvel::ui
