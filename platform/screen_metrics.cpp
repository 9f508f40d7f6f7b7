#include "platform/screen_metrics.h"

#include <windows.h>

namespace quorvel::win {

VirtualScreen SystemScreenMetrics::Measure() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace quorvel::win
