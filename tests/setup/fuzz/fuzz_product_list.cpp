// libFuzzer target for the list of installed products: any text gives a
// product per section, and the list written, parsed and written again gives
// the same text and the same products.

#include "setup/ProductRegistry.h"

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

bool sameProducts(const std::vector<setup::InstalledProduct>& a, const std::vector<setup::InstalledProduct>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].productCode != b[i].productCode || a[i].productName != b[i].productName
            || a[i].versionString != b[i].versionString || a[i].productLanguage != b[i].productLanguage
            || a[i].installLocation != b[i].installLocation)
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<setup::InstalledProduct> products = setup::ProductRegistry::parse(text);
    // Written once, the list holds no line break in a value and parses to
    // the same products and the same text again.
    const std::string once = setup::ProductRegistry::format(products);
    const std::vector<setup::InstalledProduct> again = setup::ProductRegistry::parse(once);
    require(again.size() == products.size(), "every product reads back");
    for (const setup::InstalledProduct& p : again)
        for (const std::string* value :
             {&p.productCode, &p.productName, &p.versionString, &p.productLanguage, &p.installLocation})
            require(value->find_first_of("\r\n") == std::string::npos, "a value of one line");
    const std::string twice = setup::ProductRegistry::format(again);
    require(twice == once, "the same text");
    require(sameProducts(setup::ProductRegistry::parse(twice), again), "the same products");
    return 0;
}
