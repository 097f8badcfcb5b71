#include "skat/logic/DeltaTables.h"

#include "skat/logic/LeadTables.h"
#include "vordix/MessageSink.h"

#include <algorithm>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

constexpr int JACK_COLUMN = 4;
constexpr int NOT_IN_PATTERN = 200;

bool isSideKind(int kind) { return kind == KIND_VHBB || kind == KIND_MHBB || kind == KIND_FLTR; }
bool isTrumpKind(int kind) { return kind == KIND_VHTR || kind == KIND_MHTR; }

// Reads one signed number; false when there is none.
bool readNumber(const std::string& text, std::size_t& at, int& value)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    const std::size_t start = at;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    const std::size_t digits = at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && at - digits < 9)
        ++at;
    if (at == digits)
        return false;
    value = std::atoi(text.substr(start, at - start).c_str());
    return true;
}

} // namespace

TRAINING_SITUATION::TRAINING_SITUATION(const TABELLE& t) : table(t) { states.fill(255); }

int TRAINING_SITUATION::patternLength() const { return isTrumpKind(table.kind) ? 11 : 8; }

CardId TRAINING_SITUATION::positionCard(int position)
{
    static constexpr CardId cards[] = {0, 11, 12, 13, 15, 16, 17, 18, 44, 34, 24, 14};
    return position >= 1 && position <= 11 ? cards[position] : NO_CARD;
}

void TRAINING_SITUATION::fill(const PatternView* view, Suit suit)
{
    states.fill(255);
    filled = true;
    const int kind = table.kind;
    if (isSideKind(kind))
        states[JACK_COLUMN] = NOT_IN_PATTERN;
    if (kind == KIND_FLTR)
        return;
    const int length = patternLength();
    if (kind == KIND_VHBB || kind == KIND_MHBB) {
        ARRAY_OF_FARBKARTEN_BB pattern;
        pattern.fill(view, suit);
        for (int pos = 1; pos <= length; ++pos) {
            if (states[pos] != 255)
                continue;
            PatternState s = pattern.stateOf(10 + pos);
            if (kind == KIND_VHBB && countsTrickAsPlayed(table.number) && s == STATE_IN_TRICK)
                s = STATE_PLAYED;
            states[pos] = s;
        }
    } else if (isTrumpKind(kind)) {
        ARRAY_OF_FARBKARTEN_TR pattern;
        pattern.fill(view, suit);
        for (int pos = 1; pos <= length; ++pos)
            states[pos] = pattern.stateOf(pattern.cardOf(positionCard(pos), suit));
    } else if (kind == KIND_VHNL || kind == KIND_MHNL) {
        ARRAY_OF_FARBKARTEN_N pattern;
        pattern.fill(view, suit);
        for (int pos = 1; pos <= length; ++pos)
            states[pos] = pattern.stateOf(10 + pos);
    }
}

std::vector<CardId> TRAINING_SITUATION::ownCards() const
{
    std::vector<CardId> cards;
    const int length = patternLength();
    for (int pos = 1; pos <= length; ++pos) {
        if (states[pos] != STATE_OWN)
            continue;
        if (table.kind == KIND_FLTR) {
            vordix::showMessage(vordix::MessageKind::Information, L"Fuer Filter duerfen keine Karten im Blatt sein!");
            continue;
        }
        cards.push_back(isTrumpKind(table.kind) ? positionCard(pos) : 10 + pos);
    }
    return cards;
}

int TRAINING_SITUATION::ownPosition(CardId card) const
{
    const auto cards = ownCards();
    const bool jack = rankOfCardId(card) == RANK_JACK;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const bool same =
            isTrumpKind(table.kind) && jack ? cards[i] == card : rankOfCardId(cards[i]) == rankOfCardId(card);
        if (same)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

TRAINING_HISTORY::TRAINING_HISTORY(const std::filesystem::path& logicFolder, const TABELLE& table)
    : table_(table)
    , folder_(logicFolder)
{
}

std::filesystem::path TRAINING_HISTORY::file() const
{
    return folder_ / "Delta" / (table_.name() + L".d").substr(0, 255);
}

bool TRAINING_HISTORY::parse(const std::string& text, const TABELLE& table, std::vector<Row>& rows, bool& badHeader)
{
    rows.clear();
    badHeader = false;
    // First line: four characters of kind, then "(number)".
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    at += 4;
    int number = 0;
    if (at >= text.size() || text[at] != '(' || !readNumber(text, ++at, number) || number != table.number) {
        badHeader = true;
        return false;
    }
    // The column heads end with "Max |"; the rows follow, one a line.
    const std::size_t heads = text.find("Max |", at);
    if (heads == std::string::npos)
        return true;
    at = heads + 5;
    const int length = TRAINING_SITUATION(table).patternLength();
    const int values = length + 4;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        Row row;
        std::size_t p = 0;
        int count = 0;
        int value = 0;
        while (count < values && readNumber(line, p, value)) {
            if (count < length)
                row.states[count + 1] = value;
            else if (count == length)
                row.pos = value;
            else if (count == length + 1)
                row.soll = value;
            else if (count == length + 2)
                row.abst = value;
            else
                row.max = value != 0;
            ++count;
            while (p < line.size() && (line[p] == ' ' || line[p] == '\t'))
                ++p;
            if (count < values && (p >= line.size() || line[p] != '|'))
                break;
            if (p < line.size() && line[p] == '|')
                ++p;
        }
        if (count < values)
            return false;
        rows.push_back(row);
    }
    return true;
}

void TRAINING_HISTORY::load()
{
    if (loaded_)
        return;
    rows_.clear();
    std::ifstream in(file(), std::ios::binary);
    if (!in) {
        loaded_ = true;
        return;
    }
    std::stringstream content;
    content << in.rdbuf();
    bool badHeader = false;
    const bool whole = parse(content.str(), table_, rows_, badHeader);
    if (badHeader) {
        rows_.clear();
        vordix::showMessage(vordix::MessageKind::Warning, L"Datei fehlerhaft");
        return;
    }
    if (!whole)
        vordix::showMessage(vordix::MessageKind::Warning, L"Datei fehlerhaft|" + file().filename().wstring() + L"|"
                                                              + std::to_wstring(rows_.size() + 1));
    loaded_ = true;
}

bool TRAINING_HISTORY::matches(const Row& row, const TRAINING_SITUATION& situation) const
{
    const int length = situation.patternLength();
    for (int pos = 1; pos <= length; ++pos)
        if (row.states[pos] != situation.states[pos])
            return false;
    return true;
}

bool TRAINING_HISTORY::hasOverride(const TRAINING_SITUATION& situation)
{
    std::lock_guard lock(mutex_);
    load();
    for (const auto& row : rows_)
        if (row.max && matches(row, situation))
            return true;
    return false;
}

int TRAINING_HISTORY::overrideRating(const TRAINING_SITUATION& situation, int pos)
{
    std::lock_guard lock(mutex_);
    load();
    int least = 1000;
    for (const auto& row : rows_) {
        if (!matches(row, situation))
            continue;
        if (row.pos == pos)
            return row.soll;
        least = std::min(least, row.soll - 10);
    }
    return least;
}
