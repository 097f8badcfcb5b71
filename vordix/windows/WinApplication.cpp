#include "vordix/windows/WinApplication.h"

#include "vordix/Utf8.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/MessageFenster.h"
#include "vordix/windows/MessageQueue.h"
#include "vordix/windows/ProgramCursors.h"
#include "vordix/windows/QtFileDialogs.h"
#include "vordix/windows/WinPreference.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <dlfcn.h>

#include <chrono>
#include <thread>

namespace {

WIN_APPLICATION* singleton = nullptr;

const wchar_t* const languageGerman = L"Deutsch";
const wchar_t* const languageEnglish = L"English";

WIN_APPLICATION::LanguageStore preferenceStore();

} // namespace

WIN_APPLICATION* WIN_APPLICATION::instance() { return singleton ? singleton : instance(preferenceStore()); }

WIN_APPLICATION* WIN_APPLICATION::instance(LanguageStore store)
{
    if (!singleton)
        new WIN_APPLICATION(std::move(store)); // sets singleton first
    return singleton;
}

WIN_APPLICATION* WIN_APPLICATION::existing() { return singleton; }

void WIN_APPLICATION::destroyInstance()
{
    delete singleton;
    singleton = nullptr;
}

bool WIN_APPLICATION::libraryLoadable(const char* fileName)
{
    void* library = dlopen(fileName, RTLD_LAZY | RTLD_LOCAL);
    if (!library)
        return false;
    dlclose(library);
    return true;
}

WIN_APPLICATION::WIN_APPLICATION(LanguageStore store) : store_(std::move(store))
{
    // Code run by the steps below already finds the object.
    singleton = this;

    const QString program = QCoreApplication::applicationFilePath();
    programPath_ = program.toStdWString();
    const auto slash = programPath_.rfind(L'/');
    if (slash != std::wstring::npos)
        programFolder_ = programPath_.substr(0, slash + 1);

    const auto language = store_.read ? store_.read() : std::nullopt;
    if (language) {
        english_ = *language != languageGerman;
        if (english_) {
            const QString file = QString::fromStdWString(programFolder_ + L"Skat.en.qm");
            if (!translator_.load(file))
                qDebug() << "*** Kann Übersetzung nicht laden!";
            // Qt keeps even an empty translator (and then answers false).
            QCoreApplication::installTranslator(&translator_);
            translatorInstalled_ = true;
        }
    }

    serviceDiscoveryAvailable_ = libraryLoadable("libdns_sd.so.1");

    vordix::windows::installGuiCallReceiver();
    MessageFenster::instance();

    // The common file dialogs, unless the program chose its own.
    if (auto previous = vordix::setFileDialogHandler(qtFileDialogHandler()))
        vordix::setFileDialogHandler(std::move(previous));

    eraserCursor_ = makeEraserCursor();
    panCursor_ = makePanCursor();
}

WIN_APPLICATION::~WIN_APPLICATION()
{
    if (translatorInstalled_)
        QCoreApplication::removeTranslator(&translator_);
    if (singleton == this)
        singleton = nullptr;
}

void WIN_APPLICATION::quit()
{
    if (vordix::windows::isGuiThread())
        QCoreApplication::quit();
    else if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

void WIN_APPLICATION::setLanguage(bool english)
{
    english_ = english;
    if (store_.write)
        store_.write(english ? languageEnglish : languageGerman);
}

unsigned WIN_APPLICATION::processEvents(std::uint16_t ms, int)
{
    if (ms == 0)
        return 0;
    QElapsedTimer clock;
    clock.start();
    if (!vordix::windows::isGuiThread()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return static_cast<unsigned>(clock.elapsed());
    }
    // A timer ends the local loop; when something else ends it early (a quit
    // request), a new loop waits for the rest of the time.
    while (clock.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(ms - clock.elapsed()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::AllEvents);
    }
    return static_cast<unsigned>(clock.elapsed());
}

void WIN_APPLICATION::sleep(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void WIN_APPLICATION::postMessage(const PostedMessage& message)
{
    CCustomMessageQueue::instance().post(MessageFenster::instance(), message);
}

namespace {

WIN_APPLICATION::LanguageStore preferenceStore()
{
    WIN_APPLICATION::LanguageStore store;
    store.read = []() -> std::optional<std::wstring> {
        std::wstring value;
        if (!readPreferenceString(LANGUAGE_VALUE, value))
            return std::nullopt;
        return value;
    };
    store.write = [](const std::wstring& value) { writePreferenceString(LANGUAGE_VALUE, value); };
    return store;
}

} // namespace
