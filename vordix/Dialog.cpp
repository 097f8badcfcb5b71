#include "vordix/Dialog.h"

#include "vordix/ImplementorFactory.h"

void VORDIX_DIALOG_imp::deliverDrawControl(VORDIX_ZEICHENBEREICH& area, int controlId)
{
    if (owner_)
        owner_->drawControl(area, controlId);
}

OpenRegistry<VORDIX_DIALOG>& VORDIX_DIALOG::openDialogs()
{
    static OpenRegistry<VORDIX_DIALOG> registry;
    return registry;
}

VORDIX_DIALOG::VORDIX_DIALOG(int formId)
{
    openDialogs().add(this);
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createDialog(this, formId);
}

VORDIX_DIALOG::VORDIX_DIALOG(VORDIX_DIALOG* parent, int formId) : parentDialog(parent)
{
    openDialogs().add(this);
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createDialogOverDialog(parent, this, formId);
}

VORDIX_DIALOG::VORDIX_DIALOG(VORDIX_FENSTER* parent, int formId) : parentWindow(parent)
{
    openDialogs().add(this);
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createDialogOverWindow(parent, this, formId);
}

VORDIX_DIALOG::~VORDIX_DIALOG()
{
    openDialogs().removeAll(this);
    if (imp_ && imp_->getOwner() == this)
        imp_->setOwner(nullptr);
}

void VORDIX_DIALOG::initDialog() { }
void VORDIX_DIALOG::drawControl(VORDIX_ZEICHENBEREICH&, int) { }
void VORDIX_DIALOG::onCommand(int)
{
    if (imp_)
        imp_->done = true;
}
void VORDIX_DIALOG::onNotify(const PostedMessage&) { }
void VORDIX_DIALOG::onDoubleClick(int) { }
void VORDIX_DIALOG::onClosed() { }

void VORDIX_DIALOG::setPosition(int dx, int dy, int a, int b, int c, int d, int e, int f)
{
    if (imp_)
        imp_->setPosition(dx, dy, a, b, c, d, e, f);
}
