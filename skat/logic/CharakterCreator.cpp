#include "skat/logic/CharakterCreator.h"

#include "skat/engine/Liste.h"
#include "skat/engine/Spielkarten.h"
#include "vordix/File.h"
#include "vordix/Folder.h"

CHARAKTER_CREATOR::CHARAKTER_CREATOR()
{
    for (Seat k = SEAT_0; k < SEAT_COUNT; ++k) {
        CHARAKTER& profile = profiles[static_cast<std::size_t>(k)];
        profile.seat = k;
        profile.trumps.reset(k);
        profile.jacks.reset(k);
        profile.asymmetry.reset(k);
        // The profiles are rebuilt from the game history at every start;
        // only their reports are written, on demand.
        profile.logFileName = L"Charakter_Log" + std::to_wstring(k);
    }
}

CHARAKTER_CREATOR::~CHARAKTER_CREATOR() = default;

void CHARAKTER_CREATOR::learnFromSheet(const LISTE& sheet)
{
    const int n = sheet.rowCount();
    for (int i = n - 1; i >= 0; --i) {
        const EIN_SPIEL& row = sheet.rowAt(i);
        const GameType type = row.record.SPIELART.SPIEL_TYP;
        if (row.pile.trickCount() < 10 || type == GAME_RAMSCH || type == GAME_NONE)
            continue;
        SPIELKARTEN cards;
        cards.setUpFromGame(row.storedCards());
        if (!cards.isConsistent())
            continue;
        const Seat d = row.record.declarer();
        const Seat f = row.pile.vh();
        if (!isValidSeat(d) || !isValidSeat(f))
            continue;
        ReplayedGame game;
        for (int s = 0; s < 3; ++s)
            game.dealtHands[static_cast<std::size_t>(s)] = cards.hands[static_cast<std::size_t>(s)].cardSet();
        game.finalHands = game.dealtHands;
        // The declarer takes the skat up and lays away what the pile keeps.
        const CardSet laidAway = row.pile.skat().cardSet();
        CardSet all = 0;
        for (CardSet h : game.dealtHands)
            all |= h;
        const CardSet dealtSkat = ~all;
        auto& declarerHand = game.finalHands[static_cast<std::size_t>(d)];
        if (cardCount(laidAway) == 2 && (laidAway & ~(declarerHand | dealtSkat)) == 0)
            declarerHand = (declarerHand | dealtSkat) & ~laidAway;
        game.pile = &row.pile;
        game.declarer = d;
        game.type = type;

        for (CHARAKTER& profile : profiles)
            profile.jacks.recordGame(game);
        if (!isSuitGame(type))
            continue;
        for (CHARAKTER& profile : profiles) {
            profile.trumps.recordGame(game);
            profile.asymmetry.recordGame(game);
        }
        const CardId led = row.pile.trick(1).card(0)->id();
        if (f != d && isRealCard(led) && !isTrumpSuit(suitOfCardId(led), type))
            profiles[static_cast<std::size_t>(f)].recordOpeningLead(game.dealtHands[static_cast<std::size_t>(f)], led,
                                                                    type, d == seatAfter(f, 2));
    }
    for (CHARAKTER& profile : profiles)
        profile.trumps.computePercentages();
    for (CHARAKTER& profile : profiles)
        profile.jacks.computePercentages();
    for (CHARAKTER& profile : profiles)
        profile.asymmetry.computePercentages();
}

int CHARAKTER_CREATOR::writeReports(const std::filesystem::path& folder) const
{
    int written = 0;
    for (const CHARAKTER& profile : profiles)
        written += profile.writeReport(folder) ? 1 : 0;
    return written;
}

CHARAKTER_CREATOR& profileStore()
{
    static CHARAKTER_CREATOR store;
    return store;
}

namespace {

bool loadSheet(LISTE& sheet, const std::filesystem::path& path)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return false;
    VORDIX_FOLDER folder;
    folder.setPath(path.parent_path().wstring());
    return sheet.open(VORDIX_FILE(folder, path.filename().wstring())) == 0;
}

} // namespace

bool loadProfiles(CHARAKTER_CREATOR& store, const std::filesystem::path& userSheet,
                  const std::filesystem::path& shippedSheet)
{
    {
        LISTE sheet;
        if (loadSheet(sheet, userSheet))
            store.learnFromSheet(sheet);
    }
    LISTE shipped;
    if (!loadSheet(shipped, shippedSheet))
        return false;
    store.learnFromSheet(shipped);
    store.setLoaded(true);
    return true;
}
