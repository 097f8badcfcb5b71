#include "vordix/windows/3rdparty/CrashHandler.h"

#include "vordix/Preference.h"
#include "vordix/Utf8.h"
#include "vordix/windows/3rdparty/CrashCodes.h"
#include "vordix/windows/3rdparty/CrashReportText.h"
#include "vordix/windows/3rdparty/SignalSafeIo.h"
#include "vordix/windows/3rdparty/ThreadContext.h"
#include "vordix/windows/WinPreference.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <new>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

extern char** environ;

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool SANITIZED = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
constexpr bool SANITIZED = true;
#else
constexpr bool SANITIZED = false;
#endif
#else
constexpr bool SANITIZED = false;
#endif

constexpr int FATAL_SIGNALS[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGABRT};
constexpr size_t SIGNAL_COUNT = sizeof FATAL_SIGNALS / sizeof FATAL_SIGNALS[0];
constexpr size_t ALTERNATE_STACK = 256 * 1024;
constexpr size_t MAX_ARGUMENTS = 16;
constexpr size_t MAX_ENVIRONMENT = 2048;

// Everything the signal handler touches, prepared at installation.
struct Prepared {
    crash::SystemFacts facts;
    char dumpPath[4096];
    char reportPath[4096];
    uint64_t dumpType;
    char restartProgram[4096];
    char argumentText[MAX_ARGUMENTS][1024];
    char* arguments[MAX_ARGUMENTS + 2];
    char extraEnvironment[8][4096];
    size_t extraCount;
    char* environment[MAX_ENVIRONMENT + 9];
};

std::atomic<CrashHandler*> g_active{nullptr};
Prepared* g_prepared = nullptr;
crash::ProcessSnapshot* g_snapshot = nullptr;
struct sigaction g_previous[SIGNAL_COUNT];
struct sigaction g_previousSnapshot;
std::terminate_handler g_previousTerminate = nullptr;
int g_snapshotSignal = 0;
std::atomic<int> g_reportingThread{0};
std::atomic<int> g_captured{0};
std::atomic<bool> g_uncaughtException{false};

pid_t threadId() { return static_cast<pid_t>(::syscall(SYS_gettid)); }

void sleepMilliseconds(long ms)
{
    timespec pause{0, ms * 1000000L};
    while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) { }
}

[[noreturn]] void stopForever()
{
    for (;;)
        ::pause();
}

// Ends the process with the signal, as if no handler had been there.
void endWithSignal(int signal)
{
    struct sigaction fallback { };
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    ::syscall(SYS_tgkill, ::getpid(), threadId(), signal);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::_exit(128 + signal);
}

// Another thread stops here until the process ends, its registers recorded.
void onSnapshotSignal(int, siginfo_t*, void* ucontext)
{
    const int errnoBefore = errno;
    if (g_snapshot) {
        const uint32_t self = static_cast<uint32_t>(threadId());
        for (size_t i = 0; i < g_snapshot->threadCount; ++i) {
            if (g_snapshot->threads[i].id != self)
                continue;
            crash::fillThreadContext(g_snapshot->threads[i], ucontext);
            g_captured.fetch_add(1);
            stopForever();
        }
    }
    errno = errnoBefore;
}

// Records every thread: the crashing one from its signal's registers, the
// others by stopping them in the snapshot signal.
void captureThreads(crash::ProcessSnapshot& s, const void* ucontext)
{
    crash::listThreads(s);
    const uint32_t self = static_cast<uint32_t>(threadId());
    int asked = 0;
    g_captured.store(0);
    for (size_t i = 0; i < s.threadCount; ++i) {
        crash::ThreadRecord& t = s.threads[i];
        if (t.id == self) {
            crash::fillThreadContext(t, ucontext);
        } else if (g_snapshotSignal && ::syscall(SYS_tgkill, ::getpid(), t.id, g_snapshotSignal) == 0) {
            ++asked;
        }
    }
    // A thread that blocks the signal, or sleeps uninterruptibly, is left
    // without registers.
    for (int waited = 0; waited < 500 && g_captured.load() < asked; ++waited)
        sleepMilliseconds(1);
}

int openReportFile(const char* path)
{
    if (!path[0])
        return -1;
    return ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
}

void restartInReportMode(Prepared& p)
{
    if (!p.restartProgram[0])
        return;
    // The environment: ours with the extra entries replacing equal names.
    size_t n = 0;
    for (char** e = environ; e && *e && n < MAX_ENVIRONMENT; ++e) {
        bool replaced = false;
        for (size_t k = 0; k < p.extraCount; ++k) {
            const char* eq = std::strchr(p.extraEnvironment[k], '=');
            const size_t nameLength = eq ? static_cast<size_t>(eq - p.extraEnvironment[k]) + 1 : 0;
            if (nameLength && std::strncmp(*e, p.extraEnvironment[k], nameLength) == 0)
                replaced = true;
        }
        if (!replaced)
            p.environment[n++] = *e;
    }
    for (size_t k = 0; k < p.extraCount; ++k)
        p.environment[n++] = p.extraEnvironment[k];
    p.environment[n] = nullptr;

    // A bare fork: no handlers of the C library run in the child.
    const long child = ::syscall(SYS_clone, SIGCHLD, 0, 0, 0, 0);
    if (child != 0)
        return;
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
#ifdef SYS_close_range
    if (::syscall(SYS_close_range, 3u, ~0u, 0u) != 0)
#endif
        for (int fd = 3; fd < 4096; ++fd)
            ::close(fd);
    ::execve(p.restartProgram, p.arguments, p.environment);
    ::_exit(127);
}

// True when at least one of the two files could be written.
bool writeCrashFiles(Prepared& p, const crash::CrashEvent* event, const void* ucontext)
{
    crash::ProcessSnapshot& s = *g_snapshot;
    crash::readMappings(s);
    captureThreads(s, ucontext);
    crash::collectModules(s, p.facts);
    bool written = false;
    if (const int fd = openReportFile(p.dumpPath); fd >= 0) {
        crash::writeMinidumpFile(fd, s, p.facts, event, p.dumpType);
        ::close(fd);
        written = true;
    }
    if (const int fd = openReportFile(p.reportPath); fd >= 0) {
        crash::writeCrashReportText(fd, s, p.facts, event);
        ::close(fd);
        written = true;
    }
    return written;
}

void onFatalSignal(int signal, siginfo_t* info, void* ucontext)
{
    const int self = threadId();
    int expected = 0;
    if (!g_reportingThread.compare_exchange_strong(expected, self)) {
        // A fault inside the report itself ends the process at once; a crash
        // on another thread waits for the report under way to end it.
        if (expected == self)
            endWithSignal(signal);
        stopForever();
    }
    if (!g_active.load() || !g_prepared)
        endWithSignal(signal);

    crash::ThreadRecord registers;
    crash::fillThreadContext(registers, ucontext);
    crash::CrashEvent event;
    event.threadId = static_cast<uint32_t>(self);
    event.address = registers.instructionPointer;
    const uintptr_t fault = reinterpret_cast<uintptr_t>(info ? info->si_addr : nullptr);
    if (signal == SIGABRT && g_uncaughtException.load()) {
        event.code = crash::CODE_CPP_EXCEPTION;
    } else {
        event.code = crash::exceptionCodeOf(signal, info ? info->si_code : 0, fault, registers.stackPointer);
    }
    if (event.code == crash::CODE_ACCESS_VIOLATION || event.code == crash::CODE_STACK_OVERFLOW
        || event.code == crash::CODE_IN_PAGE_ERROR) {
        // Read (0), write (1) or execute (8), then the address.
        uint64_t kind = 0;
#if defined(__x86_64__)
        const uint64_t error =
            static_cast<uint64_t>(static_cast<const ucontext_t*>(ucontext)->uc_mcontext.gregs[REG_ERR]);
        kind = (error & 16) ? 8 : (error & 2) ? 1 : 0;
#endif
        event.parameterCount = 2;
        event.parameters[0] = kind;
        event.parameters[1] = fault;
    }
    CrashHandler::onUnhandledException(&event, ucontext);
    endWithSignal(signal);
}

void onTerminate()
{
    g_uncaughtException.store(true);
    // The standard handler names the exception on stderr, then aborts.
    if (g_previousTerminate)
        g_previousTerminate();
    std::abort();
}

// The alternate stack this thread got from us; null when it has none of ours.
thread_local void* t_alternateStack = nullptr;

bool installAlternateStack()
{
    stack_t current{};
    if (::sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE) && current.ss_size >= ALTERNATE_STACK)
        return true;
    void* memory = ::mmap(nullptr, ALTERNATE_STACK, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return false;
    stack_t stack{};
    stack.ss_sp = memory;
    stack.ss_size = ALTERNATE_STACK;
    if (::sigaltstack(&stack, nullptr) != 0) {
        ::munmap(memory, ALTERNATE_STACK);
        return false;
    }
    t_alternateStack = memory;
    return true;
}

std::string narrow(const std::wstring& text) { return vordix::toUtf8(text); }

} // namespace

uint64_t readDumpMode()
{
    const auto value = WIN_PREFERENCE(PROGRAM_KEY).readNumber(L"DumpMode");
    return value && *value >= 0 ? static_cast<uint64_t>(*value) : 0;
}

CrashHandler::CrashHandler(const std::wstring& dumpPath, const std::wstring& reportPath)
{
    options_.dumpPath = dumpPath;
    options_.reportPath = reportPath;
    options_.dumpType = readDumpMode();
    install();
}

CrashHandler::CrashHandler(CrashHandlerOptions options) : options_(std::move(options)) { install(); }

CrashHandler::~CrashHandler() { uninstall(); }

bool CrashHandler::supported() { return !SANITIZED; }

CrashHandler* CrashHandler::active() { return g_active.load(); }

void CrashHandler::install()
{
    if (!supported() || g_active.load())
        return;
    // The tables live in memory of their own, so that a damaged heap does
    // not take the report with it.
    if (!g_snapshot) {
        void* memory = ::mmap(nullptr, sizeof(crash::ProcessSnapshot), PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        void* prepared = ::mmap(nullptr, sizeof(Prepared), PROT_READ | PROT_WRITE,
                                MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (memory == MAP_FAILED || prepared == MAP_FAILED)
            return;
        g_snapshot = new (memory) crash::ProcessSnapshot;
        g_prepared = new (prepared) Prepared{};
    }
    Prepared& p = *g_prepared;
    crash::gatherSystemFacts(p.facts, options_.programVersion);
    crash::copyString(p.dumpPath, sizeof p.dumpPath, narrow(options_.dumpPath).c_str());
    crash::copyString(p.reportPath, sizeof p.reportPath, narrow(options_.reportPath).c_str());
    p.dumpType = options_.dumpType;
    crash::copyString(p.restartProgram, sizeof p.restartProgram,
                      options_.restartProgram.empty() ? p.facts.programPath : options_.restartProgram.c_str());
    p.arguments[0] = p.restartProgram;
    size_t count = 0;
    for (const std::string& argument : options_.restartArguments) {
        if (count == MAX_ARGUMENTS)
            break;
        crash::copyString(p.argumentText[count], sizeof p.argumentText[count], argument.c_str());
        p.arguments[1 + count] = p.argumentText[count];
        ++count;
    }
    p.arguments[1 + count] = nullptr;
    p.extraCount = 0;
    for (const std::string& entry : options_.restartEnvironment)
        if (p.extraCount < 8)
            crash::copyString(p.extraEnvironment[p.extraCount++], sizeof p.extraEnvironment[0], entry.c_str());

    installAlternateStack();
    g_snapshotSignal = SIGRTMIN + 5;
    struct sigaction snapshot { };
    snapshot.sa_sigaction = onSnapshotSignal;
    snapshot.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESTART;
    sigfillset(&snapshot.sa_mask);
    ::sigaction(g_snapshotSignal, &snapshot, &g_previousSnapshot);

    struct sigaction action { };
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : FATAL_SIGNALS)
        sigaddset(&action.sa_mask, signal);
    for (size_t i = 0; i < SIGNAL_COUNT; ++i)
        ::sigaction(FATAL_SIGNALS[i], &action, &g_previous[i]);
    g_previousTerminate = std::set_terminate(onTerminate);
    g_reportingThread.store(0);
    g_uncaughtException.store(false);
    g_active.store(this);
    installed_ = true;
}

void CrashHandler::uninstall()
{
    if (!installed_)
        return;
    for (size_t i = 0; i < SIGNAL_COUNT; ++i)
        ::sigaction(FATAL_SIGNALS[i], &g_previous[i], nullptr);
    ::sigaction(g_snapshotSignal, &g_previousSnapshot, nullptr);
    std::set_terminate(g_previousTerminate);
    g_active.store(nullptr);
    installed_ = false;
}

void CrashHandler::onUnhandledException(const crash::CrashEvent* event, const void* ucontext)
{
    if (!g_active.load() || !g_prepared || !g_snapshot)
        return;
    // Without any file the report mode would have nothing to show.
    if (writeCrashFiles(*g_prepared, event, ucontext))
        restartInReportMode(*g_prepared);
}

void CrashHandler::prepareThread()
{
    if (supported() && g_active.load())
        installAlternateStack();
}

void CrashHandler::releaseThread()
{
    if (!t_alternateStack)
        return;
    stack_t off{};
    off.ss_flags = SS_DISABLE;
    if (::sigaltstack(&off, nullptr) == 0)
        ::munmap(t_alternateStack, ALTERNATE_STACK);
    t_alternateStack = nullptr;
}
