#include "tests/support/mouse.h"

namespace quorvel::test {

namespace {

// Absolute input positions run from 0 to 65535 across the primary monitor; rounding up lands
// on the wanted pixel rather than the one before it.
LONG Normalised(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

void Send(POINT at, DWORD buttonFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

void DragWithLeftButton(POINT from, POINT to, int steps) {
    Send(from, 0);
    Send(from, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= steps; ++step) {
        Send({from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps}, 0);
    }
    Send(to, MOUSEEVENTF_LEFTUP);
}

void ClickWithLeftButton(POINT at) {
    Send(at, 0);
    Send(at, MOUSEEVENTF_LEFTDOWN);
    Send(at, MOUSEEVENTF_LEFTUP);
}

}  // namespace quorvel::test
