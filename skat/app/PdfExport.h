#pragma once
// Exporting a score sheet as "Skatliste.pdf".

#include "skat/app/PdfSheetTexts.h"
#include "skat/engine/Liste.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

struct PdfExportSettings {
    // The folder of the four fonts; empty: "Ressourcen/PdfListe" beside the
    // program.
    std::filesystem::path fontFolder;
    // Unset: the program's texts in its language.
    std::optional<PdfLanguage> language;
    Scoring scoring = SCORING_CLASSIC;
    double tariffCents = 1.0;
    // The date line; empty: today.
    std::wstring date;
};

inline constexpr const char* PDF_SHEET_FILE_NAME = "Skatliste.pdf";

class USER_PREFS;
// The user's scoring and tariff, the program's texts, the fonts beside the
// program.
PdfExportSettings pdfExportSettings(const USER_PREFS& prefs);

// "Ressourcen/PdfListe" in the program's folder.
std::filesystem::path defaultPdfFontFolder();
// "Skatliste.pdf" in the user's documents folder (XDG_DOCUMENTS_DIR, else
// "Documents" in the home folder).
std::filesystem::path defaultPdfTarget();

// Writes the sheet to the target path. The document goes to a new file
// beside the target and replaces the target only once it is complete. On a
// failure the partial file is removed, an existing target is left as it was,
// "Exception: <reason>" goes to standard output and the user is shown one
// message; the result is then false.
bool exportScoreSheetPdf(const LISTE& sheet, const std::filesystem::path& target, const PdfExportSettings& settings);

// Asks the user where to save, given the proposed path; changes it to the
// chosen one, or returns false when the user cancelled.
using PdfTargetChooser = std::function<bool(std::filesystem::path& target)>;

// The score-sheet window's print command: the user chooses the file
// (proposed: "Skatliste.pdf" in the documents folder), which is handed to
// open (the user's PDF viewer) once complete. False when cancelled or after
// a failure, which the user has been shown.
bool printScoreSheet(const LISTE& sheet, const PdfExportSettings& settings, const PdfTargetChooser& choose,
                     const std::function<void(const std::filesystem::path&)>& open);

// The print command as the program runs it: the user's scoring and tariff,
// the program's texts, and the file opened in the user's default PDF
// viewer (without one the user is told the file's full path). For the
// shell's score-sheet services.
bool printScoreSheetForUser(const LISTE& sheet);
