#pragma once
// The picture picker over the settings dialog (form "F_ImagePicker"): the
// user loads a photo, zooms it with the slider, moves it in the square
// frame or rubs its background out, mirrors it, goes back to the standard
// picture or to the last stored one. The part inside the frame becomes the
// player's face at once (the table shows it); "OK" stores it in the
// player's picture file, or removes that file when the standard picture was
// chosen. Closing the window by its frame gives the player back the stored
// picture. A file that is no readable picture is reported and changes
// nothing.

#include "skat/ui/PictureFrame.h"
#include "vordix/Dialog.h"

#include <functional>
#include <memory>

class PLAYER;
class VORDIX_BITMAP;
class VORDIX_FILE;

class DIALOG_IMAGE_PICKER : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 408;
    enum Control {
        OK = 1,
        IMAGE = 409,
        SLIDER = 410,
        FLIP = 412,
        SELECT = 413,
        CURSOR_GROUP = 415,
        PAN = 416,
        ERASER = 417,
        STANDARD_PICTURE = 418,
        RESET = 419,
    };
    enum CursorMode { MODE_MOVE = 1, MODE_ERASE = 2 };
    // A photo keeps at most this many pixels on its longer side: the face
    // is far smaller, and moving and rubbing out stay quick.
    static constexpr int MAX_PICTURE_SIDE = 1024;
    // The picture control of the form, when there is no platform part to ask.
    static constexpr int IMAGE_SIDE = 301;

    explicit DIALOG_IMAGE_PICKER(VORDIX_DIALOG* parent);
    ~DIALOG_IMAGE_PICKER() override;

    // The player whose face is edited: a copy of its picture becomes the
    // working picture (none when it has no picture of its own); zoom and
    // position start anew.
    void setPlayer(PLAYER* player);
    PLAYER* player() const { return player_; }

    void initDialog() override;
    void drawControl(VORDIX_ZEICHENBEREICH& area, int controlId) override;
    void onCommand(int controlId) override;
    void onClosed() override;

    // The steps behind the controls.
    // False (and a message) when the file is no picture; the working
    // picture stays then.
    bool loadPicture(const VORDIX_FILE& file);
    void mirror();
    void useStandardPicture();
    void resetToStoredPicture();
    // Rubs out around the control point (inside the frame only), or along
    // the line between two points, as a pointer moved quickly leaves it.
    bool eraseAt(int x, int y);
    void eraseAlong(int fromX, int fromY, int toX, int toY);
    void setZoom(int zoom);
    void setPan(int x, int y);

    // The geometry as drawn now.
    PictureFrame frame() const;
    // What lies inside the frame, the size of the frame; null without a
    // picture of its own.
    std::unique_ptr<VORDIX_BITMAP> framedPicture() const;
    bool hasOwnPicture() const { return !noOwnPicture_; }
    const VORDIX_BITMAP& workingPicture() const { return *working_; }
    int cursorMode() const { return cursorMode_; }

    // The player's face changed (the settings dialog and the table redraw).
    std::function<void()> onPictureChanged;

private:
    // Zoom 100, no pan, the move tool; which controls may be used.
    void startView();
    void enableEditing();
    // Gives the player the framed picture and redraws.
    void pictureChanged();
    // Follows the pointer while the left button is held in the picture.
    void trackPointer();

    PLAYER* player_ = nullptr; // not owned: a seat of the current table
    std::unique_ptr<VORDIX_BITMAP> working_;
    bool noOwnPicture_ = true;
    int panX_ = 0;
    int panY_ = 0;
    int zoom_ = 100;
    int cursorMode_ = MODE_MOVE;
    bool confirmed_ = false;
};
