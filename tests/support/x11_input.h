#pragma once

#include <string>

namespace quorvel::test {

// Real input of the X server below wine, which wine hands on as a person's (not injected), made
// by xdotool with the given commands (one run may chain several: "mousedown 2"). Returns at once,
// and wine gives no way to wait for the run: callers wait for what the input does, and put what
// must happen in order into one run. X11 input reaches wine only where a wine window is under
// the pointer or has the focus. False when xdotool could not be started.
bool X11Input(const std::string& commands);

}  // namespace quorvel::test
