#include "skat/engine/TableMessenger.h"

#include <mutex>

TABLE_MESSENGER::~TABLE_MESSENGER() = default;

bool TABLE_MESSENGER::sendRequest(SKATTISCH&, int, PlayerRequest, std::uint32_t) { return false; }
bool TABLE_MESSENGER::sendAnswer(SKATTISCH&, int, const PLAYER_AKTION&) { return false; }
void TABLE_MESSENGER::sendLeaving() { }

namespace {
std::mutex messengerMutex;
std::shared_ptr<TABLE_MESSENGER>& messengerSlot()
{
    static std::shared_ptr<TABLE_MESSENGER> messenger = std::make_shared<TABLE_MESSENGER>();
    return messenger;
}
} // namespace

std::shared_ptr<TABLE_MESSENGER> tableMessenger()
{
    std::lock_guard lock(messengerMutex);
    return messengerSlot();
}

void installTableMessenger(std::shared_ptr<TABLE_MESSENGER> messenger)
{
    std::lock_guard lock(messengerMutex);
    messengerSlot() = messenger ? std::move(messenger) : std::make_shared<TABLE_MESSENGER>();
}
