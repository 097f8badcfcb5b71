#include "vordix/TextHelpers.h"

#include <climits>
#include <cwchar>

namespace vordix {
namespace {

std::tm localNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

std::wstring dateText(const std::tm& time)
{
    return std::to_wstring(time.tm_mday) + L"." + std::to_wstring(time.tm_mon + 1) + L"."
           + std::to_wstring(time.tm_year + 1900);
}

std::wstring timeText(const std::tm& time)
{
    return std::to_wstring(time.tm_hour) + L":" + std::to_wstring(time.tm_min) + L":" + std::to_wstring(time.tm_sec);
}

std::wstring localDateText() { return dateText(localNow()); }

std::wstring localTimeText() { return timeText(localNow()); }

std::string toMultiByte(std::wstring_view text)
{
    std::string out;
    std::mbstate_t state{};
    char buffer[MB_LEN_MAX];
    for (wchar_t c : text) {
        size_t n = std::wcrtomb(buffer, c, &state);
        if (n == static_cast<size_t>(-1)) {
            out += '?';
            state = std::mbstate_t{};
        } else {
            out.append(buffer, n);
        }
    }
    return out;
}

int compareWide(std::wstring_view a, std::wstring_view b)
{
    int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace vordix
