#include "skat/app/SkatText.h"

#include "skat/app/SkatFolders.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/EngineTexts.h"
#include "skat/engine/Karte.h"
#include "vordix/Application.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/MessageBox.h"

namespace {

std::unique_ptr<SKAT_TEXT>& singleton()
{
    static std::unique_ptr<SKAT_TEXT> text;
    return text;
}

constexpr const wchar_t* NOT_READABLE =
    L"Please install SKAT on a local disk. Bitte installieren Sie SKAT auf Ihre lokale Festplatte.";

} // namespace

SKAT_TEXT& SKAT_TEXT::instance()
{
    if (!singleton())
        singleton() = std::make_unique<SKAT_TEXT>();
    return *singleton();
}

void SKAT_TEXT::destroyInstance() { singleton().reset(); }

void SKAT_TEXT::installInstance(std::unique_ptr<SKAT_TEXT> text) { singleton() = std::move(text); }

SKAT_TEXT::SKAT_TEXT() : SKAT_TEXT(skat::resourceFile({}, L"Skat_Text.xml"), std::nullopt) { }

SKAT_TEXT::SKAT_TEXT(const VORDIX_FILE& source, std::optional<bool> language)
{
    english = language;
    loadResult_ = loadText(source);
    if (loadResult_ != DOCUMENT_OK)
        vordix::showMessageBox(vordix::MESSAGEBOX_CRITICAL, NOT_READABLE);
    file.close();
}

SKAT_TEXT::~SKAT_TEXT() = default;

bool SKAT_TEXT::germanCardFamily() const
{
    return USER_PREFS::instance().cardSetName() == text(TextKey::Kartenset_Deutsch);
}

std::wstring SKAT_TEXT::cardName(CardId card) const
{
    const KARTE* shared = cardById(card);
    const Suit suit = shared ? shared->suit() : SUIT_NONE;
    const Rank rank = shared ? shared->rank() : 0;
    return gameTypeName(suitGame(suit)) + L" " + rankName(rank);
}

const std::wstring& SKAT_TEXT::rankName(Rank rank) const
{
    switch (rank) {
    case 1: return text(TextKey::Kartenwert_7);
    case 2: return text(TextKey::Kartenwert_8);
    case 3: return text(TextKey::Kartenwert_9);
    case 4: return text(germanCardFamily() ? TextKey::Kartenwert_B_deutsch : TextKey::Kartenwert_B);
    case 5: return text(germanCardFamily() ? TextKey::Kartenwert_D_deutsch : TextKey::Kartenwert_D);
    case 6: return text(TextKey::Kartenwert_K);
    case 7: return text(TextKey::Kartenwert_10);
    case 8: return text(germanCardFamily() ? TextKey::Kartenwert_A_deutsch : TextKey::Kartenwert_A);
    default: return empty_;
    }
}

const std::wstring& SKAT_TEXT::jackWord() const
{
    return text(germanCardFamily() ? TextKey::Kartenwert_B_deutsch : TextKey::Kartenwert_Buben_deutsch);
}

const std::wstring& SKAT_TEXT::gameTypeName(GameType type) const
{
    static constexpr TextKey french[4] = {TextKey::Farbe_Kreuz, TextKey::Farbe_Pik, TextKey::Farbe_Herz,
                                          TextKey::Farbe_Karo};
    static constexpr TextKey german[4] = {TextKey::Farbe_Kreuz_deutsch, TextKey::Farbe_Pik_deutsch,
                                          TextKey::Farbe_Herz_deutsch, TextKey::Farbe_Karo_deutsch};
    static constexpr TextKey others[4] = {TextKey::Spieltyp_Grand, TextKey::Spieltyp_Grand_ouvert,
                                          TextKey::Spieltyp_Null, TextKey::Spieltyp_Ramsch};
    if (type >= 1 && type <= 4)
        return text((germanCardFamily() ? german : french)[type - 1]);
    if (type >= 5 && type <= 8)
        return text(others[type - 5]);
    return empty_;
}

const std::wstring& SKAT_TEXT::handRatingText(int index) const
{
    static constexpr TextKey ratings[8] = {TextKey::Bewertung_Risikoreich,
                                           TextKey::Bewertung_Kann_man_gewinnen,
                                           TextKey::Bewertung_Solide,
                                           TextKey::Bewertung_Klasse,
                                           TextKey::Bewertung_Hand,
                                           TextKey::Bewertung_Sicher,
                                           TextKey::Bewertung_Schwarz_moeglich,
                                           TextKey::Bewertung_Offen};
    return index >= 0 && index < 8 ? text(ratings[index]) : empty_;
}

const std::wstring& SKAT_TEXT::weakHandRatingText(int index) const
{
    static constexpr TextKey ratings[5] = {TextKey::Bewertung_Skat_finden, TextKey::Bewertung_Schade,
                                           TextKey::Bewertung_Mager, TextKey::Bewertung_Traurig,
                                           TextKey::Bewertung_Nicht_reizen};
    return index >= 1 && index <= 5 ? text(ratings[index - 1]) : text(TextKey::Bewertung_Risikofreudige);
}

namespace skat {

const std::wstring& text(TextKey key) { return SKAT_TEXT::instance().text(key); }

std::wstring formatText(TextKey key, std::initializer_list<TextArg> args)
{
    return formatText(std::wstring_view(text(key)), args);
}

bool textsAreEnglish() { return SKAT_TEXT::instance().readsEnglish(); }

bool chooseLanguage(bool english)
{
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    auto* application = factory ? factory->getApplication() : nullptr;
    if (!application)
        return false;
    application->setLanguage(english);
    return true;
}

namespace {

class TableEngineTexts : public ENGINE_TEXTS {
public:
    std::wstring rankWord(Rank rank) const override { return SKAT_TEXT::instance().rankName(rank); }
    std::wstring gameTypeName(GameType type) const override { return SKAT_TEXT::instance().gameTypeName(type); }
};

} // namespace

void installEngineTextsFromTable() { installEngineTexts(std::make_shared<TableEngineTexts>()); }

} // namespace skat
