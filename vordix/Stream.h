#pragma once
// Every object that is stored in a file or sent over the network derives
// from VORDIX_STREAM: it writes itself into an XML element and reads itself
// back from one.

#include <string>
#include <string_view>

namespace tinyxml2 {
class XMLDocument;
class XMLElement;
} // namespace tinyxml2

class VORDIX_STREAM {
public:
    virtual ~VORDIX_STREAM();

    // Reads the object from the given element; element is null when the XML
    // holds none, and the result must then be false.
    virtual bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) = 0;

    // The name of the element that holds this object.
    virtual const char* elementName() const = 0;

    // Writes the object into the given element (most classes), or adds a child
    // element of its own under it (the network message envelope).
    virtual void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const = 0;
};

// The stream as compact XML text: its element named by elementName(), no
// declaration, no white space between elements. Empty when printing fails.
std::string streamToXml(const VORDIX_STREAM& stream);

enum StreamFromXmlResult { STREAM_READ_OK = 0, STREAM_NOT_WELL_FORMED = 1, STREAM_READ_FAILED = 2 };

// Parses the text and lets the stream read the first element. Never throws.
int streamFromXml(std::string_view text, VORDIX_STREAM& stream);

namespace vordix::xml {

// Adds a child element named stream.elementName() to parent and writes the
// stream into it; returns the new child.
tinyxml2::XMLElement* appendStream(tinyxml2::XMLElement& parent, const VORDIX_STREAM& stream);

// Reads the stream from parent's first child named stream.elementName();
// false when there is none or reading fails (exceptions count as failure).
bool readChildStream(const tinyxml2::XMLElement* parent, VORDIX_STREAM& stream);

} // namespace vordix::xml
