#pragma once
// The one object through which the game reaches its fixed data: folder and
// file names (SKAT_PATHS), the texts of the text file (SKAT_STRINGDOCUMENT),
// the version texts and the short card codes, and the words for cards, ranks,
// game types and hand ratings in the French card family (Kreuz, Pik, Herz,
// Karo; Bube, Dame, Ass) or the German one (Eichel, Grün, Rot, Schellen;
// Unter, Ober, Daus), as the chosen card set says.
//
// Reading a text:      skat::text(TextKey::Alert_Monitor_zu_klein)
// Formatting one:      skat::formatText(TextKey::Status_Name_Spielt, {name})
// Adding one: append a row to skat/app/texttable/SkatTexts.tsv.

#include "skat/app/SkatConstants.h"
#include "skat/app/SkatPaths.h"
#include "skat/app/SkatStringDocument.h"
#include "skat/app/SkatVersion.h"
#include "skat/app/TextFormat.h"
#include "skat/engine/CardTypes.h"

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

class VORDIX_FILE;

class SKAT_TEXT : public SKAT_PATHS, public SKAT_STRINGDOCUMENT, public SKAT_VERSION, public SKAT_KONSTANTEN {
public:
    // The process-wide object, built and read on first use (the first call
    // comes from the GUI thread at start-up, before any worker runs).
    static SKAT_TEXT& instance();
    // Deleted by main at shutdown.
    static void destroyInstance();
    // Replaces the process-wide object (tests and tools).
    static void installInstance(std::unique_ptr<SKAT_TEXT> text);

    // Reads "Skat_Text.xml" in the resource folder in the program's
    // language; a file that cannot be read shows a message box and leaves
    // every text empty.
    SKAT_TEXT();
    // Reads the given file; english unset asks the platform application.
    SKAT_TEXT(const VORDIX_FILE& file, std::optional<bool> english);
    ~SKAT_TEXT() override;

    // The result of reading the file (a DocumentError code).
    int loadResult() const { return loadResult_; }

    // Whether the chosen card set is the German family (read anew each call).
    bool germanCardFamily() const;
    // Suit word, a blank, rank word; a single blank for the null card.
    std::wstring cardName(CardId card) const;
    const std::wstring& rankName(Rank rank) const;
    // The plural jack word used in texts that list cards.
    const std::wstring& jackWord() const;
    // Suit games by their suit word; empty outside 1..8.
    const std::wstring& gameTypeName(GameType type) const;
    // Hand assessments 0..7, empty otherwise.
    const std::wstring& handRatingText(int index) const;
    // Weak-hand assessments 1..5; any other index gives the one for the bold.
    const std::wstring& weakHandRatingText(int index) const;

private:
    int loadResult_ = 0;
    std::wstring empty_;
};

namespace skat {

// Shortcuts through the process-wide text object.
const std::wstring& text(TextKey key);
std::wstring formatText(TextKey key, std::initializer_list<TextArg> args);

// Whether this run reads its texts in English.
bool textsAreEnglish();
// The language switch: stores the language for the next start through the
// platform application (false without one). The texts of this run stay as
// they were read.
bool chooseLanguage(bool english);

// Makes the engine's rank words and game-type names come from the text object.
void installEngineTextsFromTable();

} // namespace skat
