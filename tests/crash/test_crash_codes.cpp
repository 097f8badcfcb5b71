// Names and codes of the text report, and the report's layout for machines
// the test does not run on.

#include "CrashTestSupport.h"

#include "vordix/windows/3rdparty/CrashCodes.h"
#include "vordix/windows/3rdparty/CrashHandler.h"
#include "vordix/windows/3rdparty/CrashReportText.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <unistd.h>

using namespace crash;
using namespace crashtest;

namespace {

TEST(ExceptionNames, EveryCodeOfTheTableAndTheRest)
{
    const struct {
        uint32_t code;
        const char* name;
    } cases[] = {
        {0xC0000005, "EXCEPTION_ACCESS_VIOLATION"},
        {0x80000002, "EXCEPTION_DATATYPE_MISALIGNMENT"},
        {0x80000003, "EXCEPTION_BREAKPOINT"},
        {0x80000004, "EXCEPTION_SINGLE_STEP"},
        {0xC000008C, "EXCEPTION_ARRAY_BOUNDS_EXCEEDED"},
        {0xC000008D, "EXCEPTION_FLT_DENORMAL_OPERAND"},
        {0xC000008E, "EXCEPTION_FLT_DIVIDE_BY_ZERO"},
        {0xC000008F, "EXCEPTION_FLT_INEXACT_RESULT"},
        {0xC0000090, "EXCEPTION_FLT_INVALID_OPERATION"},
        {0xC0000091, "EXCEPTION_FLT_OVERFLOW"},
        {0xC0000092, "EXCEPTION_FLT_STACK_CHECK"},
        {0xC0000093, "EXCEPTION_FLT_UNDERFLOW"},
        {0xC0000094, "EXCEPTION_INT_DIVIDE_BY_ZERO"},
        {0xC0000095, "EXCEPTION_INT_OVERFLOW"},
        {0xC0000096, "EXCEPTION_PRIV_INSTRUCTION"},
        {0xC0000006, "EXCEPTION_IN_PAGE_ERROR"},
        {0xC000001D, "EXCEPTION_ILLEGAL_INSTRUCTION"},
        {0xC0000025, "EXCEPTION_NONCONTINUABLE_EXCEPTION"},
        {0xC00000FD, "EXCEPTION_STACK_OVERFLOW"},
        {0xC0000026, "EXCEPTION_INVALID_DISPOSITION"},
        {0x80000001, "EXCEPTION_GUARD_PAGE"},
        {0xC0000008, "EXCEPTION_INVALID_HANDLE"},
        {0x40000015, "EXCEPTION_UNKNOWN"},
        {0xE06D7363, "EXCEPTION_UNKNOWN"},
        {0, "EXCEPTION_UNKNOWN"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(exceptionName(c.code), c.name) << std::hex << c.code;
}

TEST(ExceptionNames, SignalsMapToCodes)
{
    const uintptr_t sp = 0x7ff000100000;
    const struct {
        int signal, signalCode;
        uintptr_t fault;
        uint32_t code;
    } cases[] = {
        {SIGSEGV, SEGV_MAPERR, 0, CODE_ACCESS_VIOLATION},
        {SIGSEGV, SEGV_MAPERR, 0x1234, CODE_ACCESS_VIOLATION},
        {SIGSEGV, SEGV_MAPERR, sp - 8, CODE_STACK_OVERFLOW},
        {SIGSEGV, SEGV_ACCERR, sp + 4096, CODE_STACK_OVERFLOW},
        {SIGSEGV, SEGV_MAPERR, sp - 1024 * 1024, CODE_ACCESS_VIOLATION},
        {SIGBUS, BUS_ADRALN, 0x1001, CODE_DATATYPE_MISALIGNMENT},
        {SIGBUS, BUS_ADRERR, 0x1000, CODE_IN_PAGE_ERROR},
        {SIGFPE, FPE_INTDIV, 0, CODE_INT_DIVIDE_BY_ZERO},
        {SIGFPE, FPE_INTOVF, 0, CODE_INT_OVERFLOW},
        {SIGFPE, FPE_FLTDIV, 0, CODE_FLT_DIVIDE_BY_ZERO},
        {SIGFPE, FPE_FLTOVF, 0, CODE_FLT_OVERFLOW},
        {SIGFPE, FPE_FLTUND, 0, CODE_FLT_UNDERFLOW},
        {SIGFPE, FPE_FLTRES, 0, CODE_FLT_INEXACT_RESULT},
        {SIGFPE, FPE_FLTINV, 0, CODE_FLT_INVALID_OPERATION},
        {SIGILL, ILL_ILLOPN, 0, CODE_ILLEGAL_INSTRUCTION},
        {SIGILL, ILL_PRVOPC, 0, CODE_PRIV_INSTRUCTION},
        {SIGTRAP, TRAP_BRKPT, 0, CODE_BREAKPOINT},
        {SIGTRAP, TRAP_TRACE, 0, CODE_SINGLE_STEP},
        {SIGABRT, SI_TKILL, 0, CODE_FATAL_APP_EXIT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exceptionCodeOf(c.signal, c.signalCode, c.fault, sp), c.code)
            << "signal " << c.signal << " code " << c.signalCode << " fault " << std::hex << c.fault;
}

TEST(ProcessorNames, ArchitecturesAndIntelLevels)
{
    const struct {
        uint16_t value;
        const char* name;
    } architectures[] = {
        {0, "PROCESSOR_ARCHITECTURE_INTEL"},
        {1, "PROCESSOR_ARCHITECTURE_MIPS"},
        {2, "PROCESSOR_ARCHITECTURE_ALPHA"},
        {3, "PROCESSOR_ARCHITECTURE_PPC"},
        {4, "PROCESSOR_ARCHITECTURE_SHX"},
        {5, "PROCESSOR_ARCHITECTURE_ARM"},
        {6, "PROCESSOR_ARCHITECTURE_IA64"},
        {7, "PROCESSOR_ARCHITECTURE_ALPHA64"},
        {9, "PROCESSOR_ARCHITECTURE_AMD64"},
        {12, "PROCESSOR_ARCHITECTURE_ARM64"},
        {0xFFFF, "PROCESSOR_ARCHITECTURE_UNKNOWN"},
        {8, "Unknown"},
        {13, "Unknown"},
    };
    for (const auto& a : architectures)
        EXPECT_STREQ(architectureName(a.value), a.name) << a.value;
    EXPECT_STREQ(processorLevelName(3), "Intel 30386");
    EXPECT_STREQ(processorLevelName(6), "Intel Pentium Pro or Pentium II");
    EXPECT_EQ(processorLevelName(15), nullptr);
}

TEST(FileTimes, LocalTimeAndTheZeroFileTime)
{
    char text[20];
    formatFileTime(text, false, 123456, 3600);
    EXPECT_STREQ(text, "1601-01-01 00:00:00");
    formatFileTime(text, true, 0, 0);
    EXPECT_STREQ(text, "1970-01-01 00:00:00");
    formatFileTime(text, true, 951825600 - 3600, 3600); // 2000-02-29 12:00:00 UTC+1
    EXPECT_STREQ(text, "2000-02-29 12:00:00");
    formatFileTime(text, true, 1798761599, -7200); // 2026-12-31 23:59:59 UTC
    EXPECT_STREQ(text, "2026-12-31 21:59:59");
}

// The report of a made-up 32-bit Intel machine with one module whose file is gone.
std::vector<std::string> reportOf(uint16_t level, const CrashEvent* event)
{
    auto snapshot = std::make_unique<ProcessSnapshot>();
    SystemFacts facts;
    facts.architecture = 0;
    facts.processorLevel = level;
    facts.processors = 2;
    std::strcpy(facts.programPath, "/opt/skat/Skat");
    std::strcpy(facts.osDescription, "Linux 6.1.0");
    facts.osMajor = 6;
    facts.osMinor = 1;
    ModuleRecord& module = snapshot->modules[snapshot->moduleCount++];
    std::strcpy(snapshot->pathPool + 1, "/gone/libx.so.2.3");
    module.pathOffset = 1;
    module.pathLength = 17;
    module.base = 0xf7001000;
    module.size = 8192;
    module.fileVersion[0] = 2;
    module.fileVersion[1] = 3;
    ScratchFolder folder;
    const int fd = open(folder.file("report").c_str(), O_WRONLY | O_CREAT, 0600);
    EXPECT_TRUE(writeCrashReportText(fd, *snapshot, facts, event));
    close(fd);
    return readLines(folder.file("report"));
}

TEST(ReportText, IntelLevelLineAndAMissingModuleFile)
{
    CrashEvent event;
    event.code = 0x12345;
    event.address = 0xdeadbeef;
    const std::vector<std::string> expected{
        "========== begin report ==========",
        "---------- Exception ----------",
        "ModuleName:           /opt/skat/Skat",
        "ExceptionCode:        0x12345",
        "ExceptionDescription: EXCEPTION_UNKNOWN",
        "ExceptionAddress:     0x00000000DEADBEEF",
        "",
        "---------- Processor ----------",
        "Architecture:       PROCESSOR_ARCHITECTURE_INTEL",
        "Level:              Intel Pentium Pro or Pentium II",
        "NumberOfProcessors: 2",
        "",
        "---------- OperatingSystem ----------",
        "MajorVersion: 6",
        "MinorVersion: 1",
        "BuildNumber:  0",
        "CSDVersion:   Linux 6.1.0",
        "",
        "---------- Modules ----------",
        "Module 1",
        "FullPath:       /gone/libx.so.2.3",
        "BaseAddress:    0x00000000f7001000",
        "Size:           8192",
        "TimeStamp:      1601-01-01 00:00:00",
        "FileVersion:    2.3.0.0",
        "ProductVersion: 2.3.0.0",
        "",
        "========== end report ==========",
    };
    EXPECT_EQ(reportOf(6, &event), expected);
}

TEST(ReportText, UnnamedLevelIsANumberAndNoEventMeansNoExceptionSection)
{
    const std::vector<std::string> lines = reportOf(15, nullptr);
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[1], "---------- Processor ----------");
    EXPECT_EQ(lines[3], "Level:              15");
}

} // namespace

namespace {

TEST(DumpMode, ReadFromTheSettingsWithNormalAsTheDefault)
{
    ScratchFolder folder;
    const char* before = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = before ? before : "";
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    std::filesystem::create_directories(folder.file("Quorvenel"));
    const struct {
        const char* file;
        uint64_t mode;
    } cases[] = {
        {nullptr, 0},
        {"[Software]\nQuorvenel\\SKAT\\DumpMode=2\n", 2},
        {"[Software]\nQuorvenel\\SKAT\\DumpMode=zwei\n", 0},
        {"[Software]\nQuorvenel\\SKAT\\DumpMode=-1\n", 0},
        {"[Software]\nQuorvenel\\SKAT\\Preferences\\DumpMode=2\n", 0},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder.file("Quorvenel/SKAT.ini"));
        if (c.file)
            writeFile(folder.file("Quorvenel/SKAT.ini"), c.file);
        EXPECT_EQ(readDumpMode(), c.mode) << (c.file ? c.file : "no file");
    }
    if (before)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

} // namespace
