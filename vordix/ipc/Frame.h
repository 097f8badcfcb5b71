#pragma once
// The wire frame: a 12-byte big-endian header (length, version, channel tag,
// kind, reserved, message id), then an optional body of a part count and
// length-prefixed parts. Pure functions, shared by the senders, the
// receiving threads and the parser's fuzz target.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace VORDIX_IPC {

constexpr uint32_t FRAME_HEADER_SIZE = 12;
// Larger frames are never built and close the connection they arrive on.
constexpr uint32_t MAX_FRAME_LENGTH = 16u * 1024 * 1024;
constexpr uint8_t FRAME_VERSION = 1;

constexpr uint8_t SERVER_CHANNEL_TAG = 0x0D;    // a client's messages to the game server
constexpr uint8_t CLIENT_CHANNEL_TAG = 0x2A;    // the game server's messages to a client
constexpr uint8_t HEARTBEAT_CHANNEL_TAG = 0xFF; // heartbeat requests
constexpr uint8_t NO_CHANNEL_TAG = 0;           // refusals and heartbeat replies

enum FrameKind : uint8_t {
    FRAME_ONE_WAY = 0,
    FRAME_REQUEST = 1,
    FRAME_REPLY = 2,
    FRAME_REFUSAL = 3,
};

struct FrameHeader {
    uint32_t frameLength = FRAME_HEADER_SIZE;
    uint8_t frameVersion = FRAME_VERSION;
    uint8_t channelTag = 0;
    uint8_t frameKind = FRAME_ONE_WAY;
    uint8_t reserved = 0;
    uint32_t messageId = 0;
};

inline void putU32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

inline uint32_t getU32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

void writeFrameHeader(uint8_t* frame, const FrameHeader& header);
FrameHeader readFrameHeader(const uint8_t* frame);

// Lengths below the header size or above MAX_FRAME_LENGTH end the connection.
inline bool isAcceptableFrameLength(uint64_t length)
{
    return length >= FRAME_HEADER_SIZE && length <= MAX_FRAME_LENGTH;
}

// Only versions and kinds this program knows are dispatched; others are skipped.
inline bool isKnownFrame(const FrameHeader& h)
{
    return h.frameVersion == FRAME_VERSION && h.frameKind <= FRAME_REFUSAL;
}

struct PartView {
    const uint8_t* data = nullptr;
    uint32_t length = 0;
};

// Splits a body (part count, then length-prefixed parts) into its parts.
// False when the body is shorter than the count, or when the count or a
// part length does not fit the body; `parts` is then empty.
bool splitParts(const uint8_t* body, size_t bodyLength, std::vector<PartView>& parts);

// Collects the bytes of one frame at a time from a stream. The receiver asks
// where to put the next bytes (never more than the current frame still
// lacks), reports how many came, and learns when a frame is complete or the
// stream announced a length that must close the connection.
class CFrameAssembler {
public:
    enum class Status { NeedMore, FrameReady, BadLength };

    uint8_t* freeSpace(size_t& room);
    Status received(size_t count);

    // Valid after FrameReady until next().
    const uint8_t* frame() const { return m_buffer.data(); }
    uint32_t frameLength() const { return m_length; }
    void next();

private:
    std::vector<uint8_t> m_buffer;
    size_t m_have = 0;
    uint32_t m_length = 0; // 0 until the length word is in
};

} // namespace VORDIX_IPC
