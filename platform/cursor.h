#pragma once
// The system cursor, in screen coordinates.

#include "engine/ports.h"

namespace quorvel::win {

class SystemCursor final : public CursorPort {
public:
    bool GetPosition(Point& point) override;
    void MoveTo(Point point) override;
};

}  // namespace quorvel::win
