#include "skat/ui/TrickCardViews.h"

#include "skat/app/Bilder.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/Stich.h"
#include "skat/ui/EinblattView.h"
#include "skat/ui/SeatPositions.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableSnapshot.h"
#include "skat/ui/TableViewHost.h"

namespace {

struct TrickCard {
    CardId card = NO_CARD;
    int position = 1; // screen position of the seat that played it
};

// The cards of the trick as they are to be shown, in playing order; own is
// the own hand, whose chosen card may be on its way.
int trickCards(const TableInputState& input, const PLAYER_EINBLATT_CONTROLLER* own, SKATTISCH& table,
               std::array<TrickCard, 3>& out)
{
    const TableSnapshot shown(table);
    const STICH& trick = shown.cards.trick;
    const int leader = shown.cards.leader();
    int n = 0;
    for (int place = 0; leader >= 0 && place < trick.count() && place < 3; ++place) {
        const KARTE* card = trick.card(place);
        if (!card || !isRealCard(card->id()))
            continue;
        out[n++] = {card->id(), screenPositionOfSeat(&table, (leader + place) % 3)};
    }
    // The user's card stands on the table from the click on, before the
    // game has taken it from the hand.
    const bool onItsWay = input.ownCardOnItsWay && own && own->chosen != NO_CARD && own->seat >= 0 && own->seat <= 2
                          && shown.cards.hands[own->seat].hasCard(own->chosen) && n < 3;
    if (onItsWay)
        out[n++] = {own->chosen, screenPositionOfSeat(&table, own->seat)};
    return n;
}

} // namespace

TRICK_CARD_VIEWS::TRICK_CARD_VIEWS(VORDIX_FENSTER& frame, TABLE_VIEW_HOST& host, HandAt handAt)
    : frame_(frame)
    , host_(host)
    , handAt_(std::move(handAt))
{
}

TRICK_CARD_VIEWS::~TRICK_CARD_VIEWS() { clear(); }

void TRICK_CARD_VIEWS::remove(int slot)
{
    std::unique_ptr<VORDIX_IMAGEVIEW> view = std::move(views_[slot]);
    cards_[slot] = NO_CARD;
    if (view && view->implementor()) {
        view->implementor()->setVisible(false);
        view->implementor()->setParent();
    }
}

void TRICK_CARD_VIEWS::clear()
{
    animations_.stopAll();
    for (int slot = 2; slot >= 0; --slot)
        remove(slot);
}

void TRICK_CARD_VIEWS::show(bool visible)
{
    for (auto& view : views_)
        if (view && view->implementor())
            view->implementor()->setVisible(visible);
}

void TRICK_CARD_VIEWS::layout(bool animate)
{
    SKATTISCH* table = currentTable();
    if (!table || !handAt_)
        return;
    std::array<TrickCard, 3> cards{};
    const int n = trickCards(host_.inputState(), handAt_(1), *table, cards);
    if (carried_) {
        // A carried trick stays away while it is still the table's trick.
        if (n == 3 && cards[0].card == collected_[0] && cards[1].card == collected_[1]
            && cards[2].card == collected_[2])
            return;
        carried_ = false;
    }
    BILDER& images = BILDER::instance();
    const TableGeometry geometry = host_.geometry();
    for (int slot = 0; slot < n; ++slot) {
        const RECTANGLE target = geometry.trickCard(cards[slot].position);
        VORDIX_BITMAP* face = &images.cardFace(cards[slot].card);
        auto& view = views_[slot];
        if (!view) {
            // A card that its hand still shows flies from there, face up.
            PLAYER_EINBLATT_CONTROLLER* hand = handAt_(cards[slot].position);
            std::unique_ptr<VORDIX_IMAGEVIEW> fromHand = hand ? hand->takeCard(cards[slot].card) : nullptr;
            if (fromHand) {
                takeOver(slot, std::move(fromHand), cards[slot].card, table_animation::cardMoveMs(),
                         cards[slot].position);
                if (hand->view)
                    hand->view->rebuildCardViews();
                continue;
            }
            view = std::make_unique<VORDIX_IMAGEVIEW>();
            const int ms = animate ? table_animation::cardMoveMs() : 0;
            if (ms > 0) {
                const RECTANGLE start{geometry.clientWidth / 2 - target.width / 2, geometry.clientHeight, target.width,
                                      target.height};
                view->attachTo(&frame_, face, start);
                view->setGeometry(start, 0.0f);
                view->animationMs = ms;
                view->animateMove(target, 0.0f, 1.0f);
            } else {
                view->attachTo(&frame_, face, target);
                view->setGeometry(target, 0.0f);
            }
        } else {
            if (view->bitmap != face) {
                view->bitmap = face;
                if (view->implementor())
                    view->implementor()->update();
            }
            if (!(view->rectangle() == target) || view->rotation != 0.0f) {
                view->animationMs = table_animation::cardMoveMs();
                view->animateMove(target, 0.0f, 1.0f);
            }
        }
        cards_[slot] = cards[slot].card;
        view->referenceView = slot > 0 ? views_[slot - 1].get() : nullptr;
        if (view->implementor()) {
            view->implementor()->restack();
            view->implementor()->setVisible(true);
        }
    }
    for (int slot = n; slot < 3; ++slot)
        remove(slot);
}

void TRICK_CARD_VIEWS::takeOver(int slot, std::unique_ptr<VORDIX_IMAGEVIEW> view, CardId card, int ms, int position)
{
    if (slot < 0 || slot > 2 || !view)
        return;
    SKATTISCH* table = currentTable();
    if (position < 0 && table) {
        position = 1;
        const int leader = TableSnapshot(*table).cards.leader();
        if (leader >= 0)
            position = screenPositionOfSeat(table, (leader + slot) % 3);
    }
    if (position < 0 || position > 2)
        position = 1;
    remove(slot);
    VORDIX_BITMAP* face = &BILDER::instance().cardFace(card);
    if (view->bitmap != face) {
        view->bitmap = face; // a card from a hand shown face down turns over
        if (view->implementor())
            view->implementor()->update();
    }
    view->shade = 0;
    view->referenceView = nullptr;
    if (view->implementor())
        view->implementor()->restack();
    view->animationMs = ms;
    view->animateMove(host_.geometry().trickCard(position), 0.0f, 1.0f);
    if (view->implementor())
        view->implementor()->setVisible(true);
    views_[slot] = std::move(view);
    cards_[slot] = card;
    carried_ = false;
}

void TRICK_CARD_VIEWS::carryToWinner()
{
    SKATTISCH* table = currentTable();
    if (!table)
        return;
    int winnerPosition = 1;
    std::array<CardId, 3> cards{};
    {
        const TableSnapshot shown(*table);
        const STICH& trick = shown.cards.trick;
        const int leader = shown.cards.leader();
        if (leader < 0 || trick.count() == 0)
            return;
        const GameType type = shown.record.SPIELART.SPIEL_TYP;
        const int winner = trick.count() == 3 ? trick.winner(type) : 0;
        winnerPosition = screenPositionOfSeat(table, (leader + winner) % 3);
        for (int place = 0; place < trick.count() && place < 3; ++place)
            if (const KARTE* card = trick.card(place))
                cards[place] = card->id();
    }
    collected_ = cards;
    if (!views_[0] || !views_[1] || !views_[2])
        return;
    static constexpr int shiftX[3] = {60, 0, -60};
    static constexpr int shiftY[3] = {20, 80, 20};
    RECTANGLE target = host_.geometry().trickCard(winnerPosition);
    target.x += shiftX[winnerPosition];
    target.y += shiftY[winnerPosition];
    carried_ = true;
    const int ms = table_animation::duration(CARRY_MS);
    for (int slot = 0; slot < 3; ++slot) {
        cards_[slot] = NO_CARD;
        animations_.fly(std::move(views_[slot]), target, 0.0f, ms, 0.0f);
    }
}
