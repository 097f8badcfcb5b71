#include "skat/shell/ShellDialogs.h"

#include "skat/app/SkatText.h"
#include "skat/engine/Spielart.h"
#include "vordix/Communication.h"
#include "vordix/Utf8.h"

#include <tinyxml2.h>

#include <algorithm>
#include <fstream>
#include <sstream>

// ---------------------------------------------------------------- about

DIALOG_INFO::DIALOG_INFO() : VORDIX_DIALOG(FORM_ID) { }

void DIALOG_INFO::initDialog()
{
    if (implementor())
        implementor()->setControlText(VERSION_ID, SKAT_TEXT::instance().versionText);
}

void DIALOG_INFO::onCommand(int controlId)
{
    switch (controlId) {
    case HELP_ID:
    case LEARN_ID:
    case RULES_ID:
        if (openHelpPage)
            openHelpPage(controlId == HELP_ID    ? HelpPage::Program
                         : controlId == LEARN_ID ? HelpPage::Introduction
                                                 : HelpPage::Rules);
        break;
    case CONTACT_ID:
    case HOMEPAGE_ID: {
        const std::wstring url = skat::text(controlId == CONTACT_ID ? TextKey::Url_Kontakt : TextKey::Url_Homepage);
        if (openUrl)
            openUrl(url);
        else
            VORDIX_COMMUNICATION().openUrl(url);
        break;
    }
    default: break; // the frame's close ends the box
    }
}

// ---------------------------------------------------------------- help

DIALOG_HELP::DIALOG_HELP() : VORDIX_DIALOG(FORM_ID) { }

void DIALOG_HELP::onCommand(int controlId)
{
    if (!openHelpPage)
        return;
    if (controlId == PROGRAM_ID)
        openHelpPage(HelpPage::Program);
    else if (controlId == INTRODUCTION_ID)
        openHelpPage(HelpPage::Introduction);
    else if (controlId == RULES_ID)
        openHelpPage(HelpPage::Rules);
}

void DIALOG_HELP::showFile(const VORDIX_FILE& file, HelpTopic topic)
{
    shownFile = file.fullPath();
    if (!implementor())
        return;
    implementor()->show();
    implementor()->showHtmlFile(WEB_VIEW_ID, file);
    const int button = topic == HelpTopic::Program ? PROGRAM_ID
                       : topic == HelpTopic::Rules ? RULES_ID
                                                   : INTRODUCTION_ID;
    implementor()->setControlState(button, OB_CHECKED);
}

// ---------------------------------------------------------------- exercises

std::vector<std::wstring> readGameComments(const std::string& xml)
{
    std::vector<std::wstring> comments;
    tinyxml2::XMLDocument document;
    if (document.Parse(xml.c_str(), xml.size()) != tinyxml2::XML_SUCCESS)
        return comments;
    const tinyxml2::XMLElement* root = document.RootElement();
    const tinyxml2::XMLElement* games = root ? root->FirstChildElement("Spiele") : nullptr;
    if (!games)
        return comments;
    std::wstring pending;
    for (const tinyxml2::XMLNode* node = games->FirstChild(); node; node = node->NextSibling()) {
        if (const tinyxml2::XMLComment* comment = node->ToComment()) {
            std::string text = comment->Value() ? comment->Value() : "";
            const auto first = text.find_first_not_of(" \n\t");
            const auto last = text.find_last_not_of(" \n\t");
            pending = first == std::string::npos ? L"" : vordix::fromUtf8(text.substr(first, last - first + 1));
        } else if (node->ToElement()) {
            comments.push_back(pending);
            pending.clear();
        }
    }
    return comments;
}

DIALOG_UBUNGSPARTIEN::DIALOG_UBUNGSPARTIEN() : VORDIX_DIALOG(FORM_ID) { }

bool DIALOG_UBUNGSPARTIEN::loadGames(const VORDIX_FILE& file)
{
    comments.clear();
    const bool ok = games.open(file) == 0;
    if (ok) {
        std::ifstream in(file.fsPath(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        comments = readGameComments(text.str());
    }
    comments.resize(static_cast<std::size_t>(games.rowCount()));
    // The list is read only: nothing of it is ever written back.
    games.modified = false;
    if (selectedRow >= games.rowCount())
        selectedRow = -1;
    if (implementor() && implementor()->hasNativeWindow())
        fillTable();
    return ok;
}

std::wstring DIALOG_UBUNGSPARTIEN::commentOf(int index) const
{
    if (index < 0 || index >= games.rowCount())
        return {};
    const SPIELSTRUCT& record = games.rowAt(index).record;
    if (record.hasTexts() && !record.texts()[TEXT_KOMMENTAR].empty())
        return record.texts()[TEXT_KOMMENTAR];
    return index < static_cast<int>(comments.size()) ? comments[static_cast<std::size_t>(index)] : std::wstring{};
}

std::vector<std::wstring> DIALOG_UBUNGSPARTIEN::rowTexts(const EIN_SPIEL& game)
{
    const SPIELSTRUCT& record = game.record;
    std::wstring kind;
    if (record.GEREIZT == 0)
        kind = skat::text(TextKey::Uebung_Spielart_Kein);
    else if (record.SPIELART.SPIEL_TYP == GAME_GRAND || record.SPIELART.SPIEL_TYP == GAME_GRAND_OUVERT)
        kind = SKAT_TEXT::instance().gameTypeName(GAME_GRAND);
    else if (record.SPIELART.SPIEL_TYP == GAME_NULL)
        kind = skat::text(TextKey::Uebung_Nullspiel);
    else
        kind = skat::text(TextKey::Uebung_Farbspiel);
    auto orNoTitle = [&](int which) {
        const std::wstring& text = record.hasTexts() ? record.texts()[static_cast<std::size_t>(which)] : L"";
        return text.empty() ? skat::text(TextKey::Uebung_Kein_Titel) : text;
    };
    return {kind, orNoTitle(TEXT_GRUPPE), orNoTitle(TEXT_TITEL)};
}

void DIALOG_UBUNGSPARTIEN::fillTable()
{
    if (!implementor())
        return;
    VORDIX_DIALOG_imp::TableRows rows;
    for (int i = 0; i < games.rowCount(); ++i)
        rows.push_back(rowTexts(games.rowAt(i)));
    // The table reports its first row as current while it is filled; the
    // kept choice wins.
    filling_ = true;
    implementor()->setTableRows(LIST_ID, rows);
    if (selectedRow >= 0)
        implementor()->setCurrentIndex(LIST_ID, selectedRow);
    filling_ = false;
}

void DIALOG_UBUNGSPARTIEN::initDialog()
{
    if (!implementor())
        return;
    // The first opening starts at the second game: the first is the demo
    // deal that the editor shows.
    if (selectedRow < 1)
        selectedRow = std::min(1, games.rowCount() - 1);
    fillTable();
    implementor()->setControlText(DETAILS_ID, commentOf(selectedRow));
}

void DIALOG_UBUNGSPARTIEN::takeCurrentRow()
{
    const int row = implementor()->getCurrentRow(LIST_ID) - 1;
    if (row == selectedRow || row >= games.rowCount())
        return;
    selectedRow = row;
    if (row >= 0)
        implementor()->setControlText(DETAILS_ID, commentOf(row));
}

void DIALOG_UBUNGSPARTIEN::onCommand(int controlId)
{
    if (!implementor() || filling_)
        return;
    takeCurrentRow();
    const bool chosen = selectedRow >= 0 && selectedRow < games.rowCount();
    switch (controlId) {
    case CLOSE_ID: implementor()->done = true; break;
    case COURSE_ID:
        if (chosen && showCourse)
            showCourse(games, selectedRow);
        break;
    case PLAY_ID:
        if (!chosen)
            break;
        implementor()->done = true;
        implementor()->endDialog(PLAY_ID);
        if (playGame)
            playGame(games, selectedRow);
        break;
    default: break;
    }
}

void DIALOG_UBUNGSPARTIEN::onDoubleClick(int controlId)
{
    if (controlId == LIST_ID)
        onCommand(PLAY_ID);
}
