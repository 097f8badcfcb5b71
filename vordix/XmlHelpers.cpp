#include "vordix/XmlHelpers.h"

#include "vordix/Utf8.h"

#include <tinyxml2.h>

#include <limits>

// Deeply nested input is refused by the parser itself, before any reader
// recurses into it.
static_assert(TINYXML2_MAX_ELEMENT_DEPTH > 0 && TINYXML2_MAX_ELEMENT_DEPTH <= 1000,
              "tinyxml2 without a bounded element depth");

namespace vordix::xml {
namespace {

// Sign and magnitude of a "%d"-style number; empty without digits or when
// the magnitude exceeds what 32 bits can hold.
std::optional<std::pair<bool, uint64_t>> parseDecimal(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    uint64_t magnitude = 0;
    size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        magnitude = magnitude * 10 + static_cast<uint64_t>(text[i] - '0');
        if (magnitude > std::numeric_limits<uint32_t>::max())
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return std::make_pair(negative, magnitude);
}

} // namespace

std::optional<int32_t> parseInt(std::string_view text)
{
    auto number = parseDecimal(text);
    if (!number)
        return std::nullopt;
    auto [negative, magnitude] = *number;
    if (negative) {
        if (magnitude > uint64_t{1} << 31)
            return std::nullopt;
        return static_cast<int32_t>(-static_cast<int64_t>(magnitude));
    }
    if (magnitude > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(magnitude);
}

std::optional<uint32_t> parseUInt(std::string_view text)
{
    auto number = parseDecimal(text);
    if (!number || number->first)
        return std::nullopt;
    return static_cast<uint32_t>(number->second);
}

void setIntAttribute(tinyxml2::XMLElement& element, const char* name, int32_t value)
{
    element.SetAttribute(name, std::to_string(value).c_str());
}

void setUIntAttribute(tinyxml2::XMLElement& element, const char* name, uint32_t value)
{
    element.SetAttribute(name, std::to_string(value).c_str());
}

std::optional<int32_t> intAttribute(const tinyxml2::XMLElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    return text ? parseInt(text) : std::nullopt;
}

std::optional<uint32_t> uintAttribute(const tinyxml2::XMLElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    return text ? parseUInt(text) : std::nullopt;
}

int32_t intAttribute(const tinyxml2::XMLElement* element, const char* name, int32_t fallback)
{
    return intAttribute(element, name).value_or(fallback);
}

void setTextAttribute(tinyxml2::XMLElement& element, const char* name, std::wstring_view value)
{
    element.SetAttribute(name, toUtf8(value).c_str());
}

void setUtf8Attribute(tinyxml2::XMLElement& element, const char* name, std::string_view value)
{
    element.SetAttribute(name, std::string(value).c_str());
}

std::optional<std::wstring> textAttribute(const tinyxml2::XMLElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    if (!text)
        return std::nullopt;
    return fromUtf8(text);
}

std::optional<std::string> utf8Attribute(const tinyxml2::XMLElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    if (!text)
        return std::nullopt;
    return std::string(text);
}

void setElementText(tinyxml2::XMLElement& element, std::wstring_view text)
{
    element.SetText(toUtf8(text).c_str());
    // The parser drops a text of white space alone (a chat line of empty
    // lines, say); as a CDATA section it reads back as written.
    const bool whiteSpaceOnly = !text.empty() && text.find_first_not_of(L" \t\n\v\f\r") == std::wstring_view::npos;
    if (whiteSpaceOnly)
        element.FirstChild()->ToText()->SetCData(true);
}

std::wstring elementText(const tinyxml2::XMLElement* element)
{
    const char* text = element ? element->GetText() : nullptr;
    return text ? fromUtf8(text) : std::wstring();
}

tinyxml2::XMLElement* appendChild(tinyxml2::XMLElement& parent, const char* name)
{
    tinyxml2::XMLElement* child = parent.GetDocument()->NewElement(name);
    parent.InsertEndChild(child);
    return child;
}

const tinyxml2::XMLElement* firstChild(const tinyxml2::XMLElement* element, const char* name)
{
    return element ? element->FirstChildElement(name) : nullptr;
}

} // namespace vordix::xml
