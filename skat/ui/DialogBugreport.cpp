#include "skat/ui/DialogBugreport.h"

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/EinSpiel.h"
#include "skat/engine/Liste.h"
#include "vordix/Communication.h"
#include "vordix/MessageSink.h"
#include "vordix/Stream.h"
#include "vordix/Utf8.h"

#include <exception>
#include <memory>

namespace {
constexpr const wchar_t* ATTACHMENT_NAME = L"Verlauf.skt";
} // namespace

DIALOG_BUGREPORT::DIALOG_BUGREPORT(VORDIX_FENSTER* parent) : VORDIX_DIALOG(parent, FORM_ID) { }

DIALOG_BUGREPORT::~DIALOG_BUGREPORT() = default;

void DIALOG_BUGREPORT::prepare(const EIN_SPIEL* game)
{
    game_ = game;
    if (implementor())
        implementor()->setControlText(DESCRIPTION_ID, L"");
}

void DIALOG_BUGREPORT::onCommand(int controlId)
{
    if (!implementor())
        return;
    if (controlId == SEND_ID)
        description_ = implementor()->getControlText(DESCRIPTION_ID);
    if (controlId == SEND_ID || controlId == CANCEL_ID)
        implementor()->done = true;
}

void DIALOG_BUGREPORT::onClosed()
{
    if (implementor() && implementor()->result == SEND_ID)
        send();
}

std::string DIALOG_BUGREPORT::body() const { return vordix::toUtf8(description_) + "\n\n"; }

std::string DIALOG_BUGREPORT::reportXml() const
{
    if (game_) {
        LISTE sheet;
        sheet.setPlayerNames(USER_PREFS::instance().playerNames);
        auto row = std::make_unique<EIN_SPIEL>(*game_);
        // A game whose own deal is incomplete is sent with the deal its
        // tricks show.
        if (!row->deal.isValid())
            row->deal.assignFromGame(row->pile, game_->deal.skat, static_cast<Seat>(row->record.declarer()));
        sheet.insertRow(std::move(row));
        return streamToXml(sheet);
    }
    return document_ ? streamToXml(*document_) : std::string();
}

void DIALOG_BUGREPORT::send()
{
    const std::string xml = reportXml();
    try {
        VORDIX_COMMUNICATION communication;
        communication.sendMail(
            vordix::fromUtf8(SKAT_BUG_REPORT_ADDRESS), skat::text(TextKey::Dialog_Fehlerbericht_Betreff), body(),
            reinterpret_cast<const unsigned char*>(xml.data()), static_cast<int>(xml.size()), ATTACHMENT_NAME);
    } catch (const std::exception&) {
        // A mail client that refused the mail: the user hears of it, the
        // game goes on.
        vordix::showMessage(vordix::MessageKind::Error, skat::text(TextKey::Alert_Fehlerbericht_nicht_verschickt));
    }
}
