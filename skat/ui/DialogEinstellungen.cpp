#include "skat/ui/DialogEinstellungen.h"

#include "skat/app/Bilder.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/DialogImagePicker.h"
#include "skat/ui/SeatPictures.h"
#include "skat/ui/TableServerAccess.h"
#include "vordix/Application.h"
#include "vordix/Bitmap.h"
#include "vordix/ImplementorFactory.h"

#include <algorithm>
#include <mutex>

using D = DIALOG_EINSTELLUNGEN;

namespace {

// A radio button of a group and the value it stands for.
struct RadioValue {
    int button;
    int value;
};

// clang-format off
constexpr RadioValue THEMES[] = {{D::THEME_MOUNTAINS, 1}, {D::THEME_ISLAND, 2}, {D::THEME_PUB, 3}, {D::THEME_EMPTY, 4}};
constexpr RadioValue SPEEDS[] = {{D::SPEED_FASTEST, 0}, {D::SPEED_FAST, 500}, {D::SPEED_MEDIUM, 1000}, {D::SPEED_SLOW, 1500}};
constexpr RadioValue STYLES[] = {{D::STYLE_DEFENSIVE, 0}, {D::STYLE_BALANCED, 1}, {D::STYLE_OFFENSIVE, 2}};
constexpr RadioValue MEMORIES[] = {{D::MEMORY_GOOD, 0}, {D::MEMORY_MEDIUM, 1}, {D::MEMORY_POOR, 2}};
constexpr RadioValue RULE_SETS[] = {{D::RULES_INTERNATIONAL, RULESET_INTERNATIONAL}, {D::RULES_FORMER, RULESET_FORMER},
                                    {D::RULES_OWN, RULESET_PUB}};
constexpr RadioValue SCORINGS[] = {{D::SCORING_CLASSIC, 0}, {D::SCORING_SEEGER_FABIAN, 1}, {D::SCORING_BIERLACHS, 2}};
constexpr RadioValue KONTRA_VARIANTS[] = {{D::KONTRA_BEFORE_FIRST_CARD, 1}, {D::KONTRA_BEFORE_SECOND_TRICK, 2}};
constexpr RadioValue RANK_ORDERS[] = {{D::RANKS_UP, 1}, {D::RANKS_DOWN, -1}};
constexpr RadioValue SUIT_ORDERS[] = {{D::SUITS_UP, 1}, {D::SUITS_DOWN, -1}, {D::SUITS_MIXED, 0}};

// The rule check boxes and the flags they show.
struct RuleBox {
    int control;
    bool RuleSettings::*flag;
};
constexpr RuleBox RULE_BOXES[] = {
    {D::GRAND_OUVERT_36, &RuleSettings::grandOuvert36},   {D::LOST_HAND_SINGLE, &RuleSettings::lostHandSingle},
    {D::SCHNEIDER_AT_91, &RuleSettings::schneiderAt91},   {D::KONTRA_RE, &RuleSettings::kontraRe},
    {D::KONTRA_FROM_18, &RuleSettings::kontraOnlyFrom18}, {D::BOCK_ROUNDS, &RuleSettings::bockRounds},
    {D::BOCK_60, &RuleSettings::bockOn60To60},            {D::BOCK_KONTRA_LOST, &RuleSettings::bockOnLostKontra},
    {D::BOCK_KONTRA_WON, &RuleSettings::bockOnWonKontra},
    // The declarer is Schneider when the defenders took 90; the defenders
    // are when the declarer did.
    {D::BOCK_DECLARER_SCHNEIDER, &RuleSettings::bockOnDefenders90},
    {D::BOCK_DEFENDERS_SCHNEIDER, &RuleSettings::bockOnDeclarer90},
    {D::RAMSCH, &RuleSettings::ramschAfterPass},
};
// clang-format on

constexpr int KONTRA_CHOICES[] = {D::GROUP_KONTRA, D::KONTRA_BEFORE_FIRST_CARD, D::KONTRA_BEFORE_SECOND_TRICK,
                                  D::KONTRA_FROM_18};
constexpr int BOCK_TRIGGERS[] = {D::BOCK_60, D::BOCK_KONTRA_LOST, D::BOCK_KONTRA_WON, D::BOCK_DECLARER_SCHNEIDER,
                                 D::BOCK_DEFENDERS_SCHNEIDER};

constexpr int NAME_CONTROLS[3] = {D::NAME_USER, D::NAME_LEFT, D::NAME_RIGHT};

template <std::size_t N>
int valueOfChecked(VORDIX_DIALOG_imp& imp, int group, const RadioValue (&buttons)[N], int fallback)
{
    const int checked = imp.getCheckedButton(group);
    for (const RadioValue& b : buttons)
        if (b.button == checked)
            return b.value;
    return fallback;
}

// Checks the button of the value; no button for another value.
template <std::size_t N>
void checkValue(VORDIX_DIALOG_imp& imp, int group, const RadioValue (&buttons)[N], int value)
{
    for (const RadioValue& b : buttons)
        if (b.value == value) {
            imp.checkGroupButton(group, b.button);
            return;
        }
    imp.uncheckGroup(group);
}

void setChecked(VORDIX_DIALOG_imp& imp, int control, bool checked)
{
    imp.setControlState(control, checked ? VORDIX_DIALOG::OB_CHECKED : VORDIX_DIALOG::OB_UNCHECKED);
}

void setEnabled(VORDIX_DIALOG_imp& imp, int control, bool enabled)
{
    imp.setControlState(control, enabled ? VORDIX_DIALOG::OB_ENABLED : VORDIX_DIALOG::OB_DISABLED);
}

bool programRunsEnglish()
{
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    auto* application = factory ? factory->getApplication() : nullptr;
    return application ? application->isEnglish() : skat::textsAreEnglish();
}

// The rules are the host's on a joined table.
bool tableTakesOwnRules()
{
    SKATTISCH* table = currentTable();
    return !table || !table->isClientTable();
}

bool isRuleControl(int id) { return id >= D::RULES_INTERNATIONAL && id <= D::SCORING_BIERLACHS; }

} // namespace

DIALOG_EINSTELLUNGEN::DIALOG_EINSTELLUNGEN() : VORDIX_DIALOG(FORM_ID) { }

DIALOG_EINSTELLUNGEN::~DIALOG_EINSTELLUNGEN() = default;

void DIALOG_EINSTELLUNGEN::open()
{
    const auto& imp = implementor();
    if (!imp)
        return;
    if (!open_) {
        // A new opening shows what is stored, not what an earlier one left.
        if (shownOnce_)
            showChoices(choicesFromPrefs(USER_PREFS::instance(), BILDER::instance().currentSet, programRunsEnglish()));
        open_ = true;
        confirmed_ = false;
    }
    imp->show();
}

void DIALOG_EINSTELLUNGEN::initDialog()
{
    const auto& imp = implementor();
    if (!imp)
        return;
    shownOnce_ = true;
    picker_ = std::make_unique<DIALOG_IMAGE_PICKER>(this);
    picker_->onPictureChanged = [this] {
        for (int id : {PICTURE_USER, PICTURE_LEFT, PICTURE_RIGHT})
            implementor()->updateControl(id);
        if (onPictureChanged)
            onPictureChanged();
    };
    imp->setToolTip(NAME_USER, skat::text(TextKey::ToolTip_opt_spieler));
    imp->setToolTip(NAME_LEFT, skat::text(TextKey::ToolTip_opt_kazzle));
    imp->setToolTip(NAME_RIGHT, skat::text(TextKey::ToolTip_opt_brummo));
    imp->setToolTip(MANUAL_CUT, skat::text(TextKey::ToolTip_opt_komment_manuell_abheben));
    imp->setToolTip(MANUAL_CLEARING, skat::text(TextKey::ToolTip_opt_komment_manuell_ablegen));
    imp->setToolTip(SOUND, skat::text(TextKey::ToolTip_opt_ton));
    for (int id = SPEED_FASTEST; id <= SPEED_SLOW; ++id)
        imp->setToolTip(id, skat::text(TextKey::ToolTip_opt_geschwindigkeit));
    showChoices(choicesFromPrefs(USER_PREFS::instance(), BILDER::instance().currentSet, programRunsEnglish()));
}

// ---------------------------------------------------------------- showing

void DIALOG_EINSTELLUNGEN::showChoices(const SettingsChoices& c)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    for (int i = 0; i < 3; ++i)
        imp->setControlText(NAME_CONTROLS[i], c.names[static_cast<std::size_t>(i)]);
    imp->setCurrentIndex(LANGUAGE, c.english ? 1 : 0);
    showCardSets(c.cardSet);
    setChecked(*imp, SOUND, c.sound);
    setChecked(*imp, PLAYER_COMMENTS, c.playerComments);
    setChecked(*imp, MANUAL_CUT, c.manualCut);
    setChecked(*imp, MANUAL_CLEARING, c.manualTrickClearing);
    checkValue(*imp, GROUP_THEME, THEMES, c.theme);
    checkValue(*imp, GROUP_SPEED, SPEEDS, c.playDelayMs);
    checkValue(*imp, GROUP_STYLE, STYLES, c.playStyle);
    checkValue(*imp, GROUP_MEMORY, MEMORIES, c.memory);
    showRules(c.rules, c.scoring, c.enterFreeGames);
    showSortingTexts(c.cardSet);
    checkValue(*imp, GROUP_RANKS, RANK_ORDERS, c.rankOrder);
    checkValue(*imp, GROUP_SUITS, SUIT_ORDERS, c.suitOrder);
    setChecked(*imp, TRUMPS_TO_JACKS, c.trumpsToJacks);
    for (int id : {PICTURE_USER, PICTURE_LEFT, PICTURE_RIGHT})
        imp->updateControl(id);
}

void DIALOG_EINSTELLUNGEN::showCardSets(int checkedSet)
{
    const auto& imp = implementor();
    const BILDER& images = BILDER::instance();
    const int count = images.cardSetCount();
    for (int i = 0; i < 4; ++i) {
        const int id = CARD_SET_FIRST + i;
        if (i < count) {
            imp->setGroupButtonText(GROUP_CARD_SETS, id, images.cardSetTitle(i));
            imp->setControlState(id, OB_VISIBLE);
        } else {
            imp->setControlState(id, OB_HIDDEN);
        }
    }
    if (checkedSet >= 0 && checkedSet < std::min(count, 4))
        imp->checkGroupButton(GROUP_CARD_SETS, CARD_SET_FIRST + checkedSet);
    else
        imp->uncheckGroup(GROUP_CARD_SETS);
}

void DIALOG_EINSTELLUNGEN::showSortingTexts(int cardSet)
{
    const auto& imp = implementor();
    const BILDER& images = BILDER::instance();
    const bool german =
        cardSet >= 0 && cardSet < images.cardSetCount()
        && images.cardSets.sets[static_cast<std::size_t>(cardSet)].name == skat::text(TextKey::Kartenset_Deutsch);
    const std::wstring& jacks = skat::text(german ? TextKey::Kartenwert_B_deutsch : TextKey::Kartenwert_Buben_deutsch);
    const std::wstring& aces = skat::text(german ? TextKey::Kartenwert_A_deutsch : TextKey::Kartenwert_A);
    static constexpr TextKey french[4] = {TextKey::Farbe_Kreuz, TextKey::Farbe_Pik, TextKey::Farbe_Herz,
                                          TextKey::Farbe_Karo};
    static constexpr TextKey germanSuits[4] = {TextKey::Farbe_Kreuz_deutsch, TextKey::Farbe_Pik_deutsch,
                                               TextKey::Farbe_Herz_deutsch, TextKey::Farbe_Karo_deutsch};
    const TextKey* suits = german ? germanSuits : french;
    auto suit = [&](int i) { return skat::text(suits[i]); };
    imp->setControlText(RANKS_CAPTION, skat::text(TextKey::Blatt));
    imp->setControlText(SUITS_CAPTION, skat::text(TextKey::Farben));
    imp->setControlText(SUITS_MIXED, skat::text(TextKey::Dialogtext_Sortiert_Bunt));
    imp->setControlText(RANKS_UP, L"7, ..., " + aces + L", " + jacks);
    imp->setControlText(RANKS_DOWN, jacks + L", " + aces + L", ..., 7");
    imp->setControlText(SUITS_UP, suit(3) + L", " + suit(2) + L", " + suit(1) + L", " + suit(0));
    imp->setControlText(SUITS_DOWN, suit(0) + L", " + suit(1) + L", " + suit(2) + L", " + suit(3));
    imp->setControlText(TRUMPS_TO_JACKS, skat::formatText(TextKey::Dialogtext_Sortiert_Trumpf, {jacks}));
}

void DIALOG_EINSTELLUNGEN::showRules(const RuleSettings& rules, int scoring, bool enterFreeGames)
{
    const auto& imp = implementor();
    checkValue(*imp, GROUP_RULE_SET, RULE_SETS, rules.ruleSet);
    for (const RuleBox& box : RULE_BOXES)
        setChecked(*imp, box.control, rules.*box.flag);
    checkValue(*imp, GROUP_KONTRA, KONTRA_VARIANTS, rules.kontraVariant);
    checkValue(*imp, GROUP_SCORING, SCORINGS, scoring);
    setChecked(*imp, FREE_GAMES_ON_SHEET, enterFreeGames);
    enableRuleControls(rules);
}

void DIALOG_EINSTELLUNGEN::enableRuleControls(const RuleSettings& rules)
{
    const auto& imp = implementor();
    const bool own = tableTakesOwnRules();
    for (int id = RULES_INTERNATIONAL; id <= SCORING_BIERLACHS; ++id)
        setEnabled(*imp, id, own);
    for (int id : KONTRA_CHOICES)
        setEnabled(*imp, id, own && rules.kontraRe);
    for (int id : BOCK_TRIGGERS)
        setEnabled(*imp, id, own && rules.bockRounds);
}

// ---------------------------------------------------------------- reading

RuleSettings DIALOG_EINSTELLUNGEN::shownRules() const
{
    const auto& imp = implementor();
    RuleSettings rules;
    for (const RuleBox& box : RULE_BOXES)
        rules.*box.flag = imp->isChecked(box.control);
    rules.kontraVariant = valueOfChecked(*imp, GROUP_KONTRA, KONTRA_VARIANTS, 1);
    rules.ruleSet = valueOfChecked(*imp, GROUP_RULE_SET, RULE_SETS, RULESET_INTERNATIONAL);
    return rules;
}

SettingsChoices DIALOG_EINSTELLUNGEN::shownChoices() const
{
    SettingsChoices c;
    const auto& imp = implementor();
    if (!imp)
        return c;
    for (int i = 0; i < 3; ++i)
        c.names[static_cast<std::size_t>(i)] = imp->getControlText(NAME_CONTROLS[i]);
    const std::wstring language = imp->getControlText(LANGUAGE);
    c.english = language == L"English" || language == L"Englisch";
    const int cardButton = imp->getCheckedButton(GROUP_CARD_SETS);
    c.cardSet = cardButton >= CARD_SET_FIRST && cardButton <= CARD_SET_LAST ? cardButton - CARD_SET_FIRST
                                                                            : BILDER::instance().currentSet;
    const USER_PREFS& prefs = USER_PREFS::instance();
    c.theme = valueOfChecked(*imp, GROUP_THEME, THEMES, prefs.tableTheme);
    c.playDelayMs = valueOfChecked(*imp, GROUP_SPEED, SPEEDS, prefs.playDelayMs);
    c.sound = imp->isChecked(SOUND);
    c.playerComments = imp->isChecked(PLAYER_COMMENTS);
    c.manualCut = imp->isChecked(MANUAL_CUT);
    c.manualTrickClearing = imp->isChecked(MANUAL_CLEARING);
    c.playStyle = valueOfChecked(*imp, GROUP_STYLE, STYLES, prefs.playStyle);
    c.memory = valueOfChecked(*imp, GROUP_MEMORY, MEMORIES, prefs.memory);
    c.rules = shownRules();
    c.scoring = valueOfChecked(*imp, GROUP_SCORING, SCORINGS, prefs.scoring);
    c.enterFreeGames = imp->isChecked(FREE_GAMES_ON_SHEET);
    c.rankOrder = valueOfChecked(*imp, GROUP_RANKS, RANK_ORDERS, prefs.rankOrder);
    c.suitOrder = valueOfChecked(*imp, GROUP_SUITS, SUIT_ORDERS, prefs.suitOrder);
    c.trumpsToJacks = imp->isChecked(TRUMPS_TO_JACKS);
    return c;
}

// ---------------------------------------------------------------- commands

void DIALOG_EINSTELLUNGEN::onCommand(int id)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    switch (id) {
    case CLOSE:
        confirmed_ = true;
        applyShownChoices();
        imp->done = true;
        return;
    case CANCEL: imp->done = true; return;
    case PICTURE_USER:
    case EDIT_USER: editPicture(1); return;
    case PICTURE_LEFT:
    case EDIT_LEFT: editPicture(2); return;
    case PICTURE_RIGHT:
    case EDIT_RIGHT: editPicture(0); return;
    case FREE_GAMES_ON_SHEET: checkFreeGamesBox(); return;
    default: break;
    }
    if (id >= CARD_SET_FIRST && id <= CARD_SET_LAST) {
        showSortingTexts(id - CARD_SET_FIRST);
    } else if (isRuleControl(id) && tableTakesOwnRules()) {
        RuleSettings rules = shownRules();
        applyRuleChoice(id, rules);
        checkValue(*imp, GROUP_RULE_SET, RULE_SETS, rules.ruleSet);
        for (const RuleBox& box : RULE_BOXES)
            setChecked(*imp, box.control, rules.*box.flag);
        enableRuleControls(rules);
    }
}

void DIALOG_EINSTELLUNGEN::checkFreeGamesBox()
{
    const auto& imp = implementor();
    auto* table = dynamic_cast<SKATTISCH_SERVER*>(currentTable());
    if (!table || !imp->isChecked(FREE_GAMES_ON_SHEET) || USER_PREFS::instance().enterFreeGames)
        return;
    bool full = false;
    {
        std::lock_guard lock(table->tableLock);
        const bool listGame = table->modus.mode == MODE_NEXT_OF_LIST || table->modus.mode == MODE_FREE_GAME;
        full = table->isLoopRunning() && table->modus.freeGame && listGame && table->sheet.isFull();
    }
    // The free game would go onto a sheet that has no room left.
    if (full)
        setChecked(*imp, FREE_GAMES_ON_SHEET, false);
}

void DIALOG_EINSTELLUNGEN::editPicture(int screenPosition)
{
    const auto& imp = implementor();
    if (!picker_ || !picker_->implementor() || !imp)
        return;
    picker_->setPlayer(playerAtScreenPosition(currentTable(), screenPosition));
    // The picker stands in for this dialog while it is open; it runs
    // modally, so this dialog comes back once it is closed.
    imp->hide();
    picker_->implementor()->show();
    imp->show();
}

void DIALOG_EINSTELLUNGEN::onClosed()
{
    // Closed by its frame: nothing of what the pages show is kept.
    open_ = false;
    confirmed_ = false;
}

// ---------------------------------------------------------------- applying

void DIALOG_EINSTELLUNGEN::applyShownChoices()
{
    USER_PREFS& prefs = USER_PREFS::instance();
    BILDER& images = BILDER::instance();
    const SettingsChoices chosen = shownChoices();
    SKATTISCH* table = currentTable();
    const bool ownRules = tableTakesOwnRules();
    const int oldTheme = prefs.tableTheme;
    storeChoices(chosen, prefs, ownRules);
    if (ownRules) {
        // A running game is settled by the rules it started with.
        auto* server = dynamic_cast<SKATTISCH_SERVER*>(table);
        if (server && server->isLoopRunning())
            setRulesForNextGame(prefs.rules);
        else
            prefs.publishRules();
    }
    if (chosen.english != programRunsEnglish())
        skat::chooseLanguage(chosen.english);
    if (prefs.tableTheme != oldTheme)
        images.loadAssistantImages();
    if (chosen.cardSet != images.currentSet)
        images.selectCardSet(chosen.cardSet);
    prefs.save();
    // The score sheet's columns carry the players' names.
    if (auto* server = dynamic_cast<SKATTISCH_SERVER*>(table)) {
        std::lock_guard lock(server->tableLock);
        std::array<std::wstring, SHEET_COLUMNS> names{};
        for (int slot = 0; slot < 3; ++slot)
            if (const PLAYER* player = server->playerInSlot(slot))
                names[static_cast<std::size_t>(slot)] = player->name();
        if (names != server->sheet.playerNames) {
            server->sheet.setPlayerNames(names);
            server->sheet.modified = true;
        }
    }
    if (onApplied)
        onApplied();
}

// ---------------------------------------------------------------- pictures

void DIALOG_EINSTELLUNGEN::drawControl(VORDIX_ZEICHENBEREICH& area, int id)
{
    const int position = id == PICTURE_USER ? 1 : id == PICTURE_LEFT ? 2 : id == PICTURE_RIGHT ? 0 : -1;
    const auto& imp = implementor();
    if (position < 0 || !imp)
        return;
    const RECTANGLE box = imp->getControlScreenPos(id);
    const PLAYER* player = playerAtScreenPosition(currentTable(), position);
    const VORDIX_BITMAP* own = player ? player->picture() : nullptr;
    const VORDIX_BITMAP& picture = own && own->isLoaded() ? *own : BILDER::instance().mouse;
    drawPictureInBox(picture, area, {1, 1, box.width - 2, box.height - 2});
}
