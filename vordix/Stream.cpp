#include "vordix/Stream.h"

#include <tinyxml2.h>

VORDIX_STREAM::~VORDIX_STREAM() = default;

std::string streamToXml(const VORDIX_STREAM& stream)
{
    try {
        tinyxml2::XMLDocument document;
        tinyxml2::XMLElement* root = document.NewElement(stream.elementName());
        document.InsertEndChild(root);
        stream.write(*root, document);
        tinyxml2::XMLPrinter printer(nullptr, /*compact=*/true);
        document.Print(&printer);
        return std::string(printer.CStr(), static_cast<size_t>(printer.CStrSize() > 0 ? printer.CStrSize() - 1 : 0));
    } catch (...) {
        return {};
    }
}

int streamFromXml(std::string_view text, VORDIX_STREAM& stream)
{
    tinyxml2::XMLDocument document;
    if (text.empty() || document.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS)
        return STREAM_NOT_WELL_FORMED;
    try {
        return stream.read(document.FirstChildElement(), document) ? STREAM_READ_OK : STREAM_READ_FAILED;
    } catch (...) {
        return STREAM_READ_FAILED;
    }
}

namespace vordix::xml {

tinyxml2::XMLElement* appendStream(tinyxml2::XMLElement& parent, const VORDIX_STREAM& stream)
{
    tinyxml2::XMLDocument& document = *parent.GetDocument();
    tinyxml2::XMLElement* child = document.NewElement(stream.elementName());
    parent.InsertEndChild(child);
    stream.write(*child, document);
    return child;
}

bool readChildStream(const tinyxml2::XMLElement* parent, VORDIX_STREAM& stream)
{
    if (!parent)
        return false;
    try {
        return stream.read(parent->FirstChildElement(stream.elementName()), *parent->GetDocument());
    } catch (...) {
        return false;
    }
}

} // namespace vordix::xml
