#include "skat/engine/Spielstruct.h"

#include "skat/engine/BidTable.h"
#include "skat/engine/XmlKeys.h"
#include "vordix/XmlHelpers.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>
#include <tinyxml2.h>
#include <type_traits>
#include <vector>

namespace {

const char* const TEXT_ELEMENTS[TEXT_FIRST_STICHTEXT] = {"TITEL", "KOMMENTAR", "GRUPPE", "REIZTEXT",
                                                         "SPIELVORSCHLAGTEXT"};
const char* const TRICK_TEXT_ELEMENT = "STICHTEXT";

// Blank-separated decimal numbers ("%d %d %d"); stops at the first non-number.
std::vector<int> parseNumbers(const char* text)
{
    std::vector<int> numbers;
    std::string_view rest = text ? text : "";
    while (true) {
        const auto start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        rest.remove_prefix(start);
        const auto value = vordix::xml::parseInt(rest);
        if (!value)
            break;
        numbers.push_back(*value);
        const auto end = rest.find(' ');
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end);
    }
    return numbers;
}

std::string joinNumbers(std::initializer_list<int> numbers)
{
    std::string text;
    for (int n : numbers) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(n);
    }
    return text;
}

bool flagAttribute(const tinyxml2::XMLElement& element, const char* name)
{
    return vordix::xml::intAttribute(&element, name, 0) != 0;
}

int inRangeOr(int value, int low, int high, int fallback) { return value >= low && value <= high ? value : fallback; }

// No game, however raised and doubled, comes near this value: a larger one
// in a file is damage, not a result.
inline constexpr int GAME_VALUE_LIMIT = 100000;
// Matadors: at most the eleven trumps of a suit game.
inline constexpr int MATADORS_LIMIT = 11;

} // namespace

SPIELSTRUCT::SPIELSTRUCT() { reset(); }

SPIELSTRUCT::~SPIELSTRUCT() = default;

void SPIELSTRUCT::reset()
{
    static_cast<SPIELSTRUCT_CORE&>(*this) = SPIELSTRUCT_CORE{};
    ruleSet = currentRules().ruleSet;
    texts_ = RecordTextBlock();
}

const RecordTexts& RecordTextBlock::get() const
{
    static const RecordTexts empty;
    return texts_ ? *texts_ : empty;
}

bool SPIELSTRUCT::isOverbid() const { return isOverbid(currentRules()); }

bool SPIELSTRUCT::isOverbid(const RuleSettings& rules) const
{
    return GEREIZT > std::abs(SPIELART.gameValue(SPITZEN, rules));
}

bool SPIELSTRUCT::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    if (element == nullptr)
        return false;
    readFields(*element);
    return true;
}

void SPIELSTRUCT::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const { writeFields(element); }

void SPIELSTRUCT::writeFields(tinyxml2::XMLElement& element) const
{
    using namespace vordix::xml;
    if (SPIELART.SPIEL_TYP == GAME_NONE) {
        setIntAttribute(element, "REIZ_INDEX", REIZ_INDEX);
        setIntAttribute(element, "REIZEN_DRAN", REIZEN_DRAN);
        setIntAttribute(element, "REIZEN_MODUS", REIZEN_MODUS);
    }
    element.SetAttribute("R", joinNumbers({GEREIZTBIS[0], GEREIZTBIS[1], GEREIZTBIS[2]}).c_str());
    element.SetAttribute("STR", joinNumbers({ALLEIN, SPITZEN, STUFE_DER_ABRECHNUNG, SPIELWERT}).c_str());
    if (KONTRA) {
        setIntAttribute(element, "KONTRA", 1);
        setIntAttribute(element, "KONTRA_WER", KONTRA_WER);
        setIntAttribute(element, "RE", RE ? 1 : 0);
    }
    if (BOCKRUNDE_NR != 0)
        setIntAttribute(element, "BOCKRUNDE_NR", BOCKRUNDE_NR);
    if (LOEST_BOCKRUNDE_AUS)
        setIntAttribute(element, "LOEST_BOCKRUNDE_AUS", 1);
    if (ALSP_AUFGEGEBEN)
        setIntAttribute(element, "ALSP_AUFGEGEBEN", 1);
    if (GEGNER_AUFGEGEBEN)
        setIntAttribute(element, "GEGNER_AUFGEGEBEN", 1);

    if (texts_.exists()) {
        const RecordTexts& block = texts_.get();
        for (int i = 0; i < RECORD_TEXT_COUNT; ++i) {
            if (block[i].empty())
                continue;
            const char* name = i < TEXT_FIRST_STICHTEXT ? TEXT_ELEMENTS[i] : TRICK_TEXT_ELEMENT;
            setElementText(*appendChild(element, name), block[i]);
        }
    }
    SPIELART.writeCompact(element);
}

bool SPIELSTRUCT::readFields(const tinyxml2::XMLElement& element)
{
    using namespace vordix::xml;
    reset();

    if (const tinyxml2::XMLElement* game = element.FirstChildElement("SPIELART"))
        SPIELART.read(game, *element.GetDocument());
    else
        SPIELART.readCompact(element);

    if (const char* str = element.Attribute("STR")) {
        const std::vector<int> v = parseNumbers(str);
        ALLEIN = v.size() > 0 ? v[0] : SEAT_NONE;
        SPITZEN = v.size() > 1 ? v[1] : 0;
        STUFE_DER_ABRECHNUNG = v.size() > 2 ? v[2] : 0;
        SPIELWERT = v.size() > 3 ? v[3] : 0;
    } else {
        ALLEIN = firstIntAttribute(element, {"A", "ALLEIN"}).value_or(SEAT_NONE);
        SPITZEN = firstIntAttribute(element, {"SP", "SPITZEN", "SPITZEN_ALSP"}).value_or(0);
        STUFE_DER_ABRECHNUNG = firstIntAttribute(element, {"ST", "STUFE", "STUFE_DER_ABRECHNUNG"}).value_or(0);
        SPIELWERT = firstIntAttribute(element, {"SW", "SPIELWERT"}).value_or(0);
    }
    SPIELERPOS = intAttribute(&element, "SPIELERPOS", 1);

    if (element.Attribute("KONTRA") != nullptr) {
        KONTRA = flagAttribute(element, "KONTRA");
        KONTRA_WER = intAttribute(&element, "KONTRA_WER", 0);
        RE = flagAttribute(element, "RE");
    }
    BOCKRUNDE_NR = intAttribute(&element, "BOCKRUNDE_NR", 0);
    LOEST_BOCKRUNDE_AUS = flagAttribute(element, "LOEST_BOCKRUNDE_AUS");
    ALSP_AUFGEGEBEN = flagAttribute(element, "ALSP_AUFGEGEBEN");
    GEGNER_AUFGEGEBEN = flagAttribute(element, "GEGNER_AUFGEGEBEN");

    std::vector<int> bids;
    if (const char* r = element.Attribute("R"))
        bids = parseNumbers(r);
    else if (element.Attribute("GEREIZTBIS_1") || element.Attribute("GEREIZTBIS_2")
             || element.Attribute("GEREIZTBIS_3"))
        bids = {intAttribute(&element, "GEREIZTBIS_1", 0), intAttribute(&element, "GEREIZTBIS_2", 0),
                intAttribute(&element, "GEREIZTBIS_3", 0)};
    else if (const char* old = element.Attribute("GEREIZT"))
        bids = parseNumbers(old);
    // Every bid is a value of the bid table.
    bool replaced = false;
    for (std::size_t seat = 0; seat < 3 && seat < bids.size(); ++seat) {
        GEREIZTBIS[seat] = inRangeOr(bids[seat], 0, BID_TABLE.back(), 0);
        replaced = replaced || GEREIZTBIS[seat] != bids[seat];
    }
    GEREIZT = std::max({0, GEREIZTBIS[0], GEREIZTBIS[1], GEREIZTBIS[2]});

    if (SPIELART.SPIEL_TYP == GAME_NONE) {
        REIZEN_DRAN = intAttribute(&element, "REIZEN_DRAN", SEAT_NONE);
        REIZ_INDEX = intAttribute(&element, "REIZ_INDEX", 0);
        REIZEN_MODUS = intAttribute(&element, "REIZEN_MODUS", 0);
    }

    for (int i = 0; i < TEXT_FIRST_STICHTEXT; ++i)
        if (const tinyxml2::XMLElement* text = element.FirstChildElement(TEXT_ELEMENTS[i]))
            texts()[i] = elementText(text);
    int trick = TEXT_FIRST_STICHTEXT;
    for (const tinyxml2::XMLElement* text = element.FirstChildElement(TRICK_TEXT_ELEMENT);
         text != nullptr && trick < RECORD_TEXT_COUNT; text = text->NextSiblingElement(TRICK_TEXT_ELEMENT))
        texts()[trick++] = elementText(text);

    return !limitToValidValues() && !replaced;
}

bool SPIELSTRUCT::limitToValidValues()
{
    bool replaced = false;
    auto limit = [&replaced](auto& field, int low, int high, int fallback) {
        if (field < low || field > high) {
            field = static_cast<std::remove_reference_t<decltype(field)>>(fallback);
            replaced = true;
        }
    };
    limit(SPIELART.SPIEL_TYP, GAME_NONE, GAME_RAMSCH, GAME_NONE);
    limit(SPIELART.GEWINN_STUFE, WIN_LEVEL_WITH_SKAT, WIN_LEVEL_OUVERT_HAND, WIN_LEVEL_WITH_SKAT);
    limit(SPIELART.STUFE, LEVEL_NONE, LEVEL_SCHWARZ, LEVEL_NONE);
    limit(ALLEIN, SEAT_NONE, 2, SEAT_NONE);
    limit(SPITZEN, -MATADORS_LIMIT, MATADORS_LIMIT, 0);
    limit(SPIELWERT, -GAME_VALUE_LIMIT, GAME_VALUE_LIMIT, 0);
    limit(KONTRA_WER, 0, 2, 0);
    limit(REIZEN_DRAN, SEAT_NONE, 2, SEAT_NONE);
    limit(REIZ_INDEX, 0, BID_TABLE_SIZE - 1, 0);
    limit(REIZEN_MODUS, 0, 2, 0);
    limit(BOCKRUNDE_NR, 0, std::numeric_limits<int>::max(), 0);
    return replaced;
}
