#include "skat/engine/LocalTischBeobachter.h"

#include "skat/engine/Skattisch.h"
#include "skat/engine/TableMessenger.h"

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
    // The message is built before the hand-off lock is taken: building it
    // takes the table lock.
    const std::function<bool()> post = tableMessenger()->prepareEvent(table_, event, value);
    EVENT_HANDOFF::instance().postAndWait([&] { return post(); }, [&] { return table_.stopRequested(); });
}
