#include "skat/app/Kartensets.h"

#include "vordix/Application.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

namespace {

bool programIsEnglish()
{
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    auto* application = factory ? factory->getApplication() : nullptr;
    return application && application->isEnglish();
}

int sizeAttribute(const tinyxml2::XMLElement* element, const char* name)
{
    const char* text = element->Attribute(name);
    if (!text)
        return 0;
    return vordix::xml::parseInt(text).value_or(0);
}

std::wstring fileOfChild(const tinyxml2::XMLElement* element, const char* child)
{
    const tinyxml2::XMLElement* node = element->FirstChildElement(child);
    return node ? vordix::xml::textAttribute(node, "Dateiname").value_or(L"") : std::wstring();
}

} // namespace

bool KARTENSET_BESCHREIBUNG::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    using vordix::xml::textAttribute;
    if (!element)
        return false;
    cardWidth = sizeAttribute(element, "Kartenbreite");
    cardHeight = sizeAttribute(element, "Kartenhoehe");
    folder = textAttribute(element, "Verzeichnis").value_or(L"");
    name = textAttribute(element, "Name").value_or(L"");
    cardPattern = fileOfChild(element, "Kartenbilder");
    suitPattern = fileOfChild(element, "Farbenbilder");
    rankPattern = fileOfChild(element, "Wertebilder");
    maskFile = fileOfChild(element, "Maske");
    backFile = fileOfChild(element, "Rueckseite");
    thumbnailFile = fileOfChild(element, "Thumbnail");
    if (const tinyxml2::XMLElement* shown = element->FirstChildElement("Anzeige"))
        displayName = textAttribute(shown, programIsEnglish() ? "Name_EN" : "Name_DE").value_or(L"");
    return true;
}

bool KARTENSET_DOKUMENT::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    sets.clear();
    if (!element)
        return false;
    for (const tinyxml2::XMLElement* set = element->FirstChildElement("Kartenset"); set;
         set = set->NextSiblingElement("Kartenset")) {
        KARTENSET_BESCHREIBUNG description;
        description.read(set, document);
        sets.push_back(description);
    }
    return true;
}

namespace skat {

std::wstring patternExtension(const std::wstring& pattern)
{
    const size_t star = pattern.find(L"*.");
    if (star == std::wstring::npos)
        return {};
    const std::wstring extension = pattern.substr(star + 2);
    if (extension.empty() || extension.size() > 10)
        return {};
    return extension;
}

} // namespace skat
