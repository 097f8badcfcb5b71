// libFuzzer target for the frame parser: feeds arbitrary bytes, cut into
// reads of varying size, through the frame assembler and splits the body of
// every complete frame into its parts. Any crash, overrun (ASan) or broken
// invariant (abort) is a finding.

#include "vordix/ipc/Frame.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace VORDIX_IPC;

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkParts(const uint8_t* body, size_t length)
{
    std::vector<PartView> parts;
    if (!splitParts(body, length, parts)) {
        require(parts.empty());
        return;
    }
    require(length >= 4);
    for (const PartView& p : parts) {
        require(p.data >= body + 4);
        require(p.data + p.length <= body + length);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    checkParts(data, size);

    // The first byte picks the size of the reads, as a slow peer would send.
    const size_t step = size_t(data[0] % 23) + 1;
    CFrameAssembler assembler;
    size_t position = 1;
    while (position < size) {
        size_t room = 0;
        uint8_t* space = assembler.freeSpace(room);
        require(room > 0);
        const size_t n = std::min({room, step, size - position});
        std::memcpy(space, data + position, n);
        position += n;
        const auto status = assembler.received(n);
        if (status == CFrameAssembler::Status::BadLength)
            return 0; // the connection would close
        if (status == CFrameAssembler::Status::FrameReady) {
            const uint32_t length = assembler.frameLength();
            require(isAcceptableFrameLength(length));
            const FrameHeader header = readFrameHeader(assembler.frame());
            require(header.frameLength == length);
            if (isKnownFrame(header))
                checkParts(assembler.frame() + FRAME_HEADER_SIZE, length - FRAME_HEADER_SIZE);
            assembler.next();
        }
    }
    return 0;
}
