#pragma once
// The framework's envelope of every network message: a child element "VNM"
// of the element it is given, carrying the sender's and the addressee's
// identifiers and a framework message type. The game's network messages
// derive from it and name their own element.

#include "vordix/Stream.h"

#include <cstdint>
#include <string>

class VORDIX_NETWORKMESSAGE : public VORDIX_STREAM {
public:
    VORDIX_NETWORKMESSAGE() = default;
    ~VORDIX_NETWORKMESSAGE() override;

    // Reads the first "VNM" child of parent; false without one or without "SUID".
    bool read(const tinyxml2::XMLElement* parent, const tinyxml2::XMLDocument& document) override;
    // Appends "VNM" to parent: "SUID" always, "TUID" when set, "VORDIX_TYP" when not 0.
    void write(tinyxml2::XMLElement& parent, tinyxml2::XMLDocument& document) const override;

    int32_t type = 0;
    std::wstring suid; // the sending side
    std::wstring tuid; // the target side; empty: no particular target
};
