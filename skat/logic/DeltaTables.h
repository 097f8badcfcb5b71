#pragma once
// Delta tables: text files beside a logic set ("Delta/VHBB(10).d" ...) that
// override one lead table for listed suit situations. Each row is a
// situation (one state per position of the table kind), the place Pos of
// the rated card among the own cards, its target rating Soll, Abst and Max.
// A situation matched by a row with Max set is rated from the rows alone.

#include "skat/logic/SuitPatterns.h"

#include <array>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

// One suit situation in the column layout of a table kind.
class TRAINING_SITUATION {
public:
    explicit TRAINING_SITUATION(const TABELLE& table);

    // 8 for side-suit, null and filter kinds, 11 for trump kinds.
    int patternLength() const;
    // The key card of a trump position 1..11.
    static CardId positionCard(int position);

    void fill(const PatternView* view, Suit suit);
    // The rated card's place among the own cards (1 = lowest), 0 if none.
    int ownPosition(CardId card) const;
    // The own cards (key cards of the canonical suit), lowest first.
    std::vector<CardId> ownCards() const;

    TABELLE table;
    std::array<int, 15> states{}; // positions 1..L
    bool filled = false;
};

class TRAINING_HISTORY {
public:
    struct Row {
        std::array<int, 15> states{};
        int pos = 0;
        int soll = 0;
        int abst = 0;
        bool max = false;
    };

    TRAINING_HISTORY(const std::filesystem::path& logicFolder, const TABELLE& table);

    bool hasOverride(const TRAINING_SITUATION& situation);
    int overrideRating(const TRAINING_SITUATION& situation, int pos);

    // Reads the delta table once. A missing file gives no rows; a first line
    // naming another table number warns and leaves the table unread, so the
    // next look-up tries again; the rows stop at the first incomplete row
    // (one warning, that row and the rest are ignored).
    void load();

    // Parses a delta table's text into rows; false (rows up to the first
    // incomplete one kept) when a row is incomplete. badHeader is set when
    // the first line names another table number.
    static bool parse(const std::string& text, const TABELLE& table, std::vector<Row>& rows, bool& badHeader);

    std::filesystem::path file() const;
    const std::vector<Row>& rows() const { return rows_; }
    bool loaded() const { return loaded_; }

private:
    bool matches(const Row& row, const TRAINING_SITUATION& situation) const;

    TABELLE table_;
    std::filesystem::path folder_;
    std::vector<Row> rows_;
    bool loaded_ = false;
    std::mutex mutex_;
};
