#include "quorvel_process.h"

#include "main_window.h"
#include "wait.h"

#include <vector>

namespace e2e {

namespace {

constexpr DWORD kCloseTimeoutMs = 10000;

}  // namespace

QuorvelProcess::QuorvelProcess(const std::string& exePath, const std::string& arguments) {
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

QuorvelProcess::~QuorvelProcess() { End(); }

HWND QuorvelProcess::WaitForMainWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindMainWindow(id_)) != nullptr; }, timeoutMs);
    return found;
}

bool QuorvelProcess::WaitForExit(DWORD timeoutMs) const {
    return process_ == nullptr || WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

void QuorvelProcess::End() {
    if (process_ == nullptr) {
        return;
    }
    if (HWND window = FindMainWindow(id_)) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (!WaitForExit(kCloseTimeoutMs)) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kCloseTimeoutMs);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

}  // namespace e2e
