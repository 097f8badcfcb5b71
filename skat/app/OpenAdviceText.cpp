#include "skat/app/OpenAdviceText.h"

#include "skat/app/SkatText.h"

namespace {

TextKey verdictKey(const OpenGameAdvice& advice)
{
    const bool won = advice.verdict == AdviceVerdict::ALREADY_WON;
    if (advice.addressesDeclarer)
        return won ? TextKey::Tipp_Du_hast_bereits_gewonnen : TextKey::Tipp_Du_hast_bereits_verloren;
    return won ? TextKey::Tipp_Ihr_habt_bereits_gewonnen : TextKey::Tipp_Ihr_habt_bereits_verloren;
}

TextKey forecastKey(const OpenGameAdvice& advice)
{
    const bool win = advice.forecast == AdviceForecast::WILL_WIN;
    if (advice.addressesDeclarer)
        return win ? TextKey::Tipp_Du_wirst_voraussichtlich_gewinnen : TextKey::Tipp_Du_wirst_voraussichtlich_verlieren;
    return win ? TextKey::Tipp_Ihr_werdet_voraussichtlich_gewinnen : TextKey::Tipp_Ihr_werdet_voraussichtlich_verlieren;
}

TextKey verbKey(AdvicePlay play)
{
    switch (play) {
    case AdvicePlay::LEAD: return TextKey::Tipp_ausspielen;
    case AdvicePlay::TRUMP: return TextKey::Tipp_stechen;
    case AdvicePlay::TAKE_OVER: return TextKey::Tipp_uebernehmen;
    case AdvicePlay::ADD: break;
    }
    return TextKey::Tipp_zugeben;
}

// Taking the trick reads "with" the card in German.
bool takes(AdvicePlay play) { return play == AdvicePlay::TRUMP || play == AdvicePlay::TAKE_OVER; }

} // namespace

std::wstring openGameAdviceText(const OpenGameAdvice& advice, const SKAT_TEXT& texts)
{
    std::wstring out;
    if (advice.verdict != AdviceVerdict::NONE)
        out += texts.text(verdictKey(advice)) + L"\n";
    else if (advice.forecast != AdviceForecast::NONE)
        out += texts.text(forecastKey(advice)) + L"\n";
    if (advice.card == NO_CARD)
        return out;
    const std::wstring card = texts.cardName(advice.card);
    if (advice.onlyCard) {
        out += texts.text(takes(advice.play) ? TextKey::Tipp_Du_musst_mit : TextKey::Tipp_Du_musst) + card
               + texts.text(verbKey(advice.play));
    } else if (advice.alternativeCount > 0) {
        std::wstring cards = card;
        for (int i = 0; i < advice.alternativeCount; ++i)
            cards += texts.text(TextKey::Tipp_oder) + texts.cardName(advice.alternatives[static_cast<std::size_t>(i)]);
        out += skat::formatText(std::wstring_view(texts.text(TextKey::Tipp_Ich_schlage_S_vor)), {skat::TextArg(cards)});
    } else {
        out += texts.text(takes(advice.play) ? TextKey::Tipp_Ich_wuerde_mit : TextKey::Tipp_Ich_wuerde) + card
               + texts.text(verbKey(advice.play));
    }
    return out;
}

std::wstring openGameAdviceText(const OpenGameAdvice& advice)
{
    return openGameAdviceText(advice, SKAT_TEXT::instance());
}
