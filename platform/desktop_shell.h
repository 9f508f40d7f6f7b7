#pragma once
// The desktop's own shell, which runs at the user's own level even when this program does not.

#include <string>

namespace quorvel::win {

// Has the desktop's shell open the file or address with the verb, in the desktop's process:
// what starts comes from the user's own settings, at the user's own level. False when no
// desktop shell answers (a system without Explorer, say).
bool ShellExecuteOnDesktop(const std::wstring& file, const std::wstring& verb, int show);

}  // namespace quorvel::win
