#include "skat/shell/MenuState.h"

#include "skat/engine/TableTypes.h"

MenuStates menuStatesFor(const MenuInputs& in)
{
    MenuStates out;
    const bool table = in.hasTable;
    out.group[GROUP_NEW_OPEN] = !in.busy;
    out.group[GROUP_CONTINUE] = table && in.sheetInProgress && !in.busy;
    out.group[GROUP_SAVE_PRINT] = table && in.sheetRows >= 1;
    out.group[GROUP_STOP] = table && in.state >= 1;
    out.group[GROUP_LAST_TRICK] = table && in.tricks > 0;
    out.group[GROUP_LAY_DOWN] = table && in.state == STATE_KARTE_AUSSPIELEN;
    out.group[GROUP_TAKE_BACK] =
        table && ((in.state == STATE_KARTE_AUSSPIELEN && in.tricks > 0) || in.state == STATE_STICH_ABLEGEN);
    out.group[GROUP_FREE_VIEWS] =
        table && (in.putAwayShown || in.state == STATE_REIZEN || in.state == STATE_KARTE_AUSSPIELEN);
    out.group[GROUP_POINTS_CHECKED] = table && in.interrupted && in.pointsShown;
    out.group[GROUP_OPEN_HANDS_CHECKED] = in.openHands;
    out.group[GROUP_LAST_TRICKS_CHECKED] = table && in.interrupted && in.lastTricksShown;
    out.analysisEnabled = table && in.state >= 1 && !in.exerciseMode;
    out.analysisChecked = table && (in.analysisShown || in.exerciseMode);
    // Without service discovery a table is still joined by its typed address.
    out.networkEnabled = true;
    return out;
}
