#include "program_handle.h"

#include <psapi.h>

namespace quorvel::test {

ProgramHandle::ProgramHandle(DWORD processId)
    : process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE,
                           processId)) {}

ProgramHandle::~ProgramHandle() {
    if (process_ != nullptr) CloseHandle(process_);
}

std::optional<ProgramMemory> ProgramHandle::Memory() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (process_ == nullptr || !GetProcessMemoryInfo(process_, &counters, sizeof(counters))) {
        return std::nullopt;
    }
    return ProgramMemory{counters.WorkingSetSize, counters.PagefileUsage};
}

std::optional<DWORD> ProgramHandle::WaitForExitCode(DWORD timeoutMs) const {
    DWORD code = 0;
    if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_, &code)) {
        return std::nullopt;
    }
    return code;
}

}  // namespace quorvel::test
