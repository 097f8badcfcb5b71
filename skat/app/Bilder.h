#pragma once
// The process-wide cache of every image the game windows draw: the chosen
// card set's faces (loaded on first use), suit and rank pictures, mask and
// back; the table theme's decorations; the buttons and icons of the table;
// the assistant and mouse pictures. It owns the list of card sets and
// switches between them.
//
// Callers get references to the cache's bitmaps and never own them; the
// bitmaps are loaded and unloaded in place, so a reference stays valid.
// Everything runs on the GUI thread except card faces, which the windows may
// ask for while a worker paints: a face is loaded under the cache's lock, and
// a failure is reported after the lock is released, once per card set.

#include "skat/app/Kartensets.h"
#include "skat/engine/CardTypes.h"
#include "vordix/Bitmap.h"

#include <array>
#include <functional>
#include <mutex>
#include <string>

class VORDIX_ZEICHENBEREICH;

class BILDER {
public:
    static constexpr int TABLE_IMAGES = 19; // indices 1..18
    static constexpr int UI_IMAGES = 25;    // indices 1..24

    static BILDER& instance();
    static void destroyInstance();

    BILDER() = default;
    virtual ~BILDER();
    BILDER(const BILDER&) = delete;
    BILDER& operator=(const BILDER&) = delete;

    // Start-up: the assistant pictures, the list of card sets and the set the
    // preferences name (the French set when none is stored).
    void initialize();

    // Switches to set index. An empty list or an index outside it gives
    // false; the current index gives true and reloads nothing. A set whose
    // pictures cannot be read is reported and refused: the previous set stays
    // and the result is false. After a switch the set's name is stored in the
    // preferences and the windows are repainted.
    bool selectCardSet(int index);
    // The first set whose name agrees with name in its first four characters;
    // 0 when none does.
    int findCardSet(const std::wstring& name) const;
    // The display name of a set; empty outside the list.
    std::wstring cardSetTitle(int index) const;
    int cardSetCount() const { return static_cast<int>(cardSets.sets.size()); }
    // Loads the preview picture of a set into the caller's bitmap (the
    // settings dialog shows it); false outside the list or when it cannot be
    // read. The cache keeps no thumbnails itself.
    bool loadThumbnail(int index, VORDIX_BITMAP& into) const;

    // The face of a card, loaded on first use; face 0 unloaded for no card.
    VORDIX_BITMAP& cardFace(CardId card);
    // Draws a card's face rotated by angle degrees; nothing for no card.
    void drawCard(CardId card, VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float angle);

    // Interface image 1..24 and table image 0..18, loaded on first use (a
    // missing file stays unloaded silently and is tried again next time).
    VORDIX_BITMAP& uiImage(int index);
    VORDIX_BITMAP& tableImage(int index);
    // Table image 5 for kind 0, 4 for kind 2, 1 otherwise.
    VORDIX_BITMAP& tableImageByKind(int kind);
    VORDIX_BITMAP& smallImage(int kind) { return tableImageByKind(kind); }

    // 1 normal images, 0 the small layout's "small_" table images.
    void setFullSizeImages(bool fullSize);
    bool fullSizeImages() const { return fullSize_; }
    // Drops the decorations after a change of theme or size (they reload on
    // their next use) and loads the assistant and mouse pictures.
    void loadAssistantImages();
    // Releases every image (shutdown).
    void unloadAll();

    // File names (tests and tools): the table image of an index for a theme
    // and size, the face file of a card for a pattern; empty when there is none.
    static std::wstring tableImageFile(int index, int theme, bool fullSize);
    static std::wstring uiImageFile(int index);
    static std::wstring faceFile(CardId card, const std::wstring& cardPattern);
    // Face index of a card: rank + 8 * suit - 9; -1 for no card.
    static int faceIndex(CardId card);

    // Told after the assistant pictures were reloaded (the main window binds
    // its buttons anew) and after a card-set switch (the hands reload their
    // faces). Set by the application; empty by default.
    std::function<void()> onCardSetChanged;
    std::function<void()> onReloadCardImages;

    int currentSet = -1;
    int cardWidth = 0;
    int cardHeight = 0;
    VORDIX_BITMAP mouse;
    VORDIX_BITMAP mask;
    VORDIX_BITMAP assistant;
    VORDIX_BITMAP emptyAssistant;
    VORDIX_BITMAP back;
    std::array<VORDIX_BITMAP, 4> suits;                // clubs, spades, hearts, diamonds
    std::array<std::array<VORDIX_BITMAP, 8>, 4> ranks; // columns jack, ace, ten, king, queen, 9, 8, 7
    KARTENSET_DOKUMENT cardSets;

private:
    // Whether every picture of a set can be read (faces: their files exist);
    // names the first one that cannot. Loads nothing into the cache.
    bool checkSet(const KARTENSET_BESCHREIBUNG& set, std::wstring& failedFile) const;
    void loadSetImages(const KARTENSET_BESCHREIBUNG& set);
    void unloadSetImages();
    void loadFace(int index);

    std::recursive_mutex lock_;
    std::array<VORDIX_BITMAP, TABLE_IMAGES> tableImages_;
    std::array<VORDIX_BITMAP, UI_IMAGES> uiImages_;
    std::array<VORDIX_BITMAP, 32> faces_;
    bool fullSize_ = true;
    bool assistantLoaded_ = false;
    int assistantTheme_ = 0;
    bool assistantFullSize_ = true;
    bool faceFailureReported_ = false; // for the current set
};
