#include "vordix/NetworkMessage.h"
#include "vordix/Random.h"
#include "vordix/Timer.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <thread>

namespace {

// Writes the stream into a fresh element named after it and returns the text.
std::string written(const VORDIX_STREAM& stream) { return streamToXml(stream); }

} // namespace

TEST(Random, SeedOneGivesTheDefinedSequence)
{
    VORDIX_RANDOM random;
    EXPECT_EQ(random.seed, 1u);
    EXPECT_EQ(random.next(32766), 41);
    EXPECT_EQ(random.seed, 2745024u);
    // The classic sequence of this generator; all draws are below 32766.
    const int expected[] = {18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(random.next(32766), value);
}

TEST(Random, OutOfRangeDrawsGiveZeroWithoutAdvancing)
{
    for (int n : {0, -5, 32767, INT32_MIN, INT32_MAX}) {
        VORDIX_RANDOM random;
        EXPECT_EQ(random.next(n), 0) << n;
        EXPECT_EQ(random.seed, 1u) << n;
        EXPECT_EQ(random.next(32766), 41) << n;
    }
    VORDIX_RANDOM random;
    EXPECT_EQ(random.next(1), 0);
    EXPECT_EQ(random.seed, 2745024u) << "n = 1 still advances";
    EXPECT_EQ(random.next(32), 18467 % 32);
}

TEST(Random, SeedElementRoundTrips)
{
    for (uint32_t seed : {1u, 0u, 2745024u, 0x7fffffffu, 0x80000000u, 4294967295u}) {
        VORDIX_RANDOM random;
        random.seed = seed;
        const std::string text = written(random);
        VORDIX_RANDOM back;
        back.seed = 99;
        ASSERT_EQ(streamFromXml(text, back), STREAM_READ_OK) << text;
        EXPECT_EQ(back.seed, seed) << text;
        EXPECT_EQ(back.next(100), random.next(100));
    }
    VORDIX_RANDOM random;
    random.seed = 4294967295u;
    EXPECT_EQ(written(random), "<RANDOM SEED=\"-1\"/>");
}

TEST(Random, UnreadableSeedLeavesGenerator)
{
    for (const char* text : {"<RANDOM/>", "<RANDOM SEED=\"\"/>", "<RANDOM SEED=\"abc\"/>"}) {
        VORDIX_RANDOM random;
        random.seed = 77;
        EXPECT_EQ(streamFromXml(text, random), STREAM_READ_FAILED) << text;
        EXPECT_EQ(random.seed, 77u) << text;
    }
}

TEST(Timer, ElapsedIsMonotonicMilliseconds)
{
    VORDIX_TIMER timer;
    timer.start();
    const int64_t first = timer.elapsed();
    EXPECT_GE(first, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GE(timer.elapsed(), 20);
    EXPECT_GE(timer.elapsed(), first);
    EXPECT_GT(VORDIX_TIMER::nowMs(), 0);
}

namespace {

// A game message: the envelope lies inside the message's own element.
struct GameMessage : VORDIX_NETWORKMESSAGE {
    const char* elementName() const override { return "SNM"; }
};

} // namespace

TEST(NetworkMessage, WritesOnlySetFieldsInOrder)
{
    GameMessage m;
    m.suid = L"host-1";
    EXPECT_EQ(written(m), "<SNM><VNM SUID=\"host-1\"/></SNM>");
    m.tuid = L"Spieler ä";
    m.type = 3;
    EXPECT_EQ(written(m), "<SNM><VNM SUID=\"host-1\" TUID=\"Spieler \xC3\xA4\" VORDIX_TYP=\"3\"/></SNM>");
    GameMessage empty;
    EXPECT_EQ(written(empty), "<SNM><VNM SUID=\"\"/></SNM>");
}

TEST(NetworkMessage, ReadsEnvelopeAndRejectsMissingSender)
{
    GameMessage m;
    ASSERT_EQ(streamFromXml("<SNM><X/><VNM SUID=\"a\" TUID=\"b\" VORDIX_TYP=\"7\"/></SNM>", m), STREAM_READ_OK);
    EXPECT_EQ(m.suid, L"a");
    EXPECT_EQ(m.tuid, L"b");
    EXPECT_EQ(m.type, 7);

    // Missing TUID keeps the old value; an unreadable type becomes 0.
    ASSERT_EQ(streamFromXml("<SNM><VNM SUID=\"c\" VORDIX_TYP=\"x\"/></SNM>", m), STREAM_READ_OK);
    EXPECT_EQ(m.suid, L"c");
    EXPECT_EQ(m.tuid, L"b");
    EXPECT_EQ(m.type, 0);

    for (const char* text : {"<SNM/>", "<SNM><VNM TUID=\"b\"/></SNM>", "<VNM SUID=\"a\"/>"}) {
        GameMessage bad;
        EXPECT_EQ(streamFromXml(text, bad), STREAM_READ_FAILED) << text;
    }
}
