#include "vordix/ipc/DnsSd.h"

#include "vordix/Utf8.h"

#include <arpa/inet.h>
#include <dlfcn.h>

#include <atomic>
#include <cstdlib>

namespace VORDIX_IPC {

namespace {

using RegisterFn = int32_t (*)(CDnsSdLibrary::Ref*, uint32_t, uint32_t, const char*, const char*, const char*,
                               const char*, uint16_t, uint16_t, const void*, CDnsSdLibrary::RegisterReply, void*);
using BrowseFn = int32_t (*)(CDnsSdLibrary::Ref*, uint32_t, uint32_t, const char*, const char*,
                             CDnsSdLibrary::BrowseReply, void*);
using ResolveFn = int32_t (*)(CDnsSdLibrary::Ref*, uint32_t, uint32_t, const char*, const char*, const char*,
                              CDnsSdLibrary::ResolveReply, void*);
using QueryFn = int32_t (*)(CDnsSdLibrary::Ref*, uint32_t, uint32_t, const char*, uint16_t, uint16_t,
                            CDnsSdLibrary::QueryReply, void*);
using SockFdFn = int (*)(CDnsSdLibrary::Ref);
using ProcessFn = int32_t (*)(CDnsSdLibrary::Ref);
using DeallocateFn = void (*)(CDnsSdLibrary::Ref);

template <class Fn>
Fn as(void* symbol)
{
    return reinterpret_cast<Fn>(symbol);
}

std::atomic<int> observerCounter{0};

std::string text(const char* value) { return value ? value : ""; }

} // namespace

std::string registrationType(const std::wstring& serviceType)
{
    return "_" + vordix::toUtf8(serviceType.substr(0, 14)) + "._tcp.";
}

// ---------------------------------------------------------------- library

CDnsSdLibrary& CDnsSdLibrary::instance()
{
    static CDnsSdLibrary* library = [] {
        const char* chosen = std::getenv("SKAT_DNSSD_LIBRARY");
        return new CDnsSdLibrary(chosen && *chosen ? chosen : "libdns_sd.so.1");
    }();
    return *library;
}

CDnsSdLibrary::CDnsSdLibrary(const std::string& file)
{
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return;
    m_register = ::dlsym(handle, "DNSServiceRegister");
    m_browse = ::dlsym(handle, "DNSServiceBrowse");
    m_resolve = ::dlsym(handle, "DNSServiceResolve");
    m_sockFd = ::dlsym(handle, "DNSServiceRefSockFD");
    m_process = ::dlsym(handle, "DNSServiceProcessResult");
    m_deallocate = ::dlsym(handle, "DNSServiceRefDeallocate");
    if (!m_register || !m_browse || !m_resolve || !m_sockFd || !m_process || !m_deallocate) {
        ::dlclose(handle);
        m_register = m_browse = m_resolve = m_sockFd = m_process = m_deallocate = nullptr;
        return;
    }
    m_handle = handle;
    m_query = ::dlsym(handle, "DNSServiceQueryRecord");
}

CDnsSdLibrary::~CDnsSdLibrary()
{
    if (m_handle)
        ::dlclose(m_handle);
}

int32_t CDnsSdLibrary::registerService(Ref* ref, uint32_t flags, uint32_t interfaceIndex, const char* name,
                                       const char* regType, const char* domain, const char* host,
                                       uint16_t portInNetworkOrder, RegisterReply reply, void* context) const
{
    if (!m_handle)
        return SERVICE_NOT_RUNNING;
    return as<RegisterFn>(m_register)(ref, flags, interfaceIndex, name, regType, domain, host, portInNetworkOrder, 0,
                                      nullptr, reply, context);
}

int32_t CDnsSdLibrary::browse(Ref* ref, uint32_t flags, uint32_t interfaceIndex, const char* regType,
                              const char* domain, BrowseReply reply, void* context) const
{
    if (!m_handle)
        return SERVICE_NOT_RUNNING;
    return as<BrowseFn>(m_browse)(ref, flags, interfaceIndex, regType, domain, reply, context);
}

int32_t CDnsSdLibrary::resolve(Ref* ref, uint32_t flags, uint32_t interfaceIndex, const char* name, const char* regType,
                               const char* domain, ResolveReply reply, void* context) const
{
    if (!m_handle)
        return SERVICE_NOT_RUNNING;
    return as<ResolveFn>(m_resolve)(ref, flags, interfaceIndex, name, regType, domain, reply, context);
}

int32_t CDnsSdLibrary::queryRecord(Ref* ref, uint32_t flags, uint32_t interfaceIndex, const char* fullName,
                                   uint16_t recordType, uint16_t recordClass, QueryReply reply, void* context) const
{
    if (!m_handle || !m_query)
        return SERVICE_NOT_RUNNING;
    return as<QueryFn>(m_query)(ref, flags, interfaceIndex, fullName, recordType, recordClass, reply, context);
}

int CDnsSdLibrary::socketOf(Ref ref) const { return m_handle && ref ? as<SockFdFn>(m_sockFd)(ref) : -1; }

int32_t CDnsSdLibrary::processResult(Ref ref) const
{
    return m_handle && ref ? as<ProcessFn>(m_process)(ref) : SERVICE_NOT_RUNNING;
}

void CDnsSdLibrary::deallocate(Ref ref) const
{
    if (m_handle && ref)
        as<DeallocateFn>(m_deallocate)(ref);
}

// ---------------------------------------------------------------- registering

namespace {

// One registration: its reference and the select thread that processes it.
struct Registration {
    CDnsSdLibrary& library;
    CDnsSdLibrary::Ref ref = nullptr;
    CSocketSelectThread thread;

    explicit Registration(CDnsSdLibrary& lib) : library(lib) { }
    ~Registration()
    {
        thread.stop();
        library.deallocate(ref);
    }
};

void ignoreRegisterReply(CDnsSdLibrary::Ref, uint32_t, int32_t, const char*, const char*, const char*, void*) { }

} // namespace

std::shared_ptr<void> CDnsSdRegistrar::registerService(uint16_t port, const std::wstring& instanceName,
                                                       const std::wstring& serviceType)
{
    auto registration = std::make_shared<Registration>(m_library);
    const std::string name = vordix::toUtf8(instanceName);
    const std::string type = registrationType(serviceType);
    if (m_library.registerService(&registration->ref, 0, 0, name.empty() ? nullptr : name.c_str(), type.c_str(),
                                  nullptr, nullptr, htons(port), ignoreRegisterReply, nullptr)
            != 0
        || !registration->ref) {
        registration->ref = nullptr;
        return nullptr;
    }
    CDnsSdLibrary& library = m_library;
    const CDnsSdLibrary::Ref ref = registration->ref;
    if (!registration->thread.start(library.socketOf(ref), [&library, ref] { library.processResult(ref); }))
        return nullptr;
    return registration;
}

// ---------------------------------------------------------------- browsing

CServiceBrowser::CServiceBrowser(CDnsSdLibrary& library, std::wstring instanceName, const std::wstring& serviceType)
    : m_library(library)
    , m_instanceName(std::move(instanceName))
    , m_regType(registrationType(serviceType))
{
}

CServiceBrowser::~CServiceBrowser()
{
    std::lock_guard startStop(m_startStop);
    {
        std::lock_guard lock(m_mutex);
        m_observers.clear();
    }
    stopBrowsing();
}

int CServiceBrowser::addObserver(IObserver* observer)
{
    if (!observer)
        return -1;
    std::lock_guard startStop(m_startStop);
    // The library is called without the list's lock: it holds a lock of its
    // own while it delivers news, and the news take the list's lock.
    if (!m_ref) {
        CDnsSdLibrary::Ref ref = nullptr;
        if (m_library.browse(&ref, 0, 0, m_regType.c_str(), nullptr, &CServiceBrowser::onBrowse, this) != 0 || !ref)
            return -1;
        {
            std::lock_guard lock(m_mutex);
            m_ref = ref;
        }
        CDnsSdLibrary& library = m_library;
        if (!m_thread.start(library.socketOf(ref), [&library, ref] { library.processResult(ref); })) {
            {
                std::lock_guard lock(m_mutex);
                m_ref = nullptr;
            }
            library.deallocate(ref);
            return -1;
        }
    }
    std::lock_guard lock(m_mutex);
    const int id = ++observerCounter;
    m_observers[id] = observer;
    observer->resetServices();
    for (std::size_t i = 0; i < m_known.size(); ++i)
        observer->serviceAdded(i + 1 < m_known.size(), m_known[i]);
    return id;
}

void CServiceBrowser::removeObserver(int observerId)
{
    std::lock_guard startStop(m_startStop);
    {
        std::lock_guard lock(m_mutex);
        m_observers.erase(observerId);
        if (!m_observers.empty())
            return;
    }
    stopBrowsing();
}

void CServiceBrowser::stopBrowsing()
{
    CDnsSdLibrary::Ref stopped = nullptr;
    {
        std::lock_guard lock(m_mutex);
        stopped = m_ref;
        m_ref = nullptr;
        m_known.clear();
    }
    if (!stopped)
        return;
    // Outside the list's lock: the select thread may be waiting for it in a callback.
    m_thread.stop();
    m_library.deallocate(stopped);
}

void CServiceBrowser::onBrowse(CDnsSdLibrary::Ref ref, uint32_t flags, uint32_t interfaceIndex, int32_t error,
                               const char* name, const char* regType, const char* domain, void* context)
{
    auto* browser = static_cast<CServiceBrowser*>(context);
    if (error != 0 || !browser)
        return;
    std::lock_guard lock(browser->m_mutex);
    // News of a browse that has just been stopped would stay in the list.
    if (ref != browser->m_ref)
        return;
    CService service;
    service.name = vordix::fromUtf8(text(name));
    service.regType = text(regType);
    service.domain = vordix::fromUtf8(text(domain));
    service.interfaceIndex = interfaceIndex;
    if (!browser->m_instanceName.empty() && service.name != browser->m_instanceName)
        return;
    // Libraries differ in the final dot of the type.
    const auto bare = [](std::string type) {
        while (!type.empty() && type.back() == '.')
            type.pop_back();
        return type;
    };
    if (bare(service.regType) != bare(browser->m_regType))
        return;
    const bool added = (flags & CDnsSdLibrary::FLAG_ADD) != 0;
    const bool more = (flags & CDnsSdLibrary::FLAG_MORE_COMING) != 0;
    auto& known = browser->m_known;
    std::erase_if(known, [&](const CService& listed) { return listed.sameAs(service); });
    if (added)
        known.push_back(service);
    for (auto& [id, observer] : browser->m_observers) {
        if (added)
            observer->serviceAdded(more, service);
        else
            observer->serviceRemoved(more, service);
    }
}

// ---------------------------------------------------------------- resolving

// The library is called without the resolver's lock: it holds a lock of
// its own while it delivers results, and the results take the resolver's.
bool CAddressResolver::resolve(const CService& service, Completion completion)
{
    cancel();
    {
        std::lock_guard lock(m_mutex);
        m_service = service;
        m_service.address.clear(); // asked anew
        m_completion = std::move(completion);
    }
    const std::string name = vordix::toUtf8(service.name);
    const std::string domain = vordix::toUtf8(service.domain);
    CDnsSdLibrary::Ref ref = nullptr;
    if (m_library.resolve(&ref, 0, service.interfaceIndex, name.c_str(), service.regType.c_str(),
                          domain.empty() ? "local." : domain.c_str(), &CAddressResolver::onResolve, this)
            != 0
        || !ref) {
        cancel();
        return false;
    }
    {
        std::lock_guard lock(m_mutex);
        m_ref = ref;
    }
    CDnsSdLibrary& library = m_library;
    if (!m_thread.start(library.socketOf(ref), [&library, ref] { library.processResult(ref); })) {
        cancel();
        return false;
    }
    return true;
}

void CAddressResolver::cancel()
{
    // The resolve thread first: its callback starts the address query.
    m_thread.stop();
    m_queryThread.stop();
    CDnsSdLibrary::Ref resolving = nullptr, querying = nullptr;
    {
        std::lock_guard lock(m_mutex);
        std::swap(resolving, m_ref);
        std::swap(querying, m_queryRef);
        m_completion = nullptr;
    }
    m_library.deallocate(resolving);
    m_library.deallocate(querying);
}

// On the resolve thread, without the resolver's lock.
void CAddressResolver::queryAddress(const std::string& hostTarget)
{
    if (hostTarget.empty() || !m_library.canQueryRecords())
        return;
    CDnsSdLibrary::Ref ref = nullptr;
    if (m_library.queryRecord(&ref, 0, m_service.interfaceIndex, hostTarget.c_str(), CDnsSdLibrary::RECORD_TYPE_A,
                              CDnsSdLibrary::RECORD_CLASS_IN, &CAddressResolver::onAddress, this)
            != 0
        || !ref)
        return;
    bool keep;
    {
        std::lock_guard lock(m_mutex);
        keep = !m_queryRef && m_completion;
        if (keep)
            m_queryRef = ref;
    }
    if (!keep) {
        m_library.deallocate(ref);
        return;
    }
    // Should the thread not start, cancel() deallocates the reference.
    CDnsSdLibrary& library = m_library;
    m_queryThread.start(library.socketOf(ref), [&library, ref] { library.processResult(ref); });
}

void CAddressResolver::onResolve(CDnsSdLibrary::Ref, uint32_t, uint32_t, int32_t error, const char*,
                                 const char* hostTarget, uint16_t port, uint16_t, const unsigned char*, void* context)
{
    auto* resolver = static_cast<CAddressResolver*>(context);
    if (!resolver)
        return;
    bool ask = false;
    {
        std::lock_guard lock(resolver->m_mutex);
        if (!resolver->m_completion)
            return;
        if (error == 0) {
            resolver->m_service.host = vordix::fromUtf8(text(hostTarget));
            resolver->m_service.port = ntohs(port);
        }
        resolver->m_completion(error == 0, resolver->m_service);
        ask = error == 0 && !resolver->m_queryRef;
    }
    if (ask)
        resolver->queryAddress(text(hostTarget));
}

void CAddressResolver::onAddress(CDnsSdLibrary::Ref, uint32_t flags, uint32_t, int32_t error, const char*,
                                 uint16_t recordType, uint16_t recordClass, uint16_t dataLength, const void* data,
                                 uint32_t, void* context)
{
    auto* resolver = static_cast<CAddressResolver*>(context);
    if (!resolver || error != 0 || !(flags & CDnsSdLibrary::FLAG_ADD) || recordType != CDnsSdLibrary::RECORD_TYPE_A
        || recordClass != CDnsSdLibrary::RECORD_CLASS_IN || dataLength != 4 || !data)
        return;
    char dotted[INET_ADDRSTRLEN] = {};
    if (!::inet_ntop(AF_INET, data, dotted, sizeof dotted))
        return;
    std::lock_guard lock(resolver->m_mutex);
    if (!resolver->m_completion || resolver->m_service.address == vordix::fromUtf8(dotted))
        return;
    resolver->m_service.address = vordix::fromUtf8(dotted);
    resolver->m_completion(true, resolver->m_service);
}

} // namespace VORDIX_IPC
