// The game loop's step from one game-flow state to the next.

#include "skat/engine/Ablaufzustand.h"

#include <cassert>

int SKATTISCH_SERVER::runState(int index)
{
    std::unique_ptr<ABLAUFZUSTAND> state;
    {
        std::lock_guard lock(tableLock);
        state = createState(index, *this);
        currentIndex = index < STATE_NEUES_SPIEL || index > STATE_ABRECHNUNG ? STATE_NEUES_SPIEL : index;
    }
    if (!playsHeadless())
        saveRunningGame(currentIndex);
    if (stateHook_)
        stateHook_(currentIndex);
    state->run();
    const int next = state->next;
#ifndef NDEBUG
    {
        // Outside the moment of dealing every card lies in exactly one place.
        std::lock_guard lock(tableLock);
        assert(cards.isConsistent() && "a game-flow state left the card state inconsistent");
    }
#endif
    // The state ends outside the lock: an ending state waits for its
    // game-end work in its destructor.
    state.reset();
    return next;
}
