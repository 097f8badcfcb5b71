// Factory operations that build windows, dialogs and controls.

#include "vordix/windows/WinImplementorFactory.h"

#include "vordix/Control.h"
#include "vordix/Dialog.h"
#include "vordix/Fenster.h"
#include "vordix/Hauptfenster.h"

std::shared_ptr<VORDIX_DIALOG_imp> WIN_IMPLEMENTORFACTORY::createDialog(VORDIX_DIALOG*, int) {
    return {};
}

std::shared_ptr<VORDIX_DIALOG_imp> WIN_IMPLEMENTORFACTORY::createDialogOverDialog(VORDIX_DIALOG*,
                                                                                  VORDIX_DIALOG*,
                                                                                  int) {
    return {};
}

std::shared_ptr<VORDIX_DIALOG_imp> WIN_IMPLEMENTORFACTORY::createDialogOverWindow(VORDIX_FENSTER*,
                                                                                  VORDIX_DIALOG*,
                                                                                  int) {
    return {};
}

std::shared_ptr<VORDIX_FENSTER_imp> WIN_IMPLEMENTORFACTORY::createWindow(VORDIX_FENSTER*) {
    return {};
}

std::shared_ptr<VORDIX_HAUPTFENSTER_imp> WIN_IMPLEMENTORFACTORY::createMainWindow(
    VORDIX_HAUPTFENSTER*) {
    return {};
}

std::shared_ptr<VORDIX_CONTROL_imp> WIN_IMPLEMENTORFACTORY::createControl(VORDIX_CONTROL*) {
    return {};
}
