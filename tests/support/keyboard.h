#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quorvel::test {

// Types a combination through the system's input queue, as a person's keyboard would: Ctrl,
// Shift and Alt as the MOD_ flags name them, then the key, released in reverse order. A key
// held down repeats its key-down: keyDowns of them come before its key-up. False when the
// system did not take every event (input blocked, or a desktop that refuses it).
bool PressCombination(UINT modifiers, WORD virtualKey, int keyDowns = 1);

// The events PressCombination sends, and their sending, for a caller that times the press alone:
// the first look-up of a key's scan code can take tens of milliseconds under wine.
std::vector<INPUT> CombinationEvents(UINT modifiers, WORD virtualKey, int keyDowns = 1);
bool SendEvents(std::vector<INPUT>& events);

// The keyboard layout's name of a key without the extended flag.
std::string KeyName(WORD virtualKey);

// A combination in the layout's names: Ctrl, Shift, Alt, then the key, joined by " + ".
std::string CombinationText(UINT modifiers, WORD virtualKey);

}  // namespace quorvel::test
