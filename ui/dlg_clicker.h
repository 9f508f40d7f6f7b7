#pragma once
// The main window: every setting of a clicking run as a control, mirrored in a member, and the
// glue that lets the click engine run from the window's timer and shortcut key.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/click_scheduler.h"
#include "engine/precise_wait.h"
#include "engine/ports.h"
#include "engine/run_options.h"
#include "engine/start_stop_trigger.h"
#include "platform/click_timer.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/dialog.h"
#include "platform/handles.h"
#include "platform/input_hook.h"
#include "platform/mouse_input.h"
#include "platform/page_opener.h"
#include "platform/thread_sleep.h"
#include "platform/screen_metrics.h"
#include "platform/tooltip.h"
#include "store/settings_keys.h"
#include "store/settings_store.h"
#include "ui/hotkey_latch.h"
#include "ui/hotkey_store.h"
#include "ui/shortcut_key_ctrl.h"
#include "ui/tray_entry.h"
#include "ui/tray_icon.h"

namespace quorvel::ui {

class CDlgClicker : public quorvel::win::Dialog,
                    private quorvel::SchedulerHost,
                    private quorvel::WaitPort {
public:
    explicit CDlgClicker(quorvel::store::SettingsStore& store);
    ~CDlgClicker() override;

    void StartStopClicking();
    bool PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(quorvel::win::DataExchange& dx) override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static constexpr UINT_PTR kClickTimerId = 1;
    static constexpr UINT_PTR kCursorReadoutTimerId = 2;
    static constexpr UINT_PTR kHeldKeyTimerId = 3;
    // As often as a window timer can fire.
    static constexpr UINT kHeldKeyPollMs = USER_TIMER_MINIMUM;
    static constexpr UINT_PTR kReleaseRetryTimerId = 4;
    static constexpr UINT kReleaseRetryMs = 100;
    // Nobody reads a line rewritten faster than this, and each writing costs about a
    // millisecond (under wine), more than a fast run's interval: the latest text of a run that
    // clicks on is shown at most this late.
    static constexpr UINT_PTR kStatusRefreshTimerId = 5;
    static constexpr std::int64_t kStatusRefreshMicroseconds = 50000;

    // Start-up, the status line and message dispatch (dlg_clicker.cpp).
    void ShowHelpMessage();
    void SetStatus(const std::string& text);
    void MeasureDesktop();
    void OnTimer(UINT_PTR timerId);
    bool OnCommand(int id, int notification);
    // What other programs and threads send during a tick's waits and could start work of its
    // own (a command, a box, a start or stop) is posted again, to run once the tick is over.
    bool DeferUntilTheTickIsOver(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HICON m_hIcon = nullptr;
    HICON m_hRunningIcon = nullptr;
    bool showingHelp_ = false;
    std::string m_strStatus;
    std::string m_strClickableArea;
    quorvel::win::SystemScreenMetrics metrics_;

    // Shortcut key (shortcut_key.cpp).
    void ApplyStoredHotKey(int& assigned);
    void OnAssignHotKey();
    void OnClearHotKey();
    void OnHotKey(LPARAM keys);
    void WatchHeldKey();

    CShortcutKeyCtrl m_ctrlHotKeyStartStopClicks;
    CHotKeyStore m_hotKeyStore;
    int m_bHotKeyAssigned = 0;
    HotKeyLatch hotKeyLatch_;

    // Tray icon and window states (tray_and_window_states.cpp).
    BOOL AddTrayIcon();
    BOOL RemoveTrayIcon();
    LRESULT OnTaskbarCreated();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void RestoreFromTray();
    void HideToTray();
    void ExitApplication();
    void OnDestroy();
    void EnableCursorReadout(BOOL on);
    void ShowCursorPosition();
    bool OnPaint();
    void OnContextMenu(LPARAM point);
    void ListenForShellRestart();

    quorvel::win::UniqueMenu m_menuTray;
    quorvel::win::UniqueMenu m_menuContext;
    quorvel::win::Control m_ctrlCursorLocation;
    std::string m_strCursorPos;
    // Sent by a restarted shell; the tray entry must then be added again.
    UINT taskbarCreatedMessage_ = 0;
    ShellTray trayShell_;
    TrayEntry trayEntry_{trayShell_};

    // Click timing dialog (click_timing_dialog.cpp).
    void ShowClickTimingDialog();

    // The Options dialog (options_dialog.cpp) and the Options in effect (options_in_effect.cpp).
    void ShowOptionsDialog();
    void ApplyOptions();
    void ApplyShortcutOptions();
    void RegisterExtraCombinations(const StoredHotKey& key);
    void OnShortcutPressed(std::uint16_t virtualKey);
    void OnInputHookEvent(LPARAM event);
    // Whether an event of the hook would start or stop a run, so that it must end a wait.
    bool InputHookEventActs(LPARAM event);
    void Perform(quorvel::TriggerAction action);
    void WatchHandMovement();

    quorvel::RunOptions options_;
    quorvel::StartStopTrigger trigger_;
    quorvel::win::InputHook inputHook_;

    // Screen-area picking (area_picking.cpp).
    void PickScreenArea();
    void RunAreaPicker();
    BOOL ApplyPickedArea();

    quorvel::Point m_oStartingPoint;
    quorvel::Point m_oClosingPoint;

    // About box and web links (about_and_links.cpp).
    void AddAboutToSystemMenu();
    bool ShowAboutBox(UINT command);
    BOOL OpenProductPage();
    void OpenSupportPage();
    void OpenSharePage(int commandId);
    void SetUpShareButtons();

    std::unique_ptr<quorvel::win::ToolTip> m_pToolTip;
    int m_bTwittered = 0;
    int m_bFacebooked = 0;
    int m_bGoogled = 0;
    quorvel::win::PageOpener pages_;

    // Data exchange and persistence (settings_persistence.cpp).
    int ReadSetting(const char* key, int defaultValue);
    void WriteSetting(const char* key, int value);
    void LoadSettings();
    void SaveSettings();
    void RaiseRandomDelayTo();
    void OnSettingChanged();
    void ShowMembersInControls();
    void UpdateControlStates();
    void FillDelayScaleCombos();
    void FillDelayScaleCombo(quorvel::win::ComboBox& list, const quorvel::store::SettingKey& key);
    static void AddDelayScale(quorvel::win::ComboBox& list, const char* text, int unit);
    quorvel::ClickSettings CurrentSettings() const;
    void ApplySettings(const quorvel::ClickSettings& settings);

    struct SettingMember {
        int quorvel::ClickSettings::*field;
        int CDlgClicker::*member;
    };
    static const std::array<SettingMember, 14> kSettingMembers;

    quorvel::store::SettingsStore& store_;
    int m_bInitialised = 0;
    bool showingMembers_ = false;
    // Whether a bound control may show what the members do not hold yet.
    bool controlsChanged_ = true;
    // The settings; their first-run values come from the settings table in the constructor.
    int m_iClickLocation;
    int m_iLocX;
    int m_iLocY;
    int m_iLocWidth;
    int m_iLocHeight;
    int m_iHowManyClicks;
    int m_iFixedClicksCount;
    int m_iDelayBetweenClicks;
    int m_iRandomDelayFrom;
    int m_iRandomDelayTo;
    int m_iFixedDelayScale;
    int m_iRandomDelayScale;
    int m_iFixedDelayInClicks;
    int m_iRadioClickType;
    quorvel::win::ComboBox m_ctrlRandomDelayScales;
    quorvel::win::ComboBox m_ctrlComboFixedDelayScales;
    quorvel::win::UpDown m_ctrlSpinFixedDelay;
    quorvel::win::UpDown m_ctrlSpinLocWidth;
    quorvel::win::UpDown m_ctrlSpinLocHeight;
    quorvel::win::UpDown m_ctrlSpinLocX;
    quorvel::win::UpDown m_ctrlSpinLocY;
    quorvel::win::UpDown m_ctrlSpinRandomDelayFrom;
    quorvel::win::UpDown m_ctrlSpinRandomDelayTo;

    // What the click engine asks of the window, and the engine itself (clicking.cpp).
    void RunClickTick();
    // After a run has ended: a release that the system refused is sent again until it goes
    // through.
    void LiftButtonsLeftDown();
    void ShowPendingStatus();
    // At a tick's end: the pending text now, or once the line has shown the last for long
    // enough.
    void ShowPendingStatusInTime();
    // Runs a call that may run a message loop (a box) as if outside the tick.
    void OutsideTheTick(const std::function<void()>& loopingCall);
    quorvel::TakenSettings RefreshSettings() override;
    void ShowStatus(const std::string& text) override;
    void ShowRunningIcon(bool running) override;
    std::string NowText() override;
    bool HotKeyAssigned() override;
    std::string HotKeyText() override;
    void ShowStopMessage(const std::string& text) override;
    std::int64_t CalendarSeconds() override;
    std::int64_t SteadyMicroseconds() override;
    bool Pause(std::uint32_t milliseconds) override;
    bool WaitUntil(std::int64_t steadyMicroseconds) override;
    bool KeyPressPending() override;

    bool inClickTick_ = false;
    bool statusPending_ = false;
    std::int64_t statusWrittenMicroseconds_ = 0;
    // The pause bounds as last read from the store, read again once the store has changed.
    std::unique_ptr<quorvel::store::SectionWatch> pauseBoundsWatch_;
    quorvel::ClickSettings storedPauseBounds_;
    quorvel::win::ThreadSleep threadSleep_;
    quorvel::PreciseWait preciseWait_{threadSleep_};
    quorvel::win::SendInputMouse mouse_;
    quorvel::win::SystemCursor cursor_;
    quorvel::win::WatchedCursor watchedCursor_{cursor_, inputHook_};
    quorvel::win::WindowTimer clickTimer_;
    quorvel::ClickScheduler scheduler_;
};

}  // namespace quorvel::ui
