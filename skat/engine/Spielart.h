#pragma once
// The announced game: its type, the win level announced with it and the level
// reached in play; from them the base value, the number of levels and the
// game value.

#include "skat/engine/CardTypes.h"
#include "skat/engine/Rules.h"
#include "vordix/Stream.h"

#include <string>

// GEWINN_STUFE: what was announced.
inline constexpr int WIN_LEVEL_WITH_SKAT = 0;
inline constexpr int WIN_LEVEL_OUVERT = 1; // Null ouvert
inline constexpr int WIN_LEVEL_HAND = 2;
inline constexpr int WIN_LEVEL_SCHNEIDER_ANNOUNCED = 3;
inline constexpr int WIN_LEVEL_SCHWARZ_ANNOUNCED = 4;
inline constexpr int WIN_LEVEL_OUVERT_HAND = 5; // open hand (suit and grand: Schwarz announced)

// STUFE: what was reached.
inline constexpr int LEVEL_NONE = 0;
inline constexpr int LEVEL_SCHNEIDER = 1;
inline constexpr int LEVEL_SCHWARZ = 2;

class SPIELART : public VORDIX_STREAM {
public:
    SPIELART() = default;
    SPIELART(GameType type, int winLevel) : SPIEL_TYP(type), GEWINN_STUFE(winLevel) { }
    SPIELART(GameType type, int winLevel, int level) : SPIEL_TYP(type), GEWINN_STUFE(winLevel), STUFE(level) { }
    SPIELART(const SPIELART&) = default;
    SPIELART& operator=(const SPIELART&) = default;
    ~SPIELART() override;

    // Element "SPIELART": "TR" type, "TYP" win level and "GS" level reached
    // (the last two only when above 0). Older files name them "TRUMPF",
    // "SPIEL_TYP" and "GEWINN_STUFE" (or "STUFE").
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "SPIELART"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    // The same attributes on another element (a game record or a sheet row).
    // Reading there ignores "STUFE", which names the record's own levels.
    void writeCompact(tinyxml2::XMLElement& element) const;
    void readCompact(const tinyxml2::XMLElement& element);

    void assign(GameType type, int winLevel, int level);

    // Clubs 12, spades 11, hearts 10, diamonds 9, grand 24, grand ouvert 24
    // (36 with the Grand-36 rule), null 23/46/35/59 by win level, Ramsch 1;
    // 0 for anything else. Without rules argument the rules in force apply.
    int baseValue() const;
    int baseValue(const RuleSettings& rules) const;
    // The game type of a base value (null for every null value); 0 when none.
    static GameType typeFromBaseValue(int baseValue);

    // Levels counted: 1 for null and Ramsch; otherwise game, hand,
    // Schneider, announcements and ouvert as far as they apply.
    int levelCount() const;
    int levelCount(const RuleSettings& rules) const;

    // (levels + |matadors|) x base value; null and Ramsch their base value.
    int gameValue(int matadors) const;
    int gameValue(int matadors, const RuleSettings& rules) const;

    // Display texts: the type's name, and the whole game with its levels,
    // base value and level count.
    std::wstring typeName() const;
    std::wstring description() const;
    // The same with the matadors counted in the levels (a game's full value).
    std::wstring descriptionText(int matadors) const;

    bool operator==(const SPIELART& other) const
    {
        return SPIEL_TYP == other.SPIEL_TYP && GEWINN_STUFE == other.GEWINN_STUFE && STUFE == other.STUFE;
    }

    GameType SPIEL_TYP = GAME_NONE;
    int GEWINN_STUFE = WIN_LEVEL_WITH_SKAT;
    int STUFE = LEVEL_NONE;
};
