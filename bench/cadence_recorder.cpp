// Records the time of every mouse button message that reaches a large window, with the extra
// information of the input behind it, so that two click sources can be timed on one clock.
//
//   cadence_recorder <output file> <left> <top> <width> <height>
//
// Writes "frequency <counts per second>" once the window is in the foreground under the cursor,
// and takes the foreground back whenever no clicks come for a while; then one line per message:
// "<performance counter> <message> <extra information> <milliseconds it waited in the input
// queue>". Each line is flushed at once, so a reader can follow the file
// while clicks arrive. Runs until it is ended.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/click_recorder.h"

namespace {

constexpr DWORD kReadyTimeoutMs = 10000;
constexpr DWORD kWaitRoundMs = 1000;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: cadence_recorder <output file> <left> <top> <width> <height>\n");
        return 2;
    }
    const int left = std::atoi(argv[2]);
    const int top = std::atoi(argv[3]);
    const RECT area{left, top, left + std::atoi(argv[4]), top + std::atoi(argv[5])};

    // Binary, so that lines end in a bare newline for the shell tools that follow the file.
    std::FILE* output = std::fopen(argv[1], "wb");
    if (output == nullptr) {
        std::fprintf(stderr, "cadence_recorder: cannot write %s\n", argv[1]);
        return 1;
    }
    quorvel::test::ClickRecorder recorder(area);
    if (!recorder.WaitUntilReady(kReadyTimeoutMs)) {
        std::fprintf(stderr, "cadence_recorder: the window did not get the foreground\n");
        return 1;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::fprintf(output, "frequency %lld\n", frequency.QuadPart);
    std::fflush(output);

    // The recorder stamps each message as it arrives, so writing afterwards delays no stamp.
    for (;;) {
        if (!recorder.WaitForEvents(1, kWaitRoundMs)) {
            // A program started since (each Quorvel block starts its own) has taken the
            // foreground, and a first click that had to activate this window again would reach
            // it late by the activation's work. A quiet round takes the foreground back.
            recorder.WaitUntilReady(kWaitRoundMs);
            continue;
        }
        for (const quorvel::test::RecordedButton& event : recorder.events()) {
            std::fprintf(output, "%lld %u %llu %ld\n", event.arrival, event.message,
                         static_cast<unsigned long long>(event.extraInfo), event.queueWaitMs);
        }
        std::fflush(output);
        recorder.Clear();
    }
}
