#pragma once
// The pile of won tricks of one game: per party the cards won in order (the
// declarer's record begins with the two laid-away skat cards), per trick its
// party and taker, and the seat in forehand (VH). Each trick occupies three
// consecutive places of its party's record, holding the cards of seat 0, 1
// and 2 in this order, whoever led.

#include "skat/engine/EinblattSortierbar.h"
#include "skat/engine/Skat.h"
#include "skat/engine/Stich.h"

#include <array>
#include <cstdint>

class STAPEL : public VORDIX_STREAM {
public:
    static constexpr int MAX_RECORD = 32;
    static constexpr int MAX_TRICKS = 10;

    STAPEL();
    ~STAPEL() override;

    // Element "STAPEL". Reading refuses (false) seats and parties outside
    // their ranges, more than ten tricks, tricks without a party and tricks
    // of fewer than three cards.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "STAPEL"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
    // The attributes onto a score-sheet game row of the given declarer:
    // "PARTEI" only for a row without one (-1), whose parties do not follow
    // from the takers when it is read (readContent).
    void writeCompact(tinyxml2::XMLElement& element, Seat declarer) const;
    // With a declarer given (not -1) the parties follow from the takers
    // ("PARTEI" is not needed): party 0 for the declarer's tricks, and for
    // every trick in Ramsch.
    bool readContent(const tinyxml2::XMLElement& element, GameType type, Seat declarer);

    void clear();

    // Puts the skat into places 1 and 2 of the declarer's record.
    void setSkat(const SKAT& skat);
    // Appends a trick to the party's record in seat order and records its
    // party and taker; false (nothing changed) when the pile is full or the
    // party is unknown.
    bool addToParty(Party party, const STICH& trick, Seat leader, Seat taker);

    // Trick n (1..trickCount) rebuilt in play order; empty for any other n.
    STICH trick(int n) const;
    // Takes the last trick off when it belongs to the party; returned in play
    // order (empty when nothing was taken).
    STICH removeLastTrick(Party party);

    // The cards the seat played in the tricks on the pile, in trick order.
    EINBLATT_SORTIERBAR startingHandOf(Seat seat) const;
    // The laid-away skat; empty when hidden or not yet in the pile.
    SKAT skat() const;
    bool containsCard(CardId id) const;
    // Real cards in the records (the hidden skat included).
    CardSet cardSet() const;

    int cardsWonBy(Seat seat) const;
    int pointsWonBy(Seat seat) const;
    // Points of the declarer's tricks, the skat not included.
    int declarerTrickPoints() const;
    // Turns every seat number by the offset (VH, takers, card places).
    void rotateSeats(int offset);

    int trickCount() const { return trickCount_; }
    Seat vh() const { return vh_; }
    void setVh(Seat seat) { vh_ = seat; }
    // Party and taker of trick n (1..10); -1 for none.
    Party partyOfTrick(int n) const { return n >= 1 && n <= MAX_TRICKS ? party_[n] : -1; }
    Seat takerOfTrick(int n) const { return n >= 1 && n <= MAX_TRICKS ? static_cast<Seat>(taker_[n]) : SEAT_NONE; }
    // Seat that leads trick n: the taker of the trick before, or VH.
    Seat leaderOfTrick(int n) const;

    int recordCount(Party party) const { return validParty(party) ? records_[party].count : 0; }
    int recordPoints(Party party) const { return validParty(party) ? records_[party].points : 0; }
    // Place 1..count of the party's record; 0 outside.
    CardId recordCard(Party party, int place) const;

    bool skatHidden() const { return skatHidden_; }
    void setSkatHidden(bool hidden) { skatHidden_ = hidden; }

    bool operator==(const STAPEL& other) const;

private:
    struct Record {
        int count = 0;
        int points = 0;
        std::array<CardId, MAX_RECORD> cards{};
        bool operator==(const Record&) const = default;
    };

    static bool validParty(Party party) { return party == PARTY_DECLARER || party == PARTY_DEFENDERS; }
    void append(Record& record, CardId id);
    // Record place (1-based) of seat's card in trick n, or 0.
    int placeOfSeatCard(int n, Seat seat) const;
    bool readParties(const tinyxml2::XMLElement& element, GameType type, Seat declarer);
    bool readTricks(const tinyxml2::XMLElement& element, const tinyxml2::XMLDocument* document);
    void writeAttributes(tinyxml2::XMLElement& element, bool withParties) const;

    std::array<Record, 2> records_;
    bool skatHidden_ = false;
    int trickCount_ = 0;
    Seat vh_ = SEAT_NONE;
    std::array<std::int8_t, MAX_TRICKS + 1> party_{};
    std::array<std::int8_t, MAX_TRICKS + 1> taker_{};
};
