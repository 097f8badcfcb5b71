#pragma once
// The records of the public minidump file format, laid out byte for byte as
// debuggers read them (little-endian, 4-byte packing as in the format's own
// definition). Only what our writer produces is declared here.

#include <cstdint>

namespace minidump {

constexpr uint32_t SIGNATURE = 0x504d444d; // "MDMP"
constexpr uint32_t VERSION = 0xa793;

// Stream types.
constexpr uint32_t THREAD_LIST_STREAM = 3;
constexpr uint32_t MODULE_LIST_STREAM = 4;
constexpr uint32_t MEMORY_LIST_STREAM = 5;
constexpr uint32_t EXCEPTION_STREAM = 6;
constexpr uint32_t SYSTEM_INFO_STREAM = 7;
constexpr uint32_t MEMORY64_LIST_STREAM = 9;
constexpr uint32_t MISC_INFO_STREAM = 15;
constexpr uint32_t LINUX_MAPS_STREAM = 0x47670009; // the text of /proc/self/maps

// Dump types (the header's flags).
constexpr uint64_t DUMP_NORMAL = 0;
constexpr uint64_t DUMP_WITH_FULL_MEMORY = 2;

// Processor architectures of the system information.
constexpr uint16_t ARCHITECTURE_INTEL = 0;
constexpr uint16_t ARCHITECTURE_ARM = 5;
constexpr uint16_t ARCHITECTURE_AMD64 = 9;
constexpr uint16_t ARCHITECTURE_ARM64 = 12;
constexpr uint16_t ARCHITECTURE_UNKNOWN = 0xffff;

constexpr uint32_t PLATFORM_LINUX = 0x8201;
constexpr uint32_t CV_SIGNATURE_ELF = 0x4270454c; // "BpEL", followed by the build id
constexpr uint32_t FIXED_FILE_INFO_SIGNATURE = 0xfeef04bd;

constexpr uint32_t MISC1_PROCESS_ID = 1;
constexpr uint32_t MISC1_PROCESS_TIMES = 2;

#pragma pack(push, 4)

struct LocationDescriptor {
    uint32_t dataSize;
    uint32_t rva;
};

struct Header {
    uint32_t signature;
    uint32_t version;
    uint32_t numberOfStreams;
    uint32_t streamDirectoryRva;
    uint32_t checkSum;
    uint32_t timeDateStamp;
    uint64_t flags;
};

struct Directory {
    uint32_t streamType;
    LocationDescriptor location;
};

struct MemoryDescriptor {
    uint64_t startOfMemoryRange;
    LocationDescriptor memory;
};

struct MemoryDescriptor64 {
    uint64_t startOfMemoryRange;
    uint64_t dataSize;
};

struct Thread {
    uint32_t threadId;
    uint32_t suspendCount;
    uint32_t priorityClass;
    uint32_t priority;
    uint64_t teb;
    MemoryDescriptor stack;
    LocationDescriptor threadContext;
};

struct FixedFileInfo {
    uint32_t signature;
    uint32_t strucVersion;
    uint32_t fileVersionMs;
    uint32_t fileVersionLs;
    uint32_t productVersionMs;
    uint32_t productVersionLs;
    uint32_t fileFlagsMask;
    uint32_t fileFlags;
    uint32_t fileOs;
    uint32_t fileType;
    uint32_t fileSubtype;
    uint32_t fileDateMs;
    uint32_t fileDateLs;
};

struct Module {
    uint64_t baseOfImage;
    uint32_t sizeOfImage;
    uint32_t checkSum;
    uint32_t timeDateStamp;
    uint32_t moduleNameRva;
    FixedFileInfo versionInfo;
    LocationDescriptor cvRecord;
    LocationDescriptor miscRecord;
    uint64_t reserved0;
    uint64_t reserved1;
};

struct ExceptionRecord {
    uint32_t exceptionCode;
    uint32_t exceptionFlags;
    uint64_t exceptionRecord;
    uint64_t exceptionAddress;
    uint32_t numberParameters;
    uint32_t unusedAlignment;
    uint64_t exceptionInformation[15];
};

struct ExceptionStream {
    uint32_t threadId;
    uint32_t alignment;
    ExceptionRecord exceptionRecord;
    LocationDescriptor threadContext;
};

struct SystemInfo {
    uint16_t processorArchitecture;
    uint16_t processorLevel;
    uint16_t processorRevision;
    uint8_t numberOfProcessors;
    uint8_t productType;
    uint32_t majorVersion;
    uint32_t minorVersion;
    uint32_t buildNumber;
    uint32_t platformId;
    uint32_t csdVersionRva;
    uint16_t suiteMask;
    uint16_t reserved2;
    union {
        struct {
            uint32_t vendorId[3];
            uint32_t versionInformation;
            uint32_t featureInformation;
            uint32_t amdExtendedCpuFeatures;
        } x86;
        struct {
            uint64_t processorFeatures[2];
        } other;
    } cpu;
};

struct MiscInfo {
    uint32_t sizeOfInfo;
    uint32_t flags1;
    uint32_t processId;
    uint32_t processCreateTime;
    uint32_t processUserTime;
    uint32_t processKernelTime;
};

// The register record of an x86-64 thread.
struct ContextAmd64 {
    uint64_t p1Home, p2Home, p3Home, p4Home, p5Home, p6Home;
    uint32_t contextFlags;
    uint32_t mxCsr;
    uint16_t segCs, segDs, segEs, segFs, segGs, segSs;
    uint32_t eFlags;
    uint64_t dr0, dr1, dr2, dr3, dr6, dr7;
    uint64_t rax, rcx, rdx, rbx, rsp, rbp, rsi, rdi;
    uint64_t r8, r9, r10, r11, r12, r13, r14, r15;
    uint64_t rip;
    uint8_t fltSave[512]; // the FXSAVE area
    uint8_t vectorRegister[26 * 16];
    uint64_t vectorControl;
    uint64_t debugControl;
    uint64_t lastBranchToRip, lastBranchFromRip, lastExceptionToRip, lastExceptionFromRip;
};
constexpr uint32_t CONTEXT_AMD64_ALL = 0x0010000f; // control, integer, segments, floating point

// The register record of an ARM64 thread.
struct ContextArm64 {
    uint32_t contextFlags;
    uint32_t cpsr;
    uint64_t x[29];
    uint64_t fp, lr, sp, pc;
    uint8_t v[32 * 16];
    uint32_t fpcr, fpsr;
    uint32_t bcr[8];
    uint64_t bvr[8];
    uint32_t wcr[2];
    uint64_t wvr[2];
};
constexpr uint32_t CONTEXT_ARM64_ALL = 0x00400007; // control, integer, floating point

#pragma pack(pop)

static_assert(sizeof(Header) == 32);
static_assert(sizeof(Directory) == 12);
static_assert(sizeof(MemoryDescriptor) == 16);
static_assert(sizeof(Thread) == 48);
static_assert(sizeof(Module) == 108);
static_assert(sizeof(ExceptionStream) == 168);
static_assert(sizeof(SystemInfo) == 56);
static_assert(sizeof(MiscInfo) == 24);
static_assert(sizeof(ContextAmd64) == 1232);
static_assert(sizeof(ContextArm64) == 912);

} // namespace minidump
