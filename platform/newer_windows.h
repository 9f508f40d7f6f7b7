#pragma once
// Calls looked up at run time: those that only newer Windows offers, so that the programs still
// load on Windows Vista, with the nearest older call where they are missing; and those of system
// DLLs that are not known DLLs, which an import would have Windows look for beside the program.

#include <windows.h>

namespace quorvel::win {

// Keeps DLLs planted beside the program or in the current folder from being loaded: the system
// folder only where Windows can say so, otherwise at least no current folder.
void LoadDllsOnlyFromSystem();

// Lets a process of lower integrity (the shell, an ordinary program) post this message to the
// window of an elevated one: for this window alone where Windows can, else for the process.
bool AdmitFromLowerIntegrity(HWND window, UINT message);

// Recent Windows coarsens the timers of a process whose windows are hidden or minimised, which
// is this program's usual state in the tray; this asks it not to. Older systems have no such
// throttling, and nothing happens there.
void KeepTimerResolutionWhileHidden();

// A one-shot waitable timer that sleeps to the fraction of a millisecond without a coarser
// system timer resolution (Windows 10 version 1803 on); null where Windows has none, or where
// the environment has QUORVEL_WITHOUT_HIGH_RESOLUTION_TIMER set.
HANDLE CreateHighResolutionTimer();

// The hot-key modifier that keeps a held key from repeating its hot-key message, where Windows
// knows it (7 on); 0 elsewhere, where registering with it would fail.
UINT NoRepeatModifier();

// The system's timer resolution (winmm's timeBeginPeriod and timeEndPeriod), with winmm taken
// from the system folder. Begin reports whether the resolution was granted; only a granted one
// is to be ended.
bool BeginTimerResolution(UINT milliseconds);
void EndTimerResolution(UINT milliseconds);

}  // namespace quorvel::win
