#include "CrashChild.h"

#include "vordix/ThreadHooks.h"
#include "vordix/windows/3rdparty/CrashHandler.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

volatile int g_zero = 0;
volatile int g_thousand = 1000;
volatile int* volatile g_null = nullptr;
volatile bool g_keepGoing = true;

// The facts the test compares with the dump, written before the crash.
void noteFacts(const std::string& folder)
{
    std::ofstream out(folder + "/facts.txt");
    char exe[4096] = {};
    if (readlink("/proc/self/exe", exe, sizeof exe - 1) < 0)
        exe[0] = '\0';
    std::ifstream maps("/proc/self/maps");
    std::string line, base;
    while (std::getline(maps, line))
        if (line.find(exe) != std::string::npos) {
            base = line.substr(0, line.find('-'));
            break;
        }
    out << "pid " << getpid() << "\nexe " << exe << "\nbase " << base << "\n";
}

void noteThread(const std::string& folder)
{
    std::ofstream out(folder + "/thread.txt");
    out << syscall(SYS_gettid) << "\n";
}

int recurse(int depth)
{
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    if (!g_keepGoing)
        return frame[0];
    return recurse(depth + 1) + frame[0];
}

[[noreturn]] void crashNow(const std::string& kind, const std::string& folder)
{
    if (kind == "threadrecursion") {
        vordix::setThreadHooks(&CrashHandler::prepareThread, &CrashHandler::releaseThread);
        std::thread worker([&] {
            const vordix::ThreadScope scope;
            noteThread(folder);
            std::printf("%d\n", recurse(0));
        });
        worker.join();
    }
    if (kind == "thread") {
        std::thread worker([&] {
            noteThread(folder);
            *g_null = 1;
        });
        worker.join();
    }
    noteThread(folder);
    if (kind == "nullwrite" || kind == "fullmemory" || kind == "nodumpfile" || kind == "nologfile" || kind == "nofiles")
        *g_null = 1;
    if (kind == "divide")
        std::printf("%d\n", g_thousand / g_zero);
    if (kind == "trap")
        __builtin_trap();
    if (kind == "abort")
        std::abort();
    if (kind == "recursion")
        std::printf("%d\n", recurse(0));
    if (kind == "exception")
        throw std::runtime_error("nobody catches this");
    if (kind == "noexception") {
        CrashHandler::onUnhandledException(nullptr, nullptr);
        _exit(3);
    }
    _exit(4);
}

} // namespace

int runCrashTestRole(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "DISPLAY_DLG") == 0) {
        // Written aside and renamed, so that the test never reads half of it.
        const std::string note = std::string(argv[2]) + "/restarted.txt";
        {
            std::ofstream out(note + ".part");
            for (int i = 1; i < argc; ++i)
                out << argv[i] << "\n";
            const char* folder = std::getenv("SKAT_CRASH_REPORT_DIR");
            out << "env " << (folder ? folder : "") << "\n";
        }
        std::rename((note + ".part").c_str(), note.c_str());
        return 0;
    }
    if (argc < 4 || std::strcmp(argv[1], "--crash-child") != 0)
        return -1;
    const std::string kind = argv[2];
    const std::string folder = argv[3];
    CrashHandlerOptions options;
    const std::wstring wideFolder(folder.begin(), folder.end());
    // "nodumpfile", "nologfile" and "nofiles" crash like "nullwrite" with files that cannot be created.
    options.dumpPath = wideFolder + (kind == "nodumpfile" || kind == "nofiles" ? L"/missing/Skat.dmp" : L"/Skat.dmp");
    options.reportPath = wideFolder + (kind == "nologfile" || kind == "nofiles" ? L"/missing/Skat.log" : L"/Skat.log");
    options.dumpType = kind == "fullmemory" ? 2 : 0;
    options.restartArguments = {"DISPLAY_DLG", folder};
    options.restartEnvironment = {"SKAT_CRASH_REPORT_DIR=" + folder};
    options.programVersion[0] = 1;
    options.programVersion[1] = 2;
    options.programVersion[2] = 3;
    CrashHandler handler(options);
    noteFacts(folder);
    crashNow(kind, folder);
}
