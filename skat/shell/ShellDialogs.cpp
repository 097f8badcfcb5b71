#include "skat/shell/ShellDialogs.h"

#include "skat/app/SkatText.h"
#include "skat/engine/Spielart.h"
#include "vordix/Communication.h"
#include "vordix/Utf8.h"

#include <tinyxml2.h>

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
    return ok;
}

const std::wstring& DIALOG_UBUNGSPARTIEN::commentOf(int index) const
{
    if (index < 0 || index >= static_cast<int>(comments.size()))
        return empty_;
    return comments[static_cast<std::size_t>(index)];
}

void DIALOG_UBUNGSPARTIEN::initDialog()
{
    if (!implementor())
        return;
    VORDIX_DIALOG_imp::TableRows rows;
    for (int i = 0; i < games.rowCount(); ++i) {
        const std::wstring& comment = commentOf(i);
        const std::wstring title = comment.substr(0, comment.find(L':'));
        rows.push_back({std::to_wstring(i + 1), title});
    }
    implementor()->setTableRows(LIST_ID, rows);
    implementor()->setControlText(DETAILS_ID, L"");
}

int DIALOG_UBUNGSPARTIEN::chosenRow()
{
    const int row = implementor() ? implementor()->getCurrentRow(LIST_ID) - 1 : -1;
    return row >= 0 && row < games.rowCount() ? row : -1;
}

void DIALOG_UBUNGSPARTIEN::onCommand(int controlId)
{
    if (!implementor())
        return;
    const int row = chosenRow();
    if (controlId == LIST_ID || controlId == COURSE_ID) {
        if (row >= 0)
            implementor()->setControlText(DETAILS_ID, commentOf(row));
        return;
    }
    if (controlId == PLAY_ID) {
        if (row < 0)
            return;
        implementor()->done = true;
        implementor()->endDialog(PLAY_ID);
        if (playGame)
            playGame(games.rowAt(row));
        return;
    }
    implementor()->done = true;
    implementor()->endDialog(controlId);
}

void DIALOG_UBUNGSPARTIEN::onDoubleClick(int controlId)
{
    if (controlId == LIST_ID)
        onCommand(PLAY_ID);
}
