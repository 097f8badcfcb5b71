#pragma once
// The save of the game in progress ("LfdSpiel.skt"): the table's card state,
// the game record and the game-flow state at which the game resumes. The
// game flow writes it at every change of state; start-up reads it to resume
// a game stopped in the middle.

#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"
#include "vordix/Dokument.h"

class LAUFENDES_SPIEL_DOKUMENT : public VORDIX_DOKUMENT {
public:
    LAUFENDES_SPIEL_DOKUMENT();
    ~LAUFENDES_SPIEL_DOKUMENT() override;

    // Accepts any root; needs its child "Laufend". A saved state from which
    // no game can go on (not all 32 cards dealt, an inconsistent card state, card play
    // or settlement without a game type or, but in Ramsch, without a
    // declarer, an unknown state) reads as index 0 with cleared cards and
    // record.
    bool read(const tinyxml2::XMLElement* root, const tinyxml2::XMLDocument& document) override;
    // Shares the score sheet's root name; writes no version.
    const char* elementName() const override { return "Spielliste"; }
    void write(tinyxml2::XMLElement& root, tinyxml2::XMLDocument& document) const override;
    // Only makes sure the document has a file (the cards, the record and
    // the state index stay as they are).
    int onLoadFailed() override;

    // A document without a file gets "LfdSpiel.skt" in the sheets' folder;
    // a named file is kept.
    void reset();

    // The saved state can be resumed.
    bool canResume() const { return stateIndex >= 1; }

    SPIELKARTEN cards;
    SPIELSTRUCT record;
    int stateIndex = 0;

private:
    void clearGame();
};
