// libFuzzer target for the XML layer: any text goes through streamFromXml
// into a stream that copies the whole element tree with the helpers every
// reader uses (texts as wide strings, numbers, children). The copy is
// written, read and written again to the same text.

#include "tests/support/fuzz/FuzzSupport.h"
#include "vordix/Stream.h"
#include "vordix/Utf8.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using fuzzsupport::require;

namespace {

struct Node {
    std::string name;
    std::vector<std::pair<std::string, std::wstring>> attributes;
    std::wstring text;
    std::vector<Node> children;
};

void copyFrom(const tinyxml2::XMLElement& element, Node& node)
{
    node.name = element.Name();
    for (const tinyxml2::XMLAttribute* a = element.FirstAttribute(); a; a = a->Next()) {
        const auto text = vordix::xml::textAttribute(&element, a->Name());
        require(text.has_value(), "a present attribute has a text");
        node.attributes.emplace_back(a->Name(), *text);
        // The number readers agree with each other on every attribute.
        const auto number = vordix::xml::intAttribute(&element, a->Name());
        require(number == vordix::xml::parseInt(a->Value()), "intAttribute is parseInt");
        if (const auto u = vordix::xml::uintAttribute(&element, a->Name()); u && number && *number >= 0)
            require(static_cast<uint32_t>(*number) == *u, "signed and unsigned agree");
    }
    node.text = vordix::xml::elementText(&element);
    for (const tinyxml2::XMLElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
        copyFrom(*child, node.children.emplace_back());
}

void copyTo(const Node& node, tinyxml2::XMLElement& element)
{
    for (const auto& [name, value] : node.attributes)
        vordix::xml::setTextAttribute(element, name.c_str(), value);
    if (!node.text.empty())
        vordix::xml::setElementText(element, node.text);
    for (const Node& child : node.children)
        copyTo(child, *vordix::xml::appendChild(element, child.name.c_str()));
}

class TreeCopy : public VORDIX_STREAM {
public:
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&) override
    {
        if (!element)
            return false;
        root = Node();
        copyFrom(*element, root);
        return true;
    }
    const char* elementName() const override { return root.name.c_str(); }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const override { copyTo(root, element); }

    Node root;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // UTF-8 conversions: a wide text survives a round trip.
    const std::wstring wide = vordix::fromUtf8(input);
    require(vordix::fromUtf8(vordix::toUtf8(wide)) == wide, "UTF-8 round trip");

    TreeCopy copy;
    if (streamFromXml(input, copy) != STREAM_READ_OK)
        return 0;
    const std::string once = streamToXml(copy);
    require(!once.empty(), "a tree read is written");
    TreeCopy again;
    require(streamFromXml(once, again) == STREAM_READ_OK, "a written tree reads back");
    fuzzsupport::requireSameText(once, streamToXml(again), "the element tree");
    return 0;
}
