#include "vordix/Hauptfenster.h"

#include "vordix/ImplementorFactory.h"

VORDIX_HAUPTFENSTER::VORDIX_HAUPTFENSTER() : VORDIX_FENSTER(NoImplementor{})
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        setImplementor(factory->createMainWindow(this));
}

std::shared_ptr<VORDIX_HAUPTFENSTER_imp> VORDIX_HAUPTFENSTER::mainImplementor() const
{
    return std::dynamic_pointer_cast<VORDIX_HAUPTFENSTER_imp>(implementor());
}

void VORDIX_HAUPTFENSTER::enableMenuItem(int controlId, MENUSTATE state)
{
    if (auto imp = mainImplementor())
        imp->enableMenuItem(controlId, state);
}

void VORDIX_HAUPTFENSTER::checkMenuItem(int controlId, MENUSTATE state)
{
    if (auto imp = mainImplementor())
        imp->checkMenuItem(controlId, state);
}
