#include "vordix/windows/3rdparty/MinidumpWriter.h"

#include "vordix/windows/3rdparty/MinidumpFormat.h"
#include "vordix/windows/3rdparty/SignalSafeIo.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace crash {
namespace {

using namespace minidump;

constexpr uint64_t STACK_LIMIT = 1 << 20; // bytes of a thread's stack kept
constexpr uint64_t RED_ZONE = 128;        // the bytes below the stack pointer that leaf functions use

// Appends to the dump file and knows where the next byte lands.
class DumpFile {
public:
    explicit DumpFile(int fd) : fd_(fd) { }

    uint32_t position() const { return static_cast<uint32_t>(position_); }
    uint64_t position64() const { return position_; }

    LocationDescriptor append(const void* data, size_t size)
    {
        LocationDescriptor where{static_cast<uint32_t>(size), position()};
        if (!writeAll(fd_, data, size))
            ok_ = false;
        position_ += size;
        return where;
    }
    LocationDescriptor appendMemory(uint64_t address, uint64_t size)
    {
        LocationDescriptor where{static_cast<uint32_t>(size), position()};
        if (!writeMemory(fd_, address, size))
            ok_ = false;
        position_ += size;
        return where;
    }
    void appendMemory64(uint64_t address, uint64_t size)
    {
        if (!writeMemory(fd_, address, size))
            ok_ = false;
        position_ += size;
    }
    void align4()
    {
        static const char zeros[4] = {};
        if (position_ % 4)
            append(zeros, 4 - position_ % 4);
    }
    // Writes at a place already passed (header and directory).
    void patch(uint64_t at, const void* data, size_t size)
    {
        const char* p = static_cast<const char*>(data);
        while (size > 0) {
            const ssize_t n = ::pwrite(fd_, p, size, static_cast<off_t>(at));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                ok_ = false;
                return;
            }
            p += n;
            at += static_cast<uint64_t>(n);
            size -= static_cast<size_t>(n);
        }
    }
    int fd() const { return fd_; }
    bool ok() const { return ok_; }
    void fail() { ok_ = false; }

private:
    int fd_;
    uint64_t position_ = 0;
    bool ok_ = true;
};

// A MINIDUMP_STRING: the byte length, UTF-16 text, a terminating zero.
uint32_t appendString(DumpFile& file, const char* utf8, size_t length)
{
    file.align4();
    const uint32_t rva = file.position();
    uint32_t units = 0;
    uint16_t chunk[256];
    size_t used = 0;
    uint32_t byteLength = 0;
    // First pass: the length in UTF-16 units.
    auto decode = [&](auto&& emit) {
        for (size_t i = 0; i < length;) {
            const unsigned char c = static_cast<unsigned char>(utf8[i]);
            uint32_t cp = 0xfffd;
            size_t n = 1;
            if (c < 0x80)
                cp = c;
            else if ((c & 0xe0) == 0xc0 && i + 1 < length) {
                cp = ((c & 0x1fu) << 6) | (utf8[i + 1] & 0x3f);
                n = 2;
            } else if ((c & 0xf0) == 0xe0 && i + 2 < length) {
                cp = ((c & 0x0fu) << 12) | ((utf8[i + 1] & 0x3fu) << 6) | (utf8[i + 2] & 0x3f);
                n = 3;
            } else if ((c & 0xf8) == 0xf0 && i + 3 < length) {
                cp = ((c & 0x07u) << 18) | ((utf8[i + 1] & 0x3fu) << 12) | ((utf8[i + 2] & 0x3fu) << 6)
                     | (utf8[i + 3] & 0x3f);
                n = 4;
            }
            i += n;
            if (cp >= 0x10000) {
                cp -= 0x10000;
                emit(static_cast<uint16_t>(0xd800 + (cp >> 10)));
                emit(static_cast<uint16_t>(0xdc00 + (cp & 0x3ff)));
            } else {
                emit(static_cast<uint16_t>(cp));
            }
        }
    };
    decode([&](uint16_t) { ++units; });
    byteLength = units * 2;
    file.append(&byteLength, sizeof byteLength);
    decode([&](uint16_t unit) {
        chunk[used++] = unit;
        if (used == 256) {
            file.append(chunk, sizeof chunk);
            used = 0;
        }
    });
    chunk[used++] = 0;
    file.append(chunk, used * 2);
    return rva;
}

uint32_t crashTime()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<uint32_t>(now.tv_sec);
}

void writeSystemInfo(DumpFile& file, const SystemFacts& facts, Directory& entry)
{
    SystemInfo info{};
    info.processorArchitecture = facts.architecture;
    info.processorLevel = facts.processorLevel;
    info.processorRevision = facts.processorRevision;
    info.numberOfProcessors = facts.processors;
    info.productType = 1; // a workstation
    info.majorVersion = facts.osMajor;
    info.minorVersion = facts.osMinor;
    info.buildNumber = facts.osBuild;
    info.platformId = PLATFORM_LINUX;
    if (facts.architecture == ARCHITECTURE_AMD64 || facts.architecture == ARCHITECTURE_INTEL) {
        for (int i = 0; i < 3; ++i)
            info.cpu.x86.vendorId[i] = facts.cpuVendor[i];
        info.cpu.x86.versionInformation = facts.cpuVersion;
        info.cpu.x86.featureInformation = facts.cpuFeatures;
        info.cpu.x86.amdExtendedCpuFeatures = facts.cpuExtendedFeatures;
    }
    const uint64_t at = file.position64();
    file.append(&info, sizeof info);
    const uint32_t csd = appendString(file, facts.osDescription, std::strlen(facts.osDescription));
    file.patch(at + offsetof(SystemInfo, csdVersionRva), &csd, sizeof csd);
    entry = {SYSTEM_INFO_STREAM, {sizeof info, static_cast<uint32_t>(at)}};
}

void writeMiscInfo(DumpFile& file, Directory& entry)
{
    MiscInfo info{};
    info.sizeOfInfo = sizeof info;
    info.flags1 = MISC1_PROCESS_ID | MISC1_PROCESS_TIMES;
    info.processId = static_cast<uint32_t>(::getpid());
    rusage usage{};
    if (::getrusage(RUSAGE_SELF, &usage) == 0) {
        info.processUserTime = static_cast<uint32_t>(usage.ru_utime.tv_sec);
        info.processKernelTime = static_cast<uint32_t>(usage.ru_stime.tv_sec);
    }
    // The process's start: the change time of its /proc entry.
    struct stat self { };
    if (::stat("/proc/self", &self) == 0)
        info.processCreateTime = static_cast<uint32_t>(self.st_ctime);
    entry = {MISC_INFO_STREAM, file.append(&info, sizeof info)};
}

// The range of a thread's stack kept in the dump: from just below its stack
// pointer up the used part of its mapping.
bool stackRange(const ProcessSnapshot& snapshot, uint64_t sp, uint64_t& start, uint64_t& size)
{
    const Mapping* m = snapshot.mappingAt(sp);
    if (!m) {
        // After a stack overflow the pointer lies below the stack's mapping.
        for (size_t i = 0; i < snapshot.mappingCount; ++i) {
            const Mapping& above = snapshot.mappings[i];
            if (above.start > sp && above.start - sp < 64 * 1024 && above.writable)
                m = &above;
        }
    }
    if (!m || !m->readable)
        return false;
    start = sp < m->start + RED_ZONE ? m->start : sp - RED_ZONE;
    const uint64_t end = m->end - start > STACK_LIMIT ? start + STACK_LIMIT : m->end;
    size = end - start;
    return size > 0;
}

bool worthDumping(const ProcessSnapshot& snapshot, const Mapping& m)
{
    if (!m.readable)
        return false;
    const char* path = snapshot.path(m.pathOffset);
    // Device memory may have effects on reading; the kernel's time page is
    // not readable by write(2).
    return std::strncmp(path, "/dev/", 5) != 0 && std::strcmp(path, "[vvar]") != 0
           && std::strcmp(path, "[vsyscall]") != 0;
}

} // namespace

bool writeMinidumpFile(int fd, const ProcessSnapshot& snapshot, const SystemFacts& facts, const CrashEvent* event,
                       uint64_t dumpType)
{
    DumpFile file(fd);
    const bool fullMemory = dumpType == DUMP_WITH_FULL_MEMORY;
    constexpr uint32_t STREAMS = 8;
    Header header{};
    Directory directory[STREAMS]{};
    uint32_t streamCount = 0;
    file.append(&header, sizeof header);
    file.append(directory, sizeof directory);

    writeSystemInfo(file, facts, directory[streamCount++]);
    writeMiscInfo(file, directory[streamCount++]);

    // Registers and stacks of every thread, then the thread list.
    static Thread threads[ProcessSnapshot::MAX_THREADS];
    static MemoryDescriptor stacks[ProcessSnapshot::MAX_THREADS];
    uint32_t stackCount = 0;
    LocationDescriptor crashingContext{};
    for (size_t i = 0; i < snapshot.threadCount; ++i) {
        const ThreadRecord& t = snapshot.threads[i];
        Thread& out = threads[i];
        out = Thread{};
        out.threadId = t.id;
        if (t.hasContext) {
            out.threadContext = file.append(t.context, t.contextSize);
            uint64_t start = 0, size = 0;
            if (stackRange(snapshot, t.stackPointer, start, size)) {
                out.stack.startOfMemoryRange = start;
                out.stack.memory = file.appendMemory(start, size);
                stacks[stackCount++] = out.stack;
            }
        }
        if (event && t.id == event->threadId)
            crashingContext = out.threadContext;
    }
    {
        const uint32_t count = static_cast<uint32_t>(snapshot.threadCount);
        const uint32_t at = file.position();
        file.append(&count, sizeof count);
        file.append(threads, sizeof(Thread) * count);
        directory[streamCount++] = {THREAD_LIST_STREAM, {file.position() - at, at}};
    }

    if (event) {
        ExceptionStream exception{};
        exception.threadId = event->threadId;
        exception.exceptionRecord.exceptionCode = event->code;
        exception.exceptionRecord.exceptionAddress = event->address;
        exception.exceptionRecord.numberParameters = event->parameterCount;
        for (uint32_t i = 0; i < event->parameterCount && i < 3; ++i)
            exception.exceptionRecord.exceptionInformation[i] = event->parameters[i];
        exception.threadContext = crashingContext;
        directory[streamCount++] = {EXCEPTION_STREAM, file.append(&exception, sizeof exception)};
    }

    // Modules: their names and build-id records, then the list.
    static Module modules[ProcessSnapshot::MAX_MODULES];
    for (size_t i = 0; i < snapshot.moduleCount; ++i) {
        const ModuleRecord& m = snapshot.modules[i];
        Module& out = modules[i];
        out = Module{};
        out.baseOfImage = m.base;
        out.sizeOfImage = static_cast<uint32_t>(m.size);
        out.timeDateStamp = m.fileFound ? static_cast<uint32_t>(m.fileTime) : 0;
        out.moduleNameRva = appendString(file, snapshot.path(m.pathOffset), m.pathLength);
        out.versionInfo.signature = FIXED_FILE_INFO_SIGNATURE;
        out.versionInfo.strucVersion = 0x10000;
        out.versionInfo.fileVersionMs = (m.fileVersion[0] << 16) | (m.fileVersion[1] & 0xffff);
        out.versionInfo.fileVersionLs = (m.fileVersion[2] << 16) | (m.fileVersion[3] & 0xffff);
        out.versionInfo.productVersionMs = out.versionInfo.fileVersionMs;
        out.versionInfo.productVersionLs = out.versionInfo.fileVersionLs;
        if (m.buildIdSize > 0) {
            unsigned char record[4 + sizeof m.buildId];
            std::memcpy(record, &CV_SIGNATURE_ELF, 4);
            std::memcpy(record + 4, m.buildId, m.buildIdSize);
            file.align4();
            out.cvRecord = file.append(record, 4 + m.buildIdSize);
        }
    }
    {
        file.align4();
        const uint32_t count = static_cast<uint32_t>(snapshot.moduleCount);
        const uint32_t at = file.position();
        file.append(&count, sizeof count);
        file.append(modules, sizeof(Module) * count);
        directory[streamCount++] = {MODULE_LIST_STREAM, {file.position() - at, at}};
    }

    if (!fullMemory) {
        const uint32_t at = file.position();
        file.append(&stackCount, sizeof stackCount);
        file.append(stacks, sizeof(MemoryDescriptor) * stackCount);
        directory[streamCount++] = {MEMORY_LIST_STREAM, {file.position() - at, at}};
    } else {
        // Every readable mapping: the descriptors, then their bytes in order.
        uint64_t count = 0;
        for (size_t i = 0; i < snapshot.mappingCount; ++i)
            if (worthDumping(snapshot, snapshot.mappings[i]))
                ++count;
        const uint32_t at = file.position();
        const uint64_t baseRva = at + 16 + count * sizeof(MemoryDescriptor64);
        file.append(&count, sizeof count);
        file.append(&baseRva, sizeof baseRva);
        for (size_t i = 0; i < snapshot.mappingCount; ++i) {
            const Mapping& m = snapshot.mappings[i];
            if (!worthDumping(snapshot, m))
                continue;
            const MemoryDescriptor64 d{m.start, m.end - m.start};
            file.append(&d, sizeof d);
        }
        directory[streamCount++] = {MEMORY64_LIST_STREAM, {file.position() - at, at}};
        for (size_t i = 0; i < snapshot.mappingCount; ++i) {
            const Mapping& m = snapshot.mappings[i];
            if (worthDumping(snapshot, m))
                file.appendMemory64(m.start, m.end - m.start);
        }
    }

    // The memory map as the kernel tells it, for debuggers that place
    // modules and memory by it.
    if (file.position64() < 0xffff0000ull) {
        const uint32_t at = file.position();
        const int maps = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
        if (maps >= 0) {
            char buffer[4096];
            ssize_t n;
            while ((n = ::read(maps, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
                if (n > 0)
                    file.append(buffer, static_cast<size_t>(n));
            ::close(maps);
            directory[streamCount++] = {LINUX_MAPS_STREAM, {file.position() - at, at}};
        }
    }

    header.signature = SIGNATURE;
    header.version = VERSION;
    header.numberOfStreams = streamCount;
    header.streamDirectoryRva = sizeof(Header);
    header.timeDateStamp = crashTime();
    header.flags = dumpType;
    file.patch(0, &header, sizeof header);
    file.patch(sizeof header, directory, sizeof(Directory) * STREAMS);
    return file.ok();
}

} // namespace crash
