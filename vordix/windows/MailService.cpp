#include "vordix/windows/MailService.h"

#include <mutex>

namespace {
std::mutex g_mutex;
std::shared_ptr<MailService> g_service;
} // namespace

std::shared_ptr<MailService> MailService::installed()
{
    std::lock_guard lock(g_mutex);
    return g_service;
}

std::shared_ptr<MailService> MailService::install(std::shared_ptr<MailService> service)
{
    std::lock_guard lock(g_mutex);
    std::swap(g_service, service);
    return service;
}
