#pragma once
// Older files name one value under several keys; readers take the first
// key that is present.

#include "vordix/XmlHelpers.h"

#include <initializer_list>
#include <optional>
#include <tinyxml2.h>

// The first present attribute of the names, as integer (0 when it holds no
// number); empty when none is present.
inline std::optional<int> firstIntAttribute(const tinyxml2::XMLElement& element,
                                            std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (element.Attribute(name) != nullptr)
            return vordix::xml::intAttribute(&element, name, 0);
    return std::nullopt;
}
