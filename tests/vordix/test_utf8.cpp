#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"

#include <gtest/gtest.h>

using namespace vordix;

TEST(Utf8, RoundTripsEveryPlane)
{
    const std::wstring texts[] = {L"", L"Skat", L"ä ö ü ß Ä", L"€ 12,50", L"\U0001F0A1 Pik-Ass"};
    for (const auto& t : texts)
        EXPECT_EQ(fromUtf8(toUtf8(t)), t);
    EXPECT_EQ(toUtf8(L"€"), "\xE2\x82\xAC");
    EXPECT_EQ(toUtf8(L"ß").size(), 2u);
}

TEST(Utf8, DamagedInputBecomesReplacementCharacters)
{
    // A lone continuation byte, a truncated sequence and an overlong form.
    EXPECT_EQ(fromUtf8("a\x80z"), L"a\uFFFDz");
    EXPECT_EQ(fromUtf8("a\xE2\x82"), L"a\uFFFD");
    EXPECT_EQ(fromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");
}

namespace {
struct RecordingSink : MessageSink {
    std::wstring last;
    MessageAnswer show(MessageKind, const std::wstring& caption, const std::wstring& text, MessageButtons) override
    {
        last = caption + L":" + text;
        return MessageAnswer::No;
    }
};
} // namespace

TEST(MessageSink, TestsCanReplaceTheSink)
{
    auto sink = std::make_shared<RecordingSink>();
    auto previous = setMessageSink(sink);
    EXPECT_EQ(showMessage(MessageKind::Question, L"Weiter?", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(sink->last, L"SKAT:Weiter?");
    setMessageSink(previous);
}
