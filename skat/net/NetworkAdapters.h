#pragma once
// The game's ends of the connection manager. A recipient takes the one-way
// game messages of one channel tag and posts them, with the connection they
// came from, to the program's message queue, so that every received game
// message is handled on the GUI thread like a local one. The server adapter
// keeps the hosting program's client connections and closes those that do
// not join in time; the client adapter keeps the joined program's
// connection to its host.

#include "vordix/PostedMessage.h"
#include "vordix/ipc/Frame.h"
#include "vordix/ipc/IPCServer_imp.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

inline constexpr std::uint16_t GAME_PORT = 32333;
// The port tables are offered and looked for on: GAME_PORT, or the value of
// SKAT_NETWORK_PORT (scripted runs beside a program that hosts already).
std::uint16_t gamePort();

// What a peer may send: a longer game text or picture, or more pictures,
// drop the whole message (a score sheet of 36 games stays far below).
inline constexpr std::size_t MAX_GAME_TEXT_BYTES = 2u * 1024 * 1024;
inline constexpr std::size_t MAX_PICTURE_BYTES = 256u * 1024;
inline constexpr std::size_t MAX_PICTURE_PARTS = 3;

// Hands a received or locally made record to the GUI thread; any thread.
using MessagePosting = std::function<void(PostedMessage)>;
// Notes what was dropped (the table services' log in the program).
using NetworkLog = std::function<void(const std::wstring&)>;

// The parts of a game message as they travel: the XML text (sent with its
// terminating zero) and the picture bytes.
struct GameFrame {
    std::string text;
    std::vector<std::string> pictures;
};

// Sends the frame as a one-way message on the tag; false when it did not go out.
bool sendGameFrame(VORDIX_IPC::IIPCServer& manager, std::uint32_t connectionId, std::uint8_t tag,
                   const GameFrame& frame);

class SKAT_IPC_RECIPIENT : public VORDIX_IPC::IRecipient {
public:
    SKAT_IPC_RECIPIENT(std::uint8_t tag, MessagePosting post, NetworkLog log);
    // A request is ignored; a one-way message whose text or pictures are
    // too large, or that has too many parts, is dropped and logged.
    void receive(VORDIX_IPC::IMessage& message) override;
    void connectionEnded(std::uint32_t) override { }
    std::uint8_t getChannelTag() const override { return tag_; }

private:
    std::uint8_t tag_;
    MessagePosting post_;
    NetworkLog log_;
};

class SKAT_IPC_SERVER : public VORDIX_IPC::IServer {
public:
    SKAT_IPC_SERVER(VORDIX_IPC::CIPCServer_imp& manager, MessagePosting post, NetworkLog log);
    ~SKAT_IPC_SERVER() override;
    SKAT_IPC_SERVER(const SKAT_IPC_SERVER&) = delete;
    SKAT_IPC_SERVER& operator=(const SKAT_IPC_SERVER&) = delete;

    bool connectionAccepted(std::uint32_t connectionId) override;
    // Posts a local kind-6 notice naming the connection.
    void connectionClosed(std::uint32_t connectionId) override;

    // A connection that has not joined this long after it was accepted is
    // closed, so idle connections cannot hold the manager's slots.
    void setJoinTimeout(std::chrono::milliseconds timeout);
    void markJoined(std::uint32_t connectionId);
    bool hasClient(std::uint32_t connectionId) const;
    bool hasJoined(std::uint32_t connectionId) const;
    std::vector<std::uint32_t> clients() const; // ascending
    bool sendTo(std::uint32_t connectionId, const GameFrame& frame);
    // To every joined client, in ascending id order.
    void sendToAll(const GameFrame& frame);

private:
    void watch();

    VORDIX_IPC::CIPCServer_imp& manager_;
    SKAT_IPC_RECIPIENT recipient_;
    MessagePosting post_;
    NetworkLog log_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    // Accepted connections; the time they were accepted, or none once joined.
    std::map<std::uint32_t, std::chrono::steady_clock::time_point> clients_;
    std::map<std::uint32_t, bool> joined_;
    std::chrono::milliseconds joinTimeout_{10000};
    bool stopping_ = false;
    std::thread watcher_;
};

class SKAT_IPC_CLIENT : public VORDIX_IPC::IClient {
public:
    SKAT_IPC_CLIENT(VORDIX_IPC::CIPCServer_imp& manager, MessagePosting post, NetworkLog log);

    void connected(std::uint32_t connectionId) override;
    // Posts a local kind-7 notice that names this client by its serial
    // (connection ids are used again, so they cannot tell an old
    // connection's end from that of the next).
    void disconnected() override;

    std::uint32_t serverConnection() const { return serverId_.load(); }
    // The last connection to the host, also once it has ended.
    std::uint32_t lastConnection() const { return lastId_.load(); }
    // Never the same for two clients of a program.
    std::uint32_t serial() const { return serial_; }
    bool sendToHost(const GameFrame& frame);
    // Closes the connection and returns once it has ended on every thread,
    // also when its receiving thread was ending it already: this client is
    // told nothing more afterwards and may be dropped.
    void disconnectFromServer();

private:
    VORDIX_IPC::CIPCServer_imp& manager_;
    SKAT_IPC_RECIPIENT recipient_;
    MessagePosting post_;
    std::atomic<std::uint32_t> serverId_{0};
    std::atomic<std::uint32_t> lastId_{0};
    const std::uint32_t serial_;
};
