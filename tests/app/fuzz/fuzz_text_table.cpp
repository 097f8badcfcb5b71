// Fuzz target of the text file's reader and the text formatter: any bytes as
// a text file, read in either language, and every text read formatted with
// hostile arguments (texts from the input, extreme numbers). Nothing may
// crash, and every format text read must carry exactly its key's
// placeholders. The built-in texts, which fill every key a file lacks, are
// checked once at the start: formatting all of them again for every input
// would take most of the time and find nothing the first time did not.

#include "skat/app/TextFormat.h"
#include "skat/app/TextTable.h"
#include "skat/app/TextTableReader.h"
#include "vordix/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

namespace {

// A text as read must carry exactly its key's placeholders, and formats
// with hostile arguments and with none.
void checkText(std::size_t n, const std::wstring& text, std::span<const skat::TextArg> hostile)
{
    std::vector<skat::Placeholder> expected;
    skat::parsePlaceholderList(textTableRows()[n].placeholders, expected);
    if (!text.empty() && skat::placeholdersOf(text) != expected)
        std::abort();
    skat::formatText(text, hostile);
    skat::formatText(text, std::span<const skat::TextArg>());
}

std::vector<std::wstring> builtInTexts(bool english)
{
    std::vector<std::wstring> texts;
    for (std::size_t n = 0; n < TEXT_COUNT; ++n)
        texts.push_back(skat::builtInText(static_cast<TextKey>(n), english));
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool english = data[0] & 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    std::vector<std::wstring> texts;
    std::vector<TextKey> replaced;
    if (!skat::readTextFile(bytes, english, texts, replaced))
        return 0;

    const std::wstring fromInput = vordix::fromUtf8(bytes.substr(0, 64));
    const skat::TextArg hostile[] = {fromInput,
                                     std::numeric_limits<long long>::min(),
                                     std::numeric_limits<double>::max(),
                                     -std::numeric_limits<double>::infinity(),
                                     std::numeric_limits<double>::quiet_NaN(),
                                     L"%ls%d%.2f%%"};
    static const std::vector<std::wstring> builtIn[2] = {builtInTexts(false), builtInTexts(true)};
    static const bool builtInChecked = [&] {
        for (const auto& language : builtIn)
            for (std::size_t n = 0; n < language.size(); ++n)
                checkText(n, language[n], hostile);
        return true;
    }();
    (void)builtInChecked;
    // Keys the file left out stay empty or hold the built-in text.
    for (std::size_t n = 0; n < texts.size(); ++n)
        if (!texts[n].empty() && texts[n] != builtIn[english][n])
            checkText(n, texts[n], hostile);
    skat::formatText(fromInput, hostile);
    std::vector<skat::Placeholder> list;
    skat::parsePlaceholderList(bytes.substr(0, 32), list);
    return 0;
}
