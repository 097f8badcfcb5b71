#pragma once
// The card sets the user can choose from, as "Kartensets.xml" describes
// them: one KARTENSET_BESCHREIBUNG per set, KARTENSET_DOKUMENT the list in
// file order. Read-only: nothing writes the index.

#include "vordix/Dokument.h"

#include <string>
#include <vector>

class KARTENSET_BESCHREIBUNG : public VORDIX_STREAM {
public:
    // Fills the fields from one "Kartenset" element; never fails: missing
    // parts leave empty texts and zero sizes.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "Kartenset"; }
    void write(tinyxml2::XMLElement&, tinyxml2::XMLDocument&) const override { }

    std::wstring displayName; // "Anzeige" Name_DE or Name_EN, by the program's language
    std::wstring name;        // identifies the set; what the card-set preference stores
    int cardWidth = 0;
    int cardHeight = 0;
    std::wstring folder;      // sub-folder of "Kartensets"
    std::wstring cardPattern; // "*.png": the faces' extension
    std::wstring suitPattern; // "*.jpg"
    std::wstring rankPattern; // "*.jpg"
    std::wstring maskFile;
    std::wstring backFile;
    std::wstring thumbnailFile;
};

class KARTENSET_DOKUMENT : public VORDIX_DOKUMENT {
public:
    // Rebuilds the list from the root's "Kartenset" children (other children
    // are skipped); the root's own name is not compared.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "Skat_Kartensets"; }
    void write(tinyxml2::XMLElement&, tinyxml2::XMLDocument&) const override { }
    int onLoadFailed() override { return 0; }

    std::vector<KARTENSET_BESCHREIBUNG> sets;
};

namespace skat {
// The extension of a file pattern "*.ext" with 1 to 10 characters after the
// dot; empty for any other pattern.
std::wstring patternExtension(const std::wstring& pattern);
} // namespace skat
