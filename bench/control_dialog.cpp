// The second baseline for the footprint: a dialog from a template that loads the system
// libraries Quorvel loads (common controls 6 through its manifest, the DLLs Quorvel imports,
// winmm from the system folder) and does nothing else, so that what Windows' own libraries
// cost is told apart from what Quorvel's code costs.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

#include <string>

namespace {

// Quorvel loads winmm by its full path when a run first asks for timer resolution; this
// control has it from the start, so that it is there for every reading.
void LoadWinmmFromSystemFolder() {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    LoadLibraryA((std::string(folder, length) + "\\winmm.dll").c_str());  // kept until exit
}

// One cheap call into each DLL that Quorvel imports at load time, so that the linker keeps every
// import and the loader maps the same libraries for both programs.
void TouchImportedDlls(HWND dialog) {
    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &software) == ERROR_SUCCESS) {
        RegCloseKey(software);
    }
    CoTaskMemFree(nullptr);
    SysFreeString(nullptr);
    DragAcceptFiles(dialog, FALSE);
}

INT_PTR CALLBACK ControlDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        TouchImportedDlls(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;  // the classes Quorvel registers
    InitCommonControlsEx(&controls);
    LoadWinmmFromSystemFolder();
    return static_cast<int>(
        DialogBoxParamA(instance, "CONTROL_DIALOG", nullptr, ControlDialogProc, 0));
}
