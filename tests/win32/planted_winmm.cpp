// A winmm.dll planted beside the tests, as a web page could drop one into a download folder. Its
// timer calls refuse, so that loading it shows in their result; wine, which runs its own winmm
// under the planted file's name, shows it in the module's path only.

#include <windows.h>

namespace {

constexpr UINT kCannotDo = 97;  // TIMERR_NOCANDO

}  // namespace

extern "C" __declspec(dllexport) UINT WINAPI timeBeginPeriod(UINT) { return kCannotDo; }
extern "C" __declspec(dllexport) UINT WINAPI timeEndPeriod(UINT) { return kCannotDo; }
