#pragma once
// The lead tables of a logic set: four raw byte files read once at start-up
// and the rating of a card by one table. Every byte holds a rating term plus
// 100; byte 0 of each file is a header that no look-up reads.
//
//   base + "0.SPL"      2,965 bytes, 3 bytes an entry: VHBB 0-19, FLTR
//   base + "0_VHT.SPN"  9,838 bytes, 3 bytes an entry: VHTR and VHNL 0-26
//   base + "0_MHB.SPN"  3,169 bytes, 4 bytes an entry: MHBB 0-15
//   base + "0_MHT.SPN" 17,473 bytes, 4 bytes an entry: MHTR and MHNL 0-35
//
// An entry is addressed by the table number n, the rated card's position p
// and another card's position q ((n * 7 + p) * 7 + q for side-suit tables,
// (n * 11 + p) * 11 + q for trump and null tables); the other card's state
// picks the byte inside the entry.

#include "skat/logic/SuitPatterns.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TRAINING_HISTORY;
class VORDIX_PREFERENCE;

// The preference that names the chosen logic set.
inline constexpr int PREF_LOGIC_SET = 4;

class SL_TABELLEN {
public:
    enum FileIndex { FILE_MAIN, FILE_VHT, FILE_MHB, FILE_MHT, FILE_COUNT };
    static constexpr std::array<std::size_t, FILE_COUNT> FILE_SIZES{2965, 9838, 3169, 17473};

    SL_TABELLEN() = default;
    virtual ~SL_TABELLEN();

    // The file name of one file of the logic set with the current base name.
    std::wstring fileName(FileIndex file) const;

    // Keeps the name up to the last ".SPL" (any case) as the base name.
    void setLogicName(const std::wstring& name);
    const std::wstring& logicName() const { return baseName_; }

    // Reads the four files from a folder; stops at the first that is
    // missing or short (reporting it through the message sink). Files read
    // before it stay, the rest are zero. Sets the loaded flag on success.
    bool loadFiles(const std::filesystem::path& folder);
    // Reads exactly size bytes of a file into buffer; a longer file is read
    // up to the size. False (with a message) when it cannot be opened or is
    // shorter.
    static bool readTable(const std::filesystem::path& file, std::size_t size, std::uint8_t* buffer);

    // Loads the preferred set (base name) from the logic folder and falls
    // back to "Standard" when it is incomplete. The folder defaults to the
    // program's "Ressourcen"/"Spiellogik".
    bool loadConfigured(const std::wstring& preferred, const std::filesystem::path& folder = {});
    // Loads the standard set from the default folder once; later calls only
    // answer whether a set is loaded. Safe from any thread.
    bool ensureLoaded();
    // Start-up: loads the set the preferences name (the standard set when
    // none is named or it is incomplete). The user's choice stays stored
    // even when the standard set had to stand in for it.
    bool loadFromPreferences(VORDIX_PREFERENCE& preferences, const std::filesystem::path& folder = {});
    // The user chose a logic set: its base name becomes the stored choice.
    void chooseLogicSet(VORDIX_PREFERENCE& preferences, const std::wstring& name);
    // The folder ensureLoaded reads from instead of the default one.
    void useFolder(const std::filesystem::path& folder);

    bool loaded() const { return loaded_; }
    const std::filesystem::path& folder() const { return folder_; }

    // The byte of an entry; -1 outside the file (no buffer or out of range).
    int entryByte(FileIndex file, long index) const;

    static std::filesystem::path defaultFolder();

protected:
    void allocate();

    std::array<std::vector<std::uint8_t>, FILE_COUNT> buffers_;
    std::filesystem::path folder_;
    std::wstring baseName_ = L"Standard";
    bool loaded_ = false;
    std::filesystem::path preferredFolder_;
    std::mutex loadMutex_;
};

class SL_TABELLEN_WERTUNG : public SL_TABELLEN {
public:
    SL_TABELLEN_WERTUNG();
    ~SL_TABELLEN_WERTUNG() override;

    // The rating of a card under a table; game type 1..4 names the trump
    // suit for the trump kinds (else the card's suit is trump). A delta
    // table of the set overrides the lead table where a row matches.
    int rate(const TABELLE& table, GameType type, CardId card, const PatternView* view);
    // The filter look-up on a side-suit pattern filled for the card's suit.
    int rateFilter(int number, CardId card, const ARRAY_OF_FARBKARTEN& pattern) const;

    // The sum of the lead-table terms alone (no delta table).
    int tableSum(const TABELLE& table, GameType type, CardId card, const PatternView* view) const;

    // One term: the byte of (table, p, q, state) less 100; 0 for positions or
    // states outside the table.
    int term(const TABELLE& table, int p, int q, PatternState state) const;

private:
    TRAINING_HISTORY& historyOf(const TABELLE& table);

    std::mutex historyMutex_;
    std::map<TABELLE, std::unique_ptr<TRAINING_HISTORY>> histories_;
};

// The one set of lead tables of the process.
extern SL_TABELLEN_WERTUNG leadTables;

// Table numbers whose side-suit leads count a card in the current trick as
// played.
bool countsTrickAsPlayed(int vhbbNumber);
