#pragma once
// What a crash report says about the process and the machine. The system
// facts are gathered when the handler is installed (they need the C library
// at its full strength); mappings, modules and threads are read at the
// crash into fixed tables, with system calls only.

#include <cstddef>
#include <cstdint>

namespace crash {

struct SystemFacts {
    uint16_t architecture = 0xffff; // minidump architecture value
    uint16_t processorLevel = 0;
    uint16_t processorRevision = 0;
    uint8_t processors = 0;
    uint32_t cpuVendor[3] = {};
    uint32_t cpuVersion = 0;
    uint32_t cpuFeatures = 0;
    uint32_t cpuExtendedFeatures = 0;
    uint32_t osMajor = 0, osMinor = 0, osBuild = 0;
    char osDescription[512] = {}; // the CSD version: system, release, build and machine
    long utcOffsetSeconds = 0;    // local time minus UTC, at gathering
    char programPath[4096] = {};
    uint32_t programVersion[4] = {}; // the running program's version
};

// Reads the machine's facts; programVersion is given by the caller.
void gatherSystemFacts(SystemFacts& facts, const uint32_t programVersion[4]);

struct Mapping {
    uint64_t start = 0, end = 0, offset = 0, inode = 0;
    bool readable = false, writable = false, executable = false;
    uint32_t pathOffset = 0; // into the path pool; 0 is the empty path
    uint32_t pathLength = 0;
};

struct ModuleRecord {
    uint64_t base = 0;
    uint64_t size = 0;
    uint32_t pathOffset = 0, pathLength = 0;
    uint8_t buildId[40] = {};
    uint32_t buildIdSize = 0;
    int64_t fileTime = 0; // last change in seconds since 1970; see fileFound
    bool fileFound = false;
    uint32_t fileVersion[4] = {}; // from the program itself or a ".so.X.Y.Z" name
};

struct ThreadRecord {
    uint32_t id = 0;
    bool hasContext = false;
    uint64_t stackPointer = 0;
    uint64_t instructionPointer = 0;
    alignas(16) unsigned char context[1232] = {}; // the minidump register record
    uint32_t contextSize = 0;
};

// The tables a crash fills. One instance is allocated when the handler is
// installed; nothing here allocates later.
struct ProcessSnapshot {
    static constexpr size_t MAX_MAPPINGS = 8192;
    static constexpr size_t MAX_MODULES = 1024;
    static constexpr size_t MAX_THREADS = 512;
    static constexpr size_t PATH_POOL = 1 << 20;

    Mapping mappings[MAX_MAPPINGS];
    size_t mappingCount = 0;
    ModuleRecord modules[MAX_MODULES];
    size_t moduleCount = 0;
    ThreadRecord threads[MAX_THREADS];
    size_t threadCount = 0;
    char pathPool[PATH_POOL];
    size_t pathPoolUsed = 1; // offset 0 holds the empty string

    const char* path(uint32_t offset) const { return pathPool + offset; }
    // The mapping that holds an address; null when none does.
    const Mapping* mappingAt(uint64_t address) const;
};

// Reads /proc/self/maps into the mappings; false when it cannot be read.
bool readMappings(ProcessSnapshot& snapshot);
// Derives one module per mapped ELF file from the mappings: base, size,
// build id, file time and version. The running program's version comes from
// the facts.
void collectModules(ProcessSnapshot& snapshot, const SystemFacts& facts);
// Lists the ids of this process's threads into the thread table (contexts
// are left empty).
void listThreads(ProcessSnapshot& snapshot);

// "YYYY-MM-DD hh:mm:ss" of a time in seconds since 1970 shifted by an offset;
// files that were not found give the zero file time, 1601-01-01 00:00:00.
void formatFileTime(char out[20], bool found, int64_t seconds, long utcOffsetSeconds);

} // namespace crash
