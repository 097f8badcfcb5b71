#include "test_drawing_support.h"

#include "vordix/Area.h"
#include "vordix/Bitmap.h"
#include "vordix/Line.h"
#include "vordix/Text.h"
#include "vordix/windows/WinBitmap.h"
#include "vordix/windows/WinLine.h"
#include "vordix/windows/WinText.h"
#include "vordix/windows/WinView.h"
#include "vordix/windows/WinZeichenbereich.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPainter>

namespace {

using Painting = std::function<void(VORDIX_ZEICHENBEREICH&)>;

const QColor kWhite(Qt::white);

void fillWhite(VORDIX_ZEICHENBEREICH& area, int width, int height)
{
    VORDIX_AREA white;
    white.setColor(999, 999, 999);
    white.fillRect(area, {0, 0, width, height});
}

// Paints on an off-screen bitmap canvas (a pass without antialiasing).
QImage paintOnCanvas(int width, int height, const Painting& paint)
{
    VORDIX_BITMAP bitmap;
    VORDIX_ZEICHENBEREICH area(&bitmap, width, height);
    area.beginPaint();
    paint(area);
    area.endPaint();
    auto* imp = dynamic_cast<WIN_BITMAP*>(bitmap.implementor());
    return imp && imp->image() ? imp->image()->convertToFormat(QImage::Format_ARGB32) : QImage();
}

// Paints in a view's paint event (antialiased) and grabs the widget.
QImage paintOnView(int width, int height, const Painting& paint)
{
    LambdaView view;
    view.paint = paint;
    auto* widget = dynamic_cast<WIN_VIEW*>(view.implementor().get());
    if (!widget)
        return {};
    view.resize(width, height);
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

struct Surface {
    const char* name;
    QImage (*paint)(int, int, const Painting&);
};
const Surface kSurfaces[] = {{"canvas", &paintOnCanvas}, {"view", &paintOnView}};

class Drawing : public PlatformFactoryTest { };

} // namespace

TEST_F(Drawing, RectangleOutlineAndFillCoverExactlyTheirPixels)
{
    for (const Surface& surface : kSurfaces) {
        const QImage outline = surface.paint(30, 20, [](VORDIX_ZEICHENBEREICH& area) {
            fillWhite(area, 30, 20);
            VORDIX_LINE line;
            line.drawRect(area, {3, 4, 10, 5});
        });
        ASSERT_FALSE(outline.isNull()) << surface.name;
        EXPECT_EQ(inkBounds(outline, kWhite), QRect(3, 4, 10, 5)) << surface.name;
        EXPECT_EQ(inkCount(outline, kWhite), 2 * 10 + 2 * 5 - 4) << surface.name;
        EXPECT_EQ(outline.pixelColor(3, 4), QColor(Qt::black)) << surface.name;
        EXPECT_EQ(outline.pixelColor(12, 8), QColor(Qt::black)) << surface.name;

        const QImage filled = surface.paint(30, 20, [](VORDIX_ZEICHENBEREICH& area) {
            fillWhite(area, 30, 20);
            VORDIX_AREA fill;
            fill.setColor(0, 0, 999);
            fill.fillRect(area, {3, 4, 10, 5});
        });
        EXPECT_EQ(inkBounds(filled, kWhite), QRect(3, 4, 10, 5)) << surface.name;
        EXPECT_EQ(inkCount(filled, kWhite), 50) << surface.name;
        EXPECT_EQ(filled.pixelColor(7, 6), QColor(0, 0, 255)) << surface.name;
    }
}

TEST_F(Drawing, ViewPaintsShapesInTheirColours)
{
    const QImage image = paintOnView(120, 80, [](VORDIX_ZEICHENBEREICH& area) {
        fillWhite(area, 120, 80);
        VORDIX_AREA green;
        green.setColor(0, 999, 0);
        green.fillCircle(area, 20, 20, 10);
        green.fillEllipse(area, 60, 20, 15, 8);
        VORDIX_AREA red;
        red.setColor(999, 0, 0);
        red.fillPie(area, 100, 60, 15, 15, 0, 90 * 16); // upper right quarter
        red.fillRoundedRect(area, {10, 45, 40, 30}, 5);
        VORDIX_LINE blue;
        blue.setColor(0, 0, 999);
        blue.lineWidth = 3;
        blue.drawLine(area, 60, 70, 80, 70);
    });
    struct Probe {
        int x, y;
        QColor colour;
    };
    for (const Probe& p : {Probe{20, 20, QColor(0, 255, 0)}, Probe{20, 8, kWhite}, Probe{72, 20, QColor(0, 255, 0)},
                           Probe{60, 10, kWhite}, Probe{108, 52, QColor(255, 0, 0)}, Probe{92, 68, kWhite},
                           Probe{30, 60, QColor(255, 0, 0)}, Probe{70, 70, QColor(0, 0, 255)}, Probe{70, 73, kWhite}})
        EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(Drawing, ColourComponentsAreCappedAndOpacityBecomesAlpha)
{
    const QImage image = paintOnCanvas(10, 10, [](VORDIX_ZEICHENBEREICH& area) {
        VORDIX_AREA fill;
        fill.setColor(1500, 0, 999);
        fill.opacity = 0.5f;
        fill.fillRect(area, {0, 0, 10, 10});
    });
    const QColor pixel = image.pixelColor(5, 5);
    EXPECT_EQ(pixel.alpha(), 127);
    EXPECT_EQ(pixel.red(), 255);
    EXPECT_EQ(pixel.green(), 0);
    EXPECT_EQ(pixel.blue(), 255);
}

TEST_F(Drawing, EraseModeLeavesTransparentPixels)
{
    const QImage image = paintOnCanvas(20, 20, [](VORDIX_ZEICHENBEREICH& area) {
        fillWhite(area, 20, 20);
        VORDIX_AREA eraser;
        eraser.drawingMode = VORDIX_GRAPHICS_OBJECT::ERASE;
        eraser.fillRect(area, {5, 5, 4, 4});
        eraser.fillCircle(area, 15, 15, 3);
        VORDIX_LINE pen; // the mode is restored for the next primitive
        pen.drawLine(area, 0, 0, 0, 19);
    });
    EXPECT_EQ(image.pixelColor(6, 6).alpha(), 0);
    EXPECT_EQ(image.pixelColor(15, 15).alpha(), 0);
    EXPECT_EQ(image.pixelColor(10, 10), kWhite);
    EXPECT_EQ(image.pixelColor(0, 10), QColor(Qt::black));
}

TEST_F(Drawing, RoundedOutlineWithRadiusZeroUsesHalfTheSmallerSide)
{
    const QImage image = paintOnCanvas(60, 50, [](VORDIX_ZEICHENBEREICH& area) {
        fillWhite(area, 60, 50);
        VORDIX_LINE line;
        line.drawRoundedRect(area, {5, 5, 40, 30}, 0);
    });
    QImage expected(60, 50, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRoundedRect(QRectF(5, 5, 40, 30), 15, 15, Qt::AbsoluteSize);
    painter.end();
    EXPECT_EQ(image, expected.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(Drawing, LineStylesMapToPenStyles)
{
    const std::pair<int, Qt::PenStyle> cases[] = {{0, Qt::SolidLine}, {1, Qt::DotLine},        {2, Qt::DashDotLine},
                                                  {3, Qt::DashLine},  {4, Qt::DashDotDotLine}, {5, Qt::SolidLine},
                                                  {-1, Qt::SolidLine}};
    for (const auto& [style, pen] : cases)
        EXPECT_EQ(WIN_LINE::penStyle(style), pen) << style;
}

TEST_F(Drawing, ClipLimitsDrawingUntilReset)
{
    const QImage image = paintOnCanvas(20, 10, [](VORDIX_ZEICHENBEREICH& area) {
        fillWhite(area, 20, 10);
        VORDIX_AREA black;
        area.setClip(0, 0, 5, 10);
        black.fillRect(area, {0, 0, 20, 5});
        area.resetClip();
        black.fillRect(area, {0, 5, 20, 5});
    });
    EXPECT_EQ(inkBounds(image, kWhite), QRect(0, 0, 20, 10));
    EXPECT_EQ(inkCount(image, kWhite), 5 * 5 + 20 * 5);
}

TEST_F(Drawing, PassesAreOpenedOnlyOnceAndOnlyWithATarget)
{
    VORDIX_ZEICHENBEREICH noTarget;
    noTarget.beginPaint();
    EXPECT_EQ(WIN_ZEICHENBEREICH::painterOf(noTarget), nullptr);
    VORDIX_AREA fill;
    fill.fillRect(noTarget, {0, 0, 5, 5}); // outside a pass: nothing, no crash
    noTarget.setClip(0, 0, 1, 1);
    noTarget.resetClip();

    VORDIX_BITMAP bitmap;
    VORDIX_ZEICHENBEREICH area(&bitmap, 8, 8);
    area.beginPaint();
    QPainter* first = WIN_ZEICHENBEREICH::painterOf(area);
    ASSERT_NE(first, nullptr);
    area.beginPaint();
    EXPECT_EQ(WIN_ZEICHENBEREICH::painterOf(area), first);
    area.endPaint();
    EXPECT_EQ(WIN_ZEICHENBEREICH::painterOf(area), nullptr);
    EXPECT_EQ(bitmap.getWidth(), 8);
    EXPECT_EQ(bitmap.getHeight(), 8);
}

TEST_F(Drawing, CanvasWithoutAlphaIsConvertedOnceAndKeepsItsImage)
{
    QImage opaque(6, 4, QImage::Format_RGB32);
    opaque.fill(QColor(10, 200, 30));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    opaque.save(&buffer, "PNG");

    VORDIX_BITMAP bitmap;
    ASSERT_TRUE(bitmap.loadFromData(reinterpret_cast<const unsigned char*>(png.constData()), png.size()));
    auto* imp = dynamic_cast<WIN_BITMAP*>(bitmap.implementor());
    ASSERT_FALSE(imp->image()->hasAlphaChannel());

    VORDIX_ZEICHENBEREICH area(&bitmap);
    area.beginPaint();
    area.endPaint();
    const QImage* converted = imp->image();
    EXPECT_TRUE(converted->hasAlphaChannel());
    EXPECT_EQ(converted->pixelColor(5, 3), QColor(10, 200, 30));

    area.beginPaint();
    area.endPaint();
    EXPECT_EQ(imp->image(), converted); // no second conversion

    VORDIX_ZEICHENBEREICH larger(&bitmap, 12, 8); // another size scales the image
    larger.beginPaint();
    larger.endPaint();
    EXPECT_EQ(bitmap.getWidth(), 12);
    EXPECT_EQ(imp->image()->pixelColor(11, 7), QColor(10, 200, 30));
}

TEST_F(Drawing, UpdateRectWithNegativeExtentsMeansTheWholeSide)
{
    LambdaView view;
    auto* widget = dynamic_cast<WIN_VIEW*>(view.implementor().get());
    ASSERT_NE(widget, nullptr);
    view.resize(200, 100);
    EXPECT_EQ(widget->size(), QSize(200, 100));
    EXPECT_EQ(widget->updateArea(5, 6, -1, 10), QRect(0, 6, 200, 10));
    EXPECT_EQ(widget->updateArea(5, 6, 7, -1), QRect(5, 0, 7, 100));
    EXPECT_EQ(widget->updateArea(5, 6, 7, 8), QRect(5, 6, 7, 8));
    const RECTANGLE global = view.mapToGlobal();
    EXPECT_EQ(global.width, 200);
    EXPECT_EQ(global.height, 100);
}

namespace {
VORDIX_TEXT* sampleText(VORDIX_TEXT& text, int align, int rotation = 0)
{
    text.text = L"Skat 123";
    text.size = 20;
    text.horizontalAlign = align;
    text.rotation = rotation;
    return &text;
}
} // namespace

TEST_F(Drawing, TextIsAlignedOnItsAnchor)
{
    // Ink of glyphs sits a pixel or two inside the advance; the tolerance
    // covers that, not a wrong offset (which would be half a text width).
    constexpr int anchor = 100;
    struct Case {
        int align;
        const char* name;
    };
    for (const Case& c : {Case{0, "left"}, Case{1, "centre"}, Case{2, "right"}}) {
        const QImage image = paintOnView(200, 40, [&](VORDIX_ZEICHENBEREICH& area) {
            fillWhite(area, 200, 40);
            VORDIX_TEXT text;
            sampleText(text, c.align)->drawText(area, anchor, 30);
        });
        const QRect ink = inkBounds(image, kWhite);
        ASSERT_FALSE(ink.isEmpty()) << c.name;
        if (c.align == 0)
            EXPECT_NEAR(ink.left(), anchor, 3) << c.name;
        if (c.align == 1)
            EXPECT_NEAR(ink.center().x(), anchor, 3) << c.name;
        if (c.align == 2)
            EXPECT_NEAR(ink.right(), anchor, 3) << c.name;
        EXPECT_LE(ink.bottom(), 30 + 2) << c.name; // baseline at y (one up for top alignment)
    }
}

TEST_F(Drawing, RotatedTextTurnsAboutTheOrigin)
{
    // Turned a quarter clockwise, a text placed at (x, y) lands at (-y, x),
    // runs downwards and rises to the right of its baseline.
    const QImage image = paintOnView(60, 200, [](VORDIX_ZEICHENBEREICH& area) {
        fillWhite(area, 60, 200);
        VORDIX_TEXT text;
        sampleText(text, 0, 90)->drawText(area, 20, -30);
    });
    const QRect ink = inkBounds(image, kWhite);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_NEAR(ink.top(), 20, 3);
    EXPECT_GE(ink.left(), 30 - 6); // descenders only left of the baseline
    EXPECT_GT(ink.right(), 30 + 5);
}

TEST_F(Drawing, FontsMapToInstalledFamiliesWithQtWeights)
{
    struct Case {
        int kind;
        const char* family;
    };
    for (const Case& c : {Case{0, "Liberation Sans"}, Case{1, "Liberation Mono"}, Case{2, "Liberation Serif"},
                          Case{3, "Liberation Sans"}}) {
        VORDIX_TEXT text;
        text.text = L"x";
        text.fontKind = c.kind;
        text.styleBits = VORDIX_TEXT::BOLD | VORDIX_TEXT::ITALIC | VORDIX_TEXT::UNDERLINE;
        int w = 0, h = 0;
        text.measureText(w, h);
        const QFont& font = dynamic_cast<WIN_TEXT*>(text.implementor())->font();
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.family)) << c.kind;
        EXPECT_EQ(font.weight(), QFont::Bold);
        EXPECT_TRUE(font.italic());
        EXPECT_TRUE(font.underline());
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 13 * static_cast<double>(0.8625f));

        text.styleBits = 0;
        text.measureText(w, h);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic());
    }
}

TEST_F(Drawing, MeasuredTextGrowsWithTextAndSize)
{
    VORDIX_TEXT text;
    int emptyW = -1, emptyH = -1, shortW = 0, shortH = 0, longW = 0, longH = 0, bigW = 0, bigH = 0;
    text.measureText(emptyW, emptyH);
    EXPECT_EQ(emptyW, 0);
    text.text = L"Grand";
    text.measureText(shortW, shortH);
    text.text = L"Grand Ouvert";
    text.measureText(longW, longH);
    text.size = 26;
    text.measureText(bigW, bigH);
    EXPECT_GT(shortW, 0);
    EXPECT_GT(shortH, 0);
    EXPECT_GT(longW, shortW);
    EXPECT_EQ(longH, shortH);
    EXPECT_GT(bigW, longW);
    EXPECT_GT(bigH, longH);
}
