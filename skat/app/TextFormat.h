#pragma once
// Format texts of the text table: "%ls" takes a text, "%d" a whole number,
// "%.2f" a decimal with two places, "%%" is a percent sign; any other '%'
// stands for itself. Formatting never reads past the given arguments and
// never fails, whatever the format text holds (it may come from a file).

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skat {

enum class Placeholder : char { Text = 's', Number = 'd', Decimal = 'f' };

// The placeholders of a format in order.
std::vector<Placeholder> placeholdersOf(std::wstring_view format);
// The same for a placeholder list written as "%ls %d" ("-" or "" for none);
// false when it names anything else.
bool parsePlaceholderList(std::string_view list, std::vector<Placeholder>& placeholders);

// One argument of a format.
class TextArg {
public:
    TextArg(int value) : kind_(Placeholder::Number), number_(value) { }
    TextArg(long value) : kind_(Placeholder::Number), number_(value) { }
    TextArg(long long value) : kind_(Placeholder::Number), number_(value) { }
    TextArg(unsigned value) : kind_(Placeholder::Number), number_(value) { }
    TextArg(double value) : kind_(Placeholder::Decimal), decimal_(value) { }
    TextArg(float value) : kind_(Placeholder::Decimal), decimal_(value) { }
    TextArg(std::wstring value) : kind_(Placeholder::Text), text_(std::move(value)) { }
    TextArg(const wchar_t* value) : kind_(Placeholder::Text), text_(value ? value : L"") { }
    TextArg(std::wstring_view value) : kind_(Placeholder::Text), text_(value) { }

    Placeholder kind() const { return kind_; }
    // The argument as a placeholder of the given kind shows it: texts as
    // they are, numbers in decimal, decimals with two places (a number given
    // for another kind is still shown as itself).
    std::wstring render(Placeholder as) const;

private:
    Placeholder kind_;
    long long number_ = 0;
    double decimal_ = 0;
    std::wstring text_;
};

// Fills the placeholders in order; a placeholder without an argument shows
// nothing, arguments left over are ignored.
std::wstring formatText(std::wstring_view format, std::span<const TextArg> args);
inline std::wstring formatText(std::wstring_view format, std::initializer_list<TextArg> args)
{
    return formatText(format, std::span<const TextArg>(args.begin(), args.size()));
}

} // namespace skat
