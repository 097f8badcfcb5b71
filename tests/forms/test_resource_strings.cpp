// The resource strings: suit picture paths and the format of the choice lists.

#include "skat/windows/ResourceStringTable.h"
#include "vordix/ResourceStrings.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> split(const std::wstring& text)
{
    std::vector<std::wstring> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find(L'|', start);
        pieces.push_back(text.substr(start, bar - start));
        if (bar == std::wstring::npos)
            return pieces;
        start = bar + 1;
    }
}

class ResourceStringTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResourceStrings::instance().clear();
        registerResourceStrings();
    }
};

TEST_F(ResourceStringTexts, RegistersTwentySixTextsInOrder)
{
    const auto& texts = resourceStringTexts();
    ASSERT_EQ(texts.size(), 26u);
    EXPECT_EQ(texts.front().first, 510);
    EXPECT_EQ(texts[17].first, 527);
    EXPECT_EQ(texts[18].first, 502);
    EXPECT_EQ(texts.back().first, 509);
    EXPECT_EQ(ResourceStrings::instance().size(), 26u);
}

TEST_F(ResourceStringTexts, SuitPictures)
{
    const std::pair<int, const wchar_t*> expected[] = {
        {502, L":/dialogues/Kreuz.png"}, {503, L":/dialogues/Pik.png"},     {504, L":/dialogues/Coeur.png"},
        {505, L":/dialogues/Karo.png"},  {506, L":/dialogues/Eichel.png"},  {507, L":/dialogues/Gruen.png"},
        {508, L":/dialogues/Herz.png"},  {509, L":/dialogues/Schellen.png"}};
    for (const auto& [id, path] : expected)
        EXPECT_EQ(ResourceStrings::instance().get(id), path) << id;
}

TEST_F(ResourceStringTexts, EveryChoiceIs124CharactersWithACommandAndTheListEndsWithEnde)
{
    const std::size_t counts[] = {5, 8, 6, 15, 5, 14, 1, 6, 3, 6, 2, 8, 1, 6, 2, 4, 2, 4};
    for (int id = 510; id <= 527; ++id) {
        const auto pieces = split(ResourceStrings::instance().get(id));
        ASSERT_EQ(pieces.size(), counts[id - 510] + 1) << id;
        EXPECT_EQ(pieces.back(), L"#ende") << id;
        for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
            const std::wstring& item = pieces[i];
            ASSERT_EQ(item.size(), 124u) << id << " item " << i;
            for (std::size_t d = 121; d < 124; ++d)
                EXPECT_TRUE(std::iswdigit(item[d])) << id << " item " << i;
            EXPECT_NE(item[0], L' ') << id;
        }
    }
}

TEST_F(ResourceStringTexts, ItemsKeepLabelsBlanksAndLeadingZeros)
{
    const auto pop3 = split(ResourceStrings::instance().get(512));
    EXPECT_EQ(pop3[2].substr(0, 42), L"Farbe zugeben - Beiblatt, HH ff & Tr mögl.");
    EXPECT_EQ(pop3[4].substr(0, 32), L"Farbfrei -  Abwerfen im Beiblatt");
    EXPECT_EQ(pop3[4].substr(121), L"110");
    const auto pop14 = split(ResourceStrings::instance().get(523));
    EXPECT_EQ(pop14[1].substr(121), L"000");
    const auto pop7 = split(ResourceStrings::instance().get(516));
    ASSERT_EQ(pop7.size(), 2u);
    EXPECT_EQ(pop7[0], std::wstring(L"Vorhand") + std::wstring(121 - 7, L' ') + L"201");
}

TEST_F(ResourceStringTexts, OtherIdsAreEmpty)
{
    for (int id : {0, 501, 528, 1000})
        EXPECT_EQ(ResourceStrings::instance().get(id), L"") << id;
}

} // namespace
