#pragma once
// A learned profile of the player in one seat: how it holds its cards as
// declarer of suit games (trumps, side-suit shapes, its holding against a
// defender's), its jacks in grands, and how it opens as forehand. Filled by
// replaying finished games; read by the profile queries.

#include "skat/engine/CardTypes.h"
#include "vordix/Dokument.h"

#include <array>
#include <filesystem>
#include <string>

class STAPEL;
class SPIELSTRUCT;
struct SPIELSTRUCT_CORE;

// Whether a suit holding index holds a rank (a low-card count k stands for
// the k lowest cards; the jack is never held).
constexpr bool suitPatternHoldsRank(int index, Rank rank)
{
    const int low = index & 3;
    switch (rank) {
    case RANK_SEVEN: return low >= 1;
    case RANK_EIGHT: return low >= 2;
    case RANK_NINE: return low >= 3;
    case RANK_QUEEN: return (index & 4) != 0;
    case RANK_KING: return (index & 8) != 0;
    case RANK_TEN: return (index & 16) != 0;
    case RANK_ACE: return (index & 32) != 0;
    default: return false;
    }
}
// The text of a holding for the trait reports: suitPatternRanksText as a
// wide string (index 38 gives "AD87"); empty for 0.
std::wstring suitPatternText(int index);
// The cards of a holding (low cards counted once each).
constexpr int suitPatternCardCount(int index)
{
    return (index & 3) + ((index >> 2) & 1) + ((index >> 3) & 1) + ((index >> 4) & 1) + ((index >> 5) & 1);
}

// What a trait is told of one replayed game.
struct ReplayedGame {
    std::array<CardSet, 3> dealtHands{}; // as dealt, skat not taken
    std::array<CardSet, 3> finalHands{}; // the declarer after taking and laying away the skat
    const STAPEL* pile = nullptr;
    Seat declarer = SEAT_NONE;
    GameType type = GAME_NONE;
};

class CHARAKTERZUG : public VORDIX_STREAM {
public:
    virtual void reset(Seat newSeat) { seat = newSeat; }
    virtual void recordGame(const ReplayedGame& game) = 0;
    virtual void computePercentages() = 0;
    // Appends a plain-text report of what the trait has learned.
    virtual void writeReport(std::wstring& log) const = 0;

    Seat seat = SEAT_NONE;
    int games = 0;
};

// The declarer's trumps and side suits in suit games.
class F_ALSP_TRUMPFKARTEN_UND_BEIBLATT : public CHARAKTERZUG {
public:
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "F_ALSP_TRUMPFKARTEN_UND_BEIBLATT"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
    void reset(Seat newSeat) override;
    void recordGame(const ReplayedGame& game) override;
    void computePercentages() override;
    void writeReport(std::wstring& log) const override;

    std::array<int, 11> trumpCount{};
    std::array<int, 11> trumpCountPercent{};
    int thirdSuitVoidPercent = 0;
    std::array<std::array<std::array<int, 6>, 8>, 11> shape{};
    std::array<int, 64> holdingCount{};
    std::array<int, 11> ruffCount{};
    std::array<int, 11> ruffPercent{};
};

// The declarer's jacks in grands; not stored.
class GR_ALSP_BUBEN_UND_BEIBLATT : public CHARAKTERZUG {
public:
    bool read(const tinyxml2::XMLElement*, const tinyxml2::XMLDocument&) override { return true; }
    const char* elementName() const override { return "GR_ALSP_BUBEN_UND_BEIBLATT"; }
    void write(tinyxml2::XMLElement&, tinyxml2::XMLDocument&) const override { }
    void reset(Seat newSeat) override;
    void recordGame(const ReplayedGame& game) override;
    void computePercentages() override;
    void writeReport(std::wstring& log) const override;

    std::array<int, 16> jackCount{};
    std::array<int, 16> jackRuffCount{};
    std::array<int, 16> jackRuffPercent{};
};

// The declarer's holding in a side suit against a defender's holding.
class F_ALSP_ASYMETRIE_ALSP_GG : public CHARAKTERZUG {
public:
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "F_ALSP_ASYMETRIE_ALSP_GG"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
    void reset(Seat newSeat) override;
    void recordGame(const ReplayedGame& game) override;
    void computePercentages() override;
    void writeReport(std::wstring& log) const override;

    // [defender holding][declarer holding]
    std::array<std::array<int, 64>, 64> pairCount{};
    // [rank, 0 void][defender holding]
    std::array<std::array<double, 64>, 9> cardAbsolute{};
    std::array<std::array<double, 64>, 9> cardHeldPercent{};
};

using LeadTable = std::array<std::array<int, 64>, 9>; // [rank of the led card][holding]

class CHARAKTER : public VORDIX_DOKUMENT {
public:
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "Charakter"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
    int onLoadFailed() override;

    void recordOpeningLead(CardSet hand, CardId ledCard, GameType type, bool declarerInRearhand);

    // The reports of the three traits (trumps, jacks, asymmetry).
    std::wstring report() const;
    // Saves the report as UTF-8 text to the log file in the folder
    // (vordix::saveFile); false when that failed (an older log then stays as
    // it was).
    bool writeReport(const std::filesystem::path& folder) const;

    Seat seat = SEAT_NONE;
    std::wstring logFileName;
    F_ALSP_TRUMPFKARTEN_UND_BEIBLATT trumps;
    GR_ALSP_BUBEN_UND_BEIBLATT jacks;
    F_ALSP_ASYMETRIE_ALSP_GG asymmetry;
    // Forehand's holding in the led suit ("ak", "al") and in the other side
    // suits ("ck", "cl"), declarer in middlehand (k) or rearhand (l).
    LeadTable ak{}, al{}, ck{}, cl{};
};
