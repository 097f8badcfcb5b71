#pragma once
// The frame of a message with a body, laid out exactly as it goes on the
// wire: 12 header bytes (filled by the connection manager), the part count,
// then each part's length and bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace VORDIX_IPC {

class CFrameBuffer {
public:
    CFrameBuffer();

    void setData(const void* bytes, uint32_t length);
    void addData(const void* bytes, uint32_t length);

    uint8_t* frame() { return m_bytes.data(); }
    const uint8_t* frame() const { return m_bytes.data(); }
    size_t size() const { return m_bytes.size(); }
    uint32_t partCount() const { return uint32_t(m_parts.size()); }
    const uint8_t* part(uint32_t index, uint32_t& length) const;

private:
    struct Part {
        size_t offset;
        uint32_t length;
    };
    std::vector<uint8_t> m_bytes;
    std::vector<Part> m_parts;
};

} // namespace VORDIX_IPC
