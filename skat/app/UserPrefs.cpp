#include "skat/app/UserPrefs.h"

#include "skat/app/PrefDefaults.h"

#include <charconv>
#include <cmath>

namespace skat::prefs {

wchar_t encode(int value) { return static_cast<wchar_t>(64 + value); }

int decode(wchar_t character) { return static_cast<int>(character) - 64; }

namespace {

// Stored positions 0..12 of the rule values; position 4 is the Kontra variant.
// clang-format off
bool RuleSettings::*const ruleFlags[13] = {
    &RuleSettings::grandOuvert36,     &RuleSettings::lostHandSingle,   &RuleSettings::schneiderAt91,
    &RuleSettings::kontraRe,          nullptr,                         &RuleSettings::kontraOnlyFrom18,
    &RuleSettings::bockRounds,        &RuleSettings::bockOn60To60,     &RuleSettings::bockOnLostKontra,
    &RuleSettings::bockOnWonKontra,   &RuleSettings::bockOnDefenders90, &RuleSettings::bockOnDeclarer90,
    &RuleSettings::ramschAfterPass,
};
// clang-format on
constexpr int KONTRA_VARIANT_POSITION = 4;

} // namespace

void deriveRuleSet(RuleSettings& rules)
{
    if (rules.kontraRe || rules.bockRounds || rules.ramschAfterPass || rules.schneiderAt91)
        rules.ruleSet = RULESET_PUB;
    else if (!rules.grandOuvert36 && !rules.lostHandSingle)
        rules.ruleSet = RULESET_INTERNATIONAL;
    else if (rules.grandOuvert36 && rules.lostHandSingle)
        rules.ruleSet = RULESET_FORMER;
    else
        rules.ruleSet = RULESET_PUB;
}

void chooseRuleSet(RuleSettings& rules, int choice)
{
    rules.ruleSet = choice;
    if (choice == RULESET_INTERNATIONAL || choice == RULESET_FORMER) {
        rules.grandOuvert36 = rules.lostHandSingle = choice == RULESET_FORMER;
        rules.ramschAfterPass = rules.bockRounds = rules.kontraRe = rules.schneiderAt91 = false;
    }
}

std::wstring encodeRules(const RuleSettings& rules)
{
    std::wstring text;
    for (int position = 0; position < 13; ++position) {
        if (position == KONTRA_VARIANT_POSITION)
            text += encode(rules.kontraVariant);
        else
            text += encode(rules.*ruleFlags[position] ? 1 : 0);
    }
    return text;
}

bool decodeRules(const std::wstring& text, RuleSettings& rules)
{
    if (text.size() != 12 && text.size() != 13)
        return false;
    for (size_t position = 0; position < text.size(); ++position) {
        if (position == KONTRA_VARIANT_POSITION)
            rules.kontraVariant = decode(text[position]);
        else
            rules.*ruleFlags[position] = decode(text[position]) != 0;
        deriveRuleSet(rules);
    }
    return true;
}

std::wstring formatTariff(float tariff)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(tariff), std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return L"1.00";
    return std::wstring(buffer, result.ptr);
}

bool parseTariff(const std::wstring& text, float& tariff)
{
    std::string narrow;
    for (wchar_t c : text) {
        if (c == L' ' || c == L'\t')
            continue;
        if (c > 0x7f)
            return false;
        // A comma written under a German locale by an older version.
        narrow += c == L',' ? '.' : static_cast<char>(c);
    }
    if (narrow.empty())
        return false;
    double value = 0;
    const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != narrow.data() + narrow.size())
        return false;
    if (!std::isfinite(value) || value < 0 || value > 1e6)
        return false;
    tariff = static_cast<float>(value);
    return true;
}

} // namespace skat::prefs

using namespace skat::prefs;

namespace {

USER_PREFS*& singleton()
{
    static USER_PREFS* prefs = nullptr;
    return prefs;
}

constexpr wchar_t FIRST_START_MARK = L'A';
constexpr int SETTINGS_VERSION = 900;

bool flagOf(const std::wstring& value, bool missing) { return value.empty() ? missing : decode(value[0]) != 0; }

std::wstring flagText(bool on) { return std::wstring(1, encode(on ? 1 : 0)); }

std::wstring numberText(int value) { return std::wstring(1, encode(value)); }

} // namespace

USER_PREFS& USER_PREFS::instance()
{
    if (!singleton())
        singleton() = new USER_PREFS;
    return *singleton();
}

void USER_PREFS::destroyInstance()
{
    delete singleton();
    singleton() = nullptr;
}

void USER_PREFS::installInstance(std::unique_ptr<USER_PREFS> prefs)
{
    delete singleton();
    singleton() = prefs.release();
}

USER_PREFS::USER_PREFS() { applyThemeColours(); }

USER_PREFS::USER_PREFS(std::unique_ptr<VORDIX_PREFERENCE_imp> store) : VORDIX_PREFERENCE(std::move(store))
{
    applyThemeColours();
}

bool USER_PREFS::read(int id, std::wstring& value)
{
    const bool ok = getValue(id, value);
    lastAccessOk = ok;
    if (!ok)
        value.clear();
    return !value.empty();
}

void USER_PREFS::write(int id, const std::wstring& value) { lastAccessOk = setValue(id, value); }

void USER_PREFS::load()
{
    std::wstring value;

    // 1. Settings stamp: two characters c0, c1 with c1 * 128 + c0.
    read(PREF_SETTINGS_VERSION, value);
    const bool stampCurrent =
        value.size() >= 2 && static_cast<long>(value[1]) * 128 + static_cast<long>(value[0]) >= SETTINGS_VERSION;
    if (!stampCurrent)
        write(PREF_SETTINGS_VERSION, {wchar_t(SETTINGS_VERSION % 128), wchar_t(SETTINGS_VERSION / 128)});

    // 2. First start: a stale stamp counts as one.
    const bool marked = read(PREF_FIRST_START, value) && value[0] == FIRST_START_MARK;
    firstStart = !(marked && stampCurrent);
    freshInstall = !marked;
    if (firstStart)
        write(PREF_FIRST_START, std::wstring(1, FIRST_START_MARK));

    // 3. Names.
    const int nameIds[3] = {PREF_NAME_SEAT_1, PREF_NAME_SEAT_2, PREF_NAME_SEAT_3};
    for (int i = 0; i < 3; ++i)
        playerNames[i] = read(nameIds[i], value) ? value : skat::defaultSeatName(i);
    playerNames[3] = read(PREF_NAME_PLAYER_4, value) ? value : std::wstring();

    // 4. Comments: comment flag 0 and manual cutting always start off.
    if (read(PREF_COMMENTS, value) && value.size() >= 4) {
        mouseOption = decode(value[2]) != 0;
        manualTrickClearing = decode(value[3]) != 0;
    } else {
        mouseOption = true;
        manualTrickClearing = false;
    }
    commentFlag0 = false;
    manualCut = false;

    // 5. Sound and full screen.
    read(PREF_SOUND, value);
    sound = flagOf(value, true);
    read(PREF_FULLSCREEN, value);
    fullScreen = flagOf(value, true);

    // 6. Theme.
    tableTheme = read(PREF_TABLE_THEME, value) ? decode(value[0]) : THEME_PUB;
    if (tableTheme < THEME_MOUNTAINS || tableTheme > THEME_MONO)
        tableTheme = THEME_PUB;
    applyThemeColours();

    // 7. Rule set.
    if (read(PREF_RULE_SET, value)) {
        setRuleSet(decode(value[0]));
    } else {
        rules.ruleSet = RULESET_INTERNATIONAL;
        rules.grandOuvert36 = rules.lostHandSingle = rules.schneiderAt91 = false;
        rules.kontraRe = rules.bockRounds = rules.ramschAfterPass = false;
    }

    // 8. Rule values.
    if (!read(PREF_RULES, value)) {
        rules.kontraRe = false;
        rules.kontraVariant = 1;
        rules.kontraOnlyFrom18 = false;
        rules.bockRounds = false;
        rules.ramschAfterPass = false;
        rules.bockOn60To60 = rules.bockOnLostKontra = rules.bockOnWonKontra = false;
        rules.bockOnDefenders90 = rules.bockOnDeclarer90 = false;
        deriveRuleSet();
    } else {
        decodeRules(value, rules);
    }
    if (rules.ruleSet < RULESET_INTERNATIONAL || rules.ruleSet > RULESET_PUB)
        deriveRuleSet();
    if (rules.kontraVariant != 1 && rules.kontraVariant != 2)
        rules.kontraVariant = 1;

    // 9. Tariff, in the C locale.
    tariff = 1.0f;
    if (read(PREF_TARIFF, value))
        parseTariff(value, tariff);

    // 10. Scoring.
    scoring = read(PREF_SCORING, value) ? decode(value[0]) : SCORING_SEEGER_FABIAN;
    if (scoring < SCORING_CLASSIC || scoring > SCORING_BIERLACHS)
        scoring = SCORING_SEEGER_FABIAN;

    // 11, 12. Option 28, free games, take-back shortcut.
    read(PREF_OPTION_28, value);
    option28 = flagOf(value, false);
    read(PREF_ENTER_FREE_GAMES, value);
    enterFreeGames = flagOf(value, false);
    read(PREF_TAKE_BACK_SHORTCUT, value);
    takeBackShortcut = flagOf(value, true);

    // 13. Speed: an unknown character keeps the value.
    if (read(PREF_SPEED, value)) {
        const int step = decode(value[0]);
        if (step >= 0 && step <= 3)
            playDelayMs = step * 500;
    } else {
        playDelayMs = 500;
    }

    // 14. Playing style and memory.
    for (auto [id, member] : {std::pair{PREF_PLAY_STYLE, &playStyle}, std::pair{PREF_MEMORY, &memory}}) {
        if (read(id, value)) {
            const int level = decode(value[0]);
            if (level >= 0 && level <= 2)
                *member = level;
        } else {
            *member = 1;
        }
    }

    // 15. Sorting.
    if (read(PREF_SORTING, value) && value.size() >= 3) {
        const int a = decode(value[0]), b = decode(value[1]), c = decode(value[2]);
        rankOrder = a == 1 || a == -1 ? a : -1;
        suitOrder = b >= -1 && b <= 1 ? b : 1;
        trumpsToJacks = c == 0 || c == 1 ? c != 0 : true;
    } else {
        rankOrder = -1;
        suitOrder = 0;
        trumpsToJacks = true;
    }

    publishRules();
}

void USER_PREFS::save()
{
    write(PREF_COMMENTS, {encode(commentFlag0), encode(manualCut), encode(mouseOption), encode(manualTrickClearing)});
    write(PREF_SOUND, flagText(sound));
    write(PREF_FULLSCREEN, flagText(fullScreen));
    write(PREF_TABLE_THEME, numberText(tableTheme));
    write(PREF_TAKE_BACK_SHORTCUT, flagText(takeBackShortcut));
    const bool knownDelay = playDelayMs == 0 || playDelayMs == 500 || playDelayMs == 1000 || playDelayMs == 1500;
    write(PREF_SPEED, knownDelay ? numberText(playDelayMs / 500) : std::wstring());
    write(PREF_PLAY_STYLE, numberText(playStyle));
    write(PREF_MEMORY, numberText(memory));
    write(PREF_SORTING, {encode(rankOrder), encode(suitOrder), encode(trumpsToJacks)});
    write(PREF_RULE_SET, numberText(rules.ruleSet));
    write(PREF_RULES, encodeRules(rules));
    write(PREF_TARIFF, formatTariff(tariff));
    write(PREF_SCORING, numberText(scoring));
    write(PREF_OPTION_28, flagText(option28));
    write(PREF_ENTER_FREE_GAMES, flagText(enterFreeGames));
}

void USER_PREFS::setRuleSet(int choice) { chooseRuleSet(rules, choice); }

void USER_PREFS::deriveRuleSet() { skat::prefs::deriveRuleSet(rules); }

void USER_PREFS::applyThemeColours()
{
    static constexpr ThemeColour mountains[4] = {{705, 999, 509}, {579, 818, 160}, {380, 544, 86}, {603, 709, 387}};
    static constexpr ThemeColour island[4] = {{991, 857, 556}, {940, 783, 423}, {470, 329, 0}, {677, 501, 82}};
    static constexpr ThemeColour pub[4] = {{908, 677, 427}, {908, 583, 235}, {380, 137, 7}, {709, 285, 35}};
    const ThemeColour* colours = tableTheme == THEME_MOUNTAINS                         ? mountains
                                 : tableTheme == THEME_ISLAND                          ? island
                                 : tableTheme == THEME_PUB || tableTheme == THEME_MONO ? pub
                                                                                       : nullptr;
    if (!colours)
        return;
    for (int i = 0; i < 4; ++i)
        themeColour[i] = colours[i];
}

ThemeColour USER_PREFS::themeColours() const
{
    if (tableTheme == THEME_ISLAND)
        return themeColour[0];
    if (tableTheme == THEME_MONO)
        return {999, 999, 999};
    return {0, 0, 0};
}

void USER_PREFS::publishRules() const { setCurrentRules(rules); }

void USER_PREFS::setPlayerName(int index, const std::wstring& name)
{
    static constexpr int ids[4] = {PREF_NAME_SEAT_1, PREF_NAME_SEAT_2, PREF_NAME_SEAT_3, PREF_NAME_PLAYER_4};
    if (index < 0 || index > 3)
        return;
    playerNames[index] = name;
    write(ids[index], name);
}

std::wstring USER_PREFS::cardSetName()
{
    std::wstring value;
    const bool ok = getValue(PREF_CARD_SET, value);
    lastAccessOk = ok;
    return ok ? value : skat::frenchCardSetName();
}

void USER_PREFS::setCardSetName(const std::wstring& name) { write(PREF_CARD_SET, name); }
