#include "areapick/picker_window.h"

#include <windowsx.h>

#include "areapick/resource.h"
#include "platform/handles.h"

namespace quorvel::areapick {

namespace {

constexpr char kPickerTitle[] = "Quorvel Area Picker";
constexpr BYTE kDimAlpha = 112;  // of 255: the desktop stays readable under the dark veil
constexpr int kOutlineWidth = 2;

using UniqueDc = win::Unique<HDC, &DeleteDC>;
using UniqueBitmap = win::Unique<HBITMAP, &DeleteObject>;

// Drawn over exactly the pixels that can be clicked.
RECT OutlineRect(POINT a, POINT b) {
    const Bounds span = ClickableBounds(PickBetween({a.x, a.y}, {b.x, b.y}));
    return {span.left, span.top, span.right, span.bottom};
}

void DrawOutline(HDC dc, RECT rect) {
    const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    for (int ring = 0; ring < kOutlineWidth; ++ring) {
        FrameRect(dc, &rect, white);
        InflateRect(&rect, -1, -1);
    }
}

POINT ClientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

std::optional<Pick> PickerWindow::Run() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &PickerWindow::WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_AREAPICK));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDI_AREAPICK), IMAGE_ICON, 16, 16, LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_CROSS);
    windowClass.lpszClassName = kPickerClassName;
    if (RegisterClassExA(&windowClass) == 0) return std::nullopt;

    origin_ = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST, kPickerClassName, kPickerTitle, WS_POPUP,
                        origin_.x, origin_.y, width, height, nullptr, nullptr, instance_,
                        this) == nullptr) {
        return std::nullopt;
    }
    SetLayeredWindowAttributes(window_, 0, kDimAlpha, LWA_ALPHA);
    // Shown whatever show state the caller passed: a hidden picker could never be finished.
    ShowWindow(window_, SW_SHOW);
    // Esc only reaches a window that has the keyboard.
    SetForegroundWindow(window_);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return pick_;
}

LRESULT CALLBACK PickerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<PickerWindow*>(created->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<PickerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);  // the member is gone already
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT PickerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        BeginDrag(ClientPoint(lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (dragging_) MoveDrag(ClientPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (dragging_) EndDrag(ClientPoint(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        // Someone else took the mouse mid-drag: drop the drag and let the user start again.
        if (dragging_) {
            InvalidateSelection();
            dragging_ = false;
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            pick_.reset();
            DestroyWindow(window_);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void PickerWindow::BeginDrag(POINT client) {
    dragging_ = true;
    dragStart_ = client;
    dragEnd_ = client;
    SetCapture(window_);
    InvalidateSelection();
}

void PickerWindow::MoveDrag(POINT client) {
    InvalidateSelection();
    dragEnd_ = client;
    InvalidateSelection();
}

void PickerWindow::EndDrag(POINT client) {
    dragging_ = false;  // first, so that the release of the capture is not taken as a loss
    ReleaseCapture();
    // A click without a drag picks that one point.
    pick_ = PickBetween({dragStart_.x + origin_.x, dragStart_.y + origin_.y},
                        {client.x + origin_.x, client.y + origin_.y});
    DestroyWindow(window_);
}

void PickerWindow::InvalidateSelection() const {
    const RECT outline = OutlineRect(dragStart_, dragEnd_);
    InvalidateRect(window_, &outline, FALSE);
}

void PickerWindow::Paint() const {
    PAINTSTRUCT paint;
    const HDC screen = BeginPaint(window_, &paint);
    const RECT area = paint.rcPaint;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // Composed off-screen first: the outline would flicker over the fill otherwise.
    const UniqueDc memory(CreateCompatibleDC(screen));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    if (width > 0 && height > 0 && memory && bitmap) {
        const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
        SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
        FillRect(memory.get(), &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        if (dragging_) DrawOutline(memory.get(), OutlineRect(dragStart_, dragEnd_));
        BitBlt(screen, area.left, area.top, width, height, memory.get(), area.left, area.top,
               SRCCOPY);
        SelectObject(memory.get(), previous);
    }
    EndPaint(window_, &paint);
}

}  // namespace quorvel::areapick
