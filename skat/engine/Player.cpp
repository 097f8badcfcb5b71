#include "skat/engine/Player.h"

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/BidTable.h"
#include "skat/engine/EinSpiel.h"
#include "skat/engine/GameRules.h"
#include "skat/engine/Karte.h"
#include "skat/engine/PlayerTable.h"
#include "skat/engine/TableMessenger.h"
#include "skat/engine/TableServices.h"
#include "skat/engine/TableWindows.h"
#include "vordix/Bitmap.h"
#include "vordix/Timer.h"
#include "vordix/Utf8.h"
#include "vordix/XmlHelpers.h"

#include <cassert>
#include <tinyxml2.h>

using namespace vordix::xml;

// ---------------------------------------------------------------- CONNECTABLE

CONNECTABLE::~CONNECTABLE() = default;

bool CONNECTABLE::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    if (!element)
        return false;
    connected = intAttribute(element, "CONNECTED", 0) != 0;
    proxyUid_ = textAttribute(element, "PROXY_UID").value_or(std::wstring());
    return true;
}

void CONNECTABLE::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    setIntAttribute(element, "CONNECTED", connected ? 1 : 0);
    setTextAttribute(element, "PROXY_UID", proxyUid_);
}

void CONNECTABLE::connect(std::uint32_t id, const std::wstring& uid)
{
    connectionId = id;
    proxyUid_ = uid;
    connected = true;
}

// ---------------------------------------------------------------- PLAYER

PLAYER_TABLE::~PLAYER_TABLE() = default;

PLAYER::PLAYER(int id) : id_(id), logic_(createComputerLogic()) { loadPicture(); }

PLAYER::~PLAYER() = default;

bool PLAYER::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    PlayerDescription description;
    if (!element || !description.read(*element))
        return false;
    heldName_ = description.name;
    kind_ = description.kind;
    id_ = description.id;
    return true;
}

void PLAYER::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    PlayerDescription::of(*this).write(element);
}

bool PlayerDescription::read(const tinyxml2::XMLElement& element)
{
    // Ids are the seats' slots and kinds those of PlayerKind: anything else
    // from a peer is refused before a name is made from it.
    const int readKind = intAttribute(&element, "TYP", 0);
    const int readId = intAttribute(&element, "ID", 0);
    if (readKind < PLAYER_KIND_NONE || readKind > PLAYER_KIND_NETWORK_CLIENT || !isValidSeat(readId))
        return false;
    name = textAttribute(&element, "NAME").value_or(std::wstring());
    kind = readKind;
    id = readId;
    return true;
}

void PlayerDescription::write(tinyxml2::XMLElement& element) const
{
    setTextAttribute(element, "NAME", name);
    setIntAttribute(element, "TYP", kind);
    setIntAttribute(element, "ID", id);
}

std::wstring PLAYER::name() const { return tableServices()->seatName(id_); }

REMOTE_PLAYER* PLAYER::isRemote()
{
    return kind_ == PLAYER_KIND_REMOTE || kind_ == PLAYER_KIND_REMOTE_VIEW ? static_cast<REMOTE_PLAYER*>(this)
                                                                           : nullptr;
}

const REMOTE_PLAYER* PLAYER::isRemote() const
{
    return kind_ == PLAYER_KIND_REMOTE || kind_ == PLAYER_KIND_REMOTE_VIEW ? static_cast<const REMOTE_PLAYER*>(this)
                                                                           : nullptr;
}

void PLAYER::attachTable(PLAYER_TABLE* table, int slot)
{
    table_ = table;
    id_ = slot;
}

Seat PLAYER::seat() const { return table_ ? table_->seatOf(this) : SEAT_NONE; }

int PLAYER::currentBid() const
{
    const Seat own = seat();
    if (!table_ || !isValidSeat(own))
        return 0;
    return table_->bidOfSeat(own);
}

void PLAYER::refreshSituation()
{
    if (!table_)
        return;
    const Seat own = seat();
    table_->takeSnapshot(situation_, own);
}

SPIELSTRUCT PLAYER::tableRecord() const
{
    if (!table_)
        return {};
    return table_->recordCopy();
}

SKAT PLAYER::tableSkat() const
{
    if (!table_)
        return {};
    return table_->skatCopy();
}

namespace {

// The card the seat played at this point of the stored exercise game.
CardId storedExerciseCard(const PLAYER_TABLE& table, const GameSnapshot& situation)
{
    const STAPEL& stored = table.storedExerciseGame().pile;
    const int trickNumber = CARDS_IN_HAND + 1 - cardCount(situation.hand());
    const Seat leader = stored.leaderOfTrick(trickNumber);
    if (!isValidSeat(leader))
        return NO_CARD;
    return stored.trick(trickNumber).card(placeInTrick(situation.seat, leader))->id();
}

// The card the seat would play: in an exercise on track the stored one, else
// the logic's choice (NO_CARD when it has none).
CardId proposedCard(const PLAYER_TABLE& table, PLAYER_LOGIK& logic, const GameSnapshot& situation)
{
    if (table.exerciseOnTrack())
        return storedExerciseCard(table, situation);
    return logic.chooseCard(situation);
}

// The cards the declarer would lay away: in an exercise on track the stored
// skat, else the logic's pair for its proposed game (none without one).
SKAT proposedDiscard(const PLAYER_TABLE& table, PLAYER_LOGIK& logic, const GameSnapshot& situation,
                     const GameProposal& proposal)
{
    if (table.exerciseOnTrack())
        return table.storedExerciseGame().pile.skat();
    const DiscardPair pair = logic.chooseDiscard(situation, proposal);
    return SKAT(pair.first, pair.second);
}

// The value the seat is asked to name (bidding mode 1) or to hold.
int valueAsked(const SPIELSTRUCT_CORE& record) { return bidValueAsked(record.REIZ_INDEX, record.REIZEN_MODUS); }

// The value the seat has said so far.
int valueSaid(const GameSnapshot& situation)
{
    return isValidSeat(situation.seat) ? situation.record.GEREIZTBIS[static_cast<std::size_t>(situation.seat)] : 0;
}
} // namespace

void PLAYER::initProposal()
{
    hasHeld_ = false;
    if (!table_)
        return;
    if (table_->exerciseOnTrack()) {
        const SPIELSTRUCT& stored = table_->storedExerciseGame().record;
        const Seat own = seat();
        proposal_.bidLimit = isValidSeat(own) ? stored.GEREIZTBIS[static_cast<std::size_t>(own)] : 0;
        proposal_.type = stored.SPIELART.SPIEL_TYP;
        proposal_.winLevel = stored.SPIELART.GEWINN_STUFE;
        // The stored level is the one the game reached; an announced
        // Schneider or Schwarz lies in the win level.
        proposal_.level = LEVEL_NONE;
        return;
    }
    refreshSituation();
    proposal_ = logic_->proposeGame(situation_);
}

bool mayCallKontra(const PLAYER& player)
{
    const PLAYER_TABLE* table = player.table();
    return table && table->mayCallKontra(player.seat());
}

bool mayCallRe(const PLAYER& player)
{
    const PLAYER_TABLE* table = player.table();
    return table && table->mayCallRe(player.seat());
}

// ---------------------------------------------------------------- LOCAL_PLAYER

bool LOCAL_PLAYER::deliverRequest(PlayerRequest kind)
{
    if (!table_)
        return false;
    return table_->postLocalRequest(id_, kind);
}

void LOCAL_PLAYER::dispatchRequest(int kind)
{
    if (!table_ || !isPlayerRequest(kind))
        return;
    const std::uint32_t serial = table_->openRequestSerial(id_, kind);
    if (serial == 0 && !table_->isClientTable())
        return; // nobody waits for this request any more
    refreshSituation();
    action_.reset();
    action_.requestKind = kind;
    action_.serial = serial;
    switch (kind) {
    case REQUEST_BID: bid(); break;
    case REQUEST_CUT: cut(); break;
    case REQUEST_SKAT_OR_HAND: chooseSkatOrHand(); break;
    case REQUEST_DISCARD: discard(); break;
    case REQUEST_ANNOUNCE: announceGame(); break;
    case REQUEST_ANNOUNCE_HAND: announceHandGame(); break;
    case REQUEST_PLAY_CARD: playCard(); break;
    case REQUEST_CONFIRM_TRICK: confirmTrick(); break;
    case REQUEST_CONFIRM_SETTLEMENT: confirmSettlement(); break;
    case REQUEST_CONFIRM_PASSED: confirmPassedGame(); break;
    case REQUEST_CONFIRM_LIST_END: confirmListEnd(); break;
    default: assert(false && "a request kind outside 1..11 passed the check"); break;
    }
}

void LOCAL_PLAYER::finishAction()
{
    if (!table_ || tableServices()->applicationClosing())
        return;
    table_->playerFinished(id_, action_);
}

// ---------------------------------------------------------------- COMPI_PLAYER

COMPI_PLAYER::COMPI_PLAYER(int id) : LOCAL_PLAYER(id) { kind_ = PLAYER_KIND_COMPUTER; }

void COMPI_PLAYER::cut()
{
    action_.cutPosition = tableServices()->drawApplicationRandom(23) + 5;
    finishAction();
}

int COMPI_PLAYER::bidAnswer(int limit, int bidIndex, int biddingMode, int currentBid)
{
    return computerBidAnswer(limit, bidIndex, biddingMode, currentBid);
}

void COMPI_PLAYER::bid()
{
    const SPIELSTRUCT_CORE& record = situation_.record;
    action_.bidValue = bidAnswer(proposal_.bidLimit, record.REIZ_INDEX, record.REIZEN_MODUS, valueSaid(situation_));
    finishAction();
}

void COMPI_PLAYER::chooseSkatOrHand()
{
    action_.handFlag = proposal_.winLevel >= WIN_LEVEL_HAND ? 1 : 0;
    finishAction();
}

void COMPI_PLAYER::discard()
{
    action_.discard = proposedDiscard(*table_, *logic_, situation_, proposal_);
    // The game announced next is the one the discard was chosen for.
    if (!table_->exerciseOnTrack())
        proposal_ = logic_->proposalAfterDiscard(situation_, proposal_);
    finishAction();
}

void COMPI_PLAYER::announceGame()
{
    const GameType type = proposal_.type;
    action_.spielart = ::SPIELART(type, type == GAME_NULL ? proposal_.winLevel : WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    finishAction();
}

void COMPI_PLAYER::announceHandGame()
{
    action_.handFlag = 1;
    action_.spielart = ::SPIELART(proposal_.type, proposal_.winLevel, proposal_.level);
    finishAction();
}

void COMPI_PLAYER::playCard()
{
    auto services = tableServices();
    VORDIX_TIMER timer;
    const int minimumMs = services->playDelayMs() / 4;
    const CardSet legal = situation_.legalCards();

    CardId card = proposedCard(*table_, *logic_, situation_);
    if (card == NO_CARD)
        card = lowestCardOf(legal);
    if ((legal & cardMaskOfId(card)) == 0) {
        services->log(L"Computer Wahl: Nicht bedient (" + vordix::fromUtf8(cardById(card)->code()) + L"); "
                      + L"the lowest legal card is played instead");
        card = lowestCardOf(legal);
    }
    const auto elapsed = static_cast<int>(timer.elapsed());
    if (elapsed < minimumMs)
        services->sleepMs(minimumMs - elapsed);
    if (mayCallKontra(*this) && logic_->evaluation(situation_) > 75)
        action_.kontra = 1;
    tableWindows()->announceComputerCard(table_->windowsTable(), situation_.cards.trick.count());
    action_.card = card;
    finishAction();
}

void COMPI_PLAYER::confirmGameEnd()
{
    action_.confirmation = CONFIRM_NEXT_GAME;
    finishAction();
}

// ---------------------------------------------------------------- HUMAN_PLAYER

namespace {
std::atomic<HUMAN_PLAYER*> awaitedHuman{nullptr};
}

HUMAN_PLAYER::HUMAN_PLAYER(int id) : LOCAL_PLAYER(id) { kind_ = PLAYER_KIND_HUMAN; }

HUMAN_PLAYER::~HUMAN_PLAYER()
{
    HUMAN_PLAYER* self = this;
    awaitedHuman.compare_exchange_strong(self, nullptr);
}

HUMAN_PLAYER* HUMAN_PLAYER::awaited() { return awaitedHuman.load(); }

void HUMAN_PLAYER::awaitAnswer() { awaitedHuman.store(this); }

template <typename Fill>
bool HUMAN_PLAYER::answer(Fill fill)
{
    HUMAN_PLAYER* player = awaitedHuman.exchange(nullptr);
    if (!player)
        return false;
    fill(*player);
    player->finishAction();
    return true;
}

void HUMAN_PLAYER::cut()
{
    auto services = tableServices();
    if (!table_->isNetworkGame() && services->manualCut()) {
        awaitAnswer();
        tableWindows()->beginCut(table_->windowsTable());
        return;
    }
    action_.cutPosition = services->drawApplicationRandom(23) + 5;
    finishAction();
}

void HUMAN_PLAYER::bid()
{
    awaitAnswer();
    const auto windows = tableWindows();
    windows->setInputMode(INPUT_BID);
    windows->offerBid(table_->windowsTable(), valueAsked(situation_.record), name());
}

void HUMAN_PLAYER::chooseSkatOrHand()
{
    awaitAnswer();
    tableWindows()->beginSkatOrHand(table_->windowsTable());
}

void HUMAN_PLAYER::discard()
{
    const SKAT proposal = proposedDiscard(*table_, *logic_, situation_, proposal_);
    awaitAnswer();
    tableWindows()->beginDiscard(table_->windowsTable(), proposal);
}

void HUMAN_PLAYER::announceGame()
{
    awaitAnswer();
    tableWindows()->openAnnounceDialog(table_->windowsTable(), situation_.hand(), tableSkat());
}

void HUMAN_PLAYER::announceHandGame()
{
    awaitAnswer();
    tableWindows()->openHandGameDialog(table_->windowsTable(), situation_.hand());
}

void HUMAN_PLAYER::playCard()
{
    const CardSet legal = situation_.legalCards();
    if (table_->playTheRestRequested()) {
        action_.card = lowestCardOf(legal);
        finishAction();
        return;
    }
    if (table_->endCardPlayRequested()) {
        action_.card = NO_CARD;
        finishAction();
        return;
    }
    const CardId hint = proposedCard(*table_, *logic_, situation_);
    awaitAnswer();
    const auto windows = tableWindows();
    windows->setInputMode(INPUT_CARD_PLAY);
    windows->beginCardChoice(table_->windowsTable(), hint);
}

void HUMAN_PLAYER::confirmTrick()
{
    auto services = tableServices();
    if (table_->playTheRestRequested() || table_->endCardPlayRequested()) {
        finishAction();
        return;
    }
    if (!table_->isNetworkGame() && services->confirmTricksByClick()) {
        awaitAnswer();
        tableWindows()->beginTrickConfirmation(table_->windowsTable());
        return;
    }
    const int hold = table_->isNetworkGame() ? 0 : services->trickHoldMs();
    if (hold <= 0) {
        const int delay = services->playDelayMs();
        if (delay > 0)
            services->sleepMs(delay + 50);
        finishAction();
        return;
    }
    // The trick stays on the table until the user takes it away or the hold
    // has passed; the wait ends as soon as the user answered.
    constexpr int SLICE_MS = 20;
    awaitAnswer();
    tableWindows()->beginTrickConfirmation(table_->windowsTable());
    // It ends too when the table stops asking (a stopped game loop).
    const std::uint32_t serial = action_.serial;
    auto waiting = [&] {
        return awaitedHuman.load() == this && table_->openRequestSerial(id_, REQUEST_CONFIRM_TRICK) == serial
               && !services->applicationClosing();
    };
    for (int waited = 0; waited < hold && waiting(); waited += SLICE_MS)
        services->sleepMs(SLICE_MS);
    HUMAN_PLAYER* self = this;
    if (awaitedHuman.compare_exchange_strong(self, nullptr))
        finishAction();
}

void HUMAN_PLAYER::confirmListEnd()
{
    // The table goes on once the user has closed the list-complete notice.
    awaitAnswer();
    tableWindows()->showListComplete(table_->windowsTable());
}

void HUMAN_PLAYER::confirmSettlement()
{
    awaitAnswer();
    tableWindows()->showSettlement(table_->windowsTable(), tableRecord());
}

void HUMAN_PLAYER::confirmPassedGame()
{
    awaitAnswer();
    tableWindows()->showPassedGame(table_->windowsTable());
}

bool HUMAN_PLAYER::answerCut(int position)
{
    return answer([&](HUMAN_PLAYER& p) { p.action_.cutPosition = position; });
}

bool HUMAN_PLAYER::answerBid(bool hold)
{
    return answer([&](HUMAN_PLAYER& p) {
        if (hold)
            p.hasHeld_ = true;
        p.action_.bidValue = hold ? valueAsked(p.situation_.record) : valueSaid(p.situation_);
    });
}

bool HUMAN_PLAYER::answerSkatOrHand(bool hand)
{
    return answer([&](HUMAN_PLAYER& p) { p.action_.handFlag = hand ? 1 : 0; });
}

bool HUMAN_PLAYER::answerDiscard(CardId first, CardId second)
{
    return answer([&](HUMAN_PLAYER& p) { p.action_.discard = SKAT(first, second); });
}

bool HUMAN_PLAYER::answerAnnounce(GameType type, int winLevel, int level, bool redoDiscard)
{
    return answer([&](HUMAN_PLAYER& p) {
        p.action_.spielart = ::SPIELART(type, winLevel, level);
        p.action_.announceFlag = redoDiscard ? 1 : 0;
    });
}

bool HUMAN_PLAYER::answerAnnounceHand(GameType type, int winLevel, int level, bool takeSkat)
{
    return answer([&](HUMAN_PLAYER& p) {
        p.action_.spielart = ::SPIELART(type, winLevel, level);
        p.action_.handFlag = takeSkat ? 0 : 1;
    });
}

bool HUMAN_PLAYER::answerCard(CardId card, bool kontra, bool re)
{
    return answer([&](HUMAN_PLAYER& p) {
        p.action_.card = card;
        p.action_.kontra = kontra ? 1 : 0;
        p.action_.re = re ? 1 : 0;
    });
}

bool HUMAN_PLAYER::answerConfirm(int value, bool kontra)
{
    return answer([&](HUMAN_PLAYER& p) {
        p.action_.confirmation = value;
        p.action_.kontra = kontra ? 1 : 0;
    });
}

// ---------------------------------------------------------------- others

NETWORKCLIENT_PLAYER::NETWORKCLIENT_PLAYER(int id) : HUMAN_PLAYER(id) { kind_ = PLAYER_KIND_NETWORK_CLIENT; }

std::wstring NETWORKCLIENT_PLAYER::name() const { return tableServices()->seatName(0); }

REMOTE_PLAYER::REMOTE_PLAYER(int id) : PLAYER(id)
{
    kind_ = PLAYER_KIND_REMOTE;
    // A player at another program shows the picture that program sends, never
    // the one stored here for the slot.
    setPictureData({});
}

bool REMOTE_PLAYER::deliverRequest(PlayerRequest kind)
{
    if (!table_ || !connection.connected)
        return false;
    return tableMessenger()->sendRequest(table_->windowsTable(), id_, kind, connection.connectionId);
}

REMOTE_PLAYER_VIEW::REMOTE_PLAYER_VIEW(int id) : REMOTE_PLAYER(id) { kind_ = PLAYER_KIND_REMOTE_VIEW; }

std::unique_ptr<PLAYER> createPlayer(int kind, int id)
{
    switch (kind) {
    case PLAYER_KIND_HUMAN: return std::make_unique<HUMAN_PLAYER>(id);
    case PLAYER_KIND_COMPUTER: return std::make_unique<COMPI_PLAYER>(id);
    case PLAYER_KIND_REMOTE: return std::make_unique<REMOTE_PLAYER>(id);
    case PLAYER_KIND_REMOTE_VIEW: return std::make_unique<REMOTE_PLAYER_VIEW>(id);
    case PLAYER_KIND_NETWORK_CLIENT: return std::make_unique<NETWORKCLIENT_PLAYER>(id);
    default: return nullptr;
    }
}

PlayerDescription PlayerDescription::of(const PLAYER& player)
{
    PlayerDescription description;
    description.kind = player.kind();
    description.id = player.id();
    const bool remote = description.kind == PLAYER_KIND_REMOTE || description.kind == PLAYER_KIND_REMOTE_VIEW;
    description.name = remote ? player.heldName() : tableServices()->seatName(player.id());
    if (const REMOTE_PLAYER* remote = player.isRemote()) {
        description.connected = remote->connection.connected;
        description.proxyUid = remote->connection.proxyUid();
    }
    return description;
}

std::unique_ptr<PLAYER> PlayerDescription::createPlayer() const
{
    std::unique_ptr<PLAYER> player = ::createPlayer(kind, id);
    if (!player)
        return nullptr;
    player->setHeldName(name);
    if (REMOTE_PLAYER* remote = player->isRemote()) {
        remote->connection.connect(0, proxyUid);
        remote->connection.connected = connected;
    }
    return player;
}
