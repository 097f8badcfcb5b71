#pragma once
// Output that is safe inside a signal handler: plain system calls on a file
// descriptor, no allocation, no locale, no stdio.

#include <cstddef>
#include <cstdint>

namespace crash {

// Writes all bytes; false when the descriptor refuses them.
bool writeAll(int fd, const void* data, size_t size);
// Writes size bytes of this process's memory starting at address. Pages
// that cannot be read are written as zeros, so the file keeps its layout.
bool writeMemory(int fd, uint64_t address, uint64_t size);
// Copies up to size bytes of this process's memory without faulting;
// returns the number of bytes copied.
size_t readMemory(uint64_t address, void* buffer, size_t size);

// A line-oriented text writer with a fixed buffer.
class SignalSafeText {
public:
    explicit SignalSafeText(int fd) : fd_(fd) { }
    ~SignalSafeText() { flush(); }
    SignalSafeText(const SignalSafeText&) = delete;
    SignalSafeText& operator=(const SignalSafeText&) = delete;

    SignalSafeText& text(const char* s);
    SignalSafeText& text(const char* s, size_t length);
    SignalSafeText& decimal(uint64_t value, int width = 0); // zero-padded to width
    SignalSafeText& hex(uint64_t value, int width, bool upperCase);
    SignalSafeText& line(const char* s = "") { return text(s).text("\n"); }
    bool flush();
    bool failed() const { return failed_; }

private:
    char buffer_[2048];
    size_t used_ = 0;
    int fd_;
    bool failed_ = false;
};

// Copies a NUL-terminated string into a fixed buffer, always terminating it.
void copyString(char* target, size_t capacity, const char* source);

} // namespace crash
