#include "vordix/windows/3rdparty/CrashProcessInfo.h"

#include "vordix/windows/3rdparty/MinidumpFormat.h"
#include "vordix/windows/3rdparty/SignalSafeIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/utsname.h>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace crash {
namespace {

uint32_t leadingNumber(const char*& p)
{
    uint32_t value = 0;
    while (*p >= '0' && *p <= '9')
        value = value * 10 + static_cast<uint32_t>(*p++ - '0');
    return value;
}

// Reads "1.2.3" style numbers into up to four parts.
void parseVersion(const char* p, uint32_t out[4])
{
    for (int i = 0; i < 4 && *p >= '0' && *p <= '9'; ++i) {
        out[i] = leadingNumber(p);
        if (*p != '.')
            break;
        ++p;
    }
}

bool hexNumber(const char*& p, const char* end, uint64_t& value)
{
    value = 0;
    const char* begin = p;
    for (; p < end; ++p) {
        const char c = *p;
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        value = value * 16 + static_cast<uint64_t>(digit);
    }
    return p != begin;
}

void skipSpaces(const char*& p, const char* end)
{
    while (p < end && *p == ' ')
        ++p;
}

void skipField(const char*& p, const char* end)
{
    while (p < end && *p != ' ')
        ++p;
    skipSpaces(p, end);
}

uint32_t storePath(ProcessSnapshot& s, const char* text, size_t length)
{
    if (length == 0 || s.pathPoolUsed + length + 1 > ProcessSnapshot::PATH_POOL)
        return 0;
    // Consecutive mappings of one file share their path.
    if (s.mappingCount > 0) {
        const Mapping& last = s.mappings[s.mappingCount - 1];
        if (last.pathLength == length && std::memcmp(s.pathPool + last.pathOffset, text, length) == 0)
            return last.pathOffset;
    }
    const uint32_t offset = static_cast<uint32_t>(s.pathPoolUsed);
    std::memcpy(s.pathPool + offset, text, length);
    s.pathPool[offset + length] = '\0';
    s.pathPoolUsed += length + 1;
    return offset;
}

void parseMapsLine(ProcessSnapshot& s, const char* p, const char* end)
{
    if (s.mappingCount == ProcessSnapshot::MAX_MAPPINGS)
        return;
    Mapping m;
    if (!hexNumber(p, end, m.start) || p == end || *p++ != '-' || !hexNumber(p, end, m.end))
        return;
    skipSpaces(p, end);
    if (end - p < 4)
        return;
    m.readable = p[0] == 'r';
    m.writable = p[1] == 'w';
    m.executable = p[2] == 'x';
    skipField(p, end);
    hexNumber(p, end, m.offset);
    skipSpaces(p, end);
    skipField(p, end); // device
    const char* inode = p;
    m.inode = leadingNumber(inode);
    skipField(p, end);
    const char* pathEnd = end;
    // A file replaced on disk is marked " (deleted)"; the name stays useful.
    m.pathLength = static_cast<uint32_t>(pathEnd - p);
    m.pathOffset = storePath(s, p, m.pathLength);
    if (m.pathOffset == 0)
        m.pathLength = 0;
    s.mappings[s.mappingCount++] = m;
}

// The build id from the ELF notes of a module mapped at base.
void readBuildId(ModuleRecord& module)
{
    Elf64_Ehdr header;
    if (readMemory(module.base, &header, sizeof header) != sizeof header)
        return;
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64)
        return;
    if (header.e_phentsize != sizeof(Elf64_Phdr) || header.e_phnum == 0 || header.e_phnum > 64)
        return;
    Elf64_Phdr headers[64];
    const size_t bytes = sizeof(Elf64_Phdr) * header.e_phnum;
    if (readMemory(module.base + header.e_phoff, headers, bytes) != bytes)
        return;
    // The load bias: where the first loaded segment's page landed.
    uint64_t firstLoad = ~0ull;
    for (int i = 0; i < header.e_phnum; ++i)
        if (headers[i].p_type == PT_LOAD && headers[i].p_offset == 0)
            firstLoad = headers[i].p_vaddr & ~uint64_t{4095};
    const uint64_t bias = firstLoad == ~0ull ? module.base : module.base - firstLoad;
    for (int i = 0; i < header.e_phnum; ++i) {
        if (headers[i].p_type != PT_NOTE)
            continue;
        unsigned char notes[1024];
        const size_t size = headers[i].p_memsz < sizeof notes ? headers[i].p_memsz : sizeof notes;
        const size_t got = readMemory(bias + headers[i].p_vaddr, notes, size);
        size_t at = 0;
        while (at + sizeof(Elf64_Nhdr) <= got) {
            Elf64_Nhdr note;
            std::memcpy(&note, notes + at, sizeof note);
            const size_t nameAt = at + sizeof note;
            const size_t descAt = nameAt + ((note.n_namesz + 3) & ~3u);
            const size_t next = descAt + ((note.n_descsz + 3) & ~3u);
            if (next > got)
                break;
            if (note.n_type == NT_GNU_BUILD_ID && note.n_namesz == 4 && std::memcmp(notes + nameAt, "GNU", 4) == 0
                && note.n_descsz <= sizeof module.buildId) {
                std::memcpy(module.buildId, notes + descAt, note.n_descsz);
                module.buildIdSize = note.n_descsz;
                return;
            }
            at = next;
        }
    }
}

bool startsWithElfMagic(uint64_t address)
{
    char magic[SELFMAG];
    return readMemory(address, magic, SELFMAG) == SELFMAG && std::memcmp(magic, ELFMAG, SELFMAG) == 0;
}

} // namespace

void gatherSystemFacts(SystemFacts& facts, const uint32_t programVersion[4])
{
#if defined(__x86_64__)
    facts.architecture = minidump::ARCHITECTURE_AMD64;
#elif defined(__aarch64__)
    facts.architecture = minidump::ARCHITECTURE_ARM64;
#elif defined(__i386__)
    facts.architecture = minidump::ARCHITECTURE_INTEL;
#elif defined(__arm__)
    facts.architecture = minidump::ARCHITECTURE_ARM;
#else
    facts.architecture = minidump::ARCHITECTURE_UNKNOWN;
#endif
#if defined(__x86_64__) || defined(__i386__)
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid(0, &a, &b, &c, &d)) {
        facts.cpuVendor[0] = b;
        facts.cpuVendor[1] = d;
        facts.cpuVendor[2] = c;
    }
    if (__get_cpuid(1, &a, &b, &c, &d)) {
        facts.cpuVersion = a;
        facts.cpuFeatures = d;
        unsigned family = (a >> 8) & 0xf, model = (a >> 4) & 0xf;
        if (family == 0xf)
            family += (a >> 20) & 0xff;
        if (family == 6 || family >= 0xf)
            model |= ((a >> 16) & 0xf) << 4;
        facts.processorLevel = static_cast<uint16_t>(family);
        facts.processorRevision = static_cast<uint16_t>((model << 8) | (a & 0xf));
    }
    if (__get_cpuid(0x80000001, &a, &b, &c, &d))
        facts.cpuExtendedFeatures = d;
#endif
    const long online = sysconf(_SC_NPROCESSORS_ONLN);
    facts.processors = static_cast<uint8_t>(online < 1 ? 1 : online > 255 ? 255 : online);

    utsname names{};
    if (uname(&names) == 0) {
        const char* p = names.release;
        facts.osMajor = leadingNumber(p);
        if (*p == '.')
            ++p;
        facts.osMinor = leadingNumber(p);
        if (*p == '.')
            ++p;
        facts.osBuild = leadingNumber(p);
        char* out = facts.osDescription;
        const size_t capacity = sizeof facts.osDescription;
        std::snprintf(out, capacity, "%s %s %s %s", names.sysname, names.release, names.version, names.machine);
    }
    const time_t now = std::time(nullptr);
    tm local{};
    if (localtime_r(&now, &local))
        facts.utcOffsetSeconds = local.tm_gmtoff;

    const ssize_t n = readlink("/proc/self/exe", facts.programPath, sizeof facts.programPath - 1);
    facts.programPath[n > 0 ? n : 0] = '\0';
    for (int i = 0; i < 4; ++i)
        facts.programVersion[i] = programVersion ? programVersion[i] : 0;
}

const Mapping* ProcessSnapshot::mappingAt(uint64_t address) const
{
    for (size_t i = 0; i < mappingCount; ++i)
        if (address >= mappings[i].start && address < mappings[i].end)
            return &mappings[i];
    return nullptr;
}

bool readMappings(ProcessSnapshot& s)
{
    s.mappingCount = 0;
    s.pathPoolUsed = 1;
    s.pathPool[0] = '\0';
    const int fd = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[16384];
    size_t kept = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer + kept, sizeof buffer - kept);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        size_t filled = kept + static_cast<size_t>(n);
        size_t begin = 0;
        for (size_t i = 0; i < filled; ++i) {
            if (buffer[i] != '\n')
                continue;
            parseMapsLine(s, buffer + begin, buffer + i);
            begin = i + 1;
        }
        kept = filled - begin;
        if (kept == sizeof buffer)
            kept = 0; // a line longer than the buffer is dropped
        std::memmove(buffer, buffer + begin, kept);
    }
    ::close(fd);
    return s.mappingCount > 0;
}

void collectModules(ProcessSnapshot& s, const SystemFacts& facts)
{
    s.moduleCount = 0;
    for (size_t i = 0; i < s.mappingCount && s.moduleCount < ProcessSnapshot::MAX_MODULES; ++i) {
        const Mapping& first = s.mappings[i];
        if (first.offset != 0 || first.inode == 0 || first.pathLength == 0 || !first.readable)
            continue;
        const char* path = s.path(first.pathOffset);
        if (path[0] != '/' || std::strncmp(path, "/dev/", 5) == 0 || !startsWithElfMagic(first.start))
            continue;
        ModuleRecord& m = s.modules[s.moduleCount++];
        m = ModuleRecord{};
        m.base = first.start;
        m.pathOffset = first.pathOffset;
        m.pathLength = first.pathLength;
        uint64_t end = first.end;
        // The module's other segments follow with the same file; anonymous
        // gaps (its bss) may lie in between.
        for (size_t j = i + 1; j < s.mappingCount; ++j) {
            const Mapping& next = s.mappings[j];
            if (next.inode == first.inode && next.pathOffset == first.pathOffset)
                end = next.end;
            else if (next.inode != 0)
                break;
        }
        m.size = end - m.base;
        readBuildId(m);
        struct stat info { };
        if (::stat(path, &info) == 0) {
            m.fileFound = true;
            m.fileTime = info.st_mtime;
        }
        if (std::strcmp(path, facts.programPath) == 0) {
            for (int k = 0; k < 4; ++k)
                m.fileVersion[k] = facts.programVersion[k];
        } else if (const char* so = std::strstr(path, ".so.")) {
            parseVersion(so + 4, m.fileVersion);
        }
    }
}

void listThreads(ProcessSnapshot& s)
{
    s.threadCount = 0;
    const int fd = ::open("/proc/self/task", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    char buffer[4096];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (long at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            const char* name = entry->d_name;
            if (name[0] >= '0' && name[0] <= '9' && s.threadCount < ProcessSnapshot::MAX_THREADS) {
                const char* p = name;
                ThreadRecord& t = s.threads[s.threadCount++];
                t.id = leadingNumber(p);
                t.hasContext = false;
                t.contextSize = 0;
            }
            at += entry->d_reclen;
        }
    }
    ::close(fd);
}

void formatFileTime(char out[20], bool found, int64_t seconds, long utcOffsetSeconds)
{
    int64_t days;
    int64_t secondOfDay;
    if (!found) {
        // The zero file time.
        std::memcpy(out, "1601-01-01 00:00:00", 20);
        return;
    }
    const int64_t local = seconds + utcOffsetSeconds;
    days = local >= 0 ? local / 86400 : (local - 86399) / 86400;
    secondOfDay = local - days * 86400;
    // Days since 1970-01-01 to a civil date (proleptic Gregorian calendar).
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    const int64_t fields[6] = {year, month, day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
    const char separators[6] = {'-', '-', ' ', ':', ':', '\0'};
    int at = 0;
    for (int f = 0; f < 6; ++f) {
        const int width = f == 0 ? 4 : 2;
        int64_t v = fields[f] < 0 ? 0 : fields[f];
        for (int i = width - 1; i >= 0; --i) {
            out[at + i] = static_cast<char>('0' + v % 10);
            v /= 10;
        }
        at += width;
        out[at++] = separators[f];
    }
}

} // namespace crash
