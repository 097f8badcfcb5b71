#pragma once
// What game records, the score sheet and the running game take from the
// application shell: texts, the players' names, one preference and the names
// of their folders and files. The defaults here are German texts and neutral
// names; the shell installs an implementation that reads its text table and
// the user's preferences at every call.

#include "vordix/File.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class LISTE;

// Row numbers for a repair note: "3, 7, 12", at most 20 and then an ellipsis.
std::wstring sheetRowList(const std::vector<int>& rows);

class SHEET_SERVICES {
public:
    virtual ~SHEET_SERVICES();

    // Words of a game's description: the announced win level 1..5 (ouvert,
    // hand, Schneider announced, Schwarz announced, ouvert hand), the level
    // reached 1..2 (Schneider, Schwarz); empty for any other value.
    virtual std::wstring levelText(int winLevel) const;
    virtual std::wstring reachedLevelText(int level) const;
    // "<base value> and <levels>" part of a description.
    virtual std::wstring valueText(int baseValue, int levels) const;

    // Shown when a file is not a score sheet of this program or comes from a
    // newer version.
    virtual std::wstring wrongFileText() const;
    // Shown when a score sheet could not be read; it is kept aside, not
    // overwritten. '|' separates lines.
    virtual std::wstring unreadableSheetText(const std::wstring& fileName) const;
    // Shown once when reading a score sheet had to replace values out of
    // range, drop damaged tricks (rows numbered from 1) or drop rows beyond
    // the limit; the file is kept aside at the next save.
    virtual std::wstring repairedSheetText(const std::wstring& fileName, const std::vector<int>& rowsWithValues,
                                           const std::vector<int>& rowsWithoutTricks, bool rowsDropped) const;
    // Shown when a score sheet in a network message cannot be read (another
    // program's newer version); the message is refused.
    virtual std::wstring sheetInMessageRefusedText() const;

    // Names of players 1 to 4 for a new score sheet (the fourth may be empty).
    virtual std::array<std::wstring, 4> playerNames() const;
    // Free games (a game with a chosen forehand) are entered in the sheet.
    virtual bool enterFreeGames() const;

    // Writes the sheet as a PDF file (the shell's writer asks for the path);
    // false when nothing was written. The default has no writer.
    virtual bool exportPdf(const LISTE& sheet) const;

    // Folders below the user's application-data folder and file names.
    virtual std::wstring programFolderName() const;    // "SKAT"
    virtual std::wstring sheetsFolderName() const;     // "Spiellisten"
    virtual std::wstring currentSheetFileName() const; // "Aktuell.skt"
    virtual std::wstring runningGameFileName() const;  // "LfdSpiel.skt"
};

// A file in the sheets' folder ("SKAT/Spiellisten" in the user's
// application-data folder), creating the folders when missing.
VORDIX_FILE fileInSheetsFolder(const std::wstring& fileName);

// The services in force; safe from any thread.
std::shared_ptr<const SHEET_SERVICES> sheetServices();
// Installs services (null restores the defaults).
void installSheetServices(std::shared_ptr<const SHEET_SERVICES> services);
