#include "skat/app/PdfExport.h"

#include "skat/app/PdfError.h"
#include "skat/app/PdfScoreSheet.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatPaths.h"
#include "skat/app/UserPrefs.h"
#include "vordix/Communication.h"
#include "vordix/File.h"
#include "vordix/Folder.h"
#include "vordix/MessageSink.h"
#include "vordix/TextHelpers.h"
#include "vordix/Utf8.h"
#include "vordix/WinFilePath.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A new, empty file beside the target that nobody else has opened.
fs::path makeTemporaryFile(const fs::path& target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw PdfError(std::string("Die Datei kann nicht angelegt werden: ") + std::strerror(errno));
    ::fchmod(fd, 0644);
    ::close(fd);
    return pattern;
}

void flushToDisk(const fs::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw PdfError(std::string("Die Datei kann nicht gelesen werden: ") + std::strerror(errno));
    const int result = ::fsync(fd);
    ::close(fd);
    if (result != 0)
        throw PdfError(std::string("Die Datei kann nicht geschrieben werden: ") + std::strerror(errno));
}

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
    VORDIX_FOLDER folder;
    folder.setStandardFolder(FOLDER_TEMP);
    return WIN_FILEPATH::toFsPath(folder.path()) / PDF_SHEET_FILE_NAME;
}

bool exportScoreSheetPdf(const LISTE& sheet, const fs::path& target, const PdfExportSettings& settings)
{
    fs::path temporary;
    try {
        temporary = makeTemporaryFile(target);
        writeDocument(sheet, temporary, settings);
        flushToDisk(temporary);
        fs::rename(temporary, target);
        return true;
    } catch (const std::exception& error) {
        std::error_code ignored;
        if (!temporary.empty())
            fs::remove(temporary, ignored);
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

bool printScoreSheet(const LISTE& sheet, const PdfExportSettings& settings,
                     const std::function<void(const fs::path&)>& open)
{
    const fs::path target = defaultPdfTarget();
    if (!exportScoreSheetPdf(sheet, target, settings))
        return false;
    if (open)
        open(target);
    return true;
}

bool printScoreSheetForUser(const LISTE& sheet)
{
    return printScoreSheet(sheet, pdfExportSettings(USER_PREFS::instance()), [](const fs::path& file) {
        VORDIX_FOLDER folder;
        folder.setPath(WIN_FILEPATH::fromFsPath(file.parent_path()));
        VORDIX_COMMUNICATION().openFile(VORDIX_FILE(folder, WIN_FILEPATH::fromFsPath(file.filename())));
    });
}
