#pragma once
// The pre-play tables: expected card points per suit pattern, trump pattern
// and jack index, the discard proposals per suit pattern and the null
// levels. They are data, read once from "Blattwertung.bin" (XML, root
// "VORLOGIK_TABELLEN") and "Null.bin" (50 integers) in the logic folder, and
// shared read-only by every player afterwards.

#include "skat/logic/HandPatterns.h"
#include "vordix/Dokument.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

template <typename T>
class FARBKARTEN_TABELLE {
public:
    virtual ~FARBKARTEN_TABELLE() = default;
    // Value at a suit pattern 0..63 (a default value outside).
    T at(int pattern) const { return inRange(pattern) ? values[static_cast<std::size_t>(pattern)] : T{}; }
    static bool inRange(int pattern) { return pattern >= 0 && pattern < SUIT_PATTERN_COUNT; }
    std::array<T, SUIT_PATTERN_COUNT> values{};
};

template <typename T>
class TRUMPFKARTEN_TABELLE {
public:
    virtual ~TRUMPFKARTEN_TABELLE() = default;
    T at(int pattern) const { return inRange(pattern) ? values[static_cast<std::size_t>(pattern)] : T{}; }
    static bool inRange(int pattern) { return pattern >= 0 && pattern < TRUMP_PATTERN_COUNT; }
    std::array<T, TRUMP_PATTERN_COUNT> values{};
};

class BUBEN_TABELLE {
public:
    virtual ~BUBEN_TABELLE() = default;
    int at(int index) const { return inRange(index) ? values[static_cast<std::size_t>(index)] : 0; }
    static bool inRange(int index) { return index >= 0 && index < JACK_INDEX_COUNT; }
    std::array<int, JACK_INDEX_COUNT> values{};
};

// Rating components: three estimates of the declarer's points and the same
// three of the defenders'. Offsets inside a group of six tables.
enum RatingComponent : int { COMP_PM = 0, COMP_PD = 1, COMP_PS = 2, COMP_NM = 3, COMP_ND = 4, COMP_NS = 5 };

class VL_TABELLEN : public VORDIX_DOKUMENT {
public:
    struct DRUECKEN_TUPEL {
        int Wert = 0;         // value of putting one card of the suit away
        Rank Karte = 0;       // that card (0 none)
        int Wert2 = 0;        // value of putting two cards away
        Rank Karte2 = 0;      // the second card (0 none)
        std::wstring Wizzard; // advice shown to the user
        bool operator==(const DRUECKEN_TUPEL&) const = default;
    };
    struct PAARUNG {
        int Index1 = 0;
        int Index2 = 0;
        std::wstring Wizzard;
        bool operator==(const PAARUNG&) const = default;
    };

    static constexpr int SUIT_TABLES = 41;
    static constexpr int TRUMP_TABLES = 6;
    static constexpr int JACK_TABLES = 10;
    static constexpr int OPEN_TABLES = 6;

    // Suit-table numbers.
    static constexpr int T_B = 0, T_T = 1, T_VH = 2, T_MH = 3, T_HH = 4;
    // Suit game, group g (cards of the suit put away), component c.
    static constexpr int suitGameTable(int g, int c) { return 5 + 6 * g + c; }
    static constexpr int grandTable(int g, int c) { return 23 + 6 * g + c; }
    // Jack tables: "FS_BUBEN" VH 0; "GRAND_BUBEN" VH 1, MH 2, HH 3, components 4 + c.
    static constexpr int grandJackTable(int c) { return 4 + c; }
    // Open-game tables: suit game VH 0, MH 1, HH 2; grand VH 3, MH 4, HH 5.

    VL_TABELLEN();
    ~VL_TABELLEN() override;

    // The shared tables, read on first use from the logic folder (the
    // program folder's "Ressourcen"/"Spiellogik", or the folder given to
    // useFolder before). Never null.
    static const VL_TABELLEN& instance();
    // The folder the shared tables are read from; only before first use.
    static void useFolder(const std::filesystem::path& folder);

    // Reads both files of a folder into this object. A missing or damaged
    // file is reported once through the message sink with its name; the
    // tables it would fill stay empty. True when both were read whole.
    bool loadFromFolder(const std::filesystem::path& folder, bool report = true);
    // Writes both files into a folder; false when either could not be written.
    bool saveToFolder(const std::filesystem::path& folder);

    // Null table file: reads the 50 values; false when the file cannot be
    // opened or holds fewer numbers (the table is then left all zero).
    bool readNullFile(const std::filesystem::path& file);
    bool writeNullFile(const std::filesystem::path& file) const;
    // The null table's file text: one decimal number per line, in the order
    // of nullCells(). Reading takes the first 50 numbers.
    bool readNullText(const std::string& text);
    std::string nullText() const;

    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "VORLOGIK_TABELLEN"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
    int onLoadFailed() override;

    // Look-ups (0 outside their range).
    int suitValue(int table, int pattern) const;
    int trumpValue(int table, int pattern) const;
    int jackValue(int table, int index) const;
    int openValue(int table, int index) const;
    const DRUECKEN_TUPEL& discardProposal(int pattern) const;
    int nullValue(int a, int b, int c) const;
    void setNullValue(int a, int b, int c, int value);

    // The 50 cells of the null table in file order (a, b, c).
    struct NullCell {
        int a, b, c;
    };
    static const std::vector<NullCell>& nullCells();

    bool nullLoaded = false;
    std::array<FARBKARTEN_TABELLE<int>, SUIT_TABLES> suitTables;
    std::array<TRUMPFKARTEN_TABELLE<int>, TRUMP_TABLES> trumpTables;
    FARBKARTEN_TABELLE<DRUECKEN_TUPEL> discardTable;
    std::vector<PAARUNG> pairings;
    std::array<BUBEN_TABELLE, JACK_TABLES> jackTables;
    std::array<BUBEN_TABELLE, OPEN_TABLES> openTables;
    std::array<std::array<std::array<int, 8>, 8>, 8> nullTable{};

    // Entries whose key lay outside their table at the last read.
    int skippedEntries = 0;

    static constexpr const char* TABLE_FILE = "Blattwertung.bin";
    static constexpr const char* NULL_FILE = "Null.bin";

private:
    void clearTables();
};
