#include "platform/desktop_shell.h"

#include <windows.h>

// shlobj.h brings shellapi.h, whose ShellExecute macro must rename the method of shldisp.h too.
#include <shlobj.h>
#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>

#include "platform/handles.h"

namespace quorvel::win {

namespace {

template <typename Interface>
void ReleaseInterface(Interface* object) {
    object->Release();
}

template <typename Interface>
using ComRef = Unique<Interface*, &ReleaseInterface<Interface>>;

using UniqueText = Unique<BSTR, &SysFreeString>;

// COM for this thread for as long as it lives, if the thread has none of another kind.
class ComApartment {
public:
    ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (entered_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_;
};

template <typename Interface>
ComRef<Interface> Query(IUnknown* object, REFIID id) {
    Interface* found = nullptr;
    if (object == nullptr || FAILED(object->QueryInterface(id, reinterpret_cast<void**>(&found)))) {
        return {};
    }
    return ComRef<Interface>(found);
}

VARIANT TextArgument(BSTR text) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = text;  // owned by the caller
    return argument;
}

VARIANT NumberArgument(LONG number) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = number;
    return argument;
}

// The documented way there: the desktop's window among the shell's windows, its browser's
// active view, and the shell application behind that view's background.
ComRef<IShellDispatch2> DesktopShell(DWORD& desktopProcess) {
    IShellWindows* windowsFound = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                reinterpret_cast<void**>(&windowsFound)))) {
        return {};
    }
    const ComRef<IShellWindows> windows(windowsFound);

    VARIANT desktopLocation = NumberArgument(CSIDL_DESKTOP);
    VARIANT noRoot;
    VariantInit(&noRoot);
    LONG desktopWindow = 0;
    IDispatch* desktopFound = nullptr;
    if (windows.get()->FindWindowSW(&desktopLocation, &noRoot, SWC_DESKTOP, &desktopWindow,
                                    SWFO_NEEDDISPATCH, &desktopFound) != S_OK) {
        return {};
    }
    const ComRef<IDispatch> desktop(desktopFound);
    GetWindowThreadProcessId(reinterpret_cast<HWND>(static_cast<LONG_PTR>(desktopWindow)),
                             &desktopProcess);

    const auto services = Query<IServiceProvider>(desktop.get(), IID_IServiceProvider);
    if (!services) return {};
    IShellBrowser* browserFound = nullptr;
    if (FAILED(services.get()->QueryService(SID_STopLevelBrowser, IID_IShellBrowser,
                                            reinterpret_cast<void**>(&browserFound)))) {
        return {};
    }
    const ComRef<IShellBrowser> browser(browserFound);
    IShellView* viewFound = nullptr;
    if (FAILED(browser.get()->QueryActiveShellView(&viewFound))) return {};
    const ComRef<IShellView> view(viewFound);
    IDispatch* backgroundFound = nullptr;
    if (FAILED(view.get()->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch,
                                         reinterpret_cast<void**>(&backgroundFound)))) {
        return {};
    }
    const ComRef<IDispatch> background(backgroundFound);
    const auto folderView = Query<IShellFolderViewDual>(background.get(), IID_IShellFolderViewDual);
    if (!folderView) return {};
    IDispatch* applicationFound = nullptr;
    if (FAILED(folderView.get()->get_Application(&applicationFound))) return {};
    const ComRef<IDispatch> application(applicationFound);
    return Query<IShellDispatch2>(application.get(), IID_IShellDispatch2);
}

}  // namespace

bool ShellExecuteOnDesktop(const std::wstring& file, const std::wstring& verb, int show) {
    const ComApartment apartment;
    DWORD desktopProcess = 0;
    const ComRef<IShellDispatch2> shell = DesktopShell(desktopProcess);
    if (!shell) return false;

    const UniqueText fileText(SysAllocString(file.c_str()));
    const UniqueText verbText(SysAllocString(verb.c_str()));
    if (!fileText || !verbText) return false;
    VARIANT none;
    VariantInit(&none);
    // What the desktop starts may come to the front, as it would if this program started it.
    if (desktopProcess != 0) AllowSetForegroundWindow(desktopProcess);
    return SUCCEEDED(shell.get()->ShellExecute(fileText.get(), none, none,
                                               TextArgument(verbText.get()), NumberArgument(show)));
}

}  // namespace quorvel::win
