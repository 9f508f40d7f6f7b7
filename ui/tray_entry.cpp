#include "ui/tray_entry.h"

namespace quorvel::ui {

void TrayEntry::ShowRunning(bool running) {
    running_ = running;
    shell_.ChangeIcon(running);  // without an entry there is nothing to switch
}

}  // namespace quorvel::ui
