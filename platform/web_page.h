#pragma once
// Web pages, opened in the user's default browser.

#include <string>

namespace quorvel::win {

// Opens the address maximised. A page that cannot be opened is not reported.
void OpenWebPage(const std::string& address);

}  // namespace quorvel::win
