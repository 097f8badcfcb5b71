#include "skat/logic/HandPatterns.h"

#include "skat/engine/Karte.h"

std::string suitPatternRanksText(int pattern)
{
    std::string text;
    if (pattern < 0 || pattern >= SUIT_PATTERN_COUNT)
        return text;
    if (pattern & 32)
        text += rankCharOf(RANK_ACE);
    if (pattern & 16)
        text += rankCharOf(RANK_TEN);
    if (pattern & 8)
        text += rankCharOf(RANK_KING);
    if (pattern & 4)
        text += rankCharOf(RANK_QUEEN);
    const int low = pattern & 3;
    for (Rank r = RANK_NINE; r >= RANK_SEVEN; --r)
        if (r <= low)
            text += rankCharOf(r);
    return text;
}

bool suitPatternHasRank(int pattern, Rank rank)
{
    if (pattern < 0 || pattern >= SUIT_PATTERN_COUNT)
        return false;
    switch (rank) {
    case RANK_ACE: return (pattern & 32) != 0;
    case RANK_TEN: return (pattern & 16) != 0;
    case RANK_KING: return (pattern & 8) != 0;
    case RANK_QUEEN: return (pattern & 4) != 0;
    case RANK_NINE: return (pattern & 3) == 3;
    case RANK_EIGHT: return (pattern & 3) >= 2;
    case RANK_SEVEN: return (pattern & 3) >= 1;
    default: return false;
    }
}
