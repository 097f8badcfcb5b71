#pragma once
// Framework colours (components in thousandths, 0..999) to toolkit colours.

#include <QColor>

// Each component is clamped to 0..999 and scaled as component * 255 / 999;
// the opacity (0.0..1.0, clamped) becomes the alpha opacity * 255, truncated.
QColor toQColor(int red, int green, int blue, float opacity = 1.0f);
