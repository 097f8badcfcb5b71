#pragma once
// Service discovery over DNS-SD through the dns_sd client library, loaded
// at run time ("libdns_sd.so.1", Avahi's compatibility library, or the file
// named by SKAT_DNSSD_LIBRARY). Without the library every operation fails
// and the program joins tables by their typed address only. Each DNS-SD
// reference gets a select thread that lets the library process its results,
// so all callbacks run on those threads.
//
// A resolved service names its host ("name.local."); whether the system's
// resolver knows such names depends on an extra module (nss-mdns), so the
// resolver also asks DNS-SD for the host's IPv4 address and connections go
// to that address.

#include "vordix/ipc/OfferedService.h"
#include "vordix/ipc/SocketSelectThread.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace VORDIX_IPC {

// "_" + the first 14 characters of the service type + "._tcp.".
std::string registrationType(const std::wstring& serviceType);

// A service as a value: found by browsing, completed by resolving.
struct CService {
    std::wstring name;
    std::string regType;
    std::wstring domain;
    std::wstring host;    // after resolving
    int port = -1;        // after resolving
    std::wstring address; // the host's IPv4 address, dotted; after resolving when known
    uint32_t interfaceIndex = 0;

    // The same announcement (name, type, domain and interface).
    bool sameAs(const CService& other) const
    {
        return name == other.name && regType == other.regType && domain == other.domain
               && interfaceIndex == other.interfaceIndex;
    }
};

class IObserver {
public:
    virtual ~IObserver() = default;
    virtual void serviceAdded(bool moreComing, const CService& service) = 0;
    virtual void serviceRemoved(bool moreComing, const CService& service) = 0;
    virtual void resetServices() = 0;
};

// The six operations of the library, bound by name when it is loaded.
class CDnsSdLibrary {
public:
    using Ref = void*;
    using RegisterReply = void (*)(Ref, uint32_t flags, int32_t error, const char* name, const char* regType,
                                   const char* domain, void* context);
    using BrowseReply = void (*)(Ref, uint32_t flags, uint32_t interfaceIndex, int32_t error, const char* name,
                                 const char* regType, const char* domain, void* context);
    using ResolveReply = void (*)(Ref, uint32_t flags, uint32_t interfaceIndex, int32_t error, const char* fullName,
                                  const char* hostTarget, uint16_t portInNetworkOrder, uint16_t txtLength,
                                  const unsigned char* txt, void* context);
    using QueryReply = void (*)(Ref, uint32_t flags, uint32_t interfaceIndex, int32_t error, const char* fullName,
                                uint16_t recordType, uint16_t recordClass, uint16_t dataLength, const void* data,
                                uint32_t ttl, void* context);

    static constexpr int32_t SERVICE_NOT_RUNNING = -65563;
    static constexpr uint32_t FLAG_MORE_COMING = 0x1, FLAG_ADD = 0x2;
    static constexpr uint16_t RECORD_TYPE_A = 1, RECORD_CLASS_IN = 1;

    // The process-wide library (loaded on first use).
    static CDnsSdLibrary& instance();
    // A library from a file (tests load a stub).
    explicit CDnsSdLibrary(const std::string& file);
    ~CDnsSdLibrary();
    CDnsSdLibrary(const CDnsSdLibrary&) = delete;
    CDnsSdLibrary& operator=(const CDnsSdLibrary&) = delete;

    bool isLoaded() const { return m_handle != nullptr; }
    // Record queries are optional: without them a host is known by name only.
    bool canQueryRecords() const { return m_query != nullptr; }

    int32_t registerService(Ref* ref, uint32_t flags, uint32_t interfaceIndex, const char* name, const char* regType,
                            const char* domain, const char* host, uint16_t portInNetworkOrder, RegisterReply reply,
                            void* context) const;
    int32_t browse(Ref* ref, uint32_t flags, uint32_t interfaceIndex, const char* regType, const char* domain,
                   BrowseReply reply, void* context) const;
    int32_t resolve(Ref* ref, uint32_t flags, uint32_t interfaceIndex, const char* name, const char* regType,
                    const char* domain, ResolveReply reply, void* context) const;
    int32_t queryRecord(Ref* ref, uint32_t flags, uint32_t interfaceIndex, const char* fullName, uint16_t recordType,
                        uint16_t recordClass, QueryReply reply, void* context) const;
    int socketOf(Ref ref) const;
    int32_t processResult(Ref ref) const;
    void deallocate(Ref ref) const;

private:
    void* m_handle = nullptr;
    void* m_register = nullptr;
    void* m_browse = nullptr;
    void* m_resolve = nullptr;
    void* m_query = nullptr;
    void* m_sockFd = nullptr;
    void* m_process = nullptr;
    void* m_deallocate = nullptr;
};

// Advertises offered services through the library (flags 0, the computer's
// name when no instance name is given, the port in network byte order).
class CDnsSdRegistrar : public IServiceRegistrar {
public:
    explicit CDnsSdRegistrar(CDnsSdLibrary& library) : m_library(library) { }
    std::shared_ptr<void> registerService(uint16_t port, const std::wstring& instanceName,
                                          const std::wstring& serviceType) override;

private:
    CDnsSdLibrary& m_library;
};

class CServiceBrowser {
public:
    CServiceBrowser(CDnsSdLibrary& library, std::wstring instanceName, const std::wstring& serviceType);
    ~CServiceBrowser();
    CServiceBrowser(const CServiceBrowser&) = delete;
    CServiceBrowser& operator=(const CServiceBrowser&) = delete;

    // Starts browsing with the first observer; the observer gets
    // resetServices and then the services known so far. -1 when browsing
    // does not start. Observers are called with the browser's lock held:
    // they must not add or remove observers from inside a call.
    int addObserver(IObserver* observer);
    // Browsing stops with the last observer. Once this returns the observer
    // is called no more and may be destroyed, even while news keep coming.
    void removeObserver(int observerId);

private:
    static void onBrowse(CDnsSdLibrary::Ref, uint32_t flags, uint32_t interfaceIndex, int32_t error, const char* name,
                         const char* regType, const char* domain, void* context);
    void stopBrowsing(); // m_startStop held

    CDnsSdLibrary& m_library;
    std::wstring m_instanceName;
    std::string m_regType;
    // Held while browsing starts or stops, so that a new first observer
    // never starts the select thread while a removal still stops it. Never
    // taken by the select thread.
    std::mutex m_startStop;
    std::mutex m_mutex;
    CDnsSdLibrary::Ref m_ref = nullptr;
    CSocketSelectThread m_thread;
    std::map<int, IObserver*> m_observers;
    std::vector<CService> m_known;
};

class CAddressResolver {
public:
    using Completion = std::function<void(bool ok, const CService& service)>;
    explicit CAddressResolver(CDnsSdLibrary& library) : m_library(library) { }
    ~CAddressResolver() { cancel(); }
    CAddressResolver(const CAddressResolver&) = delete;
    CAddressResolver& operator=(const CAddressResolver&) = delete;

    // Resolves the service's host name and port, then its IPv4 address
    // where the library answers record queries. The completion runs on a
    // select thread, once with host and port and again when the address
    // arrives. False when resolving does not start.
    bool resolve(const CService& service, Completion completion);
    void cancel();

private:
    static void onResolve(CDnsSdLibrary::Ref, uint32_t flags, uint32_t interfaceIndex, int32_t error,
                          const char* fullName, const char* hostTarget, uint16_t port, uint16_t txtLength,
                          const unsigned char* txt, void* context);
    static void onAddress(CDnsSdLibrary::Ref, uint32_t flags, uint32_t interfaceIndex, int32_t error,
                          const char* fullName, uint16_t recordType, uint16_t recordClass, uint16_t dataLength,
                          const void* data, uint32_t ttl, void* context);
    void queryAddress(const std::string& hostTarget); // on the resolve thread, unlocked

    CDnsSdLibrary& m_library;
    std::mutex m_mutex;
    CDnsSdLibrary::Ref m_ref = nullptr;
    CDnsSdLibrary::Ref m_queryRef = nullptr;
    CSocketSelectThread m_thread;
    CSocketSelectThread m_queryThread;
    CService m_service;
    Completion m_completion;
};

} // namespace VORDIX_IPC
