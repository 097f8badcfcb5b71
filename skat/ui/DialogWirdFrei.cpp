#include "skat/ui/DialogWirdFrei.h"

DIALOG_WIRDFREI::DIALOG_WIRDFREI(VORDIX_FENSTER* parent) : VORDIX_DIALOG(parent, FORM_ID) { }

void DIALOG_WIRDFREI::onCommand(int controlId)
{
    if ((controlId == 2 || controlId == CONTINUE) && implementor())
        implementor()->done = true;
}

bool DIALOG_WIRDFREI::ask()
{
    const auto& imp = implementor();
    if (!imp)
        return false;
    imp->show();
    return imp->result == CONTINUE;
}
