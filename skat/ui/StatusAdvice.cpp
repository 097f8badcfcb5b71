#include "skat/ui/StatusAdvice.h"

#include "skat/app/OpenAdviceText.h"
#include "skat/app/SkatText.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/ui/TableSnapshot.h"

namespace status_advice {

namespace {

const COMPUTER_LOGIK* computerLogic(const PLAYER& player)
{
    return dynamic_cast<const COMPUTER_LOGIK*>(&player.logic());
}

} // namespace

std::wstring proposedGameWords(const PLAYER& player)
{
    const GameProposal& proposal = player.proposal();
    const bool grandOuvert = proposal.type == GAME_GRAND_OUVERT;
    const GameType type = grandOuvert ? GAME_GRAND : proposal.type;
    std::wstring words = SKAT_TEXT::instance().gameTypeName(type);
    if (proposal.winLevel >= 2)
        words += L" " + skat::text(TextKey::Element_Hand);
    if (proposal.winLevel == 1 || proposal.winLevel == 5 || grandOuvert)
        words += L" " + skat::text(TextKey::Element_ouvert);
    return words;
}

std::wstring biddingAdvice(const PLAYER& player, const TableSnapshot& table)
{
    const GameProposal& proposal = player.proposal();
    if (proposal.bidLimit <= 0)
        return skat::text(TextKey::Vorschlag_Ich_wuerde_nicht_spielen_Kein_Vorschlag);
    std::wstring text = skat::formatText(TextKey::Vorschlag_Du_kannst_bis_x_ein_y_reizen,
                                         {proposal.bidLimit, proposedGameWords(player)});
    if (table.record.GEREIZT > proposal.bidLimit)
        text += L"\n" + skat::text(TextKey::Vorschlag_Hoeher_Gereizt);
    return text;
}

std::wstring announcementSummary(const PLAYER& player)
{
    if (player.proposal().bidLimit <= 0)
        return skat::text(TextKey::Vorschlag_Ich_wuerde_nicht_spielen_Kein_Vorschlag);
    return skat::formatText(TextKey::Vorschlag_Spiel_1, {proposedGameWords(player)});
}

std::wstring gameAdvice(const PLAYER& player)
{
    std::wstring text = skat::formatText(TextKey::Vorschlag_Spiel_1, {proposedGameWords(player)});
    const int level = player.proposal().level;
    if (level == 1)
        text += L" " + skat::text(TextKey::Vorschlag_Schneider);
    if (level >= 2)
        text += L" " + skat::text(TextKey::Vorschlag_Schwarz);
    return text;
}

std::wstring handGameAdvice(const PLAYER& player)
{
    if (player.proposal().winLevel < 2)
        return skat::text(TextKey::Vorschlag_Ich_haette_nicht_Hand_gespielt);
    return gameAdvice(player);
}

std::wstring suitPatternAdvice(const PLAYER& player, CardSet hand, Suit suit)
{
    const COMPUTER_LOGIK* logic = computerLogic(player);
    return logic ? logic->vorlogik.suitPatternText(hand, suit) : std::wstring{};
}

std::wstring openGameAdvice(const PLAYER& player)
{
    const COMPUTER_LOGIK* logic = computerLogic(player);
    OpenGameAdvice advice;
    if (!logic || !openGameAdviceFrom(logic->openAnalysis(), advice))
        return {};
    return openGameAdviceText(advice);
}

} // namespace status_advice
