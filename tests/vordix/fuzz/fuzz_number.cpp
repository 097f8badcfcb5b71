// libFuzzer target for the number parser of every reader: parseInt and
// parseUInt agree with a plain reference of "%d" and "%u" without its
// overflow, and a number written is read back as itself.

#include "tests/support/fuzz/FuzzSupport.h"
#include "vordix/XmlHelpers.h"

#include <cstdint>
#include <optional>
#include <string>

using fuzzsupport::require;

namespace {

// Blanks, an optional sign, decimal digits; the value in 64 bits, or
// nothing without digits or beyond 2^32 in magnitude.
std::optional<std::pair<bool, uint64_t>> reference(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    uint64_t value = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        digits = true;
        value = value * 10 + uint64_t(text[i] - '0');
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    return std::make_pair(negative, value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto expected = reference(text);
    const auto signedValue = vordix::xml::parseInt(text);
    const auto unsignedValue = vordix::xml::parseUInt(text);

    std::optional<int64_t> expectedSigned;
    if (expected) {
        const int64_t v = expected->first ? -int64_t(expected->second) : int64_t(expected->second);
        if (v >= INT32_MIN && v <= INT32_MAX)
            expectedSigned = v;
    }
    require(signedValue.has_value() == expectedSigned.has_value(), "parseInt accepts what fits 32 bits");
    if (signedValue)
        require(*signedValue == *expectedSigned, "parseInt reads the value");
    const bool unsignedFits = expected && !expected->first;
    require(unsignedValue.has_value() == unsignedFits, "parseUInt accepts what fits unsigned 32 bits");
    if (unsignedValue)
        require(*unsignedValue == expected->second, "parseUInt reads the value");

    // Written numbers read back as themselves.
    if (signedValue)
        require(vordix::xml::parseInt(std::to_string(*signedValue)) == signedValue, "int round trip");
    if (unsignedValue)
        require(vordix::xml::parseUInt(std::to_string(*unsignedValue)) == unsignedValue, "uint round trip");
    return 0;
}
