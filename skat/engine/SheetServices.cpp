#include "skat/engine/SheetServices.h"

#include <mutex>

SHEET_SERVICES::~SHEET_SERVICES() = default;

std::wstring sheetRowList(const std::vector<int>& rows)
{
    std::wstring list;
    for (std::size_t i = 0; i < rows.size() && i < 20; ++i)
        list += (i == 0 ? L"" : L", ") + std::to_wstring(rows[i]);
    if (rows.size() > 20)
        list += L" \u2026";
    return list;
}

std::wstring SHEET_SERVICES::levelText(int winLevel) const
{
    static const wchar_t* const words[6] = {
        L"", L"Ouvert", L"Hand", L"Hand Schneider angesagt", L"Hand Schwarz angesagt", L"Ouvert Hand"};
    return winLevel >= 1 && winLevel <= 5 ? words[winLevel] : L"";
}

std::wstring SHEET_SERVICES::reachedLevelText(int level) const
{
    if (level == 1)
        return L"Schneider";
    if (level == 2)
        return L"Schwarz";
    return L"";
}

std::wstring SHEET_SERVICES::valueText(int baseValue, int levels) const
{
    return L"Grundwert " + std::to_wstring(baseValue) + L", " + std::to_wstring(levels)
           + (levels == 1 ? L" Stufe" : L" Stufen");
}

std::wstring SHEET_SERVICES::wrongFileText() const
{
    return L"Die Datei ist keine Spielliste dieses Programms|oder stammt aus einer neueren Version.";
}

std::wstring SHEET_SERVICES::unreadableSheetText(const std::wstring& fileName) const
{
    return L"Die Spielliste|" + fileName
           + L"|kann nicht gelesen werden. Sie wird nicht "
             L"\u00fcberschrieben,|sondern beim n\u00e4chsten Speichern als|"
           + fileName + L".unlesbar|aufbewahrt. Es beginnt eine neue Liste.";
}

std::wstring SHEET_SERVICES::repairedSheetText(const std::wstring& fileName, const std::vector<int>& rowsWithValues,
                                               const std::vector<int>& rowsWithoutTricks, bool rowsDropped) const
{
    std::wstring text = L"Die Spielliste|" + fileName + L"|war besch\u00e4digt und wurde beim Lesen ge\u00e4ndert:|";
    if (!rowsWithValues.empty())
        text += L"|ung\u00fcltige Werte ersetzt in Spiel " + sheetRowList(rowsWithValues);
    if (!rowsWithoutTricks.empty())
        text += L"|besch\u00e4digte Stiche verworfen in Spiel " + sheetRowList(rowsWithoutTricks);
    if (rowsDropped)
        text += L"|Spiele \u00fcber die H\u00f6chstzahl hinaus verworfen";
    return text + L"||Die Datei wird beim n\u00e4chsten Speichern als|" + fileName + L".unlesbar|aufbewahrt.";
}

std::wstring SHEET_SERVICES::sheetInMessageRefusedText() const
{
    return L"Die Spielliste des Mitspielers kann nicht gelesen werden,|sie stammt wohl aus einer neueren "
           L"Programmversion.|Die Nachricht wird nicht \u00fcbernommen.";
}

std::array<std::wstring, 4> SHEET_SERVICES::playerNames() const
{
    return {L"Spieler 1", L"Spieler 2", L"Spieler 3", L""};
}

bool SHEET_SERVICES::enterFreeGames() const { return false; }

bool SHEET_SERVICES::exportPdf(const LISTE&) const { return false; }

std::wstring SHEET_SERVICES::programFolderName() const { return L"SKAT"; }
std::wstring SHEET_SERVICES::sheetsFolderName() const { return L"Spiellisten"; }
std::wstring SHEET_SERVICES::currentSheetFileName() const { return L"Aktuell.skt"; }
std::wstring SHEET_SERVICES::runningGameFileName() const { return L"LfdSpiel.skt"; }

namespace {

std::mutex servicesMutex;

std::shared_ptr<const SHEET_SERVICES>& installedServices()
{
    static std::shared_ptr<const SHEET_SERVICES> services = std::make_shared<SHEET_SERVICES>();
    return services;
}

} // namespace

VORDIX_FILE fileInSheetsFolder(const std::wstring& fileName)
{
    const auto services = sheetServices();
    VORDIX_FOLDER folder;
    folder.setStandardFolder(FOLDER_APPDATA);
    folder.createSubfolder(services->programFolderName());
    folder.createSubfolder(services->sheetsFolderName());
    return VORDIX_FILE(folder, fileName);
}

std::shared_ptr<const SHEET_SERVICES> sheetServices()
{
    std::lock_guard lock(servicesMutex);
    return installedServices();
}

void installSheetServices(std::shared_ptr<const SHEET_SERVICES> services)
{
    std::lock_guard lock(servicesMutex);
    installedServices() = services ? std::move(services) : std::make_shared<SHEET_SERVICES>();
}
