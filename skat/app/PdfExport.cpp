#include "skat/app/PdfExport.h"

#include "skat/app/PdfError.h"
#include "skat/app/PdfScoreSheet.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatPaths.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "vordix/Communication.h"
#include "vordix/File.h"
#include "vordix/FileDialog.h"
#include "vordix/Folder.h"
#include "vordix/MessageSink.h"
#include "vordix/SafeSave.h"
#include "vordix/TextHelpers.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace fs = std::filesystem;

namespace {

PdfSheetTexts textsFor(const PdfExportSettings& settings)
{
    return settings.language ? pdfSheetTexts(*settings.language) : pdfSheetTexts();
}

void writeDocument(const LISTE& sheet, const fs::path& file, const PdfExportSettings& settings)
{
    const fs::path fonts = settings.fontFolder.empty() ? defaultPdfFontFolder() : settings.fontFolder;
    const int players = sheet.places == 4 ? 4 : 3;
    std::string names[4];
    for (int p = 0; p < 4; ++p)
        names[p] = vordix::toUtf8(sheet.playerNames[p]);
    const std::string date = vordix::toUtf8(settings.date.empty() ? vordix::localDateText() : settings.date);

    PdfScoreSheet writer(players, fonts, textsFor(settings), settings.scoring, settings.tariffCents);
    if (players == 3)
        writer.setPlayerNames(names[0], names[1], names[2]);
    else
        writer.setPlayerNames(names[0], names[1], names[2], names[3]);
    writer.drawDate(date);
    writer.writeGames(sheet);
    writer.save(file);
}

} // namespace

fs::path defaultPdfFontFolder()
{
    return WIN_FILEPATH::toFsPath(skat::resourceFolder({SKAT_PATHS().folderPdf}).path());
}

PdfExportSettings pdfExportSettings(const USER_PREFS& prefs)
{
    PdfExportSettings settings;
    settings.scoring = prefs.scoring == SCORING_SEEGER_FABIAN ? SCORING_SEEGER_FABIAN
                       : prefs.scoring == SCORING_BIERLACHS   ? SCORING_BIERLACHS
                                                              : SCORING_CLASSIC;
    settings.tariffCents = prefs.tariff;
    return settings;
}

fs::path defaultPdfTarget()
{
    return WIN_FILEPATH::toFsPath(WIN_FILEPATH::standardFolderPath(FOLDER_DOCUMENTS)) / PDF_SHEET_FILE_NAME;
}

bool exportScoreSheetPdf(const LISTE& sheet, const fs::path& target, const PdfExportSettings& settings)
{
    try {
        const vordix::SaveOutcome saved = vordix::saveFileByPath(target, [&](const fs::path& temporary) {
            writeDocument(sheet, temporary, settings);
            return true;
        });
        if (!saved)
            throw PdfError(std::string(saved.result == vordix::SaveResult::NotCreated
                                           ? "Die Datei kann nicht angelegt werden: "
                                           : "Die Datei kann nicht geschrieben werden: ")
                           + std::strerror(saved.error));
        return true;
    } catch (const std::exception& error) {
        std::string reason = error.what();
        while (!reason.empty() && reason.back() == '\n')
            reason.pop_back();
        std::printf("Exception: %s\n", reason.c_str());
        std::fflush(stdout);
        std::wstring text = textsFor(settings).exportFailed;
        const std::wstring path = vordix::fromUtf8(target.string());
        const std::wstring why = vordix::fromUtf8(reason);
        std::size_t from = 0;
        for (const std::wstring* part : {&path, &why}) {
            const std::size_t at = text.find(L"%ls", from);
            if (at == std::wstring::npos)
                break;
            text.replace(at, 3, *part);
            from = at + part->size();
        }
        vordix::showMessage(vordix::MessageKind::Error, text);
        return false;
    }
}

bool printScoreSheet(const LISTE& sheet, const PdfExportSettings& settings, const PdfTargetChooser& choose,
                     const std::function<void(const fs::path&)>& open)
{
    fs::path target = defaultPdfTarget();
    // The documents folder may not exist yet; the dialog starts there.
    std::error_code ignored;
    fs::create_directories(target.parent_path(), ignored);
    if (!choose || !choose(target))
        return false;
    if (!exportScoreSheetPdf(sheet, target, settings))
        return false;
    if (open)
        open(target);
    return true;
}

bool printScoreSheetForUser(const LISTE& sheet)
{
    const auto choose = [](fs::path& target) {
        VORDIX_FOLDER folder;
        folder.setPath(WIN_FILEPATH::fromFsPath(target.parent_path()));
        VORDIX_FILE file(folder, WIN_FILEPATH::fromFsPath(target.filename()));
        if (!vordix::showFileDialog(nullptr, vordix::FILE_KIND_PDF, file, skat::text(TextKey::PdfListe_Speichern),
                                    true))
            return false;
        target = WIN_FILEPATH::toFsPath(file.folder.path()) / WIN_FILEPATH::toFsPath(file.name);
        return true;
    };
    return printScoreSheet(sheet, pdfExportSettings(USER_PREFS::instance()), choose, [](const fs::path& file) {
        VORDIX_FOLDER folder;
        folder.setPath(WIN_FILEPATH::fromFsPath(file.parent_path()));
        VORDIX_COMMUNICATION().openFile(VORDIX_FILE(folder, WIN_FILEPATH::fromFsPath(file.filename())));
    });
}
