#include "platform/resources.h"

namespace quorvel::win {

HINSTANCE ResourceModule() { return GetModuleHandleA(nullptr); }

std::string LoadStringText(int id) {
    // LoadStringA truncates silently, so grow the buffer until the text fits with room to spare.
    std::string text(256, '\0');
    for (;;) {
        const int copied = LoadStringA(ResourceModule(), static_cast<UINT>(id), text.data(),
                                       static_cast<int>(text.size()));
        if (copied <= 0) return {};
        if (static_cast<std::size_t>(copied) < text.size() - 1) {
            text.resize(static_cast<std::size_t>(copied));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

HICON LoadIconResource(int id) { return LoadIconA(ResourceModule(), MAKEINTRESOURCEA(id)); }

UniqueMenu LoadMenuResource(int id) {
    return UniqueMenu(LoadMenuA(ResourceModule(), MAKEINTRESOURCEA(id)));
}

}  // namespace quorvel::win
