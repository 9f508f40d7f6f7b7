// The click rectangle dragged out on screen by the area picker, which hands the two corners of
// the drag back through the store.

#include "ui/dlg_clicker.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "store/settings_keys.h"
#include "platform/handles.h"
#include "platform/message_box.h"
#include "platform/module_path.h"
#include "ui/picker_path.h"

namespace quorvel::ui {

namespace {

constexpr const char* kPickingInfoText =
    "This is a One Time Information Message, After Reading it Click on OK to Close this "
    "Information Box.\n\nThis Action Allows you to Select the Screen Area in a Similar way as "
    "Mouse Drag and Drop.\n\nWhen you Screen Dims due to this Action, Press Left Button of Mouse "
    "and Move Mouse Cursor so that Screen Area you wish to Capture is Covered and then Release "
    "the Mouse Cursor.\n\nEsc Key will Cancel Screen Capture.";

// The picker writes screen coordinates, but the store may hold anything: never overflow.
int ClampedDifference(int to, int from) {
    const std::int64_t difference = static_cast<std::int64_t>(to) - from;
    return static_cast<int>(std::clamp<std::int64_t>(difference, INT_MIN, INT_MAX));
}

}  // namespace

void CDlgClicker::PickScreenArea() {
    using quorvel::store::keys::kInfoMessageDisplayed;
    if (quorvel::store::ReadKey(store_, kInfoMessageDisplayed) == 0) {
        quorvel::win::ShowMessageBox(hwnd(), kPickingInfoText, MB_OK | MB_ICONINFORMATION);
        quorvel::store::WriteKey(store_, kInfoMessageDisplayed, 1);
    }
    RunAreaPicker();
}

void CDlgClicker::RunAreaPicker() {
    const std::wstring pickerPath = AreaPickerPath(quorvel::win::OwnExecutablePath());
    ShowWindow(hwnd(), SW_MINIMIZE);

    // By its full path as the application name, so that nothing is searched for and no file
    // association is asked how to run it; it gets none of our handles.
    std::wstring commandLine = L"\"" + pickerPath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION started{};
    // Suspended until it may take the foreground, which it needs for the keyboard (Esc) and
    // which only the foreground program can hand on.
    if (CreateProcessW(pickerPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                       CREATE_SUSPENDED, nullptr, nullptr, &startup, &started)) {
        const quorvel::win::UniqueHandle picker(started.hProcess);
        const quorvel::win::UniqueHandle pickerThread(started.hThread);
        AllowSetForegroundWindow(started.dwProcessId);
        ResumeThread(pickerThread.get());
        WaitForSingleObject(picker.get(), INFINITE);
    }  // a picker that cannot start picks nothing

    ApplyPickedArea();
    ShowWindow(hwnd(), SW_RESTORE);
}

BOOL CDlgClicker::ApplyPickedArea() {
    using namespace quorvel::store::keys;
    const int startX = quorvel::store::ReadKey(store_, kPickStartX);
    const int startY = quorvel::store::ReadKey(store_, kPickStartY);
    const int endX = quorvel::store::ReadKey(store_, kPickEndX);
    const int endY = quorvel::store::ReadKey(store_, kPickEndY);
    if (startX == 0 && startY == 0 && endX == 0 && endY == 0) return FALSE;

    m_oStartingPoint = {startX, startY};
    m_oClosingPoint = {endX, endY};
    UpdateData(true);  // a refused field keeps its earlier value; the pick applies regardless
    m_iLocX = startX;
    m_iLocY = startY;
    m_iLocWidth = ClampedDifference(endX, startX);
    m_iLocHeight = ClampedDifference(endY, startY);
    ShowMembersInControls();
    SaveSettings();
    return TRUE;
}

}  // namespace quorvel::ui
