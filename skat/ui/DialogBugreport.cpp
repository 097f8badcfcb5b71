#include "skat/ui/DialogBugreport.h"

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/EinSpiel.h"
#include "skat/engine/Liste.h"
#include "vordix/Communication.h"
#include "vordix/File.h"
#include "vordix/FileDialog.h"
#include "vordix/Folder.h"
#include "vordix/MessageSink.h"
#include "vordix/SafeSave.h"
#include "vordix/Stream.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <mutex>

namespace {
constexpr const wchar_t* ATTACHMENT_NAME = L"Verlauf.skt";
constexpr const wchar_t* SAVED_REPORT_NAME = L"Fehlerbericht.txt";

std::mutex addressMutex;
std::string& configuredAddress()
{
    static std::string address = SKAT_BUG_REPORT_ADDRESS;
    return address;
}
} // namespace

std::string DIALOG_BUGREPORT::address()
{
    std::lock_guard lock(addressMutex);
    return configuredAddress();
}

std::string DIALOG_BUGREPORT::setAddress(std::string address)
{
    std::lock_guard lock(addressMutex);
    std::swap(configuredAddress(), address);
    return address;
}

DIALOG_BUGREPORT::DIALOG_BUGREPORT(VORDIX_FENSTER* parent) : VORDIX_DIALOG(parent, FORM_ID) { }

DIALOG_BUGREPORT::~DIALOG_BUGREPORT() = default;

void DIALOG_BUGREPORT::prepare(const EIN_SPIEL* game)
{
    game_ = game;
    if (implementor())
        implementor()->setControlText(DESCRIPTION_ID, unsent_ ? description_ : std::wstring());
}

void DIALOG_BUGREPORT::onCommand(int controlId)
{
    if (!implementor())
        return;
    if (controlId == SEND_ID)
        description_ = implementor()->getControlText(DESCRIPTION_ID);
    if (controlId == CANCEL_ID)
        unsent_ = false; // the user threw the text away
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
    const std::string recipient = address();
    VORDIX_COMMUNICATION communication;
    if (!recipient.empty() && communication.canSendMail()) {
        try {
            communication.sendMail(vordix::fromUtf8(recipient), skat::text(TextKey::Dialog_Fehlerbericht_Betreff),
                                   body(), reinterpret_cast<const unsigned char*>(xml.data()),
                                   static_cast<int>(xml.size()), ATTACHMENT_NAME);
            unsent_ = false;
            return;
        } catch (const std::exception&) {
            // The mail client refused the mail: the report is saved instead.
        }
    }
    unsent_ = !save(xml);
    if (unsent_)
        vordix::showMessage(vordix::MessageKind::Warning, skat::text(TextKey::Alert_Fehlerbericht_nicht_gespeichert));
}

bool DIALOG_BUGREPORT::save(const std::string& xml)
{
    const std::wstring documents = WIN_FILEPATH::standardFolderPath(FOLDER_DOCUMENTS);
    std::error_code ignored;
    std::filesystem::create_directories(WIN_FILEPATH::toFsPath(documents), ignored);
    VORDIX_FOLDER folder;
    folder.setPath(documents);
    VORDIX_FILE file(folder, SAVED_REPORT_NAME);
    if (!vordix::showFileDialog(nullptr, vordix::FILE_KIND_TEXT, file,
                                skat::text(TextKey::Dialog_Fehlerbericht_Speichern), true))
        return false;
    const std::filesystem::path target = WIN_FILEPATH::toFsPath(file.folder.path() + file.name);
    if (!vordix::saveFile(target, body() + xml))
        return false;
    vordix::showMessage(vordix::MessageKind::Information,
                        skat::formatText(TextKey::Alert_Fehlerbericht_gespeichert, {file.folder.path() + file.name}));
    return true;
}
