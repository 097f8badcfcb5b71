#pragma once
// A hosted table over real sockets for tests: the host is a table server
// with a connection manager of its own whose received messages are handed
// to it by the test thread (standing for the GUI thread), and each guest is
// a plain socket that joins, answers heartbeats and answers every request
// with a valid answer made from the view it was sent (it passes in the
// bidding). Every game message a guest receives is kept.

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/TableServices.h"
#include "skat/net/GameMessages.h"
#include "skat/net/SkatServer.h"
#include "tests/engine/test_table_support.h"
#include "tests/ipc/RawPeer.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace nettest {

// The other side closed the connection (nothing is taken from the stream).
inline bool peerClosed(int fd)
{
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0)
        return false;
    char byte;
    return ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0 || (p.revents & (POLLHUP | POLLERR)) != 0;
}

inline std::string textPart(const std::string& xml) { return xml + std::string(1, '\0'); }

// A game message to the host: the text, then any picture parts.
inline rawpeer::Bytes gameFrame(const std::string& xml, const std::vector<std::string>& pictures = {})
{
    std::vector<std::string> parts{textPart(xml)};
    parts.insert(parts.end(), pictures.begin(), pictures.end());
    return rawpeer::frame(VORDIX_IPC::SERVER_CHANNEL_TAG, VORDIX_IPC::FRAME_ONE_WAY, 0, rawpeer::partsBody(parts));
}

// The parts of a one-way frame's body; none when it is damaged.
inline std::vector<std::string> framePartsOf(const rawpeer::Bytes& body)
{
    std::vector<std::string> parts;
    if (body.size() < 4)
        return parts;
    const std::uint32_t count = rawpeer::readU32(body.data());
    std::size_t at = 4;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (body.size() - at < 4)
            return {};
        const std::uint32_t length = rawpeer::readU32(body.data() + at);
        at += 4;
        if (length > body.size() - at)
            return {};
        parts.emplace_back(reinterpret_cast<const char*>(body.data() + at), length);
        at += length;
    }
    return parts;
}

class Host {
public:
    Host()
    {
        server = std::make_unique<SKAT_SERVER>();
        server->setConnectionManager(&manager);
        server->setMessagePosting([this](PostedMessage message) {
            if (onPost)
                onPost(message); // on the posting thread
            {
                std::lock_guard lock(mutex_);
                queue_.push_back(std::move(message));
            }
            wake_.notify_all();
        });
    }
    ~Host() { server.reset(); }

    // Hands every posted record to the server until the predicate holds
    // (checked after each one) or 20 s passed without it.
    template <class Predicate>
    bool pumpUntil(Predicate predicate)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!predicate()) {
            std::unique_lock lock(mutex_);
            // Short waits: the predicate may turn on a guest's thread.
            if (!wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return !queue_.empty(); })) {
                if (std::chrono::steady_clock::now() >= end)
                    return predicate();
                continue;
            }
            PostedMessage next = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            SKAT_NETWORKMESSAGE message(0);
            tableServices()->setSuppressTableCallbacks(false); // as the application's handler does
            if (server->handlePosted(next, message))
                ++handled;
            else
                ++dropped;
        }
        return true;
    }
    void pumpFor(std::chrono::milliseconds time)
    {
        const auto end = std::chrono::steady_clock::now() + time;
        pumpUntil([&] { return std::chrono::steady_clock::now() >= end; });
    }
    std::uint16_t port() const { return manager.getListeningPort(); }
    SKATTISCH_SERVER& table() { return *server->serverTable(); }

    // Sees every record as it is posted, before it is queued.
    std::function<void(const PostedMessage&)> onPost;
    VORDIX_IPC::CIPCServer_imp manager; // outlives the server
    std::unique_ptr<SKAT_SERVER> server;
    std::atomic<int> handled{0};
    std::atomic<int> dropped{0};

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<PostedMessage> queue_;
};

// The host's tables: a fixed deal in which the host's own seat (slot 0,
// seat 1, played by the computer) plays diamonds and the guests pass; the
// loop stops after the first game, counted in `games`.
inline void playOneScriptedGame(Host& host, std::atomic<int>& games)
{
    setComputerLogicFactory([] { return std::make_unique<table_test::ScriptedLogic>(); });
    table_test::seatScripts() = {};
    table_test::seatScripts()[SEAT_1] = table_test::SeatScript{18, GAME_DIAMONDS};
    host.server->setTableSetup([&games](SKATTISCH_SERVER& table) {
        table.setFixedSeed(4711);
        table.setSavesFiles(false);
        table.observers.clear();
        auto recording = std::make_unique<table_test::RecordingObserver>(table);
        recording->onEvent = [&games, &table](int event, int) {
            if (event == GAME_FINISHED || event == ALL_PASSED) {
                ++games;
                table.stopGameLoop();
            }
        };
        table.observers.add(std::move(recording));
    });
}

class Guest {
public:
    explicit Guest(std::wstring id) : id_(std::move(id)) { }
    ~Guest() { stop(); }

    bool connect(std::uint16_t port)
    {
        if (!peer_.connect(port))
            return false;
        reader_ = std::thread([this] { read(); });
        return true;
    }
    void stop()
    {
        stopping_ = true;
        peer_.shutdown();
        if (reader_.joinable())
            reader_.join();
        peer_.close();
    }
    bool join(const std::wstring& name, const std::wstring& claimedProxy = L"", const std::string& picture = {})
    {
        SKAT_NETWORKMESSAGE request(SETUP_REQUEST, id_);
        PlayerDescription me;
        me.kind = PLAYER_KIND_HUMAN;
        me.name = name;
        me.proxyUid = claimedProxy;
        request.clientPlayer = me;
        if (!picture.empty())
            return sendBytes(gameFrame(streamToXml(request), {picture}));
        return sendXml(streamToXml(request));
    }
    bool sendXml(const std::string& xml)
    {
        std::lock_guard lock(sendMutex_);
        return peer_.send(gameFrame(xml));
    }
    bool sendBytes(const rawpeer::Bytes& bytes)
    {
        std::lock_guard lock(sendMutex_);
        return peer_.send(bytes);
    }
    std::vector<std::pair<SKAT_NETWORKMESSAGE, std::string>> received()
    {
        std::lock_guard lock(mutex_);
        return received_;
    }
    // The last seating reply's code (0 before any).
    int lastReply()
    {
        std::lock_guard lock(mutex_);
        return lastReply_;
    }
    // The picture parts of the last seating, in slot order.
    std::vector<std::string> seatingPictures()
    {
        std::lock_guard lock(mutex_);
        return seatingPictures_;
    }
    int ownSlot()
    {
        std::lock_guard lock(mutex_);
        return ownSlot_;
    }
    bool closed() const { return closed_; }
    int requestsAnswered() const { return answered_; }
    const std::wstring& id() const { return id_; }
    // The last request it got (to build replies that do not fit).
    SKAT_NETWORKMESSAGE lastRequest()
    {
        std::lock_guard lock(mutex_);
        return lastRequest_;
    }
    std::atomic<bool> answers{true};

private:
    void read()
    {
        rawpeer::Frame frame;
        while (!stopping_) {
            if (!peer_.readFrame(frame, 200)) {
                if (peer_.fd() < 0 || peerClosed(peer_.fd())) {
                    closed_ = true;
                    return;
                }
                continue;
            }
            if (frame.tag == VORDIX_IPC::HEARTBEAT_CHANNEL_TAG && frame.kind == VORDIX_IPC::FRAME_REQUEST) {
                std::lock_guard lock(sendMutex_);
                peer_.send(rawpeer::frame(VORDIX_IPC::NO_CHANNEL_TAG, VORDIX_IPC::FRAME_REPLY, frame.id));
                continue;
            }
            if (frame.kind != VORDIX_IPC::FRAME_ONE_WAY)
                continue;
            std::vector<std::string> parts = framePartsOf(frame.body);
            if (parts.empty())
                continue;
            std::string xml = parts.front();
            xml.resize(std::min(xml.size(), xml.find('\0')));
            SKAT_NETWORKMESSAGE message;
            if (streamFromXml(xml, message) != STREAM_READ_OK)
                continue;
            {
                std::lock_guard lock(mutex_);
                received_.emplace_back(message, xml);
                if (message.kind == SETUP_REPLY) {
                    lastReply_ = message.reply;
                    seatingPictures_.assign(parts.begin() + 1, parts.end());
                    for (int slot = 0; slot < 3; ++slot) {
                        const auto& seat = message.seatPlayers[static_cast<std::size_t>(slot)];
                        if (seat && seat->kind == PLAYER_KIND_REMOTE && seat->proxyUid == id_)
                            ownSlot_ = slot;
                    }
                }
                if (message.kind == PLAYER_ACTION_REQUEST)
                    lastRequest_ = message;
            }
            if (message.kind == PLAYER_ACTION_REQUEST && answers)
                answer(message);
        }
    }
    void answer(const SKAT_NETWORKMESSAGE& request)
    {
        PLAYER_AKTION action;
        action.requestKind = request.action;
        repairAnswer(request.action, action, request.cards, request.record, seatOfSlot(request.seat));
        SKAT_NETWORKMESSAGE reply(PLAYER_ACTION_REPLY, id_);
        reply.gameUid = request.gameUid;
        reply.stateIndex = request.stateIndex;
        reply.seat = request.seat;
        answerToMessage(action, reply);
        if (sendXml(streamToXml(reply)))
            ++answered_;
    }

    std::wstring id_;
    rawpeer::Peer peer_;
    std::thread reader_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> closed_{false};
    std::atomic<int> answered_{0};
    std::mutex sendMutex_;
    std::mutex mutex_;
    std::vector<std::pair<SKAT_NETWORKMESSAGE, std::string>> received_;
    int lastReply_ = 0;
    std::vector<std::string> seatingPictures_;
    int ownSlot_ = -1;
    SKAT_NETWORKMESSAGE lastRequest_;
};

} // namespace nettest
