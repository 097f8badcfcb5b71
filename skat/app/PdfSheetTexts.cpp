#include "skat/app/PdfSheetTexts.h"

#include "skat/app/SkatText.h"
#include "skat/app/TextTable.h"
#include "vordix/Utf8.h"

#include <functional>

namespace {

using Member = std::wstring PdfSheetTexts::*;

struct Entry {
    Member member;
    TextKey key;
};

const Entry ENTRIES[] = {
    {&PdfSheetTexts::title, TextKey::PdfListe_SkatSpielliste},
    {&PdfSheetTexts::result, TextKey::PdfListe_Ergebnis},
    {&PdfSheetTexts::gamesWon, TextKey::PdfListe_gewonneneSpiele},
    {&PdfSheetTexts::gamesLost, TextKey::PdfListe_verloreneSpiele},
    {&PdfSheetTexts::opponentsLost, TextKey::PdfListe_verloreneSpielederGegner},
    {&PdfSheetTexts::finalResult, TextKey::PdfListe_Endergebnis},
    {&PdfSheetTexts::carry, TextKey::PdfListe_Uebertrag},
    {&PdfSheetTexts::winLevels, TextKey::PdfListe_Gewinnstufen},
    {&PdfSheetTexts::gameValue, TextKey::PdfListe_Spielwert},
    {&PdfSheetTexts::name, TextKey::PdfListe_Name},
    {&PdfSheetTexts::runningNumber, TextKey::PdfListe_laufendeNummer},
    {&PdfSheetTexts::baseValues, TextKey::PdfListe_Grundwerte},
    {&PdfSheetTexts::jacks, TextKey::PdfListe_Buben},
    {&PdfSheetTexts::matadors, TextKey::PdfListe_Spitzen},
    {&PdfSheetTexts::with, TextKey::PdfListe_mit},
    {&PdfSheetTexts::without, TextKey::PdfListe_ohne},
    {&PdfSheetTexts::hand, TextKey::PdfListe_Handspiel},
    {&PdfSheetTexts::schneider, TextKey::PdfListe_Schneider},
    {&PdfSheetTexts::schneiderAnnounced, TextKey::PdfListe_Schneiderangesagt},
    {&PdfSheetTexts::schwarz, TextKey::PdfListe_Schwarz},
    {&PdfSheetTexts::schwarzAnnounced, TextKey::PdfListe_Schwarzangesagt},
    {&PdfSheetTexts::ouvert, TextKey::PdfListe_offen},
    {&PdfSheetTexts::won, TextKey::PdfListe_gew},
    {&PdfSheetTexts::lost, TextKey::PdfListe_verl},
    {&PdfSheetTexts::passedIn, TextKey::PdfListe_eingepassteSpiele},
    {&PdfSheetTexts::tariffLine, TextKey::PdfListe_Tarifzeile},
    {&PdfSheetTexts::exportFailed, TextKey::PdfListe_Export_fehlgeschlagen},
    {&PdfSheetTexts::ramsch, TextKey::Spieltyp_Ramsch},
    {&PdfSheetTexts::kontra, TextKey::Element_Kontra},
    {&PdfSheetTexts::re, TextKey::Element_Re},
    {&PdfSheetTexts::bock, TextKey::PdfListe_Bock},
};

const TextKey SEATS[4] = {TextKey::PdfListe_Platz1, TextKey::PdfListe_Platz2, TextKey::PdfListe_Platz3,
                          TextKey::PdfListe_Platz4};

PdfSheetTexts collect(const std::function<std::wstring(TextKey)>& text)
{
    PdfSheetTexts texts;
    for (const Entry& e : ENTRIES)
        texts.*e.member = text(e.key);
    for (int i = 0; i < 4; ++i)
        texts.seat[i] = text(SEATS[i]);
    return texts;
}

} // namespace

PdfSheetTexts pdfSheetTexts()
{
    return collect([](TextKey key) { return skat::text(key); });
}

PdfSheetTexts pdfSheetTexts(PdfLanguage language)
{
    return collect([language](TextKey key) {
        const TextTableRow& row = textTableRows().at(static_cast<std::size_t>(key));
        const bool english = language == PdfLanguage::English && row.english && *row.english;
        return vordix::fromUtf8(english ? row.english : row.german);
    });
}
