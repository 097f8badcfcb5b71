#include "skat/ui/DialogFreiesSpiel.h"

#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/TableAids.h"
#include "skat/ui/TableServerAccess.h"

namespace {

// The seat of the user at this program's table: the human player's.
Seat userSeat()
{
    if (const SKATTISCH* table = currentTable())
        for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat)
            if (const PLAYER* player = table->playerAtSeat(seat); player && player->kind() == PLAYER_KIND_HUMAN)
                return seat;
    return SEAT_1;
}

} // namespace

DIALOG_FREIES_SPIEL::DIALOG_FREIES_SPIEL(FENSTER_SKAT* window) : VORDIX_DIALOG(window, FORM_ID), window_(window) { }

Seat DIALOG_FREIES_SPIEL::forehandFor(Seat user, Role role) { return seatAfter(user, -static_cast<int>(role)); }

Seat DIALOG_FREIES_SPIEL::run()
{
    const auto& imp = implementor();
    if (!imp)
        return SEAT_NONE;
    // The first show fills it through initDialog; later ones here.
    if (filled_)
        fill();
    imp->show();
    if (imp->result != START)
        return SEAT_NONE;
    return forehandFor(userSeat(), role);
}

void DIALOG_FREIES_SPIEL::initDialog() { fill(); }

void DIALOG_FREIES_SPIEL::fill()
{
    filled_ = true;
    const auto& imp = implementor();
    if (!imp || !window_)
        return;
    const TableAids aids = shownAids(*window_);
    const auto check = [&](int id, bool on) { imp->setControlState(id, on ? OB_CHECKED : OB_UNCHECKED); };
    check(SUGGESTIONS, aids.suggestions);
    check(POINTS, aids.points);
    check(OTHER_HANDS, aids.otherHands);
    check(HISTORY, aids.history);
    imp->checkGroupButton(SEAT_GROUP, role == ROLE_MIDDLEHAND ? MIDDLEHAND
                                      : role == ROLE_REARHAND ? REARHAND
                                                              : FOREHAND);
}

void DIALOG_FREIES_SPIEL::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    if (controlId == 2) {
        imp->done = true;
        return;
    }
    if (controlId != START)
        return;
    // An empty group keeps the seat chosen before.
    switch (imp->getCheckedButton(SEAT_GROUP)) {
    case FOREHAND: role = ROLE_FOREHAND; break;
    case MIDDLEHAND: role = ROLE_MIDDLEHAND; break;
    case REARHAND: role = ROLE_REARHAND; break;
    default: break;
    }
    if (window_) {
        TableAids aids;
        aids.suggestions = imp->isChecked(SUGGESTIONS);
        aids.points = imp->isChecked(POINTS);
        aids.otherHands = imp->isChecked(OTHER_HANDS);
        aids.history = imp->isChecked(HISTORY);
        applyAids(*window_, aids);
    }
    imp->done = true;
}
