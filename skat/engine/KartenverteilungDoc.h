#pragma once
// A deal with a comment as a document file (*.krt, root "Kartenverteilung",
// "DokumentVersion" 1). The skat is not stored: the two cards no hand holds
// are taken as the skat on reading.

#include "skat/engine/Kartenverteilung.h"
#include "vordix/Dokument.h"

#include <string>

class KARTENVERTEILUNG_DOC : public VORDIX_DOKUMENT {
public:
    static constexpr int VERSION = 1;

    KARTENVERTEILUNG_DOC();
    ~KARTENVERTEILUNG_DOC() override;

    // Refuses (false, deal unchanged) another root, an unknown version and a
    // forehand seat outside -1..2; readError() then says why.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "Kartenverteilung"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
    // Marks the document modified; the deal keeps its content.
    int onLoadFailed() override;

    // Points the document at defaultFile and clears the deal.
    void reset();

    // Why the last read failed (empty after a good read).
    const std::wstring& readError() const { return readError_; }

    KARTENVERTEILUNG deal;
    std::wstring comment;
    // The file that reset() returns to; set by the application shell.
    VORDIX_FILE defaultFile;

private:
    std::wstring readError_;
};
