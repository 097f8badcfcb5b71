// Child processes crash in each way the handler knows; the text report, the
// minidump (read back by LLVM's obj2yaml) and the restart in report mode are
// checked. The restart starts this test program, whose "DISPLAY_DLG" role
// notes its arguments.

#include "CrashTestSupport.h"

#include "vordix/windows/3rdparty/CrashHandler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <regex>
#include <sys/utsname.h>
#include <unistd.h>

using namespace crashtest;

namespace {

struct CrashCase {
    const char* kind;
    int signal;       // 0: the child exits with code 3
    const char* code; // as the report writes it; empty without an exception
    const char* description;
};

#if defined(__aarch64__)
constexpr CrashCase TRAP{"trap", SIGTRAP, "80000003", "EXCEPTION_BREAKPOINT"};
constexpr const char* ARCHITECTURE = "PROCESSOR_ARCHITECTURE_ARM64";
constexpr const char* YAML_ARCHITECTURE = "ARM64";
#else
constexpr CrashCase TRAP{"trap", SIGILL, "c000001d", "EXCEPTION_ILLEGAL_INSTRUCTION"};
constexpr const char* ARCHITECTURE = "PROCESSOR_ARCHITECTURE_AMD64";
constexpr const char* YAML_ARCHITECTURE = "AMD64";
#endif

const CrashCase CASES[] = {
    {"nullwrite", SIGSEGV, "c0000005", "EXCEPTION_ACCESS_VIOLATION"},
    {"divide", SIGFPE, "c0000094", "EXCEPTION_INT_DIVIDE_BY_ZERO"},
    TRAP,
    {"abort", SIGABRT, "40000015", "EXCEPTION_UNKNOWN"},
    {"recursion", SIGSEGV, "c00000fd", "EXCEPTION_STACK_OVERFLOW"},
    {"thread", SIGSEGV, "c0000005", "EXCEPTION_ACCESS_VIOLATION"},
    {"threadrecursion", SIGSEGV, "c00000fd", "EXCEPTION_STACK_OVERFLOW"},
    {"exception", SIGABRT, "e06d7363", "EXCEPTION_UNKNOWN"},
    {"noexception", 0, "", ""},
};

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::string padded16(const std::string& hex) { return std::string(16 - std::min<size_t>(16, hex.size()), '0') + hex; }

std::string withoutLeadingZeros(const std::string& hex)
{
    const size_t first = hex.find_first_not_of('0');
    return first == std::string::npos ? "0" : hex.substr(first);
}

// "key value" lines of the child's notes.
std::string fact(const ScratchFolder& folder, const std::string& key)
{
    for (const std::string& line : readLines(folder.file("facts.txt")))
        if (line.rfind(key + " ", 0) == 0)
            return line.substr(key.size() + 1);
    return {};
}

std::string crashingThreadHex(const ScratchFolder& folder)
{
    const std::vector<std::string> lines = readLines(folder.file("thread.txt"));
    char hex[32];
    std::snprintf(hex, sizeof hex, "%lX", lines.empty() ? 0ul : std::stoul(lines.back()));
    return hex;
}

std::string dumpAsYaml(const std::string& dump)
{
    int status = -1;
    std::string yaml = commandOutput("obj2yaml '" + dump + "' 2>&1", &status);
    EXPECT_EQ(status, 0) << yaml.substr(0, 500);
    return yaml;
}

class CrashKinds : public ::testing::TestWithParam<CrashCase> {
protected:
    void SetUp() override
    {
        if (!CrashHandler::supported())
            GTEST_SKIP() << "the crash handler is off under the sanitizers";
    }
};

TEST_P(CrashKinds, ReportDumpAndRestart)
{
    const CrashCase c = GetParam();
    ScratchFolder folder;
    const ChildEnd end = runSelf({"--crash-child", c.kind, folder.path()});
    if (c.signal) {
        ASSERT_TRUE(end.signalled) << "exit code " << end.exitCode;
        EXPECT_EQ(end.signal, c.signal);
    } else {
        EXPECT_EQ(end.exitCode, 3);
    }
    const std::string exe = fact(folder, "exe");
    const std::string base = fact(folder, "base");
    ASSERT_FALSE(base.empty());

    // The text report.
    const std::vector<std::string> log = readLines(folder.file("Skat.log"));
    ASSERT_GT(log.size(), 20u);
    size_t at = 0;
    EXPECT_EQ(log[at++], "========== begin report ==========");
    if (c.signal) {
        EXPECT_EQ(log[at++], "---------- Exception ----------");
        EXPECT_EQ(log[at++], "ModuleName:           " + exe);
        EXPECT_EQ(log[at++], std::string("ExceptionCode:        0x") + c.code);
        EXPECT_EQ(log[at++], std::string("ExceptionDescription: ") + c.description);
        EXPECT_TRUE(std::regex_match(log[at++], std::regex("ExceptionAddress:     0x[0-9A-F]{16}"))) << log[at - 1];
        EXPECT_EQ(log[at++], "");
    }
    EXPECT_EQ(log[at++], "---------- Processor ----------");
    EXPECT_EQ(log[at++], std::string("Architecture:       ") + ARCHITECTURE);
    EXPECT_EQ(log[at++], "NumberOfProcessors: " + std::to_string(std::min(255L, sysconf(_SC_NPROCESSORS_ONLN))));
    EXPECT_EQ(log[at++], "");
    EXPECT_EQ(log[at++], "---------- OperatingSystem ----------");
    utsname names{};
    uname(&names);
    EXPECT_EQ(log[at++], "MajorVersion: " + std::to_string(std::atoi(names.release)));
    at += 2;
    EXPECT_EQ(log[at++], std::string("CSDVersion:   ") + names.sysname + " " + names.release + " " + names.version + " "
                             + names.machine);
    EXPECT_EQ(log[at++], "");
    EXPECT_EQ(log[at++], "---------- Modules ----------");
    EXPECT_EQ(log[at++], "Module 1");
    EXPECT_EQ(log[at++], "FullPath:       " + exe);
    EXPECT_EQ(log[at++], "BaseAddress:    0x" + padded16(base));
    EXPECT_TRUE(std::regex_match(log[at++], std::regex("Size:           [1-9][0-9]*")));
    EXPECT_TRUE(std::regex_match(
        log[at++], std::regex("TimeStamp:      20[0-9]{2}-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]")));
    EXPECT_EQ(log[at++], "FileVersion:    1.2.3.0");
    EXPECT_EQ(log[at++], "ProductVersion: 1.2.3.0");
    EXPECT_EQ(log.back(), "========== end report ==========");

    // The minidump as LLVM reads it.
    const std::string yaml = dumpAsYaml(folder.file("Skat.dmp"));
    const std::string thread = crashingThreadHex(folder);
    EXPECT_NE(yaml.find(std::string("Processor Arch:  ") + YAML_ARCHITECTURE), std::string::npos);
    EXPECT_NE(yaml.find("Platform ID:     Linux"), std::string::npos);
    EXPECT_NE(yaml.find("- Thread Id:       0x" + thread + "\n        Context:"), std::string::npos)
        << yaml.substr(0, 3000);
    if (c.signal) {
        EXPECT_NE(yaml.find("  - Type:            Exception\n    Thread ID:       0x" + thread + "\n"),
                  std::string::npos);
        EXPECT_NE(yaml.find("Exception Code:  0x" + upper(c.code)), std::string::npos);
    } else {
        EXPECT_EQ(yaml.find("Type:            Exception"), std::string::npos);
    }
    const std::regex program("- Base of Image:   0x" + upper(withoutLeadingZeros(base))
                             + "\n.*\n.*\n        Module Name:     '" + exe + "'\n");
    EXPECT_TRUE(std::regex_search(yaml, program)) << "module base " << base;
    EXPECT_TRUE(std::regex_search(yaml, std::regex("CodeView Record: 4C457042[0-9A-F]{40}\n")));
    EXPECT_NE(yaml.find("Type:            MemoryList"), std::string::npos);

    // The restart in report mode, with the folder of the files.
    ASSERT_TRUE(waitForFile(folder.file("restarted.txt"), 5000));
    const std::vector<std::string> restart = readLines(folder.file("restarted.txt"));
    ASSERT_EQ(restart.size(), 3u);
    EXPECT_EQ(restart[0], "DISPLAY_DLG");
    EXPECT_EQ(restart[1], folder.path());
    EXPECT_EQ(restart[2], "env " + folder.path());
}

INSTANTIATE_TEST_SUITE_P(EachWay, CrashKinds, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.kind); });

class CrashFiles : public CrashKinds { };

TEST_F(CrashFiles, FullMemoryDumpHoldsEveryReadableMapping)
{
    ScratchFolder folder;
    const ChildEnd end = runSelf({"--crash-child", "fullmemory", folder.path()});
    EXPECT_EQ(end.signal, SIGSEGV);
    const std::string yaml = dumpAsYaml(folder.file("Skat.dmp"));
    EXPECT_NE(yaml.find("Type:            Memory64List"), std::string::npos);
    EXPECT_EQ(yaml.find("Type:            MemoryList"), std::string::npos);
    // Far more than the stacks: the program's own image is in it.
    EXPECT_GT(std::filesystem::file_size(folder.file("Skat.dmp")), std::filesystem::file_size(fact(folder, "exe")));
    EXPECT_TRUE(waitForFile(folder.file("restarted.txt"), 5000));
}

TEST_F(CrashFiles, WithoutDumpFileTheReportIsWrittenAndTheProgramRestarts)
{
    ScratchFolder folder;
    EXPECT_EQ(runSelf({"--crash-child", "nodumpfile", folder.path()}).signal, SIGSEGV);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Skat.dmp")));
    EXPECT_EQ(readLines(folder.file("Skat.log")).back(), "========== end report ==========");
    EXPECT_TRUE(waitForFile(folder.file("restarted.txt"), 5000));
}

TEST_F(CrashFiles, WithoutReportFileTheDumpIsWrittenAndTheProgramRestarts)
{
    ScratchFolder folder;
    EXPECT_EQ(runSelf({"--crash-child", "nologfile", folder.path()}).signal, SIGSEGV);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Skat.log")));
    EXPECT_GT(std::filesystem::file_size(folder.file("Skat.dmp")), 1000u);
    EXPECT_TRUE(waitForFile(folder.file("restarted.txt"), 5000));
}

TEST_F(CrashFiles, WithoutAnyFileThereIsNoRestart)
{
    ScratchFolder folder;
    EXPECT_EQ(runSelf({"--crash-child", "nofiles", folder.path()}).signal, SIGSEGV);
    EXPECT_FALSE(waitForFile(folder.file("restarted.txt"), 300));
}

TEST_F(CrashFiles, ASymlinkInPlaceOfAReportFileIsNotFollowed)
{
    for (const char* linked : {"Skat.log", "Skat.dmp"}) {
        ScratchFolder folder;
        writeFile(folder.file("victim"), "keep me");
        std::filesystem::create_symlink(folder.file("victim"), folder.file(linked));
        EXPECT_EQ(runSelf({"--crash-child", "nullwrite", folder.path()}).signal, SIGSEGV);
        EXPECT_EQ(readFile(folder.file("victim")), "keep me") << linked;
        EXPECT_TRUE(std::filesystem::is_symlink(folder.file(linked)));
        EXPECT_TRUE(waitForFile(folder.file("restarted.txt"), 5000)) << linked; // the other file was written
    }
}

TEST_F(CrashFiles, RemovingTheHandlerRestoresTheSignalsAndTerminateHandler)
{
    struct sigaction before { };
    sigaction(SIGSEGV, nullptr, &before);
    const std::terminate_handler terminateBefore = std::get_terminate();
    {
        ScratchFolder folder;
        CrashHandlerOptions options;
        options.dumpPath = L"/nonexistent/Skat.dmp";
        options.reportPath = L"/nonexistent/Skat.log";
        CrashHandler handler(options);
        EXPECT_TRUE(handler.installed());
        EXPECT_EQ(CrashHandler::active(), &handler);
        CrashHandler second(options); // one handler at a time
        EXPECT_FALSE(second.installed());
        struct sigaction during { };
        sigaction(SIGSEGV, nullptr, &during);
        EXPECT_NE(during.sa_sigaction, before.sa_sigaction);
    }
    struct sigaction after { };
    sigaction(SIGSEGV, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    EXPECT_EQ(std::get_terminate(), terminateBefore);
    EXPECT_EQ(CrashHandler::active(), nullptr);
}

TEST(CrashHandlerInactive, ACallWithoutHandlerWritesNothing)
{
    ScratchFolder folder;
    CrashHandler::onUnhandledException(nullptr, nullptr);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

} // namespace
