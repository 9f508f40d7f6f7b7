#include "platform/dialog.h"

#include "platform/data_exchange.h"
#include "platform/resources.h"
#include "platform/win_app.h"

namespace quorvel::win {

namespace {

// These messages answer through the dialog procedure's return value, not DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

}  // namespace

Dialog::Dialog(int templateId) : templateId_(templateId) {}

Dialog::~Dialog() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
}

bool Dialog::Create(HWND parent) {
    modal_ = false;
    const HWND created = CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), parent,
                                            &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return created != nullptr;
}

INT_PTR Dialog::DoModal(HWND parent) {
    modal_ = true;
    return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), parent,
                           &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.failed();
}

void Dialog::EndDialog(INT_PTR result) {
    if (hwnd_ == nullptr) return;
    if (modal_) {
        ::EndDialog(hwnd_, result);
    } else {
        ShowWindow(hwnd_, SW_HIDE);  // a modeless dialog stays alive until it is destroyed
    }
}

bool Dialog::DestroyWindow() { return hwnd_ != nullptr && ::DestroyWindow(hwnd_) != FALSE; }

bool Dialog::PreTranslateMessage(MSG* msg) {
    return hwnd_ != nullptr && IsDialogMessageA(hwnd_, msg) != FALSE;
}

BOOL Dialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Dialog::DefWindowProc(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        dialog->hwnd_ = hwnd;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (dialog == nullptr) return FALSE;  // messages before WM_INITDIALOG: default processing

    INT_PTR answer = FALSE;
    try {
        answer = dialog->Dispatch(message, wParam, lParam);
    } catch (...) {
        answer = FALSE;  // no exception may unwind through the system's dispatcher
    }
    if (message == WM_NCDESTROY) dialog->OnFinalDestroy();
    return answer;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();

    LRESULT result = 0;
    bool handled = OnMessage(message, wParam, lParam, result);
    if (!handled && message == WM_COMMAND) {
        const WORD command = LOWORD(wParam);
        if (command == IDOK || command == IDCANCEL) {
            command == IDOK ? OnOK() : OnCancel();
            return TRUE;
        }
    }
    if (!handled) handled = DefWindowProc(message, wParam, lParam, result);
    if (!handled) return FALSE;

    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

void Dialog::OnFinalDestroy() {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    WinApp* app = WinApp::Current();
    if (app != nullptr && app->m_pMainWnd == this) PostQuitMessage(0);
}

}  // namespace quorvel::win
