#include "skat/ui/KartenVerteilen.h"

#include "skat/app/SkatText.h"
#include "skat/logic/PreplayTables.h"
#include "skat/logic/Vorlogik.h"

#include <algorithm>
#include <memory>

int KARTEN_VERTEILEN::indexOf(CardId card) { return (rankOfCardId(card) - 1) * 4 + (suitOfCardId(card) - 1); }

CardId KARTEN_VERTEILEN::cardAt(int index)
{
    return makeCardId(static_cast<Suit>(index % 4 + 1), static_cast<Rank>(index / 4 + 1));
}

KARTEN_VERTEILEN::KARTEN_VERTEILEN() { deal.clear(); }

Seat KARTEN_VERTEILEN::seatOfBand(int band) const
{
    const int forehand = isValidSeat(deal.vhPos) ? deal.vhPos : SEAT_1;
    return static_cast<Seat>((forehand + band) % 3);
}

int KARTEN_VERTEILEN::dealtCount() const
{
    int n = 0;
    for (int s : states)
        n += s == DEALT;
    return n;
}

int KARTEN_VERTEILEN::pickedCount() const
{
    int n = 0;
    for (int s : states)
        n += s == PICKED;
    return n;
}

void KARTEN_VERTEILEN::sortAll(const SortSettings& sorting)
{
    for (EINBLATT_SORTIERBAR& hand : deal.hands)
        hand.sort(GAME_CLUBS, sorting);
}

void KARTEN_VERTEILEN::sortHands(const SortSettings& sorting)
{
    states.fill(FREE);
    for (const EINBLATT_SORTIERBAR& hand : deal.hands)
        for (int place = 1; place <= hand.cardCount(); ++place)
            states[static_cast<std::size_t>(indexOf(hand.cardIdAt(place)))] = DEALT;
    sortAll(sorting);
}

void KARTEN_VERTEILEN::setDistribution(const KARTENVERTEILUNG& other, const SortSettings& sorting)
{
    saveUndo();
    deal = other;
    deal.skat = SKAT();
    sortHands(sorting);
}

KARTENVERTEILUNG KARTEN_VERTEILEN::playableDeal() const
{
    KARTENVERTEILUNG played = deal;
    played.skat = SKAT();
    played.fillSkatFromRest();
    return played;
}

void KARTEN_VERTEILEN::saveUndo()
{
    undoStates_ = states;
    undoDeal_ = deal;
    undoSaved_ = true;
}

void KARTEN_VERTEILEN::undo()
{
    if (!undoSaved_)
        return;
    std::swap(states, undoStates_);
    std::swap(deal, undoDeal_);
}

bool KARTEN_VERTEILEN::clear()
{
    saveUndo();
    for (EINBLATT_SORTIERBAR& hand : deal.hands)
        hand.clear();
    for (int& s : states)
        if (s == DEALT)
            s = FREE;
    return true;
}

void KARTEN_VERTEILEN::addRandomCards(EINBLATT_SORTIERBAR& hand, int count, VORDIX_RANDOM& random)
{
    for (int i = 0; i < count; ++i) {
        int index = 0;
        do {
            const int rank = random.next(8);
            const int suit = random.next(4);
            index = rank * 4 + suit;
        } while (states[static_cast<std::size_t>(index)] == DEALT);
        states[static_cast<std::size_t>(index)] = DEALT;
        hand.addCard(cardAt(index));
    }
}

bool KARTEN_VERTEILEN::fill(VORDIX_RANDOM& random, const SortSettings& sorting)
{
    if (complete())
        return false;
    saveUndo();
    for (int b = 0; b < BANDS; ++b) {
        EINBLATT_SORTIERBAR& hand = band(b);
        if (hand.cardCount() < CARDS_IN_HAND)
            addRandomCards(hand, CARDS_IN_HAND - hand.cardCount(), random);
    }
    sortAll(sorting);
    return true;
}

void KARTEN_VERTEILEN::rotate()
{
    saveUndo();
    const int forehand = isValidSeat(deal.vhPos) ? deal.vhPos : SEAT_1;
    deal.vhPos = static_cast<Seat>((forehand + 2) % 3);
}

bool KARTEN_VERTEILEN::swapBands(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= BANDS || b >= BANDS || (band(a).isEmpty() && band(b).isEmpty()))
        return false;
    saveUndo();
    std::swap(band(a), band(b));
    return true;
}

bool KARTEN_VERTEILEN::moveCard(int fromBand, int place, int toBand, const SortSettings& sorting)
{
    if (fromBand < 0 || fromBand >= BANDS || toBand == fromBand || toBand >= BANDS)
        return false;
    const CardId card = band(fromBand).cardIdAt(place);
    if (card == NO_CARD)
        return false;
    if (toBand >= 0 && band(toBand).cardCount() >= CARDS_IN_HAND)
        return false;
    saveUndo();
    band(fromBand).removeCard(card);
    if (toBand < 0) {
        states[static_cast<std::size_t>(indexOf(card))] = FREE;
        return true;
    }
    band(toBand).addCard(card);
    band(toBand).sort(GAME_CLUBS, sorting);
    return true;
}

bool KARTEN_VERTEILEN::togglePicked(CardId card)
{
    int& s = states[static_cast<std::size_t>(indexOf(card))];
    if (s == DEALT)
        return false;
    saveUndo();
    s = s == FREE ? PICKED : FREE;
    return true;
}

bool KARTEN_VERTEILEN::dealPicked(int toBand, const SortSettings& sorting)
{
    const int picked = pickedCount();
    if (toBand < 0 || toBand >= BANDS || picked == 0 || band(toBand).cardCount() + picked > CARDS_IN_HAND)
        return false;
    saveUndo();
    for (int i = 0; i < 32; ++i)
        if (states[static_cast<std::size_t>(i)] == PICKED) {
            states[static_cast<std::size_t>(i)] = DEALT;
            band(toBand).addCard(cardAt(i));
        }
    band(toBand).sort(GAME_CLUBS, sorting);
    return true;
}

void KARTEN_VERTEILEN::dealAtRandom(VORDIX_RANDOM& random)
{
    states.fill(FREE);
    for (int b = 0; b < BANDS; ++b) {
        band(b).clear();
        addRandomCards(band(b), CARDS_IN_HAND, random);
    }
}

std::wstring dealFault(const KARTENVERTEILUNG& deal)
{
    CardSet seen = 0;
    bool twice = false;
    auto take = [&](CardSet cards) {
        twice = twice || (seen & cards) != 0;
        seen |= cards;
    };
    for (const EINBLATT_SORTIERBAR& hand : deal.hands) {
        if (hand.cardCount() != CARDS_IN_HAND)
            return skat::text(TextKey::Alert_Verteilung_unvollstaendig);
        take(hand.cardSet());
    }
    take(deal.skat.cardSet());
    if (twice || seen != ALL_CARDS || !isValidSeat(deal.vhPos))
        return skat::text(TextKey::Alert_Verteilung_unvollstaendig);
    return {};
}

DealSearchOutcome searchDeal(std::uint32_t seed, Seat forehand, const HandRater& accepts,
                             const DealSearchLimits& limits, std::stop_token stop)
{
    DealSearchOutcome outcome;
    KARTEN_VERTEILEN editor;
    editor.deal.vhPos = forehand;
    VORDIX_RANDOM random;
    random.seed = seed;
    const auto deadline = std::chrono::steady_clock::now() + limits.time;
    while (outcome.rounds < limits.rounds && !stop.stop_requested()) {
        // The clock is read every few rounds only: a round takes microseconds.
        if (outcome.rounds % 64 == 63 && std::chrono::steady_clock::now() >= deadline)
            break;
        ++outcome.rounds;
        editor.dealAtRandom(random);
        for (const EINBLATT_SORTIERBAR& hand : editor.deal.hands)
            if (accepts && accepts(hand.cardSet())) {
                outcome.found = true;
                break;
            }
        if (outcome.found)
            break;
    }
    outcome.deal = editor.deal;
    return outcome;
}

namespace {

// One pre-play logic for the search's thread (the rater is used by one
// thread at a time).
HandRater raterWith(std::function<bool(const VORLOGIK&, CardSet)> rate)
{
    auto logic = std::make_shared<VORLOGIK>();
    return [logic, rate = std::move(rate)](CardSet hand) { return rate(*logic, hand); };
}

} // namespace

HandRater grandRater()
{
    // Tables that could not be read are all zero.
    const VL_TABELLEN& tables = VL_TABELLEN::instance();
    const bool loaded = std::any_of(tables.jackTables.begin(), tables.jackTables.end(), [](const BUBEN_TABELLE& t) {
        return std::any_of(t.values.begin(), t.values.end(), [](int v) { return v != 0; });
    });
    if (!loaded)
        return {};
    return raterWith([](const VORLOGIK& logic, CardSet hand) {
        GameBlock block;
        logic.evaluateHand(block, hand, GAME_GRAND);
        return block.before.rating >= 70;
    });
}

HandRater nullRater()
{
    if (!VL_TABELLEN::instance().nullLoaded)
        return {};
    return raterWith([](const VORLOGIK& logic, CardSet hand) { return logic.nullRating(hand) >= 0; });
}
