#pragma once
// The open-game analysis of a computer player late in a game: one search of
// the real deal with every hand known, ten searches of deals drawn from what
// the player knows, their ratings averaged, and the card chosen from them.

#include "skat/logic/DealSampler.h"
#include "skat/logic/OpenGameView.h"
#include "skat/logic/PlayerSettings.h"

#include <mutex>
#include <span>

class SPIELKARTEN;
class SPIELSTRUCT;
class VORDIX_RANDOM;

// The table-based choice's rating of one card (its total).
struct LeadRating {
    CardId card = NO_CARD;
    int total = 0;
};
using LeadRatings = std::span<const LeadRating>;

struct OpenAnalysisResult {
    static constexpr int SAMPLES = OpenAnalysisSettings::MAX_SAMPLES;

    // Ratings of the real deal.
    SLOFFENWERTUNG fullKnowledge;
    // Ratings of the last drawn deal with each card's value replaced by the
    // mean over all drawn deals and its decision counts by their sums.
    SLOFFENWERTUNG working;
    std::array<SLOFFENWERTUNG, SAMPLES> samples{};
    int sampleCount = 0;

    // A search ran out of the node budget and was dropped.
    bool aborted = false;
    // Effort of the whole analysis.
    std::uint64_t nodes = 0;
    std::uint64_t hashHits = 0;
    double elapsedMs = 0;
};

// Which searches an analysis runs: both, or only the one whose ratings
// decide the card (the real deal's or the drawn deals').
enum class OpenAnalysisParts { BOTH, REAL_DEAL, DRAWN_DEALS };

// Runs the analysis for the view's seat to move on the search given (one
// of the pool's when none is). The sampler draws the deals (uniform over
// what the seat knows when none is given). Without the real deal's search
// fullKnowledge stays empty; without drawn deals the working set holds the
// real deal's ratings. When no deal can be drawn the working set holds the
// real deal's ratings, or stays empty with settings.noDealsTableChoice.
void analyseOpenGame(const OpenGameView& view, VORDIX_RANDOM& random, OpenAnalysisResult& result,
                     OpenSearch* search = nullptr, DealSampler* sampler = nullptr,
                     const OpenAnalysisSettings& settings = {}, OpenAnalysisParts parts = OpenAnalysisParts::BOTH);

// Whether the computer player asks the analysis: in null only a defender
// with two cards or more, in every other game with two to maxHandCards.
bool openAnalysisAsked(GameType type, Seat mover, Seat declarer, int handCards,
                       int maxHandCards = OpenAnalysisSettings{}.maxHandCards);

struct OpenChoiceContext {
    int memory = 2; // the memory preference: 0 good, 1 medium, 2 poor
    // The hosting table's generator; none on a program that joined a table.
    VORDIX_RANDOM* hostRandom = nullptr;
    // The real deal's ratings decide, drawn from hostRandom before the
    // analysis (chooseOpenGameCard then draws no more).
    bool realDealDecides = false;
    // Among the cards the analysis rates alike this one goes first, before
    // the lead ratings rank the others.
    CardId tableCard = NO_CARD;
    // Draws the deals of the analysis; none: uniformly.
    DealSampler* sampler = nullptr;
    OpenAnalysisSettings analysis;
};

// Whether the real deal's ratings decide a card: hostRandom draws next(5),
// above twice the memory preference they do. Never without hostRandom.
bool realDealDecides(const OpenChoiceContext& context);

// The card to play by the analysis, 0 when no card qualifies.
CardId chooseOpenGameCard(const OpenGameView& view, const OpenAnalysisResult& analysis, LeadRatings leadRatings,
                          const OpenChoiceContext& context);

// The last analysis of one player and the card it chose, for the status
// text: the worker publishes a finished result, readers take a copy.
class OpenAnalysisStore {
public:
    struct Snapshot {
        bool valid = false;
        OpenGameView view;
        SLOFFENWERTUNG working;
        CardId chosen = NO_CARD;
        std::array<LeadRating, 13> leads{};
        int leadCount = 0;
        // Deals drawn (0: the real deal's ratings decided).
        int sampleCount = 0;
        LeadRatings leadRatings() const { return {leads.data(), static_cast<std::size_t>(leadCount)}; }
    };
    void publish(const OpenGameView& view, const OpenAnalysisResult& result, CardId chosen, LeadRatings leads = {});
    void clear();
    Snapshot snapshot() const;

private:
    mutable std::mutex mutex_;
    Snapshot latest_;
};

// What the computer player's card choice calls once its table-based choice
// has rated the cards: runs the analysis when it is asked for and returns
// its card (0 when it was not asked or chose none). The result goes to the
// store when one is given. With onlyDecidingSearch the memory draw comes
// first and only the search whose ratings decide runs.
CardId openGameCard(const GameSnapshot& game, VORDIX_RANDOM& random, LeadRatings leadRatings,
                    const OpenChoiceContext& context, OpenAnalysisStore* store = nullptr,
                    bool onlyDecidingSearch = false);
CardId openGameCard(const SPIELKARTEN& cards, const SPIELSTRUCT& record, VORDIX_RANDOM& random, LeadRatings leadRatings,
                    const OpenChoiceContext& context, OpenAnalysisStore* store = nullptr,
                    bool onlyDecidingSearch = false);
