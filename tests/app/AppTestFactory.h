#pragma once
// A small implementor factory for the application shell's tests: real
// bitmaps, a sound player that records every request (and can pass it on to
// a real one), preferences in memory and an application whose language the
// test chooses. The program folder points at the build's "Ressourcen".

#include "MemoryPreferenceStore.h"

#include "skat/app/SkatText.h"

#include "vordix/Application.h"
#include "vordix/Folder.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/Sound.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/WinBitmap.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct SoundRequest {
    std::wstring name;
    std::wstring folder; // full path ending in '/'
    bool wait = false;
    int seat = 0;
};

class RecordingSound : public VORDIX_SOUND_imp {
public:
    void play(const std::wstring& name, const VORDIX_FOLDER& folder, bool wait, int seat) override
    {
        {
            std::lock_guard lock(mutex);
            requests.push_back({name, folder.path(), wait, seat});
        }
        if (forward)
            forward->play(name, folder, wait, seat);
    }
    std::vector<SoundRequest> taken()
    {
        std::lock_guard lock(mutex);
        return std::exchange(requests, {});
    }
    VORDIX_SOUND_imp* forward = nullptr; // not owned

private:
    std::mutex mutex;
    std::vector<SoundRequest> requests;
};

class TestApplicationImp : public VORDIX_APPLICATION_imp {
public:
    void quit() override { }
    void setLanguage(bool e) override { english = e; }
    unsigned processEvents(std::uint16_t, int) override { return 0; }
    void sleep(unsigned) override { }
    void postMessage(const PostedMessage&) override { }
    void setOwner(VORDIX_APPLICATION*) override { }
    bool isEnglish() const override { return english; }
    bool isServiceDiscoveryAvailable() const override { return false; }
    VORDIX_APPLICATION* getOwner() const override { return nullptr; }
    bool english = false;
};

class AppTestFactory : public VORDIX_IMPLEMENTORFACTORY {
public:
    VORDIX_APPLICATION_imp* getApplication() override { return &application; }
    VORDIX_AREA_imp* createArea(VORDIX_AREA*) override { return nullptr; }
    VORDIX_BITMAP_imp* createBitmap() override { return new WIN_BITMAP; }
    VORDIX_COMMUNICATION_imp* createCommunication() override { return nullptr; }
    VORDIX_FOLDER_imp* createFolder() override { return nullptr; }
    VORDIX_LINE_imp* createLine(VORDIX_LINE*) override { return nullptr; }
    VORDIX_SCREEN_imp* createScreen() override { return nullptr; }
    VORDIX_SOUND_imp* createSound() override { return &sound; }
    VORDIX_PREFERENCE_imp* createPreference() override { return new MemoryPreferenceStore(preferences); }
    VORDIX_TEXT_imp* createText(VORDIX_TEXT*) override { return nullptr; }
    VORDIX_ZEICHENBEREICH_imp* createDrawingArea(VORDIX_ZEICHENBEREICH*) override { return nullptr; }
    std::shared_ptr<VORDIX_DIALOG_imp> createDialog(VORDIX_DIALOG*, int) override { return {}; }
    std::shared_ptr<VORDIX_DIALOG_imp> createDialogOverDialog(VORDIX_DIALOG*, VORDIX_DIALOG*, int) override
    {
        return {};
    }
    std::shared_ptr<VORDIX_DIALOG_imp> createDialogOverWindow(VORDIX_FENSTER*, VORDIX_DIALOG*, int) override
    {
        return {};
    }
    std::shared_ptr<VORDIX_VIEW_imp> createView(VORDIX_VIEW*) override { return {}; }
    std::shared_ptr<VORDIX_IMAGEVIEW_imp> createImageView(VORDIX_IMAGEVIEW*) override { return {}; }
    std::shared_ptr<VORDIX_FENSTER_imp> createWindow(VORDIX_FENSTER*) override { return {}; }
    std::shared_ptr<VORDIX_HAUPTFENSTER_imp> createMainWindow(VORDIX_HAUPTFENSTER*) override { return {}; }
    std::shared_ptr<VORDIX_CONTROL_imp> createControl(VORDIX_CONTROL*) override { return {}; }

    TestApplicationImp application;
    RecordingSound sound;
    std::shared_ptr<PreferenceValues> preferences = std::make_shared<PreferenceValues>();
};

// The build's program folder, where "Ressourcen" was generated.
inline std::wstring builtProgramFolder()
{
    return WIN_FILEPATH::fromFsPath(std::filesystem::path(SKAT_BINARY_DIR) / "skat" / "windows");
}

// The text table as the build wrote it, in German.
inline void installBuiltTexts()
{
    VORDIX_FOLDER folder;
    folder.setPath(builtProgramFolder() + L"/Ressourcen");
    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(VORDIX_FILE(folder, L"Skat_Text.xml"), false));
}
