#include "vordix/ipc/Frame.h"

#include <algorithm>

namespace VORDIX_IPC {

namespace {
// The buffer grows with the bytes that actually arrive, so a peer that
// announces a large frame and sends nothing holds little memory.
constexpr size_t kReceiveChunk = 64 * 1024;
} // namespace

void writeFrameHeader(uint8_t* frame, const FrameHeader& h)
{
    putU32(frame, h.frameLength);
    frame[4] = h.frameVersion;
    frame[5] = h.channelTag;
    frame[6] = h.frameKind;
    frame[7] = h.reserved;
    putU32(frame + 8, h.messageId);
}

FrameHeader readFrameHeader(const uint8_t* frame)
{
    FrameHeader h;
    h.frameLength = getU32(frame);
    h.frameVersion = frame[4];
    h.channelTag = frame[5];
    h.frameKind = frame[6];
    h.reserved = frame[7];
    h.messageId = getU32(frame + 8);
    return h;
}

bool splitParts(const uint8_t* body, size_t bodyLength, std::vector<PartView>& parts)
{
    parts.clear();
    if (bodyLength < 4)
        return false;
    const uint64_t count = getU32(body);
    // Every part needs at least its length word.
    if (count > (bodyLength - 4) / 4)
        return false;
    parts.reserve(size_t(count));
    uint64_t offset = 4;
    for (uint64_t i = 0; i < count; ++i) {
        if (offset + 4 > bodyLength) {
            parts.clear();
            return false;
        }
        const uint64_t length = getU32(body + offset);
        offset += 4;
        if (length > bodyLength - offset) {
            parts.clear();
            return false;
        }
        parts.push_back({body + offset, uint32_t(length)});
        offset += length;
    }
    return true;
}

uint8_t* CFrameAssembler::freeSpace(size_t& room)
{
    size_t wanted;
    if (m_have < FRAME_HEADER_SIZE)
        wanted = FRAME_HEADER_SIZE - m_have;
    else
        wanted = std::min<size_t>(m_length - m_have, kReceiveChunk);
    if (m_buffer.size() < m_have + wanted)
        m_buffer.resize(m_have + wanted);
    room = wanted;
    return m_buffer.data() + m_have;
}

CFrameAssembler::Status CFrameAssembler::received(size_t count)
{
    m_have += count;
    if (m_length == 0 && m_have >= 4) {
        const uint32_t length = getU32(m_buffer.data());
        if (!isAcceptableFrameLength(length))
            return Status::BadLength;
        m_length = length;
    }
    if (m_length != 0 && m_have == m_length)
        return Status::FrameReady;
    return Status::NeedMore;
}

void CFrameAssembler::next()
{
    m_have = 0;
    m_length = 0;
    // Keep a modest buffer for the next frame; drop a large one.
    if (m_buffer.capacity() > kReceiveChunk)
        std::vector<uint8_t>().swap(m_buffer);
}

} // namespace VORDIX_IPC
