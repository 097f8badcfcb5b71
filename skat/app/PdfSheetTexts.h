#pragma once
// Headings and words of the PDF score sheet, in German or English. They are
// kept together here so they can move into the program's text table as rows.

#include <string>

struct PdfSheetTexts {
    std::wstring title;            // PdfListe_SkatSpielliste
    std::wstring result;           // PdfListe_Ergebnis
    std::wstring gamesWon;         // PdfListe_gewonneneSpiele
    std::wstring gamesLost;        // PdfListe_verloreneSpiele
    std::wstring opponentsLost;    // PdfListe_verloreneSpielederGegner
    std::wstring finalResult;      // PdfListe_Endergebnis
    std::wstring carry;            // PdfListe_Uebertrag
    std::wstring winLevels;        // PdfListe_Gewinnstufen
    std::wstring gameValue;        // PdfListe_Spielwert
    std::wstring seat[4];          // PdfListe_Platz1 .. PdfListe_Platz4
    std::wstring name;             // PdfListe_Name
    std::wstring runningNumber;    // PdfListe_laufendeNummer
    std::wstring baseValues;       // PdfListe_Grundwerte
    std::wstring jacks;            // PdfListe_Buben
    std::wstring matadors;         // PdfListe_Spitzen
    std::wstring with;             // PdfListe_mit
    std::wstring without;          // PdfListe_ohne
    std::wstring hand;             // PdfListe_Handspiel
    std::wstring schneider;        // PdfListe_Schneider
    std::wstring schneiderAnnounced; // PdfListe_Schneiderangesagt
    std::wstring schwarz;          // PdfListe_Schwarz
    std::wstring schwarzAnnounced; // PdfListe_Schwarzangesagt
    std::wstring ouvert;           // PdfListe_offen
    std::wstring won;              // PdfListe_gew
    std::wstring lost;             // PdfListe_verl
    std::wstring passedIn;         // PdfListe_eingepassteSpiele
    // printf format of the tariff line with one double (cents per point).
    std::wstring tariffLine;
    // Shown when the export failed: the file's path, then the reason.
    std::wstring exportFailed;
    // Words of a game row.
    std::wstring ramsch;
    std::wstring kontra;
    std::wstring re;
    std::wstring bock;
};

enum class PdfLanguage { German, English };

// The shipped texts of one language.
PdfSheetTexts pdfSheetTexts(PdfLanguage language);
