#include "skat/ui/VerlaufRenderer.h"

#include "skat/app/Bilder.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/EinSpiel.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/Stich.h"
#include "skat/ui/TableSnapshot.h"
#include "vordix/Area.h"
#include "vordix/Line.h"
#include "vordix/Text.h"
#include "vordix/Zeichenbereich.h"

namespace {

constexpr int kViewWidth = 480;

void put(VORDIX_ZEICHENBEREICH& area, VORDIX_TEXT& text, const std::wstring& s, int x, int y, int size, int align = 0,
         float opacity = 1.0f)
{
    text.text = s;
    text.size = size;
    text.horizontalAlign = align;
    text.opacity = opacity;
    text.drawText(area, x, y);
}

// The skat as it was dealt. Once the declarer has taken it, the table's
// skat holds the cards put away instead; a game resumed after that no longer
// knows the dealt skat, and shows none.
SKAT dealtSkat(const SPIELKARTEN& cards)
{
    if (cards.dealtRecorded)
        return cards.dealAsDealt.skat;
    return cards.pile.skat().cardSet() == 0 ? cards.skat : SKAT();
}

bool isNullOrRamsch(GameType type) { return type == GAME_NULL || type == GAME_RAMSCH; }

} // namespace

VERLAUF_RENDERER::VERLAUF_RENDERER(VORDIX_VIEW_INTERFACE* view) : owner(view) { }

VERLAUF_RENDERER::~VERLAUF_RENDERER() { leaveEntry(); }

void VERLAUF_RENDERER::leaveEntry()
{
    if (entry)
        entry->removeObserver(this);
    entry = nullptr;
}

void VERLAUF_RENDERER::update(OBSERVABLE*)
{
    entry = nullptr;
    scrollOffset = 0;
    stapel.clear();
    record = SPIELSTRUCT();
    skat = SKAT();
    if (owner)
        owner->updateRect(0, 0, -1, -1);
}

void VERLAUF_RENDERER::loadFromTable(SKATTISCH& table)
{
    leaveEntry();
    scrollOffset = 0;
    currentGame = true;
    const TableSnapshot shown(table);
    const SKAT dealt = shown.currentIndex >= 3 ? dealtSkat(shown.cards) : SKAT();
    copyGame(shown.cards.pile, shown.record);
    skat = dealt;
    showsTableGame = true;
}

void VERLAUF_RENDERER::showListEntry(EIN_SPIEL* game, int, int index)
{
    if (!game)
        return;
    leaveEntry();
    currentGame = false;
    entry = game;
    entry->addObserver(this);
    entryIndex = index;
    scrollOffset = 0;
    copyGame(game->pile, game->record);
    skat = game->deal.skat;
}

void VERLAUF_RENDERER::copyGame(const STAPEL& pile, const SPIELSTRUCT& gameRecord)
{
    showsTableGame = false;
    stapel = pile;
    skat = pile.skat();
    record = gameRecord;
    if (owner)
        owner->updateRect(0, 0, -1, -1);
}

std::wstring VERLAUF_RENDERER::headLine(int seat) const
{
    const GameType type = record.SPIELART.SPIEL_TYP;
    if (seat != record.declarer() || type == GAME_RAMSCH)
        return seatName(seat);
    // The user's own game reads "you play", whatever the user is called.
    if (seat == USER_SEAT)
        return gameLine(true);
    return seatName(seat) + L" " + gameLine();
}

std::wstring VERLAUF_RENDERER::seatName(int seat) const
{
    const auto& names = USER_PREFS::instance().playerNames;
    return seat == 0 ? names[2] : seat == 1 ? names[0] : names[1];
}

std::vector<std::wstring> VERLAUF_RENDERER::bidLines() const
{
    std::vector<std::wstring> lines;
    const int forehand = stapel.vh();
    const TextKey positions[3] = {TextKey::Verlauf_Kurz_Vorhand, TextKey::Verlauf_Kurz_Mittelhand,
                                  TextKey::Verlauf_Kurz_Hinterhand};
    for (int seat = 0; seat < 3; ++seat) {
        const std::wstring position = skat::text(positions[(seat - forehand + 3) % 3]);
        const int bid = record.GEREIZTBIS[static_cast<std::size_t>(seat)];
        lines.push_back(bid > 0 ? skat::formatText(TextKey::Verlauf_reizt_bis, {seatName(seat), position, bid})
                                : skat::formatText(TextKey::Verlauf_reizt_nicht, {seatName(seat), position}));
    }
    return lines;
}

std::wstring VERLAUF_RENDERER::gameLine(bool byUser) const
{
    const GameType type = record.SPIELART.SPIEL_TYP;
    if (type < 1 || type > 8)
        return skat::text(TextKey::Verlauf_Noch_kein_Spiel_angesagt);
    std::wstring line = skat::text(byUser ? TextKey::Status_Du_spielst : TextKey::Status_spielt) + L" "
                        + SKAT_TEXT::instance().gameTypeName(type);
    auto add = [&line](TextKey key) { line += L" " + skat::text(key); };
    switch (record.SPIELART.GEWINN_STUFE) {
    case 1: add(TextKey::Element_ouvert); break;
    case 2: add(TextKey::Element_Hand); break;
    case 3:
        add(TextKey::Element_Hand);
        add(TextKey::Element_schneider_angesagt);
        break;
    case 4:
        add(TextKey::Element_Hand);
        add(TextKey::Element_schwarz_angesagt);
        break;
    case 5:
        add(TextKey::Element_Hand);
        add(TextKey::Element_ouvert);
        break;
    default: break;
    }
    if (record.KONTRA)
        line += L", " + skat::formatText(TextKey::Element_Kontra_von, {seatName(record.KONTRA_WER)});
    if (record.RE)
        line += L", " + skat::text(TextKey::Element_Re);
    return line;
}

VERLAUF_RENDERER::Running VERLAUF_RENDERER::runningPoints() const
{
    Running r;
    if (isNullOrRamsch(record.SPIELART.SPIEL_TYP))
        return r;
    int declarer = 0, defenders = 0;
    for (int n = 1; n <= stapel.trickCount(); ++n) {
        const int points = stapel.trick(n).points();
        if (stapel.partyOfTrick(n) == PARTY_DECLARER) {
            declarer += points;
            if (declarer > 60 && !r.declarerMark)
                r.declarerMark = n;
        } else {
            defenders += points;
            if (defenders >= 60 && !r.defendersMark)
                r.defendersMark = n;
        }
        r.declarer.push_back(declarer);
        r.defenders.push_back(defenders);
    }
    return r;
}

void VERLAUF_RENDERER::draw(VORDIX_ZEICHENBEREICH& area)
{
    // A dark card-table cloth under light text and cards.
    VORDIX_AREA background;
    background.setColor(110, 310, 170);
    background.fillRect(area, {0, 0, kViewWidth, HEIGHT});
    const int forehand = stapel.vh();
    if (forehand < 0 || forehand > 2)
        return;
    const int dy = -scrollOffset;
    // Light text on the theme's dark cloth.
    VORDIX_TEXT text;
    text.setColor(999, 999, 999);
    VORDIX_LINE line;
    line.setColor(999, 999, 999);
    BILDER& cards = BILDER::instance();

    const auto bids = bidLines();
    for (int seat = 0; seat < 3; ++seat)
        put(area, text, bids[seat], 25, 24 + 18 * seat + dy, 10);

    put(area, text, skat::text(TextKey::Verlauf_Im_Skat_Lagen), 255, 14 + dy, 10, 1);
    put(area, text, skat::text(TextKey::Verlauf_Gedrueckt), 405, 14 + dy, 10, 1);
    const SKAT laid = stapel.skat();
    for (int place = 1; place <= 2; ++place) {
        const int x = 34 * (place - 1);
        if (!skat.card(place)->isNull())
            cards.drawCard(skat.cardId(place), area, 223 + x, 22 + dy, cardWidth, cardHeight, 0);
        if (!laid.card(place)->isNull())
            cards.drawCard(laid.cardId(place), area, 373 + x, 22 + dy, cardWidth, cardHeight, 0);
    }
    line.drawLine(area, 0, 80 + dy, kViewWidth, 80 + dy);

    const GameType type = record.SPIELART.SPIEL_TYP;
    const int declarerSeat = record.declarer();
    if (stapel.trickCount() > 0) {
        for (int i = 0; i < 3; ++i) {
            const int seat = (forehand + i) % 3;
            const bool isDeclarer = seat == declarerSeat && type != GAME_RAMSCH;
            const float opacity = isDeclarer ? 1.0f : 0.5f;
            const int y = 107 + 20 * i + dy;
            put(area, text, headLine(seat), 44 + 54 * i, y, 16, 0, opacity);
            line.opacity = opacity;
            line.drawLine(area, 45 + 52 * i, 109 + 20 * i + dy, 45 + 52 * i, 155 + dy);
            line.drawLine(area, 45 + 52 * i, 109 + 20 * i + dy, 105 + 52 * i, 109 + 20 * i + dy);
        }
        line.opacity = 1.0f;
    } else {
        put(area, text, gameLine(), 25, 107 + dy, 14);
    }

    const Running running = runningPoints();
    for (int n = 1; n <= stapel.trickCount(); ++n) {
        const int top = 160 + 48 * (n - 1) + dy;
        const STICH trick = stapel.trick(n);
        const int leader = stapel.leaderOfTrick(n);
        put(area, text, std::to_wstring(n), 24, top + 30, 14, 2);
        for (int place = 0; place < trick.count(); ++place) {
            const int seat = (leader + place) % 3;
            const int column = (seat - forehand + 3) % 3;
            cards.drawCard(trick.card(place)->id(), area, 29 + 52 * column, top, cardWidth, cardHeight, 0);
        }
        line.drawLine(area, 180, top + 44, 470, top + 44);
        if (running.declarer.empty())
            continue;
        const bool declarerTook = stapel.partyOfTrick(n) == PARTY_DECLARER;
        VORDIX_LINE mark;
        mark.setColor(999, 860, 200);
        if (n == running.declarerMark)
            mark.drawRect(area, {387, top + 14, 44, 20});
        if (n == running.defendersMark)
            mark.drawRect(area, {417, top + 14, 44, 20});
        if (declarerTook)
            put(area, text, L"+" + std::to_wstring(running.declarer[n - 1]), 427, top + 30, 14, 2);
        else
            put(area, text, L"-" + std::to_wstring(running.defenders[n - 1]), 457, top + 30, 14, 2);
    }
}
