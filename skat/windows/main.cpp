// The program's entry: fills the game-side services of the program run and
// hands over. Until the application shell exists, a small stand-in opens the
// game window with its menu on a local table and quits when it is closed.

#include "skat/app/Bilder.h"
#include "skat/app/LogicTextsFromTable.h"
#include "skat/app/UserPrefs.h"
#include "skat/app/SkatFolders.h"
#include "skat/logic/CharakterCreator.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/PreplayTables.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/LocalTableServer.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "skat/windows/ResourceStringTable.h"

#include "vordix/Application.h"
#include "vordix/Area.h"
#include "vordix/Hauptfenster.h"
#include "vordix/Message.h"
#include "vordix/ThreadHooks.h"
#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"
#include "vordix/Zeichenbereich.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"
#include "vordix/windows/ProgramRun.h"
#include "vordix/windows/3rdparty/CrashHandler.h"
#include "vordix/windows/3rdparty/CrashSender.h"
#include "vordix/windows/3rdparty/CrashTexts.h"
#include "vordix/windows/3rdparty/MailSender.h"
#include "vordix/windows/3rdparty/ReportAttachments.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace {

// Stands in for the application object until the application shell exists:
// it loads the preferences and pictures, seats the user at a local table and
// opens the game window; "new" and "continue" start a list on that table.
class StandInApplication : public VORDIX_APPLICATION, public MAIN_WINDOW_SHELL {
public:
    StandInApplication() : window_(*this) {}

    bool initialize() override {
        if (!window_.mainImplementor()) return false;
        USER_PREFS::instance().load();
        setComputerPlayStyle(USER_PREFS::instance().playStyle);
        skat::installLogicTextsFromTable();
        BILDER::instance().initialize();
        server_ = std::make_shared<LOCAL_TABLE_SERVER>();
        installTableServer(server_);
        window_.create();
        window_.show();
        server_->loadRunningGame();
        return true;
    }

    void shutdown() override {
        if (server_) server_->stop();
        if (implementor()) implementor()->quit();
    }

    bool executeCommand(const VORDIX_MESSAGE& message) override {
        if (message.kind == MESSAGE_OPEN_FILE) {
            if (auto imp = window_.mainImplementor()) imp->setTitle(L"Skat - " + message.file.name);
            return true;
        }
        if (message.kind != MESSAGE_COMMAND || !server_) return true;
        if (message.commandId == ControlIds::idOf(std::string("Spi_ende"))) shutdown();
        else if (message.commandId == ControlIds::idOf(std::string("Spi_neu"))) server_->startNewSheet();
        else if (message.commandId == ControlIds::idOf(std::string("Liste_weiter"))) server_->startNewGameOfList();
        else if (message.commandId == FENSTER_SKAT::COMMAND_LAST_TRICK) window_.toggleLastTrick();
        else if (message.commandId == FENSTER_SKAT::COMMAND_POINTS_LABELS) window_.pileController.togglePointsLabels();
        return true;
    }
    void runCommand(const VORDIX_MESSAGE& message) override { executeCommand(message); }

    void afterMessage() override {}
    void dispatchMessage(const PostedMessage&) override {}

    VORDIX_APPLICATION_imp* applicationImplementor() override { return implementor(); }

    ~StandInApplication() override {
        if (server_) server_->stop();
        installTableServer(nullptr);
    }

private:
    FENSTER_SKAT window_;
    std::shared_ptr<LOCAL_TABLE_SERVER> server_;
};

void reportModeUnavailable() {
    vordix::showMessage(vordix::MessageKind::Information,
                        L"Ein Fehlerbericht liegt nicht vor.|Skat wird beendet.");
}

// The report files of this run (or, in report mode, of the crashed run) and
// the handler that writes them.
std::unique_ptr<ReportAttachments> g_attachments;
std::unique_ptr<CrashHandler> g_crashHandler;

void installCrashHandler() {
    CrashHandlerOptions options;
    options.dumpPath = g_attachments->dumpPath;
    options.reportPath = g_attachments->logPath;
    options.dumpType = readDumpMode();
    if (!g_attachments->folder.empty()) options.restartEnvironment = {g_attachments->restartEnvironment()};
    const uint32_t version[4] = {SKAT_VERSION_MAJOR, SKAT_VERSION_MINOR, SKAT_VERSION_PATCH, 0};
    std::copy(version, version + 4, options.programVersion);
    g_crashHandler = std::make_unique<CrashHandler>(options);
    vordix::setThreadHooks(&CrashHandler::prepareThread, &CrashHandler::releaseThread);
}

void removeCrashHandler() {
    vordix::setThreadHooks(nullptr, nullptr);
    g_crashHandler.reset();
}

void runReportMode() {
    if (!g_attachments || !g_attachments->hasCrashFiles()) {
        reportModeUnavailable();
        return;
    }
    CCrashSender sender;
    sender.recipient = SKAT_BUG_REPORT_ADDRESS;
    sender.reportAddress = "https://www.quorvenel.example/bugreport/report.php";
    sender.subject = crash::tr("Absturzbericht").toStdString() + " Skat " + std::to_string(SKAT_VERSION_MAJOR) + "." +
                     std::to_string(SKAT_VERSION_MINOR) + "." + std::to_string(SKAT_VERSION_PATCH);
    sender.runReport(*g_attachments);
}

} // namespace

int main(int argc, char* argv[]) {
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
    services.createApplication = [] {
        // The computer player's tables are read here, on the GUI thread,
        // so that a missing file is reported before any game starts.
        VL_TABELLEN::instance();
        registerComputerLogic();
        // The player profiles learn from the user's game history and the
        // one shipped with the program (a few milliseconds).
        loadProfiles(profileStore(), skat::userDataFile({L"Spiellogik"}, L"Historie.skt").fsPath(),
                     skat::resourceFile({L"Spiellogik"}, L"Historie.skt").fsPath());
        return new StandInApplication;
    };
    QCoreApplication::setApplicationName(QStringLiteral("Skat"));
    return vordix::windows::runProgram(argc, argv, services);
}
