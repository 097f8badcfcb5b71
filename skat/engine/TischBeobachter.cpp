#include "skat/engine/TischBeobachter.h"

#include "skat/engine/Liste.h"
#include "skat/engine/SkatNetworkMessage.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"

TISCH_BEOBACHTER::~TISCH_BEOBACHTER() = default;

void LOCAL_TISCH_BEOBACHTER::notify(int event) { handOff(event, 0); }
void LOCAL_TISCH_BEOBACHTER::notifyWithValue(int event, int value) { handOff(event, value); }
void LOCAL_TISCH_BEOBACHTER::handleEvent(int) {}
void LOCAL_TISCH_BEOBACHTER::handleEventWithValue(int, int) {}

void LOCAL_TISCH_BEOBACHTER::handOff(int event, int value)
{
    SKAT_NETWORKMESSAGE message(TABLE_NOTIFICATION);
    message.event = event;
    message.eventValue = value;
    message.fillFromTable(table_);
    std::string xml = streamToXml(message);
    EVENT_HANDOFF::instance().postAndWait([&] { return table_.postLocal(std::move(xml)); },
                                          [&] { return table_.stopRequested(); });
}

void REMOTE_TISCH_BEOBACHTER::notify(int event) { notifyWithValue(event, 0); }

void REMOTE_TISCH_BEOBACHTER::notifyWithValue(int event, int value)
{
    auto services = tableServices();
    SKAT_NETWORKMESSAGE message(TABLE_NOTIFICATION, services->serverId());
    message.event = event;
    message.eventValue = value;
    message.fillFromTable(table_);
    if (event == SCORE_SHEET_CHANGED) {
        std::lock_guard lock(table_.tableLock);
        message.sheet().assign(table_.sheet);
    }
    services->sendToConnection(connectionId_, streamToXml(message));
}

TISCH_BEOBACHTER_MANAGER::~TISCH_BEOBACHTER_MANAGER() { clear(); }

void TISCH_BEOBACHTER_MANAGER::add(std::unique_ptr<TISCH_BEOBACHTER> observer)
{
    if (!observer)
        return;
    std::lock_guard lock(mutex_);
    observers_.push_back(std::shared_ptr<TISCH_BEOBACHTER>(std::move(observer)));
}

std::vector<std::shared_ptr<TISCH_BEOBACHTER>> TISCH_BEOBACHTER_MANAGER::snapshot() const
{
    std::lock_guard lock(mutex_);
    return observers_;
}

void TISCH_BEOBACHTER_MANAGER::broadcast(int event)
{
    for (const auto& observer : snapshot())
        observer->notify(event);
}

void TISCH_BEOBACHTER_MANAGER::broadcastWithValue(int event, int value)
{
    for (const auto& observer : snapshot())
        observer->notifyWithValue(event, value);
}

void TISCH_BEOBACHTER_MANAGER::handleLocal(int event)
{
    for (const auto& observer : snapshot())
        if (auto* local = dynamic_cast<LOCAL_TISCH_BEOBACHTER*>(observer.get()))
            local->handleEvent(event);
}

void TISCH_BEOBACHTER_MANAGER::handleLocalWithValue(int event, int value)
{
    for (const auto& observer : snapshot())
        if (auto* local = dynamic_cast<LOCAL_TISCH_BEOBACHTER*>(observer.get()))
            local->handleEventWithValue(event, value);
}

void TISCH_BEOBACHTER_MANAGER::clear()
{
    std::vector<std::shared_ptr<TISCH_BEOBACHTER>> old;
    {
        std::lock_guard lock(mutex_);
        old.swap(observers_);
    }
}

std::size_t TISCH_BEOBACHTER_MANAGER::size() const
{
    std::lock_guard lock(mutex_);
    return observers_.size();
}

EVENT_HANDOFF& EVENT_HANDOFF::instance()
{
    static EVENT_HANDOFF handoff;
    return handoff;
}

void EVENT_HANDOFF::markHandled()
{
    std::lock_guard lock(mutex_);
    ++handled_;
    condition_.notify_all();
}

void EVENT_HANDOFF::wakeAll()
{
    std::lock_guard lock(mutex_);
    condition_.notify_all();
}
