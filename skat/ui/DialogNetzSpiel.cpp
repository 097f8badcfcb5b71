#include "skat/ui/DialogNetzSpiel.h"

#include "skat/app/SkatText.h"
#include "skat/engine/Player.h"
#include "skat/engine/TableServices.h"
#include "skat/net/SkatServer.h"

namespace {

// The seat line of a player: name and address (for a guest where its
// connection comes from and the connection's number, which say more to the
// user than the program's generated network id; the waiting text for a
// free network seat).
struct SeatLine {
    std::wstring name;
    std::wstring address;
    bool guestSeated = false;
    bool remote = false;
};

SeatLine seatLineOf(const SKAT_SERVER& server, const PLAYER* player, int slot)
{
    SeatLine line;
    if (!player)
        return line;
    if (const REMOTE_PLAYER* remote = player->isRemote()) {
        line.remote = true;
        if (remote->connection.connected) {
            line.guestSeated = true;
            line.name = player->name();
            const std::uint32_t connection = remote->connection.connectionId;
            std::wstring from = server.guestAddress(connection);
            if (from.empty())
                from = remote->connection.proxyUid();
            line.address = from + L" (" + std::to_wstring(connection) + L")";
        } else {
            line.name = skat::text(TextKey::Warte_auf_Verbindung);
            line.address = skat::text(TextKey::Netzwerkspieler);
        }
        return line;
    }
    line.name = slot == 0 ? tableServices()->seatName(0) : player->name();
    line.address = slot == 0 ? skat::text(TextKey::Lokaler_Spieler) : skat::text(TextKey::Computer);
    return line;
}

} // namespace

// ---------------------------------------------------------------- host

DIALOG_NETZ_SPIEL_EINLEITEN::DIALOG_NETZ_SPIEL_EINLEITEN(VORDIX_FENSTER* parent, SKAT_SERVER& server)
    : VORDIX_DIALOG(parent, FORM_ID)
    , server_(server)
{
}

bool DIALOG_NETZ_SPIEL_EINLEITEN::run()
{
    const auto& imp = implementor();
    if (!imp)
        return false;
    imp->show();
    return imp->result == START;
}

void DIALOG_NETZ_SPIEL_EINLEITEN::initDialog()
{
    const auto& imp = implementor();
    if (!imp)
        return;
    imp->setControlState(START, OB_DISABLED);
    imp->setControlText(STATUS, skat::text(TextKey::Status_Netzwerkspiel_Server_Laeuft_Warte_auf_Mitspieler));
    updateSeats();
}

void DIALOG_NETZ_SPIEL_EINLEITEN::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    if (controlId == 2 || controlId == START) {
        if (controlId == START && !(server_.serverTable() && server_.serverTable()->allSeatsReady()))
            return;
        imp->result = controlId;
        imp->done = true;
        return;
    }
    for (int slot = 1; slot < 3; ++slot)
        if (controlId == POPUP[slot]) {
            const bool computer = imp->getControlText(controlId) == skat::text(TextKey::Computer);
            server_.setHostSeatKind(slot, !computer);
        }
    updateSeats();
}

void DIALOG_NETZ_SPIEL_EINLEITEN::updateSeats()
{
    const auto& imp = implementor();
    const SKATTISCH* table = server_.serverTable();
    if (!imp || !table)
        return;
    for (int slot = 0; slot < 3; ++slot) {
        const SeatLine line = seatLineOf(server_, table->playerInSlot(slot), slot);
        imp->setControlText(NAME[slot], line.name);
        imp->setControlText(ADDRESS[slot], line.address);
        if (slot > 0)
            imp->setControlState(POPUP[slot], line.guestSeated ? OB_DISABLED : OB_ENABLED);
    }
    const bool ready = table->allSeatsReady();
    imp->setControlText(STATUS, skat::text(ready ? TextKey::Status_Netzwerkspiel_Tisch_ist_komplett
                                                 : TextKey::Status_Netzwerkspiel_Server_Laeuft_Warte_auf_Mitspieler));
    imp->setControlState(START, ready ? OB_ENABLED : OB_DISABLED);
}

// ---------------------------------------------------------------- join

DIALOG_NETZ_SPIEL_TEILNEHMEN::DIALOG_NETZ_SPIEL_TEILNEHMEN(VORDIX_FENSTER* parent, SKAT_SERVER& server)
    : VORDIX_DIALOG(parent, FORM_ID)
    , server_(server)
{
}

DIALOG_NETZ_SPIEL_TEILNEHMEN::~DIALOG_NETZ_SPIEL_TEILNEHMEN() { discovery_.stop(); }

bool DIALOG_NETZ_SPIEL_TEILNEHMEN::run()
{
    const auto& imp = implementor();
    if (!imp)
        return false;
    running_ = true;
    imp->show();
    running_ = false;
    return imp->result == STARTED;
}

bool DIALOG_NETZ_SPIEL_TEILNEHMEN::endForGame()
{
    const auto& imp = implementor();
    if (!running_ || !imp)
        return false;
    PostedMessage notice = PostedMessage::local("");
    notice.senderId = NOTICE_STARTED;
    imp->postMessage(notice);
    return true;
}

void DIALOG_NETZ_SPIEL_TEILNEHMEN::initDialog()
{
    const auto& imp = implementor();
    if (!imp)
        return;
    // The list is rebuilt on the GUI thread whenever the discovery has news.
    discovery_.start([this] { post(NOTICE_LIST_CHANGED); });
    imp->setControlText(STATUS, skat::text(TextKey::Status_Netzwerkspiel_Nicht_verbunden));
    imp->setControlState(JOIN, OB_DISABLED);
    imp->setControlState(CONNECT, OB_ENABLED);
    imp->setControlText(HOST, L"127.0.0.1");
    rebuildServiceList();
    fillSeatLines();
}

void DIALOG_NETZ_SPIEL_TEILNEHMEN::post(std::uint32_t notice)
{
    if (const auto& imp = implementor()) {
        PostedMessage message = PostedMessage::local("");
        message.senderId = notice;
        imp->postMessage(message);
    }
}

void DIALOG_NETZ_SPIEL_TEILNEHMEN::rebuildServiceList()
{
    const auto& imp = implementor();
    if (!imp)
        return;
    VORDIX_DIALOG_imp::TableRows rows;
    // A table shows where it is once it has been resolved.
    for (const FoundTable& table : discovery_.tables())
        rows.push_back({table.connectTo().empty() || table.port < 0
                            ? table.name
                            : table.name + L"  (" + table.connectTo() + L":" + std::to_wstring(table.port) + L")"});
    // Where nothing can be found the list says so: the typed address still works.
    if (!discoveryAvailable())
        rows.push_back({skat::text(TextKey::Status_Netzwerkspiel_Suche_nicht_verfuegbar)});
    imp->setTableRows(SERVER_LIST, rows);
}

void DIALOG_NETZ_SPIEL_TEILNEHMEN::onNotify(const PostedMessage& message)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    if (message.senderId == NOTICE_STARTED) {
        imp->result = STARTED;
        imp->endDialog(STARTED);
        return;
    }
    rebuildServiceList();
    // A resolved table's address (or host name) goes into the address field.
    if (const std::optional<FoundTable> table = selectedTable(); table && !table->connectTo().empty())
        imp->setControlText(HOST, table->connectTo());
    fillSeatLines();
}

void DIALOG_NETZ_SPIEL_TEILNEHMEN::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    // A newly selected table is resolved to its host.
    if (discoveryAvailable()) {
        const int row = imp->getCurrentRow(SERVER_LIST) - 1;
        if (row != selected_ && row >= 0 && discovery_.resolve(static_cast<std::size_t>(row)))
            selected_ = row;
    }
    switch (controlId) {
    case 2:
        imp->result = 2;
        imp->done = true;
        return;
    case CONNECT: {
        std::wstring host = imp->getControlText(HOST);
        host = host.substr(0, 256);
        // The chosen table's own port when its address was not retyped.
        std::uint16_t port = gamePort();
        if (const std::optional<FoundTable> table = selectedTable();
            table && table->port > 0 && table->port < 65536 && (host == table->connectTo() || host == table->host))
            port = static_cast<std::uint16_t>(table->port);
        connected_ = !host.empty() && server_.connectToTable(host, port);
        imp->setControlText(STATUS, connected_ ? skat::formatText(TextKey::Status_Netzwerkspiel_Verbunden_Mit, {host})
                                               : skat::text(TextKey::Status_Netzwerkspiel_Kein_Server_gefunden));
        break;
    }
    case JOIN:
        // The user's picture goes along (not when it is over the size a host takes).
        if (connected_ && server_.isJoined())
            server_.requestSeat(PLAYER::pictureFileBytes(0));
        break;
    default: break;
    }
    fillSeatLines();
}

std::optional<FoundTable> DIALOG_NETZ_SPIEL_TEILNEHMEN::selectedTable() const
{
    const std::vector<FoundTable> tables = discovery_.tables();
    if (selected_ < 0 || selected_ >= static_cast<int>(tables.size()))
        return std::nullopt;
    return tables[static_cast<std::size_t>(selected_)];
}

void DIALOG_NETZ_SPIEL_TEILNEHMEN::onClosed()
{
    running_ = false;
    discovery_.stop();
    selected_ = -1;
}

void DIALOG_NETZ_SPIEL_TEILNEHMEN::fillSeatLines()
{
    const auto& imp = implementor();
    if (!imp)
        return;
    connected_ = server_.isJoined();
    seated_ = false;
    const SKATTISCH* table = server_.clientTable();
    for (int slot = 0; slot < 3; ++slot) {
        const PLAYER* player = table ? table->playerInSlot(slot) : nullptr;
        std::wstring type, name, address;
        if (player && connected_) {
            name = player->name();
            if (player->kind() == PLAYER_KIND_NETWORK_CLIENT) {
                type = skat::text(TextKey::Lokaler_Spieler);
                name = tableServices()->seatName(0);
                address = skat::text(TextKey::Eigener_Platz_Lokal);
                seated_ = true;
            } else {
                type = skat::text(TextKey::Netzwerkspieler);
                // A seat the host keeps for a guest who has not come yet.
                if (name.empty() && player->kind() == PLAYER_KIND_REMOTE_VIEW)
                    name = skat::text(TextKey::Warte_auf_Verbindung);
            }
        }
        imp->setControlText(TYPE[slot], type);
        imp->setControlText(NAME[slot], name);
        imp->setControlText(ADDRESS[slot], address);
    }
    imp->setControlState(JOIN, connected_ && !seated_ ? OB_ENABLED : OB_DISABLED);
    imp->setControlState(CONNECT, connected_ ? OB_DISABLED : OB_ENABLED);
}
