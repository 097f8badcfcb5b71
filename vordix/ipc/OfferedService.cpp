#include "vordix/ipc/OfferedService.h"

#include <mutex>

namespace VORDIX_IPC {

namespace {
std::mutex& registrarMutex()
{
    static std::mutex mutex;
    return mutex;
}
std::shared_ptr<IServiceRegistrar>& registrarSlot()
{
    static std::shared_ptr<IServiceRegistrar> registrar;
    return registrar;
}
std::shared_ptr<IServiceRegistrar> currentRegistrar()
{
    std::lock_guard<std::mutex> lock(registrarMutex());
    return registrarSlot();
}
} // namespace

std::shared_ptr<IServiceRegistrar> installServiceRegistrar(std::shared_ptr<IServiceRegistrar> registrar)
{
    std::lock_guard<std::mutex> lock(registrarMutex());
    std::swap(registrar, registrarSlot());
    return registrar;
}

COfferedService::COfferedService(uint16_t port, std::wstring instanceName, std::wstring serviceType)
    : m_port(port)
    , m_instanceName(std::move(instanceName))
    , m_serviceType(std::move(serviceType))
{
}

COfferedService::~COfferedService() { withdraw(); }

bool COfferedService::registerService(uint16_t port)
{
    withdraw();
    auto registrar = currentRegistrar();
    if (!registrar)
        return false;
    m_registration = registrar->registerService(port, m_instanceName, m_serviceType);
    return m_registration != nullptr;
}

} // namespace VORDIX_IPC
