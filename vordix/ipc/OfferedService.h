#pragma once
// The one service a serving program offers: its port, instance name and
// service type, advertised on the local network by an installed registrar
// (DNS-SD). Without a registrar the advertisement fails and the server
// keeps listening.

#include <cstdint>
#include <memory>
#include <string>

namespace VORDIX_IPC {

class IServiceRegistrar {
public:
    virtual ~IServiceRegistrar() = default;
    // Advertises the service; the returned object withdraws it when it is
    // destroyed. Null when the service could not be registered.
    virtual std::shared_ptr<void> registerService(uint16_t port, const std::wstring& instanceName,
                                                  const std::wstring& serviceType) = 0;
};

// Installs the process-wide registrar (null removes it); returns the previous one.
std::shared_ptr<IServiceRegistrar> installServiceRegistrar(std::shared_ptr<IServiceRegistrar> registrar);

class COfferedService {
public:
    COfferedService(uint16_t port, std::wstring instanceName, std::wstring serviceType);
    ~COfferedService(); // withdraws a registration

    uint16_t getPort() const { return m_port; }
    const std::wstring& getInstanceName() const { return m_instanceName; }
    const std::wstring& getServiceType() const { return m_serviceType; }

    // `port` is the port actually listened on (the offered one may be 0).
    bool registerService(uint16_t port);
    void withdraw() { m_registration.reset(); }
    bool isRegistered() const { return m_registration != nullptr; }

private:
    const uint16_t m_port;
    const std::wstring m_instanceName;
    const std::wstring m_serviceType;
    std::shared_ptr<void> m_registration;
};

} // namespace VORDIX_IPC
