#include "ui/dlg_clicker.h"

#include <commctrl.h>

#include <array>
#include <climits>
#include <ctime>

#include "engine/click_target.h"
#include "engine/status_texts.h"
#include "engine/text_format.h"
#include "platform/local_time.h"
#include "platform/message_box.h"
#include "platform/newer_windows.h"
#include "platform/resources.h"
#include "platform/win_app.h"
#include "res/resource.h"
#include "ui/main_window_settings.h"
#include "ui/tray_icon.h"

namespace quorvel::ui {

namespace {

constexpr UINT kHelpMessage = WM_USER + 2;

// The click count's arrows: without a range of its own the control counts from 100 down to 0,
// so the up arrow would lower the count and the first use would pull a larger one back to 100.
constexpr int kLowestClickCount = 1;
constexpr int kHighestClickCount = INT_MAX;

constexpr const char* kHelpText =
    "Please Press a Shortcut Key (e.g. F3, Ctrl+T, etc) in the Shortcut Key Box provided and "
    "click on Assign.\n\nOnce configured you will be able to use the shortcut key to start and "
    "stop the mouse clicks.\n\nClick on the Close button to hide the application in System "
    "Tray.\n\nTo Exit from the application, right click on System Tray Icon and select Exit.";

// The controls whose changes are saved at once, with the notification each one raises.
struct SettingBinding {
    int id;
    int notification;
};
constexpr std::array<SettingBinding, 22> kSettingBindings{{
    {IDC_LOC_CURSOR, BN_CLICKED},
    {IDC_LOC_DESKTOP, BN_CLICKED},
    {IDC_LOC_RECTANGLE, BN_CLICKED},
    {IDC_CLICKS_UNTIL_STOPPED, BN_CLICKED},
    {IDC_CLICKS_COUNTED, BN_CLICKED},
    {IDC_DELAY_RANDOM, BN_CLICKED},
    {IDC_DELAY_FIXED, BN_CLICKED},
    {IDC_CLICK_LEFT, BN_CLICKED},
    {IDC_CLICK_RIGHT, BN_CLICKED},
    {IDC_CLICK_LEFT_DOUBLE, BN_CLICKED},
    {IDC_CLICK_RIGHT_DOUBLE, BN_CLICKED},
    {IDC_CLICK_MIDDLE, BN_CLICKED},
    {IDC_LOC_X, EN_CHANGE},
    {IDC_LOC_Y, EN_CHANGE},
    {IDC_LOC_WIDTH, EN_CHANGE},
    {IDC_LOC_HEIGHT, EN_CHANGE},
    {IDC_CLICK_COUNT, EN_CHANGE},
    {IDC_RANDOM_DELAY_FROM, EN_CHANGE},
    {IDC_RANDOM_DELAY_TO, EN_CHANGE},
    {IDC_FIXED_DELAY, EN_CHANGE},
    {IDC_FIXED_DELAY_UNIT, CBN_SELCHANGE},
    {IDC_RANDOM_DELAY_UNIT, CBN_SELCHANGE},
}};

}  // namespace

CDlgClicker::CDlgClicker(quorvel::store::SettingsStore& store)
    : Dialog(IDD_CLICKER),
      m_hotKeyStore(store),
      store_(store),
      clickTimer_(nullptr, kClickTimerId),
      scheduler_(*this, clickTimer_, mouse_, static_cast<quorvel::WaitPort&>(*this),
                 watchedCursor_) {
    ApplySettings(FirstRunSettings());
    clickTimer_.SetPrecisionNeeded(!threadSleep_.SleepsFinely());
}

CDlgClicker::~CDlgClicker() = default;

BOOL CDlgClicker::OnInitDialog() {
    clickTimer_.SetWindow(hwnd());
    LoadSettings();
    Dialog::OnInitDialog();
    AddAboutToSystemMenu();

    m_hIcon = quorvel::win::LoadIconResource(IDI_IDLE);
    m_hRunningIcon = quorvel::win::LoadIconResource(IDI_RUNNING);
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowTextA(hwnd(), quorvel::win::WinApp::Current()->appTitle().c_str());

    AddTrayIcon();  // without a tray the program still works from its window
    ListenForShellRestart();
    // Any program may ask for the help box, though we run elevated and it usually does not.
    quorvel::win::AdmitFromLowerIntegrity(hwnd(), kHelpMessage);
    MeasureDesktop();
    UpdateControlStates();
    ApplyStoredHotKey(m_bHotKeyAssigned);
    ApplyOptions();

    if (m_bHotKeyAssigned) {
        m_strStatus = quorvel::Format(quorvel::kPressKeyText, HotKeyText().c_str());
    } else {
        SetFocus(m_ctrlHotKeyStartStopClicks.hwnd());
        m_strStatus = quorvel::kAssignKeyAtStartText;
    }
    SetStatus(m_strStatus);
    m_bInitialised = 1;

    SetUpShareButtons();
    FillDelayScaleCombos();
    EnableCursorReadout(TRUE);
    m_menuContext = quorvel::win::LoadMenuResource(IDR_CONTEXT_MENU);
    return m_bHotKeyAssigned;
}

void CDlgClicker::OnCancel() { ExitApplication(); }

bool CDlgClicker::PreTranslateMessage(MSG* msg) {
    if (m_pToolTip) m_pToolTip->RelayEvent(msg);
    return Dialog::PreTranslateMessage(msg);
}

bool CDlgClicker::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (inClickTick_ && DeferUntilTheTickIsOver(message, wParam, lParam, result)) return true;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_TIMER:
        OnTimer(wParam);
        return true;
    case WM_CLOSE:
        ExitApplication();
        return true;
    case WM_HELP:
        result = OpenProductPage();
        return true;
    case WM_SYSCOMMAND:
        return ShowAboutBox(static_cast<UINT>(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    case WM_CONTEXTMENU:
        OnContextMenu(lParam);
        return true;
    case kTrayCallbackMessage:
        result = OnTrayNotify(wParam, lParam);
        return true;
    case quorvel::win::WindowTimer::kContinueMessage:
        if (clickTimer_.TakeContinuation()) RunClickTick();
        return true;
    case WM_ENDSESSION:
        // The process may end as soon as this returns.
        if (wParam) mouse_.ReleaseHeld();
        return false;
    case WM_DESTROY:
        OnDestroy();
        return false;  // the dialog's own destroy handling follows
    default:
        if (taskbarCreatedMessage_ != 0 && message == taskbarCreatedMessage_) {
            result = OnTaskbarCreated();
            return true;
        }
        return false;
    }
}

bool CDlgClicker::DeferUntilTheTickIsOver(UINT message, WPARAM wParam, LPARAM lParam,
                                          LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_TIMER:
    case WM_HOTKEY:
    case WM_CLOSE:
    case WM_CONTEXTMENU:
    case WM_DISPLAYCHANGE:
    case kHelpMessage:
    case kTrayCallbackMessage:
    case quorvel::win::WindowTimer::kContinueMessage:
        break;
    case WM_HELP:
        lParam = 0;  // its help record is the sender's, gone once this returns
        break;
    case WM_QUERYENDSESSION:
        // The session may end: the window then closes as it would have, after the tick.
        mouse_.ReleaseHeld();
        result = TRUE;
        break;
    default:
        if (taskbarCreatedMessage_ != 0 && message == taskbarCreatedMessage_) break;
        return false;
    }
    PostMessageA(hwnd(), message, wParam, lParam);
    return true;
}

bool CDlgClicker::OnCommand(int id, int notification) {
    for (const SettingBinding& binding : kSettingBindings) {
        if (binding.id == id && binding.notification == notification) {
            controlsChanged_ = true;
            OnSettingChanged();
            return true;
        }
    }
    if (notification != BN_CLICKED) return false;  // menu commands arrive as 0 too
    switch (id) {
    case IDC_ASSIGN_HOTKEY:
        OnAssignHotKey();
        return true;
    case IDC_CLEAR_HOTKEY:
        OnClearHotKey();
        return true;
    case IDC_HIDE_TO_TRAY:
        HideToTray();
        return true;
    case IDC_PICK_AREA:
        PickScreenArea();
        return true;
    case IDC_CLICK_TIMING:
    case ID_CONTEXT_SETTINGS:
        ShowClickTimingDialog();
        return true;
    case ID_CONTEXT_OPTIONS:
        ShowOptionsDialog();
        return true;
    case IDC_FEEDBACK:
        OpenSupportPage();
        return true;
    case IDC_SHARE_FACEBOOK:
    case IDC_SHARE_GOOGLE:
    case IDC_SHARE_TWITTER:
    case ID_SHARE_GOOGLE:
    case ID_SHARE_FACEBOOK:
    case ID_SHARE_TWITTER:
        OpenSharePage(id);
        return true;
    case ID_TRAY_CONFIGURE:
        RestoreFromTray();
        return true;
    case ID_TRAY_EXIT:
    case ID_CONTEXT_EXIT:
        ExitApplication();
        return true;
    default:
        return false;
    }
}

bool CDlgClicker::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_DISPLAYCHANGE:
        MeasureDesktop();
        break;
    case WM_QUERYENDSESSION:
        DestroyWindow();
        break;
    case WM_HOTKEY:
        if (wParam == quorvel::win::kInputHookId) {
            OnInputHookEvent(lParam);
        } else {
            OnHotKey(lParam);
        }
        break;
    case kHelpMessage:
        ShowHelpMessage();
        break;
    default:
        break;
    }
    return Dialog::DefWindowProc(message, wParam, lParam, result);
}

void CDlgClicker::ShowHelpMessage() {
    // Any program may ask, also while the box is open: each request would open a box inside the
    // last one, without limit.
    if (showingHelp_) return;
    showingHelp_ = true;
    quorvel::win::ShowMessageBox(hwnd(), kHelpText, MB_OK | MB_ICONINFORMATION);
    showingHelp_ = false;
}

void CDlgClicker::SetStatus(const std::string& text) {
    m_strStatus = text;
    // A text still waiting is older than this one.
    statusPending_ = false;
    KillTimer(hwnd(), kStatusRefreshTimerId);
    SetDlgItemTextA(hwnd(), IDC_STATUS, m_strStatus.c_str());
    statusWrittenMicroseconds_ = SteadyMicroseconds();
}

void CDlgClicker::MeasureDesktop() {
    const quorvel::DesktopMeasurement desktop = quorvel::MeasureDesktop(metrics_);
    scheduler_.SetDesktop(desktop.screen);
    m_strClickableArea = desktop.areaText;
    SetDlgItemTextA(hwnd(), IDC_CLICKABLE_AREA, m_strClickableArea.c_str());
    m_ctrlSpinLocX.SetRange32(desktop.rectX.lower, desktop.rectX.upper);
    m_ctrlSpinLocY.SetRange32(desktop.rectY.lower, desktop.rectY.upper);
    m_ctrlSpinLocWidth.SetRange32(desktop.rectWidth.lower, desktop.rectWidth.upper);
    m_ctrlSpinLocHeight.SetRange32(desktop.rectHeight.lower, desktop.rectHeight.upper);
    m_ctrlSpinRandomDelayFrom.SetRange32(desktop.randomFrom.lower, desktop.randomFrom.upper);
    m_ctrlSpinRandomDelayTo.SetRange32(desktop.randomTo.lower, desktop.randomTo.upper);
    m_ctrlSpinFixedDelay.SetRange32(desktop.fixedDelay.lower, desktop.fixedDelay.upper);
    SendDlgItemMessageA(hwnd(), IDC_SPIN_CLICK_COUNT, UDM_SETRANGE32, kLowestClickCount,
                        kHighestClickCount);
}

void CDlgClicker::StartStopClicking() {
    if (!scheduler_.IsClicking()) WatchHandMovement();
    scheduler_.StartStopClicking();
    LiftButtonsLeftDown();
}

void CDlgClicker::OnTimer(UINT_PTR timerId) {
    if (timerId == kClickTimerId) {
        RunClickTick();
    } else if (timerId == kCursorReadoutTimerId) {
        ShowCursorPosition();
    } else if (timerId == kHeldKeyTimerId) {
        WatchHeldKey();
    } else if (timerId == kReleaseRetryTimerId) {
        LiftButtonsLeftDown();
    } else if (timerId == kStatusRefreshTimerId) {
        ShowPendingStatus();
    }
}

}  // namespace quorvel::ui
