// The picture picker: where a picture is drawn at a zoom and pan, which part
// becomes the face, mirroring and rubbing out on a small picture, a file
// that is no picture, storing and removing the face, and moving the picture
// with the pointer.

#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/DialogImagePicker.h"
#include "skat/ui/PictureFrame.h"
#include "skat/ui/SeatPictures.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/ui/form_test_suite.h"
#include "vordix/Bitmap.h"
#include "vordix/File.h"
#include "vordix/MessageSink.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/PixmapWidget.h"
#include "vordix/windows/WinBitmap.h"
#include "vordix/windows/WinDialog.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(PictureFrame, ZoomAndPanPlaceThePictureInTheFrame)
{
    struct Case {
        const char* name;
        int zoom, width, height, panX, panY;
        RECTANGLE drawn;
    };
    // The control is 301 square, the frame 261 square at 20, 20.
    const Case cases[] = {
        {"square at 100 fills the frame", 100, 40, 40, 0, 0, {20, 20, 261, 261}},
        {"square at 12 is 12 % as wide", 12, 40, 40, 0, 0, {135, 135, 31, 31}},
        {"square at 600 is six times as wide", 600, 40, 40, 0, 0, {-633, -633, 1566, 1566}},
        {"wide picture: the mean side fills it", 100, 40, 20, 0, 0, {-24, 63, 348, 174}},
        {"pan moves by the zoomed offset", 200, 40, 40, 10, -5, {-91, -121, 522, 522}},
        {"no picture draws nothing", 100, 0, 0, 0, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureFrame f;
        f.controlWidth = f.controlHeight = 301;
        f.zoom = c.zoom;
        f.pictureWidth = c.width;
        f.pictureHeight = c.height;
        f.panX = c.panX;
        f.panY = c.panY;
        EXPECT_EQ(f.drawn(), c.drawn);
    }
}

TEST(PictureFrame, ControlPointsMapBackOntoThePicture)
{
    PictureFrame f;
    f.controlWidth = f.controlHeight = 301;
    f.pictureWidth = f.pictureHeight = 522; // drawn at half its size
    int x = -1, y = -1;
    ASSERT_TRUE(f.toPicture(20, 20, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ASSERT_TRUE(f.toPicture(150, 280, x, y));
    EXPECT_EQ(x, 260);
    EXPECT_EQ(y, 520);
    EXPECT_FALSE(f.toPicture(10, 150, x, y)) << "in the shaded margin";
    EXPECT_FALSE(f.toPicture(281, 150, x, y));
    // About ten control pixels at any zoom.
    EXPECT_EQ(f.eraserRadius(), 10 * 522 / 261);
    f.zoom = 500;
    EXPECT_EQ(f.eraserRadius(), 2 * 522 / 261);
    // Dragging by (30, -12) at zoom 500 pans by a fifth of that.
    f.panTo(130, 88, f.gripX(100), f.gripY(100));
    EXPECT_EQ(f.panX, 6);
    EXPECT_EQ(f.panY, -2);
}

QImage imageOf(const VORDIX_BITMAP& bitmap)
{
    auto* imp = dynamic_cast<WIN_BITMAP*>(bitmap.implementor());
    return imp && imp->image() ? *imp->image() : QImage();
}

class ImagePicker : public FormTestSuite {
protected:
    void SetUp() override
    {
        const char* value = std::getenv("XDG_DATA_HOME");
        savedDataHome = value ? std::optional<std::string>(value) : std::nullopt;
        setenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8().constData(), 1);
        vordix::setMessageSink(sink);
        table.standardSeating();
        player = table.playerInSlot(1);
        ASSERT_NE(player, nullptr);
        ASSERT_EQ(player->picture(), nullptr);
        picker = std::make_unique<DIALOG_IMAGE_PICKER>(nullptr);
        picker->onPictureChanged = [this] { ++changes; };
        picker->setPlayer(player);
    }
    void TearDown() override
    {
        picker.reset();
        vordix::setMessageSink(nullptr);
        if (savedDataHome)
            setenv("XDG_DATA_HOME", savedDataHome->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }

    // A picture file of two halves, red on the left and blue on the right.
    VORDIX_FILE halves(int width, int height, const char* name = "halves.png")
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width / 2; ++x)
                image.setPixelColor(x, y, Qt::red);
        const QString path = home.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(image.save(path));
        return fileAt(path);
    }
    VORDIX_FILE fileAt(const QString& path)
    {
        VORDIX_FOLDER folder;
        folder.setPath(WIN_FILEPATH::fromFsPath(home.path().toStdString()));
        return VORDIX_FILE(folder, QFileInfo(path).fileName().toStdWString());
    }
    WIN_DIALOG* form() const { return dynamic_cast<WIN_DIALOG*>(picker->implementor().get()); }
    QWidget* control(int id) const { return form()->findChild<QWidget*>(ControlIds::qNameOf(id)); }
    QImage face() const { return player->picture() ? imageOf(*player->picture()) : QImage(); }
    std::filesystem::path faceFile() const
    {
        VORDIX_FILE file;
        player->pictureFile(file, false);
        return file.fsPath();
    }

    QTemporaryDir home;
    std::optional<std::string> savedDataHome;
    std::shared_ptr<testsupport::RecordingMessageSink> sink = std::make_shared<testsupport::RecordingMessageSink>();
    SKATTISCH_SERVER table;
    PLAYER* player = nullptr;
    std::unique_ptr<DIALOG_IMAGE_PICKER> picker;
    int changes = 0;
};

TEST_F(ImagePicker, TheFrameCutsTheFaceAndMirroringTurnsIt)
{
    ASSERT_TRUE(picker->loadPicture(halves(40, 20)));
    EXPECT_GT(changes, 0);
    // The wide picture is drawn 348 × 174 from (-24, 63): the frame shows its
    // middle, with empty bands above and below.
    QImage shown = face();
    ASSERT_EQ(shown.size(), QSize(261, 261));
    EXPECT_EQ(shown.pixelColor(10, 130), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(250, 130), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(130, 10).alpha(), 0);
    EXPECT_EQ(shown.pixelColor(130, 250).alpha(), 0);

    picker->mirror();
    shown = face();
    EXPECT_EQ(shown.pixelColor(10, 130), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(250, 130), QColor(Qt::red));
    EXPECT_EQ(picker->workingPicture().getWidth(), 40) << "mirroring keeps the size";

    // Zoomed out the picture lies in the middle of the frame.
    picker->setZoom(50);
    shown = face();
    EXPECT_EQ(shown.pixelColor(5, 130).alpha(), 0);
    EXPECT_EQ(shown.pixelColor(100, 130), QColor(Qt::blue));
    picker->setZoom(1);
    EXPECT_EQ(picker->frame().zoom, PictureFrame::MIN_ZOOM);
}

TEST_F(ImagePicker, TheEraserClearsAroundThePointerInsideTheFrameOnly)
{
    ASSERT_TRUE(picker->loadPicture(halves(400, 400)));
    EXPECT_FALSE(picker->eraseAt(5, 150)) << "the margin is not part of the face";
    ASSERT_TRUE(picker->eraseAt(150, 150));
    picker->setPan(0, 0); // redraws the face
    QImage shown = face();
    EXPECT_EQ(shown.pixelColor(130, 130).alpha(), 0);
    EXPECT_EQ(shown.pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(240, 240), QColor(Qt::blue));
    // A quick stroke leaves no gaps between the points the pointer reported.
    picker->eraseAlong(60, 250, 240, 250);
    picker->setPan(0, 0);
    shown = face();
    for (int x = 40; x <= 220; x += 3)
        EXPECT_EQ(shown.pixelColor(x, 230).alpha(), 0) << x;
    EXPECT_EQ(shown.pixelColor(200, 200), QColor(Qt::blue)) << "above the stroke";
}

TEST_F(ImagePicker, AFileThatIsNoPictureIsReportedAndKeepsTheFace)
{
    ASSERT_TRUE(picker->loadPicture(halves(40, 40)));
    const QImage before = face();
    const QString path = home.filePath("broken.png");
    {
        QFile broken(path);
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("\x89PNG\r\n\x1a\n but nothing after");
    }
    sink->texts.clear();
    EXPECT_FALSE(picker->loadPicture(fileAt(path)));
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->kinds.back(), vordix::MessageKind::Error);
    EXPECT_NE(sink->texts.back().find(L"broken.png"), std::wstring::npos);
    EXPECT_EQ(face(), before);
    EXPECT_EQ(picker->workingPicture().getWidth(), 40);
}

TEST_F(ImagePicker, OkStoresTheFaceAndTheStandardPictureRemovesIt)
{
    ASSERT_TRUE(picker->loadPicture(halves(40, 40)));
    picker->onCommand(DIALOG_IMAGE_PICKER::OK);
    ASSERT_TRUE(std::filesystem::exists(faceFile()));
    EXPECT_EQ(QImage(QString::fromStdString(faceFile().string())).size(), QSize(261, 261));

    // A later edit closed by the frame gives the player its stored face back.
    picker->setPlayer(player);
    EXPECT_TRUE(picker->hasOwnPicture());
    picker->mirror();
    EXPECT_EQ(face().pixelColor(20, 130), QColor(Qt::blue));
    picker->onClosed();
    EXPECT_EQ(face().pixelColor(20, 130), QColor(Qt::red));

    picker->setPlayer(player);
    picker->onCommand(DIALOG_IMAGE_PICKER::STANDARD_PICTURE);
    EXPECT_EQ(player->picture(), nullptr);
    picker->onCommand(DIALOG_IMAGE_PICKER::OK);
    EXPECT_FALSE(std::filesystem::exists(faceFile()));
}

TEST_F(ImagePicker, ToolsCanBeUsedOnlyWithAPicture)
{
    for (int id : {DIALOG_IMAGE_PICKER::PAN, DIALOG_IMAGE_PICKER::ERASER, DIALOG_IMAGE_PICKER::STANDARD_PICTURE,
                   DIALOG_IMAGE_PICKER::RESET})
        EXPECT_FALSE(control(id)->isEnabled()) << id;
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(control(DIALOG_IMAGE_PICKER::PAN))->isChecked());
    ASSERT_TRUE(picker->loadPicture(halves(40, 40)));
    for (int id : {DIALOG_IMAGE_PICKER::PAN, DIALOG_IMAGE_PICKER::ERASER, DIALOG_IMAGE_PICKER::STANDARD_PICTURE,
                   DIALOG_IMAGE_PICKER::RESET})
        EXPECT_TRUE(control(id)->isEnabled()) << id;
    picker->onCommand(DIALOG_IMAGE_PICKER::ERASER);
    EXPECT_EQ(picker->cursorMode(), DIALOG_IMAGE_PICKER::MODE_ERASE);
}

TEST_F(ImagePicker, DraggingMovesThePictureUntilThePointerLeavesIt)
{
    ASSERT_TRUE(picker->loadPicture(halves(40, 40)));
    auto* image = dynamic_cast<PixmapWidget*>(control(DIALOG_IMAGE_PICKER::IMAGE));
    ASSERT_NE(image, nullptr);
    QPointer<PixmapWidget> target = image;
    // The pointer events are sent one at a time, each a moment after the
    // one before was taken, as the user makes them, however busy the machine.
    auto send = [target](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        if (!target)
            return;
        QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    std::optional<PictureFrame> moved;
    const std::vector<std::function<void()>> steps = {
        [&] { ASSERT_TRUE(QTest::qWaitForWindowExposed(form())); },
        // Grip at (160, 155), move by (20, 10), then leave the picture.
        [&] {
            send(QEvent::MouseButtonPress, {150, 150}, Qt::LeftButton);
        },
        [&] {
            send(QEvent::MouseMove, {160, 155}, Qt::LeftButton);
        },
        [&] {
            send(QEvent::MouseMove, {180, 165}, Qt::LeftButton);
        },
        [&] {
            send(QEvent::MouseMove, {420, 420}, Qt::LeftButton);
        },
        [&] {
            send(QEvent::MouseButtonRelease, {420, 420}, Qt::NoButton);
        },
        [&] {
            moved = picker->frame();
            if (auto* ok = form()->findChild<QAbstractButton*>("F_ImagePicker_OK"))
                ok->click();
        },
    };
    // The next step is due before this one runs: the press only returns
    // once the drag is over.
    std::function<void(std::size_t)> step = [&](std::size_t i) {
        if (i + 1 < steps.size())
            QTimer::singleShot(5, [&, i] { step(i + 1); });
        steps[i]();
    };
    QTimer::singleShot(0, [&] { step(0); });
    picker->implementor()->show();
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(moved->panX, 20);
    EXPECT_EQ(moved->panY, 10);
    EXPECT_TRUE(std::filesystem::exists(faceFile())) << "OK stored the face";
}

TEST(SeatPictures, FramesFollowTheBackgroundOfEachLayout)
{
    struct Case {
        const char* name;
        LayoutKind kind;
        int x0, y0;
        BackgroundFit fit;
        bool left;
        RECTANGLE frame;
    };
    const Case cases[] = {
        {"landscape, left", LayoutKind::Landscape, 0, 0, {}, true, {20, 160, 150, 150}},
        {"landscape, right", LayoutKind::Landscape, 0, 0, {}, false, {854, 160, 150, 150}},
        {"landscape stretched", LayoutKind::Landscape, 100, 50, {1.2f, 100.0f, 60.0f}, true, {65, 207, 180, 180}},
        {"portrait", LayoutKind::Portrait, 0, 0, {}, true, {-99, 288, 150, 150}},
        {"small", LayoutKind::Small, 0, 0, {}, false, {382, 66, 62, 62}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(seatPictureFrame(c.kind, c.x0, c.y0, c.fit, c.left), c.frame);
    }
    EXPECT_EQ(seatPictureArea({20, 160, 150, 150}), (RECTANGLE{32, 172, 126, 126}));
}

// A wide window stretches the 1440 × 1024 background about its middle, at
// most 1.2 times and only so far that the table's rim stays inside the
// window; what is left at the sides the mirrored room fills.
TEST(SeatPictures, TheBackgroundStretchesAboutItsMiddleAndKeepsItsRim)
{
    constexpr int w = 1440;
    constexpr int h = 1024;
    constexpr float rimBottom = 1004.0f;
    const struct {
        int W, H;
        bool stretched;
    } cases[] = {
        {1024, 768, false}, {1280, 1024, false}, {1440, 900, false}, {1600, 1200, true},
        {1920, 1080, true}, {1920, 1200, true},  {2560, 1440, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.W);
        const BackgroundFit fit = fitBackground(c.W, c.H, w, h);
        EXPECT_EQ(fit.scale > 1.0f, c.stretched);
        EXPECT_LE(fit.scale, 1.2f);
        // The picture's middle stays on the design area's middle.
        const float x0 = (c.W - 1024) / 2.0f;
        const float y0 = (c.H - 768) / 2.0f;
        EXPECT_NEAR(x0 - 208 - fit.offsetX + w * fit.scale / 2, c.W / 2.0f, 1.0f);
        EXPECT_NEAR(y0 - 128 - fit.offsetY + h * fit.scale / 2, c.H / 2.0f, 1.0f);
        if (c.stretched)
            EXPECT_LE(y0 - 128 - fit.offsetY + rimBottom * fit.scale, c.H + 0.5f) << "the rim stays inside";
    }
}

} // namespace
