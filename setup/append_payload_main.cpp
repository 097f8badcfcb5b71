// Build step: appends the package to the Setup program.
//   setup_append_payload <program> <package> <package name> <output>
#include "setup/Payload.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <program> <package> <package name> <output>\n", argv[0]);
        return 2;
    }
    try {
        setup::writeSetupFile(argv[1], argv[2], argv[3], argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
