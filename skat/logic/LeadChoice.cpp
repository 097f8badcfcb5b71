#include "skat/logic/LeadChoice.h"

#include "skat/engine/ComputerLogic.h"
#include "skat/engine/Stich.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/DeltaTables.h"
#include "skat/logic/LeadTables.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TRUMP_SUIT = 0; // effective suit of a trump

CardId idOf(CardBit bit) { return cardIdOfBit(bit); }
int pointsOf(CardId card) { return pointsOfRank(rankOfCardId(card)); }
bool isJack(CardId card) { return rankOfCardId(card) == RANK_JACK; }

// Chance (0..1) that h cards drawn from n hold none of k given ones.
double chanceOfNone(int n, int k, int h)
{
    if (k <= 0)
        return 1.0;
    if (h <= 0 || n <= 0)
        return 1.0;
    if (n - k < h)
        return 0.0;
    double p = 1.0;
    for (int i = 0; i < h; ++i)
        p *= static_cast<double>(n - k - i) / (n - i);
    return p;
}

// The card of a trump-order position in a suit game of trump suit t.
CardId trumpCardAt(int position, Suit t)
{
    const CardId key = TRAINING_SITUATION::positionCard(position);
    return isJack(key) ? key : makeCardId(t, rankOfCardId(key));
}

} // namespace

// ---------------------------------------------------------------- situation

int LeadSituation::handSize(Seat seat) const
{
    int size = CARDS_IN_HAND - trickCount;
    for (int i = 0; i < view.trickCount; ++i)
        if (seatAfter(leader, i) == seat)
            --size;
    return size;
}

LeadSituation LeadSituation::of(const GameSnapshot& game)
{
    LeadSituation s;
    s.view = COMPUTER_LOGIK::viewOf(game);
    s.leader = game.cards.leader();
    const GameType type = game.gameType();
    const Seat self = game.seat;
    const Seat declarer = type == GAME_RAMSCH ? self : game.record.declarer();
    const bool selfDeclares = self == declarer;
    s.trickCount = std::min<int>(game.trickCount, 10);
    for (int n = 0; n < s.trickCount; ++n) {
        const PlayedTrick& played = game.tricks[static_cast<std::size_t>(n)];
        Trick& t = s.tricks[static_cast<std::size_t>(n)];
        t.leader = played.leaderSeat();
        for (int place = 0; place < 3; ++place)
            t.cards[static_cast<std::size_t>(place)] = trickCardBit(played.code, place);
        t.winner = isValidSeat(played.leaderSeat())
                       ? seatAfter(played.leaderSeat(), trickWinnerIndex(type, played.code))
                       : SEAT_NONE;
        const int points = trickPoints(played.code);
        const bool declarersTrick = t.winner == declarer;
        ((declarersTrick == selfDeclares) ? s.ownPoints : s.otherPoints) += points;
    }
    s.schneiderTarget = game.record.SPIELART.GEWINN_STUFE == WIN_LEVEL_SCHNEIDER_ANNOUNCED
                        || game.record.SPIELART.STUFE == LEVEL_SCHNEIDER;
    s.bid = game.record.GEREIZT;
    return s;
}

// ------------------------------------------------------------------ chances

SeenCardChances::SeenCardChances(const LeadSituation& situation) : s_(situation)
{
    const PlayView& v = s_.view;
    CardSet trick = 0;
    for (int i = 0; i < v.trickCount; ++i)
        trick |= bitMask(v.trick[static_cast<std::size_t>(i)]);
    unseen_ = ALL_CARDS & ~(v.hand | v.played | v.knownAway | trick);
    const GameType type = v.type;
    auto noteVoids = [&](const CardBit* cards, int count, Seat leader) {
        const int led = effectiveSuit(type, cards[0]);
        for (int i = 1; i < count; ++i)
            if (effectiveSuit(type, cards[i]) != led)
                voids_[static_cast<std::size_t>(seatAfter(leader, i))] |= 1u << led;
    };
    for (int n = 0; n < s_.trickCount; ++n) {
        const auto& t = s_.tricks[static_cast<std::size_t>(n)];
        if (isValidSeat(t.leader))
            noteVoids(t.cards.data(), 3, t.leader);
    }
    if (v.trickCount > 0 && isValidSeat(s_.leader))
        noteVoids(v.trick.data(), v.trickCount, s_.leader);
}

CardSet SeenCardChances::possible(Seat seat) const
{
    if (!isValidSeat(seat) || seat == s_.view.self)
        return 0;
    CardSet cards = 0;
    for (CardSet rest = unseen_; rest; rest &= rest - 1) {
        const CardBit b = lowestBit(rest);
        if (!(voids_[static_cast<std::size_t>(seat)] & (1u << effectiveSuit(s_.view.type, b))))
            cards |= bitMask(b);
    }
    return cards;
}

int SeenCardChances::chanceOfAny(Seat seat, CardSet cards) const
{
    const CardSet mine = possible(seat);
    const int k = cardCount(mine & cards);
    if (k == 0)
        return 0;
    const double none = chanceOfNone(cardCount(unseen_), k, s_.handSize(seat));
    return std::clamp(static_cast<int>(std::lround(100.0 * (1.0 - none))), k > 0 ? 1 : 0, 100);
}

int SeenCardChances::suitChance(Seat seat, Suit suit) const
{
    const GameType type = s_.view.type;
    CardSet cards = 0;
    if (type == GAME_NULL)
        cards = suitMask(suit);
    else if (isTrumpSuit(suit, type))
        cards = trumpMask(type);
    else
        cards = suitMask(suit) & ~trumpMask(type);
    return chanceOfAny(seat, cards);
}

int SeenCardChances::trumpChance(Seat seat) const
{
    return s_.view.type == GAME_NULL ? 0 : chanceOfAny(seat, trumpMask(s_.view.type));
}

int SeenCardChances::jackChance(Seat seat) const { return chanceOfAny(seat, JACKS); }

int SeenCardChances::cardChance(CardId card, Seat seat) const
{
    const CardSet mask = cardMaskOfId(card);
    if (!(possible(seat) & mask))
        return 0;
    const int n = std::max(1, cardCount(unseen_));
    return std::clamp(100 * s_.handSize(seat) / n, 1, 100);
}

// ------------------------------------------------------------------- choice

CardSet SL_AUSSPIELEN::candidates(const PlayView& v)
{
    if (v.trickCount == 0)
        return v.hand;
    const int led = effectiveSuit(v.type, v.trick[0]);
    CardSet follow = 0;
    for (CardSet rest = v.hand; rest; rest &= rest - 1)
        if (effectiveSuit(v.type, lowestBit(rest)) == led)
            follow |= bitMask(lowestBit(rest));
    return follow ? follow : v.hand;
}

bool SL_AUSSPIELEN::isTrump(CardId card) const
{
    return s_->view.type != GAME_NULL && (cardMaskOfId(card) & trumpMask(s_->view.type));
}

SL_TABELLEN_WERTUNG& SL_AUSSPIELEN::tables() const { return tables_ ? *tables_ : leadTables; }

int SL_AUSSPIELEN::rate(const TABELLE& table, GameType type, CardId card) const
{
    return tables().rate(table, type, card, &pattern_);
}

int SL_AUSSPIELEN::rateGrand(const TABELLE& table, CardId card) const
{
    if (!isJack(card))
        return rate(table, suitGame(suitOfCardId(card)), card);
    int best = -100000;
    for (Suit t = SUIT_CLUBS; t <= SUIT_DIAMONDS; ++t)
        best = std::max(best, rate(table, suitGame(t), card));
    return best;
}

void SL_AUSSPIELEN::evaluate(const LeadSituation& situation, const LeadChances& chances)
{
    s_ = &situation;
    c_ = &chances;
    ratings_.clear();
    const PlayView& v = situation.view;
    pattern_ = PatternView{v.hand, v.played | v.knownAway, 0};
    for (int i = 0; i < v.trickCount; ++i)
        pattern_.trick |= bitMask(v.trick[static_cast<std::size_t>(i)]);
    candidates_ = candidates(v);
    const GameType type = v.type;
    if (v.trickCount == 0) {
        if (isSuitGame(type))
            leadSuitGame();
        else if (type == GAME_GRAND || type == GAME_GRAND_OUVERT)
            leadGrand();
        else
            leadNull();
        return;
    }
    if (type == GAME_NULL || type == GAME_RAMSCH) {
        CardSet cands = candidates_;
        if (type == GAME_NULL && v.trickCount == 2 && v.self == situation.declarer()) {
            // The declarer third in null keeps the cards that let the trick go.
            CardSet under = 0;
            for (CardSet rest = cands; rest; rest &= rest - 1) {
                const CardBit b = lowestBit(rest);
                const CardBit best = beatsCard(type, v.trick[1], v.trick[0], v.trick[0]) ? v.trick[1] : v.trick[0];
                if (!beatsCard(type, b, best, v.trick[0]))
                    under |= bitMask(b);
            }
            if (under)
                candidates_ = under;
        }
        followNull();
        return;
    }
    if (v.trickCount == 1) {
        if (isSuitGame(type))
            secondSuitGame();
        else
            secondGrand();
        return;
    }
    const CardSet narrowed = narrowThird(candidates_);
    if (isSuitGame(type))
        thirdSuitGame(narrowed);
    else
        thirdGrand(narrowed);
}

void SL_AUSSPIELEN::leadSuitGame()
{
    const LeadSituation& s = *s_;
    const GameType type = s.view.type;
    const Seat self = s.view.self;
    const Seat declarer = s.declarer();
    const Seat next = seatAfter(self, 1);
    const Seat after = seatAfter(self, 2);
    int trumpNumber = 5;
    if (self == declarer) {
        const int tn = c_->trumpChance(next), ta = c_->trumpChance(after);
        trumpNumber = tn == 0 && ta == 0 ? 24 : (tn <= 10 || ta <= 10) ? 25 : 0;
    }
    // The declarer's trump rule: with as many top trumps as trumps out, draw.
    int outstanding = 0, top = 0, runLow = 12;
    bool runOpen = true;
    for (int pos = 11; pos >= 2; --pos) {
        const CardSet m = cardMaskOfId(trumpCardAt(pos, trumpSuit(type)));
        if (s.view.hand & m) {
            if (runOpen) {
                ++top;
                runLow = pos;
            }
        } else if (!((s.view.played | s.view.knownAway) & m)) {
            ++outstanding;
            runOpen = false;
        }
    }
    const bool drawTrumps =
        self == declarer && (trumpNumber == 0 || trumpNumber == 25) && top >= outstanding && outstanding >= 1;

    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardId card = idOf(lowestBit(rest));
        const Suit suit = suitOfCardId(card);
        if (isTrump(card)) {
            const TABELLE table{KIND_VHTR, trumpNumber};
            if (drawTrumps) {
                ratings_.add(card, table, trumpPosition(card) >= runLow ? 100 : -80);
                continue;
            }
            ratings_.add(card, table, rate(table, type, card));
            continue;
        }
        int side = 0;
        if (self == declarer) {
            side = trumpNumber == 24 ? 4 : 0;
            if ((c_->suitChance(next, suit) == 0 && c_->trumpChance(next) > 0)
                || (c_->suitChance(after, suit) == 0 && c_->trumpChance(after) > 0))
                side = 3;
        } else if (declarer == next) {
            side = c_->suitChance(declarer, suit) < 40 ? 5 : 1;
            if (c_->suitChance(after, suit) == 0 && c_->trumpChance(after) > 0)
                side = 6;
        } else {
            if (c_->suitChance(next, suit) == 0 && c_->trumpChance(next) > 0)
                side = 8;
            else
                side = c_->suitChance(declarer, suit) < 40 ? 7 : 2;
        }
        const TABELLE table{KIND_VHBB, side};
        int rating = rate(table, type, card);
        // Answer the partner: he led this suit last and this seat took it.
        if (self != declarer && declarer == next && s.trickCount > 0) {
            const auto& last = s.tricks[static_cast<std::size_t>(s.trickCount - 1)];
            bool allSuit = last.leader == after && last.winner == self;
            for (CardBit b : last.cards)
                allSuit = allSuit && suitOfBit(b) == suit && rankOfBit(b) != RANK_JACK;
            if (allSuit)
                rating += 10;
        }
        ratings_.add(card, table, rating);
    }
}

void SL_AUSSPIELEN::leadGrand()
{
    const LeadSituation& s = *s_;
    const Seat self = s.view.self;
    const Seat declarer = s.declarer();
    const Seat next = seatAfter(self, 1);
    const Seat after = seatAfter(self, 2);
    const bool jackOut = (JACKS & ~(s.view.hand | s.view.played | s.view.knownAway)) != 0;
    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardId card = idOf(lowestBit(rest));
        const Suit suit = suitOfCardId(card);
        auto chance = [&](Seat seat) { return isJack(card) ? c_->trumpChance(seat) : c_->suitChance(seat, suit); };
        int number = 1;
        if (self != declarer) {
            const Seat partner = declarer == next ? after : next;
            number = declarer == next ? 2 : 3;
            if (chance(partner) == 0 && c_->jackChance(partner) > 30)
                number = declarer == next ? 16 : 18;
            if (chance(declarer) == 0)
                number = declarer == next ? 17 : 19;
        }
        const TABELLE table{KIND_VHTR, number};
        if (isJack(card) && !jackOut)
            ratings_.add(card, table, -50);
        else
            ratings_.add(card, table, rateGrand(table, card));
    }
}

void SL_AUSSPIELEN::leadNull()
{
    const LeadSituation& s = *s_;
    const GameType type = s.view.type;
    const Seat self = s.view.self;
    const Seat declarer = s.declarer();
    const Seat next = seatAfter(self, 1);
    const Seat after = seatAfter(self, 2);
    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardId card = idOf(lowestBit(rest));
        const Suit suit = suitOfCardId(card);
        int number = 6;
        if (type == GAME_NULL && self != declarer) {
            if (c_->suitChance(declarer, suit) == 0) {
                ratings_.add(card, TABELLE{KIND_VHNL, 6}, -40);
                continue;
            }
            if (declarer == next)
                number = c_->suitChance(after, suit) > 0 ? 8 : 7;
            else
                number = c_->suitChance(next, suit) > 0 ? 9 : 20;
        }
        const TABELLE table{KIND_VHNL, number};
        ratings_.add(card, table, rate(table, type, card));
    }
}

void SL_AUSSPIELEN::followNull()
{
    const LeadSituation& s = *s_;
    const PlayView& v = s.view;
    const bool declares = v.self == s.declarer();
    const bool declarerLed = s.leader == s.declarer();
    const bool second = v.trickCount == 1;
    const int led = effectiveSuit(v.type, v.trick[0]);
    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardBit b = lowestBit(rest);
        const CardId card = idOf(b);
        TABELLE table;
        if (effectiveSuit(v.type, b) == led)
            table = {KIND_MHNL, (declares ? 4 : declarerLed ? 5 : 6) + (second ? 0 : 6)};
        else
            table = {KIND_VHNL, declares ? 21 : 23};
        ratings_.add(card, table, rate(table, v.type, card));
    }
}

void SL_AUSSPIELEN::secondSuitGame()
{
    const LeadSituation& s = *s_;
    const PlayView& v = s.view;
    const GameType type = v.type;
    const Seat declarer = s.declarer();
    const int p = v.self == declarer ? 1 : s.leader == declarer ? 2 : 3;
    const Seat third = seatAfter(s.leader, 2);
    const CardId led = idOf(v.trick[0]);
    const bool ledTrump = isTrump(led);
    const CardSet gone = v.played | v.knownAway;
    const auto played = [&](CardId c) { return (gone & cardMaskOfId(c)) != 0; };
    const int S = c_->suitChance(third, suitOfCardId(led));
    const int T = c_->trumpChance(third);

    // The discard number when this seat cannot follow.
    int discard = 11;
    if (p == 1) {
        discard = 10;
    } else if (p == 3) {
        discard = 12;
        if (!isJack(led)) {
            bool higherOut = false;
            for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r) {
                const bool higher = r > rankOfCardId(led) && (r != RANK_JACK || rankOfCardId(led) <= RANK_NINE);
                if (higher && !played(makeCardId(suitOfCardId(led), r)))
                    higherOut = true;
            }
            discard = higherOut ? 11 : 18;
        } else {
            bool allHigher = true;
            for (Suit j = SUIT_CLUBS; j < suitOfCardId(led); ++j)
                allHigher = allHigher && played(makeCardId(j, RANK_JACK));
            discard = allHigher ? 18 : 12;
        }
    } else if (!ledTrump) {
        ARRAY_OF_FARBKARTEN_BB pattern;
        pattern.fill(&pattern_, suitOfCardId(led));
        if (tables().rateFilter(6, led, pattern) > 0 || (S < 10 && T > 90))
            discard = 18;
    } else if (!isJack(led)) {
        const Rank r = rankOfCardId(led);
        if (r != RANK_TEN && r != RANK_ACE && T > 90)
            discard = 18;
        bool allAbove = true;
        for (int pos = trumpPosition(led) + 1; pos <= 11; ++pos)
            allAbove = allAbove && played(trumpCardAt(pos, trumpSuit(type)));
        if (allAbove)
            discard = 11;
    } else if (T > 90) {
        const Suit j = suitOfCardId(led);
        const auto jackPlayed = [&](Suit x) { return played(makeCardId(x, RANK_JACK)); };
        if (j == SUIT_DIAMONDS && !jackPlayed(SUIT_CLUBS) && !jackPlayed(SUIT_SPADES) && !jackPlayed(SUIT_HEARTS))
            discard = 18;
        else if (j == SUIT_HEARTS && !jackPlayed(SUIT_CLUBS) && !jackPlayed(SUIT_SPADES) && s.bid <= 36)
            discard = 18;
        else if (j == SUIT_SPADES && !jackPlayed(SUIT_CLUBS) && s.bid <= 24)
            discard = 18;
    }
    const bool declarerVoidInLed = p != 1 && c_->suitChance(declarer, suitOfCardId(led)) == 0 && p == 3;

    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardId card = idOf(lowestBit(rest));
        const Suit suit = suitOfCardId(card);
        TABELLE table;
        int filter = -1;
        if (!ledTrump && !isTrump(card) && suit == suitOfCardId(led)) {
            // Does the third seat threaten to take the trick?
            const Suit asked = suit;
            bool threat = c_->suitChance(third, asked) < 40 && T > 0;
            Rank highest = rankOfCardId(led);
            for (CardSet own = v.hand & suitMaskWithoutJack(suit); own; own &= own - 1)
                highest = std::max(highest, rankOfBit(lowestBit(own)));
            double none = 1.0;
            for (Rank r = highest + 1; r <= RANK_ACE; ++r)
                if (r != RANK_JACK)
                    none *= (100 - c_->cardChance(makeCardId(suit, r), third)) / 100.0;
            threat = threat || 100.0 * (1.0 - none) > 60;
            table = {KIND_MHBB, threat ? p + 3 : p};
        } else if (ledTrump && isTrump(card)) {
            table = {KIND_MHTR, p};
        } else if (isTrump(card)) {
            table = {KIND_VHTR, p == 2 ? 11 : 9 + p};
            if (!ledTrump && discard != 17 && discard != 18)
                filter = p - 1;
        } else {
            int number = discard;
            if (number == 18 && c_->suitChance(declarer, suit) == 0)
                number = 17;
            if (declarerVoidInLed)
                number = 11;
            table = {KIND_VHBB, number};
        }
        ratings_.add(card, table, rate(table, type, card));
        if (filter >= 0 && table.kind == KIND_VHTR) {
            ARRAY_OF_FARBKARTEN_BB pattern;
            pattern.fill(&pattern_, suitOfCardId(led));
            ratings_.setFilter(card, filter, tables().rateFilter(filter, led, pattern));
        }
    }
}

void SL_AUSSPIELEN::secondGrand()
{
    const LeadSituation& s = *s_;
    const PlayView& v = s.view;
    const Seat declarer = s.declarer();
    const bool declares = v.self == declarer;
    const bool declarerLed = s.leader == declarer;
    const CardId led = idOf(v.trick[0]);
    const CardSet gone = v.played | v.knownAway;
    bool higherJacksGone = isJack(led);
    for (Suit j = SUIT_CLUBS; isJack(led) && j < suitOfCardId(led); ++j)
        higherJacksGone = higherJacksGone && (gone & cardMask(j, RANK_JACK));
    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardId card = idOf(lowestBit(rest));
        TABELLE table;
        int filter = -1;
        const bool follows = isJack(card) == isJack(led) && (isJack(card) || suitOfCardId(card) == suitOfCardId(led));
        if (follows) {
            if (declares) {
                const CardSet above = suitMaskWithoutJack(suitOfCardId(led)) & ~((cardMaskOfId(led) << 1) - 1);
                table = !isJack(led) && !(v.hand & above) ? TABELLE{KIND_VHBB, 11} : TABELLE{KIND_MHTR, 7};
            } else {
                table = {KIND_MHTR, declarerLed ? 8 : 9};
            }
        } else {
            int number = declares ? 13 : declarerLed ? 14 : 15;
            table = {KIND_VHTR, number};
            if (higherJacksGone && number == 14)
                table = {KIND_VHBB, 11};
            if (higherJacksGone && number == 15)
                table = {KIND_VHBB, c_->suitChance(declarer, suitOfCardId(led)) == 0 ? 17 : 18};
            if (isJack(card) && !isJack(led))
                filter = number - 10;
        }
        const int rating = table.kind == KIND_VHBB ? rate(table, v.type, card) : rateGrand(table, card);
        ratings_.add(card, table, rating);
        if (filter >= 0) {
            ARRAY_OF_FARBKARTEN_BB pattern;
            pattern.fill(&pattern_, suitOfCardId(led));
            ratings_.setFilter(card, filter, tables().rateFilter(filter, led, pattern));
        }
    }
}

CardSet SL_AUSSPIELEN::narrowThird(CardSet cands) const
{
    const LeadSituation& s = *s_;
    const PlayView& v = s.view;
    const bool declares = v.self == s.declarer();
    int ownTarget = declares ? 61 : 60;
    if (s.schneiderTarget)
        ownTarget = 91;
    const int otherTarget = declares ? 60 : 61;
    const int t = pointsOf(idOf(v.trick[0])) + pointsOf(idOf(v.trick[1]));
    const int own = s.ownPoints, other = s.otherPoints;
    const bool applies =
        (own + t >= ownTarget - 11 && own < ownTarget) || (other + t >= otherTarget && other < otherTarget);
    if (!applies)
        return cands;
    CardSet keep = 0;
    for (CardSet rest = cands; rest; rest &= rest - 1) {
        const CardBit b = lowestBit(rest);
        const TrickCode code = static_cast<TrickCode>(v.trick[0] | (v.trick[1] << 5) | (b << 10));
        const Seat taker = seatAfter(s.leader, trickWinnerIndex(v.type, code));
        const bool ours = (taker == s.declarer()) == declares;
        if (ours && (own + t + pointsOf(idOf(b)) >= ownTarget || other + t >= otherTarget))
            keep |= bitMask(b);
    }
    return keep ? keep : cands;
}

void SL_AUSSPIELEN::thirdSuitGame(CardSet cands)
{
    const LeadSituation& s = *s_;
    const PlayView& v = s.view;
    const GameType type = v.type;
    const Seat declarer = s.declarer();
    const bool declares = v.self == declarer;
    const bool declarerLed = s.leader == declarer;
    const CardId led = idOf(v.trick[0]);
    const CardId second = idOf(v.trick[1]);
    const CardId declarersCard = declarerLed ? led : second;
    const int winner = trickLeaderAfterTwo(type, v.trick[0], v.trick[1]);
    const bool defenderHolds = seatAfter(s.leader, winner) != declarer;
    const int sum = pointsOf(led) + pointsOf(second);
    const bool ledTrump = isTrump(led);
    // (a): no card of the led suit above the declarer's card; (b): no trump above it.
    const int declarerPos = trumpPosition(declarersCard);
    bool noneAbove = true, noTrumpAbove = true;
    for (CardSet own = v.hand; own; own &= own - 1) {
        const CardId c = idOf(lowestBit(own));
        if (suitOfCardId(c) == suitOfCardId(led) && !isJack(c) && !isJack(declarersCard)
            && trumpPosition(c) > declarerPos)
            noneAbove = false;
        if (isTrump(c) && trumpPosition(c) > declarerPos)
            noTrumpAbove = false;
    }
    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardId card = idOf(lowestBit(rest));
        if (!(cands & cardMaskOfId(card)))
            continue;
        const bool trump = isTrump(card);
        TABELLE table;
        bool minus40 = false;
        if (!ledTrump && !trump && suitOfCardId(card) == suitOfCardId(led)) { // follows
            if (declares)
                table = isTrump(second) ? TABELLE{KIND_VHBB, 10} : TABELLE{KIND_MHBB, 7};
            else if (defenderHolds)
                table = {KIND_MHBB, declarerLed ? 8 : 10};
            else if (declarerLed)
                table = noneAbove ? TABELLE{KIND_VHBB, 11} : TABELLE{KIND_MHBB, sum < 10 ? 9 : 12};
            else
                table = noneAbove || isTrump(declarersCard) ? TABELLE{KIND_VHBB, 11} : TABELLE{KIND_MHBB, 11};
        } else if (ledTrump && trump) {
            if (declares)
                table = {KIND_MHTR, 18};
            else if (defenderHolds)
                table = {KIND_MHTR, declarerLed ? 19 : 21};
            else
                table = noTrumpAbove ? TABELLE{KIND_VHTR, 4} : TABELLE{KIND_MHTR, sum < 10 ? 20 : 33};
        } else if (!trump) { // discard
            if (declares)
                table = {KIND_VHBB, 10};
            else if (defenderHolds)
                table = {KIND_VHBB, c_->suitChance(declarer, suitOfCardId(card)) == 0 ? 17 : 14};
            else
                table = {KIND_VHBB, 11};
        } else { // ruff
            if (declares) {
                table = {KIND_MHTR, sum >= 10 ? 16 : 13};
            } else if (defenderHolds) {
                table = {KIND_MHTR, 14};
                minus40 = !declarerLed;
            } else {
                table = {KIND_MHTR, sum < 7 ? 17 : 15};
                minus40 = !declarerLed && isTrump(declarersCard) && trumpPosition(declarersCard) > trumpPosition(card);
            }
        }
        ratings_.add(card, table, minus40 ? -40 : rate(table, type, card));
    }
}

void SL_AUSSPIELEN::thirdGrand(CardSet cands)
{
    const LeadSituation& s = *s_;
    const PlayView& v = s.view;
    const Seat declarer = s.declarer();
    const bool declares = v.self == declarer;
    const bool declarerLed = s.leader == declarer;
    const CardId led = idOf(v.trick[0]);
    const CardId second = idOf(v.trick[1]);
    const int winner = trickLeaderAfterTwo(v.type, v.trick[0], v.trick[1]);
    const bool defenderHolds = seatAfter(s.leader, winner) != declarer;
    const int sum = pointsOf(led) + pointsOf(second);
    const bool holdsJack = (v.hand & JACKS) != 0;
    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardId card = idOf(lowestBit(rest));
        if (!(cands & cardMaskOfId(card)))
            continue;
        const bool follows = isJack(card) == isJack(led) && (isJack(card) || suitOfCardId(card) == suitOfCardId(led));
        TABELLE table;
        if (follows) {
            if (declares)
                table = {KIND_MHTR, 28};
            else
                table = {KIND_MHTR, declarerLed ? (defenderHolds ? 29 : 30) : (defenderHolds ? 31 : 32)};
            if (!declares && !defenderHolds && !isJack(led)) {
                const CardSet above = suitMaskWithoutJack(suitOfCardId(led)) & ~((cardMaskOfId(led) << 1) - 1);
                if (!(v.hand & above))
                    table = {KIND_VHBB, 11};
            }
        } else {
            table = {KIND_MHTR, declares ? 23 : declarerLed ? (defenderHolds ? 24 : 25) : (defenderHolds ? 26 : 27)};
        }
        if (declarerLed && !defenderHolds && follows && !isJack(card) && !isJack(led) && !isJack(second) && sum >= 10)
            table = {KIND_MHBB, 12};
        int rating = table.kind == KIND_MHTR ? rateGrand(table, card) : rate(table, v.type, card);
        if (!declares && !isJack(card) && table.kind == KIND_MHTR && (table.number == 25 || table.number == 27)
            && sum > 14 && !isJack(second) && holdsJack)
            rating -= 40;
        ratings_.add(card, table, rating);
    }
}

CardId SL_AUSSPIELEN::pick(CardId favoured, int bonus) const
{
    const auto score = [&](CardId card) { return ratings_.total(card, -50) + (card == favoured ? bonus : 0); };
    if (!s_)
        return NO_CARD;
    const LeadSituation& s = *s_;
    const GameType type = s.view.type;
    int best = -3000;
    CardId choice = NO_CARD;
    for (CardSet rest = candidates_; rest; rest &= rest - 1) {
        const CardId card = idOf(lowestBit(rest));
        const int r = score(card);
        if (type == GAME_NULL ? r > best : r >= best) {
            best = r;
            choice = card;
        }
    }
    const Seat self = s.view.self;
    const bool defenderLeads = s.view.trickCount == 0 && self != s.declarer();
    if (isSuitGame(type) && defenderLeads && s.trickCount > 0) {
        // Return the suit of the last trick the declarer did not lead.
        for (int n = s.trickCount - 1; n >= 0; --n) {
            const auto& t = s.tricks[static_cast<std::size_t>(n)];
            if (t.leader == s.declarer())
                continue;
            const CardId ledCard = idOf(t.cards[0]);
            if (!isJack(ledCard) && !isTrumpSuit(suitOfCardId(ledCard), type)) {
                int adjustedBest = 0;
                CardId adjusted = NO_CARD;
                for (CardSet rest = candidates_; rest; rest &= rest - 1) {
                    const CardId card = idOf(lowestBit(rest));
                    const int r =
                        score(card) + (suitOfCardId(card) == suitOfCardId(ledCard) && !isJack(card) ? 10 : -10);
                    if (r >= adjustedBest) {
                        adjustedBest = r;
                        adjusted = card;
                    }
                }
                if (adjusted != NO_CARD)
                    choice = adjusted;
            }
            break;
        }
    }
    if (type == GAME_GRAND && defenderLeads && choice != NO_CARD && isJack(choice)) {
        bool higherGone = true;
        const CardSet gone = s.view.played | s.view.knownAway;
        for (Suit j = SUIT_CLUBS; j < suitOfCardId(choice); ++j)
            higherGone = higherGone && (gone & cardMask(j, RANK_JACK));
        if (!higherGone) {
            int again = -50;
            for (CardSet rest = candidates_; rest; rest &= rest - 1) {
                const CardId card = idOf(lowestBit(rest));
                const int r = isJack(card) ? -50 : score(card);
                if (r >= again) {
                    again = r;
                    choice = card;
                }
            }
        }
    }
    if (choice == NO_CARD && candidates_)
        choice = idOf(lowestBit(candidates_));
    return choice;
}

CardId SL_AUSSPIELEN::choose(const LeadSituation& situation, const LeadChances& chances)
{
    evaluate(situation, chances);
    return pick();
}
