#include "skat/ui/HelpPages.h"

#include "skat/app/SkatText.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/UserActions.h"

std::wstring helpFileOfPage(int page, bool english)
{
    const SKAT_PATHS& p = SKAT_TEXT::instance();
    switch (page) {
    case 0: return english ? p.helpProgramEn : p.helpProgramDe;
    case 1: return english ? p.helpIntroEn : p.helpIntroDe;
    case 2: return english ? p.helpRulesEn : p.helpRulesDe;
    case 3: return english ? p.helpHandGameEn : p.helpHandGameDe;
    case 4:
    case 5:
    case 6: return english ? p.helpGameValuesEn : p.helpGameValuesDe;
    case 7: return english ? p.helpBidFactorEn : p.helpBidFactorDe;
    case 8: return english ? p.helpProgram2En : p.helpProgram2De;
    default: return {};
    }
}

std::wstring helpFileOf(HelpPage page, bool english) { return helpFileOfPage(static_cast<int>(page), english); }

HelpTopic topicOf(HelpPage page)
{
    switch (page) {
    case HelpPage::Program: return HelpTopic::Program;
    case HelpPage::Rules: return HelpTopic::Rules;
    default: return HelpTopic::Introduction; // the pages of the introduction folder
    }
}

void showHelp(HelpPage page) { reportUserAction(UserAction::of(UserAction::OPEN_HELP, static_cast<int>(page))); }
