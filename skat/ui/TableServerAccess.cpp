#include "skat/ui/TableServerAccess.h"

#include <mutex>

namespace {

std::mutex& slotMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<TABLE_SERVER_ACCESS>& slot()
{
    static std::shared_ptr<TABLE_SERVER_ACCESS> server;
    return server;
}

} // namespace

std::shared_ptr<TABLE_SERVER_ACCESS> tableServer()
{
    std::lock_guard lock(slotMutex());
    return slot();
}

void installTableServer(std::shared_ptr<TABLE_SERVER_ACCESS> server)
{
    std::lock_guard lock(slotMutex());
    slot() = std::move(server);
}

SKATTISCH* currentTable()
{
    auto server = tableServer();
    return server ? server->currentTable() : nullptr;
}
