// Fuzz target of the text file's reader and the text formatter: any bytes as
// a text file, read in either language, and every text read formatted with
// hostile arguments (texts from the input, extreme numbers). Nothing may
// crash, and every format text read must carry exactly its key's
// placeholders.

#include "skat/app/TextFormat.h"
#include "skat/app/TextTable.h"
#include "skat/app/TextTableReader.h"
#include "vordix/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

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
    for (std::size_t n = 0; n < texts.size(); ++n) {
        std::vector<skat::Placeholder> expected;
        skat::parsePlaceholderList(textTableRows()[n].placeholders, expected);
        if (!texts[n].empty() && skat::placeholdersOf(texts[n]) != expected)
            std::abort();
        skat::formatText(texts[n], hostile);
        skat::formatText(texts[n], std::span<const skat::TextArg>());
    }
    skat::formatText(fromInput, hostile);
    std::vector<skat::Placeholder> list;
    skat::parsePlaceholderList(bytes.substr(0, 32), list);
    return 0;
}
