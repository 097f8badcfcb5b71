#include "skat/windows/ResourceStringTable.h"

#include "vordix/ResourceStrings.h"

namespace {

struct Choice {
    const wchar_t* label;
    const char* command; // exactly three digits
};

struct ChoiceList {
    int id;
    std::vector<Choice> items;
};

constexpr std::size_t kLabelWidth = 121;

// Labels and command numbers of the training dialogs' choice lists.
const ChoiceList kChoiceLists[] = {
    {510,
     {
         {L"Trumpf, gg haben noch Trumpf", "200"},
         {L"Trumpf, beide GG in Trumpf ff", "224"},
         {L"Beiblatt, Gegner ff??", "100"},
         {L"Beiblatt, Gegner kein Trumpf", "104"},
         {L"Beiblatt, ein GG ist ff & Tr", "103"},
     }},
    {511,
     {
         {L"Alsp in MH - Trumpf", "204"},
         {L"Alsp in MH - Beiblatt", "101"},
         {L"Alsp in MH - Beiblatt, Alsp ist farbfrei", "105"},
         {L"Alsp in MH - Beiblatt, Freund farbfrei + Tr", "106"},
         {L"Alsp in HH - Trumpf", "205"},
         {L"Alsp in HH - Beiblatt", "102"},
         {L"Alsp in HH - Beiblatt, Alsp ist farbfrei", "107"},
         {L"Alsp in HH - Beiblatt, Freund farbfrei + Tr", "108"},
     }},
    {512,
     {
         {L"Farbe zugeben - Trumpf", "501"},
         {L"Farbe zugeben - Beiblatt", "401"},
         {L"Farbe zugeben - Beiblatt, HH ff & Tr mögl.", "404"},
         {L"Farbfrei - Stechen in Trumpf", "210"},
         {L"Farbfrei -  Abwerfen im Beiblatt", "110"},
         {L"Farbfrei - Filter: zu Stechen addiert", "700"},
     }},
    {513,
     {
         {L"Alsp in VH, Farbe zugeben - Trumpf", "502"},
         {L"Alsp in VH, Farbe zugeben - Beiblatt", "402"},
         {L"Alsp in VH, Farbe zugeben - Beiblatt, Freund farbfrei + Tr", "405"},
         {L"Alsp in HH, Farbe zugeben - Trumpf", "503"},
         {L"Alsp in HH, Farbe zugeben - Beiblatt", "403"},
         {L"Alsp in HH, Farbe zugeben - Beiblatt, Alsp ist farbfrei", "406"},
         {L"Alsp in VH, Farbfrei - Stechen in Trumpf", "211"},
         {L"Alsp in VH, Farbfrei - Abwerfen im Beiblatt", "111"},
         {L"Alsp in VH, Farbfrei - Schmieren (Alsp hat die Farbe noch)", "118"},
         {L"Alsp in VH, Farbfrei - Schmieren (Alsp in dieser Farbe frei)", "117"},
         {L"Alsp in VH, Farbfrei - Filter: Schm (+) od. Abw (-)", "706"},
         {L"Alsp in VH, Farbfrei - Filter: zu Stechen addiert", "701"},
         {L"Alsp in HH, Farbfrei - Stechen in Trumpf", "212"},
         {L"Alsp in HH, Farbfrei - Abwerfen im Beiblatt", "112"},
         {L"Alsp in HH, Farbfrei - Filter: zu Stechen addiert", "702"},
     }},
    {514,
     {
         {L"Farbe zugeben - Trumpf", "518"},
         {L"Farbe zugeben - Beiblatt", "407"},
         {L"Farbfrei - Stechen in Trumpf 7/8/9/D/K", "513"},
         {L"Farbfrei - Stechen in Trumpf 10/A", "516"},
         {L"Farbfrei - Abwerfen in Beiblatt", "110"},
     }},
    {515,
     {
         {L"Alsp in VH, Farbe zugeben - Trumpf, Stich an Freund", "519"},
         {L"Alsp in VH, Farbe zugeben - Trumpf, Stich an Alsp 7/8/9/D/K", "520"},
         {L"Alsp in VH, Farbe zugeben - Trumpf, Stich an Alsp 10/A", "533"},
         {L"Alsp in VH, Farbe zugeben - Beiblatt, Stich an Freund", "408"},
         {L"Alsp in VH, Farbe zugeben - Beiblatt, Stich an Alsp 7/8/9/D/K", "409"},
         {L"Alsp in VH, Farbe zugeben - Beiblatt, Stich an Alsp 10/A", "412"},
         {L"Alsp in MH, Farbe zugeben - Trumpf, Stich an Freund", "521"},
         {L"Alsp in MH, Farbe zugeben - Beiblatt, Stich an Freund", "410"},
         {L"Alsp in MH, Farbe zugeben - Beiblatt, Stich an Alsp", "411"},
         {L"Farbfrei - Trumpf, Stich an Freund", "514"},
         {L"Farbfrei - Trumpf, Stich an Alsp 7/8/9/D/K", "517"},
         {L"Farbfrei - Trumpf, Stich an Alsp 10/A", "515"},
         {L"Farbfrei - Beiblatt, Stich an Freund", "114"},
         {L"Farbfrei - Beiblatt, Stich an Alsp", "111"},
     }},
    {516,
     {
         {L"Vorhand", "201"},
     }},
    {517,
     {
         {L"Alsp in MH - Normal", "202"},
         {L"Alsp in MH - Alsp ist farbfrei", "217"},
         {L"Alsp in MH - Freund ist farbfrei", "216"},
         {L"Alsp in HH - Normal", "203"},
         {L"Alsp in HH - Alsp ist farbfrei", "219"},
         {L"Alsp in HH - Freund is farbfrei", "218"},
     }},
    {518,
     {
         {L"Farbe zugeben - Normal", "507"},
         {L"Farbfrei - Normal", "213"},
         {L"Farbfrei - Filter: zu Buben addiert", "703"},
     }},
    {519,
     {
         {L"Alsp in VH, Farbe zugeben - Normal", "508"},
         {L"Alsp in HH, Farbe zugeben - Normal", "509"},
         {L"Alsp in VH, Farbfrei - Normal", "214"},
         {L"Alsp in VH, Farbfrei - Filter: zu Buben addiert", "704"},
         {L"Alsp in HH, Farbfrei - Normal", "215"},
         {L"Alsp in HH, Farbfrei - Filter: zu Buben addiert", "705"},
     }},
    {520,
     {
         {L"Farbe zugeben - Normal", "528"},
         {L"Farbfrei - Normal", "523"},
     }},
    {521,
     {
         {L"Alsp in VH, Farbe zugeben - Normal, Stich an Freund", "529"},
         {L"Alsp in VH, Farbe zugeben - Normal, Stich an Alsp", "530"},
         {L"Alsp in MH, Farbe zugeben - Normal, Stich an Freund", "531"},
         {L"Alsp in MH, Farbe zugeben - Normal, Stich an Alsp", "532"},
         {L"Alsp in VH, Farbfrei - Normal, Stich an Freund", "524"},
         {L"Alsp in VH, Farbfrei - Normal, Stich an Alsp", "525"},
         {L"Alsp in MH, Farbfrei - Normal, Stich an Freund", "526"},
         {L"Alsp in MH, Farbfrei - Normal, Stich an Alsp", "527"},
     }},
    {522,
     {
         {L"1. Anspiel", "306"},
     }},
    {523,
     {
         {L"Alsp in MH - Normal", "308"},
         {L"Alsp in MH - Alsp ist farbfrei =>40", "000"},
         {L"Alsp in MH - Freund ist farbfrei", "307"},
         {L"Alsp in HH - Normal", "308"},
         {L"Alsp in HH - Alsp ist farbfrei =>40", "000"},
         {L"Alsp in HH - Freund ist farbfrei", "307"},
     }},
    {524,
     {
         {L"Farbe zugeben", "604"},
         {L"Farbfrei", "321"},
     }},
    {525,
     {
         {L"Alsp in VH - Farbe zugeben", "605"},
         {L"Alsp in VH - Farbfrei", "322"},
         {L"Alsp in HH - Farbe zugeben", "606"},
         {L"Alsp in HH - Farbfrei", "323"},
     }},
    {526,
     {
         {L"Farbe zugeben", "610"},
         {L"Farbfrei", "321"},
     }},
    {527,
     {
         {L"Alsp in VH - Farbe zugeben", "611"},
         {L"Alsp in VH - Farbfrei", "322"},
         {L"Alsp in MH - Farbe zugeben", "612"},
         {L"Alsp in MH - Farbfrei", "323"},
     }},
};

const std::pair<int, const wchar_t*> kSuitPictures[] = {
    {502, L":/dialogues/Kreuz.png"}, {503, L":/dialogues/Pik.png"},      {504, L":/dialogues/Coeur.png"},
    {505, L":/dialogues/Karo.png"},  {506, L":/dialogues/Eichel.png"},   {507, L":/dialogues/Gruen.png"},
    {508, L":/dialogues/Herz.png"},  {509, L":/dialogues/Schellen.png"},
};

std::wstring choiceListText(const ChoiceList& list)
{
    std::wstring text;
    for (const Choice& item : list.items) {
        std::wstring label = item.label;
        label.resize(kLabelWidth, L' ');
        text += label;
        for (const char* c = item.command; *c; ++c)
            text += static_cast<wchar_t>(*c);
        text += L'|';
    }
    return text + L"#ende";
}

} // namespace

const std::vector<std::pair<int, std::wstring>>& resourceStringTexts()
{
    static const std::vector<std::pair<int, std::wstring>> texts = [] {
        std::vector<std::pair<int, std::wstring>> all;
        for (const ChoiceList& list : kChoiceLists)
            all.emplace_back(list.id, choiceListText(list));
        for (const auto& [id, path] : kSuitPictures)
            all.emplace_back(id, path);
        return all;
    }();
    return texts;
}

void registerResourceStrings()
{
    for (const auto& [id, text] : resourceStringTexts())
        ResourceStrings::instance().set(id, text);
}
