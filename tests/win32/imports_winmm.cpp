// Asks for a timer resolution through winmm's import, and is never run: only its imports count.

#include <windows.h>

#include <timeapi.h>

int main() { return static_cast<int>(timeBeginPeriod(1)); }
