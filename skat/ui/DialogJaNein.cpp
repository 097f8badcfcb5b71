#include "skat/ui/DialogJaNein.h"

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Liste.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/UserActions.h"

#include <QLabel>

#include <utility>

DIALOG_LISTE_KOMPLETT* openListCompleteDialog = nullptr;

namespace {

constexpr int COMMAND_HIGH_SCORES = 472; // Spi_bestenliste

bool runsToYes(VORDIX_DIALOG& dialog, int yes)
{
    const auto& imp = dialog.implementor();
    if (!imp)
        return false;
    imp->show();
    return imp->result == yes;
}

} // namespace

// ---------------------------------------------------------------- yes or no

DIALOG_JA_NEIN::DIALOG_JA_NEIN() : DIALOG_JA_NEIN(tableDialogHost() ? tableDialogHost()->dialogParent() : nullptr) { }

DIALOG_JA_NEIN::DIALOG_JA_NEIN(VORDIX_FENSTER* parent) : VORDIX_DIALOG(parent, FORM_ID) { }

void DIALOG_JA_NEIN::initDialog()
{
    if (implementor())
        implementor()->setControlText(TEXT, question);
}

void DIALOG_JA_NEIN::onCommand(int controlId)
{
    if ((controlId == NO || controlId == YES) && implementor())
        implementor()->done = true;
}

bool DIALOG_JA_NEIN::ask() { return runsToYes(*this, YES); }

SHEET_JA_NEIN::SHEET_JA_NEIN(VORDIX_DIALOG* parent) : VORDIX_DIALOG(parent, FORM_ID) { }

void SHEET_JA_NEIN::initDialog()
{
    if (implementor())
        implementor()->setControlText(TEXT, question);
}

void SHEET_JA_NEIN::onCommand(int controlId)
{
    if ((controlId == NO || controlId == YES) && implementor())
        implementor()->done = true;
}

bool SHEET_JA_NEIN::ask() { return runsToYes(*this, YES); }

// ---------------------------------------------------------------- stopping mid-game

DIALOG_ABBRUCH::DIALOG_ABBRUCH(VORDIX_FENSTER* parent) : VORDIX_DIALOG(parent, FORM_ID) { }

void DIALOG_ABBRUCH::initDialog()
{
    // The form's two labels have no control ids; they are found by name.
    auto* form = dynamic_cast<QWidget*>(implementor().get());
    if (!form)
        return;
    const std::pair<const char*, TextKey> texts[] = {{"label", TextKey::Dialog_Abbruch_Frage},
                                                     {"label_2", TextKey::Dialog_Abbruch_Hinweis}};
    for (const auto& [name, key] : texts)
        if (auto* label = form->findChild<QLabel*>(QLatin1String(name)))
            label->setText(QString::fromStdWString(skat::text(key)));
}

void DIALOG_ABBRUCH::onCommand(int controlId)
{
    if ((controlId == END || controlId == BACK) && implementor())
        implementor()->done = true;
}

bool DIALOG_ABBRUCH::confirm() { return runsToYes(*this, END); }

// ---------------------------------------------------------------- list complete

std::array<int, 3> finalResults(const LISTE& sheet)
{
    std::array<int, 3> results{};
    if (sheet.rowCount() == 0)
        return results;
    for (int column = 0; column < 3; ++column)
        results[column] = sheet.seegerFabianTotal(column);
    return results;
}

DIALOG_LISTE_KOMPLETT::DIALOG_LISTE_KOMPLETT(VORDIX_FENSTER* parent) : VORDIX_DIALOG(parent, FORM_ID) { }

DIALOG_LISTE_KOMPLETT::~DIALOG_LISTE_KOMPLETT()
{
    if (openListCompleteDialog == this)
        openListCompleteDialog = nullptr;
}

void DIALOG_LISTE_KOMPLETT::initDialog()
{
    openListCompleteDialog = this;
    const auto& imp = implementor();
    if (!imp)
        return;
    for (int seat = 0; seat < 3; ++seat) {
        imp->setControlText(FIRST_NAME + seat, names[seat]);
        imp->setControlText(FIRST_POINTS + seat, std::to_wstring(results[seat]));
    }
}

void DIALOG_LISTE_KOMPLETT::onCommand(int controlId)
{
    openListCompleteDialog = nullptr;
    if (controlId != OK && controlId != SHOW_STATISTICS)
        return;
    if (implementor())
        implementor()->done = true;
}

void DIALOG_LISTE_KOMPLETT::onClosed()
{
    openListCompleteDialog = nullptr;
    // However it is closed, the table waiting for the user goes on.
    answerOnClose(*this, REQUEST_CONFIRM_LIST_END, answersSerial, true,
                  [] { return UserAction::of(UserAction::CONFIRM, CONFIRM_NEXT_GAME); });
    const auto& imp = implementor();
    if (imp && imp->result == SHOW_STATISTICS)
        reportUserAction(UserAction::of(UserAction::RUN_COMMAND, COMMAND_HIGH_SCORES));
}
