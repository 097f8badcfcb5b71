#pragma once
// The table of the program's texts, read once from the text file in one
// language (see TextTableReader.h for the reading rules). It is never saved.

#include "skat/app/TextKeys.h"
#include "vordix/Dokument.h"

#include <optional>
#include <string>
#include <vector>

class SKAT_STRINGDOCUMENT : public VORDIX_DOKUMENT {
public:
    SKAT_STRINGDOCUMENT();
    ~SKAT_STRINGDOCUMENT() override;

    // Fills the texts from the root's children; false only without a root.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "Texts"; }
    void write(tinyxml2::XMLElement&, tinyxml2::XMLDocument&) const override { }
    int onLoadFailed() override { return 0; }

    // Reads the file (see TextTableReader.h); a DocumentError code: 3 when it
    // cannot be opened, 1 when it is not XML or holds no element.
    int loadText(const VORDIX_FILE& source);

    const std::wstring& text(TextKey key) const { return texts_[static_cast<size_t>(key)]; }
    const std::wstring& operator[](TextKey key) const { return text(key); }

    // The language to read; unset asks the platform application (German
    // when there is none yet).
    std::optional<bool> english;
    bool readsEnglish() const;

    // Keys whose text in the file had wrong placeholders at the last read.
    const std::vector<TextKey>& replacedTexts() const { return replaced_; }

private:
    void reportReplaced() const;

    std::vector<std::wstring> texts_;
    std::vector<TextKey> replaced_;
};
