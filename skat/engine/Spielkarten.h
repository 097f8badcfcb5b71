#pragma once
// The card state of one game at the table: three hands, the trick on the
// table, the seat that led it (AUSP), the pile of won tricks, the skat, the
// deal as dealt and after the push, and the deck of 32 cards with its deal
// counter. Outside the moment of dealing every card lies in exactly one
// place (isConsistent). Takes no lock: the table guards it.

#include "skat/engine/Einblatt.h"
#include "skat/engine/Kartenverteilung.h"
#include "skat/engine/Stapel.h"
#include "skat/engine/Stich.h"

#include <array>
#include <cstdint>

class VORDIX_RANDOM;

// The plain part that players and the solver copy around.
class SPIELKARTEN_CORE {
public:
    std::array<EINBLATT, 3> hands;
    STICH trick;
    std::int8_t AUSP = SEAT_NONE; // seat that led the current trick (kept in a byte: the core is copied a lot)

    Seat leader() const { return static_cast<Seat>(AUSP); }
};

// What a stored score-sheet game gives to set up its cards.
struct StoredGameCards {
    KARTENVERTEILUNG deal; // used when valid
    STAPEL pile;
    SKAT skat; // the skat as dealt
    GameType gameType = GAME_NONE;
    Seat declarer = SEAT_NONE;
};

// Where a card lies, as cardStateOpen / cardStateForSeat report it.
enum CardState {
    CARD_IN_OWN_HAND = 1,
    CARD_IN_OTHER_HAND = 2, // for one seat's view: anywhere it cannot see
    CARD_IN_TRICK = 3,
    CARD_ELSEWHERE = 4, // pile (or skat, in the open view)
};

class SPIELKARTEN : public SPIELKARTEN_CORE, public VORDIX_STREAM {
public:
    static constexpr int DEALT = 10; // deal counter once all cards are out

    SPIELKARTEN();
    ~SPIELKARTEN() override;

    // Element "SPIELKARTEN_CORE". A state that fails the consistency check,
    // or holds seats out of range, is cleared and reported as failure.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "SPIELKARTEN_CORE"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
    virtual bool isConsistent() const;

    // Back to an unshuffled deck with nothing dealt; the recorded deal as
    // dealt stays so the next game can repeat it.
    void reset();
    // Shuffles the deck, stepping the generator's seed in place.
    void shuffle(VORDIX_RANDOM& random);
    // The cut (1..30). The deck order is left unchanged: the cards dealt
    // follow from the shuffle alone.
    void cut(int position);
    // 3-2-4-3: three steps, the skat from deck places 9 and 10, four steps, three steps.
    void deal();
    void dealStep();
    // Repeats the recorded deal as dealt.
    void startFromDeal();
    void setUpFromDeal(const KARTENVERTEILUNG& distribution);
    void setUpFromGame(const StoredGameCards& game);

    void takeSkatCard(Seat seat, CardId id);
    void putCardIntoSkat(Seat seat, CardId id);
    void pushSkat(Seat seat, const SKAT& laidAway);
    void recordDealAfterPush();

    // Seat to play the next card; -1 when no leader is set.
    Seat seatToMove() const;
    // Plays a card of the seat to move (the caller has checked it is legal).
    void playCard(CardId id);
    // Puts a full trick onto the pile under the taker's party; the taker
    // leads next. Returns the taker, or -1 when the trick is not complete.
    Seat collectTrick(GameType type, Seat declarer);
    void returnTrickToHands();
    // Takes back play until the seat to move now is to move one card earlier.
    void undoToSeat();

    int cardStateOpen(Seat seat, CardId id) const;
    int cardStateForSeat(CardId id, Seat seat) const;

    // Rebuilds both recorded deals from the hands, the pile and the trick.
    void rebuildDeals();

    STAPEL pile;
    SKAT skat;
    bool dealtRecorded = false;
    KARTENVERTEILUNG dealAsDealt;
    bool pushRecorded = false;
    KARTENVERTEILUNG dealAfterPush;
    std::array<CardId, 32> deck{};
    int dealCounter = 0;

protected:
    // The hands, the pile, the trick, the skat and the leader of the element,
    // without any check of the whole; false for a damaged pile or leader.
    bool readParts(const tinyxml2::XMLElement& element, const tinyxml2::XMLDocument& document);
    void clearPlay();

private:
    void recordDealAsDealt();
    // The cards of seat's current hand, its tricks on the pile and its card
    // in the trick.
    CardSet cardsEverHeldBy(Seat seat) const;
    Seat trickSeat(int place) const { return seatAfter(leader(), place); }
};
