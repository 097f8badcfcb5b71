// libFuzzer target for the high-score list "bestenliste": any text gives a
// list in descending order of points whose texts keep their limits, and the
// list written, read and written again gives the same text.

#include "skat/app/Bestenliste.h"
#include "tests/support/fuzz/FuzzSupport.h"

using fuzzsupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::quietMessages();
    BESTENLISTE list;
    if (!fuzzsupport::readDocumentText(list, {reinterpret_cast<const char*>(data), size}))
        return 0;
    const BESTENLISTE::SKATENTRY* previous = nullptr;
    for (const BESTENLISTE::SKATENTRY& entry : list.entries()) {
        require(!previous || previous->points >= entry.points, "highest points first");
        require(entry.name.size() <= BESTENLISTE::MAX_NAME && entry.date.size() <= BESTENLISTE::MAX_DATE
                    && entry.pointsText.size() <= BESTENLISTE::MAX_POINTS_TEXT,
                "texts within their limits");
        previous = &entry;
    }
    // The statistics dialog's walk hands out ten entries at most.
    BESTENLISTE::SKATENTRY shown;
    int walked = 0;
    for (int more = list.firstEntry(shown); more == 0; more = list.nextEntry(shown))
        ++walked;
    require(walked <= BESTENLISTE::SHOWN_ENTRIES, "ten entries walked at most");

    const std::string once = fuzzsupport::documentText(list);
    BESTENLISTE again;
    require(fuzzsupport::readDocumentText(again, once), "a written list reads back");
    fuzzsupport::requireSameText(once, fuzzsupport::documentText(again), "the high-score list");
    return 0;
}
