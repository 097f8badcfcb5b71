#pragma once
// The process's last word: on a fatal signal (SIGSEGV, SIGBUS, SIGFPE,
// SIGILL, SIGTRAP, SIGABRT) or an exception that nothing catches, it writes
// the minidump and the text report, starts the program again in report mode
// ("DISPLAY_DLG") and lets the process end with its signal.
//
// Everything the handler needs at the crash is prepared when it is
// installed: the tables, the paths, the facts of the machine and an
// alternate signal stack (so that a stack overflow can still be reported).
// The handler runs on the crashing thread and stops the other threads
// where they stand, each inside a signal of its own, to record their
// registers. It is off under the sanitizers, which own these signals.

#include "vordix/windows/3rdparty/MinidumpWriter.h"

#include <cstdint>
#include <string>
#include <vector>

struct CrashHandlerOptions {
    std::wstring dumpPath;
    std::wstring reportPath;
    uint64_t dumpType = 0; // 2: full memory
    // The restart: by default this program with "DISPLAY_DLG".
    std::string restartProgram;
    std::vector<std::string> restartArguments{"DISPLAY_DLG"};
    // "NAME=value" entries added to the restarted program's environment.
    std::vector<std::string> restartEnvironment;
    uint32_t programVersion[4] = {};
};

class CrashHandler {
public:
    // Installs the handler with the dump type from the settings ("DumpMode").
    CrashHandler(const std::wstring& dumpPath, const std::wstring& reportPath);
    explicit CrashHandler(CrashHandlerOptions options);
    ~CrashHandler();
    CrashHandler(const CrashHandler&) = delete;
    CrashHandler& operator=(const CrashHandler&) = delete;

    // False under the sanitizers: there the handler installs nothing.
    static bool supported();
    // The installed handler, null when none is.
    static CrashHandler* active();
    bool installed() const { return installed_; }

    // Writes the crash files for an event (without an exception section
    // when it is null) from the registers of ucontext (may be null), and
    // restarts in report mode (when a file could be written). Returns;
    // ending the process is the caller's.
    static void onUnhandledException(const crash::CrashEvent* event, const void* ucontext);

    // Gives the calling thread an alternate signal stack, so that a stack
    // overflow on it is reported too (the installing thread has one), and
    // takes it back before the thread ends. Both fit vordix::setThreadHooks.
    static void prepareThread();
    static void releaseThread();

private:
    void install();
    void uninstall();

    CrashHandlerOptions options_;
    bool installed_ = false;
};

// The dump type stored under the program's settings key as "DumpMode";
// 0 without the value or when it is no number.
uint64_t readDumpMode();
