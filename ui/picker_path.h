#pragma once
// Where the area picker lives: beside the program, as "Areapick.exe".

#include <string>

namespace quorvel::ui {

// Every "Quorvel.exe" in the program's path becomes "Areapick.exe". A program renamed so that its
// name lacks "Quorvel.exe" would find itself that way; it takes the picker from its own folder.
std::wstring AreaPickerPath(const std::wstring& programPath);

}  // namespace quorvel::ui
