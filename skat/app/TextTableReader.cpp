#include "skat/app/TextTableReader.h"

#include "skat/app/TextFormat.h"
#include "skat/app/TextTable.h"
#include "vordix/Utf8.h"

#include <tinyxml2.h>

namespace skat {

namespace {

const TextTableRow& rowOf(TextKey key) { return textTableRows()[static_cast<size_t>(key)]; }

std::vector<Placeholder> expectedPlaceholders(const TextTableRow& row)
{
    std::vector<Placeholder> expected;
    parsePlaceholderList(row.placeholders, expected);
    return expected;
}

} // namespace

std::wstring builtInText(TextKey key, bool english)
{
    const TextTableRow& row = rowOf(key);
    if (english && *row.english)
        return vordix::fromUtf8(row.english);
    return vordix::fromUtf8(row.german);
}

void readTextElements(const tinyxml2::XMLElement* root, bool english, std::vector<std::wstring>& texts,
                      std::vector<TextKey>& replaced)
{
    texts.resize(TEXT_COUNT);
    std::vector<bool> found(TEXT_COUNT, false);
    const char* language = english ? "en" : "de";
    const tinyxml2::XMLElement* element = root ? root->FirstChildElement() : nullptr;
    for (size_t n = 0; n < TEXT_COUNT && element; ++n, element = element->NextSiblingElement()) {
        const TextTableRow& row = textTableRows()[n];
        const char* value = nullptr;
        if (row.neutral && n < FIXED_TEXT_COUNT) {
            if (english)
                value = element->Attribute("en");
            if (!value)
                value = element->Attribute("all");
        } else {
            value = element->Attribute(language);
        }
        if (!value)
            continue;
        texts[n] = vordix::fromUtf8(value);
        found[n] = true;
    }
    for (size_t n = 0; n < TEXT_COUNT; ++n) {
        const auto key = static_cast<TextKey>(n);
        const bool ours = n >= FIXED_TEXT_COUNT;
        if (!found[n]) {
            if (ours)
                texts[n] = builtInText(key, english);
            continue;
        }
        if (placeholdersOf(texts[n]) != expectedPlaceholders(textTableRows()[n])) {
            texts[n] = builtInText(key, english);
            replaced.push_back(key);
        }
    }
}

std::string withoutInnerInstructions(std::string_view xml)
{
    std::string out;
    out.reserve(xml.size());
    bool insideRoot = false;
    size_t i = 0;
    auto copyThrough = [&](std::string_view end) {
        const size_t stop = xml.find(end, i);
        const size_t next = stop == std::string_view::npos ? xml.size() : stop + end.size();
        out.append(xml.substr(i, next - i));
        i = next;
    };
    while (i < xml.size()) {
        if (xml[i] != '<') {
            out += xml[i++];
            continue;
        }
        const std::string_view rest = xml.substr(i);
        if (rest.starts_with("<!--")) {
            copyThrough("-->");
        } else if (rest.starts_with("<![CDATA[")) {
            copyThrough("]]>");
        } else if (rest.starts_with("<?")) {
            if (insideRoot) {
                const size_t stop = xml.find("?>", i);
                i = stop == std::string_view::npos ? xml.size() : stop + 2;
            } else {
                copyThrough("?>");
            }
        } else {
            if (!rest.starts_with("<!") && !rest.starts_with("</"))
                insideRoot = true;
            out += xml[i++];
        }
    }
    return out;
}

bool readTextFile(std::string_view bytes, bool english, std::vector<std::wstring>& texts,
                  std::vector<TextKey>& replaced)
{
    const std::string cleaned = withoutInnerInstructions(bytes);
    tinyxml2::XMLDocument document;
    if (document.Parse(cleaned.data(), cleaned.size()) != tinyxml2::XML_SUCCESS)
        return false;
    const tinyxml2::XMLElement* root = document.FirstChildElement();
    if (!root)
        return false;
    readTextElements(root, english, texts, replaced);
    return true;
}

} // namespace skat
