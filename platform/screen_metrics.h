#pragma once
// The virtual screen (all monitors together) as the system metrics report it.

#include "engine/ports.h"

namespace quorvel::win {

class SystemScreenMetrics final : public ScreenMetricsPort {
public:
    VirtualScreen Measure() override;
};

}  // namespace quorvel::win
