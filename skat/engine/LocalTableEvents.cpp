// How table events are shown on this program's windows: input modes,
// views, overlay texts, speech and pauses. These steps run on the table
// server's worker while the game loop waits in the hand-off, so every pause
// holds the game but never the GUI.

#include "skat/engine/LocalTischBeobachter.h"

#include "skat/engine/BidTable.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/Spielstruct.h"
#include "skat/engine/TableServices.h"
#include "skat/engine/TableWindows.h"

#include <optional>

namespace {

constexpr int TALK_PAUSE_MS = 1500;

// The window's input mode an event begins; none for the other events.
std::optional<InputMode> inputModeOf(int event)
{
    switch (event) {
    case GAME_LOOP_ENDED: return INPUT_NONE;
    case GAME_FINISHED: return INPUT_GAME_FINISHED;
    case GAME_RESUMED:
    case NEW_GAME: return INPUT_NEW_GAME;
    case CUTTING: return INPUT_CUTTING;
    case BIDDING_RESTORED:
    case BIDDING_STARTED: return INPUT_BID;
    case ANNOUNCEMENT_RESTORED:
    case ANNOUNCING_STARTED:
    case RAMSCH_ANNOUNCED: return INPUT_ANNOUNCING;
    default: return std::nullopt;
    }
}

bool hasPreparation(int event)
{
    return event <= NEW_GAME || event == CUTTING || (event >= BIDDING_RESTORED && event <= RAMSCH_ANNOUNCED);
}

// The user's own seats (and a joined program's) show their moves themselves.
bool isShownByItsOwnHand(const PLAYER* player)
{
    return player && (player->kind() == PLAYER_KIND_HUMAN || player->kind() == PLAYER_KIND_NETWORK_CLIENT);
}

// The phrase a defender says after the game.
const wchar_t* defenderRemark(const SPIELSTRUCT& record, const SettlementTally& tally)
{
    const int declarerPoints = tally.declarerPoints;
    if (record.SPIELART.SPIEL_TYP == GAME_NULL)
        return record.isLost() ? L"badengegangen" : L"zahlenschafftfrieden";
    if (!record.isLost()) {
        if (record.SPIELART.STUFE >= LEVEL_SCHWARZ)
            return L"schwarzwiedienacht";
        if (record.SPIELART.STUFE == LEVEL_SCHNEIDER)
            return L"schneidersindauchleute";
        return declarerPoints <= 65 ? L"staatsanwalt" : L"zahlenschafftfrieden";
    }
    if (tally.tricksPlayed > 0 && tally.declarerCards <= 2)
        return L"schwarzwiediefuesse"; // not a trick for the declarer
    if (declarerPoints >= 55)
        return L"lokus"; // just short of the 61
    return declarerPoints <= 30 ? L"dasziehtblasen" : L"badengegangen";
}

class EventSteps {
public:
    EventSteps(SKATTISCH& table, TABLE_WINDOWS& windows) : table_(table), w_(windows) { }

    void common(int event)
    {
        if (hasPreparation(event)) {
            if (event <= NEW_GAME)
                w_.clearBubbles();
            if (const std::optional<InputMode> mode = inputModeOf(event))
                w_.setInputMode(*mode);
            if (event >= ANNOUNCEMENT_RESTORED && event <= RAMSCH_ANNOUNCED)
                w_.clearSelectedCards();
            w_.updateView();
            w_.clearHighlight();
            w_.repaint();
        }
        w_.layoutViews();
        if (event != CARD_PLAYED)
            w_.refreshGameDialogs();
    }

    void plain(int event)
    {
        switch (event) {
        case GAME_LOOP_ENDED:
        case GAME_FINISHED:
            w_.updateInfoText();
            handsChanged();
            w_.relayout();
            break;
        case GAME_RESUMED: resumed(); break;
        case NEW_GAME:
            resumed();
            w_.repaint();
            if (table_.modus.exerciseFlag)
                w_.updateInfoTextOnce();
            else
                w_.clearInfoShown();
            w_.refreshTricksWindow();
            if (!table_.modus.storedGameFlag)
                w_.updateView();
            break;
        case TRICK_COMPLETE: w_.showWinningCard(); break;
        case GAME_REPEATED: centreText(L"wiederholt"); break;
        case CUTTING:
            // A new deal: the pile shuffles and is cut before the hands are dealt.
            w_.showShuffle();
            w_.showCut();
            w_.repaint();
            w_.updateView();
            w_.repaint();
            break;
        case GAME_ENDS_EARLY: {
            const Seat acting = table_.record.declarer();
            if (isValidSeat(acting))
                w_.showOpenHands(acting);
            break;
        }
        case REPEATED_GAME_NOT_LISTED: centreText(L"wiederholtnichtinliste"); break;
        case COMMENT_DOERFER:
        case COMMENT_KLEINGROSS: {
            const std::wstring phrase = event == COMMENT_DOERFER ? L"doerfer" : L"kleingross";
            remark(phrase, 0);
            break;
        }
        case ALL_PASSED: w_.hideOverlay(); break;
        case CARDS_DEALT:
            w_.setPileMode(PILE_TRICKS);
            w_.refreshHands();
            handsChanged();
            break;
        case BIDDING_RESTORED: w_.refreshBidding(); break;
        case BIDDING_STARTED:
            w_.refreshBidding();
            w_.repaint();
            w_.refreshTricksWindow();
            w_.setCalculatorHand(userSeat());
            break;
        case ANNOUNCEMENT_RESTORED:
        case ANNOUNCING_STARTED:
            w_.refreshTricksWindow();
            if (isValidSeat(table_.record.declarer()))
                w_.setCalculatorHand(table_.record.declarer());
            w_.invalidateHandView();
            break;
        case RAMSCH_ANNOUNCED:
            w_.showOverlay(L"ramsch", SEAT_NONE, 0, true);
            w_.pause(2000);
            w_.hideOverlay();
            w_.setPileMode(PILE_TRICKS);
            w_.refreshHands();
            handsChanged();
            break;
        case TABLE_REFRESH:
            w_.repaint();
            w_.relayout();
            w_.refreshSheetWindow(false);
            w_.refreshTricksWindow();
            break;
        case HANDS_CHANGED: handsChanged(); break;
        case TRICK_COLLECTED:
            w_.repaint();
            w_.refreshTricksWindow();
            break;
        case BID_PROPOSAL: w_.updateInfoText(); break;
        case MAIN_WINDOW_REPAINT: w_.repaint(); break;
        case SETTLEMENT_STARTED:
            handsChanged();
            w_.relayout();
            w_.setInputMode(INPUT_GAME_RESULT);
            w_.setPileMode(PILE_SETTLEMENT);
            w_.onSettlement();
            w_.updateInfoText();
            w_.updateView();
            w_.repaint();
            settlementTalk();
            break;
        case EXERCISE_FINISHED: w_.showExerciseDialog(); break;
        case STATUS_CHANGED: w_.clearInfoShown(); break;
        case DEVIATION_TAKEN_BACK: w_.updateInfoTextOnce(); break;
        case SCORE_SHEET_CHANGED: w_.refreshSheetWindow(true); break;
        default: break;
        }
    }

    void withValue(int event, int value)
    {
        const Seat seat = seatFromNumber(value);
        const bool ownHand = isValidSeat(seat) && isShownByItsOwnHand(table_.playerAtSeat(seat));
        switch (event) {
        case RICH_TRICK_COMMENT: remark(value == 1 ? L"sattebeute" : L"fetterstich", value); break;
        case OVER_SIXTY_COMMENT: {
            static const wchar_t* const remarks[] = {L"dersackistzu", L"staatsanwalt", L"vatermutter"};
            remark(remarks[value >= 0 && value <= 2 ? value : 0], value);
            break;
        }
        case BID_TURN:
        case PLAYER_TO_PLAY:
            if (ownHand || !isValidSeat(seat))
                break;
            w_.setInputMode(event == BID_TURN ? INPUT_OTHERS_BID : INPUT_OTHERS_PLAY);
            w_.updateView();
            w_.clearHighlight();
            w_.repaint();
            break;
        case BID_ANSWERED: {
            if (ownHand || !isValidSeat(seat))
                break;
            int mode = 0, index = 0;
            {
                std::lock_guard lock(table_.tableLock);
                mode = table_.record.REIZEN_MODUS;
                index = table_.record.REIZ_INDEX;
            }
            const PLAYER* player = table_.playerAtSeat(seat);
            const TableTalk remark = bidRemark(seat, mode, index, table_.bidOfSeat(seat), player ? player->id() : 0);
            w_.updateView();
            w_.repaint();
            talk(remark.phrase, seat, remark.value, 300, true);
            w_.pause(std::max(0, tableServices()->playDelayMs() - 300));
            break;
        }
        case DECLARER_RESTORED:
            w_.updateView();
            w_.repaint();
            break;
        case GAME_ANNOUNCED: {
            w_.updateView();
            w_.repaint();
            w_.repaint();
            w_.refreshTricksWindow();
            w_.refreshHands();
            const SPIELSTRUCT record = table_.recordCopy();
            w_.showOverlay(L"spielansage", record.declarer(), 0, false);
            w_.announceGame(record);
            w_.pause(tableServices()->playDelayMs() + TALK_PAUSE_MS);
            w_.hideOverlay();
            break;
        }
        case CUT_DONE:
            w_.dealCards(value);
            w_.updateView();
            w_.repaint();
            handsChanged();
            w_.refreshHands();
            break;
        case KONTRA_ANNOUNCED:
            if (!ownHand && isValidSeat(seat)) {
                w_.showOverlay(L"kontra", seat, 0, false);
                w_.playVoice(L"kontra", seat);
                w_.pause(tableServices()->playDelayMs() + 750);
                w_.hideOverlay();
            }
            w_.repaint();
            break;
        case CARD_PLAYED:
            if (isValidSeat(seat) && !ownHand)
                cardToTrick(seat);
            else
                w_.relayout();
            handsChanged();
            w_.updateView();
            w_.repaint();
            break;
        default: break;
        }
    }

private:
    void resumed()
    {
        w_.setPileMode(PILE_NONE);
        w_.showMainWindow();
        w_.refreshBidding();
        w_.hideOverlay();
        w_.updateInfoText();
        w_.rebuildCardViews();
        handsChanged();
        w_.relayout();
    }

    void settlementTalk()
    {
        SPIELSTRUCT record;
        SettlementTally tally;
        {
            std::lock_guard lock(table_.tableLock);
            record = table_.record;
            tally = SettlementTally::fromPile(table_.cards.pile);
        }
        std::array<bool, 3> maySpeak{};
        for (Seat s = SEAT_0; s < 3; ++s) {
            const PLAYER* player = table_.playerAtSeat(s);
            maySpeak[static_cast<std::size_t>(s)] = player && !isShownByItsOwnHand(player);
        }
        for (const TableTalk& remark : ::settlementTalk(record, tally, maySpeak))
            talk(remark.phrase, remark.seat, 0, TALK_PAUSE_MS);
    }

    void handsChanged()
    {
        std::array<CardSet, 3> hands{};
        {
            std::lock_guard lock(table_.tableLock);
            for (Seat s = SEAT_0; s < 3; ++s)
                hands[static_cast<std::size_t>(s)] = table_.cards.hands[static_cast<std::size_t>(s)].cardSet();
        }
        for (Seat s = SEAT_0; s < 3; ++s)
            w_.setHand(s, hands[static_cast<std::size_t>(s)]);
    }

    void centreText(const std::wstring& phrase)
    {
        w_.showOverlay(phrase, SEAT_NONE, 0, true);
        w_.playSpeaker(phrase);
        w_.pause(tableServices()->playDelayMs() + TALK_PAUSE_MS);
        w_.hideOverlay();
    }

    // The seat says the phrase: its text in the seat's balloon, its sound
    // in the seat's voice; the balloon goes after the pause unless kept.
    // A computer player's remark on the game, unless the user turned them off.
    void remark(const std::wstring& phrase, int value)
    {
        if (tableServices()->playerComments())
            talk(phrase, commentingSeat(), value, TALK_PAUSE_MS);
    }

    void talk(const std::wstring& phrase, Seat seat, int value, int pauseMs, bool keep = false)
    {
        if (!isValidSeat(seat))
            return;
        w_.showOverlay(phrase, seat, value, false);
        w_.playVoice(phrase, seat);
        w_.pause(pauseMs);
        if (!keep)
            w_.hideOverlay();
    }

    void cardToTrick(Seat seat)
    {
        CardId card = 0;
        int place = 0;
        {
            std::lock_guard lock(table_.tableLock);
            const STICH& trick = table_.cards.trick;
            if (trick.isEmpty())
                return;
            place = trick.count() - 1;
            if (const KARTE* last = trick.card(place))
                card = last->id();
        }
        w_.animateCardToTrick(seat, card, place);
        w_.playCardSound();
        w_.removeCard(seat, card);
        w_.layoutViews();
    }

    // A computer opponent comments; the first one after the user's seat.
    Seat commentingSeat() const
    {
        for (Seat s = SEAT_0; s < 3; ++s)
            if (!isShownByItsOwnHand(table_.playerAtSeat(s)))
                return s;
        return SEAT_NONE;
    }

    Seat userSeat() const
    {
        for (Seat s = SEAT_0; s < 3; ++s)
            if (const PLAYER* p = table_.playerAtSeat(s); p && p->kind() == PLAYER_KIND_HUMAN)
                return s;
        return SEAT_NONE;
    }

    SKATTISCH& table_;
    TABLE_WINDOWS& w_;
};

} // namespace

std::vector<TableTalk> settlementTalk(const SPIELSTRUCT& record, const SettlementTally& tally,
                                      const std::array<bool, 3>& maySpeak)
{
    std::vector<TableTalk> talk;
    const Seat declarer = record.declarer();
    if (!isValidSeat(declarer) || record.isPassedIn() || record.SPIELART.SPIEL_TYP == GAME_RAMSCH)
        return talk;
    auto speaks = [&](Seat seat) { return maySpeak[static_cast<std::size_t>(seat)]; };
    for (const Seat defender : {nextSeat(declarer), nextSeat(nextSeat(declarer))})
        if (speaks(defender)) {
            talk.push_back({defender, defenderRemark(record, tally)});
            break;
        }
    if (speaks(declarer)) {
        const wchar_t* remark = L"derofenistaus";
        if (!record.isLost())
            remark = record.SPIELWERT >= 48 ? L"sattebeute" : L"dersackistzu";
        talk.push_back({declarer, remark});
    }
    return talk;
}

TableTalk bidRemark(Seat seat, int mode, int bidIndex, int said, int playerId)
{
    // The value at stake: the next one for the seat that names, the current
    // one for the seat that answers.
    const int stake = bidValueAt(mode == 1 ? bidIndex + 1 : bidIndex);
    const int variant = (playerId + bidIndex) % 4;
    if (stake <= 0 || said < stake) {
        static const wchar_t* const passes[] = {L"passe", L"weg", L"ichbinweg", L"nichtmitmir"};
        return {seat, passes[variant], 0};
    }
    if (mode == 1) {
        // The second computer opponent says the small values the short way.
        if (playerId == 2 && (stake == 20 || stake == 23 || stake == 24))
            return {seat, stake == 20 ? L"zwo" : stake == 23 ? L"drei" : L"vier", stake};
        return {seat, std::to_wstring(stake), stake};
    }
    static const wchar_t* const holds[] = {L"ja", L"klar", L"logo", L"immer"};
    return {seat, holds[variant], stake};
}

void LOCAL_TISCH_BEOBACHTER::handleEvent(int event)
{
    const auto windows = tableWindows();
    if (!windows->hasMainWindow() || event < 0 || event >= FIRST_EVENT_WITH_VALUE)
        return;
    EventSteps steps(table_, *windows);
    steps.common(event);
    steps.plain(event);
}

void LOCAL_TISCH_BEOBACHTER::handleEventWithValue(int event, int value)
{
    const auto windows = tableWindows();
    if (!windows->hasMainWindow() || event <= FIRST_EVENT_WITH_VALUE || event >= TABLE_EVENT_COUNT)
        return;
    EventSteps steps(table_, *windows);
    steps.common(event);
    steps.withValue(event, value);
}
