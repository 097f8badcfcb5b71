#pragma once
// Thin helpers over tinyxml2 so that readers and writers don't depend on its
// quirks (hexadecimal parsing of "0x..", narrow-only texts, null GetText).
// Integers are decimal "%d"/"%u" texts; texts are stored as UTF-8 and handed
// out as wide strings.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tinyxml2 {
class XMLElement;
} // namespace tinyxml2

namespace vordix::xml {

// Parses a decimal integer as "%d" does: leading blanks, optional sign,
// digits; trailing text is ignored. Empty when there are no digits or the
// value does not fit into 32 bits.
std::optional<int32_t> parseInt(std::string_view text);
// Like parseInt for "%u"; a leading '-' is refused.
std::optional<uint32_t> parseUInt(std::string_view text);

void setIntAttribute(tinyxml2::XMLElement& element, const char* name, int32_t value);
void setUIntAttribute(tinyxml2::XMLElement& element, const char* name, uint32_t value);
// The attribute as integer; empty when missing or not a decimal number.
std::optional<int32_t> intAttribute(const tinyxml2::XMLElement* element, const char* name);
std::optional<uint32_t> uintAttribute(const tinyxml2::XMLElement* element, const char* name);
// With a fallback for missing or unreadable attributes.
int32_t intAttribute(const tinyxml2::XMLElement* element, const char* name, int32_t fallback);

void setTextAttribute(tinyxml2::XMLElement& element, const char* name, std::wstring_view value);
void setUtf8Attribute(tinyxml2::XMLElement& element, const char* name, std::string_view value);
std::optional<std::wstring> textAttribute(const tinyxml2::XMLElement* element, const char* name);
std::optional<std::string> utf8Attribute(const tinyxml2::XMLElement* element, const char* name);

// Element text (the first text child); empty when the element has none.
void setElementText(tinyxml2::XMLElement& element, std::wstring_view text);
std::wstring elementText(const tinyxml2::XMLElement* element);

// Adds a new empty child element at the end of parent and returns it.
tinyxml2::XMLElement* appendChild(tinyxml2::XMLElement& parent, const char* name);
// The first child element of that name, or null (also when element is null).
const tinyxml2::XMLElement* firstChild(const tinyxml2::XMLElement* element, const char* name);

} // namespace vordix::xml
