#include "ui/tray_entry.h"

namespace quorvel {

void TrayEntry::ShowRunning(bool running) {
    running_ = running;
    shell_.ChangeIcon(running);  // without an entry there is nothing to switch
}

}  // namespace quorvel
