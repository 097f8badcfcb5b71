#include "skat/logic/LeadTables.h"

#include "skat/logic/DeltaTables.h"
#include "skat/logic/LogicTexts.h"
#include "vordix/Folder.h"
#include "vordix/MessageSink.h"
#include "vordix/Preference.h"
#include "vordix/TextHelpers.h"

#include <algorithm>
#include <cwctype>
#include <fstream>

SL_TABELLEN_WERTUNG leadTables;

namespace {

void reportFile(const std::wstring& name, std::size_t limit)
{
    const std::wstring text = formatLogicText(logicText(TEXT_FILE_MISSING_OR_DAMAGED), name);
    vordix::showMessage(vordix::MessageKind::Error, text.substr(0, limit));
}

std::wstring upper(std::wstring text)
{
    for (auto& c : text)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return text;
}

} // namespace

SL_TABELLEN::~SL_TABELLEN() = default;

std::wstring SL_TABELLEN::fileName(FileIndex file) const
{
    static const wchar_t* const endings[] = {L"0.SPL", L"0_VHT.SPN", L"0_MHB.SPN", L"0_MHT.SPN"};
    return (baseName_ + endings[file]).substr(0, 1000);
}

void SL_TABELLEN::setLogicName(const std::wstring& name)
{
    const auto at = upper(name).rfind(L".SPL");
    baseName_ = at == std::wstring::npos ? name : name.substr(0, at);
}

std::filesystem::path SL_TABELLEN::defaultFolder()
{
    VORDIX_FOLDER folder;
    folder.setStandardFolder(FOLDER_PROGRAM);
    folder.changeFolder(L"Ressourcen");
    folder.changeFolder(L"Spiellogik");
    return std::filesystem::path(folder.path());
}

void SL_TABELLEN::allocate()
{
    for (int f = 0; f < FILE_COUNT; ++f)
        buffers_[f].assign(FILE_SIZES[f], 0);
}

bool SL_TABELLEN::readTable(const std::filesystem::path& file, std::size_t size, std::uint8_t* buffer)
{
    std::ifstream in(file, std::ios::binary);
    if (in)
        in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(size));
    if (!in || static_cast<std::size_t>(in.gcount()) != size) {
        reportFile(file.filename().wstring(), 256);
        return false;
    }
    return true;
}

bool SL_TABELLEN::loadFiles(const std::filesystem::path& folder)
{
    loaded_ = false;
    allocate();
    folder_ = folder;
    for (int f = 0; f < FILE_COUNT; ++f)
        if (!readTable(folder / fileName(FileIndex(f)), FILE_SIZES[f], buffers_[f].data()))
            return false;
    loaded_ = true;
    return true;
}

bool SL_TABELLEN::loadConfigured(const std::wstring& preferred, const std::filesystem::path& folder)
{
    const std::filesystem::path where = folder.empty() ? defaultFolder() : folder;
    setLogicName(preferred.empty() ? logicText("Spiellogik_Standard") : preferred);
    if (baseName_ != L"Standard" && !baseName_.empty() && loadFiles(where))
        return true;
    setLogicName(logicText("Spiellogik_Standard"));
    if (baseName_.empty())
        baseName_ = L"Standard";
    if (loadFiles(where))
        return true;
    reportFile(baseName_, 1000);
    return false;
}

bool SL_TABELLEN::ensureLoaded()
{
    std::lock_guard lock(loadMutex_);
    if (!loaded_ && buffers_[0].empty())
        loadConfigured(L"Standard", preferredFolder_);
    return loaded_;
}

bool SL_TABELLEN::loadFromPreferences(VORDIX_PREFERENCE& preferences, const std::filesystem::path& folder)
{
    std::wstring preferred;
    if (!preferences.getValue(PREF_LOGIC_SET, preferred))
        preferred.clear();
    std::lock_guard lock(loadMutex_);
    return loadConfigured(preferred, folder);
}

void SL_TABELLEN::chooseLogicSet(VORDIX_PREFERENCE& preferences, const std::wstring& name)
{
    setLogicName(name);
    preferences.setValue(PREF_LOGIC_SET, baseName_);
}

void SL_TABELLEN::useFolder(const std::filesystem::path& folder)
{
    std::lock_guard lock(loadMutex_);
    preferredFolder_ = folder;
}

int SL_TABELLEN::entryByte(FileIndex file, long index) const
{
    const auto& buffer = buffers_[file];
    if (index < 0 || static_cast<std::size_t>(index) >= buffer.size())
        return -1;
    return buffer[static_cast<std::size_t>(index)];
}

bool countsTrickAsPlayed(int n) { return n == 10 || n == 11 || n == 12 || n == 14 || n == 17 || n == 18; }

SL_TABELLEN_WERTUNG::SL_TABELLEN_WERTUNG() = default;
SL_TABELLEN_WERTUNG::~SL_TABELLEN_WERTUNG() = default;

int SL_TABELLEN_WERTUNG::term(const TABELLE& table, int p, int q, PatternState state) const
{
    const int n = table.number;
    if (n < 0 || state > STATE_IN_TRICK)
        return 0;
    const bool side = table.kind == KIND_VHBB || table.kind == KIND_MHBB || table.kind == KIND_FLTR;
    const int width = side ? 7 : 11;
    if (q < 1 || q > width || (table.kind != KIND_FLTR && (p < 1 || p > width)))
        return 0;
    const long e = (static_cast<long>(n) * width + p) * width + q;
    int byte = -1;
    switch (table.kind) {
    case KIND_VHBB: byte = entryByte(FILE_MAIN, 1 + 3 * e + std::min<int>(state, STATE_PLAYED)); break;
    case KIND_VHTR:
    case KIND_VHNL: byte = entryByte(FILE_VHT, 1 + 3 * e + std::min<int>(state, STATE_PLAYED)); break;
    case KIND_MHBB: byte = entryByte(FILE_MHB, 1 + 4 * e + state); break;
    case KIND_MHTR:
    case KIND_MHNL: byte = entryByte(FILE_MHT, 1 + 4 * e + state); break;
    case KIND_FLTR: {
        // Numbers 0..6 share the VHBB block of table 9 (p = n + 1), read one
        // byte early so the states 1..3 of a filter land on an entry's bytes.
        const long fe = n <= 6 ? (63 + n + 1) * 7L + q : q;
        byte = entryByte(FILE_MAIN, 3 * fe + state);
        break;
    }
    default: break;
    }
    return byte < 0 ? 0 : byte - 100;
}

int SL_TABELLEN_WERTUNG::tableSum(const TABELLE& table, GameType type, CardId card, const PatternView* view) const
{
    const Rank rank = rankOfCardId(card);
    const Suit suit = suitOfCardId(card);
    int sum = 0;
    switch (table.kind) {
    case KIND_VHBB:
    case KIND_MHBB: {
        ARRAY_OF_FARBKARTEN_BB pattern;
        pattern.fill(view, suit);
        if (table.kind == KIND_VHBB && countsTrickAsPlayed(table.number))
            for (int i = 0; i <= pattern.last; ++i)
                if (pattern.entries[i].state == STATE_IN_TRICK)
                    pattern.entries[i].state = STATE_PLAYED;
        const int p = sideSuitPosition(rank);
        for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
            if (r != rank && r != RANK_JACK)
                sum += term(table, p, sideSuitPosition(r), pattern.stateOf(10 + r));
        break;
    }
    case KIND_VHTR:
    case KIND_MHTR: {
        const Suit trump = isSuitGame(type) ? trumpSuit(type) : suit;
        ARRAY_OF_FARBKARTEN_TR pattern;
        pattern.fill(view, trump);
        const int p = trumpPosition(card);
        static constexpr CardId jacks[] = {44, 34, 24, 14};
        for (int k = 1; k <= 12; ++k) {
            const CardId other = k <= 8 ? k + trump * 10 : jacks[k - 9];
            if (other == card || k == RANK_JACK)
                continue;
            sum += term(table, p, k <= 3 ? k : k - 1, pattern.stateOf(other));
        }
        break;
    }
    case KIND_VHNL:
    case KIND_MHNL: {
        ARRAY_OF_FARBKARTEN_N pattern;
        pattern.fill(view, suit);
        for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
            if (r != rank)
                sum += term(table, rank, r, pattern.stateOf(10 + r));
        break;
    }
    default: break;
    }
    return sum;
}

int SL_TABELLEN_WERTUNG::rateFilter(int number, CardId card, const ARRAY_OF_FARBKARTEN& pattern) const
{
    const Rank rank = rankOfCardId(card);
    const TABELLE table{KIND_FLTR, number};
    int sum = 0;
    for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
        if (r != rank && r != RANK_JACK)
            sum += term(table, 0, sideSuitPosition(r), pattern.stateOf(10 + r));
    return sum;
}

TRAINING_HISTORY& SL_TABELLEN_WERTUNG::historyOf(const TABELLE& table)
{
    std::lock_guard lock(historyMutex_);
    auto& slot = histories_[table];
    if (!slot)
        slot = std::make_unique<TRAINING_HISTORY>(folder_, table);
    return *slot;
}

int SL_TABELLEN_WERTUNG::rate(const TABELLE& table, GameType type, CardId card, const PatternView* view)
{
    TRAINING_HISTORY& history = historyOf(table);
    TRAINING_SITUATION situation(table);
    const Suit suit =
        (table.kind == KIND_VHTR || table.kind == KIND_MHTR) && isSuitGame(type) ? trumpSuit(type) : suitOfCardId(card);
    situation.fill(view, suit);
    if (history.hasOverride(situation))
        return history.overrideRating(situation, situation.ownPosition(card));
    return tableSum(table, type, card, view);
}
