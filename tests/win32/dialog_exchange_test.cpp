// Data exchange and message routing on the real main-window template.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/controls.h"
#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/win_app.h"
#include "res/resource.h"

namespace quorvel::test {
namespace {

using namespace quorvel::win;

constexpr UINT kTrayNotify = WM_USER + 1;   // DM_SETDEFID in a dialog
constexpr UINT kHelpRequest = WM_USER + 2;  // DM_REPOSITION in a dialog

class ExchangeDialog : public Dialog {
public:
    ExchangeDialog() : Dialog(IDD_CLICKER) {}

    int location = 0;
    int locX = 0;
    int locY = 0;
    int unit = 0;
    int clickType = 0;
    int locXChanges = 0;
    ComboBox units;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Control(IDC_FIXED_DELAY_UNIT, units);
        dx.Radio(IDC_LOC_CURSOR, location);
        dx.Text(IDC_LOC_X, locX);
        dx.Text(IDC_LOC_Y, locY);
        dx.CBIndex(IDC_FIXED_DELAY_UNIT, unit);
        dx.Radio(IDC_CLICK_LEFT, clickType);
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDC_LOC_X && HIWORD(wParam) == EN_CHANGE) {
            ++locXChanges;
        }
        if (message == kTrayNotify || message == kHelpRequest) {
            result = static_cast<LRESULT>(message) + 1000;
            return true;
        }
        return false;
    }
};

// Closes the message boxes that a refused field shows, from a thread timer that the box's own
// modal loop dispatches; it remembers what it saw.
struct BoxCloser {
    static inline HWND owner = nullptr;
    static inline int closed = 0;
    static inline std::string caption;
    static inline std::string text;

    static BOOL CALLBACK CloseIfBox(HWND window, LPARAM) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) != "#32770" || GetWindow(window, GW_OWNER) != owner) return TRUE;
        caption = WindowText(window);
        text = WindowText(GetDlgItem(window, 0xFFFF));
        ++closed;
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return FALSE;
    }

    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), &CloseIfBox, 0);
    }
};

// Message boxes take their caption from the application object.
struct TitledApp : WinApp {
    TitledApp() : WinApp(IDS_APP_TITLE) {}
    bool InitInstance() override { return true; }
};

class DialogExchange : public testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&classes));
    }

    void SetUp() override {
        ASSERT_TRUE(dialog.Create(nullptr));
        for (const char* name : {"Milli Second(s)", "Second(s)", "Minute(s)"}) {
            dialog.units.AddString(name);
        }
        BoxCloser::owner = dialog.hwnd();
        BoxCloser::closed = 0;
        timer = SetTimer(nullptr, 0, 50, &BoxCloser::Poll);
    }

    void TearDown() override { KillTimer(nullptr, timer); }

    std::string Text(int id) const { return WindowText(dialog.GetDlgItem(id)); }
    void SetText(int id, const char* text) { SetDlgItemTextA(dialog.hwnd(), id, text); }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog.hwnd(), id) == BST_CHECKED; }
    void CheckOnly(int id) {
        for (int radio : {IDC_LOC_CURSOR, IDC_LOC_DESKTOP, IDC_LOC_RECTANGLE}) {
            CheckDlgButton(dialog.hwnd(), radio, radio == id ? BST_CHECKED : BST_UNCHECKED);
        }
    }

    TitledApp app;
    ExchangeDialog dialog;
    UINT_PTR timer = 0;
};

TEST_F(DialogExchange, IntegersRoundTripWithoutAMessage) {
    dialog.locX = -123;
    dialog.locY = 2147483647;
    dialog.UpdateData(false);
    EXPECT_EQ(Text(IDC_LOC_X), "-123");
    EXPECT_EQ(Text(IDC_LOC_Y), "2147483647");

    SetText(IDC_LOC_X, "  45 ");
    SetText(IDC_LOC_Y, "-2147483648");
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.locX, 45);
    EXPECT_EQ(dialog.locY, -2147483647 - 1);
    EXPECT_EQ(BoxCloser::closed, 0);
}

TEST_F(DialogExchange, RefusedTextStopsThePassWithAMessageAndSelectsTheField) {
    for (const char* refused : {"", "-", "12a", "99999999999"}) {
        SCOPED_TRACE(refused);
        BoxCloser::closed = 0;
        dialog.location = 0;
        dialog.locX = 5;
        dialog.locY = 6;
        CheckOnly(IDC_LOC_DESKTOP);
        SetText(IDC_LOC_X, refused);
        SetText(IDC_LOC_Y, "77");
        SetFocus(dialog.GetDlgItem(IDC_HOTKEY));

        EXPECT_FALSE(dialog.UpdateData(true));
        EXPECT_EQ(BoxCloser::closed, 1);
        EXPECT_EQ(BoxCloser::caption, "Quorvel");
        EXPECT_NE(BoxCloser::text.find("integer"), std::string::npos) << BoxCloser::text;
        EXPECT_EQ(dialog.location, 1);  // exchanged before the refusal
        EXPECT_EQ(dialog.locX, 5);
        EXPECT_EQ(dialog.locY, 6);  // never reached
        EXPECT_EQ(GetFocus(), dialog.GetDlgItem(IDC_LOC_X));
        DWORD start = 1, end = 0;
        SendDlgItemMessageA(dialog.hwnd(), IDC_LOC_X, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                            reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, static_cast<DWORD>(std::string(refused).size()));
    }
}

TEST_F(DialogExchange, RadioGroupsAreNumberedInTemplateOrder) {
    const struct {
        int checked;
        int number;
    } cases[] = {{IDC_LOC_CURSOR, 0}, {IDC_LOC_DESKTOP, 1}, {IDC_LOC_RECTANGLE, 2}, {0, -1}};
    SetText(IDC_LOC_X, "0");
    SetText(IDC_LOC_Y, "0");
    for (const auto& c : cases) {
        CheckOnly(c.checked);
        ASSERT_TRUE(dialog.UpdateData(true));
        EXPECT_EQ(dialog.location, c.number) << c.checked;
    }

    dialog.location = 2;
    dialog.clickType = 4;
    dialog.UpdateData(false);
    EXPECT_TRUE(Checked(IDC_LOC_RECTANGLE));
    EXPECT_FALSE(Checked(IDC_LOC_CURSOR));
    EXPECT_FALSE(Checked(IDC_LOC_DESKTOP));
    EXPECT_TRUE(Checked(IDC_CLICK_MIDDLE));
    EXPECT_FALSE(Checked(IDC_CLICK_LEFT));

    dialog.location = 5;  // outside the group: nothing is set
    dialog.UpdateData(false);
    for (int radio : {IDC_LOC_CURSOR, IDC_LOC_DESKTOP, IDC_LOC_RECTANGLE}) {
        EXPECT_FALSE(Checked(radio)) << radio;
    }
}

TEST_F(DialogExchange, ListPositionOutOfRangeSelectsNothing) {
    dialog.unit = 2;
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.units.GetCurSel(), 2);
    for (int outside : {3, -1, -7}) {
        dialog.unit = outside;
        dialog.UpdateData(false);
        EXPECT_EQ(dialog.units.GetCurSel(), -1) << outside;
    }
    SetText(IDC_LOC_X, "0");
    SetText(IDC_LOC_Y, "0");
    dialog.unit = 1;
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.unit, -1);
}

TEST_F(DialogExchange, FieldTextIsSetOnlyWhenItDiffers) {
    SetText(IDC_LOC_X, "10");
    dialog.locXChanges = 0;
    dialog.locX = 10;
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.locXChanges, 0);

    SetText(IDC_LOC_X, "007");
    dialog.locXChanges = 0;
    dialog.locX = 7;
    dialog.UpdateData(false);
    EXPECT_EQ(Text(IDC_LOC_X), "7");
    EXPECT_EQ(dialog.locXChanges, 1);
}

TEST_F(DialogExchange, BindingsAnswerCollidingUserMessagesBeforeDefaultProcessing) {
    EXPECT_EQ(SendMessageA(dialog.hwnd(), kTrayNotify, 90, WM_RBUTTONUP), kTrayNotify + 1000);
    EXPECT_EQ(SendMessageA(dialog.hwnd(), kHelpRequest, 0, 0), kHelpRequest + 1000);
}

TEST_F(DialogExchange, ModelessCancelHidesAndDestroyingTheMainWindowEndsTheLoop) {
    ShowWindow(dialog.hwnd(), SW_SHOWNOACTIVATE);  // activating would make wine slow to hide it
    ASSERT_TRUE(IsWindowVisible(dialog.hwnd()));
    SendMessageA(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindowVisible(dialog.hwnd()));

    app.m_pMainWnd = &dialog;
    const HWND window = dialog.hwnd();
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog.hwnd(), nullptr);
    MSG msg{};
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// A modal run of the click timing template ends through the default OK handling.
class OkAtOnce : public Dialog {
public:
    OkAtOnce() : Dialog(IDD_CLICK_TIMING) {}

protected:
    BOOL OnInitDialog() override {
        PostMessageA(hwnd(), WM_COMMAND, IDOK, 0);
        return Dialog::OnInitDialog();
    }
};

TEST(ModalDialog, DefaultOkEndsTheRunWithIdOk) {
    OkAtOnce dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

}  // namespace
}  // namespace quorvel::test
