#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvel::test {

// Makes the web-page recorder the handler of http and https addresses for as long as it lives,
// so that every page the program opens lands in the recorder's log; the earlier handlers come
// back afterwards.
class BrowserStandIn {
public:
    explicit BrowserStandIn(const std::string& recorderPath);
    ~BrowserStandIn();
    BrowserStandIn(const BrowserStandIn&) = delete;
    BrowserStandIn& operator=(const BrowserStandIn&) = delete;

    // The addresses opened so far, oldest first, once at least `count` have arrived; what has
    // arrived when the time is up otherwise.
    std::vector<std::string> WaitForPages(size_t count, DWORD timeoutMs) const;
    // The process that started the browser, for each page opened so far.
    std::vector<DWORD> PageOpeners() const;

private:
    struct OpenedPage {
        DWORD opener;
        std::string address;
    };
    std::vector<OpenedPage> OpenedPages() const;

    struct Handler {
        HKEY root;
        std::string scheme;
        bool schemeKeyExisted;
        std::optional<std::string> earlierCommand;
    };

    std::string logPath_;
    std::vector<Handler> handlers_;
};

}  // namespace quorvel::test
