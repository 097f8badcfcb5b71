#include "vordix/windows/ColorHelpers.h"

#include <algorithm>

namespace {

int scaled(int component) { return std::clamp(component, 0, 999) * 255 / 999; }

} // namespace

QColor toQColor(int red, int green, int blue, float opacity)
{
    // NaN fails both comparisons and counts as opaque.
    const float alpha = opacity < 0.0f ? 0.0f : (opacity <= 1.0f ? opacity : 1.0f);
    return QColor(scaled(red), scaled(green), scaled(blue), static_cast<int>(alpha * 255.0f));
}
