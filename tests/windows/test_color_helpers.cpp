#include "vordix/windows/ColorHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ToQColor, ScalesThousandthsAndOpacity)
{
    const struct {
        int r, g, b;
        float opacity;
        QColor expected;
    } cases[] = {
        {999, 0, 500, 1.0f, QColor(255, 0, 127, 255)},
        {1500, 999, 998, 1.0f, QColor(255, 255, 254, 255)}, // above 999 counts as 999
        {-20, 1, 4, 0.0f, QColor(0, 0, 1, 0)},
        {0, 0, 0, 0.5f, QColor(0, 0, 0, 127)},
        {0, 0, 0, 1.7f, QColor(0, 0, 0, 255)}, // opacity beyond 1 stays opaque
        {0, 0, 0, -0.2f, QColor(0, 0, 0, 0)},
        {0, 0, 0, NAN, QColor(0, 0, 0, 255)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toQColor(c.r, c.g, c.b, c.opacity), c.expected)
            << c.r << "," << c.g << "," << c.b << " @" << c.opacity;
    }
}
