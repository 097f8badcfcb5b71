#include "skat/net/TableDiscovery.h"

#include "vordix/ipc/DnsSd.h"

#include <algorithm>
#include <optional>

using VORDIX_IPC::CService;

class TABLE_DISCOVERY::Observer : public VORDIX_IPC::IObserver {
public:
    explicit Observer(TABLE_DISCOVERY& owner) : owner_(owner) { }
    void serviceAdded(bool moreComing, const CService& service) override { owner_.added(service, moreComing); }
    void serviceRemoved(bool moreComing, const CService& service) override { owner_.removed(service, moreComing); }
    void resetServices() override { owner_.reset(); }

private:
    TABLE_DISCOVERY& owner_;
};

TABLE_DISCOVERY::TABLE_DISCOVERY(VORDIX_IPC::CDnsSdLibrary* library)
    : library_(library ? *library : VORDIX_IPC::CDnsSdLibrary::instance())
    , observer_(std::make_unique<Observer>(*this))
{
}

TABLE_DISCOVERY::~TABLE_DISCOVERY() { stop(); }

bool TABLE_DISCOVERY::start(std::function<void()> changed)
{
    if (isRunning())
        return true;
    if (!library_.isLoaded())
        return false;
    changed_ = std::move(changed);
    if (!browser_)
        browser_ = std::make_unique<VORDIX_IPC::CServiceBrowser>(library_, L"", L"skat");
    // Outside the list's lock: the browser tells the known tables at once.
    observerId_ = browser_->addObserver(observer_.get());
    return observerId_ > 0;
}

void TABLE_DISCOVERY::stop()
{
    if (resolver_)
        resolver_->cancel();
    if (browser_ && observerId_ > 0)
        browser_->removeObserver(observerId_);
    observerId_ = -1;
}

std::vector<FoundTable> TABLE_DISCOVERY::tables() const
{
    std::lock_guard lock(mutex_);
    std::vector<FoundTable> tables;
    for (const CService& service : found_)
        tables.push_back(FoundTable{service.name, service.host, service.port, service.address});
    return tables;
}

bool TABLE_DISCOVERY::resolve(std::size_t index)
{
    std::optional<CService> chosen;
    {
        std::lock_guard lock(mutex_);
        if (index < found_.size())
            chosen = found_[index];
    }
    if (!chosen || !isRunning())
        return false;
    if (!resolver_)
        resolver_ = std::make_unique<VORDIX_IPC::CAddressResolver>(library_);
    // Outside the list's lock: the completion takes it.
    return resolver_->resolve(*chosen, [this](bool ok, const CService& at) {
        if (!ok)
            return;
        {
            std::lock_guard lock(mutex_);
            for (CService& listed : found_)
                if (listed.sameAs(at)) {
                    listed.host = at.host;
                    listed.port = at.port;
                    listed.address = at.address;
                }
        }
        notify();
    });
}

void TABLE_DISCOVERY::added(const CService& service, bool moreComing)
{
    {
        std::lock_guard lock(mutex_);
        // In the order of their names, as the dialog's list shows them, so
        // that a row's number is the table's index.
        if (std::none_of(found_.begin(), found_.end(), [&](const CService& l) { return l.sameAs(service); }))
            found_.insert(std::upper_bound(found_.begin(), found_.end(), service,
                                           [](const CService& a, const CService& b) { return a.name < b.name; }),
                          service);
    }
    if (!moreComing)
        notify();
}

void TABLE_DISCOVERY::removed(const CService& service, bool moreComing)
{
    {
        std::lock_guard lock(mutex_);
        std::erase_if(found_, [&](const CService& l) { return l.sameAs(service); });
    }
    if (!moreComing)
        notify();
}

void TABLE_DISCOVERY::reset()
{
    {
        std::lock_guard lock(mutex_);
        found_.clear();
    }
    notify();
}

void TABLE_DISCOVERY::notify()
{
    if (changed_)
        changed_();
}

bool installTableAdvertising()
{
    VORDIX_IPC::CDnsSdLibrary& library = VORDIX_IPC::CDnsSdLibrary::instance();
    if (!library.isLoaded())
        return false;
    VORDIX_IPC::installServiceRegistrar(std::make_shared<VORDIX_IPC::CDnsSdRegistrar>(library));
    return true;
}
