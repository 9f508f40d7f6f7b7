#include "ui/web_links.h"

namespace quorvel::ui {

std::string SharePageAddress(ShareService service) {
    switch (service) {
    case ShareService::Facebook:
        return std::string("https://www.facebook.com/sharer.php?u=") + kProductPage;
    case ShareService::GooglePlus:
        return std::string("https://plus.google.com/_/+1/confirm?hl=en&url=") + kProductPage;
    case ShareService::Twitter:
        return std::string("https://twitter.com/share?url=") + kProductPage;
    }
    return kProductPage;
}

}  // namespace quorvel::ui
