// Factory operations that build windows, dialogs and controls: each is made
// on the GUI thread and destroyed there when its last owner lets go.

#include "vordix/windows/WinImplementorFactory.h"

#include "vordix/Control.h"
#include "vordix/Dialog.h"
#include "vordix/Fenster.h"
#include "vordix/Hauptfenster.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/WinControl.h"
#include "vordix/windows/WinDialog.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinHauptfenster.h"

using vordix::windows::createSharedOnGuiThread;

namespace {

WIN_DIALOG* parentDialogOf(VORDIX_DIALOG* parent)
{
    return parent ? dynamic_cast<WIN_DIALOG*>(parent->implementor().get()) : nullptr;
}

WIN_FENSTER* parentWindowOf(VORDIX_FENSTER* parent)
{
    return parent ? dynamic_cast<WIN_FENSTER*>(parent->implementor().get()) : nullptr;
}

} // namespace

std::shared_ptr<VORDIX_DIALOG_imp> WIN_IMPLEMENTORFACTORY::createDialog(VORDIX_DIALOG* owner, int formId)
{
    return createSharedOnGuiThread<VORDIX_DIALOG_imp, WIN_DIALOG>([=] { return new WIN_DIALOG(owner, formId); });
}

std::shared_ptr<VORDIX_DIALOG_imp> WIN_IMPLEMENTORFACTORY::createDialogOverDialog(VORDIX_DIALOG* parent,
                                                                                  VORDIX_DIALOG* owner, int formId)
{
    return createSharedOnGuiThread<VORDIX_DIALOG_imp, WIN_DIALOG>(
        [=] { return new WIN_DIALOG(owner, formId, parentDialogOf(parent)); });
}

std::shared_ptr<VORDIX_DIALOG_imp> WIN_IMPLEMENTORFACTORY::createDialogOverWindow(VORDIX_FENSTER* parent,
                                                                                  VORDIX_DIALOG* owner, int formId)
{
    return createSharedOnGuiThread<VORDIX_DIALOG_imp, WIN_DIALOG>(
        [=] { return new WIN_DIALOG(owner, formId, parentWindowOf(parent)); });
}

std::shared_ptr<VORDIX_FENSTER_imp> WIN_IMPLEMENTORFACTORY::createWindow(VORDIX_FENSTER* owner)
{
    return createSharedOnGuiThread<VORDIX_FENSTER_imp, WIN_FENSTER>([=] { return new WIN_FENSTER(owner); });
}

std::shared_ptr<VORDIX_HAUPTFENSTER_imp> WIN_IMPLEMENTORFACTORY::createMainWindow(VORDIX_HAUPTFENSTER* owner)
{
    return createSharedOnGuiThread<VORDIX_HAUPTFENSTER_imp, WIN_HAUPTFENSTER>(
        [=] { return new WIN_HAUPTFENSTER(owner); });
}

std::shared_ptr<VORDIX_CONTROL_imp> WIN_IMPLEMENTORFACTORY::createControl(VORDIX_CONTROL* owner)
{
    return createSharedOnGuiThread<VORDIX_CONTROL_imp, WIN_CONTROL>([=] { return new WIN_CONTROL(owner); });
}
