// The open-game advice put into words from the text table.

#include "skat/app/OpenAdviceText.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"

#include <gtest/gtest.h>

namespace {

constexpr CardId CLUBS_JACK = 14;
constexpr CardId HEARTS_ACE = 38;
constexpr CardId HEARTS_SEVEN = 31;
constexpr CardId DIAMONDS_TEN = 47;

OpenGameAdvice advice(bool declarer, AdviceVerdict verdict, AdviceForecast forecast, CardId card, AdvicePlay play,
                      bool only = false, std::initializer_list<CardId> alternatives = {})
{
    OpenGameAdvice a;
    a.addressesDeclarer = declarer;
    a.verdict = verdict;
    a.forecast = forecast;
    a.card = card;
    a.play = play;
    a.onlyCard = only;
    for (CardId c : alternatives)
        a.alternatives[static_cast<std::size_t>(a.alternativeCount++)] = c;
    return a;
}

TEST(OpenAdviceText, SentencesInBothLanguages)
{
    using V = AdviceVerdict;
    using F = AdviceForecast;
    using P = AdvicePlay;
    struct Case {
        OpenGameAdvice advice;
        const wchar_t* german;
        const wchar_t* english;
    };
    const Case cases[] = {
        {advice(true, V::ALREADY_WON, F::NONE, CLUBS_JACK, P::LEAD),
         L"Du hast das Spiel bereits gewonnen.\nIch würde Kreuz Bube ausspielen.",
         L"You have already won the game.\nI would play Clubs Jack to lead."},
        {advice(false, V::ALREADY_LOST, F::NONE, HEARTS_SEVEN, P::ADD),
         L"Ihr habt das Spiel bereits verloren.\nIch würde Herz 7 zugeben.",
         L"Your side has already lost the game.\nI would play Hearts 7 on the trick."},
        {advice(false, V::NONE, F::WILL_WIN, CLUBS_JACK, P::TRUMP, true),
         L"Ihr werdet das Spiel voraussichtlich gewinnen.\nDu musst mit Kreuz Bube stechen.",
         L"Your side will probably win the game.\nYou must play Clubs Jack to trump."},
        {advice(true, V::NONE, F::WILL_LOSE, HEARTS_ACE, P::TAKE_OVER),
         L"Du wirst das Spiel voraussichtlich verlieren.\nIch würde mit Herz Ass übernehmen.",
         L"You will probably lose the game.\nI would play Hearts Ace to take the trick."},
        {advice(true, V::NONE, F::NONE, HEARTS_SEVEN, P::ADD, false, {HEARTS_ACE, DIAMONDS_TEN}),
         L"Ich schlage Herz 7 oder Herz Ass oder Karo 10 vor.", L"I suggest Hearts 7 or Hearts Ace or Diamonds 10."},
        // Without a card only the sentence on the game.
        {advice(false, V::NONE, F::WILL_LOSE, NO_CARD, P::LEAD), L"Ihr werdet das Spiel voraussichtlich verlieren.\n",
         L"Your side will probably lose the game.\n"},
    };
    for (bool english : {false, true}) {
        const SKAT_TEXT texts(skat::resourceFile({}, L"Skat_Text.xml"), english);
        for (const Case& c : cases)
            EXPECT_EQ(openGameAdviceText(c.advice, texts), english ? c.english : c.german);
    }
}

} // namespace
