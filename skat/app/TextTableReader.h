#pragma once
// Reading the text file: its n-th text element fills text n, whatever the
// elements and keys are called. A fixed position marked neutral takes the
// attribute "all" (or, in English, "en" when the element has one); any other
// position takes "de" or "en". A missing attribute leaves the text as it
// was; elements past the last position are ignored.
//
// A text whose placeholders differ from those its key expects is replaced by
// the built-in text, so a file can never make formatting go wrong. Texts
// after the fixed positions that the file lacks (an older file) take the
// built-in text too.

#include "skat/app/TextKeys.h"

#include <string>
#include <string_view>
#include <vector>

namespace tinyxml2 {
class XMLElement;
}

namespace skat {

// The built-in text of a key in one language.
std::wstring builtInText(TextKey key, bool english);

// Fills texts (resized to TEXT_COUNT) from the children of root; keys whose
// file text was replaced go to replaced.
void readTextElements(const tinyxml2::XMLElement* root, bool english, std::vector<std::wstring>& texts,
                      std::vector<TextKey>& replaced);

// The XML text without the processing instructions that follow the first
// element's start (a stylesheet reference between the texts, say), which the
// XML parser would refuse; comments and CDATA sections are left alone.
std::string withoutInnerInstructions(std::string_view xml);

// Parses a whole text file and reads it as above; false when it is not XML
// or holds no element (texts are then left as they were).
bool readTextFile(std::string_view bytes, bool english, std::vector<std::wstring>& texts,
                  std::vector<TextKey>& replaced);

} // namespace skat
