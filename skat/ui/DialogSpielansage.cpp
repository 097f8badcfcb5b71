#include "skat/ui/DialogSpielansage.h"

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/HelpPages.h"
#include "skat/ui/SeatPositions.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableSnapshot.h"
#include "skat/ui/UserActions.h"
#include "vordix/MessageSink.h"

namespace {

constexpr int SUIT_ICON_FRENCH = 502;
constexpr int SUIT_ICON_GERMAN = 506;

GameType typeOfButton(int button, int first)
{
    static constexpr GameType types[] = {GAME_CLUBS, GAME_SPADES, GAME_HEARTS, GAME_DIAMONDS, GAME_GRAND, GAME_NULL};
    const int index = button - first;
    return index >= 0 && index < 6 ? types[index] : GAME_NONE;
}

int bidOfTable()
{
    SKATTISCH* table = currentTable();
    return table ? TableSnapshot(*table).record.GEREIZT : 0;
}

// "Vorhand", "Mittelhand" or "Hinterhand" for the user's seat.
std::wstring seatWord()
{
    SKATTISCH* table = currentTable();
    if (!table)
        return L"";
    const int forehand = TableSnapshot(*table).modus.forehand;
    if (screenPositionOfSeat(table, forehand) == 1)
        return skat::text(TextKey::Vorhand);
    if (screenPositionOfSeat(table, (forehand + 1) % 3) == 1)
        return skat::text(TextKey::Mittelhand);
    return skat::text(TextKey::Hinterhand);
}

// The parts the two panels share: texts of the bid and the seat, suit
// names and pictures, and the proposal button.
void fillCommonTexts(VORDIX_DIALOG_imp& imp, int group, int firstSuit, int bidText, int seatText, int proposal, int bid)
{
    SKATTISCH* table = currentTable();
    imp.setControlText(proposal, skat::text(TextKey::Dialogtext_Vorschlag));
    const TABLE_DIALOG_HOST* host = tableDialogHost();
    const bool besideTable = host && host->statusPanelBeside();
    const bool hide = table && ((TableSnapshot(*table).modus.freeGame && besideTable) || table->isNetworkGame());
    imp.setControlState(proposal, hide ? VORDIX_DIALOG::OB_HIDDEN : VORDIX_DIALOG::OB_VISIBLE);
    const bool german = USER_PREFS::instance().cardSetName() == skat::text(TextKey::Kartenset_Deutsch);
    for (int i = 0; i < 4; ++i) {
        imp.setGroupButtonText(group, firstSuit + i,
                               SKAT_TEXT::instance().gameTypeName(static_cast<GameType>(GAME_CLUBS + i)));
        imp.setControlIcon(firstSuit + i, (german ? SUIT_ICON_GERMAN : SUIT_ICON_FRENCH) + i);
    }
    imp.uncheckGroup(group);
    imp.setControlText(bidText, skat::text(TextKey::Status_Gereiz_Wert) + L" " + std::to_wstring(bid));
    imp.setControlText(seatText, skat::text(TextKey::Dialog_Ansage_Sitzposition) + L" " + seatWord());
}

// The proposal of the computer player: allowed at this program's own table
// only; it turns the game into a free game after asking.
bool askForProposal()
{
    SKATTISCH* table = currentTable();
    if (!table || table->isNetworkGame()) {
        vordix::showMessage(vordix::MessageKind::Information,
                            skat::text(TextKey::Alert_Netzwerkspiel_Keine_Hilfestellungen));
        return false;
    }
    auto* server = dynamic_cast<SKATTISCH_SERVER*>(table);
    if (!server)
        return false;
    server->confirmInterruption();
    if (!TableSnapshot(*table).modus.freeGame)
        return false;
    reportUserAction(UserAction::of(UserAction::SHOW_PROPOSAL));
    return true;
}

void setShown(VORDIX_DIALOG_imp& imp, int id, bool shown)
{
    imp.setControlState(id, shown ? VORDIX_DIALOG::OB_VISIBLE : VORDIX_DIALOG::OB_HIDDEN);
}

void setEnabled(VORDIX_DIALOG_imp& imp, int id, bool enabled)
{
    imp.setControlState(id, enabled ? VORDIX_DIALOG::OB_ENABLED : VORDIX_DIALOG::OB_DISABLED);
}

void setChecked(VORDIX_DIALOG_imp& imp, int id, bool checked)
{
    imp.setControlState(id, checked ? VORDIX_DIALOG::OB_CHECKED : VORDIX_DIALOG::OB_UNCHECKED);
}

} // namespace

// ---------------------------------------------------------------- rules

void applySimpleLevelRules(int control, SimpleBoxes& b)
{
    using D = DIALOG_SPIEL_EINFACH;
    if (b.typeButton != D::NULL_GAME)
        b.nullOuvert = false;
    const bool nowChecked = (control == D::SCHNEIDER && b.schneider) || (control == D::SCHWARZ && b.schwarz);
    if (nowChecked) {
        if (b.schwarz)
            b.schneider = true;
    } else if (!b.schneider) {
        b.schwarz = false;
    }
}

SPIELART simpleGame(const SimpleBoxes& b)
{
    const GameType type = typeOfButton(b.typeButton, DIALOG_SPIEL_EINFACH::CLUBS);
    if (type == GAME_NONE)
        return SPIELART(GAME_NONE, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    if (type == GAME_NULL)
        return SPIELART(GAME_NULL, b.nullOuvert ? WIN_LEVEL_OUVERT : WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    const int level = b.schwarz ? LEVEL_SCHWARZ : b.schneider ? LEVEL_SCHNEIDER : LEVEL_NONE;
    return SPIELART(type, WIN_LEVEL_WITH_SKAT, level);
}

void applyHandLevelRules(int control, HandBoxes& b)
{
    using D = DIALOG_SPIEL_HAND;
    const GameType type = typeOfButton(b.typeButton, D::CLUBS);
    const bool isNull = type == GAME_NULL;
    const bool suitOrGrand = type != GAME_NONE && !isNull;
    if (isNull) {
        b.schneider = b.schneiderAnnounced = b.schwarz = b.schwarzAnnounced = false;
        b.levelsEnabled = false;
    } else {
        b.levelsEnabled = true;
    }
    auto checkedNow = [&](int c) {
        switch (c) {
        case D::SCHNEIDER: return b.schneider;
        case D::SCHNEIDER_ANNOUNCED: return b.schneiderAnnounced;
        case D::SCHWARZ: return b.schwarz;
        case D::SCHWARZ_ANNOUNCED: return b.schwarzAnnounced;
        case D::OUVERT: return b.ouvert;
        default: return false;
        }
    };
    if (control >= D::SCHNEIDER && control <= D::OUVERT && checkedNow(control)) {
        if (b.ouvert && suitOrGrand)
            b.schwarzAnnounced = true;
        if (b.schwarzAnnounced)
            b.schwarz = b.schneiderAnnounced = true;
        if (b.schneiderAnnounced)
            b.schneider = true;
        if (b.schwarz)
            b.schneider = true;
    } else {
        if (!b.schneider)
            b.schneiderAnnounced = b.schwarz = false;
        if (!b.schwarz)
            b.schwarzAnnounced = false;
        if (!b.schneiderAnnounced)
            b.schwarzAnnounced = false;
        if (!b.schwarzAnnounced && suitOrGrand)
            b.ouvert = false;
    }
}

SPIELART handGame(const HandBoxes& b)
{
    GameType type = typeOfButton(b.typeButton, DIALOG_SPIEL_HAND::CLUBS);
    if (type == GAME_NONE)
        return SPIELART(GAME_NONE, WIN_LEVEL_HAND, LEVEL_NONE);
    int winLevel = WIN_LEVEL_HAND;
    if (b.schneiderAnnounced)
        winLevel = WIN_LEVEL_SCHNEIDER_ANNOUNCED;
    if (b.schwarzAnnounced)
        winLevel = WIN_LEVEL_SCHWARZ_ANNOUNCED;
    if (b.ouvert)
        winLevel = WIN_LEVEL_OUVERT_HAND;
    int level = LEVEL_NONE;
    if (type != GAME_NULL)
        level = b.schwarz ? LEVEL_SCHWARZ : b.schneider ? LEVEL_SCHNEIDER : LEVEL_NONE;
    if (type == GAME_GRAND && b.ouvert)
        type = GAME_GRAND_OUVERT;
    return SPIELART(type, winLevel, level);
}

BidCheck checkAgainstBid(const SPIELART& game, int matadors, int bid)
{
    BidCheck check;
    if (game.SPIEL_TYP == GAME_NONE)
        return check;
    check.value = game.gameValue(matadors);
    check.belowBid = check.value < bid;
    check.okEnabled = !check.belowBid;
    return check;
}

SPIELART announcedForm(const SPIELART& game) { return SPIELART(game.SPIEL_TYP, game.GEWINN_STUFE, LEVEL_NONE); }

// ---------------------------------------------------------------- after the skat

DIALOG_SPIEL_EINFACH::DIALOG_SPIEL_EINFACH(VORDIX_FENSTER* parent) : DIALOG_REIZWERTE_BASE(parent, FORM_ID) { }

SimpleBoxes DIALOG_SPIEL_EINFACH::readBoxes() const
{
    SimpleBoxes b;
    const auto& imp = implementor();
    if (!imp)
        return b;
    const int checked = imp->getCheckedButton(GROUP);
    b.typeButton = checked >= CLUBS && checked <= NULL_GAME ? checked : 0;
    b.nullOuvert = imp->isChecked(NULL_OUVERT);
    b.schneider = imp->isChecked(SCHNEIDER);
    b.schwarz = imp->isChecked(SCHWARZ);
    return b;
}

void DIALOG_SPIEL_EINFACH::writeBoxes(const SimpleBoxes& b)
{
    VORDIX_DIALOG_imp& imp = *implementor();
    const bool isNull = b.typeButton == NULL_GAME;
    setShown(imp, NULL_OUVERT, isNull);
    if (isNull)
        setEnabled(imp, NULL_OUVERT, true);
    setChecked(imp, NULL_OUVERT, b.nullOuvert);
    setChecked(imp, SCHNEIDER, b.schneider);
    setChecked(imp, SCHWARZ, b.schwarz);
}

SPIELART DIALOG_SPIEL_EINFACH::selectedGame() const { return simpleGame(readBoxes()); }

void DIALOG_SPIEL_EINFACH::initDialog()
{
    activeTableDialog = this;
    const auto& imp = implementor();
    if (!imp)
        return;
    bid = bidOfTable();
    setShown(*imp, NULL_OUVERT, false);
    fillCommonTexts(*imp, GROUP, CLUBS, BID_TEXT, SEAT_TEXT, PROPOSAL, bid);
    for (int id : {SCHNEIDER, SCHWARZ}) {
        setShown(*imp, id, false);
        setChecked(*imp, id, false);
    }
    recompute();
}

void DIALOG_SPIEL_EINFACH::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    SimpleBoxes boxes = readBoxes();
    applySimpleLevelRules(controlId, boxes);
    writeBoxes(boxes);
    recompute();
    switch (controlId) {
    case HELP: showHelp(HelpPage::Rules); break;
    case PROPOSAL:
        if (askForProposal())
            setShown(*imp, PROPOSAL, false);
        break;
    case PUT_AWAY_AGAIN: imp->done = true; break;
    case OK: {
        // Only a game that reaches the bid is announced, however OK was reached.
        const SPIELART game = selectedGame();
        if (checkAgainstBid(game, matadorsFor(game.SPIEL_TYP), bid).okEnabled) {
            game_ = game;
            imp->done = true;
        }
        break;
    }
    default: break;
    }
}

void DIALOG_SPIEL_EINFACH::onClosed()
{
    const auto& imp = implementor();
    const int result = imp ? imp->result : 0;
    // Closed by its frame (or Escape) the panel announces the game it holds:
    // the last one confirmed, or the initial one.
    const bool answered = result > 0;
    answerOnClose(*this, REQUEST_ANNOUNCE, answersSerial, answered, [&] {
        return UserAction::withGame(UserAction::ANNOUNCE, announcedForm(game_), result == PUT_AWAY_AGAIN);
    });
}

void DIALOG_SPIEL_EINFACH::recompute()
{
    if (!windowExists())
        return;
    VORDIX_DIALOG_imp& imp = *implementor();
    const SPIELART game = selectedGame();
    const int matadors = matadorsFor(game.SPIEL_TYP);
    imp.setControlText(VALUE_TEXT, game.SPIEL_TYP == GAME_NONE ? L"" : game.descriptionText(matadors));
    const BidCheck check = checkAgainstBid(game, matadors, bid);
    setShown(imp, WARNING, check.belowBid);
    setEnabled(imp, OK, check.okEnabled);
    // A suit or grand game below the bid may count on Schneider or Schwarz.
    const bool levels =
        game.SPIEL_TYP != GAME_NONE && game.SPIEL_TYP != GAME_NULL && (check.belowBid || game.STUFE != LEVEL_NONE);
    setShown(imp, SCHNEIDER, levels);
    setShown(imp, SCHWARZ, levels);
    if (game.SPIEL_TYP == GAME_NONE) {
        setChecked(imp, SCHNEIDER, false);
        setChecked(imp, SCHWARZ, false);
    }
    if (game.SPIEL_TYP != GAME_NONE)
        resortPlayerHand(game.SPIEL_TYP);
}

// ---------------------------------------------------------------- hand game

DIALOG_SPIEL_HAND::DIALOG_SPIEL_HAND(VORDIX_FENSTER* parent) : DIALOG_REIZWERTE_BASE(parent, FORM_ID) { }

HandBoxes DIALOG_SPIEL_HAND::readBoxes() const
{
    HandBoxes b;
    const auto& imp = implementor();
    if (!imp)
        return b;
    const int checked = imp->getCheckedButton(GROUP);
    b.typeButton = checked >= CLUBS && checked <= NULL_GAME ? checked : 0;
    b.schneider = imp->isChecked(SCHNEIDER);
    b.schneiderAnnounced = imp->isChecked(SCHNEIDER_ANNOUNCED);
    b.schwarz = imp->isChecked(SCHWARZ);
    b.schwarzAnnounced = imp->isChecked(SCHWARZ_ANNOUNCED);
    b.ouvert = imp->isChecked(OUVERT);
    return b;
}

void DIALOG_SPIEL_HAND::writeBoxes(const HandBoxes& b)
{
    VORDIX_DIALOG_imp& imp = *implementor();
    setChecked(imp, SCHNEIDER, b.schneider);
    setChecked(imp, SCHNEIDER_ANNOUNCED, b.schneiderAnnounced);
    setChecked(imp, SCHWARZ, b.schwarz);
    setChecked(imp, SCHWARZ_ANNOUNCED, b.schwarzAnnounced);
    setChecked(imp, OUVERT, b.ouvert);
    for (int id : {SCHNEIDER, SCHNEIDER_ANNOUNCED, SCHWARZ, SCHWARZ_ANNOUNCED})
        setEnabled(imp, id, b.levelsEnabled);
}

SPIELART DIALOG_SPIEL_HAND::selectedGame() const { return handGame(readBoxes()); }

void DIALOG_SPIEL_HAND::initDialog()
{
    activeTableDialog = this;
    const auto& imp = implementor();
    if (!imp)
        return;
    bid = bidOfTable();
    fillCommonTexts(*imp, GROUP, CLUBS, BID_TEXT, SEAT_TEXT, PROPOSAL, bid);
    for (int id : {SCHNEIDER, SCHNEIDER_ANNOUNCED, SCHWARZ, SCHWARZ_ANNOUNCED, OUVERT}) {
        setChecked(*imp, id, false);
        setEnabled(*imp, id, true);
    }
    recompute();
}

void DIALOG_SPIEL_HAND::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    HandBoxes boxes = readBoxes();
    applyHandLevelRules(controlId, boxes);
    writeBoxes(boxes);
    recompute();
    switch (controlId) {
    case HELP: showHelp(HelpPage::Rules); break;
    case PROPOSAL:
        if (askForProposal())
            setShown(*imp, PROPOSAL, false);
        break;
    case TAKE_SKAT: imp->done = true; break;
    case OK: {
        const SPIELART game = selectedGame();
        if (checkAgainstBid(game, matadorsFor(game.SPIEL_TYP), bid).okEnabled) {
            game_ = game;
            imp->done = true;
        }
        break;
    }
    default: break;
    }
}

void DIALOG_SPIEL_HAND::onClosed()
{
    const auto& imp = implementor();
    const int result = imp ? imp->result : 0;
    const bool answered = result > 0;
    answerOnClose(*this, REQUEST_ANNOUNCE_HAND, answersSerial, answered, [&] {
        return UserAction::withGame(UserAction::ANNOUNCE_HAND, announcedForm(game_), result == TAKE_SKAT);
    });
}

void DIALOG_SPIEL_HAND::recompute()
{
    if (!windowExists())
        return;
    VORDIX_DIALOG_imp& imp = *implementor();
    const SPIELART game = selectedGame();
    const int matadors = matadorsFor(game.SPIEL_TYP);
    imp.setControlText(VALUE_TEXT, game.SPIEL_TYP == GAME_NONE ? L"" : game.descriptionText(matadors));
    const BidCheck check = checkAgainstBid(game, matadors, bid);
    setEnabled(imp, OK, check.okEnabled);
    if (check.belowBid) {
        imp.setControlText(WARNING, skat::text(TextKey::Warnung_Spielwert_unter_Reizwert));
        setShown(imp, WARNING, true);
    } else if (check.okEnabled && game.GEWINN_STUFE == WIN_LEVEL_OUVERT_HAND && game.SPIEL_TYP != GAME_NULL) {
        imp.setControlText(WARNING, skat::text(TextKey::Warnung_Offene_Spiele_Alle_Stiche));
        setShown(imp, WARNING, true);
    } else {
        setShown(imp, WARNING, false);
    }
    if (game.SPIEL_TYP != GAME_NONE)
        resortPlayerHand(game.SPIEL_TYP == GAME_GRAND_OUVERT ? GAME_GRAND : game.SPIEL_TYP);
}
