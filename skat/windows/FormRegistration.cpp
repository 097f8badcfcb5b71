// The form registry's content: every form of the game under its form id (the
// control id of the form's object name), bound by the template of its kind.

#include "skat/windows/ControlFactories.h"

#include "vordix/windows/FormRegistry.h"

#include "ui_F_ImagePicker.h"
#include "ui_F_abbr.h"
#include "ui_F_abrechnung.h"
#include "ui_F_aktiv.h"
#include "ui_F_bestenliste.h"
#include "ui_F_bugreport.h"
#include "ui_F_computerlogik.h"
#include "ui_F_eingepasst.h"
#include "ui_F_extras.h"
#include "ui_F_fenster_liste.h"
#include "ui_F_fenster_skat.h"
#include "ui_F_fenster_skat_menu.h"
#include "ui_F_fenster_training.h"
#include "ui_F_fenster_verlauf.h"
#include "ui_F_fenster_verteilen.h"
#include "ui_F_freies_spiel.h"
#include "ui_F_heuristikauswahl.h"
#include "ui_F_hilfe.h"
#include "ui_F_hilfestellungen.h"
#include "ui_F_info.h"
#include "ui_F_ja_nein.h"
#include "ui_F_liste_komplett.h"
#include "ui_F_netz_spiel_einleiten.h"
#include "ui_F_netz_spiel_teilnehmen.h"
#include "ui_F_reizwert_kalkulator.h"
#include "ui_F_spiel_abkuerzen.h"
#include "ui_F_spiel_einfach.h"
#include "ui_F_spiel_hand.h"
#include "ui_F_spielverlauf.h"
#include "ui_F_tabeinst.h"
#include "ui_F_training.h"
#include "ui_F_ubungspartien.h"
#include "ui_F_wirdfrei.h"
#include "ui_Sheet_ja_nein.h"

namespace {

template <class Form>
void dialog(int formId)
{
    FormRegistry::registerDialogForm(formId, [] { return new SkatUI::Dialog<Form>(); });
}

template <class Form>
void window(int formId)
{
    FormRegistry::registerWindowForm(formId, [] { return new SkatUI::Fenster<Form>(); });
}

template <class Form>
void menu(int formId)
{
    FormRegistry::registerMenuForm(formId, [] { return new SkatUI::Menu<Form>(); });
}

} // namespace

void registerForms()
{
    if (FormRegistry::isFilled())
        return;

    menu<Ui_F_fenster_skat_menu>(4);
    window<Ui_F_fenster_liste>(5);
    window<Ui_F_fenster_skat>(3);
    window<Ui_F_fenster_verlauf>(6);
    window<Ui_F_fenster_training>(7);
    window<Ui_F_fenster_verteilen>(8);

    dialog<Ui_F_extras>(16);
    dialog<Ui_F_ubungspartien>(365);
    dialog<Ui_F_spiel_einfach>(61);
    dialog<Ui_F_spiel_hand>(81);
    dialog<Ui_F_info>(105);
    dialog<Ui_F_ja_nein>(112);
    dialog<Ui_F_eingepasst>(116);
    dialog<Ui_F_abrechnung>(121);
    dialog<Ui_F_aktiv>(141);
    dialog<Ui_F_tabeinst>(158);
    dialog<Ui_F_training>(172);
    dialog<Ui_F_freies_spiel>(176);
    dialog<Ui_F_wirdfrei>(187);
    dialog<Ui_F_abbr>(212);
    dialog<Ui_F_bestenliste>(230);
    dialog<Ui_F_computerlogik>(282);
    dialog<Ui_F_liste_komplett>(296);
    dialog<Ui_Sheet_ja_nein>(304);
    dialog<Ui_F_netz_spiel_einleiten>(308);
    dialog<Ui_F_netz_spiel_teilnehmen>(321);
    dialog<Ui_F_bugreport>(362);
    dialog<Ui_F_reizwert_kalkulator>(370);
    dialog<Ui_F_heuristikauswahl>(391);
    dialog<Ui_F_ImagePicker>(408);
    dialog<Ui_F_spielverlauf>(420); // the form names its host "Dialog"
    dialog<Ui_F_hilfe>(215);
    dialog<Ui_F_spiel_abkuerzen>(423);
    dialog<Ui_F_hilfestellungen>(427);

    FormRegistry::setFilled();
}

// COM does not exist here, so releasing the registry is all there is to do.
void unregisterForms() { FormRegistry::clear(); }
