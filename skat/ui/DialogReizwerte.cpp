#include "skat/ui/DialogReizwerte.h"

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Einblatt.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/HelpPages.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/UserActions.h"
#include "vordix/MessageSink.h"

#include <cstdlib>
#include <string>

namespace {

constexpr int SUIT_ICON_FRENCH = 502;
constexpr int SUIT_ICON_GERMAN = 506;

} // namespace

// ---------------------------------------------------------------- base

DIALOG_REIZWERTE_BASE::DIALOG_REIZWERTE_BASE() : VORDIX_DIALOG(CALCULATOR_FORM) { }

DIALOG_REIZWERTE_BASE::DIALOG_REIZWERTE_BASE(VORDIX_FENSTER* parent, int formId) : VORDIX_DIALOG(parent, formId) { }

bool DIALOG_REIZWERTE_BASE::windowExists() const { return implementor() != nullptr; }

void DIALOG_REIZWERTE_BASE::clear()
{
    hand_ = 0;
    skat_.clear();
    recompute();
}

void DIALOG_REIZWERTE_BASE::setHand(CardSet hand)
{
    hand_ = hand;
    skat_.clear();
    recompute();
}

void DIALOG_REIZWERTE_BASE::setHandAndSkat(CardSet hand, const SKAT& skat)
{
    hand_ = hand;
    skat_ = skat;
    recompute();
}

int DIALOG_REIZWERTE_BASE::matadorsFor(GameType type) const
{
    const EINBLATT cards(hand_ | skat_.cardSet());
    if (type == GAME_GRAND || type == GAME_GRAND_OUVERT)
        return cards.spitzenGrand();
    if (type >= GAME_CLUBS && type <= GAME_DIAMONDS)
        return cards.spitzen(trumpSuit(type));
    return 0;
}

void DIALOG_REIZWERTE_BASE::spitzenText(const SPIELART& game, std::wstring& text) const
{
    const int spitzen = matadorsFor(game.SPIEL_TYP);
    if (spitzen == 0) {
        text = skat::text(TextKey::Reizwertberechnung_Null);
        return;
    }
    text = skat::formatText(TextKey::Reizwertberechnung_Spielart, {SKAT_TEXT::instance().gameTypeName(game.SPIEL_TYP)});
    text += L" ";
    text += skat::text(spitzen >= 1 ? TextKey::Reizwertberechnung_mit : TextKey::Reizwertberechnung_ohne);
    text += L" ";
    if (std::abs(spitzen) == 1) {
        text += skat::text(TextKey::Reizwertberechnung_Spitze);
    } else {
        text += std::to_wstring(std::abs(spitzen)) + L" ";
        text += skat::text(TextKey::Reizwertberechnung_Spitzen);
    }
}

void DIALOG_REIZWERTE_BASE::describeGame(const SPIELART& game, std::wstring& description, std::wstring& spitzen) const
{
    description = game.descriptionText(matadorsFor(game.SPIEL_TYP));
    spitzenText(game, spitzen);
}

void DIALOG_REIZWERTE_BASE::resortPlayerHand(GameType type)
{
    if (type == GAME_NONE)
        return;
    SPIELART game;
    game.SPIEL_TYP = type;
    reportUserAction(UserAction::withGame(UserAction::SORT_HAND, game));
}

// ---------------------------------------------------------------- rules

void applyCalculatorRules(int c, CalculatorBoxes& b)
{
    using K = DIALOG_REIZWERTE_KALKULATOR;
    const bool isNull = b.typeButton == K::NULL_GAME;
    // What may be used.
    b.schneiderAnnouncedEnabled = b.schwarzAnnouncedEnabled = !isNull && b.hand;
    if (!b.schneiderAnnouncedEnabled)
        b.schneiderAnnounced = b.schwarzAnnounced = false;
    b.schneiderEnabled = b.schwarzEnabled = !isNull;
    if (isNull)
        b.schneider = b.schwarz = false;
    b.ouvertEnabled = b.hand || isNull;
    if (!b.ouvertEnabled)
        b.ouvert = false;

    auto checkedNow = [&](int control) {
        switch (control) {
        case K::SCHNEIDER: return b.schneider;
        case K::SCHNEIDER_ANNOUNCED: return b.schneiderAnnounced;
        case K::SCHWARZ: return b.schwarz;
        case K::SCHWARZ_ANNOUNCED: return b.schwarzAnnounced;
        case K::OUVERT: return b.ouvert;
        default: return false;
        }
    };
    if (c >= K::SCHNEIDER && c <= K::OUVERT && checkedNow(c)) {
        // A level brings the levels below it.
        if (b.ouvert && !isNull)
            b.schwarzAnnounced = true;
        if (b.schwarzAnnounced)
            b.schwarz = b.schneiderAnnounced = true;
        if (b.schneiderAnnounced)
            b.schneider = b.hand = true;
        if (b.schwarz)
            b.schneider = true;
    } else {
        // A level without its base goes.
        if (!b.schneider)
            b.schneiderAnnounced = b.schwarz = false;
        if (!b.schwarz)
            b.schwarzAnnounced = false;
        if (!b.schneiderAnnounced)
            b.schwarzAnnounced = false;
        if (!b.schwarzAnnounced && !isNull)
            b.ouvert = false;
    }
}

SPIELART calculatorGame(const CalculatorBoxes& b)
{
    using K = DIALOG_REIZWERTE_KALKULATOR;
    static constexpr GameType types[] = {GAME_CLUBS, GAME_SPADES, GAME_HEARTS, GAME_DIAMONDS, GAME_GRAND, GAME_NULL};
    const int index = b.typeButton - K::CLUBS;
    SPIELART game(index >= 0 && index < 6 ? types[index] : GAME_NONE, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    if (b.hand)
        game.GEWINN_STUFE = WIN_LEVEL_HAND;
    if (b.schneiderAnnounced)
        game.GEWINN_STUFE = WIN_LEVEL_SCHNEIDER_ANNOUNCED;
    if (b.schwarzAnnounced)
        game.GEWINN_STUFE = WIN_LEVEL_SCHWARZ_ANNOUNCED;
    if (b.ouvert) {
        if (game.SPIEL_TYP == GAME_NULL)
            game.GEWINN_STUFE = game.GEWINN_STUFE == WIN_LEVEL_HAND ? WIN_LEVEL_OUVERT_HAND : WIN_LEVEL_OUVERT;
        else
            game.GEWINN_STUFE = WIN_LEVEL_OUVERT_HAND;
    }
    if (b.schneider)
        game.STUFE = LEVEL_SCHNEIDER;
    if (b.schwarz)
        game.STUFE = LEVEL_SCHWARZ;
    if (game.SPIEL_TYP == GAME_GRAND && game.GEWINN_STUFE == WIN_LEVEL_OUVERT_HAND)
        game.SPIEL_TYP = GAME_GRAND_OUVERT;
    return game;
}

// ---------------------------------------------------------------- calculator

CalculatorBoxes DIALOG_REIZWERTE_KALKULATOR::readBoxes() const
{
    CalculatorBoxes b;
    const auto& imp = implementor();
    if (!imp)
        return b;
    const int checked = imp->getCheckedButton(GROUP);
    b.typeButton = checked >= CLUBS && checked <= NULL_GAME ? checked : CLUBS;
    b.hand = imp->isChecked(HAND);
    b.schneider = imp->isChecked(SCHNEIDER);
    b.schneiderAnnounced = imp->isChecked(SCHNEIDER_ANNOUNCED);
    b.schwarz = imp->isChecked(SCHWARZ);
    b.schwarzAnnounced = imp->isChecked(SCHWARZ_ANNOUNCED);
    b.ouvert = imp->isChecked(OUVERT);
    return b;
}

void DIALOG_REIZWERTE_KALKULATOR::writeBoxes(const CalculatorBoxes& b)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    auto set = [&](int id, bool checked, bool enabled) {
        imp->setControlState(id, checked ? OB_CHECKED : OB_UNCHECKED);
        imp->setControlState(id, enabled ? OB_ENABLED : OB_DISABLED);
    };
    set(HAND, b.hand, true);
    set(SCHNEIDER, b.schneider, b.schneiderEnabled);
    set(SCHNEIDER_ANNOUNCED, b.schneiderAnnounced, b.schneiderAnnouncedEnabled);
    set(SCHWARZ, b.schwarz, b.schwarzEnabled);
    set(SCHWARZ_ANNOUNCED, b.schwarzAnnounced, b.schwarzAnnouncedEnabled);
    set(OUVERT, b.ouvert, b.ouvertEnabled);
}

void DIALOG_REIZWERTE_KALKULATOR::initDialog()
{
    const auto& imp = implementor();
    if (!imp)
        return;
    imp->checkGroupButton(GROUP, CLUBS);
    for (int id : {SCHNEIDER_ANNOUNCED, SCHWARZ_ANNOUNCED, OUVERT})
        imp->setControlState(id, OB_DISABLED);
    const bool german = USER_PREFS::instance().cardSetName() == skat::text(TextKey::Kartenset_Deutsch);
    for (int i = 0; i < 4; ++i) {
        imp->setGroupButtonText(GROUP, CLUBS + i,
                                SKAT_TEXT::instance().gameTypeName(static_cast<GameType>(GAME_CLUBS + i)));
        imp->setControlIcon(CLUBS + i, (german ? SUIT_ICON_GERMAN : SUIT_ICON_FRENCH) + i);
    }
    recompute();
    imp->setToolTip(NULL_GAME, skat::text(TextKey::ToolTip_rwk_null));
    imp->setToolTip(HAND, skat::text(TextKey::ToolTip_rwk_hand));
    imp->setToolTip(SCHNEIDER, skat::text(TextKey::ToolTip_rwk_schneider));
    imp->setToolTip(SCHWARZ, skat::text(TextKey::ToolTip_rwk_schwarz));
    imp->setToolTip(SCHNEIDER_ANNOUNCED, skat::text(TextKey::ToolTip_rwk_sn_ang));
    imp->setToolTip(SCHWARZ_ANNOUNCED, skat::text(TextKey::ToolTip_rwk_sw_ang));
    imp->setToolTip(OUVERT, skat::text(TextKey::ToolTip_rwk_offen));
}

void DIALOG_REIZWERTE_KALKULATOR::onCommand(int c)
{
    // The help opens at a joined table too.
    if (c == HELP) {
        showHelp(HelpPage::GameValues);
        return;
    }
    // A joined network table has no calculator of its own.
    SKATTISCH* table = currentTable();
    if (table && table->isClientTable())
        return;
    CalculatorBoxes boxes = readBoxes();
    applyCalculatorRules(c, boxes);
    writeBoxes(boxes);
    recompute();
    if (c == PROPOSAL) {
        if (table && table->isNetworkGame()) {
            vordix::showMessage(vordix::MessageKind::Information,
                                skat::text(TextKey::Alert_Netzwerkspiel_Keine_Hilfestellungen));
            return;
        }
        auto* server = dynamic_cast<SKATTISCH_SERVER*>(table);
        if (!server)
            return;
        server->confirmInterruption();
        // Hints only in a free game: a user who keeps the game on the sheet
        // gets none.
        if (server->modus.freeGame)
            reportUserAction(UserAction::of(UserAction::SHOW_PROPOSAL));
    }
}

void DIALOG_REIZWERTE_KALKULATOR::recompute()
{
    if (!windowExists())
        return;
    const auto& imp = implementor();
    game_ = calculatorGame(readBoxes());
    std::wstring description;
    std::wstring spitzen;
    describeGame(game_, description, spitzen);
    const int cards = ::cardCount(hand_ | skat_.cardSet());
    if (cards == 0) {
        imp->setControlText(CALCULATION_TEXT, skat::text(TextKey::Dialog_rwk_Keine_Karten));
        imp->setControlText(SPITZEN_TEXT, L"");
    } else if (cards < 10) {
        imp->setControlText(CALCULATION_TEXT, skat::text(TextKey::Dialog_rwk_Kein_Blatt));
        imp->setControlText(SPITZEN_TEXT, L"");
    } else {
        imp->setControlText(CALCULATION_TEXT, description);
        imp->setControlText(SPITZEN_TEXT, spitzen);
    }
    resortPlayerHand(game_.SPIEL_TYP == GAME_GRAND_OUVERT ? GAME_GRAND : game_.SPIEL_TYP);
}
