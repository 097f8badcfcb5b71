#include "test_drawing_support.h"

#include "vordix/Bitmap.h"
#include "vordix/File.h"
#include "vordix/windows/WinBitmap.h"

#include <QBuffer>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 255, 0), kYellow(255, 255, 0);

// 2 x 2: red, blue on top; green, yellow below.
QImage quadrants()
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixelColor(0, 0, kRed);
    image.setPixelColor(1, 0, kBlue);
    image.setPixelColor(0, 1, kGreen);
    image.setPixelColor(1, 1, kYellow);
    return image;
}

QByteArray encoded(const QImage& image, const char* format = "PNG")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool loadImage(VORDIX_BITMAP& bitmap, const QImage& image)
{
    const QByteArray bytes = encoded(image);
    return bitmap.loadFromData(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
}

const QImage& imageOf(const VORDIX_BITMAP& bitmap)
{
    static const QImage none;
    auto* imp = dynamic_cast<WIN_BITMAP*>(bitmap.implementor());
    return imp && imp->image() ? *imp->image() : none;
}

// Draws onto a fresh transparent canvas of the size.
QImage drawn(int width, int height, const std::function<void(VORDIX_ZEICHENBEREICH&)>& draw)
{
    VORDIX_BITMAP canvas;
    VORDIX_ZEICHENBEREICH area(&canvas, width, height);
    area.beginPaint();
    draw(area);
    area.endPaint();
    return imageOf(canvas).convertToFormat(QImage::Format_ARGB32);
}

// Smooth transformation may move a channel by a step or two.
::testing::AssertionResult near(const QColor& actual, const QColor& expected)
{
    const int diff = std::max({std::abs(actual.red() - expected.red()), std::abs(actual.green() - expected.green()),
                               std::abs(actual.blue() - expected.blue()), std::abs(actual.alpha() - expected.alpha())});
    if (diff <= 3)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual.name(QColor::HexArgb).toStdString() << " is not near "
                                         << expected.name(QColor::HexArgb).toStdString();
}

class Bitmap : public PlatformFactoryTest {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("skat-bitmap-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
        m_folder.setPath(m_dir.wstring());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    VORDIX_FILE file(const std::wstring& name) const { return VORDIX_FILE(m_folder, name); }

    fs::path m_dir;
    VORDIX_FOLDER m_folder;
};

QtMessageHandler g_previousHandler = nullptr;
QStringList g_debugLines;
void recordDebug(QtMsgType, const QMessageLogContext&, const QString& text) { g_debugLines << text; }

} // namespace

TEST_F(Bitmap, LoadsFromFileAndSavesThroughATemporaryFile)
{
    VORDIX_BITMAP source;
    ASSERT_TRUE(loadImage(source, quadrants()));
    EXPECT_EQ(dynamic_cast<WIN_BITMAP*>(source.implementor())->name(), QStringLiteral("from data"));
    ASSERT_TRUE(source.save(file(L"karte.png")));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);

    VORDIX_BITMAP loaded;
    ASSERT_TRUE(loaded.load(file(L"karte.png")));
    EXPECT_TRUE(loaded.isLoaded());
    EXPECT_EQ(loaded.getWidth(), 2);
    EXPECT_EQ(loaded.getHeight(), 2);
    EXPECT_EQ(imageOf(loaded).pixelColor(1, 1), kYellow);
    EXPECT_EQ(dynamic_cast<WIN_BITMAP*>(loaded.implementor())->name(),
              QString::fromStdWString((m_dir / "karte.png").wstring()));
}

TEST_F(Bitmap, UnreadableInputLeavesTheBitmapUnloaded)
{
    std::ofstream(m_dir / "kaputt.png") << "not an image";
    VORDIX_BITMAP bitmap;
    ASSERT_TRUE(loadImage(bitmap, quadrants()));

    g_debugLines.clear();
    g_previousHandler = qInstallMessageHandler(recordDebug);
    const bool loaded = bitmap.load(file(L"kaputt.png"));
    qInstallMessageHandler(g_previousHandler);
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.getWidth(), 0);
    ASSERT_EQ(g_debugLines.size(), 2);
    EXPECT_TRUE(g_debugLines[0].startsWith("Kann Bilddatei ")) << g_debugLines[0].toStdString();
    EXPECT_TRUE(g_debugLines[0].endsWith("kaputt.png nicht laden"));
    EXPECT_TRUE(g_debugLines[1].startsWith("    Unterstützte Bildformate: "));
    EXPECT_TRUE(g_debugLines[1].contains("png"));

    EXPECT_FALSE(bitmap.load(file(L"fehlt.png")));
    const unsigned char garbage[] = {1, 2, 3, 4};
    EXPECT_FALSE(bitmap.loadFromData(garbage, sizeof garbage));
    EXPECT_FALSE(bitmap.loadFromData(nullptr, 0));
    EXPECT_FALSE(bitmap.isLoaded());
}

TEST_F(Bitmap, SaveFailsWithoutImageOrWritableFileAndKeepsTheOldFile)
{
    VORDIX_BITMAP empty;
    EXPECT_FALSE(empty.save(file(L"leer.png")));
    EXPECT_FALSE(fs::exists(m_dir / "leer.png"));

    VORDIX_BITMAP bitmap;
    ASSERT_TRUE(loadImage(bitmap, quadrants()));
    EXPECT_FALSE(bitmap.save(file(L"ohne_endung")));
    VORDIX_FOLDER missing;
    missing.setPath((m_dir / "gibt-es-nicht").wstring());
    EXPECT_FALSE(bitmap.save(VORDIX_FILE(missing, L"karte.png")));

    std::ofstream(m_dir / "alt.xyz") << "old";
    EXPECT_FALSE(bitmap.save(file(L"alt.xyz"))); // no such image format
    std::ifstream old(m_dir / "alt.xyz");
    std::string content;
    old >> content;
    EXPECT_EQ(content, "old");
}

TEST_F(Bitmap, TransformedCopiesPlaceAndMirror)
{
    VORDIX_BITMAP source;
    ASSERT_TRUE(loadImage(source, quadrants()));
    struct Case {
        int x, y, width, height, canvasW, canvasH;
        QColor topLeft, topRight, bottomLeft;
    };
    const Case cases[] = {
        {0, 0, 2, 2, 2, 2, kRed, kBlue, kGreen},      // plain copy
        {2, 0, -2, 2, 2, 2, kBlue, kRed, kYellow},    // mirrored left to right
        {0, 2, 2, -2, 2, 2, kGreen, kYellow, kRed},   // mirrored top to bottom
        {2, 2, -2, -2, 2, 2, kYellow, kGreen, kBlue}, // both
    };
    for (const Case& c : cases) {
        VORDIX_BITMAP copy;
        ASSERT_TRUE(copy.createTransformed(source, c.x, c.y, c.width, c.height, c.canvasW, c.canvasH));
        const QImage& image = imageOf(copy);
        EXPECT_TRUE(near(image.pixelColor(0, 0), c.topLeft)) << c.width << "x" << c.height;
        EXPECT_TRUE(near(image.pixelColor(1, 0), c.topRight)) << c.width << "x" << c.height;
        EXPECT_TRUE(near(image.pixelColor(0, 1), c.bottomLeft)) << c.width << "x" << c.height;
    }

    VORDIX_BITMAP placed; // a larger canvas stays transparent outside the copy
    ASSERT_TRUE(placed.createTransformed(source, 1, 1, 2, 2, 4, 3));
    EXPECT_EQ(placed.getWidth(), 4);
    EXPECT_EQ(placed.getHeight(), 3);
    EXPECT_EQ(imageOf(placed).pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(near(imageOf(placed).pixelColor(1, 1), kRed));
    EXPECT_TRUE(near(imageOf(placed).pixelColor(2, 2), kYellow));
}

TEST_F(Bitmap, ImpossibleTransformsAndCanvasesChangeNothing)
{
    VORDIX_BITMAP empty;
    VORDIX_BITMAP bitmap;
    ASSERT_TRUE(loadImage(bitmap, quadrants()));
    auto* imp = dynamic_cast<WIN_BITMAP*>(bitmap.implementor());
    EXPECT_FALSE(imp->createTransformed(empty, 0, 0, 2, 2, 2, 2));              // unloaded source
    EXPECT_FALSE(imp->createTransformed(bitmap, 0, 0, 2, 2, 0, 2));             // no canvas
    EXPECT_FALSE(imp->createTransformed(bitmap, 0, 0, 2, 2, 1 << 30, 1 << 30)); // cannot be allocated
    EXPECT_EQ(imp->prepareCanvas(1 << 30, 1 << 30), nullptr);
    EXPECT_TRUE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.getWidth(), 2);
    EXPECT_EQ(imageOf(bitmap).pixelColor(0, 0), kRed);

    VORDIX_ZEICHENBEREICH huge(&bitmap, 1 << 30, 1 << 30); // a pass that cannot open
    huge.beginPaint();
    huge.endPaint();
    EXPECT_EQ(bitmap.getWidth(), 2);

    VORDIX_BITMAP mirrored; // the platform bitmap can become a copy of itself
    ASSERT_TRUE(loadImage(mirrored, quadrants()));
    ASSERT_TRUE(mirrored.implementor()->createTransformed(mirrored, 2, 0, -2, 2, 2, 2));
    EXPECT_TRUE(near(imageOf(mirrored).pixelColor(0, 0), kBlue));
}

TEST_F(Bitmap, RotationTurnsAboutTheRectangleCentreAndIgnoresTinyAngles)
{
    VORDIX_BITMAP bitmap;
    ASSERT_TRUE(loadImage(bitmap, quadrants()));
    const QImage upright = drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawRotated(area, 0, 0, 4, 4, 0); });
    EXPECT_EQ(upright.pixelColor(0, 0), kRed);
    EXPECT_EQ(upright.pixelColor(3, 0), kBlue);

    // A quarter turn counter-clockwise brings the right column to the top.
    const QImage turned = drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawRotated(area, 0, 0, 4, 4, 90); });
    EXPECT_EQ(turned.pixelColor(0, 0), kBlue);
    EXPECT_EQ(turned.pixelColor(3, 0), kYellow);
    EXPECT_EQ(turned.pixelColor(0, 3), kRed);

    for (float tiny : {0.01f, -0.01f}) {
        const QImage image =
            drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawRotated(area, 0, 0, 4, 4, tiny); });
        EXPECT_EQ(image, upright) << tiny;
    }
    EXPECT_TRUE(WIN_BITMAP::countsAsUnrotated(0.01f));
    EXPECT_TRUE(WIN_BITMAP::countsAsUnrotated(-0.01f));
    EXPECT_FALSE(WIN_BITMAP::countsAsUnrotated(0.011f));
    EXPECT_FALSE(WIN_BITMAP::countsAsUnrotated(-0.011f));

    const QImage plain =
        drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawWithoutRotation(area, 0, 0, 4, 4); });
    EXPECT_EQ(plain, upright);
    const QImage own = drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.draw(area, 1, 1); });
    EXPECT_EQ(own.pixelColor(1, 1), kRed);
    EXPECT_EQ(own.pixelColor(2, 2), kYellow);
    EXPECT_EQ(own.pixelColor(3, 3).alpha(), 0);
}

TEST_F(Bitmap, TranslucentDrawingBuildsOneCopyPerOpacity)
{
    VORDIX_BITMAP bitmap;
    QImage red(4, 4, QImage::Format_RGB32); // no alpha channel of its own
    red.fill(kRed);
    ASSERT_TRUE(loadImage(bitmap, red));
    auto* imp = dynamic_cast<WIN_BITMAP*>(bitmap.implementor());

    QImage image;
    for (int i = 0; i < 2; ++i)
        image =
            drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawWithTransparency(area, 0, 0, 4, 4, 0.5f, 0); });
    EXPECT_EQ(imp->translucentBuilds(), 1);
    EXPECT_EQ(image.pixelColor(2, 2).alpha(), 127);
    EXPECT_EQ(image.pixelColor(2, 2).red(), 255);

    image = drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawWithTransparency(area, 0, 0, 4, 4, 0.25f, 30); });
    EXPECT_EQ(imp->translucentBuilds(), 2);

    image = drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawWithTransparency(area, 0, 0, 4, 4, 1.0f, 0); });
    EXPECT_EQ(image.pixelColor(2, 2), kRed);
    image = drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawWithTransparency(area, 0, 0, 4, 4, 0.25f, 0); });
    EXPECT_EQ(imp->translucentBuilds(), 2); // the copy survived the opaque draw
}

TEST_F(Bitmap, UnloadForgetsEverythingAndDrawsNothing)
{
    VORDIX_BITMAP bitmap;
    ASSERT_TRUE(loadImage(bitmap, quadrants()));
    bitmap.unload();
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.getWidth(), 0);
    EXPECT_EQ(bitmap.getHeight(), 0);
    const QImage image = drawn(4, 4, [&](VORDIX_ZEICHENBEREICH& area) {
        bitmap.draw(area, 0, 0);
        bitmap.drawRotated(area, 0, 0, 4, 4, 45);
        bitmap.drawWithTransparency(area, 0, 0, 4, 4, 0.5f, 0);
    });
    EXPECT_EQ(inkCount(image, QColor(0, 0, 0, 0)), 0);
}

TEST_F(Bitmap, LoadsAndDrawsOffTheGuiThread)
{
    const QByteArray bytes = encoded(quadrants());
    QImage result;
    std::thread worker([&] {
        VORDIX_BITMAP bitmap;
        if (!bitmap.loadFromData(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size()))
            return;
        result =
            drawn(2, 2, [&](VORDIX_ZEICHENBEREICH& area) { bitmap.drawWithTransparency(area, 0, 0, 2, 2, 0.5f, 0); });
    });
    worker.join();
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ(result.pixelColor(1, 1).alpha(), 127);
}
