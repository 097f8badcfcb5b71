#include "vordix/ipc/AsyncMessage.h"
#include "vordix/ipc/Frame.h"
#include "vordix/ipc/HeartbeatMessage.h"
#include "vordix/ipc/SyncMessage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace VORDIX_IPC;

namespace {
using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const uint8_t* p, size_t n) { return Bytes(p, p + n); }

Bytes frameOf(IMessage& m)
{
    uint32_t length = 0;
    const uint8_t* p = m.getBuffer(length);
    return bytesOf(p, length);
}

Bytes concat(std::initializer_list<Bytes> pieces)
{
    Bytes out;
    for (const auto& p : pieces)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }
} // namespace

TEST(FrameBody, PartsAreLaidOutAsOnTheWire)
{
    struct Case {
        std::vector<std::string> parts;
        uint32_t frameLength;
        Bytes body; // bytes after the 12-byte header
    };
    const Bytes zero = {0, 0, 0, 0};
    const Case cases[] = {
        {{}, 16, zero},
        {{""}, 20, concat({{0, 0, 0, 1}, zero})},
        {{"AB", "C"}, 27, concat({{0, 0, 0, 2}, {0, 0, 0, 2}, text("AB"), {0, 0, 0, 1}, text("C")})},
        {{"x", "", "yz"}, 31, concat({{0, 0, 0, 3}, {0, 0, 0, 1}, text("x"), zero, {0, 0, 0, 2}, text("yz")})},
    };
    for (const Case& c : cases) {
        CAsyncMessage m;
        for (const auto& p : c.parts)
            m.addData(p.data(), uint32_t(p.size()));
        const Bytes frame = frameOf(m);
        ASSERT_EQ(frame.size(), c.frameLength);
        EXPECT_EQ(Bytes(frame.begin() + 12, frame.end()), c.body);
        ASSERT_EQ(m.getPartCount(), c.parts.size());
        for (uint32_t i = 0; i < c.parts.size(); ++i) {
            uint32_t n = 99;
            const uint8_t* p = m.getPart(i, n);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(p), n), c.parts[i]);
        }
    }
}

TEST(FrameBody, SetDataReplacesEveryPartAndMissingPartsAreNull)
{
    CSyncMessage m;
    m.addData("first", 5);
    m.addData("second", 6);
    m.setData("AB", 2);
    EXPECT_EQ(m.getPartCount(), 1u);
    EXPECT_EQ(frameOf(m).size(), 22u);
    uint32_t n = 0;
    const uint8_t* data = m.getData(n);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), n), "AB");
    n = 7;
    EXPECT_EQ(m.getPart(1, n), nullptr);
    EXPECT_EQ(n, 0u);
    EXPECT_TRUE(m.isSync());
    EXPECT_FALSE(CAsyncMessage().isSync());
}

TEST(FrameHeader, WritesAndReadsBigEndianFields)
{
    uint8_t raw[12];
    writeFrameHeader(raw, {0x01020304, 1, 0x2A, FRAME_REPLY, 0, 0xA0B0C0D0});
    EXPECT_EQ(bytesOf(raw, 12), (Bytes{1, 2, 3, 4, 1, 0x2A, 2, 0, 0xA0, 0xB0, 0xC0, 0xD0}));
    const FrameHeader h = readFrameHeader(raw);
    EXPECT_EQ(h.frameLength, 0x01020304u);
    EXPECT_EQ(h.channelTag, 0x2A);
    EXPECT_EQ(h.frameKind, FRAME_REPLY);
    EXPECT_EQ(h.messageId, 0xA0B0C0D0u);
}

TEST(FrameHeader, AcceptableLengthsAndKnownFrames)
{
    const std::pair<uint64_t, bool> lengths[] = {{0, false},
                                                 {11, false},
                                                 {12, true},
                                                 {MAX_FRAME_LENGTH, true},
                                                 {MAX_FRAME_LENGTH + 1ull, false},
                                                 {0xFFFFFFFFull, false}};
    for (auto [length, ok] : lengths)
        EXPECT_EQ(isAcceptableFrameLength(length), ok) << length;

    FrameHeader h;
    EXPECT_TRUE(isKnownFrame(h));
    h.frameKind = 4;
    EXPECT_FALSE(isKnownFrame(h));
    h.frameKind = FRAME_REFUSAL;
    h.frameVersion = 2;
    EXPECT_FALSE(isKnownFrame(h));
}

TEST(HeartbeatMessage, IsAHeaderOnlyFrameOnTheHeartbeatChannel)
{
    CHeartbeatMessage request;
    EXPECT_EQ(request.getChannelTag(), HEARTBEAT_CHANNEL_TAG);
    EXPECT_EQ(request.getRecipient(), 0u);
    EXPECT_NE(request.getMessageId(), 0u);
    request.addData("ignored", 7);
    uint32_t length = 0;
    EXPECT_NE(request.getBuffer(length), nullptr);
    EXPECT_EQ(length, 12u);
    EXPECT_EQ(request.getPartCount(), 1u);
    EXPECT_EQ(request.getData(length), nullptr);
    EXPECT_EQ(length, 0u);
    request.setReplyTimeoutMs(5);
    EXPECT_EQ(request.waitForReply(), RESUME_TIMED_OUT);
    EXPECT_FALSE(request.isAnswered());

    CHeartbeatMessage reply(77, 3);
    EXPECT_EQ(reply.getMessageId(), 77u);
    EXPECT_EQ(reply.getRecipient(), 3u);
    EXPECT_EQ(reply.getChannelTag(), NO_CHANNEL_TAG);
}

TEST(SplitParts, AcceptsOnlyBodiesWhosePartsFit)
{
    struct Case {
        const char* name;
        Bytes body;
        bool ok;
        size_t parts;
    };
    const Case cases[] = {
        {"empty body", {}, false, 0},
        {"cut count", {0, 0, 0}, false, 0},
        {"no parts", {0, 0, 0, 0}, true, 0},
        {"two parts", {0, 0, 0, 2, 0, 0, 0, 1, 'a', 0, 0, 0, 0}, true, 2},
        {"trailing bytes", {0, 0, 0, 1, 0, 0, 0, 1, 'a', 'x', 'y'}, true, 1},
        {"count of three, two parts", {0, 0, 0, 3, 0, 0, 0, 1, 'a', 0, 0, 0, 1, 'b'}, false, 0},
        {"count 0xFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, false, 0},
        {"part runs past the body", {0, 0, 0, 1, 0, 0, 0, 5, 'a'}, false, 0},
        {"length that wraps 32 bits", {0, 0, 0, 2, 0, 0, 0, 1, 'a', 0xFF, 0xFF, 0xFF, 0xFF, 'b'}, false, 0},
        {"cut length word", {0, 0, 0, 2, 0, 0, 0, 0, 0, 0}, false, 0},
    };
    for (const Case& c : cases) {
        std::vector<PartView> parts{{nullptr, 1}};
        EXPECT_EQ(splitParts(c.body.data(), c.body.size(), parts), c.ok) << c.name;
        EXPECT_EQ(parts.size(), c.parts) << c.name;
    }
}

TEST(FrameAssembler, CollectsAFrameArrivingInPieces)
{
    CAsyncMessage m;
    m.addData("AB", 2);
    m.addData("C", 1);
    uint32_t length = 0;
    uint8_t* frame = m.getBuffer(length);
    writeFrameHeader(frame, {length, 1, SERVER_CHANNEL_TAG, FRAME_ONE_WAY, 0, 0});
    Bytes stream(frame, frame + length);
    stream.insert(stream.end(), frame, frame + length); // and a second frame right behind it

    CFrameAssembler assembler;
    size_t offset = 0;
    int frames = 0;
    const size_t pieces[] = {1, 3, 1000, 1000, 1000};
    for (size_t piece : pieces) {
        size_t given = 0;
        while (given < piece && offset < stream.size()) {
            size_t room = 0;
            uint8_t* space = assembler.freeSpace(room);
            ASSERT_GT(room, 0u);
            const size_t n = std::min({room, piece - given, stream.size() - offset});
            std::copy_n(stream.data() + offset, n, space);
            offset += n;
            given += n;
            const auto status = assembler.received(n);
            ASSERT_NE(status, CFrameAssembler::Status::BadLength);
            if (status == CFrameAssembler::Status::FrameReady) {
                ++frames;
                EXPECT_EQ(assembler.frameLength(), 27u);
                EXPECT_EQ(bytesOf(assembler.frame(), 27), Bytes(frame, frame + 27));
                assembler.next();
            }
        }
    }
    EXPECT_EQ(frames, 2);
}

TEST(FrameAssembler, NeverAsksForBytesBeyondTheCurrentFrame)
{
    CFrameAssembler assembler;
    size_t room = 0;
    uint8_t* space = assembler.freeSpace(room);
    EXPECT_EQ(room, 12u);
    const uint8_t header[12] = {0, 0, 0, 20, 1, 0x0D, 0, 0, 0, 0, 0, 0};
    std::copy_n(header, 12, space);
    EXPECT_EQ(assembler.received(12), CFrameAssembler::Status::NeedMore);
    assembler.freeSpace(room);
    EXPECT_EQ(room, 8u);
}

TEST(FrameAssembler, RejectsLengthsAsSoonAsTheLengthWordIsIn)
{
    for (uint32_t bad : {0u, 1u, 11u, MAX_FRAME_LENGTH + 1, 0xFFFFFFFFu}) {
        CFrameAssembler assembler;
        size_t room = 0;
        uint8_t* space = assembler.freeSpace(room);
        putU32(space, bad);
        EXPECT_EQ(assembler.received(4), CFrameAssembler::Status::BadLength) << bad;
    }
}
