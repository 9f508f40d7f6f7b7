#include <windows.h>

#include "app/clicker_app.h"

namespace {

CClickerApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // The program runs elevated: never load a DLL planted beside it or in the current folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return theApp.Run(instance, commandLine);
}
