#pragma once
// The main window: every setting of a clicking run as a control, mirrored in a member, and the
// glue that lets the click engine run from the window's timer and shortcut key.

#include <windows.h>

#include <string>

#include <memory>

#include "store/settings_store.h"
#include "engine/click_scheduler.h"
#include "engine/ports.h"
#include "platform/click_timer.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/dialog.h"
#include "platform/handles.h"
#include "platform/mouse_input.h"
#include "platform/screen_metrics.h"
#include "platform/tooltip.h"
#include "ui/hotkey_store.h"
#include "ui/shortcut_key_ctrl.h"
#include "ui/tray_entry.h"
#include "ui/tray_icon.h"

class CDlgClicker : public quorvel::win::Dialog, private quorvel::SchedulerHost {
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

    // Start-up and the status line.
    void ShowHelpMessage();
    void SetStatus(const std::string& text);
    void MeasureDesktop();
    void OnTimer(UINT_PTR timerId);
    bool OnCommand(int id, int notification);

    // Shortcut key.
    void ApplyStoredHotKey(int& assigned);
    void OnAssignHotKey();
    void OnClearHotKey();

    // Tray icon and window states.
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

    // Click timing dialog.
    void ShowClickTimingDialog();

    // Screen-area picking.
    void PickScreenArea();
    void RunAreaPicker();
    BOOL ApplyPickedArea();

    // About box and web links.
    void AddAboutToSystemMenu();
    bool ShowAboutBox(UINT command);
    BOOL OpenProductPage();
    void OpenSupportPage();
    void OpenSharePage(int commandId);
    void SetUpShareButtons();

    // Data exchange and persistence.
    int ReadSetting(const char* key, int defaultValue) override;
    void WriteSetting(const char* key, int value);
    void LoadSettings();
    void SaveSettings();
    void OnSettingChanged();
    void ShowMembersInControls();
    void UpdateControlStates();
    void FillDelayScaleCombos();
    void FillDelayScaleCombo(quorvel::win::ComboBox& list, const char* key);
    static void AddDelayScale(quorvel::win::ComboBox& list, const char* text, int unit);
    quorvel::ClickSettings CurrentSettings() const;

    // What the click engine asks of the window.
    quorvel::TakenSettings RefreshSettings() override;
    void ShowStatus(const std::string& text) override;
    void ShowRunningIcon(bool running) override;
    std::string NowText() override;
    bool HotKeyAssigned() override;
    std::string HotKeyText() override;
    void ShowStopMessage(const std::string& text) override;
    std::int64_t CalendarSeconds() override;
    std::int64_t SteadyMicroseconds() override;

    quorvel::store::SettingsStore& m_store;

    quorvel::win::UniqueMenu m_menuContext;
    quorvel::Point m_oStartingPoint;
    quorvel::Point m_oClosingPoint;
    HICON m_hRunningIcon = nullptr;
    std::string m_strCursorPos;
    std::unique_ptr<quorvel::win::ToolTip> m_pToolTip;
    int m_bTwittered = 0;
    int m_bFacebooked = 0;
    int m_bGoogled = 0;
    int m_bHotKeyAssigned = 0;
    std::string m_strStatus;
    quorvel::win::UniqueMenu m_menuTray;
    quorvel::CHotKeyStore m_hotKeyStore;
    int m_bInitialised = 0;
    bool m_bShowingMembers = false;
    std::string m_strClickableArea;
    quorvel::win::Control m_ctrlCursorLocation;
    quorvel::win::ComboBox m_ctrlRandomDelayScales;
    quorvel::win::ComboBox m_ctrlComboFixedDelayScales;
    int m_iClickLocation = 0;
    int m_iLocX = 0;
    int m_iLocY = 0;
    int m_iLocWidth = 100;
    int m_iLocHeight = 100;
    int m_iHowManyClicks = 1;
    int m_iFixedClicksCount = 10;
    int m_iDelayBetweenClicks = 1;
    int m_iRandomDelayFrom = 1;
    int m_iRandomDelayTo = 100;
    int m_iFixedDelayScale = 0;
    int m_iRandomDelayScale = 0;
    HICON m_hIcon = nullptr;
    int m_iFixedDelayInClicks = 10;
    CShortcutKeyCtrl m_ctrlHotKeyStartStopClicks;
    quorvel::win::UpDown m_ctrlSpinFixedDelay;
    quorvel::win::UpDown m_ctrlSpinLocWidth;
    quorvel::win::UpDown m_ctrlSpinLocHeight;
    quorvel::win::UpDown m_ctrlSpinLocX;
    quorvel::win::UpDown m_ctrlSpinLocY;
    quorvel::win::UpDown m_ctrlSpinRandomDelayFrom;
    quorvel::win::UpDown m_ctrlSpinRandomDelayTo;
    int m_iRadioClickType = 0;

    // The Win32 ends of the engine's ports, and the engine itself.
    quorvel::win::SendInputMouse m_mouse;
    quorvel::win::SystemCursor m_cursor;
    quorvel::win::SystemScreenMetrics m_metrics;
    quorvel::win::WindowTimer m_clickTimer;
    quorvel::ClickScheduler m_scheduler;

    // Sent by a restarted shell; the tray entry must then be added again.
    UINT m_taskbarCreatedMessage = 0;
    quorvel::win::ShellTray m_trayShell;
    quorvel::TrayEntry m_trayEntry{m_trayShell};
};
