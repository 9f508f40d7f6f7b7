#pragma once
// The dimmed full-desktop window on which the user drags out an area.

#include <windows.h>

#include <optional>

#include "areapick/selection.h"

namespace quorvel::areapick {

inline constexpr char kPickerClassName[] = "QuorvelAreaPicker";

class PickerWindow {
public:
    explicit PickerWindow(HINSTANCE instance) : instance_(instance) {}
    PickerWindow(const PickerWindow&) = delete;
    PickerWindow& operator=(const PickerWindow&) = delete;

    // Covers every monitor until the user releases a drag (the pick) or cancels (nothing).
    std::optional<Pick> Run();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void BeginDrag(POINT client);
    void MoveDrag(POINT client);
    void EndDrag(POINT client);
    void InvalidateSelection() const;
    void Paint() const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    POINT origin_{};  // the virtual desktop's top-left corner, where the window sits
    bool dragging_ = false;
    POINT dragStart_{};  // client coordinates
    POINT dragEnd_{};
    std::optional<Pick> pick_;
};

}  // namespace quorvel::areapick
