#pragma once
// The program's run from the command line to the ordered teardown, with the
// game-side parts plugged in: the form tables, the application object, the
// game's singletons and the crash-report mode. main() only fills the
// services and calls runProgram.

#include "vordix/CommandLine.h"
#include "vordix/Rectangle.h"

#include <functional>
#include <memory>

class VORDIX_APPLICATION;
class TerminationSignals;

namespace vordix::windows {

struct ProgramServices {
    // Control ids, forms and resource strings: filled before the Qt
    // application exists, cleared after it is gone.
    std::function<void()> registerTables;
    std::function<void()> unregisterTables;
    // The report files of a crash report: prepared in every mode, removed at the end.
    std::function<void(bool reportMode)> prepareReport;
    std::function<void()> removeReport;
    // The crash-report mode ("DISPLAY_DLG"): its dialogs, then the end.
    std::function<void()> runReportMode;
    // Normal run only.
    std::function<void()> installCrashHandler;
    std::function<void()> removeCrashHandler;
    std::function<VORDIX_APPLICATION*()> createApplication; // owned by the run
    std::function<void()> deleteGameSingletons;             // after the application object
    // The screen size for the display check; by default the platform screen's.
    std::function<RECTANGLE()> screenSize;
};

// One normal run on an existing Qt application.
class ProgramRun {
public:
    explicit ProgramRun(ProgramServices services);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Crash handler, display check, platform application, application object
    // and its initialisation; names missing files to the user and hands the
    // file to open to the GUI thread. False when the display check or the
    // application object's initialisation stopped the start.
    bool start(const StartRequest& request);

    // After the event loop: worker threads stop and are joined, then the
    // application object, the game's singletons, the screen, the factory and
    // the message queue are deleted, and the crash handler is removed.
    void teardown();

    VORDIX_APPLICATION* application() const { return application_; }
    // The application object's initialisation failed (start returned false).
    bool initializationFailed() const { return initializationFailed_; }

private:
    bool displayIsUsable();

    ProgramServices services_;
    VORDIX_APPLICATION* application_ = nullptr;
    std::unique_ptr<TerminationSignals> signals_;
    bool crashHandlerInstalled_ = false;
    bool tornDown_ = false;
    bool initializationFailed_ = false;
};

// The whole program: returns its exit code (0; 1 when the start failed).
int runProgram(int argc, char** argv, const ProgramServices& services);

// The message that names files given on the command line that do not exist.
std::wstring missingFilesMessage(const StartRequest& request);

} // namespace vordix::windows
