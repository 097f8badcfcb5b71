#include "skat/engine/Ablaufzustand.h"

#include "skat/engine/TableServices.h"

#include <cassert>

ABLAUFZUSTAND::~ABLAUFZUSTAND() = default;

bool ABLAUFZUSTAND::report(TableEvent event)
{
    if (table.report(event))
        return true;
    next = STATE_STOP;
    return false;
}

bool ABLAUFZUSTAND::reportWithValue(TableEvent event, int value)
{
    if (table.reportWithValue(event, value))
        return true;
    next = STATE_STOP;
    return false;
}

bool ABLAUFZUSTAND::ask(PlayerRequest kind, Seat seat)
{
    assert(isValidSeat(seat) && "a state asks a seat that is none");
    if (table.askPlayer(kind, slotOfSeat(seat)) == VORDIX_IPC::RESUME_ANSWERED)
        return true;
    next = STATE_STOP;
    return false;
}

PLAYER_AKTION ABLAUFZUSTAND::answerOfSeat(Seat seat) const { return table.answerOf(slotOfSeat(seat)); }

// The index keeps where the exercise first left the stored play; every
// difference from it is reported.
bool ABLAUFZUSTAND::noteDeviation(int trick)
{
    if (!table.modus.exerciseFlag)
        return true;
    if (table.modus.deviationIndex < 0)
        table.modus.deviationIndex = trick;
    return report(STATUS_CHANGED);
}

std::unique_ptr<ABLAUFZUSTAND> createState(int index, SKATTISCH_SERVER& table)
{
    switch (index) {
    case STATE_ABHEBEN_UND_GEBEN: return std::make_unique<ZUSTAND_ABHEBEN_UND_GEBEN>(table);
    case STATE_REIZ_VORSCHLAG: return std::make_unique<ZUSTAND_REIZ_VORSCHLAG>(table);
    case STATE_REIZEN: return std::make_unique<ZUSTAND_REIZEN>(table);
    case STATE_EINGEPASST: return std::make_unique<ZUSTAND_EINGEPASST>(table);
    case STATE_SPIEL_ANSAGEN: return std::make_unique<ZUSTAND_SPIEL_ANSAGEN>(table);
    case STATE_RAMSCH_ANSAGEN: return std::make_unique<ZUSTAND_RAMSCH_ANSAGEN>(table);
    case STATE_KARTE_AUSSPIELEN: return std::make_unique<ZUSTAND_KARTE_AUSSPIELEN>(table);
    case STATE_STICH_ABLEGEN: return std::make_unique<ZUSTAND_STICH_ABLEGEN>(table);
    case STATE_ABRECHNUNG: return std::make_unique<ZUSTAND_ABRECHNUNG>(table);
    default: return std::make_unique<ZUSTAND_NEUES_SPIEL>(table);
    }
}
