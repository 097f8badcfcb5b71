#pragma once
// Helpers shared by the drawing, bitmap and image-view tests.

#include "vordix/View.h"
#include "vordix/Zeichenbereich.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QWidget>

#include <functional>
#include <gtest/gtest.h>

// Makes sure the platform factory builds the implementors, also those of
// the fixture's own members.
class PlatformFactoryTest : public ::testing::Test {
protected:
    PlatformFactoryTest()
    {
        if (!dynamic_cast<WIN_IMPLEMENTORFACTORY*>(VORDIX_IMPLEMENTORFACTORY::instance()))
            VORDIX_IMPLEMENTORFACTORY::installInstance(new WIN_IMPLEMENTORFACTORY);
    }
};

// A view whose content is whatever the test draws.
class LambdaView : public VORDIX_VIEW {
public:
    std::function<void(VORDIX_ZEICHENBEREICH&)> paint;
    void draw(VORDIX_ZEICHENBEREICH& area) override
    {
        if (paint)
            paint(area);
    }
};

// The bounding box of the pixels that differ from the background.
inline QRect inkBounds(const QImage& image, QColor background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int inkCount(const QImage& image, QColor background)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                ++count;
    return count;
}

// Lets a widget paint itself plain white, so that drawing on it shows as ink.
inline void paintWhiteBackground(QWidget& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
