#include "skat/app/PdfScoreSheet.h"

#include "skat/app/PdfError.h"
#include "skat/app/PdfSheetRules.h"
#include "vordix/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace pdfsheet;

namespace {

// Widths (mm) of a player's points column and of each game-value column.
constexpr double POINTS_WIDTH_3 = 20, POINTS_WIDTH_4 = 15;
constexpr double VALUE_WIDTH_3 = 15, VALUE_WIDTH_4 = 10;
constexpr double DEALER_GREY = 0.95;
constexpr double THICK = 0.7, THIN = 0.1;
constexpr int WIN_BONUS = 50;

const char* const FONT_FILES[] = {"cmunss.ttf", "cmunsx.ttf", "cmuntt.ttf", "cmuntb.ttf"};

std::string number(int value) { return std::to_string(value); }

std::string signedNumber(const char* format, int value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The tariff line: the text's "%.2f" replaced by the tariff. The text comes
// from a file, so it is never used as a printf format itself.
std::string tariffLine(std::string text, double tariffCents)
{
    char value[64];
    std::snprintf(value, sizeof value, "%.2f", tariffCents);
    if (const std::size_t at = text.find("%.2f"); at != std::string::npos)
        text.replace(at, 4, value);
    return text;
}

} // namespace

// ---------------------------------------------------------------- set-up

PdfScoreSheet::PdfScoreSheet(int playerCount, const std::filesystem::path& fontFolder, PdfSheetTexts texts,
                             Scoring scoring, double tariffCents)
    : playerCount_(playerCount)
    , texts_(std::move(texts))
    , scoring_(scoring)
    , tariffCents_(tariffCents)
{
    if (playerCount != 3 && playerCount != 4)
        throw PdfError("Die PDF-Liste kann nur drei oder vier Spieler anzeigen!");
    doc_ = HPDF_New(&PdfScoreSheet::onPdfError, this);
    if (!doc_)
        throw PdfError("Das PDF-Dokument kann nicht angelegt werden.");
    try {
        check(HPDF_UseUTFEncodings(doc_));
        loadFonts(fontFolder);
        startFirstPage();
    } catch (...) {
        HPDF_Free(doc_);
        throw;
    }
}

PdfScoreSheet::~PdfScoreSheet() { HPDF_Free(doc_); }

void PdfScoreSheet::onPdfError(HPDF_STATUS error, HPDF_STATUS detail, void* user)
{
    // Only record: unwinding through the library's C frames is not allowed.
    auto* self = static_cast<PdfScoreSheet*>(user);
    if (self && !self->failed_) {
        self->failed_ = true;
        self->error_ = error;
        self->detail_ = detail;
    }
}

void PdfScoreSheet::check(HPDF_STATUS status)
{
    if (!failed_ && status != HPDF_OK) {
        failed_ = true;
        error_ = status;
        detail_ = 0;
    }
    if (failed_) {
        char text[256];
        std::snprintf(text, sizeof text, "ERROR: error_no=%04X, detail_no=%u\n", static_cast<unsigned>(error_),
                      static_cast<unsigned>(detail_));
        throw PdfError(text);
    }
}

void PdfScoreSheet::loadFonts(const std::filesystem::path& folder)
{
    HPDF_Font* targets[] = {&sans_, &sansBold_, &typewriter_, &typewriterBold_};
    for (int i = 0; i < 4; ++i) {
        const std::string path = (folder / FONT_FILES[i]).string();
        const char* name = HPDF_LoadTTFontFromFile(doc_, path.c_str(), HPDF_TRUE);
        check();
        if (!name)
            throw PdfError("Die Schrift " + path + " kann nicht geladen werden.");
        *targets[i] = HPDF_GetFont(doc_, name, "UTF-8");
        check();
        if (!*targets[i])
            throw PdfError("Die Schrift " + path + " kann nicht geladen werden.");
    }
}

void PdfScoreSheet::addPage()
{
    pageHandle_ = HPDF_AddPage(doc_);
    check();
    if (!pageHandle_)
        throw PdfError("Die Seite kann nicht angelegt werden.");
    ++page_;
    check(HPDF_Page_SetSize(pageHandle_, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT));
}

void PdfScoreSheet::startFirstPage()
{
    addPage();
    check(HPDF_SetCompressionMode(doc_, HPDF_COMP_ALL));
    pageHeight_ = HPDF_Page_GetHeight(pageHandle_);
    pageWidth_ = HPDF_Page_GetWidth(pageHandle_);
    check();
    mm_ = pageWidth_ / 210.0;
    playerWidth_ = playerCount_ == 3 ? POINTS_WIDTH_3 : POINTS_WIDTH_4;
    valueWidth_ = playerCount_ == 3 ? VALUE_WIDTH_3 : VALUE_WIDTH_4;
    playerX_ = {};
    double x = 70 + 2 * valueWidth_;
    for (int p = 0; p < playerCount_; ++p, x += playerWidth_ + 10)
        playerX_[p] = x;
    drawHeadings();
    drawRotatedHeadings();
}

void PdfScoreSheet::startNextPage()
{
    addPage();
    drawHeadings();
    drawRotatedHeadings();
    drawCarriedValues();
}

// ---------------------------------------------------------------- drawing in mm

void PdfScoreSheet::setFont(Font font, double size)
{
    HPDF_Font handle = font == Font::Sans         ? sans_
                       : font == Font::SansBold   ? sansBold_
                       : font == Font::Typewriter ? typewriter_
                                                  : typewriterBold_;
    check(HPDF_Page_SetFontAndSize(pageHandle_, handle, static_cast<HPDF_REAL>(size)));
    font_ = font;
    fontSize_ = size;
}

double PdfScoreSheet::textWidth(const std::string& text)
{
    const HPDF_REAL width = HPDF_Page_TextWidth(pageHandle_, text.c_str());
    check();
    return width / mm_;
}

void PdfScoreSheet::log(PdfDrawnItem::Kind kind, double left, double bottom, double right, double top,
                        const std::string& text)
{
    if (!log_)
        return;
    static const char* const names[] = {"sans", "sans-bold", "tt", "tt-bold"};
    PdfDrawnItem item;
    item.kind = kind == PdfDrawnItem::Text && rotated_ ? PdfDrawnItem::RotatedText : kind;
    item.page = page_;
    item.left = left;
    item.bottom = bottom;
    item.right = right;
    item.top = top;
    item.text = text;
    if (kind == PdfDrawnItem::Text) {
        item.font = names[static_cast<int>(font_)];
        item.size = fontSize_;
    }
    log_->push_back(std::move(item));
}

void PdfScoreSheet::drawText(double x, double y, const std::string& text)
{
    if (text.empty())
        return;
    check(HPDF_Page_BeginText(pageHandle_));
    check(
        HPDF_Page_TextOut(pageHandle_, static_cast<HPDF_REAL>(x * mm_), static_cast<HPDF_REAL>(y * mm_), text.c_str()));
    check(HPDF_Page_EndText(pageHandle_));
    log(PdfDrawnItem::Text, x, y, x + textWidth(text), y + fontSize_ / mm_, text);
}

void PdfScoreSheet::drawCenteredText(double left, double right, double y, const std::string& text)
{
    drawText((left + right - textWidth(text)) / 2, y, text);
}

void PdfScoreSheet::drawCellText(double left, double top, double right, double bottom, Align align,
                                 const std::string& text)
{
    if (text.empty())
        return;
    check(HPDF_Page_BeginText(pageHandle_));
    // Text that does not fit is left out by the library; that is no failure.
    const HPDF_STATUS status =
        HPDF_Page_TextRect(pageHandle_, static_cast<HPDF_REAL>(left * mm_), static_cast<HPDF_REAL>(top * mm_),
                           static_cast<HPDF_REAL>(right * mm_), static_cast<HPDF_REAL>(bottom * mm_), text.c_str(),
                           static_cast<HPDF_TextAlignment>(align), nullptr);
    check(status == HPDF_PAGE_INSUFFICIENT_SPACE ? HPDF_OK : status);
    check(HPDF_Page_EndText(pageHandle_));
    log(PdfDrawnItem::Text, left, bottom, right, top, text);
}

void PdfScoreSheet::drawRowText(int row, double left, double right, Align align, const std::string& text)
{
    drawCellText(left, rowTop(page_, row), right, rowBottom(page_, row), align, text);
}

void PdfScoreSheet::drawLine(double width, double x1, double y1, double x2, double y2)
{
    check(HPDF_Page_SetLineWidth(pageHandle_, static_cast<HPDF_REAL>(width)));
    check(HPDF_Page_MoveTo(pageHandle_, static_cast<HPDF_REAL>(x1 * mm_), static_cast<HPDF_REAL>(y1 * mm_)));
    check(HPDF_Page_LineTo(pageHandle_, static_cast<HPDF_REAL>(x2 * mm_), static_cast<HPDF_REAL>(y2 * mm_)));
    check(HPDF_Page_Stroke(pageHandle_));
    if (log_) {
        log(PdfDrawnItem::Line, x1, y1, x2, y2, {});
        log_->back().size = width;
    }
}

void PdfScoreSheet::fillRect(double left, double bottom, double right, double top, double grey)
{
    check(HPDF_Page_GSave(pageHandle_));
    const auto g = static_cast<HPDF_REAL>(grey);
    check(HPDF_Page_SetRGBFill(pageHandle_, g, g, g));
    check(HPDF_Page_Rectangle(pageHandle_, static_cast<HPDF_REAL>(left * mm_), static_cast<HPDF_REAL>(bottom * mm_),
                              static_cast<HPDF_REAL>((right - left) * mm_),
                              static_cast<HPDF_REAL>((top - bottom) * mm_)));
    check(HPDF_Page_Fill(pageHandle_));
    check(HPDF_Page_GRestore(pageHandle_));
    log(PdfDrawnItem::Shade, left, bottom, right, top, {});
}

std::string PdfScoreSheet::utf8(const std::wstring& text) const { return vordix::toUtf8(text); }

// ---------------------------------------------------------------- headings

void PdfScoreSheet::drawHeadings()
{
    const double h0 = headingTop(page_);
    const double c = playerWidth_, w = valueWidth_;
    if (page_ > 1) {
        setFont(Font::Sans, 8);
        for (int p = 1; p <= playerCount_; ++p)
            drawText(playerX(p) + (p == 4 ? 2 : 1), h0 - 27.5, utf8(texts_.carry));
    }
    setFont(Font::Sans, 10);
    drawCenteredText(40, 70, h0 - 6, utf8(texts_.winLevels));
    drawCenteredText(70, 70 + 2 * w, h0 - 15, utf8(texts_.gameValue));
    for (int p = 1; p <= playerCount_; ++p)
        drawCenteredText(playerX(p), playerX(p) + c, h0 - (page_ == 1 ? 31.5 : 21.5), utf8(texts_.seat[p - 1]));
    static const char* const legend[] = {"9", "10", "11", "12", "23", "24"};
    for (int i = 0; i < 6; ++i) {
        const double top = h0 - 9.5 - 4 * i;
        drawCellText(20, top, 25, top - 5, ALIGN_RIGHT, legend[i]);
    }
    setFont(Font::Sans, 8);
    for (int p = 1; p <= playerCount_; ++p)
        drawText(playerX(p) + 1, h0 - 3, utf8(texts_.name));
    setFont(Font::Sans, 12);
    drawCenteredText(70, 70 + w, h0 - 31.5, "+");
    setFont(Font::Sans, 16);
    drawCenteredText(70 + w, 70 + 2 * w, h0 - 31.5, "-");
}

void PdfScoreSheet::drawRotatedHeadings()
{
    const double h0 = headingTop(page_);
    const double c = playerWidth_;
    // Rotated a quarter turn counter-clockwise about the heading block's
    // lower-left corner: x runs up the page, y to the left; a page x in mm
    // is y = 15 - x.
    check(HPDF_Page_GSave(pageHandle_));
    check(HPDF_Page_Concat(pageHandle_, 0, 1, -1, 0, static_cast<HPDF_REAL>(15 * mm_),
                           static_cast<HPDF_REAL>((h0 - 35) * mm_)));
    rotated_ = true;
    auto upright = [&](double start, double baselineX, const std::wstring& text) {
        drawText(start, 15 - baselineX, utf8(text));
    };
    auto inStrip = [&](double low, double high, double stripLeft, double stripRight, Align align,
                       const std::wstring& text) {
        drawCellText(low, 15 - stripLeft, high, 15 - stripRight, align, utf8(text));
    };
    setFont(Font::Sans, 7);
    upright(1, 18.5, texts_.runningNumber);
    inStrip(1, 23, 25, 30, ALIGN_CENTER, texts_.baseValues);
    inStrip(12, 25, 30.5, 35, ALIGN_LEFT, texts_.jacks);
    inStrip(12, 25, 34.5, 39, ALIGN_LEFT, texts_.matadors);
    upright(1, 33.5, texts_.with);
    upright(1, 38.5, texts_.without);
    const std::wstring* levels[] = {&texts_.hand,    &texts_.schneider,        &texts_.schneiderAnnounced,
                                    &texts_.schwarz, &texts_.schwarzAnnounced, &texts_.ouvert};
    for (int i = 0; i < 6; ++i)
        upright(1, 43.5 + 5 * i, *levels[i]);
    const double start = page_ == 1 ? 1 : 11;
    for (int p = 1; p <= playerCount_; ++p) {
        upright(start, playerX(p) + c + 3.5, texts_.won);
        upright(start, playerX(p) + c + 8.5, texts_.lost);
    }
    upright(1, 193.5, texts_.passedIn);
    rotated_ = false;
    check(HPDF_Page_GRestore(pageHandle_));
}

void PdfScoreSheet::drawCarriedValues()
{
    const double top = headingTop(page_) - 29.5, bottom = top - 5;
    const double c = playerWidth_;
    setFont(Font::Sans, 10);
    for (int p = 1; p <= playerCount_; ++p) {
        const double x = playerX(p);
        drawCellText(x, top, x + c - 2, bottom, ALIGN_RIGHT, number(points_[p - 1]));
        drawCellText(x + c, top, x + c + 5, bottom, ALIGN_CENTER, number(won_[p - 1]));
        drawCellText(x + c + 5, top, x + c + 10, bottom, ALIGN_CENTER, number(lost_[p - 1]));
    }
}

void PdfScoreSheet::setPlayerNames(const std::string& first, const std::string& second, const std::string& third)
{
    if (playerCount_ != 3)
        throw PdfError("Anzahl der Spieler passt nicht zum Setzen der Spielernamen!");
    drawPlayerName(1, first);
    drawPlayerName(2, second);
    drawPlayerName(3, third);
}

void PdfScoreSheet::setPlayerNames(const std::string& first, const std::string& second, const std::string& third,
                                   const std::string& fourth)
{
    if (playerCount_ != 4)
        throw PdfError("Anzahl der Spieler passt nicht zum Setzen der Spielernamen!");
    drawPlayerName(1, first);
    drawPlayerName(2, second);
    drawPlayerName(3, third);
    drawPlayerName(4, fourth);
}

void PdfScoreSheet::drawPlayerName(int player, const std::string& name)
{
    const double left = playerX(player), right = left + playerWidth_ + 10;
    setFont(Font::Typewriter, 12);
    HPDF_REAL width = 0;
    const HPDF_UINT fitting =
        HPDF_Page_MeasureText(pageHandle_, name.c_str(), static_cast<HPDF_REAL>(30 * mm_), HPDF_FALSE, &width);
    check();
    if (fitting == 0) {
        setFont(Font::Typewriter, 10);
        drawCenteredText(left, right, 255.5, name);
        return;
    }
    // The library leaves out a word wider than the box; a smaller size keeps
    // a long one-word name on the sheet.
    double longestWord = 0;
    std::size_t start = 0;
    while (start < name.size()) {
        std::size_t end = name.find(' ', start);
        if (end == std::string::npos)
            end = name.size();
        if (end > start)
            longestWord = std::max(longestWord, textWidth(name.substr(start, end - start)));
        start = end + 1;
    }
    const double boxWidth = right - left - 1;
    if (longestWord > boxWidth)
        setFont(Font::Typewriter, std::max(6.0, static_cast<int>(24 * boxWidth / longestWord) / 2.0));
    const bool whole = fitting >= name.size();
    drawCellText(left, whole ? 260 : 262, right, 243, ALIGN_CENTER, name);
}

void PdfScoreSheet::drawDate(const std::string& date)
{
    setFont(Font::Typewriter, 12);
    drawCenteredText(15, 195, 269, date);
}

// ---------------------------------------------------------------- grid

void PdfScoreSheet::drawTitleBand()
{
    drawLine(THICK, 15, 265, 195, 265);
    setFont(Font::SansBold, 24);
    drawCenteredText(15, 195, 274, utf8(texts_.title));
}

void PdfScoreSheet::drawGrid()
{
    const bool footer = footerFitsOnPage(page_, rowsWritten_);
    const int first = firstRowOfPage(page_), last = lastRowOfPage(page_, rowsWritten_);
    const double h0 = headingTop(page_), bottom = footer ? 50 : 20;
    const double c = playerWidth_, w = valueWidth_;

    // 1. The frame.
    check(HPDF_Page_SetLineWidth(pageHandle_, static_cast<HPDF_REAL>(THICK)));
    check(HPDF_Page_Rectangle(pageHandle_, static_cast<HPDF_REAL>(15 * mm_), static_cast<HPDF_REAL>(15 * mm_),
                              static_cast<HPDF_REAL>(180 * mm_), static_cast<HPDF_REAL>(270 * mm_)));
    check(HPDF_Page_Stroke(pageHandle_));
    // 2. The dealer pattern goes on through the empty rows.
    for (int r = std::max(rowsWritten_ + 1, first); r <= last; ++r)
        shadeDealerCell(r);
    // 3. Title band and the heading block's lower edge.
    if (page_ == 1)
        drawTitleBand();
    drawLine(THICK, 15, h0 - 35, 195, h0 - 35);
    // 4. Row lines, a thick one after every round, and the row numbers.
    for (int r = first; r <= last; ++r) {
        const double y = rowBottom(page_, r);
        drawLine(r % playerCount_ == 0 ? THICK : THIN, 15, y, 195, y);
        setFont(Font::Sans, 8);
        drawRowText(r, 15, r >= 100 ? 19.5 : 19.2, ALIGN_RIGHT, number(r));
    }
    // 5. The carry-over line of a page that is not the last.
    if (!footer)
        drawCarryOverRow(20);
    // 6. Column lines.
    drawLine(THIN, 40, h0 - 10, 70, h0 - 10);
    drawLine(THIN, playerX(1), h0 - 15, 190, h0 - 15);
    drawLine(THICK, 70, h0 - 25, 190, h0 - 25);
    drawLine(THICK, 20, h0, 20, bottom);
    drawLine(THICK, 30, h0, 30, bottom);
    drawLine(THIN, 35, h0 - 25, 35, bottom);
    drawLine(THICK, 40, h0, 40, bottom);
    for (double x = 45; x <= 65; x += 5)
        drawLine(THIN, x, h0 - 10, x, bottom);
    drawLine(THICK, 70, h0, 70, bottom);
    drawLine(THIN, 70 + w, h0 - 25, 70 + w, bottom);
    const double subTop = page_ == 1 ? h0 - 25 : h0 - 15;
    for (int p = 1; p <= playerCount_; ++p) {
        const double x = playerX(p);
        drawLine(THICK, x, h0, x, 15);
        drawLine(THIN, x + c, subTop, x + c, bottom - 5);
        drawLine(THIN, x + c + 5, subTop, x + c + 5, bottom - 5);
    }
    drawLine(THICK, 190, h0, 190, 15);
}

void PdfScoreSheet::shadeDealerCell(int row)
{
    const int p = (row - 1) % playerCount_ + 1;
    fillRect(playerX(p), rowBottom(page_, row), playerX(p) + playerWidth_, rowTop(page_, row), DEALER_GREY);
}

void PdfScoreSheet::drawCarryOverRow(double top)
{
    const double bottom = top - 5;
    const double c = playerWidth_;
    setFont(Font::Sans, 10);
    drawCellText(15, top, 70 + 2 * valueWidth_, bottom, ALIGN_CENTER, utf8(texts_.carry));
    for (int p = 1; p <= playerCount_; ++p) {
        const double x = playerX(p);
        drawCellText(x, top, x + c - 2, bottom, ALIGN_RIGHT, number(points_[p - 1]));
        drawCellText(x + c, top, x + c + 5, bottom, ALIGN_CENTER, number(won_[p - 1]));
        drawCellText(x + c + 5, top, x + c + 10, bottom, ALIGN_CENTER, number(lost_[p - 1]));
    }
    drawCellText(190, top, 195, bottom, ALIGN_CENTER, number(passedIn_));
}

// ---------------------------------------------------------------- rows

void PdfScoreSheet::writeGames(const LISTE& sheet)
{
    sheet_ = &sheet;
    for (int i = 0; i < sheet.rowCount(); ++i)
        writeGame(sheet.rowAt(i));
}

void PdfScoreSheet::writeGame(const EIN_SPIEL& row)
{
    const SPIELSTRUCT& game = row.record;
    const int r = rowsWritten_ + 1;
    const GameType type = game.SPIELART.SPIEL_TYP;
    const bool passedIn = game.isPassedIn();
    const bool ramsch = type == GAME_RAMSCH;

    // 1. What the row shows.
    int d = 0;
    if (!passedIn) {
        d = columnOfSeat(game.declarer(), playerCount_, rowsWritten_);
        if (d < 1 || d > playerCount_)
            throw PdfError("Ungueltiger Spieler!");
    }
    const int base = game.SPIELART.baseValue();
    const int mask = levelMask(game.SPIELART.GEWINN_STUFE, game.SPIELART.STUFE, base);
    const int matadors = type < GAME_NULL ? game.SPITZEN : 0;
    const int value = game.SPIELWERT;
    const bool won = value > 0;

    // 2. A full page is closed first.
    if (pageBreakBefore(page_, rowsWritten_)) {
        drawGrid();
        startNextPage();
    }
    shadeDealerCell(r);
    setFont(Font::Typewriter, 10);

    // 3. A passed-in game only counts.
    if (passedIn) {
        ++passedIn_;
        drawRowText(r, 190, 195, ALIGN_CENTER, number(passedIn_));
        ++rowsWritten_;
        return;
    }

    // 4. The declarer's totals, counted as the sheet counts them.
    points_[d - 1] += value;
    if (won)
        ++won_[d - 1];
    else if (value < 0)
        ++lost_[d - 1];

    // 5. Base value and matadors.
    if (!ramsch) {
        drawRowText(r, 20, 28, ALIGN_RIGHT, number(base));
    } else {
        drawRowText(r, 20, 39, ALIGN_CENTER, utf8(texts_.ramsch));
        ++passedIn_;
        drawRowText(r, 190, 195, ALIGN_CENTER, number(passedIn_));
    }
    if (matadors > 0)
        drawRowText(r, 30, 34, ALIGN_RIGHT, number(matadors));
    else if (matadors < 0)
        drawRowText(r, 35, 39, ALIGN_RIGHT, number(-matadors));

    // 6. Level crosses.
    for (int i = 0; i < 6; ++i)
        if (mask & (1 << i))
            drawRowText(r, 40 + 5 * i, 45 + 5 * i, ALIGN_CENTER, "x");

    // 7. Points.
    const double c = playerWidth_, w = valueWidth_;
    const double xd = playerX(d);
    if (scoring_ != SCORING_BIERLACHS) {
        drawRowText(r, xd, xd + c - 2, ALIGN_RIGHT, number(points_[d - 1]));
    } else {
        for (int p = 1; p <= playerCount_; ++p)
            drawRowText(r, playerX(p), playerX(p) + c - 2, ALIGN_RIGHT,
                        number(sheet_ ? sheet_->rowValue(r, p - 1) : 0));
    }

    // 8. Game value and the declarer's count.
    if (won) {
        drawRowText(r, 70, 70 + w, ALIGN_CENTER, number(value));
        drawRowText(r, xd + c, xd + c + 5, ALIGN_CENTER, number(won_[d - 1]));
    } else {
        drawRowText(r, 70 + w, 70 + 2 * w, ALIGN_CENTER, number(value));
        drawRowText(r, xd + c + 5, xd + c + 10, ALIGN_CENTER, number(lost_[d - 1]));
    }

    // 9. Kontra and Re, in the columns of the players who said them.
    if (game.KONTRA) {
        setFont(Font::Typewriter, 8);
        if (const int k = columnOfSeat(game.KONTRA_WER, playerCount_, rowsWritten_); k >= 1 && k <= playerCount_)
            drawRowText(r, playerX(k) + 1, playerX(k) + c, ALIGN_LEFT, utf8(texts_.kontra));
        if (game.RE)
            drawRowText(r, xd + 1, xd + c, ALIGN_LEFT, utf8(texts_.re));
        setFont(Font::Typewriter, 10);
    }

    // 10. Bock, in the game-value column the row leaves empty.
    if (game.BOCKRUNDE_NR > 0) {
        setFont(Font::Typewriter, 8);
        if (won)
            drawRowText(r, 70 + w, 70 + 2 * w, ALIGN_CENTER, utf8(texts_.bock));
        else
            drawRowText(r, 70, 70 + w, ALIGN_CENTER, utf8(texts_.bock));
        setFont(Font::Typewriter, 10);
    }
    ++rowsWritten_;
}

// ---------------------------------------------------------------- results

void PdfScoreSheet::drawResults()
{
    const double c = playerWidth_;
    const int opponentBonus = playerCount_ == 4 ? 30 : 40;

    drawLine(THICK, 15, 45, 195, 45);
    for (double y : {40.0, 35.0, 30.0, 20.0})
        drawLine(THICK, 15, y, 190, y);

    setFont(Font::Sans, 10);
    drawCenteredText(15, 100, 46.5, utf8(texts_.result));
    drawCenteredText(15, 100, 41.5, utf8(texts_.gamesWon));
    drawCenteredText(15, 100, 36.5, utf8(texts_.gamesLost));
    drawCenteredText(15, 100, 31.5, utf8(texts_.opponentsLost));
    setFont(Font::SansBold, 14);
    drawCenteredText(15, 100, 23.5, utf8(texts_.finalResult));
    if (scoring_ != SCORING_BIERLACHS) {
        setFont(Font::Sans, 10);
        drawCenteredText(15, 100, 16.5, tariffLine(utf8(texts_.tariffLine), tariffCents_));
    }

    auto lastPoints = [&](int p) { return sheet_ ? sheet_->lastRowPoints(p - 1) : 0; };
    setFont(Font::Typewriter, 10);
    for (int p = 1; p <= playerCount_; ++p) {
        const double x = playerX(p);
        const int shown =
            scoring_ == SCORING_BIERLACHS ? (sheet_ ? sheet_->lastRowMinusPoints(p - 1) : 0) : lastPoints(p);
        drawCellText(x, 50, x + c - 2, 45, ALIGN_RIGHT, number(shown));
        drawCellText(x + c, 50, x + c + 5, 45, ALIGN_CENTER, number(won_[p - 1]));
        drawCellText(x + c + 5, 50, x + c + 10, 45, ALIGN_CENTER, number(lost_[p - 1]));
    }
    drawCellText(190, 50, 195, 45, ALIGN_CENTER, number(passedIn_));

    if (scoring_ == SCORING_SEEGER_FABIAN) {
        for (int p = 1; p <= playerCount_; ++p) {
            const double x = playerX(p);
            const int wins = won_[p - 1], losses = lost_[p - 1];
            int othersLost = 0;
            for (int q = 1; q <= playerCount_; ++q)
                if (q != p)
                    othersLost += lost_[q - 1];
            setFont(Font::Typewriter, 10);
            if (wins > 0)
                drawCellText(x, 45, x + c - 2, 40, ALIGN_RIGHT, signedNumber("+%d", WIN_BONUS * wins));
            if (losses > 0)
                drawCellText(x, 40, x + c - 2, 35, ALIGN_RIGHT, signedNumber("-%d", WIN_BONUS * losses));
            if (othersLost > 0)
                drawCellText(x, 35, x + c - 2, 30, ALIGN_RIGHT, signedNumber("+%d", opponentBonus * othersLost));
            setFont(Font::TypewriterBold, 14);
            const int total = lastPoints(p) + WIN_BONUS * (wins - losses) + opponentBonus * othersLost;
            drawCellText(x, 30, x + c - 2, 20, ALIGN_RIGHT, number(total));
        }
    }

    if (scoring_ != SCORING_BIERLACHS) {
        std::array<int, 4> values{};
        for (int p = 0; p < playerCount_; ++p)
            values[p] = sheet_ ? sheet_->score(p, scoring_) : 0;
        const auto cents = moneyInCents(values, playerCount_, tariffCents_);
        // In the money row's own box: a box reaching up to 23.5 mm would put
        // the amounts onto the line above the row.
        setFont(Font::Sans, 10);
        for (int p = 1; p <= playerCount_; ++p)
            drawCellText(playerX(p), 20, playerX(p) + c - 2, 15, ALIGN_RIGHT, centsText(cents[p - 1]));
    }
}

void PdfScoreSheet::save(const std::filesystem::path& path)
{
    if (!footerFitsOnPage(page_, rowsWritten_)) {
        drawGrid();
        startNextPage();
    }
    drawGrid();
    drawResults();
    check(HPDF_SaveToFile(doc_, path.string().c_str()));
}
