#include "skat/app/TextFormat.h"

#include <charconv>
#include <cmath>

namespace skat {

namespace {

// The placeholder at the start of text, and its length; 0 when none.
size_t placeholderAt(std::wstring_view text, Placeholder& kind)
{
    if (text.size() >= 3 && text.substr(0, 3) == L"%ls") {
        kind = Placeholder::Text;
        return 3;
    }
    if (text.size() >= 2 && text.substr(0, 2) == L"%d") {
        kind = Placeholder::Number;
        return 2;
    }
    if (text.size() >= 4 && text.substr(0, 4) == L"%.2f") {
        kind = Placeholder::Decimal;
        return 4;
    }
    return 0;
}

std::wstring decimalText(double value)
{
    if (std::isnan(value))
        return L"nan";
    if (std::isinf(value))
        return value < 0 ? L"-inf" : L"inf";
    char buffer[400]; // the largest double has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return L"?";
    return std::wstring(buffer, result.ptr);
}

} // namespace

std::vector<Placeholder> placeholdersOf(std::wstring_view format)
{
    std::vector<Placeholder> found;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != L'%')
            continue;
        if (i + 1 < format.size() && format[i + 1] == L'%') {
            ++i;
            continue;
        }
        Placeholder kind;
        if (const size_t length = placeholderAt(format.substr(i), kind)) {
            found.push_back(kind);
            i += length - 1;
        }
    }
    return found;
}

bool parsePlaceholderList(std::string_view list, std::vector<Placeholder>& placeholders)
{
    placeholders.clear();
    if (list.empty() || list == "-")
        return true;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(' ', start);
        if (end == std::string_view::npos)
            end = list.size();
        const std::string_view token = list.substr(start, end - start);
        if (token == "%ls")
            placeholders.push_back(Placeholder::Text);
        else if (token == "%d")
            placeholders.push_back(Placeholder::Number);
        else if (token == "%.2f")
            placeholders.push_back(Placeholder::Decimal);
        else
            return false;
        start = end + 1;
    }
    return true;
}

std::wstring TextArg::render(Placeholder as) const
{
    switch (kind_) {
    case Placeholder::Text: return text_;
    case Placeholder::Number:
        return as == Placeholder::Decimal ? decimalText(static_cast<double>(number_)) : std::to_wstring(number_);
    case Placeholder::Decimal:
        if (as == Placeholder::Number && std::isfinite(decimal_) && std::fabs(decimal_) < 9.2e18)
            return std::to_wstring(static_cast<long long>(decimal_));
        return decimalText(decimal_);
    }
    return {};
}

std::wstring formatText(std::wstring_view format, std::span<const TextArg> args)
{
    std::wstring out;
    out.reserve(format.size() + 16 * args.size());
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        const wchar_t c = format[i];
        if (c != L'%') {
            out += c;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == L'%') {
            out += L'%';
            ++i;
            continue;
        }
        Placeholder kind;
        const size_t length = placeholderAt(format.substr(i), kind);
        if (!length) {
            out += c;
            continue;
        }
        if (next < args.size())
            out += args[next].render(kind);
        ++next;
        i += length - 1;
    }
    return out;
}

} // namespace skat
