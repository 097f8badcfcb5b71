// libFuzzer target for the installer's payload header: any bytes behind the
// program give a refusal or a header whose package name stays in its folder
// and whose package starts within the header's own bytes; an accepted
// header, written again, parses to the same header.

#include "setup/Payload.h"

#include <cstdio>
#include <cstdlib>

namespace {
void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    setup::PayloadHeader header;
    if (header.parse(data, size) != setup::PayloadHeader::Result::Ok)
        return 0;
    require(header.magic == setup::PAYLOAD_MAGIC, "the magic");
    require(setup::isAcceptablePackageName(header.fileName), "a name that stays in its folder");
    require(header.fileName.find('/') == std::string::npos && header.fileName != ".." && header.fileName != ".",
            "no path");
    require(header.packageStart <= size, "the package starts within the bytes read");

    const std::string again = setup::payloadHeaderBytes(header.fileName, header.payloadSize);
    setup::PayloadHeader reread;
    require(reread.parse(reinterpret_cast<const unsigned char*>(again.data()), again.size())
                == setup::PayloadHeader::Result::Ok,
            "a written header parses");
    require(reread.fileName == header.fileName && reread.payloadSize == header.payloadSize, "the same header");
    require(reread.packageStart == again.size(), "the package follows the written header");
    return 0;
}
