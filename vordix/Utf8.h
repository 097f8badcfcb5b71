#pragma once
// Conversions between the program's wide strings and UTF-8 (files, network
// messages). Exact-size: every character survives a round trip. Invalid
// input bytes become U+FFFD rather than being dropped silently.

#include <string>
#include <string_view>

namespace vordix {

std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);

} // namespace vordix
