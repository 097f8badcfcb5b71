#include "skat/ui/TableTexts.h"

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/SeatPositions.h"
#include "skat/ui/TableSnapshot.h"

namespace table_texts {

namespace {

const std::wstring& t(TextKey key) { return skat::text(key); }

std::wstring playerName(const TableSnapshot& table, int seat)
{
    if (!isValidSeat(seat))
        return {};
    PLAYER* player = table.playerAtSeat(static_cast<Seat>(seat));
    return player ? player->name() : std::wstring{};
}

bool seatOccupied(const TableSnapshot& table, int seat)
{
    return isValidSeat(seat) && table.playerAtSeat(static_cast<Seat>(seat));
}

int playerKindAt(const TableSnapshot& table, int seat)
{
    PLAYER* player = isValidSeat(seat) ? table.playerAtSeat(static_cast<Seat>(seat)) : nullptr;
    return player ? player->kind() : PLAYER_KIND_NONE;
}

// Grand ouvert is named as a grand.
std::wstring gameName(GameType type)
{
    return SKAT_TEXT::instance().gameTypeName(type == GAME_GRAND_OUVERT ? GAME_GRAND : type);
}

// A numbered game of a list that has not run past its end.
bool countedListGame(const TableSnapshot& table, int number)
{
    return number > 0 && table.sheet.rowCount() <= LISTE::MAX_GAMES;
}

// The row of the sheet the stored game was taken from; -1 when none matches.
std::wstring kindOfGame(const TableSnapshot& table, int number)
{
    const SPIELMODUS& modus = table.modus;
    if (modus.storedGameFlag && !modus.exerciseFlag) {
        std::wstring line = t(TextKey::Modus_Wiederholung);
        const int row = table.sheet.storedGameRow;
        if (row >= 0)
            line += L" " + skat::formatText(TextKey::Modus_von_Spiel, {row + 1});
        return line;
    }
    if (modus.repeatFlag)
        return t(TextKey::Modus_Wiederholung) + L" " + t(TextKey::Modus_Wdh_Des_Letzten_Spieles);
    if (modus.mode == MODE_FREE_GAME || modus.mode == MODE_REPEAT || modus.mode == MODE_DISTRIBUTION)
        return t(TextKey::Modus_Freies_Spiel);
    if (modus.exerciseFlag) {
        if (modus.deviationIndex < 0)
            return t(TextKey::Modus_Nachspielen) + L" " + modus.storedGame.record.texts()[0];
        return t(TextKey::Modus_Nachspielen) + L" " + t(TextKey::Modus_als_Freies_Spiel);
    }
    if (table.isNetworkGame()) {
        if (table.isClientTable())
            return t(TextKey::Modus_Netzwerk_Client);
        if (table.isServerTableWithRemote())
            return t(TextKey::Modus_Netzwerk_Server);
        return {};
    }
    if (countedListGame(table, number))
        return t(TextKey::Modus_Runde) + L" " + std::to_wstring(number);
    return {};
}

std::wstring levelWords(int winLevel)
{
    switch (winLevel) {
    case 1: return L" " + t(TextKey::Element_ouvert);
    case 2: return L" " + t(TextKey::Element_Hand);
    case 3: return L" " + t(TextKey::Element_schneider_ang);
    case 4: return L" " + t(TextKey::Element_schwarz_ang);
    case 5: return L" " + t(TextKey::Element_Hand) + L" " + t(TextKey::Element_ouvert);
    default: return {};
    }
}

std::wstring whoPlaysWhat(const TableSnapshot& table, bool shortForm)
{
    const SPIELSTRUCT& record = table.record;
    const GameType type = record.SPIELART.SPIEL_TYP;
    if (type == GAME_RAMSCH)
        return gameName(type);
    std::wstring line;
    const int declarer = record.declarer();
    if (declarer >= 0 && declarer <= 2 && screenPositionOfSeat(&table.table(), declarer) == 1)
        line = t(TextKey::Status_Du_spielst);
    else if (seatOccupied(table, declarer))
        line = playerName(table, declarer) + L" " + t(TextKey::Status_spielt);
    line += L" " + gameName(type) + levelWords(record.SPIELART.GEWINN_STUFE);
    if (record.KONTRA) {
        line += L" " + t(TextKey::Element_Kontra);
        if (!shortForm && seatOccupied(table, record.KONTRA_WER))
            line += L" " + t(TextKey::Element_von) + L" " + playerName(table, record.KONTRA_WER);
        if (record.RE)
            line += L", " + t(TextKey::Element_Re);
    }
    return line;
}

} // namespace

std::vector<std::wstring> balloonLines(const std::wstring& text, bool wrap)
{
    std::vector<std::wstring> lines;
    if (!wrap) {
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t bar = text.find(L'|', start);
            if (bar == std::wstring::npos)
                bar = text.size();
            if (bar > start)
                lines.push_back(text.substr(start, bar - start));
            start = bar + 1;
        }
        return lines;
    }
    const std::size_t limit = BALLOON_LINE_LENGTH;
    std::size_t start = 0;
    while (start < text.size()) {
        if (text.size() - start < limit) {
            lines.push_back(text.substr(start));
            break;
        }
        std::size_t blank = std::wstring::npos;
        for (std::size_t p = start + 1; p <= start + limit && p < text.size(); ++p)
            if (text[p] == L' ')
                blank = p;
        if (blank != std::wstring::npos) {
            lines.push_back(text.substr(start, blank - start));
            start = blank + 1;
        } else {
            lines.push_back(text.substr(start, limit));
            start += limit;
        }
    }
    return lines;
}

int gameNumber(const TableSnapshot& table)
{
    const int state = table.currentIndex;
    const bool entered = state == STATE_NONE || state == STATE_EINGEPASST || state == STATE_ABRECHNUNG;
    return table.sheet.rowCount() + (entered ? 0 : 1);
}

std::wstring gameInfoLine(const TableSnapshot& table, const InfoLineContext& context)
{
    const int number = gameNumber(table);
    std::wstring line = kindOfGame(table, number);

    const bool bockShown = table.isNetworkGame() || countedListGame(table, number);
    const int bockLeft = table.record.BOCKRUNDE_NR;
    if (bockShown && bockLeft > 0) {
        const std::wstring round = std::to_wstring(4 - bockLeft);
        if (context.shortForm)
            line += L" (" + t(TextKey::Modus_Bock_kurz) + L" " + round + L")";
        else
            line += L" (" + t(TextKey::Modus_Bockrunde) + L" " + round + L")";
    }

    const InputMode mode = context.inputMode;
    if (mode >= INPUT_BID && mode <= INPUT_ANNOUNCING && context.biddingMode == 2)
        line += L" - " + t(TextKey::Status_Geboten_Wert) + L" " + std::to_wstring(context.offeredValue);
    else if (mode >= INPUT_SKAT_OR_HAND && mode <= INPUT_PUT_AWAY_DONE)
        line += L" - " + t(TextKey::Status_Gereiz_Wert) + L" " + std::to_wstring(table.record.GEREIZT);
    else if (mode >= INPUT_CARD_PLAY && mode < INPUT_GAME_RESULT)
        line += L" - " + whoPlaysWhat(table, context.shortForm);
    return line;
}

GameTitleParts gameTitleParts(const TableSnapshot& table)
{
    GameTitleParts parts;
    const SPIELSTRUCT& record = table.record;
    const int winLevel = record.SPIELART.GEWINN_STUFE;
    parts.game = gameName(record.SPIELART.SPIEL_TYP);
    if (winLevel >= 2)
        parts.game += L" " + t(TextKey::Element_Hand);
    else if (winLevel == 1)
        parts.game += L" " + t(TextKey::Element_ouvert);
    if (winLevel == 3)
        parts.level = L" " + t(TextKey::Element_schneider_ang);
    else if (winLevel == 4)
        parts.level = L" " + t(TextKey::Element_schwarz_ang);
    else if (winLevel == 5)
        parts.level = L" " + t(TextKey::Element_ouvert);
    if (record.KONTRA && seatOccupied(table, record.KONTRA_WER)) {
        parts.kontra = L" " + t(TextKey::Element_Kontra) + L" " + t(TextKey::Element_von) + L" "
                       + playerName(table, record.KONTRA_WER);
        if (record.RE)
            parts.kontra += L", " + t(TextKey::Element_Re);
    }
    return parts;
}

std::wstring gameTitle(const TableSnapshot& table, InputMode inputMode, bool localDeclarer, bool firstLead, int theme)
{
    if (inputMode < INPUT_CARD_PLAY || inputMode >= INPUT_GAME_RESULT || table.record.SPIELART.SPIEL_TYP == GAME_RAMSCH)
        return {};
    GameTitleParts parts = gameTitleParts(table);
    if (localDeclarer) {
        if (firstLead)
            parts.kontra += L" - " + t(TextKey::Status_Du_spielst_Aus);
        return t(TextKey::Status_Du_spielst) + L" " + parts.game + parts.level + parts.kontra;
    }
    if (theme == USER_PREFS::THEME_MONO)
        return parts.game;
    return t(TextKey::Status_spielt) + L" " + parts.game;
}

std::wstring cardPointsText(int first, int second)
{
    return std::to_wstring(first) + L" : " + std::to_wstring(second) + L" " + t(TextKey::Stapel_Punkte);
}

std::wstring illegalCardNotice(const TableSnapshot& table)
{
    const GameType type = table.record.SPIELART.SPIEL_TYP;
    const KARTE* led = table.cards.trick.ledCard();
    const bool trumpLed = type >= GAME_CLUBS && type <= GAME_GRAND_OUVERT && led && isRealCard(led->id())
                          && (trumpMask(type) & cardMaskOfId(led->id())) != 0;
    return t(trumpLed ? TextKey::Sprechblase_Wenn_Trumpf_gefordert : TextKey::Sprechblase_Wenn_Farbe_gefordert);
}

std::wstring seatRoleText(const TableSnapshot& table, InputMode inputMode, int position)
{
    if (inputMode <= INPUT_NEW_GAME || inputMode >= INPUT_CARD_PLAY)
        return {};
    const int forehand = table.modus.forehand;
    const bool dealing = inputMode >= INPUT_CUTTING && inputMode <= INPUT_CUT_DONE;
    for (int k = 0; k < 3; ++k) {
        const int seat = (forehand + k) % 3;
        if (screenPositionOfSeat(&table.table(), seat) != position)
            continue;
        if (k == 0)
            return dealing ? std::wstring{} : t(TextKey::Vorhand);
        if (k == 1) {
            if (inputMode == INPUT_CUTTING || inputMode == INPUT_CUT_DONE)
                return {};
            if (inputMode == INPUT_CUT && seatOccupied(table, seat)) {
                const int kind = playerKindAt(table, seat);
                if (kind == PLAYER_KIND_HUMAN || kind == PLAYER_KIND_NETWORK_CLIENT)
                    return playerName(table, seat) + L", " + t(TextKey::Status_Hebe_ab);
                return t(TextKey::Status_hebt_ab);
            }
            return t(TextKey::Mittelhand);
        }
        if (dealing) {
            if (position == 1 && seatOccupied(table, seat))
                return playerName(table, seat) + L", " + t(TextKey::Status_Du_gibst);
            return t(TextKey::Status_gibt);
        }
        return t(TextKey::Hinterhand);
    }
    return {};
}

} // namespace table_texts
