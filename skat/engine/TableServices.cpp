#include "skat/engine/TableServices.h"

#include "vordix/Random.h"
#include "vordix/Utf8.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {
std::atomic<bool> suppressCallbacks{false};
std::mutex randomMutex;
VORDIX_RANDOM applicationRandom;
std::mutex servicesMutex;
std::shared_ptr<TABLE_SERVICES>& slot()
{
    static std::shared_ptr<TABLE_SERVICES> services = std::make_shared<TABLE_SERVICES>();
    return services;
}
} // namespace

TABLE_SERVICES::~TABLE_SERVICES() = default;

bool TABLE_SERVICES::applicationClosing() const { return false; }
void TABLE_SERVICES::setSuppressTableCallbacks(bool on) { suppressCallbacks = on; }
bool TABLE_SERVICES::suppressTableCallbacks() const { return suppressCallbacks; }

void TABLE_SERVICES::processEvents(int ms) { sleepMs(ms); }
void TABLE_SERVICES::sleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int TABLE_SERVICES::playDelayMs() const { return 0; }

int TABLE_SERVICES::trickHoldMs() const
{
    constexpr int LOOK_MS = 1000;
    const int delay = playDelayMs();
    return delay > 0 ? delay + LOOK_MS : 0;
}

std::wstring TABLE_SERVICES::seatName(int playerId) const
{
    return L"Spieler " + std::to_wstring(static_cast<long long>(playerId) + 1); // any id, no overflow
}

bool TABLE_SERVICES::manualCut() const { return false; }
bool TABLE_SERVICES::confirmTricksByClick() const { return false; }
bool TABLE_SERVICES::playerComments() const { return true; }

int TABLE_SERVICES::drawApplicationRandom(int n)
{
    std::lock_guard lock(randomMutex);
    return applicationRandom.next(n);
}

void TABLE_SERVICES::addHighScore(const std::wstring&, int, const std::wstring&) { }
void TABLE_SERVICES::addToStatisticsSheet(const SPIELSTRUCT&, const SPIELKARTEN&) { }
void TABLE_SERVICES::saveStatisticsSheet() { }

// Never "local": a peer must not take our messages for its own traffic.
std::wstring TABLE_SERVICES::serverId() const { return L"host"; }
bool TABLE_SERVICES::sendToConnection(std::uint32_t, const std::string&) { return false; }
bool TABLE_SERVICES::sendToHost(const std::string&) { return false; }
void TABLE_SERVICES::disconnectHost() { }

void TABLE_SERVICES::log(const std::wstring& text) { std::fprintf(stderr, "%s\n", vordix::toUtf8(text).c_str()); }

std::shared_ptr<TABLE_SERVICES> tableServices()
{
    std::lock_guard lock(servicesMutex);
    return slot();
}

void installTableServices(std::shared_ptr<TABLE_SERVICES> services)
{
    std::lock_guard lock(servicesMutex);
    slot() = services ? std::move(services) : std::make_shared<TABLE_SERVICES>();
}
