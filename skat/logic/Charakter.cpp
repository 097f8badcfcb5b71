#include "skat/logic/Charakter.h"

#include "skat/engine/Karte.h"
#include "skat/engine/Stapel.h"
#include "skat/logic/HandPatterns.h"
#include "vordix/SafeSave.h"
#include "vordix/Utf8.h"

#include <tinyxml2.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <functional>

namespace {

int readInt(const tinyxml2::XMLElement* element, const char* name)
{
    int value = 0;
    if (element)
        element->QueryIntAttribute(name, &value);
    return value;
}

std::string numbered(const char* format, int n)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, n);
    return buffer;
}

// Appends printf-style wide text to a report.
void say(std::wstring& log, const wchar_t* format, ...)
{
    wchar_t buffer[512];
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(buffer, sizeof buffer / sizeof buffer[0], format, args);
    va_end(args);
    if (n > 0)
        log.append(buffer, static_cast<std::size_t>(n));
}

void reportHead(std::wstring& log, const char* name)
{
    const std::wstring rule(32, L'-');
    log += rule + L"\n" + vordix::fromUtf8(name) + L"\n" + rule + L"\n";
}

// The ranks the asymmetry report lists: void, 7, 8, 9, queen, king, ten, ace.
constexpr int REPORT_RANKS[] = {0, RANK_SEVEN, RANK_EIGHT, RANK_NINE, RANK_QUEEN, RANK_KING, RANK_TEN, RANK_ACE};

void rankHeader(std::wstring& log)
{
    log += L"         LEER";
    for (int k : REPORT_RANKS)
        if (k != 0)
            say(log, L"%3ls ", cardById(makeCardId(SUIT_CLUBS, static_cast<Rank>(k)))->rankName().c_str());
    log += L"\n";
}

bool isTrumpOf(CardId card, GameType type) { return (cardMaskOfId(card) & trumpMask(type)) != 0; }

// Side suits by length, longest first, and the trump count of a suit game.
void shapeOf(CardSet hand, GameType type, int& trumps, std::array<int, 3>& sides)
{
    trumps = cardCount(hand & trumpMask(type));
    int k = 0;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
        if (!isTrumpSuit(s, type))
            sides[static_cast<std::size_t>(k++)] = cardCount(hand & suitMaskWithoutJack(s));
    std::sort(sides.begin(), sides.end(), std::greater<>());
}

// Each trick of the pile as (led card, the declarer's card, the two others,
// taken by the defenders).
template <typename Visit>
void forEachTrick(const ReplayedGame& game, Visit visit)
{
    const STAPEL& pile = *game.pile;
    for (int n = 1; n <= pile.trickCount(); ++n) {
        const STICH trick = pile.trick(n);
        if (trick.count() != 3)
            continue;
        // The declarer's place in this trick counts from its own leader.
        const Seat leader = pile.leaderOfTrick(n);
        if (!isValidSeat(leader))
            continue;
        const int declarerPlace = placeInTrick(game.declarer, leader);
        CardId cards[3];
        for (int k = 0; k < 3; ++k)
            cards[k] = trick.card(k)->id();
        visit(cards, declarerPlace, pile.partyOfTrick(n) == PARTY_DEFENDERS);
    }
}

} // namespace

// --- trumps ---------------------------------------------------------------

void F_ALSP_TRUMPFKARTEN_UND_BEIBLATT::reset(Seat newSeat)
{
    *this = F_ALSP_TRUMPFKARTEN_UND_BEIBLATT();
    seat = newSeat;
}

void F_ALSP_TRUMPFKARTEN_UND_BEIBLATT::recordGame(const ReplayedGame& game)
{
    if (game.declarer != seat || !isSuitGame(game.type))
        return;
    const GameType t = game.type;
    const CardSet hand = game.finalHands[static_cast<std::size_t>(seat)];
    int trumps = 0;
    std::array<int, 3> sides{};
    shapeOf(hand, t, trumps, sides);
    trumps = std::min(trumps, 10);
    ++games;
    ++trumpCount[static_cast<std::size_t>(trumps)];
    if (sides[0] <= 7 && sides[1] <= 5)
        ++shape[static_cast<std::size_t>(trumps)][static_cast<std::size_t>(sides[0])]
               [static_cast<std::size_t>(sides[1])];
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
        if (!isTrumpSuit(s, t))
            ++holdingCount[static_cast<std::size_t>(suitPatternOf(game.dealtHands[static_cast<std::size_t>(seat)], s))];
    forEachTrick(game, [&](const CardId* cards, int declarerPlace, bool defendersTook) {
        if (isTrumpOf(cards[0], t) || isTrumpOf(cards[declarerPlace], t) || !defendersTook)
            return;
        if (isTrumpOf(cards[1], t) || isTrumpOf(cards[2], t))
            ++ruffCount[static_cast<std::size_t>(trumps)];
    });
}

void F_ALSP_TRUMPFKARTEN_UND_BEIBLATT::computePercentages()
{
    if (games == 0)
        return;
    int voidThird = 0;
    for (int t = 0; t <= 10; ++t) {
        const auto k = static_cast<std::size_t>(t);
        trumpCountPercent[k] = trumpCount[k] * 100 / games;
        ruffPercent[k] = trumpCount[k] > 0 ? ruffCount[k] * 100 / trumpCount[k] : 0;
        for (int l1 = 0; l1 <= 7; ++l1)
            for (int l2 = 0; l2 <= 5 && l2 <= l1; ++l2)
                if (10 - t - l1 - l2 == 0)
                    voidThird += shape[k][static_cast<std::size_t>(l1)][static_cast<std::size_t>(l2)];
    }
    thirdSuitVoidPercent = voidThird * 100 / games;
}

void F_ALSP_TRUMPFKARTEN_UND_BEIBLATT::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const
{
    tinyxml2::XMLElement* trump = document.NewElement("TRUMPF");
    for (int t = 0; t <= 10; ++t) {
        trump->SetAttribute(numbered("N%d", t).c_str(), trumpCount[static_cast<std::size_t>(t)]);
        trump->SetAttribute(numbered("P%d", t).c_str(), trumpCountPercent[static_cast<std::size_t>(t)]);
    }
    element.InsertEndChild(trump);
    tinyxml2::XMLElement* third = document.NewElement("DRITTE");
    third->SetAttribute("P", thirdSuitVoidPercent);
    element.InsertEndChild(third);
}

bool F_ALSP_TRUMPFKARTEN_UND_BEIBLATT::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    const tinyxml2::XMLElement* trump = element ? element->FirstChildElement("TRUMPF") : nullptr;
    for (int t = 0; t <= 10; ++t) {
        trumpCount[static_cast<std::size_t>(t)] = readInt(trump, numbered("N%d", t).c_str());
        trumpCountPercent[static_cast<std::size_t>(t)] = readInt(trump, numbered("P%d", t).c_str());
    }
    thirdSuitVoidPercent = readInt(element ? element->FirstChildElement("DRITTE") : nullptr, "P");
    return true;
}

void F_ALSP_TRUMPFKARTEN_UND_BEIBLATT::writeReport(std::wstring& log) const
{
    reportHead(log, elementName());
    say(log, L"Basis: %d Allein-Spiele\n", games);
    if (games > 0) {
        log += L"Zahl der Trumpfkarten bei Alsp; Prozent (Absolut) \n";
        for (int t = 0; t <= 10; ++t)
            if (trumpCountPercent[static_cast<std::size_t>(t)] > 0)
                say(log, L"%d Trumpfkarten: %3d%% (%3d)\n", t, trumpCountPercent[static_cast<std::size_t>(t)],
                    trumpCount[static_cast<std::size_t>(t)]);
        log += L"Zahl der Trumpf Gegenstiche in Farben des Alsp\n";
        for (int t = 0; t <= 10; ++t)
            if (ruffPercent[static_cast<std::size_t>(t)] > 0)
                say(log, L"%d Trumpfkarten: %3d%% (%3d)\n", t, ruffPercent[static_cast<std::size_t>(t)],
                    ruffCount[static_cast<std::size_t>(t)]);
    }
    log += L"Laenge der Beiblattfarben in abh. der Zahl der Trumpfkarten bei Alsp; Prozent (Absolut)\n";
    for (int t = 0; t <= 10; ++t) {
        const auto& byTrumps = shape[static_cast<std::size_t>(t)];
        // The shapes a hand of t trumps can have, longest side suit first.
        const auto used = [t](int l1, int l2) {
            const int l3 = 10 - t - l1 - l2;
            return l2 <= l1 && l3 >= 0 && l3 <= l2;
        };
        int sum = 0;
        for (int l1 = 7; l1 >= 0; --l1)
            for (int l2 = std::min(l1, 5); l2 >= 0; --l2)
                if (used(l1, l2))
                    sum += byTrumps[static_cast<std::size_t>(l1)][static_cast<std::size_t>(l2)];
        say(log, L"%d Trumpf (%d Spiele):\n", t, sum);
        if (sum == 0)
            continue;
        for (int l1 = 7; l1 >= 0; --l1)
            for (int l2 = std::min(l1, 5); l2 >= 0; --l2) {
                const int count = byTrumps[static_cast<std::size_t>(l1)][static_cast<std::size_t>(l2)];
                if (used(l1, l2) && count * 100 / sum > 0)
                    say(log, L" %d - %d %d %d = %3d%% (%3d)\n", t, l1, l2, 10 - t - l1 - l2, count * 100 / sum, count);
            }
    }
    say(log, L"Startwahrscheinlichkeit, dass dritte Farbe frei: %d%%\n", thirdSuitVoidPercent);
    log += L"Haeufigkeit der Farbkarten vor Druecken; Prozent (Absolut) \n";
    int holdings = 0;
    for (int p = 1; p < 64; ++p)
        holdings += holdingCount[static_cast<std::size_t>(p)];
    for (int p = 1; p < 64; ++p) {
        const int count = holdingCount[static_cast<std::size_t>(p)];
        if (count > 0)
            say(log, L"%9ls: %4.1f%% (%3d)\n", suitPatternText(p).c_str(), count * 100.0 / holdings, count);
    }
}

// --- jacks ----------------------------------------------------------------

void GR_ALSP_BUBEN_UND_BEIBLATT::reset(Seat newSeat)
{
    *this = GR_ALSP_BUBEN_UND_BEIBLATT();
    seat = newSeat;
}

void GR_ALSP_BUBEN_UND_BEIBLATT::recordGame(const ReplayedGame& game)
{
    if (game.declarer != seat || game.type < GAME_GRAND)
        return;
    ++games;
    const int j = jackIndex(game.finalHands[static_cast<std::size_t>(seat)]);
    ++jackCount[static_cast<std::size_t>(j)];
    auto jack = [](CardId c) { return rankOfCardId(c) == RANK_JACK; };
    forEachTrick(game, [&](const CardId* cards, int declarerPlace, bool defendersTook) {
        if (!jack(cards[0]) && !jack(cards[declarerPlace]) && defendersTook && (jack(cards[1]) || jack(cards[2])))
            ++jackRuffCount[static_cast<std::size_t>(j)];
    });
}

void GR_ALSP_BUBEN_UND_BEIBLATT::computePercentages()
{
    if (games == 0)
        return;
    for (std::size_t j = 0; j < 16; ++j)
        jackRuffPercent[j] = jackCount[j] > 0 ? jackRuffCount[j] * 100 / jackCount[j] : 0;
}

// --- asymmetry ------------------------------------------------------------

void GR_ALSP_BUBEN_UND_BEIBLATT::writeReport(std::wstring& log) const
{
    reportHead(log, elementName());
    say(log, L"Basis: %d Grand-Spiele\n", games);
    if (games == 0)
        return;
    log += L"Buben bei Alsp; Prozent (Absolut) \n";
    for (int j = 0; j < 16; ++j)
        say(log, L"%d : %3d\n", j, jackCount[static_cast<std::size_t>(j)]);
    log += L"Zahl der Gegenstiche in Farben des Alsp\n";
    for (int j = 0; j < 16; ++j)
        if (jackRuffPercent[static_cast<std::size_t>(j)] > 0)
            say(log, L"%d : %3d%% (%3d)\n", j, jackRuffPercent[static_cast<std::size_t>(j)],
                jackRuffCount[static_cast<std::size_t>(j)]);
}

void F_ALSP_ASYMETRIE_ALSP_GG::reset(Seat newSeat)
{
    *this = F_ALSP_ASYMETRIE_ALSP_GG();
    seat = newSeat;
}

void F_ALSP_ASYMETRIE_ALSP_GG::recordGame(const ReplayedGame& game)
{
    if (game.declarer != seat || !isSuitGame(game.type))
        return;
    ++games;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        if (isTrumpSuit(s, game.type))
            continue;
        const int c = suitPatternOf(game.finalHands[static_cast<std::size_t>(seat)], s);
        for (int step = 1; step <= 2; ++step) {
            const int r = suitPatternOf(game.finalHands[static_cast<std::size_t>(seatAfter(seat, step))], s);
            const auto row = static_cast<std::size_t>(r);
            ++pairCount[row][static_cast<std::size_t>(c)];
            if (c == 0) {
                cardAbsolute[0][row] += 1;
                continue;
            }
            const double low = (c & 3) / 3.0;
            for (Rank k = RANK_SEVEN; k <= RANK_NINE; ++k)
                cardAbsolute[static_cast<std::size_t>(k)][row] += low;
            for (Rank q = RANK_QUEEN; q <= RANK_ACE; ++q)
                if (suitPatternHoldsRank(c, q))
                    cardAbsolute[static_cast<std::size_t>(q)][row] += 1;
        }
    }
}

void F_ALSP_ASYMETRIE_ALSP_GG::computePercentages()
{
    for (std::size_t r = 0; r < 64; ++r) {
        int n = 0;
        for (int count : pairCount[r])
            n += count;
        for (std::size_t k = 0; k < 9; ++k)
            cardHeldPercent[k][r] = n > 0 ? static_cast<double>(static_cast<int>(cardAbsolute[k][r] * 100.0 / n)) : 0.0;
    }
}

void F_ALSP_ASYMETRIE_ALSP_GG::write(tinyxml2::XMLElement&, tinyxml2::XMLDocument&) const { }

bool F_ALSP_ASYMETRIE_ALSP_GG::read(const tinyxml2::XMLElement*, const tinyxml2::XMLDocument&) { return true; }

// --- profile --------------------------------------------------------------

void CHARAKTER::recordOpeningLead(CardSet hand, CardId ledCard, GameType type, bool declarerInRearhand)
{
    if (!isSuitGame(type) || !isRealCard(ledCard) || isTrumpSuit(suitOfCardId(ledCard), type))
        return;
    const auto rank = static_cast<std::size_t>(rankOfCardId(ledCard));
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        if (isTrumpSuit(s, type))
            continue;
        const auto p = static_cast<std::size_t>(suitPatternOf(hand, s));
        if (s == suitOfCardId(ledCard))
            ++(declarerInRearhand ? al : ak)[rank][p];
        else
            ++(declarerInRearhand ? cl : ck)[rank][p];
    }
}

int CHARAKTER::onLoadFailed()
{
    ak = {};
    al = {};
    ck = {};
    cl = {};
    return 0;
}

void CHARAKTER::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const
{
    vordix::xml::appendStream(element, trumps);
    tinyxml2::XMLElement* pairs = document.NewElement("AlspGG");
    for (int r = 0; r < 64; ++r) {
        tinyxml2::XMLElement* row = document.NewElement(numbered("r%d", r).c_str());
        for (int c = 0; c < 64; ++c)
            row->SetAttribute(numbered("c%d", c).c_str(),
                              asymmetry.pairCount[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        pairs->InsertEndChild(row);
    }
    element.InsertEndChild(pairs);
    tinyxml2::XMLElement* leads = document.NewElement("Aussp");
    for (int b = 0; b <= 8; ++b) {
        tinyxml2::XMLElement* rank = document.NewElement(numbered("b%d", b).c_str());
        const auto bi = static_cast<std::size_t>(b);
        for (int c = 0; c < 64; ++c) {
            const auto ci = static_cast<std::size_t>(c);
            tinyxml2::XMLElement* cell = document.NewElement(numbered("c%d", c).c_str());
            cell->SetAttribute("ak", ak[bi][ci]);
            cell->SetAttribute("al", al[bi][ci]);
            cell->SetAttribute("ck", ck[bi][ci]);
            cell->SetAttribute("cl", cl[bi][ci]);
            rank->InsertEndChild(cell);
        }
        leads->InsertEndChild(rank);
    }
    element.InsertEndChild(leads);
}

bool CHARAKTER::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    if (!element)
        return false;
    trumps.read(element->FirstChildElement(trumps.elementName()), document);
    const tinyxml2::XMLElement* pairs = element->FirstChildElement("AlspGG");
    for (int r = 0; r < 64; ++r) {
        const tinyxml2::XMLElement* row = pairs ? pairs->FirstChildElement(numbered("r%d", r).c_str()) : nullptr;
        for (int c = 0; c < 64; ++c)
            asymmetry.pairCount[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                readInt(row, numbered("c%d", c).c_str());
    }
    const tinyxml2::XMLElement* leads = element->FirstChildElement("Aussp");
    for (int b = 0; b <= 8; ++b) {
        const tinyxml2::XMLElement* rank = leads ? leads->FirstChildElement(numbered("b%d", b).c_str()) : nullptr;
        const auto bi = static_cast<std::size_t>(b);
        for (int c = 0; c < 64; ++c) {
            const tinyxml2::XMLElement* cell = rank ? rank->FirstChildElement(numbered("c%d", c).c_str()) : nullptr;
            const auto ci = static_cast<std::size_t>(c);
            ak[bi][ci] = readInt(cell, "ak");
            al[bi][ci] = readInt(cell, "al");
            ck[bi][ci] = readInt(cell, "ck");
            cl[bi][ci] = readInt(cell, "cl");
        }
    }
    return true;
}

void F_ALSP_ASYMETRIE_ALSP_GG::writeReport(std::wstring& log) const
{
    reportHead(log, elementName());
    say(log, L"Basis: %d Allein-Spiele\n", games);
    log += L"??? \n";
    for (int r = 0; r < 64; ++r) {
        say(log, L"%9ls ", suitPatternText(r).c_str());
        for (int c = 0; c < 64; ++c)
            say(log, L"%3d ", pairCount[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        log += L"\n";
    }
    const auto table = [&](const std::array<std::array<double, 64>, 9>& values, bool blankOwn) {
        rankHeader(log);
        for (int r = 0; r < 64; ++r) {
            say(log, L"%9ls ", suitPatternText(r).c_str());
            for (int k : REPORT_RANKS) {
                if (blankOwn && k != 0 && suitPatternHoldsRank(r, static_cast<Rank>(k)))
                    log += L"    ";
                else
                    say(log, L"%3.0f ", values[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)]);
            }
            log += L"\n";
        }
    };
    log += L"Absolute Verteilung:\n";
    table(cardAbsolute, false);
    log += L"Relative Verteilung (dass Alsp eine Karte hat, abhaengig von Karten in meinem Blatt):\n";
    table(cardHeldPercent, true);
}

std::wstring suitPatternText(int index) { return vordix::fromUtf8(suitPatternRanksText(index)); }

std::wstring CHARAKTER::report() const
{
    std::wstring log;
    trumps.writeReport(log);
    jacks.writeReport(log);
    asymmetry.writeReport(log);
    return log;
}

bool CHARAKTER::writeReport(const std::filesystem::path& folder) const
{
    if (logFileName.empty())
        return false;
    return static_cast<bool>(vordix::saveFile(folder / logFileName, vordix::toUtf8(report())));
}
