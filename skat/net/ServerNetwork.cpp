// The table server's network side: hosting a table and seating the
// programs that join it, joining another program's table, and every game
// message that arrives from the wire. Peers are not trusted: each side takes
// only the kinds it expects from the connection it expects them from, and a
// player's answer only for the seat, run, state and request that are open.

#include "skat/net/SkatServer.h"

#include "skat/engine/LocalTischBeobachter.h"
#include "skat/engine/TableServices.h"
#include "skat/net/GameMessages.h"
#include "skat/net/RemoteTischBeobachter.h"
#include "skat/net/ServerDialogs.h"
#include "vordix/Utf8.h"
#include "vordix/ipc/OfferedService.h"

#include <algorithm>

namespace {

// Names longer than this are cut; control characters become blanks.
constexpr std::size_t MAX_NAME_LENGTH = 32;
constexpr std::size_t MAX_CHAT_LENGTH = 400;
constexpr std::size_t MAX_SENDER_ID_LENGTH = 64;

std::wstring cleanText(const std::wstring& text, std::size_t limit)
{
    std::wstring clean = text.substr(0, limit);
    for (wchar_t& c : clean)
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            c = L' ';
    return clean;
}

// The score sheet's columns are the slots (as the settings name them): each
// carries the name of the player seated there. The caller holds the table lock.
void nameSheetColumns(SKATTISCH& table)
{
    std::array<std::wstring, SHEET_COLUMNS> names = table.sheet.playerNames;
    for (int slot = 0; slot < 3; ++slot)
        if (const PLAYER* seated = table.playerInSlot(slot))
            names[static_cast<std::size_t>(slot)] = seated->name();
    table.sheet.setPlayerNames(names);
}

bool hostTakes(int kind)
{
    return kind == CHAT_MESSAGE || kind == CLIENT_HELLO || kind == SETUP_REQUEST || kind == CLIENT_LEAVING
           || kind == PLAYER_ACTION_REPLY;
}

bool clientTakes(int kind)
{
    return kind == CHAT_MESSAGE || kind == SETUP_REPLY || kind == TABLE_NOTIFICATION || kind == PLAYER_ACTION_REQUEST;
}

} // namespace

void SKAT_SERVER::setConnectionManager(VORDIX_IPC::CIPCServer_imp* manager) { manager_ = manager; }

void SKAT_SERVER::setMessagePosting(MessagePosting post) { post_ = std::move(post); }

VORDIX_IPC::CIPCServer_imp& SKAT_SERVER::manager() const
{
    return manager_ ? *manager_ : VORDIX_IPC::CIPCServer_imp::instance();
}

std::shared_ptr<SKAT_IPC_SERVER> SKAT_SERVER::ipcServer() const
{
    std::lock_guard lock(networkMutex_);
    return ipcServer_;
}

std::shared_ptr<SKAT_IPC_CLIENT> SKAT_SERVER::ipcClient() const
{
    std::lock_guard lock(networkMutex_);
    return ipcClient_;
}

void SKAT_SERVER::setJoinTimeout(std::chrono::milliseconds timeout)
{
    joinTimeout_ = timeout;
    if (auto server = ipcServer())
        server->setJoinTimeout(timeout);
}

bool SKAT_SERVER::sendToConnection(std::uint32_t connectionId, const std::string& xml)
{
    auto server = ipcServer();
    return server && server->sendTo(connectionId, GameFrame{xml, {}});
}

bool SKAT_SERVER::sendToHost(const std::string& xml)
{
    auto client = ipcClient();
    return client && client->sendToHost(GameFrame{xml, {}});
}

bool SKAT_SERVER::isJoined() const
{
    auto client = ipcClient();
    return client && client->serverConnection() != 0 && clientTable() != nullptr;
}

std::wstring SKAT_SERVER::guestAddress(std::uint32_t connectionId) const
{
    return vordix::fromUtf8(manager().getPeerAddress(connectionId));
}

std::uint16_t SKAT_SERVER::hostingPort() const { return hosting_ ? manager().getListeningPort() : 0; }

void SKAT_SERVER::logDropped(std::uint32_t connectionId, const SKAT_NETWORKMESSAGE& message, const std::wstring& why)
{
    tableServices()->log(L"Connection " + std::to_wstring(connectionId) + L": message of kind "
                         + std::to_wstring(message.kind) + L" dropped, " + why);
}

// ---------------------------------------------------------------- hosting

bool SKAT_SERVER::openNetworkTable(std::uint16_t port, unsigned remoteSlots)
{
    if (!stopRunningGame())
        return false;
    endNetworkSide();
    SKATTISCH_SERVER& table = newLocalTable();
    for (int slot = 1; slot < 3; ++slot)
        table.setPlayer(slot, remoteSlots & (1u << slot) ? PLAYER_KIND_REMOTE : PLAYER_KIND_COMPUTER);
    table.setPlayer(0, PLAYER_KIND_HUMAN);

    VORDIX_IPC::CIPCServer_imp& connections = manager();
    auto log = [](const std::wstring& text) { tableServices()->log(text); };
    auto server = std::make_shared<SKAT_IPC_SERVER>(connections, post_, log);
    server->setJoinTimeout(joinTimeout_);
    if (!connections.offerService(port, L"", L"skat")) {
        tableServices()->log(L"A network table is already offered");
        return false;
    }
    {
        std::lock_guard lock(networkMutex_);
        ipcServer_ = server;
    }
    advertised_ = connections.startServer(server.get(), 1);
    if (connections.getState() != VORDIX_IPC::IPC_SERVER) {
        connections.stop();
        std::lock_guard lock(networkMutex_);
        ipcServer_.reset();
        tableServices()->log(L"Port " + std::to_wstring(port) + L" could not be opened for the network table");
        return false;
    }
    if (!advertised_)
        tableServices()->log(L"Warning: the network table is not advertised (no DNS-SD); joining by address works");
    hosting_ = true;
    observedConnections_.clear();
    return true;
}

bool SKAT_SERVER::startNetworkGame()
{
    SKATTISCH_SERVER* table = serverTable();
    if (!hosting_ || !table || table->isLoopRunning() || !table->allSeatsReady())
        return false;
    startWith(*table, true, [](SKATTISCH_SERVER& t) {
        t.modus.setNextOfList(t.sheet);
        t.modus.freeGame = false;
    });
    return true;
}

int SKAT_SERVER::slotOfConnection(std::uint32_t connectionId) const
{
    const SKATTISCH* table = currentTable();
    if (!table || connectionId == 0)
        return -1;
    const Seat seat = seatOfConnection(*table, connectionId);
    return isValidSeat(seat) ? slotOfSeat(seat) : -1;
}

void SKAT_SERVER::sendSetupReply(int code, std::uint32_t connectionId)
{
    SKAT_NETWORKMESSAGE reply(SETUP_REPLY, serverId_);
    reply.reply = code;
    if (auto server = ipcServer())
        server->sendTo(connectionId, GameFrame{streamToXml(reply), {}});
}

void SKAT_SERVER::handleJoinRequest(const SKAT_NETWORKMESSAGE& message, std::uint32_t connectionId,
                                    const std::vector<std::string>& pictures)
{
    SKATTISCH_SERVER* table = serverTable();
    if (!table || !message.clientPlayer)
        return;
    // The joining program is known by the id it sends as, compared only
    // with seats that are connected now.
    const std::wstring& joiner = message.sender();
    int freeSlot = -1;
    for (int slot = 1; slot < 3; ++slot) {
        const PLAYER* player = table->playerInSlot(slot);
        const REMOTE_PLAYER* remote = player ? player->isRemote() : nullptr;
        if (!remote)
            continue;
        if (remote->connection.connected
            && (remote->connection.proxyUid() == joiner || remote->connection.connectionId == connectionId))
            return sendSetupReply(2, connectionId);
        if (!remote->connection.connected && freeSlot < 0)
            freeSlot = slot;
    }
    if (freeSlot < 0 || table->allSeatsReady() || table->isLoopRunning())
        return sendSetupReply(3, connectionId);

    auto player = std::make_unique<REMOTE_PLAYER>(freeSlot);
    player->connection.connect(connectionId, joiner);
    player->setHeldName(cleanText(message.clientPlayer->name, MAX_NAME_LENGTH));
    // The guest's picture, or none: never the picture this program keeps for the slot.
    player->setPictureData(pictures.empty() ? std::string() : pictures.front());
    {
        std::lock_guard lock(table->tableLock);
        table->seatPlayer(freeSlot, std::move(player));
        nameSheetColumns(*table);
    }
    if (std::find(observedConnections_.begin(), observedConnections_.end(), connectionId)
        == observedConnections_.end()) {
        observedConnections_.push_back(connectionId);
        table->observers.add(std::make_unique<REMOTE_TISCH_BEOBACHTER>(*table, connectionId));
    }
    if (auto server = ipcServer())
        server->markJoined(connectionId);
    tableServices()->log(L"Connection " + std::to_wstring(connectionId) + L" joined at slot "
                         + std::to_wstring(freeSlot));
    sendSeating();
    serverDialogs()->networkSeatsChanged();
}

GameFrame SKAT_SERVER::seatingFrame() const
{
    SKAT_NETWORKMESSAGE seating(SETUP_REPLY, serverId_);
    seating.reply = 1;
    GameFrame frame;
    if (SKATTISCH* table = currentTable()) {
        std::lock_guard lock(table->tableLock);
        // Every seat's picture goes as one part, in slot order (an empty
        // part for a seat without one or with one over the size a guest takes).
        for (int slot = 0; slot < 3; ++slot) {
            const PLAYER* player = table->playerInSlot(slot);
            if (player)
                seating.seatPlayers[static_cast<std::size_t>(slot)] = PlayerDescription::of(*player);
            const std::vector<unsigned char> none;
            const std::vector<unsigned char>& bytes = player ? player->pictureData() : none;
            frame.pictures.emplace_back(bytes.size() <= MAX_PICTURE_BYTES ? std::string(bytes.begin(), bytes.end())
                                                                          : std::string());
        }
    }
    frame.text = streamToXml(seating);
    return frame;
}

void SKAT_SERVER::sendSeating()
{
    if (auto server = ipcServer(); server && currentTable())
        server->sendToAll(seatingFrame());
}

void SKAT_SERVER::sendSeatingTo(std::uint32_t connectionId)
{
    if (auto server = ipcServer(); server && currentTable())
        server->sendTo(connectionId, seatingFrame());
}

// ---------------------------------------------------------------- joining

bool SKAT_SERVER::connectToTable(const std::wstring& host, std::uint16_t port)
{
    if (!stopRunningGame())
        return false;
    // A quick reconnect: the old connection has ended before the new one starts.
    endNetworkSide();
    if (!clientTable()) {
        auto table = std::make_unique<SKATTISCH_CLIENT>();
        table->observers.add(std::make_unique<LOCAL_TISCH_BEOBACHTER>(*table));
        table->setLocalPoster([this](const LocalTableCall& call) { return queueLocal(call); });
        replaceTable(std::move(table));
    }
    ownSlot_ = -1;
    hostClosedTable_ = false;

    auto log = [](const std::wstring& text) { tableServices()->log(text); };
    auto client = std::make_shared<SKAT_IPC_CLIENT>(manager(), post_, log);
    {
        std::lock_guard lock(networkMutex_);
        ipcClient_ = client;
    }
    if (!manager().connectToHost(client.get(), host, port) || client->serverConnection() == 0) {
        tableServices()->log(L"No connection to " + host + L":" + std::to_wstring(port));
        return false;
    }
    // The host answers with its seating.
    return sendToHost(streamToXml(SKAT_NETWORKMESSAGE(CLIENT_HELLO, serverId_)));
}

bool SKAT_SERVER::requestSeat(const std::string& picture)
{
    auto client = ipcClient();
    if (!client || client->serverConnection() == 0 || !clientTable())
        return false;
    SKAT_NETWORKMESSAGE request(SETUP_REQUEST, serverId_);
    PlayerDescription me;
    me.kind = PLAYER_KIND_HUMAN;
    me.name = cleanText(tableServices()->seatName(0), MAX_NAME_LENGTH);
    me.proxyUid = serverId_;
    request.clientPlayer = me;
    GameFrame frame{streamToXml(request), {}};
    if (!picture.empty() && picture.size() <= MAX_PICTURE_BYTES)
        frame.pictures.push_back(picture);
    return client->sendToHost(frame);
}

bool SKAT_SERVER::joinNetworkTable(const std::wstring& host, std::uint16_t port, const std::string& picture)
{
    return connectToTable(host, port) && requestSeat(picture);
}

bool SKAT_SERVER::setHostSeatKind(int slot, bool remote)
{
    SKATTISCH_SERVER* table = serverTable();
    if (!hosting_ || !table || slot < 1 || slot > 2 || table->isLoopRunning())
        return false;
    {
        std::lock_guard lock(table->tableLock);
        const PLAYER* player = table->playerInSlot(slot);
        const REMOTE_PLAYER* seated = player ? player->isRemote() : nullptr;
        if (seated && seated->connection.connected)
            return false; // a guest sits there
        table->setPlayer(slot, remote ? PLAYER_KIND_REMOTE : PLAYER_KIND_COMPUTER);
    }
    sendSeating();
    serverDialogs()->networkSeatsChanged();
    return true;
}

void SKAT_SERVER::handleSeating(const SKAT_NETWORKMESSAGE& message, const std::vector<std::string>& pictures)
{
    SKATTISCH_CLIENT* table = clientTable();
    if (!table)
        return;
    switch (message.reply) {
    case 1: break;
    case 2: serverDialogs()->networkNotice(SERVER_DIALOGS::NOTICE_ALREADY_SEATED); return;
    case 3: serverDialogs()->networkNotice(SERVER_DIALOGS::NOTICE_TABLE_FULL); return;
    case 4:
        hostClosedTable_ = true;
        serverDialogs()->networkNotice(SERVER_DIALOGS::NOTICE_TABLE_CLOSED);
        if (auto client = ipcClient())
            client->disconnectFromServer();
        return;
    default: return;
    }
    int own = -1;
    {
        std::lock_guard lock(table->tableLock);
        for (int slot = 0; slot < 3; ++slot) {
            const std::optional<PlayerDescription>& seat = message.seatPlayers[static_cast<std::size_t>(slot)];
            if (!seat)
                break;
            if (seat->kind == PLAYER_KIND_REMOTE && seat->proxyUid == serverId_ && own < 0) {
                own = slot;
                table->setPlayer(slot, PLAYER_KIND_NETWORK_CLIENT);
                continue;
            }
            table->setPlayer(slot, PLAYER_KIND_REMOTE_VIEW);
            if (PLAYER* view = table->playerInSlot(slot)) {
                view->setHeldName(cleanText(seat->name, MAX_NAME_LENGTH));
                const auto part = static_cast<std::size_t>(slot);
                view->setPictureData(part < pictures.size() ? pictures[part] : std::string());
            }
        }
        nameSheetColumns(*table);
    }
    ownSlot_ = own;
    serverDialogs()->networkSeatsChanged();
}

void SKAT_SERVER::leaveNetworkTable()
{
    if (!clientTable())
        return;
    hostClosedTable_ = true; // our own leaving is no lost connection
    sendToHost(streamToXml(SKAT_NETWORKMESSAGE(CLIENT_LEAVING, serverId_)));
    if (auto client = ipcClient())
        client->disconnectFromServer();
}

// ---------------------------------------------------------------- ending

void SKAT_SERVER::handleConnectionEnded(int kind, std::uint32_t connectionId)
{
    if (kind == SERVER_DISCONNECTED) {
        SKATTISCH_CLIENT* table = clientTable();
        if (!table)
            return;
        // The notice names the client it came from: that of a connection
        // this program has since replaced (a quick reconnect) arrives after
        // the new one began, and ends nothing.
        const auto client = ipcClient();
        if (!client || connectionId != client->serial()) {
            tableServices()->log(L"An earlier connection to a host ended");
            return;
        }
        const bool told = hostClosedTable_;
        hostClosedTable_ = false;
        ownSlot_ = -1;
        table->resetGame();
        table->currentIndex = STATE_NONE;
        if (!told)
            serverDialogs()->networkNotice(SERVER_DIALOGS::NOTICE_HOST_CONNECTION_ENDED);
        serverDialogs()->networkSeatsChanged();
        return;
    }
    // A client: only a seated one matters; the host's own close has
    // unseated everybody before the connections end.
    const int slot = slotOfConnection(connectionId);
    if (!hosting_ || slot < 0) {
        tableServices()->log(L"Connection " + std::to_wstring(connectionId) + L" ended (not seated)");
        return;
    }
    tableServices()->log(L"The player at slot " + std::to_wstring(slot) + L" left the network table (connection "
                         + std::to_wstring(connectionId) + L")");
    serverDialogs()->networkNotice(kind == CLIENT_LEAVING ? SERVER_DIALOGS::NOTICE_CLIENT_LEFT
                                                          : SERVER_DIALOGS::NOTICE_CLIENT_CONNECTION_ENDED);
    closeNetworkTable();
    if (SKATTISCH_SERVER* table = serverTable())
        table->stopGameLoop();
    serverDialogs()->networkSeatsChanged();
}

void SKAT_SERVER::closeNetworkTable()
{
    if (!hosting_)
        return;
    hosting_ = false;
    if (SKATTISCH_SERVER* table = serverTable()) {
        std::lock_guard lock(table->tableLock);
        for (int slot = 0; slot < 3; ++slot)
            if (PLAYER* player = table->playerInSlot(slot))
                if (REMOTE_PLAYER* remote = player->isRemote())
                    remote->connection.connected = false;
    }
    auto server = ipcServer();
    if (server) {
        SKAT_NETWORKMESSAGE closing(SETUP_REPLY, serverId_);
        closing.reply = 4;
        server->sendToAll(GameFrame{streamToXml(closing), {}});
    }
    manager().stop();
    manager().closeAll();
    std::lock_guard lock(networkMutex_);
    ipcServer_.reset();
    advertised_ = false;
}

void SKAT_SERVER::endNetworkSide()
{
    closeNetworkTable();
    std::shared_ptr<SKAT_IPC_CLIENT> client = ipcClient();
    if (client && client->serverConnection() != 0) {
        hostClosedTable_ = true;
        sendToHost(streamToXml(SKAT_NETWORKMESSAGE(CLIENT_LEAVING, serverId_)));
    }
    // Also when the host ended the connection: its receiving thread may
    // still be telling the client, which a reconnect is about to replace.
    if (client)
        client->disconnectFromServer();
    ownSlot_ = -1;
}

// ---------------------------------------------------------------- chat

void SKAT_SERVER::relayChat(SKAT_NETWORKMESSAGE& message, std::uint32_t connectionId)
{
    message.chatText = cleanText(message.chatText, MAX_CHAT_LENGTH);
    if (!hosting_)
        return;
    // A client speaks for its own seat only.
    if (connectionId != 0)
        message.seat = slotOfConnection(connectionId);
    SKAT_NETWORKMESSAGE relayed(CHAT_MESSAGE, serverId_);
    relayed.chatText = message.chatText;
    relayed.seat = message.seat;
    if (auto server = ipcServer())
        server->sendToAll(GameFrame{streamToXml(relayed), {}});
}

void SKAT_SERVER::sendChat(const std::wstring& text)
{
    SKAT_NETWORKMESSAGE chat(CHAT_MESSAGE, serverId_);
    chat.chatText = cleanText(text, MAX_CHAT_LENGTH);
    if (hosting_) {
        chat.seat = 0;
        relayChat(chat, 0);
    } else if (clientTable()) {
        chat.seat = ownSlot_;
        sendToHost(streamToXml(chat));
    }
}

// ---------------------------------------------------------------- arrivals

bool SKAT_SERVER::acceptFromWire(const PostedMessage& posted, SKAT_NETWORKMESSAGE& message)
{
    const std::uint32_t from = posted.senderId;
    if (message.isLocal() || message.sender().empty() || message.sender().size() > MAX_SENDER_ID_LENGTH) {
        logDropped(from, message, L"sender id not acceptable");
        return false;
    }
    if (hosting_ && serverTable()) {
        auto server = ipcServer();
        if (!server || !server->hasClient(from)) {
            logDropped(from, message, L"no client connection");
            return false;
        }
        if (!hostTakes(message.kind)) {
            logDropped(from, message, L"a host does not take this kind");
            return false;
        }
        const int slot = slotOfConnection(from);
        if (message.kind != SETUP_REQUEST && message.kind != CLIENT_HELLO && slot < 0) {
            logDropped(from, message, L"the connection has not joined");
            return false;
        }
        if (message.kind == PLAYER_ACTION_REPLY) {
            SKATTISCH_SERVER& table = *serverTable();
            if (message.seat != slot) {
                logDropped(from, message, L"an answer for another seat");
                return false;
            }
            if (message.gameUid != table.tableRunId.load() || message.stateIndex != table.currentIndex.load()
                || table.openRequestSerial(slot, message.action) == 0) {
                logDropped(from, message, L"no such request is open");
                return false;
            }
        }
        return true;
    }
    if (clientTable()) {
        auto client = ipcClient();
        // The host's closing reply may be taken only after its connection has
        // ended: it is still the host's word, and says why the table went.
        const bool closingReply = message.kind == SETUP_REPLY && client && client->serverConnection() == 0 && from != 0
                                  && from == client->lastConnection();
        if (!closingReply && (!client || client->serverConnection() == 0 || from != client->serverConnection())) {
            logDropped(from, message, L"not from the host");
            return false;
        }
        if (!clientTakes(message.kind)) {
            logDropped(from, message, L"a client does not take this kind");
            return false;
        }
        if (message.kind == PLAYER_ACTION_REQUEST && (ownSlot_ < 0 || message.seat != ownSlot_)) {
            logDropped(from, message, L"a request for a seat that is not ours");
            return false;
        }
        return true;
    }
    logDropped(from, message, L"no network table");
    return false;
}

bool SKAT_SERVER::handlePosted(const PostedMessage& posted, SKAT_NETWORKMESSAGE& message)
{
    if (!posted.hasPayload() || streamFromXml(posted.text(), message) != STREAM_READ_OK) {
        if (posted.kind() == PostedPayloadKind::Received)
            tableServices()->log(L"Connection " + std::to_wstring(posted.senderId)
                                 + L": a message that could not be read was dropped");
        return false;
    }
    // What this program made itself is trusted; the wire is not.
    const bool fromWire = posted.kind() == PostedPayloadKind::Received;
    if (fromWire && !acceptFromWire(posted, message))
        return false;
    const std::uint32_t from = posted.senderId;
    switch (message.kind) {
    case CHAT_MESSAGE: relayChat(message, fromWire ? from : 0); return true;
    case CLIENT_HELLO: sendSeatingTo(from); return true;
    case SETUP_REQUEST: handleJoinRequest(message, from, posted.extraParts()); return true;
    case SETUP_REPLY: handleSeating(message, posted.extraParts()); return true;
    case CLIENT_LEAVING:
    case CLIENT_DISCONNECTED:
    case SERVER_DISCONNECTED: handleConnectionEnded(message.kind, from); return true;
    case TABLE_NOTIFICATION:
    case PLAYER_ACTION_REQUEST: queueMessage(message); return true;
    case PLAYER_ACTION_REPLY:
        if (SKATTISCH_SERVER* table = serverTable())
            return applyPlayerAnswer(*table, message, from);
        return false;
    default: return false;
    }
}
