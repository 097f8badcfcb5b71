#pragma once
// A game for the score-sheet and history tests, played out trick by trick.

#include "skat/engine/EinSpiel.h"
#include "skat/engine/Stich.h"

#include <memory>

namespace sheettest {

// Seat 1 plays clubs with three after bidding to 36 and wins Schneider with
// 105; the defenders take trick 5, the declarer passes 60 with trick 8.
inline std::unique_ptr<EIN_SPIEL> playedClubsGame()
{
    auto game = std::make_unique<EIN_SPIEL>();
    SPIELSTRUCT& r = game->record;
    r.ALLEIN = 1;
    r.GEREIZT = 36;
    r.GEREIZTBIS = {0, 36, 33};
    r.SPIELART = SPIELART(GAME_CLUBS, WIN_LEVEL_WITH_SKAT, 1);
    r.SPITZEN = 3;
    r.SPIELWERT = 60;
    game->deal.skat = SKAT(27, 41);
    game->pile.setVh(1);
    game->pile.setSkat(SKAT(27, 41));
    struct Trick {
        CardId cards[3];
        Seat leader, taker;
    };
    const Trick tricks[10] = {{{14, 44, 11}, 1, 1}, {{24, 15, 21}, 1, 1}, {{34, 12, 22}, 1, 1},
                              {{28, 23, 42}, 1, 1}, {{46, 48, 43}, 1, 2}, {{47, 45, 13}, 2, 1},
                              {{38, 36, 31}, 1, 1}, {{18, 26, 35}, 1, 1}, {{17, 25, 33}, 1, 1},
                              {{16, 37, 32}, 1, 1}};
    for (const Trick& t : tricks) {
        STICH trick;
        for (CardId id : t.cards) trick.addCard(id);
        game->pile.addToParty(t.taker == 1 ? PARTY_DECLARER : PARTY_DEFENDERS, trick, t.leader, t.taker);
    }
    return game;
}

} // namespace sheettest
