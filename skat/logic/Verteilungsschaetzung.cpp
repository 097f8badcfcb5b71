#include "skat/logic/Verteilungsprognose.h"

#include <algorithm>

namespace {

constexpr double TOLERANCE = 1e-10;
constexpr int MAX_SWEEPS = 101;

bool isOne(double v) { return v >= 1.0; }
bool isZero(double v) { return v == 0.0; }
bool isNone(double v) { return v < NO_ESTIMATE_BELOW; }
bool isEstimate(double v) { return !isNone(v) && v != 0.0 && v != 1.0; }

// Ones, cells without estimate and the sum of the estimates of a line.
struct Tally {
    int ones = 0;
    int none = 0;
    double sum = 0;
};
template <typename CellAt>
Tally tally(CellAt&& cellAt, int count)
{
    Tally t;
    for (int k = 0; k < count; ++k) {
        const double v = cellAt(k);
        t.ones += v == 1.0;
        t.none += isNone(v);
        if (isEstimate(v))
            t.sum += v;
    }
    return t;
}

} // namespace

HEURISTIK_SIGNIFIKANZ::~HEURISTIK_SIGNIFIKANZ() = default;

VERTEILUNGS_SCHAETZUNG::VERTEILUNGS_SCHAETZUNG(std::unique_ptr<HEURISTIK_SIGNIFIKANZ> significance)
    : estimate(newProbMatrix(-1.0))
    , significance_(std::move(significance))
{
    if (significance_)
        significance_->store = this;
    reset();
}

VERTEILUNGS_SCHAETZUNG::~VERTEILUNGS_SCHAETZUNG() = default;

void VERTEILUNGS_SCHAETZUNG::reset()
{
    suggestions.clear();
    cells.clear();
    for (int c = 0; c < CARD_ROWS; ++c)
        for (int p = 0; p < PLACES; ++p)
            estimate[c][p] = -1.0;
    cardDecided.fill(0);
    placeDecided.fill(0);
    for (int p = 0; p < PLACES; ++p)
        placeCounts[static_cast<std::size_t>(p)] = placeCapacity(p);
    openCards = 0;
    openPlaces = 0;
}

void VERTEILUNGS_SCHAETZUNG::setCertain(CardId card, int place, bool present)
{
    if (!isRealCard(card) || place < 0 || place >= PLACES)
        return;
    auto& list = suggestions[{cardRow(card), place}];
    if (list.empty())
        list.push_back({present ? 1.0 : 0.0, -1.0});
}

void VERTEILUNGS_SCHAETZUNG::addSuggestion(int row, int place, double value, double weight)
{
    if (row < 0 || row >= CARD_ROWS || place < 0 || place >= PLACES)
        return;
    suggestions[{row, place}].push_back({value, weight});
}

void VERTEILUNGS_SCHAETZUNG::addCheckedSuggestion(CardId card, Seat seat, double value, double weight)
{
    if (!isRealCard(card) || !isValidSeat(seat) || value == 0.5)
        return;
    if (!checkAgainstDeal) {
        addSuggestion(cardRow(card), seat, value, weight);
        return;
    }
    const bool held = (realHands[static_cast<std::size_t>(seat)] & cardMaskOfId(card)) != 0;
    if ((held && value > 0.5) || (!held && value < 0.5))
        addSuggestion(cardRow(card), seat, value, weight);
}

void VERTEILUNGS_SCHAETZUNG::addCheckedSkatSuggestion(CardId card, double value, double weight)
{
    if (!isRealCard(card) || value == 0.5)
        return;
    if (!checkAgainstDeal) {
        addSuggestion(cardRow(card), 3, value, weight);
        return;
    }
    const bool inSkat = (realSkat & cardMaskOfId(card)) != 0;
    if ((inSkat && value > 0.5) || (!inSkat && value < 0.5))
        addSuggestion(cardRow(card), 3, value, weight);
}

void VERTEILUNGS_SCHAETZUNG::applyCertain()
{
    for (const auto& [cell, list] : suggestions) {
        const auto certain =
            std::find_if(list.begin(), list.end(), [](const Suggestion& s) { return s.weight < -0.0001; });
        if (certain != list.end())
            estimate[cell.first][cell.second] = certain->value;
    }
    suggestions.clear();
    propagate();
    for (int c = 0; c < CARD_ROWS; ++c)
        for (int p = 0; p < PLACES; ++p)
            if (estimate[c][p] == 1.0)
                --placeCounts[static_cast<std::size_t>(p)];
}

void VERTEILUNGS_SCHAETZUNG::propagate()
{
    for (int sweep = 0; sweep < MAX_SWEEPS; ++sweep) {
        bool changed = false;
        auto set = [&](double& cell, double value) {
            if (cell != value) {
                cell = value;
                changed = true;
            }
        };
        for (int p = 0; p < PLACES; ++p) {
            const int capacity = placeCapacity(p);
            int ones = 0, zeros = 0;
            for (int c = 0; c < CARD_ROWS; ++c) {
                ones += isOne(estimate[c][p]);
                zeros += isZero(estimate[c][p]);
            }
            if (ones + zeros == CARD_ROWS) {
                placeDecided[static_cast<std::size_t>(p)] = 1;
                continue;
            }
            if (ones >= capacity)
                for (int c = 0; c < CARD_ROWS; ++c)
                    if (estimate[c][p] < 1.0)
                        set(estimate[c][p], 0.0);
            if (zeros >= CARD_ROWS - capacity)
                for (int c = 0; c < CARD_ROWS; ++c)
                    if (estimate[c][p] != 0.0)
                        set(estimate[c][p], 1.0);
        }
        for (int c = 0; c < CARD_ROWS; ++c) {
            int ones = 0, zeros = 0;
            for (int p = 0; p < PLACES; ++p) {
                ones += isOne(estimate[c][p]);
                zeros += isZero(estimate[c][p]);
            }
            if (ones + zeros == PLACES) {
                cardDecided[static_cast<std::size_t>(c)] = 1;
            } else if (ones == 1) {
                for (int p = 0; p < PLACES; ++p)
                    if (estimate[c][p] < 1.0)
                        set(estimate[c][p], 0.0);
            } else if (zeros == 3 && ones == 0) {
                for (int p = 0; p < PLACES; ++p)
                    if (estimate[c][p] != 0.0)
                        set(estimate[c][p], 1.0);
            }
        }
        if (!changed)
            return;
    }
}

void VERTEILUNGS_SCHAETZUNG::combine()
{
    struct Entry {
        MatrixCell cell;
        double weight;
    };
    std::vector<Entry> byWeight;
    for (const auto& [cell, list] : suggestions) {
        double w = 0, v = 0;
        for (const Suggestion& s : list) {
            w += s.weight;
            v += s.value * s.weight;
        }
        double& e = estimate[cell.first][cell.second];
        if (e == 0.0 || e == 1.0)
            continue;
        e = w == 0.0 ? v : v / w;
        byWeight.push_back({cell, w});
    }
    suggestions.clear();
    std::stable_sort(byWeight.begin(), byWeight.end(),
                     [](const Entry& a, const Entry& b) { return a.weight < b.weight; });
    normalise();

    for (int p = 0; p < PLACES; ++p)
        placeCounts[static_cast<std::size_t>(p)] = placeCapacity(p);
    for (int c = 0; c < CARD_ROWS; ++c)
        for (int p = 0; p < PLACES; ++p)
            if (estimate[c][p] == 1.0)
                --placeCounts[static_cast<std::size_t>(p)];
    cells.clear();
    openCards = 0;
    openPlaces = 0;
    for (int c = 0; c < CARD_ROWS; ++c) {
        const bool cardOpen = !cardDecided[static_cast<std::size_t>(c)];
        openCards += cardOpen;
        for (int p = 0; p < PLACES; ++p)
            if (cardOpen && !placeDecided[static_cast<std::size_t>(p)] && !isNone(estimate[c][p])
                && estimate[c][p] == 0.0)
                cells.emplace_back(c, p);
    }
    for (int p = 0; p < PLACES; ++p)
        openPlaces += !placeDecided[static_cast<std::size_t>(p)];
    for (const Entry& e : byWeight)
        cells.push_back(e.cell);
    if (significance_)
        significance_->orderCells(cells);
}

void VERTEILUNGS_SCHAETZUNG::normalise()
{
    for (int sweep = 0; sweep < MAX_SWEEPS; ++sweep) {
        bool scaled = false;
        auto scale = [&](auto&& cellAt, int count, double factor, bool cap) {
            for (int k = 0; k < count; ++k) {
                double& v = cellAt(k);
                if (!isEstimate(v))
                    continue;
                v *= factor;
                if (cap)
                    v = std::min(v, 1.0);
                scaled = true;
            }
        };
        for (int p = 0; p < PLACES; ++p) {
            const int capacity = placeCapacity(p);
            auto column = [&](int c) -> double& { return estimate[c][p]; };
            const auto [ones, none, sum] = tally(column, CARD_ROWS);
            if (sum == 0.0)
                continue;
            if (sum - (capacity - ones) > TOLERANCE)
                scale(column, CARD_ROWS, (capacity - ones) / sum, false);
            else if (sum - (capacity - none - ones) < -TOLERANCE)
                scale(column, CARD_ROWS, (capacity - none - ones) / sum, true);
        }
        for (int c = 0; c < CARD_ROWS; ++c) {
            auto row = [&](int p) -> double& { return estimate[c][p]; };
            const auto [ones, none, sum] = tally(row, PLACES);
            if (sum == 0.0)
                continue;
            const double room = 1.0 - none - ones;
            if (sum - (1.0 - ones) > TOLERANCE)
                scale(row, PLACES, 1.0 / sum, true);
            else if (room > 0 && sum < room - TOLERANCE)
                scale(row, PLACES, room / sum, false);
        }
        if (!scaled)
            return;
    }
}
