#include "vordix/Screen.h"

#include "vordix/ImplementorFactory.h"

#include <memory>

namespace {
std::unique_ptr<VORDIX_SCREEN>& screenInstance()
{
    static std::unique_ptr<VORDIX_SCREEN> screen;
    return screen;
}
} // namespace

VORDIX_SCREEN::VORDIX_SCREEN()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createScreen();
}

VORDIX_SCREEN::~VORDIX_SCREEN() = default;

// First use is on the GUI thread during start-up, before workers exist.
VORDIX_SCREEN& VORDIX_SCREEN::instance()
{
    auto& screen = screenInstance();
    if (!screen)
        screen.reset(new VORDIX_SCREEN);
    return *screen;
}

void VORDIX_SCREEN::destroyInstance() { screenInstance().reset(); }

void VORDIX_SCREEN::enterFullScreen(VORDIX_FENSTER* mainWindow)
{
    if (imp_)
        imp_->enterFullScreen(mainWindow, 1024, 768);
}

void VORDIX_SCREEN::leaveFullScreen(VORDIX_FENSTER* mainWindow)
{
    if (imp_)
        imp_->leaveFullScreen(mainWindow);
}
