#include "skat/ui/FensterVerteilen.h"

#include "skat/app/Bilder.h"
#include "skat/app/SkatText.h"
#include "skat/net/SkatServer.h"
#include "skat/ui/EinblattView.h"
#include "vordix/Area.h"
#include "vordix/FileDialog.h"
#include "vordix/Line.h"
#include "vordix/Message.h"
#include "vordix/MessageSink.h"
#include "vordix/Screen.h"
#include "vordix/Text.h"
#include "vordix/ThreadHooks.h"
#include "vordix/Zeichenbereich.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace {

constexpr int BAND_TOP[3] = {0, 96, 192};
constexpr int CARDS_X = 8;
constexpr int CARDS_Y[3] = {24, 120, 216};
// The swap buttons: at the top for forehand and rearhand, on each border
// between two bands for those two.
struct SwapButton {
    int y, a, b;
};
constexpr SwapButton SWAPS[3] = {{2, 0, 2}, {98, 0, 1}, {194, 1, 2}};
constexpr int SWAP_X = 212, SWAP_WIDTH = 116, SWAP_HEIGHT = 18;

SortSettings sorting() { return userSortSettings(false); }

void setColour(VORDIX_GRAPHICS_OBJECT& object, int r, int g, int b)
{
    object.setColor(r, g, b);
    object.opacity = 1.0f;
}

} // namespace

FENSTER_VERTEILEN::FENSTER_VERTEILEN() : alive_(std::make_shared<std::atomic<FENSTER_VERTEILEN*>>(this))
{
    random.seed = static_cast<std::uint32_t>(std::time(nullptr));
    playDeal = [](const KARTENVERTEILUNG& deal, bool byUser) {
        if (byUser)
            SKAT_SERVER::instance().playDistributionByUser(deal);
        else
            SKAT_SERVER::instance().playDistribution(deal);
    };
    raterFor = [](int action) { return action == ACTION_GRAND ? grandRater() : nullRater(); };
}

FENSTER_VERTEILEN::~FENSTER_VERTEILEN()
{
    alive_->store(nullptr);
    search_.request_stop();
}

void FENSTER_VERTEILEN::create()
{
    auto imp = implementor();
    if (!imp)
        return;
    imp->createFromForm(FORM_ID);
    isOpen = true;
    imp->setTitle(skat::text(TextKey::Fenstername_Verteilen));
    imp->resize(WIDTH, HEIGHT);
    if (VORDIX_SCREEN_imp* screen = VORDIX_SCREEN::instance().implementor()) {
        const RECTANGLE work = screen->getWorkArea();
        const RECTANGLE frame = imp->getFrameGeometry();
        const int frameWidth = std::max(frame.width, WIDTH);
        const int frameHeight = std::max(frame.height, HEIGHT);
        move(work.x + std::max(0, (work.width - frameWidth) / 2),
             work.y + std::max(0, (work.height - frameHeight) / 2));
    }
    document.ownerWindow = this;
    document.fileKind = 5;
    document.openDialogTitle = skat::text(TextKey::FS_Titel_Kartenverteilung_laden);
    document.saveDialogTitle = skat::text(TextKey::FS_Titel_Kartenverteilung_speichern);
    // The default deal is read quietly: a user without one starts empty.
    if (!document.file.name.empty() && std::filesystem::is_regular_file(document.file.fsPath()))
        loadFrom(document.file);
    updateActions();
}

void FENSTER_VERTEILEN::open()
{
    editor.sortHands(sorting());
    updateActions();
    repaint();
    show();
    if (implementor())
        implementor()->bringToFront();
}

void FENSTER_VERTEILEN::setDistribution(const KARTENVERTEILUNG& deal)
{
    if (searching_)
        return;
    editor.setDistribution(deal, sorting());
    updateActions();
    repaint();
}

void FENSTER_VERTEILEN::repaint()
{
    if (isOpen)
        updateRect(0, 0, -1, -1);
}

void FENSTER_VERTEILEN::updateActions()
{
    auto imp = implementor();
    if (!isOpen || !imp)
        return;
    const bool idle = !searching_;
    const bool complete = editor.complete();
    bool anyCard = false;
    for (int b = 0; b < KARTEN_VERTEILEN::BANDS; ++b)
        anyCard = anyCard || !editor.band(b).isEmpty();
    imp->enableAction(ACTION_PLAY, idle && complete);
    imp->enableAction(ACTION_PLAY_BY_USER, idle && complete);
    imp->enableAction(ACTION_SAVE, idle && complete);
    imp->enableAction(ACTION_FILL, idle && !complete);
    imp->enableAction(ACTION_CLEAR, idle && anyCard);
    imp->enableAction(ACTION_UNDO, idle && editor.canUndo());
    for (int id : {ACTION_LOAD, ACTION_ROTATE, ACTION_GRAND, ACTION_NULL})
        imp->enableAction(id, idle);
}

// ---------------------------------------------------------------- files

bool FENSTER_VERTEILEN::loadFrom(const VORDIX_FILE& file)
{
    KARTENVERTEILUNG_DOC read;
    read.file = file;
    const int code = read.load();
    if (code != DOCUMENT_OK) {
        read.reportError(code);
        return false;
    }
    const std::wstring fault = dealFault(read.deal);
    if (!fault.empty()) {
        vordix::showMessage(vordix::MessageKind::Information, fault);
        return false;
    }
    editor.setDistribution(read.deal, sorting());
    document.file = file;
    document.deal = read.deal;
    document.comment = read.comment;
    updateActions();
    repaint();
    return true;
}

void FENSTER_VERTEILEN::load()
{
    VORDIX_FILE chosen(document.file);
    if (vordix::showFileDialog(this, document.fileKind, chosen, document.openDialogTitle, /*save=*/false))
        loadFrom(chosen);
}

void FENSTER_VERTEILEN::save()
{
    if (!editor.complete())
        return;
    document.deal = editor.playableDeal();
    document.modified = true;
    document.saveWithDialog();
}

// ---------------------------------------------------------------- search

void FENSTER_VERTEILEN::startSearch(int action)
{
    if (searching_)
        return;
    HandRater rater = raterFor ? raterFor(action) : HandRater{};
    if (!rater) {
        vordix::showMessage(vordix::MessageKind::Information, skat::text(TextKey::Alert_Verteilung_Tabellen_fehlen));
        return;
    }
    const std::uint32_t seed = random.seed;
    random.next(2); // the next search deals other cards
    const Seat forehand = editor.deal.vhPos;
    const DealSearchLimits limits = searchLimits;
    searching_ = true;
    updateActions();
    repaint();
    std::shared_ptr<std::atomic<FENSTER_VERTEILEN*>> alive = alive_;
    search_ = std::jthread([seed, forehand, limits, rater = std::move(rater), alive](std::stop_token stop) {
        vordix::ThreadScope scope;
        const DealSearchOutcome outcome = searchDeal(seed, forehand, rater, limits, stop);
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            app,
            [alive, outcome] {
                if (FENSTER_VERTEILEN* window = alive->load())
                    window->finishSearch(outcome);
            },
            Qt::QueuedConnection);
    });
}

void FENSTER_VERTEILEN::finishSearch(const DealSearchOutcome& outcome)
{
    searching_ = false;
    if (outcome.found) {
        editor.saveUndo();
        editor.deal = outcome.deal;
        editor.sortHands(sorting());
    }
    updateActions();
    repaint();
    if (!outcome.found)
        vordix::showMessage(vordix::MessageKind::Information,
                            skat::formatText(TextKey::Alert_Verteilung_Suche_erfolglos, {outcome.rounds}));
}

// ---------------------------------------------------------------- pointer

int FENSTER_VERTEILEN::bandAtPress(int y)
{
    if (y >= 14 && y <= 94)
        return 0;
    if (y >= 110 && y <= 190)
        return 1;
    return y > 204 && y < HEIGHT ? 2 : -1;
}

int FENSTER_VERTEILEN::bandAtDrop(int top)
{
    if (top >= 13 && top <= 95)
        return 0;
    if (top >= 109 && top <= 191)
        return 1;
    return top > 204 ? 2 : -1;
}

CardId FENSTER_VERTEILEN::gridCardAt(int x, int y)
{
    if (x < GRID_X || y < 0 || y >= 8 * CELL_HEIGHT)
        return NO_CARD;
    const int column = (x - GRID_X) / CELL_WIDTH;
    if (column > 3)
        return NO_CARD;
    return makeCardId(static_cast<Suit>(column + 1), static_cast<Rank>(GRID_ROWS[y / CELL_HEIGHT] + 1));
}

std::vector<HitRegion> FENSTER_VERTEILEN::regions()
{
    std::vector<HitRegion> list;
    if (searching_)
        return list;
    for (const SwapButton& s : SWAPS)
        list.push_back(actingRegion(
            "swap",
            [s](int x, int y) { return x >= SWAP_X && x < SWAP_X + SWAP_WIDTH && y >= s.y && y < s.y + SWAP_HEIGHT; },
            [this, s](int, int) {
                if (editor.swapBands(s.a, s.b)) {
                    updateActions();
                    repaint();
                }
            }));
    list.push_back(HitRegion{"hand",
                             [this](int x, int y) {
                                 const int band = bandAtPress(y);
                                 return x >= CARDS_X && x < 534 && band >= 0 && !editor.band(band).isEmpty();
                             },
                             [this](int x, int y) {
                                 const int band = bandAtPress(y);
                                 const int place =
                                     std::clamp((x - CARDS_X) / CARD_STEP + 1, 1, editor.band(band).cardCount());
                                 return dragCard(band, place, x, y);
                             }});
    list.push_back(actingRegion(
        "grid", [](int x, int y) { return gridCardAt(x, y) != NO_CARD; },
        [this](int x, int y) {
            if (editor.togglePicked(gridCardAt(x, y))) {
                updateActions();
                repaint();
            }
        }));
    list.push_back(HitRegion{"pile",
                             [this](int x, int y) { return x >= PILE_X && y >= PILE_Y && editor.pickedCount() > 0; },
                             [this](int x, int y) { return dragPile(x, y); }});
    return list;
}

std::optional<PressFollower> FENSTER_VERTEILEN::dragCard(int band, int place, int x, int y)
{
    const int offsetX = x - (CARDS_X + (place - 1) * CARD_STEP);
    const int offsetY = y - CARDS_Y[band];
    draggedCard_ = editor.band(band).cardIdAt(place);
    dragX_ = x - offsetX;
    dragY_ = y - offsetY;
    auto follow = [this, offsetX, offsetY](int px, int py) {
        dragX_ = std::clamp(px, 12, 628) - offsetX;
        dragY_ = std::clamp(py, 12, 350) - offsetY;
    };
    PressFollower follower;
    follower.moved = [this, follow](int px, int py) {
        follow(px, py);
        repaint();
    };
    follower.released = [this, follow, band, place](int px, int py) {
        follow(px, py);
        draggedCard_ = NO_CARD;
        if (dragX_ >= 543)
            editor.moveCard(band, place, -1, sorting());
        else if (const int target = bandAtDrop(dragY_); target >= 0 && target != band)
            editor.moveCard(band, place, target, sorting());
        updateActions();
        repaint();
    };
    follower.cancelled = [this] {
        draggedCard_ = NO_CARD;
        repaint();
    };
    repaint();
    return follower;
}

std::optional<PressFollower> FENSTER_VERTEILEN::dragPile(int x, int y)
{
    const int offsetX = x - PILE_X;
    const int offsetY = y - PILE_Y;
    draggingPile_ = true;
    dragX_ = PILE_X;
    dragY_ = PILE_Y;
    auto follow = [this, offsetX, offsetY](int px, int py) {
        dragX_ = std::clamp(px, 12, 628) - offsetX;
        dragY_ = std::clamp(py, 12, 350) - offsetY;
    };
    PressFollower follower;
    follower.moved = [this, follow](int px, int py) {
        follow(px, py);
        repaint();
    };
    follower.released = [this, follow](int px, int py) {
        follow(px, py);
        draggingPile_ = false;
        if (dragX_ < BAND_WIDTH)
            editor.dealPicked(bandAtDrop(dragY_), sorting());
        updateActions();
        repaint();
    };
    follower.cancelled = [this] {
        draggingPile_ = false;
        repaint();
    };
    return follower;
}

void FENSTER_VERTEILEN::onMessage(VORDIX_MESSAGE& message)
{
    switch (message.kind) {
    case MESSAGE_MOUSE_PRESS: press_.press(regions(), message.x, message.y); return;
    case MESSAGE_MOUSE_MOVE:
        if (press_.following())
            press_.move(message.x, message.y);
        return;
    case MESSAGE_MOUSE_RELEASE:
        if (press_.following())
            press_.release(message.x, message.y);
        return;
    case MESSAGE_CLOSE:
        if (implementor())
            implementor()->hide();
        return;
    case MESSAGE_COMMAND: break;
    default: return;
    }
    if (searching_)
        return;
    switch (message.commandId) {
    case ACTION_CLEAR: editor.clear(); break;
    case ACTION_FILL: editor.fill(random, sorting()); break;
    case ACTION_UNDO: editor.undo(); break;
    case ACTION_LOAD: load(); break;
    case ACTION_SAVE: save(); break;
    case ACTION_ROTATE: editor.rotate(); break;
    case ACTION_PLAY:
    case ACTION_PLAY_BY_USER:
        if (editor.complete() && playDeal)
            playDeal(editor.playableDeal(), message.commandId == ACTION_PLAY_BY_USER);
        break;
    case ACTION_GRAND:
    case ACTION_NULL: startSearch(message.commandId); break;
    default: return;
    }
    updateActions();
    repaint();
}

// ---------------------------------------------------------------- drawing

void FENSTER_VERTEILEN::paint(VORDIX_ZEICHENBEREICH& area)
{
    BILDER& images = BILDER::instance();
    VORDIX_AREA fill;
    setColour(fill, 930, 930, 930);
    fill.fillRect(area, RECTANGLE{0, 0, WIDTH, HEIGHT});

    // The bands from the top, each on its part of the cloth with the seat's
    // name and its cards; a band covers the lower part of the cards above it,
    // so every hand shows at least the corners of its cards.
    const TextKey names[3] = {TextKey::Vorhand, TextKey::Mittelhand, TextKey::Hinterhand};
    VORDIX_BITMAP& cloth = images.tableImage(6);
    VORDIX_TEXT label;
    label.size = 12;
    label.styleBits = VORDIX_TEXT::BOLD;
    setColour(label, 999, 999, 999);
    for (int b = 0; b < KARTEN_VERTEILEN::BANDS; ++b) {
        const int bottom = b + 1 < KARTEN_VERTEILEN::BANDS ? BAND_TOP[b + 1] : HEIGHT;
        area.setClip(0, BAND_TOP[b], BAND_WIDTH, bottom - BAND_TOP[b]);
        if (cloth.isLoaded())
            cloth.drawWithoutRotation(area, 0, 0, BAND_WIDTH, HEIGHT);
        else {
            setColour(fill, 100, 420, 180);
            fill.fillRect(area, RECTANGLE{0, BAND_TOP[b], BAND_WIDTH, bottom - BAND_TOP[b]});
        }
        VORDIX_LINE rule;
        setColour(rule, 0, 250, 100);
        if (b > 0)
            rule.drawLine(area, 0, BAND_TOP[b], BAND_WIDTH, BAND_TOP[b]);
        label.text = skat::text(names[b]) + L":";
        label.drawText(area, CARDS_X, BAND_TOP[b] + 17);
        const EINBLATT_SORTIERBAR& hand = editor.band(b);
        for (int place = 1; place <= hand.cardCount(); ++place) {
            const CardId card = hand.cardIdAt(place);
            if (card != draggedCard_)
                images.drawCard(card, area, CARDS_X + (place - 1) * CARD_STEP, CARDS_Y[b], CARD_WIDTH, CARD_HEIGHT, 0);
        }
        area.resetClip();
    }

    // The swap buttons.
    VORDIX_AREA button;
    setColour(button, 200, 200, 200);
    button.opacity = 0.75f;
    VORDIX_LINE outline;
    setColour(outline, 999, 999, 999);
    VORDIX_TEXT arrows;
    arrows.size = 11;
    arrows.horizontalAlign = 1;
    setColour(arrows, 999, 999, 999);
    for (const SwapButton& s : SWAPS) {
        const RECTANGLE r{SWAP_X, s.y, SWAP_WIDTH, SWAP_HEIGHT};
        button.fillRoundedRect(area, r, 6);
        outline.drawRoundedRect(area, r, 6);
        arrows.text = L"\u21C5";
        arrows.drawText(area, SWAP_X + SWAP_WIDTH / 2, s.y + SWAP_HEIGHT - 4);
    }

    // The border between the bands and the grid.
    VORDIX_LINE line;
    setColour(line, 300, 300, 300);
    line.drawLine(area, BAND_WIDTH, 0, BAND_WIDTH, HEIGHT);
    setColour(line, 999, 999, 999);
    line.drawLine(area, BAND_WIDTH + 1, 0, BAND_WIDTH + 1, HEIGHT);

    // The grid: free cards raised, picked ones sunken, dealt ones empty.
    VORDIX_LINE light, dark;
    setColour(light, 999, 999, 999);
    setColour(dark, 450, 450, 450);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 4; ++column) {
            const CardId card = makeCardId(static_cast<Suit>(column + 1), static_cast<Rank>(GRID_ROWS[row] + 1));
            const int state = editor.stateOf(card);
            if (state == KARTEN_VERTEILEN::DEALT)
                continue;
            const int x = GRID_X + CELL_WIDTH * column;
            const int y = CELL_HEIGHT * row;
            VORDIX_LINE& topLeft = state == KARTEN_VERTEILEN::FREE ? light : dark;
            VORDIX_LINE& bottomRight = state == KARTEN_VERTEILEN::FREE ? dark : light;
            for (int i = 0; i < 2; ++i) {
                topLeft.drawLine(area, x + i, y + i, x + CELL_WIDTH - 1 - i, y + i);
                topLeft.drawLine(area, x + i, y + i, x + i, y + CELL_HEIGHT - 1 - i);
                bottomRight.drawLine(area, x + i, y + CELL_HEIGHT - 1 - i, x + CELL_WIDTH - 1 - i,
                                     y + CELL_HEIGHT - 1 - i);
                bottomRight.drawLine(area, x + CELL_WIDTH - 1 - i, y + i, x + CELL_WIDTH - 1 - i,
                                     y + CELL_HEIGHT - 1 - i);
            }
            VORDIX_BITMAP& rank = images.ranks[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
            if (rank.isLoaded())
                rank.drawWithoutRotation(area, x + 4, y + 4, 16, 14);
        }
    for (int column = 0; column < 4; ++column)
        if (images.suits[static_cast<std::size_t>(column)].isLoaded())
            images.suits[static_cast<std::size_t>(column)].drawWithoutRotation(area, GRID_X + CELL_WIDTH * column, 176,
                                                                               24, 26);

    // The picked cards as a pile, diamonds first, each suit from the bottom row up.
    const int picked = editor.pickedCount();
    if (picked > 0) {
        const int x = draggingPile_ ? dragX_ : PILE_X;
        const int y = draggingPile_ ? dragY_ : PILE_Y;
        int k = 0;
        for (int column = 3; column >= 0; --column)
            for (int row = 7; row >= 0; --row) {
                const CardId card = makeCardId(static_cast<Suit>(column + 1), static_cast<Rank>(GRID_ROWS[row] + 1));
                if (editor.stateOf(card) != KARTEN_VERTEILEN::PICKED)
                    continue;
                images.drawCard(card, area, x, y + CARD_HEIGHT * k / picked, CARD_WIDTH, CARD_HEIGHT, 0);
                ++k;
            }
    }
    if (draggedCard_ != NO_CARD)
        images.drawCard(draggedCard_, area, dragX_, dragY_, CARD_WIDTH, CARD_HEIGHT, 0);

    if (searching_) {
        VORDIX_AREA shade;
        setColour(shade, 0, 0, 0);
        shade.opacity = 0.5f;
        shade.fillRoundedRect(area, RECTANGLE{BAND_WIDTH / 2 - 110, HEIGHT / 2 - 24, 220, 48}, 12);
        VORDIX_TEXT note;
        note.size = 16;
        note.horizontalAlign = 1;
        note.styleBits = VORDIX_TEXT::BOLD;
        setColour(note, 999, 999, 999);
        note.text = skat::text(TextKey::Verteilung_Suche_laeuft);
        note.drawText(area, BAND_WIDTH / 2, HEIGHT / 2 + 6);
    }
}
