// What the settings change on the open table: the hands' sorting, the
// theme's placement and pictures, and the two other players' own pictures.

#include "skat/app/Bilder.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/SeatPictures.h"
#include "skat/ui/TableServerAccess.h"
#include "vordix/Bitmap.h"
#include "vordix/Zeichenbereich.h"

void FENSTER_SKAT::preferencesChanged()
{
    // The plain theme moves the other hands up.
    prepareImages(currentLayout);
    for (PLAYER_EINBLATT_CONTROLLER& hand : handControllers)
        hand.resortHand();
    if (controller)
        controller->updateView();
    seatPicturesChanged();
}

void FENSTER_SKAT::seatPicturesChanged()
{
    // Any other key than the stored one paints the background anew.
    backgroundKey_ = BackgroundKey{};
    invalidate();
}

bool FENSTER_SKAT::paintSeatPictures(VORDIX_ZEICHENBEREICH& area, const BackgroundFit& fit)
{
    SKATTISCH* table = currentTable();
    if (!table || USER_PREFS::instance().tableTheme == USER_PREFS::THEME_MONO)
        return false;
    BILDER& images = BILDER::instance();
    VORDIX_BITMAP& seatLayer = images.tableImage(3);
    bool drawn = false;
    // The left seat is screen position 2, the right one position 0.
    for (int position : {2, 0}) {
        const PLAYER* player = playerAtScreenPosition(table, position);
        const VORDIX_BITMAP* picture = player ? player->picture() : nullptr;
        if (!picture || !picture->isLoaded())
            continue;
        const LayoutKind kind = layoutKindOf(currentLayout);
        const RECTANGLE frame = seatPictureFrame(kind, originX, originY, fit, position == 2);
        // The seat layer's frame of this seat only, and the face inside it.
        if (seatLayer.isLoaded()) {
            area.setClip(frame.x, frame.y, frame.width, frame.height);
            drawTableBackground(seatLayer, area, kind, originX, originY, fit);
            area.resetClip();
        }
        // The right player looks to the middle of the table, too.
        VORDIX_BITMAP mirrored;
        const int w = picture->getWidth();
        const bool turned =
            position == 0
            && mirrored.createTransformed(*picture, w, 0, -w, picture->getHeight(), w, picture->getHeight());
        drawPictureInBox(turned ? mirrored : *picture, area, seatPictureArea(frame));
        drawn = true;
    }
    return drawn;
}
