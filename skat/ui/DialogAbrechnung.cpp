#include "skat/ui/DialogAbrechnung.h"

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Einblatt.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterStiche.h"
#include "skat/ui/HelpPages.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/UserActions.h"
#include "vordix/Random.h"

#include <cstdlib>
#include <mutex>

namespace {

const std::wstring FOUR_BLANKS = L"    ";
const std::wstring SIXTEEN_BLANKS(16, L' ');

std::wstring number4(int value)
{
    std::wstring text = std::to_wstring(value);
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), L' ');
    return text;
}

// The text followed by blanks up to the width (never cut).
std::wstring padRight(std::wstring text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), L' ');
    return text;
}

std::wstring timesText(int factor)
{
    switch (factor) {
    case 2: return skat::text(TextKey::Mal_2);
    case 4: return skat::text(TextKey::Mal_4);
    case 8: return skat::text(TextKey::Mal_8);
    default: return L"";
    }
}

const std::wstring& typeName(GameType type) { return SKAT_TEXT::instance().gameTypeName(type); }

void buildRamsch(const SettlementFacts& f, SettlementTexts& out)
{
    auto& l = out.labels;
    int sweeper = -1;
    for (int seat = 0; seat < 3; ++seat)
        if (sweeper < 0 && f.cardsTaken[seat] == 30)
            sweeper = seat;
    int loser = 0;
    for (int seat = 1; seat < 3; ++seat)
        if (f.pointsTaken[seat] > f.pointsTaken[loser])
            loser = seat;
    const int most = f.pointsTaken[loser];
    l[DIALOG_ABRECHNUNG::WHO] = typeName(GAME_RAMSCH);
    for (int id = DIALOG_ABRECHNUNG::GAME; id <= DIALOG_ABRECHNUNG::HAND_VALUE; ++id)
        l[id] = L"";
    int factor = 1;
    if (f.cardsTaken[loser] > 0) {
        l[DIALOG_ABRECHNUNG::GAME] = f.names[loser];
        l[DIALOG_ABRECHNUNG::GAME_VALUE] = std::to_wstring(most);
    }
    const int rows[2][2] = {{DIALOG_ABRECHNUNG::WITH, DIALOG_ABRECHNUNG::WITH_VALUE},
                            {DIALOG_ABRECHNUNG::HAND, DIALOG_ABRECHNUNG::HAND_VALUE}};
    for (int k = 0; k < 2; ++k) {
        const int seat = (loser + 1 + k) % 3;
        if (f.cardsTaken[seat] > 0) {
            l[rows[k][0]] = f.names[seat];
            const int points = f.pointsTaken[seat];
            l[rows[k][1]] = points == most ? std::to_wstring(points) : L"(" + std::to_wstring(points) + L")";
        } else if (sweeper < 0) {
            l[rows[k][0]] = f.names[seat];
            l[rows[k][1]] = skat::text(TextKey::Abr_Jungfrau);
            factor = 2;
        }
    }
    l[DIALOG_ABRECHNUNG::EXTRA] = skat::text(TextKey::Abr_Augen_im_Skat);
    l[DIALOG_ABRECHNUNG::EXTRA_VALUE] = std::to_wstring(f.skatPoints);
    const bool bock = f.record.BOCKRUNDE_NR > 0;
    l[DIALOG_ABRECHNUNG::KONTRA] = bock ? skat::text(TextKey::Modus_Bockrunde) : L"";
    if (bock)
        factor *= 2;
    l[DIALOG_ABRECHNUNG::KONTRA_VALUE] = timesText(factor);
    if (sweeper >= 0) {
        l[DIALOG_ABRECHNUNG::VERDICT] = skat::text(TextKey::Abr_Durchmarsch);
        l[DIALOG_ABRECHNUNG::RESULT] = std::to_wstring(bock ? 240 : 120);
    } else {
        l[DIALOG_ABRECHNUNG::VERDICT] = skat::text(TextKey::Dialog_Abr_Verloren);
        l[DIALOG_ABRECHNUNG::RESULT] = std::to_wstring(-(most + f.skatPoints) * factor);
    }
    l[DIALOG_ABRECHNUNG::LOST_HAND_NOTE] = L"";
    out.matadorHelpShown = false;
}

std::wstring verdictOf(const SettlementFacts& f)
{
    const SPIELSTRUCT& r = f.record;
    const GameType type = r.SPIELART.SPIEL_TYP;
    const int winLevel = r.SPIELART.GEWINN_STUFE;
    const int level = r.SPIELART.STUFE;
    const int c = f.declarerPoints;
    std::wstring verdict;
    if (r.isLost()) {
        verdict = skat::text(TextKey::Dialog_Abr_Verloren);
        if (type < GAME_NULL) {
            if (c == 60 && f.draw() > 4)
                verdict = skat::text(TextKey::Dialog_Abr_Verloren_60);
            if (c < 45 && f.draw() > 4)
                verdict = skat::text(TextKey::Dialog_Abr_Verloren_bis45);
            if (c < 35 && f.draw() > 4)
                verdict = skat::text(TextKey::Dialog_Abr_Verloren_bis35);
        }
        return verdict;
    }
    verdict = skat::text(TextKey::Dialog_Abr_Gewonnen);
    if (type < GAME_NULL) {
        bool narrow = false;
        if (c == 61 && f.draw() > 4) {
            narrow = true;
            verdict = skat::text(TextKey::Dialog_Abr_Gewonnen_61);
            if (f.draw() > 5)
                verdict = skat::text(TextKey::Dialog_Abr_Gewonnen_61_b);
        }
        if (!narrow && winLevel < WIN_LEVEL_HAND && level == LEVEL_SCHNEIDER && f.draw() > 4)
            verdict = skat::text(TextKey::Dialog_Abr_Gewonnen_schneider);
    }
    return verdict;
}

} // namespace

SettlementTexts buildSettlementTexts(const SettlementFacts& f)
{
    SettlementTexts out;
    const SPIELSTRUCT& r = f.record;
    const GameType type = r.SPIELART.SPIEL_TYP;
    if (type == GAME_RAMSCH) {
        buildRamsch(f, out);
        return out;
    }
    auto& l = out.labels;
    const int winLevel = r.SPIELART.GEWINN_STUFE;
    const int level = r.SPIELART.STUFE;
    const int matadors = r.SPITZEN;
    const int absMatadors = std::abs(matadors);

    l[DIALOG_ABRECHNUNG::WHO] = f.declarerIsUser ? skat::text(TextKey::Dialog_Abr_Du_hast_gespielt)
                                                 : f.declarerName + L" " + skat::text(TextKey::Dialog_Abr_spielte);
    l[DIALOG_ABRECHNUNG::GAME] = padRight(typeName(type == GAME_GRAND_OUVERT ? GAME_GRAND : type), 16);
    l[DIALOG_ABRECHNUNG::GAME_VALUE] = number4(r.SPIELART.baseValue(f.rules));

    if (type == GAME_NULL) {
        l[DIALOG_ABRECHNUNG::WITH] = SIXTEEN_BLANKS;
        l[DIALOG_ABRECHNUNG::WITH_VALUE] = FOUR_BLANKS;
    } else {
        l[DIALOG_ABRECHNUNG::WITH] = matadors >= 0 ? skat::text(TextKey::Berechnung_Mit) + L" " + std::wstring(12, L' ')
                                                   : skat::text(TextKey::Berechnung_Ohne) + std::wstring(12, L' ');
        l[DIALOG_ABRECHNUNG::WITH_VALUE] = number4(absMatadors);
    }
    out.matadorHelpShown =
        absMatadors > 4
        || (type >= GAME_CLUBS && type <= GAME_DIAMONDS && f.hasDeclarer && f.dealtMatadors != matadors);

    if (winLevel >= WIN_LEVEL_HAND)
        l[DIALOG_ABRECHNUNG::HAND] = skat::text(TextKey::Element_Hand) + std::wstring(12, L' ');
    else if (type < GAME_NULL)
        l[DIALOG_ABRECHNUNG::HAND] = skat::text(TextKey::Berechnung_Spiel) + std::wstring(11, L' ');
    else
        l[DIALOG_ABRECHNUNG::HAND] = SIXTEEN_BLANKS;
    if (winLevel >= WIN_LEVEL_HAND && type != GAME_NULL)
        l[DIALOG_ABRECHNUNG::HAND_VALUE] = number4(absMatadors + 2);
    else if (winLevel < WIN_LEVEL_HAND && type < GAME_NULL)
        l[DIALOG_ABRECHNUNG::HAND_VALUE] = number4(absMatadors + 1);
    else
        l[DIALOG_ABRECHNUNG::HAND_VALUE] = FOUR_BLANKS;

    const bool overbid = r.isOverbid(f.rules);
    std::wstring extra;
    if (overbid) {
        extra = skat::text(TextKey::Dialog_Abr_Ueberreizt);
    } else {
        if (level == LEVEL_SCHNEIDER)
            extra = skat::text(TextKey::Element_schneider);
        if (winLevel == WIN_LEVEL_SCHNEIDER_ANNOUNCED)
            extra = skat::text(TextKey::Element_schneider_ang);
        if (level == LEVEL_SCHWARZ)
            extra = skat::text(TextKey::Element_schwarz);
        if (winLevel == WIN_LEVEL_SCHWARZ_ANNOUNCED)
            extra = skat::text(TextKey::Element_schwarz_ang);
        if (winLevel == WIN_LEVEL_OUVERT_HAND || winLevel == WIN_LEVEL_OUVERT)
            extra = skat::text(TextKey::Element_Ouvert);
    }
    l[DIALOG_ABRECHNUNG::EXTRA] = padRight(extra, 16);
    if (overbid)
        l[DIALOG_ABRECHNUNG::EXTRA_VALUE] = number4(r.STUFE_DER_ABRECHNUNG);
    else if ((winLevel > WIN_LEVEL_HAND || level > LEVEL_NONE) && type < GAME_NULL)
        l[DIALOG_ABRECHNUNG::EXTRA_VALUE] = number4(r.SPIELART.levelCount(f.rules) + absMatadors);
    else
        l[DIALOG_ABRECHNUNG::EXTRA_VALUE] = FOUR_BLANKS;

    int factor = 1;
    std::wstring kontra;
    if (r.BOCKRUNDE_NR > 0) {
        kontra += skat::text(TextKey::Modus_Bockrunde);
        factor = 2;
    }
    if (r.RE) {
        kontra += skat::text(TextKey::Element_Re);
        factor *= 4;
    } else if (r.KONTRA) {
        kontra += skat::text(TextKey::Element_Kontra);
        factor *= 2;
    }
    l[DIALOG_ABRECHNUNG::KONTRA] = kontra;
    l[DIALOG_ABRECHNUNG::KONTRA_VALUE] = timesText(factor);

    l[DIALOG_ABRECHNUNG::VERDICT] = verdictOf(f);
    l[DIALOG_ABRECHNUNG::RESULT] = number4(r.SPIELWERT);

    std::wstring note;
    if (winLevel >= WIN_LEVEL_HAND && type < GAME_NULL && r.isLost()) {
        switch (f.rules.ruleSet) {
        case RULESET_INTERNATIONAL: note = skat::text(TextKey::Hinweis_International_Hand_Doppelt); break;
        case RULESET_FORMER: note = skat::text(TextKey::Hinweis_Alte_Regeln_Hand_Einfach); break;
        case RULESET_PUB:
            note = skat::text(f.rules.lostHandSingle ? TextKey::Hinweis_Eigene_Regel_Hand_Einfach
                                                     : TextKey::Hinweis_Eigene_Regel_Hand_Doppelt);
            break;
        default: break;
        }
    }
    l[DIALOG_ABRECHNUNG::LOST_HAND_NOTE] = note;
    return out;
}

// ---------------------------------------------------------------- settlement panel

namespace {

bool networkTable(SKATTISCH* table) { return table && (table->isClientTable() || table->isServerTableWithRemote()); }

SettlementFacts factsOf(SKATTISCH& table, const SPIELSTRUCT& record)
{
    SettlementFacts f;
    f.record = record;
    f.rules = currentRules();
    std::lock_guard lock(table.tableLock);
    const STAPEL& pile = table.cards.pile;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat) {
        PLAYER* player = table.playerAtSeat(seat);
        f.names[seat] = player ? player->name() : L"";
        f.cardsTaken[seat] = pile.cardsWonBy(seat);
        f.pointsTaken[seat] = pile.pointsWonBy(seat);
    }
    f.skatPoints = pile.skat().points();
    f.declarerPoints = pile.recordPoints(PARTY_DECLARER);
    const Seat declarer = record.declarer();
    f.hasDeclarer = isValidSeat(declarer);
    if (f.hasDeclarer) {
        PLAYER* player = table.playerAtSeat(declarer);
        f.declarerName = player ? player->name() : L"";
        f.declarerIsUser =
            player && (player->kind() == PLAYER_KIND_HUMAN || player->kind() == PLAYER_KIND_NETWORK_CLIENT);
        const GameType type = record.SPIELART.SPIEL_TYP;
        if (type >= GAME_CLUBS && type <= GAME_DIAMONDS)
            f.dealtMatadors = EINBLATT(pile.startingHandOf(declarer).cardSet()).spitzen(trumpSuit(type));
    }
    f.draw = [&random = table.random] { return static_cast<int>(random.next(10)); };
    return f;
}

void showHistory(std::unique_ptr<FENSTER_STICHE>& history)
{
    SKATTISCH* table = currentTable();
    if (!table)
        return;
    if (!history) {
        history = std::make_unique<FENSTER_STICHE>();
        history->create();
    }
    history->refresh(*table);
    history->show();
}

void closeHistory(std::unique_ptr<FENSTER_STICHE>& history)
{
    if (history && history->implementor())
        history->implementor()->hide();
}

} // namespace

DIALOG_ABRECHNUNG::DIALOG_ABRECHNUNG(VORDIX_FENSTER* parent) : VORDIX_DIALOG(parent, FORM_ID) { }
DIALOG_ABRECHNUNG::~DIALOG_ABRECHNUNG() = default;

int DIALOG_ABRECHNUNG::answerFor(int closingControl)
{
    return closingControl == REPEAT ? CONFIRM_REPEAT_DEAL : CONFIRM_NEXT_GAME;
}

void DIALOG_ABRECHNUNG::initDialog()
{
    activeTableDialog = this;
    const auto& imp = implementor();
    SKATTISCH* table = currentTable();
    if (!imp || !table)
        return;
    imp->setControlText(NEXT, skat::text(TextKey::Button_Weiter));
    const SettlementTexts texts = buildSettlementTexts(factsOf(*table, record));
    for (const auto& [id, text] : texts.labels)
        imp->setControlText(id, text);
    imp->setControlState(MATADOR_BUBBLE, texts.matadorHelpShown ? OB_VISIBLE : OB_HIDDEN);
    // Looking back and dealing again are for games at this program's table.
    const OBSTATE own = networkTable(table) ? OB_DISABLED : OB_ENABLED;
    imp->setControlState(HISTORY, own);
    imp->setControlState(REPEAT, own);
}

void DIALOG_ABRECHNUNG::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    switch (controlId) {
    case HISTORY: showHistory(history_); break;
    case REPEAT:
    case NEXT:
        closeHistory(history_);
        imp->done = true;
        break;
    case MATADOR_HELP: showHelp(HelpPage::BidFactor); break;
    default: break;
    }
}

void DIALOG_ABRECHNUNG::onClosed()
{
    const auto& imp = implementor();
    const int result = imp ? imp->result : 0;
    // Closed by its frame (or Escape) the settlement goes on with the next game.
    answerOnClose(*this, REQUEST_CONFIRM_SETTLEMENT, answersSerial, true,
                  [&] { return UserAction::of(UserAction::CONFIRM, answerFor(result)); });
}

// ---------------------------------------------------------------- all passed

DIALOG_EINGEPASST::DIALOG_EINGEPASST(VORDIX_FENSTER* parent) : VORDIX_DIALOG(parent, FORM_ID) { }
DIALOG_EINGEPASST::~DIALOG_EINGEPASST() = default;

int DIALOG_EINGEPASST::answerFor(int closingControl)
{
    return closingControl == REPEAT ? CONFIRM_REPEAT_DEAL : CONFIRM_NEXT_GAME;
}

void DIALOG_EINGEPASST::initDialog()
{
    activeTableDialog = this;
    const auto& imp = implementor();
    if (!imp)
        return;
    imp->setControlText(NEXT, skat::text(TextKey::Button_Weiter));
    imp->setControlState(RAMSCH_NOTE, currentRules().ramschAfterPass ? OB_HIDDEN : OB_VISIBLE);
    imp->setControlState(REPEAT, networkTable(currentTable()) ? OB_DISABLED : OB_ENABLED);
}

void DIALOG_EINGEPASST::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    switch (controlId) {
    case HISTORY: showHistory(history_); break;
    case REPEAT:
    case NEXT:
        closeHistory(history_);
        imp->done = true;
        break;
    default: break;
    }
}

void DIALOG_EINGEPASST::onClosed()
{
    const auto& imp = implementor();
    const int result = imp ? imp->result : 0;
    answerOnClose(*this, REQUEST_CONFIRM_PASSED, answersSerial, true,
                  [&] { return UserAction::of(UserAction::CONFIRM, answerFor(result)); });
}
