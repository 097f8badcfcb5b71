#include "vordix/Stream.h"
#include "vordix/XmlHelpers.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <stdexcept>

using namespace vordix;

namespace {

struct Probe : VORDIX_STREAM {
    std::wstring name;
    int points = 0;
    bool hasChild = false;
    bool throwOnRead = false;
    bool sawNull = false;

    const char* elementName() const override { return "PROBE"; }
    void write(tinyxml2::XMLElement& e, tinyxml2::XMLDocument&) const override
    {
        if (!name.empty())
            xml::setTextAttribute(e, "NAME", name);
        if (points)
            xml::setIntAttribute(e, "P", points);
        if (hasChild)
            xml::setElementText(*xml::appendChild(e, "KIND"), L"Grüße");
    }
    bool read(const tinyxml2::XMLElement* e, const tinyxml2::XMLDocument&) override
    {
        if (throwOnRead)
            throw std::runtime_error("bad");
        if (!e) {
            sawNull = true;
            return false;
        }
        name = xml::textAttribute(e, "NAME").value_or(L"");
        points = xml::intAttribute(e, "P", 0);
        hasChild = xml::firstChild(e, "KIND") != nullptr;
        return true;
    }
};

} // namespace

TEST(StreamXml, EmptyWriteGivesTheBareElement) { EXPECT_EQ(streamToXml(Probe{}), "<PROBE/>"); }

TEST(StreamXml, RoundTripIsCompactAndKeepsText)
{
    Probe p;
    p.name = L"Herz-Dame € \"<&>\"";
    p.points = -120;
    p.hasChild = true;
    const std::string text = streamToXml(p);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.find("<?xml"), std::string::npos);
    Probe back;
    ASSERT_EQ(streamFromXml(text, back), STREAM_READ_OK);
    EXPECT_EQ(back.name, p.name);
    EXPECT_EQ(back.points, -120);
    EXPECT_TRUE(back.hasChild);
}

TEST(StreamXml, FromXmlResultCodes)
{
    const struct {
        const char* text;
        int code;
    } cases[] = {{"", STREAM_NOT_WELL_FORMED},
                 {"<PROBE", STREAM_NOT_WELL_FORMED},
                 {"<A><B></A>", STREAM_NOT_WELL_FORMED},
                 {"just text", STREAM_NOT_WELL_FORMED},
                 {"<!-- only a comment -->", STREAM_READ_FAILED},
                 {"<PROBE P=\"3\"/>", STREAM_READ_OK}};
    for (const auto& c : cases) {
        Probe p;
        EXPECT_EQ(streamFromXml(c.text, p), c.code) << c.text;
    }
    Probe p;
    EXPECT_EQ(streamFromXml("<!-- x -->", p), STREAM_READ_FAILED);
    EXPECT_TRUE(p.sawNull) << "read gets a null element when the XML holds none";
    p.throwOnRead = true;
    EXPECT_EQ(streamFromXml("<PROBE/>", p), STREAM_READ_FAILED);
}

TEST(StreamXml, ChildStreamHelpers)
{
    tinyxml2::XMLDocument doc;
    auto* root = doc.NewElement("ROOT");
    doc.InsertEndChild(root);
    Probe p;
    p.points = 7;
    xml::appendStream(*root, p);
    Probe back;
    EXPECT_TRUE(xml::readChildStream(root, back));
    EXPECT_EQ(back.points, 7);
    EXPECT_FALSE(xml::readChildStream(nullptr, back));
    EXPECT_FALSE(xml::readChildStream(doc.NewElement("LEER"), back));
}

TEST(XmlHelpers, IntegersParseLikePercentD)
{
    const struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {{"42", 42},
                 {"-1", -1},
                 {"  +7", 7},
                 {"12abc", 12},
                 {"0x10", 0}, // no hexadecimal: the digits before 'x' count
                 {"-2147483648", INT32_MIN},
                 {"2147483647", INT32_MAX},
                 {"2147483648", std::nullopt},
                 {"99999999999999999999", std::nullopt},
                 {"", std::nullopt},
                 {"-", std::nullopt},
                 {"abc", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(xml::parseInt(c.text), c.value) << c.text;
    EXPECT_EQ(xml::parseUInt("4294967295"), 4294967295u);
    EXPECT_EQ(xml::parseUInt("4294967296"), std::nullopt);
    EXPECT_EQ(xml::parseUInt("-1"), std::nullopt);
}

// Texts of white space alone were dropped by the parser (found by the XML
// layer's fuzzer with a chat line of empty lines).
TEST(XmlHelpers, ElementTextsReadBackAsWritten)
{
    for (const std::wstring text : {L"", L" ", L"\n\n\n", L"\t \n", L"\n\f\v\n", L"a", L" a \n", L"Grüße"}) {
        tinyxml2::XMLDocument document;
        tinyxml2::XMLElement* element = document.NewElement("CHAT_CONTENT");
        document.InsertEndChild(element);
        xml::setElementText(*element, text);
        tinyxml2::XMLPrinter printer;
        document.Print(&printer);
        tinyxml2::XMLDocument again;
        ASSERT_EQ(again.Parse(printer.CStr()), tinyxml2::XML_SUCCESS);
        EXPECT_EQ(xml::elementText(again.FirstChildElement()), text) << printer.CStr();
    }
}

TEST(XmlHelpers, AttributesAndTextsOnMissingPieces)
{
    tinyxml2::XMLDocument doc;
    auto* e = doc.NewElement("E");
    doc.InsertEndChild(e);
    xml::setUIntAttribute(*e, "MASK", 0x08080808u);
    xml::setUtf8Attribute(*e, "U", "\xC3\xA4");
    EXPECT_EQ(xml::uintAttribute(e, "MASK"), 0x08080808u);
    EXPECT_EQ(xml::textAttribute(e, "U"), std::wstring(L"ä"));
    EXPECT_EQ(xml::utf8Attribute(e, "U"), std::string("\xC3\xA4"));
    EXPECT_EQ(xml::intAttribute(e, "FEHLT"), std::nullopt);
    EXPECT_EQ(xml::intAttribute(nullptr, "P", 5), 5);
    EXPECT_EQ(xml::textAttribute(nullptr, "U"), std::nullopt);
    EXPECT_EQ(xml::elementText(e), L"");
    EXPECT_EQ(xml::elementText(nullptr), L"");
    EXPECT_EQ(xml::firstChild(nullptr, "X"), nullptr);
}

// Deeply nested input never reaches a reader: the parser refuses it at its
// depth limit, however deep it goes.
TEST(StreamFromXml, DeeplyNestedElementsAreRefusedByTheParser)
{
    for (int depth : {200, 100000}) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "<a>";
        for (int i = 0; i < depth; ++i)
            text += "</a>";
        Probe p;
        EXPECT_EQ(streamFromXml(text, p), STREAM_NOT_WELL_FORMED) << depth;
    }
    std::string shallow;
    for (int i = 0; i < 50; ++i)
        shallow += "<PROBE>";
    for (int i = 0; i < 50; ++i)
        shallow += "</PROBE>";
    Probe p;
    EXPECT_NE(streamFromXml(shallow, p), STREAM_NOT_WELL_FORMED);
}
