#pragma once
// Shared pieces of the readers' libFuzzer targets: a message sink that keeps
// quiet, documents read from and printed to text as their files hold them,
// and the check that a second round trip changes nothing.

#include "vordix/Dokument.h"
#include "vordix/MessageSink.h"

#include <tinyxml2.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace fuzzsupport {

// A broken invariant is a finding: libFuzzer keeps the input.
inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Write, read and write again must give the text written first.
inline void requireSameText(const std::string& first, const std::string& second, const char* what)
{
    if (first != second) {
        std::fprintf(stderr, "round trip of %s changed the text\nfirst:\n%s\nsecond:\n%s\n", what, first.c_str(),
                     second.c_str());
        std::abort();
    }
}

class SilentSink : public vordix::MessageSink {
public:
    vordix::MessageAnswer show(vordix::MessageKind, const std::wstring&, const std::wstring& text,
                               vordix::MessageButtons) override
    {
        ++shown;
        lastText = text;
        return vordix::MessageAnswer::Ok;
    }
    int shown = 0;
    std::wstring lastText;
};

// Installs the quiet sink once and hands it out.
inline SilentSink& quietMessages()
{
    static std::shared_ptr<SilentSink> sink = [] {
        auto s = std::make_shared<SilentSink>();
        vordix::setMessageSink(s);
        return s;
    }();
    return *sink;
}

// The document's file text as saving writes it (declaration, indented elements).
inline std::string documentText(const VORDIX_DOKUMENT& document)
{
    tinyxml2::XMLDocument xml;
    xml.InsertEndChild(xml.NewDeclaration("xml version=\"1.0\" encoding=\"utf-8\""));
    tinyxml2::XMLElement* root = xml.NewElement(document.elementName());
    xml.InsertEndChild(root);
    document.write(*root, xml);
    tinyxml2::XMLPrinter printer(nullptr, /*compact=*/false);
    xml.Print(&printer);
    return std::string(printer.CStr());
}

// Reads the document from file text as loading does; false when the text is
// no XML or the document refused it.
inline bool readDocumentText(VORDIX_DOKUMENT& document, std::string_view text)
{
    tinyxml2::XMLDocument xml;
    if (xml.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS)
        return false;
    try {
        return document.read(xml.FirstChildElement(), xml);
    } catch (...) {
        return false;
    }
}

} // namespace fuzzsupport
