#include "skat/engine/LocalTischBeobachter.h"

#include "skat/engine/Skattisch.h"

void LOCAL_TISCH_BEOBACHTER::notify(int event) { handOff(event, 0); }
void LOCAL_TISCH_BEOBACHTER::notifyWithValue(int event, int value) { handOff(event, value); }

void LOCAL_TISCH_BEOBACHTER::handOff(int event, int value)
{
    // Without windows the game loop's own thread runs the handler, as the
    // worker would (the event's value decides which handler).
    if (table_.playsHeadless()) {
        if (event < FIRST_EVENT_WITH_VALUE)
            handleEvent(event);
        else
            handleEventWithValue(event, value);
        return;
    }
    // The worker reads what it shows from the table while this loop waits:
    // the event goes as plain values of the run it belongs to.
    const LocalTableCall call = LocalTableCall::eventOf(table_.tableRunId, event, value);
    EVENT_HANDOFF::instance().postAndWait([&] { return table_.postLocal(call); },
                                          [&] { return table_.stopRequested(); });
}
