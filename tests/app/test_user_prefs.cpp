#include "MemoryPreferenceStore.h"

#include "skat/app/UserPrefs.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

std::wstring chars(std::initializer_list<int> codes)
{
    std::wstring text;
    for (int c : codes)
        text += static_cast<wchar_t>(c);
    return text;
}

struct PrefsFixture : ::testing::Test {
    std::shared_ptr<PreferenceValues> values = std::make_shared<PreferenceValues>();
    // A store whose stamp is current and first start is done.
    void markStarted()
    {
        (*values)[PREF_SETTINGS_VERSION] = chars({4, 7});
        (*values)[PREF_FIRST_START] = L"A";
    }
    std::unique_ptr<USER_PREFS> loaded()
    {
        auto prefs = std::make_unique<USER_PREFS>(std::make_unique<MemoryPreferenceStore>(values));
        prefs->load();
        return prefs;
    }
    void TearDown() override { setCurrentRules(RuleSettings{}); }
};

TEST_F(PrefsFixture, EmptyStoreGivesEveryDefaultAndWritesTheStamps)
{
    auto prefs = loaded();
    EXPECT_EQ(prefs->playerNames[0], L"Torvo");
    EXPECT_EQ(prefs->playerNames[1], L"Kazzle");
    EXPECT_EQ(prefs->playerNames[2], L"Brummo");
    EXPECT_EQ(prefs->playerNames[3], L"");
    EXPECT_EQ(prefs->tableTheme, 3);
    EXPECT_EQ(prefs->themeColour[0], (ThemeColour{908, 677, 427}));
    EXPECT_EQ(prefs->themeColour[3], (ThemeColour{709, 285, 35}));
    EXPECT_EQ(prefs->playDelayMs, 500);
    EXPECT_TRUE(prefs->sound);
    EXPECT_TRUE(prefs->fullScreen);
    EXPECT_EQ(prefs->rules.ruleSet, 0);
    EXPECT_EQ(prefs->rules.kontraVariant, 1);
    EXPECT_FLOAT_EQ(prefs->tariff, 1.0f);
    EXPECT_EQ(prefs->scoring, 1);
    EXPECT_EQ(prefs->playStyle, 1);
    EXPECT_EQ(prefs->memory, 1);
    EXPECT_EQ(prefs->rankOrder, -1);
    EXPECT_EQ(prefs->suitOrder, 0);
    EXPECT_TRUE(prefs->trumpsToJacks);
    EXPECT_TRUE(prefs->takeBackShortcut);
    EXPECT_TRUE(prefs->mouseOption);
    EXPECT_FALSE(prefs->manualTrickClearing);
    EXPECT_FALSE(prefs->manualCut);
    EXPECT_FALSE(prefs->enterFreeGames);
    EXPECT_TRUE(prefs->firstStart);
    EXPECT_EQ((*values)[PREF_SETTINGS_VERSION], chars({4, 7}));
    EXPECT_EQ((*values)[PREF_FIRST_START], L"A");
    // Nothing else was written by loading.
    EXPECT_EQ(values->size(), 2u);
    EXPECT_EQ(currentRules(), prefs->rules);
}

TEST_F(PrefsFixture, SettingsStampDecidesFirstStart)
{
    struct Case {
        const char* what;
        std::wstring stamp;
        bool firstStart;
    };
    const Case cases[] = {
        {"codes 4 and 7 (900)", chars({4, 7}), false},
        {"two characters of code 64 (8256)", chars({64, 64}), false},
        {"one character", chars({4}), true},
        {"codes 3 and 7 (899)", chars({3, 7}), true},
        {"empty", L"", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        values->clear();
        (*values)[PREF_SETTINGS_VERSION] = c.stamp;
        (*values)[PREF_FIRST_START] = L"A";
        auto prefs = loaded();
        EXPECT_EQ(prefs->firstStart, c.firstStart);
        EXPECT_EQ((*values)[PREF_SETTINGS_VERSION], c.firstStart ? chars({4, 7}) : c.stamp);
        // The next start is no first start any more.
        EXPECT_FALSE(loaded()->firstStart);
    }
}

TEST_F(PrefsFixture, FirstStartMarkMustBeA)
{
    markStarted();
    (*values)[PREF_FIRST_START] = L"B";
    EXPECT_TRUE(loaded()->firstStart);
    EXPECT_EQ((*values)[PREF_FIRST_START], L"A");
}

TEST_F(PrefsFixture, ManualCuttingAndCommentFlagAlwaysStartOff)
{
    markStarted();
    auto prefs = loaded();
    prefs->manualCut = true;
    prefs->commentFlag0 = true;
    prefs->mouseOption = false;
    prefs->manualTrickClearing = true;
    prefs->save();
    EXPECT_EQ((*values)[PREF_COMMENTS], chars({65, 65, 64, 65}));
    auto again = loaded();
    EXPECT_FALSE(again->manualCut);
    EXPECT_FALSE(again->commentFlag0);
    EXPECT_FALSE(again->mouseOption);
    EXPECT_TRUE(again->manualTrickClearing);
}

TEST_F(PrefsFixture, RuleStringsOfEveryLength)
{
    markStarted();
    // 13 characters: everything on, Kontra variant 2.
    (*values)[PREF_RULE_SET] = chars({66});
    (*values)[PREF_RULES] = chars({65, 65, 65, 65, 66, 65, 65, 65, 65, 65, 65, 65, 65});
    auto prefs = loaded();
    EXPECT_TRUE(prefs->rules.ramschAfterPass);
    EXPECT_EQ(prefs->rules.kontraVariant, 2);
    EXPECT_TRUE(prefs->rules.bockOnDeclarer90);
    EXPECT_EQ(prefs->rules.ruleSet, 2);

    // 12 characters leave Ramsch at its earlier value.
    (*values)[PREF_RULES] = chars({64, 64, 64, 65, 65, 64, 64, 64, 64, 64, 64, 64});
    prefs->load();
    EXPECT_TRUE(prefs->rules.ramschAfterPass);
    EXPECT_TRUE(prefs->rules.kontraRe);
    EXPECT_FALSE(prefs->rules.bockOnDeclarer90);
    EXPECT_EQ(prefs->rules.ruleSet, 2);

    // 11 or 14 characters are ignored entirely: rule set 2 from id 16 stays,
    // and the flags keep what id 16 left (none).
    for (int length : {11, 14}) {
        SCOPED_TRACE(length);
        (*values)[PREF_RULES] = std::wstring(length, wchar_t(65));
        prefs = loaded();
        EXPECT_FALSE(prefs->rules.kontraRe);
        EXPECT_FALSE(prefs->rules.grandOuvert36);
        EXPECT_EQ(prefs->rules.ruleSet, 2);
    }
}

TEST_F(PrefsFixture, RuleSetFollowsTheFlags)
{
    struct Case {
        const char* what;
        bool grand36, handSingle, kontra, ramsch;
        int expected;
    };
    const Case cases[] = {
        {"nothing on", false, false, false, false, 0},      {"former rules", true, true, false, false, 1},
        {"only Grand 36", true, false, false, false, 2},    {"only hand single", false, true, false, false, 2},
        {"former plus Kontra", true, true, true, false, 2}, {"Ramsch", false, false, false, true, 2},
    };
    USER_PREFS prefs(std::make_unique<MemoryPreferenceStore>(values));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prefs.rules = RuleSettings{};
        prefs.rules.grandOuvert36 = c.grand36;
        prefs.rules.lostHandSingle = c.handSingle;
        prefs.rules.kontraRe = c.kontra;
        prefs.rules.ramschAfterPass = c.ramsch;
        prefs.deriveRuleSet();
        EXPECT_EQ(prefs.rules.ruleSet, c.expected);
    }
}

TEST_F(PrefsFixture, SetRuleSetSetsOnlyTheFlagsOfItsChoice)
{
    USER_PREFS prefs(std::make_unique<MemoryPreferenceStore>(values));
    prefs.rules.kontraRe = prefs.rules.ramschAfterPass = prefs.rules.bockOn60To60 = true;
    prefs.setRuleSet(1);
    EXPECT_TRUE(prefs.rules.grandOuvert36 && prefs.rules.lostHandSingle);
    EXPECT_FALSE(prefs.rules.kontraRe || prefs.rules.ramschAfterPass);
    EXPECT_TRUE(prefs.rules.bockOn60To60); // a Bock trigger is no rule-set flag
    prefs.rules.kontraRe = true;
    prefs.setRuleSet(2);
    EXPECT_EQ(prefs.rules.ruleSet, 2);
    EXPECT_TRUE(prefs.rules.kontraRe && prefs.rules.grandOuvert36);
    prefs.setRuleSet(0);
    EXPECT_FALSE(prefs.rules.grandOuvert36 || prefs.rules.lostHandSingle || prefs.rules.kontraRe);
}

TEST_F(PrefsFixture, SpeedStyleAndMemoryCharacters)
{
    struct Case {
        int code;
        int delay; // after a constructor's 500
        int level; // after a constructor's 1
    };
    const Case cases[] = {{64, 0, 0}, {65, 500, 1}, {66, 1000, 2}, {67, 1500, 1}, {68, 500, 1}, {63, 500, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        values->clear();
        markStarted();
        (*values)[PREF_SPEED] = chars({c.code});
        (*values)[PREF_PLAY_STYLE] = chars({c.code});
        (*values)[PREF_MEMORY] = chars({c.code});
        auto prefs = loaded();
        EXPECT_EQ(prefs->playDelayMs, c.delay);
        EXPECT_EQ(prefs->playStyle, c.level);
        EXPECT_EQ(prefs->memory, c.level);
    }
}

TEST_F(PrefsFixture, SortingCharacters)
{
    struct Case {
        std::wstring stored;
        int rank, suit;
        bool trumps;
    };
    const Case cases[] = {
        {chars({65, 63, 64}), 1, -1, false},
        {chars({63, 64, 65}), -1, 0, true},
        {chars({66, 67, 70}), -1, 1, true}, // out of range: the fallbacks
        {chars({65, 65}), -1, 0, true},     // too short
    };
    for (const Case& c : cases) {
        values->clear();
        markStarted();
        (*values)[PREF_SORTING] = c.stored;
        auto prefs = loaded();
        EXPECT_EQ(prefs->rankOrder, c.rank);
        EXPECT_EQ(prefs->suitOrder, c.suit);
        EXPECT_EQ(prefs->trumpsToJacks, c.trumps);
    }
}

TEST_F(PrefsFixture, SaveWritesTheStoredFormsAndLoadReadsThemBack)
{
    markStarted();
    auto prefs = loaded();
    prefs->playDelayMs = 1500;
    prefs->tableTheme = 1;
    prefs->sound = false;
    prefs->rankOrder = 1;
    prefs->suitOrder = -1;
    prefs->trumpsToJacks = false;
    prefs->rules.kontraRe = true;
    prefs->rules.kontraVariant = 2;
    prefs->rules.ramschAfterPass = true;
    prefs->deriveRuleSet();
    prefs->tariff = 2.5f;
    prefs->scoring = 2;
    prefs->option28 = true;
    prefs->save();
    EXPECT_EQ((*values)[PREF_SPEED], chars({67}));
    EXPECT_EQ((*values)[PREF_SORTING], chars({65, 63, 64}));
    EXPECT_EQ((*values)[PREF_RULES], chars({64, 64, 64, 65, 66, 64, 64, 64, 64, 64, 64, 64, 65}));
    EXPECT_EQ((*values)[PREF_TARIFF], L"2.50");
    EXPECT_EQ(values->count(PREF_NAME_SEAT_1), 0u); // names are written where they change

    auto again = loaded();
    EXPECT_EQ(again->playDelayMs, 1500);
    EXPECT_EQ(again->tableTheme, 1);
    EXPECT_EQ(again->themeColour[0], (ThemeColour{705, 999, 509}));
    EXPECT_FALSE(again->sound);
    EXPECT_EQ(again->rules, prefs->rules);
    EXPECT_FLOAT_EQ(again->tariff, 2.5f);
    EXPECT_EQ(again->scoring, 2);
    EXPECT_TRUE(again->option28);

    // An odd play delay is saved as an empty value, which loads as 500 ms.
    again->playDelayMs = 700;
    again->save();
    EXPECT_EQ((*values)[PREF_SPEED], L"");
    EXPECT_EQ(loaded()->playDelayMs, 500);
}

TEST_F(PrefsFixture, TariffIgnoresTheLocale)
{
    markStarted();
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    auto prefs = loaded();
    prefs->tariff = 1.5f;
    prefs->save();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ((*values)[PREF_TARIFF], L"1.50") << (german ? "under de_DE" : "de_DE not installed");

    struct Case {
        std::wstring stored;
        float expected;
    };
    const Case cases[] = {{L"1.50", 1.5f}, {L"1,50", 1.5f}, {L" 0.25 ", 0.25f}, {L"abc", 1.0f},
                          {L"1.5x", 1.0f}, {L"-3", 1.0f},   {L"nan", 1.0f},     {L"1e400", 1.0f}};
    for (const Case& c : cases) {
        (*values)[PREF_TARIFF] = c.stored;
        EXPECT_FLOAT_EQ(loaded()->tariff, c.expected);
    }
}

TEST_F(PrefsFixture, ThemeColoursByTheme)
{
    USER_PREFS prefs(std::make_unique<MemoryPreferenceStore>(values));
    prefs.tableTheme = 4;
    prefs.applyThemeColours();
    EXPECT_EQ(prefs.themeColour[2], (ThemeColour{380, 137, 7})); // as theme 3
    EXPECT_EQ(prefs.themeColours(), (ThemeColour{999, 999, 999}));
    prefs.tableTheme = 2;
    prefs.applyThemeColours();
    EXPECT_EQ(prefs.themeColours(), (ThemeColour{991, 857, 556}));
    prefs.tableTheme = 7;
    prefs.applyThemeColours(); // unknown theme: colours stay
    EXPECT_EQ(prefs.themeColour[0], (ThemeColour{991, 857, 556}));
    EXPECT_EQ(prefs.themeColours(), (ThemeColour{0, 0, 0}));

    // A stored theme out of range falls back to 3.
    markStarted();
    (*values)[PREF_TABLE_THEME] = chars({72});
    EXPECT_EQ(loaded()->tableTheme, 3);
}

TEST_F(PrefsFixture, CardSetNameFallsBackToTheFrenchSet)
{
    USER_PREFS prefs(std::make_unique<MemoryPreferenceStore>(values));
    EXPECT_EQ(prefs.cardSetName(), L"Franz\u00f6sisches Blatt");
    prefs.setCardSetName(L"Deutsches Blatt");
    EXPECT_EQ(prefs.cardSetName(), L"Deutsches Blatt");
    USER_PREFS storeless(nullptr);
    EXPECT_EQ(storeless.cardSetName(), L"Franz\u00f6sisches Blatt");
    EXPECT_FALSE(storeless.lastAccessOk);
}

} // namespace
