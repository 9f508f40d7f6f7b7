// Stands in for the web browser: appends the process that started it and the address it is asked
// to open, one page per line, to web_pages.log beside this program, then exits.

#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>

#include <fstream>
#include <string>

#include "tests/support/this_program.h"

namespace {

// The address as the shell handed it over, undone from its command-line quoting.
std::string RequestedAddress() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) return {};
    std::string address;
    if (count > 1) {
        for (const wchar_t* c = arguments[1]; *c != L'\0'; ++c) {
            address += static_cast<char>(*c);  // web addresses are ASCII
        }
    }
    LocalFree(arguments);
    return address;
}

DWORD ParentProcess() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    DWORD parent = 0;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
    }
    CloseHandle(snapshot);
    return parent;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::ofstream log(quorvel::test::BesideThisProgram("web_pages.log"), std::ios::app);
    log << ParentProcess() << ' ' << RequestedAddress() << '\n';
    return log ? 0 : 1;
}
