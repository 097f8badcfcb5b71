#pragma once
// The game's bug report: a description typed by the user and the game the
// history window shows, written as a one-game score sheet, mailed to the
// bug-report address. The sheet travels as the attached file "Verlauf.skt".

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

    // The game to report (not owned); empties the description field.
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

private:
    void send();

    const EIN_SPIEL* game_ = nullptr;
    const VORDIX_STREAM* document_ = nullptr;
    std::wstring description_;
};
