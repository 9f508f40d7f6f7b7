#include <windows.h>

#include "areapick/pick_store.h"

#include "app/settings_keys.h"

namespace quorvel::areapick {

bool StorePick(SettingsStore& store, const std::optional<Pick>& pick) {
    const Pick stored = pick.value_or(Pick{{0, 0}, {0, 0}});
    // Every value is attempted, so that one failed write leaves no stale corner behind it.
    bool written = WriteKey(store, keys::kPickStartX, stored.start.x);
    written = WriteKey(store, keys::kPickStartY, stored.start.y) && written;
    written = WriteKey(store, keys::kPickEndX, stored.end.x) && written;
    written = WriteKey(store, keys::kPickEndY, stored.end.y) && written;
    return written;
}

}  // namespace quorvel::areapick
