#include "vordix/NetworkMessage.h"

#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

using namespace vordix;

VORDIX_NETWORKMESSAGE::~VORDIX_NETWORKMESSAGE() = default;

void VORDIX_NETWORKMESSAGE::write(tinyxml2::XMLElement& parent, tinyxml2::XMLDocument&) const
{
    tinyxml2::XMLElement* envelope = xml::appendChild(parent, "VNM");
    xml::setTextAttribute(*envelope, "SUID", suid);
    if (!tuid.empty())
        xml::setTextAttribute(*envelope, "TUID", tuid);
    if (type != 0)
        xml::setIntAttribute(*envelope, "VORDIX_TYP", type);
}

bool VORDIX_NETWORKMESSAGE::read(const tinyxml2::XMLElement* parent, const tinyxml2::XMLDocument&)
{
    const tinyxml2::XMLElement* envelope = xml::firstChild(parent, "VNM");
    if (!envelope)
        return false;
    auto sender = xml::textAttribute(envelope, "SUID");
    if (!sender)
        return false;
    suid = *sender;
    if (auto target = xml::textAttribute(envelope, "TUID"))
        tuid = *target;
    type = xml::intAttribute(envelope, "VORDIX_TYP", 0);
    return true;
}
