#pragma once
// The PDF score-sheet writer: an A4 list in the style of a printed German
// Skat score sheet, with a title band, a heading block with rotated column
// titles, one ruled row per game, a block per player (points, games won and
// lost), carry-over lines between pages and a results block on the last page.
//
// Lengths are in millimetres from the page's lower-left corner; one mm is
// the page width / 210. Every libharu call is checked: the library's error
// callback only records the error, and the writer throws PdfError after the
// call, so no exception ever crosses the library's C frames.
//
// One writer writes one document; its state only grows (rows written, page
// number, running totals).

#include "skat/app/PdfSheetTexts.h"
#include "skat/engine/Liste.h"

#include <hpdf.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

// What was drawn, for tests: texts with their box in mm (a rotated text's
// box is in the rotated system: x along the text, y its baseline), lines and
// shaded cells.
struct PdfDrawnItem {
    enum Kind { Text, RotatedText, Line, Shade };
    Kind kind = Text;
    int page = 0;
    double left = 0, bottom = 0, right = 0, top = 0;
    std::string text; // UTF-8; empty for lines and shades
    std::string font; // "sans", "sans-bold", "tt", "tt-bold"
    double size = 0;  // font size, or line width
};

class PdfScoreSheet {
public:
    // Fails with PdfError for a player count other than 3 or 4 and when a
    // font of the folder cannot be loaded ("cmunss.ttf", "cmunsx.ttf",
    // "cmuntt.ttf", "cmuntb.ttf").
    PdfScoreSheet(int playerCount, const std::filesystem::path& fontFolder, PdfSheetTexts texts, Scoring scoring,
                  double tariffCents);
    PdfScoreSheet(const PdfScoreSheet&) = delete;
    PdfScoreSheet& operator=(const PdfScoreSheet&) = delete;
    ~PdfScoreSheet();

    // The form must match the player count. UTF-8 names, drawn on page 1.
    void setPlayerNames(const std::string& first, const std::string& second, const std::string& third);
    void setPlayerNames(const std::string& first, const std::string& second, const std::string& third,
                        const std::string& fourth);
    // The date line under the title (page 1).
    void drawDate(const std::string& date);
    // Attaches the sheet (not owned; it must outlive the writer) and draws a
    // row for each of its games.
    void writeGames(const LISTE& sheet);
    // Finishes the last page with the results block and writes the document.
    void save(const std::filesystem::path& path);

    int pageNumber() const { return page_; }
    int rowsWritten() const { return rowsWritten_; }
    // Records every drawn item into the list (null stops recording).
    void setDrawLog(std::vector<PdfDrawnItem>* log) { log_ = log; }

private:
    enum class Font { Sans, SansBold, Typewriter, TypewriterBold };
    enum Align { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTER = 2 };

    static void onPdfError(HPDF_STATUS error, HPDF_STATUS detail, void* user);
    // Throws the recorded library error, or one for a failed status.
    void check(HPDF_STATUS status = HPDF_OK);

    void loadFonts(const std::filesystem::path& folder);
    void addPage();
    void startFirstPage();
    void startNextPage();
    void drawHeadings();
    void drawRotatedHeadings();
    void drawCarriedValues();
    void drawGrid();
    void drawTitleBand();
    void drawCarryOverRow(double top);
    void drawResults();
    void writeGame(const EIN_SPIEL& row);
    void shadeDealerCell(int row);
    void drawPlayerName(int player, const std::string& name);

    // Drawing in mm.
    void setFont(Font font, double size);
    double textWidth(const std::string& text); // in mm
    void drawText(double x, double y, const std::string& text);
    void drawCenteredText(double left, double right, double y, const std::string& text);
    void drawCellText(double left, double top, double right, double bottom, Align align, const std::string& text);
    void drawRowText(int row, double left, double right, Align align, const std::string& text);
    void drawLine(double width, double x1, double y1, double x2, double y2);
    void fillRect(double left, double bottom, double right, double top, double grey);
    void log(PdfDrawnItem::Kind kind, double left, double bottom, double right, double top, const std::string& text);

    double playerX(int player) const { return playerX_[player - 1]; }
    std::string utf8(const std::wstring& text) const;

    int playerCount_ = 3;
    HPDF_Doc doc_ = nullptr;
    HPDF_Page pageHandle_ = nullptr;
    std::array<double, 4> playerX_{};
    double playerWidth_ = 0; // c: a player's points column
    double valueWidth_ = 0;  // w: each of the two game-value columns
    HPDF_Font typewriter_ = nullptr;
    HPDF_Font typewriterBold_ = nullptr;
    HPDF_Font sansBold_ = nullptr;
    HPDF_Font sans_ = nullptr;
    double pageHeight_ = 0;
    double pageWidth_ = 0;
    double mm_ = 0; // points per millimetre
    int rowsWritten_ = 0;
    int page_ = 0;
    const LISTE* sheet_ = nullptr;
    int passedIn_ = 0;
    std::array<int, 4> points_{};
    std::array<int, 4> won_{};
    std::array<int, 4> lost_{};

    PdfSheetTexts texts_;
    Scoring scoring_ = SCORING_CLASSIC;
    double tariffCents_ = 0;
    bool rotated_ = false;
    Font font_ = Font::Sans;
    double fontSize_ = 10;
    std::vector<PdfDrawnItem>* log_ = nullptr;

    // The first library error reported through the callback.
    bool failed_ = false;
    HPDF_STATUS error_ = HPDF_OK;
    HPDF_STATUS detail_ = HPDF_OK;
};
