#include "tests/support/launched_program.h"

#include "tests/support/main_window.h"
#include "tests/support/wait.h"

#include <vector>

namespace quorvel::test {

namespace {

constexpr DWORD kCloseTimeoutMs = 10000;

}  // namespace

LaunchedProgram::LaunchedProgram(const std::string& exePath, const std::string& arguments) {
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

LaunchedProgram::~LaunchedProgram() {
    if (process_ == nullptr) return;
    TerminateProcess(process_, 1);  // its owner had no window to ask
    WaitForSingleObject(process_, kCloseTimeoutMs);
    CloseHandle(process_);
}

bool LaunchedProgram::WaitForExit(DWORD timeoutMs) const {
    return process_ == nullptr || WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

void LaunchedProgram::End(HWND mainWindow) {
    if (process_ == nullptr) {
        return;
    }
    if (mainWindow != nullptr) {
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    }
    if (!WaitForExit(kCloseTimeoutMs)) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kCloseTimeoutMs);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

HWND QuorvelProcess::WaitForMainWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindMainWindow(id())) != nullptr; }, timeoutMs);
    return found;
}

void QuorvelProcess::End() {
    if (started()) LaunchedProgram::End(FindMainWindow(id()));
}

}  // namespace quorvel::test
