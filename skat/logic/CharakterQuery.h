#pragma once
// The profile queries the distribution heuristics ask: from the learned
// profiles, the chance of each card of a suit in the declarer's hand and in
// the first leader's hand. Vectors are indexed by rank (1..8), index 0 for
// a void; the jack entry is always 0. Every path fills the whole vector:
// before the profiles are loaded every chance is 0.

#include "skat/logic/LogikModul.h"
#include "skat/logic/PrognosisSituation.h"

#include <functional>

class CHARAKTER_CREATOR;

class CHARAKTER_QUERY_API : public LOGIK_MODUL {
public:
    // What is known of a card at a place, in percent (100 held, 0 not held,
    // anything else unknown).
    using CardPercent = std::function<int(CardId, int)>;

    // The store defaults to the process-wide one.
    explicit CHARAKTER_QUERY_API(const CHARAKTER_CREATOR* store = nullptr);

    bool loaded() const;
    void declarerCardChances(double out[9], Suit suit, const PrognosisSituation& game,
                             const CardPercent& cardPercent) const;
    void forehandCardChances(double out[9], CardId ledCard, Suit suit, const PrognosisSituation& game) const;
    // The declarer's learnt chance, in percent, of a void third side suit.
    int thirdSuitVoidPercent(Seat declarer) const;

private:
    const CHARAKTER_CREATOR& store() const;
    const CHARAKTER_CREATOR* store_;
};
