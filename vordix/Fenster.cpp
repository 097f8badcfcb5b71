#include "vordix/Fenster.h"

#include "vordix/Application.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/MessageBox.h"

void VORDIX_FENSTER_imp::deliverMessage(VORDIX_MESSAGE& message)
{
    if (!owner_)
        return;
    owner_->onMessage(message);
    refreshApplication();
}

void VORDIX_FENSTER_imp::refreshApplication()
{
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    auto* platform = factory ? factory->getApplication() : nullptr;
    if (auto* app = platform ? platform->getOwner() : nullptr)
        app->afterMessage();
}

void VORDIX_FENSTER_imp::deliverPaint(VORDIX_ZEICHENBEREICH& area)
{
    if (owner_)
        owner_->paint(area);
}

OpenRegistry<VORDIX_FENSTER>& VORDIX_FENSTER::openWindows()
{
    static OpenRegistry<VORDIX_FENSTER> registry;
    return registry;
}

VORDIX_FENSTER::VORDIX_FENSTER(NoImplementor) { openWindows().add(this); }

VORDIX_FENSTER::VORDIX_FENSTER() : VORDIX_FENSTER(NoImplementor{})
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createWindow(this);
}

VORDIX_FENSTER::~VORDIX_FENSTER()
{
    openWindows().removeAll(this);
    // The implementor must not call back into a half-destroyed window.
    if (imp_ && imp_->getOwner() == this)
        imp_->setOwner(nullptr);
}

void VORDIX_FENSTER::resize(int width, int height)
{
    if (isOpen && imp_)
        imp_->resize(width, height);
}

void VORDIX_FENSTER::updateRect(int x, int y, int width, int height)
{
    if (isOpen && imp_)
        imp_->updateRect(x, y, width, height);
}

RECTANGLE VORDIX_FENSTER::mapToGlobal() { return imp_ ? imp_->mapToGlobal() : RECTANGLE{}; }

void VORDIX_FENSTER::close()
{
    if (imp_)
        imp_->close();
    isOpen = false;
}

void VORDIX_FENSTER::onMessage(VORDIX_MESSAGE&) { }

void VORDIX_FENSTER::paint(VORDIX_ZEICHENBEREICH&) { }

void VORDIX_FENSTER::show()
{
    if (imp_)
        imp_->show();
    if (!isOpen || !imp_ || !imp_->isVisible())
        vordix::showMessageBox(vordix::MESSAGEBOX_CRITICAL, L"Das Fenster kann nicht geoeffnet werden.");
}

void VORDIX_FENSTER::move(int x, int y)
{
    if (isOpen && imp_)
        imp_->move(x, y);
}

void VORDIX_FENSTER::repaintRect(const RECTANGLE& rect)
{
    if (!isOpen || !imp_)
        return;
    repaintInProgress = true;
    imp_->repaintRect(rect.x, rect.y, rect.width, rect.height);
    repaintInProgress = false;
}

void VORDIX_FENSTER::setControlGeometry(int x, int y, int width, int height)
{
    if (imp_)
        imp_->setControlGeometry(9, x, y, width, height);
}

void VORDIX_FENSTER::updateAllWindows()
{
    for (VORDIX_FENSTER* window : openWindows().snapshot()) {
        if (window->isOpen && window->imp_ && window->imp_->isVisible())
            window->updateRect(0, 0, -1, -1);
    }
}
