#include "skat/net/SkatNetworkMessage.h"

#include "skat/engine/BidTable.h"
#include "skat/engine/Liste.h"
#include "skat/engine/PartielleSpielkarten.h"
#include "skat/engine/SheetServices.h"
#include "skat/engine/Skattisch.h"
#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

using namespace vordix::xml;

namespace {
const char* const SEAT_ELEMENTS[3] = {"S0", "S1", "S2"};

// Ranges of the numbers a peer sends; a message with one outside is refused
// before anything indexes with it or computes from it.
inline constexpr int EVENT_VALUE_MIN = -1; // a seat, a cut position, a comment variant
inline constexpr int EVENT_VALUE_MAX = 32;
inline constexpr int ANSWER_MIN = -1; // a bid value, a cut position, a flag, a card, a confirmation
inline constexpr int ANSWER_MAX = BID_TABLE.back();
inline constexpr int SETUP_REPLY_MAX = 9;

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

// A CDATA section ends at the first "]]>", so a text holding that marker is
// written as several sections, split between "]]" and ">".
void appendCdata(tinyxml2::XMLElement& parent, const std::string& text)
{
    std::size_t start = 0;
    for (std::size_t end = text.find("]]>"); end != std::string::npos; end = text.find("]]>", end + 1)) {
        tinyxml2::XMLText* part = parent.GetDocument()->NewText(text.substr(start, end + 2 - start).c_str());
        part->SetCData(true);
        parent.InsertEndChild(part);
        start = end + 2;
    }
    tinyxml2::XMLText* rest = parent.GetDocument()->NewText(text.substr(start).c_str());
    rest->SetCData(true);
    parent.InsertEndChild(rest);
}

// All text and CDATA sections of an element, joined.
std::wstring joinedText(const tinyxml2::XMLElement& element)
{
    std::string text;
    for (const tinyxml2::XMLNode* node = element.FirstChild(); node; node = node->NextSibling())
        if (const tinyxml2::XMLText* part = node->ToText())
            text += part->Value();
    return vordix::fromUtf8(text);
}
} // namespace

SKAT_NETWORKMESSAGE::SKAT_NETWORKMESSAGE() { suid = L"local"; }

SKAT_NETWORKMESSAGE::SKAT_NETWORKMESSAGE(int messageKind, const std::wstring& sender) : kind(messageKind)
{
    suid = sender;
}

SKAT_NETWORKMESSAGE::SKAT_NETWORKMESSAGE(const SKAT_NETWORKMESSAGE& other) : VORDIX_NETWORKMESSAGE(other)
{
    *this = other;
}

// Players read by the other message stay with it: the copy borrows only
// what the other message borrowed.
SKAT_NETWORKMESSAGE& SKAT_NETWORKMESSAGE::operator=(const SKAT_NETWORKMESSAGE& other)
{
    if (this == &other)
        return *this;
    VORDIX_NETWORKMESSAGE::operator=(other);
    kind = other.kind;
    chatText = other.chatText;
    seatNames = other.seatNames;
    reply = other.reply;
    gameUid = other.gameUid;
    stateIndex = other.stateIndex;
    cards = other.cards;
    partialView = other.partialView;
    viewSeat = other.viewSeat;
    handSizes = other.handSizes;
    record = other.record;
    event = other.event;
    eventValue = other.eventValue;
    action = other.action;
    seat = other.seat;
    answer = other.answer;
    skat = other.skat;
    spielart = other.spielart;
    if (other.sheet_)
        sheet().assign(*other.sheet_);
    else
        sheet_.reset();
    clientPlayer = other.clientPlayer;
    seatPlayers = other.seatPlayers;
    return *this;
}

SKAT_NETWORKMESSAGE::~SKAT_NETWORKMESSAGE() = default;

const std::wstring& SKAT_NETWORKMESSAGE::getSeatName(Seat s) const
{
    static const std::wstring none;
    return s >= 0 && s < 3 ? seatNames[static_cast<std::size_t>(s)] : none;
}

LISTE& SKAT_NETWORKMESSAGE::sheet()
{
    if (!sheet_)
        sheet_ = std::make_unique<LISTE>();
    return *sheet_;
}

namespace {
// Element "PLAYER": "NAME", "TYP", "ID"; a remote player's connection as the
// sibling "CONNECTABLE" ("CONNECTED", "PROXY_UID") where the message has one.
void writePlayer(tinyxml2::XMLElement& parent, const PlayerDescription& player)
{
    player.write(*appendChild(parent, "PLAYER"));
}

void writeConnection(tinyxml2::XMLElement& parent, const PlayerDescription& player)
{
    tinyxml2::XMLElement* element = appendChild(parent, "CONNECTABLE");
    setIntAttribute(*element, "CONNECTED", player.connected ? 1 : 0);
    setTextAttribute(*element, "PROXY_UID", player.proxyUid);
}

void readConnection(const tinyxml2::XMLElement* element, PlayerDescription& player)
{
    if (!element)
        return;
    player.connected = intAttribute(element, "CONNECTED", 0) != 0;
    player.proxyUid = textAttribute(element, "PROXY_UID").value_or(std::wstring());
}
} // namespace

void SKAT_NETWORKMESSAGE::fillFromTable(SKATTISCH& table)
{
    std::lock_guard lock(table.tableLock);
    gameUid = table.tableRunId.load();
    stateIndex = table.currentIndex.load();
    cards = table.cards;
    record = table.record;
    for (Seat s = SEAT_0; s < SEAT_COUNT; ++s) {
        const PLAYER* player = table.playerAtSeat(s);
        seatNames[static_cast<std::size_t>(s)] = player ? player->name() : std::wstring();
    }
}

void SKAT_NETWORKMESSAGE::fillViewFromTable(SKATTISCH& table, Seat seat)
{
    fillFromTable(table);
    if (stateIndex == STATE_ABRECHNUNG)
        return;
    PARTIELLE_SPIELKARTEN view;
    view.assignView(cards, seat, record);
    // The skat is known to the declarer who took it up and laid it away,
    // never while it is still the dealt one, in a hand game or in Ramsch.
    const ::SPIELART& game = record.SPIELART;
    const bool laidAwayByThisSeat = isValidSeat(seat) && seat == record.declarer() && game.SPIEL_TYP != GAME_RAMSCH
                                    && game.GEWINN_STUFE < WIN_LEVEL_HAND
                                    && cards.pile.recordCount(PARTY_DECLARER) >= 2;
    if (!laidAwayByThisSeat) {
        view.skat.clear();
        view.pile.setSkatHidden(true);
    }
    cards = view;
    partialView = true;
    viewSeat = seat;
    handSizes = view.handSizes;
}

void SKAT_NETWORKMESSAGE::writeGameState(tinyxml2::XMLElement& snm, tinyxml2::XMLDocument&) const
{
    setUIntAttribute(snm, "GAME_UID", gameUid);
    setIntAttribute(snm, "ZI", stateIndex);
    if (partialView) {
        PARTIELLE_SPIELKARTEN view;
        static_cast<SPIELKARTEN&>(view) = cards;
        view.viewSeat = viewSeat;
        view.handSizes = handSizes;
        appendStream(snm, view);
    } else {
        appendStream(snm, cards);
    }
    appendStream(snm, record);
}

void SKAT_NETWORKMESSAGE::write(tinyxml2::XMLElement& snm, tinyxml2::XMLDocument& document) const
{
    VORDIX_NETWORKMESSAGE::write(snm, document);
    setIntAttribute(snm, "TYP", kind);
    switch (kind) {
    case CHAT_MESSAGE: {
        tinyxml2::XMLElement* chat = appendChild(snm, "CHAT");
        tinyxml2::XMLElement* content = appendChild(*chat, "CHAT_CONTENT");
        appendCdata(*content, vordix::toUtf8(chatText));
        setIntAttribute(*chat, "PLATZ", seat);
        break;
    }
    case SETUP_REQUEST: {
        tinyxml2::XMLElement* setup = appendChild(snm, "SPIELAUFBAU");
        if (clientPlayer) {
            tinyxml2::XMLElement* client = appendChild(*setup, "CLIENT_PLAYER");
            writePlayer(*client, *clientPlayer);
        }
        break;
    }
    case SETUP_REPLY: {
        tinyxml2::XMLElement* setup = appendChild(snm, "SPIELAUFBAU_REPLY");
        setIntAttribute(*setup, "REPLY", reply);
        for (int s = 0; s < 3; ++s) {
            const std::optional<PlayerDescription>& player = seatPlayers[static_cast<std::size_t>(s)];
            if (!player)
                continue;
            tinyxml2::XMLElement* seatElement = appendChild(*setup, SEAT_ELEMENTS[s]);
            writePlayer(*seatElement, *player);
            if (player->isRemote())
                writeConnection(*seatElement, *player);
        }
        break;
    }
    case TABLE_NOTIFICATION: {
        tinyxml2::XMLElement* bnf = appendChild(snm, "BNF");
        setIntAttribute(*bnf, "TYP", event);
        setIntAttribute(*bnf, "P1", eventValue);
        writeGameState(snm, document);
        if (sheet_ && sheet_->rowCount() > 0)
            appendStream(snm, *sheet_);
        break;
    }
    case PLAYER_ACTION_REQUEST:
    case PLAYER_ACTION_REPLY: {
        tinyxml2::XMLElement* pa = appendChild(snm, "PA");
        setIntAttribute(*pa, "AKTION", action);
        setIntAttribute(*pa, "PLATZ", seat);
        if (answer != 0)
            setIntAttribute(*pa, "RPLY", answer);
        if (skat.isComplete())
            appendStream(*pa, skat);
        if (spielart.SPIEL_TYP != GAME_NONE)
            appendStream(*pa, spielart);
        writeGameState(snm, document);
        break;
    }
    default: break;
    }
}

bool SKAT_NETWORKMESSAGE::read(const tinyxml2::XMLElement* snm, const tinyxml2::XMLDocument& document)
{
    if (snm == nullptr || !VORDIX_NETWORKMESSAGE::read(snm, document))
        return false;
    kind = intAttribute(snm, "TYP", 0);
    switch (kind) {
    case CHAT_MESSAGE: return readChat(*snm);
    case SETUP_REQUEST: return readSetupRequest(*snm, document);
    case SETUP_REPLY: return readSetupReply(*snm, document);
    case TABLE_NOTIFICATION: return readTableNotification(*snm, document);
    case PLAYER_ACTION_REQUEST:
    case PLAYER_ACTION_REPLY: return readPlayerAction(*snm, document);
    case CLIENT_HELLO:
    case CLIENT_LEAVING:
    case CLIENT_DISCONNECTED:
    case SERVER_DISCONNECTED: return true;
    default: return false;
    }
}

bool SKAT_NETWORKMESSAGE::readChat(const tinyxml2::XMLElement& snm)
{
    const tinyxml2::XMLElement* chat = firstChild(&snm, "CHAT");
    if (!chat)
        return true;
    if (const tinyxml2::XMLElement* content = firstChild(chat, "CHAT_CONTENT"))
        chatText = joinedText(*content);
    seat = intAttribute(chat, "PLATZ", seat);
    // The receiver files the text under seat (seat + 1) mod 3: a peer's seat
    // outside -1..2 makes the message unreadable instead of indexing past
    // the seats.
    return seat >= -1 && seat < SEAT_COUNT;
}

bool SKAT_NETWORKMESSAGE::readSetupRequest(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument&)
{
    const tinyxml2::XMLElement* client = firstChild(firstChild(&snm, "SPIELAUFBAU"), "CLIENT_PLAYER");
    if (!client)
        return false;
    const tinyxml2::XMLElement* playerElement = firstChild(client, "PLAYER");
    if (!playerElement)
        return false;
    PlayerDescription player;
    if (!player.read(*playerElement))
        return false;
    readConnection(firstChild(client, "CONNECTABLE"), player);
    clientPlayer = std::move(player);
    return true;
}

bool SKAT_NETWORKMESSAGE::readSetupReply(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument&)
{
    const tinyxml2::XMLElement* setup = firstChild(&snm, "SPIELAUFBAU_REPLY");
    if (!setup)
        return false;
    reply = intAttribute(setup, "REPLY", 0);
    if (!inRange(reply, 0, SETUP_REPLY_MAX))
        return false;
    if (reply == 4)
        return true; // the host closes the table: no seats follow
    for (int s = 0; s < 3; ++s) {
        std::optional<PlayerDescription>& seatPlayer = seatPlayers[static_cast<std::size_t>(s)];
        seatPlayer.reset();
        const tinyxml2::XMLElement* seatElement = firstChild(setup, SEAT_ELEMENTS[s]);
        const tinyxml2::XMLElement* playerElement = firstChild(seatElement, "PLAYER");
        if (!playerElement)
            continue;
        const int playerKind = intAttribute(playerElement, "TYP", 0);
        if (playerKind < PLAYER_KIND_HUMAN || playerKind > PLAYER_KIND_REMOTE)
            continue;
        PlayerDescription player;
        if (!player.read(*playerElement)) {
            for (auto& other : seatPlayers)
                other.reset();
            return false;
        }
        if (player.isRemote())
            readConnection(firstChild(seatElement, "CONNECTABLE"), player);
        seatPlayer = std::move(player);
    }
    return true;
}

bool SKAT_NETWORKMESSAGE::readGameState(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument& document)
{
    gameUid = uintAttribute(&snm, "GAME_UID").value_or(gameUid);
    stateIndex = intAttribute(&snm, "ZI", stateIndex);
    if (!inRange(stateIndex, STATE_NONE, STATE_STOP))
        return false;
    if (const tinyxml2::XMLElement* c = firstChild(&snm, cards.elementName())) {
        if (!cards.read(c, document))
            return false;
    } else if (const tinyxml2::XMLElement* v = firstChild(&snm, "PARTIELLE_SPIELKARTEN")) {
        PARTIELLE_SPIELKARTEN view;
        if (!view.read(v, document))
            return false;
        cards = view;
        partialView = true;
        viewSeat = view.viewSeat;
        handSizes = view.handSizes;
    }
    // A record that needed values replaced is refused: the host never sends one.
    if (const tinyxml2::XMLElement* r = firstChild(&snm, record.elementName()))
        if (!record.readFields(*r))
            return false;
    return true;
}

bool SKAT_NETWORKMESSAGE::readTableNotification(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument& document)
{
    const tinyxml2::XMLElement* bnf = firstChild(&snm, "BNF");
    if (!bnf)
        return false;
    event = intAttribute(bnf, "TYP", event);
    eventValue = intAttribute(bnf, "P1", eventValue);
    if (!inRange(event, 0, TABLE_EVENT_COUNT - 1) || !inRange(eventValue, EVENT_VALUE_MIN, EVENT_VALUE_MAX))
        return false;
    if (!readGameState(snm, document))
        return false;
    if (event == SCORE_SHEET_CHANGED)
        if (const tinyxml2::XMLElement* list = firstChild(&snm, "Spielliste"))
            if (!sheet().readFromMessage(list, document)) {
                // A sheet of another version: the message is refused, and
                // no file is touched or kept aside.
                vordix::showMessage(vordix::MessageKind::Warning, sheetServices()->sheetInMessageRefusedText());
                return false;
            }
    return true;
}

bool SKAT_NETWORKMESSAGE::readPlayerAction(const tinyxml2::XMLElement& snm, const tinyxml2::XMLDocument& document)
{
    const tinyxml2::XMLElement* pa = firstChild(&snm, "PA");
    if (!pa)
        return false;
    action = intAttribute(pa, "AKTION", action);
    seat = intAttribute(pa, "PLATZ", seat);
    answer = intAttribute(pa, "RPLY", 0);
    if (!isPlayerRequest(action) || !isValidSeat(seat) || !inRange(answer, ANSWER_MIN, ANSWER_MAX))
        return false;
    if (const tinyxml2::XMLElement* s = firstChild(pa, skat.elementName()))
        skat.read(s, document);
    if (const tinyxml2::XMLElement* g = firstChild(pa, spielart.elementName())) {
        spielart.read(g, document);
        if (!inRange(spielart.SPIEL_TYP, GAME_NONE, GAME_RAMSCH)
            || !inRange(spielart.GEWINN_STUFE, WIN_LEVEL_WITH_SKAT, WIN_LEVEL_OUVERT_HAND)
            || !inRange(spielart.STUFE, LEVEL_NONE, LEVEL_SCHWARZ))
            return false;
    }
    return readGameState(snm, document);
}
