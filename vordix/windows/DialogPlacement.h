#pragma once
// Where dialogs go: the position codes of embedded dialogs, the packed form
// of remembered positions and keeping a dialog inside the work area. Plain
// arithmetic, kept apart from the widgets so that it is testable alone.

#include <algorithm>
#include <cstdint>
#include <optional>

namespace vordix::placement {

// Position codes of an embedded dialog's "xPosition"/"yPosition".
enum PositionCode { ALIGN_CLIENT = -1, CENTRE = -2, FAR_EDGE = -3 };

// One coordinate of an embedded dialog in its parent. A code >= 0 is an
// offset (plus the caller's shift); -1 takes the client widget's position in
// the parent (0 without one); -2 centres; -3 aligns with the far edge; any
// other negative value is taken as it is.
inline int resolveCoordinate(int code, int parentExtent, int dialogExtent, int clientPosition, int shift = 0)
{
    switch (code) {
    case ALIGN_CLIENT: return clientPosition;
    case CENTRE: return (parentExtent - dialogExtent) / 2;
    case FAR_EDGE: return parentExtent - dialogExtent;
    default: return code >= 0 ? code + shift : code;
    }
}

// A remembered position as stored: x in the high and y in the low 16 bits,
// negative coordinates raised to 0 first.
inline std::uint32_t packPosition(int x, int y)
{
    const auto ux = static_cast<std::uint32_t>(std::max(x, 0));
    const auto uy = static_cast<std::uint32_t>(std::max(y, 0));
    return (ux << 16) + (uy & 0xFFFFu);
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

inline Point unpackPosition(std::uint32_t packed)
{
    return {static_cast<std::int16_t>(packed >> 16), static_cast<std::int16_t>(packed & 0xFFFFu)};
}

struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A remembered position moved so that the whole frame lies in the work area
// (as far as the frame fits at all).
inline Point clampToWorkArea(Point position, int frameWidth, int frameHeight, const Area& work)
{
    Point p = position;
    if (p.x + frameWidth > work.x + work.width)
        p.x = work.x + work.width - frameWidth;
    if (p.y + frameHeight > work.y + work.height)
        p.y = work.y + work.height - frameHeight;
    p.x = std::max(p.x, work.x);
    p.y = std::max(p.y, work.y);
    return p;
}

// A free dialog centred in the work area.
inline Point centreInWorkArea(int frameWidth, int frameHeight, const Area& work)
{
    return {work.x + (work.width - frameWidth) / 2, work.y + (work.height - frameHeight) / 2};
}

} // namespace vordix::placement
