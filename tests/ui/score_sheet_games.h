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
    game->pile.setVh(SEAT_1);
    game->pile.setSkat(SKAT(27, 41));
    struct Trick {
        CardId cards[3];
        Seat leader, taker;
    };
    const Trick tricks[10] = {{{14, 44, 11}, SEAT_1, SEAT_1}, {{24, 15, 21}, SEAT_1, SEAT_1},
                              {{34, 12, 22}, SEAT_1, SEAT_1}, {{28, 23, 42}, SEAT_1, SEAT_1},
                              {{46, 48, 43}, SEAT_1, SEAT_2}, {{47, 45, 13}, SEAT_2, SEAT_1},
                              {{38, 36, 31}, SEAT_1, SEAT_1}, {{18, 26, 35}, SEAT_1, SEAT_1},
                              {{17, 25, 33}, SEAT_1, SEAT_1}, {{16, 37, 32}, SEAT_1, SEAT_1}};
    for (const Trick& t : tricks) {
        STICH trick;
        for (CardId id : t.cards)
            trick.addCard(id);
        game->pile.addToParty(t.taker == 1 ? PARTY_DECLARER : PARTY_DEFENDERS, trick, t.leader, t.taker);
    }
    return game;
}

} // namespace sheettest
