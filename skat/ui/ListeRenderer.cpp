#include "skat/ui/ListeRenderer.h"

#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/ui/SheetFooter.h"
#include "vordix/Area.h"
#include "vordix/Bitmap.h"
#include "vordix/Line.h"
#include "vordix/Text.h"
#include "vordix/ViewInterface.h"
#include "vordix/Zeichenbereich.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

struct Colour {
    int r, g, b;
};
constexpr Colour kInk{546, 437, 8};
constexpr Colour kHighlight{470, 329, 0};
constexpr Colour kNegative{410, 0, 0};
constexpr Colour kDefault{0, 0, 0};

enum Align { LEFT = 0, CENTRE = 1, RIGHT = 2 };

void put(VORDIX_ZEICHENBEREICH& area, const std::wstring& s, int x, int y, int size, int align, Colour c)
{
    VORDIX_TEXT text;
    text.text = s;
    text.size = size;
    text.horizontalAlign = align;
    text.setColor(c.r, c.g, c.b);
    text.drawText(area, x, y);
}

std::wstring number(int value)
{
    wchar_t buffer[300];
    std::swprintf(buffer, 300, L"%d", value);
    return buffer;
}

std::wstring decimal(const wchar_t* format, double value)
{
    wchar_t buffer[300];
    std::swprintf(buffer, 300, format, value);
    return buffer;
}

std::wstring cents(long long amount)
{
    wchar_t buffer[300];
    const long long a = std::llabs(amount);
    std::swprintf(buffer, 300, L"%ls%lld.%02lld", amount < 0 ? L"-" : L"", a / 100, a % 100);
    return buffer;
}

bool isNullValue(int base) { return base == 23 || base == 35 || base == 46 || base == 59; }

// The sheet's pictures, loaded once for the life of the process.
struct SheetImages {
    std::array<VORDIX_BITMAP, 9> symbols; // by game type 1..8
    bool symbolsLoaded = false;
    VORDIX_BITMAP top, bottom, segment;
    int players = 0;
    bool english = false;

    void load(int playerCount)
    {
        const SKAT_TEXT& t = SKAT_TEXT::instance();
        const VORDIX_FOLDER folder = skat::resourceFolder({t.folderGraphics});
        if (!symbolsLoaded) {
            const std::wstring names[9] = {L"",
                                           t.imgIconKreuz,
                                           t.imgIconPik,
                                           t.imgIconHerz,
                                           t.imgIconKaro,
                                           t.imgIconGrand,
                                           t.imgIconGrand,
                                           t.imgIconNull,
                                           t.imgIconRamsch};
            for (int i = 1; i < 9; ++i)
                symbols[i].load(VORDIX_FILE(folder, names[i]));
            symbolsLoaded = true;
        }
        const bool en = skat::textsAreEnglish();
        if (players == playerCount && english == en)
            return;
        top.unload();
        bottom.unload();
        segment.unload();
        if (playerCount == 4) {
            top.load(VORDIX_FILE(folder, t.imgListe4erTopDe));
            bottom.load(VORDIX_FILE(folder, t.imgListe4erBottomDe));
            segment.load(VORDIX_FILE(folder, t.imgListe4erSegment));
        } else {
            top.load(VORDIX_FILE(folder, en ? t.imgListeTopEn : t.imgListeTopDe));
            bottom.load(VORDIX_FILE(folder, en ? t.imgListeBottomEn : t.imgListeBottomDe));
            segment.load(VORDIX_FILE(folder, t.imgListeSegment));
        }
        players = playerCount;
        english = en;
    }
};

SheetImages& images()
{
    static SheetImages* shared = new SheetImages; // kept until exit
    return *shared;
}

} // namespace

LISTE_RENDERER::LISTE_RENDERER(VORDIX_VIEW_INTERFACE* v) : view(v) { computeLayout(); }

LISTE_RENDERER::~LISTE_RENDERER() { detach(); }

void LISTE_RENDERER::detach()
{
    if (observed_)
        observed_->removeObserver(this);
    observed_ = nullptr;
    list = nullptr;
}

void LISTE_RENDERER::update(OBSERVABLE*)
{
    observed_ = nullptr;
    list = nullptr;
    if (view)
        view->updateRect(0, 0, -1, -1);
}

void LISTE_RENDERER::prepareList()
{
    if (observed_ && observed_ != list)
        observed_->removeObserver(this);
    observed_ = list;
    if (!list)
        return;
    list->addObserver(this);
    list->openDialogTitle = skat::text(TextKey::FS_Titel_Spielliste_laden);
    list->saveDialogTitle = skat::text(TextKey::FS_Titel_Spielliste_speichern);
    list->fileKind = 3;
}

void LISTE_RENDERER::computeLayout()
{
    const bool four = list && list->places == 4;
    headerHeight = mode == MODE_ROWS ? 0 : 72;
    footerHeight = mode == MODE_ROWS ? 0 : 103;
    segmentHeight = four ? 60 : 45;
    const int names3[4] = {256, 340, 424, 0};
    const int names4[4] = {215, 288, 361, 434};
    for (int i = 0; i < 4; ++i)
        nameCentre[i] = four ? names4[i] : names3[i];
    rowNumberRight = four ? 14 : 18;
    symbolCentre = four ? 30 : 45;
    spitzenWith = four ? 45 : 64;
    spitzenWithout = four ? 61 : 81;
    const int levels3[6] = {87, 99, 111, 123, 135, 147};
    const int levels4[6] = {62, 73, 84, 95, 106, 117};
    for (int i = 0; i < 6; ++i)
        levelColumn[i] = four ? levels4[i] : levels3[i];
    valueWon = four ? 154 : 183;
    valueLost = four ? 180 : 210;
    firstColumnRight = four ? 234 : 271;
    columnStep = four ? 72 : 84;
    crossStart = four ? 234 : 275;
    lostCrossOffset = four ? 9 : 12;
    passedCross = four ? 470 : 469;
    labelColumn1 = four ? 239 : 281;
    labelColumn2 = four ? 245 : 290;
}

int LISTE_RENDERER::rowCapacity() const
{
    if (!list)
        return MIN_ROW_SLOTS;
    return list->rowCount() > MIN_ROW_SLOTS ? list->rowCount() : MIN_ROW_SLOTS;
}

int LISTE_RENDERER::viewHeight() const
{
    const int h = view ? view->mapToGlobal().height : 0;
    return h > 0 ? h : fallbackHeight;
}

void LISTE_RENDERER::draw(VORDIX_ZEICHENBEREICH& area)
{
    computeLayout();
    const int players = list && list->places == 4 ? 4 : 3;
    SheetImages& img = images();
    img.load(players);
    const int height = viewHeight();
    const int capacity = rowCapacity();

    if (mode != MODE_ROWS && img.top.isLoaded())
        img.top.draw(area, 0, 0);
    if (mode != MODE_FRAME && img.segment.isLoaded()) {
        area.setClip(0, headerHeight, sheetWidth, height - footerHeight - headerHeight);
        const int segments = capacity / players + 1;
        for (int s = 0; s < segments; ++s)
            img.segment.draw(area, 0, headerHeight + s * segmentHeight);
        area.resetClip();
    }
    if (mode != MODE_ROWS && img.bottom.isLoaded())
        img.bottom.draw(area, 0, height - footerHeight);

    int fit = (height - headerHeight - footerHeight) / rowHeight;
    if (fit < 0)
        fit = 0;
    const int rows = fit < capacity ? fit : capacity;

    if (mode != MODE_ROWS && list) {
        for (int p = 0; p < players; ++p)
            drawName(area, list->playerNames[p], nameCentre[p]);
        if (list->rowCount() > 0)
            drawFooter(area, height + 13 - footerHeight + rowHeight - 15);
    }
    if (mode != MODE_FRAME && list) {
        for (int i = 0; i < rows; ++i)
            drawRow(area, i, baselineOffset + headerHeight + rowHeight * i);
        drawHighlight(area);
    }
}

void LISTE_RENDERER::drawName(VORDIX_ZEICHENBEREICH& area, const std::wstring& name, int centre)
{
    // A long name shrinks until it fits its column (down to the body size).
    VORDIX_TEXT text;
    text.text = name;
    text.horizontalAlign = CENTRE;
    text.setColor(kDefault.r, kDefault.g, kDefault.b);
    for (text.size = headerFont; text.size > bodyFont; --text.size) {
        int width = 0, height = 0;
        text.measureText(width, height);
        if (width <= columnStep - 6)
            break;
    }
    text.drawText(area, centre, headerBaseline);
}

void LISTE_RENDERER::drawRow(VORDIX_ZEICHENBEREICH& area, int i, int y)
{
    put(area, number(i + 1), rowNumberRight, y, bodyFont - 2, RIGHT, kInk);
    if (i >= list->rowCount())
        return;
    const LISTE::GameEntry entry = list->gameAt(i);
    const SPIELSTRUCT& r = entry.record;
    const int players = list->places == 4 ? 4 : 3;
    const int column = entry.column;

    if (r.KONTRA) {
        const int x = ((r.KONTRA_WER + 2) % players) * columnStep + firstColumnRight - 52;
        put(area, skat::text(TextKey::Element_Kontra), x, y - 2, bodyFont - 2, LEFT, kInk);
    }
    if (r.RE)
        put(area, skat::text(TextKey::Element_Re), column * columnStep + firstColumnRight - 52, y - 2, bodyFont - 2,
            LEFT, kInk);
    if (r.BOCKRUNDE_NR > 0)
        put(area, skat::text(TextKey::PdfListe_Bock), (r.SPIELWERT > 0 ? valueLost : valueWon) + 1, y - 2, bodyFont - 3,
            RIGHT, kInk);

    const GameType type = r.SPIELART.SPIEL_TYP;
    const bool passed = r.GEREIZT == 0 && type != GAME_RAMSCH;
    if (!passed) {
        VORDIX_BITMAP& symbol = images().symbols[type >= 1 && type <= 8 ? type : 0];
        if (symbol.isLoaded())
            symbol.draw(area, symbolCentre - 14, y - 12);

        const int base = r.SPIELART.baseValue();
        const bool null = isNullValue(base);
        if (!null && base != 1) {
            const int s = std::abs(r.SPITZEN);
            const int x = (r.SPITZEN >= 0 ? spitzenWith : spitzenWithout) + (s > 9 ? 1 : 0);
            put(area, number(s), x, y, bodyFont, RIGHT, kDefault);
        }
        bool cross[6] = {};
        switch (r.SPIELART.GEWINN_STUFE) {
        case 1: cross[5] = true; break;
        case 2: cross[0] = true; break;
        case 3: cross[0] = cross[1] = cross[2] = true; break;
        case 4: cross[0] = cross[1] = cross[2] = cross[3] = cross[4] = true; break;
        case 5:
            if (null)
                cross[0] = cross[5] = true;
            else
                for (bool& c : cross)
                    c = true;
            break;
        default: break;
        }
        if (r.SPIELART.STUFE >= 1)
            cross[1] = true;
        if (r.SPIELART.STUFE >= 2)
            cross[3] = true;
        for (int c = 0; c < 6; ++c)
            if (cross[c])
                put(area, L"X", levelColumn[c], y, bodyFont, LEFT, kInk);

        const int v = std::abs(r.SPIELWERT);
        const bool big = v > 999;
        const int vx = (r.SPIELWERT >= 0 ? valueWon : valueLost) + (big ? 1 : 0);
        put(area, number(v), vx, big ? y - 1 : y, big ? bodyFont - 2 : bodyFont, RIGHT,
            r.SPIELWERT < 0 ? kNegative : kDefault);

        if (USER_PREFS::instance().scoring == SCORING_BIERLACHS) {
            for (int p = 0; p < players; ++p) {
                const int b = list->rowValue(i + 1, p);
                put(area, number(b), firstColumnRight + p * columnStep, y, bodyFont, RIGHT,
                    b < 0 ? kNegative : kDefault);
            }
        } else {
            put(area, number(entry.points), firstColumnRight + column * columnStep, y, bodyFont, RIGHT,
                entry.points < 0 ? kNegative : kDefault);
        }
        const bool lost = r.SPIELWERT < 0;
        put(area, L"X", column * columnStep + crossStart + (lost ? lostCrossOffset : 0), y, bodyFont, LEFT,
            lost ? kNegative : kInk);
    }
    if (r.GEREIZT == 0)
        put(area, L"X", passedCross, y, bodyFont, LEFT, kInk);
}

void LISTE_RENDERER::drawFooter(VORDIX_ZEICHENBEREICH& area, int top)
{
    const USER_PREFS& prefs = USER_PREFS::instance();
    const Scoring scoring = static_cast<Scoring>(prefs.scoring);
    const SheetFooter f = sheetFooter(*list, scoring, prefs.tariff);
    const int h = rowHeight;
    for (int p = 0; p < f.players; ++p) {
        const SheetFooterColumn& c = f.columns[p];
        const int x = firstColumnRight + p * columnStep;
        put(area, number(c.total), x, top, bodyFont, RIGHT, c.total < 0 ? kNegative : kDefault);
        if (scoring == SCORING_SEEGER_FABIAN) {
            put(area, number(50 * c.won), x, top + h, bodyFont, RIGHT, kDefault);
            put(area, number(-50 * c.lost), x, top + 2 * h, bodyFont, RIGHT, c.lost > 0 ? kNegative : kDefault);
            put(area, number(c.bonus), x, top + 3 * h, bodyFont, RIGHT, kDefault);
            put(area, number(c.seegerFabian), x + 15, top + grandTotalLine, headerFont, RIGHT,
                c.seegerFabian < 0 ? kNegative : kDefault);
        }
        put(area, number(c.won), labelColumn1 + p * columnStep, top + h - 2, bodyFont - 2, RIGHT, kInk);
        put(area, number(c.lost), labelColumn2 + p * columnStep, top + 2 * h - 2, bodyFont - 2, RIGHT, kInk);
    }
    if (scoring != SCORING_SEEGER_FABIAN) {
        const TextKey key = scoring == SCORING_BIERLACHS ? TextKey::Liste_Keine_Leistungsbewertung_Bierlachs
                                                         : TextKey::Liste_Klassisch_ohne_Leistungsbewertung;
        put(area, skat::text(key), firstColumnRight + columnStep - 15, top + grandTotalLine - 6, bodyFont - 6, CENTRE,
            kInk);
    }
    if (f.hasMoney) {
        put(area, skat::formatText(TextKey::Liste_Tarif, {static_cast<double>(prefs.tariff)}), valueLost,
            top + moneyLine - 2, bodyFont - 2, RIGHT, kInk);
        for (int p = 0; p < f.players; ++p) {
            const long long amount = f.columns[p].cents;
            put(area, cents(amount), firstColumnRight + 15 + p * columnStep, top + moneyLine, bodyFont, RIGHT,
                amount < 0 ? kNegative : kDefault);
        }
    } else {
        put(area, skat::text(TextKey::Liste_Keine_Abrechnung_Bierlachs), firstColumnRight + columnStep + 15,
            top + moneyLine - 2, bodyFont - 3, CENTRE, kInk);
    }
}

void LISTE_RENDERER::drawHighlight(VORDIX_ZEICHENBEREICH& area)
{
    if (!list || highlightedRow < 0 || highlightedRow >= list->rowCount())
        return;
    const int height = viewHeight();
    area.setClip(0, headerHeight, sheetWidth, height - footerHeight - headerHeight);
    const RECTANGLE box{1, headerHeight + rowHeight * highlightedRow - 1, sheetWidth - 2, 16};
    VORDIX_AREA fill;
    fill.setColor(kHighlight.r, kHighlight.g, kHighlight.b);
    fill.opacity = 0.2f;
    fill.fillRect(area, box);
    VORDIX_LINE outline;
    outline.setColor(kHighlight.r, kHighlight.g, kHighlight.b);
    outline.drawRect(area, box);
    area.resetClip();
}
