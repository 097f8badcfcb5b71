#include "skat/engine/Liste.h"

#include "skat/engine/SheetServices.h"
#include "skat/engine/Spielkarten.h"
#include "vordix/MessageSink.h"
#include "vordix/XmlHelpers.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <tinyxml2.h>

namespace {

// Stored hands make a whole deal: three hands of ten, no card twice, and
// a skat of the two cards left (older rows store no skat: it is what is left).
bool isWholeDeal(const KARTENVERTEILUNG& deal)
{
    KARTENVERTEILUNG whole = deal;
    if (whole.skat.isEmpty())
        whole.fillSkatFromRest();
    return whole.isValid();
}

// A row's trick pile, from its attributes or from a "STAPEL" child, is read
// against the row's game: the parties follow from the takers and the
// declarer (in Ramsch every trick is its taker's own), and every trick has a
// taker. The row is written without its parties, so a pile whose parties
// said otherwise would read back differently.
bool readRowPile(STAPEL& pile, const tinyxml2::XMLElement& element, const SPIELSTRUCT& record)
{
    const GameType type = record.SPIELART.SPIEL_TYP;
    const Seat declarer = record.declarer();
    if (!pile.readContent(element, type, declarer))
        return false;
    for (int n = 1; n <= pile.trickCount(); ++n) {
        const Seat taker = pile.takerOfTrick(n);
        if (!isValidSeat(taker))
            return false;
        if (isValidSeat(declarer)
            && pile.partyOfTrick(n) != (taker == declarer || type == GAME_RAMSCH ? PARTY_DECLARER : PARTY_DEFENDERS))
            return false;
    }
    return true;
}

const char* const PLAYER_NAME_KEYS[SHEET_COLUMNS] = {"Spieler1", "Spieler2", "Spieler3", "Spieler4"};

inline constexpr int WINNING_BONUS = 50;
inline constexpr int OPPONENT_LOSS_BONUS_THREE = 40;
inline constexpr int OPPONENT_LOSS_BONUS_FOUR = 30;

bool validColumn(int column) { return column >= 0 && column < SHEET_COLUMNS; }

// Point totals stay within what MAX_ROWS rows of the largest value a record
// may hold add up to, so that no score drawn from them overflows; only a
// sheet grown far beyond any list in play could reach the bound.
inline constexpr std::int64_t TOTAL_LIMIT = 1'000'000'000;

void addToTotal(int& total, int value)
{
    total = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{total} + value, -TOTAL_LIMIT, TOTAL_LIMIT));
}

// The win level of a null game follows from its base value.
int nullWinLevelOfBaseValue(int baseValue)
{
    switch (baseValue) {
    case 46: return WIN_LEVEL_OUVERT;
    case 35: return WIN_LEVEL_HAND;
    case 59: return WIN_LEVEL_OUVERT_HAND;
    default: return WIN_LEVEL_WITH_SKAT;
    }
}

// The bidding state belongs to records still in the bidding; a row whose
// type came from an older description drops what was read before it.
void dropBiddingState(SPIELSTRUCT& record)
{
    if (record.SPIELART.SPIEL_TYP == GAME_NONE)
        return;
    const SPIELSTRUCT fresh;
    record.REIZ_INDEX = fresh.REIZ_INDEX;
    record.REIZEN_DRAN = fresh.REIZEN_DRAN;
    record.REIZEN_MODUS = fresh.REIZEN_MODUS;
}

// How many cards a hand element names (display places and older "KARTE"
// children), whether or not they are cards.
int cardsNamedIn(const tinyxml2::XMLElement& hand)
{
    int named = 0;
    for (int place = 1; place <= EINBLATT_SORTIERBAR::MAX_CARDS; ++place)
        named += hand.Attribute(einblatt_xml::placeAttribute(place)) != nullptr;
    for (auto* card = hand.FirstChildElement("KARTE"); card; card = card->NextSiblingElement("KARTE"))
        ++named;
    return named;
}

// Turns every seat of a row read from a file by offset places.
void rotateRowSeats(EIN_SPIEL& row, int offset)
{
    auto turn = [offset](int seat) { return isValidSeat(seat) ? (seat + offset) % SEAT_COUNT : seat; };
    row.pile.rotateSeats(offset);
    SPIELSTRUCT& record = row.record;
    record.ALLEIN = turn(record.declarer());
    if (record.KONTRA)
        record.KONTRA_WER = turn(record.KONTRA_WER);
    if (record.SPIELART.SPIEL_TYP == GAME_NONE)
        record.REIZEN_DRAN = turn(record.REIZEN_DRAN);
    std::array<int, 3> bids{};
    std::array<EINBLATT_SORTIERBAR, 3> hands;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat) {
        bids[turn(seat)] = record.GEREIZTBIS[seat];
        hands[turn(seat)] = row.deal.hands[seat];
    }
    record.GEREIZTBIS = bids;
    row.deal.hands = hands;
    row.deal.vhPos = static_cast<Seat>(turn(row.deal.vhPos));
}

} // namespace

LISTE::LISTE() : playerNames(sheetServices()->playerNames()) { }

LISTE::~LISTE() = default;

void LISTE::clearContent()
{
    rows.clear();
    places = 3;
    networkGame = false;
}

void LISTE::reset()
{
    clearContent();
    modified = false;
    if (file.name.empty())
        file = fileInSheetsFolder(sheetServices()->currentSheetFileName());
}

int LISTE::onLoadFailed()
{
    std::error_code error;
    const bool present = !file.name.empty() && std::filesystem::is_regular_file(file.fsPath(), error);
    // A file too large to read was reported by the document itself.
    if (present && !refusalReported_ && lastLoadResult() != DOCUMENT_TOO_LARGE)
        vordix::showMessage(vordix::MessageKind::Warning, sheetServices()->unreadableSheetText(file.name));
    refusalReported_ = false;
    reset();
    return DOCUMENT_UNREADABLE;
}

// ---------------------------------------------------------------- totals

int LISTE::declarerColumn(const EIN_SPIEL& row, int gameNumber) const
{
    const SPIELSTRUCT& record = row.record;
    if (record.isPassedIn() || !isValidSeat(record.declarer()))
        return -1;
    const int d = record.declarer();
    if (places == 4)
        return ((d == 0 ? 3 : d) + gameNumber - 1) % 4;
    return d == 0 ? 2 : d - 1;
}

int LISTE::declarerColumnOfRow(int i) const
{
    if (i < 0 || i >= rowCount())
        return -1;
    return declarerColumn(*rows[static_cast<std::size_t>(i)], i + 1);
}

void LISTE::insertRow(std::unique_ptr<EIN_SPIEL> row)
{
    if (!row)
        return;
    const int n = rowCount() + 1;
    if (const EIN_SPIEL* previous = lastRow()) {
        row->wonGames = previous->wonGames;
        row->lostGames = previous->lostGames;
        row->points = previous->points;
        row->minusPoints = previous->minusPoints;
        row->passedGames = previous->passedGames;
    } else {
        row->wonGames = row->lostGames = row->points = row->minusPoints = {};
        row->passedGames = 0;
    }

    if (row->record.isPassedIn()) {
        ++row->passedGames;
    } else if (const int c = declarerColumn(*row, n); c >= 0) {
        const int v = row->record.SPIELWERT;
        const int resting = places == 4 ? (n - 1) % 4 : -1;
        if (v >= 1)
            ++row->wonGames[c];
        if (v < 0)
            ++row->lostGames[c];
        addToTotal(row->points[c], v);
        if (v >= 0) {
            for (int p = 0; p < places; ++p)
                if (p != c && p != resting)
                    addToTotal(row->minusPoints[p], -v);
        } else {
            addToTotal(row->minusPoints[c], v);
        }
    }
    rows.push_back(std::move(row));
}

void LISTE::addGame(const SPIELSTRUCT& record, const SPIELKARTEN& cards, bool listMode)
{
    auto row = std::make_unique<EIN_SPIEL>();
    row->record = record;
    row->pile = cards.pile;
    if (cards.dealtRecorded)
        row->deal = cards.dealAsDealt;
    row->listMode = listMode;
    insertRow(std::move(row));
    modified = true;
}

bool LISTE::appendGame(const SPIELSTRUCT& record, const STAPEL& pile, const SKAT& dealtSkat,
                       const KARTENVERTEILUNG& deal)
{
    if (rowCount() >= MAX_GAMES) {
        vordix::showMessage(vordix::MessageKind::Warning, L"FEHLER: Liste_Eintrag zu gross!");
        return false;
    }
    auto row = std::make_unique<EIN_SPIEL>();
    row->record = record;
    row->pile = pile;
    row->deal = deal;
    if (!dealtSkat.isEmpty())
        row->deal.skat = dealtSkat;
    insertRow(std::move(row));
    modified = true;
    return true;
}

void LISTE::assign(const LISTE& other)
{
    if (this == &other)
        return;
    playerNames = other.playerNames;
    places = other.places;
    networkGame = other.networkGame;
    rows.clear();
    rows.reserve(other.rows.size());
    for (const auto& row : other.rows)
        rows.push_back(std::make_unique<EIN_SPIEL>(*row));
    modified = other.modified;
}

void LISTE::setPlayerNames(const std::array<std::wstring, SHEET_COLUMNS>& names) { playerNames = names; }

// --------------------------------------------------------------- queries

LISTE::GameEntry LISTE::gameAt(int i) const
{
    GameEntry entry;
    if (i < 0 || i >= rowCount())
        return entry;
    const EIN_SPIEL& row = *rows[static_cast<std::size_t>(i)];
    entry.record = row.record;
    entry.listMode = row.listMode;
    const int column = declarerColumnOfRow(i);
    if (column >= 0) {
        entry.column = column;
        entry.points = row.points[column];
    }
    return entry;
}

int LISTE::countGamesOfColumn(int column, GameType type) const
{
    int count = 0;
    for (int i = 0; i < rowCount(); ++i)
        if (declarerColumnOfRow(i) == column && rows[static_cast<std::size_t>(i)]->record.SPIELART.SPIEL_TYP == type)
            ++count;
    return count;
}

int LISTE::lastRowValue(int column) const
{
    const EIN_SPIEL* row = lastRow();
    return row && validColumn(column) ? row->wonGames[column] : 0;
}

int LISTE::lastRowGamesLost(int column) const
{
    const EIN_SPIEL* row = lastRow();
    return row && validColumn(column) ? row->lostGames[column] : 0;
}

int LISTE::lastRowPoints(int column) const
{
    const EIN_SPIEL* row = lastRow();
    return row && validColumn(column) ? row->points[column] : 0;
}

int LISTE::lastRowMinusPoints(int column) const
{
    const EIN_SPIEL* row = lastRow();
    return row && validColumn(column) ? row->minusPoints[column] : 0;
}

int LISTE::lastRowPassedGames() const
{
    const EIN_SPIEL* row = lastRow();
    return row ? row->passedGames : 0;
}

int LISTE::sumOfOtherColumns(int column) const
{
    const EIN_SPIEL* row = lastRow();
    if (!row)
        return 0;
    int sum = 0;
    for (int p = 0; p < SHEET_COLUMNS; ++p)
        if (p != column)
            sum += row->lostGames[p];
    return sum;
}

int LISTE::rowValue(int n, int column) const
{
    if (n < 1 || n > rowCount() || !validColumn(column))
        return 0;
    return rows[static_cast<std::size_t>(n - 1)]->minusPoints[column];
}

int LISTE::nextBockCounter() const
{
    const EIN_SPIEL* row = lastRow();
    if (!row)
        return 0;
    // A Bock round is one game dealt by each player at the table.
    if (row->record.LOEST_BOCKRUNDE_AUS)
        return places == 4 ? 4 : 3;
    return std::max(0, row->record.BOCKRUNDE_NR - 1);
}

int LISTE::seegerFabianTotal(int column) const
{
    const int perOpponentLoss = places == 4 ? OPPONENT_LOSS_BONUS_FOUR : OPPONENT_LOSS_BONUS_THREE;
    return lastRowPoints(column) + WINNING_BONUS * lastRowValue(column) - WINNING_BONUS * lastRowGamesLost(column)
           + perOpponentLoss * sumOfOtherColumns(column);
}

std::vector<LISTE::PlayerTotal> LISTE::listEndTotals() const
{
    std::vector<PlayerTotal> totals;
    for (int column = 0; column < places; ++column)
        totals.push_back({playerNames[column], seegerFabianTotal(column)});
    return totals;
}

int LISTE::score(int column, Scoring scoring) const
{
    switch (scoring) {
    case SCORING_SEEGER_FABIAN: return seegerFabianTotal(column);
    case SCORING_BIERLACHS: return lastRowMinusPoints(column);
    default: return lastRowPoints(column);
    }
}

std::array<double, SHEET_COLUMNS> LISTE::moneyBalance(Scoring scoring, double tariffCents) const
{
    std::array<double, SHEET_COLUMNS> money{};
    if (scoring == SCORING_BIERLACHS)
        return money;
    std::array<double, SHEET_COLUMNS> values{};
    for (int p = 0; p < places; ++p)
        values[p] = score(p, scoring);
    for (int p = 0; p < places; ++p) {
        double others = 0;
        for (int q = 0; q < places; ++q)
            if (q != p)
                others += values[q];
        money[p] = ((places - 1) * values[p] - others) * tariffCents / 100.0;
    }
    return money;
}

bool LISTE::exportPdf() const
{
    try {
        return sheetServices()->exportPdf(*this);
    } catch (const std::exception&) {
        return false;
    }
}

// ---------------------------------------------------------------- writing

void LISTE::write(tinyxml2::XMLElement& root, tinyxml2::XMLDocument&) const
{
    vordix::xml::setIntAttribute(root, "DokumentVersion", DOCUMENT_VERSION);
    root.SetAttribute("Skatversion", "WIN 900");
    writeRows(root);
}

void LISTE::writeRows(tinyxml2::XMLElement& root) const
{
    using namespace vordix::xml;
    tinyxml2::XMLElement* names = appendChild(root, "Namen");
    setIntAttribute(*names, "Plaetze", places);
    for (int p = 0; p < SHEET_COLUMNS; ++p)
        setTextAttribute(*names, PLAYER_NAME_KEYS[p], playerNames[p]);
    if (networkGame)
        appendChild(root, "Netzwerkspiel");

    tinyxml2::XMLElement* games = appendChild(root, "Spiele");
    const int n = rowCount();
    for (int i = 0; i < n; ++i) {
        const EIN_SPIEL& row = *rows[static_cast<std::size_t>(i)];
        tinyxml2::XMLElement* game = appendChild(*games, "Spiel");
        row.record.writeFields(*game);
        if (i + ROWS_WITH_CARDS >= n) {
            if (!row.deal.skat.isEmpty())
                row.deal.skat.writeCodes(*game);
            if (isValidSeat(row.pile.vh()))
                row.pile.writeCompact(*game, row.record.declarer());
            // Hands that make no whole deal were reported on reading and
            // are not written again.
            if (row.trickCount() < STAPEL::MAX_TRICKS && cardCount(row.deal.hands[0].cardSet()) > 0
                && isWholeDeal(row.deal)) {
                tinyxml2::XMLElement* hands = appendChild(*game, "BLAETTER");
                for (const EINBLATT_SORTIERBAR& hand : row.deal.hands)
                    appendStream(*hands, hand);
            }
        }
        if (row.listMode)
            setIntAttribute(*game, "Modus", 1);
    }
}

// ---------------------------------------------------------------- reading

bool LISTE::read(const tinyxml2::XMLElement* root, const tinyxml2::XMLDocument&)
{
    refusalReported_ = false;
    readRepairs_ = {};
    const auto services = sheetServices();
    if (root == nullptr || std::string_view(root->Name()) != elementName()) {
        refusalReported_ = true;
        if (!readingMessage_)
            vordix::showMessage(vordix::MessageKind::Error,
                                services->wrongFileText() + L"||" + services->unreadableSheetText(file.name));
        return false;
    }
    clearContent();
    switch (vordix::xml::intAttribute(root, "DokumentVersion", 0)) {
    case 1:
        if (!readVersion1(*root))
            return false;
        modified = true; // written back as version 2 at the next save
        break;
    case DOCUMENT_VERSION:
        if (!readVersion2(*root))
            return false;
        modified = false;
        break;
    default:
        refusalReported_ = true;
        if (!readingMessage_)
            vordix::showMessage(vordix::MessageKind::Warning,
                                services->wrongFileText() + L"||" + services->unreadableSheetText(file.name));
        return false;
    }
    if (readRepairs_.any() && !readingMessage_) {
        // What was dropped or changed stays in the file kept beside the sheet.
        modified = true;
        keepFileAsideAtNextSave();
        vordix::showMessage(vordix::MessageKind::Warning,
                            services->repairedSheetText(file.name, readRepairs_.rowsWithValues,
                                                        readRepairs_.rowsWithoutTricks, readRepairs_.rowsDropped));
    }
    return true;
}

bool LISTE::readFromMessage(const tinyxml2::XMLElement* root, const tinyxml2::XMLDocument& document)
{
    readingMessage_ = true;
    const bool ok = read(root, document);
    readingMessage_ = false;
    return ok;
}

void LISTE::readHeader(const tinyxml2::XMLElement& root)
{
    using namespace vordix::xml;
    const tinyxml2::XMLElement* names = root.FirstChildElement("Namen");
    places = intAttribute(names, "Plaetze", 3) == 4 ? 4 : 3;
    for (int p = 0; p < SHEET_COLUMNS; ++p) {
        if (p == 3 && places == 3)
            continue;
        if (auto name = textAttribute(names, PLAYER_NAME_KEYS[p]))
            playerNames[p] = *name;
    }
}

bool LISTE::readVersion1(const tinyxml2::XMLElement& root)
{
    readHeader(root);
    readRows(root,
             [this](const tinyxml2::XMLElement& game, RowRepairs& repairs) { return readRowVersion1(game, repairs); });
    return true;
}

bool LISTE::readVersion2(const tinyxml2::XMLElement& root)
{
    readHeader(root);
    networkGame = root.FirstChildElement("Netzwerkspiel") != nullptr;
    readRows(root,
             [this](const tinyxml2::XMLElement& game, RowRepairs& repairs) { return readRowVersion2(game, repairs); });
    return true;
}

template <typename ReadRow>
void LISTE::readRows(const tinyxml2::XMLElement& root, ReadRow readRow)
{
    const tinyxml2::XMLElement* games = root.FirstChildElement("Spiele");
    for (const tinyxml2::XMLElement* game = games ? games->FirstChildElement("Spiel") : nullptr; game;
         game = game->NextSiblingElement("Spiel")) {
        if (rowCount() >= MAX_ROWS) {
            readRepairs_.rowsDropped = true;
            break;
        }
        RowRepairs repairs;
        insertRow(readRow(*game, repairs));
        if (repairs.values)
            readRepairs_.rowsWithValues.push_back(rowCount());
        if (repairs.tricks)
            readRepairs_.rowsWithoutTricks.push_back(rowCount());
    }
}

std::unique_ptr<EIN_SPIEL> LISTE::readRowVersion1(const tinyxml2::XMLElement& game, RowRepairs& repairs) const
{
    using namespace vordix::xml;
    auto row = std::make_unique<EIN_SPIEL>();
    SPIELSTRUCT& record = row->record;
    repairs.values = !record.readFields(game);
    const int baseValue = intAttribute(&game, "Grundwert", 0);
    const GameType type = SPIELART::typeFromBaseValue(baseValue);
    record.SPIELART.SPIEL_TYP = type;
    record.SPITZEN = intAttribute(&game, "Spitzen", record.SPITZEN);
    record.SPIELART.GEWINN_STUFE = intAttribute(
        &game, "Spieltyp", type == GAME_NULL ? nullWinLevelOfBaseValue(baseValue) : record.SPIELART.GEWINN_STUFE);
    record.SPIELART.STUFE = intAttribute(&game, "Spielstufe", record.SPIELART.STUFE);
    repairs.values = record.limitToValidValues() || repairs.values;
    dropBiddingState(record);

    row->pile.clear();
    row->deal.skat.clear();
    if (const tinyxml2::XMLElement* pile = game.FirstChildElement("STAPEL")) {
        if (readRowPile(row->pile, *pile, record)) {
            row->deal.skat = row->pile.skat();
        } else {
            row->pile.clear();
            repairs.tricks = true;
        }
    }
    row->listMode = false;
    finishReadRow(*row, repairs);
    return row;
}

std::unique_ptr<EIN_SPIEL> LISTE::readRowVersion2(const tinyxml2::XMLElement& game, RowRepairs& repairs) const
{
    using namespace vordix::xml;
    auto row = std::make_unique<EIN_SPIEL>();
    SPIELSTRUCT& record = row->record;
    const tinyxml2::XMLElement* own = game.FirstChildElement("SPIELSTRUCT");
    repairs.values = !record.readFields(own ? *own : game);
    if (game.Attribute("Grundwert") != nullptr) {
        const int baseValue = intAttribute(&game, "Grundwert", 0);
        record.SPIELART.SPIEL_TYP = SPIELART::typeFromBaseValue(baseValue);
        if (record.SPIELART.SPIEL_TYP == GAME_NULL)
            record.SPIELART.GEWINN_STUFE = nullWinLevelOfBaseValue(baseValue);
        dropBiddingState(record);
    }

    if (const tinyxml2::XMLElement* skat = game.FirstChildElement("SKAT"))
        row->deal.skat.read(skat, *game.GetDocument());
    else
        row->deal.skat.readCodes(game);

    // A damaged pile costs the row its tricks, not the whole sheet. A row
    // written without a pile (no forehand) has none.
    bool pileRead = true;
    if (const tinyxml2::XMLElement* pile = game.FirstChildElement("STAPEL"))
        pileRead = readRowPile(row->pile, *pile, record);
    else if (game.Attribute("VH") || game.Attribute("VH_POS") || game.Attribute("STICHT") || game.Attribute("STICHE"))
        pileRead = readRowPile(row->pile, game, record);
    if (!pileRead) {
        row->pile.clear();
        repairs.tricks = true;
    }

    if (const tinyxml2::XMLElement* hands = game.FirstChildElement("BLAETTER")) {
        const tinyxml2::XMLElement* hand = hands->FirstChildElement("EINBLATT");
        for (Seat seat = SEAT_0; seat < SEAT_COUNT && hand; ++seat, hand = hand->NextSiblingElement("EINBLATT")) {
            row->deal.hands[seat].read(hand, *game.GetDocument());
            // Unknown or repeated cards are not taken.
            if (row->deal.hands[seat].cardCount() != cardsNamedIn(*hand))
                repairs.values = true;
        }
    }
    row->listMode = intAttribute(&game, "Modus", 0) != 0;
    finishReadRow(*row, repairs);
    return row;
}

void LISTE::finishReadRow(EIN_SPIEL& row, RowRepairs& repairs) const
{
    row.seatBase = row.record.SPIELERPOS;
    if (row.seatBase != 1) {
        const int offset = ((1 - row.seatBase % SEAT_COUNT) % SEAT_COUNT + SEAT_COUNT) % SEAT_COUNT;
        if (offset != 0)
            rotateRowSeats(row, offset);
        row.seatBase = 1;
        row.record.SPIELERPOS = 1;
    }
    if (row.trickCount() < STAPEL::MAX_TRICKS) {
        // The hands stored with the row (the last rows of a sheet carry
        // them) must make a whole deal; a row without hands has none.
        row.deal.vhPos = isValidSeat(row.pile.vh()) ? row.pile.vh() : SEAT_1;
        const bool handsStored =
            row.deal.hands[0].cardCount() + row.deal.hands[1].cardCount() + row.deal.hands[2].cardCount() > 0;
        if (handsStored && !isWholeDeal(row.deal))
            repairs.values = true;
        return;
    }
    if (row.deal.skat.isComplete()) {
        // A game played out: its deal follows from the tricks. Tricks that
        // make no deal (a card twice, a skat card played) are dropped like a
        // damaged pile, so that the row is written as it reads back.
        const Seat declarer = row.record.SPIELART.SPIEL_TYP == GAME_RAMSCH ? SEAT_NONE : row.record.declarer();
        row.deal.assignFromGame(row.pile, row.deal.skat, declarer);
        if (!row.deal.isValid()) {
            row.pile.clear();
            for (EINBLATT_SORTIERBAR& hand : row.deal.hands)
                hand = EINBLATT_SORTIERBAR();
            row.deal.vhPos = SEAT_1;
            repairs.tricks = true;
        }
    }
}
