#pragma once
// Fake programs in tests note their arguments as `printf '%s\0' "$@"`; this
// splits such a record back into the arguments.

#include <string>
#include <vector>

namespace testsupport {

inline std::vector<std::string> nulSeparated(const std::string& text)
{
    std::vector<std::string> out;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\0', at);
        out.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
}

} // namespace testsupport
