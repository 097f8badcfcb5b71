#include "skat/net/NetworkAdapters.h"

#include "skat/engine/TableTypes.h"
#include "skat/net/FrameLog.h"
#include "skat/net/SkatNetworkMessage.h"
#include "vordix/ipc/AsyncMessage.h"

#include <cstdlib>

std::uint16_t gamePort()
{
    if (const char* text = std::getenv("SKAT_NETWORK_PORT")) {
        const long port = std::strtol(text, nullptr, 10);
        if (port > 0 && port < 65536)
            return static_cast<std::uint16_t>(port);
    }
    return GAME_PORT;
}

bool sendGameFrame(VORDIX_IPC::IIPCServer& manager, std::uint32_t connectionId, std::uint8_t tag,
                   const GameFrame& frame)
{
    VORDIX_IPC::CAsyncMessage message(connectionId, tag);
    message.setServer(&manager);
    message.setData(frame.text.c_str(), static_cast<std::uint32_t>(frame.text.size() + 1));
    for (const std::string& picture : frame.pictures)
        message.addData(picture.data(), static_cast<std::uint32_t>(picture.size()));
    logGameFrame(true, connectionId, tag, frame.text, frame.pictures);
    return message.send();
}

namespace {

std::atomic<std::uint32_t> clientSerials{0};

// A local notice of an ended connection, posted like a received message.
void postEnded(const MessagePosting& post, int kind, std::uint32_t connectionId)
{
    PostedMessage notice = PostedMessage::local(streamToXml(SKAT_NETWORKMESSAGE(kind)));
    notice.senderId = connectionId;
    post(std::move(notice));
}

} // namespace

// ---------------------------------------------------------------- recipient

SKAT_IPC_RECIPIENT::SKAT_IPC_RECIPIENT(std::uint8_t tag, MessagePosting post, NetworkLog log)
    : tag_(tag)
    , post_(std::move(post))
    , log_(std::move(log))
{
}

void SKAT_IPC_RECIPIENT::receive(VORDIX_IPC::IMessage& message)
{
    if (message.isSync())
        return;
    const std::uint32_t from = message.getRecipient();
    const auto drop = [&](const std::wstring& why) {
        if (log_)
            log_(L"Connection " + std::to_wstring(from) + L": message dropped, " + why);
    };
    std::uint32_t length = 0;
    const std::uint8_t* text = message.getData(length);
    if (!text || length == 0)
        return drop(L"no text");
    if (length > MAX_GAME_TEXT_BYTES)
        return drop(L"text of " + std::to_wstring(length) + L" bytes");
    const std::uint32_t parts = message.getPartCount();
    if (parts - 1 > MAX_PICTURE_PARTS)
        return drop(std::to_wstring(parts) + L" parts");
    std::string xml(reinterpret_cast<const char*>(text), length);
    // The text travels with its terminating zero; nothing after a zero counts.
    xml.resize(std::min(xml.size(), xml.find('\0')));
    std::vector<std::string> pictures;
    for (std::uint32_t i = 1; i < parts; ++i) {
        std::uint32_t size = 0;
        const std::uint8_t* bytes = message.getPart(i, size);
        if (size > MAX_PICTURE_BYTES)
            return drop(L"picture of " + std::to_wstring(size) + L" bytes");
        pictures.emplace_back(bytes ? reinterpret_cast<const char*>(bytes) : "", bytes ? size : 0);
    }
    logGameFrame(false, from, tag_, xml, pictures);
    post_(PostedMessage::received(from, std::move(xml), std::move(pictures)));
}

// ---------------------------------------------------------------- server

SKAT_IPC_SERVER::SKAT_IPC_SERVER(VORDIX_IPC::CIPCServer_imp& manager, MessagePosting post, NetworkLog log)
    : manager_(manager)
    , recipient_(VORDIX_IPC::SERVER_CHANNEL_TAG, post, log)
    , post_(std::move(post))
    , log_(std::move(log))
    , watcher_([this] { watch(); })
{
}

SKAT_IPC_SERVER::~SKAT_IPC_SERVER()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    watcher_.join();
}

bool SKAT_IPC_SERVER::connectionAccepted(std::uint32_t connectionId)
{
    {
        std::lock_guard lock(mutex_);
        clients_[connectionId] = std::chrono::steady_clock::now();
        joined_[connectionId] = false;
    }
    wake_.notify_all();
    manager_.setRecipient(connectionId, &recipient_);
    return true;
}

void SKAT_IPC_SERVER::connectionClosed(std::uint32_t connectionId)
{
    {
        std::lock_guard lock(mutex_);
        clients_.erase(connectionId);
        joined_.erase(connectionId);
    }
    postEnded(post_, CLIENT_DISCONNECTED, connectionId);
}

void SKAT_IPC_SERVER::setJoinTimeout(std::chrono::milliseconds timeout)
{
    {
        std::lock_guard lock(mutex_);
        joinTimeout_ = timeout;
    }
    wake_.notify_all();
}

void SKAT_IPC_SERVER::markJoined(std::uint32_t connectionId)
{
    std::lock_guard lock(mutex_);
    if (joined_.count(connectionId))
        joined_[connectionId] = true;
}

bool SKAT_IPC_SERVER::hasClient(std::uint32_t connectionId) const
{
    std::lock_guard lock(mutex_);
    return clients_.count(connectionId) != 0;
}

bool SKAT_IPC_SERVER::hasJoined(std::uint32_t connectionId) const
{
    std::lock_guard lock(mutex_);
    const auto it = joined_.find(connectionId);
    return it != joined_.end() && it->second;
}

std::vector<std::uint32_t> SKAT_IPC_SERVER::clients() const
{
    std::lock_guard lock(mutex_);
    std::vector<std::uint32_t> ids;
    for (const auto& entry : clients_)
        ids.push_back(entry.first);
    return ids;
}

bool SKAT_IPC_SERVER::sendTo(std::uint32_t connectionId, const GameFrame& frame)
{
    return hasClient(connectionId) && sendGameFrame(manager_, connectionId, VORDIX_IPC::CLIENT_CHANNEL_TAG, frame);
}

void SKAT_IPC_SERVER::sendToAll(const GameFrame& frame)
{
    for (std::uint32_t id : clients())
        if (hasJoined(id))
            sendGameFrame(manager_, id, VORDIX_IPC::CLIENT_CHANNEL_TAG, frame);
}

void SKAT_IPC_SERVER::watch()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        const auto now = std::chrono::steady_clock::now();
        auto next = now + std::chrono::hours(1);
        std::vector<std::uint32_t> late;
        for (const auto& [id, accepted] : clients_) {
            if (joined_[id])
                continue;
            const auto deadline = accepted + joinTimeout_;
            if (deadline <= now)
                late.push_back(id);
            else
                next = std::min(next, deadline);
        }
        if (!late.empty()) {
            lock.unlock();
            for (std::uint32_t id : late) {
                if (log_)
                    log_(L"Connection " + std::to_wstring(id) + L" did not join in time and is closed");
                manager_.removeConnection(id, true);
            }
            lock.lock();
            continue;
        }
        wake_.wait_until(lock, next);
    }
}

// ---------------------------------------------------------------- client

SKAT_IPC_CLIENT::SKAT_IPC_CLIENT(VORDIX_IPC::CIPCServer_imp& manager, MessagePosting post, NetworkLog log)
    : manager_(manager)
    , recipient_(VORDIX_IPC::CLIENT_CHANNEL_TAG, post, std::move(log))
    , post_(std::move(post))
    , serial_(++clientSerials)
{
}

void SKAT_IPC_CLIENT::connected(std::uint32_t connectionId)
{
    serverId_ = connectionId;
    lastId_ = connectionId;
    manager_.setRecipient(connectionId, &recipient_);
}

void SKAT_IPC_CLIENT::disconnected()
{
    serverId_ = 0;
    postEnded(post_, SERVER_DISCONNECTED, serial_);
}

bool SKAT_IPC_CLIENT::sendToHost(const GameFrame& frame)
{
    const std::uint32_t id = serverId_.load();
    return id != 0 && sendGameFrame(manager_, id, VORDIX_IPC::SERVER_CHANNEL_TAG, frame);
}

void SKAT_IPC_CLIENT::disconnectFromServer() { manager_.disconnect(lastId_.load()); }
