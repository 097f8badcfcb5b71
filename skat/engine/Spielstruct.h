#pragma once
// The record of one game: the bidding, the declarer, the announced game,
// matadors, Kontra and Re, the Bock counter, who gave up, the settled value
// and a block of texts. The game flow fills it, settle() computes the result
// at the end, and it travels in score-sheet rows, the running game and
// network messages.

#include "skat/engine/Rules.h"
#include "skat/engine/Spielart.h"

#include <array>
#include <memory>
#include <string>

class STAPEL;

// Texts of a record, in this order.
enum RecordTextIndex : int {
    TEXT_TITEL = 0,
    TEXT_KOMMENTAR = 1,
    TEXT_GRUPPE = 2,
    TEXT_REIZTEXT = 3,
    TEXT_SPIELVORSCHLAGTEXT = 4,
    TEXT_FIRST_STICHTEXT = 5, // one per trick, 10 entries
    RECORD_TEXT_COUNT = 15,
};
using RecordTexts = std::array<std::wstring, RECORD_TEXT_COUNT>;

// What the trick pile says at the end of a game, as far as settling needs it.
struct SettlementTally {
    int declarerPoints = 0; // card points of the declarer's party, the skat included
    int declarerCards = 0;  // cards of the declarer's party, the two skat cards included
    int defenderPoints = 0;
    int defenderCards = 0;
    int tricksPlayed = 0;
    std::array<int, 3> cardsWonBy{};  // per seat: 3 x the tricks it took
    std::array<int, 3> pointsWonBy{}; // per seat: card points of the tricks it took
    int skatPoints = 0;               // the two skat cards kept in the pile

    static SettlementTally fromPile(const STAPEL& pile);
};

// The record's plain fields without its texts: a small value that copies
// without allocating, as the computer player's snapshot holds it.
struct SPIELSTRUCT_CORE {
    int REIZ_INDEX = 0;
    int REIZEN_DRAN = 1;
    int REIZEN_MODUS = 0;
    int GEREIZT = 0;
    std::array<int, 3> GEREIZTBIS{}; // last value said by seat 0, 1, 2
    int ALLEIN = SEAT_NONE;          // the declarer's seat as stored; declarer() gives it typed
    ::SPIELART SPIELART;
    int SPITZEN = 0;
    int SPIELWERT = 0;
    int STUFE_DER_ABRECHNUNG = 0;
    bool KONTRA = false;
    int KONTRA_WER = 0;
    bool RE = false;
    int BOCKRUNDE_NR = 0;
    bool LOEST_BOCKRUNDE_AUS = false;
    bool ALSP_AUFGEGEBEN = false;
    bool GEGNER_AUFGEGEBEN = false;
    int ruleSet = RULESET_INTERNATIONAL;
    int SPIELERPOS = 1;

    // Negative value, or a declarer who gave up on a game of value 0.
    bool isLost() const { return SPIELWERT < 0 || (SPIELWERT == 0 && ALSP_AUFGEGEBEN); }
    // All passed and no Ramsch played: no game to enter.
    bool isPassedIn() const { return GEREIZT < 1 && SPIELART.SPIEL_TYP != GAME_RAMSCH; }

    bool operator==(const SPIELSTRUCT_CORE&) const = default;

    Seat declarer() const { return static_cast<Seat>(ALLEIN); }
};

// The text block of a record: made on first write, copied whole with its
// record; a missing block equals an empty one.
class RecordTextBlock {
public:
    RecordTextBlock() = default;
    RecordTextBlock(const RecordTextBlock& other)
        : texts_(other.texts_ ? std::make_unique<RecordTexts>(*other.texts_) : nullptr)
    {
    }
    RecordTextBlock& operator=(const RecordTextBlock& other)
    {
        if (this != &other)
            texts_ = other.texts_ ? std::make_unique<RecordTexts>(*other.texts_) : nullptr;
        return *this;
    }
    RecordTextBlock(RecordTextBlock&&) noexcept = default;
    RecordTextBlock& operator=(RecordTextBlock&&) noexcept = default;

    RecordTexts& get()
    {
        if (!texts_)
            texts_ = std::make_unique<RecordTexts>();
        return *texts_;
    }
    const RecordTexts& get() const;
    bool exists() const { return texts_ != nullptr; }
    bool operator==(const RecordTextBlock& other) const { return get() == other.get(); }

private:
    std::unique_ptr<RecordTexts> texts_;
};

class SPIELSTRUCT : public VORDIX_STREAM, public SPIELSTRUCT_CORE {
public:
    SPIELSTRUCT();
    SPIELSTRUCT(const SPIELSTRUCT&) = default;
    SPIELSTRUCT& operator=(const SPIELSTRUCT&) = default;
    SPIELSTRUCT(SPIELSTRUCT&&) noexcept = default;
    SPIELSTRUCT& operator=(SPIELSTRUCT&&) noexcept = default;
    ~SPIELSTRUCT() override;

    const SPIELSTRUCT_CORE& core() const { return *this; }

    // Reads the fields from the element (any of the three forms); values out
    // of range are replaced by their defaults so a damaged file or a hostile
    // peer can't make later code index out of bounds.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "SPIELSTRUCT"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    // The fields as attributes and text children of the given element, the
    // SPIELART as attributes of the same element (a score-sheet row uses
    // this on its own element).
    void writeFields(tinyxml2::XMLElement& element) const;
    // False when a value had to be replaced (see limitToValidValues).
    bool readFields(const tinyxml2::XMLElement& element);

    // Replaces every value outside what a game can hold (type, levels,
    // seats, matadors, value, bidding state) by its default; reading
    // does this itself. True when anything was replaced.
    bool limitToValidValues();

    // Back to a fresh record; the rule set is taken from the rules in force.
    void reset();

    // The text block, created empty on first use.
    RecordTexts& texts() { return texts_.get(); }
    // The text block, or an empty one when none was created.
    const RecordTexts& texts() const { return texts_.get(); }
    bool hasTexts() const { return texts_.exists(); }

    // The bid is above the game's value.
    bool isOverbid() const;
    bool isOverbid(const RuleSettings& rules) const;

    // Every field and text equal (a missing text block equals an empty one).
    bool operator==(const SPIELSTRUCT& other) const { return core() == other.core() && texts_ == other.texts_; }

    // Settles the game from the trick pile with the rules in force.
    void settle(const STAPEL& pile);
    // Settles the game from the pile's tally under the given rules.
    void settle(const SettlementTally& tally, const RuleSettings& rules);

private:
    void settleRamsch(const SettlementTally& tally);
    void markBockTriggers(const SettlementTally& tally, const RuleSettings& rules);

    RecordTextBlock texts_;
};
