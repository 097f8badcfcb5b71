// libFuzzer target for the card-set index "Kartensets.xml" (read-only, so
// no round trip): any text gives one description per "Kartenset" element,
// and the image patterns give extensions of one to ten characters or none.

#include "skat/app/Kartensets.h"
#include "tests/support/fuzz/FuzzSupport.h"

using fuzzsupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::quietMessages();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    KARTENSET_DOKUMENT index;
    if (!fuzzsupport::readDocumentText(index, text))
        return 0;
    tinyxml2::XMLDocument xml;
    xml.Parse(text.data(), text.size());
    std::size_t elements = 0;
    for (const tinyxml2::XMLElement* set = xml.RootElement()->FirstChildElement("Kartenset"); set;
         set = set->NextSiblingElement("Kartenset"))
        ++elements;
    require(index.sets.size() == elements, "one description per set");
    for (const KARTENSET_BESCHREIBUNG& set : index.sets)
        for (const std::wstring* pattern : {&set.cardPattern, &set.suitPattern, &set.rankPattern}) {
            const std::wstring extension = skat::patternExtension(*pattern);
            require(extension.size() <= 10, "an extension of ten characters at most");
            require(extension.empty() || pattern->find(L"*." + extension) != std::wstring::npos,
                    "the extension comes from the pattern");
        }
    return 0;
}
