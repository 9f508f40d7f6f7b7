#pragma once
// Every web address the program opens, and how a share address is formed from the product page.

#include <string>

namespace quorvel::ui {

inline constexpr char kProductPage[] = "https://www.quorvel.example/";
inline constexpr char kSupportPage[] = "https://www.quorvel.example/support/";

enum class ShareService { Facebook, GooglePlus, Twitter };

// The service's share address with the product page as a query value, as the services expect it.
std::string SharePageAddress(ShareService service);

}  // namespace quorvel::ui
