#include <windows.h>

#include "app/clicker_app.h"
#include "platform/newer_windows.h"

namespace {

quorvel::app::CClickerApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    // The program runs elevated: never load a DLL planted beside it or in the current folder.
    quorvel::win::LoadDllsOnlyFromSystem();
    return theApp.Run(commandLine);
}
