// Factory operations for the application, folders, preferences and the
// screen.

#include "vordix/windows/WinImplementorFactory.h"

#include "vordix/Screen.h"
#include "vordix/Sound.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/WinApplication.h"
#include "vordix/windows/WinPreference.h"
#include "vordix/windows/WinScreen.h"

WIN_IMPLEMENTORFACTORY::WIN_IMPLEMENTORFACTORY() = default;
WIN_IMPLEMENTORFACTORY::~WIN_IMPLEMENTORFACTORY() = default;

VORDIX_IMPLEMENTORFACTORY* WIN_IMPLEMENTORFACTORY::installDefault()
{
    if (!instance())
        installInstance(new WIN_IMPLEMENTORFACTORY);
    return instance();
}

// Never creates the platform application: main does, once the Qt
// application exists.
VORDIX_APPLICATION_imp* WIN_IMPLEMENTORFACTORY::getApplication() { return WIN_APPLICATION::existing(); }

VORDIX_FOLDER_imp* WIN_IMPLEMENTORFACTORY::createFolder() { return new WIN_FILEPATH; }

VORDIX_PREFERENCE_imp* WIN_IMPLEMENTORFACTORY::createPreference() { return new WIN_PREFERENCE; }

VORDIX_SCREEN_imp* WIN_IMPLEMENTORFACTORY::createScreen()
{
    if (!screen_)
        screen_ = std::make_unique<WIN_SCREEN>();
    return screen_.get();
}
