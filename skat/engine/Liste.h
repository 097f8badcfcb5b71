#pragma once
// The score sheet of a series of games: three or four players, one row per
// entered game with running totals from which every scoring is drawn
// (classic points, Seeger-Fabian, Bierlachs). Saved as "*.skt" with the root
// element "Spielliste".

#include "skat/engine/EinSpiel.h"
#include "skat/engine/Observable.h"
#include "vordix/Dokument.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class SPIELKARTEN;

// How a sheet is scored (the user's scoring preference).
enum Scoring : int {
    SCORING_CLASSIC = 0,
    SCORING_SEEGER_FABIAN = 1,
    SCORING_BIERLACHS = 2,
};

class LISTE : public VORDIX_DOKUMENT, public OBSERVABLE {
public:
    // Rows appendGame() accepts; the end of a list.
    static constexpr int MAX_GAMES = 36;
    // Only the last rows carry their cards in the file.
    static constexpr int ROWS_WITH_CARDS = 999;
    static constexpr int DOCUMENT_VERSION = 2;
    // Rows read from a file at most: with values bounded by the game value
    // limit, no running total or score drawn from them can overflow.
    static constexpr int MAX_ROWS = 10000;

    LISTE();
    LISTE(const LISTE&) = delete;
    LISTE& operator=(const LISTE&) = delete;
    ~LISTE() override;

    // Refuses another root and an unknown version with a message. Rows
    // beyond MAX_ROWS, damaged tricks and values out of range are dropped or
    // replaced: the user is told once, the sheet is marked modified and the
    // file is kept beside it at the next save.
    bool read(const tinyxml2::XMLElement* root, const tinyxml2::XMLDocument& document) override;
    // Reads a sheet that came in a network message: shows nothing, for the
    // message has no file to keep; the caller reports a refusal.
    bool readFromMessage(const tinyxml2::XMLElement* root, const tinyxml2::XMLDocument& document);
    const char* elementName() const override { return "Spielliste"; }
    void write(tinyxml2::XMLElement& root, tinyxml2::XMLDocument& document) const override;
    // A failed load empties the sheet; when the file exists but could not be
    // read the user is told that it is kept, not overwritten.
    int onLoadFailed() override;

    // Empties the sheet (three places, no network flag, not modified). A
    // sheet without a file gets the default "SKAT/Spiellisten/Aktuell.skt"
    // in the application-data folder; a named file is kept.
    void reset();

    // Enters a game from the table's card state (its tricks and the deal as
    // dealt); sets the modified flag. No row limit.
    void addGame(const SPIELSTRUCT& record, const SPIELKARTEN& cards, bool listMode);
    // Enters a game from its parts; refused with a warning once the sheet
    // holds MAX_GAMES rows.
    bool appendGame(const SPIELSTRUCT& record, const STAPEL& pile, const SKAT& dealtSkat, const KARTENVERTEILUNG& deal);
    // Appends a row and computes its running totals.
    void insertRow(std::unique_ptr<EIN_SPIEL> row);

    // Copies names, places, flags and all rows (rows are copied).
    void assign(const LISTE& other);
    void setPlayerNames(const std::array<std::wstring, SHEET_COLUMNS>& names);

    int rowCount() const { return static_cast<int>(rows.size()); }
    // Row i (0-based); the caller passes a valid index.
    const EIN_SPIEL& rowAt(int i) const { return *rows.at(static_cast<std::size_t>(i)); }
    // Column of the declarer of row i (0-based); -1 for a passed-in game or
    // a row without a declarer.
    int declarerColumnOfRow(int i) const;

    struct GameEntry {
        SPIELSTRUCT record;
        int column = 0; // the declarer's column (0 for a passed-in game)
        int points = 0; // that column's running points as of the row
        bool listMode = false;
    };
    // Row i's record with its declarer's column; an empty entry past the end.
    GameEntry gameAt(int i) const;
    // Rows whose declarer sits in the column and whose game type matches.
    int countGamesOfColumn(int column, GameType type) const;

    // Last-row totals of a column; 0 for an empty sheet.
    int lastRowValue(int column) const; // games won
    int lastRowGamesLost(int column) const;
    int lastRowPoints(int column) const;
    int lastRowMinusPoints(int column) const;
    int lastRowPassedGames() const;
    // Games lost by the other columns in the last row.
    int sumOfOtherColumns(int column) const;
    // Bierlachs total of column in row n (1-based); 0 outside the sheet.
    int rowValue(int n, int column) const;
    // Bock counter of the next game entered in the sheet: one game per
    // player at the table (3, or 4 on a four-player sheet) after a game
    // that set off Bock games, else one less than the last row's (not
    // below 0). Games that are not entered leave the counter alone.
    int nextBockCounter() const;

    // Seeger-Fabian score of a column: points + 50 per won game - 50 per
    // lost game + 40 (30 on a four-player sheet) per game lost by another.
    int seegerFabianTotal(int column) const;
    struct PlayerTotal {
        std::wstring name;
        int total = 0;
    };
    // At the end of a list: each player (column 0..places-1, which is the
    // player number, not the seat) with the Seeger-Fabian total for the
    // high-score list.
    std::vector<PlayerTotal> listEndTotals() const;
    // The sheet holds a whole list (MAX_GAMES rows or more).
    bool isFull() const { return rowCount() >= MAX_GAMES; }

    // A column's score under the scoring: classic points, the Seeger-Fabian
    // total, or the Bierlachs total.
    int score(int column, Scoring scoring) const;
    // What each player pays or receives at the tariff (cents per point):
    // ((players - 1) x own score - the others' scores) x tariff / 100. No
    // money under Bierlachs (all 0).
    std::array<double, SHEET_COLUMNS> moneyBalance(Scoring scoring, double tariffCents) const;

    // Writes the sheet through the shell's PDF writer; false when there is
    // none or it failed.
    bool exportPdf() const;

    bool readVersion1(const tinyxml2::XMLElement& root);
    bool readVersion2(const tinyxml2::XMLElement& root);
    void writeRows(tinyxml2::XMLElement& root) const;

    std::array<std::wstring, SHEET_COLUMNS> playerNames;
    int places = 3;
    bool networkGame = false;
    std::vector<std::unique_ptr<EIN_SPIEL>> rows;

private:
    int declarerColumn(const EIN_SPIEL& row, int gameNumber) const;
    const EIN_SPIEL* lastRow() const { return rows.empty() ? nullptr : rows.back().get(); }
    void readHeader(const tinyxml2::XMLElement& root);
    // What reading one row had to change.
    struct RowRepairs {
        bool values = false; // values out of range replaced
        bool tricks = false; // a damaged trick pile dropped
    };
    template <typename ReadRow>
    void readRows(const tinyxml2::XMLElement& root, ReadRow readRow);
    std::unique_ptr<EIN_SPIEL> readRowVersion1(const tinyxml2::XMLElement& game, RowRepairs& repairs) const;
    std::unique_ptr<EIN_SPIEL> readRowVersion2(const tinyxml2::XMLElement& game, RowRepairs& repairs) const;
    // Normalises the seats and rebuilds the deal. Stored hands that make no
    // whole deal count as changed values; the tricks of a game played out
    // that make no deal are dropped.
    void finishReadRow(EIN_SPIEL& row, RowRepairs& repairs) const;
    void clearContent();

    // The reader already told the user why the file was refused.
    bool refusalReported_ = false;
    bool readingMessage_ = false;
    // What the last read dropped or changed (rows numbered from 1).
    struct ReadRepairs {
        std::vector<int> rowsWithValues;
        std::vector<int> rowsWithoutTricks;
        bool rowsDropped = false;
        bool any() const { return !rowsWithValues.empty() || !rowsWithoutTricks.empty() || rowsDropped; }
    };
    ReadRepairs readRepairs_;
};
