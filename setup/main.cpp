// Installer bootstrapper entry.
#include <cstdio>

int main() {
    std::puts("Setup");
    return 0;
}
