#include "skat/logic/Verteilungsprognose.h"

#include "skat/logic/VerteilungsHeuristik.h"

VERTEILUNGS_PROGNOSE::VERTEILUNGS_PROGNOSE(PrognosisServices services)
    : services(services)
    , probabilities_(newProbMatrix(0.0))
    , store_(std::make_unique<GEWICHT_SIGNIFIKANZ>())
{
    playedCards_ = std::make_unique<HEURISTIK_FGN_JEDER_GESPIELTE_KARTEN>(this->services, unseen_);
    createHeuristics();
}

VERTEILUNGS_PROGNOSE::~VERTEILUNGS_PROGNOSE() = default;

void VERTEILUNGS_PROGNOSE::createHeuristics()
{
    heuristics_.clear();
    heuristics_.push_back(std::make_unique<HEURISTIK_FG_GG_REIZBARE_VERTEILUNG>(services, unseen_));
    heuristics_.push_back(std::make_unique<HEURISTIK_FGN_GG_TRUMPFVERTEILUNG>(services, unseen_));
    heuristics_.push_back(std::make_unique<HEURISTIK_F_GG_ANSPIELKARTE>(services, unseen_));
    heuristics_.push_back(std::make_unique<HEURISTIK_F_GG_ALSP_DRITTE_FARBE_FREI>(services, unseen_));
    heuristics_.push_back(std::make_unique<HEURISTIK_FG_JEDER_PUNKTE_IN_STICH>(services, unseen_));
}

void VERTEILUNGS_PROGNOSE::update(const PrognosisSituation& situation)
{
    for (int c = 0; c < CARD_ROWS; ++c)
        for (int p = 0; p < PLACES; ++p)
            probabilities_[c][p] = -1.0;
    unseen_.fill(1);
    placeCounts_.fill(0);
    gameType_ = situation.type;

    store_.reset();
    store_.realHands = situation.hands;
    store_.realSkat = situation.skat;
    store_.checkAgainstDeal = situation.dealKnown;
    playedCards_->apply(situation, store_);
    store_.applyCertain();
    for (const auto& heuristic : heuristics_)
        heuristic->apply(situation, store_);
    store_.combine();
    fit();
}

ProbMatrix fitDirection(const VERTEILUNGS_SCHAETZUNG& store, const std::array<int, PLACES>& counts, MatrixCell target)
{
    const auto [cell, place] = target;
    int n = 0;
    for (int count : counts)
        n += count;
    auto cardOpen = [&](int c) { return !store.cardDecided[static_cast<std::size_t>(c)]; };
    auto placeOpen = [&](int p) { return !store.placeDecided[static_cast<std::size_t>(p)]; };
    auto count = [&](int p) { return static_cast<double>(counts[static_cast<std::size_t>(p)]); };
    ProbMatrix d = newProbMatrix(0.0);
    // Moving probability into (cell, place) takes it evenly from the other
    // open cards of the place and, in proportion to their counts, from the
    // other open places of the card; the rest squares it up. A share whose
    // denominator is 0 is left out.
    const double rowShare = n - 1 != 0 ? -1.0 / (n - 1) : 0.0;
    const double rest = n - count(place);
    for (int j = 0; j < PLACES; ++j)
        if (j != place && placeOpen(j) && cardOpen(cell) && rest != 0.0)
            d[cell][j] = -count(j) / rest;
    for (int i = 0; i < CARD_ROWS; ++i) {
        if (i == cell)
            continue;
        if (placeOpen(place) && cardOpen(i))
            d[i][place] = rowShare;
        for (int j = 0; j < PLACES; ++j)
            if (j != place && placeOpen(j) && cardOpen(i))
                d[i][j] = d[cell][j] * d[i][place];
    }
    d[cell][place] = 1.0;
    return d;
}

void VERTEILUNGS_PROGNOSE::fit()
{
    placeCounts_ = store_.placeCounts;
    int n = 0;
    for (int count : placeCounts_)
        n += count;
    const ProbMatrix& e = store_.estimate;
    int uncertain = 0;
    for (int c = 0; c < CARD_ROWS; ++c)
        for (int p = 0; p < PLACES; ++p) {
            if (e[c][p] == 0.0 || e[c][p] == 1.0) {
                probabilities_[c][p] = e[c][p];
            } else {
                probabilities_[c][p] = n > 0 ? static_cast<double>(placeCounts_[static_cast<std::size_t>(p)]) / n : 0.0;
                ++uncertain;
            }
        }
    usedFallback_ = false;
    if (store_.cells.empty())
        return;

    SOLVE_STRATEGY_QP qp;
    qp.equations.reserve(store_.cells.size());
    for (const MatrixCell& cell : store_.cells)
        qp.equations.push_back(fitDirection(store_, placeCounts_, cell));
    qp.reference = e;
    qp.cells = store_.cells;
    qp.openCards = store_.openCards;
    qp.openPlaces = store_.openPlaces;
    qp.uncertainCells = uncertain;
    try {
        qp.solve(probabilities_);
    } catch (const std::exception&) {
        SOLVE_STRATEGY_SVD svd;
        svd.equations = std::move(qp.equations);
        svd.reference = qp.reference;
        svd.cells = qp.cells;
        svd.openCards = qp.openCards;
        svd.openPlaces = qp.openPlaces;
        svd.uncertainCells = qp.uncertainCells;
        svd.solve(probabilities_);
        usedFallback_ = true;
    }
}

namespace {

int truncatedPercent(double chance) { return static_cast<int>((1.0 - chance) * 100.0); }

} // namespace

int VERTEILUNGS_PROGNOSE::openElsewhere(int place) const
{
    int others = 0;
    for (int p = 0; p < PLACES; ++p)
        if (p != place)
            others += placeCounts_[static_cast<std::size_t>(p)];
    return others;
}

double VERTEILUNGS_PROGNOSE::chanceOfNone(CardSet cards, int place) const
{
    double q = 1.0;
    while (cards) {
        const int row = cardRow(cardIdOfBit(popLowest(cards)));
        q *= 1.0 - unseen_[static_cast<std::size_t>(row)] * probabilities_[row][place];
    }
    return q;
}

int VERTEILUNGS_PROGNOSE::suitPercent(Suit suit, int place) const
{
    if (!isValidSuit(suit) || place < 0 || place >= PLACES)
        return 0;
    if (openElsewhere(place) <= 0)
        return 100;
    return truncatedPercent(chanceOfNone(gameType_ == GAME_NULL ? suitMask(suit) : suitMaskWithoutJack(suit), place));
}

int VERTEILUNGS_PROGNOSE::jackPercent(int place) const
{
    if (place < 0 || place >= PLACES)
        return 0;
    if (openElsewhere(place) <= 0)
        return 100;
    return truncatedPercent(chanceOfNone(JACKS, place));
}

int VERTEILUNGS_PROGNOSE::trumpPercent(int place) const
{
    if (place < 0 || place >= PLACES)
        return 0;
    return truncatedPercent(chanceOfNone(JACKS | suitMask(trumpSuit(gameType_)), place));
}

int VERTEILUNGS_PROGNOSE::cardPercent(CardId card, int place) const
{
    if (!isRealCard(card) || place < 0 || place >= PLACES)
        return 0;
    const int row = cardRow(card);
    return unseen_[static_cast<std::size_t>(row)] ? static_cast<int>(probabilities_[row][place] * 100.0) : 0;
}
