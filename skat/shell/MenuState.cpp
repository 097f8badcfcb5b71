#include "skat/shell/MenuState.h"

namespace {
constexpr int CARD_PLAY = 8;
constexpr int TRICK_DONE = 9;
constexpr int BIDDING = 4;
} // namespace

MenuStates menuStatesFor(const MenuInputs& in)
{
    MenuStates out;
    const bool table = in.hasTable;
    out.group[GROUP_NEW_OPEN] = !in.busy;
    out.group[GROUP_CONTINUE] = table && in.sheetInProgress && !in.busy;
    out.group[GROUP_SAVE_PRINT] = table && in.sheetRows >= 1;
    out.group[GROUP_STOP] = table && in.state >= 1;
    out.group[GROUP_LAST_TRICK] = table && in.tricks > 0;
    out.group[GROUP_LAY_DOWN] = table && in.state == CARD_PLAY;
    out.group[GROUP_TAKE_BACK] = table && ((in.state == CARD_PLAY && in.tricks > 0) || in.state == TRICK_DONE);
    out.group[GROUP_FREE_VIEWS] = table && (in.putAwayShown || in.state == BIDDING || in.state == CARD_PLAY);
    out.group[GROUP_POINTS_CHECKED] = table && in.interrupted && in.pointsShown;
    out.group[GROUP_OPEN_HANDS_CHECKED] = in.openHands;
    out.group[GROUP_LAST_TRICKS_CHECKED] = table && in.interrupted && in.lastTricksShown;
    out.analysisEnabled = table && in.state >= 1 && !in.exerciseMode;
    out.analysisChecked = table && (in.analysisShown || in.exerciseMode);
    out.networkEnabled = in.serviceDiscovery;
    return out;
}
