#include "skat/engine/Stich.h"

#include <algorithm>
#include <array>
#include <memory>
#include <tinyxml2.h>

namespace {

// Winner tables exist per rule group: none/grand/grand ouvert/Ramsch share
// one, each suit game and null have their own.
constexpr int GROUP_GRAND = 0;
constexpr int GROUP_NULL = 5;
constexpr int GROUP_COUNT = 6;

int groupOf(GameType type)
{
    if (isSuitGame(type))
        return type;
    return type == GAME_NULL ? GROUP_NULL : GROUP_GRAND;
}

GameType representativeType(int group)
{
    return group == GROUP_NULL ? GAME_NULL : group == GROUP_GRAND ? GAME_GRAND : group;
}

struct TrickTables {
    std::array<std::uint8_t, 32768> points{};
    std::array<std::array<std::uint8_t, 32768>, GROUP_COUNT> winner{};
    std::array<std::array<std::uint8_t, 1024>, GROUP_COUNT> leaderOfTwo{};

    TrickTables()
    {
        for (int code = 0; code < 32768; ++code) {
            int sum = 0;
            for (int place = 0; place < 3; ++place)
                sum += cardByBit(trickCardBit(static_cast<TrickCode>(code), place))->points();
            points[code] = static_cast<std::uint8_t>(sum);
        }
        for (int group = 0; group < GROUP_COUNT; ++group) {
            const GameType type = representativeType(group);
            for (int code = 0; code < 32768; ++code) {
                const auto c = static_cast<TrickCode>(code);
                winner[group][code] = static_cast<std::uint8_t>(trickWinner(
                    type, cardByBit(trickCardBit(c, 0)), cardByBit(trickCardBit(c, 1)), cardByBit(trickCardBit(c, 2))));
            }
            for (int code = 0; code < 1024; ++code)
                leaderOfTwo[group][code] = static_cast<std::uint8_t>(
                    trickWinner(type, cardByBit(code & 31), cardByBit(code >> 5), nullCard()));
        }
    }
};

const TrickTables& tables()
{
    // Built once on first use (thread-safe) and never changed: the cards
    // live until the process ends, and so do the tables.
    static const TrickTables* built = new TrickTables;
    return *built;
}

// Is card b higher than card a in null (same suit assumed)?
bool beatsInNull(const KARTE* a, const KARTE* b) { return b->nullOrder() > a->nullOrder(); }

} // namespace

int trickWinner(GameType type, const KARTE* first, const KARTE* second, const KARTE* third)
{
    const KARTE* cards[3] = {first, second, third};
    if (type == GAME_NULL) {
        int best = 0;
        for (int i = 1; i < 3; ++i)
            if (!cards[i]->isNull() && cards[i]->suit() == first->suit() && beatsInNull(cards[best], cards[i]))
                best = i;
        return best;
    }
    // Strength: jacks 100 + (5 - suit), trumps 50 + rank, led suit rank, else 0.
    auto strength = [&](const KARTE* card) {
        if (card->isNull())
            return -1;
        if (card->rank() == RANK_JACK)
            return 100 + (5 - card->suit());
        if (isSuitGame(type) && card->suit() == type)
            return 50 + card->rank();
        return card->suit() == first->suit() ? card->rank() : 0;
    };
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (strength(cards[i]) > strength(cards[best]))
            best = i;
    return best;
}

void buildTrickPointsTable() { (void)tables(); }

void setTrickTablesGameType(GameType) { (void)tables(); }

const std::uint8_t* trickPointsTable() { return tables().points.data(); }

const std::uint8_t* trickWinnerTable(GameType type) { return tables().winner[groupOf(type)].data(); }

const std::uint8_t* trickLeaderTable(GameType type) { return tables().leaderOfTwo[groupOf(type)].data(); }

int trickPoints(TrickCode code) { return tables().points[code & 0x7FFF]; }

int trickWinnerIndex(GameType type, TrickCode code) { return tables().winner[groupOf(type)][code & 0x7FFF]; }

int trickLeaderAfterTwo(GameType type, CardBit first, CardBit second)
{
    return tables().leaderOfTwo[groupOf(type)][((second & 31) << 5) | (first & 31)];
}

STICH::STICH() { buildTrickPointsTable(); }

STICH::STICH(TrickCode code, int count)
    : code_(static_cast<TrickCode>(code & 0x7FFF)), count_(static_cast<std::uint8_t>(count < 0 ? 0 : count > 3 ? 3 : count))
{
}

void STICH::addCard(const KARTE* card)
{
    if (count_ >= 3 || card == nullptr || card->isNull())
        return;
    code_ = static_cast<TrickCode>(code_ | (card->bit() << (5 * count_)));
    ++count_;
}

void STICH::removeLastCard()
{
    if (count_ == 0)
        return;
    --count_;
    code_ = static_cast<TrickCode>(code_ & ~(31u << (5 * count_)));
}

const KARTE* STICH::card(int place) const
{
    if (place < 0)
        place += count_;
    return place >= 0 && place < count_ ? cardByBit(trickCardBit(code_, place)) : nullCard();
}

CardSet STICH::cardSet() const
{
    CardSet set = 0;
    for (int place = 0; place < count_; ++place)
        set |= bitMask(trickCardBit(code_, place));
    return set;
}

int STICH::points() const
{
    switch (count_) {
    case 1: return card(0)->points();
    case 2: return card(0)->points() + card(1)->points();
    case 3: return trickPoints(code_);
    default: return 0;
    }
}

int STICH::winner(GameType type) const
{
    if (count_ == 3)
        return trickWinnerIndex(type, code_);
    if (count_ == 2)
        return trickLeaderAfterTwo(type, trickCardBit(code_, 0), trickCardBit(code_, 1));
    return 0;
}

std::string STICH::codesText() const
{
    std::string text;
    for (int place = 0; place < count_; ++place) {
        text += card(place)->code();
        if (place < 2)
            text += ' ';
    }
    return text;
}

bool STICH::parseCodes(std::string_view text)
{
    clear();
    size_t pos = 0;
    while (count_ < 3 && pos < text.size()) {
        const size_t end = std::min(text.find(' ', pos), text.size());
        const std::string_view code = text.substr(pos, end - pos);
        if (code.size() < 2)
            break;
        const CardId id = makeCardId(suitFromLetter(code[0]), rankFromChar(code[1]));
        if (!isRealCard(id))
            break;
        addCard(id);
        pos = end + 1;
    }
    return true;
}

STICH_SERIALIZABLE STICH::asSerializable() const { return STICH_SERIALIZABLE(*this); }

STICH_SERIALIZABLE::~STICH_SERIALIZABLE() = default;

bool STICH_SERIALIZABLE::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    if (element == nullptr)
        return false;
    clear();
    if (const char* s = element->Attribute("S")) {
        parseCodes(s);
        return true;
    }
    if (const char* first = element->Attribute("AUSP")) {
        for (const char* code : {first, element->Attribute("ZWEI"), element->Attribute("DREI")}) {
            const CardId id = cardIdFromCode(code);
            if (id == NO_CARD)
                break;
            addCard(id);
        }
        return true;
    }
    for (auto* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        KARTE card;
        card.read(child, document);
        addCard(cardById(card.id()));
    }
    return true;
}

void STICH_SERIALIZABLE::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    element.SetAttribute("S", codesText().c_str());
}
