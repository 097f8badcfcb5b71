// A stand-in for the DNS-SD client library: the operations the program
// binds, over one in-process registry; every service lives on the host
// "stubhost.local.", whose address is 127.0.0.1. Every reference has a pipe that turns
// readable while results wait; processing a result delivers them. A few
// extra functions let tests see what a registration was given.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace {

using RegisterReply = void (*)(void*, uint32_t, int32_t, const char*, const char*, const char*, void*);
using BrowseReply = void (*)(void*, uint32_t, uint32_t, int32_t, const char*, const char*, const char*, void*);
using ResolveReply = void (*)(void*, uint32_t, uint32_t, int32_t, const char*, const char*, uint16_t, uint16_t,
                              const unsigned char*, void*);
using QueryReply = void (*)(void*, uint32_t, uint32_t, int32_t, const char*, uint16_t, uint16_t, uint16_t, const void*,
                            uint32_t, void*);

const char* const STUB_HOST = "stubhost.local.";

struct Ref {
    enum Kind { REGISTER, BROWSE, RESOLVE, QUERY } kind;
    int pipe[2] = {-1, -1};
    std::string name, regType, domain;
    uint16_t port = 0; // network order
    void* callback = nullptr;
    void* context = nullptr;
    std::deque<std::function<void()>> pending;
};

std::recursive_mutex mutex;
std::vector<Ref*> refs;
uint32_t lastFlags = 0xFFFFFFFF;
bool lastNameWasNull = false;
uint16_t lastPort = 0;

void wake(Ref* ref)
{
    const char byte = 1;
    (void)!::write(ref->pipe[1], &byte, 1);
}

void announce(Ref* browser, Ref* service, bool add, bool more)
{
    const std::string name = service->name, type = service->regType, domain = "local.";
    const auto reply = reinterpret_cast<BrowseReply>(browser->callback);
    void* context = browser->context;
    browser->pending.push_back([=] {
        reply(browser, (add ? 0x2u : 0u) | (more ? 0x1u : 0u), 1, 0, name.c_str(), type.c_str(), domain.c_str(),
              context);
    });
    wake(browser);
}

Ref* newRef(Ref::Kind kind)
{
    auto* ref = new Ref{kind};
    if (::pipe(ref->pipe) != 0) {
        delete ref;
        return nullptr;
    }
    refs.push_back(ref);
    return ref;
}

} // namespace

extern "C" {

int32_t DNSServiceRegister(void** sdRef, uint32_t flags, uint32_t, const char* name, const char* regType,
                           const char* domain, const char*, uint16_t port, uint16_t, const void*, RegisterReply reply,
                           void* context)
{
    std::lock_guard lock(mutex);
    lastFlags = flags;
    lastNameWasNull = name == nullptr;
    lastPort = port;
    if (std::getenv("STUB_DNSSD_REFUSE"))
        return -65537;
    Ref* ref = newRef(Ref::REGISTER);
    if (!ref)
        return -65537;
    ref->name = name ? name : "stubhost";
    ref->regType = regType ? regType : "";
    ref->domain = domain ? domain : "";
    ref->port = port;
    ref->callback = reinterpret_cast<void*>(reply);
    ref->context = context;
    for (Ref* browser : refs)
        if (browser->kind == Ref::BROWSE && browser->regType == ref->regType)
            announce(browser, ref, true, false);
    *sdRef = ref;
    return 0;
}

int32_t DNSServiceBrowse(void** sdRef, uint32_t, uint32_t, const char* regType, const char*, BrowseReply reply,
                         void* context)
{
    std::lock_guard lock(mutex);
    Ref* ref = newRef(Ref::BROWSE);
    if (!ref)
        return -65537;
    ref->regType = regType ? regType : "";
    ref->callback = reinterpret_cast<void*>(reply);
    ref->context = context;
    std::vector<Ref*> matching;
    for (Ref* service : refs)
        if (service->kind == Ref::REGISTER && service->regType == ref->regType)
            matching.push_back(service);
    for (std::size_t i = 0; i < matching.size(); ++i)
        announce(ref, matching[i], true, i + 1 < matching.size());
    *sdRef = ref;
    return 0;
}

int32_t DNSServiceResolve(void** sdRef, uint32_t, uint32_t, const char* name, const char* regType, const char*,
                          ResolveReply reply, void* context)
{
    std::lock_guard lock(mutex);
    Ref* ref = newRef(Ref::RESOLVE);
    if (!ref)
        return -65537;
    const std::string wanted = name ? name : "", type = regType ? regType : "";
    Ref* found = nullptr;
    for (Ref* service : refs)
        if (service->kind == Ref::REGISTER && service->name == wanted && service->regType == type)
            found = service;
    const uint16_t port = found ? found->port : 0;
    ref->pending.push_back([=] {
        reply(ref, 0, 1, found ? 0 : -65554, (wanted + "." + type + "local.").c_str(), STUB_HOST, port, 0, nullptr,
              context);
    });
    wake(ref);
    *sdRef = ref;
    return 0;
}

// Only the stub host's IPv4 address is known.
int32_t DNSServiceQueryRecord(void** sdRef, uint32_t, uint32_t, const char* fullName, uint16_t type, uint16_t rrClass,
                              QueryReply reply, void* context)
{
    std::lock_guard lock(mutex);
    Ref* ref = newRef(Ref::QUERY);
    if (!ref)
        return -65537;
    if (fullName && std::string(fullName) == STUB_HOST && type == 1 && rrClass == 1) {
        ref->pending.push_back([=] {
            static const unsigned char loopback[4] = {127, 0, 0, 1};
            reply(ref, 0x2, 1, 0, STUB_HOST, 1, 1, 4, loopback, 120, context);
        });
        wake(ref);
    }
    *sdRef = ref;
    return 0;
}

int DNSServiceRefSockFD(void* sdRef) { return sdRef ? static_cast<Ref*>(sdRef)->pipe[0] : -1; }

int32_t DNSServiceProcessResult(void* sdRef)
{
    auto* ref = static_cast<Ref*>(sdRef);
    char byte;
    if (::read(ref->pipe[0], &byte, 1) != 1)
        return -65537;
    std::function<void()> next;
    {
        std::lock_guard lock(mutex);
        if (ref->pending.empty())
            return 0;
        next = std::move(ref->pending.front());
        ref->pending.pop_front();
    }
    next();
    return 0;
}

void DNSServiceRefDeallocate(void* sdRef)
{
    std::lock_guard lock(mutex);
    auto* ref = static_cast<Ref*>(sdRef);
    refs.erase(std::remove(refs.begin(), refs.end(), ref), refs.end());
    if (ref->kind == Ref::REGISTER)
        for (Ref* browser : refs)
            if (browser->kind == Ref::BROWSE && browser->regType == ref->regType)
                announce(browser, ref, false, false);
    ::close(ref->pipe[0]);
    ::close(ref->pipe[1]);
    delete ref;
}

// What the last registration was given.
uint32_t stub_last_register_flags() { return lastFlags; }
int stub_last_register_name_was_null() { return lastNameWasNull ? 1 : 0; }
uint16_t stub_last_register_port() { return lastPort; }
}
