#include "skat/engine/Stapel.h"

#include "vordix/XmlHelpers.h"

#include <algorithm>
#include <string>
#include <tinyxml2.h>

namespace {

constexpr std::int8_t NONE = -1;

int cardPoints(CardId id) { return std::max(0, cardById(id)->points()); }

// Party and taker of each trick as read, before the tricks are added.
struct TrickOwners {
    std::array<std::int8_t, STAPEL::MAX_TRICKS + 1> party;
    std::array<std::int8_t, STAPEL::MAX_TRICKS + 1> taker;
    TrickOwners()
    {
        party.fill(NONE);
        taker.fill(NONE);
    }
};

// One character of "PARTEI"/"STICHT": '/' none, a digit up to maxDigit, else invalid.
bool ownerFromChar(char c, int maxDigit, std::int8_t& value)
{
    if (c == '/') {
        value = NONE;
        return true;
    }
    if (c < '0' || c > '0' + maxDigit)
        return false;
    value = static_cast<std::int8_t>(c - '0');
    return true;
}

// Old child form: attributes "i1".."i10"; 255 or -1 mean none.
bool readOwnerElement(const tinyxml2::XMLElement* element, int maxValue, std::array<std::int8_t, 11>& values)
{
    if (element == nullptr)
        return true;
    for (int n = 1; n <= STAPEL::MAX_TRICKS; ++n) {
        const std::string name = "i" + std::to_string(n);
        const auto value = vordix::xml::intAttribute(element, name.c_str());
        if (!value)
            continue;
        if (*value == -1 || *value == 255)
            values[n] = NONE;
        else if (*value >= 0 && *value <= maxValue)
            values[n] = static_cast<std::int8_t>(*value);
        else
            return false;
    }
    return true;
}

} // namespace

STAPEL::STAPEL() { clear(); }

STAPEL::~STAPEL() = default;

void STAPEL::clear()
{
    records_ = {};
    skatHidden_ = false;
    trickCount_ = 0;
    vh_ = SEAT_NONE;
    party_.fill(NONE);
    taker_.fill(NONE);
}

bool STAPEL::operator==(const STAPEL& other) const
{
    return records_ == other.records_ && skatHidden_ == other.skatHidden_ && trickCount_ == other.trickCount_
           && vh_ == other.vh_ && party_ == other.party_ && taker_ == other.taker_;
}

void STAPEL::append(Record& record, CardId id)
{
    if (record.count >= MAX_RECORD)
        return;
    record.cards[record.count++] = id;
    record.points += cardPoints(id);
}

void STAPEL::setSkat(const SKAT& skat)
{
    Record& record = records_[PARTY_DECLARER];
    for (int place = 0; place < 2; ++place) {
        const CardId id = skat.cardId(place + 1);
        if (place < record.count) {
            record.points += cardPoints(id) - cardPoints(record.cards[place]);
            record.cards[place] = id;
        } else {
            append(record, id);
        }
    }
}

bool STAPEL::addToParty(Party party, const STICH& trick, Seat leader, Seat taker)
{
    if (!validParty(party) || trickCount_ >= MAX_TRICKS)
        return false;
    Record& record = records_[party];
    // The declarer's tricks start at place 3: keep the skat places even when
    // no skat was laid away.
    while (party == PARTY_DECLARER && record.count < 2)
        append(record, NO_CARD);
    const Seat from = isValidSeat(leader) ? leader : SEAT_0;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat)
        append(record, trick.card(placeInTrick(seat, from))->id());
    ++trickCount_;
    party_[trickCount_] = static_cast<std::int8_t>(party);
    taker_[trickCount_] = static_cast<std::int8_t>(isValidSeat(taker) ? taker : NONE);
    return true;
}

Seat STAPEL::leaderOfTrick(int n) const
{
    if (n <= 1)
        return vh_;
    return takerOfTrick(n - 1);
}

int STAPEL::placeOfSeatCard(int n, Seat seat) const
{
    const Party party = partyOfTrick(n);
    if (!validParty(party) || !isValidSeat(seat))
        return 0;
    int earlier = 0;
    for (int k = 1; k < n; ++k)
        earlier += party_[k] == party;
    const int place = 3 * earlier + seat + 1 + (party == PARTY_DECLARER ? 2 : 0);
    return place <= records_[party].count ? place : 0;
}

CardId STAPEL::recordCard(Party party, int place) const
{
    if (!validParty(party) || place < 1 || place > records_[party].count)
        return NO_CARD;
    return records_[party].cards[place - 1];
}

STICH STAPEL::trick(int n) const
{
    STICH result;
    if (n < 1 || n > trickCount_ || !validParty(partyOfTrick(n)))
        return result;
    const Seat leader = isValidSeat(leaderOfTrick(n)) ? leaderOfTrick(n) : SEAT_0;
    for (int k = 0; k < 3; ++k) {
        const CardId id = recordCard(partyOfTrick(n), placeOfSeatCard(n, seatAfter(leader, k)));
        if (id == NO_CARD)
            break;
        result.addCard(id);
    }
    return result;
}

STICH STAPEL::removeLastTrick(Party party)
{
    const int n = trickCount_;
    if (n < 1 || !validParty(party) || party_[n] != party || records_[party].count < 3)
        return STICH();
    const STICH last = trick(n);
    Record& record = records_[party];
    for (int k = 0; k < 3; ++k)
        record.points -= cardPoints(record.cards[--record.count]);
    party_[n] = NONE;
    taker_[n] = NONE;
    --trickCount_;
    return last;
}

EINBLATT_SORTIERBAR STAPEL::startingHandOf(Seat seat) const
{
    EINBLATT_SORTIERBAR hand;
    hand.clear();
    for (int n = 1; n <= trickCount_; ++n)
        hand.addCard(recordCard(partyOfTrick(n), placeOfSeatCard(n, seat)));
    return hand;
}

SKAT STAPEL::skat() const
{
    const Record& record = records_[PARTY_DECLARER];
    if (skatHidden_ || record.count < 2)
        return SKAT();
    return SKAT(record.cards[0], record.cards[1]);
}

CardSet STAPEL::cardSet() const
{
    CardSet set = 0;
    const Record& declarer = records_[PARTY_DECLARER];
    for (int i = skatHidden_ ? 2 : 0; i < declarer.count; ++i)
        set |= cardMaskOfId(declarer.cards[i]);
    const Record& defenders = records_[PARTY_DEFENDERS];
    for (int i = 0; i < defenders.count; ++i)
        set |= cardMaskOfId(defenders.cards[i]);
    return set;
}

bool STAPEL::containsCard(CardId id) const { return (cardSet() & cardMaskOfId(id)) != 0; }

int STAPEL::cardsWonBy(Seat seat) const
{
    int tricks = 0;
    for (int n = 1; n <= trickCount_; ++n)
        tricks += isValidSeat(seat) && taker_[n] == seat;
    return 3 * tricks;
}

int STAPEL::pointsWonBy(Seat seat) const
{
    int points = 0;
    for (int n = 1; n <= trickCount_; ++n)
        if (isValidSeat(seat) && taker_[n] == seat)
            points += pointsOfSet(trick(n).cardSet());
    return points;
}

int STAPEL::declarerTrickPoints() const
{
    const Record& record = records_[PARTY_DECLARER];
    int skatPoints = 0;
    for (int i = 0; i < std::min(2, record.count); ++i)
        skatPoints += cardPoints(record.cards[i]);
    return record.points - skatPoints;
}

void STAPEL::rotateSeats(int offset)
{
    const int turn = seatAfter(SEAT_0, offset);
    if (isValidSeat(vh_))
        vh_ = seatAfter(vh_, turn);
    for (int n = 1; n <= trickCount_; ++n) {
        if (isValidSeat(taker_[n]))
            taker_[n] = static_cast<std::int8_t>((taker_[n] + turn) % 3);
        const int first = placeOfSeatCard(n, SEAT_0);
        if (first == 0 || first + 2 > records_[party_[n]].count)
            continue;
        CardId* cards = &records_[party_[n]].cards[first - 1];
        const std::array<CardId, 3> old = {cards[0], cards[1], cards[2]};
        for (Seat seat = SEAT_0; seat < 3; ++seat)
            cards[(seat + turn) % 3] = old[seat];
    }
}

void STAPEL::writeAttributes(tinyxml2::XMLElement& element, bool withParties) const
{
    vordix::xml::setIntAttribute(element, "VH", vh_);
    const SKAT laidAway = skat();
    element.SetAttribute("SKAT", (laidAway.card(1)->code() + ' ' + laidAway.card(2)->code()).c_str());
    if (party_[1] != NONE || taker_[1] != NONE) {
        std::string parties, takers;
        for (int n = 1; n <= MAX_TRICKS; ++n) {
            parties += party_[n] == NONE ? '/' : static_cast<char>('0' + party_[n]);
            takers += taker_[n] == NONE ? '/' : static_cast<char>('0' + taker_[n]);
        }
        if (withParties)
            element.SetAttribute("PARTEI", parties.c_str());
        element.SetAttribute("STICHT", takers.c_str());
    }
    if (trickCount_ >= 1) {
        std::string tricks;
        for (int n = 1; n <= trickCount_; ++n)
            tricks += (n > 1 ? "," : "") + trick(n).codesText();
        element.SetAttribute("STICHE", tricks.c_str());
    }
}

void STAPEL::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const { writeAttributes(element, true); }

void STAPEL::writeCompact(tinyxml2::XMLElement& element, Seat declarer) const
{
    writeAttributes(element, !isValidSeat(declarer));
}

bool STAPEL::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    return element != nullptr && readContent(*element, GAME_NONE, SEAT_NONE);
}

bool STAPEL::readContent(const tinyxml2::XMLElement& element, GameType type, Seat declarer)
{
    clear();
    // Forehand; the older attribute "VH_POS"; 1 when neither is present.
    const char* vhName = element.Attribute("VH") ? "VH" : element.Attribute("VH_POS") ? "VH_POS" : nullptr;
    const int vh = vhName ? vordix::xml::intAttribute(&element, vhName, 0) : 1;
    if (vh < SEAT_NONE || vh > 2) {
        clear();
        return false;
    }
    vh_ = static_cast<Seat>(vh);

    SKAT laidAway;
    if (const char* codes = element.Attribute("SKAT")) {
        STICH two;
        two.parseCodes(codes);
        laidAway = SKAT(two.card(0)->id(), two.card(1)->id());
    } else if (auto* child = element.FirstChildElement("SKAT")) {
        laidAway.read(child, *element.GetDocument());
    }
    if (laidAway.isComplete())
        setSkat(laidAway);

    if (!readParties(element, type, declarer) || !readTricks(element, element.GetDocument())) {
        clear();
        return false;
    }
    return true;
}

bool STAPEL::readParties(const tinyxml2::XMLElement& element, GameType type, Seat declarer)
{
    TrickOwners owners;
    const char* takers = element.Attribute("STICHT");
    if (takers != nullptr && declarer != SEAT_NONE) {
        if (!isValidSeat(declarer))
            return false;
        for (int n = 1; n <= MAX_TRICKS && takers[n - 1] != '\0'; ++n) {
            if (!ownerFromChar(takers[n - 1], 2, owners.taker[n]))
                return false;
            if (owners.taker[n] != NONE)
                owners.party[n] = owners.taker[n] == declarer || type == GAME_RAMSCH ? PARTY_DECLARER : PARTY_DEFENDERS;
        }
    } else if (takers != nullptr) {
        const char* parties = element.Attribute("PARTEI");
        for (int n = 1; n <= MAX_TRICKS && takers[n - 1] != '\0'; ++n)
            if (!ownerFromChar(takers[n - 1], 2, owners.taker[n]))
                return false;
        for (int n = 1; parties != nullptr && n <= MAX_TRICKS && parties[n - 1] != '\0'; ++n)
            if (!ownerFromChar(parties[n - 1], 1, owners.party[n]))
                return false;
    } else if (!readOwnerElement(element.FirstChildElement("PARTEI_PTR"), 1, owners.party)
               || !readOwnerElement(element.FirstChildElement("SIEG_PTR"), 2, owners.taker)) {
        return false;
    }
    party_ = owners.party;
    taker_ = owners.taker;
    return true;
}

bool STAPEL::readTricks(const tinyxml2::XMLElement& element, const tinyxml2::XMLDocument* document)
{
    // The owners read before; addToParty records them again trick by trick.
    const auto parties = party_;
    const auto takers = taker_;
    // Only whole tricks are collected: a trick place without a card is damage.
    auto addTrick = [&](const STICH& trick) {
        const int n = trickCount_ + 1;
        if (n > MAX_TRICKS || parties[n] == NONE || !trick.isComplete())
            return false;
        const Seat leader = n == 1 ? vh_ : static_cast<Seat>(takers[n - 1]);
        return addToParty(parties[n], trick, leader, static_cast<Seat>(takers[n]));
    };

    bool ok = true;
    if (const char* text = element.Attribute("STICHE")) {
        const std::string_view all(text);
        size_t pos = 0;
        while (ok && !all.empty() && pos <= all.size()) {
            const size_t end = std::min(all.find(',', pos), all.size());
            STICH trick;
            trick.parseCodes(all.substr(pos, end - pos));
            ok = addTrick(trick);
            pos = end + 1;
        }
    } else if (auto* list = element.FirstChildElement("STICHE")) {
        for (auto* child = list->FirstChildElement("STICH"); ok && child; child = child->NextSiblingElement("STICH")) {
            STICH_SERIALIZABLE trick;
            trick.read(child, *document);
            ok = addTrick(trick);
        }
    } else if (element.FirstChildElement("ALSP") || element.FirstChildElement("GEGNER")) {
        // Oldest form: the two records as card lists, the declarer's one with the skat first.
        records_ = {};
        const char* names[2] = {"ALSP", "GEGNER"};
        for (Party party : {PARTY_DECLARER, PARTY_DEFENDERS}) {
            auto* list = element.FirstChildElement(names[party]);
            for (auto* child = list ? list->FirstChildElement("KARTE") : nullptr; child;
                 child = child->NextSiblingElement("KARTE")) {
                KARTE card;
                card.read(child, *document);
                append(records_[party], cardById(card.id())->id());
            }
        }
        while (trickCount_ < MAX_TRICKS && parties[trickCount_ + 1] != NONE)
            ++trickCount_;
    }
    party_ = parties;
    taker_ = takers;
    return ok;
}
