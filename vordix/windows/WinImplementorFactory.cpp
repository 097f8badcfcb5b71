// Factory operations for the application, folders, preferences and the
// screen.

#include "vordix/windows/WinImplementorFactory.h"

#include "vordix/Screen.h"
#include "vordix/Sound.h"
#include "vordix/WinFilePath.h"

WIN_IMPLEMENTORFACTORY::WIN_IMPLEMENTORFACTORY() = default;
WIN_IMPLEMENTORFACTORY::~WIN_IMPLEMENTORFACTORY() = default;

VORDIX_IMPLEMENTORFACTORY* WIN_IMPLEMENTORFACTORY::installDefault() {
    if (!instance()) installInstance(new WIN_IMPLEMENTORFACTORY);
    return instance();
}

VORDIX_APPLICATION_imp* WIN_IMPLEMENTORFACTORY::getApplication() { return nullptr; }

VORDIX_FOLDER_imp* WIN_IMPLEMENTORFACTORY::createFolder() { return new WIN_FILEPATH; }

VORDIX_PREFERENCE_imp* WIN_IMPLEMENTORFACTORY::createPreference() { return nullptr; }

VORDIX_SCREEN_imp* WIN_IMPLEMENTORFACTORY::createScreen() { return screen_.get(); }
