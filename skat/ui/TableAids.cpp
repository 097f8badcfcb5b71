#include "skat/ui/TableAids.h"

#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableSnapshot.h"

TableAids wantedAids(const FENSTER_SKAT& window)
{
    TableAids aids;
    if (const FENSTER_SKAT_CONTROLLER* c = window.windowController()) {
        aids.suggestions = c->analysisWanted;
        aids.history = c->courseWanted;
        aids.otherHands = c->allHandsOpen;
    }
    aids.points = window.pileController.labels;
    return aids;
}

TableAids shownAids(const FENSTER_SKAT& window)
{
    const SKATTISCH* table = currentTable();
    const bool freeGame = table && TableSnapshot(*table).modus.freeGame;
    const bool small = layoutKindOf(window.currentLayout) == LayoutKind::Small;
    TableAids aids = wantedAids(window);
    aids.suggestions = aids.suggestions && freeGame && !small;
    aids.points = aids.points && freeGame;
    aids.history = aids.history && freeGame;
    return aids;
}

void applyAids(FENSTER_SKAT& window, const TableAids& aids)
{
    FENSTER_SKAT_CONTROLLER* c = window.windowController();
    if (!c)
        return;
    const TableAids before = wantedAids(window);
    window.pileController.labels = aids.points;
    c->courseWanted = aids.history;
    c->allHandsOpen = aids.otherHands;
    if (aids.suggestions != before.suggestions)
        c->setAnalysisShown(aids.suggestions);
    // The status text follows the suggestions; the hands follow the open hands.
    window.updateInfoText();
    c->updateView();
    window.invalidate();
}
