#include "skat/ui/FensterSkatTableWindows.h"

#include "skat/ui/FensterSkat.h"
#include "vordix/windows/GuiThread.h"

namespace {

void onGui(FENSTER_SKAT& window, void (*work)(FENSTER_SKAT_CONTROLLER&)) {
    runOnGuiThread([&] {
        if (FENSTER_SKAT_CONTROLLER* controller = window.windowController()) work(*controller);
    });
}

} // namespace

void FENSTER_SKAT_TABLE_WINDOWS::offerBid(SKATTISCH&, int, const std::wstring&) {
    // The hands are dealt by the time the first bid is asked for.
    onGui(window_, [](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::beginCardChoice(SKATTISCH&, CardId hint) {
    runOnGuiThread([&] {
        if (FENSTER_SKAT_CONTROLLER* controller = window_.windowController()) controller->beginCardChoice(hint);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::beginTrickConfirmation(SKATTISCH&) {
    onGui(window_, [](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::refreshMainWindow(SKATTISCH&) {
    onGui(window_, [](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::announceComputerCard(SKATTISCH&, int) {
    onGui(window_, [](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}
