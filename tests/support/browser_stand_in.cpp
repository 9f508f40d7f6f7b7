#include "tests/support/browser_stand_in.h"

#include "tests/support/wait.h"

#include <fstream>
#include <string>

namespace quorvel::test {

namespace {

// Windows looks for the user's own handler first; wine reads only the machine's classes.
const HKEY kClassRoots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

std::string SchemeKey(const std::string& scheme) { return "Software\\Classes\\" + scheme; }

std::string CommandKey(const std::string& scheme) {
    return SchemeKey(scheme) + "\\shell\\open\\command";
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::string> ReadCommand(HKEY root, const std::string& scheme) {
    char text[1024] = {};
    DWORD size = sizeof(text);
    if (RegGetValueA(root, CommandKey(scheme).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(text);
}

void WriteCommand(HKEY root, const std::string& scheme, const std::string& command) {
    RegSetKeyValueA(root, CommandKey(scheme).c_str(), nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>(command.size() + 1));
}

}  // namespace

BrowserStandIn::BrowserStandIn(const std::string& recorderPath)
    : logPath_(recorderPath.substr(0, recorderPath.find_last_of("\\/") + 1) + "web_pages.log") {
    DeleteFileA(logPath_.c_str());  // absent already when no earlier run left one
    for (HKEY root : kClassRoots) {
        for (const char* scheme : {"http", "https"}) {
            handlers_.push_back(
                {root, scheme, KeyExists(root, SchemeKey(scheme)), ReadCommand(root, scheme)});
            WriteCommand(root, scheme, "\"" + recorderPath + "\" \"%1\"");
        }
    }
}

BrowserStandIn::~BrowserStandIn() {
    for (const Handler& handler : handlers_) {
        if (handler.earlierCommand) {
            WriteCommand(handler.root, handler.scheme, *handler.earlierCommand);
        } else if (handler.schemeKeyExisted) {
            RegDeleteKeyValueA(handler.root, CommandKey(handler.scheme).c_str(), nullptr);
        } else {
            RegDeleteTreeA(handler.root, SchemeKey(handler.scheme).c_str());
        }
    }
    DeleteFileA(logPath_.c_str());
}

std::vector<BrowserStandIn::OpenedPage> BrowserStandIn::OpenedPages() const {
    std::vector<OpenedPage> pages;
    std::ifstream file(logPath_);
    for (std::string line; std::getline(file, line);) {
        if (file.eof()) break;  // a line still being written has no line end yet
        const size_t blank = line.find(' ');
        pages.push_back(
            {static_cast<DWORD>(std::stoul(line.substr(0, blank))), line.substr(blank + 1)});
    }
    return pages;
}

std::vector<std::string> BrowserStandIn::WaitForPages(size_t count, DWORD timeoutMs) const {
    std::vector<OpenedPage> pages;
    WaitUntil([&] { return (pages = OpenedPages()).size() >= count; }, timeoutMs);
    std::vector<std::string> addresses;
    for (const OpenedPage& page : pages) addresses.push_back(page.address);
    return addresses;
}

std::vector<DWORD> BrowserStandIn::PageOpeners() const {
    std::vector<DWORD> openers;
    for (const OpenedPage& page : OpenedPages()) openers.push_back(page.opener);
    return openers;
}

}  // namespace quorvel::test
