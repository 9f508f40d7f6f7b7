#include <windows.h>

#include "areapick/pick_store.h"

#include "store/settings_keys.h"

namespace quorvel::areapick {

bool StorePick(store::SettingsStore& settings, const std::optional<Pick>& pick) {
    const Pick stored = pick.value_or(Pick{{0, 0}, {0, 0}});
    // Every value is attempted, so that one failed write leaves no stale corner behind it.
    bool written = store::WriteKey(settings, store::keys::kPickStartX, stored.start.x).ok();
    written = store::WriteKey(settings, store::keys::kPickStartY, stored.start.y).ok() && written;
    written = store::WriteKey(settings, store::keys::kPickEndX, stored.end.x).ok() && written;
    written = store::WriteKey(settings, store::keys::kPickEndY, stored.end.y).ok() && written;
    return written;
}

}  // namespace quorvel::areapick
