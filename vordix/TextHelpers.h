#pragma once
// Small text helpers without a display: local date and time texts, the
// locale's multibyte form and an order of wide texts.

#include <ctime>
#include <string>
#include <string_view>

namespace vordix {

// Day.month.year without leading zeros, e.g. "9.12.2026".
std::wstring localDateText();
std::wstring dateText(const std::tm& time);
// Hour:minute:second without leading zeros, e.g. "8:5:7".
std::wstring localTimeText();
std::wstring timeText(const std::tm& time);

// The text in the C library's current multibyte encoding; characters that
// encoding cannot hold become '?'.
std::string toMultiByte(std::wstring_view text);

// -1, 0 or 1 by comparing the characters in order (a prefix sorts first).
int compareWide(std::wstring_view a, std::wstring_view b);

} // namespace vordix
