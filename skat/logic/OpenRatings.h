#pragma once
// The ratings an open-game search leaves for the cards the player to move may
// play: one record per card, at most 13, found by card id.

#include "skat/engine/CardTypes.h"

#include <array>
#include <cstdint>

struct OpenGameRating {
    CardId card = NO_CARD;
    // Final card points of the mover's side and of the other side in the best
    // line after this card (null: -10 per trick taken, a declarer who takes
    // one at -100; Ramsch: points negated).
    int ownPoints = 0;
    int otherPoints = 0;
    // How often a side meets a choice between a won and a lost game.
    int ownDecisions = 0;
    int otherDecisions = 0;
    // Point difference gained from the root on: own gain minus other gain.
    int value = 0;
    // No node under this card stopped at the depth limit.
    bool exact = true;
    // value (and the points) only bound the card's own from above: the card
    // is worse than the best one (OpenSearch::Values::BEST_CARDS).
    bool upperBound = false;
    std::uint64_t nodes = 0;

    bool operator==(const OpenGameRating&) const = default;
};

class SLOFFENWERTUNG {
public:
    static constexpr int MAX_RECORDS = 13;

    void clear() { *this = SLOFFENWERTUNG(); }
    // Ignored when 13 records stand.
    void add(const OpenGameRating& rating)
    {
        if (last_ + 1 < MAX_RECORDS)
            records_[static_cast<std::size_t>(++last_)] = rating;
    }
    int size() const { return last_ + 1; }
    bool empty() const { return last_ < 0; }
    // Index of the card's record, -1 when absent.
    int find(CardId card) const
    {
        for (int i = 0; i <= last_; ++i)
            if (records_[static_cast<std::size_t>(i)].card == card)
                return i;
        return -1;
    }
    const OpenGameRating& operator[](int i) const { return records_[static_cast<std::size_t>(i)]; }
    OpenGameRating& operator[](int i) { return records_[static_cast<std::size_t>(i)]; }
    const OpenGameRating* record(CardId card) const
    {
        const int i = find(card);
        return i < 0 ? nullptr : &records_[static_cast<std::size_t>(i)];
    }
    // The value of the card's record; 0 when the card has none.
    int value(CardId card) const
    {
        const OpenGameRating* r = record(card);
        return r ? r->value : 0;
    }
    const OpenGameRating* begin() const { return records_.data(); }
    const OpenGameRating* end() const { return records_.data() + size(); }

    bool operator==(const SLOFFENWERTUNG&) const = default;

private:
    std::array<OpenGameRating, MAX_RECORDS> records_{};
    int last_ = -1;
};
