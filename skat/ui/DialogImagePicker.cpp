#include "skat/ui/DialogImagePicker.h"

#include "skat/app/SkatText.h"
#include "skat/engine/Player.h"
#include "vordix/Area.h"
#include "vordix/Bitmap.h"
#include "vordix/File.h"
#include "vordix/FileDialog.h"
#include "vordix/Line.h"
#include "vordix/MessageSink.h"
#include "vordix/Screen.h"
#include "vordix/Zeichenbereich.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

// A copy of the whole picture, or of it scaled to the size.
bool copyPicture(VORDIX_BITMAP& into, const VORDIX_BITMAP& from, int width, int height)
{
    return from.isLoaded() && into.createTransformed(from, 0, 0, width, height, width, height);
}

} // namespace

DIALOG_IMAGE_PICKER::DIALOG_IMAGE_PICKER(VORDIX_DIALOG* parent)
    : VORDIX_DIALOG(parent, FORM_ID)
    , working_(std::make_unique<VORDIX_BITMAP>())
{
}

DIALOG_IMAGE_PICKER::~DIALOG_IMAGE_PICKER() = default;

void DIALOG_IMAGE_PICKER::setPlayer(PLAYER* player)
{
    player_ = player;
    working_->unload();
    noOwnPicture_ = true;
    const VORDIX_BITMAP* picture = player ? player->picture() : nullptr;
    if (picture && copyPicture(*working_, *picture, picture->getWidth(), picture->getHeight()))
        noOwnPicture_ = false;
    confirmed_ = false;
    startView();
}

void DIALOG_IMAGE_PICKER::initDialog() { startView(); }

void DIALOG_IMAGE_PICKER::startView()
{
    panX_ = panY_ = 0;
    zoom_ = 100;
    cursorMode_ = MODE_MOVE;
    const auto& imp = implementor();
    if (!imp)
        return;
    imp->checkGroupButton(CURSOR_GROUP, PAN);
    imp->setControlCursor(IMAGE, MODE_MOVE);
    imp->setSlider(SLIDER, PictureFrame::MIN_ZOOM, PictureFrame::MAX_ZOOM, zoom_);
    enableEditing();
    imp->updateControl(IMAGE);
}

void DIALOG_IMAGE_PICKER::enableEditing()
{
    const auto& imp = implementor();
    if (!imp)
        return;
    const OBSTATE state = hasOwnPicture() ? OB_ENABLED : OB_DISABLED;
    for (int id : {STANDARD_PICTURE, PAN, ERASER, FLIP, SLIDER})
        imp->setControlState(id, state);
    // Going back needs a stored picture to go back to.
    VORDIX_FILE stored;
    const bool storedPicture = player_ && player_->pictureFile(stored, false) && stored.isReadable();
    imp->setControlState(RESET, hasOwnPicture() || storedPicture ? OB_ENABLED : OB_DISABLED);
}

// ---------------------------------------------------------------- geometry

PictureFrame DIALOG_IMAGE_PICKER::frame() const
{
    PictureFrame f;
    f.controlWidth = f.controlHeight = IMAGE_SIDE;
    if (const auto& imp = implementor()) {
        const RECTANGLE control = imp->getControlScreenPos(IMAGE);
        if (control.width > 0 && control.height > 0) {
            f.controlWidth = control.width;
            f.controlHeight = control.height;
        }
    }
    f.zoom = zoom_;
    f.pictureWidth = hasOwnPicture() ? working_->getWidth() : 0;
    f.pictureHeight = hasOwnPicture() ? working_->getHeight() : 0;
    f.panX = panX_;
    f.panY = panY_;
    return f;
}

std::unique_ptr<VORDIX_BITMAP> DIALOG_IMAGE_PICKER::framedPicture() const
{
    if (!hasOwnPicture() || !working_->isLoaded())
        return nullptr;
    const PictureFrame f = frame();
    const RECTANGLE d = f.drawn();
    auto face = std::make_unique<VORDIX_BITMAP>();
    if (d.width <= 0 || d.height <= 0
        || !face->createTransformed(*working_, d.x - PictureFrame::MARGIN, d.y - PictureFrame::MARGIN, d.width,
                                    d.height, f.frameWidth(), f.frameHeight()))
        return nullptr;
    return face;
}

// ---------------------------------------------------------------- editing

bool DIALOG_IMAGE_PICKER::loadPicture(const VORDIX_FILE& file)
{
    auto loaded = std::make_unique<VORDIX_BITMAP>();
    if (!loaded->load(file) || loaded->getWidth() <= 0 || loaded->getHeight() <= 0) {
        vordix::showMessage(vordix::MessageKind::Error,
                            skat::formatText(TextKey::Alert_Bild_unlesbar, {file.fullPath()}));
        return false;
    }
    const int longer = std::max(loaded->getWidth(), loaded->getHeight());
    if (longer > MAX_PICTURE_SIDE) {
        const int width = std::max(1, loaded->getWidth() * MAX_PICTURE_SIDE / longer);
        const int height = std::max(1, loaded->getHeight() * MAX_PICTURE_SIDE / longer);
        auto smaller = std::make_unique<VORDIX_BITMAP>();
        if (copyPicture(*smaller, *loaded, width, height))
            loaded = std::move(smaller);
    }
    working_ = std::move(loaded);
    noOwnPicture_ = false;
    panX_ = panY_ = 0;
    enableEditing();
    pictureChanged();
    return true;
}

void DIALOG_IMAGE_PICKER::mirror()
{
    if (!hasOwnPicture())
        return;
    auto mirrored = std::make_unique<VORDIX_BITMAP>();
    const int w = working_->getWidth();
    const int h = working_->getHeight();
    // A negative width draws the picture from its right edge leftwards.
    if (!mirrored->createTransformed(*working_, w, 0, -w, h, w, h))
        return;
    working_ = std::move(mirrored);
    pictureChanged();
}

void DIALOG_IMAGE_PICKER::useStandardPicture()
{
    noOwnPicture_ = true;
    working_->unload();
    if (player_)
        player_->setPicture(nullptr);
    enableEditing();
    pictureChanged();
}

void DIALOG_IMAGE_PICKER::resetToStoredPicture()
{
    if (player_)
        player_->loadPicture();
    setPlayer(player_);
    pictureChanged();
}

bool DIALOG_IMAGE_PICKER::eraseAt(int x, int y)
{
    const PictureFrame f = frame();
    int px = 0;
    int py = 0;
    if (!hasOwnPicture() || !f.toPicture(x, y, px, py))
        return false;
    VORDIX_ZEICHENBEREICH canvas(working_.get());
    canvas.beginPaint();
    VORDIX_AREA eraser;
    eraser.drawingMode = VORDIX_GRAPHICS_OBJECT::ERASE;
    eraser.opacity = 0.5f;
    eraser.fillCircle(canvas, px, py, f.eraserRadius());
    canvas.endPaint();
    return true;
}

void DIALOG_IMAGE_PICKER::eraseAlong(int fromX, int fromY, int toX, int toY)
{
    // Steps of a few pixels: the circles overlap into one stroke.
    constexpr int STEP = 4;
    const int dx = toX - fromX;
    const int dy = toY - fromY;
    const int steps = std::max(1, std::max(std::abs(dx), std::abs(dy)) / STEP);
    for (int i = 1; i <= steps; ++i)
        eraseAt(fromX + dx * i / steps, fromY + dy * i / steps);
}

void DIALOG_IMAGE_PICKER::setZoom(int zoom)
{
    zoom_ = std::clamp(zoom, PictureFrame::MIN_ZOOM, PictureFrame::MAX_ZOOM);
    pictureChanged();
}

void DIALOG_IMAGE_PICKER::setPan(int x, int y)
{
    panX_ = x;
    panY_ = y;
    pictureChanged();
}

void DIALOG_IMAGE_PICKER::pictureChanged()
{
    if (player_ && hasOwnPicture())
        player_->setPicture(framedPicture());
    if (const auto& imp = implementor())
        imp->updateControl(IMAGE);
    if (onPictureChanged)
        onPictureChanged();
}

// ---------------------------------------------------------------- commands

void DIALOG_IMAGE_PICKER::onCommand(int id)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    switch (id) {
    case OK:
        confirmed_ = true;
        if (player_) {
            if (hasOwnPicture())
                player_->savePicture();
            else
                player_->deletePicture();
        }
        imp->done = true;
        break;
    case IMAGE:
        if (hasOwnPicture())
            trackPointer();
        break;
    case SLIDER: setZoom(imp->getSliderValue(SLIDER)); break;
    case FLIP: mirror(); break;
    case SELECT: {
        VORDIX_FILE file;
        if (vordix::showFileDialog(nullptr, vordix::FILE_KIND_IMAGES, file, skat::text(TextKey::FS_Titel_Bild_laden),
                                   false))
            loadPicture(file);
        break;
    }
    case PAN:
    case ERASER:
        cursorMode_ = id == PAN ? MODE_MOVE : MODE_ERASE;
        imp->setControlCursor(IMAGE, cursorMode_);
        break;
    case STANDARD_PICTURE: useStandardPicture(); break;
    case RESET: resetToStoredPicture(); break;
    default: break;
    }
}

void DIALOG_IMAGE_PICKER::trackPointer()
{
    VORDIX_SCREEN_imp* screen = VORDIX_SCREEN::instance().implementor();
    const auto& imp = implementor();
    if (!screen || !imp)
        return;
    const RECTANGLE control = imp->getControlScreenPos(IMAGE);
    bool gripped = false;
    int gripX = 0;
    int gripY = 0;
    std::optional<std::pair<int, int>> lastErased;
    for (;;) {
        const ModalLoopResult pointer = screen->runModalLoop();
        const int x = pointer.x - control.x;
        const int y = pointer.y - control.y;
        // Outside the picture the picture stays where it was last moved.
        if (x > 0 && y > 0 && x < control.width && y < control.height) {
            if (cursorMode_ == MODE_MOVE) {
                PictureFrame f = frame();
                if (!gripped) {
                    gripX = f.gripX(x);
                    gripY = f.gripY(y);
                    gripped = true;
                }
                f.panTo(x, y, gripX, gripY);
                setPan(f.panX, f.panY);
            } else {
                if (lastErased)
                    eraseAlong(lastErased->first, lastErased->second, x, y);
                else
                    eraseAt(x, y);
                lastErased = std::pair{x, y};
                pictureChanged();
            }
        } else {
            lastErased.reset();
        }
        if (pointer.buttonUp)
            break;
    }
}

void DIALOG_IMAGE_PICKER::onClosed()
{
    // Closed by its frame: the player keeps the picture it has stored.
    if (!confirmed_ && player_) {
        player_->loadPicture();
        if (onPictureChanged)
            onPictureChanged();
    }
    confirmed_ = false;
}

// ---------------------------------------------------------------- drawing

void DIALOG_IMAGE_PICKER::drawControl(VORDIX_ZEICHENBEREICH& area, int id)
{
    if (id != IMAGE)
        return;
    const PictureFrame f = frame();
    const int W = f.controlWidth;
    const int H = f.controlHeight;
    if (hasOwnPicture()) {
        const RECTANGLE d = f.drawn();
        working_->drawWithoutRotation(area, d.x, d.y, d.width, d.height);
    }
    // The margins outside the frame are shaded: what lies there is cut off.
    VORDIX_AREA shade;
    shade.setColor(250, 250, 250);
    shade.opacity = 0.7f;
    const int m = PictureFrame::MARGIN;
    shade.fillRect(area, {0, 0, W, m});
    shade.fillRect(area, {0, H - m, W, m});
    shade.fillRect(area, {0, m, m, H - 2 * m});
    shade.fillRect(area, {W - m, m, m, H - 2 * m});
    VORDIX_LINE line;
    line.setColor(0, 0, 0);
    line.drawRect(area, {0, 0, W, H});
    line.setColor(600, 600, 600);
    line.drawRect(area, f.frame());
}
