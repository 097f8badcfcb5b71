#pragma once
// Tables offered on the local network, found over DNS-SD where its library
// is installed: the join dialog's list. The news arrive on the discovery's
// own threads; `changed` is called there (without the list's lock held), so
// a window posts it on to the GUI thread.

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace VORDIX_IPC {
class CDnsSdLibrary;
class CServiceBrowser;
class CAddressResolver;
struct CService;
} // namespace VORDIX_IPC

struct FoundTable {
    std::wstring name;
    std::wstring host;    // empty until resolved
    int port = -1;        // -1 until resolved
    std::wstring address; // IPv4, dotted; empty until known

    // Where to connect: the address, else the host's name.
    const std::wstring& connectTo() const { return address.empty() ? host : address; }
};

class TABLE_DISCOVERY {
public:
    // The process-wide DNS-SD library unless a test gives another.
    explicit TABLE_DISCOVERY(VORDIX_IPC::CDnsSdLibrary* library = nullptr);
    ~TABLE_DISCOVERY();
    TABLE_DISCOVERY(const TABLE_DISCOVERY&) = delete;
    TABLE_DISCOVERY& operator=(const TABLE_DISCOVERY&) = delete;

    // Starts looking for "skat" tables; false where DNS-SD is missing.
    bool start(std::function<void()> changed);
    void stop();
    bool isRunning() const { return observerId_ > 0; }
    // In the order of their names.
    std::vector<FoundTable> tables() const;
    // Resolves the listed table to its host, port and address; `changed`
    // follows each time more is known.
    bool resolve(std::size_t index);

    class Observer;

private:
    void added(const VORDIX_IPC::CService& service, bool moreComing);
    void removed(const VORDIX_IPC::CService& service, bool moreComing);
    void reset();
    void notify();

    VORDIX_IPC::CDnsSdLibrary& library_;
    std::unique_ptr<Observer> observer_;
    std::unique_ptr<VORDIX_IPC::CServiceBrowser> browser_;
    std::unique_ptr<VORDIX_IPC::CAddressResolver> resolver_;
    int observerId_ = -1;
    std::function<void()> changed_;
    mutable std::mutex mutex_;
    std::vector<VORDIX_IPC::CService> found_;
};

// Hosted tables are advertised over DNS-SD from now on, where its library
// is installed; false where it is missing.
bool installTableAdvertising();
