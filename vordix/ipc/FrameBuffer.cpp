#include "vordix/ipc/FrameBuffer.h"

#include "vordix/ipc/Frame.h"

#include <cstring>

namespace VORDIX_IPC {

CFrameBuffer::CFrameBuffer() : m_bytes(FRAME_HEADER_SIZE + 4, 0) { }

void CFrameBuffer::setData(const void* bytes, uint32_t length)
{
    m_parts.clear();
    m_bytes.assign(FRAME_HEADER_SIZE + 4, 0);
    addData(bytes, length);
}

void CFrameBuffer::addData(const void* bytes, uint32_t length)
{
    const size_t lengthWord = m_bytes.size();
    m_bytes.resize(lengthWord + 4 + length);
    putU32(m_bytes.data() + lengthWord, length);
    if (length > 0 && bytes)
        std::memcpy(m_bytes.data() + lengthWord + 4, bytes, length);
    m_parts.push_back({lengthWord + 4, length});
    putU32(m_bytes.data() + FRAME_HEADER_SIZE, uint32_t(m_parts.size()));
}

const uint8_t* CFrameBuffer::part(uint32_t index, uint32_t& length) const
{
    if (index >= m_parts.size()) {
        length = 0;
        return nullptr;
    }
    length = m_parts[index].length;
    return m_bytes.data() + m_parts[index].offset;
}

} // namespace VORDIX_IPC
