#include "skat/app/SkatStringDocument.h"

#include "skat/app/TextTable.h"
#include "skat/app/TextTableReader.h"
#include "vordix/Application.h"
#include "vordix/ImplementorFactory.h"

#include <filesystem>
#include <fstream>
#include <iostream>

SKAT_STRINGDOCUMENT::SKAT_STRINGDOCUMENT() : texts_(TEXT_COUNT) { }

SKAT_STRINGDOCUMENT::~SKAT_STRINGDOCUMENT() = default;

bool SKAT_STRINGDOCUMENT::readsEnglish() const
{
    if (english)
        return *english;
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    auto* application = factory ? factory->getApplication() : nullptr;
    return application && application->isEnglish();
}

bool SKAT_STRINGDOCUMENT::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    if (!element)
        return false;
    replaced_.clear();
    skat::readTextElements(element, readsEnglish(), texts_, replaced_);
    reportReplaced();
    return true;
}

int SKAT_STRINGDOCUMENT::loadText(const VORDIX_FILE& source)
{
    file = source;
    std::ifstream in(file.fsPath(), std::ios::binary);
    std::error_code error;
    if (!in || std::filesystem::is_directory(file.fsPath(), error))
        return DOCUMENT_NOT_OPENABLE;
    // The text file is a few ten kilobytes; anything far larger is not one.
    constexpr std::streamsize LIMIT = 16 << 20;
    const auto size = std::filesystem::file_size(file.fsPath(), error);
    if (error || size > static_cast<std::uintmax_t>(LIMIT))
        return DOCUMENT_UNREADABLE;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<size_t>(in.gcount()));
    replaced_.clear();
    if (!skat::readTextFile(bytes, readsEnglish(), texts_, replaced_))
        return DOCUMENT_UNREADABLE;
    reportReplaced();
    loadedFromFile = true;
    return DOCUMENT_OK;
}

void SKAT_STRINGDOCUMENT::reportReplaced() const
{
    if (!replaced_.empty()) {
        // Reported once per reading, not at every use.
        std::cerr << "Skat_Text.xml: wrong placeholders, built-in text used for:";
        for (TextKey key : replaced_)
            std::cerr << ' ' << textTableRows()[static_cast<size_t>(key)].key;
        std::cerr << std::endl;
    }
}
