#pragma once
// Headings and words of the PDF score sheet, read from the program's text
// table (rows PdfListe_... of skat/app/texttable/SkatTexts.tsv).

#include <string>

struct PdfSheetTexts {
    std::wstring title;              // PdfListe_SkatSpielliste
    std::wstring result;             // PdfListe_Ergebnis
    std::wstring gamesWon;           // PdfListe_gewonneneSpiele
    std::wstring gamesLost;          // PdfListe_verloreneSpiele
    std::wstring opponentsLost;      // PdfListe_verloreneSpielederGegner
    std::wstring finalResult;        // PdfListe_Endergebnis
    std::wstring carry;              // PdfListe_Uebertrag
    std::wstring winLevels;          // PdfListe_Gewinnstufen
    std::wstring gameValue;          // PdfListe_Spielwert
    std::wstring seat[4];            // PdfListe_Platz1 .. PdfListe_Platz4
    std::wstring name;               // PdfListe_Name
    std::wstring runningNumber;      // PdfListe_laufendeNummer
    std::wstring baseValues;         // PdfListe_Grundwerte
    std::wstring jacks;              // PdfListe_Buben
    std::wstring matadors;           // PdfListe_Spitzen
    std::wstring with;               // PdfListe_mit
    std::wstring without;            // PdfListe_ohne
    std::wstring hand;               // PdfListe_Handspiel
    std::wstring schneider;          // PdfListe_Schneider
    std::wstring schneiderAnnounced; // PdfListe_Schneiderangesagt
    std::wstring schwarz;            // PdfListe_Schwarz
    std::wstring schwarzAnnounced;   // PdfListe_Schwarzangesagt
    std::wstring ouvert;             // PdfListe_offen
    std::wstring won;                // PdfListe_gew
    std::wstring lost;               // PdfListe_verl
    std::wstring passedIn;           // PdfListe_eingepassteSpiele
    // The tariff line with "%.2f" for the tariff (PdfListe_Tarifzeile).
    std::wstring tariffLine;
    // Shown when the export failed: "%ls" the file's path, then "%ls" the
    // reason (PdfListe_Export_fehlgeschlagen).
    std::wstring exportFailed;
    // Words of a game row (Spieltyp_Ramsch, Element_Kontra, Element_Re,
    // PdfListe_Bock).
    std::wstring ramsch;
    std::wstring kontra;
    std::wstring re;
    std::wstring bock;
};

enum class PdfLanguage { German, English };

// The texts of the program's text object, in the program's language.
PdfSheetTexts pdfSheetTexts();
// The built-in texts of one language (tests and tools).
PdfSheetTexts pdfSheetTexts(PdfLanguage language);
