#pragma once
// The card-location prognosis: for one player, how likely each card it
// cannot see lies in each place (the three seats and the skat). Each update
// rebuilds it from scratch: certainties, the heuristics' weighted hints,
// their average with the certainties propagated and the estimate roughly
// normalised, and a fit that makes every card lie somewhere with
// probability 1 and every place hold the cards it lacks.

#include "skat/logic/LogikModul.h"
#include "skat/logic/PrognosisSituation.h"
#include "skat/logic/SolveStrategy.h"

#include <array>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class VERTEILUNGS_HEURISTIK;
class HEURISTIK_FGN_JEDER_GESPIELTE_KARTEN;
class HEURISTIK_SIGNIFIKANZ;
class VORLOGIK;
class CHARAKTER_QUERY_API;

// Row of a card in the matrices: 8 (suit - 1) + (rank - 1).
constexpr int cardRow(CardId id) { return 8 * (suitOfCardId(id) - 1) + (rankOfCardId(id) - 1); }
constexpr CardId cardOfRow(int row) { return makeCardId(static_cast<Suit>(row / 8 + 1), row % 8 + 1); }

// Below this a cell counts as "no estimate" (-1): -0.99 as a float.
inline constexpr double NO_ESTIMATE_BELOW = static_cast<double>(-0.99f);

struct Suggestion {
    double value = 0;
    double weight = 0; // -1: a certainty
};

class VERTEILUNGS_SCHAETZUNG {
public:
    explicit VERTEILUNGS_SCHAETZUNG(std::unique_ptr<HEURISTIK_SIGNIFIKANZ> significance);
    ~VERTEILUNGS_SCHAETZUNG();

    // Records a certainty unless the cell has an entry already.
    void setCertain(CardId card, int place, bool present);
    void addSuggestion(int row, int place, double value, double weight);
    // Hints that go the wrong way against the real deal are dropped (when
    // checkAgainstDeal; otherwise every hint counts); 0.5 never counts.
    void addCheckedSuggestion(CardId card, Seat seat, double value, double weight);
    void addCheckedSkatSuggestion(CardId card, double value, double weight);

    void reset();
    void applyCertain();
    void propagate();
    void combine();
    void normalise();

    // The real deal the checked hints are tested against; without it
    // (the seat's own view) the hints are taken as they come.
    std::array<CardSet, 3> realHands{};
    CardSet realSkat = 0;
    bool checkAgainstDeal = true;

    std::map<MatrixCell, std::vector<Suggestion>> suggestions;
    ProbMatrix estimate; // E
    std::array<unsigned char, CARD_ROWS> cardDecided{};
    std::array<unsigned char, PLACES> placeDecided{};
    std::array<int, PLACES> placeCounts{};
    int openCards = 0;
    int openPlaces = 0;
    std::vector<MatrixCell> cells;

private:
    std::unique_ptr<HEURISTIK_SIGNIFIKANZ> significance_;
};

// May reorder or thin the cell list before the fit.
class HEURISTIK_SIGNIFIKANZ {
public:
    virtual ~HEURISTIK_SIGNIFIKANZ();
    virtual void orderCells(std::vector<MatrixCell>& cells) = 0;
    VERTEILUNGS_SCHAETZUNG* store = nullptr;
};

// Keeps the list as it is.
class GEWICHT_SIGNIFIKANZ : public HEURISTIK_SIGNIFIKANZ {
public:
    void orderCells(std::vector<MatrixCell>&) override { }
};

// Where the heuristics find the pre-play logic and the profiles (either may
// be missing: then the heuristics that need it stay silent).
struct PrognosisServices {
    const VORLOGIK* vorlogik = nullptr;
    const CHARAKTER_QUERY_API* profiles = nullptr;
};

// The direction of one cell of the fit: adding a multiple of it moves
// probability into the cell and keeps every open row and column sum.
ProbMatrix fitDirection(const VERTEILUNGS_SCHAETZUNG& store, const std::array<int, PLACES>& counts, MatrixCell cell);

class VERTEILUNGS_PROGNOSE : public LOGIK_MODUL {
public:
    explicit VERTEILUNGS_PROGNOSE(PrognosisServices services = {});
    ~VERTEILUNGS_PROGNOSE() override;

    // Deletes the list heuristics and creates the five afresh.
    void createHeuristics();
    // Rebuilds the matrix for the situation.
    void update(const PrognosisSituation& situation);
    // ownView: from what the seat sees alone (no hint is checked against
    // the hidden cards).
    void update(const GameSnapshot& game, bool ownView) { update(prognosisSituationOf(game, ownView)); }

    // Whole percentages 0..100.
    int suitPercent(Suit suit, int place) const;
    int jackPercent(int place) const;
    int trumpPercent(int place) const;
    int cardPercent(CardId card, int place) const;

    const ProbMatrix& probabilities() const { return probabilities_; }
    const VERTEILUNGS_SCHAETZUNG& store() const { return store_; }
    VERTEILUNGS_SCHAETZUNG& store() { return store_; }
    const std::array<int, PLACES>& placeCounts() const { return placeCounts_; }
    // Whether the last fit needed the least-squares fallback.
    bool usedFallback() const { return usedFallback_; }
    std::vector<std::unique_ptr<VERTEILUNGS_HEURISTIK>>& heuristics() { return heuristics_; }
    PrognosisServices services;

    // The fit of stage four on its own: fits P from the store's estimate.
    void fit();

private:
    // The open cards of the other places; the chance that the place holds
    // none of the unseen cards.
    int openElsewhere(int place) const;
    double chanceOfNone(CardSet cards, int place) const;

    ProbMatrix probabilities_;
    std::array<unsigned char, CARD_ROWS> unseen_{};
    std::array<int, PLACES> placeCounts_{};
    GameType gameType_ = GAME_NONE;
    bool usedFallback_ = false;
    std::unique_ptr<HEURISTIK_FGN_JEDER_GESPIELTE_KARTEN> playedCards_;
    std::vector<std::unique_ptr<VERTEILUNGS_HEURISTIK>> heuristics_;
    VERTEILUNGS_SCHAETZUNG store_;
};
