#pragma once
// The game's bug report: a description typed by the user and the game the
// history window shows, written as a one-game score sheet, mailed to the
// bug-report address. The sheet travels as the attached file "Verlauf.skt".
// Without an address or a mail program the report is saved where the user
// says (proposed: "Fehlerbericht.txt" in the documents folder); typed text
// that went nowhere stays in the dialog for the next time.

#include "vordix/Dialog.h"

#include <string>

class EIN_SPIEL;
class VORDIX_FENSTER;
class VORDIX_STREAM;

class DIALOG_BUGREPORT : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 362;
    static constexpr int DESCRIPTION_ID = 363;
    static constexpr int SEND_ID = 364;
    static constexpr int CANCEL_ID = 2;

    explicit DIALOG_BUGREPORT(VORDIX_FENSTER* parent);
    ~DIALOG_BUGREPORT() override;

    // The game to report (not owned); empties the description field unless
    // it holds a description that was neither sent nor saved.
    void prepare(const EIN_SPIEL* game);
    // A document to report when no game is set (not owned).
    void setDocument(const VORDIX_STREAM* document) { document_ = document; }

    void onCommand(int controlId) override;
    void onClosed() override;

    const std::wstring& description() const { return description_; }
    // The mail's body: the description and two line feeds.
    std::string body() const;
    // The attached XML: the game as a one-game sheet, else the document;
    // empty when there is neither.
    std::string reportXml() const;

    // The recipient; empty when the build names none (SKAT_BUG_REPORT_ADDRESS).
    static std::string address();
    // Replaces the recipient (tests); returns the previous one.
    static std::string setAddress(std::string address);

private:
    void send();
    // Saves body and XML where the user says; false when cancelled or failed.
    bool save(const std::string& xml);

    const EIN_SPIEL* game_ = nullptr;
    const VORDIX_STREAM* document_ = nullptr;
    std::wstring description_;
    bool unsent_ = false; // description_ went nowhere
};
