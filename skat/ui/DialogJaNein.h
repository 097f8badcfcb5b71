#pragma once
// The small questions of the game: yes or no over the main window or as a
// sheet over another dialog, the confirmation before stopping in the middle
// of a game, and the notice that the list is complete with the final
// results of the three players.

#include "vordix/Dialog.h"

#include <array>
#include <cstdint>
#include <string>

class LISTE;

class DIALOG_JA_NEIN : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 112;
    static constexpr int TEXT = 113, NO = 114, YES = 115;

    DIALOG_JA_NEIN();
    explicit DIALOG_JA_NEIN(VORDIX_FENSTER* parent);

    void initDialog() override;
    void onCommand(int controlId) override;

    // Runs the dialog; true only when "yes" closed it.
    bool ask();

    std::wstring question;
};

class SHEET_JA_NEIN : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 304;
    static constexpr int TEXT = 305, NO = 306, YES = 307;

    explicit SHEET_JA_NEIN(VORDIX_DIALOG* parent);

    void initDialog() override;
    void onCommand(int controlId) override;
    bool ask();

    std::wstring question;
};

// Asks before the program ends in the middle of a game.
class DIALOG_ABBRUCH : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 212;
    static constexpr int END = 213, BACK = 214;

    explicit DIALOG_ABBRUCH(VORDIX_FENSTER* parent);
    // The question and the note that the game is kept, in the program's language.
    void initDialog() override;
    void onCommand(int controlId) override;
    // True when the user chose to stop.
    bool confirm();
};

// The final result of each of the three seats from the sheet's last row.
std::array<int, 3> finalResults(const LISTE& sheet);

class DIALOG_LISTE_KOMPLETT : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 296;
    static constexpr int OK = 1, SHOW_STATISTICS = 303;
    static constexpr int FIRST_NAME = 297, FIRST_POINTS = 300;

    explicit DIALOG_LISTE_KOMPLETT(VORDIX_FENSTER* parent);
    ~DIALOG_LISTE_KOMPLETT() override;

    void initDialog() override;
    void onCommand(int controlId) override;
    void onClosed() override;

    // Read when the list ended (the next game may already fill the sheet).
    std::array<std::wstring, 3> names;
    std::array<int, 3> results{};
    // The request of the user's list-end confirmation it answers on closing.
    std::uint32_t answersSerial = 0;
};

// The list-complete dialog that is shown now (null: none).
extern DIALOG_LISTE_KOMPLETT* openListCompleteDialog;
