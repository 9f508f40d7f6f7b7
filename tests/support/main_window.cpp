#include "tests/support/main_window.h"

#include "tests/support/messaging.h"
#include "tests/support/texts_and_ids.h"
#include "tests/support/top_level_windows.h"
#include "tests/support/wait.h"

#include <vector>

namespace quorvel::test {

namespace {

constexpr DWORD kShortWaitMs = 200;

}  // namespace

HWND FindMainWindow(DWORD processId) {
    return FindTopLevelWindow([&](HWND window) {
        return OwningProcess(window) == processId && WindowTitle(window) == kMainWindowTitle &&
               WindowClass(window) == kDialogClass &&
               GetDlgItem(window, id::kStatusLine) != nullptr;
    });
}

int CountWindowsTitledQuorvel() {
    int count = 0;
    FindTopLevelWindow([&](HWND window) {
        count += WindowTitle(window) == kMainWindowTitle ? 1 : 0;
        return false;
    });
    return count;
}

HWND MainWindow::Control(int controlId) const { return GetDlgItem(window_, controlId); }

void MainWindow::Type(int controlId, const std::string& text) const {
    Send(Control(controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::StartTyping(int controlId, const std::string& text) const {
    // The text is copied into the message, so it may outlive this short wait.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(Control(controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_NORMAL, kShortWaitMs, &ignored);
}

void MainWindow::Click(int controlId) const { Send(Control(controlId), BM_CLICK, 0, 0); }

void MainWindow::Pick(int listId, int position) const {
    const HWND list = Control(listId);
    Send(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    Send(window_, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::string MainWindow::Text(int controlId) const { return TextOf(Control(controlId)); }

std::string MainWindow::ItemText(int listId, int position) const {
    // Asked in the wide form: wine hands a list item to another process's ANSI caller in its
    // wide form, while Windows converts it for either caller.
    const HWND list = Control(listId);
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0, SMTO_NORMAL,
                             kPromptMs, &length) ||
        static_cast<LRESULT>(length) == CB_ERR) {
        return {};
    }
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(list, CB_GETLBTEXT, static_cast<WPARAM>(position),
                        reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL, kPromptMs, &ignored);
    std::string text;
    for (const wchar_t* c = buffer.data(); *c != L'\0'; ++c) {
        text += static_cast<char>(*c);  // the program's texts are ASCII
    }
    return text;
}

int MainWindow::ItemCount(int listId) const {
    return static_cast<int>(Send(Control(listId), CB_GETCOUNT, 0, 0));
}

int MainWindow::Selection(int listId) const {
    return static_cast<int>(Send(Control(listId), CB_GETCURSEL, 0, 0));
}

bool MainWindow::IsChecked(int controlId) const {
    return Send(Control(controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool MainWindow::IsEnabled(int controlId) const {
    return IsWindowEnabled(Control(controlId)) != FALSE;
}

RECT MainWindow::ScreenRect(int controlId) const {
    RECT rect{};
    GetWindowRect(Control(controlId), &rect);
    return rect;
}

void MainWindow::PressShortcutKey() const { PostMessageA(window_, WM_HOTKEY, 1, 0); }

void MainWindow::RequestHelp() const { PostMessageA(window_, WM_USER + 2, 0, 0); }

}  // namespace quorvel::test
