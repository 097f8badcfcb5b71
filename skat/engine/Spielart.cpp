#include "skat/engine/Spielart.h"

#include "skat/engine/EngineTexts.h"
#include "skat/engine/SheetServices.h"
#include "skat/engine/XmlKeys.h"
#include "vordix/XmlHelpers.h"

#include <cstdlib>
#include <tinyxml2.h>

SPIELART::~SPIELART() = default;

bool SPIELART::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    if (element == nullptr)
        return false;
    SPIEL_TYP = static_cast<GameType>(firstIntAttribute(*element, {"TR", "TRUMPF"}).value_or(GAME_NONE));
    GEWINN_STUFE = firstIntAttribute(*element, {"TYP", "SPIEL_TYP"}).value_or(0);
    STUFE = firstIntAttribute(*element, {"GS", "GEWINN_STUFE", "STUFE"}).value_or(0);
    return true;
}

void SPIELART::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const { writeCompact(element); }

void SPIELART::writeCompact(tinyxml2::XMLElement& element) const
{
    vordix::xml::setIntAttribute(element, "TR", SPIEL_TYP);
    if (GEWINN_STUFE > 0)
        vordix::xml::setIntAttribute(element, "TYP", GEWINN_STUFE);
    if (STUFE > 0)
        vordix::xml::setIntAttribute(element, "GS", STUFE);
}

void SPIELART::readCompact(const tinyxml2::XMLElement& element)
{
    SPIEL_TYP = static_cast<GameType>(firstIntAttribute(element, {"TR", "TRUMPF"}).value_or(GAME_NONE));
    GEWINN_STUFE = firstIntAttribute(element, {"TYP", "SPIEL_TYP"}).value_or(0);
    STUFE = firstIntAttribute(element, {"GS", "GEWINN_STUFE"}).value_or(0);
}

void SPIELART::assign(GameType type, int winLevel, int level)
{
    SPIEL_TYP = type;
    GEWINN_STUFE = winLevel;
    STUFE = level;
}

int SPIELART::baseValue() const { return baseValue(currentRules()); }

int SPIELART::baseValue(const RuleSettings& rules) const
{
    switch (SPIEL_TYP) {
    case GAME_CLUBS: return 12;
    case GAME_SPADES: return 11;
    case GAME_HEARTS: return 10;
    case GAME_DIAMONDS: return 9;
    case GAME_GRAND: return 24;
    case GAME_GRAND_OUVERT: return rules.grandOuvert36 ? 36 : 24;
    case GAME_NULL:
        switch (GEWINN_STUFE) {
        case WIN_LEVEL_WITH_SKAT: return 23;
        case WIN_LEVEL_OUVERT: return 46;
        case WIN_LEVEL_HAND: return 35;
        case WIN_LEVEL_OUVERT_HAND: return 59;
        default: return 0;
        }
    case GAME_RAMSCH: return 1;
    default: return 0;
    }
}

GameType SPIELART::typeFromBaseValue(int baseValue)
{
    switch (baseValue) {
    case 12: return GAME_CLUBS;
    case 11: return GAME_SPADES;
    case 10: return GAME_HEARTS;
    case 9: return GAME_DIAMONDS;
    case 24: return GAME_GRAND;
    case 23:
    case 35:
    case 46:
    case 59: return GAME_NULL;
    case 1: return GAME_RAMSCH;
    default: return GAME_NONE;
    }
}

int SPIELART::levelCount() const { return levelCount(currentRules()); }

int SPIELART::levelCount(const RuleSettings& rules) const
{
    if (SPIEL_TYP == GAME_NULL || SPIEL_TYP == GAME_RAMSCH)
        return 1;
    switch (GEWINN_STUFE) {
    case WIN_LEVEL_HAND: return STUFE + 2;
    case WIN_LEVEL_SCHNEIDER_ANNOUNCED: return STUFE == LEVEL_SCHWARZ ? 5 : 4;
    case WIN_LEVEL_SCHWARZ_ANNOUNCED: return 6;
    case WIN_LEVEL_OUVERT_HAND: return SPIEL_TYP == GAME_GRAND_OUVERT && rules.grandOuvert36 ? 6 : 7;
    default: return STUFE + 1;
    }
}

int SPIELART::gameValue(int matadors) const { return gameValue(matadors, currentRules()); }

int SPIELART::gameValue(int matadors, const RuleSettings& rules) const
{
    if (SPIEL_TYP == GAME_NULL || SPIEL_TYP == GAME_RAMSCH)
        return baseValue(rules);
    return (levelCount(rules) + std::abs(matadors)) * baseValue(rules);
}

std::wstring SPIELART::typeName() const { return engineTexts()->gameTypeName(SPIEL_TYP); }

std::wstring SPIELART::description() const { return descriptionText(0); }

std::wstring SPIELART::descriptionText(int matadors) const
{
    auto services = sheetServices();
    std::wstring text = typeName();
    auto append = [&text](const std::wstring& word) {
        if (word.empty())
            return;
        if (!text.empty())
            text += L' ';
        text += word;
    };
    // An open suit or grand game is just "ouvert"; grand ouvert says so in its name.
    int levelWord = GEWINN_STUFE;
    if (GEWINN_STUFE == WIN_LEVEL_OUVERT_HAND && SPIEL_TYP != GAME_NULL)
        levelWord = SPIEL_TYP == GAME_GRAND_OUVERT ? WIN_LEVEL_WITH_SKAT : WIN_LEVEL_OUVERT;
    append(services->levelText(levelWord));
    if (SPIEL_TYP != GAME_NULL && SPIEL_TYP != GAME_RAMSCH)
        append(services->reachedLevelText(STUFE));
    const RuleSettings rules = currentRules();
    int levels = levelCount(rules);
    if (SPIEL_TYP != GAME_NULL && SPIEL_TYP != GAME_RAMSCH)
        levels += std::abs(matadors);
    append(L"(" + services->valueText(baseValue(rules), levels) + L")");
    return text;
}
