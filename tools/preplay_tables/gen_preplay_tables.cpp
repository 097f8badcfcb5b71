// Builds the computer player's pre-play tables ("Blattwertung.bin" and
// "Null.bin") from seeded random deals played out under the game's rules.
//
//   gen_preplay_tables [--deals N] [--refine-deals M] [--seed S] --out DIR
//   gen_preplay_tables --rate "KB PB KA ..." --tables DIR   (prints a hand's ratings)
//
// Round one gives the skat to the strongest hand by a plain count of
// trumps, jacks and aces and plays it as each suit game and as grand; each
// suit's card points are credited to the side that won them (the skat to
// the declarer) and averaged per hand pattern.
// Round two lets the computer player itself bid, discard and announce with
// the round-one tables and adds its games to the same averages. Null levels
// come from hand null games: per suit pattern, how often that suit made the
// declarer take a trick. The discard proposals and the open-game tables
// follow fixed rules of thumb. The same seed gives the same files.

#include "skat/engine/Einblatt.h"
#include "skat/engine/Spielart.h"
#include "skat/engine/Stich.h"
#include "skat/logic/CardPlay.h"
#include "skat/logic/LogicTexts.h"
#include "skat/logic/Vorlogik.h"
#include "vordix/Random.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

namespace {

// Running sums of one table cell.
struct Acc {
    double n = 0, sum = 0, sumSq = 0;
    void add(double v)
    {
        ++n;
        sum += v;
        sumSq += v * v;
    }
    void add(const Acc& o)
    {
        n += o.n;
        sum += o.sum;
        sumSq += o.sumSq;
    }
    double mean(double prior, double k) const { return (sum + k * prior) / (n + k); }
    double spread() const
    {
        if (n < 2)
            return 0;
        const double m = sum / n;
        return std::sqrt(std::max(0.0, sumSq / n - m * m));
    }
};

struct Samples {
    // Side suits of suit games and of grand: [group][pattern], declarer's points.
    std::array<std::array<Acc, SUIT_PATTERN_COUNT>, 3> suit, grand;
    std::array<Acc, TRUMP_PATTERN_COUNT> trump;
    std::array<Acc, JACK_INDEX_COUNT> grandJacks;
    // Null: per cell (a, b, c), hands and hands lost through that suit.
    std::map<std::array<int, 3>, std::array<double, 2>> null;
};

struct Deal {
    std::array<CardSet, 3> hands{};
    CardSet skat = 0;
};

Deal dealCards(VORDIX_RANDOM& random)
{
    std::array<CardBit, 32> deck{};
    for (int i = 0; i < 32; ++i)
        deck[static_cast<std::size_t>(i)] = i;
    for (int i = 31; i > 0; --i)
        std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(random.next(i + 1))]);
    Deal deal;
    for (int i = 0; i < 30; ++i)
        deal.hands[static_cast<std::size_t>(i / 10)] |= bitMask(deck[static_cast<std::size_t>(i)]);
    deal.skat = bitMask(deck[30]) | bitMask(deck[31]);
    return deal;
}

struct PlayResult {
    CardSet declarerCards = 0;               // cards of the declarer's tricks
    Suit firstDeclarerTrickSuit = SUIT_NONE; // null: the suit of the declarer's card in its first trick
};

// Plays the ten tricks with the simple card choice for every seat; seat 0 leads.
PlayResult playOut(std::array<CardSet, 3> hands, GameType type, Seat declarer, CardSet laidAway)
{
    PlayResult result;
    CardSet played = 0;
    Seat leader = SEAT_0;
    for (int trick = 0; trick < 10; ++trick) {
        PlayView view;
        view.type = type;
        view.declarer = declarer;
        view.played = played;
        std::array<CardBit, 3> cards{};
        for (int place = 0; place < 3; ++place) {
            const Seat seat = seatAfter(leader, place);
            view.self = seat;
            view.hand = hands[static_cast<std::size_t>(seat)];
            view.knownAway = seat == declarer ? laidAway : 0;
            view.trickCount = place;
            const CardId card = chooseHeuristicCard(view);
            const CardBit bit = cardById(card)->bit();
            cards[static_cast<std::size_t>(place)] = bit;
            if (place < 2)
                view.trick[static_cast<std::size_t>(place)] = bit;
            hands[static_cast<std::size_t>(seat)] &= ~bitMask(bit);
        }
        const CardSet trickCards = bitMask(cards[0]) | bitMask(cards[1]) | bitMask(cards[2]);
        const int winner = trickWinnerIndex(type, makeTrickCode(cards[0], cards[1], cards[2]));
        const Seat taker = seatAfter(leader, winner);
        if (taker == declarer) {
            result.declarerCards |= trickCards;
            if (result.firstDeclarerTrickSuit == SUIT_NONE)
                result.firstDeclarerTrickSuit = suitOfBit(cards[static_cast<std::size_t>((declarer - leader + 3) % 3)]);
        }
        played |= trickCards;
        leader = taker;
    }
    return result;
}

// Round one: a plain count picks the game of a hand.
int plainScore(CardSet hand, GameType type)
{
    const int jacks = cardCount(hand & JACKS);
    const bool clubsJack = (hand & cardMask(SUIT_CLUBS, RANK_JACK)) != 0;
    int acesAndTens = 0;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        if (isTrumpSuit(s, type))
            continue;
        const CardSet cards = hand & suitMask(s);
        acesAndTens += (cards & ACES) ? 8 : 0;
        acesAndTens += (cards & ACES) && (cards & TENS) ? 5 : 0;
        acesAndTens += (cards & suitMaskWithoutJack(s)) == 0 ? 4 : 0;
    }
    if (type == GAME_GRAND)
        return jacks * 14 + (clubsJack ? 5 : 0) + acesAndTens - (jacks < 2 ? 20 : 0);
    return cardCount(hand & trumpMask(type)) * 10 + jacks * 3 + (clubsJack ? 4 : 0) + acesAndTens;
}

GameType plainBestType(CardSet hand, int& score)
{
    GameType best = GAME_CLUBS;
    score = -1000;
    for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
        const int s = plainScore(hand, t);
        if (s > score) {
            score = s;
            best = t;
        }
    }
    return best;
}

void recordGame(Samples& samples, CardSet hand12, CardSet away, GameType type, CardSet declarerCards)
{
    const CardSet won = declarerCards | away;
    const bool grand = type == GAME_GRAND;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        const int p = suitPatternOf(hand12, s);
        const int g = std::min(cardCount(away & suitMask(s)), 2);
        if (!grand && isTrumpSuit(s, type)) {
            const int q = trumpPatternIndex(hand12 & trumpMask(type), s);
            samples.trump[static_cast<std::size_t>(q)].add(pointsOfSet(won & trumpMask(type)));
            continue;
        }
        const int points = pointsOfSet(won & suitMaskWithoutJack(s));
        (grand ? samples.grand : samples.suit)[static_cast<std::size_t>(g)][static_cast<std::size_t>(p)].add(points);
    }
    if (grand)
        samples.grandJacks[static_cast<std::size_t>(jackIndex(hand12))].add(pointsOfSet(won & JACKS));
}

void recordNull(Samples& samples, const std::array<CardSet, 3>& hands, Seat declarer)
{
    const PlayResult result = playOut(hands, GAME_NULL, declarer, 0);
    const CardSet hand = hands[static_cast<std::size_t>(declarer)];
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        const VORLOGIK::NullSuit n = VORLOGIK::analyseNullSuit(hand, s);
        if (n.a == 0)
            continue;
        auto& cell = samples.null[{n.a, n.c1, n.c2}];
        cell[0] += 1;
        if (result.firstDeclarerTrickSuit == s)
            cell[1] += 1;
    }
}

// Discard proposals by rule: what putting one or two cards of a lone side
// suit away is worth (their points, a void made, an ace or a guarded ten
// given up), and the advice shown for the pattern.
void fillDiscardProposals(VL_TABELLEN& tables)
{
    struct Card {
        Rank rank;
        int bit; // pattern bit, 0 for a low card
    };
    for (int p = 1; p < SUIT_PATTERN_COUNT; ++p) {
        std::array<Card, 7> cards{};
        int n = 0;
        for (auto [rank, bit] : {std::pair{RANK_ACE, 32}, {RANK_TEN, 16}, {RANK_KING, 8}, {RANK_QUEEN, 4}})
            if (p & bit)
                cards[static_cast<std::size_t>(n++)] = {rank, bit};
        const int low = p & 3;
        for (int i = 0; i < low; ++i)
            cards[static_cast<std::size_t>(n++)] = {static_cast<Rank>(RANK_SEVEN + i), 0};
        const bool ace = p & 32;

        auto worth = [&](int mask) { // mask over cards[0..n)
            int value = 0;
            int taken = 0;
            int rest = p;
            for (int i = 0; i < n; ++i)
                if (mask & (1 << i)) {
                    const Card& c = cards[static_cast<std::size_t>(i)];
                    value += pointsOfRank(c.rank);
                    ++taken;
                    if (c.rank == RANK_ACE)
                        value -= 20;
                    if (c.rank == RANK_TEN && ace)
                        value -= 14;
                    rest -= c.bit != 0 ? c.bit : 1;
                }
            if (taken == n)
                value += 12; // the suit becomes void
            else if (rest == 16)
                value -= 8; // a bare ten is left behind
            else if (rest == 8 || rest == 4 || rest == 12)
                value -= 3; // an unguarded picture is left
            return value;
        };
        // A low card is named by the seven: it stands for any low card.
        auto rankOf = [&](int i) {
            return cards[static_cast<std::size_t>(i)].bit ? cards[static_cast<std::size_t>(i)].rank : RANK_SEVEN;
        };

        VL_TABELLEN::DRUECKEN_TUPEL t;
        int bestSingle = -100, bestPair = -100;
        for (int i = 0; i < n; ++i)
            if (worth(1 << i) > bestSingle) {
                bestSingle = worth(1 << i);
                t.Karte = rankOf(i);
            }
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                if (worth((1 << i) | (1 << j)) > bestPair) {
                    bestPair = worth((1 << i) | (1 << j));
                    t.Karte2 = rankOf(j);
                    t.Karte = bestPair > bestSingle ? rankOf(i) : t.Karte;
                }
        if (n < 2) {
            bestPair = 0;
            t.Karte2 = RANK_NONE;
        }
        // The pair's first card when the pair is worth more than one card.
        if (n >= 2 && bestPair <= bestSingle) {
            // Keep Karte as the best single card; Karte2 names the pair's other card.
            int first = -1;
            for (int i = 0; i < n && first < 0; ++i)
                if (rankOf(i) == t.Karte)
                    first = i;
            int bestOther = -100;
            for (int j = 0; j < n; ++j)
                if (j != first && worth((1 << first) | (1 << j)) > bestOther) {
                    bestOther = worth((1 << first) | (1 << j));
                    t.Karte2 = rankOf(j);
                }
            bestPair = bestOther;
        }
        t.Wert = bestSingle;
        t.Wert2 = bestPair;

        AdviceKind advice = ADVICE_SMALL_CARD;
        if (p == 16)
            advice = ADVICE_BARE_TEN;
        else if (p == 32)
            advice = ADVICE_KEEP_BARE_ACE;
        else if ((p & 48) == 48)
            advice = ADVICE_KEEP_ACE_TEN;
        else if ((p & 16) && !ace && n == 2)
            advice = ADVICE_TEN_WITH_SMALL;
        else if (n == 1)
            advice = ADVICE_SINGLE_CARD_VOID;
        else if (n == 2 && bestPair >= bestSingle)
            advice = ADVICE_BOTH_CARDS_VOID;
        else if (!ace && !(p & 16) && (p & 12) && n <= 2)
            advice = ADVICE_UNGUARDED_PICTURES;
        else if (ace && n >= 4)
            advice = ADVICE_KEEP_SUIT;
        t.Wizzard = adviceText(advice).german;
        tables.discardTable.values[static_cast<std::size_t>(p)] = t;
    }
}

// Open-game tables: a suit holding ace and ten (index = pattern - 48) is 0
// when it runs without a loser however the rest lies, 1 when it runs on an
// even split of the missing cards, else 3 (one more away from forehand).
void fillOpenTables(VL_TABELLEN& tables)
{
    for (int i = 0; i < 16; ++i) {
        const int p = 48 + i;
        const int held = 2 + ((p & 8) ? 1 : 0) + ((p & 4) ? 1 : 0) + (p & 3);
        int run = 2; // ace and ten
        if (p & 8) {
            ++run;
            if (p & 4) {
                ++run;
                // The low cards continue the run from the nine down.
                const int low = p & 3;
                run += low == 3 ? 3 : 0;
            }
        }
        const int missing = 7 - held;
        int value = 3;
        if (run >= held || run >= missing)
            value = 0;
        else if (run >= (missing + 1) / 2)
            value = 1;
        for (int seat = 0; seat < 3; ++seat)
            for (int table : {seat, 3 + seat})
                tables.openTables[static_cast<std::size_t>(table)].values[static_cast<std::size_t>(i)] =
                    value == 0 ? 0 : value + (seat == 0 ? 0 : 1);
    }
}

int rounded(double v) { return static_cast<int>(std::lround(v)); }

// The three estimates of a cell from its samples: the mean, and the mean
// less and plus half the spread; shrunk towards the prior when samples are few.
void storeCell(const Acc& acc, double prior, double total, auto tableOf, int pattern, auto store)
{
    constexpr double K = 12;
    const double mean = std::clamp(acc.mean(prior, K), 0.0, total);
    const double spread = acc.n > 0 ? acc.spread() * acc.n / (acc.n + K) : 0;
    store(tableOf(COMP_PD), pattern, rounded(mean));
    store(tableOf(COMP_PS), pattern, rounded(std::max(0.0, mean - spread / 2)));
    store(tableOf(COMP_PM), pattern, rounded(std::min(total, mean + spread / 2)));
    store(tableOf(COMP_ND), pattern, rounded(total - mean));
    store(tableOf(COMP_NS), pattern, rounded(std::min(total, total - mean + spread / 2)));
    store(tableOf(COMP_NM), pattern, rounded(std::max(0.0, total - mean - spread / 2)));
}

void fillPointTables(VL_TABELLEN& tables, const Samples& samples)
{
    auto storeSuit = [&](int table, int pattern, int value) {
        tables.suitTables[static_cast<std::size_t>(table)].values[static_cast<std::size_t>(pattern)] = value;
    };
    for (int grand = 0; grand < 2; ++grand) {
        const auto& cells = grand ? samples.grand : samples.suit;
        for (int g = 0; g < 3; ++g) {
            // Priors: the same high cards with any low cards, then the whole group.
            Acc all;
            std::array<Acc, SUIT_PATTERN_COUNT> high{};
            for (int p = 0; p < SUIT_PATTERN_COUNT; ++p) {
                all.add(cells[static_cast<std::size_t>(g)][static_cast<std::size_t>(p)]);
                high[static_cast<std::size_t>(p & ~3)].add(
                    cells[static_cast<std::size_t>(g)][static_cast<std::size_t>(p)]);
            }
            const double groupMean = all.n > 0 ? all.sum / all.n : 14;
            for (int p = 0; p < SUIT_PATTERN_COUNT; ++p) {
                const double prior = high[static_cast<std::size_t>(p & ~3)].mean(groupMean, 12);
                auto tableOf = [&](int c) {
                    return grand ? VL_TABELLEN::grandTable(g, c) : VL_TABELLEN::suitGameTable(g, c);
                };
                storeCell(cells[static_cast<std::size_t>(g)][static_cast<std::size_t>(p)], prior, 28, tableOf, p,
                          storeSuit);
            }
        }
    }
    // Suit-game tables "B" and "T" and the grand seat tables are kept in the
    // file but not read; they carry the plain averages.
    for (int p = 0; p < SUIT_PATTERN_COUNT; ++p) {
        const auto i = static_cast<std::size_t>(p);
        tables.suitTables[VL_TABELLEN::T_B].values[i] =
            tables.suitTables[VL_TABELLEN::suitGameTable(0, COMP_PD)].values[i];
        tables.suitTables[VL_TABELLEN::T_T].values[i] =
            tables.suitTables[VL_TABELLEN::suitGameTable(0, COMP_ND)].values[i];
        for (int seatTable : {VL_TABELLEN::T_VH, VL_TABELLEN::T_MH, VL_TABELLEN::T_HH})
            tables.suitTables[static_cast<std::size_t>(seatTable)].values[i] =
                tables.suitTables[VL_TABELLEN::grandTable(0, COMP_PD)].values[i];
    }

    // Trumps: priors by jacks and trump count, then by trump count alone.
    auto count = [](int q) { return (q % 18) % 6 + (q % 18) / 6 + cardCount(static_cast<CardSet>(q / 18)); };
    std::map<int, Acc> byJacksAndCount, byCount;
    for (int q = 0; q < TRUMP_PATTERN_COUNT; ++q) {
        byJacksAndCount[(q / 18) * 16 + count(q)].add(samples.trump[static_cast<std::size_t>(q)]);
        byCount[count(q)].add(samples.trump[static_cast<std::size_t>(q)]);
    }
    auto storeTrump = [&](int table, int pattern, int value) {
        tables.trumpTables[static_cast<std::size_t>(table)].values[static_cast<std::size_t>(pattern)] = value;
    };
    for (int q = 0; q < TRUMP_PATTERN_COUNT; ++q) {
        const double coarse = byCount[count(q)].mean(3.6 * count(q), 12);
        const double prior = byJacksAndCount[(q / 18) * 16 + count(q)].mean(coarse, 12);
        storeCell(
            samples.trump[static_cast<std::size_t>(q)], prior, 36, [](int c) { return c; }, q, storeTrump);
    }

    // Grand jacks.
    Acc allJacks;
    for (const Acc& a : samples.grandJacks)
        allJacks.add(a);
    auto storeJack = [&](int table, int index, int value) {
        tables.jackTables[static_cast<std::size_t>(table)].values[static_cast<std::size_t>(index)] = value;
    };
    for (int j = 0; j < JACK_INDEX_COUNT; ++j) {
        const double prior = 2.0 * cardCount(static_cast<CardSet>(j)) * 0.9;
        storeCell(samples.grandJacks[static_cast<std::size_t>(j)], prior, 8, VL_TABELLEN::grandJackTable, j, storeJack);
        for (int seatTable = 0; seatTable < 4; ++seatTable)
            tables.jackTables[static_cast<std::size_t>(seatTable)].values[static_cast<std::size_t>(j)] =
                tables.jackTables[static_cast<std::size_t>(VL_TABELLEN::grandJackTable(COMP_PD))]
                    .values[static_cast<std::size_t>(j)];
    }
}

// Null levels: how often a suit of the pattern let the declarer take a trick.
void fillNullTable(VL_TABELLEN& tables, const Samples& samples)
{
    for (const VL_TABELLEN::NullCell& cell : VL_TABELLEN::nullCells()) {
        const auto it = samples.null.find({cell.a, cell.b, cell.c});
        int level = 0;
        if (it != samples.null.end() && it->second[0] >= 20) {
            const double safe = 1.0 - (it->second[1] + 0.5) / (it->second[0] + 1.0);
            // The simple defenders of these games miss chances that the
            // open-game analysis takes late in a real game: be strict.
            level = safe >= 0.995 ? 4 : safe >= 0.985 ? 3 : safe >= 0.96 ? 2 : safe >= 0.92 ? 1 : safe >= 0.8 ? 0 : -1;
        }
        tables.setNullValue(cell.a, cell.b, cell.c, level);
    }
}

void playRound(Samples& samples, int deals, VORDIX_RANDOM& random, const VL_TABELLEN& tables, bool byBidding)
{
    VORLOGIK logic(&tables);
    for (int d = 0; d < deals; ++d) {
        const Deal deal = dealCards(random);
        for (Seat s = SEAT_0; s < 3; ++s)
            recordNull(samples, deal.hands, s);

        Seat declarer = SEAT_NONE;
        GameType type = GAME_NONE;
        bool hand = false;
        int secondLimit = 18;
        if (byBidding) {
            int best = 0;
            for (Seat s = SEAT_0; s < 3; ++s) {
                logic.bidProposal(deal.hands[static_cast<std::size_t>(s)], s);
                const int limit = logic.proposal.limit;
                if (limit > best) {
                    secondLimit = std::max(18, best);
                    best = limit;
                    declarer = s;
                    type = logic.proposal.type;
                    hand = logic.proposal.level >= WIN_LEVEL_HAND;
                } else {
                    secondLimit = std::max(secondLimit, limit);
                }
            }
            if (declarer == SEAT_NONE)
                continue;
        } else {
            int best = -1000;
            for (Seat s = SEAT_0; s < 3; ++s) {
                int score = 0;
                plainBestType(deal.hands[static_cast<std::size_t>(s)], score);
                if (score > best) {
                    best = score;
                    declarer = s;
                }
            }
        }
        if (!byBidding) {
            // The strongest hand takes the skat and plays every type in turn,
            // so that the types' tables answer the same question.
            for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
                std::array<CardSet, 3> hands = deal.hands;
                CardSet& own = hands[static_cast<std::size_t>(declarer)];
                own |= deal.skat;
                const CardSet rated = own;
                const CardSet away = discardCards(logic.chooseDiscardPair(own, t));
                if (cardCount(away) != 2)
                    continue;
                own &= ~away;
                recordGame(samples, rated, away, t, playOut(hands, t, declarer, away).declarerCards);
            }
            continue;
        }
        std::array<CardSet, 3> hands = deal.hands;
        CardSet& own = hands[static_cast<std::size_t>(declarer)];
        CardSet away = deal.skat;
        CardSet rated = own;
        if (!hand) {
            own |= deal.skat;
            rated = own;
            if (byBidding) {
                logic.seat = declarer;
                logic.chooseDiscard(own, std::min(secondLimit, logic.proposal.limit > 0 ? secondLimit : 18));
                type = logic.proposal.type;
            } else {
                int score = 0;
                type = plainBestType(own, score);
            }
            if (type == GAME_NULL)
                continue;
            away = discardCards(logic.chooseDiscardPair(own, type));
            if (cardCount(away) != 2)
                continue;
            own &= ~away;
        } else if (type == GAME_NULL) {
            continue;
        }
        const PlayResult result = playOut(hands, type, declarer, hand ? 0 : away);
        recordGame(samples, rated, hand ? 0 : away, type, result.declarerCards | (hand ? deal.skat : 0));
    }
}

// Prints the ratings and the proposal of a hand (ten or twelve card codes).
int rateHand(const std::string& codes, const std::string& folder)
{
    VL_TABELLEN tables;
    if (!tables.loadFromFolder(folder))
        return 1;
    CardSet hand = 0;
    for (std::size_t i = 0; i + 1 < codes.size(); i += 3)
        hand |= cardMaskOfId(cardIdFromCode(codes.c_str() + i));
    VORLOGIK logic(&tables);
    for (Seat seat = SEAT_0; seat < 3; ++seat) {
        logic.bidProposal(hand, seat);
        std::printf("seat %d: limit %d type %d level %d (rating %d / %d), null level %d\n", seat, logic.proposal.limit,
                    logic.proposal.type, logic.proposal.level, logic.proposal.rating, logic.proposal.rating1,
                    logic.nullRating(hand));
    }
    for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
        const GameBlock& b = logic.proposal.block(t);
        std::printf("  type %d: before %3d (pd %3d nd %3d)  after %3d (pd %3d nd %3d)  class %d value %d level %d\n", t,
                    b.before.rating, b.before.M[ROW_PD][0], b.before.M[ROW_ND][0], b.after.rating, b.after.M[ROW_PD][0],
                    b.after.M[ROW_ND][0], b.bidClass, b.bidValue, b.level);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    int deals = 400000;
    int refineDeals = 40000;
    std::uint32_t seed = 20261210;
    std::string out;
    std::string rate;
    for (int i = 1; i < argc; ++i) {
        const bool value = i + 1 < argc;
        if (!std::strcmp(argv[i], "--rate") && value)
            rate = argv[++i];
        else if (!std::strcmp(argv[i], "--tables") && value)
            out = argv[++i];
        else if (!std::strcmp(argv[i], "--deals") && value)
            deals = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--refine-deals") && value)
            refineDeals = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--seed") && value)
            seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (!std::strcmp(argv[i], "--out") && value)
            out = argv[++i];
        else {
            std::fprintf(stderr, "usage: %s [--deals N] [--refine-deals M] [--seed S] --out DIR\n", argv[0]);
            return 2;
        }
    }
    if (!rate.empty() && !out.empty())
        return rateHand(rate, out);
    if (out.empty() || deals < 1 || refineDeals < 0) {
        std::fprintf(stderr, "usage: %s [--deals N] [--refine-deals M] [--seed S] --out DIR\n", argv[0]);
        return 2;
    }

    VORDIX_RANDOM random;
    random.seed = seed;
    VL_TABELLEN tables;
    fillDiscardProposals(tables);
    fillOpenTables(tables);

    Samples samples;
    playRound(samples, deals, random, tables, false);
    fillPointTables(tables, samples);
    fillNullTable(tables, samples);
    if (refineDeals > 0) {
        playRound(samples, refineDeals, random, tables, true);
        fillPointTables(tables, samples);
        fillNullTable(tables, samples);
    }

    std::filesystem::create_directories(out);
    if (!tables.saveToFolder(out)) {
        std::fprintf(stderr, "could not write the tables to %s\n", out.c_str());
        return 1;
    }
    std::printf("wrote %s and %s to %s (%d + %d deals, seed %u)\n", VL_TABELLEN::TABLE_FILE, VL_TABELLEN::NULL_FILE,
                out.c_str(), deals, refineDeals, seed);
    return 0;
}
