// The program's entry: fills the game-side services of the program run and
// hands over to the application object.

#include "skat/app/SkatVersion.h"
#include "skat/shell/SkatApplication.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "skat/windows/ResourceStringTable.h"

#include "vordix/Application.h"
#include "vordix/Area.h"
#include "vordix/Hauptfenster.h"
#include "vordix/Message.h"
#include "vordix/MessageSink.h"
#include "vordix/ThreadHooks.h"
#include "vordix/Utf8.h"
#include "vordix/Zeichenbereich.h"
#include "vordix/windows/3rdparty/CrashHandler.h"
#include "vordix/windows/3rdparty/CrashSender.h"
#include "vordix/windows/3rdparty/CrashTexts.h"
#include "vordix/windows/3rdparty/MailSender.h"
#include "vordix/windows/3rdparty/ReportAttachments.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"
#include "vordix/windows/ProgramRun.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace {

void reportModeUnavailable()
{
    vordix::showMessage(vordix::MessageKind::Information, L"Ein Fehlerbericht liegt nicht vor.|Skat wird beendet.");
}

// The report files of this run (or, in report mode, of the crashed run) and
// the handler that writes them.
std::unique_ptr<ReportAttachments> g_attachments;
std::unique_ptr<CrashHandler> g_crashHandler;

void installCrashHandler()
{
    CrashHandlerOptions options;
    options.dumpPath = g_attachments->dumpPath;
    options.reportPath = g_attachments->logPath;
    options.dumpType = readDumpMode();
    if (!g_attachments->folder.empty())
        options.restartEnvironment = {g_attachments->restartEnvironment()};
    const auto version = skat::versionParts();
    std::copy(version.begin(), version.end(), options.programVersion);
    g_crashHandler = std::make_unique<CrashHandler>(options);
    vordix::setThreadHooks(&CrashHandler::prepareThread, &CrashHandler::releaseThread);
}

void removeCrashHandler()
{
    vordix::setThreadHooks(nullptr, nullptr);
    g_crashHandler.reset();
}

void runReportMode()
{
    if (!g_attachments || !g_attachments->hasCrashFiles()) {
        reportModeUnavailable();
        return;
    }
    CCrashSender sender;
    sender.recipient = SKAT_BUG_REPORT_ADDRESS;
    sender.reportAddress = "https://www.quorvenel.example/bugreport/report.php";
    sender.subject = crash::tr("Absturzbericht").toStdString() + " Skat " + skat::reportVersionText();
    sender.runReport(*g_attachments);
}

} // namespace

int main(int argc, char* argv[])
{
    vordix::windows::ProgramServices services;
    services.registerTables = [] {
        registerControlIds();
        registerForms();
        registerResourceStrings();
    };
    services.unregisterTables = [] { unregisterForms(); };
    services.prepareReport = [](bool reportMode) {
        g_attachments = buildReportAttachments(reportMode);
        clearMailCache();
        installMailService();
    };
    services.removeReport = [] { g_attachments.reset(); };
    services.installCrashHandler = installCrashHandler;
    services.removeCrashHandler = removeCrashHandler;
    services.runReportMode = runReportMode;
    services.createApplication = []() -> VORDIX_APPLICATION* { return &SKAT_APPLICATION::instance(); };
    QCoreApplication::setApplicationName(QStringLiteral("Skat"));
    return vordix::windows::runProgram(argc, argv, services);
}
