// Settlement of a finished game (SPIELSTRUCT::settle).

#include "skat/engine/Spielstruct.h"

#include "skat/engine/BidTable.h"
#include "skat/engine/GameRules.h"

#include <algorithm>
#include <cstdlib>

namespace {

inline constexpr int CARDS_OF_SKAT = 2;
inline constexpr int TRICKS_IN_GAME = 10;

// The declarer is Schneider with at most this many points; the defenders
// with at most schneiderLimit(), which the Schneider-at-91 rule lowers.
inline constexpr int DECLARER_SCHNEIDER_LIMIT = 30;

int defendersSchneiderLimit(const RuleSettings& rules) { return rules.schneiderAt91 ? 29 : 30; }

} // namespace

void SPIELSTRUCT::settle(const SettlementTally& tally, const RuleSettings& rules)
{
    const GameType type = SPIELART.SPIEL_TYP;
    if (type == GAME_RAMSCH) {
        settleRamsch(tally);
        return;
    }

    SettlementTally t = tally;
    // Defenders who give up leave every remaining trick to the declarer.
    if (GEGNER_AUFGEGEBEN && !ALSP_AUFGEGEBEN) {
        t.declarerPoints = POINTS_IN_DECK - t.defenderPoints;
        t.declarerCards = CARDS_IN_DECK - t.defenderCards;
    }

    // 1. The level reached.
    int level = LEVEL_NONE;
    if (type != GAME_NULL) {
        const int defendersLimit = defendersSchneiderLimit(rules);
        if (ALSP_AUFGEGEBEN) {
            // After the declarer gave up only what the remaining cards can no
            // longer change counts.
            const bool declarerSchneiderCertain = t.defenderPoints >= POINTS_IN_DECK - DECLARER_SCHNEIDER_LIMIT;
            const bool defendersSchneiderCertain = t.declarerPoints >= POINTS_IN_DECK - defendersLimit;
            if (declarerSchneiderCertain || defendersSchneiderCertain)
                level = LEVEL_SCHNEIDER;
            if (t.tricksPlayed >= TRICKS_IN_GAME && (t.declarerCards == CARDS_OF_SKAT || t.defenderCards == 0))
                level = LEVEL_SCHWARZ;
        } else {
            if (t.defenderPoints <= defendersLimit || t.declarerPoints <= DECLARER_SCHNEIDER_LIMIT)
                level = LEVEL_SCHNEIDER;
            if (t.declarerCards == CARDS_OF_SKAT || t.defenderCards == 0)
                level = LEVEL_SCHWARZ;
        }
    }
    SPIELART.STUFE = level;

    // 2. Won or lost.
    bool lost = false;
    const int winLevel = SPIELART.GEWINN_STUFE;
    if (type == GAME_NULL) {
        lost = t.declarerCards > CARDS_OF_SKAT || ALSP_AUFGEGEBEN;
    } else if (type >= GAME_CLUBS && type <= GAME_GRAND_OUVERT) {
        lost = ALSP_AUFGEGEBEN || t.declarerPoints < 61 || t.defenderPoints >= 60;
        if (winLevel >= WIN_LEVEL_SCHNEIDER_ANNOUNCED && level < LEVEL_SCHNEIDER)
            lost = true;
        if (winLevel >= WIN_LEVEL_SCHWARZ_ANNOUNCED && level < LEVEL_SCHWARZ)
            lost = true;
        if (winLevel == WIN_LEVEL_OUVERT_HAND && t.defenderCards > 0)
            lost = true;
    }
    const bool overbid = isOverbid(rules);
    lost = lost || overbid;

    // 3. and 4. The value, raised by the base value until it covers the bid.
    const int baseValue = SPIELART.baseValue(rules);
    SPIELWERT = SPIELART.gameValue(SPITZEN, rules);
    STUFE_DER_ABRECHNUNG = SPIELART.levelCount(rules);
    if (type != GAME_NULL)
        STUFE_DER_ABRECHNUNG += std::abs(SPITZEN);
    if (overbid && baseValue > 0) {
        // Bids are values of the bid table; a higher one (a damaged record or
        // a hostile peer) is raised no further than its top value.
        const int bid = std::min(GEREIZT, BID_TABLE.back());
        while (SPIELWERT < bid) {
            SPIELWERT += baseValue;
            ++STUFE_DER_ABRECHNUNG;
        }
    }

    // 5. A lost game counts double; a lost hand game single with that rule.
    if (lost) {
        const bool handGame = winLevel >= WIN_LEVEL_HAND;
        SPIELWERT = handGame && rules.lostHandSingle ? -SPIELWERT : -2 * SPIELWERT;
    }

    // 6. Bock, Kontra and Re each double.
    if (BOCKRUNDE_NR > 0)
        SPIELWERT *= 2;
    if (KONTRA) {
        SPIELWERT *= 2;
        if (RE)
            SPIELWERT *= 2;
    }

    markBockTriggers(t, rules);
}

void SPIELSTRUCT::settleRamsch(const SettlementTally& tally)
{
    // The seat with the most points loses (on a tie the lower seat).
    ALLEIN = 0;
    for (int seat = 1; seat < SEAT_COUNT; ++seat)
        if (tally.pointsWonBy[seat] > tally.pointsWonBy[ALLEIN])
            ALLEIN = seat;

    int durchmarsch = SEAT_NONE;
    for (int seat = 0; seat < SEAT_COUNT; ++seat)
        if (tally.cardsWonBy[seat] == CARDS_IN_DECK - CARDS_OF_SKAT)
            durchmarsch = seat;

    if (durchmarsch != SEAT_NONE) {
        ALLEIN = durchmarsch;
        SPIELWERT = POINTS_IN_DECK;
    } else {
        // Every seat that took no trick (a Jungfrau) doubles the loss.
        int factor = 1;
        for (int seat = 0; seat < SEAT_COUNT; ++seat)
            if (tally.cardsWonBy[seat] == 0)
                factor *= 2;
        SPIELWERT = -(tally.pointsWonBy[ALLEIN] + tally.skatPoints) * factor;
    }
    if (BOCKRUNDE_NR > 0)
        SPIELWERT *= 2;
    SPIELART.STUFE = LEVEL_NONE;
    STUFE_DER_ABRECHNUNG = SPIELART.levelCount();
    LOEST_BOCKRUNDE_AUS = false;
}

void SPIELSTRUCT::markBockTriggers(const SettlementTally& t, const RuleSettings& rules)
{
    LOEST_BOCKRUNDE_AUS = triggersBockRounds(core(), t, rules);
}
