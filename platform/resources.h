#pragma once
// Strings, icons and menus from the program's own resources.

#include <windows.h>

#include <string>

#include "platform/handles.h"

namespace quorvel::win {

HINSTANCE ResourceModule();  // the executable, which carries every resource

std::string LoadStringText(int id);  // empty when the string does not exist
HICON LoadIconResource(int id);      // shared by the system: never destroyed
UniqueMenu LoadMenuResource(int id);

}  // namespace quorvel::win
