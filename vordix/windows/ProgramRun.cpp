#include "vordix/windows/ProgramRun.h"

#include "vordix/Application.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/MessageSink.h"
#include "vordix/Screen.h"
#include "vordix/WorkerThreads.h"
#include "vordix/windows/DisplayCheck.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/MessageFenster.h"
#include "vordix/windows/MessageQueue.h"
#include "vordix/windows/QtMessageSink.h"
#include "vordix/windows/TerminationSignals.h"
#include "vordix/windows/WinApplication.h"
#include "vordix/windows/WinHauptfenster.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QTimer>

#include <optional>

namespace vordix::windows {
namespace {

void applyStyleSheet(bool reportMode)
{
    QFile file(reportMode ? QStringLiteral(":/styles/ErrorReport.qss") : QStringLiteral(":/styles/Skat.qss"));
    // A missing style sheet leaves the default look; nothing to report.
    if (file.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromLatin1(file.readAll()));
}

void applyWindowIcon()
{
    QIcon icon;
    for (const char* name :
         {":/icons/Skat_256.png", ":/icons/Skat_48.png", ":/icons/Skat_32.png", ":/icons/Skat_16.png"})
        if (QFile::exists(QString::fromLatin1(name)))
            icon.addFile(QString::fromLatin1(name));
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
}

// Runs f when the scope ends, also when it is left by an exception.
template <class F>
struct AtScopeEnd {
    F f;
    ~AtScopeEnd() { f(); }
};
template <class F>
AtScopeEnd(F) -> AtScopeEnd<F>;

void call(const std::function<void()>& f)
{
    if (f)
        f();
}

} // namespace

std::wstring missingFilesMessage(const StartRequest& request)
{
    if (request.missingFiles.empty())
        return {};
    std::wstring text = request.missingFiles.size() == 1 ? L"Die Datei" : L"Die Dateien";
    for (const std::wstring& name : request.missingFiles)
        text += L"|" + name;
    text += request.missingFiles.size() == 1 ? L"|wurde nicht gefunden." : L"|wurden nicht gefunden.";
    return text;
}

ProgramRun::ProgramRun(ProgramServices services) : services_(std::move(services)) { }

ProgramRun::~ProgramRun() { teardown(); }

bool ProgramRun::displayIsUsable()
{
    if (!services_.screenSize)
        return checkDisplayRequirements();
    const RECTANGLE size = services_.screenSize();
    auto* screen = QGuiApplication::primaryScreen();
    const DisplayCheckResult verdict = evaluateDisplay(size.width, size.height, screen ? screen->depth() : 0);
    if (!verdict.message.empty())
        showMessage(verdict.ok ? MessageKind::Warning : MessageKind::Error, verdict.message);
    return verdict.ok;
}

bool ProgramRun::start(const StartRequest& request)
{
    tornDown_ = false;
    call(services_.installCrashHandler);
    crashHandlerInstalled_ = true;
    WIN_IMPLEMENTORFACTORY::installDefault();
    if (!displayIsUsable())
        return false;

    WIN_APPLICATION::instance();
    MessageFenster::instance();
    if (services_.createApplication)
        application_ = services_.createApplication();
    if (application_) {
        // A start that failed has said why; the program ends without its loop.
        if (!application_->initialize()) {
            initializationFailed_ = true;
            return false;
        }
        application_->afterMessage();
    }

    // Named once the loop runs, so that the main window stands behind the box.
    if (const std::wstring missing = missingFilesMessage(request); !missing.empty())
        QTimer::singleShot(0, qApp, [missing] { showMessage(MessageKind::Error, missing); });
    if (request.hasFileToOpen())
        MessageFenster::instance()->postOpenFile(request.mode, request.path);

    signals_ = std::make_unique<TerminationSignals>([](int) {
        // Closing the main window saves the game and quits; without one, quit.
        if (WIN_HAUPTFENSTER::endSession() == 0)
            QCoreApplication::quit();
    });
    return true;
}

void ProgramRun::teardown()
{
    if (tornDown_)
        return;
    tornDown_ = true;
    signals_.reset();
    // Workers waiting for the GUI thread are let go, then joined, before
    // anything they might still touch is deleted.
    refuseGuiCalls(true);
    WorkerThreads::stopAll();
    delete application_;
    application_ = nullptr;
    call(services_.deleteGameSingletons);
    VORDIX_SCREEN::destroyInstance();
    VORDIX_IMPLEMENTORFACTORY::deleteInstance();
    CCustomMessageQueue::destroy();
    if (crashHandlerInstalled_)
        call(services_.removeCrashHandler);
    crashHandlerInstalled_ = false;
}

int runProgram(int argc, char** argv, const ProgramServices& services)
{
    call(services.registerTables);
    AtScopeEnd unregister{[&] { call(services.unregisterTables); }};

    std::optional<QApplication> app;
    app.emplace(argc, argv); // takes the toolkit's own options out of argv
    setMessageSink(std::make_shared<QtMessageSink>());

    StartRequest request;
    parseCommandLine(argc, argv, request);
    const bool reportMode = request.mode == StartRequest::Report;
    applyStyleSheet(reportMode);
    applyWindowIcon();
    if (services.prepareReport)
        services.prepareReport(reportMode);

    int exitCode = 0;
    if (reportMode) {
        call(services.runReportMode);
    } else {
        ProgramRun run(services);
        if (run.start(request))
            QApplication::exec();
        run.teardown();
        if (run.initializationFailed())
            exitCode = 1;
    }
    call(services.removeReport);
    setMessageSink(nullptr);
    app.reset();
    return exitCode;
}

} // namespace vordix::windows
