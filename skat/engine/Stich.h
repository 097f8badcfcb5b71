#pragma once
// One trick packed into 16 bits (TrickCode) with its card count, and the
// tables that give the points and the winner of any trick by one look-up.
//
// TrickCode: CardBit of the first (led) card in bits 0-4, of the second in
// bits 5-9, of the third in bits 10-14; bit 15 is always 0. The 15-bit value
// indexes the trick tables.

#include "skat/engine/Karte.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using TrickCode = std::uint16_t;

constexpr TrickCode makeTrickCode(CardBit first, CardBit second, CardBit third)
{
    return static_cast<TrickCode>(first | (second << 5) | (third << 10));
}
constexpr CardBit trickCardBit(TrickCode code, int place) { return (code >> (5 * place)) & 31; }

class STICH_SERIALIZABLE;

class STICH {
public:
    STICH();
    STICH(TrickCode code, int count);

    TrickCode code() const { return code_; }
    int count() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    bool isComplete() const { return count_ == 3; }
    void clear()
    {
        code_ = 0;
        count_ = 0;
    }

    // Appends a card (a fourth card and the null card are ignored).
    void addCard(const KARTE* card);
    void addCard(CardId id) { addCard(cardById(id)); }
    // Takes the last card off again.
    void removeLastCard();

    // Card at place 0, 1, 2 (-1, -2 count from the end); the null card for a
    // place that holds no card.
    const KARTE* card(int place) const;
    const KARTE* ledCard() const { return card(0); }
    CardSet cardSet() const;
    // One card its points, two their sum, three the points table.
    int points() const;
    // Index of the card that wins (three cards) or leads (two cards) in the
    // game type; 0 for fewer cards.
    int winner(GameType type) const;

    // "K7 P8 H9": codes separated by blanks; one card gives "K7 " and two
    // cards "K7 P8 " (a blank follows the first and the second card).
    std::string codesText() const;
    // Empties the trick and reads up to three codes; stops at the first
    // empty code or code naming no card. Only the first two characters of a
    // code count.
    bool parseCodes(std::string_view text);

    STICH_SERIALIZABLE asSerializable() const;

    bool operator==(const STICH&) const = default;

protected:
    TrickCode code_ = 0;
    std::uint8_t count_ = 0;
};

// A trick as the element "STICH" with the attribute "S" = codesText(). The
// older forms "AUSP"/"ZWEI"/"DREI" and "KARTE" children are only read.
class STICH_SERIALIZABLE : public STICH, public VORDIX_STREAM {
public:
    STICH_SERIALIZABLE() = default;
    explicit STICH_SERIALIZABLE(const STICH& trick) : STICH(trick) { }
    ~STICH_SERIALIZABLE() override;

    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "STICH"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
};

// The winner of three cards by the rules: 0, 1 or 2. Jacks rank clubs,
// spades, hearts, diamonds above everything outside null; in a suit game the
// trump suit comes next; otherwise the led suit. Null has no trumps and the
// order 7 8 9 10 J Q K A. A game type outside 1..8 is judged as grand.
int trickWinner(GameType type, const KARTE* first, const KARTE* second, const KARTE* third);

// The trick tables: points and winner of every TrickCode, and the leader of
// every two cards, per rule group. They are filled once before main and
// never change afterwards, so the look-ups below are plain inline loads that
// any thread may do for any game type.
namespace trick_tables {
inline constexpr int GROUP_GRAND = 0; // also grand ouvert, Ramsch and anything invalid
inline constexpr int GROUP_NULL = 5;  // groups 1..4 are the suit games
inline constexpr int GROUP_COUNT = 6;
inline constexpr int CODES = 32768;

struct Data {
    std::array<std::uint8_t, CODES> points;
    std::array<std::array<std::uint8_t, CODES>, GROUP_COUNT> winner;
    // Indexed by second * 32 + first.
    std::array<std::array<std::uint8_t, 1024>, GROUP_COUNT> leaderOfTwo;
};
extern Data data; // written only by its filler, before main

constexpr int groupOf(GameType type) { return isSuitGame(type) ? type : type == GAME_NULL ? GROUP_NULL : GROUP_GRAND; }
} // namespace trick_tables

inline int trickPoints(TrickCode code) { return trick_tables::data.points[code & 0x7FFF]; }
inline int trickWinnerIndex(GameType type, TrickCode code)
{
    return trick_tables::data.winner[trick_tables::groupOf(type)][code & 0x7FFF];
}
// Of the first two cards, 0 or 1: which one leads the trick so far.
inline int trickLeaderAfterTwo(GameType type, CardBit first, CardBit second)
{
    return trick_tables::data.leaderOfTwo[trick_tables::groupOf(type)][((second & 31) << 5) | (first & 31)];
}

// The raw tables, for loops that judge many tricks of one game type:
// points and winner indexed by TrickCode (32768 entries), leader of two
// cards indexed by second * 32 + first (1024 entries).
inline const std::uint8_t* trickPointsTable() { return trick_tables::data.points.data(); }
inline const std::uint8_t* trickWinnerTable(GameType type)
{
    return trick_tables::data.winner[trick_tables::groupOf(type)].data();
}
inline const std::uint8_t* trickLeaderTable(GameType type)
{
    return trick_tables::data.leaderOfTwo[trick_tables::groupOf(type)].data();
}

// The tables need no building; these remain for callers that prepared them.
inline void buildTrickPointsTable() { }
inline void setTrickTablesGameType(GameType) { }
