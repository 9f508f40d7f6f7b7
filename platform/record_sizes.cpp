// The x86 build hands these records to the system, which checks their sizes; pin them at
// compile time so that a header or packing change cannot slip through unnoticed. The tray
// record is sent with the size of its shorter layout, which ends before guidItem; the x64
// records are larger and are not pinned.

#include <windows.h>
// <shellapi.h> needs <windows.h> before it.
#include <shellapi.h>

static_assert(sizeof(void*) != 4 || sizeof(INPUT) == 28);
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V2_SIZE == 488);
static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60);
