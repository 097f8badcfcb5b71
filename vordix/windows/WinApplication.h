#pragma once
// The platform application: the user-interface language and its
// translator, the service-discovery probe, the hidden message object, the
// program's two custom cursors, quitting, pumping events, sleeping and
// posting records to the GUI thread.

#include "vordix/Application.h"

#include <QCursor>
#include <QTranslator>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class WIN_APPLICATION : public VORDIX_APPLICATION_imp {
public:
    // Where the language choice ("Deutsch" or "English") is kept.
    struct LanguageStore {
        std::function<std::optional<std::wstring>()> read;
        std::function<void(const std::wstring&)> write;
    };

    // The singleton, constructed on first use (on the GUI thread, after the
    // Qt application exists). The store defaults to the preference
    // "Sprache".
    static WIN_APPLICATION* instance();
    static WIN_APPLICATION* instance(LanguageStore store);
    // Null before the singleton was made.
    static WIN_APPLICATION* existing();
    // Program end (and tests): deletes the singleton.
    static void destroyInstance();

    ~WIN_APPLICATION() override;

    void quit() override;
    void setLanguage(bool english) override;
    // Pumps events in a local event loop until ms have passed (without
    // spinning); off the GUI thread it only sleeps.
    unsigned processEvents(std::uint16_t ms, int unused = 0) override;
    void sleep(unsigned ms) override;
    void postMessage(const PostedMessage& message) override;
    void setOwner(VORDIX_APPLICATION* owner) override { owner_ = owner; }
    bool isEnglish() const override { return english_; }
    bool isServiceDiscoveryAvailable() const override { return serviceDiscoveryAvailable_; }
    VORDIX_APPLICATION* getOwner() const override { return owner_; }

    // The program file and its folder (ending in '/').
    const std::wstring& programPath() const { return programPath_; }
    const std::wstring& programFolder() const { return programFolder_; }
    const QCursor& eraserCursor() const { return eraserCursor_; }
    const QCursor& panCursor() const { return panCursor_; }
    // Whether the English translator is installed in the Qt application.
    bool translatorInstalled() const { return translatorInstalled_; }

    // The probe of the service-discovery library, by its file name.
    static bool libraryLoadable(const char* fileName);

private:
    explicit WIN_APPLICATION(LanguageStore store);

    VORDIX_APPLICATION* owner_ = nullptr; // not owned
    bool serviceDiscoveryAvailable_ = false;
    bool english_ = false;
    std::wstring programPath_;
    std::wstring programFolder_;
    QTranslator translator_;
    bool translatorInstalled_ = false;
    QCursor eraserCursor_;
    QCursor panCursor_;
    LanguageStore store_;
};
