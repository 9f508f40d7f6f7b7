#include "platform/cursor.h"

#include <windows.h>

namespace quorvel::win {

bool SystemCursor::GetPosition(Point& point) {
    POINT position{};
    if (!GetCursorPos(&position)) return false;
    point = {static_cast<int>(position.x), static_cast<int>(position.y)};
    return true;
}

void SystemCursor::MoveTo(Point point) {
    SetCursorPos(point.x, point.y);  // the system keeps the cursor on the desktop by itself
}

}  // namespace quorvel::win
