// The steps of table events that say something at the table or refresh the
// application's other windows: texts in the seats' balloons or in the
// middle of the table, the voices and sounds. Texts are posted to the GUI
// thread; sounds play on the table server's worker, which holds the game
// (never the GUI) while a phrase is spoken.

#include "skat/app/SkatSound.h"
#include "skat/app/SkatText.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/DialogReizwerte.h"
#include "skat/ui/DialogSpielansage.h"
#include "skat/ui/DialogWirdFrei.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/FensterSkatTableWindows.h"
#include "skat/ui/SeatPositions.h"
#include "skat/ui/TableDialogs.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/WindowServerDialogs.h"

#include <cwctype>
#include <map>

namespace {

// The text-table text of each phrase that a seat or the speaker says.
const std::map<std::wstring, TextKey>& phraseTexts()
{
    static const std::map<std::wstring, TextKey> texts = {
        {L"kontra", TextKey::Sprechblase_Kontra},
        {L"doerfer", TextKey::Sprechblase_geht_auf_die_Doerfer},
        {L"kleingross", TextKey::Sprechblase_Kleinen_holen_Grossen},
        {L"schneidersindauchleute", TextKey::Sprechblase_Schneider_sind_auch_Leute},
        {L"schwarzwiediefuesse", TextKey::Sprechblase_Schwarz_wie_die_Fuesse},
        {L"schwarzwiedienacht", TextKey::Sprechblase_Schwarz_wie_die_Nacht},
        {L"dersackistzu", TextKey::Sprechblase_Sack_ist_zu},
        {L"vatermutter", TextKey::Sprechblase_Vater_auf_die_Mutter},
        {L"staatsanwalt", TextKey::Sprechblase_Das_genuegt_sprach_Staatsanwalt},
        {L"lokus", TextKey::Sprechblase_Kurz_vor_dem_Lokus},
        {L"badengegangen", TextKey::Sprechblase_Baden_gegangen},
        {L"derofenistaus", TextKey::Sprechblase_Ofen_ist_aus},
        {L"zahlenschafftfrieden", TextKey::Sprechblase_Zahlen_schafft_Frieden},
        {L"sattebeute", TextKey::Sprechblase_Satte_Beute},
        {L"dasziehtblasen", TextKey::Sprechblase_Das_zieht_Blasen},
        {L"fetterstich", TextKey::Sprechblase_Fetter_Stich},
        {L"passe", TextKey::Sprechblase_Passe},
        {L"weg", TextKey::Sprechblase_Weg},
        {L"ichbinweg", TextKey::Sprechblase_IchBinWeg},
        {L"nichtmitmir", TextKey::Sprechblase_NichtMitMir},
        {L"ja", TextKey::Sprechblase_Ja},
        {L"klar", TextKey::Sprechblase_Klar},
        {L"logo", TextKey::Sprechblase_Logo},
        {L"immer", TextKey::Sprechblase_Immer},
        {L"zwo", TextKey::Sprechblase_Zwo},
        {L"drei", TextKey::Sprechblase_Drei},
        {L"vier", TextKey::Sprechblase_Vier},
        {L"wiederholt", TextKey::Sprechblase_Letzte_Spiel_wird_wdh},
        {L"wiederholtnichtinliste", TextKey::Sprechblase_Wdh_Spiel_nicht_in_Liste_eintragen},
        {L"ramsch", TextKey::Meldung_Eingepasst_Ramsch},
    };
    return texts;
}

bool isNumber(const std::wstring& text)
{
    if (text.empty())
        return false;
    for (const wchar_t c : text)
        if (!std::iswdigit(c))
            return false;
    return true;
}

int screenPosition(Seat seat) { return screenPositionOfSeat(currentTable(), seat); }

} // namespace

std::wstring FENSTER_SKAT_TABLE_WINDOWS::overlayText(const std::wstring& phrase, int value, const SPIELSTRUCT* record,
                                                     const std::wstring& declarerName, bool declarerIsUser)
{
    if (phrase == L"spielansage") {
        if (!record)
            return {};
        // Said in the declarer's balloon, which wraps at blanks and knows no "|".
        const std::wstring who = declarerIsUser ? skat::text(TextKey::Status_Du_spielst)
                                                : skat::formatText(TextKey::Status_Name_Spielt, {declarerName});
        return who + L" " + SKAT_TEXT::instance().gameTypeName(record->SPIELART.SPIEL_TYP);
    }
    // A bid is said as its value.
    if (isNumber(phrase))
        return std::to_wstring(value > 0 ? value : std::stoi(phrase)) + L"!";
    const auto found = phraseTexts().find(phrase);
    return found == phraseTexts().end() ? std::wstring() : skat::text(found->second);
}

void FENSTER_SKAT_TABLE_WINDOWS::showOverlay(const std::wstring& phrase, Seat seat, int value, bool firstFlag)
{
    SPIELSTRUCT record;
    std::wstring declarer;
    bool declarerIsUser = false;
    if (phrase == L"spielansage") {
        if (SKATTISCH* table = currentTable()) {
            record = table->recordCopy();
            if (const PLAYER* player = table->playerAtSeat(record.declarer()))
                declarer = player->name();
            declarerIsUser = record.declarer() >= 0 && screenPositionOfSeat(table, record.declarer()) == 1;
        }
    }
    const std::wstring text = overlayText(phrase, value, &record, declarer, declarerIsUser);
    if (text.empty())
        return;
    post([text, seat, firstFlag](FENSTER_SKAT_CONTROLLER& c) {
        if (seat < 0 || seat > 2 || !c.view) {
            c.showOverlayMessage(text, firstFlag, false);
            return;
        }
        c.view->showSeatText(seat, text);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::hideOverlay()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        c.hideOverlayMessage();
        if (c.view)
            c.view->clearSeatTexts();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::playSpeaker(const std::wstring& phrase) { SKAT_SOUND::instance().playSpeaker(phrase); }

void FENSTER_SKAT_TABLE_WINDOWS::playVoice(const std::wstring& phrase, Seat seat)
{
    SKAT_SOUND::instance().playVoice(screenPosition(seat), phrase);
}

void FENSTER_SKAT_TABLE_WINDOWS::announceGame(const SPIELSTRUCT& record)
{
    SKAT_SOUND::instance().announceGame(record.SPIELART, screenPosition(record.declarer()));
}

void FENSTER_SKAT_TABLE_WINDOWS::playCardSound()
{
    SKAT_SOUND::instance().soundFolder(SKAT_SOUND::EFFECTS, L"abheben", true, 1);
}

void FENSTER_SKAT_TABLE_WINDOWS::clearSelectedCards()
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.input.skatPlaces = SKAT(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::clearHighlight()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (!c.view)
            return;
        for (PLAYER_EINBLATT_CONTROLLER& hand : c.view->handControllers)
            hand.setHighlightedCard(NO_CARD);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::showMainWindow()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view && c.view->isOpen)
            c.view->show();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::updateInfoTextOnce()
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.infoTextShown = true; });
    updateInfoText();
}

void FENSTER_SKAT_TABLE_WINDOWS::clearInfoShown()
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.infoTextShown = false; });
}

void FENSTER_SKAT_TABLE_WINDOWS::refreshBidding()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view)
            c.view->biddingController.refresh();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::refreshTricksWindow()
{
    if (const auto dialogs = windowServerDialogs())
        dialogs->refreshTricksWindow();
}

void FENSTER_SKAT_TABLE_WINDOWS::refreshSheetWindow(bool withTitle)
{
    if (const auto dialogs = windowServerDialogs())
        dialogs->refreshSheetWindow(withTitle);
}

void FENSTER_SKAT_TABLE_WINDOWS::showExerciseDialog()
{
    if (const auto dialogs = windowServerDialogs())
        dialogs->showExerciseDialog();
}

void FENSTER_SKAT_TABLE_WINDOWS::setCalculatorHand(Seat seat)
{
    SKATTISCH* table = currentTable();
    if (!table || !isValidSeat(seat))
        return;
    CardSet hand = 0;
    SKAT skat;
    {
        std::lock_guard lock(table->tableLock);
        hand = table->cards.hands[static_cast<std::size_t>(seat)].cardSet();
        skat = table->cards.skat;
    }
    post([hand, skat](FENSTER_SKAT_CONTROLLER& c) {
        TABLE_DIALOGS* dialogs = c.view ? c.view->tableDialogs() : nullptr;
        if (dialogs && dialogs->calculator)
            dialogs->calculator->setHandAndSkat(hand, skat);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::refreshGameDialogs()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        TABLE_DIALOGS* dialogs = c.view ? c.view->tableDialogs() : nullptr;
        if (!dialogs)
            return;
        if (dialogs->announce)
            dialogs->announce->recompute();
        if (dialogs->announceHand)
            dialogs->announceHand->recompute();
    });
}

bool FENSTER_SKAT_TABLE_WINDOWS::confirmFreeGame(SKATTISCH&)
{
    DIALOG_WIRDFREI question(*window_);
    return question.ask();
}
