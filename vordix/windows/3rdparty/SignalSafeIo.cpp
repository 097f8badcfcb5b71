#include "vordix/windows/3rdparty/SignalSafeIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace crash {

bool writeAll(int fd, const void* data, size_t size)
{
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool writeMemory(int fd, uint64_t address, uint64_t size)
{
    // write(2) reports unreadable memory as EFAULT instead of faulting.
    static const char zeros[4096] = {};
    while (size > 0) {
        const size_t pageRest = 4096 - (address & 4095);
        const size_t chunk = size < pageRest ? static_cast<size_t>(size) : pageRest;
        ssize_t n = ::write(fd, reinterpret_cast<const void*>(address), chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EFAULT) {
            if (!writeAll(fd, zeros, chunk))
                return false;
            n = static_cast<ssize_t>(chunk);
        }
        if (n <= 0)
            return false;
        address += static_cast<uint64_t>(n);
        size -= static_cast<uint64_t>(n);
    }
    return true;
}

size_t readMemory(uint64_t address, void* buffer, size_t size)
{
    const int fd = ::open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, static_cast<char*>(buffer) + done, size - done, static_cast<off_t>(address + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    return done;
}

SignalSafeText& SignalSafeText::text(const char* s) { return text(s, s ? std::strlen(s) : 0); }

SignalSafeText& SignalSafeText::text(const char* s, size_t length)
{
    while (length > 0) {
        if (used_ == sizeof(buffer_))
            flush();
        const size_t room = sizeof(buffer_) - used_;
        const size_t n = length < room ? length : room;
        std::memcpy(buffer_ + used_, s, n);
        used_ += n;
        s += n;
        length -= n;
    }
    return *this;
}

SignalSafeText& SignalSafeText::decimal(uint64_t value, int width)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n < width && n < 20)
        digits[n++] = '0';
    char out[24];
    for (int i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    return text(out, static_cast<size_t>(n));
}

SignalSafeText& SignalSafeText::hex(uint64_t value, int width, bool upperCase)
{
    const char* alphabet = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    char digits[20];
    int n = 0;
    do {
        digits[n++] = alphabet[value & 15];
        value >>= 4;
    } while (value != 0);
    while (n < width && n < 16)
        digits[n++] = '0';
    char out[20];
    for (int i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    return text(out, static_cast<size_t>(n));
}

bool SignalSafeText::flush()
{
    if (used_ > 0 && !writeAll(fd_, buffer_, used_))
        failed_ = true;
    used_ = 0;
    return !failed_;
}

void copyString(char* target, size_t capacity, const char* source)
{
    if (capacity == 0)
        return;
    size_t i = 0;
    for (; source && source[i] && i + 1 < capacity; ++i)
        target[i] = source[i];
    target[i] = '\0';
}

} // namespace crash
