#pragma once
// Command-line numbers of the benchmark programs.

#include <cerrno>
#include <cstdlib>

namespace bench_args {

// A whole argument as a number in [low, high]; false for anything else.
inline bool parseNumber(const char* text, unsigned long long low, unsigned long long high, unsigned long long& value)
{
    if (!text || *text < '0' || *text > '9')
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

} // namespace bench_args
