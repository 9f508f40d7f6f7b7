#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

namespace quorvel::test {

struct ProgramMemory {
    std::size_t workingSet;
    std::size_t privateBytes;
};

// A second handle on a running program, for what the driver's process object does not tell:
// how much memory the program holds and how it ended.
class ProgramHandle {
public:
    explicit ProgramHandle(DWORD processId);
    ~ProgramHandle();
    ProgramHandle(const ProgramHandle&) = delete;
    ProgramHandle& operator=(const ProgramHandle&) = delete;

    bool valid() const { return process_ != nullptr; }

    // Nothing when the system will not say.
    std::optional<ProgramMemory> Memory() const;
    // The exit code once the program has ended, nothing when it is still running at the deadline.
    std::optional<DWORD> WaitForExitCode(DWORD timeoutMs) const;

private:
    HANDLE process_ = nullptr;
};

}  // namespace quorvel::test
