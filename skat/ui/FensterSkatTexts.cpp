// The texts the main window writes on the table: the information panel, the
// seat names and roles, the title line and the centred box, the speech
// balloons, the Skat places, the status text beside the table and the row
// of the cards each side took after the game. Everything is sized from the
// measured text and kept a small margin inside the client area.

#include "skat/app/Bilder.h"
#include "skat/app/OpenAdviceText.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/StatusAdvice.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableSnapshot.h"
#include "skat/ui/TableTexts.h"
#include "vordix/Area.h"
#include "vordix/Bitmap.h"
#include "vordix/File.h"
#include "vordix/Line.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int UI_INFO_LEFT = 15;
constexpr int UI_INFO_MIDDLE = 16;
constexpr int UI_INFO_RIGHT = 17;

ThemeColour themeColour() { return USER_PREFS::instance().themeColours(); }
int theme() { return USER_PREFS::instance().tableTheme; }

void setColour(VORDIX_GRAPHICS_OBJECT& object, const ThemeColour& c, float opacity = 1.0f)
{
    object.setColor(c.red, c.green, c.blue);
    object.opacity = opacity;
}

void setDefaultColour(VORDIX_GRAPHICS_OBJECT& object, float opacity = 1.0f)
{
    object.setColor(0, 0, 0);
    object.opacity = opacity;
}

void fillRounded(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& rect, int radius, int r, int g, int b, float alpha)
{
    if (alpha <= 0.0f || rect.width <= 0 || rect.height <= 0)
        return;
    VORDIX_AREA box;
    box.setColor(r, g, b);
    box.opacity = alpha;
    box.fillRoundedRect(area, rect, radius);
}

// The text's extent around its baseline: the measured height split into the
// part above the baseline and the part below.
struct TextExtent {
    int width = 0;
    int height = 0;
    int above() const { return height * 4 / 5; }
    int below() const { return height - above(); }
};

TextExtent measure(VORDIX_TEXT& text)
{
    TextExtent e;
    text.measureText(e.width, e.height);
    return e;
}

PLAYER* playerAt(const TableSnapshot& table, int seat)
{
    return isValidSeat(seat) ? table.playerAtSeat(static_cast<Seat>(seat)) : nullptr;
}

int kindAt(const TableSnapshot& table, int seat)
{
    PLAYER* p = playerAt(table, seat);
    return p ? p->kind() : PLAYER_KIND_NONE;
}

} // namespace

// ---------------------------------------------------------------- helpers

int FENSTER_SKAT::clientWidth()
{
    const RECTANGLE client = clientRect();
    return client.width > 0 ? client.width : currentLayout.designWidth();
}

int FENSTER_SKAT::clientHeight()
{
    const RECTANGLE client = clientRect();
    return client.height > 0 ? client.height : currentLayout.designHeight();
}

// ---------------------------------------------------------------- information panel

void FENSTER_SKAT::paintGameInfo(VORDIX_ZEICHENBEREICH& area)
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = shownTable(taken);
    if (!table || !controller)
        return;
    const bool smallLayout = layoutKindOf(currentLayout) == LayoutKind::Small;
    VORDIX_TEXT line;
    line.size = 12;
    line.setColor(999, 999, 999);
    line.styleBits = VORDIX_TEXT::BOLD;
    line.horizontalAlign = 0;
    table_texts::InfoLineContext context;
    context.inputMode = controller->input.mode;
    context.biddingMode = biddingController.mode;
    context.offeredValue = biddingController.value;
    TextExtent e;
    for (int build = 0; build < 6; ++build) {
        if (context.inputMode == INPUT_GAME_RESULT)
            context.inputMode = INPUT_NONE;
        line.text = table_texts::gameInfoLine(*table, context);
        e = measure(line);
        if (!smallLayout || e.width < 370 || context.shortForm)
            break;
        context.shortForm = true;
    }
    // The panel starts right of the score-sheet icon in the corner.
    const SKAT_BUTTON& sheetIcon = buttons[BUTTON_SCORE_SHEET];
    const int iconRight =
        sheetIcon.image && sheetIcon.image->isLoaded() ? sheetIcon.x + sheetIcon.image->getWidth() : 0;
    const int left = std::max(18, iconRight + 4);
    const int top = std::max(1, sheetIcon.y);
    const bool compact =
        smallLayout && controller->input.mode != INPUT_GAME_RESULT && table->currentIndex != STATE_EINGEPASST;
    const int W = compact ? e.width : std::max(e.width, 84);
    if (!line.text.empty()) {
        BILDER& images = BILDER::instance();
        VORDIX_BITMAP& leftEnd = images.uiImage(UI_INFO_LEFT);
        VORDIX_BITMAP& middle = images.uiImage(UI_INFO_MIDDLE);
        VORDIX_BITMAP& rightEnd = images.uiImage(UI_INFO_RIGHT);
        if (leftEnd.isLoaded())
            leftEnd.draw(area, left, top);
        if (middle.isLoaded())
            middle.drawWithoutRotation(area, left + 11, top, W + 2, 27);
        if (rightEnd.isLoaded())
            rightEnd.draw(area, left + 11 + W + 2, top);
        line.drawText(area, left + 12, top + 19);
    }
    if (compact)
        return;

    // The score box: the three names and their totals.
    VORDIX_TEXT entry;
    entry.size = 12;
    entry.setColor(999, 999, 999);
    const USER_PREFS& prefs = USER_PREFS::instance();
    int nameWidth = 0;
    int totalWidth = 0;
    std::array<std::wstring, 3> totals;
    // At a network table the columns belong to the seated players, not to
    // the names this program keeps for its own games.
    std::array<std::wstring, 3> names;
    for (std::size_t k = 0; k < 3; ++k)
        names[k] =
            table->isNetworkGame() && !table->sheet.names[k].empty() ? table->sheet.names[k] : prefs.playerNames[k];
    for (int k = 0; k < 3; ++k) {
        entry.text = names[k];
        nameWidth = std::max(nameWidth, measure(entry).width);
        totals[k] = std::to_wstring(table->sheet.lastRowPoints(k));
        entry.text = totals[k];
        totalWidth = std::max(totalWidth, measure(entry).width);
    }
    const int boxLeft = left - 2;
    const int boxWidth = std::max(120, nameWidth + totalWidth + 24);
    fillRounded(area, {boxLeft, top + 25, boxWidth, 54}, 9, 0, 0, 0, 0.6f);
    for (int k = 0; k < 3; ++k) {
        const int baseline = top + 41 + 16 * k;
        entry.horizontalAlign = 0;
        entry.text = names[k];
        entry.drawText(area, boxLeft + 7, baseline);
        entry.horizontalAlign = 2;
        entry.text = totals[k];
        entry.drawText(area, boxLeft + boxWidth - 6, baseline);
    }
}

// ---------------------------------------------------------------- seat labels

FENSTER_SKAT::LabelAnchor FENSTER_SKAT::seatLabelOffset(int position) const
{
    static constexpr int baseX[3] = {384, 172, -70};
    static constexpr int baseY[3] = {180, 252, 180};
    int x = baseX[position];
    int y = baseY[position];
    const int style = theme();
    switch (layoutKindOf(currentLayout)) {
    case LayoutKind::Small:
        x = static_cast<int>(x * currentLayout.cardScale) + (position == 0 ? 10 : position == 2 ? 20 : 0);
        y = static_cast<int>(y * currentLayout.cardScale) - 30 + (position == 0 ? 10 : position == 1 ? 30 : 0);
        if (style == USER_PREFS::THEME_MONO) {
            if (position == 0)
                x = 300;
            if (position == 2)
                x = -130;
            if (position != 1)
                y = -50;
        }
        break;
    case LayoutKind::Landscape:
        if (position == 2)
            x += 40;
        if (position == 0)
            y -= 10;
        if (position == 2)
            y -= 25;
        if (style == USER_PREFS::THEME_PUB)
            y += 10;
        if (style == USER_PREFS::THEME_MONO) {
            if (position == 0)
                x = 620;
            if (position == 2)
                x = -280;
            y = position == 1 ? y + 60 : -130;
        }
        break;
    case LayoutKind::Portrait:
        if (position == 0)
            x -= 10;
        if (position == 2)
            x += 60;
        y += 20 + (position == 0 ? 40 : position == 2 ? 20 : 0);
        if (style == USER_PREFS::THEME_PUB)
            y += 10;
        if (style == USER_PREFS::THEME_MONO) {
            if (position == 0)
                x = 500;
            if (position == 2)
                x = -150;
            if (position != 1)
                y = -190;
        }
        break;
    }
    return {x, y};
}

RECTANGLE FENSTER_SKAT::drawSeatLabel(VORDIX_TEXT& label, int seat, VORDIX_ZEICHENBEREICH& area, int yAdjust)
{
    if (label.text.empty())
        return {};
    SKATTISCH* table = currentTable();
    const int position = screenPositionOfSeat(table, seat);
    const int style = theme();
    if (style == USER_PREFS::THEME_MONO)
        label.size = 26;
    label.horizontalAlign = 1;
    label.verticalAlign = 0;
    const TextExtent e = measure(label);
    const LabelAnchor offset = seatLabelOffset(position);
    int x = offset.x + currentLayout[TableLayout::MIDDLE_X] + originX;
    const int y = offset.y + currentLayout[TableLayout::MIDDLE_Y] + originY + yAdjust - seatLabelLift(position);
    int b = 0;
    float alpha = 0.0f;
    int r = 0, g = 0, bl = 0;
    if (style == USER_PREFS::THEME_MOUNTAINS) {
        if (position == 0)
            r = 822, g = 783, bl = 822;
        else
            r = 716, g = 666, bl = 685;
        alpha = 0.6f;
    } else if (style == USER_PREFS::THEME_MONO) {
        label.setColor(999, 999, 999);
        b = 16;
        if (position != 1)
            r = 333, g = 58, bl = 19, alpha = 1.0f;
    } else {
        // The other themes draw no box of their own; a faint one keeps the
        // text readable on the cloth and the cards.
        alpha = 0.35f;
        r = g = bl = style == USER_PREFS::THEME_ISLAND ? 999 : 850;
        b = 0;
    }
    // The box keeps a margin inside the client area.
    const int margin = 4;
    const int pad = 3 * b + 4;
    const int W = e.width + 2 * pad;
    const int clientW = clientWidth();
    if (x - W / 2 < margin)
        x = margin + W / 2;
    if (x + W - W / 2 > clientW - margin)
        x = clientW - margin - (W - W / 2);
    const RECTANGLE box{x - W / 2, y - e.above() - b - 1, W, e.height + 2 * b + 2};
    fillRounded(area, box, b + 4, r, g, bl, alpha);
    label.drawText(area, x, y);
    return box;
}

int FENSTER_SKAT::seatLabelLift(int position)
{
    // While the user chooses between taking the skat and playing hand, and
    // while putting two cards away, the buttons lie just below the other
    // seats' labels; name and role move up together until the role clears
    // the buttons.
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = controller && position != 1 ? shownTable(taken) : nullptr;
    if (!table || !controller || position == 1)
        return 0;
    const InputMode mode = controller->input.mode;
    if (mode != INPUT_SKAT_OR_HAND && mode != INPUT_PUT_AWAY)
        return 0;
    VORDIX_TEXT role;
    role.size = theme() == USER_PREFS::THEME_MONO ? 26 : 13;
    role.text = table_texts::seatRoleText(*table, controller->input.mode, position);
    if (role.text.empty())
        return 0;
    const TextExtent e = measure(role);
    const LabelAnchor offset = seatLabelOffset(position);
    const int x = offset.x + currentLayout[TableLayout::MIDDLE_X] + originX;
    const int y = offset.y + currentLayout[TableLayout::MIDDLE_Y] + originY;
    const int pad = theme() == USER_PREFS::THEME_MONO ? 52 : 4;
    const int left = x - e.width / 2 - pad;
    const int right = left + e.width + 2 * pad;
    const int bottom = y - e.above() + e.height + 4;
    int lift = 0;
    for (int index : {BUTTON_TAKE_SKAT, BUTTON_PLAY_HAND, BUTTON_PUT_AWAY}) {
        if ((index == BUTTON_PUT_AWAY) != (mode == INPUT_PUT_AWAY))
            continue;
        const SKAT_BUTTON& button = buttons[index];
        if (right > button.x && left < button.x + button.drawnWidth() && bottom > button.y)
            lift = std::max(lift, bottom - button.y);
    }
    return lift;
}

void FENSTER_SKAT::paintSeatNames(VORDIX_ZEICHENBEREICH& area)
{
    SKATTISCH* table = currentTable();
    if (!table || !controller || layoutKindOf(currentLayout) == LayoutKind::Small)
        return;
    if (theme() == USER_PREFS::THEME_MONO)
        return;
    VORDIX_TEXT label;
    if (theme() == USER_PREFS::THEME_ISLAND)
        setColour(label, themeColour());
    else
        setDefaultColour(label);
    label.size = 17;
    const InputMode mode = controller->input.mode;
    const bool highlightMode = mode == INPUT_OTHERS_BID || (mode >= INPUT_ANNOUNCING && mode <= INPUT_PUT_AWAY_DONE)
                               || mode == INPUT_OTHERS_PLAY;
    const int active = activeSeat();
    for (int position : {2, 0}) {
        int seat = -1;
        for (int s = 0; s < 3; ++s)
            if (screenPositionOfSeat(table, s) == position)
                seat = s;
        PLAYER* player = isValidSeat(seat) ? table->playerAtSeat(static_cast<Seat>(seat)) : nullptr;
        if (!player)
            continue;
        label.text = player->name();
        const bool highlight =
            table->isNetworkGame() && highlightMode && active >= 0 && screenPositionOfSeat(table, active) == position;
        label.styleBits = highlight ? VORDIX_TEXT::BOLD | VORDIX_TEXT::UNDERLINE : VORDIX_TEXT::BOLD;
        drawSeatLabel(label, seat, area, -20);
    }
}

int FENSTER_SKAT::localSeat() const
{
    SKATTISCH* table = currentTable();
    for (int s = 0; s < 3; ++s)
        if (screenPositionOfSeat(table, s) == 1)
            return s;
    return 1;
}

void FENSTER_SKAT::paintSeatRoles(VORDIX_ZEICHENBEREICH& area)
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = shownTable(taken);
    if (!table || !controller)
        return;
    const int local = localSeat();
    VORDIX_TEXT label;
    label.size = 13;
    if (theme() == USER_PREFS::THEME_ISLAND)
        setColour(label, themeColour());
    else if (theme() == USER_PREFS::THEME_MONO)
        label.setColor(999, 999, 999);
    else
        setDefaultColour(label);
    label.text = table_texts::seatRoleText(*table, controller->input.mode, 2);
    drawSeatLabel(label, (local + 1) % 3, area, 0);
    label.text = table_texts::seatRoleText(*table, controller->input.mode, 0);
    drawSeatLabel(label, (local + 2) % 3, area, 0);
}

bool FENSTER_SKAT::isLocalTurnToPlay(const TableSnapshot& table) const
{
    const STICH& trick = table.cards.trick;
    if (table.currentIndex != STATE_KARTE_AUSSPIELEN || trick.count() >= 3 || table.cards.leader() < 0)
        return false;
    const int toPlay = (table.cards.leader() + trick.count()) % 3;
    if (screenPositionOfSeat(&table.table(), toPlay) != 1)
        return false;
    return !(controller && controller->input.ownCardOnItsWay);
}

void FENSTER_SKAT::paintOwnSeatRole(VORDIX_ZEICHENBEREICH& area)
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = shownTable(taken);
    if (!table || !controller || controller->input.mode <= INPUT_NEW_GAME)
        return;
    const InputMode mode = controller->input.mode;
    VORDIX_TEXT label;
    label.size = 13;
    setColour(label, themeColour());
    if (mode < INPUT_CARD_PLAY) {
        const std::wstring role = table_texts::seatRoleText(*table, mode, 1);
        if (role.empty())
            return;
        label.text = L" " + role + L" ";
        if (mode <= INPUT_CUT_DONE)
            drawSeatLabel(label, localSeat(), area, 0);
        else
            drawCentredBoxedText(label, area);
        return;
    }
    const bool firstCard = table->cards.pile.trickCount() == 0 && table->cards.trick.count() == 0;
    if (!firstCard || !isLocalTurnToPlay(*table))
        return;
    const int toPlay = (table->cards.leader() + table->cards.trick.count()) % 3;
    if (table->record.SPIELART.SPIEL_TYP != GAME_RAMSCH && toPlay == table->record.declarer())
        return;
    label.text = skat::text(TextKey::Status_Du_spielst_Aus);
    label.styleBits = VORDIX_TEXT::BOLD;
    label.horizontalAlign = 1;
    drawCentredBoxedText(label, area);
}

// ---------------------------------------------------------------- title line and centred box

void FENSTER_SKAT::paintGameTitle(VORDIX_ZEICHENBEREICH& area)
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = shownTable(taken);
    if (!table || !controller)
        return;
    const InputMode mode = controller->input.mode;
    if (mode < INPUT_CARD_PLAY || mode >= INPUT_GAME_RESULT)
        return;
    const int declarer = table->record.declarer();
    if (declarer < 0 || declarer > 2)
        return;
    const bool local = screenPositionOfSeat(&table->table(), declarer) == 1;
    const bool turn = local && isLocalTurnToPlay(*table);
    const bool firstLead = turn && table->cards.pile.trickCount() == 0 && table->cards.trick.count() == 0;
    const std::wstring title = table_texts::gameTitle(*table, mode, local, firstLead, theme());
    if (title.empty())
        return;
    VORDIX_TEXT label;
    label.size = 13;
    setColour(label, themeColour());
    label.horizontalAlign = 1;
    label.styleBits = turn ? VORDIX_TEXT::BOLD : 0;
    if (local) {
        if (table->cards.hands[declarer].cardCount() <= 1)
            return;
        label.text = L" " + title + L" ";
        drawCentredBoxedText(label, area);
    } else {
        label.text = title;
        drawSeatLabel(label, declarer, area, 0);
    }
}

RECTANGLE FENSTER_SKAT::drawCentredBoxedText(VORDIX_TEXT& label, VORDIX_ZEICHENBEREICH& area)
{
    if (label.text.empty())
        return {};
    label.size = 13;
    const TextExtent e = measure(label);
    const int clientH = clientHeight();
    const int cx = originX + currentLayout.designWidth() / 2;
    const int baseline = clientH - 4 - e.below();
    const RECTANGLE box{cx - e.width / 2 - 4, baseline - e.above() - 2, e.width + 8, e.height + 4};
    fillRounded(area, box, 4, 999, 999, 999, 0.8f);
    label.setColor(500, 500, 500);
    label.opacity = 1.0f;
    label.horizontalAlign = 1;
    label.drawText(area, cx, baseline);
    return box;
}

// ---------------------------------------------------------------- balloons

void FENSTER_SKAT::showSeatText(int seat, const std::wstring& text)
{
    if (seat < 0 || seat > 2)
        return;
    SeatText& balloon = seatTexts[seat];
    balloon.shown = !text.empty();
    balloon.text = text;
    balloon.centred = false;
    balloon.seat = seat;
    invalidateOverlay();
}

void FENSTER_SKAT::clearSeatTexts()
{
    for (SeatText& balloon : seatTexts)
        balloon.shown = false;
    invalidateOverlay();
}

RECTANGLE FENSTER_SKAT::paintBalloon(VORDIX_ZEICHENBEREICH& area, const SeatText& balloon, bool wrap)
{
    if (!balloon.shown || balloon.text.empty())
        return {};
    VORDIX_TEXT text;
    text.fontKind = 0;
    text.size = 18;
    text.horizontalAlign = 0;
    setDefaultColour(text);
    const std::vector<std::wstring> lines = table_texts::balloonLines(balloon.text, wrap);
    if (lines.empty())
        return {};
    const int s = scaleFactor;
    int U = 0;
    std::vector<int> widths;
    int lineHeight = 0;
    for (const std::wstring& line : lines) {
        text.text = line;
        const TextExtent e = measure(text);
        widths.push_back(e.width / s);
        U = std::max(U, e.width / s);
        lineHeight = std::max(lineHeight, e.height);
    }
    const int n = static_cast<int>(lines.size());
    const bool small = layoutKindOf(currentLayout) == LayoutKind::Small;
    const int M = currentLayout[TableLayout::MIDDLE_X];
    const int my = currentLayout[TableLayout::MIDDLE_Y];
    const int P = screenPositionOfSeat(currentTable(), balloon.seat);
    int bx = 0;
    int pointer = 0; // 1 right, -1 left
    if (balloon.centred)
        bx = M / 2 - U / 2 + (small ? 39 : 79);
    else if (wrap)
        bx = P == 0 ? M / 2 + 149 : P == 1 ? M / 2 - U / 2 + 79 : M / 2 - U + 19;
    else if (small)
        bx = P == 0 ? M / 2 - U + 68 : P == 1 ? M / 2 - U / 2 + 33 : M / 2 + 3;
    else
        bx = P == 0 ? M / 2 - U + 149 : P == 1 ? M / 2 - U / 2 + 79 : M / 2 + 19;
    if (!balloon.centred)
        pointer = P == 0 ? 1 : P == 2 ? -1 : 0;
    // The rows follow the measured line height (at least the design's 20).
    const int row = std::max(s * 10, lineHeight);
    const int width = s * (U + 17) + 14;
    const int height = row * n + 34 - (row - s * 10);
    int left = s * bx + originX;
    const int top = my + originY + 50 * (wrap ? 1 : 0) - 20;
    // Keep the box inside the client area.
    const int margin = 4;
    const int clientW = clientWidth();
    left = std::clamp(left, margin, std::max(margin, clientW - margin - width));
    const RECTANGLE box{left, top, width, height};
    VORDIX_AREA fill;
    fill.setColor(999, 999, 999);
    fill.fillRoundedRect(area, box, std::min(height / 2, 24));
    VORDIX_LINE outline;
    setDefaultColour(outline);
    outline.drawRoundedRect(area, box, std::min(height / 2, 24));
    if (pointer != 0) {
        VORDIX_BITMAP& image = balloonPointers_[pointer > 0 ? 1 : 0];
        if (!image.isLoaded()) {
            const SKAT_TEXT& names = SKAT_TEXT::instance();
            const std::wstring& file = pointer > 0 ? names.imgBalloonLargeRight : names.imgBalloonLargeLeft;
            image.load(VORDIX_FILE(skat::resourceFolder({names.folderGraphics}), file));
        }
        if (image.isLoaded()) {
            const int ix = pointer > 0 ? left + width - 6 : left - image.getWidth() + 6;
            image.draw(area, ix, top + height / 2 - image.getHeight() / 2 + 6);
        }
    }
    const int firstBaseline = top + 17 + lineHeight * 4 / 5 - (small ? 18 : 0);
    for (int k = 0; k < n; ++k) {
        text.text = lines[k];
        // Centred in the middle; towards the pointer's far side otherwise.
        const int slack = s * (U - widths[k]);
        const bool centre = balloon.centred || P == 1;
        const bool right = !centre && ((wrap && P == 2) || (!wrap && P == 0));
        const int lineLeft = left + s * 13 + (centre ? slack / 2 : right ? slack : 0);
        text.drawText(area, lineLeft, firstBaseline + row * k);
    }
    return box;
}

// ---------------------------------------------------------------- Skat places

RECTANGLE FENSTER_SKAT::skatPlaceRect(int place) const { return geometry().skatPlace(place); }

void FENSTER_SKAT::paintSkatPair(VORDIX_ZEICHENBEREICH& area, CardId first, CardId second)
{
    BILDER& images = BILDER::instance();
    const CardId pair[2] = {first, second};
    for (int place = 0; place < 2; ++place) {
        const RECTANGLE r = skatPlaceRect(place);
        const CardId card = pair[place];
        if (isRealCard(card)) {
            images.drawCard(card, area, r.x, r.y, r.width, r.height, 0.0f);
            continue;
        }
        VORDIX_AREA fill;
        setDefaultColour(fill, 0.3f);
        fill.fillRoundedRect(area, r, 12);
        VORDIX_LINE outline;
        setDefaultColour(outline);
        outline.drawRoundedRect(area, r, 12);
    }
}

// ---------------------------------------------------------------- status text

std::wstring FENSTER_SKAT::composeStatusText(const TableSnapshot& table) const
{
    const int state = table.currentIndex;
    if (table.modus.exerciseFlag) {
        const RecordTexts& texts = table.modus.storedGame.record.texts();
        const int tricks = table.cards.pile.trickCount();
        if (state == STATE_REIZ_VORSCHLAG || state == STATE_REIZEN)
            return texts[3];
        if (state == STATE_SPIEL_ANSAGEN)
            return texts[4];
        if (state == STATE_KARTE_AUSSPIELEN || (state == STATE_STICH_ABLEGEN && tricks < 10)) {
            if (table.modus.deviationIndex < 0 && tricks < 10)
                return texts[tricks + 5];
        }
        return {};
    }
    if (!controller || !controller->isAnalysisShown())
        return {};
    PLAYER* own = table.playerInSlot(1);
    const int declarer = table.record.declarer();
    const bool humanDeclarer = kindAt(table, declarer) == PLAYER_KIND_HUMAN;
    const int winLevel = table.record.SPIELART.GEWINN_STUFE;
    const InputMode mode = controller->input.mode;
    if (state >= STATE_REIZ_VORSCHLAG && state <= STATE_EINGEPASST)
        return own ? status_advice::biddingAdvice(*own, table) : std::wstring{};
    if (state == STATE_SPIEL_ANSAGEN && winLevel > 1 && own && humanDeclarer)
        return status_advice::handGameAdvice(*own);
    if ((mode == INPUT_ANNOUNCING || mode == INPUT_SKAT_OR_HAND) && humanDeclarer && own)
        return status_advice::biddingAdvice(*own, table) + L"\n" + status_advice::announcementSummary(*own);
    if (state == STATE_SPIEL_ANSAGEN && winLevel <= 1 && humanDeclarer && own) {
        std::wstring text = status_advice::gameAdvice(*own);
        if (mode == INPUT_PUT_AWAY && !controller->input.skatPlaces.isComplete() && own->proposal().type != GAME_NULL) {
            const DiscardPair pair = own->logic().chooseDiscard(own->situation(), own->proposal());
            const SKAT_TEXT& texts = SKAT_TEXT::instance();
            text += L"\n" + skat::text(TextKey::Tipp_Druecke) + L" " + texts.cardName(pair.first) + L" "
                    + skat::text(TextKey::Element_und) + L" " + texts.cardName(pair.second) + L".";
            const GameType type = own->proposal().type;
            std::wstring analysis;
            const CardSet hand = table.cards.hands[declarer].cardSet();
            if (type < GAME_GRAND) {
                for (Suit suit = SUIT_CLUBS; suit <= SUIT_DIAMONDS; ++suit) {
                    if (suit == trumpSuit(type))
                        continue;
                    const std::wstring pattern = status_advice::suitPatternAdvice(*own, hand, suit);
                    if (!pattern.empty())
                        analysis += texts.gameTypeName(suitGame(suit)) + L": " + pattern + L"\n";
                }
            }
            if (!analysis.empty())
                text += L"\n" + skat::text(TextKey::Analyse_Titel) + L"\n" + analysis;
        }
        return text;
    }
    if (state == STATE_KARTE_AUSSPIELEN && table.cards.leader() >= 0 && own) {
        const int toPlay = (table.cards.leader() + table.cards.trick.count()) % 3;
        if (kindAt(table, toPlay) == PLAYER_KIND_HUMAN)
            return status_advice::openGameAdvice(*own);
    }
    return {};
}

void FENSTER_SKAT::updateInfoText()
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = shownTable(taken);
    if (!table || !controller)
        return;
    const std::wstring text = composeStatusText(*table) + L"\n\n";
    const bool exercise = table->modus.exerciseFlag;
    const bool analysed = controller->isAnalysisShown();
    auto imp = mainImplementor();
    if (exercise || analysed) {
        const bool empty = text.size() <= 2;
        statusText = empty ? std::wstring{} : text;
        statusTextLength = static_cast<int>(statusText.size());
        const bool hidden = statusTextLength == 0 || !(controller->infoTextShown || analysed)
                            || layoutKindOf(currentLayout) == LayoutKind::Small;
        if (imp && isOpen) {
            imp->setControlText(TUTOR_TEXT_CONTROL, statusText);
            if (hidden)
                imp->hideControl(TUTOR_TEXT_CONTROL);
            else
                imp->showControl(TUTOR_TEXT_CONTROL);
        }
        invalidate();
        return;
    }
    if (statusTextLength > 0) {
        if (imp && isOpen)
            imp->hideControl(TUTOR_TEXT_CONTROL);
        invalidate();
    }
}

// ---------------------------------------------------------------- settlement trick row

void FENSTER_SKAT::prepareTrickDisplay(int party, const STAPEL& pile)
{
    trickRow_.shown = true;
    trickRow_.party = party;
    trickRow_.pile = pile;
    trickRow_.cards.clear();
    if (party == 0) {
        const SKAT skat = pile.skat();
        trickRow_.cards.push_back(skat.cardId(1));
        trickRow_.cards.push_back(skat.cardId(2));
    }
    for (int n = 1; n <= pile.trickCount(); ++n) {
        if (pile.partyOfTrick(n) != party)
            continue;
        const STICH trick = pile.trick(n);
        for (int j = 0; j < 3; ++j) {
            const KARTE* card = trick.card(j);
            trickRow_.cards.push_back(card ? card->id() : NO_CARD);
        }
    }
    layoutTrickRow();
    invalidate();
}

void FENSTER_SKAT::hideTrickDisplay()
{
    if (!trickRow_.shown)
        return;
    trickRow_.shown = false;
    trickRow_.cards.clear();
    invalidate();
}

void FENSTER_SKAT::layoutTrickRow()
{
    TrickRow& row = trickRow_;
    const LayoutKind kind = layoutKindOf(currentLayout);
    const bool small = kind == LayoutKind::Small;
    const float s = handViews[0].scale > 0.0f ? handViews[0].scale : 1.0f;
    int smallGap = (small ? 13 : 24) * scaleFactor;
    int bigGap = (small ? 22 : 40) * scaleFactor;
    int cardW = small ? 104 : 2 * static_cast<int>(s * 120.0 * 0.5);
    int cardH = small ? 155 : 2 * static_cast<int>(s * 180.0 * 0.5);
    const int n = static_cast<int>(row.cards.size());
    auto widthOf = [&](int small_, int big, int extra) {
        int x = 0;
        for (int i = 0; i + 1 < n; ++i)
            x += gapAfter(i, small_, big, extra);
        return x;
    };
    const int clientW = clientWidth();
    const int clientH = clientHeight();
    const int top = originY + currentLayout[TableLayout::OWN_HAND_Y];
    // The row shrinks to fit the client area, cards and gaps alike.
    float f = 1.0f;
    const int full = widthOf(smallGap, bigGap, 10) + cardW;
    if (full > clientW - 8)
        f = static_cast<float>(clientW - 8) / static_cast<float>(full);
    if (top + cardH > clientH - 4)
        f = std::min(f, static_cast<float>(clientH - 4 - top) / static_cast<float>(cardH));
    f = std::max(f, 0.2f);
    row.smallGap = static_cast<int>(smallGap * f);
    row.bigGap = static_cast<int>(bigGap * f);
    row.extra = static_cast<int>(10 * f);
    row.cardWidth = static_cast<int>(cardW * f);
    row.cardHeight = static_cast<int>(cardH * f);
    row.top = top;
    const int width = widthOf(row.smallGap, row.bigGap, row.extra) + row.cardWidth;
    row.startX = std::max(4, (clientW - width) / 2);
}

int FENSTER_SKAT::gapAfter(int i, int smallGap, int bigGap, int extra) const
{
    const int k = trickRow_.party == 0 ? 1 : 0;
    if ((k + 1 + i) % 3 != 0)
        return smallGap;
    if (trickRow_.party == 0 && i == 1)
        return bigGap + extra;
    return bigGap;
}

int FENSTER_SKAT::trickDisplayX(int position) const
{
    if (!trickRow_.shown)
        return 0;
    int x = trickRow_.startX;
    for (int i = 0; i < position; ++i)
        x += gapAfter(i, trickRow_.smallGap, trickRow_.bigGap, trickRow_.extra);
    return x;
}

RECTANGLE FENSTER_SKAT::trickDisplayRect() const
{
    if (!trickRow_.shown)
        return {};
    const int n = static_cast<int>(trickRow_.cards.size());
    const int right = (n > 0 ? trickDisplayX(n - 1) + trickRow_.cardWidth : trickRow_.startX);
    return {trickRow_.startX, trickRow_.top - 30, right - trickRow_.startX, trickRow_.cardHeight + 30};
}

std::wstring FENSTER_SKAT::trickDisplayCaption(const TableSnapshot& table) const
{
    const int declarer = table.record.declarer();
    PLAYER* partner = declarer >= 0 && declarer <= 2 ? table.playerInSlot((declarer + 2) % 3) : nullptr;
    const bool own =
        partner && (partner->kind() == PLAYER_KIND_HUMAN || kindAt(table, declarer) == PLAYER_KIND_NETWORK_CLIENT);
    const std::wstring heading = trickRow_.party == 0 ? skat::text(TextKey::Skat_Dein_Skat_und) : std::wstring{};
    const std::wstring tricks = skat::text(own ? TextKey::Skat_Deine_Stiche : TextKey::Skat_Eure_Stiche);
    // The card points of both sides, the shown side's first.
    const Party shown = trickRow_.party == 0 ? PARTY_DECLARER : PARTY_DEFENDERS;
    const Party other = shown == PARTY_DECLARER ? PARTY_DEFENDERS : PARTY_DECLARER;
    return (heading.empty() ? tricks : heading + L" " + tricks) + L" \u2013 "
           + table_texts::cardPointsText(trickRow_.pile.recordPoints(shown), trickRow_.pile.recordPoints(other));
}

void FENSTER_SKAT::paintTrickDisplay(VORDIX_ZEICHENBEREICH& area)
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = trickRow_.shown ? shownTable(taken) : nullptr;
    if (!trickRow_.shown || !table)
        return;
    layoutTrickRow();
    VORDIX_TEXT caption;
    caption.text = trickDisplayCaption(*table);
    if (theme() == USER_PREFS::THEME_ISLAND)
        setColour(caption, themeColour());
    else if (theme() == USER_PREFS::THEME_MONO)
        caption.setColor(999, 999, 999);
    else
        setDefaultColour(caption);
    caption.size = 13;
    caption.horizontalAlign = 1;
    const bool small = layoutKindOf(currentLayout) == LayoutKind::Small;
    const int clientW = clientWidth();
    drawBoxedText(caption, std::clamp(originX + currentLayout.designWidth() / 2, 60, clientW - 60),
                  trickRow_.top - (small ? 1 : 5), area);
    BILDER& images = BILDER::instance();
    for (std::size_t i = 0; i < trickRow_.cards.size(); ++i) {
        const CardId card = trickRow_.cards[i];
        if (!isRealCard(card))
            continue;
        images.drawCard(card, area, trickDisplayX(static_cast<int>(i)), trickRow_.top, trickRow_.cardWidth,
                        trickRow_.cardHeight, 0.0f);
    }
}

bool FENSTER_SKAT::settlementRowShown(const TableSnapshot& table) const
{
    const GameType type = table.record.SPIELART.SPIEL_TYP;
    return trickRow_.shown && table.currentIndex == STATE_ABRECHNUNG && type != GAME_NULL && type != GAME_RAMSCH;
}

void FENSTER_SKAT::drawBoxedText(VORDIX_TEXT& label, int x, int y, VORDIX_ZEICHENBEREICH& area)
{
    if (label.text.empty())
        return;
    const TextExtent e = measure(label);
    const int left = label.horizontalAlign == 1 ? x - e.width / 2 : label.horizontalAlign == 2 ? x - e.width : x;
    const int style = theme();
    fillRounded(area, {left - 5, y - e.above() - 2, e.width + 10, e.height + 4}, 4, 716, 666, 685,
                style == USER_PREFS::THEME_MOUNTAINS ? 0.6f
                : style == USER_PREFS::THEME_MONO    ? 0.0f
                                                     : 0.45f);
    label.drawText(area, x, y);
}

void FENSTER_SKAT::onSettlement()
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = shownTable(taken);
    if (!table || table->record.SPIELART.SPIEL_TYP == GAME_RAMSCH)
        return;
    const int d = table->record.declarer();
    PLAYER* partner = d >= 0 && d <= 2 ? table->playerInSlot((d + 2) % 3) : nullptr;
    const bool declarerSide =
        partner && (partner->kind() == PLAYER_KIND_HUMAN || kindAt(*table, d) == PLAYER_KIND_NETWORK_CLIENT);
    prepareTrickDisplay(declarerSide ? 0 : 1, table->cards.pile);
}

// ---------------------------------------------------------------- Kontra and Re

int FENSTER_SKAT::promptButtonOffsetX(int seat) const
{
    const int position = screenPositionOfSeat(currentTable(), seat);
    int x = position == 0 ? 384 : position == 1 ? 172 : -70;
    const LayoutKind kind = layoutKindOf(currentLayout);
    if (kind == LayoutKind::Small) {
        x = static_cast<int>(x * currentLayout.cardScale);
        if (position == 0)
            x -= 70;
        if (position == 2)
            x += 60;
    } else if (position == 2) {
        x += 40;
    }
    return x;
}

void FENSTER_SKAT::placeKontraRe(const TableSnapshot& table, int index)
{
    const int d = table.record.declarer();
    if (d < 0 || d > 2)
        return;
    const int position = screenPositionOfSeat(&table.table(), d);
    const LabelAnchor label = seatLabelOffset(position);
    const int px = index == BUTTON_KONTRA ? promptButtonOffsetX(d) : label.x;
    const int mx = currentLayout[TableLayout::MIDDLE_X];
    const int my = currentLayout[TableLayout::MIDDLE_Y];
    const int x0 = originX;
    const int y0 = originY;
    const LayoutKind kind = layoutKindOf(currentLayout);
    const bool mono = theme() == USER_PREFS::THEME_MONO;
    int x = 0;
    int y = 0;
    if (position == 1) {
        x = px + mx + x0 + 100;
        y = kind == LayoutKind::Landscape ? label.y + my + y0 - 20 : my + y0;
    } else if (kind == LayoutKind::Small) {
        x = px + mx + x0 - (position == 0 ? 10 : 90);
        y = my + y0 - 10 + (mono && index == BUTTON_KONTRA ? 10 : 0);
    } else if (index == BUTTON_KONTRA && mono) {
        x = x0 + (kind == LayoutKind::Landscape ? 700 : 580);
        y = y0 + (kind == LayoutKind::Landscape ? 500 : 620);
    } else {
        x = px + mx + x0 - 40;
        y = kind == LayoutKind::Landscape || index == BUTTON_KONTRA ? label.y + my + y0 + (index == BUTTON_RE ? 45 : 40)
                                                                    : my + y0;
    }
    // Beside the declarer's label, inside the client area.
    SKAT_BUTTON& button = buttons[index];
    const int clientW = clientWidth();
    button.x = std::clamp(x, 4, std::max(4, clientW - 4 - button.drawnWidth()));
    button.y = std::max(4, y);
}

// ---------------------------------------------------------------- the two layers

void FENSTER_SKAT::paintTableTexts(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table)
{
    if (!controller)
        return;
    const InputMode mode = controller->input.mode;
    if (mode == INPUT_SKAT_SHOWN)
        paintSkatPair(area, table.cards.skat.cardId(1), table.cards.skat.cardId(2));
    else if (mode == INPUT_PUT_AWAY)
        paintSkatPair(area, controller->input.skatPlaces.cardId(1), controller->input.skatPlaces.cardId(2));
    if (settlementRowShown(table))
        paintTrickDisplay(area);
}

void FENSTER_SKAT::paintOverlayTexts(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table)
{
    if (!controller)
        return;
    paintGameInfo(area);
    // The labels lie above the cards of the fans, so they stay readable.
    const InputMode mode = controller->input.mode;
    if (mode >= INPUT_CUTTING && mode < INPUT_GAME_RESULT) {
        paintSeatNames(area);
        paintSeatRoles(area);
    }
    paintOwnSeatRole(area);
    // A card that may not be played was tried: the rule stands where the
    // own title line would.
    const bool illegalTried = handViews[0].controller && handViews[0].controller->legalDisplay;
    if (!illegalTried)
        paintGameTitle(area);
    paintBalloon(area, controller->overlayMessage, false);
    for (const SeatText& balloon : seatTexts)
        if (screenPositionOfSeat(&table.table(), balloon.seat) != 1)
            paintBalloon(area, balloon, true);
    if (illegalTried) {
        VORDIX_TEXT notice;
        notice.text = L" " + table_texts::illegalCardNotice(table) + L" ";
        drawCentredBoxedText(notice, area);
    }
}
