#include "tests/support/x11_input.h"

#include <windows.h>

namespace quorvel::test {

bool X11Input(const std::string& commands) {
    // Wine starts a program of the host when given its host path.
    std::string commandLine = "/usr/bin/xdotool " + commands;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    // Wine's handles of a host program can be closed, not waited on.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace quorvel::test
