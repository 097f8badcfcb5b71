#include "vordix/Random.h"

#include "vordix/XmlHelpers.h"

VORDIX_RANDOM::~VORDIX_RANDOM() = default;

int32_t VORDIX_RANDOM::next(int32_t n)
{
    if (n < 1 || n > MAX_RANGE)
        return 0;
    seed = seed * 214013u + 2531011u;
    return static_cast<int32_t>((seed >> 16) & 0x7fffu) % n;
}

bool VORDIX_RANDOM::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    auto value = vordix::xml::intAttribute(element, "SEED");
    if (!value)
        return false;
    seed = static_cast<uint32_t>(*value);
    return true;
}

void VORDIX_RANDOM::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    // Signed "%d": seeds of 2^31 and above appear as negative numbers.
    vordix::xml::setIntAttribute(element, "SEED", static_cast<int32_t>(seed));
}
